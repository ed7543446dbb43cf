// A circle arc in space given by its centre and two points.
#include <Gridlux/figures/PoCircleArc3CtrTwoPts.h>

PO_KIT_SOURCE(PoCircleArc3CtrTwoPts);

void PoCircleArc3CtrTwoPts::initClass()
{
  PO_KIT_INIT_CLASS(PoCircleArc3CtrTwoPts, PoCircleArc3, "PoCircleArc3");
}

PoCircleArc3CtrTwoPts::PoCircleArc3CtrTwoPts()
{
  init(SbVec3f(0, 0, 0), SbVec3f(1, 0, 0), SbVec3f(1, 0, 0));
}

void PoCircleArc3CtrTwoPts::init(const SbVec3f& centerValue, const SbVec3f& startPointValue,
                                 const SbVec3f& endPointValue)
{
  SO_KIT_CONSTRUCTOR(PoCircleArc3CtrTwoPts);
  SO_KIT_ADD_FIELD(center, (centerValue));
  SO_KIT_ADD_FIELD(startPoint, (startPointValue));
  SO_KIT_ADD_FIELD(endPoint, (endPointValue));
  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoCircleArc3CtrTwoPts::~PoCircleArc3CtrTwoPts() = default;

int PoCircleArc3CtrTwoPts::setUpArc(PiCircleArc3& arc)
{
  return arc.setValues(center.getValue(), startPoint.getValue(), endPoint.getValue());
}
