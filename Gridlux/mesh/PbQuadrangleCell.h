// Quadrangle cell of surface meshes and curvilinear 2D grids, located by Newton's method.
#ifndef GRIDLUX_PBQUADRANGLECELL_H
#define GRIDLUX_PBQUADRANGLECELL_H

#include <Gridlux/mesh/PbCell.h>

/**
 * @brief Quadrangle: nodes at (0,0), (1,0), (1,1), (0,1); bilinear weights.
 *
 * Location runs Newton's method on the bilinear map from (0.5, 0.5), at most 10 iterations, on
 * the xy plane for a mesh without z, else on the coordinate plane that faces the cell most; on a
 * mesh with z the point must also lie within 0.0001 of the cell's plane. The area is half the
 * length of the cross product of the diagonals (exact for planar cells).
 */
class PbQuadrangleCell : public PbCell {
public:
  explicit PbQuadrangleCell(const PbMesh* owner = nullptr);

  void set(int index, int n0, int n1, int n2, int n3, const float* x, const float* y, const float* z);
  void set(int index, const int* nodes, const SbVec3f* coords, int hasZ);

  float getArea() const override;
  int locatePoint(const SbVec3f& point, float tolerance, SbVec3f& pcoord) const override;
  void getWeight(const SbVec3f& pcoord, float* weights) const override;

private:
  void prepare();

  int m_axisA = 0, m_axisB = 1;
  SbVec3f m_unitNormal;
  int m_hasPlane = 0;
};

#endif
