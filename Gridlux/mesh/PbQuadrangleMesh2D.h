// Surface mesh of quadrangles only, given by four node indices per cell.
#ifndef GRIDLUX_PBQUADRANGLEMESH2D_H
#define GRIDLUX_PBQUADRANGLEMESH2D_H

#include <Gridlux/mesh/PbIndexedMesh2D.h>

/**
 * @brief Unstructured surface mesh of quadrangles, 4 node indices per cell in turning order.
 */
class PbQuadrangleMesh2D : public PbIndexedMesh2D {
public:
  void meshLines(PoMeshLines* node) const override;
  void meshFilled(PoMeshFilled* node) const override;
  explicit PbQuadrangleMesh2D(int isDataDuplicate = 1);
  PbQuadrangleMesh2D(int numNodes, const float* x, const float* y, int numCells, const int* cellIndex,
                     int isDataDuplicate = 1);
  PbQuadrangleMesh2D(int numNodes, const float* x, const float* y, const float* z, int numCells,
                     const int* cellIndex, int isDataDuplicate = 1);
  PbQuadrangleMesh2D(const PbQuadrangleMesh2D& other) = default;
  PbQuadrangleMesh2D& operator=(const PbQuadrangleMesh2D& other) = default;

  /** 1 on success, 0 and unchanged on bad input. */
  int setGeometry(int numNodes, const float* x, const float* y, int numCells, const int* cellIndex);
  int setGeometry(int numNodes, const float* x, const float* y, const float* z, int numCells, const int* cellIndex);

  const PbCell* getCell(int cellIndex) const override;
};

#endif
