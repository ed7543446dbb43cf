// Checks shared by the unstructured meshes before they accept a geometry (never installed).
#ifndef GRIDLUX_INDEXEDCELLSXP_H
#define GRIDLUX_INDEXEDCELLSXP_H

#include <Gridlux/base/PoDebugError.h>

#include <algorithm>
#include <climits>
#include <vector>

namespace GridluxIndexed {

/**
 * Validates counts and cell lists and fills @p offsets (numCells + 1 starts in the index list).
 * Cells have @p uniformType nodes when it is positive, else the counts of @p cellType. A count
 * outside 1..8 is refused; a count in that range that is not set in @p kindMask (bit n for n
 * nodes) is accepted with a warning, since such cells are only skipped. Node indices must lie in
 * [0, numNodes). Returns 0 (after posting under @p method) when the input is unusable.
 */
inline int checkCells(const char* method, int numNodes, int numCells, const int* cellIndex, const int* cellType,
                      int uniformType, unsigned kindMask, std::vector<int>& offsets)
{
  if (numNodes < 0 || numCells < 0) {
    PoDebugError::post(method, "negative count (%d nodes, %d cells); the geometry is unchanged", numNodes, numCells);
    return 0;
  }
  if (numCells > 0 && (!cellIndex || (uniformType <= 0 && !cellType))) {
    PoDebugError::post(method, "null cell %s array for %d cells; the geometry is unchanged",
                       cellIndex ? "type" : "index", numCells);
    return 0;
  }
  offsets.resize(size_t(numCells) + 1);
  long long total = 0;
  int unsupported = 0, firstUnsupported = -1;
  for (int c = 0; c < numCells; c++) {
    offsets[c] = int(total);
    const int n = uniformType > 0 ? uniformType : cellType[c];
    if (n < 1 || n > 8) {
      PoDebugError::post(method, "cell %d has %d nodes, which no cell kind has; the geometry is unchanged", c, n);
      return 0;
    }
    if (!(kindMask & (1u << n))) {
      if (!unsupported++)
        firstUnsupported = c;
    }
    total += n;
    if (total > INT_MAX) {
      PoDebugError::post(method, "the cell index list is too long; the geometry is unchanged");
      return 0;
    }
  }
  offsets[numCells] = int(total);
  for (long long i = 0; i < total; i++) {
    if (cellIndex[i] < 0 || cellIndex[i] >= numNodes) {
      PoDebugError::post(method, "cell index [%lld] = %d is out of the node range [0, %d); the geometry is unchanged",
                         i, cellIndex[i], numNodes);
      return 0;
    }
  }
  if (unsupported)
    PoDebugError::postWarning(method, "%d cells (the first is cell %d) have a node count of no cell kind of this "
                                      "mesh; they are kept but have no cell and are skipped",
                              unsupported, firstUnsupported);
  return 1;
}

/** Owner lists in compressed rows: for each cell in index order, its index goes to each of its nodes. */
inline void buildOwners(int numNodes, int numCells, const int* cellIndex, const std::vector<int>& offsets,
                        std::vector<int>& start, std::vector<int>& owners)
{
  start.assign(size_t(numNodes) + 1, 0);
  for (int c = 0; c < numCells; c++)
    for (int i = offsets[c]; i < offsets[c + 1]; i++)
      start[cellIndex[i] + 1]++;
  for (int n = 0; n < numNodes; n++)
    start[n + 1] += start[n];
  owners.resize(size_t(start[numNodes]));
  std::vector<int> fill(start.begin(), start.end() - 1);
  for (int c = 0; c < numCells; c++)
    for (int i = offsets[c]; i < offsets[c + 1]; i++) {
      // A node listed twice in one cell owns it once.
      const int n = cellIndex[i];
      if (fill[n] > start[n] && owners[fill[n] - 1] == c)
        continue;
      owners[fill[n]++] = c;
    }
  // Rows shortened by repeated nodes are compacted.
  int out = 0;
  for (int n = 0; n < numNodes; n++) {
    const int from = start[n], to = fill[n];
    start[n] = out;
    for (int k = from; k < to; k++)
      owners[out++] = owners[k];
  }
  start[numNodes] = out;
  owners.resize(size_t(out));
}

/** Cells present in every sorted owner row of @p nodes, in increasing order. */
inline void intersectOwners(const std::vector<int>& start, const std::vector<int>& owners, int numNodes,
                            const int* nodes, int count, PbArrayOfInt& cells)
{
  cells.empty();
  if (count <= 0)
    return;
  for (int k = 0; k < count; k++)
    if (nodes[k] < 0 || nodes[k] >= numNodes)
      return;
  const int* first = owners.data() + start[nodes[0]];
  const int* firstEnd = owners.data() + start[nodes[0] + 1];
  for (const int* p = first; p != firstEnd; ++p) {
    const int c = *p;
    int inAll = 1;
    for (int k = 1; k < count && inAll; k++) {
      const int* lo = owners.data() + start[nodes[k]];
      const int* hi = owners.data() + start[nodes[k] + 1];
      // Rows are short and sorted: a binary search keeps large fans cheap too.
      while (lo < hi) {
        const int* mid = lo + (hi - lo) / 2;
        if (*mid < c)
          lo = mid + 1;
        else
          hi = mid;
      }
      inAll = lo != owners.data() + start[nodes[k] + 1] && *lo == c;
    }
    if (inAll)
      cells.add(c);
  }
}

/** Keeps @p values: copied into @p own (grown to twice the need) when @p copy, else the caller's pointer. */
template <class T> const T* keepArray(const T* values, size_t n, int copy, std::vector<T>& own)
{
  if (!copy || !values)
    return values;
  if (own.size() < n)
    own.resize(2 * n);
  if (values != own.data())
    std::copy(values, values + n, own.begin());
  return own.data();
}

} // namespace GridluxIndexed

#endif
