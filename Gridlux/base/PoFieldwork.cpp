// Mesh-representation family base and the registration of its family.
#include <Gridlux/base/PoFieldwork.h>

PO_KIT_ABSTRACT_SOURCE(PoFieldwork);

namespace {
int familyInitDone = 0;
}

void PoFieldwork::initClass()
{
  PO_KIT_INIT_ABSTRACT_CLASS(PoFieldwork, PoBase, "PoBase");
}

void PoFieldwork::initClasses()
{
  PoFieldwork::initClass();
}

PoFieldwork::PoFieldwork() : PoBase(nullptr)
{
  SO_KIT_CONSTRUCTOR(PoFieldwork);
  SO_KIT_INIT_INSTANCE();
  if (!familyInitDone) {
    familyInitDone = 1;
    PoBase::init();
  }
}

PoFieldwork::~PoFieldwork() = default;
