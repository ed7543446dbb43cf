// The label field through what it builds: each label's place and justification, its text,
// the numeric format it follows, domain coordinates, scene files and bad values.
#include "support/ErrorCatcher.h"
#include "support/SceneText.h"

#include <Gridlux/attributes/PbDomain.h>
#include <Gridlux/attributes/PbNumericDisplayFormat.h>
#include <Gridlux/attributes/PoNumericDisplayFormat.h>
#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/platform/SoAnnoText3.h>
#include <Gridlux/text/PoLabelField.h>

#include <Inventor/SbViewportRegion.h>
#include <Inventor/actions/SoGetBoundingBoxAction.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoSeparator.h>
#include <Inventor/nodes/SoText3.h>
#include <Inventor/nodes/SoTransformSeparator.h>

#include <gtest/gtest.h>

#include <cstdlib>
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

class LabelField : public ::testing::Test {
protected:
  static void SetUpTestSuite() { PoGridlux::init(); }
  void SetUp() override
  {
    m_root = new SoSeparator;
    m_root->ref();
    m_field = new PoLabelField;
    m_root->addChild(m_field);
  }
  void TearDown() override { m_root->unref(); }

  // Traverses the scene (the kit rebuilds) and returns the built labels: per label, the box
  // of its text in the kit's frame (font and placement included) and its lines.
  struct Label {
    SbBox3f box;
    std::vector<std::string> lines;
  };
  std::vector<Label> labels()
  {
    boxOf(m_root);
    std::vector<Label> result;
    SoGroup* group = static_cast<SoGroup*>(m_field->getPart("labelField", FALSE));
    if (!group)
      return result;
    for (int i = 0; i + 1 < group->getNumChildren(); i += 2) {
      SoGroup* pair = new SoGroup;
      pair->ref();
      pair->addChild(group->getChild(i));     // the font
      pair->addChild(group->getChild(i + 1)); // placement and text
      Label label;
      label.box = boxOf(pair);
      pair->unref();
      SoGroup* placed = static_cast<SoGroup*>(group->getChild(i + 1));
      SoText3* text = static_cast<SoText3*>(placed->getChild(1));
      for (int k = 0; k < text->string.getNum(); ++k)
        label.lines.push_back(text->string[k].getString());
      result.push_back(label);
    }
    return result;
  }

  SoSeparator* m_root;
  PoLabelField* m_field;
};

TEST_F(LabelField, EachLabelSitsAtItsPointWithItsJustification)
{
  const SbVec2f points[] = {SbVec2f(0, 0), SbVec2f(5, 2), SbVec2f(-3, 4)};
  const char* strings[] = {"ALPHA", "BETA", "GAMMA"};
  m_field->point.setValues(0, 3, points);
  m_field->string.setValues(0, 3, strings);
  m_field->value.setNum(0);
  m_field->fontSize = 0.5f;
  const int justifications[] = {PoLabelField::LEFT, PoLabelField::RIGHT, PoLabelField::CENTER};
  for (int j : justifications) {
    m_field->justification = j;
    const std::vector<Label> built = labels();
    ASSERT_EQ(built.size(), 3u);
    for (int i = 0; i < 3; ++i) {
      const SbBox3f& box = built[i].box;
      const float x = j == PoLabelField::LEFT    ? box.getMin()[0]
                      : j == PoLabelField::RIGHT ? box.getMax()[0]
                                                 : 0.5f * (box.getMin()[0] + box.getMax()[0]);
      EXPECT_NEAR(x, points[i][0], 0.05f) << "label " << i << " justification " << j;
      EXPECT_NEAR(box.getMin()[1], points[i][1], 0.01f) << "capitals on the base line";
      EXPECT_NEAR(box.getMax()[1] - box.getMin()[1], 0.73f * 0.5f, 0.02f) << "font size";
      EXPECT_EQ(built[i].lines, std::vector<std::string>{strings[i]});
    }
  }
}

