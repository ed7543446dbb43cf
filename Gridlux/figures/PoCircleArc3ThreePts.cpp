// A circle arc in space through a start, a middle and an end point.
#include <Gridlux/figures/PoCircleArc3ThreePts.h>

PO_KIT_SOURCE(PoCircleArc3ThreePts);

void PoCircleArc3ThreePts::initClass()
{
  PO_KIT_INIT_CLASS(PoCircleArc3ThreePts, PoCircleArc3, "PoCircleArc3");
}

PoCircleArc3ThreePts::PoCircleArc3ThreePts()
{
  init(SbVec3f(1, 0, 0), SbVec3f(-1, 0, 0), SbVec3f(1, 0, 0));
}

void PoCircleArc3ThreePts::init(const SbVec3f& startPointValue, const SbVec3f& middlePointValue,
                                const SbVec3f& endPointValue)
{
  SO_KIT_CONSTRUCTOR(PoCircleArc3ThreePts);
  SO_KIT_ADD_FIELD(startPoint, (startPointValue));
  SO_KIT_ADD_FIELD(middlePoint, (middlePointValue));
  SO_KIT_ADD_FIELD(endPoint, (endPointValue));
  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoCircleArc3ThreePts::~PoCircleArc3ThreePts() = default;

int PoCircleArc3ThreePts::setUpArc(PiCircleArc3& arc)
{
  return arc.setValues2(startPoint.getValue(), middlePoint.getValue(), endPoint.getValue());
}
