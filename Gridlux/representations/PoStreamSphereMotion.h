// Stream animation whose particles are spheres.
#ifndef GRIDLUX_POSTREAMSPHEREMOTION_H
#define GRIDLUX_POSTREAMSPHEREMOTION_H

#include <Gridlux/representations/PoStreamParticleMotion.h>

#include <Inventor/fields/SoSFFloat.h>

class SoSphere;

/**
 * @brief Particles drawn as one shared SoSphere of radius sphereRadius, each under its own
 * separator with its translation (and, under a data mapping, its material).
 *
 * Field: sphereRadius (SoSFFloat, 1). Part: groupStreamSphereMotion (SoGroup).
 */
class PoStreamSphereMotion : public PoStreamParticleMotion {
  typedef PoStreamParticleMotion inherited;
  PO_KIT_HEADER(PoStreamSphereMotion);

  SO_KIT_CATALOG_ENTRY_HEADER(groupStreamSphereMotion);

public:
  PoStreamSphereMotion();
  static void initClass();

  SoSFFloat sphereRadius;

  void rebuild() override;

protected:
  ~PoStreamSphereMotion() override;

  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;

private:
  void newAnimator(SoGroup* group, SoLineSet* lines, SoCoordinate3* samples, SoCoordinate3* other,
                   SoMFColor* colours) override;
  void endAnimator(SoGroup* group, SoLineSet* lines, SoCoordinate3* samples, SoCoordinate3* other,
                   SoMFColor* colours) override;
  void newParticle(const SbVec3f& position, const SbVec3f& vector, const SbVec3f& other, const SbColor* colour,
                   int sampleIndex) override;

  SoSphere* m_sphere = nullptr;

  FieldSensorList m_sensors;
};

#endif
