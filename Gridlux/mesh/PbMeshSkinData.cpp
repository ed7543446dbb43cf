// Face tables of an unstructured volume mesh's skin.
#include <Gridlux/mesh/PbMeshSkinData.h>

#include <algorithm>
#include <cstdint>

PbMeshSkinData::PbMeshSkinData() = default;

void PbMeshSkinData::init(Table& table, int expected)
{
  if (table.heads.empty()) {
    const int buckets = expected / 10;
    table.heads.resize(buckets < 101 ? 100 : buckets);
  }
  std::fill(table.heads.begin(), table.heads.end(), -1);
  table.records.clear();
  table.freeList = -1;
  table.numFaces = 0;
  start(table);
}

unsigned PbMeshSkinData::bucketOf(const Table& table, int numNodes, const int* s)
{
  // In 32-bit signed arithmetic, wrapping as it would; only the last remainder is unsigned.
  const int32_t m = int32_t(table.heads.size());
  const int32_t hi = s[numNodes - 1];
  int32_t sum = 0;
  for (int i = 0; i < numNodes; ++i)
    sum = int32_t(uint32_t(sum) + uint32_t(s[i]));
  const int32_t product = int32_t(uint32_t((hi + 1) % m) * uint32_t((s[1] + 1) % m));
  return uint32_t(int32_t(uint32_t(product) + uint32_t(sum))) % uint32_t(m);
}

void PbMeshSkinData::add(Table& table, int numNodes, int cell, const int* nodes)
{
  if (table.heads.empty())
    init(table, 0);
  int sorted[4] = {-1, -1, -1, -1};
  std::copy(nodes, nodes + numNodes, sorted);
  std::sort(sorted, sorted + numNodes);
  const unsigned bucket = bucketOf(table, numNodes, sorted);
  for (int* link = &table.heads[bucket]; *link >= 0; link = &table.records[*link].next) {
    Record& r = table.records[*link];
    if (std::equal(sorted, sorted + numNodes, r.sorted)) {
      // Met a second time: an inner face, gone from the skin.
      const int freed = *link;
      *link = r.next;
      table.records[freed].next = table.freeList;
      table.freeList = freed;
      --table.numFaces;
      return;
    }
  }
  int index = table.freeList;
  if (index >= 0) {
    table.freeList = table.records[index].next;
  } else {
    index = int(table.records.size());
    table.records.emplace_back();
  }
  Record& r = table.records[index];
  std::copy(sorted, sorted + 4, r.sorted);
  std::fill(r.given, r.given + 4, -1);
  std::copy(nodes, nodes + numNodes, r.given);
  r.cell = cell;
  r.next = table.heads[bucket];
  table.heads[bucket] = index;
  ++table.numFaces;
}

void PbMeshSkinData::start(Table& table)
{
  table.cursorBucket = 0;
  table.cursorRecord = -1;
}

bool PbMeshSkinData::next(Table& table, int& cell, const int*& given)
{
  const int buckets = int(table.heads.size());
  int record = table.cursorRecord >= 0 ? table.records[table.cursorRecord].next : -1;
  int bucket = table.cursorBucket;
  if (table.cursorRecord < 0 && bucket < buckets)
    record = table.heads[bucket];
  while (record < 0 && ++bucket < buckets)
    record = table.heads[bucket];
  table.cursorBucket = bucket;
  table.cursorRecord = record;
  if (record < 0) {
    table.cursorBucket = buckets; // stays at the end
    return false;
  }
  cell = table.records[record].cell;
  given = table.records[record].given;
  return true;
}

void PbMeshSkinData::init3pFaceList(int expected)
{
  init(m_tables[0], expected);
}

void PbMeshSkinData::init4pFaceList(int expected)
{
  init(m_tables[1], expected);
}

void PbMeshSkinData::addFace3p(int cell, int n0, int n1, int n2)
{
  const int nodes[3] = {n0, n1, n2};
  add(m_tables[0], 3, cell, nodes);
}

void PbMeshSkinData::addFace4p(int cell, int n0, int n1, int n2, int n3)
{
  const int nodes[4] = {n0, n1, n2, n3};
  add(m_tables[1], 4, cell, nodes);
}

void PbMeshSkinData::startGettingFace3p()
{
  start(m_tables[0]);
}

void PbMeshSkinData::startGettingFace4p()
{
  start(m_tables[1]);
}

int PbMeshSkinData::getFace3p(int& cell, int& n0, int& n1, int& n2)
{
  const int* given = nullptr;
  if (!next(m_tables[0], cell, given))
    return 0;
  n0 = given[0];
  n1 = given[1];
  n2 = given[2];
  return 1;
}

int PbMeshSkinData::getFace4p(int& cell, int& n0, int& n1, int& n2, int& n3)
{
  const int* given = nullptr;
  if (!next(m_tables[1], cell, given))
    return 0;
  n0 = given[0];
  n1 = given[1];
  n2 = given[2];
  n3 = given[3];
  return 1;
}
