// Curvilinear 3D grid: per-node coordinate blocks, hexahedron cells, octree location.
#include <Gridlux/mesh/PbCartesianGrid3D.h>

#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/representations/PoMesh3DVec.h>
#include <Gridlux/representations/PoMeshCrossContour.h>
#include <Gridlux/representations/PoMeshSkeleton.h>
#include <Gridlux/representations/PoMeshSkin.h>
#include <Gridlux/representations/PoMeshCrossSection.h>

#include <algorithm>
#include <cmath>

void PbCartesianGrid3D::Axis::free()
{
  delete[] owned;
  owned = nullptr;
  ownedLength = 0;
  delete[] rows;
  delete[] planes;
  rows = nullptr;
  planes = nullptr;
  numRows = numPlanes = 0;
}

void PbCartesianGrid3D::Axis::rebuildRows(int numX, int numY, int numZ)
{
  if (numRows != numX * numY) {
    delete[] rows;
    rows = new const float*[size_t(numX) * numY];
    numRows = numX * numY;
  }
  if (numPlanes != numX) {
    delete[] planes;
    planes = new const float* const*[numX];
    numPlanes = numX;
  }
  for (int r = 0; r < numX * numY; r++)
    rows[r] = block + size_t(r) * numZ;
  for (int i = 0; i < numX; i++)
    planes[i] = rows + size_t(i) * numY;
}

PbCartesianGrid3D::PbCartesianGrid3D(int isDataDuplicate) : PbGrid3D(isDataDuplicate), m_hexCell(this) {}

PbCartesianGrid3D::PbCartesianGrid3D(int numX, int numY, int numZ, const float* x, const float* y, const float* z,
                                     int isDataDuplicate)
  : PbCartesianGrid3D(isDataDuplicate)
{
  setGeometry(numX, numY, numZ, x, y, z);
}

PbCartesianGrid3D::PbCartesianGrid3D(const PbCartesianGrid3D& other) : PbGrid3D(other), m_hexCell(this)
{
  if (other.m_x.block)
    setXYZGeometry(other.m_numX, other.m_numY, other.m_numZ, other.m_x.block, other.m_y.block, other.m_z.block);
}

PbCartesianGrid3D& PbCartesianGrid3D::operator=(const PbCartesianGrid3D& other)
{
  if (this != &other) {
    PbGrid3D::operator=(other);
    if (other.m_x.block)
      setXYZGeometry(other.m_numX, other.m_numY, other.m_numZ, other.m_x.block, other.m_y.block, other.m_z.block);
    else {
      m_x.free();
      m_y.free();
      m_z.free();
      m_x.block = m_y.block = m_z.block = nullptr;
    }
    notifyGeometry();
  }
  return *this;
}

PbCartesianGrid3D::~PbCartesianGrid3D()
{
  m_x.free();
  m_y.free();
  m_z.free();
}

void PbCartesianGrid3D::storeAxis(Axis& axis, int n, const float* values)
{
  if (!m_isDataDuplicate) {
    delete[] axis.owned;
    axis.owned = nullptr;
    axis.ownedLength = 0;
    axis.block = values;
    return;
  }
  if (axis.ownedLength != n) {
    float* fresh = new float[n];
    std::copy(values, values + n, fresh);
    delete[] axis.owned;
    axis.owned = fresh;
    axis.ownedLength = n;
  }
  else if (values != axis.owned)
    std::copy(values, values + n, axis.owned);
  axis.block = axis.owned;
}

int PbCartesianGrid3D::setXYZGeometry(int numX, int numY, int numZ, const float* x, const float* y, const float* z)
{
  static const char* method = "PbCartesianGrid3D::setGeometry";
  if (!x || !y || !z) {
    PoDebugError::post(method, "null coordinate array; the geometry is unchanged");
    return 0;
  }
  const int n = numX * numY * numZ;
  if (hasInvalidFloat(method, "x", n, x) || hasInvalidFloat(method, "y", n, y) || hasInvalidFloat(method, "z", n, z))
    return 0;
  storeAxis(m_x, n, x);
  storeAxis(m_y, n, y);
  storeAxis(m_z, n, z);
  m_x.rebuildRows(numX, numY, numZ);
  m_y.rebuildRows(numX, numY, numZ);
  m_z.rebuildRows(numX, numY, numZ);
  m_numX = numX;
  m_numY = numY;
  m_numZ = numZ;
  return 1;
}

void PbCartesianGrid3D::getGeometry(int& numX, int& numY, int& numZ, const float* const* const*& x,
                                    const float* const* const*& y, const float* const* const*& z) const
{
  numX = m_numX;
  numY = m_numY;
  numZ = m_numZ;
  x = m_x.block ? m_x.planes : nullptr;
  y = m_y.block ? m_y.planes : nullptr;
  z = m_z.block ? m_z.planes : nullptr;
}

SbVec3f PbCartesianGrid3D::getNodeCoord(int i, int j, int k) const
{
  const int n = (i * m_numY + j) * m_numZ + k;
  return SbVec3f(m_x.block[n], m_y.block[n], m_z.block[n]);
}

