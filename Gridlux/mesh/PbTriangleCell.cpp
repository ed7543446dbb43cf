// Triangle cell: affine location on the coordinate plane that faces it most.
#include <Gridlux/mesh/PbTriangleCell.h>

#include <cmath>

namespace {
const int kEdges[3][2] = {{0, 1}, {1, 2}, {2, 0}};
const int kFacet0[3] = {0, 1, 2};
const int* const kFacets[1] = {kFacet0};
const int kFacetSizes[1] = {3};
}

PbTriangleCell::PbTriangleCell(const PbMesh* owner) : PbCell(owner, 3, 3, 1, kEdges, kFacets, kFacetSizes) {}

void PbTriangleCell::set(int index, int n0, int n1, int n2, const float* x, const float* y, const float* z)
{
  const int nodes[3] = {n0, n1, n2};
  setNodes(index, nodes, x, y, z);
  prepare();
}

void PbTriangleCell::set(int index, const int* nodes, const SbVec3f* coords, int hasZ)
{
  setNodes(index, nodes, coords);
  m_hasZ = hasZ;
  prepare();
}

void PbTriangleCell::prepare()
{
  const SbVec3f e1 = m_coord[1] - m_coord[0];
  const SbVec3f e2 = m_coord[2] - m_coord[0];
  const SbVec3f n = e1.cross(e2);
  const float ax = std::fabs(n[0]), ay = std::fabs(n[1]), az = std::fabs(n[2]);
  if (az >= ax && az >= ay) {
    m_axisA = 0;
    m_axisB = 1;
  }
  else if (ay >= ax) {
    m_axisA = 0;
    m_axisB = 2;
  }
  else {
    m_axisA = 1;
    m_axisB = 2;
  }
  const double a = e1[m_axisA], b = e2[m_axisA], c = e1[m_axisB], d = e2[m_axisB];
  const double det = a * d - b * c;
  const double scale = double(e1.length()) * e2.length();
  m_degenerate = !(std::fabs(det) > 1e-7 * scale) || !std::isfinite(det);
  if (m_degenerate)
    return;
  m_inv[0][0] = d / det;
  m_inv[0][1] = -b / det;
  m_inv[1][0] = -c / det;
  m_inv[1][1] = a / det;
  m_unitNormal = n / n.length();
}

float PbTriangleCell::getArea() const
{
  return 0.5f * (m_coord[1] - m_coord[0]).cross(m_coord[2] - m_coord[0]).length();
}

int PbTriangleCell::locatePoint(const SbVec3f& point, float tolerance, SbVec3f& pcoord) const
{
  if (m_degenerate) {
    pcoord.setValue(0, 0, 0);
    return 0;
  }
  const double pa = double(point[m_axisA]) - m_coord[0][m_axisA];
  const double pb = double(point[m_axisB]) - m_coord[0][m_axisB];
  const float r = float(m_inv[0][0] * pa + m_inv[0][1] * pb);
  const float s = float(m_inv[1][0] * pa + m_inv[1][1] * pb);
  pcoord.setValue(r, s, 0);
  if (!inRange(r, tolerance) || !inRange(s, tolerance) || !inRange(1.0f - r - s, tolerance))
    return 0;
  if (m_hasZ && std::fabs(m_unitNormal.dot(point - m_coord[0])) > 0.0001f)
    return 0;
  return 1;
}

void PbTriangleCell::getWeight(const SbVec3f& pc, float* w) const
{
  w[0] = 1.0f - pc[0] - pc[1];
  w[1] = pc[0];
  w[2] = pc[1];
}
