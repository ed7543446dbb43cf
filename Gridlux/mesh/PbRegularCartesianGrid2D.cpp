// Regular 2D grid: nodes from a box and steps, direct cell location.
#include <Gridlux/mesh/PbRegularCartesianGrid2D.h>

#include <Gridlux/representations/PoMesh2DVec.h>
#include <Gridlux/representations/PoMeshFilled.h>
#include <Gridlux/representations/PoMeshLines.h>

#include <Gridlux/base/PoDebugError.h>

#include <algorithm>
#include <cmath>

PbRegularCartesianGrid2D::PbRegularCartesianGrid2D(int isDataDuplicate)
  : PbGrid2D(isDataDuplicate), m_xmin(0), m_ymin(0), m_xmax(0), m_ymax(0), m_dx(0), m_dy(0), m_pixelCell(this),
    m_quadCell(this)
{
}

PbRegularCartesianGrid2D::PbRegularCartesianGrid2D(int numX, int numY, float xmin, float ymin, float xmax,
                                                   float ymax, int isDataDuplicate)
  : PbRegularCartesianGrid2D(isDataDuplicate)
{
  setGeometry(numX, numY, xmin, ymin, xmax, ymax);
}

PbRegularCartesianGrid2D::PbRegularCartesianGrid2D(const PbRegularCartesianGrid2D& other)
  : PbGrid2D(other), m_xmin(other.m_xmin), m_ymin(other.m_ymin), m_xmax(other.m_xmax), m_ymax(other.m_ymax),
    m_dx(other.m_dx), m_dy(other.m_dy), m_pixelCell(this), m_quadCell(this)
{
}

PbRegularCartesianGrid2D& PbRegularCartesianGrid2D::operator=(const PbRegularCartesianGrid2D& other)
{
  if (this != &other) {
    PbGrid2D::operator=(other);
    m_xmin = other.m_xmin;
    m_ymin = other.m_ymin;
    m_xmax = other.m_xmax;
    m_ymax = other.m_ymax;
    m_dx = other.m_dx;
    m_dy = other.m_dy;
    notifyGeometry();
  }
  return *this;
}

int PbRegularCartesianGrid2D::setBox(const char* method, int numX, int numY, float xmin, float ymin, float xmax,
                                     float ymax)
{
  const float box[4] = {xmin, ymin, xmax, ymax};
  if (!checkCounts(method, numX, numY) || hasInvalidFloat(method, "box", 4, box))
    return 0;
  if ((numX > 1 && xmin == xmax) || (numY > 1 && ymin == ymax)) {
    PoDebugError::post(method, "an empty range [%g, %g] x [%g, %g] cannot hold several nodes; the geometry is "
                               "unchanged",
                       xmin, xmax, ymin, ymax);
    return 0;
  }
  m_xmin = xmin;
  m_ymin = ymin;
  m_xmax = xmax;
  m_ymax = ymax;
  m_dx = numX > 1 ? (xmax - xmin) / (numX - 1) : 0;
  m_dy = numY > 1 ? (ymax - ymin) / (numY - 1) : 0;
  m_numX = numX;
  m_numY = numY;
  return 1;
}

int PbRegularCartesianGrid2D::setGeometry(int numX, int numY, float xmin, float ymin, float xmax, float ymax)
{
  if (!setBox("PbRegularCartesianGrid2D::setGeometry", numX, numY, xmin, ymin, xmax, ymax))
    return 0;
  setZCoord(0, nullptr);
  applyCounts(numX, numY);
  updateBoundingBox();
  setChangeType(CHANGE_GEOMETRY);
  return 1;
}

int PbRegularCartesianGrid2D::setGeometry(int numX, int numY, float xmin, float ymin, float xmax, float ymax,
                                          const float* z)
{
  static const char* method = "PbRegularCartesianGrid2D::setGeometry";
  if (!checkCounts(method, numX, numY))
    return 0;
  if (z && hasInvalidFloat(method, "z", numX * numY, z))
    return 0;
  if (!setBox(method, numX, numY, xmin, ymin, xmax, ymax))
    return 0;
  setZCoord(z ? numX * numY : 0, z);
  applyCounts(numX, numY);
  updateBoundingBox();
  setChangeType(CHANGE_GEOMETRY);
  return 1;
}

