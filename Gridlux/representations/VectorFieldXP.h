// Internal: the steps that the rebuilds of the 2D and 3D vector representations share around a
// PiVectorField. Not installed.
#ifndef GRIDLUX_VECTORFIELDXP_H
#define GRIDLUX_VECTORFIELDXP_H

#include <Gridlux/attributes/PbDataMapping.h>
#include <Gridlux/attributes/PoDataMappingElement.h>
#include <Gridlux/base/FieldDataXP.h>
#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/mesh/PbMesh.h>
#include <Gridlux/representations/algorithms/PiVectorField.h>

#include <Inventor/lists/SoFieldList.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoShapeHints.h>

#include <cmath>

namespace VectorFieldXP {

/** The fields of @p node whose change asks for a rebuild. */
template <class Node> void appendFields(Node& node, SoFieldList& fields)
{
  SoField* all[] = {&node.density, &node.eliminationStatus, &node.minLength, &node.maxLength, &node.bodyShape,
                    &node.bodyLengthType, &node.bodyLengthFactor, &node.bodyRadiusType, &node.bodyRadiusFactor,
                    &node.bodyColoringType, &node.startArrowShape, &node.startArrowHeightType,
                    &node.startArrowHeightFactor, &node.startArrowRadiusFactor, &node.startArrowColoringType,
                    &node.endArrowShape, &node.endArrowHeightType, &node.endArrowHeightFactor,
                    &node.endArrowRadiusFactor, &node.endArrowColoringType};
  for (SoField* field : all)
    fields.append(field);
}

/**
 * The arrows' settings from @p node's fields, each piece's colouring settled: a module colouring
 * without a module mapping, or a scalar one without a mapping or values, is constant. Returns
 * false, with a message from @p method, when a setting cannot be drawn (a density below 1, a
 * size or limit that is negative or not finite).
 */
template <class Node>
bool readSettings(const Node& node, bool hasModuleMapping, bool hasScalars, const char* method,
                  PiVectorField::Settings& s)
{
  s.density = node.density.getValue();
  s.elimination = node.eliminationStatus.getValue();
  s.minLength = node.minLength.getValue();
  s.maxLength = node.maxLength.getValue();
  s.bodyShape = PiArrow::BodyType(namedEnumValue(node.bodyShape, "bodyShape", method));
  s.bodyLengthType = node.bodyLengthType.getValue();
  s.bodyLengthFactor = node.bodyLengthFactor.getValue();
  s.bodyRadiusType = node.bodyRadiusType.getValue();
  s.bodyRadiusFactor = node.bodyRadiusFactor.getValue();
  s.shape[PiVectorField::START] = PiArrow::PatternType(namedEnumValue(node.startArrowShape, "startArrowShape", method));
  s.heightType[PiVectorField::START] = node.startArrowHeightType.getValue();
  s.heightFactor[PiVectorField::START] = node.startArrowHeightFactor.getValue();
  s.radiusFactor[PiVectorField::START] = node.startArrowRadiusFactor.getValue();
  s.shape[PiVectorField::END] = PiArrow::PatternType(namedEnumValue(node.endArrowShape, "endArrowShape", method));
  s.heightType[PiVectorField::END] = node.endArrowHeightType.getValue();
  s.heightFactor[PiVectorField::END] = node.endArrowHeightFactor.getValue();
  s.radiusFactor[PiVectorField::END] = node.endArrowRadiusFactor.getValue();
  const int requested[3] = {node.bodyColoringType.getValue(), node.startArrowColoringType.getValue(),
                            node.endArrowColoringType.getValue()};
  for (int p = 0; p < 3; ++p) {
    int c = requested[p];
    if ((c == PiVectorField::MODULE_MAPPING_COLOR && !hasModuleMapping) ||
        (c == PiVectorField::SCALAR_MAPPING_COLOR && !hasScalars))
      c = PiVectorField::CONSTANT_COLOR;
    s.coloring[p] = c;
  }
  if (s.density < 1) {
    PoDebugError::post(method, "density %d is below 1: nothing drawn", s.density);
    return false;
  }
  const float sizes[] = {s.minLength,       s.maxLength,       s.bodyRadiusFactor,
                         s.heightFactor[1], s.radiusFactor[1], s.heightFactor[2],
                         s.radiusFactor[2]};
  for (float size : sizes)
    if (!(size >= 0) || std::isinf(size)) {
      PoDebugError::post(method, "an arrow size or length limit is negative or not finite: nothing drawn");
      return false;
    }
  if (std::isinf(s.bodyLengthFactor)) {
    PoDebugError::post(method, "bodyLengthFactor is not finite: nothing drawn");
    return false;
  }
  return true;
}

/** Whether some drawn piece is coloured through a data mapping (whose element is then cached). */
inline bool isMapped(const PiVectorField::Settings& s)
{
  return (s.bodyShape != PiArrow::NO_BODY && s.coloring[0] != PiVectorField::CONSTANT_COLOR) ||
         (s.shape[1] != PiArrow::NO_SHAPE && s.coloring[1] != PiVectorField::CONSTANT_COLOR) ||
         (s.shape[2] != PiArrow::NO_SHAPE && s.coloring[2] != PiVectorField::CONSTANT_COLOR);
}

/** The value set @p index of @p mesh when it has one value per node, else null. */
inline const float* nodeValues(const PbMesh* mesh, int index)
{
  if (!mesh || index < 0 || mesh->getValuesBinding(index) != PbMesh::PER_NODE)
    return nullptr;
  return mesh->getValuesSet(index);
}

/** The three groups of one build: fresh, referenced, the shape groups facing counter-clockwise. */
struct Groups {
  SoGroup* g[3] = {nullptr, nullptr, nullptr};

