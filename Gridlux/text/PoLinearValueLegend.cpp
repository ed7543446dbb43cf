// Value legend drawn as one bar whose boxes are as long as their value intervals.
#include <Gridlux/text/PoLinearValueLegend.h>

#include <Gridlux/axes/PoLinearAxis.h>

#include <algorithm>
#include <cmath>

PO_KIT_SOURCE(PoLinearValueLegend);

void PoLinearValueLegend::initClass()
{
  PO_KIT_INIT_CLASS(PoLinearValueLegend, PoAutoValueLegend, "PoAutoValueLegend");
}

PoLinearValueLegend::PoLinearValueLegend()
{
  init();
}

PoLinearValueLegend::PoLinearValueLegend(const SbVec2f& startValue, const SbVec2f& endValue)
{
  init();
  start = startValue;
  end = endValue;
}

void PoLinearValueLegend::init()
{
  SO_KIT_CONSTRUCTOR(PoLinearValueLegend);
  SO_KIT_ADD_FIELD(valueDistribution, (ALL_VALUES));
  SO_KIT_ADD_FIELD(maxValueSize, (0.6f));
  SO_KIT_ADD_FIELD(lowerUpperBoxes, (TRUE));
  SO_KIT_DEFINE_ENUM_VALUE(ValueDistribution, ALL_VALUES);
  SO_KIT_DEFINE_ENUM_VALUE(ValueDistribution, LINEAR_VALUES);
  SO_KIT_DEFINE_ENUM_VALUE(ValueDistribution, MIN_MAX_VALUES);
  SO_KIT_SET_SF_ENUM_TYPE(valueDistribution, ValueDistribution);
  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoLinearValueLegend::~PoLinearValueLegend() = default;

void PoLinearValueLegend::makeBoxes()
{
  const std::vector<float> selected = buildBarBoxes(lowerUpperBoxes.getValue());
  std::vector<float>& labels = m_labels;
  labels.clear();
  if (!selected.empty()) {
    switch (valueDistribution.getValue()) {
    case LINEAR_VALUES: {
      float step = 0.0f, first = selected.front();
      int num = 0;
      if (selected.back() > selected.front())
        PoLinearAxis::getLinGrads(PoLinearAxis::GRAD_UNFIT, selected.front(), selected.back(), step, first, num);
      for (int i = 0; i < num; ++i) {
        double v = double(first) + i * double(step);
        if (std::fabs(v) < 1e-6 * std::fabs(double(step)))
          v = 0.0;
        labels.push_back(float(v));
      }
      if (labels.empty())
        labels = selected;
      break;
    }
    case MIN_MAX_VALUES:
      labels.push_back(selected.front());
      if (selected.back() != selected.front())
        labels.push_back(selected.back());
      break;
    default:
      labels = selected;
      break;
    }
  }
}

void PoLinearValueLegend::drawBoxes()
{
  drawOneBoxLegend(m_labels, true, std::min(1.0f, std::max(0.0f, maxValueSize.getValue())));
}
