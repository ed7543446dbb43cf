// Data mappings: colour rules against independent expectations, bad input, nodes and the state.
#include "AttributeTestSupport.h"
#include "ReaderKit.h"

#include <Gridlux/attributes/PbLinearDataMapping.h>
#include <Gridlux/attributes/PbNonLinearDataMapping.h>
#include <Gridlux/attributes/PbNonLinearDataMapping2.h>
#include <Gridlux/attributes/PiColorConverter.h>
#include <Gridlux/attributes/PoDataMappingElement.h>
#include <Gridlux/attributes/PoLinearDataMapping.h>
#include <Gridlux/attributes/PoNonLinearDataMapping.h>
#include <Gridlux/attributes/PoNonLinearDataMapping2.h>
#include <Gridlux/base/PoGridlux.h>

#include <support/ErrorCatcher.h>
#include <support/OffscreenFixture.h>

#include <Inventor/actions/SoCallbackAction.h>
#include <Inventor/nodes/SoCallback.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

class DataMapping : public ::testing::Test {
protected:
  static void SetUpTestSuite()
  {
    PoGridlux::init();
    ReaderKit::initClass();
  }
};

void expectColor(const SbColor* actual, const SbColor& expected, float tolerance = 1e-6f)
{
  ASSERT_NE(actual, nullptr);
  for (int c = 0; c < 3; ++c)
    EXPECT_NEAR((*actual)[c], expected[c], tolerance) << "component " << c;
}

TEST_F(DataMapping, LinearRampIsMonotoneAndHitsBothEnds)
{
  const SbColor low(0.2f, 0.9f, 0.1f), high(0.8f, 0.3f, 0.65f);
  PbLinearDataMapping mapping;
  mapping.setValues(-3.0f, low, 0.25f, 7.0f, high, 0.75f);

  SbColor previous = *mapping.getRGBColor(-3.0f);
  EXPECT_EQ(previous, low);
  for (int i = 1; i < 1000; ++i) {
    const float v = -3.0f + 10.0f * float(i) / 999.0f;
    const SbColor current = *mapping.getRGBColor(v);
    for (int c = 0; c < 3; ++c) {
      // Each component moves only towards its end colour.
      if (high[c] > low[c])
        EXPECT_GE(current[c], previous[c]) << "v = " << v;
      else
        EXPECT_LE(current[c], previous[c]) << "v = " << v;
    }
    previous = current;
  }
  EXPECT_EQ(previous, high);

  // Halfway, the colour and transparency are the averages of the ends.
  float transparency = -1;
  expectColor(mapping.getRGBColor(2.0f, transparency), (low + high) * 0.5f);
  EXPECT_NEAR(transparency, 0.5f, 1e-6f);

  // Beyond the ends the ramp extrapolates and saturates per component.
  PbLinearDataMapping grey;
  expectColor(grey.getRGBColor(0.5f), SbColor(0.5f, 0.5f, 0.5f));
  expectColor(grey.getRGBColor(-1.0f), SbColor(0, 0, 0));
  expectColor(grey.getRGBColor(2.0f), SbColor(1, 1, 1));
  mapping.setValues(0.0f, SbColor(0.5f, 0.0f, 1.0f), 1.0f, SbColor(1.0f, 0.0f, 0.5f));
  expectColor(mapping.getRGBColor(1.5f), SbColor(1.0f, 0.0f, 0.25f));
  mapping.getRGBColor(1.0f, transparency);
  EXPECT_FLOAT_EQ(transparency, 0.75f) << "the short setter keeps the transparencies";

  // A reversed ramp is allowed.
  mapping.setValues(1.0f, SbColor(0, 0, 0), 0.0f, SbColor(1, 1, 1));
  expectColor(mapping.getRGBColor(0.25f), SbColor(0.75f, 0.75f, 0.75f));
}

