// Ribbon strips with mitred joints and tubes swept with rotation-minimising frames, on plain arrays.
#include <Gridlux/charts/PiSweep.h>

#include <Inventor/SbVec2d.h>
#include <Inventor/SbVec3d.h>

#include <algorithm>
#include <cmath>

namespace {

SbVec3d toD(const SbVec3f& p)
{
  return SbVec3d(p[0], p[1], p[2]);
}

SbVec3f toF(const SbVec3d& p)
{
  return SbVec3f(float(p[0]), float(p[1]), float(p[2]));
}

SbVec3d unit(const SbVec3d& a)
{
  const double len = a.length();
  return len > 0.0 ? a / len : a;
}

// Reflection of a in the plane through the origin of unit normal n.
SbVec3d reflect(const SbVec3d& a, const SbVec3d& n)
{
  return a - n * (2.0 * a.dot(n));
}

// Mean direction of two unit directions; null when they are opposite.
bool mitreNormal(const SbVec3d& d0, const SbVec3d& d1, SbVec3d& t)
{
  t = d0 + d1;
  const double len = t.length();
  if (len < 1e-9)
    return false;
  t /= len;
  return true;
}

} // namespace

void PiSweep::Surface::clear()
{
  coords.clear();
  coordIndex.clear();
  facePoint.clear();
  vertexPoint.clear();
}

int PiSweep::distinctPoints(int n, const SbVec3f* points, std::vector<int>& kept)
{
  kept.clear();
  int skipped = 0;
  for (int i = 0; i < n; i++) {
    const SbVec3f& p = points[i];
    if (!std::isfinite(p[0]) || !std::isfinite(p[1]) || !std::isfinite(p[2])) {
      skipped++;
      continue;
    }
    if (!kept.empty() && points[kept.back()] == p)
      continue;
    kept.push_back(i);
  }
  return skipped;
}

void PiSweep::ribbon(int n, const SbVec2f* points, float width, Surface& out, float mitreLimit)
{
  out.clear();
  if (n < 2 || !points)
    return;
  out.coords.resize(2 * std::size_t(n));
  out.vertexPoint.resize(2 * std::size_t(n));
  const double half = 0.5 * width;
  const double limit = std::max(1.0, double(mitreLimit));
  auto direction = [&](int k) {
    const SbVec2d d(points[k + 1][0] - points[k][0], points[k + 1][1] - points[k][1]);
    const double len = d.length();
    return len > 0.0 ? d / len : d;
  };
  auto leftOf = [](const SbVec2d& d) { return SbVec2d(-d[1], d[0]); };
  for (int i = 0; i < n; i++) {
    SbVec2d offset;
    if (i == 0 || i == n - 1) {
      offset = leftOf(direction(i == 0 ? 0 : n - 2)) * half;
    }
    else {
      const SbVec2d n0 = leftOf(direction(i - 1));
      const SbVec2d n1 = leftOf(direction(i));
      SbVec2d m = n0 + n1;
      const double len = m.length();
      if (len < 1e-9) {
        // The line turns back on itself: no mitre point exists; keep the incoming offset.
        offset = n0 * half;
      }
      else {
        m /= len;
        // Offset lines at half the width from both segments meet at half / cos(half the turn).
        const double stretch = std::min(1.0 / m.dot(n0), limit);
        offset = m * (half * stretch);
      }
    }
    const SbVec2d p(points[i][0], points[i][1]);
    const SbVec2d right = p - offset, left = p + offset;
    out.coords[2 * i].setValue(float(right[0]), float(right[1]), 0.0f);
    out.coords[2 * i + 1].setValue(float(left[0]), float(left[1]), 0.0f);
    out.vertexPoint[2 * i] = out.vertexPoint[2 * i + 1] = i;
  }
  out.coordIndex.reserve(5 * std::size_t(n - 1));
  out.facePoint.reserve(std::size_t(n - 1));
  for (int k = 0; k < n - 1; k++) {
    const int quad[5] = {2 * k, 2 * k + 2, 2 * k + 3, 2 * k + 1, -1};
    out.coordIndex.insert(out.coordIndex.end(), quad, quad + 5);
    out.facePoint.push_back(k);
  }
}

