// A circle in the plane z = 0 given by its centre and radius.
#ifndef GRIDLUX_POCIRCLECENTERRADIUS_H
#define GRIDLUX_POCIRCLECENTERRADIUS_H

#include <Gridlux/figures/PoCircle.h>

#include <Inventor/fields/SoSFFloat.h>
#include <Inventor/fields/SoSFVec2f.h>

/**
 * @brief Disc of a centre and a radius, drawn from angle 0 round one full turn.
 *
 * Fields: center (SoSFVec2f, 0 0), radius (SoSFFloat, 1).
 * A negative radius is reported and draws nothing.
 * Read and written under the name PoCircleCenterRadius; its geometry is the part `circle` of
 * PoCircle.
 */
class PoCircleCenterRadius : public PoCircle {
  typedef PoCircle inherited;
  PO_KIT_HEADER(PoCircleCenterRadius);

public:
  PoCircleCenterRadius();
  static void initClass();

  SoSFVec2f center;
  SoSFFloat radius;

protected:
  ~PoCircleCenterRadius() override;
  int setUpArc(PiCircleArc2& arc) override;

private:
  void init(const SbVec2f& centerValue, float radiusValue);
};

#endif
