// A 2D arrow between two points of the plane z = 0, with a head at either end or both.
#include <Gridlux/figures/PoArrow.h>

#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoFaceSet.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoLineSet.h>

#include <cmath>

PO_KIT_SOURCE(PoArrow);

namespace {

// The toolkit shapes of one piece, its y brought back from the screen-shaped frame; null when
// the piece is empty.
SoGroup* makePiece(const PiArrow3::Mesh& mesh, float aspect)
{
  if (mesh.empty())
    return nullptr;
  SoGroup* group = new SoGroup;
  SoCoordinate3* coords = new SoCoordinate3;
  coords->point.setNum(int(mesh.points.size()));
  SbVec3f* out = coords->point.startEditing();
  for (size_t i = 0; i < mesh.points.size(); ++i)
    out[i].setValue(mesh.points[i][0], mesh.points[i][1] / aspect, 0.0f);
  coords->point.finishEditing();
  group->addChild(coords);
  if (mesh.lines) {
    SoLineSet* lines = new SoLineSet;
    lines->numVertices.setValues(0, int(mesh.counts.size()), mesh.counts.data());
    group->addChild(lines);
  } else {
    SoFaceSet* faces = new SoFaceSet;
    faces->numVertices.setValues(0, int(mesh.counts.size()), mesh.counts.data());
    group->addChild(faces);
  }
  return group;
}

} // namespace

void PoArrow::initClass()
{
  PO_KIT_INIT_CLASS(PoArrow, PoChartwork, "PoChartwork");
}

PoArrow::PoArrow()
{
  init(SbVec2f(0, 0), SbVec2f(1, 0));
}

PoArrow::PoArrow(const SbVec2f& startValue, const SbVec2f& endValue)
{
  init(startValue, endValue);
}

void PoArrow::init(const SbVec2f& startValue, const SbVec2f& endValue)
{
  SO_KIT_CONSTRUCTOR(PoArrow);
  SO_KIT_ADD_CATALOG_ENTRY(shaft, SoGroup, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(startHead, SoGroup, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(endHead, SoGroup, TRUE, this, "", TRUE);
  SO_KIT_ADD_FIELD(startPoint, (SbVec2f(0, 0)));
  SO_KIT_ADD_FIELD(endPoint, (SbVec2f(1, 0)));
  SO_KIT_ADD_FIELD(headLength, (0.15f));
  SO_KIT_ADD_FIELD(headWidth, (0.08f));
  SO_KIT_ADD_FIELD(startShape, (NO_SHAPE));
  SO_KIT_ADD_FIELD(endShape, (TRIANGLE));
  SO_KIT_DEFINE_ENUM_VALUE(Shape, NO_SHAPE);
  SO_KIT_DEFINE_ENUM_VALUE(Shape, CHEVRON);
  SO_KIT_DEFINE_ENUM_VALUE(Shape, TRIANGLE);
  SO_KIT_SET_SF_ENUM_TYPE(startShape, Shape);
  SO_KIT_SET_SF_ENUM_TYPE(endShape, Shape);
  SO_KIT_INIT_INSTANCE();
  // Given points are the fields' values; defaults stay unset so that files keep only them.
  if (startValue != SbVec2f(0, 0))
    startPoint.setValue(startValue);
  if (endValue != SbVec2f(1, 0))
    endPoint.setValue(endValue);
  setUpConnections(TRUE, TRUE);
}

PoArrow::~PoArrow()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoArrow::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  watchOwnFields(onOff, m_sensors);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoArrow::rebuild()
{
  preRebuild();
  // The y scale of the domain transform relative to x: the head is placed where y looks as
  // long as x, then y is divided back.
  float aspect = 1.0f;
  if (isDomainTransformEnabled()) {
    const SbMatrix m = getDomain()->getMatrix();
    const float k = m[1][1] / m[0][0];
    if (std::isfinite(k) && k > 0.0f)
      aspect = k;
  }
  const SbVec2f a = startPoint.getValue(), b = endPoint.getValue();
  PiArrow3 arrow;
  PiArrow3::Mesh shaftMesh, startMesh, endMesh;
  if (arrow.setPlanar(SbVec3f(a[0], a[1] * aspect, 0.0f), SbVec3f(b[0], b[1] * aspect, 0.0f),
                      headLength.getValue(), headWidth.getValue(), startShape.getValue(),
                      endShape.getValue(), "PoArrow::rebuild")) {
    arrow.getShaft(shaftMesh);
    arrow.getHead(false, startMesh);
    arrow.getHead(true, endMesh);
  }
  setAnyPart("shaft", makePiece(shaftMesh, aspect));
  setAnyPart("startHead", makePiece(startMesh, aspect));
  setAnyPart("endHead", makePiece(endMesh, aspect));
  postRebuild();
}
