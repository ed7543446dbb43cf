// Pixel cell: direct location in an axis-aligned rectangle.
#include <Gridlux/mesh/PbPixelCell.h>

#include <cmath>

namespace {
const int kEdges[4][2] = {{0, 1}, {1, 2}, {2, 3}, {3, 0}};
const int kFacet0[4] = {0, 1, 2, 3};
const int* const kFacets[1] = {kFacet0};
const int kFacetSizes[1] = {4};
}

PbPixelCell::PbPixelCell(const PbMesh* owner) : PbCell(owner, 4, 4, 1, kEdges, kFacets, kFacetSizes) {}

void PbPixelCell::set(int index, const int* nodes, float x0, float y0, float x1, float y1)
{
  const SbVec3f corners[4] = {SbVec3f(x0, y0, 0), SbVec3f(x1, y0, 0), SbVec3f(x1, y1, 0), SbVec3f(x0, y1, 0)};
  setNodes(index, nodes, corners);
  m_hasZ = 0;
}

float PbPixelCell::getArea() const
{
  return std::fabs((m_coord[2][0] - m_coord[0][0]) * (m_coord[2][1] - m_coord[0][1]));
}

int PbPixelCell::locatePoint(const SbVec3f& point, float tolerance, SbVec3f& pcoord) const
{
  const float wx = m_coord[2][0] - m_coord[0][0];
  const float wy = m_coord[2][1] - m_coord[0][1];
  if (wx == 0 || wy == 0) {
    pcoord.setValue(0, 0, 0);
    return 0;
  }
  pcoord.setValue((point[0] - m_coord[0][0]) / wx, (point[1] - m_coord[0][1]) / wy, 0);
  return inRange(pcoord[0], tolerance) && inRange(pcoord[1], tolerance);
}

void PbPixelCell::getWeight(const SbVec3f& pc, float* w) const
{
  const float r = pc[0], s = pc[1];
  w[0] = (1 - r) * (1 - s);
  w[1] = r * (1 - s);
  w[2] = r * s;
  w[3] = (1 - r) * s;
}
