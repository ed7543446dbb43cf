// Plane section of the current 3D mesh: cell cutting, axis slices of grids, or the level surface
// of the distance to the plane.
#include <Gridlux/representations/PoMeshCrossSection.h>

#include <Gridlux/attributes/PbDataMapping.h>
#include <Gridlux/mesh/PbCartesianGrid3D.h>
#include <Gridlux/mesh/PbHexahedronMesh3D.h>
#include <Gridlux/mesh/PbIndexedMesh3D.h>
#include <Gridlux/mesh/PbParalCartesianGrid3D.h>
#include <Gridlux/mesh/PbRegularCartesianGrid3D.h>
#include <Gridlux/mesh/PbTetrahedronMesh3D.h>
#include <Gridlux/platform/SoPreferences.h>
#include <Gridlux/representations/algorithms/PiContouringFilled.h>

#include <Inventor/nodekits/SoAppearanceKit.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoIndexedFaceSet.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoMaterialBinding.h>
#include <Inventor/nodes/SoNormal.h>
#include <Inventor/nodes/SoNormalBinding.h>
#include <Inventor/nodes/SoQuadMesh.h>
#include <Inventor/nodes/SoShapeHints.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>

PO_KIT_SOURCE(PoMeshCrossSection);

void PoMeshCrossSection::initClass()
{
  PO_KIT_INIT_CLASS(PoMeshCrossSection, PoMesh3D, "PoMesh3D");
}

PoMeshCrossSection::PoMeshCrossSection()
{
  SO_KIT_CONSTRUCTOR(PoMeshCrossSection);
  SO_KIT_ADD_CATALOG_ENTRY(groupCrossSection, SoGroup, TRUE, this, "", TRUE);
  SO_KIT_ADD_FIELD(plane, (SbPlane(SbVec3f(0, 0, 1), 0.0f)));
  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoMeshCrossSection::~PoMeshCrossSection()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoMeshCrossSection::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  SoFieldList fields;
  fields.append(&plane);
  watchFields(onOff, m_sensors, fields);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoMeshCrossSection::preRebuild()
{
  inherited::preRebuild();
  addDataMappingInCache();
  addIsovaluesListInCache(0);
}

void PoMeshCrossSection::basicObjectChange(PbBase* object)
{
  // The mesh may have moved its nodes: their distances are stale.
  m_distanceValid = false;
  inherited::basicObjectChange(object);
}

PoMeshCrossSection::CrossSectionMethod PoMeshCrossSection::chooseMethod(const PbMesh3D* mesh)
{
  CrossSectionMethod method = mesh && mesh->isCrossSectionOptimal() ? INTERSECTION : ISOSURFACE;
  if (const char* value = SoPreferences::getValue("OIV_FIELDWORK_CROSS_SECTION_METHOD")) {
    std::string upper(value);
    std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return std::toupper(c); });
    if (upper == "ISOSURFACE")
      method = ISOSURFACE;
    else if (upper == "INTERSECTION")
      method = INTERSECTION;
  }
  return method;
}

// ---------------------------------------------------------------------------------------------
// Distances of the nodes

void PoMeshCrossSection::updateDistanceSet()
{
  const PbMesh3D* mesh = m_mesh3DInForce;
  SbVec3f normal = plane.getValue().getNormal();
  m_level = plane.getValue().getDistanceFromOrigin();
  const int numNodes = mesh ? mesh->getNumNodes() : 0;
  if (mesh != m_distanceMesh || int(m_distances.size()) != numNodes)
    m_distanceValid = false;
  // A move along the normal, or a turn too small to matter, keeps the distances.
  if (m_distanceValid && normal.dot(m_distanceNormal) >= 0.9999f)
    return;
  m_distanceNormal = normal;
  m_distanceMesh = mesh;
  m_distances.resize(numNodes);
  const PbIndexedMesh3D* indexed = dynamic_cast<const PbIndexedMesh3D*>(mesh);
  if (indexed) {
    int num = 0;
    const float *x = nullptr, *y = nullptr, *z = nullptr;
    indexed->getNodes(num, x, y, z);
    for (int i = 0; i < numNodes && i < num; ++i)
      m_distances[i] = normal[0] * x[i] + normal[1] * y[i] + normal[2] * z[i];
  } else {
    for (int i = 0; i < numNodes; ++i)
      m_distances[i] = normal.dot(mesh->getNodeCoord(i));
  }
  m_distanceValid = numNodes > 0;
}

const float* PoMeshCrossSection::getIsosurfDataSet() const
{
  return m_distanceValid && !m_distances.empty() ? m_distances.data() : nullptr;
}

