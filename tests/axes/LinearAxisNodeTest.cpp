// The linear axis node: registration, files, and the geometry it builds measured against the
// graduation values (line, ticks, grid, arrow, labels, multiplication factor, title).
#include "axes/AxisScene.h"
#include "support/ErrorCatcher.h"
#include "support/SceneText.h"

#include <Gridlux/attributes/PbDomain.h>
#include <Gridlux/attributes/PbNumericDisplayFormat.h>
#include <Gridlux/axes/PoLinearAxis.h>
#include <Gridlux/base/PoGridlux.h>

#include <Inventor/SbViewportRegion.h>
#include <Inventor/actions/SoGetBoundingBoxAction.h>
#include <Inventor/actions/SoSearchAction.h>
#include <Inventor/nodekits/SoNodekitCatalog.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoSeparator.h>
#include <Inventor/nodes/SoText3.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

TEST(LinearAxisClasses, RegisteredWithPartsAndDefaults)
{
  PoGridlux::init();
  const struct {
    const char *name, *parent;
    bool concrete;
  } rows[] = {{"PoBaseAxis", "PoChartwork", false},
              {"PoAxis", "PoBaseAxis", false},
              {"PoCartesianAxis", "PoAxis", false},
              {"PoLinearAxis", "PoCartesianAxis", true}};
  for (const auto& row : rows) {
    const SoType type = SoType::fromName(row.name);
    ASSERT_FALSE(type.isBad()) << row.name;
    EXPECT_EQ(type.getParent(), SoType::fromName(row.parent)) << row.name;
    EXPECT_EQ(bool(type.canCreateInstance()), row.concrete) << row.name;
  }

  PoLinearAxis* axis = new PoLinearAxis;
  axis->ref();
  const SoNodekitCatalog* catalog = axis->getNodekitCatalog();
  const char* const pieces[] = {"body", "arrow", "title", "subGradTick", "subGradGrid",
                                "mainGradTick", "mainGradGrid", "mainGradText", "multFactor"};
  for (const char* piece : pieces) {
    const std::string name(piece);
    EXPECT_EQ(catalog->getType(SbName((name + "Sep").c_str())), SoSeparator::getClassTypeId());
    EXPECT_EQ(catalog->getParentName(SbName(piece)), SbName((name + "Sep").c_str()));
    EXPECT_EQ(catalog->getType(SbName((name + "App").c_str())).getName(), SbName("AppearanceKit"));
    EXPECT_EQ(catalog->getType(SbName(piece)), SoGroup::getClassTypeId());
  }
  EXPECT_EQ(catalog->getType("transform").getName(), SbName("MatrixTransform"));
  EXPECT_LT(catalog->getPartNumber("transform"), catalog->getPartNumber("bodySep"));
  EXPECT_EQ(catalog->getParentName("multFactorSep"), SbName("this"));

  EXPECT_EQ(axis->gradVisibility.getValue(), PoAxis::VISIBILITY_DEPEND);
  EXPECT_EQ(axis->gridLengthGradOtherSide.getValue(), 1.0f);
  EXPECT_EQ(axis->tickSubDef.getValue(), PoAxis::PERIOD_MAIN_TICK);
  EXPECT_EQ(axis->end.getValue(), 1.0f);
  EXPECT_EQ(axis->gradFit.getValue(), PoLinearAxis::GRAD_UNFIT);
  EXPECT_EQ(axis->multFactorPosition.getValue(), PoLinearAxis::MULT_FACTOR_END);
  axis->unref();

  PoLinearAxis* placed = new PoLinearAxis(SbVec3f(1, 2, 3), 7.0f, PoCartesianAxis::YZ, 0.5f);
  placed->ref();
  EXPECT_EQ(placed->start.getValue(), SbVec3f(1, 2, 3));
  EXPECT_EQ(placed->type.getValue(), PoCartesianAxis::YZ);
  EXPECT_EQ(placed->step.getValue(), 0.5f);
  placed->unref();
}

