// Delaunay triangulation of a triangle mesh's own points: empty circumcircles and coverage of the
// convex hull, checked by brute force against an independent hull.
#include "support/ErrorCatcher.h"

#include <Gridlux/mesh/PbCell.h>
#include <Gridlux/mesh/PbTriangleMesh2D.h>
#include <Gridlux/mesh/PiVoronoi2D.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace {

struct Pt {
  double x, y;
};

double cross(const Pt& o, const Pt& a, const Pt& b) { return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x); }

// Area of the convex hull by the monotone chain.
double hullArea(std::vector<Pt> p)
{
  std::sort(p.begin(), p.end(), [](const Pt& a, const Pt& b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
  std::vector<Pt> h(2 * p.size());
  size_t k = 0;
  for (size_t i = 0; i < p.size(); i++) {
    while (k >= 2 && cross(h[k - 2], h[k - 1], p[i]) <= 0)
      k--;
    h[k++] = p[i];
  }
  for (size_t i = p.size() - 1, t = k + 1; i-- > 0;) {
    while (k >= t && cross(h[k - 2], h[k - 1], p[i]) <= 0)
      k--;
    h[k++] = p[i];
  }
  double area = 0;
  for (size_t i = 0; i + 1 < k; i++)
    area += h[i].x * h[i + 1].y - h[i + 1].x * h[i].y;
  return area / 2;
}

struct Check {
  int numTriangles = 0;
  double area = 0;
  int clockwise = 0;
  int violations = 0; // points strictly inside a circumcircle
};

Check checkDelaunay(const std::vector<float>& x, const std::vector<float>& y, const std::vector<int>& tris)
{
  Check r;
  r.numTriangles = int(tris.size() / 3);
  for (size_t t = 0; t < tris.size(); t += 3) {
    const Pt a{x[tris[t]], y[tris[t]]}, b{x[tris[t + 1]], y[tris[t + 1]]}, c{x[tris[t + 2]], y[tris[t + 2]]};
    const double twice = cross(a, b, c);
    r.area += twice / 2;
    if (twice <= 0)
      r.clockwise++;
    // Circumcentre and radius, then every point against it with a relative margin.
    const double d = 2 * twice;
    const double a2 = a.x * a.x + a.y * a.y, b2 = b.x * b.x + b.y * b.y, c2 = c.x * c.x + c.y * c.y;
    const double ux = (a2 * (b.y - c.y) + b2 * (c.y - a.y) + c2 * (a.y - b.y)) / d;
    const double uy = (a2 * (c.x - b.x) + b2 * (a.x - c.x) + c2 * (b.x - a.x)) / d;
    const double r2 = (a.x - ux) * (a.x - ux) + (a.y - uy) * (a.y - uy);
    for (size_t n = 0; n < x.size(); n++) {
      const double dx = x[n] - ux, dy = y[n] - uy;
      if (dx * dx + dy * dy < r2 * (1 - 1e-6))
        r.violations++;
    }
  }
  return r;
}

} // namespace

TEST(Triangulation, RandomPointsGiveEmptyCircumcirclesOverTheWholeHull)
{
  std::mt19937 rng(2024);
  for (int trial = 0; trial < 6; trial++) {
    const int n = 20 + 90 * trial;
    std::uniform_real_distribution<float> u(-3.0f, 7.0f);
    std::normal_distribution<float> g(0.0f, 2.0f);
    std::vector<float> x(n), y(n);
    std::vector<Pt> pts;
    for (int i = 0; i < n; i++) {
      // Half the trials clustered, so that the hull has long thin triangles next to it.
      x[i] = trial % 2 ? g(rng) : u(rng);
      y[i] = trial % 2 ? 0.2f * g(rng) : u(rng);
      pts.push_back({x[i], y[i]});
    }
    PiVoronoi2D delaunay;
    ASSERT_GT(delaunay.triangulate(n, x.data(), y.data()), 0);
    const Check r = checkDelaunay(x, y, delaunay.getTriangles());
    EXPECT_EQ(r.violations, 0) << "trial " << trial;
    EXPECT_EQ(r.clockwise, 0) << "trial " << trial;
    const double hull = hullArea(pts);
    EXPECT_NEAR(r.area, hull, 1e-6 * hull) << "trial " << trial;
    // Euler: a triangulation of n points in general position with h hull points has 2n - 2 - h triangles.
    EXPECT_LE(r.numTriangles, 2 * n - 5);
  }
}

TEST(Triangulation, AwkwardPointSetsStayValid)
{
  // A regular grid (all cocircular quadruples), with repeated points and a collinear column.
  std::vector<float> x, y;
  for (int i = 0; i < 6; i++)
    for (int j = 0; j < 5; j++) {
      x.push_back(float(i));
      y.push_back(float(j));
    }
  x.push_back(2);
  y.push_back(3); // a repeat of node 13
  PiVoronoi2D delaunay;
  const int num = delaunay.triangulate(int(x.size()), x.data(), y.data());
  EXPECT_EQ(num, 2 * 5 * 4);
  const Check r = checkDelaunay(x, y, delaunay.getTriangles());
  EXPECT_EQ(r.violations, 0);
  EXPECT_EQ(r.clockwise, 0);
  EXPECT_NEAR(r.area, 20.0, 1e-9);
  for (int v : delaunay.getTriangles())
    EXPECT_NE(v, int(x.size()) - 1) << "the repeated point is not a vertex";

  // Collinear points first, then one point off their line: a fan.
  const float lx[] = {0, 1, 2, 3, 1.5f};
  const float ly[] = {0, 0, 0, 0, 2};
  EXPECT_EQ(delaunay.triangulate(5, lx, ly), 3);
  // Only collinear points: nothing.
  EXPECT_EQ(delaunay.triangulate(4, lx, ly), 0);
  EXPECT_EQ(delaunay.triangulate(2, lx, ly), 0);
}

TEST(Triangulation, TriangleMeshTriangulatesItsOwnPoints)
{
  const float x[] = {0, 1, 1, 0};
  const float y[] = {0, 0, 1, 1};
  PbTriangleMesh2D mesh(0);
  ASSERT_EQ(mesh.setGeometry(4, x, y), 1);
  EXPECT_EQ(mesh.getNumCells(), 2);
  EXPECT_FLOAT_EQ(mesh.getArea(), 1.0f);
  // The cells refer to the given points, so node values interpolate where they were given.
  const float values[] = {0, 1, 2, 3};
  mesh.addValuesSet(0, values);
  SbVec3f pc;
  const PbCell* cell = mesh.findContainingCell(SbVec3f(1, 1, 0), 0, pc);
  ASSERT_NE(cell, nullptr);
  EXPECT_NEAR(cell->getValue(pc, mesh.getValuesSet(0)), 2.0f, 1e-5);
  PbArrayOfInt loop, sizes;
  mesh.getLimitIndices(loop, sizes);
  ASSERT_EQ(sizes.getNum(), 1);
  EXPECT_EQ(sizes[0], 4);

  ErrorCatcher errors;
  const float lx[] = {0, 1, 2};
  EXPECT_EQ(mesh.setGeometry(3, lx, lx), 1);
  EXPECT_EQ(mesh.getNumCells(), 0);
  EXPECT_EQ(errors.count(), 1);
  EXPECT_EQ(mesh.setGeometry(-3, lx, lx), 0);
  EXPECT_EQ(mesh.setGeometry(3, nullptr, lx), 0);
  EXPECT_EQ(errors.count(), 3);
  EXPECT_EQ(mesh.getNumNodes(), 3);
}
