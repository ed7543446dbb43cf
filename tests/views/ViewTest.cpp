// Views: their rectangles, the view found under the mouse, the viewport each action sees inside
// a view, the background and border parts, files, and where a render draws each panel.
#include "support/ErrorCatcher.h"
#include "support/OffscreenFixture.h"
#include "support/SceneText.h"

#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/platform/SoModifyViewVolumeElement.h>
#include <Gridlux/platform/SoWinViewer.h>
#include <Gridlux/views/PoSceneView.h>
#include <Gridlux/views/PoView.h>

#include <Inventor/SbViewportRegion.h>
#include <Inventor/SoPath.h>
#include <Inventor/actions/SoCallbackAction.h>
#include <Inventor/actions/SoGLRenderAction.h>
#include <Inventor/actions/SoSearchAction.h>
#include <Inventor/actions/SoGetBoundingBoxAction.h>
#include <Inventor/elements/SoViewportRegionElement.h>
#include <Inventor/nodekits/SoAppearanceKit.h>
#include <Inventor/nodes/SoCallback.h>
#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoCube.h>
#include <Inventor/nodes/SoFaceSet.h>
#include <Inventor/nodes/SoLightModel.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoOrthographicCamera.h>
#include <Inventor/nodes/SoSeparator.h>
#include <Inventor/nodes/SoShape.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

class Views : public ::testing::Test {
protected:
  static void SetUpTestSuite() { PoGridlux::init(); }
};

PoSceneView* makeView(float x, float y, float w, float h, bool sensitive = true)
{
  PoSceneView* view = new PoSceneView;
  view->viewportOrigin.setValue(x, y);
  view->viewportSize.setValue(w, h);
  view->setSensitiveOnEvents(sensitive ? 1 : 0);
  return view;
}

// The viewport region every shape sees during a callback action over @p root.
std::vector<SbViewportRegion> regionsSeenByShapes(SoNode* root, const SbViewportRegion& window)
{
  std::vector<SbViewportRegion> regions;
  SoCallbackAction action(window);
  action.addPreCallback(
      SoShape::getClassTypeId(),
      [](void* data, SoCallbackAction* a, const SoNode*) {
        static_cast<std::vector<SbViewportRegion>*>(data)->push_back(
            SoViewportRegionElement::get(a->getState()));
        return SoCallbackAction::CONTINUE;
      },
      &regions);
  action.apply(root);
  return regions;
}

TEST_F(Views, RectangleIncludesItsEdgesAndDefaultsToTheWholeViewport)
{
  PoSceneView* view = makeView(0.25f, 0.5f, 0.5f, 0.25f);
  view->ref();
  EXPECT_TRUE(view->isPointWithinViewport(0.75f, 0.6f)) << "right edge";
  EXPECT_TRUE(view->isPointWithinViewport(0.25f, 0.5f)) << "lower-left corner";
  EXPECT_TRUE(view->isPointWithinViewport(0.5f, 0.75f)) << "top edge";
  EXPECT_FALSE(view->isPointWithinViewport(0.7501f, 0.6f));
  EXPECT_FALSE(view->isPointWithinViewport(0.5f, 0.49f));
  view->unref();

  PoView* whole = new PoView;
  whole->ref();
  EXPECT_EQ(whole->getViewportOrigin(), SbVec2f(0, 0));
  EXPECT_EQ(whole->getViewportSize(), SbVec2f(1, 1));
  for (float x : {0.0f, 0.3f, 1.0f})
    for (float y : {0.0f, 0.9f, 1.0f})
      EXPECT_TRUE(whole->isPointWithinViewport(x, y)) << x << "," << y;
  EXPECT_EQ(whole->isSensitiveOnEvents(), 0);
  whole->unref();
}

