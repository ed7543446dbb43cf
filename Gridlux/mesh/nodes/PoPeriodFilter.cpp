// Series filter that keeps points of the curve at regular coordinates: fields only, applied by the chart geometry.
#include <Gridlux/mesh/nodes/PoPeriodFilter.h>

PO_NODE_SOURCE(PoPeriodFilter);

void PoPeriodFilter::initClass()
{
  PO_NODE_INIT_CLASS(PoPeriodFilter, PoMesh1DFilter, "PoMesh1DFilter");
}

PoPeriodFilter::PoPeriodFilter()
{
  SO_NODE_CONSTRUCTOR(PoPeriodFilter);
  SO_NODE_ADD_FIELD(period, (1.0f));
  SO_NODE_ADD_FIELD(axis, (X));
  SO_NODE_DEFINE_ENUM_VALUE(Axis, X);
  SO_NODE_DEFINE_ENUM_VALUE(Axis, Y);
  SO_NODE_SET_SF_ENUM_TYPE(axis, Axis);
}

PoPeriodFilter::~PoPeriodFilter() = default;
