// Test fixture for image tests: initialises the library, makes sure an
// offscreen GL context can be made (failing, never skipping, when it cannot)
// and renders scenes into pictures.
#ifndef GRIDLUX_TESTS_OFFSCREENFIXTURE_H
#define GRIDLUX_TESTS_OFFSCREENFIXTURE_H

#include "offscreen/RgbaImage.h"

#include <Inventor/SbColor.h>
#include <gtest/gtest.h>

#include <string>

class SoNode;

namespace gridlux {
namespace test {

class OffscreenFixture : public ::testing::Test {
protected:
  static void SetUpTestSuite();
  void SetUp() override;

  /**
   * Renders `scene` (a camera and a light are added when it has none) and
   * records a test failure when nothing could be drawn.
   */
  offscreen::RgbaImage render(SoNode * scene, int width = 200, int height = 200,
                              const SbColor & background = SbColor(0.1f, 0.2f, 0.3f));

  /** Reads a scene from text, unreferenced; null, with a test failure, when it does not parse. */
  static SoNode * readScene(const std::string & text);
};

/** Whether the pixel's colour is within `tolerance` (0..255) of `color` in every channel. */
bool pixelIs(const offscreen::RgbaImage & image, int x, int y, const SbColor & color,
             int tolerance = 3);

/** Brightness of a pixel, the largest of its red, green and blue values. */
int brightness(const offscreen::RgbaImage & image, int x, int y);

} // namespace test
} // namespace gridlux

#endif
