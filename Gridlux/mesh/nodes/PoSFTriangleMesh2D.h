// Mesh field holding a triangle surface mesh (PbTriangleMesh2D) by value.
#ifndef GRIDLUX_POSFTRIANGLEMESH2D_H
#define GRIDLUX_POSFTRIANGLEMESH2D_H

#include <Gridlux/mesh/PbTriangleMesh2D.h>
#include <Gridlux/mesh/nodes/PoSFMesh.h>

/**
 * @brief Single-value field whose value is a PbTriangleMesh2D, copied into the field.
 *
 * Geometry in the file, in order: the number of nodes; their x and y (and, after the 3D flag, z) coordinates; the number of cells; the 3 node indices of each cell. The value sets follow (PoSFMesh).
 *
 * The triangulating form of setGeometry() triangulates the points (as the mesh does).
 */
class PoSFTriangleMesh2D : public PoSFMesh {
  typedef PoSFMesh inherited;
  PO_SFMESH_HEADER(PoSFTriangleMesh2D, PbTriangleMesh2D);

public:
  /** Sets the held mesh's geometry (as PbTriangleMesh2D does) and reports the change; 1 on success. */
  int setGeometry(int numNodes, const float* x, const float* y, int numCells, const int* cellIndex);
  int setGeometry(int numNodes, const float* x, const float* y, const float* z, int numCells,
                  const int* cellIndex);
  int setGeometry(int numNodes, const float* x, const float* y);
};

#endif
