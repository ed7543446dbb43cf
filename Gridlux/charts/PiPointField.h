// Geometry of free point sets on plain arrays: usable entries, value-scaled sizes, marker discs
// and bars from a threshold.
#ifndef GRIDLUX_PIPOINTFIELD_H
#define GRIDLUX_PIPOINTFIELD_H

#include <Inventor/SbVec2f.h>
#include <Inventor/SbVec3f.h>

#include <cstdint>
#include <vector>

/**
 * @brief Plain-array helpers of the point-field charts (valued markers, point bars).
 *
 * All output lies in the plane z = 0 and is appended to caller-owned vectors, which a node
 * reuses between rebuilds. No scene-graph types.
 */
class PiPointField {
public:
  /** Sides of the polygon that stands for a round marker. */
  static constexpr int kDiscSides = 24;

  /**
   * The indices of the entries to draw: the first min(@p numPoints, @p numValues) entries (all
   * points when @p numValues is negative: no value list) whose point and value are finite.
   * Posts one warning from @p method when the lists differ in length and one when entries are
   * dropped as not finite. @p values may be null when @p numValues is 0 or less.
   */
  static void usableEntries(const char* method, int numPoints, const SbVec2f* points, int numValues,
                            const float* values, std::vector<int>& kept);

  /**
   * One size per entry of @p kept: @p minSize at the smallest of their values, @p maxSize at the
   * largest, linear between (so minSize > maxSize makes large values small). When every value
   * is equal each gets the middle of the two sizes.
   */
  static void linearSizes(const std::vector<int>& kept, const float* values, float minSize,
                          float maxSize, std::vector<float>& sizes);

  /**
   * Appends the counter-clockwise polygon of a round marker of @p diameter centred at @p centre:
   * the unit-radius outline @p unit (numUnit points) scaled by diameter / 2 in x and by
   * diameter / 2 / @p aspect in y, so that a transform scaling y by aspect makes it round.
   */
  static void appendDisc(const SbVec2f& centre, float diameter, float aspect, const SbVec2f* unit,
                         int numUnit, std::vector<SbVec3f>& coords);

  /** Appends a segment (2 points) from (x, @p threshold) to each point of @p kept. */
  static void appendBarLines(const SbVec2f* points, const std::vector<int>& kept, float threshold,
                             std::vector<SbVec3f>& coords);

  /**
   * Appends per point of @p kept the rectangle x +- @p width / 2 between y = @p threshold and the
   * point's y: four corners, counter-clockwise whichever side of the threshold the point is.
   */
  static void appendBarRectangles(const SbVec2f* points, const std::vector<int>& kept,
                                  float threshold, float width, std::vector<SbVec3f>& coords);
};

#endif
