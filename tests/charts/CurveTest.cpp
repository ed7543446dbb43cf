// Curves: the spline against an independent solver, stairs, filling areas, selected points, files.
#include "support/ErrorCatcher.h"
#include "support/GeometryProbe.h"
#include "support/SceneText.h"

#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/charts/PiCubicSpline.h>
#include <Gridlux/charts/PiCurveGeometry.h>
#include <Gridlux/charts/PoCurve.h>
#include <Gridlux/mesh/PiMesh1DGeometry.h>

#include <Inventor/actions/SoSearchAction.h>
#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoMarkerSet.h>
#include <Inventor/nodes/SoSeparator.h>
#include <Inventor/nodes/SoText3.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Reference spline: second derivatives M from the textbook system (unit spacing) solved by dense
// Gaussian elimination, natural (M = 0 at both ends) or periodic over the distinct points.
std::vector<double> referenceSpline(const std::vector<double>& y, bool periodic, int s)
{
  const int n = int(y.size());
  const int m = periodic ? n - 1 : n;
  std::vector<std::vector<double>> a(m, std::vector<double>(m + 1, 0.0));
  for (int i = 0; i < m; i++) {
    if (!periodic && (i == 0 || i == m - 1)) {
      a[i][i] = 1;
      continue;
    }
    const int prev = (i + m - 1) % m, next = (i + 1) % m;
    a[i][prev] += 1;
    a[i][i] += 4;
    a[i][next] += 1;
    a[i][m] = 6 * (y[next] - 2 * y[i] + y[prev]);
  }
  for (int c = 0; c < m; c++) {
    int pivot = c;
    for (int r = c + 1; r < m; r++)
      if (std::fabs(a[r][c]) > std::fabs(a[pivot][c]))
        pivot = r;
    std::swap(a[c], a[pivot]);
    for (int r = 0; r < m; r++)
      if (r != c) {
        const double f = a[r][c] / a[c][c];
        for (int k = c; k <= m; k++)
          a[r][k] -= f * a[c][k];
      }
  }
  std::vector<double> M(n);
  for (int i = 0; i < m; i++)
    M[i] = a[i][m] / a[i][i];
  if (periodic)
    M[n - 1] = M[0];
  std::vector<double> out;
  for (int i = 0; i + 1 < n; i++)
    for (int k = 0; k < s; k++) {
      const double u = double(k) / s, w = 1 - u;
      out.push_back(w * y[i] + u * y[i + 1] + ((w * w * w - w) * M[i] + (u * u * u - u) * M[i + 1]) / 6);
    }
  out.push_back(y[n - 1]);
  return out;
}

std::vector<SbVec3f> builtPoints(PoCurve* curve, const char* part)
{
  std::vector<SbVec3f> out;
  SoSeparator* root = new SoSeparator;
  root->ref();
  root->addChild(curve);
  GeometryProbe probe(root); // traverses, so the curve rebuilds
  SoNode* group = curve->getPart(part, FALSE);
  if (group) {
    SoSearchAction search;
    search.setType(SoCoordinate3::getClassTypeId());
    search.apply(group);
    if (search.getPath()) {
      const SoMFVec3f& p = static_cast<SoCoordinate3*>(search.getPath()->getTail())->point;
      out.assign(p.getValues(0), p.getValues(0) + p.getNum());
    }
  }
  root->unref();
  return out;
}

void expectSplineMatches(const std::vector<SbVec2f>& points, const std::vector<SbVec3f>& got, bool periodic)
{
  std::vector<double> x, y;
  for (const SbVec2f& p : points) {
    x.push_back(p[0]);
    y.push_back(p[1]);
  }
  const std::vector<double> rx = referenceSpline(x, periodic, 10), ry = referenceSpline(y, periodic, 10);
  ASSERT_EQ(got.size(), rx.size());
  const double rangeX = *std::max_element(x.begin(), x.end()) - *std::min_element(x.begin(), x.end());
  const double rangeY = *std::max_element(y.begin(), y.end()) - *std::min_element(y.begin(), y.end());
  for (std::size_t i = 0; i < got.size(); i++) {
    EXPECT_NEAR(got[i][0], rx[i], 1e-4 * rangeX) << "point " << i;
    EXPECT_NEAR(got[i][1], ry[i], 1e-4 * rangeY) << "point " << i;
    EXPECT_EQ(got[i][2], 0.0f);
  }
}

// Integral of |y - t| over a polyline taken as a function of x, crossings split exactly.
double absoluteArea(const std::vector<SbVec2f>& p, double t)
{
  double area = 0;
  for (std::size_t k = 0; k + 1 < p.size(); k++) {
    const double x0 = p[k][0], x1 = p[k + 1][0], a = p[k][1] - t, b = p[k + 1][1] - t;
    if (a * b >= 0)
      area += std::fabs(x1 - x0) * std::fabs(a + b) / 2;
    else {
      const double f = a / (a - b); // fraction along the segment where it crosses
      area += std::fabs(x1 - x0) * (f * std::fabs(a) + (1 - f) * std::fabs(b)) / 2;
    }
  }
  return area;
}

