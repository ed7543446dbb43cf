// The angular axis through what it builds: graduations and labels in degrees over sectors,
// arcs through 0 and full circles, the automatic step against the radius, the arc, ticks,
// spokes and labels placed around the circle, the offset, bad input and files.
#include "axes/AxisScene.h"
#include "support/ErrorCatcher.h"
#include "support/SceneText.h"

#include <Gridlux/axes/PoAngularAxis.h>

#include <Inventor/nodekits/SoNodekitCatalog.h>

#include <gtest/gtest.h>

#include <limits>

namespace {

typedef AxisSceneOf<PoAngularAxis> AngularScene;

const float kPi = float(M_PI);

std::vector<float> mainAngles(PoAngularAxis* axis)
{
  const float* c = nullptr;
  const int n = axis->getMainGradCoords(c);
  return std::vector<float>(c, c + n);
}

float radiusOf(const SbVec3f& p) { return std::hypot(p[0], p[1]); }

// Distance from the origin to the nearest point of a box in the plane.
float nearestDistance(const SbBox3f& box)
{
  const float x = std::max(box.getMin()[0], std::min(0.0f, box.getMax()[0]));
  const float y = std::max(box.getMin()[1], std::min(0.0f, box.getMax()[1]));
  return std::hypot(x, y);
}

TEST(AngularAxisClasses, RegisteredWithItsFieldsAndConstructor)
{
  expectCreatable("PoAngularAxis", "PoAxis");

  PoAngularAxis* axis = new PoAngularAxis;
  axis->ref();
  const SoFieldData* fields = static_cast<const SoFieldContainer*>(axis)->getFieldData();
  const char* const own[] = {"offset", "startAngle", "endAngle", "radius", "angleStep", "gradFit"};
  const int first = fields->getNumFields() - 6;
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(fields->getFieldName(first + i), SbName(own[i]));
  EXPECT_EQ(axis->offset.getValue(), 0.0f);
  EXPECT_EQ(axis->startAngle.getValue(), 0.0f);
  EXPECT_FLOAT_EQ(axis->endAngle.getValue(), kPi);
  EXPECT_EQ(axis->radius.getValue(), 1.0f);
  EXPECT_EQ(axis->angleStep.getValue(), 0.0f);
  EXPECT_EQ(axis->gradFit.getValue(), PoAngularAxis::GRAD_UNFIT);
  EXPECT_EQ(axis->getNodekitCatalog()->getPartNumber("multFactor"), SO_CATALOG_NAME_NOT_FOUND);
  axis->unref();

  PoAngularAxis* placed = new PoAngularAxis(0.5f, 2.0f, 3.0f, 0.1f);
  placed->ref();
  EXPECT_EQ(placed->startAngle.getValue(), 0.5f);
  EXPECT_EQ(placed->endAngle.getValue(), 2.0f);
  EXPECT_EQ(placed->radius.getValue(), 3.0f);
  EXPECT_EQ(placed->angleStep.getValue(), 0.1f);
  placed->unref();
}

TEST(AngularAxisClasses, FieldsSurviveAFile)
{
  AngularScene s;
  s.axis->offset.setValue(0.25f);
  s.axis->startAngle.setValue(-1.0f);
  s.axis->endAngle.setValue(2.5f);
  s.axis->radius.setValue(4.0f);
  s.axis->angleStep.setValue(0.2f);
  s.axis->gradFit.setValue(PoAngularAxis::GRAD_FIT);
  s.axis->gridVisibility.setValue(PoAxis::VISIBILITY_ON);
  s.probe();
  ASSERT_NE(s.axis->getPart("mainGradText", FALSE), nullptr);
  SoSeparator* back = readBackWithoutBuiltGeometry(s.root);
  ASSERT_NE(back, nullptr);
  ASSERT_TRUE(back->getChild(0)->isOfType(PoAngularAxis::getClassTypeId()));
  PoAngularAxis* read = static_cast<PoAngularAxis*>(back->getChild(0));
  EXPECT_FLOAT_EQ(read->offset.getValue(), 0.25f);
  EXPECT_FLOAT_EQ(read->startAngle.getValue(), -1.0f);
  EXPECT_FLOAT_EQ(read->endAngle.getValue(), 2.5f);
  EXPECT_FLOAT_EQ(read->radius.getValue(), 4.0f);
  EXPECT_FLOAT_EQ(read->angleStep.getValue(), 0.2f);
  EXPECT_EQ(read->gradFit.getValue(), PoAngularAxis::GRAD_FIT);
  EXPECT_EQ(read->gridVisibility.getValue(), PoAxis::VISIBILITY_ON);
  back->unref();
}

// One arc, the step expected and the labels it must carry.
struct ArcRow {
  float start, end, radius;
  float stepDegrees;
  std::vector<std::string> labels;
};

std::vector<std::string> degreeLabels(int from, int step, int count)
{
  std::vector<std::string> out;
  for (int i = 0; i < count; ++i)
    out.push_back(std::to_string((from + i * step) % 360));
  return out;
}

class AngularAxisGraduation : public testing::TestWithParam<ArcRow> {};

TEST_P(AngularAxisGraduation, StepAndLabelsInDegrees)
{
  const ArcRow& row = GetParam();
  AngularScene s; // 10 wide
  s.axis->startAngle.setValue(row.start);
  s.axis->endAngle.setValue(row.end);
  s.axis->radius.setValue(row.radius);
  EXPECT_EQ(s.texts("mainGradText"), row.labels);
  EXPECT_NEAR(s.axis->getAngleStep() * 180.0 / M_PI, row.stepDegrees, 1e-4);
  // Graduation angles are the labels' degrees, up to whole turns.
  const std::vector<float> angles = mainAngles(s.axis);
  ASSERT_EQ(angles.size(), row.labels.size());
  for (size_t i = 0; i < angles.size(); ++i) {
    const double deg = std::fmod(angles[i] * 180.0 / M_PI + 720.0, 360.0);
    EXPECT_NEAR(deg, std::stod(row.labels[i]), 1e-3) << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Arcs, AngularAxisGraduation,
    testing::Values(
        // Half a turn at half the domain width: every 10 degrees, ends included.
        ArcRow{0.0f, kPi, 5.0f, 10.0f, degreeLabels(0, 10, 19)},
        // 20 degrees at less than a quarter of the width: 45 would pass the range.
        ArcRow{0.0f, 0.349f, 2.0f, 15.0f, {"0", "15"}},
        // Through 0: from 270 to 90.
        ArcRow{1.5f * kPi, 0.5f * kPi, 5.0f, 10.0f, degreeLabels(270, 10, 19)},
        // The radius sets the step: 0.75 and 0.5 of half the width.
        ArcRow{0.0f, kPi, 3.75f, 15.0f, degreeLabels(0, 15, 13)},
        ArcRow{0.0f, kPi, 2.5f, 30.0f, degreeLabels(0, 30, 7)},
        ArcRow{0.0f, kPi, 1.0f, 45.0f, degreeLabels(0, 45, 5)},
        // A full circle does not print 360 over 0; negative angles count from 2pi.
        ArcRow{0.0f, 2.0f * kPi, 2.5f, 30.0f, degreeLabels(0, 30, 12)},
        ArcRow{-0.5f * kPi, 0.0f, 5.0f, 10.0f, degreeLabels(270, 10, 10)},
        // Narrow sectors: 30, 10 and 5 degrees.
        ArcRow{0.0f, 0.6f, 1.0f, 30.0f, {"0", "30"}},
        ArcRow{0.1f, 0.3f, 1.0f, 10.0f, {"10"}},
        ArcRow{0.0f, 0.1f, 1.0f, 5.0f, {"0", "5"}}));

TEST(AngularAxisGraduations, ArcsRunCounterClockwiseFromTheStart)
{
  const double pi = M_PI;
  const struct {
    float start, end;
    double arcStart, length;
  } rows[] = {{0.0f, kPi, 0.0, pi},
              {1.5f * kPi, 0.5f * kPi, 1.5 * pi, pi},        // through 0
              {-0.5f * kPi, 0.0f, 1.5 * pi, 0.5 * pi},      // negative angles
              {1.0f, 1.0f, 1.0, 2.0 * pi},                  // equal ends: a full turn
              {0.0f, 2.0f * kPi, 0.0, 2.0 * pi},
              {7.0f * kPi, 0.0f, pi, pi},                   // several turns
              {0.5f, 0.25f, 0.5, 2.0 * pi - 0.25}};
  for (const auto& row : rows) {
    double arcStart = -1.0, length = -1.0;
    ASSERT_TRUE(PiAngularGraduation::getArc(row.start, row.end, arcStart, length));
    EXPECT_NEAR(arcStart, row.arcStart, 1e-5) << row.start << " " << row.end;
    EXPECT_NEAR(length, row.length, 1e-5) << row.start << " " << row.end;
  }
  double arcStart, length;
  EXPECT_FALSE(PiAngularGraduation::getArc(std::numeric_limits<float>::quiet_NaN(), 1.0f,
                                           arcStart, length));
}

TEST(AngularAxisGraduations, UserStepFitAndMargins)
{
  AngularScene s;
  s.axis->startAngle.setValue(0.1f);
  s.axis->endAngle.setValue(1.0f);
  s.axis->angleStep.setValue(float(M_PI / 9)); // 20 degrees
  EXPECT_EQ(s.texts("mainGradText"), (std::vector<std::string>{"20", "40"}));
  s.axis->gradFit.setValue(PoAngularAxis::GRAD_FIT);
  // 5.73, 25.73, 45.73 rounded.
  EXPECT_EQ(s.texts("mainGradText"), (std::vector<std::string>{"6", "26", "46"}));

  // Relative margins are fractions of the arc, fixed ones angles.
  s.axis->gradFit.setValue(PoAngularAxis::GRAD_UNFIT);
  s.axis->startAngle.setValue(0.0f);
  s.axis->endAngle.setValue(kPi);
  s.axis->angleStep.setValue(float(M_PI / 18));
  s.axis->marginStart.setValue(0.1f); // 18 degrees
  EXPECT_EQ(s.texts("mainGradText").front(), "20");
  s.axis->marginType.setValue(PoAxis::FIXED_MARGIN);
  s.axis->marginStart.setValue(float(M_PI / 2));
  EXPECT_EQ(s.texts("mainGradText").front(), "90");
  EXPECT_EQ(s.texts("mainGradText").back(), "180");
}

TEST(AngularAxisGeometry, ArcThroughZeroAndItsTicks)
{
  AngularScene s;
  s.axis->startAngle.setValue(1.5f * kPi);
  s.axis->endAngle.setValue(0.5f * kPi);
  s.axis->radius.setValue(4.0f);
  const GeometryProbe body = s.partProbe("body");
  ASSERT_FALSE(body.segments().empty());
  for (const GeometryProbe::Segment& seg : body.segments()) {
    EXPECT_NEAR(radiusOf(seg.a), 4.0f, 4e-5f);
    EXPECT_GT(seg.a[0], -1e-4f); // the right half: through 0, not through pi
  }
  // Half a circle: pi r, less the chords' shortfall.
  EXPECT_NEAR(body.length(), kPi * 4.0f, 1e-3 * kPi * 4.0f);

  // Ticks are radial, outward from the arc on the label side, one per graduation.
  const GeometryProbe ticks = s.partProbe("mainGradTick");
  ASSERT_EQ(ticks.segments().size(), mainAngles(s.axis).size());
  for (const GeometryProbe::Segment& seg : ticks.segments()) {
    const SbVec3f d = seg.b - seg.a;
    EXPECT_NEAR(seg.a[0] * d[1] - seg.a[1] * d[0], 0.0f, 1e-4f); // on a ray
    EXPECT_NEAR(std::min(radiusOf(seg.a), radiusOf(seg.b)), 4.0f, 1e-4f);
    EXPECT_NEAR(d.length(), 0.016f * 10.0f, 1e-4f); // automatic, 19 graduations, width 10
  }

  // Inside the arc: labels within, ticks inward.
  s.axis->gradPosition.setValue(PoAxis::GRAD_BELOW);
  const GeometryProbe inward = s.partProbe("mainGradTick");
  ASSERT_FALSE(inward.segments().empty());
  for (const GeometryProbe::Segment& seg : inward.segments())
    EXPECT_NEAR(std::max(radiusOf(seg.a), radiusOf(seg.b)), 4.0f, 1e-4f);
  for (const SbBox3f& box : s.textBoxes("mainGradText"))
    EXPECT_LT(std::hypot(std::max(std::fabs(box.getMin()[0]), std::fabs(box.getMax()[0])),
                         std::max(std::fabs(box.getMin()[1]), std::fabs(box.getMax()[1]))),
              4.0f);
}

TEST(AngularAxisGeometry, LabelsOutsideTheArcAndApart)
{
  AngularScene s;
  s.axis->startAngle.setValue(0.0f);
  s.axis->endAngle.setValue(0.0f); // the full circle
  s.axis->radius.setValue(3.0f);
  const std::vector<SbBox3f> boxes = s.textBoxes("mainGradText");
  ASSERT_EQ(s.texts("mainGradText"), degreeLabels(0, 30, 12));
  ASSERT_EQ(boxes.size(), 12u);
  EXPECT_EQ(s.axis->getPart("arrow", FALSE), nullptr); // no arrow on a full circle
  // Beyond the ticks (0.25 long) on every side, and no two labels overlap.
  for (size_t i = 0; i < boxes.size(); ++i) {
    EXPECT_GT(nearestDistance(boxes[i]), 3.25f) << i;
    for (size_t j = i + 1; j < boxes.size(); ++j) {
      const bool apart = boxes[i].getMax()[0] <= boxes[j].getMin()[0] ||
                         boxes[j].getMax()[0] <= boxes[i].getMin()[0] ||
                         boxes[i].getMax()[1] <= boxes[j].getMin()[1] ||
                         boxes[j].getMax()[1] <= boxes[i].getMin()[1];
      EXPECT_TRUE(apart) << i << " " << j;
    }
  }

  // The offset turns the axis: 0 is drawn at the top and still reads "0".
  s.axis->offset.setValue(0.5f * kPi);
  s.axis->arrowVisibility.setValue(PoAxis::VISIBILITY_ON);
  ASSERT_EQ(s.texts("mainGradText").front(), "0");
  SoSeparator* sep = new SoSeparator;
  sep->ref();
  sep->addChild(s.axis->getPart("transform", TRUE));
  ASSERT_NE(s.axis->getPart("mainGradText", FALSE), nullptr);
  sep->addChild(s.axis->getPart("mainGradText", FALSE));
  SoGetBoundingBoxAction bbox(SbViewportRegion(800, 600));
  bbox.apply(sep);
  EXPECT_GT(bbox.getBoundingBox().getMax()[1], 3.25f);
  sep->unref();
  EXPECT_NE(s.axis->getPart("arrow", FALSE), nullptr);
}

TEST(AngularAxisGeometry, SpokesAndTitle)
{
  AngularScene s;
  s.axis->radius.setValue(1.0f);
  s.axis->gridVisibility.setValue(PoAxis::VISIBILITY_ON);
  // The default lengths run from the arc to the centre: 1 inward.
  GeometryProbe grid = s.partProbe("mainGradGrid");
  ASSERT_EQ(grid.segments().size(), mainAngles(s.axis).size());
  for (const GeometryProbe::Segment& seg : grid.segments()) {
    EXPECT_NEAR(std::min(radiusOf(seg.a), radiusOf(seg.b)), 0.0f, 1e-5f);
    EXPECT_NEAR(std::max(radiusOf(seg.a), radiusOf(seg.b)), 1.0f, 1e-5f);
  }
  // Longer inward spokes stop at the centre; outward ones go beyond the labels' side.
  s.axis->gridLengthGradOtherSide.setValue(5.0f);
  s.axis->gridLengthGradSide.setValue(0.5f);
  grid = s.partProbe("mainGradGrid");
  for (const GeometryProbe::Segment& seg : grid.segments()) {
    EXPECT_NEAR(std::min(radiusOf(seg.a), radiusOf(seg.b)), 0.0f, 1e-5f);
    EXPECT_NEAR(std::max(radiusOf(seg.a), radiusOf(seg.b)), 1.5f, 1e-5f);
  }

  // The title on the middle ray beyond the labels, or past the end along the tangent.
  s.axis->titleString.setValue("Angle");
  s.axis->titleVisibility.setValue(PoAxis::VISIBILITY_ON);
  const SbBox3f labels = unionBox(s.textBoxes("mainGradText"));
  std::vector<SbBox3f> title = s.textBoxes("title");
  ASSERT_EQ(title.size(), 1u);
  EXPECT_GT(title[0].getMin()[1], labels.getMax()[1] - 1e-4f); // above pi/2's label
  EXPECT_NEAR(title[0].getCenter()[0], 0.0f, 1e-3f);
  s.axis->titlePosition.setValue(PoAxis::TITLE_END);
  title = s.textBoxes("title");
  ASSERT_EQ(title.size(), 1u);
  EXPECT_LT(title[0].getMax()[1], 0.0f); // below the end at pi, where the tangent points
  EXPECT_LT(title[0].getMin()[0], -0.9f);
}

TEST(AngularAxisInput, BadValuesBuildNothingWithAMessage)
{
  const float nan = std::numeric_limits<float>::quiet_NaN();
  struct Case {
    const char* what;
    float start, end, radius, step;
  };
  const Case cases[] = {{"radius", 0, 1, nan, 0}, {"radius", 0, 1, 0, 0},
                        {"radius", 0, 1, -2, 0},  {"angles", nan, 1, 1, 0},
                        {"angles", 0, std::numeric_limits<float>::infinity(), 1, 0},
                        {"angleStep", 0, 1, 1, -0.1f}, {"angleStep", 0, 1, 1, nan}};
  for (const Case& c : cases) {
    AngularScene s;
    ErrorCatcher errors;
    s.axis->startAngle.setValue(c.start);
    s.axis->endAngle.setValue(c.end);
    s.axis->radius.setValue(c.radius);
    s.axis->angleStep.setValue(c.step);
    s.probe();
    EXPECT_EQ(errors.count(), 1) << c.what;
    EXPECT_TRUE(errors.contains(c.what)) << c.what;
    EXPECT_EQ(s.axis->getPart("body", FALSE), nullptr) << c.what;
    EXPECT_EQ(s.axis->getPart("mainGradText", FALSE), nullptr) << c.what;
  }
  // A step so small it would make millions of graduations: a message, the arc alone.
  AngularScene s;
  ErrorCatcher errors;
  s.axis->angleStep.setValue(1e-7f);
  s.probe();
  EXPECT_EQ(errors.count(), 1);
  EXPECT_NE(s.axis->getPart("body", FALSE), nullptr);
  EXPECT_EQ(s.axis->getPart("mainGradText", FALSE), nullptr);
}

} // namespace
