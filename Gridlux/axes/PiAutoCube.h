// Which faces of an axis box face the viewer, and which edge of each direction carries its axis.
#ifndef GRIDLUX_PIAUTOCUBE_H
#define GRIDLUX_PIAUTOCUBE_H

#include <Inventor/SbMatrix.h>
#include <Inventor/SbVec2f.h>
#include <Inventor/SbVec3f.h>

#include <vector>

/**
 * @brief The view-dependent choices of a box of axes, on plain values.
 *
 * Corners 0..7 of the box from min to max: 0 (min x, min y, min z), 1 (x0 y1 z0), 2 (x1 y1 z0),
 * 3 (x1 y0 z0), 4 (x1 y0 z1), 5 (x1 y1 z1), 6 (x0 y1 z1), 7 (x0 y0 z1). Edges, each from its
 * lower to its upper corner: along X 0-3, 1-2, 6-5, 7-4 (edges 0..3), along Y 0-1, 7-6, 4-5,
 * 3-2 (edges 4..7), along Z 0-7, 3-4, 2-5, 1-6 (edges 8..11). Faces: 2 a + s, the face at the
 * minimum (s = 0) or maximum (s = 1) of axis a.
 *
 * compute() takes the matrix from box coordinates to clip coordinates (row vectors, the
 * toolkit's convention: model, viewing and projection matrices multiplied in that order) and
 * decides:
 * - Front faces: the faces whose outer side holds the eye. The eye is found from the matrix
 *   itself (the point, or for a parallel projection the direction, that maps to x = y = w = 0),
 *   so perspective and parallel projections, mirrors and shears are treated alike. A face seen
 *   exactly edge-on counts as a back face.
 * - The edge of each direction: only silhouette edges qualify, those between a front and a
 *   back face, since labels beyond them stand outside the box's outline and are hidden by
 *   nothing. Of the (usually two) silhouette edges the one lowest on the screen is taken, or,
 *   for a direction that runs more up the screen than across, the leftmost one. A direction
 *   without a silhouette edge is seen end-on and gets no axis.
 * - Its label side: the labels lie in the plane of the edge's front face and stand beyond the
 *   edge, toward the outer side of its back face; so they face the viewer and leave the box.
 * - choosePath() gives the writing direction that reads most left to right and upright on the
 *   screen for text in a given frame.
 *
 * compute() fails (returns 0) for a box that is flat or not finite, a matrix that is not
 * finite or too degenerate to place the eye, and a box that reaches behind the eye; the
 * choices are then empty.
 */
class PiAutoCube {
public:
  /** Axis chosen for one direction. */
  struct Choice {
    int edge = -1;      ///< 0..11, -1 when the direction shows no axis
    int labelFace = -1; ///< the back face beyond which the labels stand
    int textFace = -1;  ///< the front face in whose plane the labels lie
    bool vertical = false;
  };

  static SbVec3f getCorner(const SbVec3f& min, const SbVec3f& max, int corner);
  static void getEdgeCorners(int edge, int& from, int& to);
  static int getEdgeDirection(int edge) { return edge / 4; }
  /** The two faces that meet at @p edge. */
  static void getEdgeFaces(int edge, int& faceA, int& faceB);
  /** The four corners of @p face, counter-clockwise seen from outside the box. */
  static void getFaceCorners(int face, int corners[4]);
  /** Unit outward normal of @p face. */
  static SbVec3f getFaceNormal(int face);

  int compute(const SbVec3f& min, const SbVec3f& max, const SbMatrix& boxToClip);
  bool isValid() const { return m_valid; }
  bool isFaceFront(int face) const { return m_valid && m_front[face]; }
  const Choice& getChoice(int direction) const { return m_choice[direction]; }

  /** Normalised device coordinates of @p point; false when it lies at or behind the eye. */
  bool project(const SbVec3f& point, SbVec2f& ndc) const;

  /**
   * Writing direction (PiText::Path order: right, left, up, down) for a text in the frame of
   * an axis at @p origin running along @p along, its local "up" being @p across, so that it
   * reads most left to right and upright on the screen. With @p mirrored the text is turned
   * half a turn about its up direction and the up and down paths are exchanged, as a reversed
   * axis draws them.
   */
  int choosePath(const SbVec3f& origin, const SbVec3f& along, const SbVec3f& across,
                 bool mirrored) const;

  /**
   * Grid segments (pairs of end points) at the coordinates @p coords along @p direction, on
   * every back face that runs along that direction, across the face.
   */
  void getGridSegments(int direction, const float* coords, int num,
                       std::vector<SbVec3f>& points) const;

private:
  SbMatrix m_matrix;
  SbVec3f m_min, m_max;
  bool m_front[6] = {false, false, false, false, false, false};
  Choice m_choice[3];
  bool m_valid = false;
};

#endif
