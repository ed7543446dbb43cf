// The label-hints element: four plain values per traversal-state depth.
#include <Gridlux/attributes/PoLabelHintsElement.h>

#include <Gridlux/base/PoSubElement.h>

SO_ELEMENT_SOURCE(PoLabelHintsElement);

PoLabelHintsElement::~PoLabelHintsElement() = default;

void PoLabelHintsElement::initClass()
{
  PO_ELEMENT_INIT_CLASS(PoLabelHintsElement);
}

void PoLabelHintsElement::init(SoState* state)
{
  inherited::init(state);
  getDefault(m_labelPath, m_justification, m_addString, m_isLabelLineVisible);
}

void PoLabelHintsElement::push(SoState* state)
{
  inherited::push(state);
  const PoLabelHintsElement* below = static_cast<const PoLabelHintsElement*>(getNextInStack());
  m_labelPath = below->m_labelPath;
  m_justification = below->m_justification;
  m_addString = below->m_addString;
  m_isLabelLineVisible = below->m_isLabelLineVisible;
}

void PoLabelHintsElement::set(SoState* state, SoNode* node, PoLabelHints::LabelPath labelPath,
                              PoLabelHints::Justification justification, const char* addString,
                              int addStringIgnored, int isLabelLineVisible)
{
  PoLabelHintsElement* elem =
    static_cast<PoLabelHintsElement*>(SoReplacedElement::getElement(state, classStackIndex, node));
  if (!elem)
    return;
  elem->m_labelPath = labelPath;
  elem->m_justification = justification;
  if (!addStringIgnored)
    elem->m_addString = addString;
  elem->m_isLabelLineVisible = isLabelLineVisible;
}

void PoLabelHintsElement::get(SoState* state, PoLabelHints::LabelPath& labelPath,
                              PoLabelHints::Justification& justification, const char*& addString,
                              int& isLabelLineVisible)
{
  const PoLabelHintsElement* elem =
    static_cast<const PoLabelHintsElement*>(SoElement::getConstElement(state, classStackIndex));
  if (!elem) {
    getDefault(labelPath, justification, addString, isLabelLineVisible);
    return;
  }
  labelPath = elem->m_labelPath;
  justification = elem->m_justification;
  addString = elem->m_addString;
  isLabelLineVisible = elem->m_isLabelLineVisible;
}

void PoLabelHintsElement::getDefault(PoLabelHints::LabelPath& labelPath,
                                     PoLabelHints::Justification& justification,
                                     const char*& addString, int& isLabelLineVisible)
{
  labelPath = PoLabelHints::PATH_DEPEND;
  justification = PoLabelHints::DEPEND;
  addString = nullptr;
  isLabelLineVisible = 0;
}
