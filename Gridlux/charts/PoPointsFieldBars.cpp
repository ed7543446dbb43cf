// Bars from a threshold line to each of a free set of points.
#include <Gridlux/charts/PoPointsFieldBars.h>

#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/charts/PiPointField.h>

#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoFaceSet.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoLineSet.h>

#include <cmath>

PO_KIT_SOURCE(PoPointsFieldBars);

void PoPointsFieldBars::initClass()
{
  PO_KIT_INIT_CLASS(PoPointsFieldBars, PoChartwork, "PoChartwork");
}

PoPointsFieldBars::PoPointsFieldBars()
{
  SO_KIT_CONSTRUCTOR(PoPointsFieldBars);
  SO_KIT_ADD_CATALOG_ENTRY(bars, SoGroup, TRUE, this, "", TRUE);
  SO_KIT_ADD_FIELD(point, (SbVec2f(0, 0)));
  SO_KIT_ADD_FIELD(threshold, (0.0f));
  SO_KIT_ADD_FIELD(barWidth, (0.0f));
  SO_KIT_INIT_INSTANCE();
  point.setNum(0);
  point.setDefault(TRUE);
  setUpConnections(TRUE, TRUE);
}

PoPointsFieldBars::~PoPointsFieldBars()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoPointsFieldBars::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  watchOwnFields(onOff, m_sensors);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoPointsFieldBars::rebuild()
{
  static const char* method = "PoPointsFieldBars::rebuild";
  preRebuild();
  const float base = threshold.getValue();
  if (!std::isfinite(base)) {
    PoDebugError::post(method, "threshold %g is not finite; nothing drawn", base);
    setAnyPart("bars", nullptr);
    postRebuild();
    return;
  }
  float width = barWidth.getValue();
  if (!std::isfinite(width) || width < 0.0f || !std::isfinite(width * getDomain()->getDeltaX())) {
    PoDebugError::post(method, "bar width %g is not a width; bars drawn as lines", width);
    width = 0.0f;
  }
  width *= getDomain()->getDeltaX();

  PiPointField::usableEntries(method, point.getNum(), point.getValues(0), -1, nullptr, m_kept);
  SoGroup* group = nullptr;
  if (!m_kept.empty()) {
    m_coords.clear();
    const int perBar = width > 0.0f ? 4 : 2;
    m_coords.reserve(m_kept.size() * perBar);
    if (width > 0.0f)
      PiPointField::appendBarRectangles(point.getValues(0), m_kept, base, width, m_coords);
    else
      PiPointField::appendBarLines(point.getValues(0), m_kept, base, m_coords);
    group = new SoGroup;
    SoCoordinate3* coords = new SoCoordinate3;
    coords->point.setValues(0, int(m_coords.size()), m_coords.data());
    group->addChild(coords);
    SoNonIndexedShape* shape = nullptr;
    SoMFInt32* counts = nullptr;
    if (width > 0.0f) {
      SoFaceSet* faces = new SoFaceSet;
      counts = &faces->numVertices;
      shape = faces;
    } else {
      SoLineSet* lines = new SoLineSet;
      counts = &lines->numVertices;
      shape = lines;
    }
    counts->setNum(int(m_kept.size()));
    int32_t* out = counts->startEditing();
    for (size_t k = 0; k < m_kept.size(); ++k)
      out[k] = perBar;
    counts->finishEditing();
    group->addChild(shape);
  }
  setAnyPart("bars", group);
  postRebuild();
}
