// Abstract view: viewport narrowing for every action, hit finding and camera hand-over.
#include <Gridlux/views/PoBaseView.h>

#include <Gridlux/platform/SoLogicalViewportElement.h>
#include <Gridlux/platform/SoModifyViewVolumeElement.h>
#include <Gridlux/platform/SoWinRenderArea.h>
#include <Gridlux/platform/SoWinViewer.h>
#include <Gridlux/views/PoSceneView.h>
#include <Gridlux/views/PoView.h>

#include <Inventor/SoPath.h>
#include <Inventor/SoSceneManager.h>
#include <Inventor/actions/SoCallbackAction.h>
#include <Inventor/actions/SoGLRenderAction.h>
#include <Inventor/actions/SoGetBoundingBoxAction.h>
#include <Inventor/actions/SoGetMatrixAction.h>
#include <Inventor/actions/SoGetPrimitiveCountAction.h>
#include <Inventor/actions/SoHandleEventAction.h>
#include <Inventor/actions/SoPickAction.h>
#include <Inventor/actions/SoRayPickAction.h>
#include <Inventor/actions/SoSearchAction.h>
#include <Inventor/actions/SoWriteAction.h>
#include <Inventor/elements/SoGLUpdateAreaElement.h>
#include <Inventor/elements/SoViewportRegionElement.h>
#include <Inventor/misc/SoState.h>
#include <Inventor/nodes/SoCamera.h>
#include <Inventor/C/glue/gl.h>
#include <Inventor/elements/SoGLCacheContextElement.h>
#include <Inventor/system/gl.h>

#include <Inventor/misc/SoChildList.h>

#include <algorithm>
#include <cmath>
#include <vector>

PO_KIT_ABSTRACT_SOURCE(PoBaseView);

SbVec4f PoBaseView::m_vvPortion(0, 0, 1, 1);
SbVec2s PoBaseView::m_currentLogicalViewportSize(0, 0);

namespace {

// Pushes the action's state for the scope, so that the view's viewport stays inside the view.
class StatePushScope {
public:
  explicit StatePushScope(SoAction* action) : m_state(action->getState()) { m_state->push(); }
  ~StatePushScope() { m_state->pop(); }
  StatePushScope(const StatePushScope&) = delete;
  StatePushScope& operator=(const StatePushScope&) = delete;

private:
  SoState* m_state;
};

// The viewport region an action other than rendering works in.
SbViewportRegion actionRegion(SoAction* action)
{
  if (action->isOfType(SoGetBoundingBoxAction::getClassTypeId()))
    return static_cast<SoGetBoundingBoxAction*>(action)->getViewportRegion();
  if (action->isOfType(SoGetMatrixAction::getClassTypeId()))
    return static_cast<SoGetMatrixAction*>(action)->getViewportRegion();
  if (action->isOfType(SoHandleEventAction::getClassTypeId()))
    return static_cast<SoHandleEventAction*>(action)->getViewportRegion();
  if (action->isOfType(SoPickAction::getClassTypeId()))
    return static_cast<SoPickAction*>(action)->getViewportRegion();
  return SbViewportRegion();
}

// Clips drawing to a pixel rectangle. The library links no GL library of its own: the calls go
// through the toolkit's GL glue for the context being rendered.
void scissorTo(SoState* state, const SbVec2s& origin, const SbVec2s& size)
{
  typedef void (*EnableFunc)(GLenum);
  typedef void (*ScissorFunc)(GLint, GLint, GLsizei, GLsizei);
  const cc_glglue* glue = cc_glglue_instance(SoGLCacheContextElement::get(state));
  if (!glue)
    return;
  EnableFunc enable = reinterpret_cast<EnableFunc>(cc_glglue_getprocaddress(glue, "glEnable"));
  ScissorFunc scissor = reinterpret_cast<ScissorFunc>(cc_glglue_getprocaddress(glue, "glScissor"));
  if (!enable || !scissor)
    return;
  enable(GL_SCISSOR_TEST);
  scissor(origin[0], origin[1], size[0], size[1]);
}

// Every view under @p root in traversal order, a view's nested views right after it. The
// toolkit's search does not look below a node it has found, so each found view is searched
// again for the views inside it.
void collectViews(SoNode* root, std::vector<PoBaseView*>& views)
{
  SoSearchAction search;
  search.setType(PoBaseView::getClassTypeId(), TRUE);
  search.setInterest(SoSearchAction::ALL);
  const SbBool searchedChildren = SoBaseKit::isSearchingChildren();
  SoBaseKit::setSearchingChildren(TRUE);
  search.apply(root);
  SoBaseKit::setSearchingChildren(searchedChildren);
  const SoPathList& paths = search.getPaths();
  for (int i = 0; i < paths.getLength(); ++i) {
    PoBaseView* view = static_cast<PoBaseView*>(paths[i]->getTail());
    if (view == root || std::find(views.begin(), views.end(), view) != views.end())
      continue;
    views.push_back(view);
    SoChildList* children = view->getChildren();
    for (int c = 0; children && c < children->getLength(); ++c)
      collectViews((*children)[c], views);
  }
}

} // namespace

