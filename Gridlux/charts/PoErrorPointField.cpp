// Vertical error bars at free points: the parts rebuilt from the point and error lists.
#include <Gridlux/charts/PoErrorPointField.h>

#include <Gridlux/charts/ErrorBarsXP.h>

#include <Inventor/nodekits/SoAppearanceKit.h>
#include <Inventor/nodes/SoSeparator.h>

PO_KIT_SOURCE(PoErrorPointField);

void PoErrorPointField::initClass()
{
  PO_KIT_INIT_CLASS(PoErrorPointField, PoChartwork, "PoChartwork");
}

PoErrorPointField::PoErrorPointField()
{
  SO_KIT_CONSTRUCTOR(PoErrorPointField);
  SO_KIT_ADD_CATALOG_ENTRY(errorBarSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(errorBarApp, SoAppearanceKit, TRUE, errorBarSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(errorBar, SoGroup, TRUE, errorBarSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(markerSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(markerApp, SoAppearanceKit, TRUE, markerSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(marker, SoGroup, TRUE, markerSep, "", TRUE);

  SO_KIT_ADD_FIELD(point, (SbVec2f(0, 0)));
  point.setNum(0);
  point.setDefault(TRUE);
  SO_KIT_ADD_FIELD(lowerError, (0.0f));
  lowerError.setNum(0);
  lowerError.setDefault(TRUE);
  SO_KIT_ADD_FIELD(upperError, (0.0f));
  upperError.setNum(0);
  upperError.setDefault(TRUE);
  SO_KIT_ADD_FIELD(capWidth, (0.0f));
  SO_KIT_ADD_FIELD(markerString, ("."));

  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoErrorPointField::~PoErrorPointField()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoErrorPointField::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  watchOwnFields(onOff, m_sensors);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoErrorPointField::rebuild()
{
  preRebuild();
  const ErrorBarsXP::ErrorPointParts parts = ErrorBarsXP::buildErrorPoints(
      this, "PoErrorPointField::rebuild", point, lowerError, upperError, nullptr, nullptr, capWidth.getValue(),
      markerString.getValue(), getDomain(), isStateValid() ? getState() : nullptr);
  setAnyPart("errorBar", parts.vertical);
  setAnyPart("marker", parts.markers);
  postRebuild();
}
