// Traversal-state element naming the portion of the view volume being rendered.
#include <Gridlux/platform/SoModifyViewVolumeElement.h>

#include <Inventor/actions/SoGLRenderAction.h>
#include <Inventor/misc/SoState.h>

SO_ELEMENT_SOURCE(SoModifyViewVolumeElement);

void SoModifyViewVolumeElement::initClass()
{
  SO_ELEMENT_INIT_CLASS(SoModifyViewVolumeElement, inherited);
  SoGLRenderAction::enableElement(getClassTypeId(), getClassStackIndex());
}

SoModifyViewVolumeElement::~SoModifyViewVolumeElement() = default;

void SoModifyViewVolumeElement::init(SoState* state)
{
  inherited::init(state);
  m_portion = getDefault();
  m_info = 0;
}

void SoModifyViewVolumeElement::push(SoState* state)
{
  inherited::push(state);
  const SoModifyViewVolumeElement* prev =
      static_cast<const SoModifyViewVolumeElement*>(getNextInStack());
  m_portion = prev->m_portion;
  m_info = prev->m_info;
}

SbBool SoModifyViewVolumeElement::matches(const SoElement* element) const
{
  const SoModifyViewVolumeElement* other = static_cast<const SoModifyViewVolumeElement*>(element);
  return other->m_portion == m_portion && other->m_info == m_info;
}

SoElement* SoModifyViewVolumeElement::copyMatchInfo() const
{
  SoModifyViewVolumeElement* copy =
      static_cast<SoModifyViewVolumeElement*>(getTypeId().createInstance());
  copy->m_portion = m_portion;
  copy->m_info = m_info;
  return copy;
}

void SoModifyViewVolumeElement::set(SoState* state, const SbVec4f& portion)
{
  SoModifyViewVolumeElement* element =
      static_cast<SoModifyViewVolumeElement*>(SoElement::getElement(state, classStackIndex));
  if (element)
    element->m_portion = portion;
}

const SbVec4f& SoModifyViewVolumeElement::get(SoState* state)
{
  return static_cast<const SoModifyViewVolumeElement*>(
             SoElement::getConstElement(state, classStackIndex))->m_portion;
}

void SoModifyViewVolumeElement::setInfo(SoState* state, int info)
{
  SoModifyViewVolumeElement* element =
      static_cast<SoModifyViewVolumeElement*>(SoElement::getElement(state, classStackIndex));
  if (element)
    element->m_info = info;
}

int SoModifyViewVolumeElement::getInfo(SoState* state)
{
  return static_cast<const SoModifyViewVolumeElement*>(
             SoElement::getConstElement(state, classStackIndex))->m_info;
}
