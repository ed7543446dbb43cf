// Abstract volume mesh: cell location through an octree of the cell boxes.
#ifndef GRIDLUX_PBMESH3D_H
#define GRIDLUX_PBMESH3D_H

#include <Gridlux/mesh/PbMesh.h>

class PiCellOctree;
class PoMesh3D;
class PoMeshCrossContour;
class PoMeshCrossSection;
class PoMesh3DVec;
class PoMeshSkin;
class PoMeshSkeleton;
class PoCellFilter;

/**
 * @brief Base of volume meshes (3D grids and unstructured 3D meshes).
 *
 * The default cell location builds a PiCellOctree on first use (and again after a geometry
 * change), asks it for the candidate cells of the point and tests them in the octree's order,
 * skipping the cells already tested by a neighbourhood search.
 */
class PbMesh3D : public PbMesh {
public:
  ~PbMesh3D() override;

  /** Sum of the cell volumes. */
  float getVolume() const override;
  float getArea() const override { return 0; }
  /** 1 when cross sections may use the grid planes directly. */
  virtual int isCrossSectionOptimal() const { return 0; }
  /**
   * Calls back @p node's level-surface operation of this mesh kind, which fills its strip
   * indices. A kind without one leaves them empty.
   */
  virtual void meshLevelSurfShapeIndices(PoMesh3D* node, int orientation, const float* perCellValues) const
  {
    (void)node;
    (void)orientation;
    (void)perCellValues;
  }

  /** Calls back @p node's plane-cutting operation of this mesh kind; a kind without one draws nothing. */
  virtual void meshCrossSection(PoMeshCrossSection* node) const { (void)node; }
  /** Calls back @p node's outline operation of this mesh kind; a kind without one draws nothing. */
  virtual void meshCrossContour(PoMeshCrossContour* node) const { (void)node; }
  /** Calls back @p node's vector operation of this mesh kind; a kind without one draws nothing. */
  virtual void mesh3DVec(PoMesh3DVec* node) const { (void)node; }
  /** Calls back @p node's skin operation of this mesh kind; a kind without one draws nothing. */
  virtual void meshSkin(PoMeshSkin* node) const { (void)node; }
  /** The same for the skin of the cells @p filter accepts. */
  virtual void meshSkinFilter(PoMeshSkin* node, const PoCellFilter* filter) const
  {
    (void)node;
    (void)filter;
  }

  /**
   * Calls back @p node's skeleton operation of this mesh kind with the colour @p values (or null)
   * and the plane positions along each axis; a kind without one draws nothing.
   */
  virtual void meshSkeleton(PoMeshSkeleton* node, const float* values, float* xPlanes, float* yPlanes,
                            float* zPlanes) const
  {
    (void)node;
    (void)values;
    (void)xPlanes;
    (void)yPlanes;
    (void)zPlanes;
  }

protected:
  explicit PbMesh3D(int isDataDuplicate);
  PbMesh3D(const PbMesh3D& other);
  PbMesh3D& operator=(const PbMesh3D& other);

  const PbCell* findContainingCellProtected(const SbVec3f& point, float tolerance, SbVec3f& pcoord,
                                            PbArrayOfInt& testedCells) const override;
  /** The octree's candidates for @p point (building it when stale); returns their number. */
  int getOctreeCandidates(const SbVec3f& point, const int*& cells) const;
  /** The octree no longer matches the geometry; it is rebuilt at the next location. */
  void markOctreeStale() { m_octreeCurrent = 0; }

private:
  mutable PiCellOctree* m_octree;
  mutable int m_octreeCurrent;
};

#endif
