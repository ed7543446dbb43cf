// Pyramid cell: collapsed-hexahedron weights, Newton location and exact volume.
#include <Gridlux/mesh/PbPyramidCell.h>

#include <Gridlux/mesh/PiMarchingPyraCase.h>

#include <algorithm>
#include <initializer_list>

namespace {
const int kEdges[8][2] = {{0, 1}, {1, 2}, {2, 3}, {3, 0}, {0, 4}, {1, 4}, {2, 4}, {3, 4}};
const int kF0[4] = {0, 1, 2, 3};
const int kF1[3] = {0, 4, 1};
const int kF2[3] = {1, 4, 2};
const int kF3[3] = {2, 4, 3};
const int kF4[3] = {3, 4, 0};
const int* const kFacets[5] = {kF0, kF1, kF2, kF3, kF4};
const int kFacetSizes[5] = {4, 3, 3, 3, 3};
}

PbPyramidCell::PbPyramidCell(const PbMesh* owner) : PbCell(owner, 5, 8, 5, kEdges, kFacets, kFacetSizes) {}

void PbPyramidCell::set(int index, const int* nodes, const float* x, const float* y, const float* z)
{
  setNodes(index, nodes, x, y, z);
}

void PbPyramidCell::set(int index, const int* nodes, const SbVec3f* coords)
{
  setNodes(index, nodes, coords);
}

void PbPyramidCell::shape(const double pc[3], double* w, double* dr, double* ds, double* dt)
{
  const double r = pc[0], s = pc[1], t = pc[2];
  const double rm = 1 - r, sm = 1 - s, tm = 1 - t;
  w[0] = rm * sm * tm; w[1] = r * sm * tm; w[2] = r * s * tm; w[3] = rm * s * tm; w[4] = t;
  dr[0] = -sm * tm; dr[1] = sm * tm; dr[2] = s * tm; dr[3] = -s * tm; dr[4] = 0;
  ds[0] = -rm * tm; ds[1] = -r * tm; ds[2] = r * tm; ds[3] = rm * tm; ds[4] = 0;
  dt[0] = -rm * sm; dt[1] = -r * sm; dt[2] = -r * s; dt[3] = -rm * s; dt[4] = 1;
}

float PbPyramidCell::getVolume() const
{
  const double v = integrateCubeJacobian(shape);
  return float(v < 0 ? -v : v);
}

int PbPyramidCell::locatePoint(const SbVec3f& point, float tolerance, SbVec3f& pcoord) const
{
  if (!newton3(point, shape, SbVec3f(0.5f, 0.5f, 0.25f), pcoord))
    return 0;
  return inRange(pcoord[0], tolerance) && inRange(pcoord[1], tolerance) && inRange(pcoord[2], tolerance);
}

void PbPyramidCell::getWeight(const SbVec3f& pc, float* w) const
{
  const float r = pc[0], s = pc[1], t = pc[2];
  w[0] = (1 - r) * (1 - s) * (1 - t);
  w[1] = r * (1 - s) * (1 - t);
  w[2] = r * s * (1 - t);
  w[3] = (1 - r) * s * (1 - t);
  w[4] = t;
}

// ---------------------------------------------------------------------------------------------
// Marching cases

PiMarchingCase* PbPyramidCell::s_mcCases[32];
int PbPyramidCell::s_mcRegistrations = 0;
// Built during static initialisation, before anything can ask for a case.
const int PbPyramidCell::s_mcBuilt = (PbPyramidCell::init(), 1);

const PiMarchingCase* PbPyramidCell::getMCcase(unsigned char id)
{
  return id < 32 ? s_mcCases[id] : nullptr;
}

void PbPyramidCell::init()
{
  std::fill(s_mcCases, s_mcCases + 32, nullptr);
  s_mcRegistrations = 0;
  PiMarchingCase::registerWithReverse(s_mcCases, s_mcRegistrations, new PiMarchingPyraCase(0, 0));
  // Canonical cases: class, id (the nodes above), polygons in strip order, face quadrangles.
  auto add = [](int canonicalClass, int id, std::initializer_list<int> edges, std::initializer_list<int> quads) {
    PiMarchingPyraCase* item = new PiMarchingPyraCase(canonicalClass, static_cast<unsigned char>(id));
    item->setEdges(static_cast<int>(edges.size()), edges.begin());
    item->setOptQuads(static_cast<int>(quads.size()), quads.begin());
    PiMarchingCase::registerOrbit(s_mcCases, s_mcRegistrations, item, PiMarchingPyraCase::getRotationAxes());
  };
  add(1, 0x01, {0, 4, 3}, {});
  add(2, 0x10, {4, 5, 7, 6}, {});
  add(3, 0x03, {1, 5, 3, 4}, {});
  add(4, 0x05, {0, 4, 3, -1, 2, 6, 1}, {0, 2, 3, 5});
  add(5, 0x0e, {0, 3, 5, 7, 6}, {});
}
