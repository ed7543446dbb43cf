// Base of the representations of volume meshes: the typed 3D mesh and the level-surface machinery.
#include <Gridlux/representations/PoMesh3D.h>

#include <Gridlux/mesh/CellHandednessXP.h>
#include <Gridlux/mesh/PbGrid3D.h>
#include <Gridlux/mesh/PbParalCartesianGrid3D.h>
#include <Gridlux/mesh/PbRegularCartesianGrid3D.h>
#include <Gridlux/mesh/PbHexahedronCell.h>
#include <Gridlux/mesh/PbHexahedronMesh3D.h>
#include <Gridlux/mesh/PbIndexedMesh3D.h>
#include <Gridlux/mesh/PbMesh3D.h>
#include <Gridlux/mesh/PbMeshSkinData.h>
#include <Gridlux/mesh/PbPyramidCell.h>
#include <Gridlux/mesh/PbTetrahedronCell.h>
#include <Gridlux/mesh/PbTetrahedronMesh3D.h>
#include <Gridlux/mesh/PbWedgeCell.h>
#include <Gridlux/mesh/PiMarchingCase.h>
#include <Gridlux/mesh/nodes/PoMeshElement.h>
#include <Gridlux/representations/algorithms/PiContouringFilled.h>
#include <Gridlux/representations/algorithms/PiTextureContouring.h>

#include <Inventor/fields/SoMFVec2f.h>
#include <Inventor/fields/SoMFVec3f.h>
#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoIndexedTriangleStripSet.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoMaterialBinding.h>
#include <Inventor/nodes/SoTexture2.h>
#include <Inventor/nodes/SoTextureCoordinate2.h>
#include <Inventor/nodes/SoTextureCoordinateBinding.h>

#include <algorithm>

PO_KIT_ABSTRACT_SOURCE(PoMesh3D);

void PoMesh3D::initClass()
{
  PO_KIT_INIT_ABSTRACT_CLASS(PoMesh3D, PoMesh, "PoMesh");
}

PoMesh3D::PoMesh3D()
{
  SO_KIT_CONSTRUCTOR(PoMesh3D);
  SO_KIT_INIT_INSTANCE();
}

PoMesh3D::~PoMesh3D()
{
  changeConnection(m_mesh3D, nullptr);
  delete[] m_nodeFlags;
}

void PoMesh3D::setMesh(PbMesh3D* mesh)
{
  replaceFollowed(m_mesh3D, mesh);
}

const PbMesh3D* PoMesh3D::getMesh() const
{
  if (m_mesh3D)
    return m_mesh3D;
  if (const PbMesh3D* mesh = dynamic_cast<const PbMesh3D*>(PoMesh::getMesh()))
    return mesh;
  return isStateValid() && getState() ? PoMeshElement::getMesh3D(getState()) : nullptr;
}

void PoMesh3D::basicObjectChange(PbBase* object)
{
  if (followedObjectChanged(object, m_mesh3D))
    return;
  inherited::basicObjectChange(object);
}

void PoMesh3D::preRebuild()
{
  inherited::preRebuild();
  m_mesh3DInForce = getMesh();
  if (m_coloring != COLOR_INHERITED) {
    const bool hasSet = m_mesh3DInForce && valuesIndex.getValue() >= 0 &&
                        m_mesh3DInForce->getValuesSet(valuesIndex.getValue()) != nullptr;
    // Without a mesh there is nothing to test: the colouring stands, and nothing is drawn.
    if (m_mesh3DInForce && !hasSet)
      m_coloring = COLOR_INHERITED;
  }
}

// ---------------------------------------------------------------------------------------------
// Level surface: shape indices per mesh kind

namespace {
// Case of @p id, or of its complement within @p mask when the surface faces the other way.
inline int caseId(int id, int mask, int orientation)
{
  return orientation ? id : (~id & mask);
}

const int kFirstPointSlotBits = 14; // room for the first 8192 points before the hash grows

inline unsigned pointSlot(int lo, int hi, int bits)
{
  const unsigned long long key = static_cast<unsigned long long>(static_cast<unsigned>(lo)) << 32 |
                                 static_cast<unsigned>(hi);
  return static_cast<unsigned>((key * 0x9E3779B97F4A7C15ull) >> (64 - bits));
}

// The cases of the four kinds by node count, so that one walk serves them all.
template <int N> const PiMarchingCase* caseOf(int id);
template <> const PiMarchingCase* caseOf<4>(int id)
{
  return PbTetrahedronCell::getMCcase(static_cast<unsigned char>(id));
}
template <> const PiMarchingCase* caseOf<5>(int id)
{
  return PbPyramidCell::getMCcase(static_cast<unsigned char>(id));
}
template <> const PiMarchingCase* caseOf<6>(int id)
{
  return PbWedgeCell::getMCcase(static_cast<unsigned char>(id));
}
template <> const PiMarchingCase* caseOf<8>(int id)
{
  return PbHexahedronCell::getMCcase(static_cast<unsigned char>(id));
}

// Orientation of one cut cell: the node's, turned round when the cell's nodes are mirrored.
inline int cellOrientation(int orientation, int numNodes, const int* nodes, const gridlux::ArrayCoord& coord)
{
  return gridlux::cellOrdering(numNodes, nodes, coord) ? orientation : 1 - orientation;
}
}

