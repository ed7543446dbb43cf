// Measures the geometry a scene produces: triangles, line segments and points in world space.
#ifndef GRIDLUX_TESTS_GEOMETRYPROBE_H
#define GRIDLUX_TESTS_GEOMETRYPROBE_H

#include <Inventor/SbBox3f.h>
#include <Inventor/SbVec3f.h>
#include <Inventor/actions/SoCallbackAction.h>

#include <vector>

class SoNode;
class SoPrimitiveVertex;

/**
 * Applies an SoCallbackAction to a scene and keeps every primitive that the shapes generate,
 * with coordinates transformed into world space, so that tests measure what was built instead
 * of restating how:
 *
 *   GeometryProbe probe(root);
 *   EXPECT_NEAR(probe.area(), 1.0, 1e-6);
 *   EXPECT_EQ(probe.segments().size(), 180u);
 *
 * Library kits rebuild during the traversal as they would for any other action.
 */
class GeometryProbe {
public:
  struct Triangle {
    SbVec3f v[3];
    double area() const;
    /** Twice the signed area of the projection on z = 0 (positive when counter-clockwise). */
    double signedAreaXY() const;
  };
  struct Segment {
    SbVec3f a, b;
    double length() const;
  };

  GeometryProbe() = default;
  explicit GeometryProbe(SoNode* root) { apply(root); }

  /** Forgets what was collected and traverses @p root. */
  void apply(SoNode* root);

  const std::vector<Triangle>& triangles() const { return m_triangles; }
  const std::vector<Segment>& segments() const { return m_segments; }
  const std::vector<SbVec3f>& points() const { return m_points; }
  /** Number of coordinates in the state for each shape traversed, in traversal order. */
  const std::vector<int>& coordinatesPerShape() const { return m_coordinatesPerShape; }

  /** Total area of the triangles. */
  double area() const;
  /** Total length of the segments. */
  double length() const;
  /** Box of every vertex of every primitive (empty when there is none). */
  SbBox3f bbox() const;
  bool empty() const { return m_triangles.empty() && m_segments.empty() && m_points.empty(); }

private:
  static SoCallbackAction::Response onShape(void* data, SoCallbackAction* action,
                                            const SoNode* node);
  static void onTriangle(void* data, SoCallbackAction* action, const SoPrimitiveVertex* v1,
                         const SoPrimitiveVertex* v2, const SoPrimitiveVertex* v3);
  static void onLine(void* data, SoCallbackAction* action, const SoPrimitiveVertex* v1,
                     const SoPrimitiveVertex* v2);
  static void onPoint(void* data, SoCallbackAction* action, const SoPrimitiveVertex* v);

  std::vector<Triangle> m_triangles;
  std::vector<Segment> m_segments;
  std::vector<SbVec3f> m_points;
  std::vector<int> m_coordinatesPerShape;
};

#endif
