// Closed solids on plain arrays: cap triangulation, extrusions, ellipsoids, bars and markers.
#include "support/SolidCheck.h"

#include <Gridlux/charts/PiSolidGeometry.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using Mesh = PiSolidGeometry::Mesh;
using Outline = PiSolidGeometry::Outline;

// The triangles of @p mesh (of one solid, or all for -1) as the solid check reads them.
std::vector<GeometryProbe::Triangle> trianglesOf(const Mesh& mesh, int solid = -1)
{
  std::vector<GeometryProbe::Triangle> out;
  for (int t = 0; t < mesh.numTriangles(); t++) {
    if (solid >= 0 && mesh.solidIndex[t] != solid)
      continue;
    GeometryProbe::Triangle tri;
    for (int k = 0; k < 3; k++)
      tri.v[k] = mesh.points[mesh.coordIndex[4 * t + k]];
    out.push_back(tri);
  }
  return out;
}

// Number of triangle corners whose normal points into the solid (against the face's own normal).
int inwardNormals(const Mesh& mesh)
{
  int inward = 0;
  for (int t = 0; t < mesh.numTriangles(); t++) {
    const SbVec3f& a = mesh.points[mesh.coordIndex[4 * t]];
    const SbVec3f& b = mesh.points[mesh.coordIndex[4 * t + 1]];
    const SbVec3f& c = mesh.points[mesh.coordIndex[4 * t + 2]];
    const SbVec3f face = (b - a).cross(c - a);
    if (face.length() < 1e-9f)
      continue;
    for (int k = 0; k < 3; k++)
      if (mesh.normals[mesh.normalIndex[4 * t + k]].dot(face) <= 0.0f)
        inward++;
  }
  return inward;
}

double shoelace(const std::vector<SbVec2f>& p)
{
  double twice = 0;
  for (size_t i = 0, j = p.size() - 1; i < p.size(); j = i++)
    twice += double(p[j][0]) * p[i][1] - double(p[i][0]) * p[j][1];
  return twice / 2;
}

std::vector<SbVec2f> regular(int n, float r)
{
  std::vector<SbVec2f> p;
  for (int i = 0; i < n; i++)
    p.emplace_back(r * std::cos(2 * M_PI * i / n), r * std::sin(2 * M_PI * i / n));
  return p;
}

// Outlines of every kind a profile can give: convex, with a flat run of points, and concave.
struct NamedOutline {
  const char* name;
  std::vector<SbVec2f> points;
};

std::vector<NamedOutline> outlines()
{
  return {
      {"circle16", regular(16, 1.0f)},
      {"triangle", {{0, 0}, {2, 0}, {0, 1}}},
      {"square with mid-edge points", {{-1, -1}, {0, -1}, {1, -1}, {1, 0}, {1, 1}, {-1, 1}}},
      {"L shape", {{0, 0}, {2, 0}, {2, 1}, {1, 1}, {1, 2}, {0, 2}}},
      {"star",
       {{0, 3}, {-1, 1}, {-3, 1}, {-1.5f, -0.5f}, {-2, -3}, {0, -1.5f}, {2, -3}, {1.5f, -0.5f}, {3, 1}, {1, 1}}},
  };
}

TEST(SolidGeometryCaps, EarClippingCoversTheOutlineWithCounterClockwiseTriangles)
{
  for (const NamedOutline& o : outlines()) {
    std::vector<int> tris;
    ASSERT_TRUE(PiSolidGeometry::triangulate(o.points.data(), int(o.points.size()), tris)) << o.name;
    ASSERT_EQ(tris.size(), 3 * (o.points.size() - 2)) << o.name;
    double area = 0;
    for (size_t k = 0; k < tris.size(); k += 3) {
      const std::vector<SbVec2f> t = {o.points[tris[k]], o.points[tris[k + 1]], o.points[tris[k + 2]]};
      const double a = shoelace(t);
      EXPECT_GE(a, 0.0) << o.name << " triangle " << k / 3;
      area += a;
    }
    EXPECT_NEAR(area, shoelace(o.points), 1e-5 * shoelace(o.points)) << o.name;
  }
  // A clockwise outline has no ear: reported, with a fan so that callers still get caps.
  std::vector<SbVec2f> clockwise = regular(6, 1.0f);
  std::reverse(clockwise.begin(), clockwise.end());
  std::vector<int> tris;
  EXPECT_FALSE(PiSolidGeometry::triangulate(clockwise.data(), 6, tris));
  EXPECT_EQ(tris.size(), 12u);
  EXPECT_FALSE(PiSolidGeometry::triangulate(clockwise.data(), 2, tris));
  EXPECT_TRUE(tris.empty());

  // Preparing turns it round.
  Outline outline;
  EXPECT_TRUE(PiSolidGeometry::prepare(clockwise.data(), 6, outline));
  EXPECT_GT(shoelace(outline.points), 0.0);
}

