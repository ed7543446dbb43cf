// Automatic linear graduation: the step rule, the first graduation and the count, on rows of
// ranges and on a sweep of awkward ranges checked against what graduations must satisfy.
#include "support/ErrorCatcher.h"

#include <Gridlux/axes/PiLinearGraduation.h>
#include <Gridlux/base/PoGridlux.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace {

typedef PiLinearGraduation G;

struct StepRow {
  float range, step;
};

class AutomaticStep : public ::testing::TestWithParam<StepRow> {};

TEST_P(AutomaticStep, IsTheRoundStepOfTheRange)
{
  float step = 0.0f;
  G::getStep(GetParam().range, step);
  EXPECT_FLOAT_EQ(step, GetParam().step) << "range " << GetParam().range;
}

// A range of exactly a power of ten gets 2 x 10^(n-1), so 5 intervals; the rest 5 to 10.
INSTANTIATE_TEST_SUITE_P(Rows, AutomaticStep,
                         ::testing::Values(StepRow{1, 0.2f}, StepRow{10, 2}, StepRow{100, 20},
                                           StepRow{5, 1}, StepRow{20, 3}, StepRow{30, 4},
                                           StepRow{40, 5}, StepRow{50, 10}, StepRow{-10, -2},
                                           StepRow{0.07f, 0.01f}, StepRow{7.5e6f, 1e6f},
                                           StepRow{2.5e-4f, 3e-5f}));

struct FirstRow {
  G::GradFit fit;
  float start, end, step;
  float first;
  int num;
};

class FirstGrad : public ::testing::TestWithParam<FirstRow> {};

TEST_P(FirstGrad, StartsOnTheRightValueAndCounts)
{
  const FirstRow& r = GetParam();
  float first = -99;
  int num = -1;
  G::getFirstGrad(r.fit, r.start, r.end, r.step, first, num);
  EXPECT_NEAR(first, r.first, 1e-5f);
  EXPECT_EQ(num, r.num);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FirstGrad,
    ::testing::Values(FirstRow{G::GRAD_UNFIT, 0, 10, 2, 0, 6},
                      FirstRow{G::GRAD_UNFIT, 0, 20, 3, 0, 7},
                      FirstRow{G::GRAD_UNFIT, 10, 0, -2, 10, 6},      // decreasing axis
                      FirstRow{G::GRAD_UNFIT, 0.7f, 9.3f, 1, 1, 9},   // on whole steps
                      FirstRow{G::GRAD_FIT, 0.7f, 9.3f, 1, 0.7f, 9},  // from the start
                      FirstRow{G::GRAD_UNFIT, -0.35f, 0.35f, 0.1f, -0.3f, 7},
                      FirstRow{G::GRAD_UNFIT, 0.1f, 0.9f, 1, 0.1f, 0}, // no multiple inside
                      FirstRow{G::GRAD_UNFIT, 3, 3, 1, 3, 0}));        // equal ends

TEST(LinearGraduation, UserStepKeepsItsSizeAndTakesTheSignOfTheRange)
{
  float step = -2.5f;
  G::getStep(10, step);
  EXPECT_FLOAT_EQ(step, 2.5f);
  step = 2.5f;
  G::getStep(-10, step);
  EXPECT_FLOAT_EQ(step, -2.5f);
  step = 4.0f;
  G::getStep(0, step); // nothing to graduate: the step stays as given
  EXPECT_FLOAT_EQ(step, 4.0f);
}

// Over many ranges, of every size and sign, the graduations are round, inside, evenly spaced,
// and their number stays within the 5 to 10 intervals that the step rule aims at.
TEST(LinearGraduation, SweepOfRangesGivesRoundEvenGraduationsInside)
{
  std::mt19937 random(7);
  std::uniform_real_distribution<double> exponent(-6, 7), mantissa(1, 10), offset(-3, 3);
  for (int k = 0; k < 4000; ++k) {
    const double span = mantissa(random) * std::pow(10.0, exponent(random));
    const float start = float(offset(random) * span);
    const float end = float(start + ((k % 2) ? -span : span));
    if (start == end)
      continue;
    float step = 0, first = 0;
    int num = 0;
    G::getGrads(G::GRAD_UNFIT, start, end, step, first, num);
    ASSERT_NE(step, 0.0f);
    ASSERT_EQ(step > 0, end > start) << start << " " << end;

    // Round: 1, 2, 3, 4 or 5 times a power of ten.
    const double e = std::floor(std::log10(std::fabs(step)) + 1e-9);
    const double m = std::fabs(step) / std::pow(10.0, e);
    const double nearest = std::round(m);
    EXPECT_NEAR(m, nearest, 1e-4) << "step " << step;
    EXPECT_TRUE(nearest >= 1 && nearest <= 5) << "step " << step;

    const double intervals = (double(end) - double(start)) / step;
    EXPECT_GE(intervals, 4.9 - 1e-4) << start << " " << end;
    EXPECT_LE(intervals, 10.0 + 1e-4) << start << " " << end;
    EXPECT_GE(num, 4);
    EXPECT_LE(num, 11);

    const double lo = std::min(start, end), hi = std::max(start, end);
    // Graduations may overshoot an end by a hair of float rounding, never by a real fraction.
    const double slack = 2e-4 * std::fabs(step), missing = 5e-5 * std::fabs(step);
    for (int i = 0; i < num; ++i) {
      const double g = double(first) + i * double(step);
      EXPECT_GE(g, lo - slack);
      EXPECT_LE(g, hi + slack);
      // On a whole multiple of the step.
      EXPECT_NEAR(g / step, std::round(g / step), 1e-3) << g << " step " << step;
    }
    // Nothing missing at either end.
    const double before = double(first) - step, after = double(first) + num * double(step);
    EXPECT_TRUE(before < lo - missing || before > hi + missing) << start << " " << end;
    EXPECT_TRUE(after < lo - missing || after > hi + missing) << start << " " << end;
  }
}

TEST(LinearGraduation, BadInputIsReportedAndGivesNoGraduation)
{
  PoGridlux::init();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  {
    ErrorCatcher errors;
    float step = 0, first = 0;
    int num = 5;
    G::getGrads(G::GRAD_UNFIT, 0, nan, step, first, num);
    EXPECT_EQ(num, 0);
    EXPECT_GE(errors.count(), 1);
    EXPECT_TRUE(errors.contains("not finite"));
  }
  {
    ErrorCatcher errors;
    float first = 0;
    int num = 5;
    G::getFirstGrad(G::GRAD_UNFIT, 0, 10, -1, first, num); // wrong direction
    EXPECT_EQ(num, 0);
    EXPECT_EQ(errors.count(), 1);
    G::getFirstGrad(G::GRAD_FIT, -inf, 10, 1, first, num);
    EXPECT_EQ(num, 0);
    EXPECT_EQ(errors.count(), 2);
  }
  {
    // A step far too small for the range falls back to the automatic one.
    ErrorCatcher errors;
    float step = 1e-6f, first = 0;
    int num = 0;
    G::getGrads(G::GRAD_UNFIT, 0, 100, step, first, num);
    EXPECT_FLOAT_EQ(step, 20.0f);
    EXPECT_EQ(num, 6);
    EXPECT_TRUE(errors.contains("automatic step used"));
  }
}

} // namespace
