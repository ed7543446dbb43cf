// Wedge (triangular prism) cell of indexed volume meshes, located by Newton's method.
#ifndef GRIDLUX_PBWEDGECELL_H
#define GRIDLUX_PBWEDGECELL_H

#include <Gridlux/mesh/PbCell.h>

class PiMarchingCase;

/**
 * @brief Wedge: triangle 0, 1, 2 at t = 0 and triangle 3, 4, 5 at t = 1; weights
 * ((1-t)(1-r-s), r(1-t), s(1-t), t(1-r-s), rt, st); 9 edges and 5 facets.
 *
 * Location runs Newton's method from (1/3, 1/3, 1/2) and also requires 1 - r - s within the
 * tolerance range.
 */
class PbWedgeCell : public PbCell {
public:
  explicit PbWedgeCell(const PbMesh* owner = nullptr);

  void set(int index, const int* nodes, const float* x, const float* y, const float* z);
  void set(int index, const int* nodes, const SbVec3f* coords);

  float getVolume() const override;
  int locatePoint(const SbVec3f& point, float tolerance, SbVec3f& pcoord) const override;
  void getWeight(const SbVec3f& pcoord, float* weights) const override;

  /**
   * Marching case of the wedge for node mask @p id (bit i set when local node i lies above
   * the level); null past the 64 cases of the kind. The table is built once when the library
   * is loaded, by turning the canonical cases and taking their complements.
   */
  static const PiMarchingCase* getMCcase(unsigned char id);
  /** Number of registrations made while the table was built (two per case and complement). */
  static int getMCcaseRegistrations() { return s_mcRegistrations; }

private:
  static void init();
  static PiMarchingCase* s_mcCases[64];
  static int s_mcRegistrations;
  static const int s_mcBuilt;
  static void shape(const double pc[3], double* w, double* dr, double* ds, double* dt);
};

#endif
