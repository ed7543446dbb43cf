// A circle arc in the plane z = 0 through a start, a middle and an end point.
#ifndef GRIDLUX_POCIRCLEARCTHREEPTS_H
#define GRIDLUX_POCIRCLEARCTHREEPTS_H

#include <Gridlux/figures/PoCircleArc.h>

#include <Inventor/fields/SoSFVec2f.h>

/**
 * @brief Arc from a start point through a middle point to an end point.
 *
 * Fields: startPoint (SoSFVec2f, 1 0), middlePoint (SoSFVec2f, -1 0), endPoint (SoSFVec2f, 1 0).
 * Equal start and end points give the full circle whose diameter joins start and middle;
 * collinear points draw nothing.
 * Read and written under the name PoCircleArcThreePts; its geometry is the part `circleArc` of
 * PoCircleArc.
 */
class PoCircleArcThreePts : public PoCircleArc {
  typedef PoCircleArc inherited;
  PO_KIT_HEADER(PoCircleArcThreePts);

public:
  PoCircleArcThreePts();
  static void initClass();

  SoSFVec2f startPoint;
  SoSFVec2f middlePoint;
  SoSFVec2f endPoint;

protected:
  ~PoCircleArcThreePts() override;
  int setUpArc(PiCircleArc2& arc) override;

private:
  void init(const SbVec2f& startPointValue, const SbVec2f& middlePointValue,
            const SbVec2f& endPointValue);
};

#endif
