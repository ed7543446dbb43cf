// One-dimensional mesh base: nodes on the x axis, no cells.
#include <Gridlux/mesh/PbMesh1D.h>

PbMesh1D::PbMesh1D(int isDataDuplicate) : PbMesh(isDataDuplicate) {}

PbMesh1D::PbMesh1D(const PbMesh1D& other) = default;

PbMesh1D& PbMesh1D::operator=(const PbMesh1D& other)
{
  PbMesh::operator=(other);
  return *this;
}

PbMesh1D::~PbMesh1D() = default;

SbVec3f PbMesh1D::getNodeCoord(int nodeIndex) const
{
  if (nodeIndex < 0 || nodeIndex >= m_numMeshNodes)
    return SbVec3f(0, 0, 0);
  return SbVec3f(getXCoord(nodeIndex), 0, 0);
}

void PbMesh1D::getNodeOwnerCellsInd(int, PbArrayOfInt& cells) const
{
  cells.empty();
}

const PbCell* PbMesh1D::findContainingCellProtected(const SbVec3f&, float, SbVec3f&, PbArrayOfInt&) const
{
  return nullptr;
}

void PbMesh1D::applyNumNodes(int numNodes)
{
  if (numNodes != m_numMeshNodes) {
    // The followers hear of the geometry change that comes next, not of each removed set.
    const int enabled = isConnectionEnabled();
    enableConnection(0);
    removeAllValuesSet();
    removeAllStringsSet();
    removeAllVecsSet();
    enableConnection(enabled);
  }
  setCounts(numNodes, 0);
}
