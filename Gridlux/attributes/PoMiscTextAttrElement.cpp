// The text-attribute element: one borrowed PbMiscTextAttr per traversal-state depth.
#include <Gridlux/attributes/PoMiscTextAttrElement.h>

#include <Gridlux/attributes/PbMiscTextAttr.h>
#include <Gridlux/base/PoSubElement.h>

SO_ELEMENT_SOURCE(PoMiscTextAttrElement);

PbMiscTextAttr* PoMiscTextAttrElement::m_defaultMiscTextAttr = nullptr;

PoMiscTextAttrElement::~PoMiscTextAttrElement() = default;

void PoMiscTextAttrElement::initClass()
{
  PO_ELEMENT_INIT_CLASS(PoMiscTextAttrElement);
  // Lives until the process ends, like the registration itself.
  if (!m_defaultMiscTextAttr)
    m_defaultMiscTextAttr = new PbMiscTextAttr;
}

void PoMiscTextAttrElement::init(SoState* state)
{
  inherited::init(state);
  m_attr = m_defaultMiscTextAttr;
}

void PoMiscTextAttrElement::push(SoState* state)
{
  inherited::push(state);
  m_attr = static_cast<const PoMiscTextAttrElement*>(getNextInStack())->m_attr;
}

void PoMiscTextAttrElement::set(SoState* state, SoNode* node, const PbMiscTextAttr* attr)
{
  PoMiscTextAttrElement* elem =
    static_cast<PoMiscTextAttrElement*>(SoReplacedElement::getElement(state, classStackIndex, node));
  if (elem && attr)
    elem->m_attr = attr;
}

const PbMiscTextAttr* PoMiscTextAttrElement::get(SoState* state)
{
  const PoMiscTextAttrElement* elem =
    static_cast<const PoMiscTextAttrElement*>(SoElement::getConstElement(state, classStackIndex));
  return elem ? elem->m_attr : m_defaultMiscTextAttr;
}

const PbMiscTextAttr* PoMiscTextAttrElement::getDefault()
{
  return m_defaultMiscTextAttr;
}
