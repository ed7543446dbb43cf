// Base of the circle figures in space: a disc built from the subclass's values.
#include <Gridlux/figures/PoCircle3.h>

#include <Gridlux/figures/FigureShapesXP.h>

#include <Inventor/nodes/SoGroup.h>

PO_KIT_ABSTRACT_SOURCE(PoCircle3);

void PoCircle3::initClass()
{
  PO_KIT_INIT_ABSTRACT_CLASS(PoCircle3, PoChartwork, "PoChartwork");
}

PoCircle3::PoCircle3()
{
  SO_KIT_CONSTRUCTOR(PoCircle3);
  SO_KIT_ADD_CATALOG_ENTRY(circle3, SoGroup, TRUE, this, "", TRUE);
  SO_KIT_INIT_INSTANCE();
  // The concrete constructor adds its fields, then sets up the connections that watch them.
}

PoCircle3::~PoCircle3()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoCircle3::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  watchOwnFields(onOff, m_sensors);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoCircle3::rebuild()
{
  preRebuild();
  // A circle is one full turn closed by its chord.
  const auto setUp = [this](PiCircleArc3& arc) { return setUpArc(arc); };
  setAnyPart("circle3", FigureShapesXP::makeArc(this, PiCircleArc::END_CLOSE,
                                                "PoCircle3::rebuild", m_arc, setUp));
  postRebuild();
}
