// Rebuild protocol, element caches, domain transform and write rules of the library's node kits.
#include <Gridlux/base/PoBase.h>

#include <Gridlux/base/FieldDataXP.h>

#include <Gridlux/attributes/PbDataMapping.h>
#include <Gridlux/attributes/PbMiscTextAttr.h>
#include <Gridlux/attributes/PoBevelEdgeElement.h>
#include <Gridlux/attributes/PoCellFilterElement.h>
#include <Gridlux/attributes/PoDataMappingElement.h>
#include <Gridlux/attributes/PoDateFormatMappingElement.h>
#include <Gridlux/attributes/PoDomainElement.h>
#include <Gridlux/attributes/PoIsovaluesListElement.h>
#include <Gridlux/attributes/PoLabelHintsElement.h>
#include <Gridlux/attributes/PoMiscTextAttrElement.h>
#include <Gridlux/attributes/PoNumericDisplayFormatElement.h>
#include <Gridlux/attributes/PoProfileElement.h>
#include <Gridlux/base/PiTransparencyDeletion.h>
#include <Gridlux/base/PoChartwork.h>
#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/base/PoFieldwork.h>
#include <Gridlux/base/PoNode.h>
#include <Gridlux/mesh/nodes/PoMesh1DFilterElement.h>
#include <Gridlux/mesh/nodes/PoMesh1DHintsElement.h>
#include <Gridlux/mesh/nodes/PoMeshElement.h>
#include <Gridlux/mesh/nodes/PoSFMesh.h>
#include <Gridlux/platform/SoAnnoText3.h>
#include <Gridlux/platform/SoLogicalViewportElement.h>
#include <Gridlux/platform/SoModifyViewVolumeElement.h>
#include <Gridlux/views/PoBaseView.h>
#include <Gridlux/views/PoToVRML2Action.h>

#include <Inventor/SoPath.h>
#include <Inventor/C/threads/thread.h>
#include <Inventor/actions/SoCallbackAction.h>
#include <Inventor/actions/SoGLRenderAction.h>
#include <Inventor/actions/SoGetBoundingBoxAction.h>
#include <Inventor/actions/SoGetMatrixAction.h>
#include <Inventor/actions/SoGetPrimitiveCountAction.h>
#include <Inventor/actions/SoHandleEventAction.h>
#include <Inventor/actions/SoRayPickAction.h>
#include <Inventor/actions/SoSearchAction.h>
#include <Inventor/actions/SoWriteAction.h>
#include <Inventor/caches/SoCache.h>
#include <Inventor/elements/SoTextOutlineEnabledElement.h>
#include <Inventor/misc/SoState.h>
#include <Inventor/nodekits/SoAppearanceKit.h>
#include <Inventor/nodekits/SoNodeKit.h>
#include <Inventor/nodekits/SoNodekitCatalog.h>
#include <Inventor/nodes/SoCallback.h>
#include <Inventor/nodes/SoDrawStyle.h>
#include <Inventor/nodes/SoIndexedFaceSet.h>
#include <Inventor/nodes/SoIndexedLineSet.h>
#include <Inventor/nodes/SoIndexedTriangleStripSet.h>
#include <Inventor/nodes/SoLightModel.h>
#include <Inventor/nodes/SoLineSet.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoMaterialBinding.h>
#include <Inventor/nodes/SoMatrixTransform.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoQuadMesh.h>
#include <Inventor/nodes/SoSeparator.h>
#include <Inventor/nodes/SoShape.h>
#include <Inventor/misc/SoChildList.h>
#include <Inventor/sensors/SoFieldSensor.h>

#include <vector>

PO_KIT_ABSTRACT_SOURCE(PoBase);

PoBase::TextType PoBase::m_textType = PoBase::TEXT_ANNOTATION;
PoBase::NodeWriteFormat PoBase::m_nodeWriteFormat = PoBase::WRITE_FORMAT_COMPACT;
int PoBase::m_isVRML2Mode = 0;
int PoBase::m_isRebuildBlocked = 0;

