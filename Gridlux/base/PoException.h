// Base of the objects thrown through PoExceptionHandler.
#ifndef GRIDLUX_POEXCEPTION_H
#define GRIDLUX_POEXCEPTION_H

#include <Inventor/SbString.h>

/**
 * @brief An object thrown with PoExceptionHandler::soThrow().
 *
 * Applications derive their own exceptions from it and override isFromClass() so that a catcher
 * can ask what it caught. Exceptions are created with new; the handler mechanism frees them.
 */
class PoException {
public:
  PoException() = default;
  virtual ~PoException() = default;

  /** 1 when @p name is the name of this class ("PoException"), else 0. */
  virtual int isFromClass(SbString name) const;
};

#endif
