// Property node that makes a volume mesh of tetrahedra, pyramids, wedges and hexahedra the current mesh.
#ifndef GRIDLUX_POINDEXEDMESH3D_H
#define GRIDLUX_POINDEXEDMESH3D_H

#include <Gridlux/mesh/nodes/PoMeshProperty.h>
#include <Gridlux/mesh/nodes/PoSFIndexedMesh3D.h>

/**
 * @brief Sets PoMeshElement to the PbIndexedMesh3D held in its field.
 *
 * Field: mesh (PoSFIndexedMesh3D, an empty mesh by default). Read and written under the name PoIndexedMesh3D.
 */
class PoIndexedMesh3D : public PoMeshProperty {
  typedef PoMeshProperty inherited;
  PO_NODE_HEADER(PoIndexedMesh3D);

public:
  PoIndexedMesh3D();
  static void initClass();

  PoSFIndexedMesh3D mesh;

protected:
  ~PoIndexedMesh3D() override;
  PoSFMesh* getSFieldMesh() override;
};

#endif
