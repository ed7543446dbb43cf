// Vertical walls along the boundary of a 2D mesh with heights, down or up to a threshold level.
#include <Gridlux/representations/PoMeshSides.h>

#include <Gridlux/base/PbArrayOfInt.h>
#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/mesh/PbCell.h>
#include <Gridlux/mesh/PbMesh2D.h>

#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoNormal.h>
#include <Inventor/nodes/SoNormalBinding.h>
#include <Inventor/nodes/SoQuadMesh.h>
#include <Inventor/nodes/SoShapeHints.h>

#include <cmath>

PO_KIT_SOURCE(PoMeshSides);

void PoMeshSides::initClass()
{
  PO_KIT_INIT_CLASS(PoMeshSides, PoMesh2D, "PoMesh2D");
}

PoMeshSides::PoMeshSides()
{
  SO_KIT_CONSTRUCTOR(PoMeshSides);
  SO_KIT_ADD_CATALOG_ENTRY(groupSides, SoGroup, TRUE, this, "", TRUE);
  SO_KIT_ADD_FIELD(thresholdType, (THRESHOLD_ZMIN));
  SO_KIT_ADD_FIELD(thresholdValue, (0.0f));
  SO_KIT_DEFINE_ENUM_VALUE(ThresholdType, THRESHOLD_ZMIN);
  SO_KIT_DEFINE_ENUM_VALUE(ThresholdType, THRESHOLD_ZMAX);
  SO_KIT_DEFINE_ENUM_VALUE(ThresholdType, THRESHOLD_VALUE);
  SO_KIT_SET_SF_ENUM_TYPE(thresholdType, ThresholdType);
  SO_KIT_INIT_INSTANCE();
  createFieldSensorList(2, m_sensorsSides);
  setUpConnections(TRUE, TRUE);
}

PoMeshSides::~PoMeshSides()
{
  deleteFieldSensorList(m_sensorsSides);
}

SbBool PoMeshSides::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  SoFieldList fields;
  fields.append(&thresholdType);
  fields.append(&thresholdValue);
  watchFields(onOff, m_sensorsSides, fields);
  return inherited::setUpConnections(onOff, doItAlways);
}

float PoMeshSides::thresholdLevel(int num, const float* z) const
{
  const int type = thresholdType.getValue();
  if (!z || num <= 0 || (type != THRESHOLD_ZMIN && type != THRESHOLD_ZMAX))
    return thresholdValue.getValue();
  float low = HUGE_VALF, high = -HUGE_VALF;
  for (int n = 0; n < num; ++n) {
    if (z[n] < low)
      low = z[n];
    if (z[n] > high)
      high = z[n];
  }
  // Heights that are all not finite have no range.
  if (!(low <= high))
    return thresholdValue.getValue();
  return type == THRESHOLD_ZMIN ? low : high;
}

namespace {

// +1 when the mesh lies on the left of the boundary edge a -> b (seen from +z), -1 on its right,
// 0 when no cell owns the edge or the cell's centre lies on it.
int meshSide(const PbMesh2D* mesh, int a, int b, PbArrayOfInt& edge, PbArrayOfInt& owners)
{
  edge.empty();
  edge.add(a);
  edge.add(b);
  mesh->getNodesOwnerCellsInd(edge, owners);
  if (owners.getNum() == 0)
    return 0;
  const PbCell* cell = mesh->getCell(static_cast<const PbArrayOfInt&>(owners)[0]);
  if (!cell)
    return 0;
  const SbVec3f pa = mesh->getNodeCoord(a), pb = mesh->getNodeCoord(b), c = cell->getCenter();
  const double cross = double(pb[0] - pa[0]) * (c[1] - pa[1]) - double(pb[1] - pa[1]) * (c[0] - pa[0]);
  return cross > 0 ? 1 : cross < 0 ? -1 : 0;
}

} // namespace

