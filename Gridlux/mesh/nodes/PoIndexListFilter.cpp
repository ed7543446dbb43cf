// Series filter that keeps the listed nodes: fields only, applied by the chart geometry.
#include <Gridlux/mesh/nodes/PoIndexListFilter.h>

PO_NODE_SOURCE(PoIndexListFilter);

void PoIndexListFilter::initClass()
{
  PO_NODE_INIT_CLASS(PoIndexListFilter, PoMesh1DFilter, "PoMesh1DFilter");
}

PoIndexListFilter::PoIndexListFilter()
{
  SO_NODE_CONSTRUCTOR(PoIndexListFilter);
  SO_NODE_ADD_FIELD(index, (0));
  index.setNum(0);
  index.setDefault(TRUE);
}

PoIndexListFilter::~PoIndexListFilter() = default;