int PbRegularCartesianGrid2D::setXYGeometry(int numX, int numY, const float* x, const float* y)
{
  static const char* method = "PbRegularCartesianGrid2D::setGeometry";
  if (!x || !y) {
    PoDebugError::post(method, "null coordinate array; the geometry is unchanged");
    return 0;
  }
  if (hasInvalidFloat(method, "x", numX, x) || hasInvalidFloat(method, "y", numY, y))
    return 0;
  const auto mx = std::minmax_element(x, x + numX);
  const auto my = std::minmax_element(y, y + numY);
  return setBox(method, numX, numY, *mx.first, *my.first, *mx.second, *my.second);
}

void PbRegularCartesianGrid2D::getGeometry(int& numX, int& numY, float& xmin, float& ymin, float& xmax,
                                           float& ymax) const
{
  numX = m_numX;
  numY = m_numY;
  xmin = m_xmin;
  ymin = m_ymin;
  xmax = m_xmax;
  ymax = m_ymax;
}

SbVec3f PbRegularCartesianGrid2D::getNodeCoord(int i, int j) const
{
  return SbVec3f(m_xmin + i * m_dx, m_ymin + j * m_dy, m_zCoord ? m_zCoord[i * m_numY + j] : 0.0f);
}

const PbCell* PbRegularCartesianGrid2D::fillCell(int i, int j) const
{
  int nodes[4];
  cellNodes(i, j, nodes);
  const int index = getCellIndex(i, j);
  if (!m_zCoord) {
    m_pixelCell.set(index, nodes, m_xmin + i * m_dx, m_ymin + j * m_dy, m_xmin + (i + 1) * m_dx,
                    m_ymin + (j + 1) * m_dy);
    return &m_pixelCell;
  }
  const SbVec3f corners[4] = {getNodeCoord(i, j), getNodeCoord(i + 1, j), getNodeCoord(i + 1, j + 1),
                              getNodeCoord(i, j + 1)};
  m_quadCell.set(index, nodes, corners, 1);
  return &m_quadCell;
}

const PbCell* PbRegularCartesianGrid2D::getCell(int cellIndex) const
{
  if (cellIndex < 0 || cellIndex >= m_numMeshCells)
    return nullptr;
  int i, j;
  getCellIndices(cellIndex, i, j);
  return fillCell(i, j);
}

float PbRegularCartesianGrid2D::getArea() const
{
  if (m_zCoord)
    return PbMesh2D::getArea();
  if (m_numMeshCells == 0)
    return 0;
  return std::fabs((m_xmax - m_xmin) * (m_ymax - m_ymin));
}

void PbRegularCartesianGrid2D::updateBoundingBox()
{
  m_boundingBox.makeEmpty();
  if (m_numMeshNodes == 0)
    return;
  float zmin = 0, zmax = 0;
  if (m_zCoord) {
    const auto mm = std::minmax_element(m_zCoord, m_zCoord + m_numMeshNodes);
    zmin = *mm.first;
    zmax = *mm.second;
  }
  m_boundingBox.extendBy(SbVec3f(std::min(m_xmin, m_xmax), std::min(m_ymin, m_ymax), zmin));
  m_boundingBox.extendBy(SbVec3f(std::max(m_xmin, m_xmax), std::max(m_ymin, m_ymax), zmax));
}

namespace {
// Cell column of @p p on an axis of @p count nodes, or -1 outside; the maximum is in the last cell.
int regularInterval(float p, float min, float max, int count)
{
  if (count < 2)
    return -1;
  if (p == max)
    return count - 2;
  const double f = std::floor((double(p) - min) * (count - 1) / (double(max) - min));
  if (!(f >= 0) || f > count - 2)
    return -1;
  return int(f);
}
}

const PbCell* PbRegularCartesianGrid2D::findContainingCellProtected(const SbVec3f& point, float tolerance,
                                                                    SbVec3f& pcoord, PbArrayOfInt&) const
{
  const int i = regularInterval(point[0], m_xmin, m_xmax, m_numX);
  const int j = regularInterval(point[1], m_ymin, m_ymax, m_numY);
  if (i < 0 || j < 0)
    return nullptr;
  const PbCell* cell = fillCell(i, j);
  cell->locatePoint(point, tolerance, pcoord);
  return cell;
}

void PbRegularCartesianGrid2D::meshLines(PoMeshLines* node) const
{
  if (node)
    node->regularCartGridLines(this);
}

void PbRegularCartesianGrid2D::meshFilled(PoMeshFilled* node) const
{
  if (node)
    node->regularCartGridFilled(this);
}

void PbRegularCartesianGrid2D::mesh2DVec(PoMesh2DVec* node) const
{
  if (node)
    node->regularCartGrid2DVec(this);
}
