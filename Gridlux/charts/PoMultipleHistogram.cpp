// Histogram of a table: groups of bars side by side, stacked, or stacked as percentages.
#include <Gridlux/charts/PoMultipleHistogram.h>

#include <Gridlux/attributes/PbDomain.h>
#include <Gridlux/attributes/PbMiscTextAttr.h>
#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/text/PiNumericFormat.h>

#include <Inventor/nodekits/SoAppearanceKit.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoSeparator.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

PO_KIT_SOURCE(PoMultipleHistogram);

void PoMultipleHistogram::initClass()
{
  PO_KIT_INIT_CLASS(PoMultipleHistogram, PoHistogram, "PoHistogram");
}

PoMultipleHistogram::PoMultipleHistogram()
{
  init();
}

PoMultipleHistogram::PoMultipleHistogram(const SbVec2f& startValue, float endValue, Type typeValue, int rows,
                                         int columns, const float* values, const char** rowNames,
                                         const char** columnNames)
{
  init();
  start = startValue;
  end = endValue;
  type = typeValue;
  numRows = (unsigned short)std::max(0, rows);
  numColumns = (unsigned short)std::max(0, columns);
  if (rows > 0 && columns > 0 && values)
    value.setValues(0, rows * columns, values);
  if (rows > 0 && rowNames)
    rowName.setValues(0, rows, rowNames);
  if (columns > 0 && columnNames)
    columnName.setValues(0, columns, columnNames);
}

