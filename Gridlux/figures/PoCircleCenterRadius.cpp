// A circle in the plane z = 0 given by its centre and radius.
#include <Gridlux/figures/PoCircleCenterRadius.h>

#include <Gridlux/base/PoDebugError.h>

PO_KIT_SOURCE(PoCircleCenterRadius);

void PoCircleCenterRadius::initClass()
{
  PO_KIT_INIT_CLASS(PoCircleCenterRadius, PoCircle, "PoCircle");
}

PoCircleCenterRadius::PoCircleCenterRadius()
{
  init(SbVec2f(0, 0), 1.0f);
}

void PoCircleCenterRadius::init(const SbVec2f& centerValue, float radiusValue)
{
  SO_KIT_CONSTRUCTOR(PoCircleCenterRadius);
  SO_KIT_ADD_FIELD(center, (centerValue));
  SO_KIT_ADD_FIELD(radius, (radiusValue));
  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoCircleCenterRadius::~PoCircleCenterRadius() = default;

int PoCircleCenterRadius::setUpArc(PiCircleArc2& arc)
{
  if (radius.getValue() < 0) {
    PoDebugError::post("PoCircleCenterRadius::rebuild", "radius %g is negative; nothing is drawn",
                       radius.getValue());
    return 0;
  }
  return arc.setValues(center.getValue(), radius.getValue(), 0.0f, 6.2831855f);
}
