// Structured 2D grids: geometry replacement, index arithmetic, adjacency and the boundary loop.
#include <Gridlux/mesh/PbGrid2D.h>

#include <Gridlux/base/PoDebugError.h>

PbGrid2D::PbGrid2D(int isDataDuplicate) : PbMesh2D(0, nullptr, isDataDuplicate), m_numX(0), m_numY(0) {}

PbGrid2D& PbGrid2D::operator=(const PbGrid2D& other)
{
  if (this != &other) {
    PbMesh2D::operator=(other);
    m_numX = other.m_numX;
    m_numY = other.m_numY;
  }
  return *this;
}

int PbGrid2D::checkCounts(const char* method, int numX, int numY)
{
  if (numX <= 0 || numY <= 0) {
    PoDebugError::post(method, "node counts must be positive (numX %d, numY %d); the geometry is unchanged", numX,
                       numY);
    return 0;
  }
  if (long(numX) * numY > 0x7fffffffL) {
    PoDebugError::post(method, "%d x %d nodes are too many for one grid; the geometry is unchanged", numX, numY);
    return 0;
  }
  return 1;
}

int PbGrid2D::setGeometry(int numX, int numY, const float* x, const float* y)
{
  if (!checkCounts("PbGrid2D::setGeometry", numX, numY) || !setXYGeometry(numX, numY, x, y))
    return 0;
  setZCoord(0, nullptr);
  applyCounts(numX, numY);
  updateBoundingBox();
  notifyGeometry();
  return 1;
}

int PbGrid2D::setGeometry(int numX, int numY, const float* x, const float* y, const float* z)
{
  if (!checkCounts("PbGrid2D::setGeometry", numX, numY))
    return 0;
  if (z && hasInvalidFloat("PbGrid2D::setGeometry", "z", numX * numY, z))
    return 0;
  if (!setXYGeometry(numX, numY, x, y))
    return 0;
  setZCoord(z ? numX * numY : 0, z);
  applyCounts(numX, numY);
  updateBoundingBox();
  notifyGeometry();
  return 1;
}

void PbGrid2D::applyCounts(int numX, int numY)
{
  if (numX * numY != m_numMeshNodes && m_isDataDuplicate) {
    // The sets were sized for the old nodes; the followers hear the geometry change next.
    const int enabled = isConnectionEnabled();
    enableConnection(0);
    removeAllValuesSet();
    removeAllStringsSet();
    removeAllVecsSet();
    enableConnection(enabled);
  }
  m_numX = numX;
  m_numY = numY;
  setCounts(numX * numY, numX >= 2 && numY >= 2 ? (numX - 1) * (numY - 1) : 0);
}

void PbGrid2D::getNodeIndices(int node, int& i, int& j) const
{
  if (m_numY <= 0) {
    i = j = -1;
    return;
  }
  i = node / m_numY;
  j = node % m_numY;
}

void PbGrid2D::getCellIndices(int cell, int& i, int& j) const
{
  if (m_numY <= 1) {
    i = j = -1;
    return;
  }
  i = cell / (m_numY - 1);
  j = cell % (m_numY - 1);
}

SbVec3f PbGrid2D::getNodeCoord(int nodeIndex) const
{
  if (nodeIndex < 0 || nodeIndex >= m_numMeshNodes)
    return SbVec3f(0, 0, 0);
  return getNodeCoord(nodeIndex / m_numY, nodeIndex % m_numY);
}

void PbGrid2D::getNodeOwnerCellsInd(int nodeIndex, PbArrayOfInt& cells) const
{
  cells.empty();
  if (nodeIndex < 0 || nodeIndex >= m_numMeshNodes || m_numMeshCells == 0)
    return;
  const int i = nodeIndex / m_numY, j = nodeIndex % m_numY;
  const int lastI = m_numX - 1, lastJ = m_numY - 1;
  if (i < lastI && j < lastJ)
    cells.add(getCellIndex(i, j));
  if (i > 0 && j < lastJ)
    cells.add(getCellIndex(i - 1, j));
  if (i > 0 && j > 0)
    cells.add(getCellIndex(i - 1, j - 1));
  if (i < lastI && j > 0)
    cells.add(getCellIndex(i, j - 1));
}

void PbGrid2D::getAdjacentCellsIndByFacet(int cellIndex, PbArrayOfInt& cells) const
{
  cells.empty();
  if (cellIndex < 0 || cellIndex >= m_numMeshCells)
    return;
  int i, j;
  getCellIndices(cellIndex, i, j);
  if (i > 0)
    cells.add(getCellIndex(i - 1, j));
  if (i < m_numX - 2)
    cells.add(getCellIndex(i + 1, j));
  if (j > 0)
    cells.add(getCellIndex(i, j - 1));
  if (j < m_numY - 2)
    cells.add(getCellIndex(i, j + 1));
}

void PbGrid2D::getAdjacentCellsIndByNode(int cellIndex, PbArrayOfInt& cells) const
{
  cells.empty();
  if (cellIndex < 0 || cellIndex >= m_numMeshCells)
    return;
  int i, j;
  getCellIndices(cellIndex, i, j);
  for (int di = -1; di <= 1; di++)
    for (int dj = -1; dj <= 1; dj++) {
      const int ci = i + di, cj = j + dj;
      if ((di || dj) && ci >= 0 && ci <= m_numX - 2 && cj >= 0 && cj <= m_numY - 2)
        cells.add(getCellIndex(ci, cj));
    }
}

void PbGrid2D::getLimitIndices(PbArrayOfInt& limitNodes, PbArrayOfInt& limitSizes) const
{
  limitNodes.empty();
  limitSizes.empty();
  if (m_numX < 2 || m_numY < 2)
    return;
  limitSizes.add(2 * (m_numX + m_numY) - 4);
  for (int j = 0; j < m_numY - 1; j++)
    limitNodes.add(getNodeIndex(0, j));
  for (int i = 0; i < m_numX - 1; i++)
    limitNodes.add(getNodeIndex(i, m_numY - 1));
  for (int j = m_numY - 1; j > 0; j--)
    limitNodes.add(getNodeIndex(m_numX - 1, j));
  for (int i = m_numX - 1; i > 0; i--)
    limitNodes.add(getNodeIndex(i, 0));
}

void PbGrid2D::print(FILE* file) const
{
  PbMesh2D::print(file);
  fprintf(file, "PbGrid2D:: numX,numY %d %d\n", m_numX, m_numY);
}
