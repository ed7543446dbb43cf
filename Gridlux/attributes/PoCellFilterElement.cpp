// The element of the current cell filter node: one borrowed pointer per traversal-state depth.
#include <Gridlux/attributes/PoCellFilterElement.h>

#include <Gridlux/attributes/PoCellFilter.h>
#include <Gridlux/base/PoSubElement.h>

SO_ELEMENT_SOURCE(PoCellFilterElement);

PoCellFilterElement::~PoCellFilterElement() = default;

void PoCellFilterElement::initClass()
{
  PO_ELEMENT_INIT_CLASS(PoCellFilterElement);
}

void PoCellFilterElement::init(SoState* state)
{
  inherited::init(state);
  m_cellFilter = nullptr;
}

void PoCellFilterElement::push(SoState* state)
{
  inherited::push(state);
  m_cellFilter = static_cast<const PoCellFilterElement*>(getNextInStack())->m_cellFilter;
}

void PoCellFilterElement::set(SoState* state, SoNode* node)
{
  PoCellFilterElement* elem =
    static_cast<PoCellFilterElement*>(SoReplacedElement::getElement(state, classStackIndex, node));
  if (elem && node && node->isOfType(PoCellFilter::getClassTypeId()))
    elem->m_cellFilter = static_cast<const PoCellFilter*>(node);
}

const PoCellFilter* PoCellFilterElement::get(SoState* state)
{
  const PoCellFilterElement* elem = static_cast<const PoCellFilterElement*>(
    SoElement::getConstElement(state, classStackIndex));
  return elem ? elem->m_cellFilter : nullptr;
}
