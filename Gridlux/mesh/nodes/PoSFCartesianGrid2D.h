// Mesh field holding a curvilinear surface grid (PbCartesianGrid2D) by value.
#ifndef GRIDLUX_POSFCARTESIANGRID2D_H
#define GRIDLUX_POSFCARTESIANGRID2D_H

#include <Gridlux/mesh/PbCartesianGrid2D.h>
#include <Gridlux/mesh/nodes/PoSFMesh.h>

/**
 * @brief Single-value field whose value is a PbCartesianGrid2D, copied into the field.
 *
 * Geometry in the file, in order: numX numY with "# num_x, num_y"; x and y per node (numX * numY values each); the 3D flag (1 or 0) and the z per node. The value sets follow (PoSFMesh).
 */
class PoSFCartesianGrid2D : public PoSFMesh {
  typedef PoSFMesh inherited;
  PO_SFMESH_HEADER(PoSFCartesianGrid2D, PbCartesianGrid2D);

public:
  /** Sets the held grid's geometry (as PbCartesianGrid2D does) and reports the change; 1 on success. */
  int setGeometry(int numX, int numY, const float* x, const float* y);
  int setGeometry(int numX, int numY, const float* x, const float* y, const float* z);
};

#endif