TEST(LinearAxisClasses, FieldsSurviveAFileAndBuiltPartsStayOut)
{
  AxisScene s;
  s.axis->type.setValue(PoCartesianAxis::YX);
  s.axis->end.setValue(-4.5f);
  s.axis->titleString.setValue("depth (m)");
  s.axis->titlePosition.setValue(PoAxis::TITLE_MIDDLE);
  s.axis->tickSubDef.setValue(PoAxis::NUM_SUB_TICK);
  s.axis->tickNumOrPeriod.setValue(4);
  s.axis->multFactorPosition.setValue(PoLinearAxis::MULT_FACTOR_GRAD);
  s.axis->gradFontSize.setValue(0.03f);
  s.probe(); // built parts must not reach the file
  const std::string text = writeToString(s.root);
  EXPECT_EQ(text.find("Coordinate3"), std::string::npos);
  EXPECT_EQ(text.find("Text3"), std::string::npos);

  ErrorCatcher errors(ErrorCatcher::ALL);
  SoSeparator* back = readFromString(text);
  ASSERT_NE(back, nullptr);
  back->ref();
  EXPECT_EQ(errors.count(), 0);
  ASSERT_EQ(back->getNumChildren(), 1);
  ASSERT_TRUE(back->getChild(0)->isOfType(PoLinearAxis::getClassTypeId()));
  PoLinearAxis* read = static_cast<PoLinearAxis*>(back->getChild(0));
  EXPECT_EQ(read->type.getValue(), PoCartesianAxis::YX);
  EXPECT_EQ(read->end.getValue(), -4.5f);
  EXPECT_STREQ(read->titleString.getValue().getString(), "depth (m)");
  EXPECT_EQ(read->titlePosition.getValue(), PoAxis::TITLE_MIDDLE);
  EXPECT_EQ(read->tickSubDef.getValue(), PoAxis::NUM_SUB_TICK);
  EXPECT_EQ(read->tickNumOrPeriod.getValue(), 4);
  EXPECT_EQ(read->multFactorPosition.getValue(), PoLinearAxis::MULT_FACTOR_GRAD);
  EXPECT_FLOAT_EQ(read->gradFontSize.getValue(), 0.03f);
  back->unref();
}

TEST(LinearAxisGeometry, LineTicksAndGridSitOnTheGraduations)
{
  AxisScene s;
  s.axis->end.setValue(10.0f);
  s.axis->gridVisibility.setValue(PoAxis::VISIBILITY_ON);
  s.axis->gridLengthGradOtherSide.setValue(10.0f);
  const GeometryProbe probe = s.probe();

  EXPECT_FLOAT_EQ(s.axis->getStep(), 2.0f);
  const float* coords = nullptr;
  ASSERT_EQ(s.axis->getMainGradCoords(coords), 6);
  for (int i = 0; i < 6; ++i)
    EXPECT_NEAR(coords[i], 2.0f * i, 1e-5f);

  // The axis line along x, from 0 to 10.
  int lines = 0;
  for (const GeometryProbe::Segment& seg : probe.segments())
    if (std::fabs(seg.a[1]) < 1e-6f && std::fabs(seg.b[1]) < 1e-6f) {
      ++lines;
      EXPECT_NEAR(std::min(seg.a[0], seg.b[0]), 0.0f, 1e-5f);
      EXPECT_NEAR(std::max(seg.a[0], seg.b[0]), 10.0f, 1e-5f);
    }
  EXPECT_EQ(lines, 1);

  // Ticks below (the label side of an XY axis), 2.5 % of the 10-unit extent; grid lines above,
  // 10 units long, across the domain.
  const std::vector<Cross> cross = crossSegments(probe, 0, 1);
  std::vector<Cross> ticks, grid;
  for (const Cross& c : cross)
    (c.hi <= 1e-6f ? ticks : grid).push_back(c);
  ASSERT_EQ(ticks.size(), 6u);
  ASSERT_EQ(grid.size(), 6u);
  for (int i = 0; i < 6; ++i) {
    EXPECT_NEAR(ticks[i].at, 2.0f * i, 1e-5f);
    EXPECT_NEAR(ticks[i].lo, -0.25f, 1e-5f);
    EXPECT_NEAR(grid[i].at, 2.0f * i, 1e-5f);
    EXPECT_NEAR(grid[i].lo, 0.0f, 1e-5f);
    EXPECT_NEAR(grid[i].hi, 10.0f, 1e-4f);
  }

  // The arrow: one triangle beyond the end, 5 % long and 3 % high.
  SoNode* arrow = s.axis->getPart("arrow", FALSE);
  ASSERT_NE(arrow, nullptr);
  const SbBox3f arrowBox = GeometryProbe(arrow).bbox();
  EXPECT_NEAR(arrowBox.getMin()[0], 10.0f, 1e-5f);
  EXPECT_NEAR(arrowBox.getMax()[0], 10.5f, 1e-5f);
  EXPECT_NEAR(arrowBox.getMax()[1] - arrowBox.getMin()[1], 0.3f, 1e-5f);

  // Ticks across the axis: half on each side.
  s.axis->tickPosition.setValue(PoAxis::TICK_ACROSS_AXIS);
  s.axis->gridVisibility.setValue(PoAxis::VISIBILITY_OFF);
  const std::vector<Cross> across = crossSegments(s.probe(), 0, 1);
  ASSERT_EQ(across.size(), 6u);
  EXPECT_NEAR(across[0].lo, -0.125f, 1e-5f);
  EXPECT_NEAR(across[0].hi, 0.125f, 1e-5f);
}

