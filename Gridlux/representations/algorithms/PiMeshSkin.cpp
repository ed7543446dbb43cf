// Cancelling face set of filtered skins, with its face objects pooled.
#include <Gridlux/representations/algorithms/PiMeshSkin.h>

#include <Gridlux/base/PbArrayOfInt.h>

#include <algorithm>
#include <cmath>

namespace {
const int kPoolSize = 5000;
}

PiMeshSkin::PiMeshSkin(int cellCount)
{
  clear(cellCount);
}

PiMeshSkin::~PiMeshSkin()
{
  for (Pface* pool : m_pools)
    delete[] pool;
}

bool PiMeshSkin::KeyLess::operator()(const Pface* a, const Pface* b) const
{
  return std::lexicographical_compare(a->sorted, a->sorted + 4, b->sorted, b->sorted + 4);
}

void PiMeshSkin::clear(int cellCount)
{
  for (Pface* face : m_faces)
    m_free.push_back(face);
  m_faces.clear();
  m_cursor = m_faces.begin();
  // Through the cube root, so that whole cubes give whole reserves despite rounding.
  const double root = std::cbrt(double(cellCount));
  m_reserve = cellCount > 0 ? static_cast<int>(10.0 * root * root + 1e-9) : 0;
}

PiMeshSkin::Pface* PiMeshSkin::allocate()
{
  if (m_free.empty()) {
    Pface* pool = new Pface[kPoolSize];
    m_pools.push_back(pool);
    m_free.reserve(m_free.size() + kPoolSize);
    for (int i = kPoolSize - 1; i >= 0; --i)
      m_free.push_back(pool + i);
  }
  Pface* face = m_free.back();
  m_free.pop_back();
  return face;
}

void PiMeshSkin::addFace(int cell, const PbArrayOfInt& nodes)
{
  int local[4];
  const int num = nodes.getNum();
  for (int i = 0; i < num && i < 4; ++i)
    local[i] = nodes[i];
  addFace(cell, local, num);
}

void PiMeshSkin::addFace(int cell, const int* nodes, int numNodes)
{
  if (numNodes != 3 && numNodes != 4)
    return;
  Pface* face = allocate();
  face->cell = cell;
  for (int i = 0; i < 4; ++i)
    face->nodes[i] = i < numNodes ? nodes[i] : -1;
  std::copy(face->nodes, face->nodes + 4, face->sorted);
  // A triangle's -1 sorts first, so triangles and quadrangles never meet.
  std::sort(face->sorted, face->sorted + 4);
  auto found = m_faces.insert(face);
  if (!found.second) {
    m_free.push_back(*found.first);
    m_free.push_back(face);
    m_faces.erase(found.first);
  }
}

const PiMeshSkin::Pface* PiMeshSkin::next()
{
  if (m_cursor == m_faces.end())
    return nullptr;
  return *m_cursor++;
}
