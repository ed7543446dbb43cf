// A circle in space given by its centre, radius and normal.
#include <Gridlux/figures/PoCircle3CenterRadius.h>

#include <Gridlux/base/PoDebugError.h>

PO_KIT_SOURCE(PoCircle3CenterRadius);

void PoCircle3CenterRadius::initClass()
{
  PO_KIT_INIT_CLASS(PoCircle3CenterRadius, PoCircle3, "PoCircle3");
}

PoCircle3CenterRadius::PoCircle3CenterRadius()
{
  init(SbVec3f(0, 0, 0), 1.0f, SbVec3f(0, 0, 1));
}

void PoCircle3CenterRadius::init(const SbVec3f& centerValue, float radiusValue,
                                 const SbVec3f& normalValue)
{
  SO_KIT_CONSTRUCTOR(PoCircle3CenterRadius);
  SO_KIT_ADD_FIELD(center, (centerValue));
  SO_KIT_ADD_FIELD(radius, (radiusValue));
  SO_KIT_ADD_FIELD(normal, (normalValue));
  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoCircle3CenterRadius::~PoCircle3CenterRadius() = default;

int PoCircle3CenterRadius::setUpArc(PiCircleArc3& arc)
{
  if (radius.getValue() < 0 || normal.getValue().length() == 0.0f) {
    PoDebugError::post("PoCircle3CenterRadius::rebuild",
                       "radius %g or normal (%g %g %g) defines no circle; nothing is drawn",
                       radius.getValue(), normal.getValue()[0], normal.getValue()[1],
                       normal.getValue()[2]);
    return 0;
  }
  return arc.setValues(center.getValue(), radius.getValue(), normal.getValue());
}