TEST_F(DataMapping, HlsConversionRoundTripsAndMatchesKnownColours)
{
  float worst = 0;
  for (int r = 0; r < 10; ++r)
    for (int g = 0; g < 10; ++g)
      for (int b = 0; b < 10; ++b) {
        const SbColor rgb(r / 9.0f, g / 9.0f, b / 9.0f);
        float hls[3];
        PiColorConverter::getHLSColor(rgb, hls);
        for (float component : hls) {
          EXPECT_GE(component, 0.0f);
          EXPECT_LE(component, 1.0f);
        }
        SbColor back;
        PiColorConverter::getRGBColor(hls, back);
        for (int c = 0; c < 3; ++c)
          worst = std::max(worst, std::fabs(back[c] - rgb[c]));
      }
  EXPECT_LE(worst, 1e-6f);

  float hls[3];
  PiColorConverter::getHLSColor(SbColor(1, 1, 0), hls);
  EXPECT_NEAR(hls[0], 1.0f / 6.0f, 1e-6f);
  EXPECT_NEAR(hls[1], 0.5f, 1e-6f);
  EXPECT_NEAR(hls[2], 1.0f, 1e-6f);
  PiColorConverter::getHLSColor(SbColor(0.3f, 0.3f, 0.3f), hls);
  EXPECT_EQ(hls[0], 0.0f);
  EXPECT_EQ(hls[2], 0.0f);
  EXPECT_NEAR(hls[1], 0.3f, 1e-6f);
  PiColorConverter::getHLSColor(SbColor(0, 0, 1), hls);
  EXPECT_NEAR(hls[0], 2.0f / 3.0f, 1e-6f);

  const float pink[3] = {0.0f, 0.75f, 1.0f};
  SbColor rgb;
  PiColorConverter::getRGBColor(pink, rgb);
  expectColor(&rgb, SbColor(1.0f, 0.5f, 0.5f));

  // The HLS interface of a mapping goes through the same conversion.
  PbLinearDataMapping mapping;
  const float red[3] = {0.0f, 0.5f, 1.0f}, blue[3] = {2.0f / 3.0f, 0.5f, 1.0f};
  mapping.setValues(0.0f, red, 1.0f, blue);
  expectColor(mapping.getRGBColor(0.0f), SbColor(1, 0, 0));
  expectColor(mapping.getRGBColor(1.0f), SbColor(0, 0, 1));
  const float* hlsOut = mapping.getHLSColor(1.0f);
  ASSERT_NE(hlsOut, nullptr);
  EXPECT_NEAR(hlsOut[0], 2.0f / 3.0f, 1e-6f);
}

TEST_F(DataMapping, ThresholdsTakeTheirZonesIncludingTheirOwnValue)
{
  PbLinearDataMapping mapping;
  const SbColor red(1, 0, 0), blue(0, 0, 1);
  mapping.setMinThreshold(0.2f, red, 0.3f);
  mapping.setMaxThreshold(0.8f, blue, 1.0f);
  expectColor(mapping.getRGBColor(0.1f), SbColor(0.1f, 0.1f, 0.1f)); // thresholds disabled

  mapping.enableThresholds(1, 1);
  float transparency = -1;
  expectColor(mapping.getRGBColor(0.2f, transparency), red);
  EXPECT_EQ(transparency, 0.3f);
  expectColor(mapping.getRGBColor(0.2001f), SbColor(0.2001f, 0.2001f, 0.2001f));
  expectColor(mapping.getRGBColor(0.8f, transparency), blue);
  EXPECT_EQ(transparency, 1.0f);

  // Overlapping zones: the min zone wins.
  mapping.setMinThreshold(0.6f, red, 0.0f);
  mapping.setMaxThreshold(0.4f, blue, 0.0f);
  expectColor(mapping.getRGBColor(0.5f), red);

  // A threshold without a colour maps its zone to null, and says so.
  mapping.setMinThreshold(0.1f);
  mapping.setMaxThreshold(0.9f, blue, 0.0f);
  EXPECT_EQ(mapping.getRGBColor(0.05f), nullptr);
  EXPECT_EQ(mapping.getHLSColor(0.05f), nullptr);
  float value;
  EXPECT_EQ(mapping.getMinRGBThreshold(value), nullptr);
  EXPECT_EQ(value, 0.1f);
  EXPECT_EQ(*mapping.getMaxRGBThreshold(value, transparency), blue);
  const float* hls = mapping.getMaxHLSThreshold(value);
  ASSERT_NE(hls, nullptr);
  EXPECT_NEAR(hls[0], 2.0f / 3.0f, 1e-6f);
  int minOn, maxOn;
  mapping.thresholdsEnabled(minOn, maxOn);
  EXPECT_EQ(minOn + maxOn, 2);

  // Copies are deep and independent.
  PbLinearDataMapping copy(mapping);
  mapping.enableThresholds(0, 0);
  EXPECT_EQ(copy.getRGBColor(0.05f), nullptr);
  EXPECT_NE(mapping.getRGBColor(0.05f), nullptr);
}

