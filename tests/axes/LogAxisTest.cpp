// The log axis through what it builds: decades and sub graduations against log10 of the
// digits, the label forms read back from the text nodes, raised exponents, labels apart, the
// decade list given by the user (with its bad digits), and files.
#include "axes/AxisScene.h"
#include "support/ErrorCatcher.h"
#include "support/SceneText.h"

#include <Gridlux/axes/PoLogAxis.h>

#include <Inventor/nodekits/SoNodekitCatalog.h>
#include <Inventor/nodes/SoFont.h>

#include <gtest/gtest.h>

#include <limits>

namespace {

typedef AxisSceneOf<PoLogAxis> LogScene;

std::vector<float> mainCoords(PoLogAxis* axis)
{
  const float* c = nullptr;
  const int n = axis->getMainGradCoords(c);
  return std::vector<float>(c, c + n);
}

std::vector<float> subCoords(PoLogAxis* axis)
{
  const float* c = nullptr;
  const int n = axis->getSubGradCoords(c);
  return std::vector<float>(c, c + n);
}

// Positions along the axis of the ticks drawn in one part (axis frame).
std::vector<float> tickPositions(PoLogAxis* axis, const char* part)
{
  return tickPositionsOf(axis->getPart(part, FALSE));
}

// Coordinates k + log10(d) for the decades k of [k0, k1) and the digits given, plus those of
// the decade below k0 and after k1 that lie within [a, b].
std::vector<float> expectedSubs(float a, float b, int k0, int k1, std::vector<int> digits)
{
  std::vector<float> out;
  for (int k = k0 - 1; k <= k1; ++k)
    for (int d : digits) {
      const double x = k + std::log10(double(d));
      if (x >= a - 1e-6 && x <= b + 1e-6)
        out.push_back(float(x));
    }
  std::sort(out.begin(), out.end());
  return out;
}

// Boxes of whole labels: in power form a label is two texts, the base and its exponent.
std::vector<SbBox3f> labelBoxes(LogScene& s, const char* part, bool powerForm)
{
  const std::vector<SbBox3f> texts = s.textBoxes(part);
  if (!powerForm)
    return texts;
  std::vector<SbBox3f> out;
  for (size_t i = 0; i + 1 < texts.size(); i += 2) {
    SbBox3f box = texts[i];
    box.extendBy(texts[i + 1]);
    out.push_back(box);
  }
  return out;
}

bool overlapXY(const SbBox3f& p, const SbBox3f& q)
{
  return p.getMin()[0] < q.getMax()[0] && q.getMin()[0] < p.getMax()[0] &&
         p.getMin()[1] < q.getMax()[1] && q.getMin()[1] < p.getMax()[1];
}

TEST(LogAxisClasses, RegisteredWithItsPartsFieldsAndConstructor)
{
  PoGridlux::init();
  const SoType type = SoType::fromName("PoLogAxis");
  ASSERT_FALSE(type.isBad());
  EXPECT_EQ(type.getParent(), SoType::fromName("PoCartesianAxis"));
  EXPECT_TRUE(type.canCreateInstance());

  PoLogAxis* axis = new PoLogAxis;
  axis->ref();
  const SoNodekitCatalog* catalog = axis->getNodekitCatalog();
  for (const char* piece : {"multFactor", "decadeText", "mainGradText", "subGradTick"}) {
    const std::string name(piece);
    EXPECT_EQ(catalog->getType(SbName((name + "Sep").c_str())), SoSeparator::getClassTypeId());
    EXPECT_EQ(catalog->getParentName(SbName(piece)), SbName((name + "Sep").c_str()));
    EXPECT_EQ(catalog->getType(SbName(piece)), SoGroup::getClassTypeId());
  }
  EXPECT_LT(catalog->getPartNumber("multFactorSep"), catalog->getPartNumber("decadeTextSep"));

  // The log axis's own fields follow the inherited ones, in this order.
  const SoFieldData* fields = static_cast<const SoFieldContainer*>(axis)->getFieldData();
  const char* const own[] = {"decadeList",   "decadeListDef",  "tenPowerRep",
                             "decadeRep",    "decadeFontName", "decadeFontSize",
                             "multFactorPosition", "multFactorDistAxis"};
  const int first = fields->getNumFields() - 8;
  for (int i = 0; i < 8; ++i)
    EXPECT_EQ(fields->getFieldName(first + i), SbName(own[i]));
  int typeIndex = -1;
  for (int i = 0; i < first; ++i)
    if (fields->getFieldName(i) == SbName("type"))
      typeIndex = i;
  EXPECT_GE(typeIndex, 0);
  ASSERT_EQ(axis->decadeList.getNum(), 1);
  EXPECT_EQ(axis->decadeList[0], 2);
  EXPECT_EQ(axis->decadeListDef.getValue(), PoLogAxis::DECADE_LIST_AUTO);
  EXPECT_EQ(axis->tenPowerRep.getValue(), PoLogAxis::TEN_POWER_POW10);
  EXPECT_EQ(axis->decadeRep.getValue(), PoLogAxis::DECADE_NONE);
  EXPECT_EQ(axis->multFactorPosition.getValue(), PoLogAxis::MULT_FACTOR_END);
  axis->unref();

  const unsigned short list[] = {2, 5};
  PoLogAxis* placed = new PoLogAxis(SbVec3f(1, -3, 0), 2.0f, PoCartesianAxis::YX,
                                    PoLogAxis::DECADE_LIST_NON_AUTO, list, 2, 0.02f);
  placed->ref();
  EXPECT_EQ(placed->start.getValue(), SbVec3f(1, -3, 0));
  EXPECT_EQ(placed->end.getValue(), 2.0f);
  EXPECT_EQ(placed->type.getValue(), PoCartesianAxis::YX);
  EXPECT_EQ(placed->decadeListDef.getValue(), PoLogAxis::DECADE_LIST_NON_AUTO);
  ASSERT_EQ(placed->decadeList.getNum(), 2);
  EXPECT_EQ(placed->decadeList[1], 5);
  EXPECT_FLOAT_EQ(placed->decadeFontSize.getValue(), 0.02f);
  placed->unref();
}

TEST(LogAxisClasses, FieldsSurviveAFileAndBuiltPartsStayOut)
{
  LogScene s;
  s.axis->end.setValue(-4.0f);
  s.axis->type.setValue(PoCartesianAxis::YX);
  s.axis->decadeListDef.setValue(PoLogAxis::DECADE_LIST_NON_AUTO);
  const unsigned short list[] = {3, 5, 7};
  s.axis->decadeList.setValues(0, 3, list);
  s.axis->tenPowerRep.setValue(PoLogAxis::TEN_POWER_AUTO);
  s.axis->decadeRep.setValue(PoLogAxis::DECADE_DIGIT);
  s.axis->decadeFontName.setValue("DejaVu Sans:Bold");
  s.axis->decadeFontSize.setValue(0.025f);
  s.axis->multFactorPosition.setValue(PoLogAxis::MULT_FACTOR_START);
  s.probe();
  ASSERT_NE(s.axis->getPart("decadeText", FALSE), nullptr);
  const std::string text = writeToString(s.root);
  EXPECT_EQ(text.find("Text3"), std::string::npos);

  ErrorCatcher errors(ErrorCatcher::ALL);
  SoSeparator* back = readFromString(text);
  ASSERT_NE(back, nullptr);
  back->ref();
  EXPECT_EQ(errors.count(), 0);
  ASSERT_TRUE(back->getChild(0)->isOfType(PoLogAxis::getClassTypeId()));
  PoLogAxis* read = static_cast<PoLogAxis*>(back->getChild(0));
  EXPECT_EQ(read->end.getValue(), -4.0f);
  EXPECT_EQ(read->type.getValue(), PoCartesianAxis::YX);
  EXPECT_EQ(read->decadeListDef.getValue(), PoLogAxis::DECADE_LIST_NON_AUTO);
  ASSERT_EQ(read->decadeList.getNum(), 3);
  EXPECT_EQ(read->decadeList[2], 7);
  EXPECT_EQ(read->tenPowerRep.getValue(), PoLogAxis::TEN_POWER_AUTO);
  EXPECT_EQ(read->decadeRep.getValue(), PoLogAxis::DECADE_DIGIT);
  EXPECT_STREQ(read->decadeFontName.getValue().getString(), "DejaVu Sans:Bold");
  EXPECT_FLOAT_EQ(read->decadeFontSize.getValue(), 0.025f);
  EXPECT_EQ(read->multFactorPosition.getValue(), PoLogAxis::MULT_FACTOR_START);
  back->unref();
}

// One axis span, the decades it holds and the digits chosen for them.
struct GradRow {
  float start, end;
  int k0, k1;
  std::vector<int> digits;
};

class LogAxisGraduation : public testing::TestWithParam<GradRow> {};

TEST_P(LogAxisGraduation, DecadesOnIntegersAndSubsAtTheLogOfTheirDigits)
{
  const GradRow& row = GetParam();
  LogScene s(PbDomain(-50, -50, -50, 50, 50, 50));
  s.axis->start.setValue(row.start, 0, 0);
  s.axis->end.setValue(row.end);
  ErrorCatcher errors;
  s.probe();
  EXPECT_EQ(errors.count(), 0);

  std::vector<float> mains;
  for (int k = row.k0; k <= row.k1; ++k)
    mains.push_back(float(k));
  const std::vector<float> subs =
      expectedSubs(std::min(row.start, row.end), std::max(row.start, row.end), row.k0, row.k1,
                   row.digits);

  // The coordinates kept by the axis and the ticks drawn agree with them.
  const std::vector<float> gotMains = mainCoords(s.axis), gotSubs = subCoords(s.axis);
  const std::vector<float> mainTicks = tickPositions(s.axis, "mainGradTick");
  const std::vector<float> subTicks = tickPositions(s.axis, "subGradTick");
  ASSERT_EQ(gotMains.size(), mains.size());
  ASSERT_EQ(mainTicks.size(), mains.size());
  for (size_t i = 0; i < mains.size(); ++i) {
    EXPECT_NEAR(gotMains[i], mains[i], 1e-6f);
    EXPECT_NEAR(mainTicks[i], mains[i], 1e-5f);
  }
  ASSERT_EQ(gotSubs.size(), subs.size());
  ASSERT_EQ(subTicks.size(), subs.size());
  for (size_t i = 0; i < subs.size(); ++i) {
    EXPECT_NEAR(gotSubs[i], subs[i], 1e-6f);
    EXPECT_NEAR(subTicks[i], subs[i], 1e-5f);
  }
  if (mains.empty()) {
    EXPECT_EQ(s.axis->getPart("mainGradTick", FALSE), nullptr);
    EXPECT_EQ(s.axis->getPart("mainGradText", FALSE), nullptr);
    EXPECT_EQ(s.axis->getPart("subGradTick", FALSE), nullptr);
  }
  else
    EXPECT_EQ(s.texts("mainGradText").size(), 2 * mains.size()); // "10" and its exponent

  int num;
  const unsigned short* digits;
  PoLogAxis::TenPowGradRep tenPower;
  PoLogAxis::DecadeRep decade;
  SbString font;
  float size;
  s.axis->getLogGrad(num, digits, tenPower, decade, font, size);
  ASSERT_EQ(num, int(mains.empty() ? 0 : row.digits.size()));
  for (int i = 0; i < num; ++i)
    EXPECT_EQ(digits[i], row.digits[i]);
}

const std::vector<int> kAll = {2, 3, 4, 5, 6, 7, 8, 9};
INSTANTIATE_TEST_SUITE_P(
    Spans, LogAxisGraduation,
    testing::Values(GradRow{0, 3, 0, 3, {2, 4, 6, 8}},           // 4 decades
                    GradRow{3, 0, 0, 3, {2, 4, 6, 8}},           // the same, decreasing
                    GradRow{-6, 0, -6, 0, {3, 6, 9}},            // 7 decades
                    GradRow{0.5f, 0.9f, 0, -1, {}},              // no whole decade inside
                    GradRow{0.2f, 2.5f, 1, 2, kAll},             // partial decades at both ends
                    GradRow{-1.5f, -1.2f, 0, -1, {}},            // inside one decade
                    GradRow{0, 2, 0, 2, {2, 4, 6, 8}},           // 3 decades
                    GradRow{0, 1, 0, 1, kAll},                   // 2 decades
                    GradRow{-4, 4, -4, 4, {4, 8}},               // 9
                    GradRow{0, 15, 0, 15, {4, 8}},               // 16
                    GradRow{0, 16, 0, 16, {5}},                  // 17
                    GradRow{-16, 15, -16, 15, {5}},              // 32
                    GradRow{-16, 16, -16, 16, {}},               // 33: no subs
                    GradRow{-20, 20, -20, 20, {}}));

TEST(LogAxisGraduations, MarginsAndTickSelectionShapeTheDecades)
{
  // A relative margin of 0.1 on 0..4 leaves [0.4, 3.6]: decades 1..3 (digits 2 4 6 8), the
  // subs from 0.4 up to 3.6.
  LogScene s;
  s.axis->end.setValue(4.0f);
  s.axis->marginStart.setValue(0.1f);
  s.axis->marginEnd.setValue(0.1f);
  s.probe();
  EXPECT_EQ(mainCoords(s.axis), (std::vector<float>{1, 2, 3}));
  const std::vector<float> subs = subCoords(s.axis);
  ASSERT_FALSE(subs.empty());
  EXPECT_NEAR(subs.front(), std::log10(4.0f), 1e-6f);
  EXPECT_NEAR(subs.back(), 3.0f + std::log10(2.0f), 1e-6f);

  // Every other decade labelled from the second: 0, 2 and 4 become sub ticks.
  s.axis->marginStart.setValue(0.0f);
  s.axis->marginEnd.setValue(0.0f);
  s.axis->tickSubDef.setValue(PoAxis::PERIOD_MAIN_TICK);
  s.axis->tickNumOrPeriod.setValue(2);
  s.axis->tickFirstGrad.setValue(2);
  s.axis->tenPowerRep.setValue(PoLogAxis::TEN_POWER_DECIMAL);
  EXPECT_EQ(s.texts("mainGradText"), (std::vector<std::string>{"10", "1000"}));
  const std::vector<float> withDemoted = subCoords(s.axis);
  for (float k : {0.0f, 2.0f, 4.0f})
    EXPECT_EQ(std::count(withDemoted.begin(), withDemoted.end(), k), 1) << k;

  // Tick lengths follow the count of decades: five of them are a sparse axis, however many
  // sub ticks stand between.
  PoAxis::Visibility visibility;
  PoAxis::TickPosition position;
  float mainLength, subLength;
  PoAxis::TickSubDef def;
  int period, firstGrad, lastGrad;
  s.axis->getTick(visibility, position, mainLength, subLength, def, period, firstGrad,
                  lastGrad);
  EXPECT_FLOAT_EQ(mainLength, 0.025f);
}

TEST(LogAxisLabels, MainLabelsAsDecimalsOrPowersOfTen)
{
  LogScene s;
  s.axis->end.setValue(3.0f);
  s.axis->tenPowerRep.setValue(PoLogAxis::TEN_POWER_DECIMAL);
  const std::vector<std::string> decimal = {"1", "10", "100", "1000"};
  EXPECT_EQ(s.texts("mainGradText"), decimal);
  s.axis->tenPowerRep.setValue(PoLogAxis::TEN_POWER_AUTO);
  EXPECT_EQ(s.texts("mainGradText"), decimal);
  s.axis->tenPowerRep.setValue(PoLogAxis::TEN_POWER_POW10);
  EXPECT_EQ(s.texts("mainGradText"),
            (std::vector<std::string>{"10", "0", "10", "1", "10", "2", "10", "3"}));

  // Below one: as many decimals as the exponent asks.
  s.axis->start.setValue(-2, 0, 0);
  s.axis->end.setValue(0.0f);
  s.axis->tenPowerRep.setValue(PoLogAxis::TEN_POWER_DECIMAL);
  EXPECT_EQ(s.texts("mainGradText"), (std::vector<std::string>{"0.01", "0.1", "1"}));

  // A unit goes after decimal labels only.
  s.axis->gradAddStringVisibility.setValue(TRUE);
  s.axis->gradAddString.setValue(" Hz");
  EXPECT_EQ(s.texts("mainGradText"), (std::vector<std::string>{"0.01 Hz", "0.1 Hz", "1 Hz"}));

  // Beyond [-4, 4] the automatic form is the power of ten.
  s.axis->start.setValue(-6, 0, 0);
  s.axis->tenPowerRep.setValue(PoLogAxis::TEN_POWER_AUTO);
  const std::vector<std::string> power = s.texts("mainGradText");
  ASSERT_EQ(power.size(), 14u);
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(power[2 * i], "10");
    EXPECT_EQ(power[2 * i + 1], std::to_string(i - 6));
  }
  s.axis->start.setValue(-4, 0, 0);
  s.axis->end.setValue(4.0f);
  EXPECT_EQ(s.texts("mainGradText").front(), "0.0001 Hz");
  EXPECT_EQ(s.axis->getPart("multFactor", FALSE), nullptr); // nothing to take out, ever
}

