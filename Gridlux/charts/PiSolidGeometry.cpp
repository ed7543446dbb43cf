// Closed solids on plain arrays: extruded outlines, ellipsoids, bars and markers.
#include <Gridlux/charts/PiSolidGeometry.h>

#include <Gridlux/attributes/PiProfilePolygon.h>

#include <algorithm>
#include <cmath>

namespace {

double cross(const SbVec2f& a, const SbVec2f& b, const SbVec2f& c)
{
  return (double(b[0]) - a[0]) * (double(c[1]) - a[1]) - (double(b[1]) - a[1]) * (double(c[0]) - a[0]);
}

bool inTriangle(const SbVec2f& q, const SbVec2f& a, const SbVec2f& b, const SbVec2f& c)
{
  return cross(a, b, q) >= 0 && cross(b, c, q) >= 0 && cross(c, a, q) >= 0;
}

// Unit vector along v, or v itself (zero) when it has no length; SbVec3f::normalize complains then.
SbVec3f unit(const SbVec3f& v)
{
  const float length = v.length();
  return length > 0.0f ? v / length : v;
}

bool finite(const SbVec3f& v)
{
  return std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2]);
}

SbVec3f times(const SbVec3f& a, const SbVec3f& b)
{
  return SbVec3f(a[0] * b[0], a[1] * b[1], a[2] * b[2]);
}

void triangle(PiSolidGeometry::Mesh& mesh, int solid, int a, int b, int c, int na, int nb, int nc)
{
  const int32_t coords[4] = {a, b, c, -1};
  const int32_t normals[4] = {na, nb, nc, -1};
  mesh.coordIndex.insert(mesh.coordIndex.end(), coords, coords + 4);
  mesh.normalIndex.insert(mesh.normalIndex.end(), normals, normals + 4);
  mesh.solidIndex.push_back(solid);
}

// The outlines of the cube and cone markers, made once.
const PiSolidGeometry::Outline& squareOutline()
{
  static const PiSolidGeometry::Outline square = [] {
    const SbVec2f corners[4] = {SbVec2f(-0.5f, -0.5f), SbVec2f(0.5f, -0.5f), SbVec2f(0.5f, 0.5f), SbVec2f(-0.5f, 0.5f)};
    PiSolidGeometry::Outline outline;
    PiSolidGeometry::prepare(corners, 4, outline);
    return outline;
  }();
  return square;
}

const PiSolidGeometry::Outline& circleOutline()
{
  static const PiSolidGeometry::Outline circle = [] {
    std::vector<SbVec2f> points;
    PiProfilePolygon::circle(1.0f, PiProfilePolygon::kDefaultNumPoints, points);
    PiSolidGeometry::Outline outline;
    PiSolidGeometry::prepare(points.data(), int(points.size()), outline);
    return outline;
  }();
  return circle;
}

} // namespace

void PiSolidGeometry::Mesh::clear()
{
  points.clear();
  normals.clear();
  coordIndex.clear();
  normalIndex.clear();
  solidIndex.clear();
}

bool PiSolidGeometry::triangulate(const SbVec2f* p, int n, std::vector<int>& triangles)
{
  triangles.clear();
  if (n < 3)
    return false;
  std::vector<int> ring(n);
  for (int i = 0; i < n; i++)
    ring[i] = i;
  int j = 0;
  while (ring.size() > 3) {
    const int count = int(ring.size());
    bool clipped = false;
    // Look for an ear from where the last one was cut, which keeps convex outlines linear.
    for (int tried = 0; tried < count && !clipped; tried++, j = (j + 1) % count) {
      const int a = ring[(j + count - 1) % count], b = ring[j], c = ring[(j + 1) % count];
      if (cross(p[a], p[b], p[c]) <= 0)
        continue; // reflex or flat corner: not an ear
      bool empty = true;
      for (int q : ring) {
        if (q == a || q == b || q == c || p[q] == p[a] || p[q] == p[b] || p[q] == p[c])
          continue;
        if (inTriangle(p[q], p[a], p[b], p[c])) {
          empty = false;
          break;
        }
      }
      if (!empty)
        continue;
      triangles.push_back(a);
      triangles.push_back(b);
      triangles.push_back(c);
      ring.erase(ring.begin() + j);
      j = j % int(ring.size());
      clipped = true;
    }
    if (!clipped) {
      triangles.clear();
      for (int i = 1; i + 1 < n; i++) {
        triangles.push_back(0);
        triangles.push_back(i);
        triangles.push_back(i + 1);
      }
      return false;
    }
  }
  triangles.push_back(ring[0]);
  triangles.push_back(ring[1]);
  triangles.push_back(ring[2]);
  return true;
}