void PoBaseView::initClasses()
{
  PoBaseView::initClass();
  PoView::initClass();
  PoSceneView::initClass();
}

void PoBaseView::initClass()
{
  PO_KIT_INIT_ABSTRACT_CLASS(PoBaseView, SoBaseKit, "BaseKit");
}

PoBaseView::PoBaseView()
{
  SO_KIT_CONSTRUCTOR(PoBaseView);
  SO_KIT_ADD_FIELD(viewportOrigin, (0.0f, 0.0f));
  SO_KIT_ADD_FIELD(viewportSize, (1.0f, 1.0f));
  SO_KIT_INIT_INSTANCE();
  m_isSensitiveOnEvents = 0;
}

PoBaseView::~PoBaseView() = default;

SbBool PoBaseView::isPointWithinViewport(float x, float y) const
{
  const SbVec2f o = getViewportOrigin();
  const SbVec2f s = getViewportSize();
  return o[0] <= x && x <= o[0] + s[0] && o[1] <= y && y <= o[1] + s[1];
}

void PoBaseView::normalizeMousePoint(const SoWinRenderArea* area, int x, int y, float& nx,
                                     float& ny)
{
  nx = ny = 0.0f;
  if (!area)
    return;
  const SbVec2s size = area->getSceneManager()->getWindowSize();
  if (size[0] <= 0 || size[1] <= 0)
    return;
  nx = float(x) / float(size[0]);
  ny = float(size[1] - y) / float(size[1]);
}

PoBaseView* PoBaseView::getView(const SoWinRenderArea* area, int x, int y)
{
  if (!area || !area->getSceneGraph())
    return nullptr;
  std::vector<PoBaseView*> views;
  collectViews(area->getSceneGraph(), views);

  float nx, ny;
  normalizeMousePoint(area, x, y, nx, ny);
  for (size_t i = views.size(); i-- > 0;) {
    if (views[i]->isSensitiveOnEvents() && views[i]->isPointWithinViewport(nx, ny))
      return views[i];
  }
  return nullptr;
}

void PoBaseView::setCamera(SoWinViewer* viewer)
{
  if (!viewer)
    return;
  SoCamera* camera = static_cast<SoCamera*>(getPart("cameraKit.camera", TRUE));
  viewer->setCamera(camera);
}

