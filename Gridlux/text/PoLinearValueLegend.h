// Value legend drawn as one bar whose boxes are as long as their value intervals.
#ifndef GRIDLUX_POLINEARVALUELEGEND_H
#define GRIDLUX_POLINEARVALUELEGEND_H

#include <Gridlux/text/PoAutoValueLegend.h>

#include <Inventor/fields/SoSFBool.h>

#include <vector>

/**
 * @brief One-bar legend: the intervals between consecutive values stacked without gaps along
 * the longer side of the rectangle (upwards, or to the right), each box as long as its interval
 * and coloured as the mapping colours its lower value; value texts at their places along the
 * bar, beside a vertical bar (valuePosition POS_LEFT puts them on its left) and below a
 * horizontal one (POS_TOP above).
 *
 * valueDistribution chooses the texts: every value (ALL_VALUES), the linear graduation of the
 * value range (LINEAR_VALUES), or the two ends (MIN_MAX_VALUES). With lowerUpperBoxes a box
 * below the first value and one above the last are added (reaching a linear mapping's end
 * values, else as long as the smallest interval). maxValueSize (clamped to [0, 1]) is the
 * share of the room beside the bar that a text may take. The undefined boxes of enabled
 * thresholds stand apart at the bar's ends; the factor sits above, or after, the bar.
 *
 * Fields (after PoAutoValueLegend's): valueDistribution (ALL_VALUES), maxValueSize (0.6),
 * lowerUpperBoxes (TRUE). Read and written under the name PoLinearValueLegend.
 */
class PoLinearValueLegend : public PoAutoValueLegend {
  typedef PoAutoValueLegend inherited;
  PO_KIT_HEADER(PoLinearValueLegend);

public:
  PoLinearValueLegend();
  PoLinearValueLegend(const SbVec2f& start, const SbVec2f& end);
  static void initClass();

  enum ValueDistribution { ALL_VALUES = 0, LINEAR_VALUES = 1, MIN_MAX_VALUES = 2 };

  SoSFEnum valueDistribution;
  SoSFFloat maxValueSize;
  SoSFBool lowerUpperBoxes;

protected:
  ~PoLinearValueLegend() override;

  void makeBoxes() override;
  void drawBoxes() override;

private:
  void init();

  std::vector<float> m_labels; // the values that get a text, kept from makeBoxes to drawBoxes
};

#endif
