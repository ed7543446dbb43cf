// Abstract structured volume grid: numX x numY x numZ nodes whose cells follow from indices.
#ifndef GRIDLUX_PBGRID3D_H
#define GRIDLUX_PBGRID3D_H

#include <Gridlux/mesh/PbMesh3D.h>

/**
 * @brief Structured 3D grid of numX x numY x numZ nodes.
 *
 * Node (i, j, k) has index (i * numY + j) * numZ + k (k varies fastest, then j); cells follow the
 * same rule with one less per axis, and the eight nodes of cell (i, j, k) are in the hexahedron's
 * local order: (i,j,k), (i+1,j,k), (i+1,j+1,k), (i,j+1,k), then the same at k+1. setGeometry()
 * behaves as the 2D grids' and also marks the cell-location octree stale. Owner and adjacent cells
 * are listed by increasing offsets: k first, then j, then i.
 */
class PbGrid3D : public PbMesh3D {
public:
  int setGeometry(int numX, int numY, int numZ, const float* x, const float* y, const float* z);

  int getNumX() const { return m_numX; }
  int getNumY() const { return m_numY; }
  int getNumZ() const { return m_numZ; }
  int getNodeIndex(int i, int j, int k) const { return (i * m_numY + j) * m_numZ + k; }
  void getNodeIndices(int node, int& i, int& j, int& k) const;
  int getCellIndex(int i, int j, int k) const { return (i * (m_numY - 1) + j) * (m_numZ - 1) + k; }
  void getCellIndices(int cell, int& i, int& j, int& k) const;

  SbVec3f getNodeCoord(int nodeIndex) const override;
  virtual SbVec3f getNodeCoord(int i, int j, int k) const = 0;

  void getNodeOwnerCellsInd(int nodeIndex, PbArrayOfInt& cells) const override;
  void getAdjacentCellsIndByFacet(int cellIndex, PbArrayOfInt& cells) const override;
  void getAdjacentCellsIndByNode(int cellIndex, PbArrayOfInt& cells) const override;
  /** Level surfaces of every structured kind share the grid's index rule. */
  void meshLevelSurfShapeIndices(PoMesh3D* node, int orientation, const float* perCellValues) const override;
  /** Every grid kind draws its filtered skin face by face between accepted and refused cells. */
  void meshSkinFilter(PoMeshSkin* node, const PoCellFilter* filter) const override;
  /** Number of cell faces on the grid's outer skin. */
  virtual int evaluateSkinFacesNum() const;
  void print(FILE* file) const override;

protected:
  explicit PbGrid3D(int isDataDuplicate);
  PbGrid3D(const PbGrid3D& other) = default;
  PbGrid3D& operator=(const PbGrid3D& other);

  virtual int setXYZGeometry(int numX, int numY, int numZ, const float* x, const float* y, const float* z) = 0;
  static int checkCounts(const char* method, int numX, int numY, int numZ);
  void applyCounts(int numX, int numY, int numZ);
  /** The eight node indices of cell (i, j, k) in the hexahedron's local order. */
  void cellNodes(int i, int j, int k, int nodes[8]) const
  {
    const int nz = m_numZ, nyz = m_numY * m_numZ;
    nodes[0] = (i * m_numY + j) * nz + k;
    nodes[1] = nodes[0] + nyz;
    nodes[2] = nodes[1] + nz;
    nodes[3] = nodes[0] + nz;
    nodes[4] = nodes[0] + 1;
    nodes[5] = nodes[1] + 1;
    nodes[6] = nodes[2] + 1;
    nodes[7] = nodes[3] + 1;
  }

  int m_numX;
  int m_numY;
  int m_numZ;
};

#endif
