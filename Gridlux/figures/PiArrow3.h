// Geometry of a 3D arrow: its shaft and its heads, as lines and flat faces or as closed solids.
#ifndef GRIDLUX_PIARROW3_H
#define GRIDLUX_PIARROW3_H

#include <Inventor/SbVec3f.h>

#include <cstdint>
#include <vector>

/**
 * @brief Places the shaft and the heads of an arrow from a start point to an end point.
 *
 * With L the distance between the points, a head is headLength x L long and its base is
 * headWidth x L wide (both fractions of the arrow's length). When the two heads together would
 * be longer than the arrow they are shortened in proportion until they meet in the middle.
 *
 * Shapes: NO_SHAPE (the shaft ends at the point), CHEVRON (an open head) and TRIANGLE (a closed
 * head). In line form a head is drawn in the two planes through the shaft and the two
 * perpendiculars of getPerpendiculars(), so that it reads from every side: a chevron as two
 * V-shaped polylines to the tip, a triangle as two crossed triangles; the shaft is one line that
 * stops at a triangle's base and runs to a chevron's tip. In solid form the shaft is a closed
 * cylinder of 0.4 times the heads' base radius and every head a closed cone from the shaft's end
 * to the tip; solids have NUM_SIDES sides, faces counter-clockwise seen from outside.
 *
 * set() refuses (with a message, leaving nothing to draw) points that are not finite, that
 * coincide or that are too far apart for a float length, head fractions that are negative, not
 * finite or too large for the arrow's length, and shapes out of range.
 *
 * setPlanar() places a flat arrow in the plane z = start z instead, for 2D figures: the head is
 * drawn once, in that plane, a chevron as one V-shaped polyline and a triangle as one face,
 * counter-clockwise seen from +z. Its first perpendicular is the in-plane left of the arrow.
 */
class PiArrow3 {
public:
  enum Shape { NO_SHAPE = 0, CHEVRON = 1, TRIANGLE = 2 };
  enum { NUM_SIDES = 16 };

  /** Vertices and per-primitive vertex counts of one piece: polylines or faces. */
  struct Mesh {
    std::vector<SbVec3f> points;
    std::vector<int32_t> counts;
    bool lines = false;
    bool empty() const { return counts.empty(); }
  };

  /** Returns 1 when the arrow can be drawn, else 0 with a message posted from @p method. */
  int set(const SbVec3f& start, const SbVec3f& end, float headLength, float headWidth,
          int startShape, int endShape, bool solid, const char* method = "PiArrow3::set");
  /** A flat arrow in the plane z = @p start z (the end's z is replaced by it); as set(). */
  int setPlanar(const SbVec3f& start, const SbVec3f& end, float headLength, float headWidth,
                int startShape, int endShape, const char* method = "PiArrow3::setPlanar");

  bool isValid() const { return m_valid; }
  float getLength() const { return m_length; }
  /** Unit direction from start to end. */
  const SbVec3f& getDirection() const { return m_dir; }
  /** Two unit vectors across the arrow, with p1 x p2 = direction. */
  void getPerpendiculars(SbVec3f& p1, SbVec3f& p2) const
  {
    p1 = m_p1;
    p2 = m_p2;
  }
  /** Length and base radius actually used for the head at the end (@p atEnd) or the start. */
  float getHeadLength(bool atEnd) const { return atEnd ? m_endHead : m_startHead; }
  float getHeadRadius() const { return m_radius; }

  /** The shaft: one line, or the closed cylinder in solid form. */
  void getShaft(Mesh& mesh) const;
  /** The head at the end (@p atEnd) or at the start; empty for NO_SHAPE. */
  void getHead(bool atEnd, Mesh& mesh) const;

private:
  SbVec3f m_start, m_end, m_dir, m_p1, m_p2;
  float m_length = 0.0f, m_startHead = 0.0f, m_endHead = 0.0f, m_radius = 0.0f;
  Shape m_startShape = NO_SHAPE, m_endShape = NO_SHAPE;
  bool m_solid = false, m_valid = false, m_planar = false;
};

#endif
