// Curvilinear surface grid: one x and one y coordinate per node.
#ifndef GRIDLUX_PBCARTESIANGRID2D_H
#define GRIDLUX_PBCARTESIANGRID2D_H

#include <Gridlux/mesh/PbGrid2D.h>
#include <Gridlux/mesh/PbQuadrangleCell.h>

/**
 * @brief Curvilinear 2D grid: x[i][j], y[i][j] and optional z[i][j].
 *
 * setGeometry() takes each coordinate as one block of numX * numY values in node order; the grid
 * addresses it through row pointers (x[i] is the block plus i * numY). Cells are quadrangles.
 * Cell location tests the cells one after another (the grid's cells may fold in any way).
 */
class PbCartesianGrid2D : public PbGrid2D {
public:
  void meshLines(PoMeshLines* node) const override;
  void meshFilled(PoMeshFilled* node) const override;
  void mesh2DVec(PoMesh2DVec* node) const override;
  explicit PbCartesianGrid2D(int isDataDuplicate = 1);
  PbCartesianGrid2D(int numX, int numY, const float* x, const float* y, int isDataDuplicate = 1);
  PbCartesianGrid2D(int numX, int numY, const float* x, const float* y, const float* z, int isDataDuplicate = 1);
  PbCartesianGrid2D(const PbCartesianGrid2D& other);
  PbCartesianGrid2D& operator=(const PbCartesianGrid2D& other);
  ~PbCartesianGrid2D() override;

  /** Row pointers of the coordinates as set (x[i][j]); null before any geometry. */
  void getGeometry(int& numX, int& numY, const float* const*& x, const float* const*& y) const;
  void getGeometry(int& numX, int& numY, const float* const*& x, const float* const*& y, const float*& z) const;

  using PbGrid2D::getNodeCoord;
  SbVec3f getNodeCoord(int i, int j) const override;
  const PbCell* getCell(int cellIndex) const override;
  void print(FILE* file) const override;

protected:
  int setXYGeometry(int numX, int numY, const float* x, const float* y) override;
  void updateBoundingBox() override;
  const PbCell* findContainingCellProtected(const SbVec3f& point, float tolerance, SbVec3f& pcoord,
                                            PbArrayOfInt& testedCells) const override;

  mutable PbQuadrangleCell m_quadCell;

private:
  void freeBlocks();
  void rebuildRows();

  const float* m_xBlock;
  const float* m_yBlock;
  float* m_ownedX;
  float* m_ownedY;
  int m_ownedLength;
  const float** m_xRows;
  const float** m_yRows;
  int m_rowCapacity;
};

#endif
