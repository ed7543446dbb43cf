// Annotation text drawn from behind reads the right way round, where 3D text is mirrored.
#include "support/OffscreenFixture.h"

#include <Gridlux/base/PoGridlux.h>

#include <Inventor/nodes/SoSeparator.h>

#include <string>

namespace {

using gridlux::test::OffscreenFixture;

class AnnoTextImage : public OffscreenFixture {
protected:
  // A white, centred word, optionally turned half a turn about the vertical axis.
  gridlux::offscreen::RgbaImage renderWord(const char* node, bool fromBehind)
  {
    const std::string text = std::string("#Inventor V2.1 ascii\n"
                                         "Separator {\n"
                                         "  OrthographicCamera { position 0 0 10  height 2  nearDistance 1  farDistance 20 }\n"
                                         "  LightModel { model BASE_COLOR }\n"
                                         "  BaseColor { rgb 1 1 1 }\n"
                                         "  ShapeHints { shapeType UNKNOWN_SHAPE_TYPE }\n"
                                         "  Font { name \"DejaVu Sans\"  size 1 }\n") +
                             (fromBehind ? "  RotationXYZ { axis Y  angle 3.14159265 }\n" : "") +
                             "  " + node + " { string \"Fig\"  justification CENTER }\n}\n";
    SoNode* scene = readScene(text);
    scene->ref();
    const gridlux::offscreen::RgbaImage image = render(scene, 160, 80, SbColor(0, 0, 0));
    scene->unref();
    return image;
  }

  // Share of pixels whose lit/unlit state differs between two pictures of the same size.
  static double difference(const gridlux::offscreen::RgbaImage& a,
                           const gridlux::offscreen::RgbaImage& b)
  {
    int differing = 0, lit = 0;
    for (int y = 0; y < a.height(); ++y)
      for (int x = 0; x < a.width(); ++x) {
        const bool onA = gridlux::test::brightness(a, x, y) > 128;
        const bool onB = gridlux::test::brightness(b, x, y) > 128;
        differing += onA != onB;
        lit += onA || onB;
      }
    return lit ? double(differing) / lit : 1.0;
  }
};

TEST_F(AnnoTextImage, ReadsTheRightWayRoundFromBehind)
{
  PoGridlux::init();
  const auto front = renderWord("SoAnnoText3", false);
  const auto behind = renderWord("SoAnnoText3", true);
  const auto mirrored = renderWord("Text3", true);
  // "Fig" is far from symmetric: its mirror image shares few lit pixels with it.
  EXPECT_GT(difference(front, mirrored), 0.4);
  EXPECT_LT(difference(front, behind), 0.1);
}

} // namespace
