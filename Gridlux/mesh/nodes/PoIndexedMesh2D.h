// Property node that makes a surface mesh of triangles and quadrangles the current mesh.
#ifndef GRIDLUX_POINDEXEDMESH2D_H
#define GRIDLUX_POINDEXEDMESH2D_H

#include <Gridlux/mesh/nodes/PoMeshProperty.h>
#include <Gridlux/mesh/nodes/PoSFIndexedMesh2D.h>

/**
 * @brief Sets PoMeshElement to the PbIndexedMesh2D held in its field.
 *
 * Field: mesh (PoSFIndexedMesh2D, an empty mesh by default). Read and written under the name PoIndexedMesh2D.
 */
class PoIndexedMesh2D : public PoMeshProperty {
  typedef PoMeshProperty inherited;
  PO_NODE_HEADER(PoIndexedMesh2D);

public:
  PoIndexedMesh2D();
  static void initClass();

  PoSFIndexedMesh2D mesh;

protected:
  ~PoIndexedMesh2D() override;
  PoSFMesh* getSFieldMesh() override;
};

#endif
