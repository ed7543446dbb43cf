// Bar-chart base: orientation and threshold fields and the bar part.
#include <Gridlux/charts/PoBar.h>

#include <Inventor/nodes/SoGroup.h>

PO_KIT_ABSTRACT_SOURCE(PoBar);

void PoBar::initClass()
{
  PO_KIT_INIT_ABSTRACT_CLASS(PoBar, PoChart, "PoChart");
}

PoBar::PoBar()
{
  SO_KIT_CONSTRUCTOR(PoBar);
  SO_KIT_ADD_CATALOG_ENTRY(bar, SoGroup, TRUE, this, "", TRUE);
  SO_KIT_ADD_FIELD(orientation, (VERTICAL));
  SO_KIT_ADD_FIELD(threshold, (0.0f));
  SO_KIT_DEFINE_ENUM_VALUE(Orientation, HORIZONTAL);
  SO_KIT_DEFINE_ENUM_VALUE(Orientation, VERTICAL);
  SO_KIT_SET_SF_ENUM_TYPE(orientation, Orientation);
  SO_KIT_INIT_INSTANCE();
}

PoBar::~PoBar()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoBar::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  SoFieldList fields;
  fields.append(&orientation);
  fields.append(&threshold);
  watchFields(onOff, m_sensors, fields);
  return inherited::setUpConnections(onOff, doItAlways);
}

