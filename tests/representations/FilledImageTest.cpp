// Filled bands on screen: flat bands and texture bands show the mapping's colour of each band.
#include "support/OffscreenFixture.h"

#include <Gridlux/attributes/PbIsovaluesList.h>
#include <Gridlux/attributes/PbLinearDataMapping.h>
#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/mesh/PbRegularCartesianGrid2D.h>
#include <Gridlux/representations/PoMeshFilled.h>

#include <Inventor/nodes/SoSeparator.h>

namespace {

using gridlux::test::OffscreenFixture;

class FilledImage : public OffscreenFixture {
protected:
  // f = x over the unit square, seen straight on, unlit: the picture is the colours alone.
  gridlux::offscreen::RgbaImage renderBands(PoMesh::ColoringType coloring)
  {
    PoGridlux::init();
    PbRegularCartesianGrid2D grid(2, 2, 0.f, 0.f, 1.f, 1.f);
    const float f[] = {0, 0, 1, 1};
    grid.addValuesSet(0, f);
    SoNode* scene = readScene("#Inventor V2.1 ascii\n"
                              "Separator {\n"
                              "  OrthographicCamera { position 0.5 0.5 10  height 1  nearDistance 1  farDistance 20 }\n"
                              "  LightModel { model BASE_COLOR }\n"
                              "}\n");
    scene->ref();
    PoMeshFilled* filled = new PoMeshFilled;
    filled->valuesIndex = 0;
    filled->coloringType = coloring;
    filled->setMesh(&grid);
    filled->setDataMapping(&m_mapping);
    filled->setIsovaluesList(&m_isovalues);
    static_cast<SoSeparator*>(scene)->addChild(filled);
    const gridlux::offscreen::RgbaImage image = render(scene, 200, 200, SbColor(0, 0, 0));
    scene->unref();
    return image;
  }

  void SetUp() override
  {
    OffscreenFixture::SetUp();
    m_mapping.setValues(0.f, SbColor(1, 0, 0), 1.f, SbColor(0, 0, 1));
    m_isovalues.setRegularIsoList(0.25f, 0.75f, 3);
  }

  // Column centres of the four bands and the colour each must show (that of its lower level).
  void expectBands(const gridlux::offscreen::RgbaImage& image)
  {
    const float lower[] = {-1e20f, 0.25f, 0.5f, 0.75f};
    for (int band = 0; band < 4; ++band) {
      const int x = 25 + 50 * band;
      const SbColor expected = *m_mapping.getRGBColor(lower[band]);
      for (int y : {20, 100, 180})
        EXPECT_TRUE(gridlux::test::pixelIs(image, x, y, expected, 4))
          << "band " << band << " at (" << x << ", " << y << ")";
    }
  }

  PbLinearDataMapping m_mapping;
  PbIsovaluesList m_isovalues;
};

TEST_F(FilledImage, FlatAndTextureBandsShowTheColourOfTheirLowerLevel)
{
  expectBands(renderBands(PoMesh::COLOR_CONTOURING));
  expectBands(renderBands(PoMesh::COLOR_TEXTURE_CONTOURING));
}

} // namespace
