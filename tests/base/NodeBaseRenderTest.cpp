// A node kit drawn by the render action: built before its parts are drawn, inside the kit's state.
#include "TestKit.h"
#include "support/OffscreenFixture.h"

#include <Gridlux/base/PoGridlux.h>

#include <Inventor/nodes/SoCube.h>
#include <Inventor/nodes/SoDirectionalLight.h>
#include <Inventor/nodes/SoOrthographicCamera.h>
#include <Inventor/nodes/SoSeparator.h>
#include <Inventor/nodes/SoTranslation.h>

namespace {

class NodeBaseRender : public gridlux::test::OffscreenFixture {
protected:
  static void SetUpTestSuite()
  {
    OffscreenFixture::SetUpTestSuite();
    TestKit::initClass();
  }
};

TEST_F(NodeBaseRender, FirstRenderDrawsTheBuiltPartsAndChangesShowAtTheNextOne)
{
  SoSeparator* root = new SoSeparator;
  root->ref();
  SoOrthographicCamera* camera = new SoOrthographicCamera;
  camera->height = 4;
  camera->position = SbVec3f(0, 0, 5);
  root->addChild(camera);
  root->addChild(new SoDirectionalLight);
  // A cube of side 1 seen face on: a red square drawn inside the kit.
  TestKit* kit = new TestKit;
  kit->set("appearance.material { diffuseColor 1 0 0 emissiveColor 1 0 0 }");
  root->addChild(kit);
  // A sibling after the kit: the kit's red must not leak into it.
  root->addChild(new SoTranslation);
  static_cast<SoTranslation*>(root->getChild(3))->translation = SbVec3f(1.5f, 1.5f, 0);
  SoCube* sibling = new SoCube;
  sibling->width = sibling->height = 0.5f;
  sibling->depth = 0.01f;
  root->addChild(sibling);

  gridlux::offscreen::RgbaImage first = render(root, 100, 100);
  EXPECT_TRUE(gridlux::test::pixelIs(first, 50, 50, SbColor(1, 0, 0), 10));
  // The sibling sits at (1.5, 1.5): 87.5 % across, in the top part of the picture.
  const int sx = 87, sy = 12;
  EXPECT_GT(gridlux::test::brightness(first, sx, sy), 100);
  EXPECT_FALSE(gridlux::test::pixelIs(first, sx, sy, SbColor(1, 0, 0), 30))
    << "the kit's material leaked into its sibling";

  kit->size = 0.2f; // 5 pixels wide: a point 10 pixels off centre is background again
  gridlux::offscreen::RgbaImage second = render(root, 100, 100);
  EXPECT_TRUE(gridlux::test::pixelIs(second, 50, 50, SbColor(1, 0, 0), 10));
  EXPECT_TRUE(gridlux::test::pixelIs(second, 60, 50, SbColor(0.1f, 0.2f, 0.3f), 5));
  EXPECT_TRUE(gridlux::test::pixelIs(first, 60, 50, SbColor(1, 0, 0), 10));
  root->unref();
}

} // namespace
