// Error bars in both directions at free points: the parts rebuilt from the point and error lists.
#include <Gridlux/charts/PoBiErrorPointField.h>

#include <Gridlux/charts/ErrorBarsXP.h>

#include <Inventor/nodekits/SoAppearanceKit.h>
#include <Inventor/nodes/SoSeparator.h>

PO_KIT_SOURCE(PoBiErrorPointField);

void PoBiErrorPointField::initClass()
{
  PO_KIT_INIT_CLASS(PoBiErrorPointField, PoChartwork, "PoChartwork");
}

PoBiErrorPointField::PoBiErrorPointField()
{
  SO_KIT_CONSTRUCTOR(PoBiErrorPointField);
  SO_KIT_ADD_CATALOG_ENTRY(errorBarSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(errorBarApp, SoAppearanceKit, TRUE, errorBarSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(errorBar, SoGroup, TRUE, errorBarSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(horizontalErrorBarSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(horizontalErrorBarApp, SoAppearanceKit, TRUE, horizontalErrorBarSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(horizontalErrorBar, SoGroup, TRUE, horizontalErrorBarSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(markerSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(markerApp, SoAppearanceKit, TRUE, markerSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(marker, SoGroup, TRUE, markerSep, "", TRUE);

  SO_KIT_ADD_FIELD(point, (SbVec2f(0, 0)));
  point.setNum(0);
  point.setDefault(TRUE);
  SoMFFloat* const errors[] = {&lowerError, &upperError, &leftError, &rightError};
  SO_KIT_ADD_FIELD(lowerError, (0.0f));
  SO_KIT_ADD_FIELD(upperError, (0.0f));
  SO_KIT_ADD_FIELD(leftError, (0.0f));
  SO_KIT_ADD_FIELD(rightError, (0.0f));
  for (SoMFFloat* list : errors) {
    list->setNum(0);
    list->setDefault(TRUE);
  }
  SO_KIT_ADD_FIELD(capWidth, (0.0f));
  SO_KIT_ADD_FIELD(markerString, ("."));

  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoBiErrorPointField::~PoBiErrorPointField()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoBiErrorPointField::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  watchOwnFields(onOff, m_sensors);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoBiErrorPointField::rebuild()
{
  preRebuild();
  const ErrorBarsXP::ErrorPointParts parts = ErrorBarsXP::buildErrorPoints(
      this, "PoBiErrorPointField::rebuild", point, lowerError, upperError, &leftError, &rightError,
      capWidth.getValue(), markerString.getValue(), getDomain(), isStateValid() ? getState() : nullptr);
  setAnyPart("errorBar", parts.vertical);
  setAnyPart("horizontalErrorBar", parts.horizontal);
  setAnyPart("marker", parts.markers);
  postRebuild();
}
