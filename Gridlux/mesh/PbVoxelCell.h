// Axis-aligned box cell of parallelepiped and regular 3D grids.
#ifndef GRIDLUX_PBVOXELCELL_H
#define GRIDLUX_PBVOXELCELL_H

#include <Gridlux/mesh/PbCell.h>

/**
 * @brief Voxel: an axis-aligned hexahedron with the hexahedron's numbering and weights.
 *
 * Location is direct, per axis (p - c0) / (c6 - c0), c0 and c6 being the corners of local nodes
 * 0 and 6. A voxel of zero extent along an axis accepts nothing.
 */
class PbVoxelCell : public PbCell {
public:
  explicit PbVoxelCell(const PbMesh* owner = nullptr);

  /** Nodes in local order; @p c0 the corner of node 0, @p c6 the corner of node 6. */
  void set(int index, const int* nodes, const SbVec3f& c0, const SbVec3f& c6);

  SbBox3f getBoundingBox() const override;
  float getVolume() const override;
  int locatePoint(const SbVec3f& point, float tolerance, SbVec3f& pcoord) const override;
  void getWeight(const SbVec3f& pcoord, float* weights) const override;
};

#endif
