// Mesh field holding an irregular one-dimensional mesh (PbIrregularMesh1D) by value.
#ifndef GRIDLUX_POSFIRREGULARMESH1D_H
#define GRIDLUX_POSFIRREGULARMESH1D_H

#include <Gridlux/mesh/PbIrregularMesh1D.h>
#include <Gridlux/mesh/nodes/PoSFMesh.h>

/**
 * @brief Single-value field whose value is a PbIrregularMesh1D, copied into the field.
 *
 * Geometry in the file, in order: the size; the x coordinate of each node. The value sets follow (PoSFMesh).
 */
class PoSFIrregularMesh1D : public PoSFMesh {
  typedef PoSFMesh inherited;
  PO_SFMESH_HEADER(PoSFIrregularMesh1D, PbIrregularMesh1D);

public:
  /** Sets the held mesh's geometry (as PbIrregularMesh1D does) and reports the change; 1 on success. */
  int setGeometry(int numX, const float* x);
};

#endif
