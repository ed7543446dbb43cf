// Text building: line breaking, extents against the toolkit's bounding box, alignment against
// the font's own geometry, writing paths, mirror, text types, and the annotation text node.
#include "support/ErrorCatcher.h"

#include <Gridlux/attributes/PbMiscTextAttr.h>
#include <Gridlux/base/PoBase.h>
#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/platform/SoAnnoText3.h>
#include <Gridlux/text/PiText.h>

#include <Inventor/SbViewportRegion.h>
#include <Inventor/actions/SoGetBoundingBoxAction.h>
#include <Inventor/actions/SoSearchAction.h>
#include <Inventor/nodes/SoAsciiText.h>
#include <Inventor/nodes/SoFont.h>
#include <Inventor/nodes/SoSeparator.h>
#include <Inventor/nodes/SoText3.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

SbBox3f boxOf(SoNode* node)
{
  SoGetBoundingBoxAction action(SbViewportRegion(100, 100));
  action.apply(node);
  return action.getBoundingBox();
}

// The first node of @p type under @p root (derived types included), or null.
SoNode* findNode(SoNode* root, SoType type)
{
  SoSearchAction search;
  search.setType(type, TRUE);
  search.setInterest(SoSearchAction::FIRST);
  search.apply(root);
  return search.getPath() ? search.getPath()->getTail() : nullptr;
}

struct LineRow {
  const char* text;
  int length;
  std::vector<std::string> lines;
};

TEST(TextLines, SplitsWordByWordAndAtNewlines)
{
  const LineRow rows[] = {
      {"one two three", 10, {"one two", "three"}},
      {"one two three", 0, {"one two three"}},
      {"extraordinary", 5, {"extraordinary"}},       // a long word stands alone, uncut
      {"a extraordinary b", 5, {"a", "extraordinary", "b"}},
      {"one   two", 5, {"one", "two"}},              // runs of separators are skipped
      {"one two", 7, {"one two"}},                    // ending exactly at the limit fits
      {"first\nsecond line", 0, {"first", "second line"}},
      {"value\n", 0, {"value"}},                      // a final newline adds no empty line
      {"a\n\nb", 0, {"a", "", "b"}},
      {"", 10, {}},
  };
  for (const LineRow& row : rows) {
    std::vector<std::string> lines;
    PiText::splitLines(row.text, row.length, ' ', lines);
    EXPECT_EQ(lines, row.lines) << "\"" << row.text << "\" at " << row.length;
  }
  std::vector<std::string> lines;
  PiText::splitLines("a;b;cc", 3, ';', lines);
  EXPECT_EQ(lines, (std::vector<std::string>{"a;b", "cc"}));
}

TEST(TextLines, LineCountFollowsTheTextAttributes)
{
  PoGridlux::init();
  PiText text;
  PbMiscTextAttr attr;
  attr.setLineLength(' ', 10);
  text.setTextAttributes(&attr);
  EXPECT_EQ(text.getSubStringNum("one two three"), 2);
  text.setMultiLinesEnable(0);
  EXPECT_EQ(text.getSubStringNum("one two three"), 1);
}

// Builds texts of every alignment in both text types and compares what PiText reports with
// the bounding box of the group it built.
class TextBuild : public ::testing::TestWithParam<int> {
protected:
  static void SetUpTestSuite() { PoGridlux::init(); }
  void SetUp() override
  {
    m_oldType = PoBase::getTextType();
    PoBase::setTextType(PoBase::TextType(GetParam()));
    m_root = new SoSeparator;
    m_root->ref();
  }
  void TearDown() override
  {
    m_root->unref();
    PoBase::setTextType(m_oldType);
  }

  PoBase::TextType m_oldType;
  SoSeparator* m_root;
};