// ---------------------------------------------------------------------------------------------
// Rebuild

void PoMeshCrossSection::rebuild()
{
  preRebuild();
  const PbMesh3D* mesh = m_mesh3DInForce;
  m_material = nullptr;
  m_levelSurfMaterialBinding = nullptr;
  m_levelSurfTexture = nullptr;
  m_numValues = 0;
  m_quadRows = m_quadColumns = 0;
  if (!mesh || mesh->isEmpty()) {
    setAnyPart("appearance.texture2", nullptr);
    if (m_ownsMaterialPart)
      setAnyPart("appearance.material", nullptr);
    m_ownsMaterialPart = 0;
    setAnyPart("groupCrossSection", nullptr);
    postRebuild();
    return;
  }

  m_levelSurfGroup = new SoGroup;
  m_levelSurfGroup->ref();
  SoNormalBinding* normalBinding = new SoNormalBinding;
  normalBinding->value = SoNormalBinding::OVERALL;
  SoNormal* normal = new SoNormal;
  normal->vector.setValue(plane.getValue().getNormal());
  SoShapeHints* hints = new SoShapeHints;
  hints->vertexOrdering = SoShapeHints::COUNTERCLOCKWISE;
  m_levelSurfGroup->addChild(normalBinding);
  m_levelSurfGroup->addChild(normal);
  m_levelSurfGroup->addChild(hints);

  m_method = chooseMethod(mesh);
  updateDistanceSet();
  const float* distances = getIsosurfDataSet();
  const int colorIndex = valuesIndex.getValue();
  const float* colorValues = colorIndex >= 0 ? mesh->getValuesSet(colorIndex) : nullptr;
  if (distances) {
    if (colorValues && mesh->getValuesBinding(colorIndex) == PbMesh::PER_CELL) {
      if (m_coloring == COLOR_INHERITED)
        buildMeshLevelSurfInhColr(distances, nullptr);
      else
        buildMeshLevelSurfPerCellColr(distances, colorValues, nullptr);
      // A quad mesh numbers its quadrangles as faces, not as parts (rows).
      if (m_quadRows > 0 && m_levelSurfMaterialBinding)
        m_levelSurfMaterialBinding->value = SoMaterialBinding::PER_FACE;
    } else {
      switch (m_coloring) {
      case COLOR_AVERAGE:
      case COLOR_MAPPING:
      case COLOR_TEXTURE_CONTOURING:
        buildMeshLevelSurfMapColr(distances, colorValues, nullptr);
        break;
      case COLOR_CONTOURING:
        buildMeshLevelSurfContColr(distances, colorValues, nullptr);
        break;
      default:
        buildMeshLevelSurfInhColr(distances, nullptr);
        break;
      }
    }
  }

  setAnyPart("appearance.texture2", m_levelSurfTexture);
  if (m_material || m_ownsMaterialPart)
    setAnyPart("appearance.material", m_material);
  m_ownsMaterialPart = m_material != nullptr;
  setAnyPart("groupCrossSection", m_levelSurfGroup);
  if (m_dataMappingInForce && m_dataMappingInForce->isTransparencyEnabled())
    deleteTransparencyParts(m_dataMappingInForce, m_material, m_levelSurfMaterialBinding, m_levelSurfGroup);
  m_levelSurfGroup->unref();
  m_levelSurfGroup = nullptr;
  postRebuild();
}

void PoMeshCrossSection::meshShapeIndices(int orientation, const float* perCellValues)
{
  m_quadRows = m_quadColumns = 0;
  if (m_method == ISOSURFACE) {
    inherited::meshShapeIndices(orientation, perCellValues);
    return;
  }
  // The cells are cut at the plane itself: no level is moved off the nodes.
  setLevelInForce(m_level);
  m_perCellValues = perCellValues;
  m_numPoints = 0;
  m_cut.initFoundFaces();
  m_mesh3DInForce->meshCrossSection(this);
  m_perCellValues = nullptr;
}

SoNode* PoMeshCrossSection::makeSurfaceShape() const
{
  if (m_method == ISOSURFACE)
    return inherited::makeSurfaceShape();
  if (m_quadRows > 0) {
    SoQuadMesh* quads = new SoQuadMesh;
    quads->verticesPerRow = m_quadColumns;
    quads->verticesPerColumn = m_quadRows;
    return quads;
  }
  SoIndexedFaceSet* faces = new SoIndexedFaceSet;
  faces->coordIndex.setValues(0, m_coordIndexArray.getNum(), m_coordIndexArray.get());
  return faces;
}

