// Tetrahedron cell of volume meshes, located through an affine map stored when it is set.
#ifndef GRIDLUX_PBTETRAHEDRONCELL_H
#define GRIDLUX_PBTETRAHEDRONCELL_H

#include <Gridlux/mesh/PbCell.h>

class PiMarchingCase;

/**
 * @brief Tetrahedron: nodes 0 to 3; weights (1 - r - s - t, r, s, t); 6 edges and 4 facets.
 *
 * set() inverts the matrix of the edge vectors from node 0 and keeps it with node 0 as the
 * translation, so location is one affine map. A degenerate (flat) tetrahedron accepts no point.
 */
class PbTetrahedronCell : public PbCell {
public:
  explicit PbTetrahedronCell(const PbMesh* owner = nullptr);

  void set(int index, const int* nodes, const float* x, const float* y, const float* z);
  void set(int index, const int* nodes, const SbVec3f* coords);

  float getVolume() const override;
  int locatePoint(const SbVec3f& point, float tolerance, SbVec3f& pcoord) const override;
  void getWeight(const SbVec3f& pcoord, float* weights) const override;
  void print(FILE* file) const override;
  int isDegenerate() const { return m_degenerate; }

  /**
   * Marching case of the tetrahedron for node mask @p id (bit i set when local node i lies above
   * the level); null past the 16 cases of the kind. The table is built once when the library
   * is loaded, by turning the canonical cases and taking their complements.
   */
  static const PiMarchingCase* getMCcase(unsigned char id);
  /** Number of registrations made while the table was built (two per case and complement). */
  static int getMCcaseRegistrations() { return s_mcRegistrations; }

private:
  static void init();
  static PiMarchingCase* s_mcCases[16];
  static int s_mcRegistrations;
  static const int s_mcBuilt;
  void prepare();

  int m_degenerate = 1;
  double m_det = 0;
  double m_inv[3][3] = {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}};
};

#endif