TEST(LinearAxisGeometry, LabelsReadTheValuesBelowTheTicksWithoutOverlap)
{
  AxisScene s;
  s.axis->end.setValue(10.0f);
  const std::vector<std::string> labels = s.texts("mainGradText");
  const std::vector<std::string> expected = {"0", "2", "4", "6", "8", "10"};
  EXPECT_EQ(labels, expected);
  EXPECT_EQ(s.axis->getPart("multFactor", FALSE), nullptr);

  const std::vector<SbBox3f> boxes = s.textBoxes("mainGradText");
  ASSERT_EQ(boxes.size(), 6u);
  for (size_t i = 0; i < boxes.size(); ++i) {
    // Centred under its graduation, below the ticks.
    EXPECT_NEAR(boxes[i].getCenter()[0], 2.0f * i, 0.1f);
    EXPECT_LT(boxes[i].getMax()[1], -0.25f);
  }

  // Long labels on a short axis shrink until they leave room between them.
  PbNumericDisplayFormat wide(PbNumericDisplayFormat::FLOAT_FORMAT, 0, 6);
  s.axis->setFormat(&wide);
  s.axis->end.setValue(3.0f);
  const std::vector<std::string> wideLabels = s.texts("mainGradText");
  ASSERT_FALSE(wideLabels.empty());
  EXPECT_EQ(wideLabels[1], "0.400000");
  const std::vector<SbBox3f> wideBoxes = s.textBoxes("mainGradText");
  ASSERT_EQ(wideBoxes.size(), wideLabels.size());
  for (size_t i = 1; i < wideBoxes.size(); ++i)
    EXPECT_LT(wideBoxes[i - 1].getMax()[0], wideBoxes[i].getMin()[0]) << "labels " << i - 1 << ", " << i;
  s.axis->setFormat(nullptr);
}

TEST(LinearAxisGeometry, LargeValuesShowOnePowerOfTen)
{
  AxisScene s(PbDomain(0, 0, 0, 50000, 50000, 50000));
  s.axis->end.setValue(50000.0f);
  const std::vector<std::string> labels = s.texts("mainGradText");
  const std::vector<std::string> expected = {"0", "10", "20", "30", "40", "50"};
  EXPECT_EQ(labels, expected);
  EXPECT_EQ(s.axis->getTenPower(), 3);
  const std::vector<std::string> factor = s.texts("multFactor");
  ASSERT_EQ(factor.size(), 2u);
  EXPECT_EQ(factor[0], "x 10");
  EXPECT_EQ(factor[1], "3");
  // Beyond the arrow's tip, and the exponent raised above "x 10".
  const std::vector<SbBox3f> boxes = s.textBoxes("multFactor");
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_GT(boxes[0].getMin()[0], 50000.0f * 1.05f);
  EXPECT_GE(boxes[1].getMin()[0], boxes[0].getMax()[0] - 100.0f);
  EXPECT_GT(boxes[1].getMin()[1], boxes[0].getMin()[1]);

  // The same power as a suffix of every label, and no separate factor.
  s.axis->multFactorPosition.setValue(PoLinearAxis::MULT_FACTOR_GRAD);
  EXPECT_EQ(s.texts("mainGradText")[2], "20E3");
  EXPECT_EQ(s.axis->getPart("multFactor", FALSE), nullptr);
  // Both ends.
  s.axis->multFactorPosition.setValue(PoLinearAxis::MULT_FACTOR_EXTR);
  const std::vector<SbBox3f> both = s.textBoxes("multFactor");
  ASSERT_EQ(both.size(), 4u);
  EXPECT_LT(std::min(both[0].getMax()[0], both[1].getMax()[0]), 0.0f);
}

