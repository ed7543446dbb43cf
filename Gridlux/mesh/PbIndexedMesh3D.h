// Unstructured volume mesh of tetrahedra, pyramids, wedges and hexahedra given by per-cell indices.
#ifndef GRIDLUX_PBINDEXEDMESH3D_H
#define GRIDLUX_PBINDEXEDMESH3D_H

#include <Gridlux/mesh/PbMeshSkinData.h>
#include <Gridlux/mesh/PbHexahedronCell.h>
#include <Gridlux/mesh/PbMesh3D.h>
#include <Gridlux/mesh/PbPyramidCell.h>
#include <Gridlux/mesh/PbTetrahedronCell.h>
#include <Gridlux/mesh/PbWedgeCell.h>

#include <memory>
#include <vector>

/**
 * @brief Volume mesh whose cells list their nodes: 4 tetrahedron, 5 pyramid, 6 wedge, 8 hexahedron.
 *
 * setGeometry() takes the node coordinates, the number of cells, the node indices of all cells
 * one after another (each cell in the local order of its kind) and the node count of each cell.
 * A mesh that duplicates data copies every array; otherwise it keeps the caller's arrays, which
 * must stay alive and unchanged. Negative counts, null arrays, coordinates that are not finite,
 * node indices out of range and node counts that no cell can have (below 1 or above 8) are
 * refused with a posted message and leave the mesh unchanged. Cells of 1 to 8 nodes of no kind
 * (7 nodes, say) are kept with a warning but have no cell object and are skipped.
 *
 * The start of every cell in the index list is computed when the geometry is set; the owner
 * cells of the nodes are listed on first demand, for all nodes at once, sorted by cell index.
 * Location goes through the octree of the cell boxes.
 */
class PbIndexedMesh3D : public PbMesh3D {
public:
  void meshCrossSection(PoMeshCrossSection* node) const override;
  void mesh3DVec(PoMesh3DVec* node) const override;
  void meshCrossContour(PoMeshCrossContour* node) const override;

  /**
   * Brings the skin's face tables up to date (every face of every cell entered, the inner ones
   * cancelled) when the geometry changed since they were built; resets their cursors. A face
   * keeps the node order of its cell's face list, which turns it towards the inside of a cell in
   * the reference order.
   */
  virtual void updateSkin() const;
  /** The faces of a cell of @p numNodes nodes, as positions in its node list (null for no kind). */
  struct CellFaceTable {
    int numFaces;
    signed char sizes[6];
    signed char faces[6][4];
  };
  static const CellFaceTable* getCellFaceTable(int numNodes);
  void meshSkin(PoMeshSkin* node) const override;
  void meshSkeleton(PoMeshSkeleton* node, const float* values, float* xPlanes, float* yPlanes,
                    float* zPlanes) const override;
  void meshSkinFilter(PoMeshSkin* node, const PoCellFilter* filter) const override;
  /** The number of cell faces, that the skin tables are sized from. */
  virtual int evaluateSkinFacesNum() const;
  /** The skin's face tables as the last updateSkin() left them (null before). */
  PbMeshSkinData* getSkinData() const { return m_skin.get(); }
  /** Asks @p node for the level surface of this mesh, cut by the cell kind's own cases. */
  void meshLevelSurfShapeIndices(PoMesh3D* node, int orientation, const float* perCellValues) const override;
  explicit PbIndexedMesh3D(int isDataDuplicate = 1);
  PbIndexedMesh3D(int numNodes, const float* x, const float* y, const float* z, int numCells, const int* cellIndex,
                  const int* cellType, int isDataDuplicate = 1);
  PbIndexedMesh3D(const PbIndexedMesh3D& other);
  PbIndexedMesh3D& operator=(const PbIndexedMesh3D& other);
  ~PbIndexedMesh3D() override;

  /** Replaces the geometry; 1 on success, 0 and unchanged on bad input. */
  int setGeometry(int numNodes, const float* x, const float* y, const float* z, int numCells, const int* cellIndex,
                  const int* cellType);

