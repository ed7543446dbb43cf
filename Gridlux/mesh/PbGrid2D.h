// Abstract structured surface grid: numX x numY nodes whose cells and neighbours follow from indices.
#ifndef GRIDLUX_PBGRID2D_H
#define GRIDLUX_PBGRID2D_H

#include <Gridlux/mesh/PbMesh2D.h>

/**
 * @brief Structured 2D grid of numX x numY nodes, with an optional z per node.
 *
 * Node (i, j) has index i * numY + j (j varies fastest); cell (i, j) has index i * (numY - 1) + j
 * and nodes (i, j), (i+1, j), (i+1, j+1), (i, j+1). Subclasses differ only in how the x and y
 * coordinates are given. setGeometry() replaces the whole geometry: when the node count changes
 * and the grid duplicates data, its value sets are removed, since they no longer fit. Counts below
 * 2 give a grid with nodes and no cells; negative or zero counts, null arrays and coordinates that
 * are not finite are refused with a posted message and leave the grid unchanged.
 */
class PbGrid2D : public PbMesh2D {
public:
  /** Sets the x and y coordinates (their layout is the subclass's) and removes z. */
  int setGeometry(int numX, int numY, const float* x, const float* y);
  /** As above with one z per node, in node order. */
  int setGeometry(int numX, int numY, const float* x, const float* y, const float* z);

  int getNumX() const { return m_numX; }
  int getNumY() const { return m_numY; }
  int getNodeIndex(int i, int j) const { return i * m_numY + j; }
  void getNodeIndices(int node, int& i, int& j) const;
  int getCellIndex(int i, int j) const { return i * (m_numY - 1) + j; }
  void getCellIndices(int cell, int& i, int& j) const;

  SbVec3f getNodeCoord(int nodeIndex) const override;
  virtual SbVec3f getNodeCoord(int i, int j) const = 0;

  void getNodeOwnerCellsInd(int nodeIndex, PbArrayOfInt& cells) const override;
  void getAdjacentCellsIndByFacet(int cellIndex, PbArrayOfInt& cells) const override;
  void getAdjacentCellsIndByNode(int cellIndex, PbArrayOfInt& cells) const override;
  /** The boundary as one closed loop starting at node 0, 2 (numX + numY) - 4 nodes. */
  void getLimitIndices(PbArrayOfInt& limitNodes, PbArrayOfInt& limitSizes) const override;
  void print(FILE* file) const override;

protected:
  explicit PbGrid2D(int isDataDuplicate);
  PbGrid2D(const PbGrid2D& other) = default;
  PbGrid2D& operator=(const PbGrid2D& other);

  /** Checks and stores the subclass's x and y; returns 0 (posting why) when they are unusable. */
  virtual int setXYGeometry(int numX, int numY, const float* x, const float* y) = 0;
  /** Checks counts (posting under @p method); 1 when they make a grid. */
  static int checkCounts(const char* method, int numX, int numY);
  /** Stores the counts after a geometry change, dropping value sets that no longer fit. */
  void applyCounts(int numX, int numY);
  /** Corner node indices of cell (i, j) in local order. */
  void cellNodes(int i, int j, int nodes[4]) const
  {
    nodes[0] = i * m_numY + j;
    nodes[1] = nodes[0] + m_numY;
    nodes[2] = nodes[1] + 1;
    nodes[3] = nodes[0] + 1;
  }

  int m_numX;
  int m_numY;
};

#endif