bool PiSolidGeometry::prepare(const SbVec2f* points, int numPoints, Outline& outline)
{
  outline.points.assign(points, points + std::max(numPoints, 0));
  outline.cap.clear();
  if (numPoints < 3)
    return false;
  if (PiProfilePolygon::signedArea(outline.points.data(), numPoints) < 0)
    std::reverse(outline.points.begin(), outline.points.end());
  return triangulate(outline.points.data(), numPoints, outline.cap);
}

int PiSolidGeometry::extrude(const Outline& outline, const Frame& frame, float topRatio, int solid, Mesh& mesh)
{
  const int n = outline.size();
  if (n < 3 || !(topRatio >= 0.0f) || !std::isfinite(topRatio) || !finite(frame.base))
    return 0;
  const SbVec3f uv = frame.u.cross(frame.v);
  const float hand = uv.dot(frame.axis);
  if (!(hand != 0.0f) || !std::isfinite(hand))
    return 0;
  // A left-handed frame mirrors the outline: every face is turned round to keep facing out.
  const bool flip = hand < 0.0f;
  const bool apex = topRatio == 0.0f;
  const SbVec2f* p = outline.points.data();
  const SbVec3f top = frame.base + frame.axis;
  const int b0 = int(mesh.points.size());
  for (int i = 0; i < n; i++)
    mesh.points.push_back(frame.base + frame.u * p[i][0] + frame.v * p[i][1]);
  const int t0 = int(mesh.points.size());
  if (apex)
    mesh.points.push_back(top);
  else
    for (int i = 0; i < n; i++)
      mesh.points.push_back(top + (frame.u * p[i][0] + frame.v * p[i][1]) * topRatio);
  const auto B = [&](int i) { return b0 + i % n; };
  const auto T = [&](int i) { return apex ? t0 : t0 + i % n; };
  const SbVec3f* pts = mesh.points.data();

  // Side i runs from outline point i to i + 1; its plane's outward normal.
  std::vector<SbVec3f>& faceNormals = mesh.scratchNormals;
  faceNormals.resize(n);
  for (int i = 0; i < n; i++) {
    const SbVec3f& a = pts[B(i)];
    const SbVec3f normal = unit((pts[B(i + 1)] - a).cross(pts[T(i)] - a));
    faceNormals[i] = flip ? -normal : normal;
  }
  // At corner i, side i - 1 ends and side i starts: one shared normal when they meet flat enough.
  std::vector<int32_t>& corners = mesh.scratchCorners;
  corners.resize(2 * n);
  const float cosCrease = std::cos(kCreaseAngle);
  for (int i = 0; i < n; i++) {
    const SbVec3f& left = faceNormals[(i + n - 1) % n];
    const SbVec3f& right = faceNormals[i];
    const int index = int(mesh.normals.size());
    if (left.dot(right) >= cosCrease) {
      mesh.normals.push_back(unit(left + right));
      corners[2 * i] = corners[2 * i + 1] = index;
    } else {
      mesh.normals.push_back(left);
      mesh.normals.push_back(right);
      corners[2 * i] = index;
      corners[2 * i + 1] = index + 1;
    }
  }
  const int before = mesh.numTriangles();
  for (int i = 0; i < n; i++) {
    const int start = corners[2 * i + 1], end = corners[2 * ((i + 1) % n)];
    if (apex) {
      const int tip = int(mesh.normals.size());
      mesh.normals.push_back(unit(mesh.normals[start] + mesh.normals[end]));
      if (flip)
        triangle(mesh, solid, B(i), T(i), B(i + 1), start, tip, end);
      else
        triangle(mesh, solid, B(i), B(i + 1), T(i), start, end, tip);
    } else if (flip) {
      triangle(mesh, solid, B(i), T(i + 1), B(i + 1), start, end, end);
      triangle(mesh, solid, B(i), T(i), T(i + 1), start, start, end);
    } else {
      triangle(mesh, solid, B(i), B(i + 1), T(i + 1), start, end, end);
      triangle(mesh, solid, B(i), T(i + 1), T(i), start, end, start);
    }
  }
  // Caps: the top faces along the axis, the base against it.
  SbVec3f capNormal = unit(uv);
  if (flip)
    capNormal = -capNormal;
  const int bottomNormal = int(mesh.normals.size());
  mesh.normals.push_back(-capNormal);
  const int topNormal = bottomNormal + 1;
  if (!apex)
    mesh.normals.push_back(capNormal);
  const std::vector<int>& cap = outline.cap;
  for (size_t k = 0; k + 2 < cap.size(); k += 3) {
    const int a = cap[k], b = cap[k + 1], c = cap[k + 2];
    if (flip)
      triangle(mesh, solid, B(a), B(b), B(c), bottomNormal, bottomNormal, bottomNormal);
    else
      triangle(mesh, solid, B(a), B(c), B(b), bottomNormal, bottomNormal, bottomNormal);
    if (apex)
      continue;
    if (flip)
      triangle(mesh, solid, T(a), T(c), T(b), topNormal, topNormal, topNormal);
    else
      triangle(mesh, solid, T(a), T(b), T(c), topNormal, topNormal, topNormal);
  }
  return mesh.numTriangles() - before;
}

