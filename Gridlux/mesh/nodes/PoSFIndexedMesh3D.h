// Mesh field holding a volume mesh of tetrahedra, pyramids, wedges and hexahedra (PbIndexedMesh3D) by value.
#ifndef GRIDLUX_POSFINDEXEDMESH3D_H
#define GRIDLUX_POSFINDEXEDMESH3D_H

#include <Gridlux/mesh/PbIndexedMesh3D.h>
#include <Gridlux/mesh/nodes/PoSFMesh.h>

/**
 * @brief Single-value field whose value is a PbIndexedMesh3D, copied into the field.
 *
 * Geometry in the file, in order: the number of nodes; their x, y and z coordinates; the number of cells; the node count of each cell; the node indices of all cells. The value sets follow (PoSFMesh).
 */
class PoSFIndexedMesh3D : public PoSFMesh {
  typedef PoSFMesh inherited;
  PO_SFMESH_HEADER(PoSFIndexedMesh3D, PbIndexedMesh3D);

public:
  /** Sets the held mesh's geometry (as PbIndexedMesh3D does) and reports the change; 1 on success. */
  int setGeometry(int numNodes, const float* x, const float* y, const float* z, int numCells,
                  const int* cellIndex, const int* cellType);
};

#endif