TEST_F(Views, MousePointsAreNormalisedWithYUpwards)
{
  SoWinRenderArea area;
  area.setSize(SbVec2s(200, 100));
  float nx = -1, ny = -1;
  PoBaseView::normalizeMousePoint(&area, 50, 25, nx, ny);
  EXPECT_FLOAT_EQ(nx, 0.25f);
  EXPECT_FLOAT_EQ(ny, 0.75f);
  PoBaseView::normalizeMousePoint(&area, 200, 100, nx, ny);
  EXPECT_FLOAT_EQ(nx, 1.0f);
  EXPECT_FLOAT_EQ(ny, 0.0f);
}

TEST_F(Views, GetViewReturnsTheSensitiveViewTraversedLast)
{
  SoSeparator* root = new SoSeparator;
  root->ref();
  PoSceneView* under = makeView(0.0f, 0.0f, 0.6f, 0.6f);
  PoSceneView* over = makeView(0.4f, 0.4f, 0.6f, 0.6f);
  PoSceneView* blind = makeView(0.0f, 0.0f, 1.0f, 1.0f, false);
  root->addChild(under);
  root->addChild(over);
  root->addChild(blind);
  // A view nested in another view's scene is found as well.
  PoView* inset = new PoView;
  inset->viewportOrigin.setValue(0.9f, 0.0f);
  inset->viewportSize.setValue(0.1f, 0.1f);
  inset->setSensitiveOnEvents(1);
  static_cast<SoGroup*>(blind->getPart("scene", TRUE))->addChild(inset);

  SoWinRenderArea area;
  area.setSceneGraph(root);
  area.setSize(SbVec2s(100, 100));
  // Mouse y runs downwards: (50, 50) is the centre, in both views.
  EXPECT_EQ(PoBaseView::getView(&area, 50, 50), over);
  EXPECT_EQ(PoBaseView::getView(&area, 10, 90), under);
  EXPECT_EQ(PoBaseView::getView(&area, 90, 10), over);
  EXPECT_EQ(PoBaseView::getView(&area, 95, 95), inset);
  // Only the insensitive view covers the top-left corner.
  EXPECT_EQ(PoBaseView::getView(&area, 5, 5), nullptr);
  over->setSensitiveOnEvents(0);
  EXPECT_EQ(PoBaseView::getView(&area, 50, 50), under);
  area.setSceneGraph(nullptr);
  EXPECT_EQ(PoBaseView::getView(&area, 50, 50), nullptr);
  EXPECT_EQ(PoBaseView::getView(nullptr, 50, 50), nullptr);
  root->unref();
}

TEST_F(Views, SetCameraHandsTheViewsCameraToTheViewer)
{
  PoSceneView* view = makeView(0, 0, 1, 1);
  view->ref();
  SoWinViewer viewer;
  view->setCamera(&viewer);
  ASSERT_NE(viewer.getCamera(), nullptr);
  EXPECT_EQ(viewer.getCamera(), view->getPart("cameraKit.camera", FALSE));
  view->setCamera(nullptr); // no viewer: nothing happens
  view->unref();
  EXPECT_NE(viewer.getCamera(), nullptr) << "the viewer keeps its camera alive";
}

TEST_F(Views, ShapesInAViewSeeItsViewportAndTheViewportEndsWithTheView)
{
  SoSeparator* root = new SoSeparator;
  root->ref();
  PoSceneView* left = makeView(0.0f, 0.0f, 0.5f, 1.0f);
  static_cast<SoGroup*>(left->getPart("scene", TRUE))->addChild(new SoCube);
  PoSceneView* inner = makeView(0.5f, 0.5f, 0.5f, 0.5f);
  static_cast<SoGroup*>(inner->getPart("scene", TRUE))->addChild(new SoCube);
  static_cast<SoGroup*>(left->getPart("scene", TRUE))->addChild(inner);
  root->addChild(left);
  // A light view's camera and viewport apply to what follows it inside its parent only as long
  // as the view itself: the cube after it sees the whole window.
  PoView* light = new PoView;
  light->viewportOrigin.setValue(0.5f, 0.0f);
  light->viewportSize.setValue(0.5f, 0.5f);
  root->addChild(light);
  root->addChild(new SoCube);

  const std::vector<SbViewportRegion> regions = regionsSeenByShapes(root, SbViewportRegion(400, 200));
  ASSERT_EQ(regions.size(), 3u);
  EXPECT_EQ(regions[0].getViewportOriginPixels(), SbVec2s(0, 0));
  EXPECT_EQ(regions[0].getViewportSizePixels(), SbVec2s(200, 200));
  // Nested: half of the left half, in its upper-right quarter.
  EXPECT_EQ(regions[1].getViewportOriginPixels(), SbVec2s(100, 100));
  EXPECT_EQ(regions[1].getViewportSizePixels(), SbVec2s(100, 100));
  EXPECT_EQ(regions[1].getWindowSize(), SbVec2s(400, 200));
  EXPECT_EQ(regions[2].getViewportSizePixels(), SbVec2s(400, 200));
  root->unref();
}

