// A circle in the plane z = 0 through three points.
#include <Gridlux/figures/PoCircleThreePoints.h>

PO_KIT_SOURCE(PoCircleThreePoints);

void PoCircleThreePoints::initClass()
{
  PO_KIT_INIT_CLASS(PoCircleThreePoints, PoCircle, "PoCircle");
}

PoCircleThreePoints::PoCircleThreePoints()
{
  init(SbVec2f(1, 0), SbVec2f(0, 1), SbVec2f(-1, 0));
}

void PoCircleThreePoints::init(const SbVec2f& pValue, const SbVec2f& qValue, const SbVec2f& rValue)
{
  SO_KIT_CONSTRUCTOR(PoCircleThreePoints);
  SO_KIT_ADD_FIELD(p, (pValue));
  SO_KIT_ADD_FIELD(q, (qValue));
  SO_KIT_ADD_FIELD(r, (rValue));
  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoCircleThreePoints::~PoCircleThreePoints() = default;

int PoCircleThreePoints::setUpArc(PiCircleArc2& arc)
{
  return arc.setCircle(p.getValue(), q.getValue(), r.getValue());
}
