// Outline of a plane's section of the current 3D mesh: the plane cut with the grid's sides or the
// unstructured mesh's skin.
#include <Gridlux/representations/PoMeshCrossContour.h>

#include <Gridlux/mesh/PbCartesianGrid3D.h>
#include <Gridlux/mesh/PbHexahedronMesh3D.h>
#include <Gridlux/mesh/PbIndexedMesh3D.h>
#include <Gridlux/mesh/PbMeshSkinData.h>
#include <Gridlux/mesh/PbParalCartesianGrid3D.h>
#include <Gridlux/mesh/PbRegularCartesianGrid3D.h>
#include <Gridlux/mesh/PbTetrahedronMesh3D.h>

#include <Inventor/nodekits/SoAppearanceKit.h>
#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoIndexedLineSet.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoMaterialBinding.h>

PO_KIT_SOURCE(PoMeshCrossContour);

void PoMeshCrossContour::initClass()
{
  PO_KIT_INIT_CLASS(PoMeshCrossContour, PoMesh3D, "PoMesh3D");
}

PoMeshCrossContour::PoMeshCrossContour()
{
  SO_KIT_CONSTRUCTOR(PoMeshCrossContour);
  SO_KIT_ADD_CATALOG_ENTRY(groupCrossContour, SoGroup, TRUE, this, "", TRUE);
  SO_KIT_ADD_FIELD(plane, (SbPlane(SbVec3f(0, 0, 1), 0.0f)));
  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoMeshCrossContour::~PoMeshCrossContour()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoMeshCrossContour::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  SoFieldList fields;
  fields.append(&plane);
  watchFields(onOff, m_sensors, fields);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoMeshCrossContour::preRebuild()
{
  inherited::preRebuild();
  addDataMappingInCache();
}

void PoMeshCrossContour::rebuild()
{
  preRebuild();
  const PbMesh3D* mesh = m_mesh3DInForce;
  m_material = nullptr;
  m_numPoints = m_numValues = 0;
  if (!mesh || mesh->isEmpty()) {
    if (m_ownsMaterialPart)
      setAnyPart("appearance.material", nullptr);
    m_ownsMaterialPart = 0;
    setAnyPart("groupCrossContour", nullptr);
    postRebuild();
    return;
  }

  // Distances of the nodes along the normal; the plane is where they equal its own.
  const SbVec3f normal = plane.getValue().getNormal();
  m_level = plane.getValue().getDistanceFromOrigin();
  const int numNodes = mesh->getNumNodes();
  m_distances.resize(numNodes);
  for (int i = 0; i < numNodes; ++i)
    m_distances[i] = normal.dot(mesh->getNodeCoord(i));

  m_coordIndexArray.empty();
  m_edgesInPlane.clear();
  initSurfPointList();
  mesh->meshCrossContour(this);

  SoGroup* group = new SoGroup;
  group->ref();
  if (m_coordIndexArray.getNum() > 0) {
    const int colorIndex = valuesIndex.getValue();
    const float* colorValues = colorIndex >= 0 ? mesh->getValuesSet(colorIndex) : nullptr;
    const bool mapped = colorValues && mesh->getValuesBinding(colorIndex) == PbMesh::PER_NODE &&
                        m_coloring != COLOR_INHERITED;
    SoCoordinate3* coords = new SoCoordinate3;
    if (mapped) {
      SoMaterialBinding* binding = new SoMaterialBinding;
      binding->value = SoMaterialBinding::PER_VERTEX_INDEXED;
      group->addChild(binding);
      computeLevelSurfPointCoordAndMaterial(mesh, m_distances.data(), m_level, coords->point, colorValues);
    } else {
      computeLevelSurfPointCoord(mesh, m_distances.data(), m_level, coords->point);
    }
    SoIndexedLineSet* lines = new SoIndexedLineSet;
    lines->coordIndex.setValues(0, m_coordIndexArray.getNum(), m_coordIndexArray.get());
    group->addChild(coords);
    group->addChild(lines);
  }
  if (m_material || m_ownsMaterialPart)
    setAnyPart("appearance.material", m_material);
  m_ownsMaterialPart = m_material != nullptr;
  setAnyPart("groupCrossContour", group);
  group->unref();
  postRebuild();
}

void PoMeshCrossContour::crossPlaneAndFace(const int* nodes, int num)
{
  const float* dist = m_distances.data();
  const float d = m_level;
  int points[2], onPlane[2];
  int count = 0, numOnPlane = 0;
  for (int i = 0; i < num; ++i) {
    if (dist[nodes[i]] - d != 0.0f)
      continue;
    // A face with a third node on the plane lies in it.
    if (count == 2)
      return;
    addSurfPoint(nodes[i], nodes[i], points[count++]);
    onPlane[numOnPlane++] = nodes[i];
  }
  for (int i = 0; i < num && count < 3; ++i) {
    const int a = nodes[i], b = nodes[(i + 1) % num];
    const float sa = dist[a] - d, sb = dist[b] - d;
    if ((sa < 0.0f && sb > 0.0f) || (sa > 0.0f && sb < 0.0f)) {
      if (count == 2)
        return; // a degenerate face crossed more than twice
      addSurfPoint(a, b, points[count++]);
    }
  }
  if (count != 2)
    return;
  if (numOnPlane == 2) {
    // An edge lying in the plane belongs to two faces: the first one draws it.
    const uint32_t lo = uint32_t(std::min(onPlane[0], onPlane[1]));
    const uint32_t hi = uint32_t(std::max(onPlane[0], onPlane[1]));
    if (!m_edgesInPlane.insert(uint64_t(lo) << 32 | hi).second)
      return;
  }
  appendIndices(points, 2);
  pushIndex(-1);
}

void PoMeshCrossContour::indexedMeshCrossContour(const PbIndexedMesh3D* mesh)
{
  mesh->updateSkin();
  PbMeshSkinData* skin = mesh->getSkinData();
  if (!skin)
    return;
  int cell, n[4];
  while (skin->getFace4p(cell, n[0], n[1], n[2], n[3]))
    crossPlaneAndQuadrangle(n);
  while (skin->getFace3p(cell, n[0], n[1], n[2]))
    crossPlaneAndTriangle(n);
}

void PoMeshCrossContour::hexahedronMeshCrossContour(const PbHexahedronMesh3D* mesh)
{
  indexedMeshCrossContour(mesh);
}

void PoMeshCrossContour::tetrahedronMeshCrossContour(const PbTetrahedronMesh3D* mesh)
{
  indexedMeshCrossContour(mesh);
}

void PoMeshCrossContour::gridSides(const PbGrid3D* mesh)
{
  const int dims[3] = {mesh->getNumX(), mesh->getNumY(), mesh->getNumZ()};
  if (dims[0] < 2 || dims[1] < 2 || dims[2] < 2)
    return;
  // The two sides across each axis, as the quadrangles of the lattice of the other two.
  for (int axis = 0; axis < 3; ++axis) {
    const int u = (axis + 1) % 3, v = (axis + 2) % 3;
    for (int side : {0, dims[axis] - 1}) {
      int index[3];
      index[axis] = side;
      for (int i = 0; i + 1 < dims[u]; ++i) {
        for (int j = 0; j + 1 < dims[v]; ++j) {
          const int corner[4][2] = {{i, j}, {i + 1, j}, {i + 1, j + 1}, {i, j + 1}};
          int quad[4];
          for (int q = 0; q < 4; ++q) {
            index[u] = corner[q][0];
            index[v] = corner[q][1];
            quad[q] = mesh->getNodeIndex(index[0], index[1], index[2]);
          }
          crossPlaneAndQuadrangle(quad);
        }
      }
    }
  }
}

void PoMeshCrossContour::cartGrid3DCrossContour(const PbCartesianGrid3D* mesh)
{
  gridSides(mesh);
}

void PoMeshCrossContour::paralCartGrid3DCrossContour(const PbParalCartesianGrid3D* mesh)
{
  gridSides(mesh);
}

void PoMeshCrossContour::regularGrid3DCrossContour(const PbRegularCartesianGrid3D* mesh)
{
  gridSides(mesh);
}
