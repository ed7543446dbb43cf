// Value legend of intervals: one box per interval between consecutive values.
#include <Gridlux/text/PoNonLinearValueLegend1.h>

PO_KIT_SOURCE(PoNonLinearValueLegend1);

void PoNonLinearValueLegend1::initClass()
{
  PO_KIT_INIT_CLASS(PoNonLinearValueLegend1, PoAutoValueLegend, "PoAutoValueLegend");
}

PoNonLinearValueLegend1::PoNonLinearValueLegend1()
{
  init();
}

PoNonLinearValueLegend1::PoNonLinearValueLegend1(const SbVec2f& startValue, const SbVec2f& endValue)
{
  init();
  start = startValue;
  end = endValue;
}

void PoNonLinearValueLegend1::init()
{
  SO_KIT_CONSTRUCTOR(PoNonLinearValueLegend1);
  SO_KIT_ADD_FIELD(lessLevelString, ("<"));
  SO_KIT_ADD_FIELD(greaterLevelString, (">"));
  SO_KIT_ADD_FIELD(valueSeparatorString, (" _ "));
  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoNonLinearValueLegend1::~PoNonLinearValueLegend1() = default;

void PoNonLinearValueLegend1::makeBoxes()
{
  const std::vector<float>& v = m_values;
  const int n = int(v.size());
  if (n == 0)
    return;
  int f, l, k;
  selectedIndices(n, f, l, k);
  const float spacing = n >= 2 ? (v[n - 1] - v[0]) / n : v[0];
  const auto add = [this](float lower, float upper, const SbString& text) {
    BoxRepresentation box;
    box.lowerValue = lower;
    box.upperValue = upper;
    box.text = text;
    m_boxes.push_back(box);
  };
  add(v[0] - spacing, v[0], lessLevelString.getValue() + valueString(v[0]));
  for (int i = f; i <= l - 1; i += k)
    add(v[i], v[i + 1], valueString(v[i]) + valueSeparatorString.getValue() + valueString(v[i + 1]));
  add(v[l], v[l] + spacing, greaterLevelString.getValue() + valueString(v[l]));
  addUndefinedBoxes();
  computeBoxColors();
}
