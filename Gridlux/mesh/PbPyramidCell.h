// Pyramid cell of indexed volume meshes, located by Newton's method.
#ifndef GRIDLUX_PBPYRAMIDCELL_H
#define GRIDLUX_PBPYRAMIDCELL_H

#include <Gridlux/mesh/PbCell.h>

class PiMarchingCase;

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

  /**
   * Marching case of the pyramid for node mask @p id (bit i set when local node i lies above
   * the level); null past the 32 cases of the kind. The table is built once when the library
   * is loaded, by turning the canonical cases and taking their complements.
   */
  static const PiMarchingCase* getMCcase(unsigned char id);
  /** Number of registrations made while the table was built (two per case and complement). */
  static int getMCcaseRegistrations() { return s_mcRegistrations; }

private:
  static void init();
  static PiMarchingCase* s_mcCases[32];
  static int s_mcRegistrations;
  static const int s_mcBuilt;
  static void shape(const double pc[3], double* w, double* dr, double* ds, double* dt);
};

#endif
