// Unstructured surface mesh: checked geometry, owner lists, orientation flags and exhaustive location.
#include <Gridlux/mesh/PbIndexedMesh2D.h>

#include <Gridlux/representations/PoMesh2DVec.h>
#include <Gridlux/representations/PoMeshFilled.h>
#include <Gridlux/representations/PoMeshLines.h>

#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/mesh/IndexedMeshXP.h>

#include <algorithm>

PbIndexedMesh2D::PbIndexedMesh2D(int isDataDuplicate)
  : PbMesh2D(0, nullptr, isDataDuplicate), m_orientation(NO_ORIENTATION), m_x(nullptr), m_y(nullptr),
    m_cellIndex(nullptr), m_indexLength(0), m_cellType(nullptr), m_offsets(1, 0), m_ownerStart(1, 0),
    m_quadrangleCell(this), m_triangleCell(this)
{
}

PbIndexedMesh2D::PbIndexedMesh2D(int numNodes, const float* x, const float* y, int numCells, const int* cellIndex,
                                 const int* cellType, int isDataDuplicate)
  : PbIndexedMesh2D(isDataDuplicate)
{
  setGeometry(numNodes, x, y, numCells, cellIndex, cellType);
}

PbIndexedMesh2D::PbIndexedMesh2D(int numNodes, const float* x, const float* y, const float* z, int numCells,
                                 const int* cellIndex, const int* cellType, int isDataDuplicate)
  : PbIndexedMesh2D(isDataDuplicate)
{
  setGeometry(numNodes, x, y, z, numCells, cellIndex, cellType);
}

PbIndexedMesh2D::PbIndexedMesh2D(const PbIndexedMesh2D& other)
  : PbMesh2D(other), m_orientation(NO_ORIENTATION), m_x(nullptr), m_y(nullptr), m_cellIndex(nullptr),
    m_indexLength(0), m_cellType(nullptr), m_quadrangleCell(this), m_triangleCell(this)
{
  copyFrom(other);
}

PbIndexedMesh2D& PbIndexedMesh2D::operator=(const PbIndexedMesh2D& other)
{
  if (this != &other) {
    PbMesh2D::operator=(other);
    copyFrom(other);
    notifyGeometry();
  }
  return *this;
}

PbIndexedMesh2D::~PbIndexedMesh2D() = default;

void PbIndexedMesh2D::copyFrom(const PbIndexedMesh2D& other)
{
  using GridluxIndexed::keepFrom;
  const size_t numNodes = size_t(other.m_numMeshNodes), numCells = size_t(other.m_numMeshCells);
  const int duplicate = m_isDataDuplicate;
  m_x = keepFrom(other.m_x, other.m_ownX, numNodes, duplicate, m_ownX);
  m_y = keepFrom(other.m_y, other.m_ownY, numNodes, duplicate, m_ownY);
  m_cellIndex = keepFrom(other.m_cellIndex, other.m_ownIndex, size_t(other.m_indexLength), duplicate, m_ownIndex);
  m_cellType = keepFrom(other.m_cellType, other.m_ownType, numCells, duplicate, m_ownType);
  m_indexLength = other.m_indexLength;
  m_offsets = other.m_offsets;
  m_ownerStart = other.m_ownerStart;
  m_owners = other.m_owners;
  m_orientation = other.m_orientation;
  m_orientFlags = other.m_orientFlags;
  updateBoundingBox();
}

int PbIndexedMesh2D::setGeometry(int numNodes, const float* x, const float* y, int numCells, const int* cellIndex,
                                 const int* cellType)
{
  return storeGeometry("PbIndexedMesh2D::setGeometry", numNodes, x, y, nullptr, numCells, cellIndex, cellType, 0);
}

int PbIndexedMesh2D::setGeometry(int numNodes, const float* x, const float* y, const float* z, int numCells,
                                 const int* cellIndex, const int* cellType)
{
  if (!z && numNodes > 0) {
    PoDebugError::post("PbIndexedMesh2D::setGeometry", "null z array for %d nodes; the geometry is unchanged",
                       numNodes);
    return 0;
  }
  return storeGeometry("PbIndexedMesh2D::setGeometry", numNodes, x, y, z, numCells, cellIndex, cellType, 0);
}

