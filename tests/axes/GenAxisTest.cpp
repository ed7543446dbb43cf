// The axis with given labels through what it builds: where the strings stand over the graduated
// interval, which of them the tick fields keep as labelled graduations, texts read back from the
// text nodes, bad or empty lists, rebuilds and files.
#include "axes/AxisScene.h"

#include <Gridlux/axes/PoGenAxis.h>

#include <gtest/gtest.h>

namespace {

typedef AxisSceneOf<PoGenAxis> GenScene;

void setStrings(PoGenAxis* axis, std::vector<const char*> strings)
{
  axis->gradList.setNum(0);
  for (int i = 0; i < int(strings.size()); ++i)
    axis->gradList.set1Value(i, strings[i]);
}

// Positions along x of the ticks drawn in one part, measured from the built lines.
std::vector<float> tickPositions(GenScene& s, const char* part)
{
  s.probe();
  return tickPositionsOf(s.axis->getPart(part, FALSE));
}

TEST(GenAxisClasses, RegisteredWithItsFieldAndConstructor)
{
  expectCreatable("PoGenAxis", "PoCartesianAxis");
  PoGenAxis* axis = new PoGenAxis;
  axis->ref();
  ASSERT_EQ(axis->gradList.getNum(), 1);
  EXPECT_STREQ(axis->gradList[0].getString(), "");
  EXPECT_EQ(axis->getNodekitCatalog()->getPartNumber("multFactor"), SO_CATALOG_NAME_NOT_FOUND);
  axis->unref();

  const SbString strings[] = {"low", "mid", "high"};
  PoGenAxis* placed = new PoGenAxis(SbVec3f(2, 1, 0), 5.0f, PoCartesianAxis::YX, strings, 3);
  placed->ref();
  EXPECT_EQ(placed->start.getValue(), SbVec3f(2, 1, 0));
  EXPECT_EQ(placed->end.getValue(), 5.0f);
  EXPECT_EQ(placed->type.getValue(), PoCartesianAxis::YX);
  ASSERT_EQ(placed->gradList.getNum(), 3);
  EXPECT_STREQ(placed->gradList[2].getString(), "high");
  placed->unref();
}

TEST(GenAxisGraduations, ThreeStringsOverZeroToTen)
{
  GenScene s;
  s.axis->end.setValue(10.0f);
  setStrings(s.axis, {"alpha", "beta", "gamma"});
  EXPECT_EQ(s.texts("mainGradText"), (std::vector<std::string>{"alpha", "beta", "gamma"}));
  expectCoords(tickPositions(s, "mainGradTick"), {0.0f, 5.0f, 10.0f});
  EXPECT_EQ(s.axis->getPart("subGradTick", FALSE), nullptr);
  // Each label is centred below its graduation.
  const std::vector<SbBox3f> boxes = s.textBoxes("mainGradText");
  ASSERT_EQ(boxes.size(), 3u);
  const float at[] = {0.0f, 5.0f, 10.0f};
  for (int i = 0; i < 3; ++i) {
    EXPECT_NEAR(boxes[i].getCenter()[0], at[i], 0.05f);
    EXPECT_LT(boxes[i].getMax()[1], 0.0f);
  }
}

TEST(GenAxisGraduations, MarginsDirectionAndSingleString)
{
  // Decreasing axis from 2 to -6 with a quarter of it kept free at the start: 0 .. -6.
  GenScene s;
  s.axis->start.setValue(SbVec3f(2, 0, 0));
  s.axis->end.setValue(-6.0f);
  s.axis->marginStart.setValue(0.25f);
  setStrings(s.axis, {"a", "b", "c", "d", "e"});
  s.probe();
  const float* c = nullptr;
  ASSERT_EQ(s.axis->getMainGradCoords(c), 5);
  expectCoords(std::vector<float>(c, c + 5), {0.0f, -1.5f, -3.0f, -4.5f, -6.0f});
  EXPECT_EQ(s.texts("mainGradText"), (std::vector<std::string>{"a", "b", "c", "d", "e"}));

  // One string stands at the start of the graduated interval, fixed margins in domain units.
  s.axis->marginType.setValue(PoAxis::FIXED_MARGIN);
  s.axis->marginStart.setValue(0.5f);
  setStrings(s.axis, {"only"});
  expectCoords(tickPositions(s, "mainGradTick"), {1.5f});
  EXPECT_EQ(s.texts("mainGradText"), (std::vector<std::string>{"only"}));
}

TEST(GenAxisGraduations, TickFieldsChooseTheLabelledStrings)
{
  GenScene s;
  s.axis->end.setValue(8.0f);
  setStrings(s.axis, {"1", "2", "3", "4", "5"});
  s.axis->tickNumOrPeriod.setValue(2);
  EXPECT_EQ(s.texts("mainGradText"), (std::vector<std::string>{"1", "3", "5"}));
  expectCoords(tickPositions(s, "mainGradTick"), {0.0f, 4.0f, 8.0f});
  expectCoords(tickPositions(s, "subGradTick"), {2.0f, 6.0f});

  // Sub ticks divide the spacing of the strings; the first and last string lose their label.
  s.axis->tickSubDef.setValue(PoAxis::NUM_SUB_TICK);
  s.axis->tickNumOrPeriod.setValue(1);
  s.axis->tickFirstGrad.setValue(2);
  s.axis->tickLastGrad.setValue(2);
  EXPECT_EQ(s.texts("mainGradText"), (std::vector<std::string>{"2", "3", "4"}));
  expectCoords(tickPositions(s, "mainGradTick"), {2.0f, 4.0f, 6.0f});
  expectCoords(tickPositions(s, "subGradTick"), {0.0f, 1.0f, 3.0f, 5.0f, 7.0f, 8.0f});
}

TEST(GenAxisLabels, AddStringRebuildsAndLongTextsStayApart)
{
  GenScene s;
  s.axis->end.setValue(10.0f);
  setStrings(s.axis, {"Jan", "Feb"});
  s.axis->gradAddStringVisibility.setValue(TRUE);
  s.axis->gradAddString.setValue(" 2026");
  EXPECT_EQ(s.texts("mainGradText"), (std::vector<std::string>{"Jan 2026", "Feb 2026"}));

  s.axis->gradAddStringVisibility.setValue(FALSE);
  setStrings(s.axis, {"a rather long first label", "a rather long second label",
                      "a rather long third label", "a rather long fourth label",
                      "a rather long fifth label", "a rather long sixth label"});
  const std::vector<SbBox3f> boxes = s.textBoxes("mainGradText");
  ASSERT_EQ(boxes.size(), 6u);
  for (size_t i = 1; i < boxes.size(); ++i)
    EXPECT_LT(boxes[i - 1].getMax()[0], boxes[i].getMin()[0]) << "labels " << i - 1 << ", " << i;
}

TEST(GenAxisInput, EmptyListsAndUnusableSpans)
{
  GenScene s;
  s.axis->end.setValue(10.0f);
  ErrorCatcher errors;
  s.axis->gradList.setNum(0);
  s.probe();
  EXPECT_NE(s.axis->getPart("body", FALSE), nullptr);
  EXPECT_EQ(s.axis->getPart("mainGradText", FALSE), nullptr);
  EXPECT_EQ(s.axis->getPart("mainGradTick", FALSE), nullptr);
  EXPECT_EQ(s.axis->getPart("subGradTick", FALSE), nullptr);

  // Margins that meet leave no room to spread several strings.
  setStrings(s.axis, {"x", "y"});
  s.axis->marginStart.setValue(0.6f);
  s.axis->marginEnd.setValue(0.6f);
  s.probe();
  EXPECT_EQ(s.axis->getPart("mainGradText", FALSE), nullptr);
  EXPECT_EQ(errors.count(), 0);

  s.axis->end.setValue(std::numeric_limits<float>::infinity());
  s.probe();
  EXPECT_EQ(s.axis->getPart("body", FALSE), nullptr);
  ASSERT_EQ(errors.count(), 1);
  EXPECT_TRUE(errors.contains("PoGenAxis::rebuild(): axis from 0 to inf is not finite"));
}

TEST(GenAxisFiles, ListSurvivesAFileWithoutBuiltGeometry)
{
  GenScene s;
  s.axis->end.setValue(4.0f);
  s.axis->type.setValue(PoCartesianAxis::YX);
  setStrings(s.axis, {"north", "", "south pole"});
  s.probe();
  SoSeparator* back = readBackWithoutBuiltGeometry(s.root);
  ASSERT_NE(back, nullptr);
  ASSERT_TRUE(back->getChild(0)->isOfType(PoGenAxis::getClassTypeId()));
  PoGenAxis* read = static_cast<PoGenAxis*>(back->getChild(0));
  EXPECT_EQ(read->end.getValue(), 4.0f);
  EXPECT_EQ(read->type.getValue(), PoCartesianAxis::YX);
  ASSERT_EQ(read->gradList.getNum(), 3);
  EXPECT_STREQ(read->gradList[1].getString(), "");
  EXPECT_STREQ(read->gradList[2].getString(), "south pole");
  back->unref();
}

} // namespace
