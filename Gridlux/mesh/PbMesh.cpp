// Value sets, adjacency from cells, cell boxes, neighbourhood search and dump of every mesh.
#include <Gridlux/mesh/PbMesh.h>

#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/mesh/PbCell.h>
#include <Inventor/fields/SoMFVec3f.h>

#include <cfloat>
#include <cmath>

namespace {

// The scalar, string and vector sets are singly linked lists of the same shape, in increasing
// index order; these serve any of them. @p data names the set's array, freed only when the mesh
// allocated it (ownedLength > 0).

template <class Set>
Set* findSet(Set* head, int index)
{
  for (Set* s = head; s && s->index <= index; s = s->next)
    if (s->index == index)
      return s;
  return nullptr;
}

// The set with @p index; a new empty one is linked in index order and counted when there is none.
template <class Set>
Set* findOrLinkSet(Set** head, int index, int& count)
{
  Set** link = head;
  while (*link && (*link)->index < index)
    link = &(*link)->next;
  if (*link && (*link)->index == index)
    return *link;
  Set* set = new Set();
  set->index = index;
  set->next = *link;
  *link = set;
  count++;
  return set;
}

// Points the set at @p length items of @p source: copied into the set's own array when @p copy
// (reused when long enough, so that replacing a set does not allocate), else the caller's array.
template <class Set, class T>
void holdArray(Set* set, T* Set::*data, const T* source, int length, int copy)
{
  if (copy) {
    if (set->ownedLength < length || set->ownedLength == 0) {
      delete[] (set->ownedLength ? set->*data : nullptr);
      set->*data = new T[length > 0 ? length : 1];
      set->ownedLength = length > 0 ? length : 1;
    }
    if (set->*data != source)
      for (int i = 0; i < length; i++)
        (set->*data)[i] = source[i];
  }
  else {
    if (set->ownedLength)
      delete[] (set->*data);
    set->ownedLength = 0;
    set->*data = const_cast<T*>(source);
  }
}

template <class Set>
int setIndexAtRank(const Set* head, int rank)
{
  int i = 0;
  for (const Set* s = head; s; s = s->next, i++)
    if (i == rank)
      return s->index;
  return -1;
}

// Unlinks and frees set @p index; posts under @p method (naming the @p kind of set) when there is none.
template <class Set, class T>
bool unlinkSet(Set** head, int& count, int index, T* Set::*data, const char* method, const char* kind)
{
  for (Set** link = head; *link; link = &(*link)->next) {
    if ((*link)->index == index) {
      Set* dead = *link;
      *link = dead->next;
      if (dead->ownedLength)
        delete[] (dead->*data);
      delete dead;
      count--;
      return true;
    }
  }
  PoDebugError::post(method, "there is no %s set with index %d", kind, index);
  return false;
}

// Frees every set; true when there was any.
template <class Set, class T>
bool freeSets(Set** head, int& count, T* Set::*data)
{
  const bool had = count != 0;
  while (*head) {
    Set* next = (*head)->next;
    if ((*head)->ownedLength)
      delete[] ((*head)->*data);
    delete *head;
    *head = next;
  }
  count = 0;
  return had;
}

// The value of the @p num values that @p better prefers to all others, NaN skipped; 0 when none.
template <class Better>
int extremeValue(const float* values, int num, float& extreme, Better better)
{
  int found = 0;
  float m = 0;
  for (int i = 0; i < num; i++) {
    const float v = values[i];
    if (v == v && (!found || better(v, m))) {
      m = v;
      found = 1;
    }
  }
  if (found)
    extreme = m;
  return found;
}

// The vector length that @p better prefers, starting from @p start.
template <class Better>
float extremeLength(const SbVec3f* vectors, int num, float start, Better better)
{
  float m = start;
  for (int i = 0; i < num; i++) {
    const float l = vectors[i].length();
    if (better(l, m))
      m = l;
  }
  return m;
}

// 0 (after posting under @p method) when a coordinate of @p point is a NaN or an infinity.
int isFinitePoint(const char* method, const SbVec3f& point)
{
  if (std::isfinite(point[0]) && std::isfinite(point[1]) && std::isfinite(point[2]))
    return 1;
  PoDebugError::post(method, "the point (%g, %g, %g) is not finite", point[0], point[1], point[2]);
  return 0;
}

bool less(float a, float b) { return a < b; }
bool greater(float a, float b) { return a > b; }

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
  return findSet(m_valuesSets, index);
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
  ValuesSet* set = findOrLinkSet(&m_valuesSets, index, m_numValuesSet);
  set->name = name ? name : "";
  set->binding = binding;
  holdArray(set, &ValuesSet::values, values, binding == PER_NODE ? m_numMeshNodes : m_numMeshCells,
            m_isDataDuplicate);
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
  if (!unlinkSet(&m_valuesSets, m_numValuesSet, index, &ValuesSet::values, "PbMesh::removeValuesSet", "scalar"))
    return 0;
  setChangeType(CHANGE_SCALAR_SET);
  notifyChange();
  return 1;
}

