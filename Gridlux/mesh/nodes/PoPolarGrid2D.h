// Property node that makes a polar surface grid the current mesh.
#ifndef GRIDLUX_POPOLARGRID2D_H
#define GRIDLUX_POPOLARGRID2D_H

#include <Gridlux/mesh/nodes/PoMeshProperty.h>
#include <Gridlux/mesh/nodes/PoSFPolarGrid2D.h>

/**
 * @brief Sets PoMeshElement to the PbPolarGrid2D held in its field.
 *
 * Field: mesh (PoSFPolarGrid2D, an empty grid by default). Read and written under the name PoPolarGrid2D.
 */
class PoPolarGrid2D : public PoMeshProperty {
  typedef PoMeshProperty inherited;
  PO_NODE_HEADER(PoPolarGrid2D);

public:
  PoPolarGrid2D();
  static void initClass();

  PoSFPolarGrid2D mesh;

protected:
  ~PoPolarGrid2D() override;
  PoSFMesh* getSFieldMesh() override;
};

#endif
