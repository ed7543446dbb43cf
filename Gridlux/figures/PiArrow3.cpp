// Geometry of a 3D arrow: its shaft and its heads, as lines and flat faces or as closed solids.
#include <Gridlux/figures/PiArrow3.h>

#include <Gridlux/base/PoDebugError.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

bool finite(const SbVec3f& v)
{
  return std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2]);
}

// Point of the circle of @p radius about @p centre in the plane of (@p a, @p b) at step @p i.
SbVec3f ringPoint(const SbVec3f& centre, const SbVec3f& a, const SbVec3f& b, float radius, int i)
{
  const double angle = 2.0 * M_PI * i / PiArrow3::NUM_SIDES;
  return centre + (float(std::cos(angle)) * a + float(std::sin(angle)) * b) * radius;
}

// A flat disc facing +a x b (@p forward) or the other way.
void addDisc(PiArrow3::Mesh& mesh, const SbVec3f& centre, const SbVec3f& a, const SbVec3f& b,
             float radius, bool forward)
{
  for (int i = 0; i < PiArrow3::NUM_SIDES; ++i)
    mesh.points.push_back(ringPoint(centre, a, b, radius, forward ? i : -i));
  mesh.counts.push_back(PiArrow3::NUM_SIDES);
}

} // namespace

int PiArrow3::set(const SbVec3f& start, const SbVec3f& end, float headLength, float headWidth,
                  int startShape, int endShape, bool solid, const char* method)
{
  m_valid = false;
  m_planar = false;
  if (!finite(start) || !finite(end)) {
    PoDebugError::post(method, "the start or end point is not finite; nothing is drawn");
    return 0;
  }
  if (!std::isfinite(headLength) || !std::isfinite(headWidth) || headLength < 0.0f ||
      headWidth < 0.0f) {
    PoDebugError::post(method, "head length %g and width %g must be finite and not negative; "
                       "nothing is drawn", headLength, headWidth);
    return 0;
  }
  for (int shape : {startShape, endShape})
    if (shape < NO_SHAPE || shape > TRIANGLE) {
      PoDebugError::post(method, "%d is not an arrow shape; nothing is drawn", shape);
      return 0;
    }
  const SbVec3f d = end - start;
  // The length in double: points far apart overflow a float's sum of squares.
  const double length = std::sqrt(double(d[0]) * d[0] + double(d[1]) * d[1] + double(d[2]) * d[2]);
  if (!(length > 0.0)) {
    PoDebugError::post(method, "the start and end points coincide; nothing is drawn");
    return 0;
  }
  if (!finite(d) || !(length <= std::numeric_limits<float>::max())) {
    PoDebugError::post(method, "the start and end points are too far apart; nothing is drawn");
    return 0;
  }
  m_length = float(length);
  m_start = start;
  m_end = end;
  m_dir = d / m_length;
  // Across directions from the coordinate axis least aligned with the arrow, so that they are
  // well defined for any direction.
  const float ax = std::fabs(m_dir[0]), ay = std::fabs(m_dir[1]), az = std::fabs(m_dir[2]);
  const SbVec3f helper = (ax <= ay && ax <= az) ? SbVec3f(1, 0, 0)
                         : (ay <= az)            ? SbVec3f(0, 1, 0)
                                                 : SbVec3f(0, 0, 1);
  m_p1 = helper - m_dir * helper.dot(m_dir);
  m_p1.normalize();
  m_p2 = m_dir.cross(m_p1);
  m_p2.normalize();

  m_startShape = Shape(startShape);
  m_endShape = Shape(endShape);
  m_solid = solid;
  m_startHead = m_startShape != NO_SHAPE ? headLength * m_length : 0.0f;
  m_endHead = m_endShape != NO_SHAPE ? headLength * m_length : 0.0f;
  const float both = m_startHead + m_endHead;
  if (both > m_length) {
    m_startHead *= m_length / both;
    m_endHead *= m_length / both;
  }
  m_radius = 0.5f * headWidth * m_length;
  if (!std::isfinite(m_radius) || !std::isfinite(m_startHead + m_endHead)) {
    PoDebugError::post(method, "head length %g and width %g are too large for an arrow %g long; "
                       "nothing is drawn", headLength, headWidth, m_length);
    return 0;
  }
  m_valid = true;
  return 1;
}

