// Pyramid cell of indexed volume meshes, located by Newton's method.
#ifndef GRIDLUX_PBPYRAMIDCELL_H
#define GRIDLUX_PBPYRAMIDCELL_H

#include <Gridlux/mesh/PbCell.h>

/**
 * @brief Pyramid: quadrangle base 0, 1, 2, 3 at t = 0 and apex 4; weights
 * ((1-r)(1-s)(1-t), r(1-s)(1-t), rs(1-t), (1-r)s(1-t), t); 8 edges and 5 facets.
 *
 * Location runs Newton's method from (0.5, 0.5, 0.25), below the apex where the map is regular;
 * (r, s) is a position across the section at height t, so r and s (not their sum) are bounded.
 */
class PbPyramidCell : public PbCell {
public:
  explicit PbPyramidCell(const PbMesh* owner = nullptr);

  void set(int index, const int* nodes, const float* x, const float* y, const float* z);
  void set(int index, const int* nodes, const SbVec3f* coords);

  float getVolume() const override;
  int locatePoint(const SbVec3f& point, float tolerance, SbVec3f& pcoord) const override;
  void getWeight(const SbVec3f& pcoord, float* weights) const override;

private:
  static void shape(const double pc[3], double* w, double* dr, double* ds, double* dt);
};

#endif
