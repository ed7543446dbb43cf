// Property node that makes a curvilinear volume grid the current mesh.
#ifndef GRIDLUX_POCARTESIANGRID3D_H
#define GRIDLUX_POCARTESIANGRID3D_H

#include <Gridlux/mesh/nodes/PoMeshProperty.h>
#include <Gridlux/mesh/nodes/PoSFCartesianGrid3D.h>

/**
 * @brief Sets PoMeshElement to the PbCartesianGrid3D held in its field.
 *
 * Field: mesh (PoSFCartesianGrid3D, an empty grid by default). Read and written under the name PoCartesianGrid3D.
 */
class PoCartesianGrid3D : public PoMeshProperty {
  typedef PoMeshProperty inherited;
  PO_NODE_HEADER(PoCartesianGrid3D);

public:
  PoCartesianGrid3D();
  static void initClass();

  PoSFCartesianGrid3D mesh;

protected:
  ~PoCartesianGrid3D() override;
  PoSFMesh* getSFieldMesh() override;
};

#endif
