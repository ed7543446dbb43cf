// Throw, catch, rethrow and scope guard of the non-local exit mechanism.
#include <Gridlux/base/PoException.h>
#include <Gridlux/base/PoExceptionHandler.h>
#include <Gridlux/base/PoTryStart.h>

#include <gtest/gtest.h>

#include <csetjmp>

namespace {

int liveExceptions = 0;

/** Counts its instances, so the tests can see who frees what. */
class CountedException : public PoException {
public:
  explicit CountedException(int code = 0) : m_code(code) { ++liveExceptions; }
  ~CountedException() override { --liveExceptions; }
  int isFromClass(SbString name) const override
  {
    return name == "CountedException" ? 1 : PoException::isFromClass(name);
  }
  int code() const { return m_code; }

private:
  int m_code;
};

// Throws from a frame of its own, as library code below the handler would.
[[noreturn]] void throwFromBelow(int code)
{
  PoExceptionHandler::soThrow(new CountedException(code));
}

int codeOf(PoException* e)
{
  CountedException* counted = dynamic_cast<CountedException*>(e);
  return counted ? counted->code() : -1;
}

class ExceptionHandlerTest : public ::testing::Test {
protected:
  void SetUp() override { liveExceptions = 0; }
  void TearDown() override
  {
    while (PoExceptionHandler::isHandling())
      PoExceptionHandler::soCatch();
    PoExceptionHandler::clearException();
    EXPECT_EQ(liveExceptions, 0);
  }
};

TEST(ExceptionTest, IsFromClassNamesTheClass)
{
  PoException plain;
  EXPECT_EQ(plain.isFromClass("PoException"), 1);
  EXPECT_EQ(plain.isFromClass("CountedException"), 0);
  EXPECT_EQ(plain.isFromClass(""), 0);

  CountedException derived;
  const PoException& asBase = derived;
  EXPECT_EQ(asBase.isFromClass("CountedException"), 1);
  EXPECT_EQ(asBase.isFromClass("PoException"), 1);
}

TEST_F(ExceptionHandlerTest, ThrowJumpsToTheHandlerWithTheException)
{
  volatile int reachedAfterThrow = 0;
  PoExceptionHandler::handle();
  if (setjmp(PoExceptionHandler::getContext()) == 0) {
    throwFromBelow(42);
    reachedAfterThrow = 1;
  }
  else {
    EXPECT_TRUE(PoExceptionHandler::isHandling()); // the catcher leaves the handler itself
    PoExceptionHandler::soCatch();
    EXPECT_EQ(codeOf(PoExceptionHandler::getException()), 42);
    EXPECT_EQ(PoExceptionHandler::getException()->isFromClass("CountedException"), 1);
  }
  EXPECT_EQ(reachedAfterThrow, 0);
  EXPECT_FALSE(PoExceptionHandler::isHandling());
  PoExceptionHandler::clearException();
  EXPECT_EQ(PoExceptionHandler::getException(), nullptr);
  EXPECT_EQ(liveExceptions, 0);
}

TEST_F(ExceptionHandlerTest, BlockWithoutThrowLeavesThroughSoCatch)
{
  volatile int caught = 0;
  PoExceptionHandler::handle();
  if (setjmp(PoExceptionHandler::getContext()) == 0)
    PoExceptionHandler::soCatch();
  else
    caught = 1;
  EXPECT_EQ(caught, 0);
  EXPECT_FALSE(PoExceptionHandler::isHandling());
  EXPECT_EQ(PoExceptionHandler::getException(), nullptr);
  PoExceptionHandler::soCatch(); // nothing left to pop: no effect
  EXPECT_FALSE(PoExceptionHandler::isHandling());
}

TEST_F(ExceptionHandlerTest, RethrowReachesTheEnclosingHandler)
{
  volatile int innerCaught = 0;
  volatile int outerCaught = 0;
  PoException* volatile thrown = nullptr;
  PoExceptionHandler::handle();
  if (setjmp(PoExceptionHandler::getContext()) == 0) {
    PoExceptionHandler::handle();
    if (setjmp(PoExceptionHandler::getContext()) == 0) {
      throwFromBelow(7);
    }
    else {
      innerCaught = 1;
      thrown = PoExceptionHandler::getException();
      PoExceptionHandler::soCatch();
      PoExceptionHandler::soRethrow();
    }
  }
  else {
    outerCaught = 1;
    PoExceptionHandler::soCatch();
  }
  EXPECT_EQ(innerCaught, 1);
  EXPECT_EQ(outerCaught, 1);
  EXPECT_FALSE(PoExceptionHandler::isHandling());
  EXPECT_EQ(PoExceptionHandler::getException(), thrown);
  EXPECT_EQ(liveExceptions, 1);
}

TEST_F(ExceptionHandlerTest, NewThrowFreesTheOldExceptionButNotItself)
{
  volatile int jumps = 0;
  PoExceptionHandler::handle();
  if (setjmp(PoExceptionHandler::getContext()) != 0)
    ++jumps;
  if (jumps == 0)
    throwFromBelow(1);
  if (jumps == 1) {
    EXPECT_EQ(liveExceptions, 1);
    throwFromBelow(2); // replaces the first one
  }
  if (jumps == 2) {
    EXPECT_EQ(liveExceptions, 1);
    EXPECT_EQ(codeOf(PoExceptionHandler::getException()), 2);
    // Throwing the current object again must not free it before the jump.
    PoExceptionHandler::soThrow(PoExceptionHandler::getException());
  }
  EXPECT_EQ(jumps, 3);
  EXPECT_EQ(liveExceptions, 1);
  EXPECT_EQ(codeOf(PoExceptionHandler::getException()), 2);
  PoExceptionHandler::soCatch();
}

TEST_F(ExceptionHandlerTest, GuardLeavesTheHandlerWhenNothingWasThrown)
{
  PoExceptionHandler::handle(); // an enclosing handler that must survive
  {
    PoTryStart guard;
    EXPECT_EQ(guard.getState(), 0);
    PoExceptionHandler::handle();
    if (setjmp(PoExceptionHandler::getContext()) != 0)
      ADD_FAILURE() << "nothing was thrown";
  }
  ASSERT_TRUE(PoExceptionHandler::isHandling());
  PoExceptionHandler::soCatch();
  EXPECT_FALSE(PoExceptionHandler::isHandling());
}

TEST_F(ExceptionHandlerTest, GuardFreesWhatWasCaught)
{
  PoExceptionHandler::handle(); // enclosing
  {
    PoTryStart guard;
    PoExceptionHandler::handle();
    if (setjmp(PoExceptionHandler::getContext()) == 0) {
      throwFromBelow(5);
    }
    else {
      EXPECT_EQ(codeOf(guard.caught()), 5);
      EXPECT_EQ(guard.getState(), 1);
      EXPECT_EQ(liveExceptions, 1);
    }
  }
  EXPECT_EQ(liveExceptions, 0);
  EXPECT_EQ(PoExceptionHandler::getException(), nullptr);
  // caught() popped only the guarded handler.
  ASSERT_TRUE(PoExceptionHandler::isHandling());
  PoExceptionHandler::soCatch();
}

TEST_F(ExceptionHandlerTest, GetContextWithoutHandlerIsUsable)
{
  ASSERT_FALSE(PoExceptionHandler::isHandling());
  if (setjmp(PoExceptionHandler::getContext()) != 0)
    ADD_FAILURE() << "nothing jumps to the scratch context";
}

using ExceptionHandlerDeathTest = ExceptionHandlerTest;

TEST_F(ExceptionHandlerDeathTest, ThrowWithoutHandlerExitsWithMinusOne)
{
  EXPECT_EXIT(PoExceptionHandler::soThrow(new CountedException), ::testing::ExitedWithCode(255), "");
}

TEST_F(ExceptionHandlerDeathTest, RethrowWithoutHandlerExitsWithMinusOne)
{
  EXPECT_EXIT(PoExceptionHandler::soRethrow(), ::testing::ExitedWithCode(255), "");
}

} // namespace
