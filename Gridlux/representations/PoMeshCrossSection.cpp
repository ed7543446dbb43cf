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
  m_withoutDistances = false;
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
  m_withoutDistances = false;
}

void PoMeshCrossSection::prepareAxisGridCut()
{
  // The cutting places its points itself from the axes' shares: no distance set is measured.
  m_cutNormal = plane.getValue().getNormal();
  m_level = plane.getValue().getDistanceFromOrigin();
  m_withoutDistances = true;
}

const float* PoMeshCrossSection::getIsosurfDataSet() const
{
  return m_distanceValid && !m_withoutDistances && !m_distances.empty() ? m_distances.data() : nullptr;
}

// ---------------------------------------------------------------------------------------------
// Rebuild

void PoMeshCrossSection::rebuild()
{
  preRebuild();
  const PbMesh3D* mesh = m_mesh3DInForce;
  m_quadRows = m_quadColumns = 0;
  if (!beginLevelSurfParts("groupCrossSection")) {
    postRebuild();
    return;
  }
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
  if (m_method == INTERSECTION && mesh->isCrossSectionOptimal())
    prepareAxisGridCut();
  else
    updateDistanceSet();
  // Null when the cutting places the points: the builders then take them as placed.
  const float* distances = getIsosurfDataSet();
  const int colorIndex = valuesIndex.getValue();
  const float* colorValues = colorIndex >= 0 ? mesh->getValuesSet(colorIndex) : nullptr;
  if (distances || m_withoutDistances) {
    const bool perCell = colorValues && mesh->getValuesBinding(colorIndex) == PbMesh::PER_CELL;
    buildMeshLevelSurfColoring(distances, colorValues, perCell);
    // A quad mesh numbers its quadrangles as faces, not as parts (rows).
    if (perCell && m_quadRows > 0 && m_levelSurfMaterialBinding)
      m_levelSurfMaterialBinding->value = SoMaterialBinding::PER_FACE;
  }

  placeLevelSurfParts("groupCrossSection");
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
  addIndexRuns(cutter, m_method == INTERSECTION);
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
  auto addPoint = [this](int a, int b, const SbVec3f&, float, bool& isNew) {
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
    int made = 0;
    switch (num) {
    case 4:
      made = m_cut.crossPlaneAndTetrahedron(local, s, pos, normal, addPoint, polygon);
      break;
    case 5:
      made = m_cut.crossPlaneAndPyramid(local, s, pos, normal, addPoint, polygon);
      break;
    case 6:
      made = m_cut.crossPlaneAndPentahedron(local, s, pos, normal, addPoint, polygon);
      break;
    default:
      made = m_cut.crossPlaneAndHexahedron(local, s, pos, normal, addPoint, polygon);
      break;
    }
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
  auto addPoint = [this](int a, int b, const SbVec3f&, float, bool& isNew) {
    int point;
    isNew = addSurfPoint(a, b, point) != 0;
    return point;
  };
  // The cutter's corners of cell (i, j, k), as offsets: its bottom face runs (0,0) (0,1) (1,1)
  // (1,0) in (i, j) and its top face starts above its corner 3.
  const int di[8] = {0, 0, 1, 1, 1, 1, 0, 0};
  const int dj[8] = {0, 1, 1, 0, 0, 1, 1, 0};
  const int dk[8] = {0, 0, 0, 0, 1, 1, 1, 1};
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
        const int made = m_cut.crossPlaneAndHexahedron(local, s, pos, normal, addPoint, polygon);
        if (made)
          addPolygon(polygon, made, mesh->getCellIndex(i, j, k));
      }
    }
  }
}

