// Chart family base and the registration of the chart family.
#include <Gridlux/base/PoChartwork.h>

PO_KIT_ABSTRACT_SOURCE(PoChartwork);

namespace {
int familyInitDone = 0;
}

void PoChartwork::initClass()
{
  PO_KIT_INIT_ABSTRACT_CLASS(PoChartwork, PoBase, "PoBase");
}

void PoChartwork::initClasses()
{
  PoChartwork::initClass();
}

PoChartwork::PoChartwork(CatchActionCB* catchActionCB) : PoBase(catchActionCB)
{
  SO_KIT_CONSTRUCTOR(PoChartwork);
  SO_KIT_INIT_INSTANCE();
  if (!familyInitDone) {
    familyInitDone = 1;
    PoBase::init();
  }
}

PoChartwork::~PoChartwork() = default;
