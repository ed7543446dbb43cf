// A circle arc in space given by its centre and two points.
#ifndef GRIDLUX_POCIRCLEARC3CTRTWOPTS_H
#define GRIDLUX_POCIRCLEARC3CTRTWOPTS_H

#include <Gridlux/figures/PoCircleArc3.h>

#include <Inventor/fields/SoSFVec3f.h>

/**
 * @brief Arc from a start point to the direction of an end point, in the plane of the three points.
 *
 * Fields: center (SoSFVec3f, 0 0 0), startPoint (SoSFVec3f, 1 0 0), endPoint (SoSFVec3f, 1 0 0).
 * The same direction as the start gives a full turn, the opposite one a half turn; in both
 * cases the plane is the one closest to z = 0 (see PiCircleArc3).
 * Read and written under the name PoCircleArc3CtrTwoPts; its geometry is the part `circleArc3` of
 * PoCircleArc3.
 */
class PoCircleArc3CtrTwoPts : public PoCircleArc3 {
  typedef PoCircleArc3 inherited;
  PO_KIT_HEADER(PoCircleArc3CtrTwoPts);

public:
  PoCircleArc3CtrTwoPts();
  static void initClass();

  SoSFVec3f center;
  SoSFVec3f startPoint;
  SoSFVec3f endPoint;

protected:
  ~PoCircleArc3CtrTwoPts() override;
  int setUpArc(PiCircleArc3& arc) override;

private:
  void init(const SbVec3f& centerValue, const SbVec3f& startPointValue,
            const SbVec3f& endPointValue);
};

#endif