void PoMeshSides::rebuild()
{
  preRebuild();
  const PbMesh2D* mesh = m_mesh2DInForce;
  PbArrayOfInt loops, sizes;
  if (mesh && !mesh->isEmpty())
    mesh->getLimitIndices(loops, sizes);
  if (sizes.getNum() == 0) {
    setAnyPart("groupSides", nullptr);
    postRebuild();
    return;
  }
  const int zIndex = zValuesIndex.getValue();
  if (zIndex >= 0 && (!mesh->getValuesSet(zIndex) || mesh->getValuesBinding(zIndex) != PbMesh::PER_NODE))
    PoDebugError::postWarning("PoMeshSides::rebuild",
                              "the mesh has no per-node value set %d for z: its own z is used", zIndex);
  const float* z = getZValues();
  const float level = thresholdLevel(mesh->getNumNodes(), z);
  if (!std::isfinite(level)) {
    PoDebugError::post("PoMeshSides::rebuild", "the threshold level is not finite: nothing drawn");
    setAnyPart("groupSides", nullptr);
    postRebuild();
    return;
  }

  SoGroup* group = new SoGroup;
  group->ref();
  SoShapeHints* hints = new SoShapeHints;
  hints->vertexOrdering = SoShapeHints::CLOCKWISE;
  hints->creaseAngle = 0.8f;
  group->addChild(hints);
  SoNormalBinding* binding = new SoNormalBinding;
  binding->value = SoNormalBinding::PER_FACE;
  group->addChild(binding);

  const PbArrayOfInt& nodes = loops;
  const PbArrayOfInt& loopSizes = sizes;
  PbArrayOfInt edge, owners;
  int start = 0;
  for (int l = 0; l < loopSizes.getNum(); ++l) {
    const int size = loopSizes[l];
    const int first = start;
    start += size;
    auto loop = [&nodes, first](int i) { return nodes[first + i]; };
    if (size < 2)
      continue;
    double meanZ = 0;
    for (int i = 0; i < size; ++i)
      meanZ += z ? z[loop(i)] : 0.0f;
    const bool wallsUp = level > meanZ / size;
    // The toolkit turns a quad from the first row down to the second, then along it: walking with the
    // mesh on the right and the wall going down turns the faces clockwise seen from outside;
    // each of the other two cases reverses the walk.
    const int side = meshSide(mesh, loop(0), loop(1), edge, owners);
    const bool reverse = (side > 0) != wallsUp;

    SoCoordinate3* coords = new SoCoordinate3;
    coords->point.setNum(2 * (size + 1));
    SbVec3f* points = coords->point.startEditing();
    for (int i = 0; i <= size; ++i) {
      const int k = i % size;
      const int node = loop(reverse ? (size - k) % size : k);
      SbVec3f p = mesh->getNodeCoord(node);
      p[2] = z ? z[node] : 0.0f;
      points[i] = p;
      points[size + 1 + i] = SbVec3f(p[0], p[1], level);
    }
    SoNormal* normals = new SoNormal;
    normals->vector.setNum(size);
    SbVec3f* out = normals->vector.startEditing();
    // The outward side is the walk's left when the wall goes down, its right when it goes up.
    const float sign = wallsUp ? 1.0f : -1.0f;
    for (int i = 0; i < size; ++i) {
      const SbVec3f e = points[i + 1] - points[i];
      SbVec3f n(sign * e[1], -sign * e[0], 0.0f);
      if (n.normalize() == 0.0f)
        n.setValue(0, 0, 1);
      out[i] = n;
    }
    normals->vector.finishEditing();
    coords->point.finishEditing();
    SoQuadMesh* quads = new SoQuadMesh;
    quads->verticesPerRow = size + 1;
    quads->verticesPerColumn = 2;
    group->addChild(normals);
    group->addChild(coords);
    group->addChild(quads);
  }
  setAnyPart("groupSides", group);
  group->unref();
  postRebuild();
}
