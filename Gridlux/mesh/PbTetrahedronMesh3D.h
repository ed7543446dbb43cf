// Volume mesh of tetrahedra only, four node indices per cell.
#ifndef GRIDLUX_PBTETRAHEDRONMESH3D_H
#define GRIDLUX_PBTETRAHEDRONMESH3D_H

#include <Gridlux/mesh/PbIndexedMesh3D.h>

/**
 * @brief Unstructured volume mesh of tetrahedra, 4 node indices per cell.
 *
 * Besides the octree location of every volume mesh, findContainingCellNaive() tests every cell
 * in index order; it needs no octree and serves as a reference for small meshes.
 */
class PbTetrahedronMesh3D : public PbIndexedMesh3D {
public:
  void meshCrossSection(PoMeshCrossSection* node) const override;
  void mesh3DVec(PoMesh3DVec* node) const override;
  void meshCrossContour(PoMeshCrossContour* node) const override;
  void meshSkin(PoMeshSkin* node) const override;
  void meshSkeleton(PoMeshSkeleton* node, const float* values, float* xPlanes, float* yPlanes,
                    float* zPlanes) const override;
  /** Asks @p node for the level surface of this mesh, cut by the cell kind's own cases. */
  void meshLevelSurfShapeIndices(PoMesh3D* node, int orientation, const float* perCellValues) const override;
  explicit PbTetrahedronMesh3D(int isDataDuplicate = 1);
  PbTetrahedronMesh3D(int numNodes, const float* x, const float* y, const float* z, int numCells,
                      const int* cellIndex, int isDataDuplicate = 1);
  PbTetrahedronMesh3D(const PbTetrahedronMesh3D& other) = default;
  PbTetrahedronMesh3D& operator=(const PbTetrahedronMesh3D& other) = default;

  /** 1 on success, 0 and unchanged on bad input. */
  int setGeometry(int numNodes, const float* x, const float* y, const float* z, int numCells, const int* cellIndex);

  const PbCell* getCell(int cellIndex) const override;

  /** The first cell in index order that holds @p point, without the octree. */
  const PbCell* findContainingCellNaive(const SbVec3f& point, float tolerance, SbVec3f& pcoord) const;
  /** As above, testing the neighbours of @p adjacentCell first (see PbMesh::findContainingCell). */
  const PbCell* findContainingCellNaive(const SbVec3f& point, float tolerance, SbVec3f& pcoord,
                                        const PbCell* adjacentCell) const;

protected:
  const PbCell* findContainingCellProtected(const SbVec3f& point, float tolerance, SbVec3f& pcoord,
                                            PbArrayOfInt& testedCells) const override;

private:
  const PbCell* naiveSearch(const SbVec3f& point, float tolerance, SbVec3f& pcoord, const PbArrayOfInt* skip) const;
};

#endif
