// The element of the current profile: one borrowed node pointer per state depth, and the outline
// computations that tubes and profile bars share.
#include <Gridlux/attributes/PoProfileElement.h>

#include <Gridlux/attributes/PiProfilePolygon.h>
#include <Gridlux/attributes/PoProfile.h>
#include <Gridlux/base/PoSubElement.h>

#include <vector>

SO_ELEMENT_SOURCE(PoProfileElement);

PoProfileElement::~PoProfileElement() = default;

void PoProfileElement::initClass()
{
  PO_ELEMENT_INIT_CLASS(PoProfileElement);
}

void PoProfileElement::init(SoState* state)
{
  inherited::init(state);
  m_profile = getDefault();
}

void PoProfileElement::push(SoState* state)
{
  inherited::push(state);
  m_profile = static_cast<const PoProfileElement*>(getNextInStack())->m_profile;
}

void PoProfileElement::set(SoState* state, SoNode* node, const PoProfile* profile)
{
  PoProfileElement* elem =
    static_cast<PoProfileElement*>(SoReplacedElement::getElement(state, classStackIndex, node));
  if (elem)
    elem->m_profile = profile;
}

const PoProfile* PoProfileElement::get(SoState* state)
{
  const PoProfileElement* elem =
    static_cast<const PoProfileElement*>(SoElement::getConstElement(state, classStackIndex));
  return elem ? elem->m_profile : getDefault();
}

namespace {

const SbVec2f* currentOutline(SoState* state, int& numPoints)
{
  const PoProfile* profile = PoProfileElement::get(state);
  return profile ? profile->getPolygon(numPoints) : PoProfile::getDefaultPolygon(numPoints);
}

} // namespace

const SbVec2f* PoProfileElement::getProfile(SoState* state, float scale, int& numPoints)
{
  thread_local std::vector<SbVec2f> scaled;
  const SbVec2f* outline = currentOutline(state, numPoints);
  scaled.resize(numPoints);
  for (int i = 0; i < numPoints; ++i)
    scaled[i] = outline[i] * scale;
  return scaled.data();
}

SbBox2f PoProfileElement::getBBox(SoState* state)
{
  int numPoints = 0;
  const SbVec2f* outline = currentOutline(state, numPoints);
  return PiProfilePolygon::bounds(outline, numPoints);
}
