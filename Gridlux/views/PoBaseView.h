// Abstract view: a rectangle of the window with its own viewport for the sub-graph under it.
#ifndef GRIDLUX_POBASEVIEW_H
#define GRIDLUX_POBASEVIEW_H

#include <Gridlux/base/PoSubNode.h>

#include <Inventor/SbVec2s.h>
#include <Inventor/SbVec4f.h>
#include <Inventor/fields/SoSFVec2f.h>
#include <Inventor/nodekits/SoBaseKit.h>

class SoWinRenderArea;
class SoWinViewer;

/**
 * @brief Base of the views: `viewportOrigin` (SoSFVec2f, (0,0)) and `viewportSize` (SoSFVec2f,
 * (1,1)) place the view as fractions of the enclosing viewport.
 *
 * A concrete view has a `catchActionCallback` part (SoCallback) running catchActionCB(), which
 * narrows the action's viewport region to the view's rectangle before the view's other parts are
 * traversed, and a `cameraKit` part (SoCameraKit). The kit pushes the state around its parts, so
 * that the narrowed viewport ends with the view. Only views whose sensitive flag is set (by the
 * application, through setSensitiveOnEvents()) are found by getView().
 *
 * The view-volume portion and logical viewport size are class-wide: traversals of scenes with
 * views must not run at the same time.
 */
class PoBaseView : public SoBaseKit {
  typedef SoBaseKit inherited;
  PO_KIT_ABSTRACT_HEADER(PoBaseView);

public:
  SoSFVec2f viewportOrigin;
  SoSFVec2f viewportSize;

  /** Registers PoBaseView, PoView and PoSceneView. */
  static void initClasses();
  static void initClass();

  virtual SbVec2f getViewportOrigin() const { return viewportOrigin.getValue(); }
  virtual SbVec2f getViewportSize() const { return viewportSize.getValue(); }

  /** Whether (x, y), in normalised window units, lies in the view, edges included. */
  SbBool isPointWithinViewport(float x, float y) const;

  /** Mouse pixel (y downwards) to normalised window units (y upwards) of @p area's window. */
  static void normalizeMousePoint(const SoWinRenderArea* area, int x, int y, float& nx, float& ny);
  /** The sensitive view under the mouse that is drawn last (on top), or null. */
  static PoBaseView* getView(const SoWinRenderArea* area, int x, int y);

  /** Hands the part `cameraKit.camera` to @p viewer. */
  void setCamera(SoWinViewer* viewer);

  void setSensitiveOnEvents(int onOff) { m_isSensitiveOnEvents = onOff; }
  int isSensitiveOnEvents() const { return m_isSensitiveOnEvents; }

  virtual void GLRender(SoGLRenderAction* action);
  virtual void callback(SoCallbackAction* action);
  virtual void getBoundingBox(SoGetBoundingBoxAction* action);
  virtual void handleEvent(SoHandleEventAction* action);
  virtual void rayPick(SoRayPickAction* action);
  virtual void getPrimitiveCount(SoGetPrimitiveCountAction* action);
  virtual SbBool affectsState() const { return FALSE; }

protected:
  PoBaseView();
  virtual ~PoBaseView();

  /** The view callback: sets the view's viewport region for every action but search and write. */
  static void catchActionCB(void* userData, SoAction* action);

  int m_isSensitiveOnEvents;

  static SbVec4f m_vvPortion;
  static SbVec2s m_currentLogicalViewportSize;
};

#endif
