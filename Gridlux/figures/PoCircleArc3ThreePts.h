// A circle arc in space through a start, a middle and an end point.
#ifndef GRIDLUX_POCIRCLEARC3THREEPTS_H
#define GRIDLUX_POCIRCLEARC3THREEPTS_H

#include <Gridlux/figures/PoCircleArc3.h>

#include <Inventor/fields/SoSFVec3f.h>

/**
 * @brief Arc from a start point through a middle point to an end point, in their plane.
 *
 * Fields: startPoint (SoSFVec3f, 1 0 0), middlePoint (SoSFVec3f, -1 0 0), endPoint (SoSFVec3f, 1 0
 * 0).
 * Equal start and end points give the full circle whose diameter joins start and middle;
 * collinear points draw nothing.
 * Read and written under the name PoCircleArc3ThreePts; its geometry is the part `circleArc3` of
 * PoCircleArc3.
 */
class PoCircleArc3ThreePts : public PoCircleArc3 {
  typedef PoCircleArc3 inherited;
  PO_KIT_HEADER(PoCircleArc3ThreePts);

public:
  PoCircleArc3ThreePts();
  static void initClass();

  SoSFVec3f startPoint;
  SoSFVec3f middlePoint;
  SoSFVec3f endPoint;

protected:
  ~PoCircleArc3ThreePts() override;
  int setUpArc(PiCircleArc3& arc) override;

private:
  void init(const SbVec3f& startPointValue, const SbVec3f& middlePointValue,
            const SbVec3f& endPointValue);
};

#endif