TEST(LogAxisLabels, DecadeLabelsInEachForm)
{
  LogScene s;
  s.axis->start.setValue(-1, 0, 0);
  s.axis->end.setValue(1.0f);
  s.axis->decadeListDef.setValue(PoLogAxis::DECADE_LIST_NON_AUTO);
  const unsigned short list[] = {5, 2};
  s.axis->decadeList.setValues(0, 2, list);
  s.axis->gradFontSize.setValue(0.01f); // room for every decade label
  s.probe();
  EXPECT_EQ(s.axis->getPart("decadeText", FALSE), nullptr);

  s.axis->decadeRep.setValue(PoLogAxis::DECADE_DECIMAL);
  EXPECT_EQ(s.texts("decadeText"), (std::vector<std::string>{"0.2", "0.5", "2", "5"}));
  s.axis->decadeRep.setValue(PoLogAxis::DECADE_AUTO);
  EXPECT_EQ(s.texts("decadeText"), (std::vector<std::string>{"0.2", "0.5", "2", "5"}));
  s.axis->decadeRep.setValue(PoLogAxis::DECADE_DIGIT);
  s.axis->gradAddStringVisibility.setValue(TRUE);
  s.axis->gradAddString.setValue("x");
  EXPECT_EQ(s.texts("decadeText"), (std::vector<std::string>{"2x", "5x", "2x", "5x"}));
  s.axis->decadeRep.setValue(PoLogAxis::DECADE_AS_TEN_POWER);
  EXPECT_EQ(s.texts("decadeText"),
            (std::vector<std::string>{"2.10", "-1", "5.10", "-1", "2.10", "0", "5.10", "0"}));

  // Sub graduations beyond [-4, 4] fall back to the power form.
  s.axis->start.setValue(3, 0, 0);
  s.axis->end.setValue(5.0f);
  s.axis->decadeRep.setValue(PoLogAxis::DECADE_AUTO);
  EXPECT_EQ(s.texts("decadeText"),
            (std::vector<std::string>{"2.10", "3", "5.10", "3", "2.10", "4", "5.10", "4"}));
  s.axis->start.setValue(2, 0, 0);
  s.axis->end.setValue(4.0f);
  EXPECT_EQ(s.texts("decadeText"),
            (std::vector<std::string>{"200x", "500x", "2000x", "5000x"}));

  // Their own font, in decadeTextApp.
  s.axis->decadeFontName.setValue("DejaVu Serif");
  s.probe();
  SoFont* font = static_cast<SoFont*>(s.axis->getPart("decadeTextApp.font", FALSE));
  ASSERT_NE(font, nullptr);
  EXPECT_STREQ(font->name.getValue().getString(), "DejaVu Serif");
  int num;
  const unsigned short* digits;
  PoLogAxis::TenPowGradRep tenPower;
  PoLogAxis::DecadeRep decade;
  SbString name;
  float size;
  s.axis->getLogGrad(num, digits, tenPower, decade, name, size);
  EXPECT_STREQ(name.getString(), "DejaVu Serif");
  EXPECT_NEAR(size * 10.0f, font->size.getValue(), 1e-5f); // the resolved size, relative
  EXPECT_GT(size, 0.0f);
}

