// Value sets, adjacency from cells, cell boxes, neighbourhood search and dump of every mesh.
#include <Gridlux/mesh/PbMesh.h>

#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/mesh/PbCell.h>
#include <Inventor/fields/SoMFVec3f.h>

#include <cfloat>
#include <cmath>

namespace {

// The scalar, string and vector sets are singly linked lists of the same shape; these walk any
// of them. @p data names the set's array, freed only when the mesh allocated it.

template <class Set>
int setIndexAtRank(const Set* head, int rank)
{
  int i = 0;
  for (const Set* s = head; s; s = s->next, i++)
    if (i == rank)
      return s->index;
  return -1;
}

template <class Set, class T>
bool unlinkSet(Set** head, int index, T* Set::*data)
{
  for (Set** link = head; *link; link = &(*link)->next) {
    if ((*link)->index == index) {
      Set* dead = *link;
      *link = dead->next;
      if (dead->ownedLength)
        delete[] (dead->*data);
      delete dead;
      return true;
    }
  }
  return false;
}

template <class Set, class T>
void freeSets(Set** head, T* Set::*data)
{
  while (*head) {
    Set* next = (*head)->next;
    if ((*head)->ownedLength)
      delete[] ((*head)->*data);
    delete *head;
    *head = next;
  }
}

} // namespace

PbMesh::PbMesh(int isDataDuplicate)
  : m_isDataDuplicate(isDataDuplicate ? 1 : 0), m_numMeshNodes(0), m_numMeshCells(0), m_cellBoxesCurrent(0),
    m_smallestCellIndex(-1), m_biggestCellIndex(-1), m_longestEdgeCurrent(0), m_longestEdge(0),
    m_valuesSets(nullptr), m_numValuesSet(0), m_vecsSets(nullptr), m_numVecsSet(0), m_stringsSets(nullptr),
    m_numStringsSet(0), m_testedCells(10, 10)
{
}

PbMesh::PbMesh(const PbMesh& other)
  : PbBase(other), m_isDataDuplicate(other.m_isDataDuplicate), m_numMeshNodes(other.m_numMeshNodes),
    m_numMeshCells(other.m_numMeshCells), m_boundingBox(other.m_boundingBox), m_cellBoxesCurrent(0),
    m_smallestCellIndex(-1), m_biggestCellIndex(-1), m_longestEdgeCurrent(0), m_longestEdge(0),
    m_valuesSets(nullptr), m_numValuesSet(0), m_vecsSets(nullptr), m_numVecsSet(0), m_stringsSets(nullptr),
    m_numStringsSet(0), m_testedCells(10, 10)
{
  copySets(other);
}

PbMesh& PbMesh::operator=(const PbMesh& other)
{
  if (this == &other)
    return *this;
  // The followers are told once, by the subclass, after the whole assignment: silence the base.
  const int enabled = isConnectionEnabled();
  enableConnection(0);
  PbBase::operator=(other);
  enableConnection(enabled);
  removeAllValuesSet();
  removeAllStringsSet();
  removeAllVecsSet();
  m_isDataDuplicate = other.m_isDataDuplicate;
  m_numMeshNodes = other.m_numMeshNodes;
  m_numMeshCells = other.m_numMeshCells;
  m_boundingBox = other.m_boundingBox;
  geometryChanged();
  copySets(other);
  return *this;
}

PbMesh::~PbMesh()
{
  // Followers are told by PbBase's destructor; the sets go quietly.
  enableConnection(0);
  removeAllValuesSet();
  removeAllStringsSet();
  removeAllVecsSet();
  enableConnection(1);
}

void PbMesh::copySets(const PbMesh& other)
{
  const int enabled = isConnectionEnabled();
  enableConnection(0);
  for (ValuesSet* s = other.m_valuesSets; s; s = s->next)
    addValuesSet(s->index, s->values, s->binding, s->name.getString());
  for (StringsSet* s = other.m_stringsSets; s; s = s->next)
    addStringsSet(s->index, s->strings, s->name.getString());
  for (VecsSet* s = other.m_vecsSets; s; s = s->next)
    storeVecsSet(s->index, s->vectors, s->name.getString(), m_isDataDuplicate || s->isOwner);
  enableConnection(enabled);
}

