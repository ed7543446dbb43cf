// Storage, owner queries and dump shared by the indexed surface and volume meshes (never installed).
#ifndef GRIDLUX_INDEXEDMESHXP_H
#define GRIDLUX_INDEXEDMESHXP_H

#include <Gridlux/base/PbArrayOfInt.h>
#include <Gridlux/mesh/IndexedCellsXP.h>
#include <Gridlux/mesh/PbCell.h>

#include <cstdio>
#include <vector>

namespace GridluxIndexed {

/**
 * A copied mesh's array from its source's @p values: copied into @p own when the copy duplicates
 * data, and also when the source owns the array (@p sourceOwn), since a copy never points into
 * another mesh.
 */
template <class T>
const T* keepFrom(const T* values, const std::vector<T>& sourceOwn, size_t n, int duplicate, std::vector<T>& own)
{
  return keepArray(values, n, duplicate || values == sourceOwn.data(), own);
}

/**
 * The cell type list: a one-kind mesh (@p uniformType > 0) fills its own, whatever the duplication
 * mode, since the caller gave none; otherwise @p cellType is kept as keepArray() keeps it.
 */
inline const int* keepTypes(int uniformType, const int* cellType, int numCells, int duplicate, std::vector<int>& own)
{
  if (uniformType > 0) {
    own.assign(size_t(numCells), uniformType);
    return own.data();
  }
  return keepArray(cellType, size_t(numCells), duplicate, own);
}

/** The owner row of @p node into @p cells (emptied first; left empty for a node out of range). */
inline void ownerRow(const std::vector<int>& start, const std::vector<int>& owners, int numNodes, int node,
                     PbArrayOfInt& cells)
{
  cells.empty();
  if (node < 0 || node >= numNodes)
    return;
  const int from = start[node], to = start[node + 1];
  if (to > from)
    cells.add(to - from, owners.data() + from);
}

/** intersectOwners() for the nodes of @p nodeIndices, which holds at most PbCell::MAX_NODES of them. */
inline void intersectOwnerList(const std::vector<int>& start, const std::vector<int>& owners, int numNodes,
                               const PbArrayOfInt& nodeIndices, PbArrayOfInt& cells)
{
  int nodes[PbCell::MAX_NODES];
  const int count = nodeIndices.getNum() < PbCell::MAX_NODES ? nodeIndices.getNum() : PbCell::MAX_NODES;
  for (int i = 0; i < count; i++)
    nodes[i] = nodeIndices[i];
  intersectOwners(start, owners, numNodes, nodes, count, cells);
}

/** One line per cell, "<prefix> cell c (n nodes) : i j k ...", for the meshes' print(). */
inline void printCells(FILE* file, const char* prefix, int numCells, const int* cellType,
                       const std::vector<int>& offsets, const int* cellIndex)
{
  for (int c = 0; c < numCells; c++) {
    fprintf(file, "%s cell %d (%d nodes) :", prefix, c, cellType[c]);
    for (int i = offsets[c]; i < offsets[c + 1]; i++)
      fprintf(file, " %d", cellIndex[i]);
    fprintf(file, "\n");
  }
}

} // namespace GridluxIndexed

#endif
