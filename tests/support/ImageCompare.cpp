// Baseline comparison of rendered pictures for image tests.
#include "support/ImageCompare.h"

#include "offscreen/ImageComparator.h"
#include "offscreen/PngFile.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace gridlux {
namespace test {

std::string
testOutputDirectory()
{
  const std::string dir = GRIDLUX_TEST_OUTPUT;
  std::error_code ignored;
  std::filesystem::create_directories(dir, ignored);
  return dir;
}

::testing::AssertionResult
matchesBaseline(const offscreen::RgbaImage & actual, const std::string & name,
                int maxTolerance, double meanTolerance)
{
  if (actual.empty()) return ::testing::AssertionFailure() << "nothing was rendered for " << name;

  const std::string baseline = std::string(GRIDLUX_TEST_BASELINES) + "/" + name + ".png";
  const std::string stem = testOutputDirectory() + "/" + name;
  std::string error;

  offscreen::RgbaImage expected;
  if (!offscreen::PngFile::read(baseline, expected, &error)) {
    const char * update = std::getenv("GRIDLUX_UPDATE_BASELINES");
    const bool updating = update && std::strcmp(update, "1") == 0;
    const std::string target = updating ? baseline : stem + "-actual.png";
    std::string written;
    const bool saved = offscreen::PngFile::write(target, actual, &written);
    return ::testing::AssertionFailure()
      << "no baseline for " << name << " (" << error << "); "
      << (saved ? (updating ? "wrote it as the new baseline " : "wrote the actual picture to ") + target
                : written);
  }

  const offscreen::ImageComparator comparator(maxTolerance, meanTolerance);
  std::string written;
  const offscreen::ImageComparator::Result result =
    comparator.compareAndReport(actual, expected, stem, &written);
  if (result.match) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
    << name << " differs from " << baseline << ": " << result.describe()
    << " (tolerances: max " << maxTolerance << ", mean " << meanTolerance << "); " << written;
}

} // namespace test
} // namespace gridlux