// Frustums of every outline, in right- and left-handed frames pointing either way: closed, facing
// out, and of the volume A h (1 + t + t^2) / 3.
TEST(SolidGeometryExtrusion, FrustumsAreClosedFaceOutAndHaveTheirVolume)
{
  const PiSolidGeometry::Frame frames[] = {
      {SbVec3f(0, 0, 0), SbVec3f(0, 0, 2), SbVec3f(1, 0, 0), SbVec3f(0, 1, 0)},      // right-handed
      {SbVec3f(1, 2, 3), SbVec3f(0, -3, 0), SbVec3f(1, 0, 0), SbVec3f(0, 0, -1)},    // downward
      {SbVec3f(0, 0, 0), SbVec3f(1.5f, 0, 0), SbVec3f(0, 2, 0), SbVec3f(0, 0, -0.5f)}, // left-handed
  };
  for (const NamedOutline& o : outlines()) {
    Outline outline;
    ASSERT_TRUE(PiSolidGeometry::prepare(o.points.data(), int(o.points.size()), outline));
    for (const PiSolidGeometry::Frame& frame : frames) {
      // Base area in space and height along the axis, from the frame's own vectors.
      const double scaleArea = std::fabs(frame.u.cross(frame.v).dot(frame.axis)) / frame.axis.length();
      const double baseArea = shoelace(o.points) * scaleArea, h = frame.axis.length();
      for (float t : {1.0f, 0.5f, 0.0f, 2.0f}) {
        Mesh mesh;
        const int added = PiSolidGeometry::extrude(outline, frame, t, 7, mesh);
        ASSERT_GT(added, 0) << o.name;
        EXPECT_EQ(mesh.numTriangles(), added);
        const SolidReport solid = checkSolid(trianglesOf(mesh));
        EXPECT_TRUE(solid.closed()) << o.name << " t " << t << ": " << solid.openEdges << " open, "
                                    << solid.misorientedEdges << " misoriented";
        const double expected = baseArea * h * (1 + t + t * t) / 3;
        EXPECT_NEAR(solid.volume, expected, 1e-5 * expected) << o.name << " t " << t;
        EXPECT_EQ(inwardNormals(mesh), 0) << o.name << " t " << t;
        for (int s : mesh.solidIndex)
          EXPECT_EQ(s, 7);
      }
    }
  }
}

TEST(SolidGeometryExtrusion, NormalsAreSmoothOnRoundSidesAndSplitAtCorners)
{
  const PiSolidGeometry::Frame frame = {SbVec3f(0, 0, 0), SbVec3f(0, 0, 1), SbVec3f(1, 0, 0), SbVec3f(0, 1, 0)};
  Outline circle, square;
  const std::vector<SbVec2f> round = regular(16, 1.0f);
  const std::vector<SbVec2f> corners = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
  PiSolidGeometry::prepare(round.data(), 16, circle);
  PiSolidGeometry::prepare(corners.data(), 4, square);
  Mesh mesh;
  PiSolidGeometry::extrude(circle, frame, 1.0f, 0, mesh);
  // One normal per side corner plus the two caps: the sides share them.
  EXPECT_EQ(mesh.normals.size(), 16u + 2u);
  for (int i = 0; i < 16; i++) {
    const SbVec3f& n = mesh.normals[i];
    EXPECT_NEAR(n[0], std::cos(2 * M_PI * i / 16), 1e-5); // radial at the outline's points
    EXPECT_NEAR(n[2], 0.0, 1e-6);
  }
  mesh.clear();
  PiSolidGeometry::extrude(square, frame, 1.0f, 0, mesh);
  EXPECT_EQ(mesh.normals.size(), 2u * 4u + 2u); // each corner split between its two faces
  EXPECT_EQ(inwardNormals(mesh), 0);
}

