// Rectilinear 3D grid: per-axis coordinates, voxel cells, location by bisection.
#include <Gridlux/mesh/PbParalCartesianGrid3D.h>

#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/representations/PoMesh3DVec.h>
#include <Gridlux/representations/PoMeshCrossContour.h>
#include <Gridlux/representations/PoMeshSkeleton.h>
#include <Gridlux/representations/PoMeshSkin.h>
#include <Gridlux/representations/PoMeshCrossSection.h>

#include <algorithm>
#include <cmath>

namespace {
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

float largestStep(int num, const float* v)
{
  float m = 0;
  for (int i = 0; i + 1 < num; i++)
    m = std::max(m, std::fabs(v[i + 1] - v[i]));
  return m;
}
}

PbParalCartesianGrid3D::PbParalCartesianGrid3D(int isDataDuplicate)
  : PbCartesianGrid3D(isDataDuplicate), m_voxelCell(this), m_axis{nullptr, nullptr, nullptr},
    m_owned{nullptr, nullptr, nullptr}
{
}

PbParalCartesianGrid3D::PbParalCartesianGrid3D(int numX, int numY, int numZ, const float* x, const float* y,
                                               const float* z, int isDataDuplicate)
  : PbParalCartesianGrid3D(isDataDuplicate)
{
  setGeometry(numX, numY, numZ, x, y, z);
}

PbParalCartesianGrid3D::PbParalCartesianGrid3D(const PbParalCartesianGrid3D& other)
  : PbCartesianGrid3D(other), m_voxelCell(this), m_axis{nullptr, nullptr, nullptr},
    m_owned{nullptr, nullptr, nullptr}
{
  if (other.m_axis[0])
    setXYZGeometry(other.m_numX, other.m_numY, other.m_numZ, other.m_axis[0], other.m_axis[1], other.m_axis[2]);
}

PbParalCartesianGrid3D& PbParalCartesianGrid3D::operator=(const PbParalCartesianGrid3D& other)
{
  if (this != &other) {
    const int enabled = isConnectionEnabled();
    enableConnection(0);
    PbCartesianGrid3D::operator=(other);
    enableConnection(enabled);
    if (other.m_axis[0])
      setXYZGeometry(other.m_numX, other.m_numY, other.m_numZ, other.m_axis[0], other.m_axis[1], other.m_axis[2]);
    else
      m_axis[0] = m_axis[1] = m_axis[2] = nullptr;
    notifyGeometry();
  }
  return *this;
}

PbParalCartesianGrid3D::~PbParalCartesianGrid3D()
{
  for (float* owned : m_owned)
    delete[] owned;
}

int PbParalCartesianGrid3D::setXYZGeometry(int numX, int numY, int numZ, const float* x, const float* y,
                                           const float* z)
{
  static const char* method = "PbParalCartesianGrid3D::setGeometry";
  if (!x || !y || !z) {
    PoDebugError::post(method, "null coordinate array; the geometry is unchanged");
    return 0;
  }
  if (hasInvalidFloat(method, "x", numX, x) || hasInvalidFloat(method, "y", numY, y) ||
      hasInvalidFloat(method, "z", numZ, z))
    return 0;
  if (!isSorted(numX, x) || !isSorted(numY, y) || !isSorted(numZ, z)) {
    PoDebugError::post(method, "the coordinates must be strictly increasing or decreasing along each axis; the "
                               "geometry is unchanged");
    return 0;
  }
  const float* given[3] = {x, y, z};
  const int counts[3] = {numX, numY, numZ};
  for (int a = 0; a < 3; a++) {
    if (m_isDataDuplicate) {
      float* copy = new float[counts[a]];
      std::copy(given[a], given[a] + counts[a], copy);
      delete[] m_owned[a];
      m_owned[a] = copy;
      m_axis[a] = copy;
    }
    else
      m_axis[a] = given[a];
  }
  m_numX = numX;
  m_numY = numY;
  m_numZ = numZ;
  return 1;
}

void PbParalCartesianGrid3D::getGeometry(int& numX, int& numY, int& numZ, const float*& x, const float*& y,
                                         const float*& z) const
{
  numX = m_numX;
  numY = m_numY;
  numZ = m_numZ;
  x = m_axis[0];
  y = m_axis[1];
  z = m_axis[2];
}