void PoMeshCrossSection::axisGridCells(const AxisGrid& grid)
{
  const int nx = grid.dims[0], ny = grid.dims[1], nz = grid.dims[2];
  const float* const* coords = grid.coords;
  const float* a0 = m_axisShares[0].data();
  const float* a1 = m_axisShares[1].data();
  const float* a2 = m_axisShares[2].data();
  const float d = m_level;
  const SbVec3f normal = m_cutNormal;
  const PbGrid3D* mesh = grid.mesh;
  // The cutter's corners of cell (i, j, k), as in gridCells().
  const int di[8] = {0, 0, 1, 1, 1, 1, 0, 0};
  const int dj[8] = {0, 1, 1, 0, 0, 1, 1, 0};
  const int dk[8] = {0, 0, 0, 0, 1, 1, 1, 1};
  const bool rising = a2[nz - 1] >= a2[0];
  // Points are placed as the cutter finds them (no distance set to interpolate): edge points
  // through the grid's edge numbering, the rare node lying on the plane through the hash.
  const int dx = ny * nz, dy = nz;
  initGridEdgePoints(dx);
  int layer = 0;
  auto gridPoint = [&](int a, int b, const SbVec3f& where, float t, bool& isNew) {
    int point;
    if (a == b) {
      isNew = addSurfPoint(a, b, point) != 0;
    } else {
      const int before = getNumSurfPoints();
      point = gridEdgePoint(a, b, layer, dx, dy);
      isNew = point == before;
    }
    if (isNew)
      setSurfPointGiven(point, where, a <= b ? t : 1.0f - t);
    return point;
  };
  int local[8], polygon[6];
  float s[8];
  SbVec3f pos[8];
  for (int i = 0; i + 1 < nx; ++i) {
    layer = i;
    for (int j = 0; j + 1 < ny; ++j) {
      // The column's four corner shares of x and y; a cell's distances then span
      // [lo + z share, hi + z share] over its two node layers.
      const float column[4] = {a0[i] + a1[j], a0[i] + a1[j + 1], a0[i + 1] + a1[j + 1], a0[i + 1] + a1[j]};
      const float lo = std::min({column[0], column[1], column[2], column[3]});
      const float hi = std::max({column[0], column[1], column[2], column[3]});
      // The cells k whose span holds d form one run, found by halving since the z shares are
      // monotone.
      int kFirst, kLast;
      const int cells = nz - 1;
      auto firstFalse = [cells](auto&& holds) {
        int lo = 0, hi = cells;
        while (lo < hi) {
          const int mid = (lo + hi) / 2;
          if (holds(mid))
            lo = mid + 1;
          else
            hi = mid;
        }
        return lo;
      };
      if (rising) {
        kFirst = firstFalse([&](int k) { return hi + a2[k + 1] < d; });
        kLast = firstFalse([&](int k) { return lo + a2[k] <= d; }) - 1;
      } else {
        kFirst = firstFalse([&](int k) { return lo + a2[k + 1] > d; });
        kLast = firstFalse([&](int k) { return hi + a2[k] >= d; }) - 1;
      }
      for (int k = kFirst; k <= kLast; ++k) {
        for (int c = 0; c < 8; ++c) {
          const int ii = i + di[c], jj = j + dj[c], kk = k + dk[c];
          const int node = mesh->getNodeIndex(ii, jj, kk);
          local[c] = node;
          s[c] = (a0[ii] + a1[jj]) + a2[kk] - d;
          pos[c].setValue(coords[0][ii], coords[1][jj], coords[2][kk]);
        }
        const int made = m_cut.crossPlaneAndHexahedron(local, s, pos, normal, gridPoint, polygon);
        if (made)
          addPolygon(polygon, made, mesh->getCellIndex(i, j, k));
      }
    }
  }
}

