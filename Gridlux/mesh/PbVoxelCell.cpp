// Voxel cell: direct location in an axis-aligned box.
#include <Gridlux/mesh/PbVoxelCell.h>

#include <Gridlux/mesh/PbHexahedronCell.h>

#include <cmath>

PbVoxelCell::PbVoxelCell(const PbMesh* owner)
  : PbCell(owner, 8, 12, 6, PbHexahedronCell::edgeTable(), PbHexahedronCell::facetTable(),
           PbHexahedronCell::facetSizes())
{
}

void PbVoxelCell::set(int index, const int* nodes, const SbVec3f& a, const SbVec3f& b)
{
  const SbVec3f corners[8] = {SbVec3f(a[0], a[1], a[2]), SbVec3f(b[0], a[1], a[2]), SbVec3f(b[0], b[1], a[2]),
                              SbVec3f(a[0], b[1], a[2]), SbVec3f(a[0], a[1], b[2]), SbVec3f(b[0], a[1], b[2]),
                              SbVec3f(b[0], b[1], b[2]), SbVec3f(a[0], b[1], b[2])};
  setNodes(index, nodes, corners);
}

SbBox3f PbVoxelCell::getBoundingBox() const
{
  SbBox3f box;
  box.extendBy(m_coord[0]);
  box.extendBy(m_coord[6]);
  return box;
}

float PbVoxelCell::getVolume() const
{
  const SbVec3f d = m_coord[6] - m_coord[0];
  return std::fabs(d[0] * d[1] * d[2]);
}

int PbVoxelCell::locatePoint(const SbVec3f& point, float tolerance, SbVec3f& pcoord) const
{
  const SbVec3f d = m_coord[6] - m_coord[0];
  if (d[0] == 0 || d[1] == 0 || d[2] == 0) {
    pcoord.setValue(0, 0, 0);
    return 0;
  }
  pcoord.setValue((point[0] - m_coord[0][0]) / d[0], (point[1] - m_coord[0][1]) / d[1],
                  (point[2] - m_coord[0][2]) / d[2]);
  return inRange(pcoord[0], tolerance) && inRange(pcoord[1], tolerance) && inRange(pcoord[2], tolerance);
}

void PbVoxelCell::getWeight(const SbVec3f& pc, float* w) const
{
  PbHexahedronCell::trilinearWeights(pc, w);
}
