// Compares a rendered picture with a reference within per-channel
// tolerances, and writes the evidence when they differ.
#ifndef GRIDLUX_OFFSCREEN_IMAGECOMPARATOR_H
#define GRIDLUX_OFFSCREEN_IMAGECOMPARATOR_H

#include "RgbaImage.h"

#include <string>

namespace gridlux {
namespace offscreen {

/**
 * Two pictures match when they have the same size, no channel of any pixel
 * differs by more than the maximum tolerance, and the mean difference over
 * all channels of all pixels is within the mean tolerance. The maximum bounds
 * a local fault (a missing line), the mean a global one (a shifted shade),
 * while both leave room for rasteriser differences along edges.
 */
class ImageComparator {
public:
  struct Result {
    bool match = false;
    bool sameSize = false;
    int maxDifference = 0;      ///< largest channel difference, 0..255
    double meanDifference = 0;  ///< mean channel difference, 0..255
    long differingPixels = 0;   ///< pixels with any channel above the max tolerance
    std::string describe() const;
  };

  /** Defaults: max 48, mean 1.0 (out of 255). */
  ImageComparator(int maxTolerance = 48, double meanTolerance = 1.0);

  int maxTolerance() const { return maxTolerance_; }
  double meanTolerance() const { return meanTolerance_; }

  Result compare(const RgbaImage & actual, const RgbaImage & expected) const;

  /**
   * A picture of the differences: black where the pixels agree, each channel
   * difference scaled up, and pixels beyond the max tolerance in red. Empty
   * when the sizes differ.
   */
  RgbaImage differenceImage(const RgbaImage & actual, const RgbaImage & expected) const;

  /**
   * Compares and, when the pictures differ, writes `<stem>-actual.png`,
   * `<stem>-expected.png` and (for equal sizes) `<stem>-diff.png`. `written`
   * receives a note of the files written or of why they could not be.
   */
  Result compareAndReport(const RgbaImage & actual, const RgbaImage & expected,
                          const std::string & stem, std::string * written = nullptr) const;

private:
  int maxTolerance_;
  double meanTolerance_;
};

} // namespace offscreen
} // namespace gridlux

#endif
