// Octree of cell boxes for the location of points in volume meshes.
#include <Gridlux/mesh/PiCellOctree.h>

#include <Gridlux/mesh/PbCell.h>
#include <Gridlux/mesh/PbMesh.h>

#include <algorithm>
#include <cmath>

PiCellOctree::PiCellOctree() : m_scale{0, 0, 0}, m_offset{0, 0, 0}, m_numLevels(0) {}

int PiCellOctree::getFirstNodeOfLevel(int level)
{
  return ((1 << (3 * level)) - 1) / 7;
}

namespace {

// Bit b of a slot index moved to bit 3b: the Morton code is three such spreads interleaved.
struct SpreadTable {
  int bits[PiCellOctree::SLOTS];
  SpreadTable()
  {
    for (int v = 0; v < PiCellOctree::SLOTS; v++) {
      bits[v] = 0;
      for (int b = 0; b < PiCellOctree::MAX_DEPTH; b++)
        bits[v] |= ((v >> b) & 1) << (3 * b);
    }
  }
};
const SpreadTable kSpread;

} // namespace

int PiCellOctree::interleave(int x, int y, int z)
{
  return kSpread.bits[x & (SLOTS - 1)] | (kSpread.bits[y & (SLOTS - 1)] << 1) | (kSpread.bits[z & (SLOTS - 1)] << 2);
}

void PiCellOctree::slotOf(const SbVec3f& p, int slot[3]) const
{
  for (int a = 0; a < 3; a++) {
    const float f = std::floor(m_scale[a] * p[a] - m_offset[a]);
    // Compared as floats first, so that huge or NaN values never reach the integer conversion.
    slot[a] = f >= SLOTS - 1 ? SLOTS - 1 : (f > 0 ? int(f) : 0);
  }
}

void PiCellOctree::ensureLevel(int level)
{
  while (m_numLevels <= level) {
    const int total = getFirstNodeOfLevel(m_numLevels + 1);
    m_cells.resize(total);
    m_split.resize(total, 0);
    m_numLevels++;
  }
}

void PiCellOctree::build(const PbMesh& mesh)
{
  m_cells.clear();
  m_split.clear();
  m_numLevels = 0;
  m_box = mesh.getBoundingBox();
  if (m_box.isEmpty() || mesh.getNumCells() == 0) {
    m_box.makeEmpty();
    return;
  }
  const SbVec3f center = m_box.getCenter();
  SbVec3f half = (m_box.getMax() - m_box.getMin()) * 0.505f;
  for (int a = 0; a < 3; a++)
    if (!(half[a] > 0))
      half[a] = 0.5e-6f * (1.0f + std::fabs(center[a])); // flat boxes still get slots
  m_box.setBounds(center - half, center + half);
  for (int a = 0; a < 3; a++) {
    m_scale[a] = SLOTS / (2.0f * half[a]);
    m_offset[a] = m_scale[a] * m_box.getMin()[a];
  }
  const int numCells = mesh.getNumCells();
  m_slotBoxes.assign(size_t(numCells) * 6, 0);
  std::vector<int> present;
  present.reserve(numCells);
  for (int c = 0; c < numCells; c++) {
    const PbCell* cell = mesh.getCell(c);
    if (!cell)
      continue;
    present.push_back(c);
    const SbBox3f box = cell->getBoundingBox();
    int lo[3], hi[3];
    slotOf(box.getMin(), lo);
    slotOf(box.getMax(), hi);
    for (int a = 0; a < 3; a++) {
      m_slotBoxes[size_t(c) * 6 + a] = (unsigned char)lo[a];
      m_slotBoxes[size_t(c) * 6 + 3 + a] = (unsigned char)hi[a];
    }
  }
  ensureLevel(0);
  for (int c : present)
    insert(0, 0, 0, 0, c);
  m_slotBoxes.clear();
  m_slotBoxes.shrink_to_fit();
}

int PiCellOctree::overlaps(int level, int cx, int cy, int cz, int cell) const
{
  const int shift = MAX_DEPTH - level;
  const int c[3] = {cx, cy, cz};
  const unsigned char* box = &m_slotBoxes[size_t(cell) * 6];
  for (int a = 0; a < 3; a++) {
    const int lo = c[a] << shift, hi = ((c[a] + 1) << shift) - 1;
    if (box[a] > hi || box[3 + a] < lo)
      return 0;
  }
  return 1;
}

void PiCellOctree::insert(int level, int cx, int cy, int cz, int cell)
{
  const int node = getFirstNodeOfLevel(level) + interleave(cx, cy, cz);
  if (m_split[node]) {
    insertInChildren(level, cx, cy, cz, cell);
    return;
  }
  m_cells[node].push_back(cell);
  if (int(m_cells[node].size()) > SPLIT_THRESHOLD && level < MAX_DEPTH)
    split(node, level, cx, cy, cz);
}

void PiCellOctree::split(int node, int level, int cx, int cy, int cz)
{
  // Splitting helps only when some cell is narrower than the node; cells that all cover every
  // child would just be copied eightfold at each level.
  std::vector<int>& list = m_cells[node];
  bool narrower = false;
  for (size_t i = 0; i < list.size() && !narrower; i++)
    for (int k = 0; k < 8 && !narrower; k++)
      narrower = !overlaps(level + 1, 2 * cx + (k & 1), 2 * cy + ((k >> 1) & 1), 2 * cz + ((k >> 2) & 1), list[i]);
  if (!narrower)
    return;
  ensureLevel(level + 1);
  std::vector<int> moved;
  moved.swap(m_cells[node]);
  m_split[node] = 1;
  for (int cell : moved)
    insertInChildren(level, cx, cy, cz, cell);
}

void PiCellOctree::insertInChildren(int level, int cx, int cy, int cz, int cell)
{
  // The children that the cell's slot box meets, straight from the box: x fastest, then y,
  // then z, the order in which the children are numbered.
  const int shift = MAX_DEPTH - (level + 1);
  const unsigned char* box = &m_slotBoxes[size_t(cell) * 6];
  const int c[3] = {cx, cy, cz};
  int from[3], to[3];
  for (int a = 0; a < 3; a++) {
    from[a] = std::max(2 * c[a], box[a] >> shift);
    to[a] = std::min(2 * c[a] + 1, box[3 + a] >> shift);
  }
  for (int z = from[2]; z <= to[2]; z++)
    for (int y = from[1]; y <= to[1]; y++)
      for (int x = from[0]; x <= to[0]; x++)
        insert(level + 1, x, y, z, cell);
}

int PiCellOctree::getDeepestNode(const SbVec3f& point) const
{
  if (m_box.isEmpty() || !m_box.intersect(point))
    return -1;
  int slot[3];
  slotOf(point, slot);
  return getFirstNodeOfLevel(MAX_DEPTH) + interleave(slot[0], slot[1], slot[2]);
}

int PiCellOctree::getCandidates(const SbVec3f& point, const int*& cells) const
{
  cells = nullptr;
  int node = getDeepestNode(point);
  if (node < 0)
    return 0;
  for (;;) {
    if (node < int(m_cells.size()) && !m_cells[node].empty()) {
      cells = m_cells[node].data();
      return int(m_cells[node].size());
    }
    if (node == 0)
      return 0;
    node = (node - 1) / 8;
  }
}

int PiCellOctree::getNumCellsOfNode(int node) const
{
  return node >= 0 && node < int(m_cells.size()) ? int(m_cells[node].size()) : 0;
}
