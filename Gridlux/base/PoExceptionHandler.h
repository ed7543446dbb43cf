// Non-local exit offered to applications: a stack of handlers built on setjmp and longjmp.
#ifndef GRIDLUX_POEXCEPTIONHANDLER_H
#define GRIDLUX_POEXCEPTIONHANDLER_H

#include <csetjmp>

class PoException;

/**
 * @brief A stack of active handlers to which soThrow() jumps.
 *
 * Usage:
 * @code
 *   PoExceptionHandler::handle();
 *   if (setjmp(PoExceptionHandler::getContext()) == 0) {
 *     work();                         // may call PoExceptionHandler::soThrow(new MyException)
 *     PoExceptionHandler::soCatch();  // leave the handler
 *   }
 *   else {
 *     PoExceptionHandler::soCatch();  // leave the handler before looking at the exception
 *     PoException* e = PoExceptionHandler::getException();
 *     ...                             // or soRethrow() to the enclosing handler
 *     PoExceptionHandler::clearException();
 *   }
 * @endcode
 * PoTryStart does the leaving and the freeing in its destructor. The jump skips the destructors
 * of everything between the throw and the handler, so code run under a handler keeps only
 * trivially destructible objects in its frames, and locals of the handling function that change
 * after setjmp and are read after the jump are declared volatile. The active handler and the current exception are
 * process-wide and belong to one thread.
 */
class PoExceptionHandler {
public:
  /** Pushes a new handler, which becomes the active one. */
  static void handle();

  /**
   * The active handler's context, on which the caller performs setjmp. With no active handler a
   * scratch context is returned so that setjmp does not fail; nothing ever jumps to it.
   */
  static jmp_buf& getContext();

  /**
   * Makes @p e the current exception (freeing a different current one) and jumps to the active
   * handler, where setjmp returns 1. With no active handler, frees both and ends the process
   * with exit status -1.
   */
  [[noreturn]] static void soThrow(PoException* e);

  /** Jumps with the current exception to the active handler, or frees it and exits with -1. */
  [[noreturn]] static void soRethrow();

  /** Pops the active handler, making the previous one active; nothing when none is active. */
  static void soCatch();

  /** The exception thrown last, or null. */
  static PoException* getException() { return exception; }

  /** Frees the current exception, once a catcher is done with it without a PoTryStart. */
  static void clearException();

  /** True while at least one handler is active. */
  static bool isHandling() { return _first != nullptr; }

private:
  PoExceptionHandler() = default;

  [[noreturn]] static void terminate();

  PoExceptionHandler* m_previous = nullptr;
  jmp_buf m_context;

  static PoExceptionHandler* _first;
  static PoException* exception;
};

#endif