TEST(SolidGeometryExtrusion, DegenerateInputAddsNothing)
{
  Outline outline;
  const std::vector<SbVec2f> round = regular(8, 1.0f);
  PiSolidGeometry::prepare(round.data(), 8, outline);
  Mesh mesh;
  const SbVec3f o(0, 0, 0), x(1, 0, 0), y(0, 1, 0), z(0, 0, 1);
  EXPECT_EQ(PiSolidGeometry::extrude(outline, {o, SbVec3f(0, 0, 0), x, y}, 1, 0, mesh), 0); // no height
  EXPECT_EQ(PiSolidGeometry::extrude(outline, {o, x, x, y}, 1, 0, mesh), 0);               // axis in the plane
  EXPECT_EQ(PiSolidGeometry::extrude(outline, {o, z, x, y}, -0.5f, 0, mesh), 0);
  EXPECT_EQ(PiSolidGeometry::extrude(outline, {o, z, x, y}, NAN, 0, mesh), 0);
  EXPECT_EQ(PiSolidGeometry::extrude(outline, {SbVec3f(NAN, 0, 0), z, x, y}, 1, 0, mesh), 0);
  EXPECT_EQ(PiSolidGeometry::extrude(outline, {o, SbVec3f(0, 0, INFINITY), x, y}, 1, 0, mesh), 0);
  Outline none;
  EXPECT_EQ(PiSolidGeometry::extrude(none, {o, z, x, y}, 1, 0, mesh), 0);
  EXPECT_TRUE(mesh.points.empty());
  EXPECT_TRUE(mesh.coordIndex.empty());
}

TEST(SolidGeometryEllipsoid, ClosedOnTheSurfaceAndCloseToTheVolume)
{
  const SbVec3f centre(1, -2, 3), radii(2, 1, 0.5f);
  Mesh mesh;
  const int added = PiSolidGeometry::ellipsoid(centre, radii, 3, mesh);
  EXPECT_EQ(added, 2 * PiSolidGeometry::kSphereSlices * (PiSolidGeometry::kSphereStacks - 1));
  const SolidReport solid = checkSolid(trianglesOf(mesh));
  EXPECT_TRUE(solid.closed());
  EXPECT_EQ(inwardNormals(mesh), 0);
  for (const SbVec3f& p : mesh.points) {
    const SbVec3f d = p - centre;
    EXPECT_NEAR(std::pow(d[0] / radii[0], 2) + std::pow(d[1] / radii[1], 2) + std::pow(d[2] / radii[2], 2), 1.0,
                1e-5);
  }
  // An inscribed polyhedron: a little less than the ellipsoid, by at most the 16 x 8 sampling's loss.
  const double exact = 4.0 / 3.0 * M_PI * radii[0] * radii[1] * radii[2];
  EXPECT_LT(solid.volume, exact);
  EXPECT_GT(solid.volume, 0.9 * exact);
  EXPECT_EQ(PiSolidGeometry::ellipsoid(centre, SbVec3f(1, 0, 1), 0, mesh), 0);
  EXPECT_EQ(PiSolidGeometry::ellipsoid(centre, SbVec3f(1, NAN, 1), 0, mesh), 0);
}

// Bars from the threshold to each point: each closed, standing on the threshold and ending at the
// point, with its own solid number; points on the threshold or not finite draw nothing.
TEST(SolidGeometryBars, BarsRunFromTheThresholdToThePointsInBothOrientations)
{
  Outline outline;
  const std::vector<SbVec2f> round = regular(16, 1.0f);
  PiSolidGeometry::prepare(round.data(), 16, outline);
  const float x[] = {0, 1, 0.5f, 3, NAN};
  const float y[] = {2, -1, 0.5f, 4, 1};
  const double a16 = shoelace(round);
  for (bool vertical : {true, false}) {
    Mesh mesh;
    int skipped = 0;
    const int drawn = PiSolidGeometry::bars(outline, 5, x, y, vertical, 0.5f, 0.25f, 0.1f, 1.0f, mesh, &skipped);
    EXPECT_EQ(drawn, 3); // point 2 lies on the threshold line either way, point 4 is not finite
    EXPECT_EQ(skipped, 1);
    for (int i : {0, 1, 3}) {
      const std::vector<GeometryProbe::Triangle> tris = trianglesOf(mesh, i);
      const SolidReport solid = checkSolid(tris);
      EXPECT_TRUE(solid.closed()) << i;
      const double h = std::fabs((vertical ? y[i] : x[i]) - 0.5);
      EXPECT_NEAR(solid.volume, a16 * 0.25 * 0.1 * h, 1e-5 * a16 * 0.025 * h) << i;
      SbBox3f box;
      for (const GeometryProbe::Triangle& t : tris)
        for (const SbVec3f& v : t.v)
          box.extendBy(v);
      const int along = vertical ? 1 : 0, acrossAxis = vertical ? 0 : 1;
      const float value = vertical ? y[i] : x[i];
      EXPECT_FLOAT_EQ(box.getMin()[along], std::min(0.5f, value)) << i;
      EXPECT_FLOAT_EQ(box.getMax()[along], std::max(0.5f, value)) << i;
      const float at = vertical ? x[i] : y[i];
      EXPECT_NEAR(box.getMin()[acrossAxis], at - 0.25f, 1e-6) << i;
      EXPECT_NEAR(box.getMax()[acrossAxis], at + 0.25f, 1e-6) << i;
      EXPECT_NEAR(box.getMax()[2], 0.1f, 1e-6) << i;
    }
  }
}

