// Arcs and circles in the plane z = 0, from the ways the figures define them.
#include <Gridlux/figures/PiCircleArc2.h>

#include <cmath>

namespace {

const double kTurn = 6.2831855;

bool finite(const SbVec2f& v)
{
  return std::isfinite(v[0]) && std::isfinite(v[1]);
}

// Rotates p about c by angle, in double so that a full turn lands back on p up to rounding.
SbVec2f rotated(const SbVec2f& p, const SbVec2f& c, double angle)
{
  const double dx = double(p[0]) - c[0], dy = double(p[1]) - c[1];
  const double cs = std::cos(angle), sn = std::sin(angle);
  return SbVec2f(float(c[0] + dx * cs - dy * sn), float(c[1] + dx * sn + dy * cs));
}

// Signed angle from direction (ax, ay) to (bx, by), in (-pi, pi].
double signedAngle(double ax, double ay, double bx, double by)
{
  return std::atan2(ax * by - ay * bx, ax * bx + ay * by);
}

} // namespace

PiCircleArc2::PiCircleArc2() : m_center(0, 0), m_startPoint(1, 0), m_endPoint(1, 0) {}

float PiCircleArc2::getRadius() const
{
  return (m_startPoint - m_center).length();
}

int PiCircleArc2::apply(int valid, float sweep)
{
  setArc(valid, SbVec3f(m_center[0], m_center[1], 0), SbVec3f(m_startPoint[0], m_startPoint[1], 0),
         SbVec3f(0, 0, 1), sweep);
  return isValid();
}

int PiCircleArc2::setValues(const SbVec2f& center, float radius, float startAngle, float endAngle)
{
  m_center = center;
  if (!finite(center) || !std::isfinite(radius) || !std::isfinite(startAngle) ||
      !std::isfinite(endAngle))
    return apply(0, 0);
  m_startPoint.setValue(float(center[0] + radius * std::cos(double(startAngle))),
                        float(center[1] + radius * std::sin(double(startAngle))));
  double sweep = double(endAngle) - startAngle;
  if (sweep > kTurn || sweep < -kTurn) {
    sweep = sweep > 0 ? kTurn : -kTurn;
    m_endPoint = m_startPoint;
  } else {
    m_endPoint.setValue(float(center[0] + radius * std::cos(double(endAngle))),
                        float(center[1] + radius * std::sin(double(endAngle))));
  }
  return apply(radius != 0.0f, float(sweep));
}

int PiCircleArc2::setValues(const SbVec2f& center, const SbVec2f& startPoint, float angle)
{
  m_center = center;
  m_startPoint = startPoint;
  if (!finite(center) || !finite(startPoint) || !std::isfinite(angle))
    return apply(0, 0);
  double sweep = angle;
  if (sweep > kTurn)
    sweep = kTurn;
  if (sweep < -kTurn)
    sweep = -kTurn;
  m_endPoint = rotated(startPoint, center, sweep);
  return apply(startPoint != center, float(sweep));
}

int PiCircleArc2::setValues(const SbVec2f& center, const SbVec2f& startPoint,
                            const SbVec2f& endPoint)
{
  m_center = center;
  m_startPoint = startPoint;
  if (!finite(center) || !finite(startPoint) || !finite(endPoint) || startPoint == center ||
      endPoint == center) {
    m_endPoint = endPoint;
    return apply(0, 0);
  }
  double sx = double(startPoint[0]) - center[0], sy = double(startPoint[1]) - center[1];
  double ex = double(endPoint[0]) - center[0], ey = double(endPoint[1]) - center[1];
  const double sl = std::sqrt(sx * sx + sy * sy), el = std::sqrt(ex * ex + ey * ey);
  sx /= sl, sy /= sl, ex /= el, ey /= el;
  double dot = sx * ex + sy * ey;
  dot = dot > 1 ? 1 : (dot < -1 ? -1 : dot);
  const double cross = sx * ey - sy * ex;
  const double sweep = cross > 0 ? std::acos(dot) : kTurn - std::acos(dot);
  m_endPoint = rotated(startPoint, center, sweep);
  return apply(1, float(sweep));
}

int PiCircleArc2::setValues2(const SbVec2f& startPoint, const SbVec2f& middlePoint,
                             const SbVec2f& endPoint)
{
  m_startPoint = startPoint;
  m_endPoint = endPoint;
  if (!finite(startPoint) || !finite(middlePoint) || !finite(endPoint))
    return apply(0, 0);
  if (startPoint == endPoint) {
    if (startPoint == middlePoint)
      return apply(0, 0);
    m_center = (startPoint + middlePoint) * 0.5f;
    return apply(1, float(kTurn));
  }
  if (!circleCenter(startPoint, middlePoint, endPoint, m_center))
    return apply(0, 0);

  // The sweep to the end goes one way or the other round; take the one that meets the middle.
  const double sx = double(startPoint[0]) - m_center[0], sy = double(startPoint[1]) - m_center[1];
  const double endAngle =
      signedAngle(sx, sy, double(endPoint[0]) - m_center[0], double(endPoint[1]) - m_center[1]);
  const double midAngle = signedAngle(sx, sy, double(middlePoint[0]) - m_center[0],
                                      double(middlePoint[1]) - m_center[1]);
  double sweep = endAngle;
  if (endAngle >= 0) {
    if (!(midAngle > 0 && midAngle < endAngle))
      sweep = endAngle - kTurn;
  } else {
    if (!(midAngle < 0 && midAngle > endAngle))
      sweep = endAngle + kTurn;
  }
  return apply(1, float(sweep));
}

int PiCircleArc2::setCircle(const SbVec2f& p, const SbVec2f& q, const SbVec2f& r)
{
  m_startPoint = m_endPoint = p;
  if (!finite(p) || !finite(q) || !finite(r) || !circleCenter(p, q, r, m_center))
    return apply(0, 0);
  return apply(1, float(kTurn));
}

int PiCircleArc2::circleCenter(const SbVec2f& p, const SbVec2f& q, const SbVec2f& r,
                               SbVec2f& center)
{
  const double px = p[0], py = p[1];
  const double ux = double(q[0]) - px, uy = double(q[1]) - py; // q - p
  const double vx = double(r[0]) - px, vy = double(r[1]) - py; // r - p
  const double det = (double(r[1]) - q[1]) * ux - (double(r[0]) - q[0]) * uy;
  if (std::fabs(det) < 1e-20)
    return 0;
  // Intersection of the perpendicular bisectors of pq and pr, relative to p.
  const double uu = ux * ux + uy * uy, vv = vx * vx + vy * vy;
  const double d = 2.0 * (ux * vy - uy * vx);
  center.setValue(float(px + (vy * uu - uy * vv) / d), float(py + (ux * vv - vx * uu) / d));
  return 1;
}
