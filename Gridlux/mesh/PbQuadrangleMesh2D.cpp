// Quadrangle surface mesh: four indices per cell, cells read without the type list.
#include <Gridlux/mesh/PbQuadrangleMesh2D.h>

#include <Gridlux/representations/PoMeshFilled.h>
#include <Gridlux/representations/PoMeshLines.h>

#include <Gridlux/base/PoDebugError.h>

PbQuadrangleMesh2D::PbQuadrangleMesh2D(int isDataDuplicate) : PbIndexedMesh2D(isDataDuplicate) {}

PbQuadrangleMesh2D::PbQuadrangleMesh2D(int numNodes, const float* x, const float* y, int numCells,
                                       const int* cellIndex, int isDataDuplicate)
  : PbIndexedMesh2D(isDataDuplicate)
{
  setGeometry(numNodes, x, y, numCells, cellIndex);
}

PbQuadrangleMesh2D::PbQuadrangleMesh2D(int numNodes, const float* x, const float* y, const float* z, int numCells,
                                       const int* cellIndex, int isDataDuplicate)
  : PbIndexedMesh2D(isDataDuplicate)
{
  setGeometry(numNodes, x, y, z, numCells, cellIndex);
}

int PbQuadrangleMesh2D::setGeometry(int numNodes, const float* x, const float* y, int numCells, const int* cellIndex)
{
  return storeGeometry("PbQuadrangleMesh2D::setGeometry", numNodes, x, y, nullptr, numCells, cellIndex, nullptr, 4);
}

int PbQuadrangleMesh2D::setGeometry(int numNodes, const float* x, const float* y, const float* z, int numCells,
                                    const int* cellIndex)
{
  if (!z && numNodes > 0) {
    PoDebugError::post("PbQuadrangleMesh2D::setGeometry", "null z array for %d nodes; the geometry is unchanged",
                       numNodes);
    return 0;
  }
  return storeGeometry("PbQuadrangleMesh2D::setGeometry", numNodes, x, y, z, numCells, cellIndex, nullptr, 4);
}

const PbCell* PbQuadrangleMesh2D::getCell(int cellIndex) const
{
  if (cellIndex < 0 || cellIndex >= m_numMeshCells)
    return nullptr;
  return setQuadrangle(cellIndex, 4 * cellIndex);
}

void PbQuadrangleMesh2D::meshLines(PoMeshLines* node) const
{
  if (node)
    node->quadrangleLines(this);
}

void PbQuadrangleMesh2D::meshFilled(PoMeshFilled* node) const
{
  if (node)
    node->quadrangleMeshFilled(this);
}
