// A 3D curve node: its polyline or spline rebuilt from the points.
#include <Gridlux/charts/PoCurve3.h>

#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/charts/PiCubicSpline.h>

#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoLineSet.h>
#include <Inventor/nodes/SoSeparator.h>

#include <cmath>
#include <vector>

PO_KIT_SOURCE(PoCurve3);

void PoCurve3::initClass()
{
  PO_KIT_INIT_CLASS(PoCurve3, PoChartwork, "PoChartwork");
}

PoCurve3::PoCurve3()
{
  SO_KIT_CONSTRUCTOR(PoCurve3);
  SO_KIT_ADD_CATALOG_ENTRY(curvePointSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(curvePointApp, SoAppearanceKit, TRUE, curvePointSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(curvePoint, SoGroup, TRUE, curvePointSep, "", TRUE);
  SO_KIT_ADD_FIELD(point, (SbVec3f(0, 0, 0)));
  SO_KIT_ADD_FIELD(curveRep, (POLYLINE));
  SO_KIT_DEFINE_ENUM_VALUE(CurveRep, POLYLINE);
  SO_KIT_DEFINE_ENUM_VALUE(CurveRep, SMOOTH);
  SO_KIT_SET_SF_ENUM_TYPE(curveRep, CurveRep);
  SO_KIT_INIT_INSTANCE();
  point.setNum(0);
  point.setDefault(TRUE);
  setUpConnections(TRUE, TRUE);
}

PoCurve3::~PoCurve3()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoCurve3::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  SoFieldList fields;
  fields.append(&point);
  fields.append(&curveRep);
  watchFields(onOff, m_sensors, fields);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoCurve3::rebuild()
{
  static const char* method = "PoCurve3::rebuild";
  preRebuild();
  const int n = point.getNum();
  std::vector<SbVec3f> kept;
  kept.reserve(std::size_t(n));
  for (int i = 0; i < n; i++) {
    const SbVec3f& p = point[i];
    if (std::isfinite(p[0]) && std::isfinite(p[1]) && std::isfinite(p[2]))
      kept.push_back(p);
  }
  if (int(kept.size()) < n)
    PoDebugError::postWarning(method, "%d of the %d points are not finite; they are left out", n - int(kept.size()),
                              n);
  SoGroup* group = nullptr;
  if (kept.size() >= 2) {
    const SbVec3f* line = kept.data();
    int num = int(kept.size());
    PiCubicSpline spline;
    if (curveRep.getValue() == SMOOTH) {
      spline.setValues(num, kept.data(), 10);
      line = spline.getPoints(num);
    }
    bool finite = true;
    for (int i = 0; i < num && finite; i++)
      finite = std::isfinite(line[i][0]) && std::isfinite(line[i][1]) && std::isfinite(line[i][2]);
    if (finite) {
      group = new SoGroup;
      SoCoordinate3* coords = new SoCoordinate3;
      coords->point.setValues(0, num, line);
      group->addChild(coords);
      SoLineSet* set = new SoLineSet;
      set->numVertices.setValue(num);
      group->addChild(set);
    }
    else
      PoDebugError::post(method, "the spline through the points overflows; nothing drawn");
  }
  else if (n > 0)
    PoDebugError::postWarning(method, "%d finite point(s), 2 are needed; nothing drawn", int(kept.size()));
  setAnyPart("curvePoint", group);
  postRebuild();
}
