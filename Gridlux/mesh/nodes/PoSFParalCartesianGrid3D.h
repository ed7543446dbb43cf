// Mesh field holding a rectilinear volume grid (PbParalCartesianGrid3D) by value.
#ifndef GRIDLUX_POSFPARALCARTESIANGRID3D_H
#define GRIDLUX_POSFPARALCARTESIANGRID3D_H

#include <Gridlux/mesh/PbParalCartesianGrid3D.h>
#include <Gridlux/mesh/nodes/PoSFMesh.h>

/**
 * @brief Single-value field whose value is a PbParalCartesianGrid3D, copied into the field.
 *
 * Geometry in the file, in order: numX numY numZ; numX x values; numY y values; numZ z values. The value sets follow (PoSFMesh).
 */
class PoSFParalCartesianGrid3D : public PoSFMesh {
  typedef PoSFMesh inherited;
  PO_SFMESH_HEADER(PoSFParalCartesianGrid3D, PbParalCartesianGrid3D);

public:
  /** Sets the held grid's geometry (as PbParalCartesianGrid3D does) and reports the change; 1 on success. */
  int setGeometry(int numX, int numY, int numZ, const float* x, const float* y, const float* z);
};

#endif
