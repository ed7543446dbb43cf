// Arcs and circles in the plane z = 0, from the ways the figures define them.
#ifndef GRIDLUX_PICIRCLEARC2_H
#define GRIDLUX_PICIRCLEARC2_H

#include <Gridlux/figures/PiCircleArc.h>

#include <Inventor/SbVec2f.h>

/**
 * @brief A planar arc given by centre and angles, centre and points, or three points.
 *
 * Each setter returns 1 when the values define an arc and 0 when nothing is to be drawn
 * (non-finite values, a start point on the centre, collinear points); the points are then
 * available from PiCircularPolygon::getPoints() with z = 0. Sweeps are counter-clockwise when
 * positive.
 */
class PiCircleArc2 : public PiCircleArc {
public:
  PiCircleArc2();

  /** Centre, radius and two angles; the sweep endAngle - startAngle is limited to one turn. */
  int setValues(const SbVec2f& center, float radius, float startAngle, float endAngle);
  /** Centre, start point and the angle to turn it by. */
  int setValues(const SbVec2f& center, const SbVec2f& startPoint, float angle);
  /**
   * Centre and two points: the counter-clockwise sweep from the start direction to the end
   * direction, in (0, 2pi] (equal directions give a full turn). The end point gives only a
   * direction; the radius is the start point's.
   */
  int setValues(const SbVec2f& center, const SbVec2f& startPoint, const SbVec2f& endPoint);
  /**
   * Three points: the arc from start to end that passes through the middle point. When start
   * and end are equal, the full circle whose diameter joins start and middle.
   */
  int setValues2(const SbVec2f& startPoint, const SbVec2f& middlePoint, const SbVec2f& endPoint);
  /** The full circle through three points, starting at @p p. */
  int setCircle(const SbVec2f& p, const SbVec2f& q, const SbVec2f& r);

  const SbVec2f& getCenter() const { return m_center; }
  const SbVec2f& getStartPoint() const { return m_startPoint; }
  const SbVec2f& getEndPoint() const { return m_endPoint; }
  float getRadius() const;

  /**
   * Centre of the circle through three points; 0 when they are collinear, that is when the
   * determinant (r.y - q.y)(q.x - p.x) - (r.x - q.x)(q.y - p.y) is below 1e-20 in magnitude.
   */
  static int circleCenter(const SbVec2f& p, const SbVec2f& q, const SbVec2f& r, SbVec2f& center);

private:
  int apply(int valid, float sweep);

  SbVec2f m_center;
  SbVec2f m_startPoint;
  SbVec2f m_endPoint;
};

#endif