void PbMesh::removeAllValuesSet()
{
  if (freeSets(&m_valuesSets, m_numValuesSet, &ValuesSet::values)) {
    setChangeType(CHANGE_SCALAR_SET);
    notifyChange();
  }
}

int PbMesh::getMinValuesSet(int index, float& min) const
{
  const ValuesSet* s = findValuesSet(index);
  return s ? extremeValue(s->values, s->binding == PER_NODE ? m_numMeshNodes : m_numMeshCells, min, less) : 0;
}

int PbMesh::getMaxValuesSet(int index, float& max) const
{
  const ValuesSet* s = findValuesSet(index);
  return s ? extremeValue(s->values, s->binding == PER_NODE ? m_numMeshNodes : m_numMeshCells, max, greater) : 0;
}

// ---------------------------------------------------------------------------------------------
// String sets

PbMesh::StringsSet* PbMesh::findStringsSet(int index) const
{
  return findSet(m_stringsSets, index);
}

int PbMesh::addStringsSet(int index, const SbString* strings, const char* name)
{
  if (!strings) {
    PoDebugError::post("PbMesh::addStringsSet", "null strings for set %d", index);
    return 0;
  }
  StringsSet* set = findOrLinkSet(&m_stringsSets, index, m_numStringsSet);
  set->name = name ? name : "";
  holdArray(set, &StringsSet::strings, strings, m_numMeshNodes, m_isDataDuplicate);
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
  if (!unlinkSet(&m_stringsSets, m_numStringsSet, index, &StringsSet::strings, "PbMesh::removeStringsSet", "string"))
    return 0;
  setChangeType(CHANGE_STRING_SET);
  notifyChange();
  return 1;
}

void PbMesh::removeAllStringsSet()
{
  if (freeSets(&m_stringsSets, m_numStringsSet, &StringsSet::strings)) {
    setChangeType(CHANGE_STRING_SET);
    notifyChange();
  }
}

// ---------------------------------------------------------------------------------------------
// Vector sets

PbMesh::VecsSet* PbMesh::findVecsSet(int index) const
{
  return findSet(m_vecsSets, index);
}

int PbMesh::storeVecsSet(int index, const SbVec3f* vectors, const char* name, int copy)
{
  if (!vectors) {
    PoDebugError::post("PbMesh::addVecsSet", "null vectors for set %d", index);
    return 0;
  }
  VecsSet* set = findOrLinkSet(&m_vecsSets, index, m_numVecsSet);
  set->name = name ? name : "";
  holdArray(set, &VecsSet::vectors, vectors, m_numMeshNodes, copy);
  set->isOwner = copy ? 1 : 0;
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
  if (!unlinkSet(&m_vecsSets, m_numVecsSet, index, &VecsSet::vectors, "PbMesh::removeVecsSet", "vector"))
    return 0;
  setChangeType(CHANGE_VECTOR_SET);
  notifyChange();
  return 1;
}

void PbMesh::removeAllVecsSet()
{
  if (freeSets(&m_vecsSets, m_numVecsSet, &VecsSet::vectors)) {
    setChangeType(CHANGE_VECTOR_SET);
    notifyChange();
  }
}

int PbMesh::getMinVecsSet(int index, float& min) const
{
  const VecsSet* s = findVecsSet(index);
  if (!s || m_numMeshNodes == 0)
    return 0;
  min = extremeLength(s->vectors, m_numMeshNodes, FLT_MAX, less);
  return 1;
}

int PbMesh::getMaxVecsSet(int index, float& max) const
{
  const VecsSet* s = findVecsSet(index);
  if (!s || m_numMeshNodes == 0)
    return 0;
  max = extremeLength(s->vectors, m_numMeshNodes, 0, greater);
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
  if (!isFinitePoint("PbMesh::findContainingCell", point))
    return nullptr;
  m_testedCells.empty();
  return findContainingCellProtected(point, tolerance, pcoord, m_testedCells);
}

const PbCell* PbMesh::findContainingCell(const SbVec3f& point, float tolerance, SbVec3f& pcoord,
                                         const PbCell* adjacentCell) const
{
  if (!adjacentCell)
    return findContainingCell(point, tolerance, pcoord);
  if (!isFinitePoint("PbMesh::findContainingCell", point))
    return nullptr;
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
