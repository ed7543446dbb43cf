// Regular 3D grid: nodes from a box and steps, voxel cells, direct location.
#include <Gridlux/mesh/PbRegularCartesianGrid3D.h>

#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/representations/PoMesh3DVec.h>
#include <Gridlux/representations/PoMeshCrossContour.h>
#include <Gridlux/representations/PoMeshSkeleton.h>
#include <Gridlux/representations/PoMeshSkin.h>
#include <Gridlux/representations/PoMeshCrossSection.h>

#include <algorithm>
#include <cmath>

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

PbRegularCartesianGrid3D::PbRegularCartesianGrid3D(int isDataDuplicate)
  : PbGrid3D(isDataDuplicate), m_min{0, 0, 0}, m_max{0, 0, 0}, m_step{0, 0, 0}, m_voxelCell(this)
{
}

PbRegularCartesianGrid3D::PbRegularCartesianGrid3D(int numX, int numY, int numZ, float xmin, float ymin, float zmin,
                                                   float xmax, float ymax, float zmax, int isDataDuplicate)
  : PbRegularCartesianGrid3D(isDataDuplicate)
{
  setGeometry(numX, numY, numZ, xmin, ymin, zmin, xmax, ymax, zmax);
}

PbRegularCartesianGrid3D::PbRegularCartesianGrid3D(const PbRegularCartesianGrid3D& other)
  : PbGrid3D(other), m_voxelCell(this)
{
  for (int a = 0; a < 3; a++) {
    m_min[a] = other.m_min[a];
    m_max[a] = other.m_max[a];
    m_step[a] = other.m_step[a];
  }
}

PbRegularCartesianGrid3D& PbRegularCartesianGrid3D::operator=(const PbRegularCartesianGrid3D& other)
{
  if (this != &other) {
    PbGrid3D::operator=(other);
    for (int a = 0; a < 3; a++) {
      m_min[a] = other.m_min[a];
      m_max[a] = other.m_max[a];
      m_step[a] = other.m_step[a];
    }
    notifyGeometry();
  }
  return *this;
}

int PbRegularCartesianGrid3D::setBox(const char* method, int numX, int numY, int numZ, const float* min,
                                     const float* max)
{
  if (!checkCounts(method, numX, numY, numZ) || hasInvalidFloat(method, "minimum", 3, min) ||
      hasInvalidFloat(method, "maximum", 3, max))
    return 0;
  const int counts[3] = {numX, numY, numZ};
  for (int a = 0; a < 3; a++)
    if (counts[a] > 1 && min[a] == max[a]) {
      PoDebugError::post(method, "the empty range [%g, %g] on axis %d cannot hold several nodes; the geometry is "
                                 "unchanged",
                         min[a], max[a], a);
      return 0;
    }
  for (int a = 0; a < 3; a++) {
    m_min[a] = min[a];
    m_max[a] = max[a];
    m_step[a] = counts[a] > 1 ? (max[a] - min[a]) / (counts[a] - 1) : 0;
  }
  m_numX = numX;
  m_numY = numY;
  m_numZ = numZ;
  return 1;
}

int PbRegularCartesianGrid3D::setGeometry(int numX, int numY, int numZ, float xmin, float ymin, float zmin,
                                          float xmax, float ymax, float zmax)
{
  const float min[3] = {xmin, ymin, zmin}, max[3] = {xmax, ymax, zmax};
  if (!setBox("PbRegularCartesianGrid3D::setGeometry", numX, numY, numZ, min, max))
    return 0;
  applyCounts(numX, numY, numZ);
  updateBoundingBox();
  setChangeType(CHANGE_GEOMETRY);
  return 1;
}

int PbRegularCartesianGrid3D::setXYZGeometry(int numX, int numY, int numZ, const float* x, const float* y,
                                             const float* z)
{
  static const char* method = "PbRegularCartesianGrid3D::setGeometry";
  if (!x || !y || !z) {
    PoDebugError::post(method, "null coordinate array; the geometry is unchanged");
    return 0;
  }
  const float* given[3] = {x, y, z};
  const int counts[3] = {numX, numY, numZ};
  float min[3], max[3];
  for (int a = 0; a < 3; a++) {
    if (hasInvalidFloat(method, a == 0 ? "x" : a == 1 ? "y" : "z", counts[a], given[a]))
      return 0;
    const auto mm = std::minmax_element(given[a], given[a] + counts[a]);
    min[a] = *mm.first;
    max[a] = *mm.second;
  }
  return setBox(method, numX, numY, numZ, min, max);
}

