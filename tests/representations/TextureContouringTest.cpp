// Band texture: the texel each value's coordinate lands in against the band the isovalue list
// puts the value in, the texture's width and opacity, and its release.
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
#include <string>
#include <vector>

namespace {

// Bytes of texel k (empty past the end); the width comes back through @p width.
std::vector<int> texel(const PiTextureContouring& contouring, int k, int* width = nullptr)
{
  SbVec2s size;
  int nc = 0;
  const unsigned char* bytes = contouring.getTexture()->image.getValue(size, nc);
  if (width)
    *width = size[0];
  return k < size[0] && size[1] == 1 ? std::vector<int>(bytes + k * nc, bytes + (k + 1) * nc)
                                     : std::vector<int>();
}

// A texel of the mapping colour of @p value: components x 255 truncated, opacity last if any.
std::vector<int> expected(const PbDataMapping& mapping, float value)
{
  float t = 0.0f;
  const SbColor& c = *mapping.getRGBColor(value, t);
  std::vector<int> bytes{int(c[0] * 255), int(c[1] * 255), int(c[2] * 255)};
  if (mapping.isTransparencyEnabled())
    bytes.push_back(int((1 - t) * 255));
  return bytes;
}

struct Row {
  int width;
  int regular;
  std::vector<float> levels; // regular rows: min, max, count
};

class TextureContouring : public ::testing::TestWithParam<Row> {
protected:
  static void SetUpTestSuite() { PoGridlux::init(); }
};

TEST_P(TextureContouring, EveryValueLandsInTheTexelOfItsBandColour)
{
  const Row& row = GetParam();
  PbIsovaluesList list;
  if (row.regular)
    list.setRegularIsoList(row.levels[0], row.levels[1], int(row.levels[2]));
  else
    list.setIrregularIsoList(int(row.levels.size()), row.levels.data());
  int num = 0, regular = 0;
  float min = 0, max = 0, step = 0;
  const float* levels = list.getIsoList(num, min, max, step, regular);
  ASSERT_EQ(regular, row.regular);

  // Red to blue over the levels, green under a threshold below them: every band differs.
  PbLinearDataMapping mapping;
  mapping.setValues(min, SbColor(1, 0, 0), max, SbColor(0, 0, 1));
  mapping.setMinThreshold(min - 1, SbColor(0, 1, 0), 0);
  mapping.enableThresholds(1, 0);
  PiTextureContouring contouring;
  contouring.setDataMapping(&mapping);
  contouring.setIsovaluesList(&list);
  contouring.buildTexture();
  int width = 0;
  EXPECT_EQ(texel(contouring, 0, &width).size(), 3u);
  ASSERT_EQ(width, row.width);

  // Across and beyond the levels, and on every level and its two float neighbours.
  std::vector<float> probes{-INFINITY, -1e30f, 1e30f, INFINITY};
  for (int i = 0; i <= 2000; ++i)
    probes.push_back(min + (max - min) * (-0.3f + float(i) * 0.0008f));
  for (int i = 0; i < num; ++i)
    probes.insert(probes.end(), {std::nextafter(levels[i], -INFINITY), levels[i],
                                 std::nextafter(levels[i], INFINITY)});
  std::sort(probes.begin(), probes.end());
  float previous = 0;
  for (float v : probes) {
    const float s = contouring.getTextureCoord(v);
    EXPECT_EQ(texel(contouring, int(std::floor(s * float(width)))),
              expected(mapping, list.getLowerIsovalue(v)))
        << "value " << v << " s " << s;
    // Growing with the value, so that interpolation across a cell crosses the bands in order.
    EXPECT_GE(s, previous) << "value " << v;
    previous = s;
  }
  EXPECT_EQ(contouring.getTextureCoord(max), float(num) / float(width));
  // Inside a band the coordinate crosses its texel in proportion to the value.
  const float quarter = levels[0] + 0.25f * (levels[1] - levels[0]);
  EXPECT_NEAR(contouring.getTextureCoord(quarter) * float(width),
              1 + (double(quarter) - levels[0]) / (double(levels[1]) - levels[0]), 1e-3);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, TextureContouring,
    ::testing::Values(Row{16, 1, {-2.3f, 4.1f, 10}}, Row{32, 1, {0.1f, 3.1f, 16}},
                      Row{16, 0, {-3, -1.5f, -1.4f, 0, 0.1f, 2, 2.5f, 3, 4, 7, 7.5f, 7.6f, 9, 11, 20}},
                      Row{8, 0, {0, 1, 1, 2.5f, 3}}, // a repeated level
                      Row{8, 0, {1000, 1000.001f, 1000.002f, 1000.5f}}),
    [](const ::testing::TestParamInfo<Row>& info) {
      return (info.param.regular ? "Regular" : "Irregular") + std::to_string(info.index);
    });

TEST_F(TextureContouring, TransparentMappingStoresTheOpacity)
{
  PbIsovaluesList list(0.0f, 1.0f, 5);
  PbLinearDataMapping mapping;
  mapping.setValues(0.0f, SbColor(1, 1, 0), 0.1f, 1.0f, SbColor(0, 0.5f, 1), 0.9f);
  mapping.enableTransparency(1);
  PiTextureContouring contouring;
  contouring.setDataMapping(&mapping);
  contouring.setIsovaluesList(&list);
  contouring.buildTexture();
  EXPECT_EQ(texel(contouring, 3), (std::vector<int>{127, 191, 127, 127})); // level 0.5
  EXPECT_EQ(texel(contouring, 5), (std::vector<int>{0, 127, 255, 25}));    // level 1, 0.9
  EXPECT_EQ(texel(contouring, 7), texel(contouring, 5));
}

TEST_F(TextureContouring, TextureIsReleasedWhenReplacedAndOnDestruction)
{
  PbIsovaluesList list(0.0f, 1.0f, 4);
  SoTexture2 *first = nullptr, *second = nullptr;
  {
    PiTextureContouring contouring;
    contouring.setIsovaluesList(&list);
    contouring.buildTexture();
    (first = contouring.getTexture())->ref();
    contouring.buildTexture();
    (second = contouring.getTexture())->ref();
    EXPECT_NE(second, first);
    EXPECT_EQ(first->getRefCount(), 1);
  }
  EXPECT_EQ(second->getRefCount(), 1);
  first->unref();
  second->unref();
}

TEST_F(TextureContouring, DegenerateOrBadInputKeepsEveryValueInTheTexture)
{
  PiTextureContouring contouring; // no mapping: the default black-to-white ramp
  contouring.buildTexture();      // no list: one texel, the zone below every level
  EXPECT_EQ(texel(contouring, 0), expected(PbLinearDataMapping(), -1e20f));
  EXPECT_EQ(contouring.getTextureCoord(5.0f), 0.0f);

  PbIsovaluesList list;
  const float level = 0.5f;
  list.setIrregularIsoList(1, &level);
  contouring.setIsovaluesList(&list);
  contouring.buildTexture();
  EXPECT_EQ(texel(contouring, 1), (std::vector<int>{127, 127, 127}));
  const float values[4] = {0.4f, 0.5f, 0.6f, NAN};
  SbVec2f out[4] = {SbVec2f(7, 7)};
  ErrorCatcher errors;
  contouring.getTextureCoords(-1, values, out);
  contouring.getTextureCoords(2, nullptr, out);
  contouring.getTextureCoords(0, nullptr, nullptr);
  EXPECT_EQ(errors.count(), 2);
  EXPECT_EQ(out[0], SbVec2f(7, 7));
  contouring.getTextureCoords(4, values, out);
  EXPECT_EQ(out[0], SbVec2f(0, 0));
  EXPECT_EQ(out[1], SbVec2f(0.5f, 0));
  EXPECT_EQ(out[2], SbVec2f(0.999999f, 0));
  EXPECT_EQ(out[3], SbVec2f(0, 0)); // NaN has no band: the zone below the levels

  list.setRegularIsoList(0.0f, 1.0f, 16384); // one more than the widest image holds
  contouring.setIsovaluesList(&list);
  contouring.buildTexture();
  EXPECT_EQ(contouring.getTexture(), nullptr);
  EXPECT_TRUE(errors.contains("16384 isovalues"));
}

} // namespace
