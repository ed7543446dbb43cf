// Constrained Delaunay triangulation of points and segments in the plane, for meshes cut along faults.
#ifndef GRIDLUX_PICONSTRAINEDTRIANGULATION_H
#define GRIDLUX_PICONSTRAINEDTRIANGULATION_H

#include <vector>

/**
 * @brief Constrained Delaunay triangulation of a planar point set with segments that must be edges.
 *
 * Without segment splitting every segment is an edge of the result and no point is added except
 * where two segments cross. With splitting, segments are cut by added points until every piece is
 * a Delaunay edge as well (a conforming triangulation), which avoids the long thin triangles that
 * a constraint can force. The result covers the convex hull of the points; callers drop what lies
 * outside their domain.
 *
 * The work is done by CGAL when the library is built with it (GRIDLUX_WITH_CGAL); otherwise
 * triangulate() posts a message and fails.
 */
class PiConstrainedTriangulation {
public:
  /** 1 when the library was built with a constrained triangulator. */
  static int isAvailable();

  /**
   * Triangulates @p numPoints points (@p x, @p y) with @p numSegments segments (pairs of point
   * indices). @p outX and @p outY receive the given points in their order, then the added points;
   * @p triangles receives counter-clockwise index triples into them. Returns 1 on success, 0 after
   * posting a message.
   */
  static int triangulate(int numPoints, const double* x, const double* y, int numSegments, const int* segments,
                         int splitSegments, std::vector<double>& outX, std::vector<double>& outY,
                         std::vector<int>& triangles);
};

#endif