TEST(LogAxisLabels, ExponentIsSmallerAndRaisedAfterItsBase)
{
  const struct {
    PoCartesianAxis::Type type;
    PoAxis::GradPosition side;
  } cases[] = {{PoCartesianAxis::XY, PoAxis::GRAD_BELOW},
               {PoCartesianAxis::XY, PoAxis::GRAD_ABOVE},
               {PoCartesianAxis::YX, PoAxis::GRAD_DEPEND}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "type " << c.type << ", side " << c.side);
    LogScene s;
    s.axis->type.setValue(c.type);
    s.axis->gradPosition.setValue(c.side);
    s.axis->start.setValue(0, 0, 0);
    s.axis->end.setValue(3.0f);
    const std::vector<SbBox3f> boxes = s.textBoxes("mainGradText");
    const auto frames = s.textFrames("mainGradText");
    ASSERT_EQ(boxes.size(), 8u);
    for (size_t i = 0; i < boxes.size(); i += 2) {
      const SbBox3f &base = boxes[i], &power = boxes[i + 1];
      // Measured in the glyphs' own frame: reading direction and up direction.
      const SbVec3f reading = frames[i].reading, up = frames[i].up;
      auto range = [](const SbBox3f& b, const SbVec3f& dir, float& lo, float& hi) {
        const float p = b.getMin().dot(dir), q = b.getMax().dot(dir);
        lo = std::min(p, q);
        hi = std::max(p, q);
      };
      float bLo, bHi, pLo, pHi, bDown, bUp, pDown, pUp;
      range(base, reading, bLo, bHi);
      range(power, reading, pLo, pHi);
      range(base, up, bDown, bUp);
      range(power, up, pDown, pUp);
      EXPECT_GE(pLo, bHi - 0.05f * (bHi - bLo)); // after the base
      EXPECT_LT(pUp - pDown, 0.85f * (bUp - bDown)); // smaller
      EXPECT_GT(pDown, bDown + 0.3f * (bUp - bDown)); // raised
      EXPECT_GT(pUp, bUp);
      // The pair stands by its graduation, centred on it along a horizontal axis.
      const float k = float(i / 2);
      SbBox3f pair = base;
      pair.extendBy(power);
      // (The axis frame runs along x whatever the type.)
      if (c.type == PoCartesianAxis::XY)
        EXPECT_NEAR(pair.getCenter()[0], k, 0.04f);
      else
        EXPECT_NEAR(pair.getCenter()[0], k, 0.1f);
      if (c.side == PoAxis::GRAD_BELOW)
        EXPECT_LT(pair.getMax()[1], 0.0f);
      else
        EXPECT_GT(pair.getMin()[1], 0.0f);
    }
  }
}

