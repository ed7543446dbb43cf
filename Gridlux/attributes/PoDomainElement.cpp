// The domain element: one borrowed PbDomain per traversal-state depth.
#include <Gridlux/attributes/PoDomainElement.h>

#include <Gridlux/attributes/PbDomain.h>
#include <Gridlux/base/PoSubElement.h>

SO_ELEMENT_SOURCE(PoDomainElement);

PbDomain* PoDomainElement::m_defaultDomain = nullptr;

PoDomainElement::~PoDomainElement() = default;

void PoDomainElement::initClass()
{
  PO_ELEMENT_INIT_CLASS(PoDomainElement);
  // Lives until the process ends, like the registration itself.
  if (!m_defaultDomain)
    m_defaultDomain = new PbDomain;
}

void PoDomainElement::init(SoState* state)
{
  inherited::init(state);
  m_domain = m_defaultDomain;
}

void PoDomainElement::push(SoState* state)
{
  inherited::push(state);
  m_domain = static_cast<const PoDomainElement*>(getNextInStack())->m_domain;
}

void PoDomainElement::set(SoState* state, SoNode* node, const PbDomain* domain)
{
  PoDomainElement* elem =
    static_cast<PoDomainElement*>(SoReplacedElement::getElement(state, classStackIndex, node));
  if (elem && domain)
    elem->m_domain = domain;
}

const PbDomain* PoDomainElement::get(SoState* state)
{
  const PoDomainElement* elem =
    static_cast<const PoDomainElement*>(SoElement::getConstElement(state, classStackIndex));
  return elem ? elem->m_domain : m_defaultDomain;
}

const PbDomain* PoDomainElement::getDefault()
{
  return m_defaultDomain;
}
