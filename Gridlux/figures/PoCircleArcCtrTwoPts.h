// A circle arc in the plane z = 0 given by its centre and two points.
#ifndef GRIDLUX_POCIRCLEARCCTRTWOPTS_H
#define GRIDLUX_POCIRCLEARCCTRTWOPTS_H

#include <Gridlux/figures/PoCircleArc.h>

#include <Inventor/fields/SoSFVec2f.h>

/**
 * @brief Arc from a start point counter-clockwise to the direction of an end point.
 *
 * Fields: center (SoSFVec2f, 0 0), startPoint (SoSFVec2f, 1 0), endPoint (SoSFVec2f, 1 0).
 * The radius is the start point's distance; the end point gives only a direction, and the same
 * direction as the start gives a full turn. A point on the centre draws nothing.
 * Read and written under the name PoCircleArcCtrTwoPts; its geometry is the part `circleArc` of
 * PoCircleArc.
 */
class PoCircleArcCtrTwoPts : public PoCircleArc {
  typedef PoCircleArc inherited;
  PO_KIT_HEADER(PoCircleArcCtrTwoPts);

public:
  PoCircleArcCtrTwoPts();
  static void initClass();

  SoSFVec2f center;
  SoSFVec2f startPoint;
  SoSFVec2f endPoint;

protected:
  ~PoCircleArcCtrTwoPts() override;
  int setUpArc(PiCircleArc2& arc) override;

private:
  void init(const SbVec2f& centerValue, const SbVec2f& startPointValue,
            const SbVec2f& endPointValue);
};

#endif
