// Node-kit base of every chart, axis, legend, figure and mesh-representation node.
#ifndef GRIDLUX_POBASE_H
#define GRIDLUX_POBASE_H

#include <Gridlux/attributes/PbDomain.h>
#include <Gridlux/base/PoSubNode.h>
#include <Inventor/fields/SoSFNode.h>
#include <Inventor/lists/SoFieldList.h>
#include <Inventor/nodekits/SoBaseKit.h>

class PbBase;
class PbDataMapping;
class SoCache;
class SoFieldSensor;
class SoGroup;
class SoIndexedFaceSet;
class SoIndexedLineSet;
class SoIndexedTriangleStripSet;
class SoMaterial;
class SoMaterialBinding;
class SoQuadMesh;
class SoLineSet;
class SoSensor;
class SoState;

/**
 * Runs the library start-up before SoBaseKit's constructor, which needs the classes registered.
 * Placed first in PoBase's base list so that C++ constructs it first.
 */
class PoInitGuard {
protected:
  PoInitGuard();
};

/**
 * @brief Node-kit base: decides when a node rebuilds its parts.
 *
 * A node's geometry is a private sub-graph (its parts) built by rebuild(). A rebuild is requested
 * by a change of a watched field, of a followed data object (PbBase), by touchKit(), or found
 * necessary at traversal when a traversal-state element that the last rebuild read has changed.
 * Under UPDATE_AT_TRAVERSAL (the default) the node rebuilds at its next traversal; under
 * UPDATE_AT_CHANGE at once. The node also owns its domain (PbDomain) and the `domainTransform`
 * part that applies it.
 *
 * Parts, in catalog order: `catchActionCallback` (SoCallback), `alternateRep` (SoSeparator),
 * `catchActionLevel2Callback` (SoCallback), `appearance` (SoAppearanceKit), `domainTransform`
 * (SoMatrixTransform). The kit pushes the traversal state around its parts, like a separator
 * without caching, so that its appearance and domain transform stay inside it.
 */
class PoBase : private PoInitGuard, public SoBaseKit {
  typedef SoBaseKit inherited;
  PO_KIT_ABSTRACT_HEADER(PoBase);

  SO_KIT_CATALOG_ENTRY_HEADER(catchActionCallback);
  SO_KIT_CATALOG_ENTRY_HEADER(alternateRep);
  SO_KIT_CATALOG_ENTRY_HEADER(catchActionLevel2Callback);
  SO_KIT_CATALOG_ENTRY_HEADER(appearance);
  SO_KIT_CATALOG_ENTRY_HEADER(domainTransform);

public:
  enum UpdateMethodType { UPDATE_AT_CHANGE = 0, UPDATE_AT_TRAVERSAL = 1 };
  enum TextType { TEXT_3D = 0, TEXT_ANNOTATION = 1 };
  enum NodeWriteFormat { WRITE_FORMAT_COMPACT = 0, WRITE_FORMAT_EXPANDED = 1 };

  typedef void CatchActionCB(void* userData, SoAction* action);
  typedef void RebuildCB(void* userData, PoBase* node);

  /** Sensors that watch a node's own fields. */
  struct FieldSensorList {
    int numSensors = 0;
    SoFieldSensor** sensors = nullptr;
  };

  /** The fields of @p kit that are not catalog parts: the ones a user sets. */
  static void getOwnFields(const SoBaseKit* kit, SoFieldList& fields);

  /** Library start-up: registers every class once. Safe to call again. */
  static void init();
  static void initClass();

  /** Builds the node's parts; concrete nodes call preRebuild() first and postRebuild() last. */
  virtual void rebuild();

  virtual SoNode* copy(SbBool copyConnections = FALSE) const;

  /** Tells the node that a followed data object changed or is being destroyed. */
  virtual void basicObjectChange(PbBase* object);

  void addPreRebuildCallback(RebuildCB* cb, void* userData);
  void addPostRebuildCallback(RebuildCB* cb, void* userData);

  /** Requests a rebuild as a field change would. */
  void touchKit();

  void setUpdateMethod(UpdateMethodType method) { m_updateMethod = method; }
  UpdateMethodType getUpdateMethod() const { return m_updateMethod; }
  int isModified() const { return m_isModified; }
  int isBuilt() const { return m_isBuilt; }

