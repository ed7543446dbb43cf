// Tessellation of circles and circle arcs into polylines of points.
#ifndef GRIDLUX_PICIRCULARPOLYGON_H
#define GRIDLUX_PICIRCULARPOLYGON_H

#include <Inventor/SbVec3f.h>

/**
 * @brief Points of a circle arc: a start point rotated about a centre in steps.
 *
 * The arc is cut so that no step is larger than the angle step (2 degrees after construction,
 * limited to 0.5 .. 120 degrees). With a sweep a and a step s of the same sign, the arc has
 * n = trunc(a / s + 1) points when |s| <= |a|, and 2 points otherwise; point k is the start point
 * rotated by k * a / (n - 1), so both ends are exact. The point array keeps room for one extra
 * point, which the arc classes use for the centre of a pie slice.
 *
 * Used by the circle and arc figures and by the pie charts.
 */
class PiCircularPolygon {
public:
  PiCircularPolygon();
  virtual ~PiCircularPolygon();

  /** Sets the largest angle between two points (radians), limited to [0.008726646, 2.094393]. */
  void setAngleStep(float step);
  float getAngleStep() const { return m_angleStep; }

  int getNumPoints() const { return m_numPoints; }
  const SbVec3f* getPoints() const { return m_points; }

  /** Number of points for a sweep (limited to one turn either way) at the given step. */
  static int getNumPointsFor(float sweep, float step);

  /**
   * Computes the points of the arc that starts at @p start and turns by @p sweep radians about
   * the axis through @p center along @p axis (counter-clockwise seen from the axis' tip). The
   * start point is taken into the plane through the centre perpendicular to the axis. Returns
   * the number of points: 0 when the axis is null or the start point lies on it.
   */
  int computePoints(const SbVec3f& center, const SbVec3f& start, const SbVec3f& axis, float sweep);

  /** Empties the point list. */
  void clearPoints() { m_numPoints = 0; }

protected:
  /** Called after the angle step changed, so that subclasses can recompute their points. */
  virtual void angleStepChanged() {}

  float m_angleStep;
  SbVec3f* m_points = nullptr;
  int m_capacity = 0;
  int m_numPoints = 0;

private:
  PiCircularPolygon(const PiCircularPolygon&) = delete;
  PiCircularPolygon& operator=(const PiCircularPolygon&) = delete;
  void reserve(int numPoints);
};

#endif
