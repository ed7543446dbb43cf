// Mesh field holding a rectilinear surface grid (PbParalCartesianGrid2D) by value.
#ifndef GRIDLUX_POSFPARALCARTESIANGRID2D_H
#define GRIDLUX_POSFPARALCARTESIANGRID2D_H

#include <Gridlux/mesh/PbParalCartesianGrid2D.h>
#include <Gridlux/mesh/nodes/PoSFMesh.h>

/**
 * @brief Single-value field whose value is a PbParalCartesianGrid2D, copied into the field.
 *
 * Geometry in the file, in order: numX numY; numX x values; numY y values; the 3D flag and the z per node. The value sets follow (PoSFMesh).
 */
class PoSFParalCartesianGrid2D : public PoSFMesh {
  typedef PoSFMesh inherited;
  PO_SFMESH_HEADER(PoSFParalCartesianGrid2D, PbParalCartesianGrid2D);

public:
  /** Sets the held grid's geometry (as PbParalCartesianGrid2D does) and reports the change; 1 on success. */
  int setGeometry(int numX, int numY, const float* x, const float* y);
  int setGeometry(int numX, int numY, const float* x, const float* y, const float* z);
};

#endif
