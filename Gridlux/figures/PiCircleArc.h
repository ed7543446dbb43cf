// A circle arc with its closing rule: the common part of the 2D and 3D arc generators.
#ifndef GRIDLUX_PICIRCLEARC_H
#define GRIDLUX_PICIRCLEARC_H

#include <Gridlux/figures/PiCircularPolygon.h>

/**
 * @brief An arc (centre, start point, axis, sweep) and how it is closed.
 *
 * The subclasses turn the figures' defining values into the arc; this class keeps the arc's
 * points current: after every change of the arc, of the angle step or of the arc type,
 * getPoints() holds getNumPoints() arc points and, for CENTER_CLOSE, the centre after them
 * (getNumShapePoints() counts both). An arc that cannot be drawn (collinear points, a start
 * point on the centre) has no points.
 */
class PiCircleArc : public PiCircularPolygon {
public:
  /** OPENED: the arc as a line; END_CLOSE: a face closed by the chord; CENTER_CLOSE: a pie slice.
   */
  enum ArcType { OPENED = 0, END_CLOSE = 1, CENTER_CLOSE = 2 };

  PiCircleArc();

  void setArcType(ArcType type);
  ArcType getArcType() const { return m_arcType; }

  /** Signed sweep angle in radians, within one turn either way. */
  float getSweepAngle() const { return m_sweepAngle; }
  /** Whether the current values define an arc that can be drawn. */
  int isValid() const { return m_isValid; }

  /** Arc points plus the centre for a pie slice. */
  int getNumShapePoints() const;

  /** The arc's centre and axis in space (z = 0 and axis 0 0 1 for 2D arcs). */
  const SbVec3f& getCenter3() const { return m_center3; }
  const SbVec3f& getAxis3() const { return m_axis3; }

protected:
  /** Sets the arc to draw; @p valid 0 clears it. Recomputes the points. */
  void setArc(int valid, const SbVec3f& center, const SbVec3f& start, const SbVec3f& axis,
              float sweep);
  void angleStepChanged() override;
  /** Computes the points when the recompute flag is set. */
  void update();

  float m_sweepAngle;
  int m_recompute;
  ArcType m_arcType;

private:
  int m_isValid = 0;
  SbVec3f m_center3;
  SbVec3f m_start3;
  SbVec3f m_axis3;
};

#endif
