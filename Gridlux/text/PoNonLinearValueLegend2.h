// Value legend of one box per value, the plain form of the automatic legend.
#ifndef GRIDLUX_PONONLINEARVALUELEGEND2_H
#define GRIDLUX_PONONLINEARVALUELEGEND2_H

#include <Gridlux/text/PoAutoValueLegend.h>

/**
 * @brief Boxes legend with one box per value: the box has the mapping's colour of the value
 * and is labelled with it; the undefined boxes of enabled thresholds come first and last. It
 * reads the colour of each level of a mapping given level by level, or of each isovalue.
 *
 * No fields of its own. Read and written under the name PoNonLinearValueLegend2.
 */
class PoNonLinearValueLegend2 : public PoAutoValueLegend {
  typedef PoAutoValueLegend inherited;
  PO_KIT_HEADER(PoNonLinearValueLegend2);

public:
  PoNonLinearValueLegend2();
  PoNonLinearValueLegend2(const SbVec2f& start, const SbVec2f& end);
  static void initClass();

protected:
  ~PoNonLinearValueLegend2() override;

private:
  void init();
};

#endif
