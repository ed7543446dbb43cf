// Unstructured volume mesh: checked geometry, cell offsets, owner lists on demand, octree location.
#include <Gridlux/mesh/PbIndexedMesh3D.h>

#include <Gridlux/representations/PoMesh3D.h>
#include <Gridlux/representations/PoMesh3DVec.h>
#include <Gridlux/representations/PoMeshCrossContour.h>
#include <Gridlux/representations/PoMeshSkeleton.h>
#include <Gridlux/representations/PoMeshSkin.h>
#include <Gridlux/representations/PoMeshCrossSection.h>

#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/mesh/IndexedMeshXP.h>

#include <algorithm>
#include <cmath>

namespace {
const unsigned kVolumeKinds = (1u << 4) | (1u << 5) | (1u << 6) | (1u << 8);
}

PbIndexedMesh3D::PbIndexedMesh3D(int isDataDuplicate)
  : PbMesh3D(isDataDuplicate), m_x(nullptr), m_y(nullptr), m_z(nullptr), m_cellIndex(nullptr), m_indexLength(0),
    m_cellType(nullptr), m_offsets(1, 0), m_ownersCurrent(0), m_hexahedronCell(this), m_tetrahedronCell(this),
    m_wedgeCell(this), m_pyramidCell(this)
{
}

PbIndexedMesh3D::PbIndexedMesh3D(int numNodes, const float* x, const float* y, const float* z, int numCells,
                                 const int* cellIndex, const int* cellType, int isDataDuplicate)
  : PbIndexedMesh3D(isDataDuplicate)
{
  setGeometry(numNodes, x, y, z, numCells, cellIndex, cellType);
}

PbIndexedMesh3D::PbIndexedMesh3D(const PbIndexedMesh3D& other)
  : PbMesh3D(other), m_x(nullptr), m_y(nullptr), m_z(nullptr), m_cellIndex(nullptr), m_indexLength(0),
    m_cellType(nullptr), m_ownersCurrent(0), m_hexahedronCell(this), m_tetrahedronCell(this), m_wedgeCell(this),
    m_pyramidCell(this)
{
  copyFrom(other);
}

PbIndexedMesh3D& PbIndexedMesh3D::operator=(const PbIndexedMesh3D& other)
{
  if (this != &other) {
    PbMesh3D::operator=(other);
    copyFrom(other);
    notifyGeometry();
  }
  return *this;
}

PbIndexedMesh3D::~PbIndexedMesh3D() = default;

void PbIndexedMesh3D::copyFrom(const PbIndexedMesh3D& other)
{
  using GridluxIndexed::keepFrom;
  const size_t numNodes = size_t(other.m_numMeshNodes), numCells = size_t(other.m_numMeshCells);
  const int duplicate = m_isDataDuplicate;
  m_x = keepFrom(other.m_x, other.m_ownX, numNodes, duplicate, m_ownX);
  m_y = keepFrom(other.m_y, other.m_ownY, numNodes, duplicate, m_ownY);
  m_z = keepFrom(other.m_z, other.m_ownZ, numNodes, duplicate, m_ownZ);
  m_cellIndex = keepFrom(other.m_cellIndex, other.m_ownIndex, size_t(other.m_indexLength), duplicate, m_ownIndex);
  m_cellType = keepFrom(other.m_cellType, other.m_ownType, numCells, duplicate, m_ownType);
  m_indexLength = other.m_indexLength;
  m_offsets = other.m_offsets;
  m_ownersCurrent = 0;
  markOctreeStale();
  m_skinCurrent = 0;
  geometryChanged();
  updateBoundingBox();
}

int PbIndexedMesh3D::setGeometry(int numNodes, const float* x, const float* y, const float* z, int numCells,
                                 const int* cellIndex, const int* cellType)
{
  return storeGeometry("PbIndexedMesh3D::setGeometry", numNodes, x, y, z, numCells, cellIndex, cellType, 0);
}

int PbIndexedMesh3D::storeGeometry(const char* method, int numNodes, const float* x, const float* y, const float* z,
                                   int numCells, const int* cellIndex, const int* cellType, int uniformType)
{
  using namespace GridluxIndexed;
  if (numNodes > 0 && (!x || !y || !z)) {
    PoDebugError::post(method, "null coordinate array for %d nodes; the geometry is unchanged", numNodes);
    return 0;
  }
  std::vector<int> offsets;
  if (!checkCells(method, numNodes, numCells, cellIndex, cellType, uniformType, kVolumeKinds, offsets))
    return 0;
  if (hasInvalidFloat(method, "x", numNodes, x) || hasInvalidFloat(method, "y", numNodes, y) ||
      hasInvalidFloat(method, "z", numNodes, z))
    return 0;

  const int duplicate = m_isDataDuplicate;
  m_x = keepArray(x, size_t(numNodes), duplicate, m_ownX);
  m_y = keepArray(y, size_t(numNodes), duplicate, m_ownY);
  m_z = keepArray(z, size_t(numNodes), duplicate, m_ownZ);
  m_indexLength = offsets[numCells];
  m_cellIndex = keepArray(cellIndex, size_t(m_indexLength), duplicate, m_ownIndex);
  m_cellType = keepTypes(uniformType, cellType, numCells, duplicate, m_ownType);
  m_offsets.swap(offsets);
  m_ownersCurrent = 0;
  m_ownerStart.clear();
  m_owners.clear();
  setCounts(numNodes, numCells);
  markOctreeStale();
  m_skinCurrent = 0;
  updateBoundingBox();
  notifyGeometry();
  return 1;
}

