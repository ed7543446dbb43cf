// Band texture: its width, its texels, and the texel each value's coordinate lands in compared
// with the band the isovalue list puts the value in.
#include "support/ErrorCatcher.h"

#include <Gridlux/attributes/PbIsovaluesList.h>
#include <Gridlux/attributes/PbLinearDataMapping.h>
#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/representations/algorithms/PiTextureContouring.h>

#include <Inventor/SbVec2s.h>
#include <Inventor/nodes/SoTexture2.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

struct Texels {
  int width = 0;
  int height = 0;
  int components = 0;
  const unsigned char* bytes = nullptr;
};

Texels texelsOf(const SoTexture2* texture)
{
  Texels t;
  SbVec2s size;
  t.bytes = texture->image.getValue(size, t.components);
  t.width = size[0];
  t.height = size[1];
  return t;
}

// The bytes a texel of this colour must hold: each component scaled to 0..255 and truncated,
// then the opacity when the mapping is transparent.
std::vector<int> expectedBytes(const PbDataMapping& mapping, float value)
{
  float transparency = 0.0f;
  const SbColor* color = mapping.getRGBColor(value, transparency);
  std::vector<int> bytes;
  for (int c = 0; c < 3; ++c)
    bytes.push_back(static_cast<int>(std::floor((*color)[c] * 255.0f)));
  if (mapping.isTransparencyEnabled())
    bytes.push_back(static_cast<int>(std::floor((1.0f - transparency) * 255.0f)));
  return bytes;
}

std::vector<int> texelBytes(const Texels& t, int texel)
{
  std::vector<int> bytes;
  for (int c = 0; c < t.components; ++c)
    bytes.push_back(t.bytes[texel * t.components + c]);
  return bytes;
}

// Red at the first isovalue to blue at the last, and green below a threshold under the first,
// so that the zone below the levels and every band differ in colour.
void rampOver(PbLinearDataMapping& mapping, const std::vector<float>& levels)
{
  mapping.setValues(levels.front(), SbColor(1, 0, 0), levels.back(), SbColor(0, 0, 1));
  mapping.setMinThreshold(levels.front() - 1.0f, SbColor(0, 1, 0), 0.0f);
  mapping.enableThresholds(1, 0);
}

class TextureContouring : public ::testing::Test {
protected:
  static void SetUpTestSuite() { PoGridlux::init(); }
};

TEST_F(TextureContouring, WidthIsThePowerOfTwoAboveTheIsovalueCount)
{
  const int counts[] = {0, 1, 2, 3, 10, 15, 16, 100};
  const int widths[] = {1, 2, 4, 4, 16, 16, 32, 128};
  for (int row = 0; row < 8; ++row) {
    std::vector<float> levels;
    for (int i = 0; i < counts[row]; ++i)
      levels.push_back(0.5f * float(i * i)); // irregular gaps
    PbIsovaluesList list;
    list.setIrregularIsoList(counts[row], levels.data());
    PiTextureContouring contouring;
    contouring.setIsovaluesList(&list);
    contouring.buildTexture();
    ASSERT_NE(contouring.getTexture(), nullptr) << counts[row] << " isovalues";
    const Texels t = texelsOf(contouring.getTexture());
    EXPECT_EQ(t.width, widths[row]) << counts[row] << " isovalues";
    EXPECT_EQ(t.height, 1);
    EXPECT_EQ(t.components, 3);
    EXPECT_EQ(contouring.getTextureWidth(), widths[row]);
    EXPECT_FLOAT_EQ(contouring.getFirstCoord(), 1.0f / float(widths[row]));
    EXPECT_FLOAT_EQ(contouring.getLastCoord(), float(counts[row]) / float(widths[row]));
  }
}

struct ListRow {
  std::string name;
  int regular;
  std::vector<float> levels; // regular rows: min, max, count
};

