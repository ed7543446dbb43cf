// Base of the circle figures in the plane z = 0: a disc built from the subclass's values.
#include <Gridlux/figures/PoCircle.h>

#include <Gridlux/figures/FigureShapesXP.h>

#include <Inventor/nodes/SoGroup.h>

PO_KIT_ABSTRACT_SOURCE(PoCircle);

void PoCircle::initClass()
{
  PO_KIT_INIT_ABSTRACT_CLASS(PoCircle, PoChartwork, "PoChartwork");
}

PoCircle::PoCircle()
{
  SO_KIT_CONSTRUCTOR(PoCircle);
  SO_KIT_ADD_CATALOG_ENTRY(circle, SoGroup, TRUE, this, "", TRUE);
  SO_KIT_INIT_INSTANCE();
  // The concrete constructor adds its fields, then sets up the connections that watch them.
}

PoCircle::~PoCircle()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoCircle::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  watchOwnFields(onOff, m_sensors);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoCircle::rebuild()
{
  preRebuild();
  // A circle is one full turn closed by its chord.
  const auto setUp = [this](PiCircleArc2& arc) { return setUpArc(arc); };
  setAnyPart("circle", FigureShapesXP::makeArc(this, PiCircleArc::END_CLOSE,
                                               "PoCircle::rebuild", m_arc, setUp));
  postRebuild();
}
