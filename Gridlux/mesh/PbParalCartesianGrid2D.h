// Parallelepiped surface grid: one x per column and one y per row.
#ifndef GRIDLUX_PBPARALCARTESIANGRID2D_H
#define GRIDLUX_PBPARALCARTESIANGRID2D_H

#include <Gridlux/mesh/PbCartesianGrid2D.h>
#include <Gridlux/mesh/PbPixelCell.h>

/**
 * @brief Rectilinear 2D grid: x[i] (numX values), y[j] (numY values), optional z[i][j].
 *
 * Each coordinate array must be sorted, increasing or decreasing. Cells are pixels, or
 * quadrangles when the grid has z. Location finds the column and the row by bisection: a value
 * equal to a coordinate belongs to the interval that ends there, so the first coordinate itself
 * is outside.
 */
class PbParalCartesianGrid2D : public PbCartesianGrid2D {
public:
  void meshLines(PoMeshLines* node) const override;
  void meshFilled(PoMeshFilled* node) const override;
  void mesh2DVec(PoMesh2DVec* node) const override;
  explicit PbParalCartesianGrid2D(int isDataDuplicate = 1);
  PbParalCartesianGrid2D(int numX, int numY, const float* x, const float* y, int isDataDuplicate = 1);
  PbParalCartesianGrid2D(const PbParalCartesianGrid2D& other);
  PbParalCartesianGrid2D& operator=(const PbParalCartesianGrid2D& other);
  ~PbParalCartesianGrid2D() override;

  void getGeometry(int& numX, int& numY, const float*& x, const float*& y) const;
  void getGeometry(int& numX, int& numY, const float*& x, const float*& y, const float*& z) const;

  using PbGrid2D::getNodeCoord;
  SbVec3f getNodeCoord(int i, int j) const override;
  const PbCell* getCell(int cellIndex) const override;
  /** |x[numX-1] - x[0]| * |y[numY-1] - y[0]| without z, else the sum of the cell areas. */
  float getArea() const override;

protected:
  int setXYGeometry(int numX, int numY, const float* x, const float* y) override;
  void updateBoundingBox() override;
  const PbCell* findContainingCellProtected(const SbVec3f& point, float tolerance, SbVec3f& pcoord,
                                            PbArrayOfInt& testedCells) const override;

private:
  const PbCell* fillCell(int i, int j) const;

  mutable PbPixelCell m_pixelCell;
  const float* m_xs;
  const float* m_ys;
  float* m_ownedXs;
  float* m_ownedYs;
};

#endif
