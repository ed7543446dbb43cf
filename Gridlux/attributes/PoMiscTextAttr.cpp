// Text-attribute node: fields copied into the owned attributes lazily, then set in the state.
#include <Gridlux/attributes/PoMiscTextAttr.h>

#include <Gridlux/attributes/PoMiscTextAttrElement.h>

#include <Inventor/actions/SoAction.h>
#include <Inventor/misc/SoNotification.h>

PO_NODE_SOURCE(PoMiscTextAttr);

void PoMiscTextAttr::initClass()
{
  PO_NODE_INIT_CLASS(PoMiscTextAttr, PoNode, "PoNode");
}

PoMiscTextAttr::PoMiscTextAttr() : m_attr(new PbMiscTextAttr)
{
  SO_NODE_CONSTRUCTOR(PoMiscTextAttr);
  SO_NODE_ADD_FIELD(fontName, ("defaultFont"));
  SO_NODE_ADD_FIELD(lineLength, (0));
  SO_NODE_ADD_FIELD(endLineChar, (32));
  SO_NODE_ADD_FIELD(profileEnabled, (FALSE));
  SO_NODE_ADD_FIELD(predefinedProfileEnabled, (TRUE));
  SO_NODE_ADD_FIELD(outliningEnabled, (TRUE));
}

PoMiscTextAttr::~PoMiscTextAttr()
{
  delete m_attr;
}

void PoMiscTextAttr::notify(SoNotList* list)
{
  const SoField* field = list->getLastField();
  if (field == &fontName)
    m_fontChanged = TRUE;
  else if (field)
    m_attrChanged = TRUE;
  else
    m_fontChanged = m_attrChanged = TRUE; // touch(): copy everything
  inherited::notify(list);
}

void PoMiscTextAttr::updateMiscTextAttr()
{
  if (m_fontChanged) {
    m_fontChanged = FALSE;
    m_attr->setFontName(fontName.getValue().getString());
  }
  if (m_attrChanged) {
    m_attrChanged = FALSE;
    m_attr->setLineLength(char(endLineChar.getValue()), lineLength.getValue());
    m_attr->enableProfile(profileEnabled.getValue());
    m_attr->enablePredefinedProfile(predefinedProfileEnabled.getValue());
    m_attr->enableOutlining(outliningEnabled.getValue());
  }
}

const PbMiscTextAttr* PoMiscTextAttr::getMiscTextAttr()
{
  updateMiscTextAttr();
  return m_attr;
}

void PoMiscTextAttr::doAction(SoAction* action)
{
  updateMiscTextAttr();
  PoMiscTextAttrElement::set(action->getState(), this, m_attr);
}