class TextureBands : public ::testing::TestWithParam<ListRow> {
protected:
  static void SetUpTestSuite() { PoGridlux::init(); }
};

TEST_P(TextureBands, EveryValueLandsInTheTexelOfItsBandColour)
{
  const ListRow& row = GetParam();
  PbIsovaluesList list;
  if (row.regular)
    ASSERT_TRUE(list.setRegularIsoList(row.levels[0], row.levels[1], int(row.levels[2])));
  else
    ASSERT_TRUE(list.setIrregularIsoList(int(row.levels.size()), row.levels.data()));
  int num = 0, regular = 0;
  float min = 0, max = 0, step = 0;
  const float* stored = list.getIsoList(num, min, max, step, regular);
  ASSERT_EQ(regular, row.regular);
  const std::vector<float> levels(stored, stored + num);

  PbLinearDataMapping mapping;
  rampOver(mapping, levels);
  PiTextureContouring contouring;
  contouring.setDataMapping(&mapping);
  contouring.setIsovaluesList(&list);
  contouring.buildTexture();
  ASSERT_NE(contouring.getTexture(), nullptr);
  const Texels t = texelsOf(contouring.getTexture());

  // A sweep across and beyond the levels, plus every level and its two float neighbours.
  std::vector<float> probes;
  const float range = max - min;
  for (int i = 0; i <= 2000; ++i)
    probes.push_back(min - 0.3f * range + float(i) * (1.6f * range / 2000.0f));
  for (float c : levels) {
    probes.push_back(std::nextafter(c, -INFINITY));
    probes.push_back(c);
    probes.push_back(std::nextafter(c, INFINITY));
  }
  probes.push_back(-1e30f);
  probes.push_back(1e30f);
  probes.push_back(-INFINITY);
  probes.push_back(INFINITY);

  for (float v : probes) {
    const float s = contouring.getTextureCoord(v);
    ASSERT_GE(s, 0.0f) << "value " << v;
    ASSERT_LT(s, 1.0f) << "value " << v;
    const int texel = static_cast<int>(std::floor(s * float(t.width)));
    EXPECT_EQ(texelBytes(t, texel), expectedBytes(mapping, list.getLowerIsovalue(v)))
        << "value " << v << " s " << s << " texel " << texel;
  }

  // Coordinates grow with the value, so that interpolating them across a cell crosses the bands
  // in order.
  std::vector<float> sorted = probes;
  std::sort(sorted.begin(), sorted.end());
  for (size_t i = 1; i < sorted.size(); ++i)
    EXPECT_LE(contouring.getTextureCoord(sorted[i - 1]), contouring.getTextureCoord(sorted[i]))
        << "between " << sorted[i - 1] << " and " << sorted[i];

  EXPECT_EQ(contouring.getTextureCoord(max), contouring.getLastCoord());
  EXPECT_EQ(contouring.getTextureCoord(min), contouring.getFirstCoord());
  // Inside a band the coordinate moves across its texel in proportion to the value.
  const float quarter = levels[0] + 0.25f * (levels[1] - levels[0]);
  const double fraction = (double(quarter) - levels[0]) / (double(levels[1]) - levels[0]);
  EXPECT_NEAR(contouring.getTextureCoord(quarter) * float(t.width), 1.0 + fraction, 1e-3);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, TextureBands,
    ::testing::Values(ListRow{"RegularTwelve", 1, {-2.3f, 4.1f, 12}},
                      ListRow{"RegularThirtyOneTenths", 1, {0.1f, 3.1f, 31}},
                      ListRow{"IrregularGaps", 0, {-3, -1.5f, -1.4f, 0, 0.1f, 2, 7.5f, 7.6f, 20}},
                      ListRow{"IrregularRepeatedLevel", 0, {0, 1, 1, 2.5f, 3}},
                      ListRow{"IrregularTinyGaps", 0, {1000, 1000.001f, 1000.002f, 1000.5f}}),
    [](const ::testing::TestParamInfo<ListRow>& info) { return info.param.name; });

