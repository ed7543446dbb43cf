// Which way the nodes of a volume cell turn: the sign of the cell's volume taken in its local node
// order. Shared by the cells' getOrdering() and by the level-surface walks, which decide the facing
// of each cut cell from it without building a cell object.
#ifndef GRIDLUX_CELLHANDEDNESSXP_H
#define GRIDLUX_CELLHANDEDNESSXP_H

namespace gridlux {

// The facets of each kind that do not hold local node 0, fanned into triangles turning towards the
// inside of a cell of the reference handedness (the facet tables of the cells turn that way).
// Six times the signed volume is then the sum, over these triangles (a, b, c), of the volume
// product ((b - a) x (c - a)) . (p0 - a): the cones from node 0 over the far side of the cell.
struct CellFarTriangles {
  int num;
  int tri[6][3];
};

inline const CellFarTriangles& farTriangles(int numNodes)
{
  static const CellFarTriangles tetrahedron = {1, {{1, 3, 2}}};
  static const CellFarTriangles pyramid = {2, {{1, 4, 2}, {2, 4, 3}}};
  static const CellFarTriangles wedge = {3, {{3, 5, 4}, {1, 4, 5}, {1, 5, 2}}};
  static const CellFarTriangles hexahedron = {6, {{1, 5, 6}, {1, 6, 2}, {3, 2, 6}, {3, 6, 7}, {4, 7, 6}, {4, 6, 5}}};
  static const CellFarTriangles none = {0, {}};
  switch (numNodes) {
  case 4:
    return tetrahedron;
  case 5:
    return pyramid;
  case 6:
    return wedge;
  case 8:
    return hexahedron;
  default:
    return none;
  }
}

/**
 * Six times the signed volume of a cell of @p numNodes nodes (4, 5, 6 or 8) whose local node i
 * sits at (x[n[i]], y[n[i]], z[n[i]]): positive when the nodes turn as the reference cell of the
 * kind, negative when they turn the mirrored way, 0 for another node count. Computed in double
 * from node 0 so that small cells far from the origin keep their sign.
 */
template <class Coord> double signedVolume6(int numNodes, const int* n, const Coord& coord)
{
  const CellFarTriangles& far = farTriangles(numNodes);
  double p0[3];
  coord(n[0], p0);
  double sum = 0;
  for (int t = 0; t < far.num; ++t) {
    double a[3], b[3], c[3];
    coord(n[far.tri[t][0]], a);
    coord(n[far.tri[t][1]], b);
    coord(n[far.tri[t][2]], c);
    const double ab[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
    const double ac[3] = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
    const double ap[3] = {p0[0] - a[0], p0[1] - a[1], p0[2] - a[2]};
    sum += (ab[1] * ac[2] - ab[2] * ac[1]) * ap[0] + (ab[2] * ac[0] - ab[0] * ac[2]) * ap[1] +
           (ab[0] * ac[1] - ab[1] * ac[0]) * ap[2];
  }
  return sum;
}

/** Node coordinates read from three per-node arrays. */
struct ArrayCoord {
  const float *x, *y, *z;
  void operator()(int node, double* p) const
  {
    p[0] = x[node];
    p[1] = y[node];
    p[2] = z ? z[node] : 0.0f;
  }
};

/**
 * The ordering of a cell: 1 when its nodes turn as the reference cell of its kind (or the cell is
 * flat and turns neither way), 0 when they turn the mirrored way.
 */
template <class Coord> int cellOrdering(int numNodes, const int* n, const Coord& coord)
{
  return signedVolume6(numNodes, n, coord) < 0 ? 0 : 1;
}

} // namespace gridlux

#endif
