// The element of the current list of isovalues: one borrowed pointer per traversal-state depth.
#include <Gridlux/attributes/PoIsovaluesListElement.h>

#include <Gridlux/attributes/PbIsovaluesList.h>
#include <Gridlux/base/PoSubElement.h>

SO_ELEMENT_SOURCE(PoIsovaluesListElement);

PoIsovaluesListElement::~PoIsovaluesListElement() = default;

void PoIsovaluesListElement::initClass()
{
  PO_ELEMENT_INIT_CLASS(PoIsovaluesListElement);
}

void PoIsovaluesListElement::init(SoState* state)
{
  inherited::init(state);
  m_isovaluesList = nullptr;
}

void PoIsovaluesListElement::push(SoState* state)
{
  inherited::push(state);
  m_isovaluesList = static_cast<const PoIsovaluesListElement*>(getNextInStack())->m_isovaluesList;
}

void PoIsovaluesListElement::set(SoState* state, SoNode* node, const PbIsovaluesList* isovaluesList)
{
  PoIsovaluesListElement* elem = static_cast<PoIsovaluesListElement*>(
    SoReplacedElement::getElement(state, classStackIndex, node));
  if (elem && isovaluesList)
    elem->m_isovaluesList = isovaluesList;
}

const PbIsovaluesList* PoIsovaluesListElement::get(SoState* state)
{
  const PoIsovaluesListElement* elem = static_cast<const PoIsovaluesListElement*>(
    SoElement::getConstElement(state, classStackIndex));
  return elem ? elem->m_isovaluesList : nullptr;
}