class Curve : public ::testing::Test {
protected:
  static void SetUpTestSuite() { PoGridlux::init(); }
};

TEST_F(Curve, SmoothIsTheNaturalSplineOfEachCoordinate)
{
  const std::vector<SbVec2f> points = {{0, 1}, {1, 3}, {2.5f, -2}, {3, 0.5f}, {5, 4}, {6, -1}, {8, 2}};
  PoCurve* curve = new PoCurve(int(points.size()), points.data(), PoCurve::CURVE_SMOOTH);
  expectSplineMatches(points, builtPoints(curve, "curvePoint"), false);

  // The series geometry's smooth interpretation is the same spline.
  std::vector<float> x, y;
  for (const SbVec2f& p : points) {
    x.push_back(p[0]);
    y.push_back(p[1]);
  }
  std::vector<PiMesh1DGeometry::Vertex> vertices;
  std::vector<int> nodeVertex;
  PiMesh1DGeometry::interpret(1, int(points.size()), x.data(), y.data(), vertices, nodeVertex);
  std::vector<SbVec3f> series;
  for (const PiMesh1DGeometry::Vertex& v : vertices)
    series.emplace_back(v.x, v.y, 0.0f);
  expectSplineMatches(points, series, false);
  EXPECT_EQ(nodeVertex[3], 30);
}

TEST_F(Curve, ClosedPointListsGiveAPeriodicSplineWithoutCorner)
{
  const std::vector<SbVec2f> points = {{2, 0}, {1, 1.7f}, {-1, 1.6f}, {-2, 0}, {-1, -1.8f}, {1.2f, -1.7f}, {2, 0}};
  PoCurve* curve = new PoCurve(int(points.size()), points.data(), PoCurve::CURVE_SMOOTH);
  const std::vector<SbVec3f> got = builtPoints(curve, "curvePoint");
  expectSplineMatches(points, got, true);
  ASSERT_EQ(got.size(), 61u);
  // Same tangent leaving and entering the closing point.
  SbVec3f out = got[1] - got[0], in = got[60] - got[59];
  out.normalize();
  in.normalize();
  EXPECT_GT(out.dot(in), 0.99f); // secants one tenth of an interval apart
}

TEST_F(Curve, SplineThroughThreePointsAndAlongALine)
{
  const SbVec2f three[] = {{0, 0}, {1, 2}, {3, 1}};
  PiCubicSpline spline;
  spline.setValues(3, three, 10);
  int num = 0;
  const SbVec3f* p = spline.getPoints(num);
  ASSERT_EQ(num, 21);
  for (int i = 0; i < 3; i++) {
    EXPECT_NEAR(p[10 * i][0], three[i][0], 1e-6);
    EXPECT_NEAR(p[10 * i][1], three[i][1], 1e-6);
  }

  // Unequal steps along y = 2x + 1 stay on the line, in 2D and 3D.
  const SbVec2f line[] = {{0, 1}, {0.5f, 2}, {3, 7}, {4, 9}, {7, 15}};
  spline.setValues(5, line, 10);
  p = spline.getPoints(num);
  ASSERT_EQ(num, 41);
  for (int i = 0; i < num; i++)
    EXPECT_NEAR(p[i][1], 2 * p[i][0] + 1, 1e-5) << i;
  const SbVec3f line3[] = {{0, 0, 0}, {1, 1, 2}, {4, 4, 8}};
  spline.setValues(3, line3, 4);
  p = spline.getPoints(num);
  ASSERT_EQ(num, 9);
  for (int i = 0; i < num; i++) {
    EXPECT_NEAR(p[i][1], p[i][0], 1e-5);
    EXPECT_NEAR(p[i][2], 2 * p[i][0], 1e-5);
  }

  // One point is itself; no subdivision is refused.
  spline.setValues(1, line, 10);
  p = spline.getPoints(num);
  ASSERT_EQ(num, 1);
  EXPECT_EQ(p[0], SbVec3f(0, 1, 0));
  ErrorCatcher errors;
  spline.setValues(3, line, 0);
  spline.getPoints(num);
  EXPECT_EQ(num, 0);
  EXPECT_TRUE(errors.contains("subdivisions"));
}

