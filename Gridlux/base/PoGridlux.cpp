// Entry point: start-up is the node base's once-only init.
#include <Gridlux/base/PoGridlux.h>

#include <Gridlux/base/PoBase.h>

void PoGridlux::init()
{
  PoBase::init();
}

const char* PoGridlux::getVersion()
{
  return "5.0.4";
}

const char* PoGridlux::getProductName()
{
  return "Gridlux";
}
