// Cutting one volume cell by a plane: the polygon where the plane crosses it, in order around
// its outline and facing the plane's normal.
#ifndef GRIDLUX_PIPLANECUT_H
#define GRIDLUX_PIPLANECUT_H

#include <Inventor/SbVec3f.h>

#include <algorithm>
#include <cstddef>
#include <unordered_set>

/**
 * @brief The plane section of one tetrahedron, pyramid, wedge or hexahedron.
 *
 * Each kind has a table in its own local node numbering: its edges, and for every node and
 * every edge a mask of the faces it lies on (one bit per face). A cut point is a node lying on
 * the plane (it takes the node's mask) or the crossing of an edge whose ends lie strictly on
 * both sides (it takes the edge's mask). Two cut points follow each other round the polygon when
 * their masks share a face, so the outline is found without any geometry; the first three
 * points then tell whether it turns counter-clockwise seen from the side the normal points to,
 * and it is reversed (keeping its first point) when not.
 *
 * A polygon with fewer than three points, or more than the kind allows (a degenerate cell),
 * is not drawn. A face lying in the plane belongs to the two cells that share it: the found-face
 * list lets only the first of them draw it.
 */
class PiPlaneCut {
public:
  /** The cut table of one cell kind. */
  struct CellTable {
    int numNodes;
    int numEdges;
    int maxPoints;
    const int (*edges)[2];
    const unsigned char* nodeMask;
    const unsigned char* edgeMask;
  };

  static const CellTable& tetrahedron();
  static const CellTable& pyramid();
  static const CellTable& wedge();
  static const CellTable& hexahedron();
  /** The table of a cell of @p numNodes nodes (4, 5, 6 or 8), else null. */
  static const CellTable* tableOf(int numNodes);

  /**
   * Positions, in a mesh's own list of a cell's nodes, of the cutter's local nodes 0 .. n-1:
   * hexahedra and wedges list their nodes in another order than the cut tables.
   */
  static const int* meshOrderOf(int numNodes);

  /** Empties the list of the faces found lying in the plane (at the start of each section). */
  void initFoundFaces();
  /**
   * True when the face of @p count points (sorted here) was found before; else records it.
   * Only faces whose points all existed already can have been found: @p allKnown false records
   * without searching.
   */
  bool isFaceAlreadyFound(int count, const int* points, bool allKnown);

  /**
   * Cuts one cell. @p nodes are its mesh nodes in the table's local order, @p s their signed
   * distances to the plane, @p pos their positions, @p normal the plane's unit normal.
   * @p addPoint(a, b, where, t, isNew) returns the index of the point on mesh edge (a, b), a == b
   * for a node on the plane, at @p where, a fraction @p t of the way from a to b, telling
   * whether it was new. The polygon goes to @p polygon (room for six
   * points); returns its point count, 0 when the cell gives none.
   */
  template <class AddPoint>
  int cut(const CellTable& table, const int* nodes, const float* s, const SbVec3f* pos, const SbVec3f& normal,
          AddPoint& addPoint, int* polygon);

  // cut() with the table of each cell kind.
  template <class AddPoint>
  int crossPlaneAndTetrahedron(const int* nodes, const float* s, const SbVec3f* pos, const SbVec3f& normal,
                               AddPoint& addPoint, int* polygon)
  {
    return cut(tetrahedron(), nodes, s, pos, normal, addPoint, polygon);
  }
  template <class AddPoint>
  int crossPlaneAndPyramid(const int* nodes, const float* s, const SbVec3f* pos, const SbVec3f& normal,
                           AddPoint& addPoint, int* polygon)
  {
    return cut(pyramid(), nodes, s, pos, normal, addPoint, polygon);
  }
  template <class AddPoint>
  int crossPlaneAndPentahedron(const int* nodes, const float* s, const SbVec3f* pos, const SbVec3f& normal,
                               AddPoint& addPoint, int* polygon)
  {
    return cut(wedge(), nodes, s, pos, normal, addPoint, polygon);
  }
  template <class AddPoint>
  int crossPlaneAndHexahedron(const int* nodes, const float* s, const SbVec3f* pos, const SbVec3f& normal,
                              AddPoint& addPoint, int* polygon)
  {
    return cut(hexahedron(), nodes, s, pos, normal, addPoint, polygon);
  }

