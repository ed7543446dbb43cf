// Type-system macros of the library's nodes and node kits: the toolkit's own, plus a class mutex.
#ifndef GRIDLUX_POSUBNODE_H
#define GRIDLUX_POSUBNODE_H

#include <Gridlux/platform/SbThreadAutoWriteLock.h>
#include <Gridlux/platform/SbThreadRWMutex.h>
#include <Inventor/SoDB.h>
#include <Inventor/nodekits/SoSubKit.h>
#include <Inventor/nodes/SoSubNode.h>

/**
 * Creates a class mutex once, under the database lock, so that two threads registering or
 * first constructing the same class cannot create two.
 */
inline void PoCreateClassMutex(SbThreadRWMutex** mutex)
{
  SoDB::writelock();
  if (!*mutex)
    *mutex = new SbThreadRWMutex;
  SoDB::writeunlock();
}

#define PRIVATE_PO_CLASS_MUTEX_HEADER() \
public: \
  /** Guards the class's static field data and catalog. */ \
  static SbThreadRWMutex* getClassMutex(); \
private: \
  static SbThreadRWMutex* classMutex

#define PRIVATE_PO_CLASS_MUTEX_SOURCE(_class_) \
SbThreadRWMutex* _class_::classMutex = NULL; \
SbThreadRWMutex* _class_::getClassMutex() { return _class_::classMutex; }

#define PO_NODE_HEADER(_class_) SO_NODE_HEADER(_class_); PRIVATE_PO_CLASS_MUTEX_HEADER()
#define PO_NODE_ABSTRACT_HEADER(_class_) SO_NODE_ABSTRACT_HEADER(_class_); PRIVATE_PO_CLASS_MUTEX_HEADER()
#define PO_NODE_SOURCE(_class_) SO_NODE_SOURCE(_class_) PRIVATE_PO_CLASS_MUTEX_SOURCE(_class_)
#define PO_NODE_ABSTRACT_SOURCE(_class_) SO_NODE_ABSTRACT_SOURCE(_class_); PRIVATE_PO_CLASS_MUTEX_SOURCE(_class_)

#define PO_KIT_HEADER(_class_) SO_KIT_HEADER(_class_); PRIVATE_PO_CLASS_MUTEX_HEADER()
#define PO_KIT_ABSTRACT_HEADER(_class_) SO_KIT_ABSTRACT_HEADER(_class_); PRIVATE_PO_CLASS_MUTEX_HEADER()
#define PO_KIT_SOURCE(_class_) SO_KIT_SOURCE(_class_) PRIVATE_PO_CLASS_MUTEX_SOURCE(_class_)
#define PO_KIT_ABSTRACT_SOURCE(_class_) SO_KIT_ABSTRACT_SOURCE(_class_); PRIVATE_PO_CLASS_MUTEX_SOURCE(_class_)

/** Registers a node class: class mutex first, then the type under that mutex. */
#define PO_NODE_INIT_CLASS(_class_, _parentclass_, _parentname_) \
  do { \
    PoCreateClassMutex(&_class_::classMutex); \
    SbThreadAutoWriteLock classLock(_class_::classMutex); \
    SO_NODE_INIT_CLASS(_class_, _parentclass_, _parentname_); \
  } while (0)

#define PO_NODE_INIT_ABSTRACT_CLASS(_class_, _parentclass_, _parentname_) \
  do { \
    PoCreateClassMutex(&_class_::classMutex); \
    SbThreadAutoWriteLock classLock(_class_::classMutex); \
    SO_NODE_INIT_ABSTRACT_CLASS(_class_, _parentclass_, _parentname_); \
  } while (0)

/** Registers a node-kit class; the catalog is cloned from the parent's at first construction. */
#define PO_KIT_INIT_CLASS(_class_, _parentclass_, _parentname_) \
  do { \
    PoCreateClassMutex(&_class_::classMutex); \
    { \
      SbThreadAutoWriteLock classLock(_class_::classMutex); \
      SO_NODE_INIT_CLASS(_class_, _parentclass_, _parentname_); \
    } \
    _class_::parentcatalogptr = _parentclass_::getClassNodekitCatalogPtr(); \
  } while (0)

#define PO_KIT_INIT_ABSTRACT_CLASS(_class_, _parentclass_, _parentname_) \
  do { \
    PoCreateClassMutex(&_class_::classMutex); \
    { \
      SbThreadAutoWriteLock classLock(_class_::classMutex); \
      SO_NODE_INIT_ABSTRACT_CLASS(_class_, _parentclass_, _parentname_); \
    } \
    _class_::parentcatalogptr = _parentclass_::getClassNodekitCatalogPtr(); \
  } while (0)

#endif
