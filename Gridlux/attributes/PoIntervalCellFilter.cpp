// Interval cell filter: both bounds belong to the outside of the interval.
#include <Gridlux/attributes/PoIntervalCellFilter.h>

PO_NODE_SOURCE(PoIntervalCellFilter);

void PoIntervalCellFilter::initClass()
{
  PO_NODE_INIT_CLASS(PoIntervalCellFilter, PoCellFilter, "PoCellFilter");
}

PoIntervalCellFilter::PoIntervalCellFilter()
{
  SO_NODE_CONSTRUCTOR(PoIntervalCellFilter);
  SO_NODE_ADD_FIELD(min, (0.0f));
  SO_NODE_ADD_FIELD(max, (1.0f));
  SO_NODE_ADD_FIELD(in, (TRUE));
}

PoIntervalCellFilter::~PoIntervalCellFilter() = default;

int PoIntervalCellFilter::acceptCell(int, float value) const
{
  const float lo = min.getValue(), hi = max.getValue();
  const int inside = lo < value && value < hi;
  return in.getValue() ? inside : (value <= lo || value >= hi);
}