void PoBaseView::catchActionCB(void* userData, SoAction* action)
{
  if (action->isOfType(SoSearchAction::getClassTypeId()) ||
      action->isOfType(SoWriteAction::getClassTypeId()))
    return;
  PoBaseView* view = static_cast<PoBaseView*>(userData);
  SoState* state = action->getState();
  const bool isRender = action->isOfType(SoGLRenderAction::getClassTypeId());

  SbViewportRegion region;
  if (isRender) {
    region = static_cast<SoGLRenderAction*>(action)->getViewportRegion();
    const int info = SoModifyViewVolumeElement::getInfo(state);
    if (info == 0) {
      m_vvPortion = SoModifyViewVolumeElement::get(state);
      m_currentLogicalViewportSize = SoLogicalViewportElement::get(state).getViewportSizePixels();
      SoModifyViewVolumeElement::setInfo(state, 1);
    } else if (info == -1) {
      m_vvPortion = SoModifyViewVolumeElement::getDefault();
    }
  } else {
    m_vvPortion = SoModifyViewVolumeElement::getDefault();
    region = actionRegion(action);
  }

  // Nested views take their fractions of the enclosing view's viewport.
  if (state->isElementEnabled(SoViewportRegionElement::getClassStackIndex()))
    region = SoViewportRegionElement::get(state);
  const SbVec2f o = view->getViewportOrigin();
  const SbVec2f s = view->getViewportSize();
  if (!(s[0] > 0.0f && s[1] > 0.0f))
    return;
  SbViewportRegion viewRegion = region;
  const SbVec2f regionOrigin = region.getViewportOrigin();
  const SbVec2f regionSize = region.getViewportSize();
  viewRegion.setViewport(
      SbVec2f(regionOrigin[0] + o[0] * regionSize[0], regionOrigin[1] + o[1] * regionSize[1]),
      SbVec2f(s[0] * regionSize[0], s[1] * regionSize[1]));

  if (isRender && m_vvPortion != SoModifyViewVolumeElement::getDefault()) {
    // Only part of the view volume is drawn: clip to the view and re-express the portion in
    // the view's own units.
    const SbVec2s pixOrigin = viewRegion.getViewportOriginPixels();
    const SbVec2s pixSize = viewRegion.getViewportSizePixels();
    scissorTo(state, pixOrigin, pixSize);
    const SbVec4f& p = m_vvPortion;
    SoModifyViewVolumeElement::set(state, SbVec4f((p[0] - o[0]) / s[0], (p[1] - o[1]) / s[1],
                                                  (p[2] - o[0]) / s[0], (p[3] - o[1]) / s[1]));
    const SbVec2s logical = m_currentLogicalViewportSize;
    SbViewportRegion logicalRegion(logical);
    const short w = short(std::lround(logical[0] * s[0]));
    const short h = short(std::lround(logical[1] * s[1]));
    logicalRegion.setViewportPixels(short(std::lround(logical[0] * o[0])),
                                    short(std::lround(logical[1] * o[1])), w, h);
    SoLogicalViewportElement::set(state, logicalRegion);
    return;
  }

  SoViewportRegionElement::set(state, viewRegion);
  if (isRender) {
    // The update area is in window fractions; its origin moves one window pixel inwards.
    const SbVec2s window = viewRegion.getWindowSize();
    const SbVec2f onePixel(1.0f / float(window[0]), 1.0f / float(window[1]));
    SoGLUpdateAreaElement::set(state, viewRegion.getViewportOrigin() + onePixel,
                               viewRegion.getViewportSize());
  }
}

void PoBaseView::GLRender(SoGLRenderAction* action)
{
  StatePushScope scope(action);
  inherited::GLRender(action);
}

void PoBaseView::callback(SoCallbackAction* action)
{
  StatePushScope scope(action);
  inherited::callback(action);
}

void PoBaseView::getBoundingBox(SoGetBoundingBoxAction* action)
{
  StatePushScope scope(action);
  inherited::getBoundingBox(action);
}

void PoBaseView::handleEvent(SoHandleEventAction* action)
{
  StatePushScope scope(action);
  inherited::handleEvent(action);
}

void PoBaseView::rayPick(SoRayPickAction* action)
{
  StatePushScope scope(action);
  inherited::rayPick(action);
}

void PoBaseView::getPrimitiveCount(SoGetPrimitiveCountAction* action)
{
  StatePushScope scope(action);
  inherited::getPrimitiveCount(action);
}