TEST_F(Views, BackgroundAndBorderFollowTheirFlags)
{
  PoSceneView* view = makeView(0, 0, 1, 1);
  view->ref();
  EXPECT_EQ(view->getPart("background", FALSE), nullptr);
  EXPECT_EQ(view->getPart("border", FALSE), nullptr);
  SoLightModel* lightModel =
      static_cast<SoLightModel*>(view->getPart("backgroundApp.lightModel", FALSE));
  ASSERT_NE(lightModel, nullptr);
  EXPECT_EQ(lightModel->model.getValue(), SoLightModel::BASE_COLOR);

  view->isBackgroundVisible = TRUE;
  SoGroup* background = static_cast<SoGroup*>(view->getPart("background", FALSE));
  ASSERT_NE(background, nullptr);
  EXPECT_EQ(view->getPart("border", FALSE), nullptr);
  view->isBorderVisible = TRUE;
  ASSERT_NE(view->getPart("border", FALSE), nullptr);
  EXPECT_EQ(view->getPart("background", FALSE), background) << "only the border was redrawn";

  // The background fills the view's volume: a quad of 2 x 2; the border its outline of 8.
  SoSearchAction search;
  search.setType(SoCoordinate3::getClassTypeId());
  search.setInterest(SoSearchAction::ALL);
  search.apply(background);
  ASSERT_EQ(search.getPaths().getLength(), 1);
  const SoCoordinate3* quad = static_cast<SoCoordinate3*>(search.getPaths()[0]->getTail());
  ASSERT_EQ(quad->point.getNum(), 4);
  EXPECT_EQ(quad->point[0][0], -1.0f);
  EXPECT_EQ(quad->point[2][1], 1.0f);

  view->isBackgroundVisible = FALSE;
  EXPECT_EQ(view->getPart("background", FALSE), nullptr);
  view->unref();
}

TEST_F(Views, FilesKeepTheFieldsAndRebuildTheDecoration)
{
  SoSeparator* root = new SoSeparator;
  root->ref();
  PoSceneView* view = makeView(0.1f, 0.2f, 0.3f, 0.4f);
  view->isBorderVisible = TRUE;
  static_cast<SoGroup*>(view->getPart("scene", TRUE))->addChild(new SoCube);
  root->addChild(view);
  PoView* light = new PoView;
  light->viewportSize.setValue(0.5f, 0.5f);
  root->addChild(light);

  ErrorCatcher errors(ErrorCatcher::ALL);
  const std::string text = writeToString(root);
  SoSeparator* back = readFromString(text);
  ASSERT_NE(back, nullptr) << text;
  back->ref();
  EXPECT_EQ(errors.count(), 0) << text;
  ASSERT_EQ(back->getNumChildren(), 2);
  ASSERT_TRUE(back->getChild(0)->isOfType(PoSceneView::getClassTypeId()));
  PoSceneView* read = static_cast<PoSceneView*>(back->getChild(0));
  EXPECT_EQ(read->viewportOrigin.getValue(), SbVec2f(0.1f, 0.2f));
  EXPECT_EQ(read->viewportSize.getValue(), SbVec2f(0.3f, 0.4f));
  EXPECT_TRUE(read->isBorderVisible.getValue());
  EXPECT_NE(read->getPart("border", FALSE), nullptr);
  EXPECT_EQ(read->getPart("background", FALSE), nullptr);
  SoGroup* scene = static_cast<SoGroup*>(read->getPart("scene", FALSE));
  ASSERT_NE(scene, nullptr);
  ASSERT_EQ(scene->getNumChildren(), 1);
  EXPECT_TRUE(scene->getChild(0)->isOfType(SoCube::getClassTypeId()));
  ASSERT_TRUE(back->getChild(1)->isOfType(PoView::getClassTypeId()));
  EXPECT_EQ(static_cast<PoView*>(back->getChild(1))->viewportSize.getValue(), SbVec2f(0.5f, 0.5f));
  // A read view runs its own callback: its shapes see its viewport.
  const std::vector<SbViewportRegion> regions = regionsSeenByShapes(back, SbViewportRegion(100, 100));
  ASSERT_FALSE(regions.empty());
  EXPECT_EQ(regions[0].getViewportOriginPixels(), SbVec2s(10, 20));
  back->unref();
  root->unref();
}