std::vector<PoMesh3D::OptQuad> PoMesh3D::m_optQuads;
std::unordered_map<unsigned long long, int> PoMesh3D::m_optQuadHeads;

void PoMesh3D::appendIndices(const int* indices, int count)
{
  // The array grows by a fixed step of its own: doubling here keeps big surfaces linear.
  const int num = m_coordIndexArray.getNum();
  if (num + count > m_coordIndexArray.getCapacity())
    m_coordIndexArray.setCapacity(2 * (num + count) + 64, 0);
  m_coordIndexArray.add(count, indices);
}

void PoMesh3D::pushIndex(int index)
{
  appendIndices(&index, 1);
}

void PoMesh3D::pushValue(float value)
{
  float* values = allocPointValues(m_numValues + 1);
  values[m_numValues] = value;
  ++m_numValues;
}

const float* PoMesh3D::beginShapeIndices(const PbMesh3D* mesh, bool orEqual)
{
  // The level set is read from the mesh being cut, whoever asked for it.
  m_mesh3DInForce = mesh;
  const int numNodes = mesh->getNumNodes();
  m_coordIndexArray.empty();
  m_numValues = 0;
  initSurfPointList();
  initOptQuadrangleList();
  const float* values = getIsosurfDataSet();
  if (!values || numNodes <= 0)
    return nullptr;
  float level = getIsosurfValue();
  adjustIsoval(numNodes, values, level);
  m_levelInForce = level;
  if (numNodes >= m_allocNodeFlags) {
    delete[] m_nodeFlags;
    m_allocNodeFlags = 2 * numNodes;
    m_nodeFlags = new unsigned char[m_allocNodeFlags];
  }
  for (int n = 0; n < numNodes; ++n)
    m_nodeFlags[n] = orEqual ? values[n] >= level : values[n] > level;
  return values;
}

long long PoMesh3D::countGridRows(int numRows, int rowLength, const float* values, float level)
{
  m_rowAbove.resize(numRows);
  long long numEqual = 0;
  for (int r = 0; r < numRows; ++r) {
    const float* v = values + static_cast<long long>(r) * rowLength;
    // Two counts the compiler turns into vector compares: no branch per node.
    int above = 0, equal = 0;
    for (int k = 0; k < rowLength; ++k) {
      above += v[k] > level;
      equal += v[k] == level;
    }
    m_rowAbove[r] = above;
    numEqual += equal;
  }
  return numEqual;
}