void PbRegularCartesianGrid3D::getGeometry(int& numX, int& numY, int& numZ, float& xmin, float& ymin, float& zmin,
                                           float& xmax, float& ymax, float& zmax) const
{
  numX = m_numX;
  numY = m_numY;
  numZ = m_numZ;
  xmin = m_min[0];
  ymin = m_min[1];
  zmin = m_min[2];
  xmax = m_max[0];
  ymax = m_max[1];
  zmax = m_max[2];
}

SbVec3f PbRegularCartesianGrid3D::getNodeCoord(int i, int j, int k) const
{
  return SbVec3f(m_min[0] + i * m_step[0], m_min[1] + j * m_step[1], m_min[2] + k * m_step[2]);
}

const PbCell* PbRegularCartesianGrid3D::fillCell(int i, int j, int k) const
{
  int nodes[8];
  cellNodes(i, j, k, nodes);
  m_voxelCell.set(getCellIndex(i, j, k), nodes, getNodeCoord(i, j, k), getNodeCoord(i + 1, j + 1, k + 1));
  return &m_voxelCell;
}

const PbCell* PbRegularCartesianGrid3D::getCell(int cellIndex) const
{
  if (cellIndex < 0 || cellIndex >= m_numMeshCells)
    return nullptr;
  int i, j, k;
  getCellIndices(cellIndex, i, j, k);
  return fillCell(i, j, k);
}

float PbRegularCartesianGrid3D::getVolume() const
{
  if (m_numMeshCells == 0)
    return 0;
  return std::fabs((m_max[0] - m_min[0]) * (m_max[1] - m_min[1]) * (m_max[2] - m_min[2]));
}

void PbRegularCartesianGrid3D::updateBoundingBox()
{
  m_boundingBox.makeEmpty();
  if (m_numMeshNodes == 0)
    return;
  SbVec3f lo, hi;
  for (int a = 0; a < 3; a++) {
    lo[a] = std::min(m_min[a], m_max[a]);
    hi[a] = std::max(m_min[a], m_max[a]);
  }
  m_boundingBox.setBounds(lo, hi);
}

const PbCell* PbRegularCartesianGrid3D::findContainingCellProtected(const SbVec3f& point, float tolerance,
                                                                    SbVec3f& pcoord, PbArrayOfInt&) const
{
  const int i = regularInterval(point[0], m_min[0], m_max[0], m_numX);
  const int j = regularInterval(point[1], m_min[1], m_max[1], m_numY);
  const int k = regularInterval(point[2], m_min[2], m_max[2], m_numZ);
  if (i < 0 || j < 0 || k < 0)
    return nullptr;
  const PbCell* cell = fillCell(i, j, k);
  m_voxelCell.PbVoxelCell::locatePoint(point, tolerance, pcoord);
  return cell;
}

float PbRegularCartesianGrid3D::computeLongestEdgeLength() const
{
  if (m_numMeshCells == 0)
    return 0;
  return std::sqrt(m_step[0] * m_step[0] + m_step[1] * m_step[1] + m_step[2] * m_step[2]);
}

void PbRegularCartesianGrid3D::meshCrossSection(PoMeshCrossSection* node) const
{
  if (node)
    node->regularGrid3DCrossSection(this);
}

void PbRegularCartesianGrid3D::meshSkin(PoMeshSkin* node) const
{
  if (node)
    node->regularGrid3DSkin(this);
}

void PbRegularCartesianGrid3D::meshSkeleton(PoMeshSkeleton* node, const float* values, float* xPlanes, float* yPlanes,
                                      float* zPlanes) const
{
  if (node)
    node->regularGrid3DSkeleton(this, values, xPlanes, yPlanes, zPlanes);
}

void PbRegularCartesianGrid3D::meshCrossContour(PoMeshCrossContour* node) const
{
  if (node)
    node->regularGrid3DCrossContour(this);
}

void PbRegularCartesianGrid3D::mesh3DVec(PoMesh3DVec* node) const
{
  if (node)
    node->regularGrid3DVec(this);
}
