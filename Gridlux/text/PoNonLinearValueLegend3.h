// Value legend drawn as one bar of equal boxes, the values at their boundaries.
#ifndef GRIDLUX_PONONLINEARVALUELEGEND3_H
#define GRIDLUX_PONONLINEARVALUELEGEND3_H

#include <Gridlux/text/PoAutoValueLegend.h>

#include <Inventor/fields/SoSFBool.h>

#include <vector>

/**
 * @brief One-bar legend of equal boxes: the intervals between consecutive values, each box as
 * long as the others whatever its interval, so that unevenly spaced values (a non-linear scale)
 * all get room; every value's text at the boundary it stands for. Otherwise as
 * PoLinearValueLegend: lowerUpperBoxes adds a box below the first and above the last value,
 * maxValueSize (clamped to [0, 1]) bounds the texts' share of the room beside the bar.
 *
 * Fields (after PoAutoValueLegend's): maxValueSize (0.6), lowerUpperBoxes (TRUE). Read and
 * written under the name PoNonLinearValueLegend3.
 */
class PoNonLinearValueLegend3 : public PoAutoValueLegend {
  typedef PoAutoValueLegend inherited;
  PO_KIT_HEADER(PoNonLinearValueLegend3);

public:
  PoNonLinearValueLegend3();
  PoNonLinearValueLegend3(const SbVec2f& start, const SbVec2f& end);
  static void initClass();

  SoSFFloat maxValueSize;
  SoSFBool lowerUpperBoxes;

protected:
  ~PoNonLinearValueLegend3() override;

  void makeBoxes() override;
  void drawBoxes() override;

private:
  void init();

  std::vector<float> m_selected; // the values at the box edges, kept from makeBoxes to drawBoxes
};

#endif