void PoMesh3D::grid3DLevelSurfShapeIndices(const PbGrid3D* mesh, int orientation, const float* perCellValues)
{
  if (!mesh)
    return;
  m_mesh3DInForce = mesh;
  m_coordIndexArray.empty();
  m_numValues = 0;
  initSurfPointList();
  initOptQuadrangleList();
  const float* values = getIsosurfDataSet();
  const int nX = mesh->getNumX(), nY = mesh->getNumY(), nZ = mesh->getNumZ();
  if (!values || nX < 2 || nY < 2 || nZ < 2)
    return;

  // Rows run along k, contiguous in the value set. The pass that counts the nodes above the
  // level also tells whether any node sits on it; only then is the level moved (and counted again).
  const int numRows = nX * nY;
  float level = getIsosurfValue();
  if (countGridRows(numRows, nZ, values, level) > 0) {
    const float before = level;
    adjustIsoval(mesh->getNumNodes(), values, level);
    if (level != before)
      countGridRows(numRows, nZ, values, level);
  } else {
    adjustIsoval(0, nullptr, level); // nothing to move: records that the level stands
  }
  m_levelInForce = level;

  // First and last crossed edge of each row; a row without crossing keeps first > last.
  m_rowFirst.resize(numRows);
  m_rowLast.resize(numRows);
  for (int r = 0; r < numRows; ++r) {
    const int above = m_rowAbove[r];
    if (above == 0 || above == nZ) {
      m_rowFirst[r] = nZ - 1;
      m_rowLast[r] = -1;
      continue;
    }
    const float* v = values + static_cast<long long>(r) * nZ;
    int first = 0;
    while ((v[first] > level) == (v[first + 1] > level))
      ++first;
    int last = nZ - 2;
    while ((v[last] > level) == (v[last + 1] > level))
      --last;
    m_rowFirst[r] = first;
    m_rowLast[r] = last;
  }

  // Facing: regular grids and rectilinear grids with monotonic axes turn one way throughout;
  // other grids are asked cell by cell.
  const int dy = nZ, dx = nY * nZ;
  int uniformOrdering = -1;
  if (const PbParalCartesianGrid3D* paral = dynamic_cast<const PbParalCartesianGrid3D*>(mesh)) {
    int n[3];
    const float* axis[3];
    paral->getGeometry(n[0], n[1], n[2], axis[0], axis[1], axis[2]);
    int sign = 1;
    for (int a = 0; a < 3 && sign != 0; ++a) {
      const float step = axis[a][1] - axis[a][0];
      for (int i = 0; i + 1 < n[a]; ++i)
        if ((axis[a][i + 1] - axis[a][i]) * step <= 0)
          sign = 0;
      sign *= step > 0 ? 1 : -1;
    }
    if (sign != 0)
      uniformOrdering = sign > 0;
  }
  if (uniformOrdering < 0 && dynamic_cast<const PbRegularCartesianGrid3D*>(mesh)) {
    const int corner[8] = {1, dy + 1, dx + dy + 1, dx + 1, 0, dy, dx + dy, dx};
    uniformOrdering = gridlux::cellOrdering(8, corner, [mesh](int node, double* p) {
      const SbVec3f c = mesh->getNodeCoord(node);
      p[0] = c[0];
      p[1] = c[1];
      p[2] = c[2];
    });
  }
  const auto gridCoord = [mesh](int node, double* p) {
    const SbVec3f c = mesh->getNodeCoord(node);
    p[0] = c[0];
    p[1] = c[1];
    p[2] = c[2];
  };

  initGridEdgePoints(dx);
  int layer = 0;
  auto pointOf = [&](int a, int b) { return gridEdgePoint(a, b, layer, dx, dy); };

  const int withValue = perCellValues != nullptr;
  int nodes[8];
  for (int i = 0; i + 1 < nX; ++i) {
    layer = i;
    for (int j = 0; j + 1 < nY; ++j) {
      // The four rows around this column of cells: (i, j), (i, j+1), (i+1, j+1), (i+1, j).
      const int r[4] = {i * nY + j, i * nY + j + 1, (i + 1) * nY + j + 1, (i + 1) * nY + j};
      int lo = nZ - 1, hi = -1;
      int startAbove = 0, endAbove = 0;
      for (int q = 0; q < 4; ++q) {
        lo = std::min(lo, m_rowFirst[r[q]]);
        hi = std::max(hi, m_rowLast[r[q]]);
        const float* v = values + static_cast<long long>(r[q]) * nZ;
        startAbove |= (v[0] > level) << q;
        endAbove |= (v[nZ - 1] > level) << q;
      }
      // Before its first crossing each row keeps the side of its first node, after the last the
      // side of its last: cells there are cut only when the rows disagree.
      if (startAbove != 0 && startAbove != 15)
        lo = 0;
      if (endAbove != 0 && endAbove != 15)
        hi = nZ - 2;
      if (lo > hi)
        continue;
      const float* v0 = values + static_cast<long long>(r[0]) * nZ;
      const float* v1 = values + static_cast<long long>(r[1]) * nZ;
      const float* v2 = values + static_cast<long long>(r[2]) * nZ;
      const float* v3 = values + static_cast<long long>(r[3]) * nZ;
      const int row = r[0] * nZ;
      const int cellRow = ((nY - 1) * i + j) * (nZ - 1);
      int below = (v0[lo] > level) | (v1[lo] > level) << 1 | (v2[lo] > level) << 2 | (v3[lo] > level) << 3;
      for (int k = lo; k <= hi; ++k) {
        // Local nodes 0-3 at k + 1, 4-7 at k, each ring going (i,j), (i,j+1), (i+1,j+1), (i+1,j).
        const int top = (v0[k + 1] > level) | (v1[k + 1] > level) << 1 | (v2[k + 1] > level) << 2 |
                        (v3[k + 1] > level) << 3;
        const int id = top | below << 4;
        below = top;
        if (id == 0 || id == 255)
          continue;
        const int n4 = row + k;
        nodes[0] = n4 + 1;
        nodes[1] = n4 + dy + 1;
        nodes[2] = n4 + dx + dy + 1;
        nodes[3] = n4 + dx + 1;
        nodes[4] = n4;
        nodes[5] = n4 + dy;
        nodes[6] = n4 + dx + dy;
        nodes[7] = n4 + dx;
        const int ordering = uniformOrdering >= 0 ? uniformOrdering : gridlux::cellOrdering(8, nodes, gridCoord);
        const int cellOrientationNow = ordering ? orientation : 1 - orientation;
        emitCase(PbHexahedronCell::getMCcase(static_cast<unsigned char>(caseId(id, 255, cellOrientationNow))), nodes,
                 withValue, withValue ? perCellValues[cellRow + k] : 0.0f, pointOf);
      }
    }
  }
  addLevelSurfOptQuadrangle(withValue);
}

template <int N>
void PoMesh3D::walkUniformCells(const PbIndexedMesh3D* mesh, int orientation, const float* perCellValues)
{
  int numNodes, numCells;
  const float *x, *y, *z;
  const int *cellIndex, *cellType;
  mesh->getGeometry(numNodes, x, y, z, numCells, cellIndex, cellType);
  if (numCells <= 0 || !cellIndex)
    return;
  const gridlux::ArrayCoord coord = {x, y, z};
  const unsigned char* f = m_nodeFlags;
  const int withValue = perCellValues != nullptr;
  constexpr int full = (1 << N) - 1;
  auto pointOf = [this](int a, int b) {
    int point;
    addSurfPoint(a, b, point);
    return point;
  };
  for (int c = 0; c < numCells; ++c) {
    const int* n = cellIndex + N * c;
    int id = 0;
    for (int k = 0; k < N; ++k)
      id |= f[n[k]] << k;
    if (id == 0 || id == full)
      continue;
    const int o = cellOrientation(orientation, N, n, coord);
    emitCase(caseOf<N>(caseId(id, full, o)), n, withValue, withValue ? perCellValues[c] : 0.0f, pointOf);
  }
}