void PoMeshCrossSection::addContouringElems(PiContouringFilled* cutter) const
{
  if (m_method == ISOSURFACE) {
    inherited::addContouringElems(cutter);
    return;
  }
  const int32_t* indices = m_coordIndexArray.get();
  const int total = m_coordIndexArray.getNum();
  for (int start = 0; start < total;) {
    int end = start;
    while (end < total && indices[end] >= 0)
      ++end;
    if (end > start)
      cutter->addPolygonElems(end - start, indices + start);
    start = end + 1;
  }
}

// ---------------------------------------------------------------------------------------------
// Cutting

void PoMeshCrossSection::addPolygon(const int* polygon, int num, int cell)
{
  appendIndices(polygon, num);
  pushIndex(-1);
  if (m_perCellValues)
    pushValue(m_perCellValues[cell]);
}

void PoMeshCrossSection::indexedCells(const PbIndexedMesh3D* mesh, int count)
{
  int numNodes, numCells;
  const float *x, *y, *z;
  const int *cellIndex, *cellType;
  mesh->getGeometry(numNodes, x, y, z, numCells, cellIndex, cellType);
  if (numCells <= 0 || !cellIndex)
    return;
  const float* dist = m_distances.data();
  const float d = m_level;
  const SbVec3f normal = m_distanceNormal;
  // A cell whose first node is a longest edge or more away from the plane cannot reach it.
  const float reach = mesh->getLongestEdgeLength();
  const int length = mesh->getCellIndexLength();
  auto addPoint = [this](int a, int b, bool& isNew) {
    int point;
    isNew = addSurfPoint(a, b, point) != 0;
    return point;
  };
  int local[8], polygon[6];
  float s[8];
  SbVec3f pos[8];
  for (int c = 0; c < numCells; ++c) {
    const int offset = count ? count * c : mesh->getCellOffset(c);
    const int num = count ? count : (c + 1 < numCells ? mesh->getCellOffset(c + 1) : length) - offset;
    const PiPlaneCut::CellTable* table = PiPlaneCut::tableOf(num);
    if (!table)
      continue;
    const int* n = cellIndex + offset;
    if (!(std::fabs(dist[n[0]] - d) < reach))
      continue;
    const int* order = PiPlaneCut::meshOrderOf(num);
    for (int i = 0; i < num; ++i) {
      const int node = n[order[i]];
      local[i] = node;
      s[i] = dist[node] - d;
      pos[i].setValue(x[node], y[node], z[node]);
    }
    const int made = m_cut.cut(*table, local, s, pos, normal, addPoint, polygon);
    if (made)
      addPolygon(polygon, made, c);
  }
}

void PoMeshCrossSection::hexahedronMeshCrossSection(const PbHexahedronMesh3D* mesh)
{
  indexedCells(mesh, 8);
}

void PoMeshCrossSection::tetrahedronMeshCrossSection(const PbTetrahedronMesh3D* mesh)
{
  indexedCells(mesh, 4);
}

void PoMeshCrossSection::indexedMeshCrossSection(const PbIndexedMesh3D* mesh)
{
  indexedCells(mesh, 0);
}

void PoMeshCrossSection::gridCells(const PbGrid3D* mesh)
{
  const int nx = mesh->getNumX(), ny = mesh->getNumY(), nz = mesh->getNumZ();
  if (nx < 2 || ny < 2 || nz < 2)
    return;
  const float* dist = m_distances.data();
  const float d = m_level;
  const SbVec3f normal = m_distanceNormal;
  auto addPoint = [this](int a, int b, bool& isNew) {
    int point;
    isNew = addSurfPoint(a, b, point) != 0;
    return point;
  };
  // The cutter's corners of cell (i, j, k), as offsets: its bottom face runs (0,0) (0,1) (1,1)
  // (1,0) in (i, j) and its top face starts above its corner 3.
  const int di[8] = {0, 0, 1, 1, 1, 1, 0, 0};
  const int dj[8] = {0, 1, 1, 0, 0, 1, 1, 0};
  const int dk[8] = {0, 0, 0, 0, 1, 1, 1, 1};
  const PiPlaneCut::CellTable& table = PiPlaneCut::hexahedron();
  int local[8], polygon[6];
  float s[8];
  SbVec3f pos[8];
  for (int i = 0; i + 1 < nx; ++i) {
    for (int j = 0; j + 1 < ny; ++j) {
      for (int k = 0; k + 1 < nz; ++k) {
        bool below = false, above = false;
        for (int c = 0; c < 8; ++c) {
          const int node = mesh->getNodeIndex(i + di[c], j + dj[c], k + dk[c]);
          local[c] = node;
          s[c] = dist[node] - d;
          below = below || s[c] <= 0.0f;
          above = above || s[c] >= 0.0f;
        }
        if (!below || !above)
          continue;
        for (int c = 0; c < 8; ++c)
          pos[c] = mesh->getNodeCoord(i + di[c], j + dj[c], k + dk[c]);
        const int made = m_cut.cut(table, local, s, pos, normal, addPoint, polygon);
        if (made)
          addPolygon(polygon, made, mesh->getCellIndex(i, j, k));
      }
    }
  }
}

