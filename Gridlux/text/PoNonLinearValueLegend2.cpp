// Value legend of one box per value, the plain form of the automatic legend.
#include <Gridlux/text/PoNonLinearValueLegend2.h>

PO_KIT_SOURCE(PoNonLinearValueLegend2);

void PoNonLinearValueLegend2::initClass()
{
  PO_KIT_INIT_CLASS(PoNonLinearValueLegend2, PoAutoValueLegend, "PoAutoValueLegend");
}

PoNonLinearValueLegend2::PoNonLinearValueLegend2()
{
  init();
}

PoNonLinearValueLegend2::PoNonLinearValueLegend2(const SbVec2f& startValue, const SbVec2f& endValue)
{
  init();
  start = startValue;
  end = endValue;
}

void PoNonLinearValueLegend2::init()
{
  SO_KIT_CONSTRUCTOR(PoNonLinearValueLegend2);
  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoNonLinearValueLegend2::~PoNonLinearValueLegend2() = default;
