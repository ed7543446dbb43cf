// Series filter that keeps points of the curve at listed coordinates: fields only, applied by the chart geometry.
#include <Gridlux/mesh/nodes/PoCoordinateListFilter.h>

PO_NODE_SOURCE(PoCoordinateListFilter);

void PoCoordinateListFilter::initClass()
{
  PO_NODE_INIT_CLASS(PoCoordinateListFilter, PoMesh1DFilter, "PoMesh1DFilter");
}

PoCoordinateListFilter::PoCoordinateListFilter()
{
  SO_NODE_CONSTRUCTOR(PoCoordinateListFilter);
  SO_NODE_ADD_FIELD(coord, (0.0f));
  coord.setNum(0);
  coord.setDefault(TRUE);
  SO_NODE_ADD_FIELD(axis, (X));
  SO_NODE_DEFINE_ENUM_VALUE(Axis, X);
  SO_NODE_DEFINE_ENUM_VALUE(Axis, Y);
  SO_NODE_SET_SF_ENUM_TYPE(axis, Axis);
}

PoCoordinateListFilter::~PoCoordinateListFilter() = default;
