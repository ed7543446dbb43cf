// Cell filter that keeps the cells whose value lies inside, or outside, an interval.
#ifndef GRIDLUX_POINTERVALCELLFILTER_H
#define GRIDLUX_POINTERVALCELLFILTER_H

#include <Gridlux/attributes/PoCellFilter.h>

#include <Inventor/fields/SoSFBool.h>
#include <Inventor/fields/SoSFFloat.h>

/**
 * @brief Keeps a cell when min < value < max (in TRUE), or when value <= min or value >= max
 * (in FALSE). The cell index is not used.
 *
 * Fields: min (SoSFFloat, 0), max (SoSFFloat, 1), in (SoSFBool, TRUE). Read and written under
 * the name PoIntervalCellFilter.
 */
class PoIntervalCellFilter : public PoCellFilter {
  typedef PoCellFilter inherited;
  PO_NODE_HEADER(PoIntervalCellFilter);

public:
  PoIntervalCellFilter();
  static void initClass();

  SoSFFloat min;
  SoSFFloat max;
  SoSFBool in;

  int acceptCell(int cellIndex, float value) const override;

protected:
  ~PoIntervalCellFilter() override;
};

#endif