TEST_F(Curve, StairsTurnAtTheCorners)
{
  const SbVec2f points[] = {{0, 0}, {1, 2}, {3, -1}, {4, 1}};
  PoCurve* curve = new PoCurve(4, points, PoCurve::CURVE_STAIRS_X);
  const std::vector<SbVec3f> x = builtPoints(curve, "curvePoint");
  const std::vector<SbVec3f> expectedX = {{0, 0, 0},  {1, 0, 0},  {1, 2, 0}, {3, 2, 0},
                                          {3, -1, 0}, {4, -1, 0}, {4, 1, 0}};
  EXPECT_EQ(x, expectedX);
  curve = new PoCurve(4, points, PoCurve::CURVE_STAIRS_Y);
  const std::vector<SbVec3f> y = builtPoints(curve, "curvePoint");
  const std::vector<SbVec3f> expectedY = {{0, 0, 0},  {0, 2, 0}, {1, 2, 0}, {1, -1, 0},
                                          {3, -1, 0}, {3, 1, 0}, {4, 1, 0}};
  EXPECT_EQ(y, expectedY);
  // Half-way stairs change level at the middle abscissa.
  curve = new PoCurve(2, points, PoCurve::CURVE_STAIRS_2X);
  const std::vector<SbVec3f> half = builtPoints(curve, "curvePoint");
  const std::vector<SbVec3f> expectedHalf = {{0, 0, 0}, {0, 1, 0}, {0.5f, 1, 0}, {0.5f, 2, 0}, {1, 2, 0}};
  EXPECT_EQ(half, expectedHalf);
  curve = new PoCurve(4, points, PoCurve::CURVE_NONE);
  EXPECT_TRUE(builtPoints(curve, "curvePoint").empty());
}

TEST_F(Curve, FillingIsTheAreaBetweenLineAndThreshold)
{
  const std::vector<SbVec2f> points = {{0, 1}, {1, 3}, {2, -2}, {3.5f, -1}, {4, 2}, {5, 2}, {6, 0.5f}};
  for (float threshold : {0.0f, 1.0f, -1.5f, 5.0f}) {
    PoCurve* curve = new PoCurve(int(points.size()), points.data(), PoCurve::CURVE_POLYLINE);
    curve->isCurveFilled = TRUE;
    curve->fillingThreshold = threshold;
    SoSeparator* root = new SoSeparator;
    root->ref();
    root->addChild(curve);
    GeometryProbe probe(root);
    GeometryProbe filling(curve->getPart("curveFilling", FALSE));
    EXPECT_NEAR(filling.area(), absoluteArea(points, threshold), 1e-5) << "threshold " << threshold;
    root->unref();
  }

  // Between the values of two points the filling splits at the crossing abscissa.
  const std::vector<SbVec2f> two = {{0, 2}, {4, -2}};
  std::vector<SbVec2f> coords;
  std::vector<int> counts;
  PiCurveGeometry::fillingPolygons(two, 1.0f, coords, counts);
  ASSERT_EQ(counts, (std::vector<int>{3, 3}));
  EXPECT_EQ(coords[1], SbVec2f(1, 1));
  EXPECT_EQ(coords[3], SbVec2f(1, 1));

  // The smooth line's filling follows the spline: compare with the spline's own polyline.
  PoCurve* smooth = new PoCurve(int(points.size()), points.data(), PoCurve::CURVE_SMOOTH);
  smooth->isCurveFilled = TRUE;
  smooth->fillingThreshold = 0.5f;
  smooth->ref();
  const std::vector<SbVec3f> line = builtPoints(smooth, "curvePoint");
  std::vector<SbVec2f> line2;
  for (const SbVec3f& p : line)
    line2.emplace_back(p[0], p[1]);
  SoSeparator* root = new SoSeparator;
  root->ref();
  root->addChild(smooth);
  GeometryProbe probe(root);
  EXPECT_NEAR(GeometryProbe(smooth->getPart("curveFilling", FALSE)).area(), absoluteArea(line2, 0.5), 1e-4);
  root->unref();
  smooth->unref();
}

TEST_F(Curve, InterpolationOnALine)
{
  float v = 0;
  PoCurve::calculateInterpolation(SbVec2f(0, 0), SbVec2f(2, 4), 0.5f, v);
  EXPECT_FLOAT_EQ(v, 1.0f);
  PoCurve::calculateInterpolation(SbVec2f(1, 5), SbVec2f(1, 3), 1.0f, v);
  EXPECT_FLOAT_EQ(v, 3.0f);
  PoCurve::calculateInterpolation2(SbVec2f(0, 0), SbVec2f(2, 4), 3.0f, v);
  EXPECT_FLOAT_EQ(v, 1.5f);
  PoCurve::calculateInterpolation2(SbVec2f(1, 2), SbVec2f(3, 2), 2.0f, v);
  EXPECT_FLOAT_EQ(v, 2.0f);
  PoCurve::calculateInterpolation2(SbVec2f(7, 0), SbVec2f(7, 9), 3.0f, v);
  EXPECT_FLOAT_EQ(v, 7.0f);
}

