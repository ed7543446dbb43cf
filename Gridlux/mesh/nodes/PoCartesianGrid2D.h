// Property node that makes a curvilinear surface grid the current mesh.
#ifndef GRIDLUX_POCARTESIANGRID2D_H
#define GRIDLUX_POCARTESIANGRID2D_H

#include <Gridlux/mesh/nodes/PoMeshProperty.h>
#include <Gridlux/mesh/nodes/PoSFCartesianGrid2D.h>

/**
 * @brief Sets PoMeshElement to the PbCartesianGrid2D held in its field.
 *
 * Field: mesh (PoSFCartesianGrid2D, an empty grid by default). Read and written under the name PoCartesianGrid2D.
 */
class PoCartesianGrid2D : public PoMeshProperty {
  typedef PoMeshProperty inherited;
  PO_NODE_HEADER(PoCartesianGrid2D);

public:
  PoCartesianGrid2D();
  static void initClass();

  PoSFCartesianGrid2D mesh;

protected:
  ~PoCartesianGrid2D() override;
  PoSFMesh* getSFieldMesh() override;
};

#endif
