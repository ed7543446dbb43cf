// Picture comparison: which differences pass the tolerances, and the
// evidence written when they do not.
#include "support/ImageCompare.h"

#include "offscreen/ImageComparator.h"
#include "offscreen/PngFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

using gridlux::offscreen::ImageComparator;
using gridlux::offscreen::PngFile;
using gridlux::offscreen::RgbaImage;

namespace {

const uint8_t kGrey[4] = {100, 100, 100, 255};

TEST(ImageComparator, ToleratesEdgeNoiseButNotFaults)
{
  const ImageComparator comparator(20, 1.0);
  const RgbaImage expected(50, 40, kGrey);

  EXPECT_TRUE(comparator.compare(expected, expected).match);

  // A few pixels slightly off, as rasterisers differ along edges.
  RgbaImage noisy = expected;
  for (int i = 0; i < 10; ++i) noisy.pixel(i, i)[1] = 115;
  EXPECT_TRUE(comparator.compare(noisy, expected).match);

  // One pixel far off: a local fault the mean alone would hide.
  RgbaImage spot = expected;
  spot.pixel(49, 0)[2] = 0;
  const ImageComparator::Result local = comparator.compare(spot, expected);
  EXPECT_FALSE(local.match);
  EXPECT_EQ(local.maxDifference, 100);
  EXPECT_EQ(local.differingPixels, 1);

  // Every pixel a little off: a global fault the maximum alone would hide.
  RgbaImage shade = expected;
  for (int y = 0; y < shade.height(); ++y) {
    for (int x = 0; x < shade.width(); ++x) shade.pixel(x, y)[0] = 110;
  }
  const ImageComparator::Result global = comparator.compare(shade, expected);
  EXPECT_FALSE(global.match);
  EXPECT_EQ(global.maxDifference, 10);
  EXPECT_NEAR(global.meanDifference, 2.5, 1e-9);

  // Different sizes never match, whatever the tolerance.
  const ImageComparator lenient(255, 255.0);
  EXPECT_FALSE(lenient.compare(RgbaImage(50, 41, kGrey), expected).match);
  EXPECT_FALSE(lenient.compare(RgbaImage(), RgbaImage()).match);
}

TEST(ImageComparator, WritesActualExpectedAndDiffOnFailure)
{
  const std::string stem = gridlux::test::testOutputDirectory() + "/comparator_report";
  for (const char * suffix : {"-actual.png", "-expected.png", "-diff.png"}) {
    std::filesystem::remove(stem + suffix);
  }
  const RgbaImage expected(8, 8, kGrey);
  RgbaImage actual = expected;
  actual.pixel(3, 5)[0] = 255;

  const ImageComparator comparator(10, 10.0);
  std::string written;
  EXPECT_TRUE(comparator.compareAndReport(expected, expected, stem, &written).match);
  EXPECT_FALSE(std::filesystem::exists(stem + "-actual.png"));

  EXPECT_FALSE(comparator.compareAndReport(actual, expected, stem, &written).match);
  RgbaImage diff, savedActual;
  ASSERT_TRUE(PngFile::read(stem + "-diff.png", diff)) << written;
  ASSERT_TRUE(PngFile::read(stem + "-actual.png", savedActual)) << written;
  EXPECT_TRUE(std::filesystem::exists(stem + "-expected.png"));
  EXPECT_TRUE(savedActual.bytes() == actual.bytes());
  // The faulty pixel is marked, the rest of the difference is black.
  EXPECT_EQ(diff.pixel(3, 5)[0], 255);
  EXPECT_EQ(diff.pixel(3, 5)[1], 0);
  EXPECT_EQ(diff.pixel(0, 0)[0], 0);
}

TEST(ImageComparator, MissingBaselineFails)
{
  // Never let this run write a baseline into the source tree.
  unsetenv("GRIDLUX_UPDATE_BASELINES");
  EXPECT_FALSE(gridlux::test::matchesBaseline(RgbaImage(4, 4, kGrey), "no_such_baseline_ever"));
}

} // namespace