void PbIndexedMesh3D::ensureOwners() const
{
  if (m_ownersCurrent)
    return;
  GridluxIndexed::buildOwners(m_numMeshNodes, m_numMeshCells, m_cellIndex, m_offsets, m_ownerStart, m_owners);
  m_ownersCurrent = 1;
}

void PbIndexedMesh3D::getGeometry(int& numNodes, const float*& x, const float*& y, const float*& z, int& numCells,
                                  const int*& cellIndex, const int*& cellType) const
{
  numNodes = m_numMeshNodes;
  x = m_x;
  y = m_y;
  z = m_z;
  numCells = m_numMeshCells;
  cellIndex = m_cellIndex;
  cellType = m_cellType;
}

void PbIndexedMesh3D::getNodes(int& numNodes, const float*& x, const float*& y, const float*& z) const
{
  numNodes = m_numMeshNodes;
  x = m_x;
  y = m_y;
  z = m_z;
}

int PbIndexedMesh3D::getCellOffset(int cellIndex) const
{
  return cellIndex >= 0 && cellIndex < m_numMeshCells ? m_offsets[cellIndex] : -1;
}

SbVec3f PbIndexedMesh3D::getNodeCoord(int nodeIndex) const
{
  if (nodeIndex < 0 || nodeIndex >= m_numMeshNodes)
    return SbVec3f(0, 0, 0);
  return SbVec3f(m_x[nodeIndex], m_y[nodeIndex], m_z[nodeIndex]);
}

const PbCell* PbIndexedMesh3D::getCell(int cellIndex) const
{
  if (cellIndex < 0 || cellIndex >= m_numMeshCells)
    return nullptr;
  const int* nodes = m_cellIndex + m_offsets[cellIndex];
  switch (m_cellType[cellIndex]) {
  case 4:
    m_tetrahedronCell.set(cellIndex, nodes, m_x, m_y, m_z);
    return &m_tetrahedronCell;
  case 5:
    m_pyramidCell.set(cellIndex, nodes, m_x, m_y, m_z);
    return &m_pyramidCell;
  case 6:
    m_wedgeCell.set(cellIndex, nodes, m_x, m_y, m_z);
    return &m_wedgeCell;
  case 8:
    m_hexahedronCell.set(cellIndex, nodes, m_x, m_y, m_z);
    return &m_hexahedronCell;
  default:
    return nullptr;
  }
}

void PbIndexedMesh3D::getNodeOwnerCellsInd(int nodeIndex, PbArrayOfInt& cells) const
{
  if (nodeIndex >= 0 && nodeIndex < m_numMeshNodes)
    ensureOwners();
  GridluxIndexed::ownerRow(m_ownerStart, m_owners, m_numMeshNodes, nodeIndex, cells);
}

void PbIndexedMesh3D::getNodesOwnerCellsInd(const PbArrayOfInt& nodeIndices, PbArrayOfInt& cells) const
{
  if (nodeIndices.getNum() > PbCell::MAX_NODES) {
    PbMesh3D::getNodesOwnerCellsInd(nodeIndices, cells);
    return;
  }
  ensureOwners();
  GridluxIndexed::intersectOwnerList(m_ownerStart, m_owners, m_numMeshNodes, nodeIndices, cells);
}

void PbIndexedMesh3D::updateBoundingBox()
{
  m_boundingBox.makeEmpty();
  for (int n = 0; n < m_numMeshNodes; n++)
    m_boundingBox.extendBy(SbVec3f(m_x[n], m_y[n], m_z[n]));
}

float PbIndexedMesh3D::computeLongestEdgeLength() const
{
  // Per kind: the edges of a tetrahedron, the four main diagonals of a hexahedron, and every
  // node pair of a pyramid or a wedge (their longest distance is a diagonal or an edge).
  static const int tetPairs[6][2] = {{0, 1}, {1, 2}, {2, 0}, {0, 3}, {1, 3}, {2, 3}};
  static const int hexPairs[4][2] = {{0, 6}, {1, 7}, {2, 4}, {3, 5}};
  double longest = 0;
  auto measure = [this, &longest](const int* nodes, int a, int b) {
    const double dx = double(m_x[nodes[a]]) - m_x[nodes[b]], dy = double(m_y[nodes[a]]) - m_y[nodes[b]],
                 dz = double(m_z[nodes[a]]) - m_z[nodes[b]];
    longest = std::max(longest, dx * dx + dy * dy + dz * dz);
  };
  for (int c = 0; c < m_numMeshCells; c++) {
    const int* nodes = m_cellIndex + m_offsets[c];
    const int type = m_cellType[c];
    if (type == 4)
      for (const auto& p : tetPairs)
        measure(nodes, p[0], p[1]);
    else if (type == 8)
      for (const auto& p : hexPairs)
        measure(nodes, p[0], p[1]);
    else if (type == 5 || type == 6)
      for (int a = 0; a < type; a++)
        for (int b = a + 1; b < type; b++)
          measure(nodes, a, b);
  }
  return float(std::sqrt(longest));
}