  void getGeometry(int& numNodes, const float*& x, const float*& y, const float*& z, int& numCells,
                   const int*& cellIndex, const int*& cellType) const;
  void getNodes(int& numNodes, const float*& x, const float*& y, const float*& z) const;
  /** Length of the cell index list (the sum of the cell node counts). */
  int getCellIndexLength() const { return m_indexLength; }
  /** First position of cell @p cellIndex in the index list, or -1 when out of range. */
  int getCellOffset(int cellIndex) const;

  SbVec3f getNodeCoord(int nodeIndex) const override;
  const PbCell* getCell(int cellIndex) const override;
  void getNodeOwnerCellsInd(int nodeIndex, PbArrayOfInt& cells) const override;
  /** Intersects the sorted owner lists directly. */
  void getNodesOwnerCellsInd(const PbArrayOfInt& nodeIndices, PbArrayOfInt& cells) const override;
  void print(FILE* file) const override;

protected:
  /**
   * Checks and stores a geometry whose cells all have @p uniformType nodes (when positive;
   * @p cellType is then ignored) or the counts of @p cellType. Posts under @p method; 0 and
   * unchanged on bad input.
   */
  int storeGeometry(const char* method, int numNodes, const float* x, const float* y, const float* z, int numCells,
                    const int* cellIndex, const int* cellType, int uniformType);
  void updateBoundingBox() override;
  float computeLongestEdgeLength() const override;
  /** Lists the owner cells of every node when they are not listed yet. */
  void ensureOwners() const;
  /**
   * 1 when @p point lies in the box of the @p count nodes, widened for the parametric
   * @p tolerance (which moves a cell's accepted region out by a few tolerances of its extent).
   */
  int boxHolds(const int* nodes, int count, const SbVec3f& point, float tolerance) const
  {
    const float* axes[3] = {m_x, m_y, m_z};
    const float t = 3 * (tolerance > 0 ? tolerance : 0);
    for (int a = 0; a < 3; a++) {
      const float* v = axes[a];
      float lo = v[nodes[0]], hi = lo;
      for (int i = 1; i < count; i++) {
        const float w = v[nodes[i]];
        lo = w < lo ? w : lo;
        hi = w > hi ? w : hi;
      }
      const float p = point[a];
      const float margin = (hi - lo) * t + 1e-5f * (1 + (p < 0 ? -p : p));
      if (p < lo - margin || p > hi + margin)
        return 0;
    }
    return 1;
  }
  /**
   * Octree location in a mesh whose cells all have N nodes, set into the reused @p cell: the
   * candidates not in @p testedCells whose node box holds the point, in the octree's order.
   */
  template <int N, class Cell>
  const PbCell* locateUniform(Cell& cell, const SbVec3f& point, float tolerance, SbVec3f& pcoord,
                              const PbArrayOfInt& testedCells) const
  {
    const int* candidates = nullptr;
    const int num = getOctreeCandidates(point, candidates);
    const int checkTested = testedCells.getNum() > 0;
    for (int i = 0; i < num; i++) {
      const int c = candidates[i];
      if (checkTested && testedCells.find(c) >= 0)
        continue;
      // Setting a cell costs more than looking at its node box: skip the cells whose box misses.
      const int* nodes = m_cellIndex + N * size_t(c);
      if (!boxHolds(nodes, N, point, tolerance))
        continue;
      cell.set(c, nodes, m_x, m_y, m_z);
      if (cell.Cell::locatePoint(point, tolerance, pcoord))
        return &cell;
    }
    return nullptr;
  }

  const float* m_x;
  const float* m_y;
  const float* m_z;
  const int* m_cellIndex;
  int m_indexLength;
  const int* m_cellType;
  /** Start of each cell in the index list (numCells + 1 entries). */
  std::vector<int> m_offsets;
  mutable int m_ownersCurrent;
  mutable std::vector<int> m_ownerStart;
  mutable std::vector<int> m_owners;
  mutable PbHexahedronCell m_hexahedronCell;
  mutable PbTetrahedronCell m_tetrahedronCell;
  mutable PbWedgeCell m_wedgeCell;
  mutable PbPyramidCell m_pyramidCell;
  mutable std::unique_ptr<PbMeshSkinData> m_skin;
  mutable int m_skinCurrent = 0;

private:
  void copyFrom(const PbIndexedMesh3D& other);

  std::vector<float> m_ownX, m_ownY, m_ownZ;
  std::vector<int> m_ownIndex, m_ownType;
};

#endif
