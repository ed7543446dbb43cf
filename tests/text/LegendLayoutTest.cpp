// Legend layout from plain sizes: the font size that fits, where boxes and texts go, and
// the inputs it refuses.
#include <Gridlux/text/PiLegendLayout.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using Layout = PiLegendLayout;

bool within(const SbBox2f& inner, const SbBox2f& outer, float tol = 1e-4f)
{
  return inner.getMin()[0] >= outer.getMin()[0] - tol && inner.getMin()[1] >= outer.getMin()[1] - tol &&
         inner.getMax()[0] <= outer.getMax()[0] + tol && inner.getMax()[1] <= outer.getMax()[1] + tol;
}

TEST(LegendLayout, OneColumnOfBoxesFitsTheHeightAndIsCentredAcross)
{
  // Three boxes of texts 2, 3 and 1 wide: 3 boxes and 2 gaps of 0.975 high (4.875), one box,
  // its gap and the widest text across (0.975 + 0.65 + 3 = 4.625). The 4-high rectangle
  // bounds the size: s = 4 / 4.875, and the width left over goes equally on both sides.
  Layout::BoxesInput in;
  in.inner.setBounds(0, 0, 10, 4);
  in.numBoxes = 3;
  in.textWidths = {2, 3, 1};
  Layout::BoxesLayout out;
  ASSERT_TRUE(Layout::computeBoxes(in, out));
  const float s = 4.0f / 4.875f;
  EXPECT_NEAR(out.size, s, 1e-5);
  EXPECT_EQ(out.numColumns, 1);
  EXPECT_EQ(out.numRows, 3);
  const float left = 0.5f * (10.0f - 4.625f * s);
  for (int i = 0; i < 3; ++i) {
    const SbBox2f& box = out.boxes[i].box;
    EXPECT_NEAR(box.getMin()[0], left, 1e-4) << i;
    EXPECT_NEAR(box.getMax()[0] - box.getMin()[0], 0.975f * s, 1e-4) << i;
    EXPECT_NEAR(box.getMax()[1], 4.0f - i * 1.95f * s, 1e-4) << i;
    // Text anchored 0.65 s right of its box, level with its middle.
    EXPECT_NEAR(out.boxes[i].textAt[0], box.getMax()[0] + 0.65f * s, 1e-4) << i;
    EXPECT_NEAR(out.boxes[i].textAt[1], 0.5f * (box.getMin()[1] + box.getMax()[1]), 1e-4) << i;
  }
  EXPECT_NEAR(out.boxes[2].box.getMin()[1], 0.0f, 1e-4);

  // Twice as wide boxes, in a narrow rectangle: now the width bounds the size.
  in.boxRatio = 2.0f;
  in.inner.setBounds(0, 0, 2, 10);
  ASSERT_TRUE(Layout::computeBoxes(in, out));
  EXPECT_NEAR(out.size, 2.0f / (1.95f + 0.65f + 3.0f), 1e-5);
}

