// Hexahedron cell: trilinear weights, Newton location and exact volume.
#include <Gridlux/mesh/PbHexahedronCell.h>

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
