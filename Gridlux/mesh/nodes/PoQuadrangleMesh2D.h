// Property node that makes a quadrangle surface mesh the current mesh.
#ifndef GRIDLUX_POQUADRANGLEMESH2D_H
#define GRIDLUX_POQUADRANGLEMESH2D_H

#include <Gridlux/mesh/nodes/PoMeshProperty.h>
#include <Gridlux/mesh/nodes/PoSFQuadrangleMesh2D.h>

/**
 * @brief Sets PoMeshElement to the PbQuadrangleMesh2D held in its field.
 *
 * Field: mesh (PoSFQuadrangleMesh2D, an empty mesh by default). Read and written under the name PoQuadrangleMesh2D.
 */
class PoQuadrangleMesh2D : public PoMeshProperty {
  typedef PoMeshProperty inherited;
  PO_NODE_HEADER(PoQuadrangleMesh2D);

public:
  PoQuadrangleMesh2D();
  static void initClass();

  PoSFQuadrangleMesh2D mesh;

protected:
  ~PoQuadrangleMesh2D() override;
  PoSFMesh* getSFieldMesh() override;
};

#endif
