// A circle arc in space given by its centre, start point, angle and normal.
#include <Gridlux/figures/PoCircleArc3CtrPtAngle.h>

#include <Gridlux/base/PoDebugError.h>

PO_KIT_SOURCE(PoCircleArc3CtrPtAngle);

void PoCircleArc3CtrPtAngle::initClass()
{
  PO_KIT_INIT_CLASS(PoCircleArc3CtrPtAngle, PoCircleArc3, "PoCircleArc3");
}

PoCircleArc3CtrPtAngle::PoCircleArc3CtrPtAngle()
{
  init(SbVec3f(0, 0, 0), SbVec3f(1, 0, 0), 6.2831855f, SbVec3f(0, 0, 1));
}

void PoCircleArc3CtrPtAngle::init(const SbVec3f& centerValue, const SbVec3f& startPointValue,
                                  float angleValue, const SbVec3f& normalValue)
{
  SO_KIT_CONSTRUCTOR(PoCircleArc3CtrPtAngle);
  SO_KIT_ADD_FIELD(center, (centerValue));
  SO_KIT_ADD_FIELD(startPoint, (startPointValue));
  SO_KIT_ADD_FIELD(angle, (angleValue));
  SO_KIT_ADD_FIELD(normal, (normalValue));
  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoCircleArc3CtrPtAngle::~PoCircleArc3CtrPtAngle() = default;

int PoCircleArc3CtrPtAngle::setUpArc(PiCircleArc3& arc)
{
  if (normal.getValue().length() == 0.0f) {
    PoDebugError::post("PoCircleArc3CtrPtAngle::rebuild", "normal is null; nothing is drawn");
    return 0;
  }
  return arc.setValues(center.getValue(), startPoint.getValue(), angle.getValue(),
                       normal.getValue());
}