void PbMesh::setCounts(int numNodes, int numCells)
{
  m_numMeshNodes = numNodes;
  m_numMeshCells = numCells;
  geometryChanged();
}

void PbMesh::geometryChanged()
{
  m_cellBoxesCurrent = 0;
  m_longestEdgeCurrent = 0;
}

void PbMesh::notifyGeometry()
{
  setChangeType(CHANGE_GEOMETRY);
  notifyChange();
}

int PbMesh::hasInvalidFloat(const char* method, const char* what, int num, const float* values)
{
  for (int i = 0; i < num; i++) {
    if (!std::isfinite(values[i])) {
      PoDebugError::post(method, "%s[%d] is not a finite number; the geometry is left unchanged", what, i);
      return 1;
    }
  }
  return 0;
}

// ---------------------------------------------------------------------------------------------
// Scalar sets

PbMesh::ValuesSet* PbMesh::findValuesSet(int index) const
{
  for (ValuesSet* s = m_valuesSets; s && s->index <= index; s = s->next)
    if (s->index == index)
      return s;
  return nullptr;
}

int PbMesh::addValuesSet(int index, const float* values, DataBinding binding, const char* name)
{
  if (!values) {
    PoDebugError::post("PbMesh::addValuesSet", "null values for set %d", index);
    return 0;
  }
  if (binding != PER_CELL && binding != PER_NODE) {
    PoDebugError::post("PbMesh::addValuesSet", "unknown binding %d for set %d", int(binding), index);
    return 0;
  }
  const int length = binding == PER_NODE ? m_numMeshNodes : m_numMeshCells;
  ValuesSet* set = findValuesSet(index);
  if (!set) {
    ValuesSet** link = &m_valuesSets;
    while (*link && (*link)->index < index)
      link = &(*link)->next;
    set = new ValuesSet{index, nullptr, 0, SbString(), binding, *link};
    *link = set;
    m_numValuesSet++;
  }
  set->name = name ? name : "";
  set->binding = binding;
  if (m_isDataDuplicate) {
    // The mesh's own array is reused when it is long enough: replacing a set does not allocate.
    if (set->ownedLength < length || set->ownedLength == 0) {
      delete[] (set->ownedLength ? set->values : nullptr);
      set->values = new float[length > 0 ? length : 1];
      set->ownedLength = length > 0 ? length : 1;
    }
    if (set->values != values)
      for (int i = 0; i < length; i++)
        set->values[i] = values[i];
  }
  else {
    if (set->ownedLength)
      delete[] set->values;
    set->ownedLength = 0;
    set->values = const_cast<float*>(values);
  }
  setChangeType(CHANGE_SCALAR_SET);
  notifyChange();
  return 1;
}

int PbMesh::addValuesSet(int index, const float* values, const char* name)
{
  return addValuesSet(index, values, PER_NODE, name);
}

const float* PbMesh::getValuesSet(int index) const
{
  const ValuesSet* s = findValuesSet(index);
  return s ? s->values : nullptr;
}

const SbString* PbMesh::getValuesSetName(int index) const
{
  const ValuesSet* s = findValuesSet(index);
  return s ? &s->name : nullptr;
}

PbMesh::DataBinding PbMesh::getValuesBinding(int index) const
{
  const ValuesSet* s = findValuesSet(index);
  return s ? s->binding : PER_NODE;
}

int PbMesh::getValuesSetIndex(int rank) const
{
  return setIndexAtRank(m_valuesSets, rank);
}

int PbMesh::removeValuesSet(int index)
{
  if (!unlinkSet(&m_valuesSets, index, &ValuesSet::values)) {
    PoDebugError::post("PbMesh::removeValuesSet", "there is no scalar set with index %d", index);
    return 0;
  }
  m_numValuesSet--;
  setChangeType(CHANGE_SCALAR_SET);
  notifyChange();
  return 1;
}

void PbMesh::removeAllValuesSet()
{
  const int had = m_numValuesSet;
  freeSets(&m_valuesSets, &ValuesSet::values);
  m_numValuesSet = 0;
  if (had) {
    setChangeType(CHANGE_SCALAR_SET);
    notifyChange();
  }
}

