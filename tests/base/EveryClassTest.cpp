// Every registered node class: created by name, drawn and traversed on its own without a message,
// then written with non-default field values and read back with the same values.
#include "ClassTable.h"

#include <Gridlux/base/PoGridlux.h>

#include <support/ErrorCatcher.h>
#include <support/OffscreenFixture.h>
#include <support/SceneText.h>

#include <Inventor/SbViewportRegion.h>
#include <Inventor/SoType.h>
#include <Inventor/actions/SoCallbackAction.h>
#include <Inventor/actions/SoGetBoundingBoxAction.h>
#include <Inventor/actions/SoRayPickAction.h>
#include <Inventor/fields/SoField.h>
#include <Inventor/fields/SoFieldData.h>
#include <Inventor/fields/SoSFBool.h>
#include <Inventor/fields/SoSFEnum.h>
#include <Inventor/fields/SoSFFloat.h>
#include <Inventor/fields/SoSFNode.h>
#include <Inventor/fields/SoSFString.h>
#include <Inventor/fields/SoMFNode.h>
#include <Inventor/lists/SoFieldList.h>
#include <Inventor/nodes/SoSeparator.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using gridlux_test::kClasses;

// The table's node classes that can be instantiated; the others are abstract, elements or fields.
std::vector<std::string> creatableNodeClasses()
{
  PoGridlux::init();
  std::vector<std::string> names;
  for (const auto& row : kClasses) {
    const SoType type = SoType::fromName(row.name);
    if (!type.isBad() && type.isDerivedFrom(SoNode::getClassTypeId()) && type.canCreateInstance())
      names.push_back(row.name);
  }
  return names;
}

// A legal value other than the field's current one, written in the file syntax of its type; empty
// when the field is left as it is (node parts and mesh fields, whose values are whole objects).
std::string otherValue(SoField* field)
{
  const SoType type = field->getTypeId();
  if (type.isDerivedFrom(SoSFNode::getClassTypeId()) || type.isDerivedFrom(SoMFNode::getClassTypeId()))
    return {};
  const std::string name = type.getName().getString();
  SbString current;
  field->get(current);
  if (type.isDerivedFrom(SoSFEnum::getClassTypeId())) {
    SoSFEnum* e = static_cast<SoSFEnum*>(field);
    for (int i = 0; i < e->getNumEnums(); ++i) {
      SbName enumName;
      const int value = e->getEnum(i, enumName);
      if (value != e->getValue())
        return enumName.getString();
    }
    return {};
  }
  if (name == "SFBool")
    return static_cast<SoSFBool*>(field)->getValue() ? "FALSE" : "TRUE";
  if (name == "SFFloat")
    return static_cast<SoSFFloat*>(field)->getValue() == 0.75f ? "0.5" : "0.75";
  if (name == "SFInt32" || name == "SFShort" || name == "SFUInt32" || name == "SFUShort")
    return current == "3" ? "2" : "3";
  if (name == "SFString")
    return "\"other text\"";
  if (name == "SFColor")
    return "0.25 0.5 0.75";
  if (name == "SFVec2f")
    return "0.25 0.75";
  if (name == "SFVec3f")
    return "0.25 0.75 0.5";
  if (name == "MFFloat")
    return "[ 1, 2.5, 4 ]";
  if (name == "MFInt32")
    return "[ 1, 2, 3 ]";
  if (name == "MFString")
    return "[ \"a\", \"b c\" ]";
  if (name == "MFVec2f")
    return "[ 0 0, 1 0.5, 2 0.25 ]";
  if (name == "MFVec3f")
    return "[ 0 0 0, 1 0.5 0.25, 2 0.25 1 ]";
  if (name == "MFColor")
    return "[ 1 0 0, 0 1 0 ]";
  return {};
}

class EveryClass : public gridlux::test::OffscreenFixture,
                   public ::testing::WithParamInterface<std::string> {};

TEST_P(EveryClass, DrawsAloneQuietlyAndReadsBackItsFields)
{
  const SoType type = SoType::fromName(GetParam().c_str());
  ErrorCatcher errors(ErrorCatcher::ALL);
  SoSeparator* root = new SoSeparator;
  root->ref();
  SoNode* node = static_cast<SoNode*>(type.createInstance());
  ASSERT_NE(node, nullptr);
  EXPECT_EQ(node->getTypeId(), type) << "the class creates an instance of another class";
  root->addChild(node);

  // Alone, with the defaults and nothing above it in the state, a node is drawn (possibly as
  // nothing) and traversed by the other actions without complaint.
  render(root, 64, 64);
  const SbViewportRegion viewport(64, 64);
  SoGetBoundingBoxAction bbox(viewport);
  bbox.apply(root);
  SoCallbackAction callback;
  callback.apply(root);
  SoRayPickAction pick(viewport);
  pick.setNormalizedPoint(SbVec2f(0.5f, 0.5f));
  pick.apply(root);
  EXPECT_EQ(errors.count(), 0) << (errors.count() ? errors.messages()[0] : std::string());

  // Every plain field takes another legal value and keeps it through a file.
  SoFieldList fields;
  node->getFields(fields);
  std::vector<std::pair<std::string, std::string>> set;
  for (int i = 0; i < fields.getLength(); ++i) {
    SoField* field = fields[i];
    const std::string value = otherValue(field);
    if (value.empty())
      continue;
    SbName fieldName;
    node->getFieldName(field, fieldName);
    ASSERT_TRUE(field->set(value.c_str())) << fieldName.getString() << " = " << value;
    SbString written;
    field->get(written);
    set.emplace_back(fieldName.getString(), written.getString());
  }
  errors.clear();
  SoSeparator* copy = readFromString(writeToString(root));
  ASSERT_NE(copy, nullptr);
  copy->ref();
  ASSERT_EQ(copy->getNumChildren(), 1);
  SoNode* back = copy->getChild(0);
  ASSERT_EQ(back->getTypeId(), type);
  for (const auto& [fieldName, value] : set) {
    SoField* field = back->getField(SbName(fieldName.c_str()));
    ASSERT_NE(field, nullptr) << fieldName;
    SbString read;
    field->get(read);
    EXPECT_EQ(std::string(read.getString()), value) << fieldName;
  }
  // The values are legal one by one but not always together (a domain of one point, say): the
  // library may say so, but the toolkit must have read every field without a read error.
  for (const std::string& message : errors.messages())
    EXPECT_EQ(message.rfind("Arvanta", 0), 0u) << message;
  copy->unref();
  root->unref();
}

INSTANTIATE_TEST_SUITE_P(Registered, EveryClass, ::testing::ValuesIn(creatableNodeClasses()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

} // namespace
