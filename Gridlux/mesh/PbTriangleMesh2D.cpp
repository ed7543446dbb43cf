// Triangle surface mesh: index triples, or the Delaunay triangulation of the given points.
#include <Gridlux/mesh/PbTriangleMesh2D.h>

#include <Gridlux/representations/PoMeshFilled.h>
#include <Gridlux/representations/PoMeshLines.h>

#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/mesh/PiVoronoi2D.h>

#include <algorithm>
#include <cmath>

PbTriangleMesh2D::PbTriangleMesh2D(int isDataDuplicate) : PbIndexedMesh2D(isDataDuplicate) {}

PbTriangleMesh2D::PbTriangleMesh2D(int numNodes, const float* x, const float* y, int numCells, const int* cellIndex,
                                   int isDataDuplicate)
  : PbIndexedMesh2D(isDataDuplicate)
{
  setGeometry(numNodes, x, y, numCells, cellIndex);
}

PbTriangleMesh2D::PbTriangleMesh2D(int numNodes, const float* x, const float* y, const float* z, int numCells,
                                   const int* cellIndex, int isDataDuplicate)
  : PbIndexedMesh2D(isDataDuplicate)
{
  setGeometry(numNodes, x, y, z, numCells, cellIndex);
}

int PbTriangleMesh2D::setGeometry(int numNodes, const float* x, const float* y, int numCells, const int* cellIndex)
{
  return storeGeometry("PbTriangleMesh2D::setGeometry", numNodes, x, y, nullptr, numCells, cellIndex, nullptr, 3);
}

int PbTriangleMesh2D::setGeometry(int numNodes, const float* x, const float* y, const float* z, int numCells,
                                  const int* cellIndex)
{
  if (!z && numNodes > 0) {
    PoDebugError::post("PbTriangleMesh2D::setGeometry", "null z array for %d nodes; the geometry is unchanged",
                       numNodes);
    return 0;
  }
  return storeGeometry("PbTriangleMesh2D::setGeometry", numNodes, x, y, z, numCells, cellIndex, nullptr, 3);
}

int PbTriangleMesh2D::setGeometry(int numNodes, const float* x, const float* y)
{
  static const char* method = "PbTriangleMesh2D::setGeometry";
  if (numNodes < 0) {
    PoDebugError::post(method, "negative node count %d; the geometry is unchanged", numNodes);
    return 0;
  }
  if (numNodes > 0 && (!x || !y)) {
    PoDebugError::post(method, "null coordinate array for %d nodes; the geometry is unchanged", numNodes);
    return 0;
  }
  if (hasInvalidFloat(method, "x", numNodes, x) || hasInvalidFloat(method, "y", numNodes, y))
    return 0;
  PiVoronoi2D triangulator;
  const int numTriangles = triangulator.triangulate(numNodes, x, y);
  if (numTriangles == 0 && numNodes >= 3)
    PoDebugError::postWarning(method, "the %d points lie on one line: the mesh has no cell", numNodes);
  // The triangles are a temporary of this call: the mesh keeps its own copy in every mode.
  return storeGeometry(method, numNodes, x, y, nullptr, numTriangles, triangulator.getTriangles().data(), nullptr, 3,
                       1);
}

const PbCell* PbTriangleMesh2D::getCell(int cellIndex) const
{
  if (cellIndex < 0 || cellIndex >= m_numMeshCells)
    return nullptr;
  return setTriangle(cellIndex, 3 * cellIndex);
}

const PbCell* PbTriangleMesh2D::findContainingCellProtected(const SbVec3f& point, float tolerance, SbVec3f& pcoord,
                                                            PbArrayOfInt&) const
{
  const float px = point[0], py = point[1];
  const float t = 3 * (tolerance > 0 ? tolerance : 0);
  for (int c = 0; c < m_numMeshCells; c++) {
    const int* n = m_cellIndex + 3 * c;
    const float x0 = m_x[n[0]], x1 = m_x[n[1]], x2 = m_x[n[2]];
    const float xmin = std::min(x0, std::min(x1, x2)), xmax = std::max(x0, std::max(x1, x2));
    const float mx = (xmax - xmin) * t + 1e-4f + 1e-6f * std::abs(px);
    if (px < xmin - mx || px > xmax + mx)
      continue;
    const float y0 = m_y[n[0]], y1 = m_y[n[1]], y2 = m_y[n[2]];
    const float ymin = std::min(y0, std::min(y1, y2)), ymax = std::max(y0, std::max(y1, y2));
    const float my = (ymax - ymin) * t + 1e-4f + 1e-6f * std::abs(py);
    if (py < ymin - my || py > ymax + my)
      continue;
    setTriangle(c, 3 * c);
    if (m_triangleCell.PbTriangleCell::locatePoint(point, tolerance, pcoord))
      return &m_triangleCell;
  }
  return nullptr;
}

void PbTriangleMesh2D::meshLines(PoMeshLines* node) const
{
  if (node)
    node->triangleLines(this);
}

void PbTriangleMesh2D::meshFilled(PoMeshFilled* node) const
{
  if (node)
    node->triangleMeshFilled(this);
}