TEST(LogAxisLabels, TextsStayApart)
{
  const struct {
    PoCartesianAxis::Type type;
    float start, end;
    PoLogAxis::TenPowGradRep tenPower;
    PoLogAxis::DecadeRep decade;
    bool mainPower, decadePower;
  } cases[] = {
      {PoCartesianAxis::XY, 0, 1, PoLogAxis::TEN_POWER_DECIMAL, PoLogAxis::DECADE_DECIMAL, false, false},
      {PoCartesianAxis::XY, 0, 4, PoLogAxis::TEN_POWER_DECIMAL, PoLogAxis::DECADE_DIGIT, false, false},
      {PoCartesianAxis::XY, -6, 0, PoLogAxis::TEN_POWER_AUTO, PoLogAxis::DECADE_AS_TEN_POWER, true, true},
      {PoCartesianAxis::XY, 0, 12, PoLogAxis::TEN_POWER_DECIMAL, PoLogAxis::DECADE_NONE, false, false},
      {PoCartesianAxis::YX, 0, 2, PoLogAxis::TEN_POWER_POW10, PoLogAxis::DECADE_DIGIT, true, false},
      {PoCartesianAxis::YX, -3, 5, PoLogAxis::TEN_POWER_POW10, PoLogAxis::DECADE_AS_TEN_POWER, true, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "type " << c.type << ", " << c.start << ".." << c.end
                                    << ", decades " << c.decade);
    // Labels at 4 % of a domain 4 wide: a decade of the longest axis here holds a few labels.
    LogScene s(PbDomain(0, 0, 0, 4, 4, 4));
    s.axis->type.setValue(c.type);
    s.axis->start.setValue(c.type == PoCartesianAxis::XY ? SbVec3f(c.start, 0, 0)
                                                         : SbVec3f(0, c.start, 0));
    s.axis->end.setValue(c.end);
    s.axis->tenPowerRep.setValue(c.tenPower);
    s.axis->decadeRep.setValue(c.decade);
    std::vector<SbBox3f> boxes = labelBoxes(s, "mainGradText", c.mainPower);
    const size_t numMain = boxes.size();
    EXPECT_EQ(numMain, size_t(c.end - c.start + 1));
    const std::vector<SbBox3f> decades = labelBoxes(s, "decadeText", c.decadePower);
    if (c.decade != PoLogAxis::DECADE_NONE)
      EXPECT_FALSE(decades.empty());
    boxes.insert(boxes.end(), decades.begin(), decades.end());
    for (size_t i = 0; i < boxes.size(); ++i)
      for (size_t j = i + 1; j < boxes.size(); ++j)
        EXPECT_FALSE(overlapXY(boxes[i], boxes[j])) << "labels " << i << " and " << j;
    // Labels clear of the ticks, on their side of the axis.
    const SbBox3f ticks = GeometryProbe(s.axis->getPart("mainGradTick", FALSE)).bbox();
    for (const SbBox3f& b : boxes) {
      if (c.type == PoCartesianAxis::XY)
        EXPECT_LT(b.getMax()[1], ticks.getMin()[1]);
      else
        EXPECT_GT(b.getMin()[1], ticks.getMax()[1]); // the axis frame's "above"
    }
  }
}

