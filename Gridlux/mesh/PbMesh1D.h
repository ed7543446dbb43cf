// Abstract one-dimensional mesh: a row of abscissas carrying value sets, the data of chart series.
#ifndef GRIDLUX_PBMESH1D_H
#define GRIDLUX_PBMESH1D_H

#include <Gridlux/mesh/PbMesh.h>

/**
 * @brief Base of the one-dimensional meshes: node i stands at (x_i, 0, 0); there are no cells.
 *
 * Value sets hold one float per node (the ordinates, colour values, ... of a series). A change of
 * the number of nodes removes every value set, since their sizes no longer match.
 */
class PbMesh1D : public PbMesh {
public:
  ~PbMesh1D() override;

  SbVec3f getNodeCoord(int nodeIndex) const override;
  /** A node belongs to no cell: @p cells is emptied. */
  void getNodeOwnerCellsInd(int nodeIndex, PbArrayOfInt& cells) const override;
  const PbCell* getCell(int) const override { return nullptr; }
  float getVolume() const override { return 0; }
  float getArea() const override { return 0; }

protected:
  explicit PbMesh1D(int isDataDuplicate);
  PbMesh1D(const PbMesh1D& other);
  PbMesh1D& operator=(const PbMesh1D& other);

  /** Abscissa of node @p nodeIndex, which the caller keeps in [0, number of nodes). */
  virtual float getXCoord(int nodeIndex) const = 0;
  /** No cell to find. */
  const PbCell* findContainingCellProtected(const SbVec3f& point, float tolerance, SbVec3f& pcoord,
                                            PbArrayOfInt& testedCells) const override;
  /** Takes @p numNodes nodes; the value sets go first (quietly) when the count changes. */
  void applyNumNodes(int numNodes);
};

#endif