  /** While set, no node of the process rebuilds on traversal. */
  static void blockRebuild(int onOff) { m_isRebuildBlocked = onOff; }
  static int isRebuildBlocked() { return m_isRebuildBlocked; }

  static void setTextType(TextType type) { m_textType = type; }
  static TextType getTextType() { return m_textType; }
  static void setNodeWriteFormat(NodeWriteFormat format) { m_nodeWriteFormat = format; }
  static NodeWriteFormat getNodeWriteFormat() { return m_nodeWriteFormat; }
  static void setVRML2Mode(int onOff) { m_isVRML2Mode = onOff; }
  static int isVRML2Mode() { return m_isVRML2Mode; }

  /** Follows @p domain instead of the traversal's; null goes back to the traversal's. */
  void setDomain(PbDomain* domain);
  /** The domain set on the node, else (during a traversal) the state's, else the default one. */
  const PbDomain* getDomain() const;
  void enableDomainTransform(int onOff) { m_isDomainTransformEnabled = onOff; }
  int isDomainTransformEnabled() const { return m_isDomainTransformEnabled; }
  int isDomainUsedForRebuild() const { return m_isDomainUsedForRebuild; }

  // Action methods: each runs the rebuild check before the parts are traversed.
  virtual void GLRender(SoGLRenderAction* action);
  virtual void callback(SoCallbackAction* action);
  virtual void getBoundingBox(SoGetBoundingBoxAction* action);
  virtual void getMatrix(SoGetMatrixAction* action);
  virtual void handleEvent(SoHandleEventAction* action);
  virtual void rayPick(SoRayPickAction* action);
  virtual void search(SoSearchAction* action);
  virtual void getPrimitiveCount(SoGetPrimitiveCountAction* action);
  virtual void write(SoWriteAction* action);
  virtual void addWriteReference(SoOutput* out, SbBool isFromField = FALSE);
  virtual SbBool affectsState() const;

protected:
  explicit PoBase(CatchActionCB* catchActionCB = nullptr);
  virtual ~PoBase();