TEST_F(TextureContouring, TransparentMappingAddsTheOpacityAsFourthComponent)
{
  PbIsovaluesList list(0.0f, 1.0f, 5);
  PbLinearDataMapping mapping;
  mapping.setValues(0.0f, SbColor(1, 1, 0), 0.1f, 1.0f, SbColor(0, 0.5f, 1), 0.9f);
  mapping.enableTransparency(1);
  PiTextureContouring contouring;
  contouring.setDataMapping(&mapping);
  contouring.setIsovaluesList(&list);
  contouring.buildTexture();
  ASSERT_NE(contouring.getTexture(), nullptr);
  const Texels t = texelsOf(contouring.getTexture());
  ASSERT_EQ(t.components, 4);
  ASSERT_EQ(t.width, 8);
  // Texel 0 is the zone below 0, texel k + 1 the level k / 4, the last texels repeat level 1.
  // Far below 0 the ramp saturates to yellow and fully opaque.
  EXPECT_EQ(texelBytes(t, 0), (std::vector<int>{255, 255, 0, 255}));
  EXPECT_EQ(texelBytes(t, 3), (std::vector<int>{127, 191, 127, 127})); // level 0.5: 0.5 transparent
  EXPECT_EQ(texelBytes(t, 5), (std::vector<int>{0, 127, 255, 25}));
  EXPECT_EQ(texelBytes(t, 7), texelBytes(t, 5));
  EXPECT_EQ(contouring.getTexture()->wrapS.getValue(), int(SoTexture2::CLAMP));
  EXPECT_EQ(contouring.getTexture()->wrapT.getValue(), int(SoTexture2::CLAMP));
  EXPECT_EQ(contouring.getTexture()->model.getValue(), int(SoTexture2::MODULATE));

  // Switching the transparency off gives RGB texels on the next build.
  mapping.enableTransparency(0);
  contouring.buildTexture();
  EXPECT_EQ(texelsOf(contouring.getTexture()).components, 3);
}

TEST_F(TextureContouring, TextureIsReleasedWhenReplacedAndOnDestruction)
{
  PbIsovaluesList list(0.0f, 1.0f, 4);
  SoTexture2* first = nullptr;
  SoTexture2* second = nullptr;
  {
    PiTextureContouring contouring;
    contouring.setIsovaluesList(&list);
    contouring.buildTexture();
    first = contouring.getTexture();
    ASSERT_NE(first, nullptr);
    first->ref();
    EXPECT_EQ(first->getRefCount(), 2);
    contouring.buildTexture();
    second = contouring.getTexture();
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first);
    EXPECT_EQ(first->getRefCount(), 1);
    second->ref();
  }
  EXPECT_EQ(second->getRefCount(), 1);
  first->unref();
  second->unref();
}

TEST_F(TextureContouring, DegenerateListsGiveOneOrTwoBands)
{
  PbLinearDataMapping mapping;
  mapping.setValues(0.0f, SbColor(1, 0, 0), 4.0f, SbColor(0, 0, 1));
  PiTextureContouring contouring;
  contouring.setDataMapping(&mapping);

  // No list and an empty list: one texel, the colour below the levels, every value on it.
  for (int empty = 0; empty < 2; ++empty) {
    PbIsovaluesList list;
    list.setIrregularIsoList(0, nullptr);
    contouring.setIsovaluesList(empty ? &list : nullptr);
    contouring.buildTexture();
    ASSERT_NE(contouring.getTexture(), nullptr);
    const Texels t = texelsOf(contouring.getTexture());
    EXPECT_EQ(t.width, 1);
    EXPECT_EQ(texelBytes(t, 0), expectedBytes(mapping, -1e20f));
    for (float v : {-1.0f, 0.0f, 3.0f, 1e30f})
      EXPECT_EQ(contouring.getTextureCoord(v), 0.0f);
  }

  // One level: below it texel 0, on and above it texel 1.
  const float level = 2.0f;
  PbIsovaluesList one;
  one.setIrregularIsoList(1, &level);
  contouring.setIsovaluesList(&one);
  contouring.buildTexture();
  const Texels t = texelsOf(contouring.getTexture());
  ASSERT_EQ(t.width, 2);
  EXPECT_EQ(texelBytes(t, 1), expectedBytes(mapping, level));
  EXPECT_EQ(contouring.getTextureCoord(1.9f), 0.0f);
  EXPECT_EQ(contouring.getTextureCoord(level), 0.5f);
  EXPECT_EQ(int(contouring.getTextureCoord(2.1f) * 2.0f), 1);

  // NaN has no band: it takes the zone below the levels rather than an undefined coordinate.
  EXPECT_EQ(contouring.getTextureCoord(std::numeric_limits<float>::quiet_NaN()), 0.0f);
}

