// A 2D curve node: its line, filling, raise segments and markers rebuilt from the fields.
#include <Gridlux/charts/PoCurve.h>

#include <Gridlux/attributes/PbDomain.h>
#include <Gridlux/attributes/PoMiscTextAttrElement.h>
#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/charts/PiCurveGeometry.h>
#include <Gridlux/text/PiText.h>

#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoFaceSet.h>
#include <Inventor/nodes/SoFont.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoLineSet.h>
#include <Inventor/nodes/SoMarkerSet.h>
#include <Inventor/nodes/SoSeparator.h>
#include <Inventor/nodes/SoShapeHints.h>

#include <algorithm>
#include <cmath>
#include <vector>

PO_KIT_SOURCE(PoCurve);

namespace {

SoCoordinate3* coordinates(const std::vector<SbVec2f>& points)
{
  SoCoordinate3* coords = new SoCoordinate3;
  coords->point.setNum(int(points.size()));
  SbVec3f* out = coords->point.startEditing();
  for (std::size_t i = 0; i < points.size(); i++)
    out[i].setValue(points[i][0], points[i][1], 0.0f);
  coords->point.finishEditing();
  return coords;
}

PiCurveGeometry::Filter filterOf(const SoSFEnum& type, const SoSFInt32& indexPeriod, const SoMFInt32& indexList,
                                 const SoSFFloat& xPeriod, const SoMFFloat& xList)
{
  PiCurveGeometry::Filter f;
  f.type = type.getValue();
  f.indexPeriod = indexPeriod.getValue();
  f.indexList = indexList.getValues(0);
  f.numIndex = indexList.getNum();
  f.xPeriod = xPeriod.getValue();
  f.xList = xList.getValues(0);
  f.numX = xList.getNum();
  return f;
}

} // namespace

void PoCurve::initClass()
{
  PO_KIT_INIT_CLASS(PoCurve, PoChartwork, "PoChartwork");
}

PoCurve::PoCurve()
{
  const SbVec2f origin(0, 0);
  init(1, &origin, CURVE_POLYLINE);
}

PoCurve::PoCurve(int numPoints, const SbVec2f* points, CurveRep rep)
{
  init(numPoints, points, rep);
}

