// A circle arc in space given by its centre, start point, angle and normal.
#ifndef GRIDLUX_POCIRCLEARC3CTRPTANGLE_H
#define GRIDLUX_POCIRCLEARC3CTRPTANGLE_H

#include <Gridlux/figures/PoCircleArc3.h>

#include <Inventor/fields/SoSFFloat.h>
#include <Inventor/fields/SoSFVec3f.h>

/**
 * @brief Arc that turns a start point about the axis through a centre along a normal.
 *
 * Fields: center (SoSFVec3f, 0 0 0), startPoint (SoSFVec3f, 1 0 0), angle (SoSFFloat, 6.2831855),
 * normal (SoSFVec3f, 0 0 1).
 * The start point is taken into the plane through the centre; the arc turns counter-clockwise
 * seen from the normal's tip when the angle is positive. A null normal is reported and draws
 * nothing.
 * Read and written under the name PoCircleArc3CtrPtAngle; its geometry is the part `circleArc3` of
 * PoCircleArc3.
 */
class PoCircleArc3CtrPtAngle : public PoCircleArc3 {
  typedef PoCircleArc3 inherited;
  PO_KIT_HEADER(PoCircleArc3CtrPtAngle);

public:
  PoCircleArc3CtrPtAngle();
  static void initClass();

  SoSFVec3f center;
  SoSFVec3f startPoint;
  SoSFFloat angle;
  SoSFVec3f normal;

protected:
  ~PoCircleArc3CtrPtAngle() override;
  int setUpArc(PiCircleArc3& arc) override;

private:
  void init(const SbVec3f& centerValue, const SbVec3f& startPointValue, float angleValue,
            const SbVec3f& normalValue);
};

#endif
