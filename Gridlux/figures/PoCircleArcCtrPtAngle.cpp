// A circle arc in the plane z = 0 given by its centre, start point and angle.
#include <Gridlux/figures/PoCircleArcCtrPtAngle.h>

PO_KIT_SOURCE(PoCircleArcCtrPtAngle);

void PoCircleArcCtrPtAngle::initClass()
{
  PO_KIT_INIT_CLASS(PoCircleArcCtrPtAngle, PoCircleArc, "PoCircleArc");
}

PoCircleArcCtrPtAngle::PoCircleArcCtrPtAngle()
{
  init(SbVec2f(0, 0), SbVec2f(1, 0), 6.2831855f);
}

void PoCircleArcCtrPtAngle::init(const SbVec2f& centerValue, const SbVec2f& startPointValue,
                                 float angleValue)
{
  SO_KIT_CONSTRUCTOR(PoCircleArcCtrPtAngle);
  SO_KIT_ADD_FIELD(center, (centerValue));
  SO_KIT_ADD_FIELD(startPoint, (startPointValue));
  SO_KIT_ADD_FIELD(angle, (angleValue));
  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoCircleArcCtrPtAngle::~PoCircleArcCtrPtAngle() = default;

int PoCircleArcCtrPtAngle::setUpArc(PiCircleArc2& arc)
{
  return arc.setValues(center.getValue(), startPoint.getValue(), angle.getValue());
}