TEST_F(DataMapping, PerLevelMappingsGiveEachLevelItsColour)
{
  // Levels given out of order; each keeps its colour through the sort.
  const float levels[] = {2.5f, -1.0f, 0.75f, 10.0f, 4.0f};
  const SbColor colors[] = {SbColor(0.1f, 0.2f, 0.3f), SbColor(0.9f, 0.8f, 0.7f),
                            SbColor(0.33f, 0.66f, 0.99f), SbColor(0.05f, 0.5f, 0.95f),
                            SbColor(0.6f, 0.1f, 0.4f), SbColor(0.25f, 0.25f, 0.0f)};
  PbNonLinearDataMapping2 linear;
  ASSERT_EQ(linear.setValues(PbNonLinearDataMapping2::LINEAR_PER_LEVEL, 5, levels, colors), 1);
  for (int i = 0; i < 5; ++i) {
    const SbColor* c = linear.getRGBColor(levels[i]);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(*c, colors[i]) << "level " << levels[i];
  }
  int num;
  const float* sorted = linear.getValuesList(num);
  ASSERT_EQ(num, 5);
  for (int i = 1; i < num; ++i)
    EXPECT_LT(sorted[i - 1], sorted[i]);
  // Between two levels, the midpoint colour is the average of theirs.
  expectColor(linear.getRGBColor(3.25f), (colors[0] + colors[4]) * 0.5f);

  PbNonLinearDataMapping2 steps;
  ASSERT_EQ(steps.setValues(PbNonLinearDataMapping2::NON_LINEAR_PER_LEVEL, 5, levels, colors), 1);
  // Sorted levels -1, 0.75, 2.5, 4, 10 carry colours 1, 2, 0, 4, 3; colour 5 stays on top.
  const int colourBelow[] = {1, 2, 0, 4, 3};
  const float sortedLevels[] = {-1.0f, 0.75f, 2.5f, 4.0f, 10.0f};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(*steps.getRGBColor(std::nextafter(sortedLevels[i], -1e9f)), colors[colourBelow[i]]);
    const int above = i + 1 < 5 ? colourBelow[i + 1] : 5;
    EXPECT_EQ(*steps.getRGBColor(sortedLevels[i]), colors[above]) << "the colour above a level";
  }
  EXPECT_EQ(*steps.getRGBColor(1e30f), colors[5]);

  // The documented small cases.
  const float three[] = {0, 1, 2};
  const SbColor bw[] = {SbColor(0, 0, 0), SbColor(1, 0, 0), SbColor(1, 1, 1)};
  linear.setValues(PbNonLinearDataMapping2::LINEAR_PER_LEVEL, 3, three, bw);
  EXPECT_EQ(*linear.getRGBColor(1.0f), bw[1]);
  expectColor(linear.getRGBColor(3.0f), SbColor(1, 1, 1));
  expectColor(linear.getRGBColor(-1.0f), SbColor(0, 0, 0));

  // Transparencies travel with their colours.
  const float transparencies[] = {0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f};
  steps.setValues(PbNonLinearDataMapping2::NON_LINEAR_PER_LEVEL, 5, levels, colors, transparencies);
  float transparency;
  steps.getRGBColor(0.0f, transparency);
  EXPECT_EQ(transparency, 0.3f) << "[-1, 0.75) carries the colour given with 0.75";

  int numHls;
  const float* hls = steps.getHLSColorsList(numHls);
  ASSERT_EQ(numHls, 6);
  SbColor back;
  PiColorConverter::getRGBColor(hls + 3 * 5, back);
  expectColor(&back, colors[5]);
}