void PoMesh3D::hexahedronMeshLevelSurfShapeIndices(const PbHexahedronMesh3D* mesh, int orientation,
                                                   const float* perCellValues)
{
  if (!mesh || !beginShapeIndices(mesh, false))
    return;
  walkUniformCells<8>(mesh, orientation, perCellValues);
  addLevelSurfOptQuadrangle(perCellValues != nullptr);
}

void PoMesh3D::tetrahedronMeshLevelSurfShapeIndices(const PbTetrahedronMesh3D* mesh, int orientation,
                                                    const float* perCellValues)
{
  // Tetrahedra have no ambiguous face: no quadrangle to collect.
  if (!mesh || !beginShapeIndices(mesh, false))
    return;
  walkUniformCells<4>(mesh, orientation, perCellValues);
}

void PoMesh3D::indexedMeshLevelSurfShapeIndices(const PbIndexedMesh3D* mesh, int orientation,
                                                const float* perCellValues)
{
  if (!mesh || !beginShapeIndices(mesh, true))
    return;
  int numNodes, numCells;
  const float *x, *y, *z;
  const int *cellIndex, *cellType;
  mesh->getGeometry(numNodes, x, y, z, numCells, cellIndex, cellType);
  if (numCells <= 0 || !cellIndex)
    return;
  const gridlux::ArrayCoord coord = {x, y, z};
  const int length = mesh->getCellIndexLength();
  const unsigned char* f = m_nodeFlags;
  const int withValue = perCellValues != nullptr;
  auto pointOf = [this](int a, int b) {
    int point;
    addSurfPoint(a, b, point);
    return point;
  };
  for (int c = 0; c < numCells; ++c) {
    const int offset = mesh->getCellOffset(c);
    const int end = c + 1 < numCells ? mesh->getCellOffset(c + 1) : length;
    const int count = end - offset;
    if (count != 4 && count != 5 && count != 6 && count != 8)
      continue;
    const int* n = cellIndex + offset;
    int id = 0;
    for (int i = 0; i < count; ++i)
      id |= f[n[i]] << i;
    const int full = (1 << count) - 1;
    if (id == 0 || id == full)
      continue;
    const int o = cellOrientation(orientation, count, n, coord);
    const int caseNumber = caseId(id, full, o);
    const float value = withValue ? perCellValues[c] : 0.0f;
    const PiMarchingCase* item = count == 4   ? caseOf<4>(caseNumber)
                                 : count == 5 ? caseOf<5>(caseNumber)
                                 : count == 6 ? caseOf<6>(caseNumber)
                                              : caseOf<8>(caseNumber);
    emitCase(item, n, withValue, value, pointOf);
  }
  addLevelSurfOptQuadrangle(withValue);
}

// ---------------------------------------------------------------------------------------------
// Level surface: one cell

template <class PointOf>
void PoMesh3D::emitCase(const PiMarchingCase* item, const int* nodes, int withValue, float value, PointOf& pointOf)
{
  if (!item)
    return;
  const std::vector<int>& pairs = item->getNodePairs();
  // No case has more than 12 points; with its separators a cell's strips fit in 32 entries.
  int out[32];
  int numOut = 0;
  int local[12]; // surface points of the case in order
  int numLocal = 0;
  for (size_t i = 0; i < pairs.size() && numOut < 31;) {
    if (pairs[i] < 0) {
      out[numOut++] = -1;
      if (withValue)
        pushValue(value);
      ++i;
      continue;
    }
    const int point = pointOf(nodes[pairs[i]], nodes[pairs[i + 1]]);
    out[numOut++] = point;
    if (numLocal < 12)
      local[numLocal++] = point;
    i += 2;
  }
  out[numOut++] = -1;
  if (withValue)
    pushValue(value);
  appendIndices(out, numOut);
  const std::vector<int>& quads = item->getOptQuads();
  if (quads.empty())
    return;
  int translated[30]; // at most six quadrangles of four points and their separators
  const int num = static_cast<int>(quads.size()) < 30 ? static_cast<int>(quads.size()) : 29;
  for (int i = 0; i < num; ++i)
    translated[i] = quads[i] < 0 ? -1 : quads[i] < numLocal ? local[quads[i]] : -1;
  addOptQuadrangle((num + 1) / 5, translated, value);
}

void PoMesh3D::addLevelSurfPart(const PiMarchingCase* item, const int* nodes, int withValue, float value)
{
  auto pointOf = [this](int a, int b) {
    int point;
    addSurfPoint(a, b, point);
    return point;
  };
  emitCase(item, nodes, withValue, value, pointOf);
}