const PbCell* PbCartesianGrid3D::getCell(int cellIndex) const
{
  if (cellIndex < 0 || cellIndex >= m_numMeshCells)
    return nullptr;
  int i, j, k, nodes[8];
  getCellIndices(cellIndex, i, j, k);
  cellNodes(i, j, k, nodes);
  m_hexCell.set(cellIndex, nodes, m_x.block, m_y.block, m_z.block);
  return &m_hexCell;
}

void PbCartesianGrid3D::updateBoundingBox()
{
  m_boundingBox.makeEmpty();
  for (int n = 0; n < m_numMeshNodes; n++)
    m_boundingBox.extendBy(SbVec3f(m_x.block[n], m_y.block[n], m_z.block[n]));
}

const PbCell* PbCartesianGrid3D::findContainingCellProtected(const SbVec3f& point, float tolerance, SbVec3f& pcoord,
                                                             PbArrayOfInt& testedCells) const
{
  const int* candidates = nullptr;
  const int num = getOctreeCandidates(point, candidates);
  const int checkTested = testedCells.getNum() > 0;
  int i, j, k, nodes[8];
  for (int c = 0; c < num; c++) {
    const int cell = candidates[c];
    if (checkTested && testedCells.find(cell) >= 0)
      continue;
    getCellIndices(cell, i, j, k);
    cellNodes(i, j, k, nodes);
    // Most candidates of a leaf are neighbours whose box misses the point: a box test, widened
    // by the tolerance, spares them the Newton iteration.
    if (!boxMayHold(nodes, point, tolerance))
      continue;
    m_hexCell.set(cell, nodes, m_x.block, m_y.block, m_z.block);
    if (m_hexCell.PbHexahedronCell::locatePoint(point, tolerance, pcoord))
      return &m_hexCell;
  }
  return nullptr;
}

int PbCartesianGrid3D::boxMayHold(const int nodes[8], const SbVec3f& point, float tolerance) const
{
  const float* axes[3] = {m_x.block, m_y.block, m_z.block};
  for (int a = 0; a < 3; a++) {
    const float* v = axes[a];
    float lo = v[nodes[0]], hi = lo;
    for (int n = 1; n < 8; n++) {
      lo = std::min(lo, v[nodes[n]]);
      hi = std::max(hi, v[nodes[n]]);
    }
    const float margin = tolerance > 0 ? tolerance * (hi - lo) : 0.0f;
    if (point[a] < lo - margin || point[a] > hi + margin)
      return 0;
  }
  return 1;
}

float PbCartesianGrid3D::computeLongestEdgeLength() const
{
  // The four main diagonals of each cell: 0-6, 1-7, 2-4 and 3-5 in the local order.
  static const int diag[4][2] = {{0, 6}, {1, 7}, {2, 4}, {3, 5}};
  float longest = 0;
  int nodes[8];
  for (int i = 0; i < m_numX - 1; i++)
    for (int j = 0; j < m_numY - 1; j++)
      for (int k = 0; k < m_numZ - 1; k++) {
        cellNodes(i, j, k, nodes);
        for (const auto& d : diag) {
          const int a = nodes[d[0]], b = nodes[d[1]];
          const float dx = m_x.block[a] - m_x.block[b], dy = m_y.block[a] - m_y.block[b],
                      dz = m_z.block[a] - m_z.block[b];
          longest = std::max(longest, dx * dx + dy * dy + dz * dz);
        }
      }
  return std::sqrt(longest);
}

void PbCartesianGrid3D::print(FILE* file) const
{
  PbGrid3D::print(file);
  const Axis* axes[3] = {&m_x, &m_y, &m_z};
  const char names[3] = {'x', 'y', 'z'};
  for (int a = 0; a < 3; a++) {
    if (axes[a]->block)
      fprintf(file, "PbCartesianGrid3D:: %c, %c[0], %c[0][0] = %p %p %p...\n", names[a], names[a], names[a],
              (const void*)axes[a]->planes, (const void*)axes[a]->planes[0], (const void*)axes[a]->planes[0][0]);
    else
      fprintf(file, "PbCartesianGrid3D:: %c = NULL\n", names[a]);
  }
}

void PbCartesianGrid3D::meshCrossSection(PoMeshCrossSection* node) const
{
  if (node)
    node->cartGrid3DCrossSection(this);
}

void PbCartesianGrid3D::meshSkin(PoMeshSkin* node) const
{
  if (node)
    node->cartGrid3DSkin(this);
}

void PbCartesianGrid3D::meshSkeleton(PoMeshSkeleton* node, const float* values, float* xPlanes, float* yPlanes,
                               float* zPlanes) const
{
  if (node)
    node->cartGrid3DSkeleton(this, values, xPlanes, yPlanes, zPlanes);
}

void PbCartesianGrid3D::meshCrossContour(PoMeshCrossContour* node) const
{
  if (node)
    node->cartGrid3DCrossContour(this);
}

void PbCartesianGrid3D::mesh3DVec(PoMesh3DVec* node) const
{
  if (node)
    node->cartGrid3DVec(this);
}
