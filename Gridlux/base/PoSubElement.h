// Registration macro shared by the library's traversal-state elements.
#ifndef GRIDLUX_POSUBELEMENT_H
#define GRIDLUX_POSUBELEMENT_H

#include <Inventor/actions/SoCallbackAction.h>
#include <Inventor/actions/SoGLRenderAction.h>
#include <Inventor/actions/SoGetBoundingBoxAction.h>
#include <Inventor/actions/SoGetMatrixAction.h>
#include <Inventor/actions/SoGetPrimitiveCountAction.h>
#include <Inventor/actions/SoHandleEventAction.h>
#include <Inventor/actions/SoPickAction.h>
#include <Inventor/actions/SoSearchAction.h>
#include <Inventor/actions/SoWriteAction.h>
#include <Inventor/elements/SoSubElement.h>

/** Enables an element in every action that traverses library nodes, in a fixed order. */
inline void PoEnableElementInActions(SoType type, int stackIndex)
{
  SoCallbackAction::enableElement(type, stackIndex);
  SoGLRenderAction::enableElement(type, stackIndex);
  SoGetMatrixAction::enableElement(type, stackIndex);
  SoSearchAction::enableElement(type, stackIndex);
  SoGetBoundingBoxAction::enableElement(type, stackIndex);
  SoWriteAction::enableElement(type, stackIndex);
  SoHandleEventAction::enableElement(type, stackIndex);
  SoPickAction::enableElement(type, stackIndex);
  SoGetPrimitiveCountAction::enableElement(type, stackIndex);
}

/** Registers a replaced element with a stack of its own and enables it in the nine actions. */
#define PO_ELEMENT_INIT_CLASS(_class_) \
  do { \
    SO_ELEMENT_INIT_CLASS(_class_, SoReplacedElement); \
    PoEnableElementInActions(_class_::getClassTypeId(), _class_::getClassStackIndex()); \
  } while (0)

#endif
