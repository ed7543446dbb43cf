// Rectilinear 2D grid: per-axis coordinates and location by bisection.
#include <Gridlux/mesh/PbParalCartesianGrid2D.h>

#include <Gridlux/representations/PoMesh2DVec.h>
#include <Gridlux/representations/PoMeshFilled.h>
#include <Gridlux/representations/PoMeshLines.h>

#include <Gridlux/base/PoDebugError.h>

#include <algorithm>
#include <cmath>

namespace {
// 1 when the array is sorted, increasing or decreasing (equal neighbours break the order).
int isSorted(int num, const float* v)
{
  if (num < 2)
    return 1;
  const bool increasing = v[1] > v[0];
  for (int i = 1; i < num; i++)
    if (increasing ? !(v[i] > v[i - 1]) : !(v[i] < v[i - 1]))
      return 0;
  return 1;
}
}

PbParalCartesianGrid2D::PbParalCartesianGrid2D(int isDataDuplicate)
  : PbCartesianGrid2D(isDataDuplicate), m_pixelCell(this), m_xs(nullptr), m_ys(nullptr), m_ownedXs(nullptr),
    m_ownedYs(nullptr)
{
}

PbParalCartesianGrid2D::PbParalCartesianGrid2D(int numX, int numY, const float* x, const float* y, int dup)
  : PbParalCartesianGrid2D(dup)
{
  setGeometry(numX, numY, x, y);
}

PbParalCartesianGrid2D::PbParalCartesianGrid2D(const PbParalCartesianGrid2D& other)
  : PbCartesianGrid2D(other), m_pixelCell(this), m_xs(nullptr), m_ys(nullptr), m_ownedXs(nullptr),
    m_ownedYs(nullptr)
{
  if (other.m_xs)
    setXYGeometry(other.m_numX, other.m_numY, other.m_xs, other.m_ys);
}

PbParalCartesianGrid2D& PbParalCartesianGrid2D::operator=(const PbParalCartesianGrid2D& other)
{
  if (this != &other) {
    const int enabled = isConnectionEnabled();
    enableConnection(0);
    PbCartesianGrid2D::operator=(other);
    enableConnection(enabled);
    if (other.m_xs)
      setXYGeometry(other.m_numX, other.m_numY, other.m_xs, other.m_ys);
    else
      m_xs = m_ys = nullptr;
    notifyGeometry();
  }
  return *this;
}

PbParalCartesianGrid2D::~PbParalCartesianGrid2D()
{
  delete[] m_ownedXs;
  delete[] m_ownedYs;
}

int PbParalCartesianGrid2D::setXYGeometry(int numX, int numY, const float* x, const float* y)
{
  static const char* method = "PbParalCartesianGrid2D::setGeometry";
  if (!x || !y) {
    PoDebugError::post(method, "null coordinate array; the geometry is unchanged");
    return 0;
  }
  if (hasInvalidFloat(method, "x", numX, x) || hasInvalidFloat(method, "y", numY, y))
    return 0;
  if (!isSorted(numX, x) || !isSorted(numY, y)) {
    PoDebugError::post(method, "the x and y coordinates must be strictly increasing or decreasing; the geometry is "
                               "unchanged");
    return 0;
  }
  if (m_isDataDuplicate) {
    float* nx = new float[numX];
    float* ny = new float[numY];
    std::copy(x, x + numX, nx);
    std::copy(y, y + numY, ny);
    delete[] m_ownedXs;
    delete[] m_ownedYs;
    m_ownedXs = nx;
    m_ownedYs = ny;
    m_xs = nx;
    m_ys = ny;
  }
  else {
    m_xs = x;
    m_ys = y;
  }
  m_numX = numX;
  m_numY = numY;
  return 1;
}

void PbParalCartesianGrid2D::getGeometry(int& numX, int& numY, const float*& x, const float*& y) const
{
  numX = m_numX;
  numY = m_numY;
  x = m_xs;
  y = m_ys;
}

void PbParalCartesianGrid2D::getGeometry(int& numX, int& numY, const float*& x, const float*& y,
                                         const float*& z) const
{
  getGeometry(numX, numY, x, y);
  z = m_zCoord;
}

SbVec3f PbParalCartesianGrid2D::getNodeCoord(int i, int j) const
{
  return SbVec3f(m_xs[i], m_ys[j], m_zCoord ? m_zCoord[i * m_numY + j] : 0.0f);
}

const PbCell* PbParalCartesianGrid2D::fillCell(int i, int j) const
{
  int nodes[4];
  cellNodes(i, j, nodes);
  const int index = getCellIndex(i, j);
  if (!m_zCoord) {
    m_pixelCell.set(index, nodes, m_xs[i], m_ys[j], m_xs[i + 1], m_ys[j + 1]);
    return &m_pixelCell;
  }
  const SbVec3f corners[4] = {getNodeCoord(i, j), getNodeCoord(i + 1, j), getNodeCoord(i + 1, j + 1),
                              getNodeCoord(i, j + 1)};
  m_quadCell.set(index, nodes, corners, 1);
  return &m_quadCell;
}

const PbCell* PbParalCartesianGrid2D::getCell(int cellIndex) const
{
  if (cellIndex < 0 || cellIndex >= m_numMeshCells)
    return nullptr;
  int i, j;
  getCellIndices(cellIndex, i, j);
  return fillCell(i, j);
}

float PbParalCartesianGrid2D::getArea() const
{
  if (m_zCoord)
    return PbMesh2D::getArea();
  if (m_numMeshCells == 0)
    return 0;
  return std::fabs((m_xs[m_numX - 1] - m_xs[0]) * (m_ys[m_numY - 1] - m_ys[0]));
}

void PbParalCartesianGrid2D::updateBoundingBox()
{
  m_boundingBox.makeEmpty();
  if (m_numMeshNodes == 0 || !m_xs)
    return;
  float zmin = 0, zmax = 0;
  if (m_zCoord) {
    const auto mm = std::minmax_element(m_zCoord, m_zCoord + m_numMeshNodes);
    zmin = *mm.first;
    zmax = *mm.second;
  }
  m_boundingBox.extendBy(SbVec3f(std::min(m_xs[0], m_xs[m_numX - 1]), std::min(m_ys[0], m_ys[m_numY - 1]), zmin));
  m_boundingBox.extendBy(SbVec3f(std::max(m_xs[0], m_xs[m_numX - 1]), std::max(m_ys[0], m_ys[m_numY - 1]), zmax));
}

const PbCell* PbParalCartesianGrid2D::findContainingCellProtected(const SbVec3f& point, float tolerance,
                                                                  SbVec3f& pcoord, PbArrayOfInt&) const
{
  if (m_numMeshCells == 0)
    return nullptr;
  const int i = getPositionInSortedArray(point[0], m_numX, m_xs);
  const int j = getPositionInSortedArray(point[1], m_numY, m_ys);
  if (i < 0 || i > m_numX - 2 || j < 0 || j > m_numY - 2)
    return nullptr;
  const PbCell* cell = fillCell(i, j);
  cell->locatePoint(point, tolerance, pcoord);
  return cell;
}

void PbParalCartesianGrid2D::meshLines(PoMeshLines* node) const
{
  if (node)
    node->paralCartGridLines(this);
}

void PbParalCartesianGrid2D::meshFilled(PoMeshFilled* node) const
{
  if (node)
    node->paralCartGridFilled(this);
}

void PbParalCartesianGrid2D::mesh2DVec(PoMesh2DVec* node) const
{
  if (node)
    node->paralCartGrid2DVec(this);
}
