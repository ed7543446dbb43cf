// A circle arc in the plane z = 0 given by its centre, radius and two angles.
#ifndef GRIDLUX_POCIRCLEARCCTRRADTWOANGLE_H
#define GRIDLUX_POCIRCLEARCCTRRADTWOANGLE_H

#include <Gridlux/figures/PoCircleArc.h>

#include <Inventor/fields/SoSFFloat.h>
#include <Inventor/fields/SoSFVec2f.h>

/**
 * @brief Arc of a centre and radius from a start angle to an end angle (radians).
 *
 * Fields: center (SoSFVec2f, 0 0), radius (SoSFFloat, 1), startAngle (SoSFFloat, 0), endAngle
 * (SoSFFloat, 6.2831855).
 * The sweep endAngle - startAngle is limited to one turn either way. A negative radius is
 * reported and draws nothing.
 * Read and written under the name PoCircleArcCtrRadTwoAngle; its geometry is the part `circleArc`
 * of PoCircleArc.
 */
class PoCircleArcCtrRadTwoAngle : public PoCircleArc {
  typedef PoCircleArc inherited;
  PO_KIT_HEADER(PoCircleArcCtrRadTwoAngle);

public:
  PoCircleArcCtrRadTwoAngle();
  static void initClass();

  SoSFVec2f center;
  SoSFFloat radius;
  SoSFFloat startAngle;
  SoSFFloat endAngle;

protected:
  ~PoCircleArcCtrRadTwoAngle() override;
  int setUpArc(PiCircleArc2& arc) override;

private:
  void init(const SbVec2f& centerValue, float radiusValue, float startAngleValue,
            float endAngleValue);
};

#endif
