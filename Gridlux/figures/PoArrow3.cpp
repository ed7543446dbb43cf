// A 3D arrow between two points, drawn with lines and flat heads or as a solid.
#include <Gridlux/figures/PoArrow3.h>

#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoFaceSet.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoLineSet.h>
#include <Inventor/nodes/SoShapeHints.h>

PO_KIT_SOURCE(PoArrow3);

namespace {

// The toolkit shapes of one arrow piece, or null when it has none.
SoGroup* makePiece(const PiArrow3::Mesh& mesh, bool closed)
{
  if (mesh.empty())
    return nullptr;
  SoGroup* group = new SoGroup;
  if (!mesh.lines) {
    SoShapeHints* hints = new SoShapeHints;
    if (closed) {
      hints->vertexOrdering = SoShapeHints::COUNTERCLOCKWISE;
      hints->shapeType = SoShapeHints::SOLID;
    }
    group->addChild(hints);
  }
  SoCoordinate3* coords = new SoCoordinate3;
  coords->point.setValues(0, int(mesh.points.size()), mesh.points.data());
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

void PoArrow3::initClass()
{
  PO_KIT_INIT_CLASS(PoArrow3, PoChartwork, "PoChartwork");
}

PoArrow3::PoArrow3()
{
  init(SbVec3f(0, 0, 0), SbVec3f(1, 0, 0));
}

PoArrow3::PoArrow3(const SbVec3f& startValue, const SbVec3f& endValue)
{
  init(startValue, endValue);
}

void PoArrow3::init(const SbVec3f& startValue, const SbVec3f& endValue)
{
  SO_KIT_CONSTRUCTOR(PoArrow3);
  SO_KIT_ADD_CATALOG_ENTRY(shaft, SoGroup, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(startHead, SoGroup, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(endHead, SoGroup, TRUE, this, "", TRUE);
  SO_KIT_ADD_FIELD(startPoint, (SbVec3f(0, 0, 0)));
  SO_KIT_ADD_FIELD(endPoint, (SbVec3f(1, 0, 0)));
  SO_KIT_ADD_FIELD(headLength, (0.15f));
  SO_KIT_ADD_FIELD(headWidth, (0.08f));
  SO_KIT_ADD_FIELD(startShape, (NO_SHAPE));
  SO_KIT_ADD_FIELD(endShape, (TRIANGLE));
  SO_KIT_ADD_FIELD(solid, (FALSE));
  SO_KIT_DEFINE_ENUM_VALUE(Shape, NO_SHAPE);
  SO_KIT_DEFINE_ENUM_VALUE(Shape, CHEVRON);
  SO_KIT_DEFINE_ENUM_VALUE(Shape, TRIANGLE);
  SO_KIT_SET_SF_ENUM_TYPE(startShape, Shape);
  SO_KIT_SET_SF_ENUM_TYPE(endShape, Shape);
  SO_KIT_INIT_INSTANCE();
  // Given points are the fields' values; defaults stay unset so that files keep only them.
  if (startValue != SbVec3f(0, 0, 0))
    startPoint.setValue(startValue);
  if (endValue != SbVec3f(1, 0, 0))
    endPoint.setValue(endValue);
  setUpConnections(TRUE, TRUE);
}

PoArrow3::~PoArrow3()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoArrow3::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  watchOwnFields(onOff, m_sensors);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoArrow3::rebuild()
{
  preRebuild();
  PiArrow3 arrow;
  const bool closed = solid.getValue();
  PiArrow3::Mesh shaftMesh, startMesh, endMesh;
  if (arrow.set(startPoint.getValue(), endPoint.getValue(), headLength.getValue(),
                headWidth.getValue(), startShape.getValue(), endShape.getValue(), closed,
                "PoArrow3::rebuild")) {
    arrow.getShaft(shaftMesh);
    arrow.getHead(false, startMesh);
    arrow.getHead(true, endMesh);
  }
  setAnyPart("shaft", makePiece(shaftMesh, closed));
  setAnyPart("startHead", makePiece(startMesh, closed));
  setAnyPart("endHead", makePiece(endMesh, closed));
  postRebuild();
}