TEST_P(TextBuild, ExtentMatchesTheBuiltGeometryForEachAlignment)
{
  const PiText::HorAlignment hors[] = {PiText::LEFT, PiText::RIGHT, PiText::CENTER};
  const PiText::VertAlignment verts[] = {PiText::TOP, PiText::CAP, PiText::HALF, PiText::BASE,
                                         PiText::BOTTOM};
  for (PiText::HorAlignment h : hors)
    for (PiText::VertAlignment v : verts) {
      SoSeparator* group = new SoSeparator;
      m_root->addChild(group);
      PiText text;
      text.setGroup(group);
      text.setFont("default", 0.5f);
      text.setOrigin(1.0f, 2.0f);
      text.setAlignment(h, v);
      text.setString("Gridlux 42\nsecond");
      text.setName("title");

      SbBox2f limit;
      int limitLines = 0;
      text.getLimit(limit, limitLines);
      EXPECT_EQ(group->getNumChildren(), 0) << "getLimit adds nothing";

      SbBox2f extent;
      int lines = 0;
      ASSERT_EQ(text.build(extent, lines), 1);
      EXPECT_EQ(lines, 2);
      EXPECT_EQ(limitLines, 2);
      const SbBox3f built = boxOf(group);
      ASSERT_FALSE(built.isEmpty());
      for (int i = 0; i < 2; ++i) {
        EXPECT_NEAR(extent.getMin()[i], built.getMin()[i], 1e-4) << h << "/" << v;
        EXPECT_NEAR(extent.getMax()[i], built.getMax()[i], 1e-4) << h << "/" << v;
        EXPECT_NEAR(limit.getMin()[i], built.getMin()[i], 1e-4) << h << "/" << v;
        EXPECT_NEAR(limit.getMax()[i], built.getMax()[i], 1e-4) << h << "/" << v;
      }
      // The measured sizes of the same string agree with what was built.
      float width = 0, height = 0;
      text.getStringSizes("Gridlux 42\nsecond", width, height);
      EXPECT_NEAR(width, built.getMax()[0] - built.getMin()[0], 1e-4);
      EXPECT_NEAR(height, built.getMax()[1] - built.getMin()[1], 1e-4);

      // The node of the library's text type, named, in the project's font.
      SoNode* node = findNode(group, SoText3::getClassTypeId());
      ASSERT_NE(node, nullptr);
      EXPECT_EQ(node->isOfType(SoAnnoText3::getClassTypeId()),
                GetParam() == PoBase::TEXT_ANNOTATION);
      EXPECT_EQ(node->getName(), SbName("title"));
      SoFont* font = static_cast<SoFont*>(findNode(group, SoFont::getClassTypeId()));
      ASSERT_NE(font, nullptr);
      EXPECT_EQ(font->name.getValue(), SbName(PiText::DEFAULT_FONT));
    }
}

TEST_P(TextBuild, AnchorSitsWhereTheAlignmentSays)
{
  const float size = 2.0f;
  const SbVec2f anchor(3.0f, -1.0f);
  // Horizontal: the anchor is the left end, right end or middle of the text.
  const PiText::HorAlignment hors[] = {PiText::LEFT, PiText::RIGHT, PiText::CENTER};
  for (PiText::HorAlignment h : hors) {
    PiText text;
    text.setFont("default", size);
    text.setOrigin(anchor);
    text.setAlignment(h, PiText::BASE);
    text.setString("HELLO");
    SbBox2f box;
    int lines;
    text.getLimit(box, lines);
    const float x = h == PiText::LEFT    ? box.getMin()[0]
                    : h == PiText::RIGHT ? box.getMax()[0]
                                         : 0.5f * (box.getMin()[0] + box.getMax()[0]);
    EXPECT_NEAR(x, anchor[0], 0.1f * size) << h;
    // Capitals sit on the base line.
    EXPECT_NEAR(box.getMin()[1], anchor[1], 0.02f * size);
  }

  // Vertical, against the font's own capitals and descenders.
  PiText text;
  text.setFont("default", size);
  text.setOrigin(anchor);
  SbBox2f box;
  int lines;
  text.setString("HELLO");
  text.setVertAlignment(PiText::TOP);
  text.getLimit(box, lines);
  EXPECT_NEAR(box.getMax()[1], anchor[1], 0.03f * size) << "top of the capitals";
  text.setVertAlignment(PiText::HALF);
  text.getLimit(box, lines);
  EXPECT_NEAR(0.5f * (box.getMin()[1] + box.getMax()[1]), anchor[1], 0.06f * size);
  text.setString("gyp");
  text.setVertAlignment(PiText::BOTTOM);
  text.getLimit(box, lines);
  // The descenders end just above the anchor (under BASE they would hang 0.2 sizes below).
  EXPECT_GT(box.getMin()[1], anchor[1] - 0.01f * size) << "bottom of the descenders";
  EXPECT_LT(box.getMin()[1], anchor[1] + 0.1f * size) << "bottom of the descenders";

  // Two lines under BASE: the last line's base line is on the anchor, the first one above.
  text.setString("HIGH\nLOW");
  text.setVertAlignment(PiText::BASE);
  text.getLimit(box, lines);
  EXPECT_NEAR(box.getMin()[1], anchor[1], 0.02f * size);
  EXPECT_NEAR(box.getMax()[1], anchor[1] + 1.73f * size, 0.03f * size);
}

TEST_P(TextBuild, PathsTurnTheTextAndMirrorKeepsItsPlace)
{
  PiText text;
  text.setFont("default", 1.0f);
  text.setString("HORIZONTAL");
  SbBox2f right, up, left;
  int lines;
  text.getLimit(right, lines);
  const float length = right.getMax()[0] - right.getMin()[0];
  const float height = right.getMax()[1] - right.getMin()[1];
  ASSERT_GT(length, 3 * height);

  text.setPath(PiText::PATH_UP); // reads upward from the anchor
  text.getLimit(up, lines);
  EXPECT_NEAR(up.getMax()[1] - up.getMin()[1], length, 1e-3);
  EXPECT_NEAR(up.getMin()[1], 0.0f, 0.1f);
  EXPECT_LE(up.getMax()[0], 0.01f); // the glyphs' tops point to -x

  text.setPath(PiText::PATH_LEFT);
  text.getLimit(left, lines);
  EXPECT_NEAR(left.getMin()[0], -right.getMax()[0], 1e-3);
  EXPECT_NEAR(left.getMax()[1], -right.getMin()[1], 1e-3);

  // Mirrored text covers the same place on the same side of the anchor.
  text.setPath(PiText::PATH_RIGHT);
  const PiText::HorAlignment hors[] = {PiText::LEFT, PiText::RIGHT, PiText::CENTER};
  for (PiText::HorAlignment h : hors) {
    text.setHorAlignment(h);
    SbBox2f plain, mirrored;
    text.setMirrorEnable(0);
    text.getLimit(plain, lines);
    text.setMirrorEnable(1);
    text.getLimit(mirrored, lines);
    EXPECT_NEAR(mirrored.getMin()[0], plain.getMin()[0], 0.1f) << h;
    EXPECT_NEAR(mirrored.getMax()[0], plain.getMax()[0], 0.1f) << h;
  }
}

