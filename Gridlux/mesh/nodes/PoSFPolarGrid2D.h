// Mesh field holding a polar surface grid (PbPolarGrid2D) by value.
#ifndef GRIDLUX_POSFPOLARGRID2D_H
#define GRIDLUX_POSFPOLARGRID2D_H

#include <Gridlux/mesh/PbPolarGrid2D.h>
#include <Gridlux/mesh/nodes/PoSFMesh.h>

/**
 * @brief Single-value field whose value is a PbPolarGrid2D, copied into the field.
 *
 * Geometry in the file, in order: numR numT with "# num_r, num_t"; numR radii; numT angles; the 3D flag and the z per node. The value sets follow (PoSFMesh).
 */
class PoSFPolarGrid2D : public PoSFMesh {
  typedef PoSFMesh inherited;
  PO_SFMESH_HEADER(PoSFPolarGrid2D, PbPolarGrid2D);

public:
  /** Sets the held grid's geometry (as PbPolarGrid2D does) and reports the change; 1 on success. */
  int setGeometry(int numR, int numT, const float* radii, const float* angles);
  int setGeometry(int numR, int numT, const float* radii, const float* angles, const float* z);
};

#endif
