// Property node that makes a regular one-dimensional mesh the current mesh.
#ifndef GRIDLUX_POREGULARMESH1D_H
#define GRIDLUX_POREGULARMESH1D_H

#include <Gridlux/mesh/nodes/PoMeshProperty.h>
#include <Gridlux/mesh/nodes/PoSFRegularMesh1D.h>

/**
 * @brief Sets PoMeshElement to the PbRegularMesh1D held in its field; the chart nodes below draw its series.
 *
 * Field: mesh (PoSFRegularMesh1D, an empty mesh by default). Read and written under the name PoRegularMesh1D.
 */
class PoRegularMesh1D : public PoMeshProperty {
  typedef PoMeshProperty inherited;
  PO_NODE_HEADER(PoRegularMesh1D);

public:
  PoRegularMesh1D();
  static void initClass();

  PoSFRegularMesh1D mesh;

protected:
  ~PoRegularMesh1D() override;
  PoSFMesh* getSFieldMesh() override;
};

#endif