TEST_F(DataMapping, BadLevelsAreRefusedAndTheMappingKept)
{
  PbNonLinearDataMapping2 mapping;
  const float levels[] = {0.0f, 5.0f};
  const SbColor colors[] = {SbColor(1, 0, 0), SbColor(0, 1, 0)};
  mapping.setValues(PbNonLinearDataMapping2::LINEAR_PER_LEVEL, 2, levels, colors);

  ErrorCatcher errors;
  const float nanLevels[] = {0.0f, std::numeric_limits<float>::quiet_NaN()};
  EXPECT_EQ(mapping.setValues(PbNonLinearDataMapping2::LINEAR_PER_LEVEL, 2, nanLevels, colors), 0);
  EXPECT_EQ(mapping.setValues(PbNonLinearDataMapping2::LINEAR_PER_LEVEL, 0, levels, colors), 0);
  EXPECT_EQ(mapping.setValues(PbNonLinearDataMapping2::LINEAR_PER_LEVEL, 2, nullptr, colors), 0);
  ASSERT_EQ(errors.count(), 3);
  EXPECT_EQ(errors.messages()[0],
            "Arvanta error in PbNonLinearDataMapping2::setValues(): level 1 is NaN");
  int num;
  EXPECT_EQ(mapping.getValuesList(num)[1], 5.0f);
  EXPECT_EQ(num, 2);
  expectColor(mapping.getRGBColor(2.5f), SbColor(0.5f, 0.5f, 0));

  // Equal levels make a step instead of a NaN colour.
  const float equal[] = {1.0f, 1.0f};
  mapping.setValues(PbNonLinearDataMapping2::LINEAR_PER_LEVEL, 2, equal, colors);
  expectColor(mapping.getRGBColor(1.0f), colors[1]);
  expectColor(mapping.getRGBColor(0.5f), colors[0]);

  // A NaN value never yields a NaN component.
  PbLinearDataMapping linear;
  const SbColor* c = linear.getRGBColor(std::numeric_limits<float>::quiet_NaN());
  ASSERT_NE(c, nullptr);
  for (int i = 0; i < 3; ++i)
    EXPECT_FALSE(std::isnan((*c)[i]));
}

const SbColor* redAboveHalf(float v)
{
  static SbColor result;
  result = v > 0.5f ? SbColor(1, 0, 0) : SbColor(0, 0, 1);
  return &result;
}

const float* greenHls(float)
{
  static const float green[3] = {1.0f / 3.0f, 0.5f, 1.0f};
  return green;
}

float halfTransparent(float)
{
  return 0.5f;
}

TEST_F(DataMapping, FunctionMappingUsesTheLatestColourFunction)
{
  PbNonLinearDataMapping mapping;
  float transparency = -1;
  expectColor(mapping.getRGBColor(0.25f, transparency), SbColor(0.25f, 0.25f, 0.25f));
  EXPECT_EQ(transparency, 0.0f);
  expectColor(mapping.getRGBColor(4.0f), SbColor(1, 1, 1));

  mapping.setRGBFunction(redAboveHalf);
  mapping.setTransparencyFunction(halfTransparent);
  expectColor(mapping.getRGBColor(0.7f, transparency), SbColor(1, 0, 0));
  EXPECT_EQ(transparency, 0.5f);
  mapping.setHLSFunction(greenHls);
  EXPECT_EQ(mapping.getRGBFunction(), nullptr);
  expectColor(mapping.getRGBColor(0.7f), SbColor(0, 1, 0));
  mapping.setRGBFunction(nullptr);
  EXPECT_EQ(mapping.getHLSFunction(), nullptr);
  expectColor(mapping.getRGBColor(0.7f), SbColor(0.7f, 0.7f, 0.7f));
}

// Records the data mapping that the traversal carries at this point.
void recordMapping(void* data, SoAction* action)
{
  *static_cast<const PbDataMapping**>(data) = PoDataMappingElement::get(action->getState());
}

TEST_F(DataMapping, EachReaderGetsTheMappingAboveIt)
{
  Ref<SoSeparator> root(new SoSeparator);
  PoLinearDataMapping* first = new PoLinearDataMapping;
  PoNonLinearDataMapping2* second = new PoNonLinearDataMapping2;
  const PbDataMapping* seen[3] = {nullptr, nullptr, nullptr};
  const PbDataMapping* bogus = reinterpret_cast<const PbDataMapping*>(&seen);
  seen[2] = bogus;
  for (int i = 0; i < 2; ++i) {
    SoSeparator* branch = new SoSeparator;
    branch->addChild(i == 0 ? static_cast<SoNode*>(first) : second);
    SoCallback* reader = new SoCallback;
    reader->setCallback(recordMapping, &seen[i]);
    branch->addChild(reader);
    root->addChild(branch);
  }
  SoCallback* after = new SoCallback;
  after->setCallback(recordMapping, &seen[2]);
  root->addChild(after);

  SoCallbackAction action;
  action.apply(root.get());
  EXPECT_EQ(seen[0], first->getDataMapping());
  EXPECT_EQ(seen[1], second->getDataMapping());
  EXPECT_EQ(seen[0]->getClassType(), PbDataMapping::CLASS_LINEAR);
  EXPECT_EQ(seen[1]->getClassType(), PbDataMapping::CLASS_NON_LINEAR2);
  EXPECT_EQ(seen[2], nullptr);
}

