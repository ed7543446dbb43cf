// Places the bars of histograms along their axis: slots, bar widths, side-by-side and stacked groups.
#ifndef GRIDLUX_PIHISTOGRAMBARS_H
#define GRIDLUX_PIHISTOGRAMBARS_H

#include <vector>

/**
 * @brief Bar rectangles of single and multiple histograms, in data coordinates.
 *
 * "Along" is the coordinate of the bar axis (x for bars laid along x), "across" the one in which
 * bars grow. The axis runs from @c start to @c end (either way) and is cut into equal slots, one
 * per bar (single) or per group (multiple); a bar or group is centred in its slot, as wide as the
 * spacing rule leaves: REL_SPACE keeps (1 - space) of the slot, FIXED_SPACE takes the space off
 * the slot (width 0 when it is larger; the whole slot for a space not above 0).
 *
 * Groups (multiple histograms) hold their members side by side (JUXTAPOSED), stacked one on the
 * other from the baseline (ACCUMULATED), or stacked as shares of the group's sum scaled to 100
 * data units (PERCENTAGE). The values of group g are values[g * numMembers + k].
 */
class PiHistogramBars {
public:
  enum SpaceType { REL_SPACE = 0, FIXED_SPACE = 1 };
  enum Representation { JUXTAPOSED = 0, ACCUMULATED = 1, PERCENTAGE = 2 };

  /** One bar: its extent along the axis and across it. */
  struct Bar {
    float alongMin = 0.0f, alongMax = 0.0f; ///< extent along the axis, alongMin <= alongMax
    float from = 0.0f, to = 0.0f;           ///< across: the bar's foot and its end (value side)
  };

  /** Width of a bar (or group) in a slot under the spacing rule; never negative. */
  static float barWidth(float slot, int spaceType, float spaceValue);

  /** One bar per value, in value order (decreasing along when end < start). */
  static void single(float start, float end, float baseline, int spaceType, float spaceValue, const float* values,
                     int numValues, std::vector<Bar>& bars);

  /**
   * numGroups x numMembers bars, group by group in member order; @p groupSums receives the sum
   * of each group. In PERCENTAGE, a group whose sum is not above 0 gets bars of height 0.
   */
  static void multiple(float start, float end, float baseline, int spaceType, float spaceValue, int representation,
                       const float* values, int numGroups, int numMembers, std::vector<Bar>& bars,
                       std::vector<float>& groupSums);

  /** Nearest integer percentage of @p value in @p sum (0 when the sum is not above 0). */
  static int percentage(float value, float sum);
};

#endif
