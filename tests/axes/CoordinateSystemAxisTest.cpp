// The coordinate-system symbol through its built parts: arrows, equal heads, titles beyond the
// tips, zero extents, bad values and files.
#include "AxisScene.h"

#include <Gridlux/axes/PoCoordinateSystemAxis.h>
#include <Gridlux/figures/PoArrow3.h>

namespace {

typedef AxisSceneOf<PoCoordinateSystemAxis> SymbolScene;

GeometryProbe partProbe(SymbolScene& scene, const char* part)
{
  scene.probe();
  SoNode* node = scene.axis->getPart(part, FALSE);
  return node ? GeometryProbe(node) : GeometryProbe();
}

TEST(CoordinateSystemAxis, ArrowsRunFromTheStartAlongEachAxisWithEqualHeads)
{
  SymbolScene scene;
  scene.axis->start.setValue(1, 1, 1);
  scene.axis->end.setValue(5, 3, 2); // arrows of 4, 2 and 1
  const char* parts[3] = {"xArrow", "yArrow", "zArrow"};
  const float lengths[3] = {4, 2, 1};
  for (int axis = 0; axis < 3; ++axis) {
    const SbBox3f box = partProbe(scene, parts[axis]).bbox();
    ASSERT_FALSE(box.isEmpty()) << parts[axis];
    EXPECT_NEAR(box.getMin()[axis], 1.0, 1e-5) << parts[axis];
    EXPECT_NEAR(box.getMax()[axis], 1.0 + lengths[axis], 1e-5) << parts[axis];
    // The head: 0.05 of the longest arrow (4), as long on every arrow.
    PoArrow3* arrow = static_cast<PoArrow3*>(scene.axis->getPart(parts[axis], FALSE));
    const SbBox3f head = GeometryProbe(arrow->getPart("endHead", FALSE)).bbox();
    EXPECT_NEAR(head.getMax()[axis] - head.getMin()[axis], 0.2, 1e-5) << parts[axis];
    EXPECT_NEAR(head.getMax()[(axis + 1) % 3] - head.getMin()[(axis + 1) % 3], 0.1, 1e-5);
  }
}

TEST(CoordinateSystemAxis, AnArrowKeepsItsFormAcrossRebuilds)
{
  SymbolScene scene;
  scene.probe();
  PoArrow3* arrow = static_cast<PoArrow3*>(scene.axis->getPart("yArrow", FALSE));
  ASSERT_NE(arrow, nullptr);
  arrow->solid.setValue(TRUE);
  scene.axis->end.setValue(1, 3, 1);
  const GeometryProbe solid = partProbe(scene, "yArrow");
  EXPECT_EQ(scene.axis->getPart("yArrow", FALSE), arrow);
  EXPECT_TRUE(solid.segments().empty()); // faces only: the cylinder and the cone
  EXPECT_NEAR(solid.bbox().getMax()[1], 3.0, 1e-5);
}

TEST(CoordinateSystemAxis, TitlesStandBeyondTheTipsAndMoveWithTheFactor)
{
  SymbolScene scene;
  EXPECT_EQ(scene.texts("xTitleText"), std::vector<std::string>{"X"});
  EXPECT_EQ(scene.texts("yTitleText"), std::vector<std::string>{"Y"});
  EXPECT_EQ(scene.texts("zTitleText"), std::vector<std::string>{"Z"});
  const char* parts[3] = {"xTitleText", "yTitleText", "zTitleText"};
  float before[3];
  for (int axis = 0; axis < 3; ++axis) {
    const SbBox3f box = unionBox(scene.textBoxes(parts[axis]));
    ASSERT_FALSE(box.isEmpty());
    // Centred on a point beyond the tip (at 1) along its own axis.
    before[axis] = box.getCenter()[axis];
    EXPECT_GT(before[axis], 1.0f) << parts[axis];
    for (int other = 0; other < 3; ++other)
      if (other != axis && other != 2)
        EXPECT_NEAR(box.getCenter()[other], 0.0, 0.02) << parts[axis];
  }
  scene.axis->titleTranslationFactor.setValue(0.5f);
  for (int axis = 0; axis < 3; ++axis)
    EXPECT_NEAR(unionBox(scene.textBoxes(parts[axis])).getCenter()[axis], before[axis] + 0.5f,
                1e-4) << parts[axis];
  scene.axis->yTitle.setValue("");
  scene.probe();
  EXPECT_EQ(scene.axis->getPart("yTitleText", FALSE), nullptr);
}

TEST(CoordinateSystemAxis, AZeroExtentDropsThatArrowAndBadValuesDropAll)
{
  SymbolScene scene;
  scene.axis->end.setValue(1, 1, 0);
  scene.probe();
  EXPECT_EQ(scene.axis->getPart("zArrow", FALSE), nullptr);
  EXPECT_EQ(scene.axis->getPart("zTitleText", FALSE), nullptr);
  EXPECT_NE(scene.axis->getPart("xArrow", FALSE), nullptr);

  for (float factor : {-0.1f, float(NAN)}) {
    scene.axis->arrowLengthFactor.setValue(factor);
    ErrorCatcher errors;
    EXPECT_TRUE(scene.probe().empty()) << factor;
    EXPECT_EQ(errors.count(), 1) << factor;
    EXPECT_TRUE(errors.contains("PoCoordinateSystemAxis::rebuild"));
    scene.axis->arrowLengthFactor.setValue(0.05f);
    EXPECT_FALSE(scene.probe().empty());
  }
}

TEST(CoordinateSystemAxis, FileKeepsTheFields)
{
  expectCreatable("PoCoordinateSystemAxis", "PoChartwork");
  SymbolScene scene;
  scene.axis->end.setValue(2, 3, 4);
  scene.axis->xTitle.setValue("east");
  scene.axis->arrowLengthFactor.setValue(0.1f);
  const SbBox3f built = scene.probe().bbox();
  SoSeparator* back = readBackWithoutBuiltGeometry(scene.root);
  ASSERT_NE(back, nullptr);
  PoCoordinateSystemAxis* read = static_cast<PoCoordinateSystemAxis*>(back->getChild(0));
  ASSERT_TRUE(read->isOfType(PoCoordinateSystemAxis::getClassTypeId()));
  EXPECT_EQ(read->end.getValue(), SbVec3f(2, 3, 4));
  EXPECT_EQ(read->xTitle.getValue(), SbString("east"));
  EXPECT_FLOAT_EQ(read->arrowLengthFactor.getValue(), 0.1f);
  const SbBox3f again = GeometryProbe(back).bbox();
  EXPECT_LT((again.getMin() - built.getMin()).length(), 1e-4f);
  EXPECT_LT((again.getMax() - built.getMax()).length(), 1e-4f);
  back->unref();
}

} // namespace
