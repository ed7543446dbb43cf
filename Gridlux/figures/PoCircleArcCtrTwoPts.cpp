// A circle arc in the plane z = 0 given by its centre and two points.
#include <Gridlux/figures/PoCircleArcCtrTwoPts.h>

PO_KIT_SOURCE(PoCircleArcCtrTwoPts);

void PoCircleArcCtrTwoPts::initClass()
{
  PO_KIT_INIT_CLASS(PoCircleArcCtrTwoPts, PoCircleArc, "PoCircleArc");
}

PoCircleArcCtrTwoPts::PoCircleArcCtrTwoPts()
{
  init(SbVec2f(0, 0), SbVec2f(1, 0), SbVec2f(1, 0));
}

void PoCircleArcCtrTwoPts::init(const SbVec2f& centerValue, const SbVec2f& startPointValue,
                                const SbVec2f& endPointValue)
{
  SO_KIT_CONSTRUCTOR(PoCircleArcCtrTwoPts);
  SO_KIT_ADD_FIELD(center, (centerValue));
  SO_KIT_ADD_FIELD(startPoint, (startPointValue));
  SO_KIT_ADD_FIELD(endPoint, (endPointValue));
  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoCircleArcCtrTwoPts::~PoCircleArcCtrTwoPts() = default;

int PoCircleArcCtrTwoPts::setUpArc(PiCircleArc2& arc)
{
  return arc.setValues(center.getValue(), startPoint.getValue(), endPoint.getValue());
}