int PbMesh::getMinValuesSet(int index, float& min) const
{
  const ValuesSet* s = findValuesSet(index);
  if (!s)
    return 0;
  const int n = s->binding == PER_NODE ? m_numMeshNodes : m_numMeshCells;
  int found = 0;
  float m = 0;
  for (int i = 0; i < n; i++) {
    const float v = s->values[i];
    if (v == v && (!found || v < m)) {
      m = v;
      found = 1;
    }
  }
  if (found)
    min = m;
  return found;
}

int PbMesh::getMaxValuesSet(int index, float& max) const
{
  const ValuesSet* s = findValuesSet(index);
  if (!s)
    return 0;
  const int n = s->binding == PER_NODE ? m_numMeshNodes : m_numMeshCells;
  int found = 0;
  float m = 0;
  for (int i = 0; i < n; i++) {
    const float v = s->values[i];
    if (v == v && (!found || v > m)) {
      m = v;
      found = 1;
    }
  }
  if (found)
    max = m;
  return found;
}

// ---------------------------------------------------------------------------------------------
// String sets

PbMesh::StringsSet* PbMesh::findStringsSet(int index) const
{
  for (StringsSet* s = m_stringsSets; s && s->index <= index; s = s->next)
    if (s->index == index)
      return s;
  return nullptr;
}

int PbMesh::addStringsSet(int index, const SbString* strings, const char* name)
{
  if (!strings) {
    PoDebugError::post("PbMesh::addStringsSet", "null strings for set %d", index);
    return 0;
  }
  const int length = m_numMeshNodes;
  StringsSet* set = findStringsSet(index);
  if (!set) {
    StringsSet** link = &m_stringsSets;
    while (*link && (*link)->index < index)
      link = &(*link)->next;
    set = new StringsSet{index, 0, nullptr, SbString(), *link};
    *link = set;
    m_numStringsSet++;
  }
  set->name = name ? name : "";
  if (m_isDataDuplicate) {
    if (set->ownedLength < length || set->ownedLength == 0) {
      delete[] (set->ownedLength ? set->strings : nullptr);
      set->strings = new SbString[length > 0 ? length : 1];
      set->ownedLength = length > 0 ? length : 1;
    }
    if (set->strings != strings)
      for (int i = 0; i < length; i++)
        set->strings[i] = strings[i];
  }
  else {
    if (set->ownedLength)
      delete[] set->strings;
    set->ownedLength = 0;
    set->strings = const_cast<SbString*>(strings);
  }
  setChangeType(CHANGE_STRING_SET);
  notifyChange();
  return 1;
}

const SbString* PbMesh::getStringsSet(int index) const
{
  const StringsSet* s = findStringsSet(index);
  return s ? s->strings : nullptr;
}

const SbString* PbMesh::getStringsSetName(int index) const
{
  const StringsSet* s = findStringsSet(index);
  return s ? &s->name : nullptr;
}

int PbMesh::getStringsSetIndex(int rank) const
{
  return setIndexAtRank(m_stringsSets, rank);
}

int PbMesh::removeStringsSet(int index)
{
  if (!unlinkSet(&m_stringsSets, index, &StringsSet::strings)) {
    PoDebugError::post("PbMesh::removeStringsSet", "there is no string set with index %d", index);
    return 0;
  }
  m_numStringsSet--;
  setChangeType(CHANGE_STRING_SET);
  notifyChange();
  return 1;
}

void PbMesh::removeAllStringsSet()
{
  const int had = m_numStringsSet;
  freeSets(&m_stringsSets, &StringsSet::strings);
  m_numStringsSet = 0;
  if (had) {
    setChangeType(CHANGE_STRING_SET);
    notifyChange();
  }
}

// ---------------------------------------------------------------------------------------------
// Vector sets

PbMesh::VecsSet* PbMesh::findVecsSet(int index) const
{
  for (VecsSet* s = m_vecsSets; s && s->index <= index; s = s->next)
    if (s->index == index)
      return s;
  return nullptr;
}

