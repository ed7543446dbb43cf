// The numeric-format element: one borrowed PbNumericDisplayFormat per traversal-state depth.
#include <Gridlux/attributes/PoNumericDisplayFormatElement.h>

#include <Gridlux/attributes/PbNumericDisplayFormat.h>
#include <Gridlux/base/PoSubElement.h>

SO_ELEMENT_SOURCE(PoNumericDisplayFormatElement);

PbNumericDisplayFormat* PoNumericDisplayFormatElement::m_defaultNumericDisplayFormat = nullptr;

PoNumericDisplayFormatElement::~PoNumericDisplayFormatElement() = default;

void PoNumericDisplayFormatElement::initClass()
{
  PO_ELEMENT_INIT_CLASS(PoNumericDisplayFormatElement);
  // Lives until the process ends, like the registration itself.
  if (!m_defaultNumericDisplayFormat)
    m_defaultNumericDisplayFormat =
      new PbNumericDisplayFormat(PbNumericDisplayFormat::AUTO_FORMAT, 0, 0);
}

void PoNumericDisplayFormatElement::init(SoState* state)
{
  inherited::init(state);
  m_format = m_defaultNumericDisplayFormat;
}

void PoNumericDisplayFormatElement::push(SoState* state)
{
  inherited::push(state);
  m_format = static_cast<const PoNumericDisplayFormatElement*>(getNextInStack())->m_format;
}

void PoNumericDisplayFormatElement::set(SoState* state, SoNode* node,
                                        const PbNumericDisplayFormat* format)
{
  PoNumericDisplayFormatElement* elem = static_cast<PoNumericDisplayFormatElement*>(
    SoReplacedElement::getElement(state, classStackIndex, node));
  if (elem && format)
    elem->m_format = format;
}

const PbNumericDisplayFormat* PoNumericDisplayFormatElement::get(SoState* state)
{
  const PoNumericDisplayFormatElement* elem = static_cast<const PoNumericDisplayFormatElement*>(
    SoElement::getConstElement(state, classStackIndex));
  return elem ? elem->m_format : m_defaultNumericDisplayFormat;
}

const PbNumericDisplayFormat* PoNumericDisplayFormatElement::getDefault()
{
  return m_defaultNumericDisplayFormat;
}
