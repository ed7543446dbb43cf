// Quadrangle cell: bilinear weights and Newton location in the plane of the cell.
#include <Gridlux/mesh/PbQuadrangleCell.h>

#include <cmath>

namespace {
const int kEdges[4][2] = {{0, 1}, {1, 2}, {2, 3}, {3, 0}};
const int kFacet0[4] = {0, 1, 2, 3};
const int* const kFacets[1] = {kFacet0};
const int kFacetSizes[1] = {4};
}

PbQuadrangleCell::PbQuadrangleCell(const PbMesh* owner) : PbCell(owner, 4, 4, 1, kEdges, kFacets, kFacetSizes) {}

void PbQuadrangleCell::set(int index, int n0, int n1, int n2, int n3, const float* x, const float* y, const float* z)
{
  const int nodes[4] = {n0, n1, n2, n3};
  setNodes(index, nodes, x, y, z);
  prepare();
}

void PbQuadrangleCell::set(int index, const int* nodes, const SbVec3f* coords, int hasZ)
{
  setNodes(index, nodes, coords);
  m_hasZ = hasZ;
  prepare();
}

void PbQuadrangleCell::prepare()
{
  m_axisA = 0;
  m_axisB = 1;
  if (!m_hasZ)
    return;
  // The diagonals' cross product is the mean normal and is well defined for any convex cell.
  const SbVec3f n = (m_coord[2] - m_coord[0]).cross(m_coord[3] - m_coord[1]);
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
  const float len = n.length();
  m_hasPlane = len > 0;
  m_unitNormal = len > 0 ? n / len : SbVec3f(0, 0, 0);
}

float PbQuadrangleCell::getArea() const
{
  return 0.5f * (m_coord[2] - m_coord[0]).cross(m_coord[3] - m_coord[1]).length();
}

int PbQuadrangleCell::locatePoint(const SbVec3f& point, float tolerance, SbVec3f& pcoord) const
{
  const int a = m_axisA, b = m_axisB;
  const double px = point[a], py = point[b];
  double x[4], y[4];
  for (int i = 0; i < 4; i++) {
    x[i] = m_coord[i][a];
    y[i] = m_coord[i][b];
  }
  double r = 0.5, s = 0.5;
  // A point far from the cell may have no preimage: Newton then wanders and can stop anywhere,
  // so a location is accepted only when the iteration settled.
  int ok = 0;
  for (int iter = 0; iter < 10; iter++) {
    const double w0 = (1 - r) * (1 - s), w1 = r * (1 - s), w2 = r * s, w3 = (1 - r) * s;
    const double fx = w0 * x[0] + w1 * x[1] + w2 * x[2] + w3 * x[3] - px;
    const double fy = w0 * y[0] + w1 * y[1] + w2 * y[2] + w3 * y[3] - py;
    // d/dr of the weights: -(1-s), (1-s), s, -s; d/ds: -(1-r), -r, r, (1-r).
    const double xr = (1 - s) * (x[1] - x[0]) + s * (x[2] - x[3]);
    const double yr = (1 - s) * (y[1] - y[0]) + s * (y[2] - y[3]);
    const double xs = (1 - r) * (x[3] - x[0]) + r * (x[2] - x[1]);
    const double ys = (1 - r) * (y[3] - y[0]) + r * (y[2] - y[1]);
    const double det = xr * ys - xs * yr;
    if (det == 0.0 || !std::isfinite(det))
      break;
    const double dr = (fx * ys - xs * fy) / det;
    const double ds = (xr * fy - fx * yr) / det;
    r -= dr;
    s -= ds;
    if (std::fabs(dr) < 0.001 && std::fabs(ds) < 0.001) {
      ok = 1;
      break;
    }
  }
  pcoord.setValue(float(r), float(s), 0);
  if (!ok || !std::isfinite(r) || !std::isfinite(s))
    return 0;
  if (!inRange(pcoord[0], tolerance) || !inRange(pcoord[1], tolerance))
    return 0;
  if (m_hasZ && (!m_hasPlane || std::fabs(m_unitNormal.dot(point - m_coord[0])) > 0.0001f))
    return 0;
  return 1;
}

void PbQuadrangleCell::getWeight(const SbVec3f& pc, float* w) const
{
  const float r = pc[0], s = pc[1];
  w[0] = (1 - r) * (1 - s);
  w[1] = r * (1 - s);
  w[2] = r * s;
  w[3] = (1 - r) * s;
}