  void make()
  {
    for (int p = 0; p < 3; ++p) {
      g[p] = new SoGroup;
      g[p]->ref();
      if (p != PiVectorField::BODY) {
        SoShapeHints* hints = new SoShapeHints;
        hints->vertexOrdering = SoShapeHints::COUNTERCLOCKWISE;
        g[p]->addChild(hints);
      }
    }
  }
  /** Sets the groups (or, when none were made, nothing) into @p node's parts and releases them. */
  template <class Node> void place(Node& node)
  {
    static const char* const parts[3] = {"bodyGroup", "startArrowGroup", "endArrowGroup"};
    for (int p = 0; p < 3; ++p) {
      node.setPart(parts[p], g[p]);
      if (g[p])
        g[p]->unref();
      g[p] = nullptr;
    }
  }
};

/**
 * Settles what @p node draws from @p mesh: nothing (no vectors in @p in) without a non-empty
 * mesh, without the vector set `vecsIndex`, with a `bodyLengthFactor` not above 0 (all
 * silently) or with settings that cannot be drawn (with a message from @p method).
 * @return whether a data mapping colours some piece, so that its element belongs in the cache.
 */
template <class Node>
bool prepare(const Node& node, const PbMesh* mesh, const PbDataMapping* mapping, const PbDataMapping* moduleMapping,
             const char* method, PiVectorField::Input& in)
{
  in.vectors = nullptr;
  in.scalars = nodeValues(mesh, node.valuesIndex.getValue());
  const bool hasScalars = in.scalars && mapping;
  if (!readSettings(node, moduleMapping != nullptr, hasScalars, method, in.settings))
    return false;
  const int vecs = node.vecsIndex.getValue();
  if (mesh && !mesh->isEmpty() && vecs >= 0 && node.bodyLengthFactor.getValue() > 0)
    in.vectors = mesh->getVecsSet(vecs);
  return isMapped(in.settings);
}

/**
 * One build of @p node: fresh groups, @p field started (for about @p expected vectors),
 * @p offer() giving the vectors, the field finished and the groups placed. Without vectors the
 * groups are cleared.
 */
template <class Node, class Offer>
void build(Node& node, const PiVectorField::Input& in, PiVectorField& field, const PbDomain* domain,
           const PbDataMapping* mapping, const PbDataMapping* moduleMapping, int expected, const char* method,
           Offer offer)
{
  Groups groups;
  if (in.vectors) {
    groups.make();
    field.start(in.settings, domain, mapping, moduleMapping, groups.g, expected);
    offer();
    field.finish();
    if (field.getNumNotFinite() > 0)
      PoDebugError::post(method, "%d vectors or points are not finite and were not drawn", field.getNumNotFinite());
  }
  groups.place(node);
}

} // namespace VectorFieldXP

/**
 * The members that the 2D and 3D vector representations share, written once: constructor,
 * destructor, field watching, preRebuild(), rebuild() and the per-node addVector(). In the
 * class's source: @p _mesh_ the typed mesh in force, @p _expected_ the number of vectors the
 * rebuild will offer (0 when unknown), @p _offer_ the statement that offers them.
 */
#define GRIDLUX_VECTOR_FIELD_NODE_SOURCE(_class_, _mesh_, _expected_, _offer_)                     \
  _class_::_class_()                                                                             \
  {                                                                                              \
    SO_KIT_CONSTRUCTOR(_class_);                                                                 \
    GRIDLUX_VECTOR_FIELD_ADD_ENTRIES();                                                          \
    SO_KIT_INIT_INSTANCE();                                                                      \
    /* Flat heads are shaped in the domain's space. */                                           \
    setDomainUsedForRebuild(1);                                                                  \
    setUpConnections(TRUE, TRUE);                                                                \
  }                                                                                              \
  _class_::~_class_() { deleteFieldSensorList(m_sensors); }                                      \
  SbBool _class_::setUpConnections(SbBool onOff, SbBool doItAlways)                              \
  {                                                                                              \
    if (!doItAlways && connectionsSetUp == onOff)                                                \
      return onOff;                                                                              \
    SoFieldList fields;                                                                          \
    VectorFieldXP::appendFields(*this, fields);                                                  \
    watchFields(onOff, m_sensors, fields);                                                       \
    return inherited::setUpConnections(onOff, doItAlways);                                       \
  }                                                                                              \
  void _class_::preRebuild()                                                                     \
  {                                                                                              \
    inherited::preRebuild();                                                                     \
    if (VectorFieldXP::prepare(*this, _mesh_, m_dataMappingInForce, m_moduleDataMappingInForce,  \
                               #_class_ "::rebuild", m_inputs))                                  \
      addElementCache(PoDataMappingElement::getClassStackIndex());                               \
  }                                                                                              \
  void _class_::rebuild()                                                                        \
  {                                                                                              \
    preRebuild();                                                                                \
    VectorFieldXP::build(*this, m_inputs, m_field, getDomain(), m_dataMappingInForce,            \
                         m_moduleDataMappingInForce, _expected_, #_class_ "::rebuild",           \
                         [this] { _offer_; });                                                   \
    postRebuild();                                                                               \
  }                                                                                              \
  void _class_::addVector(const SbVec3f& point, const SbVec3f& vector)                           \
  {                                                                                              \
    /* Offered in node order: the k-th vector is node k's. */                                    \
    const int k = m_field.getNumOffered();                                                       \
    m_field.addVector(point, vector, m_inputs.scalars ? m_inputs.scalars[k] : 0.0f);             \
  }

#endif
