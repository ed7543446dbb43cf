// A circle arc in the plane z = 0 through a start, a middle and an end point.
#include <Gridlux/figures/PoCircleArcThreePts.h>

PO_KIT_SOURCE(PoCircleArcThreePts);

void PoCircleArcThreePts::initClass()
{
  PO_KIT_INIT_CLASS(PoCircleArcThreePts, PoCircleArc, "PoCircleArc");
}

PoCircleArcThreePts::PoCircleArcThreePts()
{
  init(SbVec2f(1, 0), SbVec2f(-1, 0), SbVec2f(1, 0));
}

void PoCircleArcThreePts::init(const SbVec2f& startPointValue, const SbVec2f& middlePointValue,
                               const SbVec2f& endPointValue)
{
  SO_KIT_CONSTRUCTOR(PoCircleArcThreePts);
  SO_KIT_ADD_FIELD(startPoint, (startPointValue));
  SO_KIT_ADD_FIELD(middlePoint, (middlePointValue));
  SO_KIT_ADD_FIELD(endPoint, (endPointValue));
  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoCircleArcThreePts::~PoCircleArcThreePts() = default;

int PoCircleArcThreePts::setUpArc(PiCircleArc2& arc)
{
  return arc.setValues2(startPoint.getValue(), middlePoint.getValue(), endPoint.getValue());
}