TEST_F(DataMapping, FieldChangeRebuildsTheReaderAtTheNextTraversalOnly)
{
  Ref<SoSeparator> root(new SoSeparator);
  PoLinearDataMapping* node = new PoLinearDataMapping;
  ReaderKit* kit = new ReaderKit;
  SbColor seenAtOne;
  kit->stacks.push_back(PoDataMappingElement::getClassStackIndex());
  kit->onRebuild = [&seenAtOne](SoState* state) {
    const PbDataMapping* mapping = PoDataMappingElement::get(state);
    seenAtOne = mapping ? *mapping->getRGBColor(1.0f) : SbColor(-1, -1, -1);
  };
  root->addChild(node);
  root->addChild(kit);

  SoCallbackAction action;
  action.apply(root.get());
  EXPECT_EQ(kit->rebuilds, 1);
  EXPECT_EQ(seenAtOne, SbColor(1, 1, 1));
  action.apply(root.get());
  EXPECT_EQ(kit->rebuilds, 1) << "nothing changed";

  node->color2.setValue(0, 1, 0);
  EXPECT_EQ(kit->rebuilds, 1) << "a field change waits for the traversal";
  action.apply(root.get());
  EXPECT_EQ(kit->rebuilds, 2);
  EXPECT_EQ(seenAtOne, SbColor(0, 1, 0));
  action.apply(root.get());
  EXPECT_EQ(kit->rebuilds, 2);

  // A function mapping has no fields: setting a function renews it too.
  PoNonLinearDataMapping* functions = new PoNonLinearDataMapping;
  root->replaceChild(node, functions);
  action.apply(root.get());
  EXPECT_EQ(kit->rebuilds, 3);
  functions->setColorFunction(redAboveHalf);
  action.apply(root.get());
  EXPECT_EQ(kit->rebuilds, 4);
  EXPECT_EQ(seenAtOne, SbColor(1, 0, 0));
}

TEST_F(DataMapping, LevelNodeChecksTheColourCount)
{
  Ref<PoNonLinearDataMapping2> node(new PoNonLinearDataMapping2);
  const float levels[] = {0, 1, 2};
  const SbColor colors[] = {SbColor(1, 0, 0), SbColor(0, 1, 0), SbColor(0, 0, 1),
                            SbColor(1, 1, 1)};
  node->type = PoNonLinearDataMapping2::NON_LINEAR_PER_LEVEL;
  node->value.setValues(0, 3, levels);
  node->color.setValues(0, 4, colors);
  EXPECT_EQ(*node->getColor(5.0f), colors[3]);

  ErrorCatcher errors;
  node->value.setValues(0, 3, levels);
  node->color.setNum(3);
  EXPECT_EQ(*node->getColor(5.0f), colors[3]) << "the previous mapping stays";
  ASSERT_EQ(errors.count(), 1);
  EXPECT_EQ(errors.messages()[0], "Arvanta error in PoNonLinearDataMapping2(): "
                                  "The number of colours must be >= to number of values + 1");

  node->type = PoNonLinearDataMapping2::LINEAR_PER_LEVEL;
  node->color.setNum(2);
  EXPECT_EQ(*node->getColor(5.0f), colors[3]);
  EXPECT_EQ(errors.count(), 2) << "too few colours for the linear kind is reported too";

  // Transparencies count only when there is one per colour.
  node->color.setValues(0, 3, colors);
  node->transparency.setValues(0, 3, levels);
  float transparency;
  node->getColor(1.0f, transparency);
  EXPECT_EQ(transparency, 1.0f);
  node->transparency.setNum(2);
  node->getColor(1.0f, transparency);
  EXPECT_EQ(transparency, 0.0f);
}

