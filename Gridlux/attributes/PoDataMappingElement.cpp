// The data-mapping element: one borrowed PbDataMapping per traversal-state depth.
#include <Gridlux/attributes/PoDataMappingElement.h>

#include <Gridlux/base/PoSubElement.h>

SO_ELEMENT_SOURCE(PoDataMappingElement);

PoDataMappingElement::~PoDataMappingElement() = default;

void PoDataMappingElement::initClass()
{
  PO_ELEMENT_INIT_CLASS(PoDataMappingElement);
}

void PoDataMappingElement::init(SoState* state)
{
  inherited::init(state);
  m_dataMapping = nullptr;
}

void PoDataMappingElement::push(SoState* state)
{
  inherited::push(state);
  m_dataMapping = static_cast<const PoDataMappingElement*>(getNextInStack())->m_dataMapping;
}

void PoDataMappingElement::set(SoState* state, SoNode* node, const PbDataMapping* mapping)
{
  PoDataMappingElement* elem =
    static_cast<PoDataMappingElement*>(SoReplacedElement::getElement(state, classStackIndex, node));
  if (elem && mapping)
    elem->m_dataMapping = mapping;
}

const PbDataMapping* PoDataMappingElement::get(SoState* state)
{
  const PoDataMappingElement* elem =
    static_cast<const PoDataMappingElement*>(SoElement::getConstElement(state, classStackIndex));
  return elem ? elem->m_dataMapping : nullptr;
}