  virtual void copyContents(const SoFieldContainer* from, SbBool copyConnections);
  /** Reads as the toolkit does, dropping the fields a file declares that the class lacks. */
  virtual SbBool readInstance(SoInput* in, unsigned short flags);
  virtual SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE);
  virtual void setDefaultOnNonWritingFields();

  virtual void manageBasicObjectChange(PbBase* object, PbBase** reference);
  virtual void preRebuild();
  virtual void postRebuild();
  /** Reads every element the node depends on, before each cache validity test. */
  virtual void addElementsAllCaches();

  // Field watching.
  void createFieldSensorList(int num, FieldSensorList& list);
  void attachFieldSensorList(FieldSensorList& list, const SoFieldList& fields);
  void detachFieldSensorList(FieldSensorList& list);
  /** Detaches and deletes the sensors of @p list. */
  void deleteFieldSensorList(FieldSensorList& list);
  /**
   * The body of a setUpConnections() override: detaches @p list and, when @p onOff, attaches it to
   * @p fields, resized to their number.
   */
  void watchFields(SbBool onOff, FieldSensorList& list, const SoFieldList& fields);
  /** watchFields() on every field of the concrete class that is not a catalog part. */
  void watchOwnFields(SbBool onOff, FieldSensorList& list);
  void storeFieldsChanged(int onOff) { m_storeFieldsChanged = onOff; }
  void emptyListFieldsChanged() { m_fieldsChangedList.truncate(0); }
  int isFieldHasChanged(const SoField* field) const;
  void setListFieldsDefault(const SoFieldList& fields);

  // Elements and caches.
  void setState(SoAction* action);
  SoState* getState() const { return m_state; }
  int isStateValid() const { return m_isStateValid; }
  /** Records the current element of @p stackIndex while a rebuild records its dependencies. */
  void addElementCache(int stackIndex);
  void rebuildCache(SoCache** cache);
  int isCacheValid() const { return m_isCacheValid; }
  int isCacheAlwaysRebuild() const { return m_isCacheAlwaysRebuild; }

  void setDomainUsedForRebuild(int onOff) { m_isDomainUsedForRebuild = onOff; }
  void setDomainTransform(const PbDomain* domain);

  /** Stops following @p oldObject and starts following @p newObject (either may be null). */
  void changeConnection(PbBase* oldObject, PbBase* newObject);
  /**
   * An explicit input: follows @p object instead of the one in @p slot and asks for a rebuild;
   * nothing when it is the same object.
   */
  template <class T> void replaceFollowed(T*& slot, T* object)
  {
    if (object == slot)
      return;
    changeConnection(slot, object);
    slot = object;
    touchKit();
  }
  /**
   * When @p object is the one @p slot follows, hands its change to manageBasicObjectChange()
   * (which forgets it when it is being destroyed) and returns true.
   */
  template <class T> bool followedObjectChanged(PbBase* object, T*& slot)
  {
    if (!object || object != slot)
      return false;
    PbBase* reference = slot;
    manageBasicObjectChange(object, &reference);
    slot = static_cast<T*>(reference);
    return true;
  }

  void setLightModel(int model);
  void setDrawStyleAK(const char* appearanceKitPart, int style);

  /** Removes the parts under @p group whose mapped transparency reaches the mapping's threshold. */
  void deleteTransparencyParts(const PbDataMapping* dataMapping, SoMaterial* material,
                               SoMaterialBinding* materialBinding, SoGroup* group);
  void deleteTransparencyParts(const PbDataMapping* dataMapping, SoMaterial* material,
                               SoMaterialBinding* materialBinding, SoGroup* parent, int index,
                               SoIndexedFaceSet* shape);
  void deleteTransparencyParts(const PbDataMapping* dataMapping, SoMaterial* material,
                               SoMaterialBinding* materialBinding, SoGroup* parent, int index,
                               SoIndexedLineSet* shape);
  void deleteTransparencyParts(const PbDataMapping* dataMapping, SoMaterial* material,
                               SoMaterialBinding* materialBinding, SoGroup* parent, int index,
                               SoIndexedTriangleStripSet* shape);
  void deleteTransparencyParts(const PbDataMapping* dataMapping, SoMaterial* material,
                               SoMaterialBinding* materialBinding, SoGroup* parent, int index,
                               SoQuadMesh* shape);
  void deleteTransparencyParts(const PbDataMapping* dataMapping, SoMaterial* material,
                               SoMaterialBinding* materialBinding, SoGroup* parent, int index,
                               SoLineSet* shape);

  static void catchActionCB(void* userData, SoAction* action);
  static void catchActionLevel2CB(void* userData, SoAction* action);
  static void fieldSensorCB(void* data, SoSensor* sensor);

  SoFieldList m_fieldsChangedList;
  int m_storeFieldsChanged = 0;
  int m_isStateValid = 0;
  UpdateMethodType m_updateMethod = UPDATE_AT_TRAVERSAL;
  int m_isModified = 0;
  int m_isBuilt = 0;
  /** Set when a file gave the node its built parts: they stand until a field of the node changes. */
  int m_keepReadParts = 0;
  int m_isDomainTransformEnabled = 0;
  int m_isDomainUsedForRebuild = 0;
  int m_fieldsChangedFlag = 0;
  PbDomain* m_domain;
  PbDomain m_defaultDomain;
  CatchActionCB* m_catchActionCB = nullptr;
  int m_isCacheAlwaysRebuild = 0;
  SoState* m_state = nullptr;
  SoCache* m_elementsCache = nullptr;
  SoCache* m_domainCache = nullptr;
  int m_isCacheValid = 0;
  SoWriteAction* m_writeAction = nullptr;
  RebuildCB* m_preRebuildCB = nullptr;
  RebuildCB* m_postRebuildCB = nullptr;
  void* m_preRebuildData = nullptr;
  void* m_postRebuildData = nullptr;

  static TextType m_textType;
  static NodeWriteFormat m_nodeWriteFormat;
  static int m_isVRML2Mode;
  static int m_isRebuildBlocked;

private:
  void makeCallbackParts();
  void runRebuildCheck(SoAction* action);
  void rebuildRequest();
  /** Runs rebuild() with notification off, so that the new parts start no new traversal. */
  void quietRebuild();
  void releaseDomainCache();
  int m_isRebuilding = 0;
};

#endif
