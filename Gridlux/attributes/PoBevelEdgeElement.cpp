// The bevel-edge element: four plain values per traversal-state depth.
#include <Gridlux/attributes/PoBevelEdgeElement.h>

#include <Gridlux/base/PoSubElement.h>

SO_ELEMENT_SOURCE(PoBevelEdgeElement);

PoBevelEdgeElement::~PoBevelEdgeElement() = default;

void PoBevelEdgeElement::initClass()
{
  PO_ELEMENT_INIT_CLASS(PoBevelEdgeElement);
}

void PoBevelEdgeElement::init(SoState* state)
{
  inherited::init(state);
  getDefault(m_on, m_radius, m_radiusFlag, m_bevelAngle);
}

void PoBevelEdgeElement::push(SoState* state)
{
  inherited::push(state);
  const PoBevelEdgeElement* below = static_cast<const PoBevelEdgeElement*>(getNextInStack());
  m_on = below->m_on;
  m_radius = below->m_radius;
  m_radiusFlag = below->m_radiusFlag;
  m_bevelAngle = below->m_bevelAngle;
}

void PoBevelEdgeElement::set(SoState* state, SoNode* node, int on, float radius,
                             PoBevelEdge::RadiusFlag radiusFlag, float bevelAngle)
{
  PoBevelEdgeElement* elem =
    static_cast<PoBevelEdgeElement*>(SoReplacedElement::getElement(state, classStackIndex, node));
  if (!elem)
    return;
  elem->m_on = on;
  elem->m_radius = radius;
  elem->m_radiusFlag = radiusFlag;
  elem->m_bevelAngle = bevelAngle;
}

void PoBevelEdgeElement::get(SoState* state, int& on, float& radius,
                             PoBevelEdge::RadiusFlag& radiusFlag, float& bevelAngle)
{
  const PoBevelEdgeElement* elem =
    static_cast<const PoBevelEdgeElement*>(SoElement::getConstElement(state, classStackIndex));
  if (!elem) {
    getDefault(on, radius, radiusFlag, bevelAngle);
    return;
  }
  on = elem->m_on;
  radius = elem->m_radius;
  radiusFlag = elem->m_radiusFlag;
  bevelAngle = elem->m_bevelAngle;
}

void PoBevelEdgeElement::getDefault(int& on, float& radius, PoBevelEdge::RadiusFlag& radiusFlag,
                                    float& bevelAngle)
{
  on = 1;
  radius = 0.05f;
  radiusFlag = PoBevelEdge::PERCENTAGE_RADIUS;
  bevelAngle = 0.5f;
}
