// Volume meshes: summed volume and octree-driven cell location.
#include <Gridlux/mesh/PbMesh3D.h>

#include <Gridlux/mesh/PbCell.h>
#include <Gridlux/mesh/PiCellOctree.h>

PbMesh3D::PbMesh3D(int isDataDuplicate) : PbMesh(isDataDuplicate), m_octree(nullptr), m_octreeCurrent(0) {}

PbMesh3D::PbMesh3D(const PbMesh3D& other) : PbMesh(other), m_octree(nullptr), m_octreeCurrent(0) {}

PbMesh3D& PbMesh3D::operator=(const PbMesh3D& other)
{
  if (this != &other) {
    PbMesh::operator=(other);
    m_octreeCurrent = 0;
  }
  return *this;
}

PbMesh3D::~PbMesh3D()
{
  delete m_octree;
}

float PbMesh3D::getVolume() const
{
  double sum = 0;
  for (int c = 0; c < m_numMeshCells; c++) {
    const PbCell* cell = getCell(c);
    if (cell)
      sum += cell->getVolume();
  }
  return float(sum);
}

int PbMesh3D::getOctreeCandidates(const SbVec3f& point, const int*& cells) const
{
  if (!m_octree)
    m_octree = new PiCellOctree;
  if (!m_octreeCurrent) {
    m_octree->build(*this);
    m_octreeCurrent = 1;
  }
  return m_octree->getCandidates(point, cells);
}

const PbCell* PbMesh3D::findContainingCellProtected(const SbVec3f& point, float tolerance, SbVec3f& pcoord,
                                                    PbArrayOfInt& testedCells) const
{
  const int* candidates = nullptr;
  const int num = getOctreeCandidates(point, candidates);
  const int checkTested = testedCells.getNum() > 0;
  for (int i = 0; i < num; i++) {
    if (checkTested && testedCells.find(candidates[i]) >= 0)
      continue;
    const PbCell* cell = getCell(candidates[i]);
    if (cell && cell->locatePoint(point, tolerance, pcoord))
      return cell;
  }
  return nullptr;
}
