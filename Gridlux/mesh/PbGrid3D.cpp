// Structured 3D grids: geometry replacement, index arithmetic and adjacency.
#include <Gridlux/mesh/PbGrid3D.h>

#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/representations/PoMesh3D.h>
#include <Gridlux/representations/PoMeshSkin.h>

PbGrid3D::PbGrid3D(int isDataDuplicate) : PbMesh3D(isDataDuplicate), m_numX(0), m_numY(0), m_numZ(0) {}

PbGrid3D& PbGrid3D::operator=(const PbGrid3D& other)
{
  if (this != &other) {
    PbMesh3D::operator=(other);
    m_numX = other.m_numX;
    m_numY = other.m_numY;
    m_numZ = other.m_numZ;
  }
  return *this;
}

int PbGrid3D::checkCounts(const char* method, int numX, int numY, int numZ)
{
  if (numX <= 0 || numY <= 0 || numZ <= 0) {
    PoDebugError::post(method, "node counts must be positive (numX %d, numY %d, numZ %d); the geometry is unchanged",
                       numX, numY, numZ);
    return 0;
  }
  if (double(numX) * numY * numZ > 2147483647.0) {
    PoDebugError::post(method, "%d x %d x %d nodes are too many for one grid; the geometry is unchanged", numX, numY,
                       numZ);
    return 0;
  }
  return 1;
}

int PbGrid3D::setGeometry(int numX, int numY, int numZ, const float* x, const float* y, const float* z)
{
  if (!checkCounts("PbGrid3D::setGeometry", numX, numY, numZ) || !setXYZGeometry(numX, numY, numZ, x, y, z))
    return 0;
  applyCounts(numX, numY, numZ);
  updateBoundingBox();
  notifyGeometry();
  return 1;
}

void PbGrid3D::applyCounts(int numX, int numY, int numZ)
{
  if (numX * numY * numZ != m_numMeshNodes && m_isDataDuplicate) {
    const int enabled = isConnectionEnabled();
    enableConnection(0);
    removeAllValuesSet();
    removeAllStringsSet();
    removeAllVecsSet();
    enableConnection(enabled);
  }
  m_numX = numX;
  m_numY = numY;
  m_numZ = numZ;
  const int cells = numX >= 2 && numY >= 2 && numZ >= 2 ? (numX - 1) * (numY - 1) * (numZ - 1) : 0;
  setCounts(numX * numY * numZ, cells);
  markOctreeStale();
}

void PbGrid3D::getNodeIndices(int node, int& i, int& j, int& k) const
{
  if (m_numY <= 0 || m_numZ <= 0) {
    i = j = k = -1;
    return;
  }
  k = node % m_numZ;
  j = (node / m_numZ) % m_numY;
  i = node / (m_numZ * m_numY);
}

void PbGrid3D::getCellIndices(int cell, int& i, int& j, int& k) const
{
  if (m_numY <= 1 || m_numZ <= 1) {
    i = j = k = -1;
    return;
  }
  k = cell % (m_numZ - 1);
  j = (cell / (m_numZ - 1)) % (m_numY - 1);
  i = cell / ((m_numZ - 1) * (m_numY - 1));
}

SbVec3f PbGrid3D::getNodeCoord(int nodeIndex) const
{
  if (nodeIndex < 0 || nodeIndex >= m_numMeshNodes)
    return SbVec3f(0, 0, 0);
  int i, j, k;
  getNodeIndices(nodeIndex, i, j, k);
  return getNodeCoord(i, j, k);
}

void PbGrid3D::getNodeOwnerCellsInd(int nodeIndex, PbArrayOfInt& cells) const
{
  cells.empty();
  if (nodeIndex < 0 || nodeIndex >= m_numMeshNodes || m_numMeshCells == 0)
    return;
  int i, j, k;
  getNodeIndices(nodeIndex, i, j, k);
  // The 2D order of owners (i, j), (i-1, j), (i-1, j-1), (i, j-1), at k and then at k - 1.
  static const int di[4] = {0, -1, -1, 0}, dj[4] = {0, 0, -1, -1};
  for (int dk = 0; dk >= -1; dk--)
    for (int q = 0; q < 4; q++) {
      const int ci = i + di[q], cj = j + dj[q], ck = k + dk;
      if (ci >= 0 && ci <= m_numX - 2 && cj >= 0 && cj <= m_numY - 2 && ck >= 0 && ck <= m_numZ - 2)
        cells.add(getCellIndex(ci, cj, ck));
    }
}

void PbGrid3D::getAdjacentCellsIndByFacet(int cellIndex, PbArrayOfInt& cells) const
{
  cells.empty();
  if (cellIndex < 0 || cellIndex >= m_numMeshCells)
    return;
  int i, j, k;
  getCellIndices(cellIndex, i, j, k);
  if (i > 0)
    cells.add(getCellIndex(i - 1, j, k));
  if (i < m_numX - 2)
    cells.add(getCellIndex(i + 1, j, k));
  if (j > 0)
    cells.add(getCellIndex(i, j - 1, k));
  if (j < m_numY - 2)
    cells.add(getCellIndex(i, j + 1, k));
  if (k > 0)
    cells.add(getCellIndex(i, j, k - 1));
  if (k < m_numZ - 2)
    cells.add(getCellIndex(i, j, k + 1));
}

void PbGrid3D::getAdjacentCellsIndByNode(int cellIndex, PbArrayOfInt& cells) const
{
  cells.empty();
  if (cellIndex < 0 || cellIndex >= m_numMeshCells)
    return;
  int i, j, k;
  getCellIndices(cellIndex, i, j, k);
  for (int di = -1; di <= 1; di++)
    for (int dj = -1; dj <= 1; dj++)
      for (int dk = -1; dk <= 1; dk++) {
        const int ci = i + di, cj = j + dj, ck = k + dk;
        if ((di || dj || dk) && ci >= 0 && ci <= m_numX - 2 && cj >= 0 && cj <= m_numY - 2 && ck >= 0 &&
            ck <= m_numZ - 2)
          cells.add(getCellIndex(ci, cj, ck));
      }
}

int PbGrid3D::evaluateSkinFacesNum() const
{
  if (m_numMeshCells == 0)
    return 0;
  const int a = m_numX - 1, b = m_numY - 1, c = m_numZ - 1;
  return 2 * (a * b + b * c + a * c);
}

void PbGrid3D::print(FILE* file) const
{
  PbMesh3D::print(file);
  fprintf(file, "PbGrid3D:: numX,numY,numZ %d %d %d\n", m_numX, m_numY, m_numZ);
}

void PbGrid3D::meshSkinFilter(PoMeshSkin* node, const PoCellFilter* filter) const
{
  if (node)
    node->grid3DSkinFilter(this, filter);
}

void PbGrid3D::meshLevelSurfShapeIndices(PoMesh3D* node, int orientation, const float* perCellValues) const
{
  if (node)
    node->grid3DLevelSurfShapeIndices(this, orientation, perCellValues);
}
