// Parallelepiped volume grid: one x per i, one y per j and one z per k.
#ifndef GRIDLUX_PBPARALCARTESIANGRID3D_H
#define GRIDLUX_PBPARALCARTESIANGRID3D_H

#include <Gridlux/mesh/PbCartesianGrid3D.h>
#include <Gridlux/mesh/PbVoxelCell.h>

/**
 * @brief Rectilinear 3D grid: x[i] (numX values), y[j] (numY values), z[k] (numZ values).
 *
 * Each array must be strictly increasing or decreasing. Cells are voxels; location finds the cell
 * by bisection along each axis (a value equal to the first coordinate is outside).
 */
class PbParalCartesianGrid3D : public PbCartesianGrid3D {
public:
  void meshCrossSection(PoMeshCrossSection* node) const override;
  void mesh3DVec(PoMesh3DVec* node) const override;
  void meshCrossContour(PoMeshCrossContour* node) const override;
  void meshSkin(PoMeshSkin* node) const override;
  void meshSkeleton(PoMeshSkeleton* node, const float* values, float* xPlanes, float* yPlanes,
                    float* zPlanes) const override;
  explicit PbParalCartesianGrid3D(int isDataDuplicate = 1);
  PbParalCartesianGrid3D(int numX, int numY, int numZ, const float* x, const float* y, const float* z,
                         int isDataDuplicate = 1);
  PbParalCartesianGrid3D(const PbParalCartesianGrid3D& other);
  PbParalCartesianGrid3D& operator=(const PbParalCartesianGrid3D& other);
  ~PbParalCartesianGrid3D() override;

  void getGeometry(int& numX, int& numY, int& numZ, const float*& x, const float*& y, const float*& z) const;

  using PbGrid3D::getNodeCoord;
  SbVec3f getNodeCoord(int i, int j, int k) const override;
  const PbCell* getCell(int cellIndex) const override;
  /** |x[numX-1] - x[0]| * |y[numY-1] - y[0]| * |z[numZ-1] - z[0]|. */
  float getVolume() const override;
  int isCrossSectionOptimal() const override { return 1; }

protected:
  int setXYZGeometry(int numX, int numY, int numZ, const float* x, const float* y, const float* z) override;
  void updateBoundingBox() override;
  const PbCell* findContainingCellProtected(const SbVec3f& point, float tolerance, SbVec3f& pcoord,
                                            PbArrayOfInt& testedCells) const override;
  float computeLongestEdgeLength() const override;

private:
  const PbCell* fillCell(int i, int j, int k) const;

  mutable PbVoxelCell m_voxelCell;
  const float* m_axis[3];
  float* m_owned[3];
};

#endif
