// Wedge cell: prism weights, Newton location and exact volume.
#include <Gridlux/mesh/PbWedgeCell.h>

#include <Gridlux/mesh/PiMarchingWedgeCase.h>

#include <algorithm>
#include <initializer_list>

#include <cmath>

namespace {
const int kEdges[9][2] = {{0, 1}, {1, 2}, {2, 0}, {3, 4}, {4, 5}, {5, 3}, {0, 3}, {1, 4}, {2, 5}};
const int kF0[3] = {0, 1, 2};
const int kF1[3] = {3, 5, 4};
const int kF2[4] = {0, 2, 5, 3};
const int kF3[4] = {1, 4, 5, 2};
const int kF4[4] = {0, 3, 4, 1};
const int* const kFacets[5] = {kF0, kF1, kF2, kF3, kF4};
const int kFacetSizes[5] = {3, 3, 4, 4, 4};
}

PbWedgeCell::PbWedgeCell(const PbMesh* owner) : PbCell(owner, 6, 9, 5, kEdges, kFacets, kFacetSizes) {}

void PbWedgeCell::set(int index, const int* nodes, const float* x, const float* y, const float* z)
{
  setNodes(index, nodes, x, y, z);
}

void PbWedgeCell::set(int index, const int* nodes, const SbVec3f* coords)
{
  setNodes(index, nodes, coords);
}

void PbWedgeCell::shape(const double pc[3], double* w, double* dr, double* ds, double* dt)
{
  const double r = pc[0], s = pc[1], t = pc[2];
  const double u = 1 - r - s, tm = 1 - t;
  w[0] = tm * u; w[1] = r * tm; w[2] = s * tm; w[3] = t * u; w[4] = r * t; w[5] = s * t;
  dr[0] = -tm; dr[1] = tm; dr[2] = 0; dr[3] = -t; dr[4] = t; dr[5] = 0;
  ds[0] = -tm; ds[1] = 0; ds[2] = tm; ds[3] = -t; ds[4] = 0; ds[5] = t;
  dt[0] = -u; dt[1] = -r; dt[2] = -s; dt[3] = u; dt[4] = r; dt[5] = s;
}

float PbWedgeCell::getVolume() const
{
  // The Jacobian is linear in (r, s) and quadratic in t: the centroid of the triangle and two
  // Gauss points along t integrate it exactly.
  const double g[2] = {0.5 - 0.5 / std::sqrt(3.0), 0.5 + 0.5 / std::sqrt(3.0)};
  double w[6], dr[6], ds[6], dt[6];
  double sum = 0;
  for (int k = 0; k < 2; k++) {
    const double pc[3] = {1.0 / 3.0, 1.0 / 3.0, g[k]};
    shape(pc, w, dr, ds, dt);
    double jr[3] = {0, 0, 0}, js[3] = {0, 0, 0}, jt[3] = {0, 0, 0};
    for (int i = 0; i < 6; i++)
      for (int a = 0; a < 3; a++) {
        jr[a] += dr[i] * m_coord[i][a];
        js[a] += ds[i] * m_coord[i][a];
        jt[a] += dt[i] * m_coord[i][a];
      }
    sum += jr[0] * (js[1] * jt[2] - js[2] * jt[1]) - js[0] * (jr[1] * jt[2] - jr[2] * jt[1]) +
           jt[0] * (jr[1] * js[2] - jr[2] * js[1]);
  }
  return float(std::fabs(sum * 0.5 * 0.5));
}

int PbWedgeCell::locatePoint(const SbVec3f& point, float tolerance, SbVec3f& pcoord) const
{
  if (!newton3(point, shape, SbVec3f(1.0f / 3.0f, 1.0f / 3.0f, 0.5f), pcoord))
    return 0;
  return inRange(pcoord[0], tolerance) && inRange(pcoord[1], tolerance) && inRange(pcoord[2], tolerance) &&
         inRange(1.0f - pcoord[0] - pcoord[1], tolerance);
}

void PbWedgeCell::getWeight(const SbVec3f& pc, float* w) const
{
  const float r = pc[0], s = pc[1], t = pc[2];
  const float u = 1 - r - s;
  w[0] = (1 - t) * u;
  w[1] = r * (1 - t);
  w[2] = s * (1 - t);
  w[3] = t * u;
  w[4] = r * t;
  w[5] = s * t;
}

// ---------------------------------------------------------------------------------------------
// Marching cases

PiMarchingCase* PbWedgeCell::s_mcCases[64];
int PbWedgeCell::s_mcRegistrations = 0;
// Built during static initialisation, before anything can ask for a case.
const int PbWedgeCell::s_mcBuilt = (PbWedgeCell::init(), 1);

const PiMarchingCase* PbWedgeCell::getMCcase(unsigned char id)
{
  return id < 64 ? s_mcCases[id] : nullptr;
}

void PbWedgeCell::init()
{
  std::fill(s_mcCases, s_mcCases + 64, nullptr);
  s_mcRegistrations = 0;
  PiMarchingCase::registerWithReverse(s_mcCases, s_mcRegistrations, new PiMarchingWedgeCase(0, 0));
  // Canonical cases: class, id (the nodes above), polygons in strip order, face quadrangles.
  auto add = [](int canonicalClass, int id, std::initializer_list<int> edges, std::initializer_list<int> quads) {
    PiMarchingWedgeCase* item = new PiMarchingWedgeCase(canonicalClass, static_cast<unsigned char>(id));
    item->setEdges(static_cast<int>(edges.size()), edges.begin());
    item->setOptQuads(static_cast<int>(quads.size()), quads.begin());
    PiMarchingCase::registerOrbit(s_mcCases, s_mcRegistrations, item, PiMarchingWedgeCase::getRotationAxes());
  };
  add(1, 0x01, {0, 6, 2}, {});
  add(2, 0x03, {1, 7, 2, 6}, {});
  add(3, 0x09, {0, 3, 2, 5}, {});
  add(4, 0x21, {0, 6, 2, -1, 4, 8, 5}, {2, 1, 5, 4});
  add(5, 0x0c, {1, 2, 8, -1, 3, 5, 6}, {1, 5, 4, 2});
  add(6, 0x07, {6, 8, 7}, {});
  // The corner triangle at node 5 runs 4 8 5, as in class 4: so it faces the same way as the rest
  // of the surface, and the face quadrangle's points 5 and 6 (edges 8 and 5) go round the face.
  add(7, 0x23, {1, 7, 2, 6, -1, 4, 8, 5}, {2, 3, 6, 5});
  add(8, 0x0b, {1, 7, 2, 3, 5}, {});
  add(9, 0x13, {1, 4, 2, 3, 6}, {});
}
