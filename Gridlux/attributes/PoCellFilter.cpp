// Cell filter base: puts the filter node itself into the traversal state.
#include <Gridlux/attributes/PoCellFilter.h>

#include <Gridlux/attributes/PoCellFilterElement.h>

#include <Inventor/actions/SoAction.h>

PO_NODE_ABSTRACT_SOURCE(PoCellFilter);

void PoCellFilter::initClass()
{
  PO_NODE_INIT_ABSTRACT_CLASS(PoCellFilter, PoNode, "PoNode");
}

PoCellFilter::PoCellFilter()
{
  SO_NODE_CONSTRUCTOR(PoCellFilter);
}

PoCellFilter::~PoCellFilter() = default;

void PoCellFilter::doAction(SoAction* action)
{
  PoCellFilterElement::set(action->getState(), this);
}