void PiSweep::frames(int n, const SbVec3f* path, std::vector<SbVec3f>& u, std::vector<SbVec3f>& v)
{
  u.clear();
  v.clear();
  if (n < 2 || !path)
    return;
  u.resize(std::size_t(n - 1));
  v.resize(std::size_t(n - 1));
  SbVec3d prev = unit(toD(path[1]) - toD(path[0]));
  // First frame: v along the part of +Z perpendicular to the segment (+Y for a vertical one).
  SbVec3d up = std::fabs(prev[2]) < 0.999 ? SbVec3d(0, 0, 1) : SbVec3d(0, 1, 0);
  SbVec3d fv = unit(up - prev * up.dot(prev));
  SbVec3d fu = fv.cross(prev);
  u[0] = toF(fu);
  v[0] = toF(fv);
  for (int k = 1; k < n - 1; k++) {
    const SbVec3d d = unit(toD(path[k + 1]) - toD(path[k]));
    SbVec3d t;
    if (mitreNormal(prev, d, t)) {
      // The first reflection maps the incoming direction onto minus the outgoing one and the
      // section onto the outgoing section plane; the second (normal d) leaves that plane fixed.
      fu = reflect(reflect(fu, t), d);
      fv = reflect(reflect(fv, t), d);
    }
    else {
      // A turn back: half a turn about u.
      fv = -fv;
    }
    // Keep the frame orthonormal against rounding along long paths.
    fu = unit(fu - d * fu.dot(d));
    fv = d.cross(fu);
    u[k] = toF(fu);
    v[k] = toF(fv);
    prev = d;
  }
}

void PiSweep::tube(int n, const SbVec3f* path, int m, const SbVec2f* profile, bool caps, Surface& out,
                   float mitreLimit)
{
  out.clear();
  if (n < 2 || !path || m < 3 || !profile)
    return;
  std::vector<SbVec3f> u, v;
  frames(n, path, u, v);
  const double minCos = 1.0 / std::max(1.0, double(mitreLimit));
  out.coords.reserve(std::size_t(n) * std::size_t(m));
  out.vertexPoint.reserve(std::size_t(n) * std::size_t(m));
  out.coordIndex.reserve(8 * std::size_t(n) * std::size_t(m) + (caps ? 2 * std::size_t(m) + 2 : 0));
  // The section of segment k at point i, pushed along the segment onto the plane of normal t
  // through the point when mitred.
  auto addRing = [&](int i, int k, const SbVec3d* t) {
    const SbVec3d fu = toD(u[k]), fv = toD(v[k]);
    const SbVec3d p = toD(path[i]);
    const SbVec3d d = unit(toD(path[k + 1]) - toD(path[k]));
    const double cosHalf = t ? d.dot(*t) : 1.0;
    for (int j = 0; j < m; j++) {
      SbVec3d offset = fu * double(profile[j][0]) + fv * double(profile[j][1]);
      if (t)
        offset -= d * (offset.dot(*t) / cosHalf);
      out.coords.push_back(toF(p + offset));
      out.vertexPoint.push_back(i);
    }
    return int(out.coords.size()) - m;
  };
  // The quads from ring a to ring b as two triangles each, taking the colour of point @p point.
  // Triangles leave the toolkit nothing to tessellate (caps of concave outlines make it tessellate
  // every polygon of the shape), so every reader of the shape sees the same triangles.
  auto addBand = [&](int a, int b, int point) {
    for (int j = 0; j < m; j++) {
      const int j1 = j + 1 == m ? 0 : j + 1;
      const int triangles[8] = {a + j, a + j1, b + j1, -1, a + j, b + j1, b + j, -1};
      out.coordIndex.insert(out.coordIndex.end(), triangles, triangles + 8);
      out.facePoint.push_back(point);
      out.facePoint.push_back(point);
    }
  };
  const int first = addRing(0, 0, nullptr);
  int previous = first;
  for (int i = 1; i < n - 1; i++) {
    const SbVec3d d0 = unit(toD(path[i]) - toD(path[i - 1]));
    const SbVec3d d1 = unit(toD(path[i + 1]) - toD(path[i]));
    SbVec3d t;
    if (mitreNormal(d0, d1, t) && d0.dot(t) >= minCos) {
      const int ring = addRing(i, i - 1, &t);
      addBand(previous, ring, i - 1);
      previous = ring;
    }
    else {
      // Bevel: the two sections at the point, their vertices mirror images across the mitre plane.
      const int in = addRing(i, i - 1, nullptr);
      addBand(previous, in, i - 1);
      const int outRing = addRing(i, i, nullptr);
      addBand(in, outRing, i);
      previous = outRing;
    }
  }
  const int last = addRing(n - 1, n - 2, nullptr);
  addBand(previous, last, n - 2);
  if (caps) {
    // The start faces back along the path: the outline reversed; the end faces forward.
    for (int j = m - 1; j >= 0; j--)
      out.coordIndex.push_back(first + j);
    out.coordIndex.push_back(-1);
    out.facePoint.push_back(0);
    for (int j = 0; j < m; j++)
      out.coordIndex.push_back(last + j);
    out.coordIndex.push_back(-1);
    out.facePoint.push_back(n - 1);
  }
}
