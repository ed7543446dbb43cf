// Hexahedron cell of curvilinear 3D grids and hexahedron meshes, located by Newton's method.
#ifndef GRIDLUX_PBHEXAHEDRONCELL_H
#define GRIDLUX_PBHEXAHEDRONCELL_H

#include <Gridlux/mesh/PbCell.h>

class PiMarchingCase;

/**
 * @brief Hexahedron: nodes at (0,0,0), (1,0,0), (1,1,0), (0,1,0), (0,0,1), (1,0,1), (1,1,1),
 * (0,1,1); trilinear weights; 12 edges and 6 facets.
 *
 * Location runs Newton's method on the trilinear map from (0.5, 0.5, 0.5). The volume is the
 * integral of the map's Jacobian, exact for any non-inverted cell. The voxel shares the tables.
 */
class PbHexahedronCell : public PbCell {
public:
  explicit PbHexahedronCell(const PbMesh* owner = nullptr);

  /** Eight nodes read from per-node coordinate arrays. */
  void set(int index, const int* nodes, const float* x, const float* y, const float* z);
  void set(int index, const int* nodes, const SbVec3f* coords);

  float getVolume() const override;
  int locatePoint(const SbVec3f& point, float tolerance, SbVec3f& pcoord) const override;
  void getWeight(const SbVec3f& pcoord, float* weights) const override;

  /** Tables of the kind, shared with the voxel. */
  static const int (*edgeTable())[2];
  static const int* const* facetTable();
  static const int* facetSizes();
  static void trilinearWeights(const SbVec3f& pcoord, float* weights);

  /**
   * Marching case of the hexahedron for node mask @p id (bit i set when local node i lies above
   * the level); null past the 256 cases of the kind. The table is built once when the library
   * is loaded, by turning the canonical cases and taking their complements.
   */
  static const PiMarchingCase* getMCcase(unsigned char id);
  /** Number of registrations made while the table was built (two per case and complement). */
  static int getMCcaseRegistrations() { return s_mcRegistrations; }

private:
  static void init();
  static PiMarchingCase* s_mcCases[256];
  static int s_mcRegistrations;
  static const int s_mcBuilt;
  static void shape(const double pc[3], double* w, double* dr, double* ds, double* dt);
};

#endif
