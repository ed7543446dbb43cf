// Curvilinear 2D grid: per-node coordinate blocks with row pointers and exhaustive location.
#include <Gridlux/mesh/PbCartesianGrid2D.h>

#include <Gridlux/representations/PoMesh2DVec.h>
#include <Gridlux/representations/PoMeshFilled.h>
#include <Gridlux/representations/PoMeshLines.h>

#include <Gridlux/base/PoDebugError.h>

#include <algorithm>

PbCartesianGrid2D::PbCartesianGrid2D(int isDataDuplicate)
  : PbGrid2D(isDataDuplicate), m_quadCell(this), m_xBlock(nullptr), m_yBlock(nullptr), m_ownedX(nullptr),
    m_ownedY(nullptr), m_ownedLength(0), m_xRows(nullptr), m_yRows(nullptr), m_rowCapacity(0)
{
}

PbCartesianGrid2D::PbCartesianGrid2D(int numX, int numY, const float* x, const float* y, int isDataDuplicate)
  : PbCartesianGrid2D(isDataDuplicate)
{
  setGeometry(numX, numY, x, y);
}

PbCartesianGrid2D::PbCartesianGrid2D(int numX, int numY, const float* x, const float* y, const float* z,
                                     int isDataDuplicate)
  : PbCartesianGrid2D(isDataDuplicate)
{
  setGeometry(numX, numY, x, y, z);
}

PbCartesianGrid2D::PbCartesianGrid2D(const PbCartesianGrid2D& other)
  : PbGrid2D(other), m_quadCell(this), m_xBlock(nullptr), m_yBlock(nullptr), m_ownedX(nullptr), m_ownedY(nullptr),
    m_ownedLength(0), m_xRows(nullptr), m_yRows(nullptr), m_rowCapacity(0)
{
  if (other.m_xBlock)
    setXYGeometry(other.m_numX, other.m_numY, other.m_xBlock, other.m_yBlock);
}

PbCartesianGrid2D& PbCartesianGrid2D::operator=(const PbCartesianGrid2D& other)
{
  if (this != &other) {
    PbGrid2D::operator=(other);
    if (other.m_xBlock)
      setXYGeometry(other.m_numX, other.m_numY, other.m_xBlock, other.m_yBlock);
    else {
      m_xBlock = m_yBlock = nullptr;
      rebuildRows();
    }
    notifyGeometry();
  }
  return *this;
}

PbCartesianGrid2D::~PbCartesianGrid2D()
{
  freeBlocks();
  delete[] m_xRows;
  delete[] m_yRows;
}

void PbCartesianGrid2D::freeBlocks()
{
  delete[] m_ownedX;
  delete[] m_ownedY;
  m_ownedX = m_ownedY = nullptr;
  m_ownedLength = 0;
}

int PbCartesianGrid2D::setXYGeometry(int numX, int numY, const float* x, const float* y)
{
  static const char* method = "PbCartesianGrid2D::setGeometry";
  if (!x || !y) {
    PoDebugError::post(method, "null coordinate array; the geometry is unchanged");
    return 0;
  }
  const int n = numX * numY;
  if (hasInvalidFloat(method, "x", n, x) || hasInvalidFloat(method, "y", n, y))
    return 0;
  if (m_isDataDuplicate) {
    // Reallocated only when the node count changes; the caller's arrays may be our own blocks.
    if (m_ownedLength != n) {
      float* nx = new float[n];
      float* ny = new float[n];
      std::copy(x, x + n, nx);
      std::copy(y, y + n, ny);
      freeBlocks();
      m_ownedX = nx;
      m_ownedY = ny;
      m_ownedLength = n;
    }
    else {
      if (x != m_ownedX)
        std::copy(x, x + n, m_ownedX);
      if (y != m_ownedY)
        std::copy(y, y + n, m_ownedY);
    }
    m_xBlock = m_ownedX;
    m_yBlock = m_ownedY;
  }
  else {
    m_xBlock = x;
    m_yBlock = y;
  }
  m_numX = numX;
  m_numY = numY;
  rebuildRows();
  return 1;
}