int PiArrow3::setPlanar(const SbVec3f& start, const SbVec3f& end, float headLength,
                        float headWidth, int startShape, int endShape, const char* method)
{
  const SbVec3f flatEnd(end[0], end[1], start[2]);
  if (!set(start, flatEnd, headLength, headWidth, startShape, endShape, false, method))
    return 0;
  // Left of the arrow in the plane, then the plane's normal: p1 x p2 = direction still holds.
  m_p1.setValue(-m_dir[1], m_dir[0], 0.0f);
  m_p2.setValue(0.0f, 0.0f, 1.0f);
  m_planar = true;
  return 1;
}

void PiArrow3::getShaft(Mesh& mesh) const
{
  mesh = Mesh();
  if (!m_valid)
    return;
  // A line runs into a chevron's tip but stops at the base of a closed head; a solid shaft
  // stops at the base of every cone.
  const bool cutStart = m_solid || m_startShape == TRIANGLE;
  const bool cutEnd = m_solid || m_endShape == TRIANGLE;
  const SbVec3f a = m_start + m_dir * (cutStart ? m_startHead : 0.0f);
  const SbVec3f b = m_end - m_dir * (cutEnd ? m_endHead : 0.0f);
  if (!m_solid) {
    if ((b - a).dot(m_dir) <= 0.0f)
      return;
    mesh.lines = true;
    mesh.points = {a, b};
    mesh.counts = {2};
    return;
  }
  const float r = 0.4f * m_radius;
  if (!(r > 0.0f) || (b - a).dot(m_dir) <= 0.0f)
    return;
  for (int i = 0; i < NUM_SIDES; ++i) {
    mesh.points.push_back(ringPoint(a, m_p1, m_p2, r, i));
    mesh.points.push_back(ringPoint(a, m_p1, m_p2, r, i + 1));
    mesh.points.push_back(ringPoint(b, m_p1, m_p2, r, i + 1));
    mesh.points.push_back(ringPoint(b, m_p1, m_p2, r, i));
    mesh.counts.push_back(4);
  }
  addDisc(mesh, a, m_p1, m_p2, r, false);
  addDisc(mesh, b, m_p1, m_p2, r, true);
}

void PiArrow3::getHead(bool atEnd, Mesh& mesh) const
{
  mesh = Mesh();
  const Shape shape = atEnd ? m_endShape : m_startShape;
  const float length = atEnd ? m_endHead : m_startHead;
  if (!m_valid || shape == NO_SHAPE || !(length > 0.0f))
    return;
  // The head's own frame: axis toward its tip, across vectors with a x b = axis.
  const SbVec3f axis = atEnd ? m_dir : -m_dir;
  const SbVec3f tip = atEnd ? m_end : m_start;
  const SbVec3f base = tip - axis * length;
  const SbVec3f a = atEnd ? m_p1 : m_p2, b = atEnd ? m_p2 : m_p1;
  const float r = m_radius;
  if (!(r > 0.0f))
    return;
  if (m_planar) {
    // One head in the plane; the across vector's sign makes a triangle counter-clockwise.
    const SbVec3f across = atEnd ? -m_p1 : m_p1;
    if (shape == CHEVRON)
      mesh.points = {base + across * r, tip, base - across * r};
    else
      mesh.points = {base - across * r, base + across * r, tip};
    mesh.counts = {3};
    mesh.lines = shape == CHEVRON;
    return;
  }
  if (m_solid) {
    for (int i = 0; i < NUM_SIDES; ++i) {
      mesh.points.push_back(ringPoint(base, a, b, r, i));
      mesh.points.push_back(ringPoint(base, a, b, r, i + 1));
      mesh.points.push_back(tip);
      mesh.counts.push_back(3);
    }
    addDisc(mesh, base, a, b, r, false);
    return;
  }
  for (const SbVec3f& across : {a, b}) {
    if (shape == CHEVRON) {
      mesh.points.push_back(base + across * r);
      mesh.points.push_back(tip);
      mesh.points.push_back(base - across * r);
    } else {
      mesh.points.push_back(base - across * r);
      mesh.points.push_back(base + across * r);
      mesh.points.push_back(tip);
    }
    mesh.counts.push_back(3);
  }
  mesh.lines = shape == CHEVRON;
}