INSTANTIATE_TEST_SUITE_P(BothTypes, TextBuild,
                         ::testing::Values(int(PoBase::TEXT_3D), int(PoBase::TEXT_ANNOTATION)),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return std::string(info.param ? "Annotation" : "Text3");
                         });

TEST(TextModes, Vrml2ModeBuildsAsciiTextAndProfilesDressText3)
{
  PoGridlux::init();
  SoSeparator* root = new SoSeparator;
  root->ref();
  PoBase::setVRML2Mode(1);
  PiText text;
  text.setGroup(root);
  text.setString("VRML");
  SbBox2f extent;
  int lines;
  text.build(extent, lines);
  PoBase::setVRML2Mode(0);
  EXPECT_NE(findNode(root, SoAsciiText::getClassTypeId()), nullptr);
  EXPECT_EQ(findNode(root, SoText3::getClassTypeId()), nullptr);
  const SbBox3f built = boxOf(root);
  EXPECT_NEAR(extent.getMax()[0], built.getMax()[0], 1e-4);
  EXPECT_NEAR(extent.getMin()[1], built.getMin()[1], 1e-4);
  root->unref();

  const PoBase::TextType oldType = PoBase::getTextType();
  PoBase::setTextType(PoBase::TEXT_3D);
  root = new SoSeparator;
  root->ref();
  PiText profiled;
  profiled.enableProfile(1);
  profiled.setGroup(root); // adds the shared light model and profile
  profiled.setString("3D");
  profiled.build(extent, lines);
  SoText3* node = static_cast<SoText3*>(findNode(root, SoText3::getClassTypeId()));
  ASSERT_NE(node, nullptr);
  EXPECT_EQ(node->parts.getValue(), int(SoText3::ALL));
  EXPECT_GT(root->getNumChildren(), 3);
  const SbBox3f deep = boxOf(root);
  EXPECT_LT(deep.getMin()[2], -0.01f) << "the profile gives the text depth";
  EXPECT_NEAR(extent.getMax()[0], deep.getMax()[0], 1e-4);
  root->unref();
  PoBase::setTextType(oldType);
}

TEST(TextModes, BadInputIsReportedAndBuildsNothing)
{
  PoGridlux::init();
  ErrorCatcher errors;
  SoSeparator* root = new SoSeparator;
  root->ref();
  PiText text;

  SbBox2f extent;
  int lines = 7;
  EXPECT_EQ(text.build(extent, lines), 0); // no group
  EXPECT_EQ(errors.count(), 1);
  EXPECT_TRUE(extent.isEmpty());
  EXPECT_EQ(lines, 0);

  text.setGroup(root);
  errors.clear();
  text.setString(nullptr);
  EXPECT_EQ(errors.count(), 1);
  EXPECT_EQ(text.build(extent, lines), 0);
  EXPECT_EQ(root->getNumChildren(), 0);
  text.setString("");
  EXPECT_EQ(text.build(), 0); // an empty text is nothing to draw, not an error
  EXPECT_EQ(root->getNumChildren(), 0);
  EXPECT_EQ(errors.count(), 1);

  const float nan = std::numeric_limits<float>::quiet_NaN();
  errors.clear();
  text.setOrigin(nan, 0.0f);
  text.setFontSize(-1.0f);
  text.setFontSize(nan);
  text.setDirectionVectors(SbVec3f(1, 0, 0), SbVec3f(2, 0, 0));
  text.setCharUpVec(SbVec2f(0, 0));
  text.setFontName(nullptr);
  EXPECT_EQ(errors.count(), 6);
  // Everything refused kept its value: the text still builds at the origin, size 1.
  text.setString("ok");
  ASSERT_EQ(text.build(extent, lines), 1);
  EXPECT_NEAR(extent.getMin()[0], 0.0f, 0.1f);
  EXPECT_GT(extent.getMax()[1], 0.5f);

  const char* strings[] = {"a", nullptr, "wide text", "tall\ntext"};
  int widest = -2, tallest = -2;
  float maxW = 0, maxH = 0;
  text.getStringsSizes(strings, 4, widest, tallest, maxW, maxH);
  EXPECT_EQ(widest, 2);
  EXPECT_EQ(tallest, 3);
  root->unref();
}

} // namespace
