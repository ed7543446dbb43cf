// Octree over the cell boxes of a volume mesh, giving the candidate cells of a point.
#ifndef GRIDLUX_PICELLOCTREE_H
#define GRIDLUX_PICELLOCTREE_H

#include <Inventor/SbBox3f.h>
#include <Inventor/SbVec3f.h>

#include <vector>

class PbMesh;

/**
 * @brief Octree of at most 6 levels below the root over a mesh's box enlarged by 1 %.
 *
 * Nodes of all levels are numbered in one array, level by level: the children of node n are
 * 8n + 1 to 8n + 8, and a point's deepest node follows from its slot (0 to 63) along each axis,
 * interleaved bit by bit with x in the lowest bit of each triple.
 *
 * A cell is listed in the leaves that its box overlaps: it descends from the root into every
 * child its box overlaps until it reaches a leaf; a leaf holding more than 40 cells splits and
 * hands its cells down the same way. Inner nodes hold no cells, so the first non-empty node met on
 * the way up from a point's deepest node is its leaf, and it lists every cell whose box holds the
 * point.
 */
class PiCellOctree {
public:
  enum { MAX_DEPTH = 6, SLOTS = 64, SPLIT_THRESHOLD = 40 };

  PiCellOctree();

  /** Inserts every cell of @p mesh by its bounding box, in index order. */
  void build(const PbMesh& mesh);
  /** Points @p cells at the candidates of @p point in insertion order; returns their number. */
  int getCandidates(const SbVec3f& point, const int*& cells) const;

  const SbBox3f& getBox() const { return m_box; }
  /** Index of the first node of @p level: (8^level - 1) / 7. */
  static int getFirstNodeOfLevel(int level);
  /** Deepest node of @p point, or -1 when it is outside the box. */
  int getDeepestNode(const SbVec3f& point) const;
  /** Number of cells listed in @p node (0 for a node never created). */
  int getNumCellsOfNode(int node) const;

private:
  void slotOf(const SbVec3f& p, int slot[3]) const;
  static int interleave(int x, int y, int z);
  void ensureLevel(int level);
  void insert(int level, int cx, int cy, int cz, int cell);
  void split(int node, int level, int cx, int cy, int cz);
  void insertInChildren(int level, int cx, int cy, int cz, int cell);
  int overlaps(int level, int cx, int cy, int cz, int cell) const;

  SbBox3f m_box;
  float m_scale[3];
  float m_offset[3];
  int m_numLevels;
  std::vector<std::vector<int>> m_cells;
  std::vector<unsigned char> m_split;
  std::vector<unsigned char> m_slotBoxes; // 6 slots per cell while building
};

#endif
