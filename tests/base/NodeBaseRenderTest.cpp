// A node kit drawn by the render action: built before its parts are drawn, inside the kit's state.
#include "support/OffscreenFixture.h"

#include <Gridlux/base/PoChartwork.h>
#include <Gridlux/base/PoGridlux.h>

#include <Inventor/fields/SoSFFloat.h>
#include <Inventor/nodes/SoCube.h>
#include <Inventor/nodes/SoDirectionalLight.h>
#include <Inventor/nodes/SoOrthographicCamera.h>
#include <Inventor/nodes/SoSeparator.h>
#include <Inventor/nodes/SoTranslation.h>

namespace {

// Draws a red square of side `size` at the origin, with its colour set inside the kit.
class SquareKit : public PoChartwork {
  typedef PoChartwork inherited;
  PO_KIT_HEADER(SquareKit);
  SO_KIT_CATALOG_ENTRY_HEADER(body);

public:
  SquareKit()
  {
    SO_KIT_CONSTRUCTOR(SquareKit);
    SO_KIT_ADD_CATALOG_ENTRY(body, SoSeparator, TRUE, this, "", TRUE);
    SO_KIT_ADD_FIELD(size, (1.0f));
    SO_KIT_INIT_INSTANCE();
    createFieldSensorList(1, m_sensors);
    setUpConnections(TRUE, TRUE);
  }
  static void initClass()
  {
    if (getClassTypeId() == SoType::badType())
      PO_KIT_INIT_CLASS(SquareKit, PoChartwork, "PoChartwork");
  }
  SoSFFloat size;

  void rebuild() override
  {
    preRebuild();
    SoSeparator* group = new SoSeparator;
    SoCube* cube = new SoCube;
    cube->width = cube->height = size.getValue();
    cube->depth = 0.01f;
    group->addChild(cube);
    setAnyPart("body", group);
    postRebuild();
  }
  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override
  {
    if (!doItAlways && connectionsSetUp == onOff)
      return onOff;
    if (onOff) {
      SoFieldList fields;
      fields.append(&size);
      attachFieldSensorList(m_sensors, fields);
    } else {
      detachFieldSensorList(m_sensors);
    }
    return inherited::setUpConnections(onOff, doItAlways);
  }

protected:
  ~SquareKit() override
  {
    detachFieldSensorList(m_sensors);
    deleteFieldSensorList(m_sensors);
  }

private:
  FieldSensorList m_sensors;
};

PO_KIT_SOURCE(SquareKit);

class NodeBaseRender : public gridlux::test::OffscreenFixture {
protected:
  static void SetUpTestSuite()
  {
    OffscreenFixture::SetUpTestSuite();
    SquareKit::initClass();
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
  SquareKit* kit = new SquareKit;
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