int PbIndexedMesh2D::storeGeometry(const char* method, int numNodes, const float* x, const float* y, const float* z,
                                   int numCells, const int* cellIndex, const int* cellType, int uniformType,
                                   int ownIndices)
{
  using namespace GridluxIndexed;
  if (numNodes > 0 && (!x || !y)) {
    PoDebugError::post(method, "null coordinate array for %d nodes; the geometry is unchanged", numNodes);
    return 0;
  }
  std::vector<int> offsets;
  if (!checkCells(method, numNodes, numCells, cellIndex, cellType, uniformType, (1u << 3) | (1u << 4), offsets))
    return 0;
  if (hasInvalidFloat(method, "x", numNodes, x) || hasInvalidFloat(method, "y", numNodes, y) ||
      (z && hasInvalidFloat(method, "z", numNodes, z)))
    return 0;

  const int duplicate = m_isDataDuplicate;
  m_x = keepArray(x, size_t(numNodes), duplicate, m_ownX);
  m_y = keepArray(y, size_t(numNodes), duplicate, m_ownY);
  setZCoord(z ? numNodes : 0, z);
  m_indexLength = offsets[numCells];
  m_cellIndex = keepArray(cellIndex, size_t(m_indexLength), duplicate || ownIndices, m_ownIndex);
  m_cellType = keepTypes(uniformType, cellType, numCells, duplicate, m_ownType);
  m_offsets.swap(offsets);
  setCounts(numNodes, numCells);
  updateBoundingBox();
  buildOwners();
  setElemOrientation(m_orientation);
  notifyGeometry();
  return 1;
}

void PbIndexedMesh2D::buildOwners()
{
  GridluxIndexed::buildOwners(m_numMeshNodes, m_numMeshCells, m_cellIndex, m_offsets, m_ownerStart, m_owners);
}

void PbIndexedMesh2D::getGeometry(int& numNodes, const float*& x, const float*& y, const float*& z, int& numCells,
                                  const int*& cellIndex, const int*& cellType) const
{
  numNodes = m_numMeshNodes;
  x = m_x;
  y = m_y;
  z = m_zCoord;
  numCells = m_numMeshCells;
  cellIndex = m_cellIndex;
  cellType = m_cellType;
}

void PbIndexedMesh2D::getNodes(int& numNodes, const float*& x, const float*& y) const
{
  numNodes = m_numMeshNodes;
  x = m_x;
  y = m_y;
}

int PbIndexedMesh2D::getCellOffset(int cellIndex) const
{
  return cellIndex >= 0 && cellIndex < m_numMeshCells ? m_offsets[cellIndex] : -1;
}

void PbIndexedMesh2D::setElemOrientation(ElemOrientation mode)
{
  m_orientation = mode;
  if (mode == NO_ORIENTATION) {
    m_orientFlags.clear();
    return;
  }
  m_orientFlags.assign(size_t(m_numMeshCells), 0);
  for (int c = 0; c < m_numMeshCells; c++) {
    if (m_cellType[c] < 3)
      continue;
    const int* n = m_cellIndex + m_offsets[c];
    const double xa = m_x[n[0]], ya = m_y[n[0]], xb = m_x[n[1]], yb = m_y[n[1]], xc = m_x[n[2]], yc = m_y[n[2]];
    m_orientFlags[c] = (xb - xa) * (yc - yb) - (xc - xb) * (yb - ya) > 0 ? 1 : 0;
  }
}

SbVec3f PbIndexedMesh2D::getNodeCoord(int nodeIndex) const
{
  if (nodeIndex < 0 || nodeIndex >= m_numMeshNodes)
    return SbVec3f(0, 0, 0);
  return SbVec3f(m_x[nodeIndex], m_y[nodeIndex], m_zCoord ? m_zCoord[nodeIndex] : 0.0f);
}

