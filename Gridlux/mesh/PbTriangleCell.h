// Triangle cell of surface meshes, located through an affine map stored when it is set.
#ifndef GRIDLUX_PBTRIANGLECELL_H
#define GRIDLUX_PBTRIANGLECELL_H

#include <Gridlux/mesh/PbCell.h>

/**
 * @brief Triangle: nodes 0, 1, 2; weights (1 - r - s, r, s).
 *
 * set() chooses the coordinate plane facing the triangle most (from the largest component of its
 * normal) and stores the inverse of its edge matrix there; location then costs a few products.
 * On a mesh with z coordinates a point must also lie within 0.0001 of the triangle's plane.
 * A degenerate (flat) triangle accepts no point.
 */
class PbTriangleCell : public PbCell {
public:
  explicit PbTriangleCell(const PbMesh* owner = nullptr);

  /** Nodes @p n0, @p n1, @p n2 read from per-node arrays; @p z null for a mesh in z = 0. */
  void set(int index, int n0, int n1, int n2, const float* x, const float* y, const float* z);
  /** Nodes with their coordinates in local order; @p hasZ says whether the plane is checked. */
  void set(int index, const int* nodes, const SbVec3f* coords, int hasZ);

  float getArea() const override;
  int locatePoint(const SbVec3f& point, float tolerance, SbVec3f& pcoord) const override;
  void getWeight(const SbVec3f& pcoord, float* weights) const override;
  int isDegenerate() const { return m_degenerate; }

private:
  void prepare();

  int m_degenerate = 1;
  int m_axisA = 0, m_axisB = 1;
  double m_inv[2][2] = {{0, 0}, {0, 0}};
  SbVec3f m_unitNormal;
};

#endif