TEST_F(TextureContouring, WithoutMappingTheDefaultLinearRampColoursTheTexels)
{
  PbIsovaluesList list(-0.5f, 1.5f, 9);
  PbLinearDataMapping defaults;
  PiTextureContouring withDefault, withNone;
  withDefault.setDataMapping(&defaults);
  withDefault.setIsovaluesList(&list);
  withNone.setIsovaluesList(&list);
  withDefault.buildTexture();
  withNone.buildTexture();
  const Texels a = texelsOf(withDefault.getTexture());
  const Texels b = texelsOf(withNone.getTexture());
  ASSERT_EQ(a.width, b.width);
  ASSERT_EQ(a.components, b.components);
  for (int k = 0; k < a.width; ++k)
    EXPECT_EQ(texelBytes(a, k), texelBytes(b, k)) << "texel " << k;
  EXPECT_EQ(texelBytes(b, 5), (std::vector<int>{127, 127, 127})); // level 0.5, mid grey
}

TEST_F(TextureContouring, BadRequestsPostAMessageAndLeaveTheOutputAlone)
{
  // The widest image holds 16383 levels; one more cannot be textured.
  PbIsovaluesList list(0.0f, 16382.0f, 16383);
  PiTextureContouring contouring;
  contouring.setIsovaluesList(&list);
  {
    ErrorCatcher errors;
    contouring.buildTexture();
    EXPECT_EQ(errors.count(), 0);
  }
  ASSERT_NE(contouring.getTexture(), nullptr);
  EXPECT_EQ(texelsOf(contouring.getTexture()).width, 16384);

  list.setRegularIsoList(0.0f, 16383.0f, 16384);
  contouring.setIsovaluesList(&list);
  {
    ErrorCatcher errors;
    contouring.buildTexture();
    ASSERT_EQ(errors.count(), 1);
    EXPECT_TRUE(errors.contains("16384 isovalues")) << errors.messages()[0];
  }
  EXPECT_EQ(contouring.getTexture(), nullptr);

  const float values[3] = {0.5f, 100.5f, 20000.0f};
  SbVec2f out[3] = {SbVec2f(7, 7), SbVec2f(7, 7), SbVec2f(7, 7)};
  {
    ErrorCatcher errors;
    contouring.getTextureCoords(-1, values, out);
    contouring.getTextureCoords(3, nullptr, out);
    contouring.getTextureCoords(3, values, nullptr);
    EXPECT_EQ(errors.count(), 3);
    contouring.getTextureCoords(0, nullptr, nullptr);
    EXPECT_EQ(errors.count(), 3);
  }
  EXPECT_EQ(out[0], SbVec2f(7, 7));
  contouring.getTextureCoords(3, values, out);
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(out[i], SbVec2f(contouring.getTextureCoord(values[i]), 0.0f));
  EXPECT_FLOAT_EQ(out[1][0] * 32768.0f, 101.5f);
}

} // namespace
