// Swept surfaces on plain arrays: flat strips along 2D polylines and outlines swept along 3D polylines.
#ifndef GRIDLUX_PISWEEP_H
#define GRIDLUX_PISWEEP_H

#include <Inventor/SbVec2f.h>
#include <Inventor/SbVec3f.h>

#include <vector>

/**
 * @brief The geometry of ribbons and tubes, free of scene-graph types.
 *
 * Both build a Surface: vertices point after point along the path, each with the path point it
 * stands for, polygons counter-clockwise seen from the side they face, and for each polygon the
 * path point whose colour it takes (the first point of its segment; a cap takes its end point).
 *
 * Joints are mitred: the vertices at an inner point lie where the offset lines (strip) or the
 * prisms (tube) of the two segments meet, so the width measured perpendicular to each segment is
 * kept. A sharp turn would send the mitre far away: its stretch, 1 / cos(half the turn), is
 * limited to `mitreLimit` (4 by default). Beyond it the strip's joint is narrowed to that stretch
 * (one quad per segment stays), and the tube's joint is bevelled: the sections of both segments
 * at the point, joined by a band of quads. Every quad of a tube is planar (trapezoids between
 * parallel generators, or mirror images across the mitre plane) and neighbouring polygons share
 * their vertices, so a tube stays closed whatever the turns.
 *
 * Tube frames are rotation-minimising: each segment carries a section frame (u, v) with
 * u x v = the segment's direction, and the frame crosses a joint by the reflection in the mitre
 * plane followed by the reflection in the plane normal to the outgoing segment (the second leaves
 * the section vectors as they are). Together they are the rotation about the joint's binormal that
 * turns one segment into the next, the discrete frame without twist. The first frame takes v along
 * the part of +Z perpendicular to the first segment (+Y when the segment runs along Z), so a path in
 * the XY plane keeps v = +Z all along.
 *
 * The path must hold distinct consecutive points (distinctPoints() gives them); a path of fewer
 * than 2 points or a profile of fewer than 3 gives an empty surface.
 */
class PiSweep {
public:
  static constexpr float kDefaultMitreLimit = 4.0f;

  /** @brief A swept surface: its vertices, polygons and the path points they stand for. */
  struct Surface {
    std::vector<SbVec3f> coords;
    /** Polygons as vertex indices, each closed by -1. */
    std::vector<int> coordIndex;
    /** Per polygon, the path point whose colour it takes. */
    std::vector<int> facePoint;
    /** Per vertex, the path point it stands for. */
    std::vector<int> vertexPoint;
    int numFaces() const { return int(facePoint.size()); }
    void clear();
  };

  /**
   * The indices of the points to sweep: finite ones, each different from the previous one kept.
   * Returns the number of non-finite points skipped.
   */
  static int distinctPoints(int n, const SbVec3f* points, std::vector<int>& kept);

  /**
   * A flat strip of @p width along the 2D polyline (z = 0): two vertices per point, the right edge
   * first, then the left one (left of the direction of travel); one quad per segment facing +Z.
   */
  static void ribbon(int n, const SbVec2f* points, float width, Surface& out,
                     float mitreLimit = kDefaultMitreLimit);

  /**
   * The section frames of the @p n - 1 segments of @p path: @p u and @p v per segment, unit,
   * perpendicular to the segment and to each other, u x v along the segment.
   */
  static void frames(int n, const SbVec3f* path, std::vector<SbVec3f>& u, std::vector<SbVec3f>& v);

  /**
   * The outline @p profile (@p m points, counter-clockwise) swept along @p path: a ring of m
   * vertices per point (two at a bevelled joint), the outline point (x, y) at x u + y v from the
   * path; one quad per segment and outline edge, given as its two triangles, facing out. With
   * @p caps, each end is closed by the outline polygon facing away from the tube, so that the
   * surface bounds a solid.
   */
  static void tube(int n, const SbVec3f* path, int m, const SbVec2f* profile, bool caps, Surface& out,
                   float mitreLimit = kDefaultMitreLimit);
};

#endif
