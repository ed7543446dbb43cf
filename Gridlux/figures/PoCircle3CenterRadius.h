// A circle in space given by its centre, radius and normal.
#ifndef GRIDLUX_POCIRCLE3CENTERRADIUS_H
#define GRIDLUX_POCIRCLE3CENTERRADIUS_H

#include <Gridlux/figures/PoCircle3.h>

#include <Inventor/fields/SoSFFloat.h>
#include <Inventor/fields/SoSFVec3f.h>

/**
 * @brief Disc of a centre and a radius in the plane perpendicular to a normal.
 *
 * Fields: center (SoSFVec3f, 0 0 0), radius (SoSFFloat, 1), normal (SoSFVec3f, 0 0 1).
 * A negative radius or a null normal is reported and draws nothing.
 * Read and written under the name PoCircle3CenterRadius; its geometry is the part `circle3` of
 * PoCircle3.
 */
class PoCircle3CenterRadius : public PoCircle3 {
  typedef PoCircle3 inherited;
  PO_KIT_HEADER(PoCircle3CenterRadius);

public:
  PoCircle3CenterRadius();
  static void initClass();

  SoSFVec3f center;
  SoSFFloat radius;
  SoSFVec3f normal;

protected:
  ~PoCircle3CenterRadius() override;
  int setUpArc(PiCircleArc3& arc) override;

private:
  void init(const SbVec3f& centerValue, float radiusValue, const SbVec3f& normalValue);
};

#endif
