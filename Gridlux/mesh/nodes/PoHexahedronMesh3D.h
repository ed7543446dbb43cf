// Property node that makes a hexahedron volume mesh the current mesh.
#ifndef GRIDLUX_POHEXAHEDRONMESH3D_H
#define GRIDLUX_POHEXAHEDRONMESH3D_H

#include <Gridlux/mesh/nodes/PoMeshProperty.h>
#include <Gridlux/mesh/nodes/PoSFHexahedronMesh3D.h>

/**
 * @brief Sets PoMeshElement to the PbHexahedronMesh3D held in its field.
 *
 * Field: mesh (PoSFHexahedronMesh3D, an empty mesh by default). Read and written under the name PoHexahedronMesh3D.
 */
class PoHexahedronMesh3D : public PoMeshProperty {
  typedef PoMeshProperty inherited;
  PO_NODE_HEADER(PoHexahedronMesh3D);

public:
  PoHexahedronMesh3D();
  static void initClass();

  PoSFHexahedronMesh3D mesh;

protected:
  ~PoHexahedronMesh3D() override;
  PoSFMesh* getSFieldMesh() override;
};

#endif
