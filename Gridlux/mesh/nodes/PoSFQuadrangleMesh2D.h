// Mesh field holding a quadrangle surface mesh (PbQuadrangleMesh2D) by value.
#ifndef GRIDLUX_POSFQUADRANGLEMESH2D_H
#define GRIDLUX_POSFQUADRANGLEMESH2D_H

#include <Gridlux/mesh/PbQuadrangleMesh2D.h>
#include <Gridlux/mesh/nodes/PoSFMesh.h>

/**
 * @brief Single-value field whose value is a PbQuadrangleMesh2D, copied into the field.
 *
 * Geometry in the file, in order: the number of nodes; their x and y (and, after the 3D flag, z) coordinates; the number of cells; the 4 node indices of each cell. The value sets follow (PoSFMesh).
 */
class PoSFQuadrangleMesh2D : public PoSFMesh {
  typedef PoSFMesh inherited;
  PO_SFMESH_HEADER(PoSFQuadrangleMesh2D, PbQuadrangleMesh2D);

public:
  /** Sets the held mesh's geometry (as PbQuadrangleMesh2D does) and reports the change; 1 on success. */
  int setGeometry(int numNodes, const float* x, const float* y, int numCells, const int* cellIndex);
  int setGeometry(int numNodes, const float* x, const float* y, const float* z, int numCells,
                  const int* cellIndex);
};

#endif
