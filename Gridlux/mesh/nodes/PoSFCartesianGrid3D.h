// Mesh field holding a curvilinear volume grid (PbCartesianGrid3D) by value.
#ifndef GRIDLUX_POSFCARTESIANGRID3D_H
#define GRIDLUX_POSFCARTESIANGRID3D_H

#include <Gridlux/mesh/PbCartesianGrid3D.h>
#include <Gridlux/mesh/nodes/PoSFMesh.h>

/**
 * @brief Single-value field whose value is a PbCartesianGrid3D, copied into the field.
 *
 * Geometry in the file, in order: numX numY numZ; x, y and z per node (numX * numY * numZ values each). The value sets follow (PoSFMesh).
 */
class PoSFCartesianGrid3D : public PoSFMesh {
  typedef PoSFMesh inherited;
  PO_SFMESH_HEADER(PoSFCartesianGrid3D, PbCartesianGrid3D);

public:
  /** Sets the held grid's geometry (as PbCartesianGrid3D does) and reports the change; 1 on success. */
  int setGeometry(int numX, int numY, int numZ, const float* x, const float* y, const float* z);
};

#endif
