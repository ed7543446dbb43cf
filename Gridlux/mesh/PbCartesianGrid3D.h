// Curvilinear volume grid: one x, y and z coordinate per node.
#ifndef GRIDLUX_PBCARTESIANGRID3D_H
#define GRIDLUX_PBCARTESIANGRID3D_H

#include <Gridlux/mesh/PbGrid3D.h>
#include <Gridlux/mesh/PbHexahedronCell.h>

/**
 * @brief Curvilinear 3D grid: x[i][j][k], y[i][j][k], z[i][j][k].
 *
 * setGeometry() takes each coordinate as one block of numX * numY * numZ values in node order; the
 * grid addresses it through row pointers (x[i][j] is the block plus (i * numY + j) * numZ). Cells
 * are hexahedra, located through the octree of the cell boxes.
 */
class PbCartesianGrid3D : public PbGrid3D {
public:
  void meshCrossSection(PoMeshCrossSection* node) const override;
  void mesh3DVec(PoMesh3DVec* node) const override;
  void meshCrossContour(PoMeshCrossContour* node) const override;
  void meshSkin(PoMeshSkin* node) const override;
  void meshSkeleton(PoMeshSkeleton* node, const float* values, float* xPlanes, float* yPlanes,
                    float* zPlanes) const override;
  explicit PbCartesianGrid3D(int isDataDuplicate = 1);
  PbCartesianGrid3D(int numX, int numY, int numZ, const float* x, const float* y, const float* z,
                    int isDataDuplicate = 1);
  PbCartesianGrid3D(const PbCartesianGrid3D& other);
  PbCartesianGrid3D& operator=(const PbCartesianGrid3D& other);
  ~PbCartesianGrid3D() override;

  /** Row pointers of the coordinates as set (x[i][j][k]); null before any geometry. */
  void getGeometry(int& numX, int& numY, int& numZ, const float* const* const*& x, const float* const* const*& y,
                   const float* const* const*& z) const;

  using PbGrid3D::getNodeCoord;
  SbVec3f getNodeCoord(int i, int j, int k) const override;
  const PbCell* getCell(int cellIndex) const override;
  void print(FILE* file) const override;

protected:
  int setXYZGeometry(int numX, int numY, int numZ, const float* x, const float* y, const float* z) override;
  void updateBoundingBox() override;
  const PbCell* findContainingCellProtected(const SbVec3f& point, float tolerance, SbVec3f& pcoord,
                                            PbArrayOfInt& testedCells) const override;
  float computeLongestEdgeLength() const override;

  mutable PbHexahedronCell m_hexCell;

private:
  /** One coordinate: its block (owned or the caller's) and its row pointers. */
  struct Axis {
    const float* block = nullptr;
    float* owned = nullptr;
    int ownedLength = 0;
    const float** rows = nullptr;
    const float* const** planes = nullptr;
    int numRows = 0, numPlanes = 0;
    void free();
    void rebuildRows(int numX, int numY, int numZ);
  };
  void storeAxis(Axis& axis, int n, const float* values);
  /** 0 when @p point lies outside the box of the cell's nodes widened by the tolerance. */
  int boxMayHold(const int nodes[8], const SbVec3f& point, float tolerance) const;

  Axis m_x, m_y, m_z;
};

#endif
