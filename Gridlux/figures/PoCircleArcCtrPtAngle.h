// A circle arc in the plane z = 0 given by its centre, start point and angle.
#ifndef GRIDLUX_POCIRCLEARCCTRPTANGLE_H
#define GRIDLUX_POCIRCLEARCCTRPTANGLE_H

#include <Gridlux/figures/PoCircleArc.h>

#include <Inventor/fields/SoSFFloat.h>
#include <Inventor/fields/SoSFVec2f.h>

/**
 * @brief Arc that turns a start point about a centre by an angle (radians, counter-clockwise when
 * positive).
 *
 * Fields: center (SoSFVec2f, 0 0), startPoint (SoSFVec2f, 1 0), angle (SoSFFloat, 6.2831855).
 * A start point on the centre draws nothing.
 * Read and written under the name PoCircleArcCtrPtAngle; its geometry is the part `circleArc` of
 * PoCircleArc.
 */
class PoCircleArcCtrPtAngle : public PoCircleArc {
  typedef PoCircleArc inherited;
  PO_KIT_HEADER(PoCircleArcCtrPtAngle);

public:
  PoCircleArcCtrPtAngle();
  static void initClass();

  SoSFVec2f center;
  SoSFVec2f startPoint;
  SoSFFloat angle;

protected:
  ~PoCircleArcCtrPtAngle() override;
  int setUpArc(PiCircleArc2& arc) override;

private:
  void init(const SbVec2f& centerValue, const SbVec2f& startPointValue, float angleValue);
};

#endif