TEST(LinearAxisGeometry, VerticalAxisOnAStretchedDomainKeepsItsLabelsLeft)
{
  // A Y axis over 0..100 in a domain 10 wide: the domain transform squeezes y by 10.
  AxisScene s(PbDomain(0, 0, 0, 10, 100, 10));
  s.axis->type.setValue(PoCartesianAxis::YX);
  s.axis->start.setValue(SbVec3f(2, 0, 0));
  s.axis->end.setValue(100.0f);
  s.axis->tickFirstGrad.setValue(2);
  s.axis->tickLastGrad.setValue(2);
  const SbMatrix toScene = s.domain.getMatrix();
  auto scene = [&](float x, float y) {
    SbVec3f out;
    toScene.multVecMatrix(SbVec3f(x, y, 0), out);
    return out;
  };

  const std::vector<std::string> labels = s.texts("mainGradText");
  const std::vector<std::string> expected = {"20", "40", "60", "80"};
  EXPECT_EQ(labels, expected);
  const float* sub = nullptr;
  ASSERT_EQ(s.axis->getSubGradCoords(sub), 2); // the dropped ends become sub ticks

  // Main ticks at y = 20 .. 80 in the domain, pointing left from x = 2 by 2.5 % of the
  // extent along the axis (100 domain units of y, which is 10 scene units of x).
  const std::vector<Cross> ticks = crossSegments(s.probe(), 1, 0);
  std::vector<Cross> mainTicks;
  for (const Cross& c : ticks)
    if (c.hi - c.lo > 0.75f * 0.25f * (scene(1, 0)[0] - scene(0, 0)[0]))
      mainTicks.push_back(c);
  ASSERT_EQ(mainTicks.size(), 4u);
  for (int i = 0; i < 4; ++i) {
    EXPECT_NEAR(mainTicks[i].at, scene(2, 20.0f * (i + 1))[1], 1e-4f);
    EXPECT_NEAR(mainTicks[i].hi, scene(2, 0)[0], 1e-4f);
    EXPECT_NEAR(mainTicks[i].lo, scene(2, 0)[0] - (scene(2.25f, 0)[0] - scene(2, 0)[0]), 1e-4f);
  }
}

TEST(LinearAxisGeometry, TitleAndNothingForAnEmptyAxis)
{
  AxisScene s;
  s.axis->end.setValue(10.0f);
  s.axis->titleVisibility.setValue(PoAxis::VISIBILITY_ON);
  s.axis->titleString.setValue("time (s)");
  EXPECT_EQ(s.texts("title"), std::vector<std::string>{"time (s)"});
  const std::vector<SbBox3f> title = s.textBoxes("title");
  const std::vector<SbBox3f> labels = s.textBoxes("mainGradText");
  ASSERT_EQ(title.size(), 1u);
  ASSERT_FALSE(labels.empty());
  EXPECT_NEAR(title[0].getCenter()[0], 5.0f, 0.1f);
  for (const SbBox3f& label : labels)
    EXPECT_LT(title[0].getMax()[1], label.getMin()[1]); // under the labels

  // An axis of zero length builds nothing but its transform.
  s.axis->end.setValue(0.0f);
  s.probe();
  EXPECT_EQ(s.axis->getPart("body", FALSE), nullptr);
  EXPECT_EQ(s.axis->getPart("mainGradText", FALSE), nullptr);
  EXPECT_NE(s.axis->getPart("transform", FALSE), nullptr);

  // A NaN end is reported, not drawn.
  ErrorCatcher errors;
  s.axis->end.setValue(std::numeric_limits<float>::quiet_NaN());
  EXPECT_TRUE(s.probe().empty());
  EXPECT_TRUE(errors.contains("not finite"));
}

} // namespace