TEST_F(Views, CopiesRunTheirOwnCallback)
{
  PoSceneView* view = makeView(0.5f, 0.0f, 0.5f, 1.0f);
  static_cast<SoGroup*>(view->getPart("scene", TRUE))->addChild(new SoCube);
  view->ref();
  PoSceneView* copy = static_cast<PoSceneView*>(view->copy());
  copy->ref();
  view->unref(); // the copy must not call back into the destroyed source
  copy->viewportOrigin.setValue(0.0f, 0.0f);
  const std::vector<SbViewportRegion> regions = regionsSeenByShapes(copy, SbViewportRegion(100, 100));
  ASSERT_EQ(regions.size(), 1u);
  EXPECT_EQ(regions[0].getViewportOriginPixels(), SbVec2s(0, 0));
  EXPECT_EQ(copy->isSensitiveOnEvents(), 1);
  copy->unref();
}

// ---------------------------------------------------------------------------------------------
// Pictures

class ViewPictures : public gridlux::test::OffscreenFixture {};

// A view whose unlit quad, seen by an orthographic camera of height 2, fills it exactly and a bit
// beyond (so that only the view's clipping keeps it inside).
PoSceneView* filledView(float x, float y, float w, float h, const SbColor& color)
{
  PoSceneView* view = makeView(x, y, w, h);
  SoOrthographicCamera* camera = new SoOrthographicCamera;
  camera->position.setValue(0, 0, 5);
  camera->height = 2.0f;
  camera->viewportMapping = SoCamera::LEAVE_ALONE;
  camera->aspectRatio = 1.0f;
  view->setPart("cameraKit.camera", camera);
  SoGroup* scene = static_cast<SoGroup*>(view->getPart("scene", TRUE));
  SoLightModel* unlit = new SoLightModel;
  unlit->model = SoLightModel::BASE_COLOR;
  scene->addChild(unlit);
  SoMaterial* material = new SoMaterial;
  material->diffuseColor = color;
  scene->addChild(material);
  SoCube* cube = new SoCube;
  cube->width = 3.0f;
  cube->height = 3.0f;
  scene->addChild(cube);
  return view;
}

