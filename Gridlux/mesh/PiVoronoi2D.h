// Delaunay triangulation of points in the plane, used by triangle meshes that triangulate their own nodes.
#ifndef GRIDLUX_PIVORONOI2D_H
#define GRIDLUX_PIVORONOI2D_H

#include <vector>

/**
 * @brief Delaunay triangulation of a point set in the xy plane.
 *
 * The points are inserted in order of increasing x (then y); each new point lies outside the
 * triangulation so far and is joined to the hull edges it sees, after which the edges facing it
 * are flipped until every circumcircle is empty again. The result covers the convex hull of the
 * points. Triangles are counter-clockwise triples of indices into the given arrays; a point that
 * repeats an earlier one exactly belongs to no triangle, and points that are all on one line give
 * no triangle. Scratch storage is kept between calls.
 */
class PiVoronoi2D {
public:
  /** Triangulates @p num points; returns the number of triangles. */
  int triangulate(int num, const float* x, const float* y);
  /** 3 indices per triangle of the last triangulation. */
  const std::vector<int>& getTriangles() const { return m_out; }

private:
  struct Tri {
    int v[3]; ///< counter-clockwise
    int n[3]; ///< neighbour across the edge opposite v[i], -1 on the hull
  };
  double orient(int a, int b, int c) const;
  int inCircle(int a, int b, int c, int d) const;
  void link(int t, int a, int b, int u);
  void setHull(int a, int b, int t);
  void legalize(int t, int apexSlot);
  void flip(int t, int i);
  /** Joins @p p to the hull edges it sees from beyond @p q; 0 when it sees none. */
  int insertOutside(int p, int q);

  const float* m_x = nullptr;
  const float* m_y = nullptr;
  std::vector<Tri> m_tris;
  std::vector<int> m_next, m_prev, m_hullTri;
  std::vector<int> m_order;
  std::vector<int> m_stack;
  std::vector<int> m_out;
};

#endif
