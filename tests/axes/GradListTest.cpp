// Main and sub graduations, and the layout rules of an axis, on plain numbers.
#include <Gridlux/axes/PiAxisLayout.h>
#include <Gridlux/axes/PiGradList.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

// Graduations first + i * step with their printed values as labels.
struct Grads {
  std::vector<float> coords;
  std::vector<SbString> labels;
  PiGradList::Input in;

  Grads(float start, float end, float first, float step, int n)
  {
    for (int i = 0; i < n; ++i) {
      coords.push_back(first + i * step);
      labels.push_back(SbString(std::to_string(i).c_str()));
    }
    in.start = start;
    in.end = end;
    in.step = step;
    in.numGrads = n;
    in.grads = coords.data();
    in.labels = labels.data();
  }
};

std::vector<float> sorted(std::vector<float> v)
{
  std::sort(v.begin(), v.end());
  return v;
}

void expectValues(const std::vector<float>& actual, const std::vector<float>& expected)
{
  ASSERT_EQ(actual.size(), expected.size());
  for (size_t i = 0; i < actual.size(); ++i)
    EXPECT_NEAR(actual[i], expected[i], 1e-5f) << "at " << i;
}

TEST(GradList, FirstAndLastDropTheEndLabelsAndMakeThemSubTicks)
{
  Grads g(0, 10, 0, 2, 6);
  g.in.firstGrad = 2;
  g.in.lastGrad = 2;
  PiGradList list;
  list.compute(g.in);
  expectValues(list.mainCoords(), {2, 4, 6, 8});
  ASSERT_EQ(list.mainLabels().size(), 4u);
  EXPECT_STREQ(list.mainLabels()[0].getString(), "1");
  EXPECT_STREQ(list.mainLabels()[3].getString(), "4");
  expectValues(sorted(list.subCoords()), {0, 10});
}

TEST(GradList, PeriodLabelsEveryOtherGraduation)
{
  Grads g(0, 10, 0, 1, 11);
  g.in.numOrPeriod = 2;
  PiGradList list;
  list.compute(g.in);
  expectValues(list.mainCoords(), {0, 2, 4, 6, 8, 10});
  expectValues(sorted(list.subCoords()), {1, 3, 5, 7, 9});
  EXPECT_STREQ(list.mainLabels()[1].getString(), "2");
}

TEST(GradList, SubTicksSplitEachIntervalAndContinueToTheEnds)
{
  // Graduations 1 .. 9 on an axis from 0.7 to 9.3: three sub ticks per unit interval.
  Grads g(0.7f, 9.3f, 1, 1, 9);
  g.in.subDef = PiGradList::NUM_SUB_TICK;
  g.in.numOrPeriod = 3;
  PiGradList list;
  list.compute(g.in);
  EXPECT_EQ(list.mainCoords().size(), 9u);
  const std::vector<float> sub = sorted(list.subCoords());
  // 8 intervals of 3, one before 1 (0.75) and one after 9 (9.25).
  ASSERT_EQ(sub.size(), 8u * 3 + 2);
  EXPECT_NEAR(sub.front(), 0.75f, 1e-5f);
  EXPECT_NEAR(sub.back(), 9.25f, 1e-5f);
  for (size_t i = 1; i < sub.size(); ++i) {
    const float gap = sub[i] - sub[i - 1];
    // Quarter steps, skipping the main graduation between two quarters.
    EXPECT_TRUE(std::fabs(gap - 0.25f) < 1e-5f || std::fabs(gap - 0.5f) < 1e-5f) << gap;
  }
}

TEST(GradList, DecreasingAxisAndEmptyCases)
{
  Grads g(10, 0, 10, -2, 6);
  g.in.subDef = PiGradList::NUM_SUB_TICK;
  g.in.numOrPeriod = 1;
  PiGradList list;
  list.compute(g.in);
  expectValues(list.mainCoords(), {10, 8, 6, 4, 2, 0});
  expectValues(sorted(list.subCoords()), {1, 3, 5, 7, 9});

  g.in.numOrPeriod = 0; // no sub ticks at all
  list.compute(g.in);
  EXPECT_TRUE(list.subCoords().empty());

  g.in.numGrads = 0;
  list.compute(g.in);
  EXPECT_TRUE(list.mainCoords().empty());
  EXPECT_TRUE(list.subCoords().empty());
}

TEST(GradList, OneMainGraduationKeepsSubTicksAwayFromIt)
{
  // Only 5 is a multiple of the step inside [3.2, 6.1]; its neighbours 0 and 10 bracket it.
  Grads g(3.2f, 6.1f, 5, 5, 1);
  g.in.subDef = PiGradList::NUM_SUB_TICK;
  g.in.numOrPeriod = 4;
  PiGradList list;
  list.compute(g.in);
  expectValues(list.mainCoords(), {5});
  ASSERT_FALSE(list.subCoords().empty());
  for (float x : list.subCoords()) {
    EXPECT_GE(x, 3.2f - 1e-5f);
    EXPECT_LE(x, 6.1f + 1e-5f);
    EXPECT_GT(std::fabs(x - 5.0f), 0.5f); // sub step 1 (10 / 5, halved): none on the main one
  }
}

TEST(AxisLayout, MarginsOfBothKindsAndBothDirections)
{
  float lo, hi;
  PiAxisLayout::getGradLimit(true, 0.1f, 0.2f, 0, 10, lo, hi);
  EXPECT_FLOAT_EQ(lo, 1);
  EXPECT_FLOAT_EQ(hi, 8);
  PiAxisLayout::getGradLimit(false, -1, 2, 10, 0, lo, hi); // fixed, decreasing, sign ignored
  EXPECT_FLOAT_EQ(lo, 9);
  EXPECT_FLOAT_EQ(hi, 2);
  PiAxisLayout::getGradLimit(true, 0.7f, 0.7f, 0, 10, lo, hi); // overlapping margins
  EXPECT_FLOAT_EQ(lo, hi);
}

TEST(AxisLayout, LabelSizeShrinksOnlyWhenLabelsWouldTouch)
{
  // Along the axis: the width decides.
  EXPECT_FLOAT_EQ(PiAxisLayout::getLabelSize(true, 0.04f, 0.1f, 0.08f, 1), 0.04f);
  EXPECT_FLOAT_EQ(PiAxisLayout::getLabelSize(true, 0.04f, 0.1f, 0.2f, 1), 0.02f);
  EXPECT_FLOAT_EQ(PiAxisLayout::getLabelSize(true, 0.04f, 0.0f, 5.0f, 1), 0.04f); // one label
  // Across the axis: the stacked lines decide.
  EXPECT_FLOAT_EQ(PiAxisLayout::getLabelSize(false, 0.04f, 0.03f, 9.0f, 1), 0.04f);
  EXPECT_FLOAT_EQ(PiAxisLayout::getLabelSize(false, 0.04f, 0.06f, 0.0f, 3), 0.02f);
}

} // namespace