TEST(SolidGeometryMarkers, MarkersAreCentredClosedAndSized)
{
  const SbVec3f centre(2, 3, -1);
  const float s = 0.5f;
  const std::vector<SbVec2f> lShape = {{0, 0}, {2, 0}, {2, 1}, {1, 1}, {1, 2}, {0, 2}};
  Outline profile;
  PiSolidGeometry::prepare(lShape.data(), 6, profile);
  const double a16 = shoelace(regular(16, 1.0f));
  const double volumes[] = {-1, s * s * s, a16 * (s / 2) * (s / 2) * s / 3, shoelace(lShape) * (s / 2) * (s / 2) * s};
  for (int shape = PiSolidGeometry::SPHERE; shape <= PiSolidGeometry::PROFILE; shape++) {
    Mesh mesh;
    ASSERT_GT(PiSolidGeometry::marker(shape, &profile, centre, s, SbVec3f(1, 1, 1), 4, mesh), 0) << shape;
    const SolidReport solid = checkSolid(trianglesOf(mesh));
    EXPECT_TRUE(solid.closed()) << shape;
    EXPECT_EQ(inwardNormals(mesh), 0) << shape;
    if (volumes[shape] > 0)
      EXPECT_NEAR(solid.volume, volumes[shape], 1e-5 * volumes[shape]) << shape;
    SbBox3f box;
    for (const SbVec3f& p : mesh.points)
      box.extendBy(p);
    if (shape == PiSolidGeometry::PROFILE) {
      // The outline as drawn, facing +z: its own box scaled by s / 2 around the point.
      EXPECT_NEAR(box.getMin()[0], centre[0], 1e-6);
      EXPECT_NEAR(box.getMax()[1], centre[1] + 2 * s / 2, 1e-6);
      EXPECT_NEAR(box.getMax()[2] - box.getMin()[2], s, 1e-6);
      continue;
    }
    for (int k = 0; k < 3; k++) {
      EXPECT_NEAR(box.getCenter()[k], centre[k], 1e-6) << shape << " axis " << k;
      EXPECT_NEAR(box.getMax()[k] - box.getMin()[k], s, 1e-6) << shape << " axis " << k;
    }
  }
  // A stretch scales the offsets per axis; a marker of no size is no marker.
  Mesh mesh;
  PiSolidGeometry::marker(PiSolidGeometry::CUBE, nullptr, centre, s, SbVec3f(1, 4, 0.5f), 0, mesh);
  EXPECT_NEAR(checkSolid(trianglesOf(mesh)).volume, s * s * s * 2, 1e-6);
  mesh.clear();
  EXPECT_EQ(PiSolidGeometry::marker(PiSolidGeometry::SPHERE, nullptr, centre, 0, SbVec3f(1, 1, 1), 0, mesh), 0);
  EXPECT_EQ(PiSolidGeometry::marker(PiSolidGeometry::CUBE, nullptr, centre, NAN, SbVec3f(1, 1, 1), 0, mesh), 0);
  EXPECT_EQ(PiSolidGeometry::marker(9, nullptr, centre, s, SbVec3f(1, 1, 1), 0, mesh), 0);
  // PROFILE without a profile uses the circle.
  EXPECT_GT(PiSolidGeometry::marker(PiSolidGeometry::PROFILE, nullptr, centre, s, SbVec3f(1, 1, 1), 0, mesh), 0);
  EXPECT_NEAR(checkSolid(trianglesOf(mesh)).volume, a16 * (s / 2) * (s / 2) * s, 1e-6);
}

TEST(SolidGeometryBars, MeanSpacingSpansTheFiniteValues)
{
  const float c[] = {3, 0, NAN, 1, 6};
  EXPECT_FLOAT_EQ(PiSolidGeometry::meanSpacing(c, 5), 2.0f);
  EXPECT_FLOAT_EQ(PiSolidGeometry::meanSpacing(c, 1), 0.0f);
  const float same[] = {2, 2, 2};
  EXPECT_FLOAT_EQ(PiSolidGeometry::meanSpacing(same, 3), 0.0f);
}

} // namespace