int PbMesh::storeVecsSet(int index, const SbVec3f* vectors, const char* name, int copy)
{
  if (!vectors) {
    PoDebugError::post("PbMesh::addVecsSet", "null vectors for set %d", index);
    return 0;
  }
  const int length = m_numMeshNodes;
  VecsSet* set = findVecsSet(index);
  if (!set) {
    VecsSet** link = &m_vecsSets;
    while (*link && (*link)->index < index)
      link = &(*link)->next;
    set = new VecsSet{index, 0, 0, nullptr, SbString(), *link};
    *link = set;
    m_numVecsSet++;
  }
  set->name = name ? name : "";
  if (copy) {
    if (set->ownedLength < length || set->ownedLength == 0) {
      delete[] (set->ownedLength ? set->vectors : nullptr);
      set->vectors = new SbVec3f[length > 0 ? length : 1];
      set->ownedLength = length > 0 ? length : 1;
    }
    if (set->vectors != vectors)
      for (int i = 0; i < length; i++)
        set->vectors[i] = vectors[i];
    set->isOwner = 1;
  }
  else {
    if (set->ownedLength)
      delete[] set->vectors;
    set->ownedLength = 0;
    set->isOwner = 0;
    set->vectors = const_cast<SbVec3f*>(vectors);
  }
  setChangeType(CHANGE_VECTOR_SET);
  notifyChange();
  return 1;
}

int PbMesh::addVecsSet(int index, const SbVec3f* vectors, const char* name)
{
  return storeVecsSet(index, vectors, name, m_isDataDuplicate);
}

const SbVec3f* PbMesh::getVecsSet(int index) const
{
  const VecsSet* s = findVecsSet(index);
  return s ? s->vectors : nullptr;
}

const SbString* PbMesh::getVecsSetName(int index) const
{
  const VecsSet* s = findVecsSet(index);
  return s ? &s->name : nullptr;
}

int PbMesh::getVecsSetIndex(int rank) const
{
  return setIndexAtRank(m_vecsSets, rank);
}

int PbMesh::removeVecsSet(int index)
{
  if (!unlinkSet(&m_vecsSets, index, &VecsSet::vectors)) {
    PoDebugError::post("PbMesh::removeVecsSet", "there is no vector set with index %d", index);
    return 0;
  }
  m_numVecsSet--;
  setChangeType(CHANGE_VECTOR_SET);
  notifyChange();
  return 1;
}

void PbMesh::removeAllVecsSet()
{
  const int had = m_numVecsSet;
  freeSets(&m_vecsSets, &VecsSet::vectors);
  m_numVecsSet = 0;
  if (had) {
    setChangeType(CHANGE_VECTOR_SET);
    notifyChange();
  }
}

int PbMesh::getMinVecsSet(int index, float& min) const
{
  const VecsSet* s = findVecsSet(index);
  if (!s || m_numMeshNodes == 0)
    return 0;
  float m = FLT_MAX;
  for (int i = 0; i < m_numMeshNodes; i++) {
    const float l = s->vectors[i].length();
    if (l < m)
      m = l;
  }
  min = m;
  return 1;
}

int PbMesh::getMaxVecsSet(int index, float& max) const
{
  const VecsSet* s = findVecsSet(index);
  if (!s || m_numMeshNodes == 0)
    return 0;
  float m = 0;
  for (int i = 0; i < m_numMeshNodes; i++) {
    const float l = s->vectors[i].length();
    if (l > m)
      m = l;
  }
  max = m;
  return 1;
}

// ---------------------------------------------------------------------------------------------
// Adjacency from the cells' own node lists

void PbMesh::getNodesOwnerCellsInd(const PbArrayOfInt& nodeIndices, PbArrayOfInt& cells) const
{
  cells.empty();
  if (nodeIndices.getNum() == 0)
    return;
  getNodeOwnerCellsInd(nodeIndices[0], cells);
  PbArrayOfInt& other = m_scratchB;
  for (int k = 1; k < nodeIndices.getNum() && cells.getNum(); k++) {
    getNodeOwnerCellsInd(nodeIndices[k], other);
    // Compacted in place; the storage is kept by empty(), so the kept prefix survives it.
    const PbArrayOfInt& kept = cells;
    int numKept = 0;
    for (int i = 0; i < kept.getNum(); i++)
      if (other.find(kept[i]) >= 0)
        cells[numKept++] = kept[i];
    cells.empty();
    for (int i = 0; i < numKept; i++)
      cells.add(kept[i]);
  }
}

