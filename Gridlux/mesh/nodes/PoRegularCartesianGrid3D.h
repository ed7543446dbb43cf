// Property node that makes a regular volume grid the current mesh.
#ifndef GRIDLUX_POREGULARCARTESIANGRID3D_H
#define GRIDLUX_POREGULARCARTESIANGRID3D_H

#include <Gridlux/mesh/nodes/PoMeshProperty.h>
#include <Gridlux/mesh/nodes/PoSFRegularCartesianGrid3D.h>

/**
 * @brief Sets PoMeshElement to the PbRegularCartesianGrid3D held in its field.
 *
 * Field: mesh (PoSFRegularCartesianGrid3D, an empty grid by default). Read and written under the name PoRegularCartesianGrid3D.
 */
class PoRegularCartesianGrid3D : public PoMeshProperty {
  typedef PoMeshProperty inherited;
  PO_NODE_HEADER(PoRegularCartesianGrid3D);

public:
  PoRegularCartesianGrid3D();
  static void initClass();

  PoSFRegularCartesianGrid3D mesh;

protected:
  ~PoRegularCartesianGrid3D() override;
  PoSFMesh* getSFieldMesh() override;
};

#endif
