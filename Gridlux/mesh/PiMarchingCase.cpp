// One marching case of a cell kind, its rotations, its complement and the table registration.
#include <Gridlux/mesh/PiMarchingCase.h>

#include <Gridlux/base/PoDebugError.h>

#include <cstdio>

PiMarchingCase::PiMarchingCase(int canonicalClass, unsigned char id) : m_id(id), m_class(canonicalClass) {}

PiMarchingCase::~PiMarchingCase() = default;

PiMarchingCase* PiMarchingCase::getRotX(int) const
{
  PoDebugError::post("PiMarchingCase::getRotX", "this cell kind has no rotation about X");
  return nullptr;
}

PiMarchingCase* PiMarchingCase::getRotY(int) const
{
  PoDebugError::post("PiMarchingCase::getRotY", "this cell kind has no rotation about Y");
  return nullptr;
}

PiMarchingCase* PiMarchingCase::getRotZ(int) const
{
  PoDebugError::post("PiMarchingCase::getRotZ", "this cell kind has no rotation about Z");
  return nullptr;
}

unsigned char PiMarchingCase::getRevertId() const
{
  return static_cast<unsigned char>(~m_id & ((1u << getNumNodes()) - 1u));
}

void PiMarchingCase::setEdges(int num, const int* edges)
{
  m_edges.assign(edges, edges + (num > 0 && edges ? num : 0));
  deriveNodePairs();
}

void PiMarchingCase::setOptQuads(int num, const int* quads)
{
  m_optQuads.assign(quads, quads + (num > 0 && quads ? num : 0));
}

int PiMarchingCase::getNumSurfPoints() const
{
  int num = 0;
  for (int e : m_edges)
    num += e >= 0;
  return num;
}

int PiMarchingCase::getNumOptQuads() const
{
  return m_optQuads.empty() ? 0 : (static_cast<int>(m_optQuads.size()) + 1) / 5;
}

void PiMarchingCase::deriveNodePairs()
{
  m_nodePairs.clear();
  m_nodePairs.reserve(2 * m_edges.size());
  for (int e : m_edges) {
    if (e < 0) {
      m_nodePairs.push_back(-1);
      continue;
    }
    m_nodePairs.push_back(getEdgeNode0(e));
    m_nodePairs.push_back(getEdgeNode1(e));
  }
}

void PiMarchingCase::rot(int n, const int* nodePerm, const int* edgePerm)
{
  const int turns = n > 0 ? n : 0;
  for (int t = 0; t < turns; ++t) {
    unsigned id = 0;
    for (int i = 0; i < getNumNodes(); ++i)
      if (m_id & (1u << i))
        id |= 1u << nodePerm[i];
    m_id = static_cast<unsigned char>(id);
    for (int& e : m_edges)
      if (e >= 0)
        e = edgePerm[e];
  }
  deriveNodePairs();
}

namespace {
// Reverses each polygon of a strip-ordered list in place: the first entry stays and the following
// entries swap in pairs, which turns the cycle p0 p1 p3 p4 p2 into p0 p2 p4 p3 p1.
void reverseStrips(std::vector<int>& list)
{
  size_t start = 0;
  while (start < list.size()) {
    size_t end = start;
    while (end < list.size() && list[end] != -1)
      ++end;
    for (size_t i = start + 1; i + 1 < end; i += 2)
      std::swap(list[i], list[i + 1]);
    start = end + 1;
  }
}
}

void PiMarchingCase::revert()
{
  m_id = getRevertId();
  reverseStrips(m_edges);
  revertOptQuad();
  deriveNodePairs();
}

void PiMarchingCase::revertOptQuad()
{
  if (m_optQuads.empty())
    return;
  // The same swap on the point numbering gives, at old position k, the new index of point k.
  std::vector<int> numbering(m_edges.size());
  int next = 0;
  for (size_t i = 0; i < m_edges.size(); ++i)
    numbering[i] = m_edges[i] >= 0 ? next++ : -1;
  reverseStrips(numbering);
  std::vector<int> newIndex;
  newIndex.reserve(next);
  for (int v : numbering)
    if (v >= 0)
      newIndex.push_back(v);
  for (int& q : m_optQuads)
    if (q >= 0 && q < static_cast<int>(newIndex.size()))
      q = newIndex[q];
  // Each quadrangle's cycle turns round, and so does their order.
  std::vector<int> reversed(m_optQuads.rbegin(), m_optQuads.rend());
  m_optQuads.swap(reversed);
}

int PiMarchingCase::registerCase(PiMarchingCase** table, int& count, PiMarchingCase* item)
{
  ++count;
  if (table[item->getId()]) {
    std::printf("%3d : error caseId %3d already set !!!\n", count, item->getId());
    delete item;
    return 0;
  }
  table[item->getId()] = item;
  return 1;
}

int PiMarchingCase::registerWithReverse(PiMarchingCase** table, int& count, PiMarchingCase* item)
{
  PiMarchingCase* reverse = item->getReverse();
  const int stored = registerCase(table, count, item);
  registerCase(table, count, reverse);
  return stored;
}

void PiMarchingCase::registerOrbit(PiMarchingCase** table, int& count, PiMarchingCase* canonical, int axes)
{
  // Breadth-first over the quarter turns: every case of the orbit is turned again until no turn
  // gives a free id. Ids are registered with their complements, so a free id has a free complement.
  std::vector<const PiMarchingCase*> pending;
  if (!registerWithReverse(table, count, canonical))
    return;
  pending.push_back(canonical);
  for (size_t next = 0; next < pending.size(); ++next) {
    const PiMarchingCase* from = pending[next];
    for (int axis = 0; axis < 3; ++axis) {
      if (!(axes & (1 << axis)))
        continue;
      PiMarchingCase* turned = axis == 0 ? from->getRotX(1) : axis == 1 ? from->getRotY(1) : from->getRotZ(1);
      if (!turned)
        continue;
      if (table[turned->getId()]) {
        delete turned;
        continue;
      }
      registerWithReverse(table, count, turned);
      pending.push_back(turned);
    }
  }
}
