// Property node that makes a regular surface grid the current mesh.
#ifndef GRIDLUX_POREGULARCARTESIANGRID2D_H
#define GRIDLUX_POREGULARCARTESIANGRID2D_H

#include <Gridlux/mesh/nodes/PoMeshProperty.h>
#include <Gridlux/mesh/nodes/PoSFRegularCartesianGrid2D.h>

/**
 * @brief Sets PoMeshElement to the PbRegularCartesianGrid2D held in its field.
 *
 * Field: mesh (PoSFRegularCartesianGrid2D, an empty grid by default). Read and written under the name PoRegularCartesianGrid2D.
 */
class PoRegularCartesianGrid2D : public PoMeshProperty {
  typedef PoMeshProperty inherited;
  PO_NODE_HEADER(PoRegularCartesianGrid2D);

public:
  PoRegularCartesianGrid2D();
  static void initClass();

  PoSFRegularCartesianGrid2D mesh;

protected:
  ~PoRegularCartesianGrid2D() override;
  PoSFMesh* getSFieldMesh() override;
};

#endif
