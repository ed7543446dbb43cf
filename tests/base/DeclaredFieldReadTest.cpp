// Reading property nodes and node kits whose file declares fields the class does not have.
#include <Gridlux/base/PoGridlux.h>

#include <support/ErrorCatcher.h>

#include <Inventor/SoDB.h>
#include <Inventor/SoInput.h>
#include <Inventor/fields/SoFieldData.h>
#include <Inventor/nodes/SoSeparator.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

int classFieldCount(const char* className)
{
  SoNode* probe = static_cast<SoNode*>(SoType::fromName(className).createInstance());
  probe->ref();
  const int count = probe->getFieldData()->getNumFields();
  probe->unref();
  return count;
}

SoSeparator* readScene(const std::string& text)
{
  SoInput in;
  in.setBuffer(text.data(), text.size());
  return SoDB::readAll(&in);
}

} // namespace

// The toolkit adds declared fields to the list shared by every node of the class; left there,
// they would point into a node that is gone and the next node of the class would read through
// them (a property node and a node kit alike).
TEST(DeclaredFieldRead, DeclaredFieldsAreDroppedAndLeaveTheClassAsItWas)
{
  PoGridlux::init();
  for (const char* className : {"PoIsovaluesList", "PoMeshFilled"}) {
    SCOPED_TRACE(className);
    const int before = classFieldCount(className);
    ErrorCatcher errors;
    const std::string header = std::string("#Inventor V2.1 ascii\n") + className;
    SoSeparator* first = readScene(header + " { fields [ SFFloat extra ] extra 2 }\n" + className +
                                   " { fields [ SFFloat extra ] extra 3 }\n");
    ASSERT_NE(first, nullptr);
    first->ref();
    EXPECT_TRUE(errors.contains("extra"));
    EXPECT_EQ(classFieldCount(className), before);
    first->unref();

    SoSeparator* second = readScene(header + " { }\n");
    ASSERT_NE(second, nullptr);
    second->ref();
    ASSERT_EQ(second->getNumChildren(), 1);
    EXPECT_EQ(second->getChild(0)->getFieldData()->getNumFields(), before);
    second->unref();
  }
}