TEST_F(ViewPictures, EachPanelDrawsInsideItsRectangleOnly)
{
  const int W = 160, H = 120;
  struct Panel {
    float x, y, w, h;
    SbColor color;
  };
  const Panel panels[] = {{0.0f, 0.0f, 0.5f, 0.5f, SbColor(1, 0, 0)},
                          {0.5f, 0.0f, 0.5f, 0.5f, SbColor(0, 1, 0)},
                          {0.0f, 0.5f, 0.5f, 0.5f, SbColor(0, 0, 1)},
                          {0.625f, 0.625f, 0.25f, 0.25f, SbColor(1, 1, 0)}};
  SoSeparator* root = new SoSeparator;
  root->ref();
  for (const Panel& p : panels)
    root->addChild(filledView(p.x, p.y, p.w, p.h, p.color));
  // An inset with only a background, over the green panel.
  PoSceneView* inset = makeView(0.75f, 0.125f, 0.125f, 0.25f);
  inset->isBackgroundVisible = TRUE;
  SoMaterial* white = new SoMaterial;
  white->diffuseColor.setValue(1, 1, 1);
  inset->setPart("backgroundApp.material", white);
  root->addChild(inset);

  const SbColor window(0.1f, 0.2f, 0.3f);
  const gridlux::offscreen::RgbaImage image = render(root, W, H, window);
  ASSERT_EQ(image.width(), W);

  // The colour expected at pixel column x, row y counted from the bottom: the last panel
  // containing the pixel's centre, else the window's background.
  auto expected = [&](int x, int y, bool& nearEdge) {
    const float fx = (x + 0.5f) / W, fy = (y + 0.5f) / H;
    nearEdge = false;
    SbColor color = window;
    auto inside = [&](float x0, float y0, float w, float h) {
      const float margin = 1.5f;
      if (std::fabs(fx * W - x0 * W) < margin || std::fabs(fx * W - (x0 + w) * W) < margin ||
          std::fabs(fy * H - y0 * H) < margin || std::fabs(fy * H - (y0 + h) * H) < margin)
        nearEdge = nearEdge || (fx > x0 - 0.02f && fx < x0 + w + 0.02f && fy > y0 - 0.02f &&
                                fy < y0 + h + 0.02f);
      return fx > x0 && fx < x0 + w && fy > y0 && fy < y0 + h;
    };
    for (const Panel& p : panels)
      if (inside(p.x, p.y, p.w, p.h))
        color = p.color;
    if (inside(0.75f, 0.125f, 0.125f, 0.25f))
      color = SbColor(1, 1, 1);
    return color;
  };
  int wrong = 0;
  for (int y = 0; y < H; ++y) {
    for (int x = 0; x < W; ++x) {
      bool nearEdge;
      const SbColor color = expected(x, y, nearEdge);
      if (nearEdge)
        continue;
      // The picture's rows run from the top.
      if (!gridlux::test::pixelIs(image, x, H - 1 - y, color, 8)) {
        if (++wrong <= 5)
          ADD_FAILURE() << "pixel " << x << "," << y << " from the bottom";
      }
    }
  }
  EXPECT_EQ(wrong, 0);
  root->unref();
}

TEST_F(ViewPictures, APartialViewVolumeClipsEachViewToItsRectangle)
{
  // An application rendering the right half of the volume says so through the element; the
  // view callback then clips the view to its rectangle with the scissor test.
  SoSeparator* root = new SoSeparator;
  root->ref();
  SoCallback* portion = new SoCallback;
  portion->setCallback(
      [](void*, SoAction* action) {
        if (action->isOfType(SoGLRenderAction::getClassTypeId()))
          SoModifyViewVolumeElement::set(action->getState(), SbVec4f(0.5f, 0.0f, 1.0f, 1.0f));
      },
      nullptr);
  root->addChild(portion);
  // Drawn with the whole window as its viewport, the view's content would cover it all; the
  // scissor keeps it inside the view.
  PoSceneView* view = filledView(0.25f, 0.25f, 0.5f, 0.5f, SbColor(1, 0, 0));
  root->addChild(view);
  const SbColor window(0, 0, 0);
  const gridlux::offscreen::RgbaImage image = render(root, 100, 100, window);
  int redOutside = 0, redInside = 0;
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 100; ++x) {
      const bool red = gridlux::test::pixelIs(image, x, 99 - y, SbColor(1, 0, 0), 8);
      const bool inside = x >= 25 && x < 75 && y >= 25 && y < 75;
      (inside ? redInside : redOutside) += red;
    }
  EXPECT_EQ(redOutside, 0);
  EXPECT_GT(redInside, 2000);
  root->unref();
}

} // namespace
