// The element of the current one-dimensional geometry interpretation: one value per state depth.
#include <Gridlux/mesh/nodes/PoMesh1DHintsElement.h>

#include <Gridlux/base/PoSubElement.h>

SO_ELEMENT_SOURCE(PoMesh1DHintsElement);

PoMesh1DHintsElement::~PoMesh1DHintsElement() = default;

void PoMesh1DHintsElement::initClass()
{
  PO_ELEMENT_INIT_CLASS(PoMesh1DHintsElement);
}

void PoMesh1DHintsElement::init(SoState* state)
{
  inherited::init(state);
  m_geomInterpretation = getDefault();
}

void PoMesh1DHintsElement::push(SoState* state)
{
  inherited::push(state);
  m_geomInterpretation = static_cast<const PoMesh1DHintsElement*>(getNextInStack())->m_geomInterpretation;
}

void PoMesh1DHintsElement::set(SoState* state, SoNode* node, int geomInterpretation)
{
  PoMesh1DHintsElement* elem =
    static_cast<PoMesh1DHintsElement*>(SoReplacedElement::getElement(state, classStackIndex, node));
  if (elem)
    elem->m_geomInterpretation = geomInterpretation;
}

int PoMesh1DHintsElement::get(SoState* state)
{
  const PoMesh1DHintsElement* elem =
    static_cast<const PoMesh1DHintsElement*>(SoElement::getConstElement(state, classStackIndex));
  return elem ? elem->m_geomInterpretation : getDefault();
}