int PiSolidGeometry::ellipsoid(const SbVec3f& centre, const SbVec3f& radii, int solid, Mesh& mesh)
{
  for (int k = 0; k < 3; k++)
    if (!(radii[k] > 0.0f) || !std::isfinite(radii[k]))
      return 0;
  if (!finite(centre))
    return 0;
  const int slices = kSphereSlices, stacks = kSphereStacks;
  const int p0 = int(mesh.points.size()), n0 = int(mesh.normals.size());
  // The unit sphere's inner rings, made once: markers only scale and move them.
  static const std::vector<SbVec3f> rings = [] {
    std::vector<SbVec3f> d;
    for (int r = 1; r < kSphereStacks; r++) {
      const double phi = M_PI * r / kSphereStacks;
      for (int s = 0; s < kSphereSlices; s++) {
        const double theta = 2.0 * M_PI * s / kSphereSlices;
        d.emplace_back(float(std::sin(phi) * std::cos(theta)), float(std::cos(phi)),
                       float(std::sin(phi) * std::sin(theta)));
      }
    }
    return d;
  }();
  const SbVec3f inverse(1.0f / radii[0], 1.0f / radii[1], 1.0f / radii[2]);
  mesh.points.push_back(centre + SbVec3f(0, radii[1], 0));
  mesh.normals.push_back(SbVec3f(0, 1, 0));
  for (const SbVec3f& d : rings) {
    mesh.points.push_back(centre + times(d, radii));
    // The surface's normal is the gradient of |p / radii|^2.
    mesh.normals.push_back(unit(times(d, inverse)));
  }
  mesh.points.push_back(centre - SbVec3f(0, radii[1], 0));
  mesh.normals.push_back(SbVec3f(0, -1, 0));
  const auto at = [&](int r, int s) {
    if (r == 0)
      return p0;
    if (r == stacks)
      return p0 + 1 + (stacks - 1) * slices;
    return p0 + 1 + (r - 1) * slices + s % slices;
  };
  const int before = mesh.numTriangles();
  for (int r = 0; r < stacks; r++)
    for (int s = 0; s < slices; s++) {
      const int a = at(r, s), b = at(r, s + 1), c = at(r + 1, s + 1), d = at(r + 1, s);
      if (r > 0)
        triangle(mesh, solid, a, b, c, a - p0 + n0, b - p0 + n0, c - p0 + n0);
      if (r < stacks - 1)
        triangle(mesh, solid, a, c, d, a - p0 + n0, c - p0 + n0, d - p0 + n0);
    }
  return mesh.numTriangles() - before;
}

