// A circle arc in the plane z = 0 given by its centre, radius and two angles.
#include <Gridlux/figures/PoCircleArcCtrRadTwoAngle.h>

#include <Gridlux/base/PoDebugError.h>

PO_KIT_SOURCE(PoCircleArcCtrRadTwoAngle);

void PoCircleArcCtrRadTwoAngle::initClass()
{
  PO_KIT_INIT_CLASS(PoCircleArcCtrRadTwoAngle, PoCircleArc, "PoCircleArc");
}

PoCircleArcCtrRadTwoAngle::PoCircleArcCtrRadTwoAngle()
{
  init(SbVec2f(0, 0), 1.0f, 0.0f, 6.2831855f);
}

void PoCircleArcCtrRadTwoAngle::init(const SbVec2f& centerValue, float radiusValue,
                                     float startAngleValue, float endAngleValue)
{
  SO_KIT_CONSTRUCTOR(PoCircleArcCtrRadTwoAngle);
  SO_KIT_ADD_FIELD(center, (centerValue));
  SO_KIT_ADD_FIELD(radius, (radiusValue));
  SO_KIT_ADD_FIELD(startAngle, (startAngleValue));
  SO_KIT_ADD_FIELD(endAngle, (endAngleValue));
  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoCircleArcCtrRadTwoAngle::~PoCircleArcCtrRadTwoAngle() = default;

int PoCircleArcCtrRadTwoAngle::setUpArc(PiCircleArc2& arc)
{
  if (radius.getValue() < 0) {
    PoDebugError::post("PoCircleArcCtrRadTwoAngle::rebuild",
                       "radius %g is negative; nothing is drawn", radius.getValue());
    return 0;
  }
  return arc.setValues(center.getValue(), radius.getValue(), startAngle.getValue(),
                       endAngle.getValue());
}
