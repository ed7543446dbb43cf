// Regular volume grid: a box divided into equal steps along x, y and z.
#ifndef GRIDLUX_PBREGULARCARTESIANGRID3D_H
#define GRIDLUX_PBREGULARCARTESIANGRID3D_H

#include <Gridlux/mesh/PbGrid3D.h>
#include <Gridlux/mesh/PbVoxelCell.h>

/**
 * @brief Regular 3D grid: node (i, j, k) at (xmin + i dx, ymin + j dy, zmin + k dz).
 *
 * Cells are voxels; location computes the cell from the point directly, a coordinate equal to the
 * maximum belonging to the last cell. The box setter does not notify the following nodes itself
 * (the field that holds the grid does); the array form of setGeometry() derives the box from the
 * ranges of numX x, numY y and numZ z values and notifies like every grid.
 */
class PbRegularCartesianGrid3D : public PbGrid3D {
public:
  void meshCrossSection(PoMeshCrossSection* node) const override;
  void mesh3DVec(PoMesh3DVec* node) const override;
  void meshCrossContour(PoMeshCrossContour* node) const override;
  void meshSkin(PoMeshSkin* node) const override;
  void meshSkeleton(PoMeshSkeleton* node, const float* values, float* xPlanes, float* yPlanes,
                    float* zPlanes) const override;
  explicit PbRegularCartesianGrid3D(int isDataDuplicate = 1);
  PbRegularCartesianGrid3D(int numX, int numY, int numZ, float xmin, float ymin, float zmin, float xmax, float ymax,
                           float zmax, int isDataDuplicate = 1);
  PbRegularCartesianGrid3D(const PbRegularCartesianGrid3D& other);
  PbRegularCartesianGrid3D& operator=(const PbRegularCartesianGrid3D& other);

  using PbGrid3D::setGeometry;
  int setGeometry(int numX, int numY, int numZ, float xmin, float ymin, float zmin, float xmax, float ymax,
                  float zmax);
  void getGeometry(int& numX, int& numY, int& numZ, float& xmin, float& ymin, float& zmin, float& xmax, float& ymax,
                   float& zmax) const;
  float getDx() const { return m_step[0]; }
  float getDy() const { return m_step[1]; }
  float getDz() const { return m_step[2]; }

  using PbGrid3D::getNodeCoord;
  SbVec3f getNodeCoord(int i, int j, int k) const override;
  const PbCell* getCell(int cellIndex) const override;
  float getVolume() const override;
  int isCrossSectionOptimal() const override { return 1; }

protected:
  int setXYZGeometry(int numX, int numY, int numZ, const float* x, const float* y, const float* z) override;
  void updateBoundingBox() override;
  const PbCell* findContainingCellProtected(const SbVec3f& point, float tolerance, SbVec3f& pcoord,
                                            PbArrayOfInt& testedCells) const override;
  float computeLongestEdgeLength() const override;

private:
  int setBox(const char* method, int numX, int numY, int numZ, const float* min, const float* max);
  const PbCell* fillCell(int i, int j, int k) const;

  float m_min[3];
  float m_max[3];
  float m_step[3];
  mutable PbVoxelCell m_voxelCell;
};

#endif