int PiSolidGeometry::bars(const Outline& outline, int num, const float* x, const float* y, bool vertical,
                          float threshold, float across, float depth, float topRatio, Mesh& mesh, int* numSkipped)
{
  int skipped = 0, drawn = 0;
  // Room for every bar at once: a long series then fills the arrays without regrowing them.
  const size_t n = size_t(outline.size()), triangles = 2 * n + 2 * outline.cap.size() / 3;
  mesh.points.reserve(mesh.points.size() + size_t(num) * 2 * n);
  mesh.normals.reserve(mesh.normals.size() + size_t(num) * (2 * n + 2));
  mesh.coordIndex.reserve(mesh.coordIndex.size() + size_t(num) * 4 * triangles);
  mesh.normalIndex.reserve(mesh.normalIndex.size() + size_t(num) * 4 * triangles);
  mesh.solidIndex.reserve(mesh.solidIndex.size() + size_t(num) * triangles);
  for (int i = 0; i < num; i++) {
    if (!std::isfinite(x[i]) || !std::isfinite(y[i])) {
      skipped++;
      continue;
    }
    Frame frame;
    if (vertical) {
      frame.base.setValue(x[i], threshold, 0);
      frame.axis.setValue(0, y[i] - threshold, 0);
      frame.u.setValue(across, 0, 0);
      frame.v.setValue(0, 0, -depth);
    } else {
      frame.base.setValue(threshold, y[i], 0);
      frame.axis.setValue(x[i] - threshold, 0, 0);
      frame.u.setValue(0, across, 0);
      frame.v.setValue(0, 0, depth);
    }
    if (extrude(outline, frame, topRatio, i, mesh) > 0)
      drawn++;
  }
  if (numSkipped)
    *numSkipped = skipped;
  return drawn;
}

int PiSolidGeometry::marker(int shape, const Outline* profile, const SbVec3f& centre, float size,
                            const SbVec3f& stretch, int solid, Mesh& mesh)
{
  if (!(size > 0.0f) || !std::isfinite(size))
    return 0;
  const float half = 0.5f * size;
  Frame frame;
  switch (shape) {
  case SPHERE:
    return ellipsoid(centre, stretch * half, solid, mesh);
  case CUBE:
  case CONE:
    // Standing along +y, the outline across x and z.
    frame.axis = times(SbVec3f(0, size, 0), stretch);
    frame.base = centre - frame.axis * 0.5f;
    if (shape == CUBE) {
      frame.u = times(SbVec3f(size, 0, 0), stretch);
      frame.v = times(SbVec3f(0, 0, -size), stretch);
      return extrude(squareOutline(), frame, 1.0f, solid, mesh);
    }
    frame.u = times(SbVec3f(half, 0, 0), stretch);
    frame.v = times(SbVec3f(0, 0, -half), stretch);
    return extrude(circleOutline(), frame, 0.0f, solid, mesh);
  case PROFILE:
    // Facing the viewer of a chart: the outline in the xy plane, extruded along z.
    frame.axis = times(SbVec3f(0, 0, size), stretch);
    frame.base = centre - frame.axis * 0.5f;
    frame.u = times(SbVec3f(half, 0, 0), stretch);
    frame.v = times(SbVec3f(0, half, 0), stretch);
    return extrude(profile ? *profile : circleOutline(), frame, 1.0f, solid, mesh);
  default:
    return 0;
  }
}

float PiSolidGeometry::meanSpacing(const float* c, int num)
{
  int count = 0;
  float lo = 0.0f, hi = 0.0f;
  for (int i = 0; i < num; i++) {
    if (!std::isfinite(c[i]))
      continue;
    lo = count ? std::min(lo, c[i]) : c[i];
    hi = count ? std::max(hi, c[i]) : c[i];
    count++;
  }
  return count > 1 ? (hi - lo) / float(count - 1) : 0.0f;
}