TEST(LogAxisInput, UserDecadeListWithBadDigits)
{
  LogScene s;
  s.axis->end.setValue(2.0f);
  s.axis->decadeListDef.setValue(PoLogAxis::DECADE_LIST_NON_AUTO);
  const unsigned short list[] = {7, 1, 3, 12, 3, 0};
  s.axis->decadeList.setValues(0, 6, list);
  ErrorCatcher errors;
  s.probe();
  ASSERT_EQ(errors.count(), 3);
  EXPECT_TRUE(errors.contains("decade digit 1 is not in 2..9; ignored"));
  EXPECT_TRUE(errors.contains("decade digit 12 is not in 2..9"));
  EXPECT_TRUE(errors.contains("PoLogAxis::saveAxisAttr"));
  EXPECT_EQ(subCoords(s.axis), expectedSubs(0, 2, 0, 2, {3, 7}));

  // Only eight values are read, and the reader is told.
  errors.clear();
  const unsigned short many[] = {2, 2, 2, 2, 2, 2, 2, 2, 9};
  s.axis->decadeList.setValues(0, 9, many);
  s.axis->decadeList.setNum(9);
  s.probe();
  EXPECT_EQ(errors.count(), 1);
  EXPECT_TRUE(errors.contains("only the first 8"));
  EXPECT_EQ(subCoords(s.axis), expectedSubs(0, 2, 0, 2, {2}));

  // An empty list: decades only, and nothing to complain about.
  errors.clear();
  s.axis->decadeList.setNum(0);
  s.probe();
  EXPECT_EQ(errors.count(), 0);
  EXPECT_TRUE(subCoords(s.axis).empty());
  EXPECT_EQ(mainCoords(s.axis).size(), 3u);
}

