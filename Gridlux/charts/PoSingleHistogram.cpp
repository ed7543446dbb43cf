// Histogram of one series: one bar per value, with its value and name texts.
#include <Gridlux/charts/PoSingleHistogram.h>

#include <Gridlux/text/PiNumericFormat.h>

#include <Inventor/nodes/SoGroup.h>

#include <string>

PO_KIT_SOURCE(PoSingleHistogram);

void PoSingleHistogram::initClass()
{
  PO_KIT_INIT_CLASS(PoSingleHistogram, PoHistogram, "PoHistogram");
}

PoSingleHistogram::PoSingleHistogram()
{
  init();
}

PoSingleHistogram::PoSingleHistogram(const SbVec2f& startValue, float endValue, Type typeValue, int numValues,
                                     const float* values, const char** names)
{
  init();
  start = startValue;
  end = endValue;
  type = typeValue;
  if (numValues > 0 && values)
    value.setValues(0, numValues, values);
  if (numValues > 0 && names)
    name.setValues(0, numValues, names);
}

void PoSingleHistogram::init()
{
  SO_KIT_CONSTRUCTOR(PoSingleHistogram);
  SO_KIT_ADD_FIELD(value, (0.0f));
  SO_KIT_ADD_FIELD(name, (""));
  value.setNum(0);
  value.setDefault(TRUE);
  name.setNum(0);
  name.setDefault(TRUE);
  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoSingleHistogram::~PoSingleHistogram() = default;

void PoSingleHistogram::colorBars(SoGroup* barGroup)
{
  if (m_attr.coloring == CLASS_DATA_MAPPING)
    colorFromMapping(barGroup, m_values.data(), int(m_values.size()));
  else
    colorFromList(barGroup, int(m_values.size()));
}

void PoSingleHistogram::rebuild()
{
  preRebuild();
  setDefaultAttr();
  const int n = value.getNum();
  if (n == 0 || !frameIsFinite("PoSingleHistogram::rebuild")) {
    m_values.clear();
    clearParts();
    postRebuild();
    return;
  }
  m_values = finiteValues(value.getValues(0), n, "PoSingleHistogram::rebuild");
  const HistogAttr& a = m_attr;
  const bool alongX = a.type == X;
  std::vector<PiHistogramBars::Bar> bars;
  PiHistogramBars::single(alongX ? a.start[0] : a.start[1], a.end, alongX ? a.start[1] : a.start[0], a.barSpaceType,
                          a.barSpaceValue, m_values.data(), n, bars);
  std::vector<SbVec2f> boxes;
  barFrameBoxes(bars, boxes);

  buildTransform();
  const float width = bars[0].alongMax - bars[0].alongMin;
  SoGroup* barGroup = buildBarGroup(boxes, isVRML2Mode() ? -0.01f * width : 0.0f);
  colorBars(barGroup);
  setAnyPart("bar", barGroup);

  if (a.valueVisibility == VISIBILITY_ON) {
    PiNumericFormat formatter;
    formatter.setFormat(currentFormat(), n, m_values.data(), 1);
    const std::string suffix = formatter.getTenPower() != 0 ? "E" + std::to_string(formatter.getTenPower()) : "";
    SoGroup* texts = new SoGroup;
    for (int i = 0; i < n; ++i) {
      SbString s = formatter.getString(m_values[i]);
      s += suffix.c_str();
      if (a.valueAddStringVisibility)
        s += a.valueAddString;
      addText(texts, s, &boxes[2 * i], a.valuePosition, a.valuePath, a.valueFontSize, a.valueFontName);
    }
    setGroupPart("valueText", texts);
  } else {
    setAnyPart("valueText", nullptr);
  }

  SoGroup* names = nullptr;
  if (a.nameVisibility == VISIBILITY_ON) {
    names = new SoGroup;
    for (int i = 0; i < n && i < name.getNum(); ++i)
      addText(names, name[i], &boxes[2 * i], a.namePosition, a.namePath, a.nameFontSize, a.nameFontName);
  }
  setGroupPart("nameText", names);
  postRebuild();
}
