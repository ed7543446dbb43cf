// Mesh field holding a tetrahedron volume mesh (PbTetrahedronMesh3D) by value.
#ifndef GRIDLUX_POSFTETRAHEDRONMESH3D_H
#define GRIDLUX_POSFTETRAHEDRONMESH3D_H

#include <Gridlux/mesh/PbTetrahedronMesh3D.h>
#include <Gridlux/mesh/nodes/PoSFMesh.h>

/**
 * @brief Single-value field whose value is a PbTetrahedronMesh3D, copied into the field.
 *
 * Geometry in the file, in order: the number of nodes; their x, y and z coordinates; the number of cells; the 4 node indices of each cell. The value sets follow (PoSFMesh).
 */
class PoSFTetrahedronMesh3D : public PoSFMesh {
  typedef PoSFMesh inherited;
  PO_SFMESH_HEADER(PoSFTetrahedronMesh3D, PbTetrahedronMesh3D);

public:
  /** Sets the held mesh's geometry (as PbTetrahedronMesh3D does) and reports the change; 1 on success. */
  int setGeometry(int numNodes, const float* x, const float* y, const float* z, int numCells,
                  const int* cellIndex);
};

#endif
