// The radial axes of polar charts through what they build: the linear and decade graduations
// along a turned ray, circular grid lines at their radii (arcs or full circles), the radial
// offset, the multiplication factor, text paths by angle, bad input and files.
#include "axes/AxisScene.h"
#include "support/ErrorCatcher.h"
#include "support/SceneText.h"

#include <Gridlux/axes/PoPolarLinAxis.h>
#include <Gridlux/axes/PoPolarLogAxis.h>

#include <Inventor/nodekits/SoNodekitCatalog.h>

#include <gtest/gtest.h>

#include <limits>
#include <map>

namespace {

typedef AxisSceneOf<PoPolarLinAxis> LinScene;
typedef AxisSceneOf<PoPolarLogAxis> LogScene;

const float kPi = float(M_PI);

template <class Axis>
std::vector<float> mainCoords(Axis* axis)
{
  const float* c = nullptr;
  const int n = axis->getMainGradCoords(c);
  return std::vector<float>(c, c + n);
}

template <class Axis>
std::vector<float> subCoords(Axis* axis)
{
  const float* c = nullptr;
  const int n = axis->getSubGradCoords(c);
  return std::vector<float>(c, c + n);
}

float radiusOf(const SbVec3f& p) { return std::hypot(p[0], p[1]); }

// Grid segments gathered by the radius of the circle they lie on: every vertex must lie at
// one of @p radii (1e-5 relative); returns the length drawn at each radius.
std::map<int, double> lengthPerRadius(const GeometryProbe& probe, const std::vector<float>& radii)
{
  std::map<int, double> out;
  for (const GeometryProbe::Segment& seg : probe.segments()) {
    int found = -1;
    for (size_t i = 0; i < radii.size(); ++i)
      if (std::fabs(radiusOf(seg.a) - radii[i]) <= 1e-5f * radii[i] &&
          std::fabs(radiusOf(seg.b) - radii[i]) <= 1e-5f * radii[i])
        found = int(i);
    EXPECT_GE(found, 0) << "a vertex off every circle, at " << radiusOf(seg.a);
    out[found] += seg.length();
  }
  return out;
}

TEST(PolarAxisClasses, RegisteredWithTheirPartsFieldsAndConstructors)
{
  PoGridlux::init();
  const SoType polar = SoType::fromName("PoPolarAxis");
  ASSERT_FALSE(polar.isBad());
  EXPECT_EQ(polar.getParent(), SoType::fromName("PoAxis"));
  EXPECT_FALSE(polar.canCreateInstance());
  expectCreatable("PoPolarLinAxis", "PoPolarAxis");
  expectCreatable("PoPolarLogAxis", "PoPolarAxis");

  PoPolarLinAxis* lin = new PoPolarLinAxis;
  lin->ref();
  const SoFieldData* fields = static_cast<const SoFieldContainer*>(lin)->getFieldData();
  const char* const own[] = {"offset", "startRadius", "endRadius", "theta",
                             "multFactorPosition", "multFactorDistAxis", "step", "gradFit"};
  const int first = fields->getNumFields() - 8;
  for (int i = 0; i < 8; ++i)
    EXPECT_EQ(fields->getFieldName(first + i), SbName(own[i]));
  EXPECT_EQ(lin->endRadius.getValue(), 1.0f);
  EXPECT_EQ(lin->multFactorPosition.getValue(), PoPolarAxis::MULT_FACTOR_END);
  EXPECT_EQ(lin->gradFit.getValue(), PoPolarLinAxis::GRAD_UNFIT);
  EXPECT_EQ(lin->getNodekitCatalog()->getType("multFactor"), SoGroup::getClassTypeId());
  lin->unref();

  PoPolarLogAxis* log = new PoPolarLogAxis;
  log->ref();
  const SoNodekitCatalog* catalog = log->getNodekitCatalog();
  EXPECT_EQ(catalog->getType("decadeTextSep"), SoSeparator::getClassTypeId());
  EXPECT_EQ(catalog->getParentName("decadeText"), SbName("decadeTextSep"));
  EXPECT_LT(catalog->getPartNumber("multFactorSep"), catalog->getPartNumber("decadeTextSep"));
  ASSERT_EQ(log->decadeList.getNum(), 1);
  EXPECT_EQ(log->decadeList[0], 2);
  EXPECT_EQ(log->tenPowerRep.getValue(), PoPolarLogAxis::TEN_POWER_POW10);
  log->unref();

  PoPolarLinAxis* placed = new PoPolarLinAxis(1.0f, 3.0f, 0.5f, 0.25f, 0.5f);
  placed->ref();
  EXPECT_EQ(placed->startRadius.getValue(), 1.0f);
  EXPECT_EQ(placed->endRadius.getValue(), 3.0f);
  EXPECT_EQ(placed->theta.getValue(), 0.5f);
  EXPECT_EQ(placed->offset.getValue(), 0.25f);
  EXPECT_EQ(placed->step.getValue(), 0.5f);
  placed->unref();
}

TEST(PolarAxisClasses, FieldsSurviveAFile)
{
  LinScene lin;
  lin.axis->startRadius.setValue(2.0f);
  lin.axis->endRadius.setValue(7.0f);
  lin.axis->theta.setValue(0.75f);
  lin.axis->offset.setValue(-1.5f);
  lin.axis->step.setValue(0.5f);
  lin.axis->multFactorPosition.setValue(PoPolarAxis::MULT_FACTOR_GRAD);
  LogScene log;
  log.axis->endRadius.setValue(3.0f);
  log.axis->decadeListDef.setValue(PoPolarLogAxis::DECADE_LIST_NON_AUTO);
  const unsigned short list[] = {3, 6};
  log.axis->decadeList.setValues(0, 2, list);
  log.axis->decadeRep.setValue(PoPolarLogAxis::DECADE_DIGIT);
  lin.root->addChild(log.axis);
  lin.probe();
  SoSeparator* back = readBackWithoutBuiltGeometry(lin.root);
  lin.root->removeChild(1);
  ASSERT_NE(back, nullptr);
  ASSERT_EQ(back->getNumChildren(), 2);
  ASSERT_TRUE(back->getChild(0)->isOfType(PoPolarLinAxis::getClassTypeId()));
  ASSERT_TRUE(back->getChild(1)->isOfType(PoPolarLogAxis::getClassTypeId()));
  PoPolarLinAxis* readLin = static_cast<PoPolarLinAxis*>(back->getChild(0));
  EXPECT_FLOAT_EQ(readLin->startRadius.getValue(), 2.0f);
  EXPECT_FLOAT_EQ(readLin->endRadius.getValue(), 7.0f);
  EXPECT_FLOAT_EQ(readLin->theta.getValue(), 0.75f);
  EXPECT_FLOAT_EQ(readLin->offset.getValue(), -1.5f);
  EXPECT_FLOAT_EQ(readLin->step.getValue(), 0.5f);
  EXPECT_EQ(readLin->multFactorPosition.getValue(), PoPolarAxis::MULT_FACTOR_GRAD);
  PoPolarLogAxis* readLog = static_cast<PoPolarLogAxis*>(back->getChild(1));
  EXPECT_FLOAT_EQ(readLog->endRadius.getValue(), 3.0f);
  ASSERT_EQ(readLog->decadeList.getNum(), 2);
  EXPECT_EQ(readLog->decadeList[1], 6);
  EXPECT_EQ(readLog->decadeListDef.getValue(), PoPolarLogAxis::DECADE_LIST_NON_AUTO);
  EXPECT_EQ(readLog->decadeRep.getValue(), PoPolarLogAxis::DECADE_DIGIT);
  back->unref();
}

TEST(PolarLinAxis, GraduatesTheRayAndLabelsAlongIt)
{
  LinScene s(PbDomain(-1, -1, 0, 1, 1, 1)); // 2 wide
  s.axis->theta.setValue(0.6f);
  EXPECT_EQ(s.texts("mainGradText"),
            (std::vector<std::string>{"0.0", "0.2", "0.4", "0.6", "0.8", "1.0"}));
  EXPECT_FLOAT_EQ(s.axis->getStep(), 0.2f);
  // The body runs along the ray at theta from 0 to 1.
  const GeometryProbe body = s.partProbe("body");
  ASSERT_EQ(body.segments().size(), 1u);
  const SbVec3f tip = radiusOf(body.segments()[0].a) > 0.5f ? body.segments()[0].a
                                                             : body.segments()[0].b;
  EXPECT_NEAR(tip[0], std::cos(0.6f), 1e-6f);
  EXPECT_NEAR(tip[1], std::sin(0.6f), 1e-6f);
  // Ticks stand across the ray at each graduation's distance.
  const GeometryProbe ticks = s.partProbe("mainGradTick");
  ASSERT_EQ(ticks.segments().size(), 6u);
  for (size_t i = 0; i < 6; ++i) {
    const SbVec3f mid = 0.5f * (ticks.segments()[i].a + ticks.segments()[i].b);
    const SbVec3f d = ticks.segments()[i].b - ticks.segments()[i].a;
    EXPECT_NEAR(d[0] * std::cos(0.6f) + d[1] * std::sin(0.6f), 0.0f, 1e-6f); // across
    EXPECT_NEAR(mid[0] * std::cos(0.6f) + mid[1] * std::sin(0.6f), 0.2f * i, 1e-5f);
  }

  // A larger range takes out a power of ten, shown beyond the end.
  s.axis->endRadius.setValue(50000.0f);
  s.probe();
  EXPECT_NE(s.axis->getTenPower(), 0);
  EXPECT_NE(s.axis->getPart("multFactor", FALSE), nullptr);
  PoPolarAxis::MultFactorPosition position;
  float dist;
  s.axis->getMultFactor(position, dist);
  EXPECT_EQ(position, PoPolarAxis::MULT_FACTOR_END);
  EXPECT_GT(dist, 0.0f);
  s.axis->multFactorPosition.setValue(PoPolarAxis::MULT_FACTOR_GRAD);
  s.probe();
  EXPECT_EQ(s.axis->getPart("multFactor", FALSE), nullptr);
  EXPECT_NE(s.texts("mainGradText").back().find('E'), std::string::npos);
}

TEST(PolarLinAxis, GridCirclesAtTheirRadii)
{
  LinScene s(PbDomain(-1, -1, 0, 1, 1, 1));
  s.axis->theta.setValue(2.0f);
  s.axis->gridVisibility.setValue(PoAxis::VISIBILITY_ON);
  s.axis->tickSubDef.setValue(PoAxis::NUM_SUB_TICK);
  s.axis->tickNumOrPeriod.setValue(1);
  const std::vector<float> radii = {0.2f, 0.4f, 0.6f, 0.8f, 1.0f};

  // By default an arc of 1 radian away from the labels; the centre has none.
  std::map<int, double> drawn = lengthPerRadius(s.partProbe("mainGradGrid"), radii);
  ASSERT_EQ(drawn.size(), 5u);
  for (const auto& d : drawn)
    EXPECT_NEAR(d.second, radii[d.first] * 1.0, 1e-3 * radii[d.first]);

  // Lengths adding up to a whole turn close the circles.
  s.axis->gridLengthGradOtherSide.setValue(4.0f);
  s.axis->gridLengthGradSide.setValue(2.3f);
  drawn = lengthPerRadius(s.partProbe("mainGradGrid"), radii);
  ASSERT_EQ(drawn.size(), 5u);
  for (const auto& d : drawn)
    EXPECT_NEAR(d.second, 2.0 * M_PI * radii[d.first], 1e-3 * radii[d.first]);
  // Sub graduations get theirs in their own part, halfway between.
  const std::vector<float> halves = {0.1f, 0.3f, 0.5f, 0.7f, 0.9f};
  EXPECT_EQ(lengthPerRadius(s.partProbe("subGradGrid"), halves).size(), 5u);

  // Below a whole turn, the arc sweeps each length on its side of the ray: the labels lie
  // below (clockwise), so the arc goes from theta - 1 to theta + 0.5.
  s.axis->gridLengthGradOtherSide.setValue(0.5f);
  s.axis->gridLengthGradSide.setValue(1.0f);
  const GeometryProbe arcs = s.partProbe("mainGradGrid");
  for (const GeometryProbe::Segment& seg : arcs.segments()) {
    const float a = std::atan2(seg.a[1], seg.a[0]);
    EXPECT_GE(a, 2.0f - 1.0f - 1e-4f);
    EXPECT_LE(a, 2.0f + 0.5f + 1e-4f);
  }
  EXPECT_NEAR(arcs.length(), 1.5 * (0.2 + 0.4 + 0.6 + 0.8 + 1.0), 1e-3);
}

TEST(PolarLinAxis, OffsetShiftsTheRadiiAndPathsFollowTheAngle)
{
  LinScene s(PbDomain(-10, -10, 0, 10, 10, 1));
  s.axis->startRadius.setValue(-2.0f);
  s.axis->endRadius.setValue(8.0f);
  s.axis->offset.setValue(2.0f);
  s.axis->theta.setValue(-0.3f);
  s.axis->gridVisibility.setValue(PoAxis::VISIBILITY_ON);
  s.axis->gridLengthGradOtherSide.setValue(7.0f);
  s.probe();
  const std::vector<float> coords = mainCoords(s.axis);
  ASSERT_FALSE(coords.empty());
  std::vector<float> radii;
  for (float c : coords)
    if (c + 2.0f > 0.0f)
      radii.push_back(c + 2.0f);
  const std::map<int, double> drawn = lengthPerRadius(s.partProbe("mainGradGrid"), radii);
  EXPECT_EQ(drawn.size(), radii.size());

  // Text paths: the one reading closest to left to right once turned.
  PoAxis::Visibility v;
  PoAxis::GradPosition p;
  PoAxis::TextPath path;
  SbString font, add;
  float size, dist;
  SbBool addOn;
  const struct {
    float theta;
    PoAxis::TextPath path;
  } rows[] = {{0.0f, PoAxis::PATH_RIGHT}, {0.5f * kPi, PoAxis::PATH_DOWN},
              {kPi, PoAxis::PATH_LEFT},   {-0.5f * kPi, PoAxis::PATH_UP},
              {0.7f, PoAxis::PATH_RIGHT}};
  for (const auto& row : rows) {
    s.axis->theta.setValue(row.theta);
    s.probe();
    s.axis->getGrad(v, p, path, font, size, dist, addOn, add);
    EXPECT_EQ(path, row.path) << row.theta;
    // Whatever the path, the glyphs read with the world's +x more than against it (the
    // frames are the axis frame's, turned by theta in the domain).
    for (const auto& frame : s.textFrames("mainGradText")) {
      const float worldX = std::cos(row.theta) * frame.reading[0] -
                           std::sin(row.theta) * frame.reading[1];
      EXPECT_GT(worldX, 0.7f) << row.theta;
    }
  }
}

TEST(PolarLogAxis, DecadesAlongTheRayWithCirclesAtEveryGraduation)
{
  LogScene s(PbDomain(-4, -4, 0, 4, 4, 1));
  s.axis->startRadius.setValue(-1.0f);
  s.axis->endRadius.setValue(2.0f);
  s.axis->offset.setValue(1.0f);
  s.axis->tenPowerRep.setValue(PoPolarLogAxis::TEN_POWER_DECIMAL);
  s.axis->gridVisibility.setValue(PoAxis::VISIBILITY_ON);
  s.axis->gridLengthGradOtherSide.setValue(2.0f * kPi);
  EXPECT_EQ(s.texts("mainGradText"), (std::vector<std::string>{"0.1", "1", "10", "100"}));
  EXPECT_EQ(mainCoords(s.axis), (std::vector<float>{-1, 0, 1, 2}));
  // Four decades: sub graduations at 2, 4, 6 and 8 times each of the first three.
  std::vector<float> expected;
  for (int k = -1; k <= 1; ++k)
    for (int d : {2, 4, 6, 8})
      expected.push_back(float(k + std::log10(double(d))));
  const std::vector<float> subs = subCoords(s.axis);
  ASSERT_EQ(subs.size(), expected.size());
  for (size_t i = 0; i < subs.size(); ++i)
    EXPECT_NEAR(subs[i], expected[i], 1e-6f);

  // Main circles at 1, 2 and 3 (decade + offset; the first decade stands at the centre),
  // sub circles at k + log10(d) + 1, all full turns.
  const std::vector<float> mainRadii = {1.0f, 2.0f, 3.0f};
  std::map<int, double> drawn = lengthPerRadius(s.partProbe("mainGradGrid"), mainRadii);
  ASSERT_EQ(drawn.size(), 3u);
  for (const auto& d : drawn)
    EXPECT_NEAR(d.second, 2.0 * M_PI * mainRadii[d.first], 1e-3 * mainRadii[d.first]);
  std::vector<float> subRadii;
  for (float x : expected)
    subRadii.push_back(x + 1.0f);
  EXPECT_EQ(lengthPerRadius(s.partProbe("subGradGrid"), subRadii).size(), subRadii.size());

  // The decade labels and their forms are those of the log axis.
  s.axis->decadeRep.setValue(PoPolarLogAxis::DECADE_DIGIT);
  s.axis->gradFontSize.setValue(0.01f);
  s.axis->decadeFontSize.setValue(0.005f); // given: every one drawn
  EXPECT_EQ(s.texts("decadeText").size(), expected.size());
  EXPECT_EQ(s.texts("decadeText").front(), "2");
  EXPECT_EQ(s.axis->getLogGrad().numDecades, 4);
  EXPECT_EQ(s.axis->getPart("multFactor", FALSE), nullptr);
}

TEST(PolarAxisInput, BadValuesBuildNothingWithAMessage)
{
  const float nan = std::numeric_limits<float>::quiet_NaN();
  struct Case {
    const char* what;
    float start, end, theta, offset;
  };
  const Case cases[] = {{"radii", 0, nan, 0, 0},       {"radii", nan, 1, 0, 0},
                        {"endRadius", 1, 1, 0, 0},     {"endRadius", 2, 1, 0, 0},
                        {"theta", 0, 1, nan, 0},       {"offset", 0, 1, 0, nan},
                        {"negative", -1, 1, 0, 0.5f}};
  for (const Case& c : cases) {
    LinScene lin;
    LogScene log;
    PoPolarAxis* const axes[] = {lin.axis, log.axis};
    for (PoPolarAxis* axis : axes) {
      ErrorCatcher errors;
      axis->startRadius.setValue(c.start);
      axis->endRadius.setValue(c.end);
      axis->theta.setValue(c.theta);
      axis->offset.setValue(c.offset);
      axis->gridVisibility.setValue(PoAxis::VISIBILITY_ON);
      GeometryProbe probe(axis);
      EXPECT_EQ(errors.count(), 1) << c.what;
      EXPECT_TRUE(errors.contains(c.what)) << c.what;
      EXPECT_TRUE(probe.empty()) << c.what;
      EXPECT_EQ(axis->getPart("body", FALSE), nullptr) << c.what;
      EXPECT_EQ(axis->getPart("mainGradGrid", FALSE), nullptr) << c.what;
    }
  }
}

} // namespace
