// Compares a rendered picture with its stored baseline
// (tests/baselines/<name>.png) as a GoogleTest assertion.
#ifndef GRIDLUX_TESTS_IMAGECOMPARE_H
#define GRIDLUX_TESTS_IMAGECOMPARE_H

#include "offscreen/RgbaImage.h"

#include <gtest/gtest.h>

#include <string>

namespace gridlux {
namespace test {

/**
 * Succeeds when `actual` matches the baseline `name` within the tolerances
 * (see offscreen::ImageComparator). On failure the message gives the
 * differences and the actual, expected and diff pictures are written to the
 * test output directory. A missing baseline fails too, with the actual
 * picture written beside where the baseline belongs; setting
 * GRIDLUX_UPDATE_BASELINES=1 writes it as the new baseline (and still fails,
 * so that a run that creates baselines is never mistaken for a passing one).
 *
 *   EXPECT_TRUE(matchesBaseline(render(scene), "axes_linear"));
 */
::testing::AssertionResult matchesBaseline(const offscreen::RgbaImage & actual,
                                           const std::string & name,
                                           int maxTolerance = 48,
                                           double meanTolerance = 1.0);

/** The directory for pictures written by failing tests, created on demand. */
std::string testOutputDirectory();

} // namespace test
} // namespace gridlux

#endif