const PbCell* PbIndexedMesh2D::getCell(int cellIndex) const
{
  if (cellIndex < 0 || cellIndex >= m_numMeshCells)
    return nullptr;
  switch (m_cellType[cellIndex]) {
  case 3:
    return setTriangle(cellIndex, m_offsets[cellIndex]);
  case 4:
    return setQuadrangle(cellIndex, m_offsets[cellIndex]);
  default:
    return nullptr;
  }
}

void PbIndexedMesh2D::getNodeOwnerCellsInd(int nodeIndex, PbArrayOfInt& cells) const
{
  GridluxIndexed::ownerRow(m_ownerStart, m_owners, m_numMeshNodes, nodeIndex, cells);
}

void PbIndexedMesh2D::getNodesOwnerCellsInd(const PbArrayOfInt& nodeIndices, PbArrayOfInt& cells) const
{
  if (nodeIndices.getNum() > PbCell::MAX_NODES)
    PbMesh2D::getNodesOwnerCellsInd(nodeIndices, cells);
  else
    GridluxIndexed::intersectOwnerList(m_ownerStart, m_owners, m_numMeshNodes, nodeIndices, cells);
}

void PbIndexedMesh2D::updateBoundingBox()
{
  m_boundingBox.makeEmpty();
  for (int n = 0; n < m_numMeshNodes; n++)
    m_boundingBox.extendBy(SbVec3f(m_x[n], m_y[n], m_zCoord ? m_zCoord[n] : 0.0f));
}

const PbCell* PbIndexedMesh2D::findContainingCellProtected(const SbVec3f& point, float tolerance, SbVec3f& pcoord,
                                                           PbArrayOfInt&) const
{
  // Every cell in index order; a box test first keeps the exhaustive search cheap.
  const float px = point[0], py = point[1];
  for (int c = 0; c < m_numMeshCells; c++) {
    const int type = m_cellType[c];
    if (type != 3 && type != 4)
      continue;
    const int* n = m_cellIndex + m_offsets[c];
    float xmin = m_x[n[0]], xmax = xmin, ymin = m_y[n[0]], ymax = ymin;
    for (int k = 1; k < type; k++) {
      xmin = std::min(xmin, m_x[n[k]]);
      xmax = std::max(xmax, m_x[n[k]]);
      ymin = std::min(ymin, m_y[n[k]]);
      ymax = std::max(ymax, m_y[n[k]]);
    }
    // A parametric tolerance t moves the accepted region out by at most 2 t times the cell's extent.
    const float t = 3 * (tolerance > 0 ? tolerance : 0);
    const float mx = (xmax - xmin) * t + 1e-4f + 1e-6f * std::abs(px);
    const float my = (ymax - ymin) * t + 1e-4f + 1e-6f * std::abs(py);
    if (px < xmin - mx || px > xmax + mx || py < ymin - my || py > ymax + my)
      continue;
    if (type == 3) {
      setTriangle(c, m_offsets[c]);
      if (m_triangleCell.PbTriangleCell::locatePoint(point, tolerance, pcoord))
        return &m_triangleCell;
    }
    else {
      setQuadrangle(c, m_offsets[c]);
      if (m_quadrangleCell.PbQuadrangleCell::locatePoint(point, tolerance, pcoord))
        return &m_quadrangleCell;
    }
  }
  return nullptr;
}

void PbIndexedMesh2D::print(FILE* file) const
{
  PbMesh2D::print(file);
  fprintf(file, "PbIndexedMesh2D:: numCells = %d, index list length = %d\n", m_numMeshCells, m_indexLength);
  for (int n = 0; n < m_numMeshNodes; n++)
    fprintf(file, "PbIndexedMesh2D:: node %d : %f %f\n", n, m_x[n], m_y[n]);
  GridluxIndexed::printCells(file, "PbIndexedMesh2D::", m_numMeshCells, m_cellType, m_offsets, m_cellIndex);
}

void PbIndexedMesh2D::meshLines(PoMeshLines* node) const
{
  if (node)
    node->indexedLines(this);
}

void PbIndexedMesh2D::meshFilled(PoMeshFilled* node) const
{
  if (node)
    node->indexedMeshFilled(this);
}

void PbIndexedMesh2D::mesh2DVec(PoMesh2DVec* node) const
{
  if (node)
    node->indexedMesh2DVec(this);
}