void PoMesh3D::addTetrahedronLevelSurfPart(int id, const int* nodes, int orientation, int withValue, float value)
{
  addLevelSurfPart(caseOf<4>(caseId(id, 15, orientation)), nodes, withValue, value);
}

void PoMesh3D::addHexahedronLevelSurfPart(int id, const int* nodes, int orientation, int withValue, float value)
{
  addLevelSurfPart(caseOf<8>(caseId(id, 255, orientation)), nodes, withValue, value);
}

void PoMesh3D::addPentahedronLevelSurfPart(int id, const int* nodes, int orientation, int withValue, float value)
{
  addLevelSurfPart(caseOf<6>(caseId(id, 63, orientation)), nodes, withValue, value);
}

void PoMesh3D::addPyramidLevelSurfPart(int id, const int* nodes, int orientation, int withValue, float value)
{
  addLevelSurfPart(caseOf<5>(caseId(id, 31, orientation)), nodes, withValue, value);
}

// ---------------------------------------------------------------------------------------------
// Level surface: shared points and face quadrangles

void PoMesh3D::initSurfPointList()
{
  // The hash is emptied when next used: a grid walk finds its points without it.
  m_surfPairs.clear();
  m_hashedPoints = -1;
  m_pointsGiven = false;
  m_givenPoints.clear();
}

void PoMesh3D::setSurfPointGiven(int point, const SbVec3f& where, float t)
{
  m_pointsGiven = true;
  if (point >= int(m_givenPoints.size())) {
    m_givenPoints.resize(point + 1);
    m_surfParams.resize(point + 1);
  }
  m_givenPoints[point] = where;
  m_surfParams[point] = t;
}

void PoMesh3D::syncPointHash()
{
  const int num = getNumSurfPoints();
  int bits = m_pointSlotBits > 0 ? m_pointSlotBits : kFirstPointSlotBits;
  while ((1LL << bits) < 2LL * num + 2)
    ++bits;
  if (bits != m_pointSlotBits || m_hashedPoints < 0) {
    m_pointSlotBits = bits;
    m_pointSlots.assign(static_cast<size_t>(1) << bits, -1);
    m_hashedPoints = 0;
  }
  const unsigned mask = (1u << bits) - 1;
  for (int p = m_hashedPoints; p < num; ++p) {
    unsigned slot = pointSlot(m_surfPairs[2 * p], m_surfPairs[2 * p + 1], bits);
    while (m_pointSlots[slot] >= 0)
      slot = (slot + 1) & mask;
    m_pointSlots[slot] = p;
  }
  m_hashedPoints = num;
}

int PoMesh3D::addSurfPoint(int node0, int node1, int& pointIndex)
{
  const int num = getNumSurfPoints();
  // Kept at most half full, so that probes stay short.
  if (m_hashedPoints != num || 2LL * num + 2 > (1LL << m_pointSlotBits))
    syncPointHash();
  const int lo = node0 < node1 ? node0 : node1;
  const int hi = node0 < node1 ? node1 : node0;
  const unsigned mask = (1u << m_pointSlotBits) - 1;
  unsigned slot = pointSlot(lo, hi, m_pointSlotBits);
  for (int p; (p = m_pointSlots[slot]) >= 0; slot = (slot + 1) & mask) {
    if (m_surfPairs[2 * p] == lo && m_surfPairs[2 * p + 1] == hi) {
      pointIndex = p;
      return 0;
    }
  }
  pointIndex = num;
  m_pointSlots[slot] = num;
  m_surfPairs.push_back(lo);
  m_surfPairs.push_back(hi);
  m_hashedPoints = num + 1;
  return 1;
}

void PoMesh3D::initGridEdgePoints(int planeSize)
{
  if (m_gridEdgePoints.size() < static_cast<size_t>(6) * planeSize)
    m_gridEdgePoints.assign(static_cast<size_t>(6) * planeSize, -1);
}

// ---------------------------------------------------------------------------------------------
// Plane cuts of outer faces

void PoMesh3D::beginFaceCuts(const float* distances, float level)
{
  m_cutDistances = distances;
  m_cutLevel = level;
  m_edgesInPlane.clear();
}

