// Mesh field holding a hexahedron volume mesh (PbHexahedronMesh3D) by value.
#ifndef GRIDLUX_POSFHEXAHEDRONMESH3D_H
#define GRIDLUX_POSFHEXAHEDRONMESH3D_H

#include <Gridlux/mesh/PbHexahedronMesh3D.h>
#include <Gridlux/mesh/nodes/PoSFMesh.h>

/**
 * @brief Single-value field whose value is a PbHexahedronMesh3D, copied into the field.
 *
 * Geometry in the file, in order: the number of nodes; their x, y and z coordinates; the number of cells; the 8 node indices of each cell. The value sets follow (PoSFMesh).
 */
class PoSFHexahedronMesh3D : public PoSFMesh {
  typedef PoSFMesh inherited;
  PO_SFMESH_HEADER(PoSFHexahedronMesh3D, PbHexahedronMesh3D);

public:
  /** Sets the held mesh's geometry (as PbHexahedronMesh3D does) and reports the change; 1 on success. */
  int setGeometry(int numNodes, const float* x, const float* y, const float* z, int numCells,
                  const int* cellIndex);
};

#endif
