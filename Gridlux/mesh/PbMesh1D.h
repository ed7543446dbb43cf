// Abstract one-dimensional mesh: a row of abscissas carrying value sets, the data of chart series.
#ifndef GRIDLUX_PBMESH1D_H
#define GRIDLUX_PBMESH1D_H

#include <Gridlux/mesh/PbMesh.h>

class PoChart;
class SoMaterial;
class SoState;

/**
 * @brief Base of the one-dimensional meshes: node i stands at (x_i, 0, 0); there are no cells.
 *
 * Value sets hold one float per node (the ordinates, colour values, ... of a series). A change of
 * the number of nodes removes every value set, since their sizes no longer match.
 *
 * Chart nodes get their vertices from the geometry operations, called in their rebuild with the
 * chart and the traversal state: the ordinates are the value set `yValuesIndex` of the chart,
 * the geometry interpretation comes from PoMesh1DHintsElement and the filter from
 * PoMesh1DFilterElement. The output arrays are new arrays owned by the caller (delete[]), null
 * when there is no point; the material is a new, unreferenced SoMaterial, or null when the chart
 * takes the inherited material. A missing ordinate set, non-finite ordinates and meaningless
 * filter values are reported and give no point.
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

  /**
   * The series under the current geometry interpretation. With @p wantNodeVertex, @p nodeVertex
   * receives per node the index of the vertex that ends the node's step, else it is null.
   */
  virtual void getXYGeometry(const PoChart* chart, SoState* state, int& numPoints, float*& x, float*& y,
                             SoMaterial*& material, int wantNodeVertex, int*& nodeVertex) const;
  /** The points kept by the current filter (every node without a filter). */
  virtual void getFilteredXYGeometry(const PoChart* chart, SoState* state, int& numPoints, float*& x, float*& y,
                                     SoMaterial*& material) const;
  /** As above; @p values, when not null, is a per-node array replaced by a new one per point. */
  virtual void getFilteredXYGeometry(const PoChart* chart, SoState* state, int& numPoints, float*& x, float*& y,
                                     SoMaterial*& material, float*& values) const;
  virtual void getFilteredXYGeometry(const PoChart* chart, SoState* state, int& numPoints, float*& x, float*& y,
                                     SoMaterial*& material, float*& values1, float*& values2) const;

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

private:
  void filteredGeometry(const PoChart* chart, SoState* state, int& numPoints, float*& x, float*& y,
                        SoMaterial*& material, float** extra[2]) const;
};

#endif
