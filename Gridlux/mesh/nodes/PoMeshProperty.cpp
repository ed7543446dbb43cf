// Mesh property base: sets the current mesh, and adds value sets to the field's mesh in place.
#include <Gridlux/mesh/nodes/PoMeshProperty.h>

#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/mesh/nodes/PoSFMesh.h>

#include <Inventor/fields/SoFieldData.h>

#include <Inventor/actions/SoAction.h>

PO_NODE_ABSTRACT_SOURCE(PoMeshProperty);

void PoMeshProperty::initClass()
{
  PO_NODE_INIT_ABSTRACT_CLASS(PoMeshProperty, PoNode, "PoNode");
}

PoMeshProperty::PoMeshProperty()
{
  SO_NODE_CONSTRUCTOR(PoMeshProperty);
}

PoMeshProperty::~PoMeshProperty() = default;

const PbMesh* PoMeshProperty::getMesh()
{
  return &getSFieldMesh()->getMesh();
}

int PoMeshProperty::addValuesSet(int index, const float* values, DataBinding binding, const char* name)
{
  return getSFieldMesh()->addValuesSet(index, values, PbMesh::DataBinding(binding), name);
}

int PoMeshProperty::addValuesSet(int index, const float* values, const char* name)
{
  return getSFieldMesh()->addValuesSet(index, values, name);
}

int PoMeshProperty::addStringsSet(int index, const SbString* strings, const char* name)
{
  return getSFieldMesh()->addStringsSet(index, strings, name);
}

int PoMeshProperty::addVecsSet(int index, const SbVec3f* vectors, const char* name)
{
  return getSFieldMesh()->addVecsSet(index, vectors, name);
}

void PoMeshProperty::doAction(SoAction* action)
{
  PoSFMesh* field = getSFieldMesh();
  if (field->isIgnored())
    return;
  // getMesh() evaluates a pending connection first.
  field->getMesh();
  field->setElement(action->getState(), this);
}
