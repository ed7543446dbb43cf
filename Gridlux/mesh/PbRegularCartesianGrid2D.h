// Regular surface grid: a box divided into equal steps along x and y.
#ifndef GRIDLUX_PBREGULARCARTESIANGRID2D_H
#define GRIDLUX_PBREGULARCARTESIANGRID2D_H

#include <Gridlux/mesh/PbGrid2D.h>
#include <Gridlux/mesh/PbPixelCell.h>
#include <Gridlux/mesh/PbQuadrangleCell.h>

/**
 * @brief Regular 2D grid: node (i, j) at (xmin + i dx, ymin + j dy), optional z[i][j].
 *
 * The steps are dx = (xmax - xmin) / (numX - 1) and dy likewise. Cells are pixels, or quadrangles
 * when the grid has z. Location computes the cell from the point directly; a coordinate equal to
 * the maximum belongs to the last cell. The box setters do not notify the following nodes
 * themselves (the field that holds the grid does); the array form of setGeometry() derives the
 * box from the ranges of numX x values and numY y values and notifies like every grid.
 */
class PbRegularCartesianGrid2D : public PbGrid2D {
public:
  void meshLines(PoMeshLines* node) const override;
  void meshFilled(PoMeshFilled* node) const override;
  void mesh2DVec(PoMesh2DVec* node) const override;
  explicit PbRegularCartesianGrid2D(int isDataDuplicate = 1);
  PbRegularCartesianGrid2D(int numX, int numY, float xmin, float ymin, float xmax, float ymax,
                           int isDataDuplicate = 1);
  PbRegularCartesianGrid2D(const PbRegularCartesianGrid2D& other);
  PbRegularCartesianGrid2D& operator=(const PbRegularCartesianGrid2D& other);

  using PbGrid2D::setGeometry;
  int setGeometry(int numX, int numY, float xmin, float ymin, float xmax, float ymax);
  int setGeometry(int numX, int numY, float xmin, float ymin, float xmax, float ymax, const float* z);
  void getGeometry(int& numX, int& numY, float& xmin, float& ymin, float& xmax, float& ymax) const;
  float getDx() const { return m_dx; }
  float getDy() const { return m_dy; }

  using PbGrid2D::getNodeCoord;
  SbVec3f getNodeCoord(int i, int j) const override;
  const PbCell* getCell(int cellIndex) const override;
  /** |xmax - xmin| * |ymax - ymin| without z, else the sum of the cell areas. */
  float getArea() const override;

protected:
  int setXYGeometry(int numX, int numY, const float* x, const float* y) override;
  void updateBoundingBox() override;
  const PbCell* findContainingCellProtected(const SbVec3f& point, float tolerance, SbVec3f& pcoord,
                                            PbArrayOfInt& testedCells) const override;

private:
  int setBox(const char* method, int numX, int numY, float xmin, float ymin, float xmax, float ymax);
  const PbCell* fillCell(int i, int j) const;

  float m_xmin, m_ymin, m_xmax, m_ymax;
  float m_dx, m_dy;
  mutable PbPixelCell m_pixelCell;
  mutable PbQuadrangleCell m_quadCell;
};

#endif
