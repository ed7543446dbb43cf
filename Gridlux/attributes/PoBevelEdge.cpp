// Bevel-edge node: its four fields go straight into the bevel-edge element.
#include <Gridlux/attributes/PoBevelEdge.h>

#include <Gridlux/attributes/PoBevelEdgeElement.h>
#include <Gridlux/base/FieldDataXP.h>

#include <Inventor/actions/SoAction.h>

PO_NODE_SOURCE(PoBevelEdge);

void PoBevelEdge::initClass()
{
  PO_NODE_INIT_CLASS(PoBevelEdge, PoNode, "PoNode");
}

PoBevelEdge::PoBevelEdge()
{
  SO_NODE_CONSTRUCTOR(PoBevelEdge);
  SO_NODE_ADD_FIELD(on, (TRUE));
  SO_NODE_ADD_FIELD(radius, (0.05f));
  SO_NODE_ADD_FIELD(radiusFlag, (PERCENTAGE_RADIUS));
  SO_NODE_ADD_FIELD(bevelAngle, (0.5f));
  SO_NODE_DEFINE_ENUM_VALUE(RadiusFlag, ABSOLUTE_RADIUS);
  SO_NODE_DEFINE_ENUM_VALUE(RadiusFlag, PERCENTAGE_RADIUS);
  SO_NODE_SET_SF_ENUM_TYPE(radiusFlag, RadiusFlag);
}

PoBevelEdge::~PoBevelEdge() = default;

void PoBevelEdge::doAction(SoAction* action)
{
  if (radius.isIgnored() || bevelAngle.isIgnored())
    return;
  PoBevelEdgeElement::set(action->getState(), this, on.getValue(), radius.getValue(),
                          RadiusFlag(namedEnumValue(radiusFlag, "radiusFlag", "PoBevelEdge::doAction")),
                          bevelAngle.getValue());
}