void PbMesh::getAdjacentCellsIndByNode(int cellIndex, PbArrayOfInt& cells) const
{
  cells.empty();
  const PbCell* cell = getCell(cellIndex);
  if (!cell)
    return;
  PbArrayOfInt& nodes = m_scratchNodes;
  cell->getNodesIndex(nodes);
  PbArrayOfInt& owners = m_scratchB;
  for (int n = 0; n < nodes.getNum(); n++) {
    getNodeOwnerCellsInd(nodes[n], owners);
    for (int i = 0; i < owners.getNum(); i++)
      if (owners[i] != cellIndex && cells.find(owners[i]) < 0)
        cells.add(owners[i]);
  }
}

void PbMesh::getAdjacentCellsIndByFacet(int cellIndex, PbArrayOfInt& cells) const
{
  cells.empty();
  const PbCell* cell = getCell(cellIndex);
  if (!cell)
    return;
  // The facets are read first: the owner queries may re-fill the mesh's cell object.
  int facetNodes[6][4];
  int facetSizes[6];
  const int numFacets = cell->getNumFacets();
  PbArrayOfInt& nodes = m_scratchNodes;
  for (int f = 0; f < numFacets && f < 6; f++) {
    cell->getNodesIndexOfFacet(f, nodes);
    facetSizes[f] = nodes.getNum() < 4 ? nodes.getNum() : 4;
    for (int i = 0; i < facetSizes[f]; i++)
      facetNodes[f][i] = nodes[i];
  }
  PbArrayOfInt& owners = m_scratchA;
  for (int f = 0; f < numFacets && f < 6; f++) {
    nodes.empty();
    nodes.add(facetSizes[f], facetNodes[f]);
    getNodesOwnerCellsInd(nodes, owners);
    for (int i = 0; i < owners.getNum(); i++)
      if (owners[i] != cellIndex && cells.find(owners[i]) < 0)
        cells.add(owners[i]);
  }
}

// ---------------------------------------------------------------------------------------------
// Cell boxes, longest edge, location

void PbMesh::updateCellBoundingBox() const
{
  float smallest = 3.4028235e38f, biggest = -1;
  m_smallestCellIndex = m_biggestCellIndex = -1;
  m_smallestCellBox.makeEmpty();
  m_biggestCellBox.makeEmpty();
  for (int c = 0; c < m_numMeshCells; c++) {
    const PbCell* cell = getCell(c);
    if (!cell)
      continue;
    const SbBox3f box = cell->getBoundingBox();
    const float v = box.getVolume();
    if (v < smallest) {
      smallest = v;
      m_smallestCellBox = box;
      m_smallestCellIndex = c;
    }
    if (v > biggest) {
      biggest = v;
      m_biggestCellBox = box;
      m_biggestCellIndex = c;
    }
  }
  m_cellBoxesCurrent = 1;
}

SbBox3f PbMesh::getSmallestCellBox(int& cellIndex) const
{
  if (!m_cellBoxesCurrent)
    updateCellBoundingBox();
  cellIndex = m_smallestCellIndex;
  return m_smallestCellBox;
}

SbBox3f PbMesh::getBiggestCellBox(int& cellIndex) const
{
  if (!m_cellBoxesCurrent)
    updateCellBoundingBox();
  cellIndex = m_biggestCellIndex;
  return m_biggestCellBox;
}

float PbMesh::getLongestEdgeLength() const
{
  if (!m_longestEdgeCurrent) {
    m_longestEdge = computeLongestEdgeLength();
    m_longestEdgeCurrent = 1;
  }
  return m_longestEdge;
}

const PbCell* PbMesh::findContainingCell(const SbVec3f& point, float tolerance, SbVec3f& pcoord) const
{
  if (!std::isfinite(point[0]) || !std::isfinite(point[1]) || !std::isfinite(point[2])) {
    PoDebugError::post("PbMesh::findContainingCell", "the point (%g, %g, %g) is not finite", point[0], point[1],
                       point[2]);
    return nullptr;
  }
  m_testedCells.empty();
  return findContainingCellProtected(point, tolerance, pcoord, m_testedCells);
}