SbVec3f PbParalCartesianGrid3D::getNodeCoord(int i, int j, int k) const
{
  return SbVec3f(m_axis[0][i], m_axis[1][j], m_axis[2][k]);
}

const PbCell* PbParalCartesianGrid3D::fillCell(int i, int j, int k) const
{
  int nodes[8];
  cellNodes(i, j, k, nodes);
  m_voxelCell.set(getCellIndex(i, j, k), nodes, SbVec3f(m_axis[0][i], m_axis[1][j], m_axis[2][k]),
                  SbVec3f(m_axis[0][i + 1], m_axis[1][j + 1], m_axis[2][k + 1]));
  return &m_voxelCell;
}

const PbCell* PbParalCartesianGrid3D::getCell(int cellIndex) const
{
  if (cellIndex < 0 || cellIndex >= m_numMeshCells)
    return nullptr;
  int i, j, k;
  getCellIndices(cellIndex, i, j, k);
  return fillCell(i, j, k);
}

float PbParalCartesianGrid3D::getVolume() const
{
  if (m_numMeshCells == 0)
    return 0;
  return std::fabs((m_axis[0][m_numX - 1] - m_axis[0][0]) * (m_axis[1][m_numY - 1] - m_axis[1][0]) *
                   (m_axis[2][m_numZ - 1] - m_axis[2][0]));
}

void PbParalCartesianGrid3D::updateBoundingBox()
{
  m_boundingBox.makeEmpty();
  if (m_numMeshNodes == 0 || !m_axis[0])
    return;
  const int counts[3] = {m_numX, m_numY, m_numZ};
  SbVec3f lo, hi;
  for (int a = 0; a < 3; a++) {
    lo[a] = std::min(m_axis[a][0], m_axis[a][counts[a] - 1]);
    hi[a] = std::max(m_axis[a][0], m_axis[a][counts[a] - 1]);
  }
  m_boundingBox.setBounds(lo, hi);
}

const PbCell* PbParalCartesianGrid3D::findContainingCellProtected(const SbVec3f& point, float tolerance,
                                                                  SbVec3f& pcoord, PbArrayOfInt&) const
{
  if (m_numMeshCells == 0)
    return nullptr;
  const int i = getPositionInSortedArray(point[0], m_numX, m_axis[0]);
  const int j = getPositionInSortedArray(point[1], m_numY, m_axis[1]);
  const int k = getPositionInSortedArray(point[2], m_numZ, m_axis[2]);
  if (i < 0 || i > m_numX - 2 || j < 0 || j > m_numY - 2 || k < 0 || k > m_numZ - 2)
    return nullptr;
  const PbCell* cell = fillCell(i, j, k);
  m_voxelCell.PbVoxelCell::locatePoint(point, tolerance, pcoord);
  return cell;
}

float PbParalCartesianGrid3D::computeLongestEdgeLength() const
{
  if (m_numMeshCells == 0)
    return 0;
  const float dx = largestStep(m_numX, m_axis[0]), dy = largestStep(m_numY, m_axis[1]),
              dz = largestStep(m_numZ, m_axis[2]);
  return std::sqrt(dx * dx + dy * dy + dz * dz);
}

void PbParalCartesianGrid3D::meshCrossSection(PoMeshCrossSection* node) const
{
  if (node)
    node->paralCartGrid3DCrossSection(this);
}

void PbParalCartesianGrid3D::meshSkin(PoMeshSkin* node) const
{
  if (node)
    node->paralCartGrid3DSkin(this);
}

void PbParalCartesianGrid3D::meshSkeleton(PoMeshSkeleton* node, const float* values, float* xPlanes, float* yPlanes,
                                    float* zPlanes) const
{
  if (node)
    node->paralCartGrid3DSkeleton(this, values, xPlanes, yPlanes, zPlanes);
}

void PbParalCartesianGrid3D::meshCrossContour(PoMeshCrossContour* node) const
{
  if (node)
    node->paralCartGrid3DCrossContour(this);
}

void PbParalCartesianGrid3D::mesh3DVec(PoMesh3DVec* node) const
{
  if (node)
    node->paralCartGrid3DVec(this);
}
