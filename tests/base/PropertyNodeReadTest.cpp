// Reading property nodes whose file declares fields the class does not have.
#include <Gridlux/attributes/PoIsovaluesList.h>
#include <Gridlux/base/PoGridlux.h>

#include <support/ErrorCatcher.h>

#include <Inventor/SoDB.h>
#include <Inventor/SoInput.h>

#include <cstring>
#include <Inventor/fields/SoFieldData.h>
#include <Inventor/nodes/SoSeparator.h>

#include <gtest/gtest.h>

namespace {

int classFieldCount()
{
  PoIsovaluesList* probe = new PoIsovaluesList;
  probe->ref();
  const int count = static_cast<SoFieldContainer*>(probe)->getFieldData()->getNumFields();
  probe->unref();
  return count;
}

SoSeparator* readScene(const char* text)
{
  SoInput in;
  in.setBuffer(text, strlen(text));
  return SoDB::readAll(&in);
}

} // namespace

// The toolkit adds declared fields to the list shared by every node of the class; left there,
// they would point into a node that is gone and the next node of the class would read through
// them.
TEST(PropertyNodeRead, DeclaredFieldsAreDroppedAndLeaveTheClassAsItWas)
{
  PoGridlux::init();
  const int before = classFieldCount();
  ErrorCatcher errors;
  SoSeparator* first = readScene("#Inventor V2.1 ascii\n"
                                 "PoIsovaluesList { fields [ SFFloat extra ] extra 2 }\n");
  ASSERT_NE(first, nullptr);
  first->ref();
  EXPECT_TRUE(errors.contains("extra"));
  EXPECT_EQ(classFieldCount(), before);
  first->unref();

  SoSeparator* second = readScene("#Inventor V2.1 ascii\nPoIsovaluesList { }\n");
  ASSERT_NE(second, nullptr);
  second->ref();
  ASSERT_EQ(second->getNumChildren(), 1);
  EXPECT_EQ(static_cast<SoFieldContainer*>(second->getChild(0))->getFieldData()->getNumFields(), before);
  second->unref();
}
