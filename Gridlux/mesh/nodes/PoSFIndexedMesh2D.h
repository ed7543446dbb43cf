// Mesh field holding a surface mesh of triangles and quadrangles (PbIndexedMesh2D) by value.
#ifndef GRIDLUX_POSFINDEXEDMESH2D_H
#define GRIDLUX_POSFINDEXEDMESH2D_H

#include <Gridlux/mesh/PbIndexedMesh2D.h>
#include <Gridlux/mesh/nodes/PoSFMesh.h>

/**
 * @brief Single-value field whose value is a PbIndexedMesh2D, copied into the field.
 *
 * Geometry in the file, in order: the number of nodes; their x and y (and, after the 3D flag, z) coordinates; the number of cells; the node count of each cell; the node indices of all cells. The value sets follow (PoSFMesh).
 */
class PoSFIndexedMesh2D : public PoSFMesh {
  typedef PoSFMesh inherited;
  PO_SFMESH_HEADER(PoSFIndexedMesh2D, PbIndexedMesh2D);

public:
  /** Sets the held mesh's geometry (as PbIndexedMesh2D does) and reports the change; 1 on success. */
  int setGeometry(int numNodes, const float* x, const float* y, int numCells, const int* cellIndex, const int* cellType);
  int setGeometry(int numNodes, const float* x, const float* y, const float* z, int numCells,
                  const int* cellIndex, const int* cellType);
};

#endif
