// Arcs and circles in space, in the plane given by a normal or by three points.
#ifndef GRIDLUX_PICIRCLEARC3_H
#define GRIDLUX_PICIRCLEARC3_H

#include <Gridlux/figures/PiCircleArc.h>

/**
 * @brief An arc in space given by centre and angle, centre and points, or three points.
 *
 * The same rules as PiCircleArc2, in the plane through the centre perpendicular to a normal,
 * or in the plane of the defining points; positive sweeps turn counter-clockwise seen from the
 * normal's tip. When the points leave the plane open (a start and end direction on one line, a
 * circle given by a diameter), the plane is the one that contains the z axis direction, or the
 * x axis when the points lie along z: 2D values given with z = 0 then draw as the 2D figure.
 * Setters return 1 when the values define an arc and 0 when nothing is to be drawn.
 */
class PiCircleArc3 : public PiCircleArc {
public:
  PiCircleArc3();

  /** The full circle of a centre, radius and normal, starting in the direction of +x. */
  int setValues(const SbVec3f& center, float radius, const SbVec3f& normal);
  /** Centre, start point, angle and normal; the start point is taken into the plane. */
  int setValues(const SbVec3f& center, const SbVec3f& startPoint, float angle,
                const SbVec3f& normal);
  /** Centre and two points: the sweep from the start direction to the end direction. */
  int setValues(const SbVec3f& center, const SbVec3f& startPoint, const SbVec3f& endPoint);
  /** Three points: the arc from start to end through the middle point (see PiCircleArc2). */
  int setValues2(const SbVec3f& startPoint, const SbVec3f& middlePoint, const SbVec3f& endPoint);
  /** The full circle through three points, starting at @p p. */
  int setCircle(const SbVec3f& p, const SbVec3f& q, const SbVec3f& r);

  const SbVec3f& getCenter() const { return m_center; }
  const SbVec3f& getStartPoint() const { return m_startPoint; }
  const SbVec3f& getEndPoint() const { return m_endPoint; }
  const SbVec3f& getNormal() const { return m_normal; }
  float getRadius() const;

  /**
   * Centre and normal ((q - p) x (r - q)) of the circle through three points; 0 when they are
   * collinear (the normal's length below 1e-20).
   */
  static int circleCenter(const SbVec3f& p, const SbVec3f& q, const SbVec3f& r, SbVec3f& center,
                          SbVec3f& normal);

private:
  int apply(int valid, float sweep);

  SbVec3f m_center;
  SbVec3f m_startPoint;
  SbVec3f m_endPoint;
  SbVec3f m_normal;
};

#endif
