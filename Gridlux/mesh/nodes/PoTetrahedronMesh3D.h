// Property node that makes a tetrahedron volume mesh the current mesh.
#ifndef GRIDLUX_POTETRAHEDRONMESH3D_H
#define GRIDLUX_POTETRAHEDRONMESH3D_H

#include <Gridlux/mesh/nodes/PoMeshProperty.h>
#include <Gridlux/mesh/nodes/PoSFTetrahedronMesh3D.h>

/**
 * @brief Sets PoMeshElement to the PbTetrahedronMesh3D held in its field.
 *
 * Field: mesh (PoSFTetrahedronMesh3D, an empty mesh by default). Read and written under the name PoTetrahedronMesh3D.
 */
class PoTetrahedronMesh3D : public PoMeshProperty {
  typedef PoMeshProperty inherited;
  PO_NODE_HEADER(PoTetrahedronMesh3D);

public:
  PoTetrahedronMesh3D();
  static void initClass();

  PoSFTetrahedronMesh3D mesh;

protected:
  ~PoTetrahedronMesh3D() override;
  PoSFMesh* getSFieldMesh() override;
};

#endif
