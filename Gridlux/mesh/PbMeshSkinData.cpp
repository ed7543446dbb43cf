// Face tables of an unstructured volume mesh's skin.
#include <Gridlux/mesh/PbMeshSkinData.h>

#include <algorithm>
#include <cstdint>

PbMeshSkinData::PbMeshSkinData() = default;

namespace {

// Remainder of a by the divisor whose reciprocal is magic, by two multiplications: the bucket of
// every face of a large mesh is three remainders, and a division is many times slower.
inline uint32_t fastMod(uint32_t a, uint64_t magic, uint32_t divisor)
{
  const uint64_t low = magic * a;
  return uint32_t((static_cast<unsigned __int128>(low) * divisor) >> 64);
}

// Ascending order of a few node indices by compare-exchange, without a call.
template <int N>
inline void sortNodes(int* s)
{
  auto order = [s](int i, int j) {
    const int lo = s[i] < s[j] ? s[i] : s[j];
    s[j] = s[i] < s[j] ? s[j] : s[i];
    s[i] = lo;
  };
  if (N == 4) {
    order(0, 1);
    order(2, 3);
    order(0, 2);
    order(1, 3);
    order(1, 2);
  } else {
    order(0, 1);
    order(1, 2);
    order(0, 1);
  }
}

template <int N>
inline bool sameNodes(const int* a, const int* b)
{
  bool same = a[0] == b[0] && a[1] == b[1] && a[2] == b[2];
  if (N == 4)
    same = same && a[3] == b[3];
  return same;
}

} // namespace

void PbMeshSkinData::init(Table& table, int expected)
{
  if (table.heads.empty()) {
    const int buckets = expected / 10;
    table.heads.resize(buckets < 101 ? 100 : buckets);
    table.modMagic = ~uint64_t(0) / uint64_t(table.heads.size()) + 1;
  }
  std::fill(table.heads.begin(), table.heads.end(), -1);
  table.records.clear();
  table.freeList = -1;
  table.numFaces = 0;
  start(table);
}

template <int N>
unsigned PbMeshSkinData::bucketOf(const Table& table, const int* s)
{
  // In 32-bit signed arithmetic, wrapping as it would; only the last remainder is unsigned.
  // Node indices are not negative, so the two signed remainders are unsigned ones too.
  const uint32_t m = uint32_t(table.heads.size());
  const uint64_t magic = table.modMagic;
  auto signedMod = [&](int32_t a) -> int32_t {
    return a >= 0 ? int32_t(fastMod(uint32_t(a), magic, m)) : a % int32_t(m);
  };
  const int32_t hi = s[N - 1];
  uint32_t sum = 0;
  for (int i = 0; i < N; ++i)
    sum += uint32_t(s[i]);
  const int32_t product = int32_t(uint32_t(signedMod(int32_t(uint32_t(hi) + 1u))) *
                                  uint32_t(signedMod(int32_t(uint32_t(s[1]) + 1u))));
  return fastMod(uint32_t(product) + sum, magic, m);
}

template <int N>
void PbMeshSkinData::add(Table& table, int cell, const int* nodes)
{
  if (table.heads.empty())
    init(table, 0);
  int sorted[4] = {nodes[0], nodes[1], nodes[2], N == 4 ? nodes[N - 1] : -1};
  sortNodes<N>(sorted);
  const unsigned bucket = bucketOf<N>(table, sorted);
  Record* records = table.records.data();
  for (int* link = &table.heads[bucket]; *link >= 0; link = &records[*link].next) {
    Record& r = records[*link];
    if (sameNodes<N>(sorted, r.sorted)) {
      // Met a second time: an inner face, gone from the skin.
      const int freed = *link;
      *link = r.next;
      records[freed].next = table.freeList;
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
  r.given[3] = -1;
  std::copy(nodes, nodes + N, r.given);
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
  add<3>(m_tables[0], cell, nodes);
}

void PbMeshSkinData::addFace4p(int cell, int n0, int n1, int n2, int n3)
{
  const int nodes[4] = {n0, n1, n2, n3};
  add<4>(m_tables[1], cell, nodes);
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