void PoMesh3D::crossPlaneAndFace(const int* nodes, int num)
{
  const float* dist = m_cutDistances;
  const float d = m_cutLevel;
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

void PoMesh3D::getSkinCrossContour(const PbIndexedMesh3D* mesh)
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

void PoMesh3D::getGrid3DCrossContour(const PbGrid3D* mesh)
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

void PoMesh3D::initOptQuadrangleList()
{
  if (m_optQuads.capacity() == 0)
    m_optQuads.reserve(100);
  m_optQuads.clear();
  m_optQuadHeads.clear();
}

void PoMesh3D::addOptQuadrangle(int count, int* quads, float value)
{
  if (count <= 0 || !quads)
    return;
  for (int q = 0; q < count; ++q) {
    const int* src = quads + 5 * q;
    if (src[0] < 0 || src[1] < 0 || src[2] < 0 || src[3] < 0)
      continue;
    // The same cycle from its smallest point, so that two cells name it alike.
    int start = 0;
    for (int k = 1; k < 4; ++k)
      if (src[k] < src[start])
        start = k;
    const int key[4] = {src[start], src[(start + 1) % 4], src[(start + 2) % 4], src[(start + 3) % 4]};
    const unsigned long long head =
      static_cast<unsigned long long>(static_cast<unsigned>(key[0])) << 32 | static_cast<unsigned>(key[1]);
    auto found = m_optQuadHeads.find(head);
    int record = found == m_optQuadHeads.end() ? -1 : found->second;
    for (; record >= 0; record = m_optQuads[record].next) {
      const OptQuad& r = m_optQuads[record];
      if (r.q[2] == key[2] && r.q[3] == key[3])
        break;
    }
    if (record >= 0) {
      ++m_optQuads[record].count;
      continue;
    }
    OptQuad added = {{key[0], key[1], key[2], key[3]}, 1, value, found == m_optQuadHeads.end() ? -1 : found->second};
    m_optQuadHeads[head] = static_cast<int>(m_optQuads.size());
    m_optQuads.push_back(added);
  }
}

void PoMesh3D::addLevelSurfOptQuadrangle(int withValues)
{
  for (const OptQuad& r : m_optQuads) {
    if (r.count <= 1)
      continue;
    pushIndex(r.q[0]);
    pushIndex(r.q[1]);
    pushIndex(r.q[3]);
    pushIndex(r.q[2]);
    pushIndex(-1);
    if (withValues)
      pushValue(r.value);
  }
}

// ---------------------------------------------------------------------------------------------
// Level surface: points and colours

void PoMesh3D::interpolatePoints(const PbMesh3D* mesh, const float* levelValues, float level, SoMFVec3f& coords)
{
  const int num = getNumSurfPoints();
  if (m_pointsGiven) {
    m_givenPoints.resize(num);
    m_surfParams.resize(num);
    coords.setValues(0, num, m_givenPoints.data());
    coords.setNum(num);
    return;
  }
  m_surfParams.resize(num);
  coords.setNum(num);
  if (num == 0)
    return;
  SbVec3f* out = coords.startEditing();
  // Indexed meshes hand their coordinate arrays; the other kinds compute a node's position.
  const PbIndexedMesh3D* indexed = dynamic_cast<const PbIndexedMesh3D*>(mesh);
  int numNodes = 0;
  const float *x = nullptr, *y = nullptr, *z = nullptr;
  if (indexed)
    indexed->getNodes(numNodes, x, y, z);
  for (int p = 0; p < num; ++p) {
    const int lo = m_surfPairs[2 * p], hi = m_surfPairs[2 * p + 1];
    const float vLo = levelValues[lo], vHi = levelValues[hi];
    const float t = vLo != vHi ? (vLo - level) / (vLo - vHi) : 0.0f;
    m_surfParams[p] = t;
    SbVec3f cLo, cHi;
    if (x) {
      cLo.setValue(x[lo], y[lo], z[lo]);
      cHi.setValue(x[hi], y[hi], z[hi]);
    } else {
      cLo = mesh->getNodeCoord(lo);
      cHi = mesh->getNodeCoord(hi);
    }
    out[p] = cLo - (cLo - cHi) * t;
  }
  coords.finishEditing();
}

void PoMesh3D::computeLevelSurfPointCoord(const PbMesh3D* mesh, const float* levelValues, float level,
                                          SoMFVec3f& coords)
{
  if (!mesh || (!levelValues && !m_pointsGiven)) {
    coords.setNum(0);
    return;
  }
  interpolatePoints(mesh, levelValues, level, coords);
}

namespace {
// A colour value at each surface point, interpolated with the point's parameter.
template <class F> void forEachPointValue(const std::vector<int>& pairs, const std::vector<float>& params,
                                          const float* colorValues, F f)
{
  const int num = static_cast<int>(params.size());
  for (int p = 0; p < num; ++p) {
    const float cLo = colorValues[pairs[2 * p]], cHi = colorValues[pairs[2 * p + 1]];
    f(p, cLo - (cLo - cHi) * params[p]);
  }
}
}

void PoMesh3D::computeLevelSurfPointCoordAndMaterial(const PbMesh3D* mesh, const float* levelValues, float level,
                                                     SoMFVec3f& coords, const float* colorValues)
{
  computeLevelSurfPointCoordAndValues(mesh, levelValues, level, coords, colorValues);
  mapColor(m_numValues, m_pointValues);
}

void PoMesh3D::computeLevelSurfPointCoordAndTexture(const PbMesh3D* mesh, const float* levelValues, float level,
                                                    SoMFVec3f& coords, const float* colorValues,
                                                    SoMFVec2f& texCoords)
{
  computeLevelSurfPointCoordAndValues(mesh, levelValues, level, coords, colorValues);
  texCoords.setNum(m_numValues);
  PiTextureContouring* texture = getTextureContouring();
  if (!texture || m_numValues == 0)
    return;
  texture->getTextureCoords(m_numValues, m_pointValues, texCoords.startEditing());
  texCoords.finishEditing();
}

void PoMesh3D::computeLevelSurfPointCoordAndValues(const PbMesh3D* mesh, const float* levelValues, float level,
                                                   SoMFVec3f& coords, const float* colorValues)
{
  m_numValues = 0;
  m_numPoints = 0;
  computeLevelSurfPointCoord(mesh, levelValues, level, coords);
  if (!mesh || (!levelValues && !m_pointsGiven) || !colorValues)
    return;
  const int num = coords.getNum();
  float* values = allocPointValues(num);
  float* points = allocPoints(num);
  const SbVec3f* in = coords.getValues(0);
  forEachPointValue(m_surfPairs, m_surfParams, colorValues, [&](int p, float v) {
    values[p] = v;
    points[3 * p] = in[p][0];
    points[3 * p + 1] = in[p][1];
    points[3 * p + 2] = in[p][2];
  });
  m_numValues = num;
  m_numPoints = num;
}

void PoMesh3D::computeLevelSurfPerCellMaterial()
{
  mapColor(m_numValues, m_pointValues);
}

// ---------------------------------------------------------------------------------------------
// Level surface: colourings

int PoMesh3D::levelSurfShapeIndices(int orientation, const float* perCellValues)
{
  // A mesh kind without its own operation leaves the buffers empty rather than stale.
  m_coordIndexArray.empty();
  m_numValues = 0;
  initSurfPointList();
  if (!m_mesh3DInForce || !m_levelSurfGroup)
    return 0;
  meshShapeIndices(orientation, perCellValues);
  return m_coordIndexArray.getNum() > 0;
}

void PoMesh3D::meshShapeIndices(int orientation, const float* perCellValues)
{
  m_mesh3DInForce->meshLevelSurfShapeIndices(this, orientation, perCellValues);
}

SoNode* PoMesh3D::makeSurfaceShape() const
{
  SoIndexedTriangleStripSet* strips = new SoIndexedTriangleStripSet;
  strips->coordIndex.setValues(0, m_coordIndexArray.getNum(), m_coordIndexArray.get());
  return strips;
}

void PoMesh3D::addContouringElems(PiContouringFilled* cutter) const
{
  addIndexRuns(cutter, false);
}

void PoMesh3D::addIndexRuns(PiContouringFilled* cutter, bool polygons) const
{
  const int32_t* indices = m_coordIndexArray.get();
  const int total = m_coordIndexArray.getNum();
  for (int start = 0; start < total;) {
    int end = start;
    while (end < total && indices[end] >= 0)
      ++end;
    if (end > start && polygons)
      cutter->addPolygonElems(end - start, indices + start);
    else if (end > start)
      cutter->addStripElems(end - start, indices + start);
    start = end + 1;
  }
}

void PoMesh3D::buildMeshLevelSurfColoring(const float* levelValues, const float* colorValues, bool perCell)
{
  if (perCell) {
    if (m_coloring == COLOR_INHERITED)
      buildMeshLevelSurfInhColr(levelValues, nullptr);
    else
      buildMeshLevelSurfPerCellColr(levelValues, colorValues, nullptr);
  } else {
    switch (m_coloring) {
    case COLOR_AVERAGE:
    case COLOR_MAPPING:
    case COLOR_TEXTURE_CONTOURING:
      buildMeshLevelSurfMapColr(levelValues, colorValues, nullptr);
      break;
    case COLOR_CONTOURING:
      buildMeshLevelSurfContColr(levelValues, colorValues, nullptr);
      break;
    default:
      buildMeshLevelSurfInhColr(levelValues, nullptr);
      break;
    }
  }
}

bool PoMesh3D::beginLevelSurfParts(const char* groupPart)
{
  m_material = nullptr;
  m_levelSurfMaterialBinding = nullptr;
  m_levelSurfTexture = nullptr;
  m_numValues = 0;
  if (!m_mesh3DInForce || m_mesh3DInForce->isEmpty()) {
    setAnyPart("appearance.texture2", nullptr);
    if (m_ownsMaterialPart)
      setAnyPart("appearance.material", nullptr);
    m_ownsMaterialPart = 0;
    setAnyPart(groupPart, nullptr);
    return false;
  }
  m_levelSurfGroup = new SoGroup;
  m_levelSurfGroup->ref();
  return true;
}

void PoMesh3D::placeLevelSurfParts(const char* groupPart)
{
  setAnyPart("appearance.texture2", m_levelSurfTexture);
  // The user's own material part stays unless a generated one replaced it.
  if (m_material || m_ownsMaterialPart)
    setAnyPart("appearance.material", m_material);
  m_ownsMaterialPart = m_material != nullptr;
  setAnyPart(groupPart, m_levelSurfGroup);
  if (m_dataMappingInForce && m_dataMappingInForce->isTransparencyEnabled())
    deleteTransparencyParts(m_dataMappingInForce, m_material, m_levelSurfMaterialBinding, m_levelSurfGroup);
  m_levelSurfGroup->unref();
  m_levelSurfGroup = nullptr;
}

void PoMesh3D::buildMeshLevelSurfInhColr(const float* levelValues, SbVec3f*)
{
  if (!levelSurfShapeIndices(getSurfOrientation(), nullptr))
    return;
  SoCoordinate3* coords = new SoCoordinate3;
  computeLevelSurfPointCoord(m_mesh3DInForce, levelValues, m_levelInForce, coords->point);
  m_levelSurfGroup->addChild(coords);
  m_levelSurfGroup->addChild(makeSurfaceShape());
}

void PoMesh3D::buildMeshLevelSurfPerCellColr(const float* levelValues, const float* colorValues, SbVec3f*)
{
  if (!colorValues) {
    buildMeshLevelSurfInhColr(levelValues, nullptr);
    return;
  }
  if (!levelSurfShapeIndices(getSurfOrientation(), colorValues))
    return;
  m_levelSurfMaterialBinding = new SoMaterialBinding;
  m_levelSurfMaterialBinding->value = SoMaterialBinding::PER_PART;
  m_levelSurfGroup->addChild(m_levelSurfMaterialBinding);
  SoCoordinate3* coords = new SoCoordinate3;
  computeLevelSurfPointCoord(m_mesh3DInForce, levelValues, m_levelInForce, coords->point);
  m_levelSurfGroup->addChild(coords);
  m_levelSurfGroup->addChild(makeSurfaceShape());
  computeLevelSurfPerCellMaterial();
}

void PoMesh3D::buildMeshLevelSurfMapColr(const float* levelValues, const float* colorValues, SbVec3f*)
{
  if (!colorValues) {
    buildMeshLevelSurfInhColr(levelValues, nullptr);
    return;
  }
  if (!levelSurfShapeIndices(getSurfOrientation(), nullptr))
    return;
  SoCoordinate3* coords = new SoCoordinate3;
  if (m_coloring == COLOR_TEXTURE_CONTOURING) {
    SoTextureCoordinateBinding* binding = new SoTextureCoordinateBinding;
    binding->value = SoTextureCoordinateBinding::PER_VERTEX_INDEXED;
    SoTextureCoordinate2* texCoords = new SoTextureCoordinate2;
    m_levelSurfGroup->addChild(binding);
    m_levelSurfGroup->addChild(texCoords);
    computeLevelSurfPointCoordAndTexture(m_mesh3DInForce, levelValues, m_levelInForce, coords->point, colorValues,
                                         texCoords->point);
    if (PiTextureContouring* texture = getTextureContouring())
      m_levelSurfTexture = texture->getTexture();
  } else {
    m_levelSurfMaterialBinding = new SoMaterialBinding;
    m_levelSurfGroup->addChild(m_levelSurfMaterialBinding);
    if (colorValues == levelValues) {
      // The colour of the level itself, over the whole surface.
      computeLevelSurfPointCoord(m_mesh3DInForce, levelValues, m_levelInForce, coords->point);
      const float level = getIsosurfValue();
      mapColor(1, &level);
      m_levelSurfMaterialBinding->value = SoMaterialBinding::OVERALL;
    } else {
      computeLevelSurfPointCoordAndMaterial(m_mesh3DInForce, levelValues, m_levelInForce, coords->point,
                                            colorValues);
      m_levelSurfMaterialBinding->value = SoMaterialBinding::PER_VERTEX_INDEXED;
    }
  }
  m_levelSurfGroup->addChild(coords);
  m_levelSurfGroup->addChild(makeSurfaceShape());
}

void PoMesh3D::buildMeshLevelSurfContColr(const float* levelValues, const float* colorValues, SbVec3f*)
{
  if (!colorValues || colorValues == levelValues) {
    buildMeshLevelSurfMapColr(levelValues, colorValues, nullptr);
    return;
  }
  if (!levelSurfShapeIndices(getSurfOrientation(), nullptr))
    return;
  PiContouringFilled* cutter = getContouringFilled();
  cutter->initGeometry();
  addContouringElems(cutter);
  SoCoordinate3* coords = new SoCoordinate3;
  coords->ref();
  computeLevelSurfPointCoordAndValues(m_mesh3DInForce, levelValues, m_levelInForce, coords->point, colorValues);
  cutter->setPoints(coords->point.getNum(), coords);
  cutter->setDataMapping(m_dataMappingInForce);
  cutter->setIsovaluesList(m_isovaluesListInForce);
  SoMaterial* material = new SoMaterial;
  SoMaterialBinding* binding = new SoMaterialBinding;
  material->ref();
  binding->ref();
  cutter->fillSurf(m_pointValues, nullptr, m_levelSurfGroup, material, binding);
  if (cutter->getNumFaces() > 0) {
    m_material = material;
    m_levelSurfMaterialBinding = binding;
    material->unrefNoDelete();
  } else {
    // No isovalue cuts the surface: it keeps the inherited colour.
    material->unref();
    m_levelSurfGroup->addChild(coords);
    m_levelSurfGroup->addChild(makeSurfaceShape());
  }
  binding->unref();
  coords->unref();
}
