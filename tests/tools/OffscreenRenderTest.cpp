// Offscreen rendering: the added camera and light, picture orientation and
// size, and the failures the renderer reports instead of drawing.
#include "support/OffscreenFixture.h"

#include "offscreen/SceneRenderer.h"

#include <Inventor/nodes/SoSeparator.h>

#include <algorithm>

using gridlux::offscreen::RgbaImage;
using gridlux::offscreen::SceneRenderer;
using gridlux::test::brightness;
using gridlux::test::pixelIs;

namespace {

const SbColor kBackground(0.1f, 0.2f, 0.3f);

const char * kCone =
  "#Inventor V2.1 ascii\n"
  "Separator { Material { diffuseColor 0.9 0.9 0.9 } Cone { } }\n";

// Lit pixels in row y: those that differ from the background.
int
coveredInRow(const RgbaImage & image, int y)
{
  int count = 0;
  for (int x = 0; x < image.width(); ++x) {
    if (!pixelIs(image, x, y, kBackground, 6)) ++count;
  }
  return count;
}

class OffscreenRender : public gridlux::test::OffscreenFixture {};

TEST_F(OffscreenRender, ConeWithAddedCameraAndLight)
{
  SoNode * scene = readScene(kCone);
  ASSERT_NE(scene, nullptr);
  scene->ref();
  const RgbaImage image = render(scene, 120, 100, kBackground);
  scene->unref();
  ASSERT_EQ(image.width(), 120);
  ASSERT_EQ(image.height(), 100);

  // The added camera frames the cone and the added light makes it bright.
  EXPECT_GT(brightness(image, 60, 50), 120);
  for (int corner = 0; corner < 4; ++corner) {
    const int x = (corner & 1) ? 119 : 0;
    const int y = (corner & 2) ? 99 : 0;
    EXPECT_TRUE(pixelIs(image, x, y, kBackground)) << "corner " << x << "," << y;
  }
  // Top row first: the apex is at the top, so the cone is narrower there.
  const int upper = coveredInRow(image, 30);
  const int lower = coveredInRow(image, 70);
  EXPECT_GT(upper, 0);
  EXPECT_LT(upper, lower);
  // Opaque unless asked otherwise.
  EXPECT_EQ(image.pixel(0, 0)[3], 255);
}

TEST_F(OffscreenRender, SceneCameraAndLightAreKept)
{
  // A camera looking away from the cone sees nothing: no camera was added.
  SoNode * away = readScene(
    "#Inventor V2.1 ascii\n"
    "Separator { PerspectiveCamera { position 0 0 10 orientation 0 1 0 3.14159 }\n"
    "  Cone { } }\n");
  ASSERT_NE(away, nullptr);
  away->ref();
  const RgbaImage empty = render(away, 64, 64, kBackground);
  away->unref();
  for (int y = 0; y < empty.height(); ++y) ASSERT_EQ(coveredInRow(empty, y), 0) << "row " << y;

  // A switched-off light in the scene leaves the cone dark: no light was added.
  SoNode * dark = readScene(
    "#Inventor V2.1 ascii\n"
    "Separator { DirectionalLight { on FALSE }\n"
    "  Material { diffuseColor 0.9 0.9 0.9 ambientColor 0 0 0 } Cone { } }\n");
  ASSERT_NE(dark, nullptr);
  dark->ref();
  const RgbaImage unlit = render(dark, 64, 64, kBackground);
  dark->unref();
  EXPECT_LT(brightness(unlit, 32, 32), 40);
  EXPECT_FALSE(pixelIs(unlit, 32, 32, kBackground));
}

TEST_F(OffscreenRender, AddedLightFollowsTheSceneCamera)
{
  // Seen from +x, the sphere's centre faces the camera: a light along the
  // view makes it bright, a light fixed along -z would leave it dark.
  SoNode * scene = readScene(
    "#Inventor V2.1 ascii\n"
    "Separator { PerspectiveCamera { position 6 0 0 orientation 0 1 0 1.5708 }\n"
    "  Material { diffuseColor 0.9 0.9 0.9 } Sphere { } }\n");
  ASSERT_NE(scene, nullptr);
  scene->ref();
  const RgbaImage image = render(scene, 64, 64, kBackground);
  scene->unref();
  EXPECT_GT(brightness(image, 32, 32), 180);
}

TEST_F(OffscreenRender, TexturesReachTheContext)
{
  // Texture objects are among the functions Coin looks up at run time; if
  // the lookup missed OSMesa the square would come out blank.
  SoNode * scene = readScene(
    "#Inventor V2.1 ascii\n"
    "Separator {\n"
    "  OrthographicCamera { position 0 0 5 height 2 }\n"
    "  Texture2 { image 2 2 3 0xff0000 0x00ff00 0x0000ff 0xffff00 model DECAL }\n"
    "  Coordinate3 { point [ -1 -1 0, 1 -1 0, 1 1 0, -1 1 0 ] }\n"
    "  TextureCoordinate2 { point [ 0 0, 1 0, 1 1, 0 1 ] }\n"
    "  FaceSet { numVertices 4 }\n"
    "}\n");
  ASSERT_NE(scene, nullptr);
  scene->ref();
  const RgbaImage image = render(scene, 80, 80, kBackground);
  scene->unref();
  // Texture rows run bottom-up, picture rows top-down; the quarter points
  // are texel centres, where filtering leaves the texel's own colour.
  EXPECT_TRUE(pixelIs(image, 20, 60, SbColor(1, 0, 0), 16));
  EXPECT_TRUE(pixelIs(image, 60, 60, SbColor(0, 1, 0), 16));
  EXPECT_TRUE(pixelIs(image, 20, 20, SbColor(0, 0, 1), 16));
  EXPECT_TRUE(pixelIs(image, 60, 20, SbColor(1, 1, 0), 16));
}

TEST_F(OffscreenRender, JitteredPassesKeepStrokesThinnerThanAPixel)
{
  // A white bar 0.4 pixel tall lying between two rows of pixel centres (40
  // pixels over a height of 2: a pixel is 0.05 high, centres at odd 0.025s):
  // one drawing misses it, averaged jittered drawings show it faintly.
  SoNode * scene = readScene(
    "#Inventor V2.1 ascii\n"
    "Separator {\n"
    "  OrthographicCamera { position 0 0 5 height 2 }\n"
    "  LightModel { model BASE_COLOR }\n"
    "  BaseColor { rgb 1 1 1 }\n"
    "  Coordinate3 { point [ -0.8 0.001 0, 0.8 0.001 0, 0.8 0.021 0, -0.8 0.021 0 ] }\n"
    "  FaceSet { numVertices 4 }\n"
    "}\n");
  ASSERT_NE(scene, nullptr);
  scene->ref();
  SceneRenderer renderer;
  renderer.setSize(40, 40);
  renderer.setBackground(SbColor(0, 0, 0));
  auto brightestInColumn = [&](int passes) {
    renderer.setPasses(passes);
    RgbaImage image;
    std::string error;
    EXPECT_TRUE(renderer.render(scene, image, &error)) << error;
    int most = 0;
    for (int y = 0; y < image.height(); ++y) most = std::max(most, brightness(image, 20, y));
    return most;
  };
  EXPECT_LT(brightestInColumn(1), 10);
  const int smoothed = brightestInColumn(4);
  EXPECT_GT(smoothed, 40);
  EXPECT_LT(smoothed, 230);
  scene->unref();
}

TEST_F(OffscreenRender, KeepsAlphaWhenAsked)
{
  SoNode * scene = readScene(kCone);
  ASSERT_NE(scene, nullptr);
  scene->ref();
  SceneRenderer renderer;
  renderer.setSize(48, 48);
  renderer.setKeepAlpha(true);
  RgbaImage image;
  std::string error;
  ASSERT_TRUE(renderer.render(scene, image, &error)) << error;
  scene->unref();
  EXPECT_EQ(image.pixel(0, 0)[3], 0);
  EXPECT_EQ(image.pixel(24, 24)[3], 255);
}

TEST_F(OffscreenRender, RefusesWhatItCannotDraw)
{
  SceneRenderer renderer;
  RgbaImage image(2, 2);
  std::string error;
  EXPECT_FALSE(renderer.render(nullptr, image, &error));
  EXPECT_TRUE(image.empty());
  EXPECT_FALSE(error.empty());

  SoSeparator * scene = new SoSeparator;
  scene->ref();
  for (auto size : {std::make_pair(0, 10), std::make_pair(10, -1), std::make_pair(20000, 10)}) {
    renderer.setSize(size.first, size.second);
    error.clear();
    EXPECT_FALSE(renderer.render(scene, image, &error)) << size.first << "x" << size.second;
    EXPECT_NE(error.find("out of range"), std::string::npos) << error;
  }
  // A node nobody references survives being rendered.
  EXPECT_EQ(scene->getRefCount(), 1);
  scene->unref();
}

} // namespace
