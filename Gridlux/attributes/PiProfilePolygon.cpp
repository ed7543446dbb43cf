// Outline geometry for the profiles: circles, ellipses, areas and the self-crossing test.
#include <Gridlux/attributes/PiProfilePolygon.h>

#include <cmath>

void PiProfilePolygon::circle(float radius, int numPoints, std::vector<SbVec2f>& points)
{
  ellipse(radius, radius, numPoints, points);
}

void PiProfilePolygon::ellipse(float rx, float ry, int numPoints, std::vector<SbVec2f>& points)
{
  points.resize(numPoints > 0 ? numPoints : 0);
  for (int i = 0; i < numPoints; ++i) {
    const double a = 2.0 * M_PI * i / numPoints;
    points[i].setValue(float(rx * std::cos(a)), float(ry * std::sin(a)));
  }
}

double PiProfilePolygon::signedArea(const SbVec2f* p, int n)
{
  double twice = 0.0;
  for (int i = 0, j = n - 1; i < n; j = i++)
    twice += double(p[j][0]) * p[i][1] - double(p[i][0]) * p[j][1];
  return 0.5 * twice;
}

double PiProfilePolygon::perimeter(const SbVec2f* p, int n)
{
  double length = 0.0;
  for (int i = 0, j = n - 1; i < n; j = i++)
    length += std::hypot(double(p[i][0]) - p[j][0], double(p[i][1]) - p[j][1]);
  return n > 1 ? length : 0.0;
}

namespace {

double cross(const SbVec2f& o, const SbVec2f& a, const SbVec2f& b)
{
  return (double(a[0]) - o[0]) * (double(b[1]) - o[1]) - (double(a[1]) - o[1]) * (double(b[0]) - o[0]);
}

bool onSegment(const SbVec2f& a, const SbVec2f& b, const SbVec2f& p)
{
  return std::fmin(a[0], b[0]) <= p[0] && p[0] <= std::fmax(a[0], b[0]) && std::fmin(a[1], b[1]) <= p[1] &&
         p[1] <= std::fmax(a[1], b[1]);
}

bool segmentsMeet(const SbVec2f& a, const SbVec2f& b, const SbVec2f& c, const SbVec2f& d)
{
  const double d1 = cross(c, d, a), d2 = cross(c, d, b), d3 = cross(a, b, c), d4 = cross(a, b, d);
  if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0)))
    return true;
  return (d1 == 0 && onSegment(c, d, a)) || (d2 == 0 && onSegment(c, d, b)) || (d3 == 0 && onSegment(a, b, c)) ||
         (d4 == 0 && onSegment(a, b, d));
}

} // namespace

bool PiProfilePolygon::selfCrossing(const SbVec2f* p, int n)
{
  // Profiles are small (tens of points), so the quadratic pair test is the simple right choice.
  for (int i = 0; i < n; ++i) {
    const SbVec2f& a = p[i];
    const SbVec2f& b = p[(i + 1) % n];
    if (a == b)
      return true; // a repeated point makes a zero-length edge that meets both neighbours
    for (int j = i + 2; j < n; ++j) {
      if (i == 0 && j == n - 1)
        continue; // the closing edge is the first edge's neighbour
      if (segmentsMeet(a, b, p[j], p[(j + 1) % n]))
        return true;
    }
  }
  return false;
}

SbBox2f PiProfilePolygon::bounds(const SbVec2f* p, int n)
{
  SbBox2f box;
  for (int i = 0; i < n; ++i)
    box.extendBy(p[i]);
  return box;
}
