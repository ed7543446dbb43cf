// Base of the 2D circle-arc figures: drawn open, closed by the chord or as a pie slice.
#include <Gridlux/figures/PoCircleArc.h>

#include <Gridlux/figures/FigureShapesXP.h>

#include <Inventor/nodes/SoGroup.h>

PO_KIT_ABSTRACT_SOURCE(PoCircleArc);

void PoCircleArc::initClass()
{
  PO_KIT_INIT_ABSTRACT_CLASS(PoCircleArc, PoChartwork, "PoChartwork");
}

PoCircleArc::PoCircleArc()
{
  SO_KIT_CONSTRUCTOR(PoCircleArc);
  SO_KIT_ADD_CATALOG_ENTRY(circleArc, SoGroup, TRUE, this, "", TRUE);
  SO_KIT_ADD_FIELD(arcType, (OPENED));
  SO_KIT_DEFINE_ENUM_VALUE(ArcType, OPENED);
  SO_KIT_DEFINE_ENUM_VALUE(ArcType, END_CLOSE);
  SO_KIT_DEFINE_ENUM_VALUE(ArcType, CENTER_CLOSE);
  SO_KIT_SET_SF_ENUM_TYPE(arcType, ArcType);
  SO_KIT_INIT_INSTANCE();
  // The concrete constructor adds its fields, then sets up the connections that watch them.
}

PoCircleArc::~PoCircleArc()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoCircleArc::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  watchOwnFields(onOff, m_sensors);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoCircleArc::rebuild()
{
  preRebuild();
  const auto setUp = [this](PiCircleArc2& arc) { return setUpArc(arc); };
  setAnyPart("circleArc", FigureShapesXP::makeArc(this, arcType.getValue(),
                                                  "PoCircleArc::rebuild", m_arc, setUp));
  postRebuild();
}
