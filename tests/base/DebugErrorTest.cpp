// Message text, delivery and registration of PoDebugError, and the ErrorCatcher test helper.
#include <Gridlux/base/PoDebugError.h>

#include "support/ErrorCatcher.h"

#include <Inventor/errors/SoDebugError.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

// Reaches the toolkit's default handler, which SoError keeps protected.
struct ToolkitDefault : SoError {
  static SoErrorCB* handler() { return &SoError::defaultHandlerCB; }
};

struct Received {
  int calls = 0;
  std::string text;
  SoType type;
};

void receive(const SoError* error, void* data)
{
  Received* received = static_cast<Received*>(data);
  ++received->calls;
  received->text = error->getDebugString().getString();
  received->type = error->getTypeId();
}

class DebugErrorTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() { PoDebugError::initClass(); }
};

TEST_F(DebugErrorTest, RegisteredAsDebugErrorUnderSoError)
{
  const SoType type = PoDebugError::getClassTypeId();
  ASSERT_FALSE(type.isBad());
  EXPECT_STREQ(type.getName().getString(), "DebugError");
  EXPECT_EQ(type.getParent(), SoError::getClassTypeId());
}

TEST_F(DebugErrorTest, SecondInitClassKeepsTypeAndHandler)
{
  const SoType type = PoDebugError::getClassTypeId();
  Received received;
  ErrorCatcher restore; // puts the handler back afterwards
  PoDebugError::setHandlerCallback(receive, &received);
  PoDebugError::initClass();
  EXPECT_EQ(PoDebugError::getClassTypeId(), type);
  EXPECT_EQ(PoDebugError::getHandlerCallback(), &receive);
  EXPECT_EQ(PoDebugError::getHandlerData(), &received);
}

TEST_F(DebugErrorTest, HandlerPresetToToolkitDefault)
{
  EXPECT_EQ(PoDebugError::getHandlerCallback(), ToolkitDefault::handler());
  EXPECT_EQ(PoDebugError::getHandlerData(), nullptr);
}

TEST_F(DebugErrorTest, MessageTextPerSeverity)
{
  ErrorCatcher errors;
  PoDebugError::post("PbMesh::setValues", "index %d out of range [0, %d]", 7, 3);
  PoDebugError::postWarning("PoAxis::rebuild", "%s is empty", "title");
  PoDebugError::postInfo("PoLegend::rebuild", "%.2f%%", 12.345);
  ASSERT_EQ(errors.count(), 3);
  EXPECT_EQ(errors.messages()[0], "Arvanta error in PbMesh::setValues(): index 7 out of range [0, 3]");
  EXPECT_EQ(errors.messages()[1], "Arvanta warning in PoAxis::rebuild(): title is empty");
  EXPECT_EQ(errors.messages()[2], "Arvanta: in PoLegend::rebuild(): 12.35%");
  EXPECT_EQ(errors.severities(), (std::vector<int>{PoDebugError::ERROR, PoDebugError::WARNING, PoDebugError::INFO}));
}

TEST_F(DebugErrorTest, HandlerReceivesThisErrorTypeOnly)
{
  Received mine, general;
  SoErrorCB* const generalBefore = SoError::getHandlerCallback();
  void* const generalDataBefore = SoError::getHandlerData();
  {
    ErrorCatcher restore;
    PoDebugError::setHandlerCallback(receive, &mine);
    SoError::setHandlerCallback(receive, &general);
    PoDebugError::post("f", "x");
  }
  SoError::setHandlerCallback(generalBefore, generalDataBefore);

  EXPECT_EQ(mine.calls, 1);
  EXPECT_EQ(mine.type, PoDebugError::getClassTypeId());
  // A message reaching the SoError handler too would be printed twice by default handlers.
  EXPECT_EQ(general.calls, 0);
}

TEST_F(DebugErrorTest, MessagesLongerThanTheBufferArriveWhole)
{
  ErrorCatcher errors;
  const std::string longText(25000, 'v');
  PoDebugError::post("f", "<%s>", longText.c_str());
  ASSERT_EQ(errors.count(), 1);
  EXPECT_EQ(errors.messages()[0], "Arvanta error in f(): <" + longText + ">");
}

TEST_F(DebugErrorTest, NullHandlerDropsMessages)
{
  ErrorCatcher restore;
  PoDebugError::setHandlerCallback(nullptr, nullptr);
  ::testing::internal::CaptureStderr();
  PoDebugError::post("f", "dropped");
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
}

TEST_F(DebugErrorTest, DefaultHandlerPrintsTheText)
{
  ::testing::internal::CaptureStderr();
  PoDebugError::postWarning("PoCurve::rebuild", "no points");
  std::fflush(stderr);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Arvanta warning in PoCurve::rebuild(): no points\n");
}

TEST_F(DebugErrorTest, CoinDebugErrorStillReachesItsOwnHandler)
{
  // Both classes are named "DebugError"; registering ours must not take Coin's messages.
  ErrorCatcher errors(ErrorCatcher::COIN_DEBUG);
  SoDebugError::postWarning("SoFoo::bar", "coin message %d", 5);
  PoDebugError::post("PoFoo::bar", "library message");
  ASSERT_EQ(errors.count(), 2);
  EXPECT_EQ(errors.messages()[0], "Coin warning in SoFoo::bar(): coin message 5");
  EXPECT_EQ(errors.severities()[0], SoDebugError::WARNING);
  EXPECT_EQ(errors.messages()[1], "Arvanta error in PoFoo::bar(): library message");
}

TEST(ErrorCatcherTest, RestoresThePreviousHandlersInNestingOrder)
{
  PoDebugError::initClass();
  SoErrorCB* const libraryBefore = PoDebugError::getHandlerCallback();
  SoErrorCB* const coinBefore = SoDebugError::getHandlerCallback();
  {
    ErrorCatcher outer(ErrorCatcher::ALL);
    {
      ErrorCatcher inner;
      PoDebugError::post("f", "inner");
      EXPECT_EQ(inner.count(), 1);
    }
    PoDebugError::post("f", "outer");
    SoDebugError::post("g", "coin");
    ASSERT_EQ(outer.count(), 2);
    EXPECT_TRUE(outer.contains("(): outer"));
    EXPECT_TRUE(outer.contains("Coin error in g(): coin"));
    EXPECT_FALSE(outer.contains("inner"));
    outer.clear();
    EXPECT_EQ(outer.count(), 0);
    EXPECT_TRUE(outer.severities().empty());
  }
  EXPECT_EQ(PoDebugError::getHandlerCallback(), libraryBefore);
  EXPECT_EQ(SoDebugError::getHandlerCallback(), coinBefore);
}

} // namespace
