// Abstract property node that makes its mesh the current mesh of the traversal.
#ifndef GRIDLUX_POMESHPROPERTY_H
#define GRIDLUX_POMESHPROPERTY_H

#include <Gridlux/base/PoNode.h>
#include <Gridlux/mesh/PbMesh.h>

class PoSFMesh;

/**
 * @brief Base of the mesh property nodes: each subclass has one field, `mesh`, holding a mesh
 * of its class by value (a PoSFMesh subclass).
 *
 * On every action the node makes its mesh the current mesh of the state (PoMeshElement), unless
 * the field is ignored; the representation nodes below it draw that mesh. A change of the field,
 * including a value set added through the node, changes the node and so the element, and the
 * representations that read it rebuild at their next traversal. The file-format name of each
 * node is its class name; the whole mesh is written in its field.
 */
class PoMeshProperty : public PoNode {
  typedef PoNode inherited;
  PO_NODE_ABSTRACT_HEADER(PoMeshProperty);

public:
  enum DataBinding {
    PER_CELL = PbMesh::PER_CELL,
    PER_NODE = PbMesh::PER_NODE
  };

  static void initClass();

  /** The mesh held by the node's field. */
  virtual const PbMesh* getMesh();

  /** Value-set operations on the field's mesh, in place; 1 on success. */
  virtual int addValuesSet(int index, const float* values, DataBinding binding, const char* name = nullptr);
  virtual int addValuesSet(int index, const float* values, const char* name = nullptr);
  virtual int addStringsSet(int index, const SbString* strings, const char* name = nullptr);
  virtual int addVecsSet(int index, const SbVec3f* vectors, const char* name = nullptr);

  void doAction(SoAction* action) override;

protected:
  PoMeshProperty();
  ~PoMeshProperty() override;

  /** The node's `mesh` field. */
  virtual PoSFMesh* getSFieldMesh() = 0;
};

/** Defines the registration and constructor of a mesh property node whose field holds a @p _meshclass_. */
#define PO_MESH_PROPERTY_SOURCE(_class_, _meshclass_) \
  PO_NODE_SOURCE(_class_); \
  void _class_::initClass() { PO_NODE_INIT_CLASS(_class_, PoMeshProperty, "PoMeshProperty"); } \
  _class_::_class_() \
  { \
    SO_NODE_CONSTRUCTOR(_class_); \
    SO_NODE_ADD_FIELD(mesh, (_meshclass_())); \
  } \
  _class_::~_class_() = default; \
  PoSFMesh* _class_::getSFieldMesh() { return &this->mesh; }

#endif
