// Base of the library's property nodes.
#ifndef GRIDLUX_PONODE_H
#define GRIDLUX_PONODE_H

#include <Gridlux/base/PoSubNode.h>
#include <Inventor/nodes/SoNode.h>

/**
 * @brief Property-node base: every action is routed to doAction(), where a property node brings
 * its data object up to date and sets its element on the traversal state.
 *
 * Property nodes are written only in the compact write format; the expanded format holds the
 * geometry that the node kits built from them instead.
 */
class PoNode : public SoNode {
  typedef SoNode inherited;
  PO_NODE_ABSTRACT_HEADER(PoNode);

public:
  static void initClass();
  /** Registers every property-node class, parents first. */
  static void initClasses();

  virtual void doAction(SoAction* action);
  virtual void GLRender(SoGLRenderAction* action);
  virtual void callback(SoCallbackAction* action);
  virtual void getBoundingBox(SoGetBoundingBoxAction* action);
  virtual void getMatrix(SoGetMatrixAction* action);
  virtual void handleEvent(SoHandleEventAction* action);
  virtual void pick(SoPickAction* action);
  virtual void getPrimitiveCount(SoGetPrimitiveCountAction* action);
  virtual void search(SoSearchAction* action);
  virtual void write(SoWriteAction* action);
  virtual void addWriteReference(SoOutput* out, SbBool isFromField = FALSE);

protected:
  /**
   * Reads the node, keeping the class's field list as it was: the toolkit adds the fields that a
   * file declares ("fields [ ... ]") but the class lacks to the field list shared by every node
   * of the class, where they would point into this node after it is gone.
   */
  virtual SbBool readInstance(SoInput* in, unsigned short flags);
  PoNode();
  virtual ~PoNode();
};

#endif
