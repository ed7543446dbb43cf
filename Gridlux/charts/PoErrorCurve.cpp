// A polyline and its error band: the parts rebuilt from the point and error lists.
#include <Gridlux/charts/PoErrorCurve.h>

#include <Gridlux/charts/ErrorBarsXP.h>

#include <Inventor/nodekits/SoAppearanceKit.h>
#include <Inventor/nodes/SoSeparator.h>
#include <Inventor/nodes/SoTriangleStripSet.h>

PO_KIT_SOURCE(PoErrorCurve);

void PoErrorCurve::initClass()
{
  PO_KIT_INIT_CLASS(PoErrorCurve, PoChartwork, "PoChartwork");
}

PoErrorCurve::PoErrorCurve()
{
  SO_KIT_CONSTRUCTOR(PoErrorCurve);
  SO_KIT_ADD_CATALOG_ENTRY(errorBandSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(errorBandApp, SoAppearanceKit, TRUE, errorBandSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(errorBand, SoGroup, TRUE, errorBandSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(curveSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(curveApp, SoAppearanceKit, TRUE, curveSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(curve, SoGroup, TRUE, curveSep, "", TRUE);

  SO_KIT_ADD_FIELD(point, (SbVec2f(0, 0)));
  point.setNum(0);
  point.setDefault(TRUE);
  SO_KIT_ADD_FIELD(lowerError, (0.0f));
  lowerError.setNum(0);
  lowerError.setDefault(TRUE);
  SO_KIT_ADD_FIELD(upperError, (0.0f));
  upperError.setNum(0);
  upperError.setDefault(TRUE);

  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoErrorCurve::~PoErrorCurve()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoErrorCurve::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  watchOwnFields(onOff, m_sensors);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoErrorCurve::rebuild()
{
  using namespace ErrorBarsXP;
  preRebuild();
  const PiErrorBars::Column columns[4] = {coordinateColumn(point, 0), coordinateColumn(point, 1),
                                          listColumn(lowerError, PiErrorBars::BROADCAST, true),
                                          listColumn(upperError, PiErrorBars::BROADCAST, true)};
  std::vector<float> table;
  int n = 0;
  postReport("PoErrorCurve::rebuild", PiErrorBars::gatherRows(4, columns, table, n),
             lengthOf("point", point.getNum()) + ", " + lengthOf("lowerError", lowerError.getNum()) + ", " +
                 lengthOf("upperError", upperError.getNum()));

  SoGroup* band = nullptr;
  SoGroup* line = nullptr;
  if (n >= 2) {
    const float* x = table.data();
    const float* y = x + n;
    const float* lower = y + n;
    const float* upper = lower + n;
    bool anyError = false;
    for (int i = 0; i < n && !anyError; i++)
      anyError = lower[i] + upper[i] > 0.0f;
    if (anyError) {
      std::vector<SbVec2f> strip;
      PiErrorBars::band(n, x, y, lower, upper, strip);
      band = new SoGroup;
      band->addChild(makeCoordinates(strip.data(), int(strip.size())));
      SoTriangleStripSet* set = new SoTriangleStripSet;
      set->numVertices.setValue(int(strip.size()));
      band->addChild(set);
    }
    std::vector<SbVec2f> points(static_cast<std::size_t>(n));
    for (int i = 0; i < n; i++)
      points[std::size_t(i)].setValue(x[i], y[i]);
    line = new SoGroup;
    line->addChild(makeCoordinates(points.data(), n));
    SoLineSet* set = new SoLineSet;
    set->numVertices.setValue(n);
    line->addChild(set);
  }
  setAnyPart("errorBand", band);
  setAnyPart("curve", line);
  postRebuild();
}
