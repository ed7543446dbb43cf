// Scope guard that leaves an exception handler, or frees the caught exception, on scope exit.
#ifndef GRIDLUX_POTRYSTART_H
#define GRIDLUX_POTRYSTART_H

class PoException;

/**
 * @brief Guard for one PoExceptionHandler::handle() block.
 *
 * Declared before handle() in the same scope. If nothing was caught (state 0), its destructor
 * pops the handler as PoExceptionHandler::soCatch() does; once the catch branch called caught()
 * (state 1), the handler is already popped and the destructor frees the current exception.
 * @code
 *   {
 *     PoTryStart guard;
 *     PoExceptionHandler::handle();
 *     if (setjmp(PoExceptionHandler::getContext()) == 0)
 *       work();
 *     else
 *       report(guard.caught());
 *   }
 * @endcode
 * With a guard in charge, the block does not call soCatch() itself.
 */
class PoTryStart {
public:
  PoTryStart() = default;
  ~PoTryStart();

  /**
   * Call first in the catch branch: pops the handler and returns the current exception, which
   * the guard frees when it goes out of scope.
   */
  PoException* caught();

  /** 0 until caught() was called, then 1. */
  int getState() const { return m_state; }

private:
  PoTryStart(const PoTryStart&) = delete;
  PoTryStart& operator=(const PoTryStart&) = delete;

  int m_state = 0;
};

#endif