void PbCartesianGrid2D::rebuildRows()
{
  if (!m_xBlock) {
    return;
  }
  if (m_rowCapacity < m_numX) {
    delete[] m_xRows;
    delete[] m_yRows;
    m_xRows = new const float*[m_numX];
    m_yRows = new const float*[m_numX];
    m_rowCapacity = m_numX;
  }
  for (int i = 0; i < m_numX; i++) {
    m_xRows[i] = m_xBlock + size_t(i) * m_numY;
    m_yRows[i] = m_yBlock + size_t(i) * m_numY;
  }
}

void PbCartesianGrid2D::getGeometry(int& numX, int& numY, const float* const*& x, const float* const*& y) const
{
  numX = m_numX;
  numY = m_numY;
  x = m_xBlock ? m_xRows : nullptr;
  y = m_yBlock ? m_yRows : nullptr;
}

void PbCartesianGrid2D::getGeometry(int& numX, int& numY, const float* const*& x, const float* const*& y,
                                    const float*& z) const
{
  getGeometry(numX, numY, x, y);
  z = m_zCoord;
}

SbVec3f PbCartesianGrid2D::getNodeCoord(int i, int j) const
{
  const int n = i * m_numY + j;
  return SbVec3f(m_xBlock[n], m_yBlock[n], m_zCoord ? m_zCoord[n] : 0.0f);
}

const PbCell* PbCartesianGrid2D::getCell(int cellIndex) const
{
  if (cellIndex < 0 || cellIndex >= m_numMeshCells)
    return nullptr;
  int i, j, nodes[4];
  getCellIndices(cellIndex, i, j);
  cellNodes(i, j, nodes);
  m_quadCell.set(cellIndex, nodes[0], nodes[1], nodes[2], nodes[3], m_xBlock, m_yBlock, m_zCoord);
  return &m_quadCell;
}

void PbCartesianGrid2D::updateBoundingBox()
{
  m_boundingBox.makeEmpty();
  for (int n = 0; n < m_numMeshNodes; n++)
    m_boundingBox.extendBy(SbVec3f(m_xBlock[n], m_yBlock[n], m_zCoord ? m_zCoord[n] : 0.0f));
}

const PbCell* PbCartesianGrid2D::findContainingCellProtected(const SbVec3f& point, float tolerance, SbVec3f& pcoord,
                                                             PbArrayOfInt&) const
{
  if (m_numMeshCells == 0 || (tolerance <= 0 && !m_boundingBox.intersect(point)))
    return nullptr;
  int nodes[4];
  for (int i = 0; i < m_numX - 1; i++)
    for (int j = 0; j < m_numY - 1; j++) {
      cellNodes(i, j, nodes);
      m_quadCell.set(getCellIndex(i, j), nodes[0], nodes[1], nodes[2], nodes[3], m_xBlock, m_yBlock, m_zCoord);
      if (m_quadCell.PbQuadrangleCell::locatePoint(point, tolerance, pcoord))
        return &m_quadCell;
    }
  return nullptr;
}

void PbCartesianGrid2D::print(FILE* file) const
{
  PbGrid2D::print(file);
  fprintf(file, "PbCartesianGrid2D:: numX, numY = %d %d\n", m_numX, m_numY);
  if (m_xBlock)
    fprintf(file, "PbCartesianGrid2D:: x, x[0] = %p %p ...\n", (const void*)m_xRows, (const void*)m_xRows[0]);
  else
    fprintf(file, "PbCartesianGrid2D:: x = NULL\n");
  if (m_yBlock)
    fprintf(file, "PbCartesianGrid2D:: y, y[0] = %p %p ...\n", (const void*)m_yRows, (const void*)m_yRows[0]);
  else
    fprintf(file, "PbCartesianGrid2D:: y = NULL\n");
}

void PbCartesianGrid2D::meshLines(PoMeshLines* node) const
{
  if (node)
    node->cartGridLines(this);
}

void PbCartesianGrid2D::meshFilled(PoMeshFilled* node) const
{
  if (node)
    node->cartGridFilled(this);
}

void PbCartesianGrid2D::mesh2DVec(PoMesh2DVec* node) const
{
  if (node)
    node->cartGrid2DVec(this);
}
