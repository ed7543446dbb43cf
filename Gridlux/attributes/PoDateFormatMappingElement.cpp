// The date-format element: one borrowed PbDateFormatMapping per traversal-state depth.
#include <Gridlux/attributes/PoDateFormatMappingElement.h>

#include <Gridlux/attributes/PbDateFormatMapping.h>
#include <Gridlux/base/PoSubElement.h>

SO_ELEMENT_SOURCE(PoDateFormatMappingElement);

PbDateFormatMapping* PoDateFormatMappingElement::m_defaultDateFormatMapping = nullptr;

PoDateFormatMappingElement::~PoDateFormatMappingElement() = default;

void PoDateFormatMappingElement::initClass()
{
  PO_ELEMENT_INIT_CLASS(PoDateFormatMappingElement);
  // Lives until the process ends, like the registration itself.
  if (!m_defaultDateFormatMapping)
    m_defaultDateFormatMapping = new PbDateFormatMapping;
}

void PoDateFormatMappingElement::init(SoState* state)
{
  inherited::init(state);
  m_mapping = m_defaultDateFormatMapping;
}

void PoDateFormatMappingElement::push(SoState* state)
{
  inherited::push(state);
  m_mapping = static_cast<const PoDateFormatMappingElement*>(getNextInStack())->m_mapping;
}

void PoDateFormatMappingElement::set(SoState* state, SoNode* node,
                                     const PbDateFormatMapping* mapping)
{
  PoDateFormatMappingElement* elem = static_cast<PoDateFormatMappingElement*>(
    SoReplacedElement::getElement(state, classStackIndex, node));
  if (elem && mapping)
    elem->m_mapping = mapping;
}

const PbDateFormatMapping* PoDateFormatMappingElement::get(SoState* state)
{
  const PoDateFormatMappingElement* elem = static_cast<const PoDateFormatMappingElement*>(
    SoElement::getConstElement(state, classStackIndex));
  return elem ? elem->m_mapping : m_defaultDateFormatMapping;
}

const PbDateFormatMapping* PoDateFormatMappingElement::getDefault()
{
  return m_defaultDateFormatMapping;
}
