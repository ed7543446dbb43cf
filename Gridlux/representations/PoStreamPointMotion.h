// Stream animation whose particles are points.
#ifndef GRIDLUX_POSTREAMPOINTMOTION_H
#define GRIDLUX_POSTREAMPOINTMOTION_H

#include <Gridlux/representations/PoStreamParticleMotion.h>

#include <Inventor/fields/SoSFFloat.h>

/**
 * @brief Particles drawn as points of size pointSize, one SoPointSet per path and frame,
 * coloured per point under a data mapping (else the inherited material).
 *
 * Field: pointSize (SoSFFloat, 3). Part: groupStreamPointMotion (SoGroup).
 */
class PoStreamPointMotion : public PoStreamParticleMotion {
  typedef PoStreamParticleMotion inherited;
  PO_KIT_HEADER(PoStreamPointMotion);

  SO_KIT_CATALOG_ENTRY_HEADER(groupStreamPointMotion);

public:
  PoStreamPointMotion();
  static void initClass();

  SoSFFloat pointSize;

  void rebuild() override;

protected:
  ~PoStreamPointMotion() override;

  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;

private:
  void newAnimator(SoGroup* group, SoLineSet* lines, SoCoordinate3* samples, SoCoordinate3* other,
                   SoMFColor* colours) override;
  void newLine(SoGroup* frame, int lineIndex) override;
  void endLine(SoGroup* frame, int lineIndex) override;
  void newParticle(const SbVec3f& position, const SbVec3f& vector, const SbVec3f& other, const SbColor* colour,
                   int sampleIndex) override;

  FieldSensorList m_sensors;
};

#endif
