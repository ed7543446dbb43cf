// Class test of the exceptions thrown through PoExceptionHandler.
#include <Gridlux/base/PoException.h>

int PoException::isFromClass(SbString name) const
{
  return name == "PoException" ? 1 : 0;
}
