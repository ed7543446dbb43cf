// Mesh field holding a regular one-dimensional mesh (PbRegularMesh1D) by value.
#ifndef GRIDLUX_POSFREGULARMESH1D_H
#define GRIDLUX_POSFREGULARMESH1D_H

#include <Gridlux/mesh/PbRegularMesh1D.h>
#include <Gridlux/mesh/nodes/PoSFMesh.h>

/**
 * @brief Single-value field whose value is a PbRegularMesh1D, copied into the field.
 *
 * Geometry in the file, in order: the size; xmin and xmax. The value sets follow (PoSFMesh).
 */
class PoSFRegularMesh1D : public PoSFMesh {
  typedef PoSFMesh inherited;
  PO_SFMESH_HEADER(PoSFRegularMesh1D, PbRegularMesh1D);

public:
  /** Sets the held mesh's geometry (as PbRegularMesh1D does) and reports the change; 1 on success. */
  int setGeometry(int numX, float xmin, float xmax);
};

#endif