  /**
   * Turns the polygon of @p count points at @p where (in order) to face @p normal, keeping its
   * first point: reverses the rest of @p order when the first three turn the other way.
   */
  static void orientPolygon(const SbVec3f* where, int* order, int count, const SbVec3f& normal);

private:
  /** A face's sorted points, the fourth -1 for a triangle. */
  struct FaceKey {
    int points[4];
    bool operator==(const FaceKey& other) const;
  };
  struct FaceKeyHash {
    size_t operator()(const FaceKey& key) const;
  };
  // A plane along a grid layer holds a face per cell of the layer: found by hash, not by search.
  std::unordered_set<FaceKey, FaceKeyHash> m_foundFaces;
};

template <class AddPoint>
int PiPlaneCut::cut(const CellTable& table, const int* nodes, const float* s, const SbVec3f* pos,
                    const SbVec3f& normal, AddPoint& addPoint, int* polygon)
{
  // At most one point per node or edge; the tables keep that under twenty.
  int points[20];
  unsigned char masks[20];
  SbVec3f where[20];
  int num = 0;
  int onPlane = 0;
  bool allKnown = true;
  for (int i = 0; i < table.numNodes; ++i) {
    if (s[i] != 0.0f)
      continue;
    bool isNew = false;
    where[num] = pos[i];
    points[num] = addPoint(nodes[i], nodes[i], where[num], 0.0f, isNew);
    allKnown = allKnown && !isNew;
    masks[num] = table.nodeMask[i];
    ++num;
    ++onPlane;
  }
  if (onPlane >= 3 && isFaceAlreadyFound(onPlane, points, allKnown))
    return 0;
  for (int e = 0; e < table.numEdges; ++e) {
    const int a = table.edges[e][0], b = table.edges[e][1];
    if (!((s[a] < 0.0f && s[b] > 0.0f) || (s[a] > 0.0f && s[b] < 0.0f)))
      continue;
    bool isNew = false;
    const float t = s[a] / (s[a] - s[b]);
    where[num] = pos[a] + (pos[b] - pos[a]) * t;
    points[num] = addPoint(nodes[a], nodes[b], where[num], t, isNew);
    masks[num] = table.edgeMask[e];
    ++num;
  }
  if (num < 3 || num > table.maxPoints)
    return 0;

  // Round the outline: each next point shares a face with the last one.
  int order[20];
  order[0] = 0;
  int count = 1;
  if (num == 3) {
    order[1] = 1;
    order[2] = 2;
    count = 3;
  } else {
    bool used[20] = {true};
    for (int k = 1; k < num; ++k)
      used[k] = false;
    for (;;) {
      const unsigned char last = masks[order[count - 1]];
      int next = -1;
      for (int k = 1; k < num; ++k) {
        if (!used[k] && (masks[k] & last)) {
          next = k;
          break;
        }
      }
      if (next < 0)
        break;
      used[next] = true;
      order[count++] = next;
    }
  }
  if (count < 3)
    return 0;
  // Where the points lie, in the order found, for the turn test.
  SbVec3f ring[20];
  for (int k = 0; k < count; ++k)
    ring[k] = where[order[k]];
  int turned[20];
  for (int k = 0; k < count; ++k)
    turned[k] = k;
  orientPolygon(ring, turned, count, normal);
  for (int k = 0; k < count; ++k)
    polygon[k] = points[order[turned[k]]];
  return count;
}

inline void PiPlaneCut::orientPolygon(const SbVec3f* where, int* order, int count, const SbVec3f& normal)
{
  // Written out: the toolkit's cross product is not inlined, and this runs once per cut cell.
  const SbVec3f& p0 = where[order[0]];
  const SbVec3f u = where[order[1]] - p0, v = where[order[2]] - p0;
  const float turn = (u[1] * v[2] - u[2] * v[1]) * normal[0] + (u[2] * v[0] - u[0] * v[2]) * normal[1] +
                     (u[0] * v[1] - u[1] * v[0]) * normal[2];
  if (turn < 0.0f)
    std::reverse(order + 1, order + count);
}

#endif