namespace {

int initDone = 0;

// A field sensor that remembers which thread created it.
class ThreadFieldSensor : public SoFieldSensor {
public:
  ThreadFieldSensor(SoSensorCB* cb, void* data) : SoFieldSensor(cb, data), threadId(cc_thread_id()) {}
  unsigned long threadId;
};

// Marks every part field default while a compact file is written, and restores the flags after,
// so that the node is written with its own fields only.
class CompactPartsScope {
public:
  CompactPartsScope(SoBaseKit* kit, const SoNodekitCatalog* catalog) : m_kit(kit)
  {
    for (int i = 1; i < catalog->getNumEntries(); ++i) { // entry 0 is the kit itself
      SoField* field = kit->getField(catalog->getName(i));
      if (!field)
        continue;
      m_fields.push_back(field);
      m_wasDefault.push_back(field->isDefault());
      field->setDefault(TRUE);
    }
  }
  ~CompactPartsScope()
  {
    for (size_t i = 0; i < m_fields.size(); ++i)
      m_fields[i]->setDefault(m_wasDefault[i]);
  }

private:
  SoBaseKit* m_kit;
  std::vector<SoField*> m_fields;
  std::vector<SbBool> m_wasDefault;
};

// Pushes the action's state for the scope: what the kit's parts set stays inside the kit.
class StatePushScope {
public:
  explicit StatePushScope(SoAction* action) : m_state(action->getState()) { m_state->push(); }
  ~StatePushScope() { m_state->pop(); }
  StatePushScope(const StatePushScope&) = delete;
  StatePushScope& operator=(const StatePushScope&) = delete;

private:
  SoState* m_state;
};

PiTransparencyDeletion::Binding deletionBinding(int binding)
{
  switch (binding) {
  case SoMaterialBinding::PER_PART:
  case SoMaterialBinding::PER_PART_INDEXED:
    return PiTransparencyDeletion::PER_PART;
  case SoMaterialBinding::PER_FACE:
  case SoMaterialBinding::PER_FACE_INDEXED:
    return PiTransparencyDeletion::PER_FACE;
  default:
    return PiTransparencyDeletion::PER_VERTEX;
  }
}

bool isKnownBinding(int binding)
{
  return binding >= SoMaterialBinding::PER_PART && binding <= SoMaterialBinding::PER_VERTEX_INDEXED;
}

// How one shape's parts are filtered under @p materialBinding; false when the binding gives no
// per-part transparency to filter by (OVERALL or a value that is no binding).
bool filterBinding(const SoMaterialBinding* materialBinding, PiTransparencyDeletion::Binding& kind)
{
  const int binding = materialBinding->value.getValue();
  if (binding == SoMaterialBinding::OVERALL || !isKnownBinding(binding))
    return false;
  kind = deletionBinding(binding);
  return true;
}

// The shape that replaces @p shape: the same vertices, the filtered index list of @p result.
template <class Indexed>
Indexed* makeFiltered(const SoVertexShape* shape, const PiTransparencyDeletion::Result& result)
{
  Indexed* replacement = new Indexed;
  replacement->vertexProperty = shape->vertexProperty.getValue();
  replacement->coordIndex.setValues(0, int(result.coordIndex.size()), result.coordIndex.data());
  return replacement;
}

} // namespace

PoInitGuard::PoInitGuard()
{
  PoBase::init();
}

// ---------------------------------------------------------------------------------------------
// Start-up

void PoBase::init()
{
  if (initDone)
    return;
  initDone = 1;

  SoDB::init();
  SoNodeKit::init();
  // The toolkit-side stand-ins (the library's text node, the elements views read), before the
  // library's own classes.
  SoAnnoText3::initClass();
  SoModifyViewVolumeElement::initClass();
  SoLogicalViewportElement::initClass();

  PoDebugError::initClass();
  PoBase::initClass();
  PoChartwork::initClasses();
  PoFieldwork::initClasses();
  PoBaseView::initClasses();
  PoDomainElement::initClass();
  PoNumericDisplayFormatElement::initClass();
  PoIsovaluesListElement::initClass();
  PoDateFormatMappingElement::initClass();
  PoMiscTextAttrElement::initClass();
  PoDataMappingElement::initClass();
  PoCellFilterElement::initClass();
  PoMeshElement::initClass();
  PoBevelEdgeElement::initClass();
  PoMesh1DFilterElement::initClass();
  PoMesh1DHintsElement::initClass();
  PoProfileElement::initClass();
  PoLabelHintsElement::initClass();
  PoNode::initClasses();
  PoSFMesh::initClasses();
  PoToVRML2Action::initClass();

  // Coin has the element but no action enables it; without this, setting it is a silent no-op.
  SoGLRenderAction::enableElement(SoTextOutlineEnabledElement::getClassTypeId(),
                                  SoTextOutlineEnabledElement::getClassStackIndex());
}

void PoBase::initClass()
{
  PO_KIT_INIT_ABSTRACT_CLASS(PoBase, SoBaseKit, "BaseKit");
}

// ---------------------------------------------------------------------------------------------
// Construction and copies

