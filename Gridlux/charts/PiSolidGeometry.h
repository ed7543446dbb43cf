// Closed solids on plain arrays for the solid bar charts and the solid scatter markers.
#ifndef GRIDLUX_PISOLIDGEOMETRY_H
#define GRIDLUX_PISOLIDGEOMETRY_H

#include <Inventor/SbVec2f.h>
#include <Inventor/SbVec3f.h>

#include <cstdint>
#include <vector>

/**
 * @brief Triangulated closed solids, free of scene-graph types: extruded outlines (prisms, frustums
 * and pyramids), ellipsoids, and the bars and markers of the solid charts built from them.
 *
 * Every solid is a set of triangles that share their vertices along edges, so that each edge is
 * used once in each direction; faces run counter-clockwise seen from outside. Normals are given
 * per triangle corner: sides are smooth across outline corners flatter than kCreaseAngle and split
 * at sharper ones (a square stays square, a 16-point circle looks round); caps are flat.
 *
 * Outlines are counter-clockwise, simple (not crossing themselves) and given without repeating the
 * first point, as the profiles deliver them. An outline is prepared once (its caps are triangulated
 * by ear clipping) and extruded for every bar of a chart, so that a rebuild does no per-bar work
 * beyond writing its vertices.
 */
class PiSolidGeometry {
public:
  /** Angle (radians) between neighbouring side faces above which their shared edge is sharp. */
  static constexpr float kCreaseAngle = 0.5f;
  /** Sphere markers: slices around the pole axis and stacks from pole to pole. */
  static constexpr int kSphereSlices = 16;
  static constexpr int kSphereStacks = 8;

  /** Marker shapes, numbered as PoGeneralizedScatter::MarkerShape. */
  enum MarkerShape { SPHERE = 0, CUBE = 1, CONE = 2, PROFILE = 3 };

  /**
   * Triangles for one indexed face set: coordIndex and normalIndex hold three indices and -1 per
   * triangle; solidIndex holds, per triangle, the number of the solid it bounds (the material
   * entry of its bar or marker).
   */
  struct Mesh {
    std::vector<SbVec3f> points;
    std::vector<SbVec3f> normals;
    std::vector<int32_t> coordIndex;
    std::vector<int32_t> normalIndex;
    std::vector<int32_t> solidIndex;

    int numTriangles() const { return int(solidIndex.size()); }
    void clear();

    // Reused between solids: face normals and corner normal indices of the outline being extruded.
    std::vector<SbVec3f> scratchNormals;
    std::vector<int32_t> scratchCorners;
  };

  /** An outline ready for extrusion: its points and the triangles (index triples) of its caps. */
  struct Outline {
    std::vector<SbVec2f> points;
    std::vector<int> cap;
    int size() const { return int(points.size()); }
  };

  /**
   * Where an outline is extruded: the centre of its base, the vector from there to the centre of
   * the top, and the 3D vectors that the outline's first and second coordinates run along (their
   * lengths scale the outline). Either hand is accepted: faces are turned to face out.
   */
  struct Frame {
    SbVec3f base;
    SbVec3f axis;
    SbVec3f u, v;
  };

  /**
   * Copies @p numPoints points of @p points into @p outline, turned round when clockwise, and
   * triangulates its caps. Returns false when there are fewer than 3 points or no ear can be found;
   * the caps are then a fan from the first point. Outlines that cross themselves are not detected
   * here (the profiles refuse them).
   */
  static bool prepare(const SbVec2f* points, int numPoints, Outline& outline);

  /**
   * Ear clipping of the simple counter-clockwise polygon @p points: @p triangles receives index
   * triples, counter-clockwise. False (with a fan from point 0) when no ear can be cut, as for a
   * clockwise outline.
   */
  static bool triangulate(const SbVec2f* points, int numPoints, std::vector<int>& triangles);

  /**
   * Appends the outline extruded along @p frame: the base ring, the top ring scaled by
   * @p topRatio about the top centre, the side faces and both caps; a ratio of 0 joins the sides
   * at an apex and has no top cap. Returns the number of triangles added: 0 (nothing added) for a
   * frame whose vectors span no volume, a negative or non-finite ratio, or an outline of fewer
   * than 3 points.
   */
  static int extrude(const Outline& outline, const Frame& frame, float topRatio, int solid, Mesh& mesh);

  /**
   * Appends the ellipsoid of @p radii (half-axes along x, y, z; poles on the y axis) around
   * @p centre, kSphereSlices by kSphereStacks, with smooth normals. Returns the triangles added
   * (0 for a radius that is not positive and finite).
   */
  static int ellipsoid(const SbVec3f& centre, const SbVec3f& radii, int solid, Mesh& mesh);

  /**
   * One bar per point i, solid number i: under @p vertical from (x_i, threshold, 0) up or down to
   * (x_i, y_i, 0), the outline's first coordinate along x scaled by @p across and its second along
   * -z scaled by @p depth; otherwise from (threshold, y_i, 0) to (x_i, y_i, 0), the outline along
   * y (by @p across) and z (by @p depth). The top, at the point, is scaled by @p topRatio. A point
   * that is not finite is skipped and counted in @p numSkipped; a point on the threshold line
   * (no height) draws nothing. Returns the number of bars drawn.
   */
  static int bars(const Outline& outline, int num, const float* x, const float* y, bool vertical, float threshold,
                  float across, float depth, float topRatio, Mesh& mesh, int* numSkipped = nullptr);

  /**
   * One marker of @p size (diameter or side) centred on @p centre, solid number @p solid: a sphere,
   * a cube, a cone standing along +y (base radius size / 2, height size) or the @p profile outline
   * scaled by size / 2 and extruded along z over a depth of size. @p stretch multiplies the
   * marker's offsets from its centre per axis (1, 1, 1 for a round marker). @p profile is read for
   * PROFILE only. Returns the triangles added.
   */
  static int marker(int shape, const Outline* profile, const SbVec3f& centre, float size, const SbVec3f& stretch,
                    int solid, Mesh& mesh);

  /**
   * The mean distance between neighbouring values of @p c (span over num - 1 across the finite
   * values), 0 for fewer than two distinct values.
   */
  static float meanSpacing(const float* c, int num);
};

#endif