TEST_F(DataMapping, NodesSurviveAFileRoundTrip)
{
  Ref<PoLinearDataMapping> linear(new PoLinearDataMapping);
  linear->value1 = -2.5f;
  linear->color1.setValue(0.25f, 0.5f, 0.75f);
  linear->transparency2 = 0.125f;
  linear->minThresholdEnabled = TRUE;
  linear->minThreshold = -2.0f;
  linear->maxThresholdColor.setValue(1, 0, 1);
  linear->transparencyValueDeletedParts = 0.5f;
  Ref<PoLinearDataMapping> linearBack(roundTrip(linear.get()));
  ASSERT_NE(linearBack.get(), nullptr);
  EXPECT_EQ(linearBack->value1.getValue(), -2.5f);
  EXPECT_EQ(linearBack->color1.getValue(), SbColor(0.25f, 0.5f, 0.75f));
  EXPECT_EQ(linearBack->transparency2.getValue(), 0.125f);
  EXPECT_TRUE(linearBack->minThresholdEnabled.getValue());
  EXPECT_EQ(linearBack->minThreshold.getValue(), -2.0f);
  EXPECT_EQ(linearBack->maxThresholdColor.getValue(), SbColor(1, 0, 1));
  EXPECT_EQ(linearBack->getDataMapping()->getTransparencyValueDeletedParts(), 0.5f);
  EXPECT_EQ(linearBack->getColor(-3.0f), linearBack->getDataMapping()->getRGBColor(-3.0f));
  expectColor(linearBack->getColor(-3.0f), SbColor(0, 0, 0)); // the threshold read back

  Ref<PoNonLinearDataMapping2> levels(new PoNonLinearDataMapping2);
  const float values[] = {1, 2};
  const SbColor colors[] = {SbColor(1, 0, 0), SbColor(0, 1, 0), SbColor(0, 0, 1)};
  levels->type = PoNonLinearDataMapping2::NON_LINEAR_PER_LEVEL;
  levels->value.setValues(0, 2, values);
  levels->color.setValues(0, 3, colors);
  levels->transparency.setValues(0, 2, values);
  Ref<PoNonLinearDataMapping2> levelsBack(roundTrip(levels.get()));
  ASSERT_NE(levelsBack.get(), nullptr);
  EXPECT_EQ(levelsBack->type.getValue(), int(PoNonLinearDataMapping2::NON_LINEAR_PER_LEVEL));
  ASSERT_EQ(levelsBack->value.getNum(), 2);
  EXPECT_EQ(levelsBack->value[1], 2.0f);
  ASSERT_EQ(levelsBack->color.getNum(), 3);
  EXPECT_EQ(levelsBack->color[2], SbColor(0, 0, 1));
  EXPECT_EQ(levelsBack->transparency.getNum(), 2);
  EXPECT_EQ(*levelsBack->getColor(1.5f), SbColor(0, 1, 0));

  Ref<PoNonLinearDataMapping> functions(new PoNonLinearDataMapping);
  functions->maxThresholdEnabled = TRUE;
  functions->maxThreshold = 0.5f;
  Ref<PoNonLinearDataMapping> functionsBack(roundTrip(functions.get()));
  ASSERT_NE(functionsBack.get(), nullptr);
  EXPECT_TRUE(functionsBack->maxThresholdEnabled.getValue());
  EXPECT_EQ(functionsBack->maxThreshold.getValue(), 0.5f);
}

} // namespace

namespace {

class DataMappingRender : public gridlux::test::OffscreenFixture {
protected:
  static void SetUpTestSuite()
  {
    OffscreenFixture::SetUpTestSuite();
    ReaderKit::initClass();
  }
};

TEST_F(DataMappingRender, FieldChangeRebuildsTheReaderAtTheNextRenderOnly)
{
  Ref<SoSeparator> root(new SoSeparator);
  PoNonLinearDataMapping2* node = new PoNonLinearDataMapping2;
  ReaderKit* kit = new ReaderKit;
  int levels = -1;
  kit->stacks.push_back(PoDataMappingElement::getClassStackIndex());
  kit->onRebuild = [&levels](SoState* state) {
    const PbDataMapping* mapping = PoDataMappingElement::get(state);
    levels = -1;
    if (mapping && mapping->getClassType() == PbDataMapping::CLASS_NON_LINEAR2)
      static_cast<const PbNonLinearDataMapping2*>(mapping)->getValuesList(levels);
  };
  root->addChild(node);
  root->addChild(kit);

  render(root.get(), 32, 32);
  const int first = kit->rebuilds;
  EXPECT_GE(first, 1);
  EXPECT_EQ(levels, 1);
  render(root.get(), 32, 32);
  EXPECT_EQ(kit->rebuilds, first);

  const float values[] = {0, 1, 2};
  const SbColor colors[] = {SbColor(1, 0, 0), SbColor(0, 1, 0), SbColor(0, 0, 1)};
  node->color.setValues(0, 3, colors);
  node->value.setValues(0, 3, values);
  EXPECT_EQ(kit->rebuilds, first);
  render(root.get(), 32, 32);
  EXPECT_EQ(kit->rebuilds, first + 1);
  EXPECT_EQ(levels, 3);
  render(root.get(), 32, 32);
  EXPECT_EQ(kit->rebuilds, first + 1);
}

} // namespace
