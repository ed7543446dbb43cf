// Value legend drawn as one bar of equal boxes, the values at their boundaries.
#include <Gridlux/text/PoNonLinearValueLegend3.h>

#include <algorithm>

PO_KIT_SOURCE(PoNonLinearValueLegend3);

void PoNonLinearValueLegend3::initClass()
{
  PO_KIT_INIT_CLASS(PoNonLinearValueLegend3, PoAutoValueLegend, "PoAutoValueLegend");
}

PoNonLinearValueLegend3::PoNonLinearValueLegend3()
{
  init();
}

PoNonLinearValueLegend3::PoNonLinearValueLegend3(const SbVec2f& startValue, const SbVec2f& endValue)
{
  init();
  start = startValue;
  end = endValue;
}

void PoNonLinearValueLegend3::init()
{
  SO_KIT_CONSTRUCTOR(PoNonLinearValueLegend3);
  SO_KIT_ADD_FIELD(maxValueSize, (0.6f));
  SO_KIT_ADD_FIELD(lowerUpperBoxes, (TRUE));
  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoNonLinearValueLegend3::~PoNonLinearValueLegend3() = default;

void PoNonLinearValueLegend3::makeBoxes()
{
  m_selected = buildBarBoxes(lowerUpperBoxes.getValue());
}

void PoNonLinearValueLegend3::drawBoxes()
{
  drawOneBoxLegend(m_selected, false, std::min(1.0f, std::max(0.0f, maxValueSize.getValue())));
}
