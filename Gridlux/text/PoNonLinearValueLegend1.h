// Value legend of intervals: one box per interval between consecutive values.
#ifndef GRIDLUX_PONONLINEARVALUELEGEND1_H
#define GRIDLUX_PONONLINEARVALUELEGEND1_H

#include <Gridlux/text/PoAutoValueLegend.h>

/**
 * @brief Boxes legend of the intervals between the values v0 ... vn-1.
 *
 * Boxes, in order: the lower undefined box (when the minimum threshold is enabled); [v0 - d,
 * v0] labelled lessLevelString + v0; for i = f, f + k, ... up to l - 1 the box [vi, vi+1]
 * labelled vi + valueSeparatorString + vi+1; [vl, vl + d] labelled greaterLevelString + vl; the
 * upper undefined box. f, l and k come from firstValue, lastValue and periodValue; d is the mean
 * spacing (vn-1 - v0) / n (v0 for a single value). Each box has the mapping's colour of its
 * lower value.
 *
 * Fields (after PoAutoValueLegend's): lessLevelString ("<"), greaterLevelString (">"),
 * valueSeparatorString (" _ "). Read and written under the name PoNonLinearValueLegend1.
 */
class PoNonLinearValueLegend1 : public PoAutoValueLegend {
  typedef PoAutoValueLegend inherited;
  PO_KIT_HEADER(PoNonLinearValueLegend1);

public:
  PoNonLinearValueLegend1();
  PoNonLinearValueLegend1(const SbVec2f& start, const SbVec2f& end);
  static void initClass();

  SoSFString lessLevelString;
  SoSFString greaterLevelString;
  SoSFString valueSeparatorString;

protected:
  ~PoNonLinearValueLegend1() override;

  void makeBoxes() override;

private:
  void init();
};

#endif
