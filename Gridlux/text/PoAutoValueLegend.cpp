// A value legend placed by two corners in the domain; draws one box per value.
#include <Gridlux/text/PoAutoValueLegend.h>

PO_KIT_SOURCE(PoAutoValueLegend);

void PoAutoValueLegend::initClass()
{
  PO_KIT_INIT_CLASS(PoAutoValueLegend, PoValueLegend, "PoValueLegend");
}

PoAutoValueLegend::PoAutoValueLegend()
{
  init(SbVec2f(0, 0), SbVec2f(1, 1));
}

PoAutoValueLegend::PoAutoValueLegend(const SbVec2f& startValue, const SbVec2f& endValue)
{
  init(startValue, endValue);
}

void PoAutoValueLegend::init(const SbVec2f& startValue, const SbVec2f& endValue)
{
  SO_KIT_CONSTRUCTOR(PoAutoValueLegend);
  SO_KIT_ADD_FIELD(start, (startValue));
  SO_KIT_ADD_FIELD(end, (endValue));
  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoAutoValueLegend::~PoAutoValueLegend() = default;

void PoAutoValueLegend::rebuild()
{
  preRebuild();
  if (beginValueLegend(start.getValue(), end.getValue())) {
    makeBoxes();
    if (m_boxes.empty()) {
      clearContentParts();
      setAnyPart("multFactor", nullptr);
    } else {
      drawBoxes();
    }
  }
  postRebuild();
}

void PoAutoValueLegend::makeBoxes()
{
  const int n = int(m_values.size());
  if (n == 0)
    return;
  int first, last, step;
  selectedIndices(n, first, last, step);
  for (int i = first; i <= last; i += step) {
    BoxRepresentation box;
    box.lowerValue = box.upperValue = m_values[i];
    box.text = valueString(m_values[i]);
    m_boxes.push_back(box);
  }
  addUndefinedBoxes();
  computeBoxColors();
}

void PoAutoValueLegend::drawBoxes()
{
  drawBoxesLegend();
}