const PbCell* PbMesh::findContainingCell(const SbVec3f& point, float tolerance, SbVec3f& pcoord,
                                         const PbCell* adjacentCell) const
{
  if (!adjacentCell)
    return findContainingCell(point, tolerance, pcoord);
  if (!std::isfinite(point[0]) || !std::isfinite(point[1]) || !std::isfinite(point[2])) {
    PoDebugError::post("PbMesh::findContainingCell", "the point (%g, %g, %g) is not finite", point[0], point[1],
                       point[2]);
    return nullptr;
  }
  // The adjacent cell is usually this mesh's reused object, re-filled by the tests below.
  const int home = adjacentCell->getIndex();
  m_testedCells.empty();
  getAdjacentCellsIndByFacet(home, m_testedCells);
  for (int i = 0; i < m_testedCells.getNum(); i++) {
    const PbCell* cell = getCell(m_testedCells[i]);
    if (cell && cell->locatePoint(point, tolerance, pcoord))
      return cell;
  }
  PbArrayOfInt& byNode = m_scratchA;
  getAdjacentCellsIndByNode(home, byNode);
  for (int i = 0; i < byNode.getNum(); i++) {
    const int c = byNode[i];
    if (m_testedCells.find(c) >= 0)
      continue;
    m_testedCells.add(c);
    const PbCell* cell = getCell(c);
    if (cell && cell->locatePoint(point, tolerance, pcoord))
      return cell;
  }
  m_testedCells.add(home);
  return findContainingCellProtected(point, tolerance, pcoord, m_testedCells);
}

void PbMesh::getNodesCoord(SoMFVec3f& coords) const
{
  coords.setNum(m_numMeshNodes);
  SbVec3f* out = coords.startEditing();
  for (int n = 0; n < m_numMeshNodes; n++)
    out[n] = getNodeCoord(n);
  coords.finishEditing();
}

int PbMesh::getPositionInSortedArray(float value, int num, const float* array)
{
  if (num < 1 || !array || value != value)
    return -1;
  const bool increasing = num < 2 || array[1] >= array[0];
  // beyond(a, b): a lies strictly past b in the array's direction.
  auto beyond = [increasing](float a, float b) { return increasing ? a > b : a < b; };
  if (!beyond(value, array[0]))
    return -1;
  if (beyond(value, array[num - 1]))
    return num - 1;
  int low = 0, high = num - 1; // array[low] < value <= array[high], in the array's direction
  while (high - low > 1) {
    const int mid = (low + high) / 2;
    if (beyond(value, array[mid]))
      low = mid;
    else
      high = mid;
  }
  return low;
}

void PbMesh::print(FILE* file) const
{
  fprintf(file, "=====================print mesh informations ==================== \n");
  fprintf(file, m_isDataDuplicate ? "PbMesh:: isDataDuplicate = TRUE\n" : "PbMesh:: isDataDuplicate = FALSE\n");
  fprintf(file, "PbMesh:: numMeshNodes = %d\n", m_numMeshNodes);
  fprintf(file, "PbMesh:: m_numMeshCells = %d\n", m_numMeshCells);
  fprintf(file, "PbMesh:: numMeshValuesSet = %d\n", m_numValuesSet);
  int rank = 0;
  for (const ValuesSet* s = m_valuesSets; s; s = s->next, rank++) {
    fprintf(file, "PbMesh:: scalars data set [%d], index %d, name : %s, scalars ...\n", rank, s->index,
            s->name.getString());
    const int n = s->binding == PER_NODE ? m_numMeshNodes : m_numMeshCells;
    for (int i = 0; i < n; i++)
      fprintf(file, "%f ", s->values[i]);
    fprintf(file, "\n");
  }
  rank = 0;
  for (const StringsSet* s = m_stringsSets; s; s = s->next, rank++) {
    fprintf(file, "PbMesh:: strings data set [%d], index %d, name : %s, strings ...\n", rank, s->index,
            s->name.getString());
    for (int i = 0; i < m_numMeshNodes; i++)
      fprintf(file, "%s ", s->strings[i].getString());
    fprintf(file, "\n");
  }
  rank = 0;
  for (const VecsSet* s = m_vecsSets; s; s = s->next, rank++) {
    fprintf(file, "PbMesh:: vectors data set [%d], index %d, name : %s, vectors ...\n", rank, s->index,
            s->name.getString());
    for (int i = 0; i < m_numMeshNodes; i++)
      fprintf(file, "(%f,%f,%f)", s->vectors[i][0], s->vectors[i][1], s->vectors[i][2]);
    fprintf(file, "\n");
  }
}