TEST_F(LabelField, JoinsStringsAndValuesInTheChosenOrder)
{
  const SbVec2f points[] = {SbVec2f(0, 0), SbVec2f(1, 1)};
  const char* strings[] = {"a", "b"};
  const float values[] = {0.5f, 1.25f};
  m_field->point.setValues(0, 2, points);
  m_field->string.setValues(0, 2, strings);
  m_field->value.setValues(0, 2, values);

  struct Row {
    int concat;
    std::vector<std::string> first;
  } rows[] = {{PoLabelField::STRING_BEFORE_VALUE, {"a 0.50"}},
              {PoLabelField::VALUE_BEFORE_STRING, {"0.50 a"}},
              {PoLabelField::STRING_ABOVE_VALUE, {"a", "0.50"}},
              {PoLabelField::VALUE_ABOVE_STRING, {"0.50", "a"}}};
  for (const Row& row : rows) {
    m_field->concatType = row.concat;
    const std::vector<Label> built = labels();
    ASSERT_EQ(built.size(), 2u);
    EXPECT_EQ(built[0].lines, row.first) << row.concat;
  }

  // Strings or values that do not match the points in number are left out.
  m_field->concatType = PoLabelField::STRING_BEFORE_VALUE;
  m_field->string.setValue("lonely");
  EXPECT_EQ(labels()[1].lines, std::vector<std::string>{"1.25"});
  m_field->string.setValues(0, 2, strings);
  m_field->value.setValue(3.0f);
  EXPECT_EQ(labels()[1].lines, std::vector<std::string>{"b"});
  m_field->concatType = PoLabelField::STRING_ABOVE_VALUE;
  EXPECT_EQ(labels()[1].lines, std::vector<std::string>{"b"});

  // A common power of ten is shown after each value.
  const float thousands[] = {1500, 2500};
  m_field->value.setValues(0, 2, thousands);
  m_field->value.setNum(2);
  const std::vector<Label> built = labels();
  EXPECT_EQ(built[0].lines, (std::vector<std::string>{"a", "1.5E3"}));
  EXPECT_EQ(built[1].lines, (std::vector<std::string>{"b", "2.5E3"}));
}

TEST_F(LabelField, PrintsValuesWithItsOwnFormatOrTheTraversals)
{
  m_field->point.setValues(0, 2, std::vector<SbVec2f>{SbVec2f(0, 0), SbVec2f(1, 0)}.data());
  const float values[] = {0.5f, 2.0f};
  m_field->value.setValues(0, 2, values);
  m_field->string.setNum(0);
  EXPECT_EQ(labels()[0].lines, std::vector<std::string>{"0.5"});

  // A format node in front of the kit.
  PoNumericDisplayFormat* stateFormat = new PoNumericDisplayFormat;
  stateFormat->formatType = PbNumericDisplayFormat::FLOAT_FORMAT;
  stateFormat->numDecimal = 3;
  m_root->insertChild(stateFormat, 0);
  EXPECT_EQ(labels()[0].lines, std::vector<std::string>{"0.500"});
  stateFormat->numDecimal = 2;
  EXPECT_EQ(labels()[0].lines, std::vector<std::string>{"0.50"}) << "follows the state";

  // A format of its own wins, and is followed.
  PbNumericDisplayFormat own(PbNumericDisplayFormat::INTEGER_FORMAT, 0, 0);
  m_field->setFormat(&own);
  EXPECT_EQ(labels()[0].lines, std::vector<std::string>{"1"});
  own.setFormat(PbNumericDisplayFormat::FLOAT_FORMAT, -1, 1);
  EXPECT_EQ(labels()[0].lines, (std::vector<std::string>{"5.0E-1"}));
  m_field->setFormat(nullptr);
  EXPECT_EQ(labels()[1].lines, std::vector<std::string>{"2.00"});
}

TEST_F(LabelField, DomainCoordinatesKeepTheTextUndistorted)
{
  PbDomain domain(0, 0, 10, 2); // the domain transform stretches y by 5
  m_field->setDomain(&domain);
  m_field->point.setValue(SbVec2f(4, 1));
  m_field->string.setValue("HELLO");
  m_field->value.setNum(0);
  m_field->fontSize = 0.05f; // of the larger extent: 0.5

  const SbBox3f current = boxOf(m_root);
  EXPECT_NEAR(current.getMin()[0], 4.0f, 0.3f) << "current units: no domain transform";
  EXPECT_NEAR(current.getMin()[1], 1.0f, 0.01f);

  m_field->coordinateType = PoLabelField::COORDINATE_IN_DOMAIN;
  const SbBox3f inDomain = boxOf(m_root);
  EXPECT_NEAR(inDomain.getMin()[0], 4.0f, 0.05f);
  EXPECT_NEAR(inDomain.getMin()[1], 5.0f, 0.01f) << "the point as the domain places it";
  EXPECT_NEAR(inDomain.getMax()[1] - inDomain.getMin()[1], 0.73f * 0.5f, 0.02f);
  // Same shape as the same text drawn at size 0.5 without any domain.
  m_field->coordinateType = PoLabelField::COORDINATE_IN_CURRENT_UNIT;
  m_field->fontSize = 0.5f;
  const SbBox3f plain = boxOf(m_root);
  EXPECT_NEAR(inDomain.getMax()[0] - inDomain.getMin()[0], plain.getMax()[0] - plain.getMin()[0],
              1e-3);
  m_field->setDomain(nullptr);
}