void PoMultipleHistogram::init()
{
  SO_KIT_CONSTRUCTOR(PoMultipleHistogram);
  SO_KIT_ADD_CATALOG_ENTRY(sumTextSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(sumTextApp, SoAppearanceKit, TRUE, sumTextSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(sumText, SoGroup, TRUE, sumTextSep, "", TRUE);
  SO_KIT_ADD_FIELD(numRows, (1));
  SO_KIT_ADD_FIELD(numColumns, (1));
  SO_KIT_ADD_FIELD(value, (0.0f));
  SO_KIT_ADD_FIELD(rowName, (""));
  SO_KIT_ADD_FIELD(columnName, (""));
  SO_KIT_ADD_FIELD(representation, (JUXTAPOSED));
  SO_KIT_ADD_FIELD(histogPath, (ROW_COLUMN));
  SO_KIT_ADD_FIELD(sumVisibility, (VISIBILITY_ON));
  SO_KIT_ADD_FIELD(sumFontName, (""));
  SO_KIT_ADD_FIELD(sumFontSize, (0.0f));
  SO_KIT_ADD_FIELD(sumPosition, (POS_DEPEND));
  SO_KIT_ADD_FIELD(sumPath, (PATH_DEPEND));
  for (SoMField* field : {static_cast<SoMField*>(&value), static_cast<SoMField*>(&rowName),
                          static_cast<SoMField*>(&columnName)}) {
    field->setNum(0);
    field->setDefault(TRUE);
  }
  SO_KIT_DEFINE_ENUM_VALUE(Representation, JUXTAPOSED);
  SO_KIT_DEFINE_ENUM_VALUE(Representation, ACCUMULATED);
  SO_KIT_DEFINE_ENUM_VALUE(Representation, PERCENTAGE);
  SO_KIT_DEFINE_ENUM_VALUE(HistogPath, ROW_COLUMN);
  SO_KIT_DEFINE_ENUM_VALUE(HistogPath, COLUMN_ROW);
  SO_KIT_SET_SF_ENUM_TYPE(representation, Representation);
  SO_KIT_SET_SF_ENUM_TYPE(histogPath, HistogPath);
  SO_KIT_SET_SF_ENUM_TYPE(sumVisibility, Visibility);
  SO_KIT_SET_SF_ENUM_TYPE(sumPosition, Position);
  SO_KIT_SET_SF_ENUM_TYPE(sumPath, TextPath);
  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoMultipleHistogram::~PoMultipleHistogram() = default;

void PoMultipleHistogram::setDefaultAttr()
{
  inherited::setDefaultAttr();
  // Stacked bars touch each other: their values go inside them.
  if (valuePosition.getValue() == POS_DEPEND && representation.getValue() != JUXTAPOSED)
    m_attr.valuePosition = POS_CENTER;
  const int position = sumPosition.getValue();
  m_sumPosition = position >= POS_TOP_OUT && position <= POS_CENTER ? position
                  : m_attr.type == Y                                ? POS_RIGHT_OUT
                                                                    : POS_TOP_OUT;
  const int path = sumPath.getValue();
  m_sumPath = path >= PATH_RIGHT && path <= PATH_DOWN ? path : PATH_RIGHT;
  float size = sumFontSize.getValue();
  if (!std::isfinite(size) || size < 0.0f) {
    PoDebugError::post("PoMultipleHistogram::setDefaultAttr", "font size %g is not a size; 0.04 used", size);
    size = 0.0f;
  }
  m_sumFontSize = size == 0.0f ? 0.04f : size;
  const float dx = getDomain()->getDeltaX();
  if (dx > 0.0f && std::isfinite(dx))
    m_sumFontSize *= dx;
  m_sumFontName = sumFontName.getValue();
  if (m_sumFontName.getLength() == 0)
    m_sumFontName = currentTextAttr()->getFontName();
}

void PoMultipleHistogram::clearParts()
{
  inherited::clearParts();
  setAnyPart("sumText", nullptr);
}

void PoMultipleHistogram::colorBars(SoGroup* barGroup)
{
  const int numBars = m_numGroups * m_numMembers;
  if (m_attr.coloring == CLASS_DATA_MAPPING) {
    colorFromMapping(barGroup, m_grouped.data(), numBars);
    return;
  }
  if (color.getNum() == numBars) {
    colorFromList(barGroup, numBars);
  } else if (color.getNum() == m_numMembers) {
    // By place in the group: the same member has the same colour in every group.
    std::vector<SbColor> colors(numBars);
    for (int i = 0; i < numBars; ++i)
      colors[i] = color[i % m_numMembers];
    setBarColors(barGroup, colors, {});
  }
}

void PoMultipleHistogram::buildBars(std::vector<PiHistogramBars::Bar>& bars, std::vector<float>& sums)
{
  const HistogAttr& a = m_attr;
  const bool alongX = a.type == X;
  PiHistogramBars::multiple(alongX ? a.start[0] : a.start[1], a.end, alongX ? a.start[1] : a.start[0],
                            a.barSpaceType, a.barSpaceValue, representation.getValue(), m_grouped.data(), m_numGroups,
                            m_numMembers, bars, sums);
}

void PoMultipleHistogram::rebuild()
{
  preRebuild();
  setDefaultAttr();
  const int rows = numRows.getValue(), columns = numColumns.getValue();
  const int n = value.getNum();
  // No values yet is an empty chart, whatever table shape is set; only values that do not fill the
  // table are worth a message.
  if (n == 0 || !frameIsFinite("PoMultipleHistogram::rebuild")) {
    clearParts();
    postRebuild();
    return;
  }
  if (rows < 1 || columns < 1 || int64_t(n) != int64_t(rows) * columns) {
    PoDebugError::post("PoMultipleHistogram::rebuild", "%d values for %d rows of %d columns; nothing drawn", n, rows,
                       columns);
    clearParts();
    postRebuild();
    return;
  }
  const std::vector<float> values = finiteValues(value.getValues(0), n, "PoMultipleHistogram::rebuild");
  const bool byRow = histogPath.getValue() != COLUMN_ROW;
  m_numGroups = byRow ? rows : columns;
  m_numMembers = byRow ? columns : rows;
  m_grouped.resize(n);
  for (int g = 0; g < m_numGroups; ++g)
    for (int k = 0; k < m_numMembers; ++k)
      m_grouped[g * m_numMembers + k] = byRow ? values[g * columns + k] : values[k * columns + g];
  const bool percent = representation.getValue() == PERCENTAGE;
  if (percent) {
    int negative = 0;
    for (float& v : m_grouped)
      if (v < 0.0f) {
        v = 0.0f;
        ++negative;
      }
    if (negative)
      PoDebugError::postWarning("PoMultipleHistogram::rebuild", "%d negative values count as 0 in percentages",
                                negative);
  }

  std::vector<PiHistogramBars::Bar> bars;
  std::vector<float> sums;
  buildBars(bars, sums);
  std::vector<SbVec2f> boxes;
  barFrameBoxes(bars, boxes);
  const HistogAttr& a = m_attr;

  buildTransform();
  const float groupWidth = representation.getValue() == JUXTAPOSED
                               ? (bars.back().alongMax - bars.back().alongMin) * m_numMembers
                               : bars.back().alongMax - bars.back().alongMin;
  SoGroup* barGroup = buildBarGroup(boxes, isVRML2Mode() ? -0.01f * groupWidth : 0.0f);
  colorBars(barGroup);
  setAnyPart("bar", barGroup);

  // Every value and sum printed alike.
  PiNumericFormat formatter;
  std::vector<float> printed = m_grouped;
  printed.insert(printed.end(), sums.begin(), sums.end());
  formatter.setFormat(currentFormat(), int(printed.size()), printed.data(), 1);
  const std::string suffix = formatter.getTenPower() != 0 ? "E" + std::to_string(formatter.getTenPower()) : "";
  const auto number = [&](float v) {
    SbString s = formatter.getString(v);
    s += suffix.c_str();
    return s;
  };

  SoGroup* texts = nullptr;
  if (a.valueVisibility == VISIBILITY_ON) {
    texts = new SoGroup;
    for (int g = 0; g < m_numGroups; ++g)
      for (int k = 0; k < m_numMembers; ++k) {
        const int i = g * m_numMembers + k;
        SbString s;
        if (percent) {
          if (!(sums[g] > 0.0f))
            continue;
          char buffer[32];
          std::snprintf(buffer, sizeof buffer, "%d%%", PiHistogramBars::percentage(m_grouped[i], sums[g]));
          s = buffer;
        } else {
          s = number(m_grouped[i]);
        }
        if (a.valueAddStringVisibility)
          s += a.valueAddString;
        addText(texts, s, &boxes[2 * i], a.valuePosition, a.valuePath, a.valueFontSize, a.valueFontName);
      }
  }
  setGroupPart("valueText", texts);

  // The envelope of each group, for its name and its sum.
  std::vector<SbVec2f> groupBoxes(2 * m_numGroups);
  for (int g = 0; g < m_numGroups; ++g) {
    SbVec2f lo = boxes[2 * g * m_numMembers], hi = boxes[2 * g * m_numMembers + 1];
    for (int k = 1; k < m_numMembers; ++k) {
      const SbVec2f& l = boxes[2 * (g * m_numMembers + k)];
      const SbVec2f& h = boxes[2 * (g * m_numMembers + k) + 1];
      lo.setValue(std::min(lo[0], l[0]), std::min(lo[1], l[1]));
      hi.setValue(std::max(hi[0], h[0]), std::max(hi[1], h[1]));
    }
    groupBoxes[2 * g] = lo;
    groupBoxes[2 * g + 1] = hi;
  }

  SoGroup* names = nullptr;
  if (a.nameVisibility == VISIBILITY_ON) {
    names = new SoGroup;
    const SoMFString& groupNames = byRow ? rowName : columnName;
    for (int g = 0; g < m_numGroups && g < groupNames.getNum(); ++g)
      addText(names, groupNames[g], &groupBoxes[2 * g], a.namePosition, a.namePath, a.nameFontSize, a.nameFontName);
  }
  setGroupPart("nameText", names);

  SoGroup* sumTexts = nullptr;
  if (sumVisibility.getValue() == VISIBILITY_ON) {
    sumTexts = new SoGroup;
    for (int g = 0; g < m_numGroups; ++g)
      addText(sumTexts, number(sums[g]), &groupBoxes[2 * g], m_sumPosition, m_sumPath, m_sumFontSize, m_sumFontName);
  }
  setGroupPart("sumText", sumTexts);
  postRebuild();
}
