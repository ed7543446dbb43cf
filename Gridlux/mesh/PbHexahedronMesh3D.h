// Volume mesh of hexahedra only, eight node indices per cell.
#ifndef GRIDLUX_PBHEXAHEDRONMESH3D_H
#define GRIDLUX_PBHEXAHEDRONMESH3D_H

#include <Gridlux/mesh/PbIndexedMesh3D.h>

/**
 * @brief Unstructured volume mesh of hexahedra, 8 node indices per cell in the hexahedron's
 * local order (bottom face 0-1-2-3, then the top face 4-5-6-7 above it).
 */
class PbHexahedronMesh3D : public PbIndexedMesh3D {
public:
  void meshCrossSection(PoMeshCrossSection* node) const override;
  void mesh3DVec(PoMesh3DVec* node) const override;
  void meshCrossContour(PoMeshCrossContour* node) const override;
  void meshSkin(PoMeshSkin* node) const override;
  void meshSkeleton(PoMeshSkeleton* node, const float* values, float* xPlanes, float* yPlanes,
                    float* zPlanes) const override;
  /** Asks @p node for the level surface of this mesh, cut by the cell kind's own cases. */
  void meshLevelSurfShapeIndices(PoMesh3D* node, int orientation, const float* perCellValues) const override;
  explicit PbHexahedronMesh3D(int isDataDuplicate = 1);
  PbHexahedronMesh3D(int numNodes, const float* x, const float* y, const float* z, int numCells,
                     const int* cellIndex, int isDataDuplicate = 1);
  PbHexahedronMesh3D(const PbHexahedronMesh3D& other) = default;
  PbHexahedronMesh3D& operator=(const PbHexahedronMesh3D& other) = default;

  /** 1 on success, 0 and unchanged on bad input. */
  int setGeometry(int numNodes, const float* x, const float* y, const float* z, int numCells, const int* cellIndex);

  const PbCell* getCell(int cellIndex) const override;

protected:
  const PbCell* findContainingCellProtected(const SbVec3f& point, float tolerance, SbVec3f& pcoord,
                                            PbArrayOfInt& testedCells) const override;
};

#endif
