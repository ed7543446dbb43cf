// Arc point generation on plain values: counts, ends, radii and sweep directions of every form.
#include <Gridlux/figures/PiCircleArc2.h>
#include <Gridlux/figures/PiCircleArc3.h>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

namespace {

const float kPi = 3.14159265f;
const float kTurn = 6.2831855f;

// One way of defining a 2D arc and what it must come out as.
struct Arc2Row {
  std::string name;
  std::function<int(PiCircleArc2&)> set;
  int valid;
  int numPoints; // 0: not checked
  float sweep;
  SbVec2f center;
  float radius;
  SbVec2f end;
  SbVec2f through; // a point the arc must pass near (checked when radius > 0)
};

void PrintTo(const Arc2Row& row, std::ostream* os)
{
  *os << row.name;
}

class Arc2Table : public ::testing::TestWithParam<Arc2Row> {};

TEST_P(Arc2Table, PointsLieOnTheDescribedArc)
{
  const Arc2Row& row = GetParam();
  PiCircleArc2 arc;
  ASSERT_EQ(row.set(arc), row.valid);
  if (!row.valid) {
    EXPECT_EQ(arc.getNumPoints(), 0);
    return;
  }
  const int n = arc.getNumPoints();
  if (row.numPoints)
    EXPECT_EQ(n, row.numPoints);
  EXPECT_NEAR(arc.getSweepAngle(), row.sweep, 1e-5);
  EXPECT_NEAR(arc.getCenter()[0], row.center[0], 1e-5);
  EXPECT_NEAR(arc.getCenter()[1], row.center[1], 1e-5);
  EXPECT_NEAR(arc.getRadius(), row.radius, 1e-5);

  const SbVec3f* p = arc.getPoints();
  const SbVec3f c(row.center[0], row.center[1], 0);
  double nearest = 1e9;
  for (int k = 0; k < n; ++k) {
    EXPECT_NEAR((p[k] - c).length(), row.radius, 1e-5) << "point " << k;
    EXPECT_EQ(p[k][2], 0.0f);
    nearest = std::fmin(nearest, (p[k] - SbVec3f(row.through[0], row.through[1], 0)).length());
  }
  EXPECT_NEAR(p[n - 1][0], row.end[0], 1e-5);
  EXPECT_NEAR(p[n - 1][1], row.end[1], 1e-5);
  // Within half a step of the point the arc must pass through.
  EXPECT_LT(nearest, row.radius * arc.getAngleStep());

  // Consecutive points are equally spaced, turning the way the sweep says.
  const double chord = (p[1] - p[0]).length();
  for (int k = 1; k < n; ++k) {
    EXPECT_NEAR((p[k] - p[k - 1]).length(), chord, 1e-5);
    const SbVec3f turn = (p[k - 1] - c).cross(p[k] - c);
    if (std::fabs(row.sweep) < kTurn - 1e-3)
      EXPECT_EQ(turn[2] > 0, row.sweep > 0) << "point " << k;
  }
}

const Arc2Row kArc2Rows[] = {
    {"FullTurnByAngles", [](PiCircleArc2& a) { return a.setValues(SbVec2f(0, 0), 1, 0, kTurn); }, 1,
     181, kTurn, SbVec2f(0, 0), 1, SbVec2f(1, 0), SbVec2f(-1, 0)},
    {"EndAngleBeyondOneTurnIsOneTurn",
     [](PiCircleArc2& a) { return a.setValues(SbVec2f(2, 1), 0.5f, 0, 10); }, 1, 181, kTurn,
     SbVec2f(2, 1), 0.5f, SbVec2f(2.5f, 1), SbVec2f(2, 1.5f)},
    {"OneDegreeHasTwoPoints",
     [](PiCircleArc2& a) { return a.setValues(SbVec2f(0, 0), 1, 0, kPi / 180); }, 1, 2, kPi / 180,
     SbVec2f(0, 0), 1, SbVec2f(std::cos(kPi / 180), std::sin(kPi / 180)), SbVec2f(1, 0)},
    {"QuarterClockwise", [](PiCircleArc2& a) { return a.setValues(SbVec2f(0, 0), 2, 0, -kPi / 2); },
     1, 46, -kPi / 2, SbVec2f(0, 0), 2, SbVec2f(0, -2), SbVec2f(std::sqrt(2.0f), -std::sqrt(2.0f))},
    {"PointTurnedByHalfTurn",
     [](PiCircleArc2& a) { return a.setValues(SbVec2f(1, 1), SbVec2f(3, 1), kPi); }, 1, 91, kPi,
     SbVec2f(1, 1), 2, SbVec2f(-1, 1), SbVec2f(1, 3)},
    {"PointOnCentre",
     [](PiCircleArc2& a) { return a.setValues(SbVec2f(1, 1), SbVec2f(1, 1), kPi); }, 0},
    {"TwoPointsSameDirectionIsFullTurn",
     [](PiCircleArc2& a) { return a.setValues(SbVec2f(0, 0), SbVec2f(1, 0), SbVec2f(1, 0)); }, 1,
     181, kTurn, SbVec2f(0, 0), 1, SbVec2f(1, 0), SbVec2f(0, -1)},
    {"TwoPointsFartherInStartDirectionIsFullTurnOfStartRadius",
     [](PiCircleArc2& a) { return a.setValues(SbVec2f(0, 0), SbVec2f(1, 0), SbVec2f(3, 0)); }, 1,
     181, kTurn, SbVec2f(0, 0), 1, SbVec2f(1, 0), SbVec2f(-1, 0)},
    {"TwoPointsOppositeIsHalfTurnCounterClockwise",
     [](PiCircleArc2& a) { return a.setValues(SbVec2f(0, 0), SbVec2f(1, 0), SbVec2f(-2, 0)); }, 1,
     91, kPi, SbVec2f(0, 0), 1, SbVec2f(-1, 0), SbVec2f(0, 1)},
    {"TwoPointsClockwiseQuarterIsThreeQuarters",
     [](PiCircleArc2& a) { return a.setValues(SbVec2f(0, 0), SbVec2f(1, 0), SbVec2f(0, -5)); }, 1,
     136, 1.5f * kPi, SbVec2f(0, 0), 1, SbVec2f(0, -1), SbVec2f(-1, 0)},
    {"TwoPointsEndOnCentre",
     [](PiCircleArc2& a) { return a.setValues(SbVec2f(0, 0), SbVec2f(1, 0), SbVec2f(0, 0)); }, 0},
    {"ThreePointsStartEqualsEndIsCircleOnDiameter",
     [](PiCircleArc2& a) { return a.setValues2(SbVec2f(1, 0), SbVec2f(-1, 0), SbVec2f(1, 0)); }, 1,
     181, kTurn, SbVec2f(0, 0), 1, SbVec2f(1, 0), SbVec2f(0, 1)},
    {"ThreePointsOverTheTop",
     [](PiCircleArc2& a) { return a.setValues2(SbVec2f(1, 0), SbVec2f(0, 1), SbVec2f(-1, 0)); }, 1,
     91, kPi, SbVec2f(0, 0), 1, SbVec2f(-1, 0), SbVec2f(0, 1)},
    {"ThreePointsUnderTheBottom",
     [](PiCircleArc2& a) { return a.setValues2(SbVec2f(1, 0), SbVec2f(0, -1), SbVec2f(-1, 0)); }, 1,
     91, -kPi, SbVec2f(0, 0), 1, SbVec2f(-1, 0), SbVec2f(0, -1)},
    {"ThreePointsLongWayCounterClockwise",
     [](PiCircleArc2& a) { return a.setValues2(SbVec2f(1, 0), SbVec2f(-1, 0), SbVec2f(0, -1)); }, 1,
     136, 1.5f * kPi, SbVec2f(0, 0), 1, SbVec2f(0, -1), SbVec2f(-1, 0)},
    {"ThreePointsLongWayClockwise",
     [](PiCircleArc2& a) { return a.setValues2(SbVec2f(1, 0), SbVec2f(-1, 0), SbVec2f(0, 1)); }, 1,
     136, -1.5f * kPi, SbVec2f(0, 0), 1, SbVec2f(0, 1), SbVec2f(-1, 0)},
    {"ThreePointsOffOrigin",
     [](PiCircleArc2& a) { return a.setValues2(SbVec2f(5, 2), SbVec2f(3, 4), SbVec2f(1, 2)); }, 1,
     91, kPi, SbVec2f(3, 2), 2, SbVec2f(1, 2), SbVec2f(3, 4)},
    {"ThreePointsCollinear",
     [](PiCircleArc2& a) { return a.setValues2(SbVec2f(0, 0), SbVec2f(1, 1), SbVec2f(3, 3)); }, 0},
    {"ThreePointsAllEqual",
     [](PiCircleArc2& a) { return a.setValues2(SbVec2f(1, 1), SbVec2f(1, 1), SbVec2f(1, 1)); }, 0},
    {"CircleThroughThreePoints",
     [](PiCircleArc2& a) { return a.setCircle(SbVec2f(4, 1), SbVec2f(1, 4), SbVec2f(-2, 1)); }, 1,
     181, kTurn, SbVec2f(1, 1), 3, SbVec2f(4, 1), SbVec2f(1, -2)},
    {"CircleThroughCollinearPoints",
     [](PiCircleArc2& a) { return a.setCircle(SbVec2f(0, 0), SbVec2f(1, 0), SbVec2f(2, 0)); }, 0},
    {"NotFinite", [](PiCircleArc2& a) { return a.setValues(SbVec2f(0, 0), NAN, 0, 1); }, 0},
};

INSTANTIATE_TEST_SUITE_P(Forms, Arc2Table, ::testing::ValuesIn(kArc2Rows),
                         [](const ::testing::TestParamInfo<Arc2Row>& info) {
                           return info.param.name;
                         });

TEST(CircularPolygon, StepIsLimitedAndDecidesThePointCount)
{
  PiCircleArc2 arc;
  EXPECT_FLOAT_EQ(arc.getAngleStep(), 0.034906585f);
  arc.setValues(SbVec2f(0, 0), 1, 0, kTurn);
  EXPECT_EQ(arc.getNumPoints(), 181);

  arc.setAngleStep(10); // 120 degrees at most: a triangle plus the closing point
  EXPECT_FLOAT_EQ(arc.getAngleStep(), 2.094393f);
  EXPECT_EQ(arc.getNumPoints(), 4);
  arc.setAngleStep(0); // half a degree at least
  EXPECT_FLOAT_EQ(arc.getAngleStep(), 0.008726646f);
  EXPECT_EQ(arc.getNumPoints(), 721);
  // A sweep of one and a half steps is cut into one step of that size.
  EXPECT_EQ(PiCircularPolygon::getNumPointsFor(0.06f, 0.04f), 2);
  EXPECT_EQ(PiCircularPolygon::getNumPointsFor(-0.09f, 0.04f), 3);
  EXPECT_EQ(PiCircularPolygon::getNumPointsFor(100.0f, 0.034906585f), 181);
}

TEST(CircleArc, PieSliceKeepsTheCentreAfterTheArc)
{
  PiCircleArc2 arc;
  arc.setArcType(PiCircleArc::CENTER_CLOSE);
  arc.setValues(SbVec2f(2, 3), 1, 0, kPi / 2);
  ASSERT_EQ(arc.getNumPoints(), 46);
  EXPECT_EQ(arc.getNumShapePoints(), 47);
  EXPECT_EQ(arc.getPoints()[46], SbVec3f(2, 3, 0));
  // The centre is also kept when the step changes the number of arc points.
  arc.setAngleStep(kPi / 8);
  EXPECT_EQ(arc.getNumPoints(), 5);
  EXPECT_EQ(arc.getPoints()[5], SbVec3f(2, 3, 0));
  arc.setArcType(PiCircleArc::OPENED);
  EXPECT_EQ(arc.getNumShapePoints(), 5);
}

// ---- 3D ----

// Every point at the radius from the centre and in the plane through it perpendicular to n.
void expectOnCircle(const PiCircleArc3& arc, const SbVec3f& center, float radius, SbVec3f n)
{
  n.normalize();
  for (int k = 0; k < arc.getNumPoints(); ++k) {
    const SbVec3f d = arc.getPoints()[k] - center;
    EXPECT_NEAR(d.length(), radius, 1e-5) << "point " << k;
    EXPECT_NEAR(d.dot(n), 0.0f, 1e-5) << "point " << k;
  }
}

TEST(CircleArc3, CentreRadiusAndNormal)
{
  PiCircleArc3 arc;
  ASSERT_EQ(arc.setValues(SbVec3f(0, 0, 0), 2, SbVec3f(0, 0, 1)), 1);
  EXPECT_EQ(arc.getNumPoints(), 181);
  EXPECT_EQ(arc.getPoints()[0], SbVec3f(2, 0, 0)); // as the 2D circle
  expectOnCircle(arc, SbVec3f(0, 0, 0), 2, SbVec3f(0, 0, 1));

  ASSERT_EQ(arc.setValues(SbVec3f(1, 2, 3), 0.5f, SbVec3f(1, 1, 1)), 1);
  expectOnCircle(arc, SbVec3f(1, 2, 3), 0.5f, SbVec3f(1, 1, 1));
  ASSERT_EQ(arc.setValues(SbVec3f(1, 2, 3), 0.5f, SbVec3f(1, 0, 0)), 1); // normal along x
  expectOnCircle(arc, SbVec3f(1, 2, 3), 0.5f, SbVec3f(1, 0, 0));
  EXPECT_EQ(arc.setValues(SbVec3f(0, 0, 0), 1, SbVec3f(0, 0, 0)), 0);
}

TEST(CircleArc3, StartPointIsTakenIntoThePlaneAndTurnsAboutTheNormal)
{
  PiCircleArc3 arc;
  ASSERT_EQ(arc.setValues(SbVec3f(0, 0, 0), SbVec3f(1, 0, 5), kPi / 2, SbVec3f(0, 0, 2)), 1);
  EXPECT_EQ(arc.getNumPoints(), 46);
  expectOnCircle(arc, SbVec3f(0, 0, 0), 1, SbVec3f(0, 0, 1));
  const SbVec3f end = arc.getPoints()[45];
  EXPECT_NEAR(end[0], 0, 1e-6);
  EXPECT_NEAR(end[1], 1, 1e-6); // counter-clockwise seen from +z
  // Seen from -z the same angle turns the other way.
  ASSERT_EQ(arc.setValues(SbVec3f(0, 0, 0), SbVec3f(1, 0, 0), kPi / 2, SbVec3f(0, 0, -1)), 1);
  EXPECT_NEAR(arc.getPoints()[45][1], -1, 1e-6);
  // A start point on the axis has no radius.
  EXPECT_EQ(arc.setValues(SbVec3f(0, 0, 0), SbVec3f(0, 0, 3), 1, SbVec3f(0, 0, 1)), 0);
}

TEST(CircleArc3, TwoPointsSweepInTheirPlane)
{
  PiCircleArc3 arc;
  ASSERT_EQ(arc.setValues(SbVec3f(0, 0, 0), SbVec3f(0, 2, 0), SbVec3f(0, 0, 1)), 1);
  EXPECT_NEAR(arc.getSweepAngle(), kPi / 2, 1e-5);
  expectOnCircle(arc, SbVec3f(0, 0, 0), 2, SbVec3f(1, 0, 0));
  EXPECT_NEAR(arc.getPoints()[arc.getNumPoints() - 1][2], 2, 1e-5);

  // Same direction: a full turn; opposite: a half turn, both in z = 0 as in 2D.
  ASSERT_EQ(arc.setValues(SbVec3f(0, 0, 0), SbVec3f(1, 0, 0), SbVec3f(1, 0, 0)), 1);
  EXPECT_NEAR(arc.getSweepAngle(), kTurn, 1e-5);
  expectOnCircle(arc, SbVec3f(0, 0, 0), 1, SbVec3f(0, 0, 1));
  ASSERT_EQ(arc.setValues(SbVec3f(0, 0, 0), SbVec3f(1, 0, 0), SbVec3f(-3, 0, 0)), 1);
  EXPECT_NEAR(arc.getSweepAngle(), kPi, 1e-5);
  EXPECT_NEAR(arc.getPoints()[45][1], 1, 1e-5);
  // Along z the plane still exists.
  ASSERT_EQ(arc.setValues(SbVec3f(0, 0, 0), SbVec3f(0, 0, 1), SbVec3f(0, 0, 1)), 1);
  expectOnCircle(arc, SbVec3f(0, 0, 0), 1, arc.getNormal());
  EXPECT_EQ(arc.getNumPoints(), 181);
}

TEST(CircleArc3, ThreePointsPassThroughTheMiddle)
{
  PiCircleArc3 arc;
  // In the plane x = 1, from +y over +z to -y.
  ASSERT_EQ(arc.setValues2(SbVec3f(1, 1, 0), SbVec3f(1, 0, 1), SbVec3f(1, -1, 0)), 1);
  EXPECT_NEAR(std::fabs(arc.getSweepAngle()), kPi, 1e-5);
  expectOnCircle(arc, SbVec3f(1, 0, 0), 1, SbVec3f(1, 0, 0));
  const SbVec3f half = arc.getPoints()[arc.getNumPoints() / 2];
  EXPECT_NEAR(half[2], 1, 1e-5);
  // The long way round, in z = 0 like the 2D arc of the same points.
  ASSERT_EQ(arc.setValues2(SbVec3f(1, 0, 0), SbVec3f(-1, 0, 0), SbVec3f(0, -1, 0)), 1);
  EXPECT_NEAR(std::fabs(arc.getSweepAngle()), 1.5f * kPi, 1e-5);
  EXPECT_EQ(arc.getNumPoints(), 136);
  expectOnCircle(arc, SbVec3f(0, 0, 0), 1, SbVec3f(0, 0, 1));
  // Start equal to end: the circle on the diameter.
  ASSERT_EQ(arc.setValues2(SbVec3f(1, 0, 0), SbVec3f(-1, 0, 0), SbVec3f(1, 0, 0)), 1);
  EXPECT_EQ(arc.getNumPoints(), 181);
  expectOnCircle(arc, SbVec3f(0, 0, 0), 1, SbVec3f(0, 0, 1));
  EXPECT_EQ(arc.setValues2(SbVec3f(0, 0, 0), SbVec3f(1, 1, 1), SbVec3f(2, 2, 2)), 0);
  EXPECT_EQ(arc.getNumPoints(), 0);
}

TEST(CircleArc3, CircleThroughThreePointsInSpace)
{
  PiCircleArc3 arc;
  ASSERT_EQ(arc.setCircle(SbVec3f(1, 0, 0), SbVec3f(0, 1, 0), SbVec3f(0, 0, 1)), 1);
  const SbVec3f c(1.0f / 3, 1.0f / 3, 1.0f / 3);
  EXPECT_NEAR((arc.getCenter() - c).length(), 0, 1e-6);
  expectOnCircle(arc, c, std::sqrt(2.0f / 3), SbVec3f(1, 1, 1));
  EXPECT_EQ(arc.getNumPoints(), 181);
}

} // namespace
