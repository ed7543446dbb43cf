// Figures drawn by the render action: the picture of a small scene, and rebuilds at render time.
#include "support/ImageCompare.h"
#include "support/OffscreenFixture.h"

#include <Gridlux/figures/PoCircleCenterRadius.h>

#include <Inventor/nodes/SoSeparator.h>

namespace {

using gridlux::test::OffscreenFixture;

class FiguresImage : public OffscreenFixture {};

// A rectangle, a disc, a three-quarter pie slice, a parallelogram in space, an open arc and a
// segment closed by its chord, in flat colours.
const char* const kScene = R"(#Inventor V2.1 ascii
Separator {
  OrthographicCamera { position 0 0 10  height 6.4  nearDistance 1  farDistance 20 }
  LightModel { model BASE_COLOR }
  DrawStyle { lineWidth 2 }
  Separator {
    Translation { translation -2 1.4 0 }
    BaseColor { rgb 0.9 0.2 0.2 }
    PoRectangle { p -0.9 -0.6  q 0.9 0.6 }
  }
  Separator {
    Translation { translation 0 1.4 0 }
    BaseColor { rgb 0.2 0.8 0.3 }
    PoCircleCenterRadius { radius 0.9 }
  }
  Separator {
    Translation { translation 2 1.4 0 }
    BaseColor { rgb 0.3 0.5 1 }
    PoCircleArcCtrTwoPts { arcType CENTER_CLOSE  startPoint 0.9 0  endPoint 0 -1 }
  }
  Separator {
    Translation { translation -2 -1.4 0 }
    BaseColor { rgb 0.95 0.8 0.2 }
    PoParallelogram3 { p -0.9 -0.6 0  q 0.5 -0.6 0.5  r 0.9 0.6 0 }
  }
  Separator {
    Translation { translation 0 -1.4 0 }
    BaseColor { rgb 1 1 1 }
    PoCircleArcThreePts { startPoint 0.9 0  middlePoint 0 0.9  endPoint -0.6 -0.67 }
  }
  Separator {
    Translation { translation 2 -1.4 0 }
    BaseColor { rgb 0.8 0.4 0.9 }
    PoCircleArc3CtrPtAngle { arcType END_CLOSE  startPoint 0.9 0 0  angle 4  normal 0 0 1 }
  }
}
)";

TEST_F(FiguresImage, SmallGalleryMatchesItsBaseline)
{
  SoNode* scene = readScene(kScene);
  ASSERT_NE(scene, nullptr);
  scene->ref();
  const gridlux::offscreen::RgbaImage image = render(scene, 192, 128, SbColor(0, 0, 0));
  EXPECT_TRUE(gridlux::test::matchesBaseline(image, "figures_gallery"));
  scene->unref();
}

TEST_F(FiguresImage, ChangedFieldRebuildsOnceAtTheNextRender)
{
  SoSeparator* root = new SoSeparator;
  root->ref();
  PoCircleCenterRadius* circle = new PoCircleCenterRadius;
  root->addChild(circle);
  int rebuilds = 0;
  circle->addPostRebuildCallback([](void* data, PoBase*) { ++*static_cast<int*>(data); },
                                 &rebuilds);
  render(root, 64, 64);
  EXPECT_EQ(rebuilds, 1);
  render(root, 64, 64);
  EXPECT_EQ(rebuilds, 1); // nothing changed
  circle->radius = 0.5f;
  circle->radius = 0.25f;
  circle->center.setValue(0.1f, 0);
  EXPECT_EQ(rebuilds, 1); // a change only marks the figure
  render(root, 64, 64);
  EXPECT_EQ(rebuilds, 2);
  render(root, 64, 64);
  EXPECT_EQ(rebuilds, 2);
  root->unref();
}

} // namespace