void PbIndexedMesh3D::print(FILE* file) const
{
  PbMesh3D::print(file);
  fprintf(file, "PbIndexedMesh3D:: numCells = %d, index list length = %d\n", m_numMeshCells, m_indexLength);
  for (int n = 0; n < m_numMeshNodes; n++)
    fprintf(file, "PbIndexedMesh3D:: node %d : %f %f %f\n", n, m_x[n], m_y[n], m_z[n]);
  GridluxIndexed::printCells(file, "PbIndexedMesh3D::", m_numMeshCells, m_cellType, m_offsets, m_cellIndex);
}

void PbIndexedMesh3D::meshLevelSurfShapeIndices(PoMesh3D* node, int orientation, const float* perCellValues) const
{
  if (node)
    node->indexedMeshLevelSurfShapeIndices(this, orientation, perCellValues);
}

void PbIndexedMesh3D::meshCrossSection(PoMeshCrossSection* node) const
{
  if (node)
    node->indexedMeshCrossSection(this);
}

void PbIndexedMesh3D::meshSkin(PoMeshSkin* node) const
{
  if (node)
    node->indexedMeshSkin(this);
}

void PbIndexedMesh3D::meshSkeleton(PoMeshSkeleton* node, const float* values, float* xPlanes, float* yPlanes,
                             float* zPlanes) const
{
  if (node)
    node->indexedMeshSkeleton(this, values, xPlanes, yPlanes, zPlanes);
}

void PbIndexedMesh3D::meshSkinFilter(PoMeshSkin* node, const PoCellFilter* filter) const
{
  if (node)
    node->indexed3DSkinFilter(this, filter);
}

void PbIndexedMesh3D::meshCrossContour(PoMeshCrossContour* node) const
{
  if (node)
    node->indexedMeshCrossContour(this);
}

int PbIndexedMesh3D::evaluateSkinFacesNum() const
{
  int num = 0;
  for (int c = 0; c < m_numMeshCells; ++c) {
    const int count = m_offsets[c + 1] - m_offsets[c];
    num += count == 4 ? 4 : count == 5 || count == 6 ? 5 : count == 8 ? 6 : 0;
  }
  return num;
}

const PbIndexedMesh3D::CellFaceTable* PbIndexedMesh3D::getCellFaceTable(int numNodes)
{
  // Each face turns towards the inside of a cell listed in its kind's reference order.
  static const CellFaceTable tetrahedron = {4, {3, 3, 3, 3}, {{0, 1, 2}, {0, 3, 1}, {0, 2, 3}, {1, 3, 2}}};
  static const CellFaceTable pyramid = {
      5, {4, 3, 3, 3, 3}, {{0, 1, 2, 3}, {0, 4, 1}, {1, 4, 2}, {2, 4, 3}, {3, 4, 0}}};
  static const CellFaceTable wedge = {
      5, {3, 3, 4, 4, 4}, {{0, 1, 2}, {3, 5, 4}, {1, 4, 5, 2}, {0, 2, 5, 3}, {0, 3, 4, 1}}};
  static const CellFaceTable hexahedron = {
      6,
      {4, 4, 4, 4, 4, 4},
      {{0, 1, 2, 3}, {0, 3, 7, 4}, {0, 4, 5, 1}, {1, 5, 6, 2}, {2, 6, 7, 3}, {4, 7, 6, 5}}};
  switch (numNodes) {
  case 4:
    return &tetrahedron;
  case 5:
    return &pyramid;
  case 6:
    return &wedge;
  case 8:
    return &hexahedron;
  default:
    return nullptr;
  }
}

void PbIndexedMesh3D::updateSkin() const
{
  if (!m_skin)
    m_skin.reset(new PbMeshSkinData);
  PbMeshSkinData& skin = *m_skin;
  if (!m_skinCurrent) {
    const int expected = evaluateSkinFacesNum() / 2;
    skin.init3pFaceList(expected);
    skin.init4pFaceList(expected);
    for (int c = 0; c < m_numMeshCells; ++c) {
      const int* n = m_cellIndex + m_offsets[c];
      const CellFaceTable* table = getCellFaceTable(m_offsets[c + 1] - m_offsets[c]);
      if (!table)
        continue;
      for (int f = 0; f < table->numFaces; ++f) {
        const signed char* q = table->faces[f];
        if (table->sizes[f] == 4)
          skin.addFace4p(c, n[q[0]], n[q[1]], n[q[2]], n[q[3]]);
        else
          skin.addFace3p(c, n[q[0]], n[q[1]], n[q[2]]);
      }
    }
    m_skinCurrent = 1;
  }
  skin.startGettingFace3p();
  skin.startGettingFace4p();
}

void PbIndexedMesh3D::mesh3DVec(PoMesh3DVec* node) const
{
  if (node)
    node->indexedMesh3DVec(this);
}
