// Series filter that keeps every period-th node: fields only, applied by the chart geometry.
#include <Gridlux/mesh/nodes/PoPeriodIndexFilter.h>

PO_NODE_SOURCE(PoPeriodIndexFilter);

void PoPeriodIndexFilter::initClass()
{
  PO_NODE_INIT_CLASS(PoPeriodIndexFilter, PoMesh1DFilter, "PoMesh1DFilter");
}

PoPeriodIndexFilter::PoPeriodIndexFilter()
{
  SO_NODE_CONSTRUCTOR(PoPeriodIndexFilter);
  SO_NODE_ADD_FIELD(period, (1));
}

PoPeriodIndexFilter::~PoPeriodIndexFilter() = default;