TEST_F(LabelField, SceneFileRoundTrip)
{
  const SbVec2f points[] = {SbVec2f(0.5f, 1), SbVec2f(2, -1)};
  const char* strings[] = {"north", "south"};
  const float values[] = {12.5f, -3};
  m_field->point.setValues(0, 2, points);
  m_field->string.setValues(0, 2, strings);
  m_field->value.setValues(0, 2, values);
  m_field->concatType = PoLabelField::VALUE_ABOVE_STRING;
  m_field->justification = PoLabelField::CENTER;
  m_field->verticalJustification = PoLabelField::HALF;
  m_field->fontSize = 0.25f;
  const SbBox3f before = boxOf(m_root);
  // The annotation text node travels in files too, under its own name.
  SoAnnoText3* note = new SoAnnoText3;
  note->string.setValue("note");
  m_root->addChild(note);

  const std::string text = writeToString(m_root);

  ErrorCatcher errors(ErrorCatcher::ALL);
  SoSeparator* back = readFromString(text);
  ASSERT_NE(back, nullptr) << text;
  back->ref();
  EXPECT_EQ(errors.count(), 0);
  ASSERT_EQ(back->getNumChildren(), 2);
  ASSERT_TRUE(back->getChild(0)->isOfType(PoLabelField::getClassTypeId())) << text;
  ASSERT_TRUE(back->getChild(1)->isOfType(SoAnnoText3::getClassTypeId())) << text;
  EXPECT_EQ(static_cast<SoAnnoText3*>(back->getChild(1))->string[0], SbString("note"));
  back->removeChild(1); // the box below compares the labels alone
  PoLabelField* read = static_cast<PoLabelField*>(back->getChild(0));
  EXPECT_TRUE(read->point == m_field->point);
  EXPECT_TRUE(read->string == m_field->string);
  EXPECT_TRUE(read->value == m_field->value);
  EXPECT_EQ(read->concatType.getValue(), int(PoLabelField::VALUE_ABOVE_STRING));
  EXPECT_EQ(read->justification.getValue(), int(PoLabelField::CENTER));
  EXPECT_EQ(read->verticalJustification.getValue(), int(PoLabelField::HALF));
  EXPECT_EQ(read->coordinateType.getValue(), int(PoLabelField::COORDINATE_IN_CURRENT_UNIT));
  EXPECT_FLOAT_EQ(read->fontSize.getValue(), 0.25f);
  const SbBox3f after = boxOf(back);
  for (int i = 0; i < 3; ++i) {
    EXPECT_NEAR(after.getMin()[i], before.getMin()[i], 1e-4);
    EXPECT_NEAR(after.getMax()[i], before.getMax()[i], 1e-4);
  }
  back->unref();
}

TEST_F(LabelField, BadValuesAreReportedAndLeftOut)
{
  ErrorCatcher errors;
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const SbVec2f points[] = {SbVec2f(0, 0), SbVec2f(nan, 1), SbVec2f(2, 2)};
  const char* strings[] = {"p", "q", "r"};
  const float values[] = {1, 2, nan};
  m_field->point.setValues(0, 3, points);
  m_field->string.setValues(0, 3, strings);
  m_field->value.setValues(0, 3, values);
  const std::vector<Label> built = labels();
  ASSERT_EQ(built.size(), 2u) << "the point that is not finite gets no label";
  EXPECT_EQ(built[0].lines, std::vector<std::string>{"p 1"});
  EXPECT_EQ(built[1].lines, std::vector<std::string>{"r"});
  EXPECT_TRUE(errors.contains("1 of 3 values are not finite"));
  EXPECT_TRUE(errors.contains("1 of 3 points are not finite"));

  errors.clear();
  m_field->fontSize = -1.0f;
  EXPECT_EQ(labels().size(), 2u);
  EXPECT_TRUE(errors.contains("font size"));

  // No point: an empty label group, no message.
  errors.clear();
  m_field->point.setNum(0);
  EXPECT_TRUE(labels().empty());
  SoGroup* group = static_cast<SoGroup*>(m_field->getPart("labelField", FALSE));
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(group->getNumChildren(), 0);
  EXPECT_EQ(errors.count(), 0);
}

} // namespace
