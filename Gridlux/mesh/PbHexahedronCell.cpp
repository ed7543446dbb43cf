// Hexahedron cell: trilinear weights, Newton location and exact volume.
#include <Gridlux/mesh/PbHexahedronCell.h>

#include <Gridlux/mesh/PiMarchingCubeCase.h>

#include <algorithm>
#include <initializer_list>

namespace {
const int kEdges[12][2] = {{0, 1}, {1, 2}, {2, 3}, {3, 0}, {4, 5}, {5, 6},
                           {6, 7}, {7, 4}, {0, 4}, {1, 5}, {2, 6}, {3, 7}};
const int kF0[4] = {0, 3, 7, 4};
const int kF1[4] = {1, 5, 6, 2};
const int kF2[4] = {0, 4, 5, 1};
const int kF3[4] = {3, 2, 6, 7};
const int kF4[4] = {0, 1, 2, 3};
const int kF5[4] = {4, 7, 6, 5};
const int* const kFacets[6] = {kF0, kF1, kF2, kF3, kF4, kF5};
const int kFacetSizes[6] = {4, 4, 4, 4, 4, 4};
}

const int (*PbHexahedronCell::edgeTable())[2]
{
  return kEdges;
}

const int* const* PbHexahedronCell::facetTable()
{
  return kFacets;
}

const int* PbHexahedronCell::facetSizes()
{
  return kFacetSizes;
}

PbHexahedronCell::PbHexahedronCell(const PbMesh* owner) : PbCell(owner, 8, 12, 6, kEdges, kFacets, kFacetSizes) {}

void PbHexahedronCell::set(int index, const int* nodes, const float* x, const float* y, const float* z)
{
  setNodes(index, nodes, x, y, z);
}

void PbHexahedronCell::set(int index, const int* nodes, const SbVec3f* coords)
{
  setNodes(index, nodes, coords);
}

void PbHexahedronCell::trilinearWeights(const SbVec3f& pc, float* w)
{
  const float r = pc[0], s = pc[1], t = pc[2];
  w[0] = (1 - r) * (1 - s) * (1 - t);
  w[1] = r * (1 - s) * (1 - t);
  w[2] = r * s * (1 - t);
  w[3] = (1 - r) * s * (1 - t);
  w[4] = (1 - r) * (1 - s) * t;
  w[5] = r * (1 - s) * t;
  w[6] = r * s * t;
  w[7] = (1 - r) * s * t;
}

void PbHexahedronCell::shape(const double pc[3], double* w, double* dr, double* ds, double* dt)
{
  const double r = pc[0], s = pc[1], t = pc[2];
  const double rm = 1 - r, sm = 1 - s, tm = 1 - t;
  w[0] = rm * sm * tm;
  w[1] = r * sm * tm;
  w[2] = r * s * tm;
  w[3] = rm * s * tm;
  w[4] = rm * sm * t;
  w[5] = r * sm * t;
  w[6] = r * s * t;
  w[7] = rm * s * t;
  dr[0] = -sm * tm; dr[1] = sm * tm; dr[2] = s * tm; dr[3] = -s * tm;
  dr[4] = -sm * t;  dr[5] = sm * t;  dr[6] = s * t;  dr[7] = -s * t;
  ds[0] = -rm * tm; ds[1] = -r * tm; ds[2] = r * tm; ds[3] = rm * tm;
  ds[4] = -rm * t;  ds[5] = -r * t;  ds[6] = r * t;  ds[7] = rm * t;
  dt[0] = -rm * sm; dt[1] = -r * sm; dt[2] = -r * s; dt[3] = -rm * s;
  dt[4] = rm * sm;  dt[5] = r * sm;  dt[6] = r * s;  dt[7] = rm * s;
}

float PbHexahedronCell::getVolume() const
{
  const double v = integrateCubeJacobian(shape);
  return float(v < 0 ? -v : v);
}

int PbHexahedronCell::locatePoint(const SbVec3f& point, float tolerance, SbVec3f& pcoord) const
{
  if (!newton3(point, shape, SbVec3f(0.5f, 0.5f, 0.5f), pcoord))
    return 0;
  return inRange(pcoord[0], tolerance) && inRange(pcoord[1], tolerance) && inRange(pcoord[2], tolerance);
}

void PbHexahedronCell::getWeight(const SbVec3f& pc, float* w) const
{
  trilinearWeights(pc, w);
}

// ---------------------------------------------------------------------------------------------
// Marching cases

PiMarchingCase* PbHexahedronCell::s_mcCases[256];
int PbHexahedronCell::s_mcRegistrations = 0;
// Built during static initialisation, before anything can ask for a case.
const int PbHexahedronCell::s_mcBuilt = (PbHexahedronCell::init(), 1);

const PiMarchingCase* PbHexahedronCell::getMCcase(unsigned char id)
{
  return s_mcCases[id];
}

void PbHexahedronCell::init()
{
  std::fill(s_mcCases, s_mcCases + 256, nullptr);
  s_mcRegistrations = 0;
  PiMarchingCase::registerWithReverse(s_mcCases, s_mcRegistrations, new PiMarchingCubeCase(0, 0));
  // Canonical cases: class, id (the nodes above), polygons in strip order, face quadrangles.
  auto add = [](int canonicalClass, int id, std::initializer_list<int> edges, std::initializer_list<int> quads) {
    PiMarchingCubeCase* item = new PiMarchingCubeCase(canonicalClass, static_cast<unsigned char>(id));
    item->setEdges(static_cast<int>(edges.size()), edges.begin());
    item->setOptQuads(static_cast<int>(quads.size()), quads.begin());
    PiMarchingCase::registerOrbit(s_mcCases, s_mcRegistrations, item, PiMarchingCubeCase::getRotationAxes());
  };
  add(1, 0x01, {0, 8, 3}, {});
  add(2, 0x09, {11, 2, 8, 0}, {});
  add(3, 0x05, {0, 8, 3, -1, 1, 2, 10}, {0, 2, 4, 3});
  add(4, 0x41, {0, 8, 3, -1, 5, 10, 6}, {});
  add(5, 0x98, {3, 8, 2, 4, 6}, {});
  add(6, 0x49, {11, 2, 8, 0, -1, 5, 10, 6}, {6, 5, 1, 0});
  add(7, 0x4a, {2, 3, 11, -1, 1, 9, 0, -1, 5, 10, 6}, {5, 1, 0, 3, -1, 3, 7, 6, 4, -1, 0, 2, 8, 7});
  add(8, 0x99, {4, 6, 0, 2}, {});
  add(9, 0xb1, {11, 3, 6, 0, 5, 9}, {});
  add(10, 0xc3, {1, 9, 3, 8, -1, 5, 10, 7, 11}, {2, 3, 6, 7, -1, 0, 5, 4, 1});
  add(11, 0xd1, {11, 3, 10, 0, 5, 4}, {});
  add(12, 0x9a, {1, 9, 0, -1, 3, 8, 2, 4, 6}, {2, 1, 6, 4});
  add(13, 0xa5, {0, 8, 3, -1, 1, 2, 10, -1, 9, 5, 4, -1, 6, 11, 7}, {0, 2, 4, 3, -1, 0, 6, 8, 1, -1, 2, 1, 11, 10, -1, 3, 5, 7, 6, -1, 4, 10, 9, 5, -1, 8, 7, 9, 11});
  add(14, 0xb8, {2, 3, 6, 8, 5, 9}, {});
}