void PoCurve::init(int numPoints, const SbVec2f* points, CurveRep rep)
{
  SO_KIT_CONSTRUCTOR(PoCurve);
  SO_KIT_ADD_CATALOG_ENTRY(curveFillingSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(curveFillingApp, SoAppearanceKit, TRUE, curveFillingSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(curveFilling, SoGroup, TRUE, curveFillingSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(curvePointSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(curvePointApp, SoAppearanceKit, TRUE, curvePointSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(curvePoint, SoGroup, TRUE, curvePointSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(raisePointSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(raisePointApp, SoAppearanceKit, TRUE, raisePointSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(raisePoint, SoGroup, TRUE, raisePointSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(markerSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(markerApp, SoAppearanceKit, TRUE, markerSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(marker, SoGroup, TRUE, markerSep, "", TRUE);

  SO_KIT_ADD_FIELD(point, (SbVec2f(0, 0)));
  SO_KIT_ADD_FIELD(curveRep, (CURVE_POLYLINE));
  SO_KIT_ADD_FIELD(isCurveFilled, (FALSE));
  SO_KIT_ADD_FIELD(fillingThreshold, (0.0f));
  SO_KIT_ADD_FIELD(markerFilterType, (INACTIVE));
  SO_KIT_ADD_FIELD(markerIndexPeriod, (0));
  SO_KIT_ADD_FIELD(markerIndexList, (0));
  SO_KIT_ADD_FIELD(markerXPeriod, (0.0f));
  SO_KIT_ADD_FIELD(markerXList, (0.0f));
  SO_KIT_ADD_FIELD(markerString, ("."));
  SO_KIT_ADD_FIELD(raiseFilterType, (INACTIVE));
  SO_KIT_ADD_FIELD(raiseIndexPeriod, (0));
  SO_KIT_ADD_FIELD(raiseIndexList, (0));
  SO_KIT_ADD_FIELD(raiseXPeriod, (0.0f));
  SO_KIT_ADD_FIELD(raiseXList, (0.0f));
  SO_KIT_ADD_FIELD(raiseThreshold, (0.0f));

  SO_KIT_DEFINE_ENUM_VALUE(CurveRep, CURVE_NONE);
  SO_KIT_DEFINE_ENUM_VALUE(CurveRep, CURVE_POLYLINE);
  SO_KIT_DEFINE_ENUM_VALUE(CurveRep, CURVE_SMOOTH);
  SO_KIT_DEFINE_ENUM_VALUE(CurveRep, CURVE_STAIRS_X);
  SO_KIT_DEFINE_ENUM_VALUE(CurveRep, CURVE_STAIRS_Y);
  SO_KIT_DEFINE_ENUM_VALUE(CurveRep, CURVE_HISTO_X);
  SO_KIT_DEFINE_ENUM_VALUE(CurveRep, CURVE_HISTO_Y);
  SO_KIT_DEFINE_ENUM_VALUE(CurveRep, CURVE_STAIRS_2X);
  SO_KIT_DEFINE_ENUM_VALUE(CurveRep, CURVE_STAIRS_2Y);
  SO_KIT_SET_SF_ENUM_TYPE(curveRep, CurveRep);
  SO_KIT_DEFINE_ENUM_VALUE(FilterType, INACTIVE);
  SO_KIT_DEFINE_ENUM_VALUE(FilterType, ALL_POINTS);
  SO_KIT_DEFINE_ENUM_VALUE(FilterType, INDEX_PERIOD);
  SO_KIT_DEFINE_ENUM_VALUE(FilterType, INDEX_LIST);
  SO_KIT_DEFINE_ENUM_VALUE(FilterType, X_PERIOD);
  SO_KIT_DEFINE_ENUM_VALUE(FilterType, X_LIST);
  SO_KIT_SET_SF_ENUM_TYPE(markerFilterType, FilterType);
  SO_KIT_SET_SF_ENUM_TYPE(raiseFilterType, FilterType);

  SO_KIT_INIT_INSTANCE();
  if (numPoints > 0 && points) {
    point.setValues(0, numPoints, points);
    point.setNum(numPoints);
  }
  curveRep = rep;
  setUpConnections(TRUE, TRUE);
}

PoCurve::~PoCurve()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoCurve::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  SoFieldList fields;
  SoField* const own[] = {&point,          &curveRep,          &isCurveFilled,    &fillingThreshold,
                          &markerFilterType, &markerIndexPeriod, &markerIndexList,  &markerXPeriod,
                          &markerXList,    &markerString,      &raiseFilterType,  &raiseIndexPeriod,
                          &raiseIndexList, &raiseXPeriod,      &raiseXList,       &raiseThreshold};
  for (SoField* field : own)
    fields.append(field);
  watchFields(onOff, m_sensors, fields);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoCurve::calculateInterpolation(const SbVec2f& p1, const SbVec2f& p2, float x, float& y)
{
  y = PiCurveGeometry::ordinateAt(p1, p2, x);
}

void PoCurve::calculateInterpolation2(const SbVec2f& p1, const SbVec2f& p2, float y, float& x)
{
  x = PiCurveGeometry::abscissaAt(p1, p2, y);
}

void PoCurve::rebuild()
{
  static const char* method = "PoCurve::rebuild";
  preRebuild();
  const int n = point.getNum();
  const SbVec2f* points = point.getValues(0);
  for (int i = 0; i < n; i++)
    if (!std::isfinite(points[i][0]) || !std::isfinite(points[i][1])) {
      PoDebugError::post(method, "point %d is not finite; nothing is drawn", i);
      setAnyPart("curveFilling", nullptr);
      setAnyPart("curvePoint", nullptr);
      setAnyPart("raisePoint", nullptr);
      setAnyPart("marker", nullptr);
      postRebuild();
      return;
    }

  std::vector<SbVec2f> line;
  PiCurveGeometry::curvePoints(curveRep.getValue(), n, points, line);
  if (line.size() >= 2) {
    SoGroup* group = new SoGroup;
    group->addChild(coordinates(line));
    SoLineSet* set = new SoLineSet;
    set->numVertices.setValue(int(line.size()));
    group->addChild(set);
    setAnyPart("curvePoint", group);
  }
  else
    setAnyPart("curvePoint", nullptr);

  SoGroup* filling = nullptr;
  if (isCurveFilled.getValue()) {
    const std::vector<SbVec2f> outline =
        curveRep.getValue() == CURVE_NONE ? std::vector<SbVec2f>(points, points + n) : line;
    std::vector<SbVec2f> coords;
    std::vector<int> counts;
    PiCurveGeometry::fillingPolygons(outline, fillingThreshold.getValue(), coords, counts);
    if (!counts.empty()) {
      filling = new SoGroup;
      // Runs of a spline or of stairs may be concave: let the toolkit tessellate them.
      SoShapeHints* hints = new SoShapeHints;
      hints->faceType = SoShapeHints::UNKNOWN_FACE_TYPE;
      filling->addChild(hints);
      filling->addChild(coordinates(coords));
      SoFaceSet* faces = new SoFaceSet;
      faces->numVertices.setValues(0, int(counts.size()), counts.data());
      filling->addChild(faces);
    }
  }
  setAnyPart("curveFilling", filling);

  std::vector<SbVec2f> selected;
  PiCurveGeometry::selectPoints(filterOf(raiseFilterType, raiseIndexPeriod, raiseIndexList, raiseXPeriod, raiseXList),
                                n, points, selected, method);
  if (!selected.empty()) {
    std::vector<SbVec2f> ends;
    for (const SbVec2f& p : selected) {
      ends.push_back(p);
      ends.emplace_back(p[0], raiseThreshold.getValue());
    }
    SoGroup* group = new SoGroup;
    group->addChild(coordinates(ends));
    SoLineSet* set = new SoLineSet;
    std::vector<int> twos(selected.size(), 2);
    set->numVertices.setValues(0, int(twos.size()), twos.data());
    group->addChild(set);
    setAnyPart("raisePoint", group);
  }
  else
    setAnyPart("raisePoint", nullptr);

  PiCurveGeometry::selectPoints(
      filterOf(markerFilterType, markerIndexPeriod, markerIndexList, markerXPeriod, markerXList), n, points, selected,
      method);
  SoGroup* markers = nullptr;
  if (!selected.empty()) {
    markers = new SoGroup;
    const SbString text = markerString.getValue();
    if (text == ".") {
      markers->addChild(coordinates(selected));
      SoMarkerSet* set = new SoMarkerSet;
      set->markerIndex.setValue(SoMarkerSet::CIRCLE_FILLED_7_7);
      markers->addChild(set);
    }
    else {
      SoFont* font = static_cast<SoFont*>(getPart("markerApp.font", FALSE));
      if (!font) {
        font = static_cast<SoFont*>(getPart("markerApp.font", TRUE));
        const PbDomain* domain = getDomain();
        font->size = 0.03f * std::max(domain->getDeltaX(), domain->getDeltaY());
      }
      PiText piText;
      if (isStateValid())
        piText.setTextAttributes(PoMiscTextAttrElement::get(getState()));
      piText.setFont(font->name.getValue().getString(), font->size.getValue());
      piText.setAlignment(PiText::CENTER, PiText::HALF);
      piText.setString(text.getString());
      piText.setGroup(markers);
      for (const SbVec2f& p : selected) {
        piText.setOrigin(p);
        piText.build();
      }
    }
  }
  setAnyPart("marker", markers);
  postRebuild();
}
