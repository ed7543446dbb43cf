// Numeric display formats and text attributes: data objects, nodes, state and scene files.
#include "AttributeTestSupport.h"

#include <Gridlux/attributes/PbMiscTextAttr.h>
#include <Gridlux/attributes/PbNumericDisplayFormat.h>
#include <Gridlux/attributes/PoMiscTextAttr.h>
#include <Gridlux/attributes/PoMiscTextAttrElement.h>
#include <Gridlux/attributes/PoNumericDisplayFormat.h>
#include <Gridlux/attributes/PoNumericDisplayFormatElement.h>
#include <Gridlux/base/PoGridlux.h>

#include <support/ErrorCatcher.h>

#include <Inventor/actions/SoCallbackAction.h>
#include <Inventor/nodes/SoCallback.h>

#include <gtest/gtest.h>

namespace {

class Formats : public ::testing::Test {
protected:
  static void SetUpTestSuite() { PoGridlux::init(); }
};

TEST_F(Formats, NumericFormatKeepsItsValuesAndRefusesBadOnes)
{
  PbNumericDisplayFormat format(PbNumericDisplayFormat::FLOAT_FORMAT, 3, 2);
  PbNumericDisplayFormat::FormatType type;
  int tenPower, numDecimal;
  format.getFormat(type, tenPower, numDecimal);
  EXPECT_EQ(type, PbNumericDisplayFormat::FLOAT_FORMAT);
  EXPECT_EQ(tenPower, 3);
  EXPECT_EQ(numDecimal, 2);

  ErrorCatcher errors;
  EXPECT_EQ(format.setFormat(PbNumericDisplayFormat::INTEGER_FORMAT, 0, -1), 0);
  EXPECT_EQ(format.setFormat(PbNumericDisplayFormat::FormatType(7), 0, 1), 0);
  ASSERT_EQ(errors.count(), 2);
  EXPECT_EQ(errors.messages()[0], "Arvanta error in PbNumericDisplayFormat::setFormat(): "
                                  "the number of decimals must be >= 0 (got -1)");
  EXPECT_EQ(format, PbNumericDisplayFormat(PbNumericDisplayFormat::FLOAT_FORMAT, 3, 2));

  PbNumericDisplayFormat copy(format);
  EXPECT_EQ(copy.getNumDecimal(), 2);
  copy.setFormat(PbNumericDisplayFormat::INTEGER_FORMAT, -2, 0);
  format = copy;
  EXPECT_EQ(format.getFormatType(), PbNumericDisplayFormat::INTEGER_FORMAT);
  EXPECT_EQ(format.getTenPower(), -2);
}

TEST_F(Formats, TextAttributesCopyAndRefuseBadInput)
{
  PbMiscTextAttr attr;
  attr.setLineLength('\n', 12);
  attr.setFontName("DejaVu Sans");
  attr.enableProfile(1);
  attr.enablePredefinedProfile(0);
  attr.enableOutlining(0);

  ErrorCatcher errors;
  attr.setLineLength(';', -3);
  attr.setFontName(nullptr);
  EXPECT_EQ(errors.count(), 2);

  const PbMiscTextAttr copy(attr);
  char endLine;
  int length;
  copy.getLineLength(endLine, length);
  EXPECT_EQ(endLine, '\n');
  EXPECT_EQ(length, 12);
  EXPECT_STREQ(copy.getFontName().getString(), "DejaVu Sans");
  EXPECT_EQ(copy.isProfileEnabled(), 1);
  EXPECT_EQ(copy.isPredefinedProfileEnabled(), 0);
  EXPECT_EQ(copy.isOutliningEnabled(), 0);
}

// Records what the two elements hold when the traversal reaches it.
struct Seen {
  const PbNumericDisplayFormat* format = nullptr;
  const PbMiscTextAttr* attr = nullptr;
};

void recordState(void* data, SoAction* action)
{
  Seen* seen = static_cast<Seen*>(data);
  seen->format = PoNumericDisplayFormatElement::get(action->getState());
  seen->attr = PoMiscTextAttrElement::get(action->getState());
}

TEST_F(Formats, NodesSetTheirElementsInsideTheirSeparatorOnly)
{
  Ref<SoSeparator> root(new SoSeparator);
  SoSeparator* inner = new SoSeparator;
  PoNumericDisplayFormat* formatNode = new PoNumericDisplayFormat;
  formatNode->formatType = PoNumericDisplayFormat::FLOAT_FORMAT;
  formatNode->numDecimal = 4;
  PoMiscTextAttr* attrNode = new PoMiscTextAttr;
  attrNode->fontName = "Courier";
  attrNode->lineLength = 20;
  attrNode->endLineChar = '|';
  SoCallback* insideProbe = new SoCallback;
  SoCallback* outsideProbe = new SoCallback;
  Seen inside, outside;
  insideProbe->setCallback(recordState, &inside);
  outsideProbe->setCallback(recordState, &outside);
  inner->addChild(formatNode);
  inner->addChild(attrNode);
  inner->addChild(insideProbe);
  root->addChild(inner);
  root->addChild(outsideProbe);

  SoCallbackAction action;
  action.apply(root.get());
  ASSERT_EQ(inside.format, formatNode->getFormat());
  EXPECT_EQ(inside.format->getFormatType(), PbNumericDisplayFormat::FLOAT_FORMAT);
  EXPECT_EQ(inside.format->getNumDecimal(), 4);
  ASSERT_EQ(inside.attr, attrNode->getMiscTextAttr());
  EXPECT_STREQ(inside.attr->getFontName().getString(), "Courier");
  char endLine;
  int length;
  inside.attr->getLineLength(endLine, length);
  EXPECT_EQ(endLine, '|');
  EXPECT_EQ(length, 20);

  EXPECT_EQ(outside.format, PoNumericDisplayFormatElement::getDefault());
  EXPECT_EQ(outside.attr, PoMiscTextAttrElement::getDefault());
  EXPECT_EQ(outside.format->getFormatType(), PbNumericDisplayFormat::AUTO_FORMAT);

  // A later field change reaches the object at the next traversal.
  attrNode->outliningEnabled = FALSE;
  action.apply(root.get());
  EXPECT_EQ(inside.attr->isOutliningEnabled(), 0);
}

TEST_F(Formats, NodesSurviveAFileRoundTrip)
{
  Ref<PoNumericDisplayFormat> format(new PoNumericDisplayFormat);
  format->formatType = PoNumericDisplayFormat::INTEGER_FORMAT;
  format->tenPower = -3;
  format->numDecimal = 5;
  Ref<PoNumericDisplayFormat> formatBack(roundTrip(format.get()));
  ASSERT_NE(formatBack.get(), nullptr);
  EXPECT_EQ(formatBack->formatType.getValue(), int(PoNumericDisplayFormat::INTEGER_FORMAT));
  EXPECT_EQ(formatBack->tenPower.getValue(), -3);
  EXPECT_EQ(formatBack->numDecimal.getValue(), 5);
  EXPECT_EQ(formatBack->getFormat()->getTenPower(), -3) << "the object follows the read fields";

  Ref<PoMiscTextAttr> attr(new PoMiscTextAttr);
  attr->fontName = "Times Bold";
  attr->lineLength = 8;
  attr->endLineChar = '/';
  attr->profileEnabled = TRUE;
  attr->predefinedProfileEnabled = FALSE;
  attr->outliningEnabled = FALSE;
  Ref<PoMiscTextAttr> attrBack(roundTrip(attr.get()));
  ASSERT_NE(attrBack.get(), nullptr);
  EXPECT_EQ(attrBack->fontName.getValue(), SbString("Times Bold"));
  EXPECT_EQ(attrBack->lineLength.getValue(), 8);
  EXPECT_EQ(attrBack->endLineChar.getValue(), '/');
  EXPECT_TRUE(attrBack->profileEnabled.getValue());
  EXPECT_FALSE(attrBack->predefinedProfileEnabled.getValue());
  EXPECT_FALSE(attrBack->outliningEnabled.getValue());
  EXPECT_EQ(attrBack->getMiscTextAttr()->isOutliningEnabled(), 0);
}

} // namespace
