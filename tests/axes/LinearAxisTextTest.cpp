// The texts of a linear axis measured in the axis frame: mirrored labels, title and factor of
// a reversed axis, the title beyond the end, the power-of-ten factor at each position, and the
// node's own text attributes.
#include "axes/AxisScene.h"

#include <Gridlux/attributes/PbMiscTextAttr.h>
#include <Gridlux/attributes/PoMiscTextAttr.h>

#include <Inventor/nodes/SoFont.h>

#include <gtest/gtest.h>

namespace {

// Label size of the last build, in the axis frame.
float labelSize(const AxisScene& s, float deltaAlong)
{
  PoAxis::Visibility visibility;
  PoAxis::GradPosition position;
  PoAxis::TextPath path;
  SbString font, add;
  float size, dist;
  SbBool addOn;
  s.axis->getGrad(visibility, position, path, font, size, dist, addOn, add);
  return size * deltaAlong;
}

void expectDir(const SbVec3f& actual, float x, float y, float z, const char* what)
{
  EXPECT_NEAR(actual[0], x, 1e-4f) << what;
  EXPECT_NEAR(actual[1], y, 1e-4f) << what;
  EXPECT_NEAR(actual[2], z, 1e-4f) << what;
}

// Seen from behind, a text is its front view reflected through the plane across the axis:
// reading and up directions keep y and flip x, and the face turns away from +z.
void expectMirrored(const AxisScene::TextFrame& front, const AxisScene::TextFrame& back,
                    const char* what)
{
  expectDir(front.normal, 0, 0, 1, what);
  expectDir(back.normal, 0, 0, -1, what);
  expectDir(back.reading, -front.reading[0], front.reading[1], 0, what);
  expectDir(back.up, -front.up[0], front.up[1], 0, what);
}

TEST(LinearAxisText, ReversedAxisMirrorsLabelsAndTitleInPlace)
{
  const PoAxis::TextPath paths[] = {PoAxis::PATH_RIGHT, PoAxis::PATH_LEFT, PoAxis::PATH_UP,
                                    PoAxis::PATH_DOWN};
  const PoAxis::GradPosition sides[] = {PoAxis::GRAD_BELOW, PoAxis::GRAD_ABOVE};
  for (PoAxis::TextPath path : paths)
    for (PoAxis::GradPosition side : sides) {
      SCOPED_TRACE(testing::Message() << "path " << path << ", side " << side);
      AxisScene s;
      s.axis->end.setValue(10.0f);
      s.axis->gradPath.setValue(path);
      s.axis->gradPosition.setValue(side);
      s.axis->titleVisibility.setValue(PoAxis::VISIBILITY_ON);
      s.axis->titleString.setValue("time");
      s.axis->titlePath.setValue(path);
      const std::vector<std::string> frontTexts = s.texts("mainGradText");
      const auto front = s.textFrames("mainGradText");
      const auto frontBoxes = s.textBoxes("mainGradText");
      const auto frontTitle = s.textFrames("title");
      const auto frontTitleBox = s.textBoxes("title");
      const float size = labelSize(s, 10.0f);

      s.axis->reverseFlag.setValue(PoAxis::AXIS_REVERSE);
      EXPECT_EQ(s.texts("mainGradText"), frontTexts);
      const auto back = s.textFrames("mainGradText");
      const auto backBoxes = s.textBoxes("mainGradText");
      EXPECT_EQ(s.axis->getReverseFlag(), PoAxis::AXIS_REVERSE);
      ASSERT_EQ(front.size(), 6u);
      ASSERT_EQ(back.size(), front.size());
      ASSERT_EQ(backBoxes.size(), frontBoxes.size());
      for (size_t i = 0; i < front.size(); ++i) {
        expectMirrored(front[i], back[i], "label");
        // Same place: the label stays on its side of the axis and by its graduation.
        for (int k = 0; k < 2; ++k) {
          EXPECT_NEAR(backBoxes[i].getCenter()[k], frontBoxes[i].getCenter()[k], 0.25f * size);
          EXPECT_NEAR(backBoxes[i].getMax()[k] - backBoxes[i].getMin()[k],
                      frontBoxes[i].getMax()[k] - frontBoxes[i].getMin()[k], 0.05f * size);
        }
      }
      const auto backTitle = s.textFrames("title");
      const auto backTitleBox = s.textBoxes("title");
      ASSERT_EQ(frontTitle.size(), 1u);
      ASSERT_EQ(backTitle.size(), 1u);
      expectMirrored(frontTitle[0], backTitle[0], "title");
      EXPECT_NEAR(backTitleBox[0].getCenter()[0], frontTitleBox[0].getCenter()[0], 0.25f * size);
      EXPECT_NEAR(backTitleBox[0].getCenter()[1], frontTitleBox[0].getCenter()[1], 0.4f * size);
    }
}

TEST(LinearAxisText, TitleAtTheEndStandsBeyondWhatIsBuilt)
{
  // Axis 0..10 in a 10-unit domain: arrow tip at 10.5, title size 0.55.
  AxisScene s;
  s.axis->end.setValue(10.0f);
  s.axis->titleVisibility.setValue(PoAxis::VISIBILITY_ON);
  s.axis->titleString.setValue("time (s)");
  s.axis->titlePosition.setValue(PoAxis::TITLE_END);
  const float size = 0.55f;
  std::vector<SbBox3f> title = s.textBoxes("title");
  ASSERT_EQ(title.size(), 1u);
  EXPECT_NEAR(title[0].getMin()[0], 10.5f + 0.65f * size, 0.05f * size);
  EXPECT_LT(std::fabs(title[0].getCenter()[1]), 0.15f * size); // centred on the axis line
  PoAxis::Visibility visibility;
  PoAxis::TitlePosition position;
  PoAxis::TextPath path;
  SbString string, font;
  float fontSize, dist;
  s.axis->getTitle(visibility, position, path, string, font, fontSize, dist);
  EXPECT_EQ(position, PoAxis::TITLE_END);
  EXPECT_NEAR(dist, (0.5f + 0.65f * size) / 10.0f, 1e-5f); // the distance found, written back

  // Mirrored, it keeps its place beyond the arrow.
  s.axis->reverseFlag.setValue(PoAxis::AXIS_REVERSE);
  const std::vector<SbBox3f> back = s.textBoxes("title");
  ASSERT_EQ(back.size(), 1u);
  EXPECT_NEAR(back[0].getMin()[0], title[0].getMin()[0], 0.05f * size);
  EXPECT_NEAR(back[0].getMax()[0], title[0].getMax()[0], 0.05f * size);
  expectDir(s.textFrames("title")[0].normal, 0, 0, -1, "mirrored title");
  s.axis->reverseFlag.setValue(PoAxis::AXIS_REVERSE_DEPEND);

  // A distance of its own counts from the end of the line, arrow or not.
  s.axis->titleDistAxis.setValue(0.2f);
  title = s.textBoxes("title");
  EXPECT_NEAR(title[0].getMin()[0], 12.0f, 0.05f * size);

  // A decreasing axis ends on the left, and the title reads toward it.
  s.axis->titleDistAxis.setValue(0.0f);
  s.axis->start.setValue(SbVec3f(10, 0, 0));
  s.axis->end.setValue(0.0f);
  title = s.textBoxes("title");
  EXPECT_NEAR(title[0].getMax()[0], -0.5f - 0.65f * size, 0.05f * size);

  // Along Y the title lies across the axis beyond the arrow, reading left to right in the
  // world, centred on the axis line.
  s.axis->start.setValue(SbVec3f(0, 0, 0));
  s.axis->end.setValue(10.0f);
  s.axis->type.setValue(PoCartesianAxis::YX);
  s.axis->titlePosition.setValue(PoAxis::TITLE_DEPEND);
  s.axis->titlePath.setValue(PoAxis::PATH_DEPEND);
  title = s.textBoxes("title");
  const auto frame = s.textFrames("title");
  ASSERT_EQ(frame.size(), 1u);
  expectDir(frame[0].reading, 0, -1, 0, "YX title"); // local -y is world +x for YX
  // Its anchor is the bottom line of the text, a little below the lowest glyph.
  EXPECT_GT(title[0].getMin()[0], 10.5f + 0.6f * size);
  EXPECT_LT(title[0].getMin()[0], 10.5f + 0.85f * size);
  EXPECT_NEAR(title[0].getCenter()[1], 0.0f, 0.05f * size);
}

TEST(LinearAxisText, TitleAtTheEndClearsTheFactor)
{
  AxisScene s(PbDomain(0, 0, 0, 50000, 50000, 50000));
  s.axis->end.setValue(50000.0f);
  s.axis->titleVisibility.setValue(PoAxis::VISIBILITY_ON);
  s.axis->titleString.setValue("flow");
  s.axis->titlePosition.setValue(PoAxis::TITLE_END);
  const SbBox3f factor = unionBox(s.textBoxes("multFactor"));
  const std::vector<SbBox3f> title = s.textBoxes("title");
  ASSERT_FALSE(factor.isEmpty());
  ASSERT_EQ(title.size(), 1u);
  const float size = 0.055f * 50000.0f;
  EXPECT_NEAR(title[0].getMin()[0], factor.getMax()[0] + 0.65f * size, 0.05f * size);
}

// "x 10" and its exponent, at every position, against the axis 0..50000 (arrow tip 52500).
TEST(LinearAxisText, FactorAtEachPosition)
{
  AxisScene s(PbDomain(0, 0, 0, 50000, 50000, 50000));
  s.axis->end.setValue(50000.0f);
  const float delta = 50000.0f;
  const std::vector<SbBox3f> labels = s.textBoxes("mainGradText");
  const SbBox3f row = unionBox(labels);
  const float size = labelSize(s, delta);
  ASSERT_GT(size, 0.0f);
  const float gap = 0.65f * size, tol = 0.05f * size;
  const float rowLeft = std::min(row.getMin()[0], 0.0f);

  // Beyond the arrow, the exponent raised by half a size just after "x 10", the pair centred
  // on the row of labels.
  std::vector<SbBox3f> end = s.textBoxes("multFactor");
  ASSERT_EQ(end.size(), 2u);
  EXPECT_EQ(s.texts("multFactor"), (std::vector<std::string>{"x 10", "3"}));
  EXPECT_NEAR(unionBox(end).getMin()[0], 52500.0f + gap, tol);
  EXPECT_NEAR(end[1].getMin()[1] - end[0].getMin()[1], 0.5f * size, 0.1f * size);
  EXPECT_GT(end[1].getMin()[0], end[0].getMax()[0] - tol);
  EXPECT_LT(end[1].getMin()[0], end[0].getMax()[0] + 0.25f * size);
  EXPECT_NEAR(unionBox(end).getCenter()[1], row.getCenter()[1], tol);
  PoLinearAxis::MultFactorPosition position;
  float dist;
  s.axis->getMultFactor(position, dist);
  EXPECT_EQ(position, PoLinearAxis::MULT_FACTOR_END);
  EXPECT_NEAR(dist, (2500.0f + gap) / delta, 1e-5f);

  // Before the start, clear of the first label, which reaches left of the axis.
  s.axis->multFactorPosition.setValue(PoLinearAxis::MULT_FACTOR_START);
  const std::vector<SbBox3f> start = s.textBoxes("multFactor");
  ASSERT_EQ(start.size(), 2u);
  EXPECT_NEAR(unionBox(start).getMax()[0], rowLeft - gap, tol);
  EXPECT_NEAR(start[1].getMin()[1] - start[0].getMin()[1], 0.5f * size, 0.1f * size);

  // Both ends: the same two pairs.
  s.axis->multFactorPosition.setValue(PoLinearAxis::MULT_FACTOR_EXTR);
  const std::vector<SbBox3f> both = s.textBoxes("multFactor");
  ASSERT_EQ(both.size(), 4u);
  for (int i = 0; i < 2; ++i)
    for (int k = 0; k < 2; ++k) {
      EXPECT_NEAR(both[i].getMin()[k], start[i].getMin()[k], 1.0f);
      EXPECT_NEAR(both[i + 2].getMin()[k], end[i].getMin()[k], 1.0f);
    }

  // A distance of its own counts from the ends of the axis line, on both sides.
  s.axis->multFactorDistAxis.setValue(0.1f);
  const std::vector<SbBox3f> fixed = s.textBoxes("multFactor");
  ASSERT_EQ(fixed.size(), 4u);
  EXPECT_NEAR(std::max(fixed[0].getMax()[0], fixed[1].getMax()[0]), -5000.0f, tol);
  EXPECT_NEAR(std::min(fixed[2].getMin()[0], fixed[3].getMin()[0]), 55000.0f, tol);

  // A decreasing axis ends on the left: its factor goes beyond the arrow there.
  s.axis->multFactorDistAxis.setValue(0.0f);
  s.axis->multFactorPosition.setValue(PoLinearAxis::MULT_FACTOR_END);
  s.axis->start.setValue(SbVec3f(50000, 0, 0));
  s.axis->end.setValue(0.0f);
  EXPECT_NEAR(unionBox(s.textBoxes("multFactor")).getMax()[0], -2500.0f - gap, tol);

  // No common power, no factor, wherever it was asked for.
  s.axis->start.setValue(SbVec3f(0, 0, 0));
  s.axis->end.setValue(50.0f);
  for (int p = PoLinearAxis::MULT_FACTOR_START; p <= PoLinearAxis::MULT_FACTOR_GRAD; ++p) {
    s.axis->multFactorPosition.setValue(p);
    s.probe();
    EXPECT_EQ(s.axis->getTenPower(), 0);
    EXPECT_EQ(s.axis->getPart("multFactor", FALSE), nullptr) << "position " << p;
  }
}

TEST(LinearAxisText, FactorReadsRightFromBehindAndAcrossAVerticalAxis)
{
  AxisScene s(PbDomain(0, 0, 0, 50000, 50000, 50000));
  s.axis->end.setValue(50000.0f);
  s.axis->reverseFlag.setValue(PoAxis::AXIS_REVERSE);
  s.probe();
  const float size = labelSize(s, 50000.0f);
  const float tol = 0.05f * size;
  // Mirrored, the exponent comes first along +x, so that from behind it follows "x 10".
  const std::vector<SbBox3f> back = s.textBoxes("multFactor");
  ASSERT_EQ(back.size(), 2u);
  EXPECT_EQ(s.texts("multFactor"), (std::vector<std::string>{"x 10", "3"}));
  EXPECT_LT(back[1].getMax()[0], back[0].getMin()[0] + tol);
  EXPECT_GT(back[1].getMax()[0], back[0].getMin()[0] - 0.25f * size);
  EXPECT_NEAR(back[1].getMin()[1] - back[0].getMin()[1], 0.5f * size, 0.1f * size);
  EXPECT_NEAR(unionBox(back).getMin()[0], 52500.0f + 0.65f * size, tol);
  for (const AxisScene::TextFrame& f : s.textFrames("multFactor"))
    expectDir(f.normal, 0, 0, -1, "mirrored factor");

  // Along Y the labels read across the axis; the factor stands beyond the arrow, "x 10"
  // reading toward the exponent (local -y, world +x), which is raised toward the end.
  s.axis->reverseFlag.setValue(PoAxis::AXIS_REVERSE_DEPEND);
  s.axis->type.setValue(PoCartesianAxis::YX);
  const std::vector<SbBox3f> across = s.textBoxes("multFactor");
  const SbBox3f row = unionBox(s.textBoxes("mainGradText"));
  ASSERT_EQ(across.size(), 2u);
  EXPECT_NEAR(unionBox(across).getMin()[0], 52500.0f + 0.65f * size, tol);
  EXPECT_NEAR(across[1].getMin()[0] - across[0].getMin()[0], 0.5f * size, 0.1f * size);
  EXPECT_NEAR(across[1].getMax()[1], across[0].getMin()[1], 0.25f * size);
  EXPECT_NEAR(unionBox(across).getCenter()[1], row.getCenter()[1], tol);
}

// Labels stand 0.65 of their size beyond everything built before them, the arrow included:
// the last label, centred on the end of the line, passes under the arrow head, not into it.
TEST(LinearAxisText, LabelsClearTheArrowHead)
{
  AxisScene s(PbDomain(0, 0, 0, 10, 50000, 1));
  s.axis->end.setValue(10.0f);
  s.axis->tickSubDef.setValue(PoAxis::NUM_SUB_TICK);
  s.axis->tickNumOrPeriod.setValue(4);
  const float arrowHeights[] = {0.0f, 0.1f}; // under the ticks' 0.025, and beyond them
  for (float height : arrowHeights) {
    SCOPED_TRACE(testing::Message() << "arrow height " << height);
    s.axis->arrowHeight.setValue(height);
    const std::vector<SbBox3f> labels = s.textBoxes("mainGradText");
    ASSERT_EQ(labels.size(), 6u);
    const float size = labelSize(s, 10.0f);
    const SbBox3f arrow = GeometryProbe(s.axis->getPart("arrow", FALSE)).bbox();
    const SbBox3f ticks = GeometryProbe(s.axis->getPart("mainGradTick", FALSE)).bbox();
    const float lowest = std::min(arrow.getMin()[1], ticks.getMin()[1]);
    // The last label lies under the arrow head...
    EXPECT_GT(labels.back().getMax()[0], arrow.getMin()[0]);
    // ...below it by the gap (less the few hundredths by which digits overshoot the cap line).
    for (const SbBox3f& label : labels)
      EXPECT_LT(label.getMax()[1], lowest - 0.5f * size);
    EXPECT_GT(labels.back().getMax()[1], lowest - 0.75f * size);
  }
}

// Font name of the first SoFont under a part.
std::string fontOf(AxisScene& s, const char* part)
{
  s.probe();
  SoNode* node = s.axis->getPart(part, FALSE);
  if (!node)
    return "";
  SoSearchAction search;
  search.setType(SoFont::getClassTypeId());
  search.apply(node);
  if (!search.getPath())
    return "";
  return static_cast<SoFont*>(search.getPath()->getTail())->name.getValue().getString();
}

TEST(LinearAxisText, OwnTextAttributesOverrideTheState)
{
  AxisScene s;
  s.axis->end.setValue(10.0f);
  s.axis->titleVisibility.setValue(PoAxis::VISIBILITY_ON);
  s.axis->titleString.setValue("flow in litres per hour");
  PoMiscTextAttr* stateAttr = new PoMiscTextAttr;
  stateAttr->fontName.setValue("DejaVu Serif");
  s.root->insertChild(stateAttr, 0);
  EXPECT_EQ(fontOf(s, "mainGradText"), "DejaVu Serif");
  EXPECT_EQ(fontOf(s, "title"), "DejaVu Serif");
  EXPECT_EQ(s.texts("title"), std::vector<std::string>{"flow in litres per hour"});

  // The node's own attributes: font and line breaking of labels and title.
  PbMiscTextAttr own;
  own.setFontName("DejaVu Sans Mono");
  own.setLineLength(' ', 10);
  s.axis->setMiscTextAttr(&own);
  EXPECT_EQ(s.axis->getMiscTextAttr(), &own);
  EXPECT_EQ(fontOf(s, "mainGradText"), "DejaVu Sans Mono");
  const SoFont* appFont = static_cast<SoFont*>(s.axis->getPart("mainGradTextApp.font", FALSE));
  ASSERT_NE(appFont, nullptr);
  EXPECT_STREQ(appFont->name.getValue().getString(), "DejaVu Sans Mono");
  EXPECT_EQ(fontOf(s, "title"), "DejaVu Sans Mono");
  EXPECT_EQ(s.texts("title"), std::vector<std::string>{"flow in\nlitres per\nhour"});

  // The node follows its own attributes and no longer the state's.
  own.setFontName("DejaVu Serif Condensed");
  stateAttr->fontName.setValue("DejaVu Sans");
  EXPECT_EQ(fontOf(s, "mainGradText"), "DejaVu Serif Condensed");
  // A font field of the node still wins over any attributes.
  s.axis->gradFontName.setValue("DejaVu Sans Mono");
  EXPECT_EQ(fontOf(s, "mainGradText"), "DejaVu Sans Mono");
  EXPECT_EQ(fontOf(s, "title"), "DejaVu Serif Condensed");
  s.axis->gradFontName.setValue("");

  // Null goes back to the state's.
  s.axis->setMiscTextAttr(nullptr);
  EXPECT_EQ(s.axis->getMiscTextAttr(), nullptr);
  EXPECT_EQ(fontOf(s, "mainGradText"), "DejaVu Sans");
  EXPECT_EQ(s.texts("title"), std::vector<std::string>{"flow in litres per hour"});

  // Attributes destroyed while followed are forgotten.
  PbMiscTextAttr* shortLived = new PbMiscTextAttr;
  shortLived->setFontName("DejaVu Serif");
  s.axis->setMiscTextAttr(shortLived);
  EXPECT_EQ(fontOf(s, "title"), "DejaVu Serif");
  delete shortLived;
  EXPECT_EQ(s.axis->getMiscTextAttr(), nullptr);
  EXPECT_EQ(fontOf(s, "title"), "DejaVu Sans");
}

} // namespace