bool PoMeshCrossSection::gridAxisSlice(const PbGrid3D* mesh, const float* layerCoords[3])
{
  const SbVec3f n = m_distanceNormal;
  int axis = -1;
  for (int a = 0; a < 3; ++a) {
    const int b = (a + 1) % 3, c = (a + 2) % 3;
    if (std::fabs(n[a] - 1.0f) < 1e-4f && std::fabs(n[b]) < 1e-4f && std::fabs(n[c]) < 1e-4f)
      axis = a;
  }
  if (axis < 0)
    return false;
  const int dims[3] = {mesh->getNumX(), mesh->getNumY(), mesh->getNumZ()};
  const float* along = layerCoords[axis];
  const int count = dims[axis];
  const float d = m_level;
  if (count < 2 || !(d >= along[0] && d <= along[count - 1]))
    return true; // the plane misses the grid
  const int layer = std::min(int(std::upper_bound(along, along + count, d) - along) - 1, count - 2);

  // A quad mesh turns each quadrangle from a row to the next one: rows that step along the axis
  // after the normal's make it counter-clockwise seen from the normal's side (X slices step
  // along y with rows of z, Y slices along z with rows of x, Z slices along x with rows of y).
  const int rowAxis = (axis + 2) % 3, stepAxis = (axis + 1) % 3;
  const int columns = dims[rowAxis], rows = dims[stepAxis];
  int index[3];
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) {
      index[axis] = layer;
      index[rowAxis] = c;
      index[stepAxis] = r;
      const int lo = mesh->getNodeIndex(index[0], index[1], index[2]);
      index[axis] = layer + 1;
      const int hi = mesh->getNodeIndex(index[0], index[1], index[2]);
      int point;
      addSurfPoint(lo, hi, point);
    }
  }
  for (int r = 0; r + 1 < rows; ++r) {
    for (int c = 0; c + 1 < columns; ++c) {
      const int quad[4] = {r * columns + c, r * columns + c + 1, (r + 1) * columns + c + 1, (r + 1) * columns + c};
      index[axis] = layer;
      index[rowAxis] = c;
      index[stepAxis] = r;
      addPolygon(quad, 4, mesh->getCellIndex(index[0], index[1], index[2]));
    }
  }
  m_quadRows = rows;
  m_quadColumns = columns;
  return true;
}

void PoMeshCrossSection::cartGrid3DCrossSection(const PbCartesianGrid3D* mesh)
{
  gridCells(mesh);
}

void PoMeshCrossSection::paralCartGrid3DCrossSection(const PbParalCartesianGrid3D* mesh)
{
  int nx, ny, nz;
  const float *x, *y, *z;
  mesh->getGeometry(nx, ny, nz, x, y, z);
  const float* layers[3] = {x, y, z};
  if (!gridAxisSlice(mesh, layers))
    gridCells(mesh);
}

void PoMeshCrossSection::regularGrid3DCrossSection(const PbRegularCartesianGrid3D* mesh)
{
  int nx, ny, nz;
  float lo[3], hi[3];
  mesh->getGeometry(nx, ny, nz, lo[0], lo[1], lo[2], hi[0], hi[1], hi[2]);
  // The node layers of each axis, as a parallelepiped grid lists them.
  const int dims[3] = {nx, ny, nz};
  std::vector<float> coords[3];
  for (int a = 0; a < 3; ++a) {
    coords[a].resize(dims[a]);
    const float step = dims[a] > 1 ? (hi[a] - lo[a]) / float(dims[a] - 1) : 0.0f;
    for (int i = 0; i < dims[a]; ++i)
      coords[a][i] = lo[a] + step * float(i);
  }
  const float* layers[3] = {coords[0].data(), coords[1].data(), coords[2].data()};
  if (!gridAxisSlice(mesh, layers))
    gridCells(mesh);
}
