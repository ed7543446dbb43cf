// Abstract single-value field whose value is a mesh, with the file format shared by every kind.
#ifndef GRIDLUX_POSFMESH_H
#define GRIDLUX_POSFMESH_H

#include <Gridlux/mesh/PbMesh.h>

#include <Inventor/fields/SoSField.h>
#include <Inventor/fields/SoSubField.h>

class SoNode;
class SoState;

/**
 * @brief Base of the mesh fields: each subclass holds one mesh of its class by value.
 *
 * The held mesh duplicates data, so a mesh given to a field is always copied into it. The value
 * sets can be added to the held mesh in place (addValuesSet() and its kin), which reports the
 * field's change like setValue().
 *
 * File format: the geometry of the mesh kind (written by the subclass), then the value sets: the
 * numbers of string, scalar and vector sets, and each set with its name and values, renumbered
 * from 0. In ASCII, counts carry a comment on their line ("# number of scalar data-set", "# set of
 * scalars, index 0, binding per cell", ...), and the reader takes the binding of a scalar set from
 * that comment; a file with no string sets at all (first count "number of scalar data-set") is
 * read as well, and so is ASCII text without comments (SoField::set), whose counts of sets are
 * then the scalar and vector counts only and whose scalar sets are per node. In binary, where comments are not written, an integer before each scalar set's
 * name records its binding (0 per cell, 1 per node). Bad counts, indices and truncated data make
 * the read fail, with a message when the data itself is wrong.
 */
class PoSFMesh : public SoSField {
  typedef SoSField inherited;

public:
  static void initClass();
  /** Registers PoSFMesh and every mesh field, parents first. */
  static void initClasses();
  static SoType getClassTypeId();

  /** The held mesh. */
  virtual const PbMesh& getMesh() const = 0;

  /** Value-set operations on the held mesh; each reports the field's change. 1 on success. */
  int addValuesSet(int index, const float* values, PbMesh::DataBinding binding, const char* name = nullptr);
  int addValuesSet(int index, const float* values, const char* name = nullptr);
  int addStringsSet(int index, const SbString* strings, const char* name = nullptr);
  int addVecsSet(int index, const SbVec3f* vectors, const char* name = nullptr);

  /** Makes the held mesh the current mesh of @p state, set by @p node (PoMeshElement). */
  virtual void setElement(SoState* state, SoNode* node) const = 0;

protected:
  PoSFMesh();
  ~PoSFMesh() override;

  virtual PbMesh& getEditableMesh() = 0;

  /** Writes the value sets after a subclass's geometry, and closes the value. */
  void writeValueSets(SoOutput* out) const;
  /** Reads the value sets into @p mesh, whose geometry has been read. */
  static SbBool readValueSets(SoInput* in, PbMesh& mesh, const char* method);
  /** Same value sets, names, bindings and values under the same indices. */
  static int sameValueSets(const PbMesh& a, const PbMesh& b);
  /** Copies every value set of @p from into @p to under the same indices. */
  static void copyValueSets(const PbMesh& from, PbMesh& to);

private:
  static SoType classTypeId;
};

/**
 * Declares a mesh field holding a @p _meshclass_: the toolkit's single-value field interface
 * (getValue, setValue, copyFrom, isSame, readValue, writeValue), plus the kind's own geometry
 * reader, writer and comparison, defined in the field's source.
 */
#define PO_SFMESH_HEADER(_class_, _meshclass_) \
  SO_SFIELD_HEADER(_class_, _meshclass_, const _meshclass_&); \
public: \
  static void initClass(); \
  const PbMesh& getMesh() const override { this->evaluate(); return this->value; } \
  void setElement(SoState* state, SoNode* node) const override; \
protected: \
  PbMesh& getEditableMesh() override { this->evaluate(); return this->value; } \
private: \
  void writeGeometry(SoOutput* out) const; \
  static SbBool readGeometry(SoInput* in, _meshclass_& mesh); \
  static int sameGeometry(const _meshclass_& a, const _meshclass_& b); \
  static void copyGeometry(const _meshclass_& from, _meshclass_& to)

/**
 * Defines the shared part of a mesh field. setValue() copies the mesh deeply even when the given
 * mesh does not duplicate its data; readValue() reads into a fresh mesh and replaces the value
 * only when the whole mesh was read, so a failed read leaves the field unchanged.
 */
#define PO_SFMESH_SOURCE(_class_, _meshclass_) \
  SO_SFIELD_CONSTRUCTOR_SOURCE(_class_); \
  SO_SFIELD_REQUIRED_SOURCE(_class_); \
  void _class_::initClass() { SO_SFIELD_INIT_CLASS(_class_, PoSFMesh); } \
  void _class_::setValue(const _meshclass_& mesh) \
  { \
    if (&mesh != &this->value) { \
      if (mesh.isDataDuplicated()) \
        this->value = mesh; \
      else { \
        _meshclass_ copy; \
        copyGeometry(mesh, copy); \
        copyValueSets(mesh, copy); \
        this->value = copy; \
      } \
    } \
    this->valueChanged(); \
  } \
  int _class_::operator==(const _class_& field) const \
  { \
    return sameGeometry(this->getValue(), field.getValue()) && \
           sameValueSets(this->getValue(), field.getValue()); \
  } \
  void _class_::setElement(SoState* state, SoNode* node) const { PoMeshElement::set(state, node, &this->value); } \
  void _class_::writeValue(SoOutput* out) const \
  { \
    writeGeometry(out); \
    writeValueSets(out); \
  } \
  SbBool _class_::readValue(SoInput* in) \
  { \
    _meshclass_ mesh; \
    if (!readGeometry(in, mesh) || !readValueSets(in, mesh, SO__QUOTE(_class_) "::readValue")) \
      return FALSE; \
    this->value = mesh; \
    this->valueChanged(); \
    return TRUE; \
  }

#endif