bool PoMeshCrossSection::gridAxisSlice(const AxisGrid& grid)
{
  const SbVec3f n = m_cutNormal;
  int axis = -1;
  for (int a = 0; a < 3; ++a) {
    const int b = (a + 1) % 3, c = (a + 2) % 3;
    if (std::fabs(n[a] - 1.0f) < 1e-4f && std::fabs(n[b]) < 1e-4f && std::fabs(n[c]) < 1e-4f)
      axis = a;
  }
  if (axis < 0)
    return false;
  const int* dims = grid.dims;
  const float* along = grid.coords[axis];
  const int count = dims[axis];
  const float d = m_level;
  if (count < 2 || along[count - 1] < along[0])
    return false; // layers found by halving need rising coordinates; the cells are cut instead
  if (!(d >= along[0] && d <= along[count - 1]))
    return true; // the plane misses the grid
  const int layer = std::min(int(std::upper_bound(along, along + count, d) - along) - 1, count - 2);

  // A quad mesh turns each quadrangle from a row to the next one: rows that step along the axis
  // after the normal's make it counter-clockwise seen from the normal's side (X slices step
  // along y with rows of z, Y slices along z with rows of x, Z slices along x with rows of y).
  const int rowAxis = (axis + 2) % 3, stepAxis = (axis + 1) % 3;
  const int columns = dims[rowAxis], rows = dims[stepAxis];
  const PbGrid3D* mesh = grid.mesh;
  const float* const* coords = grid.coords;
  const float* shares[3] = {m_axisShares[0].data(), m_axisShares[1].data(), m_axisShares[2].data()};
  int index[3];
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) {
      index[rowAxis] = c;
      index[stepAxis] = r;
      index[axis] = layer;
      const int lo = mesh->getNodeIndex(index[0], index[1], index[2]);
      const SbVec3f from(coords[0][index[0]], coords[1][index[1]], coords[2][index[2]]);
      const float sLo = (shares[0][index[0]] + shares[1][index[1]]) + shares[2][index[2]] - d;
      index[axis] = layer + 1;
      const int hi = mesh->getNodeIndex(index[0], index[1], index[2]);
      const SbVec3f to(coords[0][index[0]], coords[1][index[1]], coords[2][index[2]]);
      const float sHi = (shares[0][index[0]] + shares[1][index[1]]) + shares[2][index[2]] - d;
      const float t = sLo != sHi ? sLo / (sLo - sHi) : 0.0f;
      int point;
      addSurfPoint(lo, hi, point);
      setSurfPointGiven(point, from + (to - from) * t, t);
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

void PoMeshCrossSection::axisGridCrossSection(const AxisGrid& grid)
{
  if (grid.dims[0] < 2 || grid.dims[1] < 2 || grid.dims[2] < 2)
    return;
  if (!m_withoutDistances) {
    // Cut by the nodes' distances measured beforehand (the preference chose this method).
    gridCells(grid.mesh);
    return;
  }
  for (int a = 0; a < 3; ++a) {
    m_axisShares[a].resize(grid.dims[a]);
    for (int i = 0; i < grid.dims[a]; ++i)
      m_axisShares[a][i] = m_cutNormal[a] * grid.coords[a][i];
  }
  if (!gridAxisSlice(grid))
    axisGridCells(grid);
}

void PoMeshCrossSection::cartGrid3DCrossSection(const PbCartesianGrid3D* mesh)
{
  gridCells(mesh);
}

void PoMeshCrossSection::paralCartGrid3DCrossSection(const PbParalCartesianGrid3D* mesh)
{
  AxisGrid grid = {mesh, {nullptr, nullptr, nullptr}, {0, 0, 0}};
  mesh->getGeometry(grid.dims[0], grid.dims[1], grid.dims[2], grid.coords[0], grid.coords[1], grid.coords[2]);
  axisGridCrossSection(grid);
}

void PoMeshCrossSection::regularGrid3DCrossSection(const PbRegularCartesianGrid3D* mesh)
{
  AxisGrid grid = {mesh, {nullptr, nullptr, nullptr}, {0, 0, 0}};
  float lo[3], hi[3];
  mesh->getGeometry(grid.dims[0], grid.dims[1], grid.dims[2], lo[0], lo[1], lo[2], hi[0], hi[1], hi[2]);
  // The node coordinates along each axis, as the grid places its nodes.
  for (int a = 0; a < 3; ++a) {
    const int n = grid.dims[a];
    const float step = n > 1 ? (hi[a] - lo[a]) / float(n - 1) : 0.0f;
    m_axisCoords[a].resize(n > 0 ? n : 0);
    for (int i = 0; i < n; ++i)
      m_axisCoords[a][i] = lo[a] + float(i) * step;
    grid.coords[a] = m_axisCoords[a].data();
  }
  axisGridCrossSection(grid);
}
