// Surface mesh of triangles only, given by index triples or triangulated from its own points.
#ifndef GRIDLUX_PBTRIANGLEMESH2D_H
#define GRIDLUX_PBTRIANGLEMESH2D_H

#include <Gridlux/mesh/PbIndexedMesh2D.h>

/**
 * @brief Unstructured surface mesh of triangles, 3 node indices per cell.
 *
 * setGeometry(numNodes, x, y) triangulates the points itself (a Delaunay triangulation in the
 * xy plane, PiVoronoi2D) and then behaves as if the triangles had been given; the triangles refer
 * to the given points by index, so every node value set applies unchanged. Points that repeat an
 * earlier point exactly belong to no triangle.
 */
class PbTriangleMesh2D : public PbIndexedMesh2D {
public:
  void meshLines(PoMeshLines* node) const override;
  void meshFilled(PoMeshFilled* node) const override;
  explicit PbTriangleMesh2D(int isDataDuplicate = 1);
  PbTriangleMesh2D(int numNodes, const float* x, const float* y, int numCells, const int* cellIndex,
                   int isDataDuplicate = 1);
  PbTriangleMesh2D(int numNodes, const float* x, const float* y, const float* z, int numCells,
                   const int* cellIndex, int isDataDuplicate = 1);
  PbTriangleMesh2D(const PbTriangleMesh2D& other) = default;
  PbTriangleMesh2D& operator=(const PbTriangleMesh2D& other) = default;

  /** Triangles given as index triples; 1 on success, 0 and unchanged on bad input. */
  int setGeometry(int numNodes, const float* x, const float* y, int numCells, const int* cellIndex);
  int setGeometry(int numNodes, const float* x, const float* y, const float* z, int numCells, const int* cellIndex);
  /** The Delaunay triangulation of the points; fewer than three points in general position give no cell. */
  int setGeometry(int numNodes, const float* x, const float* y);

  const PbCell* getCell(int cellIndex) const override;

protected:
  const PbCell* findContainingCellProtected(const SbVec3f& point, float tolerance, SbVec3f& pcoord,
                                            PbArrayOfInt& testedCells) const override;
};

#endif
