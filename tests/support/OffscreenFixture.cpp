// Offscreen rendering for image tests.
#include "support/OffscreenFixture.h"

#include "offscreen/OsMesaContext.h"
#include "offscreen/SceneRenderer.h"

#include <Gridlux/base/PoGridlux.h>

#include <Inventor/SoDB.h>
#include <Inventor/SoInput.h>
#include <Inventor/nodes/SoSeparator.h>

#include <algorithm>
#include <cstdlib>

namespace gridlux {
namespace test {

void
OffscreenFixture::SetUpTestSuite()
{
  PoGridlux::init();
  offscreen::OsMesaContext::install();
}

void
OffscreenFixture::SetUp()
{
  // A machine without a working OSMesa must turn image tests red: a skipped
  // image test would let a broken picture pass unnoticed.
  std::string reason;
  ASSERT_TRUE(offscreen::OsMesaContext::probe(&reason))
    << "no offscreen GL context: " << reason;
}

offscreen::RgbaImage
OffscreenFixture::render(SoNode * scene, int width, int height, const SbColor & background)
{
  offscreen::SceneRenderer renderer;
  renderer.setSize(width, height);
  renderer.setBackground(background);
  offscreen::RgbaImage image;
  std::string error;
  EXPECT_TRUE(renderer.render(scene, image, &error)) << error;
  return image;
}

SoNode *
OffscreenFixture::readScene(const std::string & text)
{
  SoInput input;
  input.setBuffer(text.data(), text.size());
  SoSeparator * root = SoDB::readAll(&input);
  EXPECT_NE(root, nullptr) << "scene does not parse:\n" << text;
  return root;
}

bool
pixelIs(const offscreen::RgbaImage & image, int x, int y, const SbColor & color, int tolerance)
{
  if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) return false;
  const uint8_t * p = image.pixel(x, y);
  for (int c = 0; c < 3; ++c) {
    const int expected = static_cast<int>(color[c] * 255.0f + 0.5f);
    if (std::abs(int(p[c]) - expected) > tolerance) return false;
  }
  return true;
}

int
brightness(const offscreen::RgbaImage & image, int x, int y)
{
  if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) return -1;
  const uint8_t * p = image.pixel(x, y);
  return std::max({int(p[0]), int(p[1]), int(p[2])});
}

} // namespace test
} // namespace gridlux