TEST(LogAxisInput, UnusableSpansBuildNothingWithAMessage)
{
  LogScene s;
  ErrorCatcher errors;
  s.axis->end.setValue(std::numeric_limits<float>::quiet_NaN());
  s.probe();
  EXPECT_EQ(errors.count(), 1);
  EXPECT_EQ(s.axis->getPart("body", FALSE), nullptr);
  EXPECT_EQ(mainCoords(s.axis).size(), 0u);

  errors.clear();
  s.axis->start.setValue(-1e6f, 0, 0);
  s.axis->end.setValue(1e6f);
  s.probe();
  ASSERT_EQ(errors.count(), 1);
  EXPECT_TRUE(errors.contains("decades"));
  EXPECT_EQ(mainCoords(s.axis).size(), 0u);
  EXPECT_NE(s.axis->getPart("body", FALSE), nullptr); // the line itself is still drawn

  errors.clear();
  s.axis->start.setValue(1, 0, 0);
  s.axis->end.setValue(1.0f);
  s.probe();
  EXPECT_EQ(errors.count(), 0); // a point of an axis: nothing to draw, nothing wrong
  EXPECT_EQ(s.axis->getPart("body", FALSE), nullptr);

  errors.clear();
  s.axis->end.setValue(3.0f);
  s.axis->gradFontSize.setValue(0.01f);
  s.axis->decadeFontSize.setValue(std::numeric_limits<float>::infinity());
  s.axis->decadeRep.setValue(PoLogAxis::DECADE_DIGIT);
  s.probe();
  EXPECT_EQ(errors.count(), 1);
  EXPECT_FALSE(s.texts("decadeText").empty()); // with a computed size instead
}

} // namespace
