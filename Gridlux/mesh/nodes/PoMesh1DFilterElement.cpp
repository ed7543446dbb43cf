// The element of the current series filter: one borrowed node pointer per state depth.
#include <Gridlux/mesh/nodes/PoMesh1DFilterElement.h>

#include <Gridlux/base/PoSubElement.h>

SO_ELEMENT_SOURCE(PoMesh1DFilterElement);

PoMesh1DFilterElement::~PoMesh1DFilterElement() = default;

void PoMesh1DFilterElement::initClass()
{
  PO_ELEMENT_INIT_CLASS(PoMesh1DFilterElement);
}

void PoMesh1DFilterElement::init(SoState* state)
{
  inherited::init(state);
  m_filter = getDefault();
}

void PoMesh1DFilterElement::push(SoState* state)
{
  inherited::push(state);
  m_filter = static_cast<const PoMesh1DFilterElement*>(getNextInStack())->m_filter;
}

void PoMesh1DFilterElement::set(SoState* state, SoNode* node, const PoMesh1DFilter* filter)
{
  PoMesh1DFilterElement* elem =
    static_cast<PoMesh1DFilterElement*>(SoReplacedElement::getElement(state, classStackIndex, node));
  if (elem)
    elem->m_filter = filter;
}

const PoMesh1DFilter* PoMesh1DFilterElement::get(SoState* state)
{
  const PoMesh1DFilterElement* elem =
    static_cast<const PoMesh1DFilterElement*>(SoElement::getConstElement(state, classStackIndex));
  return elem ? elem->m_filter : getDefault();
}
