// Scope exit of a guarded handler block.
#include <Gridlux/base/PoTryStart.h>

#include <Gridlux/base/PoExceptionHandler.h>

PoTryStart::~PoTryStart()
{
  if (m_state == 0)
    PoExceptionHandler::soCatch();
  else
    PoExceptionHandler::clearException();
}

PoException* PoTryStart::caught()
{
  if (m_state == 0) {
    PoExceptionHandler::soCatch();
    m_state = 1;
  }
  return PoExceptionHandler::getException();
}
