// Uses an installed Gridlux: starts the library and writes one line naming
// it and one of its registered classes.
#include <Gridlux/base/PoGridlux.h>

#include <Inventor/SbName.h>
#include <Inventor/SoType.h>

#include <cstdio>

int
main()
{
  PoGridlux::init();
  const SoType base = SoType::fromName("PoBase");
  if (base.isBad()) {
    std::fprintf(stderr, "PoBase is not registered after PoGridlux::init()\n");
    return 1;
  }
  std::printf("%s %s: %s : %s\n", PoGridlux::getProductName(), PoGridlux::getVersion(),
              base.getName().getString(), base.getParent().getName().getString());
  return 0;
}
