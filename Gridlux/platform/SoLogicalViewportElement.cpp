// Traversal-state element holding the logical viewport.
#include <Gridlux/platform/SoLogicalViewportElement.h>

#include <Inventor/actions/SoGLRenderAction.h>
#include <Inventor/elements/SoViewportRegionElement.h>
#include <Inventor/misc/SoState.h>

SO_ELEMENT_SOURCE(SoLogicalViewportElement);

void SoLogicalViewportElement::initClass()
{
  SO_ELEMENT_INIT_CLASS(SoLogicalViewportElement, inherited);
  SoGLRenderAction::enableElement(getClassTypeId(), getClassStackIndex());
}

SoLogicalViewportElement::~SoLogicalViewportElement() = default;

void SoLogicalViewportElement::init(SoState* state)
{
  inherited::init(state);
  m_region = SbViewportRegion();
  m_isSet = false;
}

void SoLogicalViewportElement::push(SoState* state)
{
  inherited::push(state);
  const SoLogicalViewportElement* prev =
      static_cast<const SoLogicalViewportElement*>(getNextInStack());
  m_region = prev->m_region;
  m_isSet = prev->m_isSet;
}

SbBool SoLogicalViewportElement::matches(const SoElement* element) const
{
  const SoLogicalViewportElement* other = static_cast<const SoLogicalViewportElement*>(element);
  return other->m_isSet == m_isSet && other->m_region == m_region;
}

SoElement* SoLogicalViewportElement::copyMatchInfo() const
{
  SoLogicalViewportElement* copy =
      static_cast<SoLogicalViewportElement*>(getTypeId().createInstance());
  copy->m_region = m_region;
  copy->m_isSet = m_isSet;
  return copy;
}

void SoLogicalViewportElement::set(SoState* state, const SbViewportRegion& region)
{
  SoLogicalViewportElement* element =
      static_cast<SoLogicalViewportElement*>(SoElement::getElement(state, classStackIndex));
  if (!element)
    return;
  element->m_region = region;
  element->m_isSet = true;
}

SbViewportRegion SoLogicalViewportElement::get(SoState* state)
{
  const SoLogicalViewportElement* element =
      static_cast<const SoLogicalViewportElement*>(SoElement::getConstElement(state, classStackIndex));
  if (element->m_isSet)
    return element->m_region;
  return state->isElementEnabled(SoViewportRegionElement::getClassStackIndex())
             ? SoViewportRegionElement::get(state)
             : SbViewportRegion();
}