TEST(LegendLayout, GridOrderAndFactorRoom)
{
  Layout::BoxesInput in;
  in.inner.setBounds(1, 1, 9, 4);
  in.numBoxes = 7;
  in.numColumns = 3;
  in.textWidths.assign(7, 2.0f);
  Layout::BoxesLayout out;
  ASSERT_TRUE(Layout::computeBoxes(in, out));
  EXPECT_EQ(out.numColumns, 3);
  EXPECT_EQ(out.numRows, 3);
  // Column by column: 0, 1, 2 down the first column; 3 heads the second.
  EXPECT_FLOAT_EQ(out.boxes[1].box.getMin()[0], out.boxes[0].box.getMin()[0]);
  EXPECT_FLOAT_EQ(out.boxes[2].box.getMin()[0], out.boxes[0].box.getMin()[0]);
  EXPECT_LT(out.boxes[1].box.getMax()[1], out.boxes[0].box.getMin()[1]);
  EXPECT_FLOAT_EQ(out.boxes[3].box.getMax()[1], out.boxes[0].box.getMax()[1]);
  EXPECT_GT(out.boxes[3].box.getMin()[0], out.boxes[0].textAt[0] + 2.0f * out.size);
  for (const auto& p : out.boxes)
    EXPECT_TRUE(within(p.box, in.inner));

  in.columnByColumn = 0;
  ASSERT_TRUE(Layout::computeBoxes(in, out));
  EXPECT_FLOAT_EQ(out.boxes[1].box.getMax()[1], out.boxes[0].box.getMax()[1]);
  EXPECT_FLOAT_EQ(out.boxes[3].box.getMin()[0], out.boxes[0].box.getMin()[0]);

  // More columns than boxes: one per box.
  in.numColumns = 12;
  ASSERT_TRUE(Layout::computeBoxes(in, out));
  EXPECT_EQ(out.numColumns, 7);
  EXPECT_EQ(out.numRows, 1);

  // A factor takes room after the columns of a wide legend (the size shrinks) and its text
  // starts past the last column's text.
  in.numColumns = 3;
  in.columnByColumn = 1;
  ASSERT_TRUE(Layout::computeBoxes(in, out));
  const float without = out.size;
  in.factorWidth = 3.0f;
  ASSERT_TRUE(Layout::computeBoxes(in, out));
  EXPECT_LT(out.size, without);
  EXPECT_GE(out.factorAt[0], out.boxes[6].textAt[0] + 2.0f * out.size - 1e-4f);
  EXPECT_LE(out.factorAt[0] + 3.0f * out.size, in.inner.getMax()[0] + 1e-4f);
}

TEST(LegendLayout, BarBoxesTileInProportionWithUndefinedBoxesApart)
{
  Layout::BarInput in;
  in.inner.setBounds(0, 0, 2, 10);
  in.weights = {1, 2, 1};
  in.labelAt = {0, 1, 2, 3};
  in.labelWidths = {1, 1, 1, 1};
  in.lowerUndef = in.upperUndef = 1;
  in.lowerUndefWidth = in.upperUndefWidth = 3.0f;
  Layout::BarLayout out;
  ASSERT_TRUE(Layout::computeBar(in, out));
  const float s = out.size;
  ASSERT_GT(s, 0.0f);
  ASSERT_EQ(out.boxes.size(), 3u);
  const float length = out.boxes[2].getMax()[1] - out.boxes[0].getMin()[1];
  for (int k = 0; k < 3; ++k) {
    EXPECT_NEAR(out.boxes[k].getMax()[1] - out.boxes[k].getMin()[1], length * in.weights[k] / 4.0f, 1e-4) << k;
    if (k > 0)
      EXPECT_FLOAT_EQ(out.boxes[k].getMin()[1], out.boxes[k - 1].getMax()[1]);
    // The bar is 0.3 of the width thick.
    EXPECT_NEAR(out.boxes[k].getMax()[0] - out.boxes[k].getMin()[0], 0.6f, 1e-5);
  }
  // Labels at the box boundaries, 0.5 s right of the bar.
  const float boundaries[4] = {0, 1, 3, 4};
  for (int l = 0; l < 4; ++l) {
    EXPECT_NEAR(out.labelsAt[l][1], out.boxes[0].getMin()[1] + length * boundaries[l] / 4.0f, 1e-4) << l;
    EXPECT_NEAR(out.labelsAt[l][0], out.boxes[0].getMax()[0] + 0.5f * s, 1e-4) << l;
  }
  // Undefined boxes 1.3 s long, 0.465 s from the bar's ends, inside the rectangle.
  EXPECT_NEAR(out.lowerUndef.getMax()[1] - out.lowerUndef.getMin()[1], 1.3f * s, 1e-4);
  EXPECT_NEAR(out.boxes[0].getMin()[1] - out.lowerUndef.getMax()[1], 0.465f * s, 1e-4);
  EXPECT_NEAR(out.upperUndef.getMin()[1] - out.boxes[2].getMax()[1], 0.465f * s, 1e-4);
  EXPECT_TRUE(within(out.lowerUndef, in.inner));
  EXPECT_TRUE(within(out.upperUndef, in.inner));
  // The widest text (3 s) and its gap fit beside the bar within the share it may take.
  EXPECT_LE(3.0f * s, 0.6f * (2.0f - 0.6f) + 1e-5f);
  EXPECT_LE(out.labelsAt[0][0] + 3.0f * s, in.inner.getMax()[0] + 1e-4f);

  // Labels closer than a line pitch shrink the size.
  in.labelAt = {0, 0.05f, 3};
  in.labelWidths = {1, 1, 1};
  Layout::BarLayout crowded;
  ASSERT_TRUE(Layout::computeBar(in, crowded));
  EXPECT_LT(crowded.size, s);
  EXPECT_GE(crowded.labelsAt[1][1] - crowded.labelsAt[0][1], 1.3f * crowded.size - 1e-4f);
}

