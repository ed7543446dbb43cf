// Geometry interpretation node: puts its enumerated value into the traversal state.
#include <Gridlux/mesh/nodes/PoMesh1DHints.h>

#include <Gridlux/mesh/nodes/PoMesh1DHintsElement.h>

#include <Inventor/actions/SoAction.h>

PO_NODE_SOURCE(PoMesh1DHints);

void PoMesh1DHints::initClass()
{
  PO_NODE_INIT_CLASS(PoMesh1DHints, PoNode, "PoNode");
}

PoMesh1DHints::PoMesh1DHints()
{
  SO_NODE_CONSTRUCTOR(PoMesh1DHints);
  SO_NODE_ADD_FIELD(geomInterpretation, (AS_IS));
  SO_NODE_DEFINE_ENUM_VALUE(GeomInterpretation, AS_IS);
  SO_NODE_DEFINE_ENUM_VALUE(GeomInterpretation, SMOOTH);
  SO_NODE_DEFINE_ENUM_VALUE(GeomInterpretation, STAIRS_X);
  SO_NODE_DEFINE_ENUM_VALUE(GeomInterpretation, STAIRS_Y);
  SO_NODE_DEFINE_ENUM_VALUE(GeomInterpretation, HISTO_X);
  SO_NODE_DEFINE_ENUM_VALUE(GeomInterpretation, HISTO_Y);
  SO_NODE_DEFINE_ENUM_VALUE(GeomInterpretation, STAIRS_2X);
  SO_NODE_DEFINE_ENUM_VALUE(GeomInterpretation, STAIRS_2Y);
  SO_NODE_SET_SF_ENUM_TYPE(geomInterpretation, GeomInterpretation);
}

PoMesh1DHints::~PoMesh1DHints() = default;

void PoMesh1DHints::doAction(SoAction* action)
{
  if (geomInterpretation.isIgnored())
    return;
  PoMesh1DHintsElement::set(action->getState(), this, geomInterpretation.getValue());
}
