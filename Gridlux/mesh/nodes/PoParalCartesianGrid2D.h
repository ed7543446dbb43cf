// Property node that makes a rectilinear surface grid the current mesh.
#ifndef GRIDLUX_POPARALCARTESIANGRID2D_H
#define GRIDLUX_POPARALCARTESIANGRID2D_H

#include <Gridlux/mesh/nodes/PoMeshProperty.h>
#include <Gridlux/mesh/nodes/PoSFParalCartesianGrid2D.h>

/**
 * @brief Sets PoMeshElement to the PbParalCartesianGrid2D held in its field.
 *
 * Field: mesh (PoSFParalCartesianGrid2D, an empty grid by default). Read and written under the name PoParalCartesianGrid2D.
 */
class PoParalCartesianGrid2D : public PoMeshProperty {
  typedef PoMeshProperty inherited;
  PO_NODE_HEADER(PoParalCartesianGrid2D);

public:
  PoParalCartesianGrid2D();
  static void initClass();

  PoSFParalCartesianGrid2D mesh;

protected:
  ~PoParalCartesianGrid2D() override;
  PoSFMesh* getSFieldMesh() override;
};

#endif
