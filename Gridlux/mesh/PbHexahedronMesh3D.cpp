// Hexahedron volume mesh: eight indices per cell, cells set without the type list.
#include <Gridlux/mesh/PbHexahedronMesh3D.h>

#include <Gridlux/representations/PoMesh3D.h>
#include <Gridlux/representations/PoMesh3DVec.h>
#include <Gridlux/representations/PoMeshCrossContour.h>
#include <Gridlux/representations/PoMeshSkeleton.h>
#include <Gridlux/representations/PoMeshSkin.h>
#include <Gridlux/representations/PoMeshCrossSection.h>

PbHexahedronMesh3D::PbHexahedronMesh3D(int isDataDuplicate) : PbIndexedMesh3D(isDataDuplicate) {}

PbHexahedronMesh3D::PbHexahedronMesh3D(int numNodes, const float* x, const float* y, const float* z, int numCells,
                                       const int* cellIndex, int isDataDuplicate)
  : PbIndexedMesh3D(isDataDuplicate)
{
  setGeometry(numNodes, x, y, z, numCells, cellIndex);
}

int PbHexahedronMesh3D::setGeometry(int numNodes, const float* x, const float* y, const float* z, int numCells,
                                    const int* cellIndex)
{
  return storeGeometry("PbHexahedronMesh3D::setGeometry", numNodes, x, y, z, numCells, cellIndex, nullptr, 8);
}

const PbCell* PbHexahedronMesh3D::getCell(int cellIndex) const
{
  if (cellIndex < 0 || cellIndex >= m_numMeshCells)
    return nullptr;
  m_hexahedronCell.set(cellIndex, m_cellIndex + 8 * size_t(cellIndex), m_x, m_y, m_z);
  return &m_hexahedronCell;
}

const PbCell* PbHexahedronMesh3D::findContainingCellProtected(const SbVec3f& point, float tolerance, SbVec3f& pcoord,
                                                              PbArrayOfInt& testedCells) const
{
  return locateUniform<8>(m_hexahedronCell, point, tolerance, pcoord, testedCells);
}

void PbHexahedronMesh3D::meshLevelSurfShapeIndices(PoMesh3D* node, int orientation, const float* perCellValues) const
{
  if (node)
    node->hexahedronMeshLevelSurfShapeIndices(this, orientation, perCellValues);
}

void PbHexahedronMesh3D::meshCrossSection(PoMeshCrossSection* node) const
{
  if (node)
    node->hexahedronMeshCrossSection(this);
}

void PbHexahedronMesh3D::meshSkin(PoMeshSkin* node) const
{
  if (node)
    node->hexahedronMeshSkin(this);
}

void PbHexahedronMesh3D::meshSkeleton(PoMeshSkeleton* node, const float* values, float* xPlanes, float* yPlanes,
                                float* zPlanes) const
{
  if (node)
    node->hexahedronMeshSkeleton(this, values, xPlanes, yPlanes, zPlanes);
}

void PbHexahedronMesh3D::meshCrossContour(PoMeshCrossContour* node) const
{
  if (node)
    node->hexahedronMeshCrossContour(this);
}

void PbHexahedronMesh3D::mesh3DVec(PoMesh3DVec* node) const
{
  if (node)
    node->hexahedronMesh3DVec(this);
}
