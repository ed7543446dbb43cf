// Tolerant picture comparison with actual, expected and difference output.
#include "ImageComparator.h"

#include "PngFile.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace gridlux {
namespace offscreen {

std::string
ImageComparator::Result::describe() const
{
  std::ostringstream out;
  if (!sameSize) {
    out << "pictures differ in size";
    return out.str();
  }
  out << "max channel difference " << maxDifference << ", mean " << meanDifference
      << ", " << differingPixels << " pixel(s) beyond the max tolerance";
  return out.str();
}

ImageComparator::ImageComparator(int maxTolerance, double meanTolerance)
  : maxTolerance_(maxTolerance), meanTolerance_(meanTolerance)
{
}

ImageComparator::Result
ImageComparator::compare(const RgbaImage & actual, const RgbaImage & expected) const
{
  Result result;
  result.sameSize = !actual.empty() && actual.width() == expected.width() &&
    actual.height() == expected.height();
  if (!result.sameSize) return result;

  const std::vector<uint8_t> & a = actual.bytes();
  const std::vector<uint8_t> & e = expected.bytes();
  double sum = 0.0;
  for (size_t p = 0; p < a.size(); p += 4) {
    int pixelMax = 0;
    for (size_t c = 0; c < 4; ++c) {
      const int d = std::abs(int(a[p + c]) - int(e[p + c]));
      pixelMax = std::max(pixelMax, d);
      sum += d;
    }
    result.maxDifference = std::max(result.maxDifference, pixelMax);
    if (pixelMax > maxTolerance_) ++result.differingPixels;
  }
  result.meanDifference = sum / double(a.size());
  result.match = result.maxDifference <= maxTolerance_ &&
    result.meanDifference <= meanTolerance_;
  return result;
}

RgbaImage
ImageComparator::differenceImage(const RgbaImage & actual, const RgbaImage & expected) const
{
  if (actual.empty() || actual.width() != expected.width() ||
      actual.height() != expected.height()) {
    return RgbaImage();
  }
  RgbaImage diff(actual.width(), actual.height());
  for (int y = 0; y < actual.height(); ++y) {
    for (int x = 0; x < actual.width(); ++x) {
      const uint8_t * a = actual.pixel(x, y);
      const uint8_t * e = expected.pixel(x, y);
      uint8_t * d = diff.pixel(x, y);
      int pixelMax = 0;
      for (int c = 0; c < 4; ++c) pixelMax = std::max(pixelMax, std::abs(int(a[c]) - int(e[c])));
      if (pixelMax > maxTolerance_) {
        d[0] = 255; d[1] = 0; d[2] = 0;
      }
      else {
        // Small differences are scaled up so that they can be seen at all.
        for (int c = 0; c < 3; ++c) d[c] = uint8_t(std::min(255, 4 * std::abs(int(a[c]) - int(e[c]))));
      }
      d[3] = 255;
    }
  }
  return diff;
}

ImageComparator::Result
ImageComparator::compareAndReport(const RgbaImage & actual, const RgbaImage & expected,
                                  const std::string & stem, std::string * written) const
{
  const Result result = compare(actual, expected);
  if (result.match) return result;

  std::string note;
  std::string error;
  auto save = [&](const RgbaImage & image, const std::string & suffix) {
    if (image.empty()) return;
    const std::string path = stem + suffix;
    if (PngFile::write(path, image, &error)) {
      note += (note.empty() ? "wrote " : ", ") + path;
    }
    else {
      note += (note.empty() ? "" : "; ") + error;
    }
  };
  save(actual, "-actual.png");
  save(expected, "-expected.png");
  save(differenceImage(actual, expected), "-diff.png");
  if (written) *written = note;
  return result;
}

} // namespace offscreen
} // namespace gridlux
