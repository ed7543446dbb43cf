// Property node that makes a triangle surface mesh the current mesh.
#ifndef GRIDLUX_POTRIANGLEMESH2D_H
#define GRIDLUX_POTRIANGLEMESH2D_H

#include <Gridlux/mesh/nodes/PoMeshProperty.h>
#include <Gridlux/mesh/nodes/PoSFTriangleMesh2D.h>

/**
 * @brief Sets PoMeshElement to the PbTriangleMesh2D held in its field.
 *
 * Field: mesh (PoSFTriangleMesh2D, an empty mesh by default). Read and written under the name PoTriangleMesh2D.
 */
class PoTriangleMesh2D : public PoMeshProperty {
  typedef PoMeshProperty inherited;
  PO_NODE_HEADER(PoTriangleMesh2D);

public:
  PoTriangleMesh2D();
  static void initClass();

  PoSFTriangleMesh2D mesh;

protected:
  ~PoTriangleMesh2D() override;
  PoSFMesh* getSFieldMesh() override;
};

#endif