PoBase::PoBase(CatchActionCB* catchActionCB)
{
  SO_KIT_CONSTRUCTOR(PoBase);

  SO_KIT_ADD_CATALOG_ENTRY(catchActionCallback, SoCallback, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(alternateRep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(catchActionLevel2Callback, SoCallback, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(appearance, SoAppearanceKit, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(domainTransform, SoMatrixTransform, TRUE, this, "", TRUE);

  SO_KIT_INIT_INSTANCE();

  m_domain = &m_defaultDomain;
  m_catchActionCB = catchActionCB;
  makeCallbackParts();

  m_isDomainTransformEnabled = 1;
  m_isDomainUsedForRebuild = 1;
}

PoBase::~PoBase()
{
  SoCallback* cb = static_cast<SoCallback*>(catchActionCallback.getValue());
  if (cb)
    cb->setCallback(nullptr, nullptr);
  cb = static_cast<SoCallback*>(catchActionLevel2Callback.getValue());
  if (cb)
    cb->setCallback(nullptr, nullptr);
  if (m_domain)
    m_domain->removeConnection(this);
  if (m_elementsCache)
    m_elementsCache->unref();
  if (m_domainCache)
    m_domainCache->unref();
}

void PoBase::makeCallbackParts()
{
  // Remade on every copy: the source's callbacks point at the source node.
  SoCallback* first = new SoCallback;
  first->setCallback(m_catchActionCB ? m_catchActionCB : &PoBase::catchActionCB, this);
  setAnyPart("catchActionCallback", first);
  SoCallback* second = new SoCallback;
  second->setCallback(&PoBase::catchActionLevel2CB, nullptr);
  setAnyPart("catchActionLevel2Callback", second);
}

SoNode* PoBase::copy(SbBool copyConnections) const
{
  PoBase* theCopy = static_cast<PoBase*>(inherited::copy(copyConnections));
  theCopy->m_updateMethod = m_updateMethod;
  theCopy->makeCallbackParts();
  if (m_updateMethod == UPDATE_AT_TRAVERSAL)
    theCopy->rebuild();
  return theCopy;
}

SbBool PoBase::readInstance(SoInput* in, unsigned short flags)
{
  const FieldDataGuard guard(this, "PoBase::readInstance");
  // Built geometry the file gives tells an expanded file, which holds what the node had built but
  // not the property nodes it was built from: a rebuild at the first traversal would replace the
  // picture with one from defaults. Built geometry is a group or a shape in a leaf part, or the
  // domain transform. Compact files give
  // leaf parts too, but of other kinds (appearance kits, transforms), or library nodes (the members
  // of axis groups), which count only when they kept parts of their own from the file; the reader
  // makes the inner parts on its own, and the callback parts are the node's own.
  const SoNodekitCatalog* catalog = getNodekitCatalog();
  std::vector<const SoNode*> before(catalog->getNumEntries(), nullptr);
  for (int i = 1; i < catalog->getNumEntries(); ++i) {
    const SoSFNode* part = static_cast<const SoSFNode*>(getField(catalog->getName(i)));
    before[i] = part ? part->getValue() : nullptr;
  }
  if (!inherited::readInstance(in, flags))
    return FALSE;
  for (int i = 1; i < catalog->getNumEntries(); ++i) {
    const SbName& name = catalog->getName(i);
    if (name == "catchActionCallback" || name == "catchActionLevel2Callback")
      continue;
    const SoSFNode* part = static_cast<const SoSFNode*>(getField(name));
    SoNode* value = part ? part->getValue() : nullptr;
    if (!catalog->isLeaf(i) || !value || value == before[i])
      continue;
    const bool built = value->isOfType(PoBase::getClassTypeId())
                         ? static_cast<PoBase*>(value)->m_keepReadParts != 0
                         : value->isOfType(SoGroup::getClassTypeId()) || value->isOfType(SoShape::getClassTypeId()) ||
                             name == "domainTransform";
    if (built) {
      m_keepReadParts = 1;
      m_isModified = 0; // reading fields is not a change either
      break;
    }
  }
  return TRUE;
}

void PoBase::copyContents(const SoFieldContainer* from, SbBool copyConnections)
{
  inherited::copyContents(from, copyConnections);
  const PoBase* source = static_cast<const PoBase*>(from);
  m_updateMethod = source->m_updateMethod;
  makeCallbackParts();
}

// ---------------------------------------------------------------------------------------------
// Rebuild control

void PoBase::rebuild()
{
}

void PoBase::preRebuild()
{
  if (m_preRebuildCB)
    m_preRebuildCB(m_preRebuildData, this);
}

void PoBase::postRebuild()
{
  m_isBuilt = 1;
  m_isModified = 0;
  m_fieldsChangedFlag = 0;
  if (m_postRebuildCB)
    m_postRebuildCB(m_postRebuildData, this);
}

void PoBase::addPreRebuildCallback(RebuildCB* cb, void* userData)
{
  m_preRebuildCB = cb;
  m_preRebuildData = userData;
}

void PoBase::addPostRebuildCallback(RebuildCB* cb, void* userData)
{
  m_postRebuildCB = cb;
  m_postRebuildData = userData;
}

void PoBase::quietRebuild()
{
  const SbBool notifyWasOn = enableNotify(FALSE);
  m_isRebuilding = 1;
  rebuild();
  m_isRebuilding = 0;
  enableNotify(notifyWasOn);
}

void PoBase::rebuildRequest()
{
  m_keepReadParts = 0;
  if (m_updateMethod == UPDATE_AT_CHANGE) {
    if (m_isRebuilding)
      return; // a rebuild that changes what it follows must not start itself again
    m_isRebuilding = 1;
    rebuild();
    m_isRebuilding = 0;
    m_isModified = 0;
  } else {
    m_isModified = 1;
    touch();
  }
}

void PoBase::touchKit()
{
  rebuildRequest();
}

// ---------------------------------------------------------------------------------------------
// Field watching

void PoBase::fieldSensorCB(void* data, SoSensor* sensor)
{
  PoBase* node = static_cast<PoBase*>(data);
  // Fields written by the node's own rebuild are not a new request.
  if (node->m_isRebuilding)
    return;
  node->m_keepReadParts = 0;
  if (node->m_storeFieldsChanged && sensor) {
    SoField* field = static_cast<SoFieldSensor*>(sensor)->getAttachedField();
    if (field)
      node->m_fieldsChangedList.append(field);
  }
  node->m_fieldsChangedFlag = 1;
  if (node->m_updateMethod == UPDATE_AT_CHANGE) {
    node->m_isRebuilding = 1;
    node->rebuild();
    node->m_isRebuilding = 0;
    node->m_isModified = 0;
  } else {
    node->m_isModified = 1;
  }
}

void PoBase::createFieldSensorList(int num, FieldSensorList& list)
{
  if (num < 0)
    num = 0;
  list.numSensors = num;
  list.sensors = num ? new SoFieldSensor*[num] : nullptr;
  for (int i = 0; i < num; ++i) {
    ThreadFieldSensor* sensor = new ThreadFieldSensor(&PoBase::fieldSensorCB, this);
    sensor->setPriority(0);
    list.sensors[i] = sensor;
  }
}

void PoBase::attachFieldSensorList(FieldSensorList& list, const SoFieldList& fields)
{
  for (int i = 0; i < list.numSensors && i < fields.getLength(); ++i) {
    if (list.sensors[i]->getAttachedField() != fields[i]) {
      list.sensors[i]->detach();
      list.sensors[i]->attach(fields[i]);
    }
  }
}

void PoBase::detachFieldSensorList(FieldSensorList& list)
{
  for (int i = 0; i < list.numSensors; ++i) {
    if (list.sensors[i]->getAttachedField())
      list.sensors[i]->detach();
  }
}

void PoBase::deleteFieldSensorList(FieldSensorList& list)
{
  detachFieldSensorList(list);
  for (int i = 0; i < list.numSensors; ++i)
    delete list.sensors[i];
  delete[] list.sensors;
  list.numSensors = 0;
  list.sensors = nullptr;
}

void PoBase::watchFields(SbBool onOff, FieldSensorList& list, const SoFieldList& fields)
{
  detachFieldSensorList(list);
  if (!onOff)
    return;
  if (list.numSensors != fields.getLength()) {
    deleteFieldSensorList(list);
    createFieldSensorList(fields.getLength(), list);
  }
  attachFieldSensorList(list, fields);
}

void PoBase::watchOwnFields(SbBool onOff, FieldSensorList& list)
{
  SoFieldList fields;
  if (onOff)
    getOwnFields(this, fields);
  watchFields(onOff, list, fields);
}

void PoBase::getOwnFields(const SoBaseKit* kit, SoFieldList& fields)
{
  SoFieldList all;
  kit->getFields(all);
  const SoNodekitCatalog* catalog = kit->getNodekitCatalog();
  for (int i = 0; i < all.getLength(); ++i) {
    SbName name;
    kit->getFieldName(all[i], name);
    if (catalog->getPartNumber(name) == SO_CATALOG_NAME_NOT_FOUND)
      fields.append(all[i]);
  }
}

int PoBase::isFieldHasChanged(const SoField* field) const
{
  return m_fieldsChangedList.find(const_cast<SoField*>(field)) >= 0;
}

void PoBase::setListFieldsDefault(const SoFieldList& fields)
{
  for (int i = 0; i < fields.getLength(); ++i)
    fields[i]->setDefault(TRUE);
}

// ---------------------------------------------------------------------------------------------
// Connections

SbBool PoBase::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  if (!onOff) {
    inherited::setUpConnections(FALSE, doItAlways);
    connectionsSetUp = FALSE;
    return TRUE;
  }
  inherited::setUpConnections(TRUE, doItAlways);
  m_fieldsChangedFlag = 1;
  if (m_updateMethod == UPDATE_AT_CHANGE) {
    m_isRebuilding = 1;
    rebuild();
    m_isRebuilding = 0;
    m_isModified = 0;
  } else {
    m_isModified = 1;
  }
  connectionsSetUp = TRUE;
  return FALSE;
}

void PoBase::changeConnection(PbBase* oldObject, PbBase* newObject)
{
  if (oldObject)
    oldObject->removeConnection(this);
  if (newObject)
    newObject->addConnection(this);
}

void PoBase::basicObjectChange(PbBase* object)
{
  if (object != m_domain)
    return;
  const PbBase::ChangeType type = object->getChangeType();
  setDomainTransform(type == PbBase::CHANGE_DESTROY ? nullptr : m_domain);
  if (type != PbBase::CHANGE_TRANSFORM_TYPE && m_isDomainUsedForRebuild) {
    PbBase* reference = m_domain;
    manageBasicObjectChange(object, &reference);
    m_domain = static_cast<PbDomain*>(reference);
  }
  if (type == PbBase::CHANGE_DESTROY)
    m_domain = nullptr;
  if (!m_domain)
    m_domain = &m_defaultDomain;
  releaseDomainCache();
}

void PoBase::releaseDomainCache()
{
  // The next traversal derives the domain transform again.
  if (m_domainCache) {
    m_domainCache->unref();
    m_domainCache = nullptr;
  }
}

void PoBase::manageBasicObjectChange(PbBase* object, PbBase** reference)
{
  if (object->getChangeType() == PbBase::CHANGE_DESTROY) {
    if (!*reference)
      return;
    // Forget the dying object before the rebuild can read it.
    *reference = nullptr;
    const SbBool notifyWasOn = enableNotify(FALSE);
    rebuildRequest();
    enableNotify(notifyWasOn);
    return;
  }
  rebuildRequest();
}

// ---------------------------------------------------------------------------------------------
// Domain

void PoBase::setDomain(PbDomain* domain)
{
  if (m_domain != &m_defaultDomain)
    m_domain->removeConnection(this);
  if (domain)
    domain->addConnection(this);
  setDomainTransform(domain);
  m_domain = domain ? domain : &m_defaultDomain;
  releaseDomainCache();
  if (m_isDomainUsedForRebuild)
    rebuildRequest();
}

const PbDomain* PoBase::getDomain() const
{
  if (m_domain && m_domain != &m_defaultDomain)
    return m_domain;
  if (m_isStateValid && m_state)
    return PoDomainElement::get(m_state);
  return &m_defaultDomain;
}

void PoBase::setDomainTransform(const PbDomain* domain)
{
  if (!m_isDomainTransformEnabled)
    return;
  const bool identity = !domain || (domain->isHomogeneous() &&
                                    domain->getTransformType() != PbDomain::TRANSFORM_01);
  if (identity)
    setAnyPart("domainTransform", nullptr);
  else
    setAnyPart("domainTransform", domain->getMatrixTransform());
}

// ---------------------------------------------------------------------------------------------
// Elements and caches

void PoBase::setState(SoAction* action)
{
  m_state = action ? action->getState() : nullptr;
}

void PoBase::addElementCache(int stackIndex)
{
  if (!m_isStateValid || m_isCacheValid || !m_state || !m_elementsCache)
    return;
  const SoElement* element = m_state->getConstElement(stackIndex);
  if (element)
    m_elementsCache->addElement(element);
}

void PoBase::addElementsAllCaches()
{
  // Reading the element also makes any render cache open above the node depend on it.
  PoDomainElement::get(m_state);
}

void PoBase::rebuildCache(SoCache** cache)
{
  // The cache records elements set below its creation depth only, hence the push.
  m_state->push();
  if (*cache)
    (*cache)->unref();
  *cache = new SoCache(m_state);
  (*cache)->ref();
  m_state->pop();
}

void PoBase::catchActionCB(void* userData, SoAction* action)
{
  PoBase* node = static_cast<PoBase*>(userData);
  if (node && action)
    node->runRebuildCheck(action);
}

void PoBase::runRebuildCheck(SoAction* action)
{
  if (m_isRebuildBlocked)
    return;
  if (action->isOfType(SoSearchAction::getClassTypeId()) &&
      static_cast<SoSearchAction*>(action)->isSearchingAll())
    return;
  SoState* state = action->getState();
  // Actions that do not enable the library's elements cannot give the node its inputs.
  if (!state || !state->isElementEnabled(PoDomainElement::getClassStackIndex()))
    return;
  if (m_isRebuilding || m_keepReadParts)
    return;

  SbThreadAutoWriteLock lock(PoBase::classMutex);
  m_isStateValid = 1;

  if (action->isOfType(SoWriteAction::getClassTypeId()) &&
      static_cast<SoWriteAction*>(action)->getOutput()->getStage() == SoOutput::WRITE) {
    m_isStateValid = 0;
    return;
  }
  m_state = state;

  addElementsAllCaches();
  m_isCacheValid = m_elementsCache && m_elementsCache->isValid(m_state);
  bool domainValid = m_domainCache && m_domainCache->isValid(m_state);

  if (!m_isModified && m_isCacheValid && domainValid) {
    m_isStateValid = 0;
    return;
  }

  if (!domainValid) {
    const SbBool notifyWasOn = enableNotify(FALSE);
    setDomainTransform(getDomain());
    enableNotify(notifyWasOn);
    rebuildCache(&m_domainCache);
    m_domainCache->addElement(m_state->getConstElement(PoDomainElement::getClassStackIndex()));
    if (!m_isDomainUsedForRebuild && !m_isModified && m_isCacheValid) {
      m_isStateValid = 0;
      return;
    }
  }

  if (!m_isCacheValid || m_isCacheAlwaysRebuild) {
    rebuildCache(&m_elementsCache);
    m_isCacheValid = 0;
  }

  quietRebuild();
  m_isModified = 0;
  m_isCacheValid = 1;
  m_isStateValid = 0;
}

void PoBase::catchActionLevel2CB(void*, SoAction* action)
{
  if (!action->isOfType(SoGLRenderAction::getClassTypeId()))
    return;
  SoState* state = action->getState();
  if (!state->isElementEnabled(PoMiscTextAttrElement::getClassStackIndex()))
    return;
  const PbMiscTextAttr* attr = PoMiscTextAttrElement::get(state);
  SoTextOutlineEnabledElement::set(state, attr && attr->isOutliningEnabled());
}

// ---------------------------------------------------------------------------------------------
// Actions: the rebuild check runs before the parts are traversed, because parts set during a
// traversal would only be drawn by the next one. The state is pushed around the parts so that
// the kit's appearance and domain transform do not leak into its siblings.

SbBool PoBase::affectsState() const
{
  return FALSE;
}

void PoBase::GLRender(SoGLRenderAction* action)
{
  runRebuildCheck(action);
  StatePushScope scope(action);
  inherited::GLRender(action);
}

void PoBase::callback(SoCallbackAction* action)
{
  runRebuildCheck(action);
  StatePushScope scope(action);
  inherited::callback(action);
}

void PoBase::getBoundingBox(SoGetBoundingBoxAction* action)
{
  runRebuildCheck(action);
  StatePushScope scope(action);
  inherited::getBoundingBox(action);
}

void PoBase::getMatrix(SoGetMatrixAction* action)
{
  // No push: the matrix of a path through the kit must include the kit's own transforms.
  runRebuildCheck(action);
  inherited::getMatrix(action);
}

void PoBase::handleEvent(SoHandleEventAction* action)
{
  runRebuildCheck(action);
  StatePushScope scope(action);
  inherited::handleEvent(action);
}

void PoBase::rayPick(SoRayPickAction* action)
{
  runRebuildCheck(action);
  StatePushScope scope(action);
  inherited::rayPick(action);
}

void PoBase::search(SoSearchAction* action)
{
  runRebuildCheck(action);
  inherited::search(action);
}

void PoBase::getPrimitiveCount(SoGetPrimitiveCountAction* action)
{
  runRebuildCheck(action);
  StatePushScope scope(action);
  inherited::getPrimitiveCount(action);
}

// ---------------------------------------------------------------------------------------------
// Writing

void PoBase::write(SoWriteAction* action)
{
  m_writeAction = action;
  if (action->getOutput()->getStage() == SoOutput::COUNT_REFS)
    runRebuildCheck(action);
  if (m_nodeWriteFormat == WRITE_FORMAT_COMPACT) {
    setDefaultOnNonWritingFields();
    CompactPartsScope scope(this, getNodekitCatalog());
    SoNode::write(action);
  } else {
    inherited::write(action);
  }
}

void PoBase::addWriteReference(SoOutput* out, SbBool isFromField)
{
  if (m_nodeWriteFormat == WRITE_FORMAT_COMPACT) {
    CompactPartsScope scope(this, getNodekitCatalog());
    SoFieldContainer::addWriteReference(out, isFromField);
  } else {
    inherited::addWriteReference(out, isFromField);
  }
}

void PoBase::setDefaultOnNonWritingFields()
{
  if (m_writeAction)
    m_state = m_writeAction->getState();
  catchActionCallback.setDefault(TRUE);
  catchActionLevel2Callback.setDefault(TRUE);
  if (m_nodeWriteFormat == WRITE_FORMAT_COMPACT) {
    alternateRep.setDefault(TRUE);
    appearance.setDefault(TRUE);
  }
  // An emptied part has nothing to write, and a written NULL part does not read back.
  const SoNodekitCatalog* catalog = getNodekitCatalog();
  for (int i = 1; i < catalog->getNumEntries(); ++i) {
    SoSFNode* part = static_cast<SoSFNode*>(getField(catalog->getName(i)));
    if (part && !part->getValue())
      part->setDefault(TRUE);
  }
}

// ---------------------------------------------------------------------------------------------
// Appearance

void PoBase::setLightModel(int model)
{
  SoLightModel* lightModel = new SoLightModel;
  lightModel->model = model;
  setAnyPart("appearance.lightModel", lightModel);
}

void PoBase::setDrawStyleAK(const char* appearanceKitPart, int style)
{
  SoDrawStyle* drawStyle = new SoDrawStyle;
  drawStyle->style = style;
  SbString name(appearanceKitPart);
  name += ".drawStyle";
  setAnyPart(name.getString(), drawStyle);
}

// ---------------------------------------------------------------------------------------------
// Transparency deletion

void PoBase::deleteTransparencyParts(const PbDataMapping* dataMapping, SoMaterial* material,
                                     SoMaterialBinding* materialBinding, SoGroup* group)
{
  if (!dataMapping || !material || !group)
    return;
  if (material->transparency.getNum() < material->diffuseColor.getNum())
    return;
  const float threshold = dataMapping->getTransparencyValueDeletedParts();
  if (threshold > 1)
    return;

  // Gather the shapes first: the replacements put new shapes in the groups, and those must
  // not be filtered a second time.
  struct Site { SoGroup* parent; int index; SoNode* shape; };
  std::vector<Site> sites;
  std::vector<SoNode*> stack(1, group);
  while (!stack.empty()) {
    SoNode* node = stack.back();
    stack.pop_back();
    SoChildList* children = node->getChildren();
    if (!children)
      continue;
    for (int i = children->getLength() - 1; i >= 0; --i) {
      SoNode* child = (*children)[i];
      if (child->isOfType(SoShape::getClassTypeId())) {
        if (node->isOfType(SoGroup::getClassTypeId()))
          sites.push_back({static_cast<SoGroup*>(node), i, child});
      }
      else {
        stack.push_back(child);
      }
    }
  }
  for (const Site& site : sites) {
    SoNode* shape = site.shape;
    SoGroup* parent = site.parent;
    const int index = site.index;
    if (shape->isOfType(SoQuadMesh::getClassTypeId()))
      deleteTransparencyParts(dataMapping, material, materialBinding, parent, index,
                              static_cast<SoQuadMesh*>(shape));
    else if (shape->isOfType(SoIndexedTriangleStripSet::getClassTypeId()))
      deleteTransparencyParts(dataMapping, material, materialBinding, parent, index,
                              static_cast<SoIndexedTriangleStripSet*>(shape));
    else if (shape->isOfType(SoIndexedFaceSet::getClassTypeId()))
      deleteTransparencyParts(dataMapping, material, materialBinding, parent, index,
                              static_cast<SoIndexedFaceSet*>(shape));
    else if (shape->isOfType(SoIndexedLineSet::getClassTypeId()))
      deleteTransparencyParts(dataMapping, material, materialBinding, parent, index,
                              static_cast<SoIndexedLineSet*>(shape));
    else if (shape->isOfType(SoLineSet::getClassTypeId()))
      deleteTransparencyParts(dataMapping, material, materialBinding, parent, index,
                              static_cast<SoLineSet*>(shape));
  }

  // Keep the transparencies only when some remaining part is really see-through.
  const float* values = material->transparency.getValues(0);
  for (int i = 0; i < material->transparency.getNum(); ++i) {
    if (values[i] != 0 && values[i] < threshold)
      return;
  }
  material->transparency.setNum(0);
}

void PoBase::deleteTransparencyParts(const PbDataMapping* dataMapping, SoMaterial* material,
                                     SoMaterialBinding* materialBinding, SoGroup* parent,
                                     int index, SoIndexedFaceSet* shape)
{
  PiTransparencyDeletion::Binding kind;
  if (!dataMapping || !material || !materialBinding || !parent || !shape ||
      !filterBinding(materialBinding, kind))
    return;
  PiTransparencyDeletion::Result result;
  PiTransparencyDeletion::filterFaceSet(
    shape->coordIndex.getValues(0), shape->coordIndex.getNum(), material->transparency.getValues(0),
    material->transparency.getNum(), kind, dataMapping->getTransparencyValueDeletedParts(), result);
  SoIndexedFaceSet* replacement = makeFiltered<SoIndexedFaceSet>(shape, result);
  if (kind != PiTransparencyDeletion::PER_VERTEX) {
    materialBinding->value = SoMaterialBinding::PER_FACE_INDEXED;
    replacement->materialIndex.setValues(0, int(result.materialIndex.size()),
                                         result.materialIndex.data());
  } else {
    replacement->materialIndex = shape->materialIndex;
  }
  replacement->normalIndex = shape->normalIndex;
  replacement->textureCoordIndex = shape->textureCoordIndex;
  parent->replaceChild(index, replacement);
}

void PoBase::deleteTransparencyParts(const PbDataMapping* dataMapping, SoMaterial* material,
                                     SoMaterialBinding* materialBinding, SoGroup* parent,
                                     int index, SoIndexedLineSet* shape)
{
  PiTransparencyDeletion::Binding kind;
  if (!dataMapping || !material || !materialBinding || !parent || !shape ||
      !filterBinding(materialBinding, kind))
    return;
  PiTransparencyDeletion::Result result;
  if (!PiTransparencyDeletion::filterLineSet(
        shape->coordIndex.getValues(0), shape->coordIndex.getNum(),
        material->transparency.getValues(0), material->transparency.getNum(), kind,
        dataMapping->getTransparencyValueDeletedParts(), result))
    return;
  SoIndexedLineSet* replacement = makeFiltered<SoIndexedLineSet>(shape, result);
  if (kind == PiTransparencyDeletion::PER_PART) {
    materialBinding->value = SoMaterialBinding::PER_PART_INDEXED;
    replacement->materialIndex.setValues(0, int(result.materialIndex.size()),
                                         result.materialIndex.data());
  } else {
    replacement->materialIndex = shape->materialIndex;
  }
  parent->replaceChild(index, replacement);
}

void PoBase::deleteTransparencyParts(const PbDataMapping* dataMapping, SoMaterial* material,
                                     SoMaterialBinding* materialBinding, SoGroup* parent,
                                     int index, SoIndexedTriangleStripSet* shape)
{
  PiTransparencyDeletion::Binding kind;
  if (!dataMapping || !material || !materialBinding || !parent || !shape ||
      !filterBinding(materialBinding, kind))
    return;
  PiTransparencyDeletion::Result result;
  PiTransparencyDeletion::filterTriangleStripSet(
    shape->coordIndex.getValues(0), shape->coordIndex.getNum(), material->transparency.getValues(0),
    material->transparency.getNum(), kind, dataMapping->getTransparencyValueDeletedParts(), result);
  SoIndexedTriangleStripSet* replacement = makeFiltered<SoIndexedTriangleStripSet>(shape, result);
  if (kind == PiTransparencyDeletion::PER_PART)
    materialBinding->value = SoMaterialBinding::PER_PART_INDEXED;
  else if (kind == PiTransparencyDeletion::PER_FACE)
    materialBinding->value = SoMaterialBinding::PER_FACE_INDEXED;
  if (kind != PiTransparencyDeletion::PER_VERTEX)
    replacement->materialIndex.setValues(0, int(result.materialIndex.size()),
                                         result.materialIndex.data());
  else
    replacement->materialIndex = shape->materialIndex;
  parent->replaceChild(index, replacement);
}

void PoBase::deleteTransparencyParts(const PbDataMapping* dataMapping, SoMaterial* material,
                                     SoMaterialBinding* materialBinding, SoGroup* parent,
                                     int index, SoQuadMesh* shape)
{
  PiTransparencyDeletion::Binding kind;
  if (!dataMapping || !material || !materialBinding || !parent || !shape ||
      !filterBinding(materialBinding, kind))
    return;
  PiTransparencyDeletion::Result result;
  if (!PiTransparencyDeletion::filterQuadMesh(
        shape->startIndex.getValue(), shape->verticesPerColumn.getValue(),
        shape->verticesPerRow.getValue(), material->transparency.getValues(0),
        material->transparency.getNum(), kind, dataMapping->getTransparencyValueDeletedParts(),
        result))
    return;
  SoIndexedTriangleStripSet* replacement = makeFiltered<SoIndexedTriangleStripSet>(shape, result);
  if (kind == PiTransparencyDeletion::PER_FACE) {
    materialBinding->value = SoMaterialBinding::PER_FACE_INDEXED;
    replacement->materialIndex.setValues(0, int(result.materialIndex.size()),
                                         result.materialIndex.data());
  } else {
    materialBinding->value = SoMaterialBinding::PER_VERTEX_INDEXED;
  }
  parent->replaceChild(index, replacement);
}

void PoBase::deleteTransparencyParts(const PbDataMapping*, SoMaterial*, SoMaterialBinding*,
                                     SoGroup*, int, SoLineSet*)
{
  // Line sets carry no index list to filter; they are drawn as they are.
}
