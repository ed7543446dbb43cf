// Property node that makes a rectilinear volume grid the current mesh.
#ifndef GRIDLUX_POPARALCARTESIANGRID3D_H
#define GRIDLUX_POPARALCARTESIANGRID3D_H

#include <Gridlux/mesh/nodes/PoMeshProperty.h>
#include <Gridlux/mesh/nodes/PoSFParalCartesianGrid3D.h>

/**
 * @brief Sets PoMeshElement to the PbParalCartesianGrid3D held in its field.
 *
 * Field: mesh (PoSFParalCartesianGrid3D, an empty grid by default). Read and written under the name PoParalCartesianGrid3D.
 */
class PoParalCartesianGrid3D : public PoMeshProperty {
  typedef PoMeshProperty inherited;
  PO_NODE_HEADER(PoParalCartesianGrid3D);

public:
  PoParalCartesianGrid3D();
  static void initClass();

  PoSFParalCartesianGrid3D mesh;

protected:
  ~PoParalCartesianGrid3D() override;
  PoSFMesh* getSFieldMesh() override;
};

#endif
