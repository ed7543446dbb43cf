// Ordered set of cell faces where a face entered twice cancels: the boundary of a chosen set of cells.
#ifndef GRIDLUX_PIMESHSKIN_H
#define GRIDLUX_PIMESHSKIN_H

#include <set>
#include <vector>

class PbArrayOfInt;

/**
 * @brief The faces met an odd number of times among those added: the skin of the cells added.
 *
 * Each face (`Pface`) keeps its owning cell, its nodes in the order given (the fourth -1 for a
 * triangle) and the same nodes sorted, the key of the set. Face objects come from pools of 5000
 * allocated together and go back to a free list when cancelled or cleared, so a filtered skin
 * makes a few allocations only. Iteration is in key order.
 */
class PiMeshSkin {
public:
  /** A face of a cell: its cell, its nodes in turn and the same nodes sorted as the key. */
  struct Pface {
    int cell;
    int nodes[4];
    int sorted[4];
  };

  explicit PiMeshSkin(int cellCount = 0);
  ~PiMeshSkin();
  PiMeshSkin(const PiMeshSkin&) = delete;
  PiMeshSkin& operator=(const PiMeshSkin&) = delete;

  /** Forgets every face; the reserve becomes the integer part of 10 n^(2/3) for @p cellCount n. */
  void clear(int cellCount);
  /** Adds the face of 3 or 4 @p nodes of @p cell, or cancels the equal one already present. */
  void addFace(int cell, const PbArrayOfInt& nodes);
  void addFace(int cell, const int* nodes, int numNodes);

  int getNumFaces() const { return static_cast<int>(m_faces.size()); }
  int getReserve() const { return m_reserve; }

  /** Restarts the iteration; next() gives each remaining face once, then null. */
  void startGetting() { m_cursor = m_faces.begin(); }
  const Pface* next();

private:
  struct KeyLess {
    bool operator()(const Pface* a, const Pface* b) const;
  };
  Pface* allocate();

  std::set<Pface*, KeyLess> m_faces;
  std::set<Pface*, KeyLess>::const_iterator m_cursor;
  std::vector<Pface*> m_pools;
  std::vector<Pface*> m_free;
  int m_reserve = 0;
};

#endif
