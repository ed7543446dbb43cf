// Unstructured surface mesh of triangles and quadrangles given by a node list and per-cell indices.
#ifndef GRIDLUX_PBINDEXEDMESH2D_H
#define GRIDLUX_PBINDEXEDMESH2D_H

#include <Gridlux/mesh/PbMesh2D.h>
#include <Gridlux/mesh/PbQuadrangleCell.h>
#include <Gridlux/mesh/PbTriangleCell.h>

#include <vector>

/**
 * @brief Surface mesh whose cells list their nodes: 3 for a triangle, 4 for a quadrangle.
 *
 * setGeometry() takes the node coordinates (with an optional z per node), the number of cells,
 * the node indices of all cells one after another and the node count of each cell. A mesh that
 * duplicates data copies every array; otherwise it keeps the caller's arrays, which must stay
 * alive and unchanged. Negative counts, null arrays, coordinates that are not finite, node indices
 * out of range and node counts that no cell can have (below 1 or above 8) are refused with a
 * posted message and leave the mesh unchanged. Cells of 1 to 8 nodes other than 3 and 4 are kept
 * (a warning says so) but have no cell object: getCell() returns null for them and location,
 * areas and boundaries skip them.
 *
 * The owner cells of every node are listed when the geometry is set, sorted by cell index. Cell
 * location tests the cells in index order and returns the first that holds the point.
 */
class PbIndexedMesh2D : public PbMesh2D {
public:
  void meshLines(PoMeshLines* node) const override;
  void meshFilled(PoMeshFilled* node) const override;
  void mesh2DVec(PoMesh2DVec* node) const override;
  /** Whether one orientation flag per cell is kept (see getOrientFlags()). */
  enum ElemOrientation {
    NO_ORIENTATION = 0,   ///< no flags
    ORIENTATION_FLAGS = 1 ///< one flag per cell: 1 when the cell turns counter-clockwise in xy
  };

  explicit PbIndexedMesh2D(int isDataDuplicate = 1);
  PbIndexedMesh2D(int numNodes, const float* x, const float* y, int numCells, const int* cellIndex,
                  const int* cellType, int isDataDuplicate = 1);
  PbIndexedMesh2D(int numNodes, const float* x, const float* y, const float* z, int numCells, const int* cellIndex,
                  const int* cellType, int isDataDuplicate = 1);
  PbIndexedMesh2D(const PbIndexedMesh2D& other);
  PbIndexedMesh2D& operator=(const PbIndexedMesh2D& other);
  ~PbIndexedMesh2D() override;

  /** Replaces the geometry (the mesh lies in z = 0); 1 on success, 0 and unchanged on bad input. */
  int setGeometry(int numNodes, const float* x, const float* y, int numCells, const int* cellIndex,
                  const int* cellType);
  /** As above with one z per node. */
  int setGeometry(int numNodes, const float* x, const float* y, const float* z, int numCells, const int* cellIndex,
                  const int* cellType);

  /** What was set; @p z is null for a mesh in z = 0. */
  void getGeometry(int& numNodes, const float*& x, const float*& y, const float*& z, int& numCells,
                   const int*& cellIndex, const int*& cellType) const;
  void getNodes(int& numNodes, const float*& x, const float*& y) const;
  /** Length of the cell index list (the sum of the cell node counts). */
  int getCellIndexLength() const { return m_indexLength; }
  /** First position of cell @p cellIndex in the index list, or -1 when out of range. */
  int getCellOffset(int cellIndex) const;

  /** Stores the mode; with ORIENTATION_FLAGS computes one flag per cell from its first three nodes. */
  virtual void setElemOrientation(ElemOrientation mode);
  ElemOrientation getElemOrientation() const { return m_orientation; }
  /** One flag per cell (1: counter-clockwise in the xy plane), or null without flags. */
  const int* getOrientFlags() const { return m_orientation != NO_ORIENTATION ? m_orientFlags.data() : nullptr; }

  SbVec3f getNodeCoord(int nodeIndex) const override;
  const PbCell* getCell(int cellIndex) const override;
  void getNodeOwnerCellsInd(int nodeIndex, PbArrayOfInt& cells) const override;
  /** Intersects the sorted owner lists directly. */
  void getNodesOwnerCellsInd(const PbArrayOfInt& nodeIndices, PbArrayOfInt& cells) const override;
  void print(FILE* file) const override;

protected:
  /**
   * Checks and stores a geometry whose cells all have @p uniformType nodes (when it is 3 or 4;
   * @p cellType is then ignored) or the node counts of @p cellType (when @p uniformType is 0).
   * @p ownIndices makes the mesh copy the indices even without data duplication (the caller's
   * array is a temporary). Posts under @p method; 0 and unchanged on bad input.
   */
  int storeGeometry(const char* method, int numNodes, const float* x, const float* y, const float* z, int numCells,
                    const int* cellIndex, const int* cellType, int uniformType, int ownIndices = 0);
  void updateBoundingBox() override;
  const PbCell* findContainingCellProtected(const SbVec3f& point, float tolerance, SbVec3f& pcoord,
                                            PbArrayOfInt& testedCells) const override;

  /** Sets the reused triangle to cell @p c starting at @p offset in the index list. */
  const PbCell* setTriangle(int c, int offset) const
  {
    const int* n = m_cellIndex + offset;
    m_triangleCell.set(c, n[0], n[1], n[2], m_x, m_y, m_zCoord);
    return &m_triangleCell;
  }
  const PbCell* setQuadrangle(int c, int offset) const
  {
    const int* n = m_cellIndex + offset;
    m_quadrangleCell.set(c, n[0], n[1], n[2], n[3], m_x, m_y, m_zCoord);
    return &m_quadrangleCell;
  }

  ElemOrientation m_orientation;
  std::vector<int> m_orientFlags;
  const float* m_x;
  const float* m_y;
  const int* m_cellIndex;
  int m_indexLength;
  const int* m_cellType;
  /** Start of each cell in the index list (numCells + 1 entries). */
  std::vector<int> m_offsets;
  /** Owner cells of node n: m_owners[m_ownerStart[n]] up to m_owners[m_ownerStart[n + 1]]. */
  std::vector<int> m_ownerStart;
  std::vector<int> m_owners;
  mutable PbQuadrangleCell m_quadrangleCell;
  mutable PbTriangleCell m_triangleCell;

private:
  void copyFrom(const PbIndexedMesh2D& other);
  void buildOwners();

  // The mesh's own copies; they grow to twice the needed length and are never shrunk.
  std::vector<float> m_ownX, m_ownY;
  std::vector<int> m_ownIndex, m_ownType;
};

#endif
