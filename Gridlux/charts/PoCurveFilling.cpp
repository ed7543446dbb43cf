// Curve filling: the series' polyline cut at the threshold and closed along it into face sets.
#include <Gridlux/charts/PoCurveFilling.h>

#include <Gridlux/charts/PiCurveGeometry.h>

#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoFaceSet.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoMaterialBinding.h>
#include <Inventor/nodes/SoShapeHints.h>

#include <utility>

PO_KIT_SOURCE(PoCurveFilling);

void PoCurveFilling::initClass()
{
  PO_KIT_INIT_CLASS(PoCurveFilling, PoCurveLine, "PoCurveLine");
}

PoCurveFilling::PoCurveFilling()
{
  SO_KIT_CONSTRUCTOR(PoCurveFilling);
  SO_KIT_ADD_CATALOG_ENTRY(filling, SoGroup, TRUE, this, "", TRUE);
  SO_KIT_ADD_FIELD(threshold, (0.0f));
  SO_KIT_ADD_FIELD(width, (1.0f));
  SO_KIT_ADD_FIELD(orientation, (VERTICAL));
  SO_KIT_DEFINE_ENUM_VALUE(Orientation, HORIZONTAL);
  SO_KIT_DEFINE_ENUM_VALUE(Orientation, VERTICAL);
  SO_KIT_SET_SF_ENUM_TYPE(orientation, Orientation);
  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoCurveFilling::~PoCurveFilling()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoCurveFilling::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  SoFieldList fields;
  fields.append(&threshold);
  fields.append(&width);
  fields.append(&orientation);
  watchFields(onOff, m_sensors, fields);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoCurveFilling::rebuild()
{
  preRebuild();
  std::vector<SbVec2f> points;
  buildLine(points);
  // HORIZONTAL fills toward a vertical line: the same cut with the two axes exchanged.
  const bool swap = orientation.getValue() == HORIZONTAL;
  if (swap)
    for (SbVec2f& p : points)
      std::swap(p[0], p[1]);
  std::vector<SbVec2f> coords;
  std::vector<int> counts;
  PiCurveGeometry::fillingPolygons(points, threshold.getValue(), coords, counts);
  SoGroup* group = nullptr;
  if (!counts.empty()) {
    group = new SoGroup;
    SoMaterialBinding* binding = new SoMaterialBinding;
    binding->value = SoMaterialBinding::OVERALL;
    group->addChild(binding);
    SoShapeHints* hints = new SoShapeHints;
    hints->faceType = SoShapeHints::UNKNOWN_FACE_TYPE;
    group->addChild(hints);
    SoCoordinate3* coordNode = new SoCoordinate3;
    coordNode->point.setNum(int(coords.size()));
    SbVec3f* out = coordNode->point.startEditing();
    for (std::size_t i = 0; i < coords.size(); i++)
      out[i] = swap ? SbVec3f(coords[i][1], coords[i][0], 0) : SbVec3f(coords[i][0], coords[i][1], 0);
    coordNode->point.finishEditing();
    group->addChild(coordNode);
    SoFaceSet* faces = new SoFaceSet;
    faces->numVertices.setValues(0, int(counts.size()), counts.data());
    group->addChild(faces);
  }
  setAnyPart("filling", group);
  postRebuild();
}
