// Property node that makes an irregular one-dimensional mesh the current mesh.
#ifndef GRIDLUX_POIRREGULARMESH1D_H
#define GRIDLUX_POIRREGULARMESH1D_H

#include <Gridlux/mesh/nodes/PoMeshProperty.h>
#include <Gridlux/mesh/nodes/PoSFIrregularMesh1D.h>

/**
 * @brief Sets PoMeshElement to the PbIrregularMesh1D held in its field; the chart nodes below draw its series.
 *
 * Field: mesh (PoSFIrregularMesh1D, an empty mesh by default). Read and written under the name PoIrregularMesh1D.
 */
class PoIrregularMesh1D : public PoMeshProperty {
  typedef PoMeshProperty inherited;
  PO_NODE_HEADER(PoIrregularMesh1D);

public:
  PoIrregularMesh1D();
  static void initClass();

  PoSFIrregularMesh1D mesh;

protected:
  ~PoIrregularMesh1D() override;
  PoSFMesh* getSFieldMesh() override;
};

#endif
