// Arcs and circles in space, in the plane given by a normal or by three points.
#include <Gridlux/figures/PiCircleArc3.h>

#include <cmath>

namespace {

const double kTurn = 6.2831855;

struct V3 {
  double x, y, z;
  V3(double a = 0, double b = 0, double c = 0) : x(a), y(b), z(c) {}
  explicit V3(const SbVec3f& v) : x(v[0]), y(v[1]), z(v[2]) {}
  V3 operator-(const V3& o) const { return V3(x - o.x, y - o.y, z - o.z); }
  V3 operator+(const V3& o) const { return V3(x + o.x, y + o.y, z + o.z); }
  V3 operator*(double s) const { return V3(x * s, y * s, z * s); }
  double dot(const V3& o) const { return x * o.x + y * o.y + z * o.z; }
  V3 cross(const V3& o) const
  {
    return V3(y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x);
  }
  double length() const { return std::sqrt(dot(*this)); }
  SbVec3f toFloat() const { return SbVec3f(float(x), float(y), float(z)); }
};

bool finite(const SbVec3f& v)
{
  return std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2]);
}

// A unit vector perpendicular to dir, as close to +z as possible (to +x when dir is along z).
V3 fallbackNormal(const V3& dir)
{
  const double l = dir.length();
  const V3 d = dir * (1.0 / l);
  V3 n = V3(0, 0, 1) - d * d.z;
  if (n.length() < 1e-6)
    n = V3(1, 0, 0) - d * d.x;
  return n * (1.0 / n.length());
}

// Rotates p about the axis through c along the unit vector n.
V3 rotated(const V3& p, const V3& c, const V3& n, double angle)
{
  const V3 r = p - c;
  const V3 along = n * n.dot(r);
  const V3 u = r - along;
  return c + along + u * std::cos(angle) + n.cross(u) * std::sin(angle);
}

// Counter-clockwise angle about unit n from direction a to direction b, in [0, 2pi).
double ccwAngle(const V3& a, const V3& b, const V3& n)
{
  double angle = std::atan2(a.cross(b).dot(n), a.dot(b));
  if (angle < 0)
    angle += kTurn;
  return angle;
}

} // namespace

PiCircleArc3::PiCircleArc3()
    : m_center(0, 0, 0), m_startPoint(1, 0, 0), m_endPoint(1, 0, 0), m_normal(0, 0, 1)
{
}

float PiCircleArc3::getRadius() const
{
  const SbVec3f r = m_startPoint - m_center;
  const SbVec3f n = m_normal.length() > 0 ? m_normal / m_normal.length() : SbVec3f(0, 0, 1);
  return (r - n * n.dot(r)).length();
}

int PiCircleArc3::apply(int valid, float sweep)
{
  setArc(valid, m_center, m_startPoint, m_normal, sweep);
  return isValid();
}

int PiCircleArc3::setValues(const SbVec3f& center, float radius, const SbVec3f& normal)
{
  m_center = center;
  m_normal = normal;
  if (!finite(center) || !finite(normal) || !std::isfinite(radius) || normal.length() == 0.0f ||
      radius == 0.0f)
    return apply(0, 0);
  const V3 n = V3(normal) * (1.0 / V3(normal).length());
  V3 u = V3(1, 0, 0) - n * n.x;
  if (u.length() < 1e-6)
    u = V3(0, 1, 0) - n * n.y;
  u = u * (radius / u.length());
  m_startPoint = m_endPoint = (V3(center) + u).toFloat();
  return apply(1, float(kTurn));
}

