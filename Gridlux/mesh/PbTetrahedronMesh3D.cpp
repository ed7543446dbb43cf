// Tetrahedron volume mesh: four indices per cell, cells set without the type list.
#include <Gridlux/mesh/PbTetrahedronMesh3D.h>

#include <Gridlux/representations/PoMesh3D.h>
#include <Gridlux/representations/PoMesh3DVec.h>
#include <Gridlux/representations/PoMeshCrossContour.h>
#include <Gridlux/representations/PoMeshSkeleton.h>
#include <Gridlux/representations/PoMeshSkin.h>
#include <Gridlux/representations/PoMeshCrossSection.h>

#include <Gridlux/base/PoDebugError.h>

#include <cmath>

PbTetrahedronMesh3D::PbTetrahedronMesh3D(int isDataDuplicate) : PbIndexedMesh3D(isDataDuplicate) {}

PbTetrahedronMesh3D::PbTetrahedronMesh3D(int numNodes, const float* x, const float* y, const float* z, int numCells,
                                       const int* cellIndex, int isDataDuplicate)
  : PbIndexedMesh3D(isDataDuplicate)
{
  setGeometry(numNodes, x, y, z, numCells, cellIndex);
}

int PbTetrahedronMesh3D::setGeometry(int numNodes, const float* x, const float* y, const float* z, int numCells,
                                    const int* cellIndex)
{
  return storeGeometry("PbTetrahedronMesh3D::setGeometry", numNodes, x, y, z, numCells, cellIndex, nullptr, 4);
}

const PbCell* PbTetrahedronMesh3D::getCell(int cellIndex) const
{
  if (cellIndex < 0 || cellIndex >= m_numMeshCells)
    return nullptr;
  m_tetrahedronCell.set(cellIndex, m_cellIndex + 4 * size_t(cellIndex), m_x, m_y, m_z);
  return &m_tetrahedronCell;
}

const PbCell* PbTetrahedronMesh3D::findContainingCellProtected(const SbVec3f& point, float tolerance, SbVec3f& pcoord,
                                                              PbArrayOfInt& testedCells) const
{
  return locateUniform<4>(m_tetrahedronCell, point, tolerance, pcoord, testedCells);
}

const PbCell* PbTetrahedronMesh3D::naiveSearch(const SbVec3f& point, float tolerance, SbVec3f& pcoord,
                                               const PbArrayOfInt* skip) const
{
  for (int c = 0; c < m_numMeshCells; c++) {
    if (skip && skip->find(c) >= 0)
      continue;
    m_tetrahedronCell.set(c, m_cellIndex + 4 * size_t(c), m_x, m_y, m_z);
    if (m_tetrahedronCell.PbTetrahedronCell::locatePoint(point, tolerance, pcoord))
      return &m_tetrahedronCell;
  }
  return nullptr;
}

const PbCell* PbTetrahedronMesh3D::findContainingCellNaive(const SbVec3f& point, float tolerance,
                                                           SbVec3f& pcoord) const
{
  return findContainingCellNaive(point, tolerance, pcoord, nullptr);
}

const PbCell* PbTetrahedronMesh3D::findContainingCellNaive(const SbVec3f& point, float tolerance, SbVec3f& pcoord,
                                                           const PbCell* adjacentCell) const
{
  if (!std::isfinite(point[0]) || !std::isfinite(point[1]) || !std::isfinite(point[2])) {
    PoDebugError::post("PbTetrahedronMesh3D::findContainingCellNaive", "the point (%g, %g, %g) is not finite",
                       point[0], point[1], point[2]);
    return nullptr;
  }
  if (!adjacentCell)
    return naiveSearch(point, tolerance, pcoord, nullptr);
  // The neighbourhood first, as the octree search does, then every other cell in index order.
  const int home = adjacentCell->getIndex();
  PbArrayOfInt tested;
  getAdjacentCellsIndByFacet(home, tested);
  PbArrayOfInt byNode;
  getAdjacentCellsIndByNode(home, byNode);
  for (int i = 0; i < byNode.getNum(); i++)
    if (tested.find(byNode[i]) < 0)
      tested.add(byNode[i]);
  for (int i = 0; i < tested.getNum(); i++) {
    const PbCell* cell = getCell(tested[i]);
    if (cell && cell->locatePoint(point, tolerance, pcoord))
      return cell;
  }
  tested.add(home);
  return naiveSearch(point, tolerance, pcoord, &tested);
}

void PbTetrahedronMesh3D::meshLevelSurfShapeIndices(PoMesh3D* node, int orientation, const float* perCellValues) const
{
  if (node)
    node->tetrahedronMeshLevelSurfShapeIndices(this, orientation, perCellValues);
}

void PbTetrahedronMesh3D::meshCrossSection(PoMeshCrossSection* node) const
{
  if (node)
    node->tetrahedronMeshCrossSection(this);
}

void PbTetrahedronMesh3D::meshSkin(PoMeshSkin* node) const
{
  if (node)
    node->tetrahedronMeshSkin(this);
}

void PbTetrahedronMesh3D::meshSkeleton(PoMeshSkeleton* node, const float* values, float* xPlanes, float* yPlanes,
                                 float* zPlanes) const
{
  if (node)
    node->tetrahedronMeshSkeleton(this, values, xPlanes, yPlanes, zPlanes);
}

void PbTetrahedronMesh3D::meshCrossContour(PoMeshCrossContour* node) const
{
  if (node)
    node->tetrahedronMeshCrossContour(this);
}

void PbTetrahedronMesh3D::mesh3DVec(PoMesh3DVec* node) const
{
  if (node)
    node->tetrahedronMesh3DVec(this);
}
