// Label hints node: its four fields go straight into the label-hints element.
#include <Gridlux/attributes/PoLabelHints.h>

#include <Gridlux/attributes/PoLabelHintsElement.h>
#include <Gridlux/base/FieldDataXP.h>

#include <Inventor/actions/SoAction.h>

PO_NODE_SOURCE(PoLabelHints);

void PoLabelHints::initClass()
{
  PO_NODE_INIT_CLASS(PoLabelHints, PoNode, "PoNode");
}

PoLabelHints::PoLabelHints()
{
  SO_NODE_CONSTRUCTOR(PoLabelHints);
  SO_NODE_ADD_FIELD(labelPath, (PATH_DEPEND));
  SO_NODE_ADD_FIELD(justification, (DEPEND));
  SO_NODE_ADD_FIELD(addString, (""));
  SO_NODE_ADD_FIELD(isLabelLineVisible, (FALSE));
  SO_NODE_DEFINE_ENUM_VALUE(LabelPath, PATH_RIGHT);
  SO_NODE_DEFINE_ENUM_VALUE(LabelPath, PATH_LEFT);
  SO_NODE_DEFINE_ENUM_VALUE(LabelPath, PATH_UP);
  SO_NODE_DEFINE_ENUM_VALUE(LabelPath, PATH_DOWN);
  SO_NODE_DEFINE_ENUM_VALUE(LabelPath, PATH_DEPEND);
  SO_NODE_SET_SF_ENUM_TYPE(labelPath, LabelPath);
  SO_NODE_DEFINE_ENUM_VALUE(Justification, LEFT);
  SO_NODE_DEFINE_ENUM_VALUE(Justification, CENTER);
  SO_NODE_DEFINE_ENUM_VALUE(Justification, RIGHT);
  SO_NODE_DEFINE_ENUM_VALUE(Justification, DEPEND);
  SO_NODE_SET_SF_ENUM_TYPE(justification, Justification);
}

PoLabelHints::~PoLabelHints() = default;

void PoLabelHints::doAction(SoAction* action)
{
  static const char* method = "PoLabelHints::doAction";
  PoLabelHintsElement::set(action->getState(), this, LabelPath(namedEnumValue(labelPath, "labelPath", method)),
                           Justification(namedEnumValue(justification, "justification", method)),
                           addString.getValue().getString(), addString.isIgnored(),
                           isLabelLineVisible.getValue());
}
