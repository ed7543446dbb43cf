// Stream animation that lights the particles' vertices on the sampled stream lines.
#ifndef GRIDLUX_POSTREAMLINEMOTION_H
#define GRIDLUX_POSTREAMLINEMOTION_H

#include <Gridlux/representations/PoStreamParticleMotion.h>

#include <Inventor/fields/SoSFColor.h>
#include <Inventor/fields/SoSFFloat.h>

class SoMaterial;

/**
 * @brief Draws the sampled lines in every frame, all vertices lineColor but those of the
 * frame's particles, which take particleColor (or their mapped colour under a data mapping).
 * Each frame holds its material followed by the shared coordinates and line set.
 *
 * Fields (defaults): lineWidth 2, lineColor (0.3, 0.3, 0.3), particleColor (1, 1, 1).
 * Part: groupStreamLineMotion (SoGroup).
 */
class PoStreamLineMotion : public PoStreamParticleMotion {
  typedef PoStreamParticleMotion inherited;
  PO_KIT_HEADER(PoStreamLineMotion);

  SO_KIT_CATALOG_ENTRY_HEADER(groupStreamLineMotion);

public:
  PoStreamLineMotion();
  static void initClass();

  SoSFFloat lineWidth;
  SoSFColor lineColor;
  SoSFColor particleColor;

  void rebuild() override;

protected:
  ~PoStreamLineMotion() override;

  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;

private:
  void newAnimator(SoGroup* group, SoLineSet* lines, SoCoordinate3* samples, SoCoordinate3* other,
                   SoMFColor* colours) override;
  void newFrame(SoGroup* frame, int frameIndex) override;
  void endFrame(SoGroup* frame, int frameIndex) override;
  void newParticle(const SbVec3f& position, const SbVec3f& vector, const SbVec3f& other, const SbColor* colour,
                   int sampleIndex) override;

  SoLineSet* m_lines = nullptr;
  SoCoordinate3* m_samples = nullptr;
  SoMaterial* m_frameMaterial = nullptr;

  FieldSensorList m_sensors;
};

#endif
