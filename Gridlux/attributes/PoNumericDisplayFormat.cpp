// Numeric display format node: fields copied into the owned format lazily, then set in the state.
#include <Gridlux/attributes/PoNumericDisplayFormat.h>

#include <Gridlux/attributes/PoNumericDisplayFormatElement.h>
#include <Gridlux/base/FieldDataXP.h>

#include <Inventor/actions/SoAction.h>

PO_NODE_SOURCE(PoNumericDisplayFormat);

void PoNumericDisplayFormat::initClass()
{
  PO_NODE_INIT_CLASS(PoNumericDisplayFormat, PoNode, "PoNode");
}

PoNumericDisplayFormat::PoNumericDisplayFormat() : m_format(new PbNumericDisplayFormat)
{
  SO_NODE_CONSTRUCTOR(PoNumericDisplayFormat);
  SO_NODE_ADD_FIELD(formatType, (AUTO_FORMAT));
  SO_NODE_ADD_FIELD(numDecimal, (0));
  SO_NODE_ADD_FIELD(tenPower, (0));
  SO_NODE_DEFINE_ENUM_VALUE(FormatType, AUTO_FORMAT);
  SO_NODE_DEFINE_ENUM_VALUE(FormatType, FLOAT_FORMAT);
  SO_NODE_DEFINE_ENUM_VALUE(FormatType, INTEGER_FORMAT);
  SO_NODE_SET_SF_ENUM_TYPE(formatType, FormatType);
}

PoNumericDisplayFormat::~PoNumericDisplayFormat()
{
  delete m_format;
}

void PoNumericDisplayFormat::notify(SoNotList* list)
{
  // Every field of this node feeds the format, so any change calls for a copy.
  m_changed = TRUE;
  inherited::notify(list);
}

void PoNumericDisplayFormat::updateFormat()
{
  if (!m_changed)
    return;
  m_changed = FALSE;
  const PbNumericDisplayFormat::FormatType kind = PbNumericDisplayFormat::FormatType(
      namedEnumValue(formatType, "formatType", "PoNumericDisplayFormat::updateFormat"));
  m_format->setFormat(kind, tenPower.getValue(), numDecimal.getValue());
}

const PbNumericDisplayFormat* PoNumericDisplayFormat::getFormat()
{
  updateFormat();
  return m_format;
}

void PoNumericDisplayFormat::doAction(SoAction* action)
{
  updateFormat();
  PoNumericDisplayFormatElement::set(action->getState(), this, m_format);
}