TEST_F(Curve, FiltersSelectRaisePointsAndMarkers)
{
  const SbVec2f points[] = {{0, 1}, {1, 3}, {2, 2}, {4, 6}, {5, 0}};
  PoCurve* curve = new PoCurve(5, points, PoCurve::CURVE_POLYLINE);
  curve->raiseFilterType = PoCurve::INDEX_PERIOD;
  curve->raiseIndexPeriod = 2;
  curve->raiseThreshold = -1.0f;
  curve->ref();
  const std::vector<SbVec3f> raise = builtPoints(curve, "raisePoint");
  const std::vector<SbVec3f> expectedRaise = {{0, 1, 0}, {0, -1, 0}, {2, 2, 0}, {2, -1, 0}, {5, 0, 0}, {5, -1, 0}};
  EXPECT_EQ(raise, expectedRaise);

  // Listed abscissas: interpolated ordinates, entries outside the curve dropped.
  curve->markerFilterType = PoCurve::X_LIST;
  const float xs[] = {0.5f, 3, 9, -1, 5};
  curve->markerXList.setValues(0, 5, xs);
  std::vector<SbVec3f> markers = builtPoints(curve, "marker");
  const std::vector<SbVec3f> expectedMarkers = {{0.5f, 2, 0}, {3, 4, 0}, {5, 0, 0}};
  EXPECT_EQ(markers, expectedMarkers);
  SoSearchAction search;
  search.setType(SoMarkerSet::getClassTypeId());
  search.apply(curve->getPart("marker", FALSE));
  EXPECT_NE(search.getPath(), nullptr);

  curve->markerFilterType = PoCurve::X_PERIOD;
  curve->markerXPeriod = 2.0f;
  markers = builtPoints(curve, "marker");
  const std::vector<SbVec3f> periodic = {{0, 1, 0}, {2, 2, 0}, {4, 6, 0}};
  EXPECT_EQ(markers, periodic);

  curve->markerFilterType = PoCurve::INDEX_LIST;
  const int indices[] = {4, 7, -2, 1};
  curve->markerIndexList.setValues(0, 4, indices);
  curve->markerString = "x";
  builtPoints(curve, "marker");
  SoSearchAction texts;
  texts.setType(SoText3::getClassTypeId());
  texts.setInterest(SoSearchAction::ALL);
  texts.apply(curve->getPart("marker", FALSE));
  EXPECT_EQ(texts.getPaths().getLength(), 2);
  EXPECT_NE(curve->getPart("markerApp.font", FALSE), nullptr);

  ErrorCatcher errors;
  curve->markerFilterType = PoCurve::X_PERIOD;
  curve->markerXPeriod = -1.0f;
  EXPECT_TRUE(builtPoints(curve, "marker").empty());
  EXPECT_EQ(curve->getPart("marker", FALSE), nullptr);
  EXPECT_TRUE(errors.contains("period"));
  curve->unref();
}

TEST_F(Curve, BadPointsDrawNothingAndFilesKeepTheCurve)
{
  ErrorCatcher errors;
  const SbVec2f points[] = {{0, 1}, {1, NAN}, {2, 2}};
  PoCurve* curve = new PoCurve(3, points, PoCurve::CURVE_SMOOTH);
  curve->isCurveFilled = TRUE;
  EXPECT_TRUE(builtPoints(curve, "curvePoint").empty());
  EXPECT_TRUE(errors.contains("not finite"));

  const SbVec2f good[] = {{0, 1}, {1, -2}, {2, 2}, {3, 0}};
  curve = new PoCurve(4, good, PoCurve::CURVE_STAIRS_Y);
  curve->isCurveFilled = TRUE;
  curve->fillingThreshold = 0.5f;
  curve->markerFilterType = PoCurve::ALL_POINTS;
  SoSeparator* root = new SoSeparator;
  root->ref();
  root->addChild(curve);
  GeometryProbe before(root);
  const std::string text = writeToString(root);
  SoSeparator* back = readFromString(text);
  ASSERT_NE(back, nullptr);
  back->ref();
  ASSERT_EQ(back->getNumChildren(), 1);
  PoCurve* read = dynamic_cast<PoCurve*>(back->getChild(0));
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->curveRep.getValue(), PoCurve::CURVE_STAIRS_Y);
  EXPECT_EQ(read->point.getNum(), 4);
  GeometryProbe after(back);
  EXPECT_NEAR(after.area(), before.area(), 1e-6);
  EXPECT_EQ(after.segments().size(), before.segments().size());
  EXPECT_EQ(after.points().size(), 4u);
  back->unref();
  root->unref();
}

} // namespace
