// A circle in space through three points.
#include <Gridlux/figures/PoCircle3ThreePoints.h>

PO_KIT_SOURCE(PoCircle3ThreePoints);

void PoCircle3ThreePoints::initClass()
{
  PO_KIT_INIT_CLASS(PoCircle3ThreePoints, PoCircle3, "PoCircle3");
}

PoCircle3ThreePoints::PoCircle3ThreePoints()
{
  init(SbVec3f(1, 0, 0), SbVec3f(0, 1, 0), SbVec3f(-1, 0, 0));
}

void PoCircle3ThreePoints::init(const SbVec3f& pValue, const SbVec3f& qValue, const SbVec3f& rValue)
{
  SO_KIT_CONSTRUCTOR(PoCircle3ThreePoints);
  SO_KIT_ADD_FIELD(p, (pValue));
  SO_KIT_ADD_FIELD(q, (qValue));
  SO_KIT_ADD_FIELD(r, (rValue));
  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoCircle3ThreePoints::~PoCircle3ThreePoints() = default;

int PoCircle3ThreePoints::setUpArc(PiCircleArc3& arc)
{
  return arc.setCircle(p.getValue(), q.getValue(), r.getValue());
}
