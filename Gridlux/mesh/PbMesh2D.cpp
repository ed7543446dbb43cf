// Surface meshes: z coordinates, elevation push and pop, edge adjacency and boundary loops.
#include <Gridlux/mesh/PbMesh2D.h>

#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/mesh/PbCell.h>

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

PbMesh2D::PbMesh2D(int numZ, const float* z, int isDataDuplicate)
  : PbMesh(isDataDuplicate), m_zCoord(nullptr), m_savedZCoord(nullptr), m_numZCoord(0), m_ownedZ(nullptr),
    m_ownedZLength(0), m_zPushed(0)
{
  setZCoord(numZ, z);
}

PbMesh2D::PbMesh2D(const PbMesh2D& other)
  : PbMesh(other), m_zCoord(nullptr), m_savedZCoord(nullptr), m_numZCoord(0), m_ownedZ(nullptr),
    m_ownedZLength(0), m_zPushed(0)
{
  setZCoord(other.m_numZCoord, other.m_zCoord);
}

PbMesh2D& PbMesh2D::operator=(const PbMesh2D& other)
{
  if (this != &other) {
    PbMesh::operator=(other);
    m_zPushed = 0;
    m_savedZCoord = nullptr;
    setZCoord(other.m_numZCoord, other.m_zCoord);
  }
  return *this;
}

PbMesh2D::~PbMesh2D()
{
  delete[] m_ownedZ;
}

void PbMesh2D::setZCoord(int numZ, const float* z)
{
  if (!z || numZ <= 0) {
    m_zCoord = nullptr;
    m_numZCoord = 0;
    return;
  }
  m_numZCoord = numZ;
  if (m_isDataDuplicate) {
    if (m_ownedZLength < numZ) {
      delete[] m_ownedZ;
      m_ownedZ = new float[numZ];
      m_ownedZLength = numZ;
    }
    if (z != m_ownedZ)
      std::copy(z, z + numZ, m_ownedZ);
    m_zCoord = m_ownedZ;
  }
  else
    m_zCoord = z;
}

int PbMesh2D::addVecsSet(int index, const SbVec2f* vectors, const char* name)
{
  if (!vectors) {
    PoDebugError::post("PbMesh2D::addVecsSet", "null vectors for set %d", index);
    return 0;
  }
  std::vector<SbVec3f> flat(m_numMeshNodes > 0 ? m_numMeshNodes : 1, SbVec3f(0, 0, 0));
  for (int i = 0; i < m_numMeshNodes; i++)
    flat[i].setValue(vectors[i][0], vectors[i][1], 0);
  return storeVecsSet(index, flat.data(), name, 1);
}

SbBox2f PbMesh2D::getBoundingBox() const
{
  SbBox2f box;
  if (!m_boundingBox.isEmpty()) {
    const SbVec3f& lo = m_boundingBox.getMin();
    const SbVec3f& hi = m_boundingBox.getMax();
    box.setBounds(lo[0], lo[1], hi[0], hi[1]);
  }
  return box;
}

void PbMesh2D::pushZCoord(int valuesSetIndex)
{
  m_savedZCoord = m_zCoord;
  m_savedNumZ = m_numZCoord;
  m_zPushed = 1;
  if (valuesSetIndex < 0)
    return;
  const float* values = getValuesSet(valuesSetIndex);
  if (!values) {
    PoDebugError::post("PbMesh2D::pushZCoord", "there is no scalar set with index %d; z is unchanged",
                       valuesSetIndex);
    return;
  }
  if (getValuesBinding(valuesSetIndex) != PER_NODE) {
    PoDebugError::post("PbMesh2D::pushZCoord", "scalar set %d is bound per cell and cannot give node heights",
                       valuesSetIndex);
    return;
  }
  m_zCoord = values;
  m_numZCoord = m_numMeshNodes;
  geometryChanged();
  updateBoundingBox();
}

void PbMesh2D::popZCoord()
{
  if (!m_zPushed)
    return;
  m_zPushed = 0;
  if (m_zCoord != m_savedZCoord) {
    m_zCoord = m_savedZCoord;
    m_numZCoord = m_savedNumZ;
    geometryChanged();
    updateBoundingBox();
  }
}

const PbCell* PbMesh2D::findContainingCellProtected(const SbVec3f&, float, SbVec3f&, PbArrayOfInt&) const
{
  return nullptr;
}

float PbMesh2D::getArea() const
{
  double sum = 0;
  for (int c = 0; c < m_numMeshCells; c++) {
    const PbCell* cell = getCell(c);
    if (cell)
      sum += cell->getArea();
  }
  return float(sum);
}

void PbMesh2D::getAdjacentCellsIndByFacet(int cellIndex, PbArrayOfInt& cells) const
{
  cells.empty();
  const PbCell* cell = getCell(cellIndex);
  if (!cell)
    return;
  int edges[PbCell::MAX_NODES][2];
  const int numEdges = cell->getNumEdges();
  for (int e = 0; e < numEdges; e++)
    cell->getNodesIndexOfEdge(e, edges[e]);
  PbArrayOfInt& nodes = m_scratchNodes;
  PbArrayOfInt& owners = m_scratchA;
  for (int e = 0; e < numEdges; e++) {
    nodes.empty();
    nodes.add(2, edges[e]);
    getNodesOwnerCellsInd(nodes, owners);
    for (int i = 0; i < owners.getNum(); i++)
      if (owners[i] != cellIndex && cells.find(owners[i]) < 0)
        cells.add(owners[i]);
  }
}

void PbMesh2D::getLimitIndices(PbArrayOfInt& limitNodes, PbArrayOfInt& limitSizes) const
{
  limitNodes.empty();
  limitSizes.empty();
  // Count every undirected edge; the boundary edges are those seen once, kept with the direction
  // in which their cell runs, so that following them walks each loop in one direction.
  std::map<std::pair<int, int>, int> uses;
  std::vector<std::pair<int, int>> directed;
  for (int c = 0; c < m_numMeshCells; c++) {
    const PbCell* cell = getCell(c);
    if (!cell)
      continue;
    for (int e = 0; e < cell->getNumEdges(); e++) {
      int n[2];
      cell->getNodesIndexOfEdge(e, n);
      uses[std::make_pair(std::min(n[0], n[1]), std::max(n[0], n[1]))]++;
      directed.emplace_back(n[0], n[1]);
    }
  }
  std::multimap<int, int> next;
  std::vector<int> starts;
  for (const auto& d : directed) {
    if (uses[std::make_pair(std::min(d.first, d.second), std::max(d.first, d.second))] == 1) {
      next.emplace(d.first, d.second);
      starts.push_back(d.first);
    }
  }
  std::sort(starts.begin(), starts.end());
  for (int start : starts) {
    auto it = next.find(start);
    if (it == next.end())
      continue;
    int size = 0;
    int node = start;
    while (it != next.end()) {
      limitNodes.add(node);
      size++;
      node = it->second;
      next.erase(it);
      if (node == start)
        break;
      it = next.find(node);
    }
    limitSizes.add(size);
  }
}

void PbMesh2D::print(FILE* file) const
{
  PbMesh::print(file);
  fprintf(file, "PbMesh2D:: m_numZCoord = %d , m_zCoord (adress %p) \n", m_numZCoord, (const void*)m_zCoord);
  if (m_zCoord)
    for (int i = 0; i < m_numZCoord; i++)
      fprintf(file, "%f \n", m_zCoord[i]);
}
