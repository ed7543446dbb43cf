// Series filter base: puts the filter node itself into the traversal state.
#include <Gridlux/mesh/nodes/PoMesh1DFilter.h>

#include <Gridlux/mesh/nodes/PoMesh1DFilterElement.h>

#include <Inventor/actions/SoAction.h>

PO_NODE_ABSTRACT_SOURCE(PoMesh1DFilter);

void PoMesh1DFilter::initClass()
{
  PO_NODE_INIT_ABSTRACT_CLASS(PoMesh1DFilter, PoNode, "PoNode");
}

PoMesh1DFilter::PoMesh1DFilter()
{
  SO_NODE_CONSTRUCTOR(PoMesh1DFilter);
}

PoMesh1DFilter::~PoMesh1DFilter() = default;

void PoMesh1DFilter::doAction(SoAction* action)
{
  PoMesh1DFilterElement::set(action->getState(), this, this);
}
