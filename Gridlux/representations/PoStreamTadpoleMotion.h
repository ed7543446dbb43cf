// Stream animation whose particles are short comet-like lines.
#ifndef GRIDLUX_POSTREAMTADPOLEMOTION_H
#define GRIDLUX_POSTREAMTADPOLEMOTION_H

#include <Gridlux/representations/PoStreamParticleMotion.h>

#include <Inventor/fields/SoSFColor.h>
#include <Inventor/fields/SoSFFloat.h>

/**
 * @brief Each particle at P with vector V is the line P - 0.75 k V, P, P + 0.25 k V
 * (k = lengthFactor), coloured from backColor at the rear to the particle's colour at the front
 * (particleColor, or its mapped colour under a data mapping), through their 0.75 mix at P.
 *
 * Fields (defaults): width 2, backColor (0, 0, 0.3), particleColor (1, 1, 1), lengthFactor 1.
 * Part: groupStreamTadpoleMotion (SoGroup).
 */
class PoStreamTadpoleMotion : public PoStreamParticleMotion {
  typedef PoStreamParticleMotion inherited;
  PO_KIT_HEADER(PoStreamTadpoleMotion);

  SO_KIT_CATALOG_ENTRY_HEADER(groupStreamTadpoleMotion);

public:
  PoStreamTadpoleMotion();
  static void initClass();

  SoSFFloat width;
  SoSFColor backColor;
  SoSFColor particleColor;
  SoSFFloat lengthFactor;

  void rebuild() override;

protected:
  ~PoStreamTadpoleMotion() override;

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