int PiCircleArc3::setValues(const SbVec3f& center, const SbVec3f& startPoint, float angle,
                            const SbVec3f& normal)
{
  m_center = center;
  m_startPoint = startPoint;
  m_normal = normal;
  if (!finite(center) || !finite(startPoint) || !finite(normal) || !std::isfinite(angle) ||
      normal.length() == 0.0f)
    return apply(0, 0);
  const V3 n = V3(normal) * (1.0 / V3(normal).length());
  const V3 c(center), s(startPoint);
  // The start point goes into the plane through the centre.
  const V3 inPlane = s - n * n.dot(s - c);
  m_startPoint = inPlane.toFloat();
  double sweep = angle;
  if (sweep > kTurn)
    sweep = kTurn;
  if (sweep < -kTurn)
    sweep = -kTurn;
  m_endPoint = rotated(inPlane, c, n, sweep).toFloat();
  return apply((inPlane - c).length() > 0, float(sweep));
}

int PiCircleArc3::setValues(const SbVec3f& center, const SbVec3f& startPoint,
                            const SbVec3f& endPoint)
{
  m_center = center;
  m_startPoint = startPoint;
  m_endPoint = endPoint;
  if (!finite(center) || !finite(startPoint) || !finite(endPoint) || startPoint == center ||
      endPoint == center)
    return apply(0, 0);
  const V3 c(center);
  V3 s = V3(startPoint) - c, e = V3(endPoint) - c;
  s = s * (1.0 / s.length());
  e = e * (1.0 / e.length());
  V3 n = s.cross(e);
  double sweep;
  if (n.length() < 1e-12) {
    // Same or opposite directions: the plane is open; a full turn or a half turn.
    n = fallbackNormal(s);
    sweep = s.dot(e) > 0 ? kTurn : kTurn / 2;
  } else {
    n = n * (1.0 / n.length());
    sweep = ccwAngle(s, e, n);
  }
  m_normal = n.toFloat();
  m_endPoint = rotated(V3(startPoint), c, n, sweep).toFloat();
  return apply(1, float(sweep));
}

int PiCircleArc3::setValues2(const SbVec3f& startPoint, const SbVec3f& middlePoint,
                             const SbVec3f& endPoint)
{
  m_startPoint = startPoint;
  m_endPoint = endPoint;
  if (!finite(startPoint) || !finite(middlePoint) || !finite(endPoint))
    return apply(0, 0);
  if (startPoint == endPoint) {
    if (startPoint == middlePoint)
      return apply(0, 0);
    m_center = (startPoint + middlePoint) * 0.5f;
    m_normal = fallbackNormal(V3(middlePoint) - V3(startPoint)).toFloat();
    return apply(1, float(kTurn));
  }
  if (!circleCenter(startPoint, middlePoint, endPoint, m_center, m_normal))
    return apply(0, 0);
  // With the normal (m - s) x (e - m), start, middle and end turn counter-clockwise, so the
  // counter-clockwise sweep from start to end passes through the middle point.
  const V3 c(m_center);
  V3 n(m_normal);
  n = n * (1.0 / n.length());
  const double sweep = ccwAngle(V3(startPoint) - c, V3(endPoint) - c, n);
  return apply(1, float(sweep));
}

int PiCircleArc3::setCircle(const SbVec3f& p, const SbVec3f& q, const SbVec3f& r)
{
  m_startPoint = m_endPoint = p;
  if (!finite(p) || !finite(q) || !finite(r) || !circleCenter(p, q, r, m_center, m_normal))
    return apply(0, 0);
  return apply(1, float(kTurn));
}

int PiCircleArc3::circleCenter(const SbVec3f& p, const SbVec3f& q, const SbVec3f& r,
                               SbVec3f& center, SbVec3f& normal)
{
  const V3 a(p);
  const V3 u = V3(q) - a, v = V3(r) - a;
  const V3 w = u.cross(v); // equals (q - p) x (r - q)
  const double ww = w.dot(w);
  if (std::sqrt(ww) < 1e-20)
    return 0;
  // Circumcentre relative to p.
  const V3 offset = (v.cross(w) * u.dot(u) + w.cross(u) * v.dot(v)) * (1.0 / (2.0 * ww));
  center = (a + offset).toFloat();
  normal = w.toFloat();
  return 1;
}
