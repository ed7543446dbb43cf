// Pie-chart arithmetic: which slices are drawn, their angles, grouping, pull-out and the
// anchors of their annotations. Plain values in and out, no scene graph.
#ifndef GRIDLUX_PIPIESLICES_H
#define GRIDLUX_PIPIESLICES_H

#include <Inventor/SbVec2f.h>

#include <vector>

/**
 * @brief Turns slice values into the display list of a pie.
 *
 * compute() takes n values (non-positive and non-finite values draw nothing and count as 0 in the
 * sum S), percentages value / S * 100, and when grouping is on, merges the values 0 < v < T
 * (T = minValue % of S, or minValue itself) into one grouped slice placed last, provided that
 * there are at least two of them. Slices then follow each other counter-clockwise from angle 0,
 * each spanning its percentage of 2 pi; the last ends at exactly 2 pi.
 *
 * The static helpers give the pull-out table and the anchors of the inner and outer annotations.
 */
class PiPieSlices {
public:
  enum ThresholdMode { ABSOLUTE = 0, PERCENTAGE = 1 };
  enum IntPosition { RADIAL_INT = 0, HOR_INT = 1 };
  enum ExtPosition { RADIAL_EXT = 0, HOR_EXT = 1, HOR_ALIGNED_EXT = 2, VERT_ALIGNED_EXT = 3,
                     SQUARE_ALIGNED_EXT = 4 };

  /** One drawn slice. */
  struct Slice {
    int index;        ///< 0-based slice number, -1 for the grouped slice
    float value;      ///< the value, or the grouped values' sum
    float percentage; ///< share of S in per cent
    float start, end; ///< angles in radians
    float mid() const { return 0.5f * (start + end); }
  };

  PiPieSlices() = default;

  void compute(int n, const float* values, int groupActive, float groupMinValue,
               ThresholdMode mode);

  const std::vector<Slice>& getSlices() const { return m_slices; }
  /** Percentage of every input value (negative for negative values, 0 when S is 0). */
  const std::vector<float>& getPercentages() const { return m_percentages; }
  float getSum() const { return m_sum; }
  /** Number of values merged into the grouped slice (0 when there is none). */
  int getNumGrouped() const { return m_numGrouped; }

  /**
   * Fills @p table (n + 1 entries, the last for the grouped slice) from the first m pairs:
   * a number k >= 0 below n sets slice k, a negative one the grouped slice, later pairs win.
   */
  static void pullOutTable(int n, int m, const short* numbers, const float* distances,
                           float* table);

  /** Text side (0 right half, 1 left half) and rotation of an inner annotation at @p mid. */
  static void internalPlacement(IntPosition position, float mid, int& side, float& rotation);

  /** Leader line and text anchor of an outer annotation. */
  struct Leader {
    SbVec2f p1, p2, p3; ///< on the slice, bend, text anchor
    int side;           ///< 0 right, 1 left, 2 above, 3 below
    float rotation;     ///< of the text, radians
  };
  /** The leader of a slice centred on @p center whose bisector is at @p mid. */
  static Leader externalLeader(ExtPosition position, const SbVec2f& center, float mid, float d1,
                               float d2, float d3);

private:
  std::vector<Slice> m_slices;
  std::vector<float> m_percentages;
  float m_sum = 0.0f;
  int m_numGrouped = 0;
};

#endif
