// Handler stack, throw and rethrow of the non-local exit mechanism.
#include <Gridlux/base/PoExceptionHandler.h>

#include <Gridlux/base/PoException.h>

#include <cstdlib>

PoExceptionHandler* PoExceptionHandler::_first = nullptr;
PoException* PoExceptionHandler::exception = nullptr;

void PoExceptionHandler::handle()
{
  PoExceptionHandler* handler = new PoExceptionHandler;
  handler->m_previous = _first;
  _first = handler;
}

jmp_buf& PoExceptionHandler::getContext()
{
  static jmp_buf scratch;
  return _first ? _first->m_context : scratch;
}

void PoExceptionHandler::soThrow(PoException* e)
{
  // A rethrow of the current object must not free it.
  if (exception != e) {
    clearException();
    exception = e;
  }
  if (!_first)
    terminate();
  longjmp(_first->m_context, 1);
}

void PoExceptionHandler::soRethrow()
{
  if (!_first)
    terminate();
  longjmp(_first->m_context, 1);
}

void PoExceptionHandler::soCatch()
{
  PoExceptionHandler* handler = _first;
  if (!handler)
    return;
  _first = handler->m_previous;
  delete handler;
}

void PoExceptionHandler::clearException()
{
  delete exception;
  exception = nullptr;
}

void PoExceptionHandler::terminate()
{
  clearException();
  std::exit(-1);
}