TEST(LegendLayout, HorizontalBarKeepsLabelsApartAndInside)
{
  Layout::BarInput in;
  in.inner.setBounds(0, 0, 10, 2);
  in.vertical = 0;
  in.textSide = Layout::TEXT_BELOW;
  in.weights = {1, 1, 1, 1, 1};
  in.labelAt = {0, 1, 2, 3, 4, 5};
  in.labelWidths = {2, 2, 2, 2, 2, 2};
  in.factorWidth = 2.5f;
  Layout::BarLayout out;
  ASSERT_TRUE(Layout::computeBar(in, out));
  const float s = out.size;
  for (size_t l = 1; l < out.labelsAt.size(); ++l)
    EXPECT_GE(out.labelsAt[l][0] - out.labelsAt[l - 1][0], 2.0f * s + 0.5f * s - 1e-4f) << l;
  EXPECT_GE(out.labelsAt.front()[0] - s, in.inner.getMin()[0] - 1e-4f);
  // Below the bar, and the factor after it, within the rectangle.
  EXPECT_NEAR(out.labelsAt[0][1], out.boxes[0].getMin()[1] - 0.5f * s, 1e-4);
  EXPECT_GE(out.factorAt[0], out.boxes.back().getMax()[0]);
  EXPECT_LE(out.factorAt[0] + 2.5f * s, in.inner.getMax()[0] + 1e-4f);
}

TEST(LegendLayout, RefusesWhatCannotBeLaidOut)
{
  Layout::BoxesLayout boxes;
  Layout::BoxesInput none;
  none.inner.setBounds(0, 0, 1, 1);
  EXPECT_FALSE(Layout::computeBoxes(none, boxes));
  Layout::BoxesInput flat;
  flat.inner.setBounds(0, 0, 1, 0);
  flat.numBoxes = 2;
  EXPECT_FALSE(Layout::computeBoxes(flat, boxes));
  EXPECT_TRUE(boxes.boxes.empty());

  Layout::BarLayout bar;
  Layout::BarInput weightless;
  weightless.inner.setBounds(0, 0, 1, 5);
  weightless.weights = {0, -1, std::numeric_limits<float>::quiet_NaN()};
  EXPECT_FALSE(Layout::computeBar(weightless, bar));
  // Labels with broken places are clamped onto the bar, not drawn elsewhere.
  Layout::BarInput odd = weightless;
  odd.weights = {1, 1};
  odd.labelAt = {-4, std::numeric_limits<float>::infinity(), 9};
  odd.labelWidths = {1, 1, 1};
  ASSERT_TRUE(Layout::computeBar(odd, bar));
  for (const SbVec2f& at : bar.labelsAt) {
    EXPECT_GE(at[1], bar.boxes.front().getMin()[1] - 1e-4f);
    EXPECT_LE(at[1], bar.boxes.back().getMax()[1] + 1e-4f);
  }
}

} // namespace
