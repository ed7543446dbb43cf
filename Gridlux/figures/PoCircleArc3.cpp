// Base of the 3D circle-arc figures: drawn open, closed by the chord or as a pie slice.
#include <Gridlux/figures/PoCircleArc3.h>

#include <Gridlux/figures/FigureShapesXP.h>

#include <Inventor/nodes/SoGroup.h>

PO_KIT_ABSTRACT_SOURCE(PoCircleArc3);

void PoCircleArc3::initClass()
{
  PO_KIT_INIT_ABSTRACT_CLASS(PoCircleArc3, PoChartwork, "PoChartwork");
}

PoCircleArc3::PoCircleArc3()
{
  SO_KIT_CONSTRUCTOR(PoCircleArc3);
  SO_KIT_ADD_CATALOG_ENTRY(circleArc3, SoGroup, TRUE, this, "", TRUE);
  SO_KIT_ADD_FIELD(arcType, (OPENED));
  SO_KIT_DEFINE_ENUM_VALUE(ArcType, OPENED);
  SO_KIT_DEFINE_ENUM_VALUE(ArcType, END_CLOSE);
  SO_KIT_DEFINE_ENUM_VALUE(ArcType, CENTER_CLOSE);
  SO_KIT_SET_SF_ENUM_TYPE(arcType, ArcType);
  SO_KIT_INIT_INSTANCE();
  // The concrete constructor adds its fields, then sets up the connections that watch them.
}

PoCircleArc3::~PoCircleArc3()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoCircleArc3::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  watchOwnFields(onOff, m_sensors);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoCircleArc3::rebuild()
{
  preRebuild();
  const auto setUp = [this](PiCircleArc3& arc) { return setUpArc(arc); };
  setAnyPart("circleArc3", FigureShapesXP::makeArc(this, arcType.getValue(),
                                                   "PoCircleArc3::rebuild", m_arc, setUp));
  postRebuild();
}
