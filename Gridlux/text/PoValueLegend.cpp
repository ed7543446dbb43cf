// Base of the legends that show how values map to colours: values, boxes, colours and drawing.
#include <Gridlux/text/PoValueLegend.h>

#include <Gridlux/attributes/PbDataMapping.h>
#include <Gridlux/attributes/PbIsovaluesList.h>
#include <Gridlux/attributes/PbLinearDataMapping.h>
#include <Gridlux/attributes/PbNonLinearDataMapping2.h>
#include <Gridlux/attributes/PoDataMappingElement.h>
#include <Gridlux/attributes/PoIsovaluesListElement.h>
#include <Gridlux/attributes/PbNumericDisplayFormat.h>
#include <Gridlux/attributes/PoNumericDisplayFormatElement.h>
#include <Gridlux/axes/PoLinearAxis.h>

#include <Inventor/nodekits/SoAppearanceKit.h>
#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoDrawStyle.h>
#include <Inventor/nodes/SoFaceSet.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoSeparator.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

PO_KIT_ABSTRACT_SOURCE(PoValueLegend);

void PoValueLegend::initClass()
{
  PO_KIT_INIT_ABSTRACT_CLASS(PoValueLegend, PoLegend, "PoLegend");
}

PoValueLegend::PoValueLegend()
{
  SO_KIT_CONSTRUCTOR(PoValueLegend);
  SO_KIT_ADD_CATALOG_ENTRY(multFactorSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(multFactorApp, SoAppearanceKit, TRUE, multFactorSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(multFactor, SoGroup, TRUE, multFactorSep, "", TRUE);
  SO_KIT_ADD_FIELD(upperUndefString, ("UNDEF>"));
  SO_KIT_ADD_FIELD(lowerUndefString, ("UNDEF<"));
  SO_KIT_ADD_FIELD(periodValue, (1));
  SO_KIT_ADD_FIELD(firstValue, (1));
  SO_KIT_ADD_FIELD(lastValue, (32767));
  SO_KIT_INIT_INSTANCE();
}

PoValueLegend::~PoValueLegend()
{
  changeConnection(m_dataMapping, nullptr);
  changeConnection(m_isovaluesList, nullptr);
  changeConnection(m_format, nullptr);
}

void PoValueLegend::setDataMapping(PbDataMapping* mapping)
{
  replaceFollowed(m_dataMapping, mapping);
}

void PoValueLegend::setIsovaluesList(PbIsovaluesList* list)
{
  replaceFollowed(m_isovaluesList, list);
}

void PoValueLegend::setFormat(PbNumericDisplayFormat* format)
{
  replaceFollowed(m_format, format);
}

void PoValueLegend::basicObjectChange(PbBase* object)
{
  if (followedObjectChanged(object, m_dataMapping) || followedObjectChanged(object, m_isovaluesList) ||
      followedObjectChanged(object, m_format))
    return;
  inherited::basicObjectChange(object);
}

void PoValueLegend::preRebuild()
{
  inherited::preRebuild();
  if (!isStateValid())
    return;
  if (!m_dataMapping)
    addElementCache(PoDataMappingElement::getClassStackIndex());
  if (!m_isovaluesList)
    addElementCache(PoIsovaluesListElement::getClassStackIndex());
  if (!m_format)
    addElementCache(PoNumericDisplayFormatElement::getClassStackIndex());
}

void PoValueLegend::addElementsAllCaches()
{
  inherited::addElementsAllCaches();
  SoState* state = getState();
  if (!state)
    return;
  if (!m_dataMapping)
    PoDataMappingElement::get(state);
  if (!m_isovaluesList)
    PoIsovaluesListElement::get(state);
  if (!m_format)
    PoNumericDisplayFormatElement::get(state);
}

// ---------------------------------------------------------------------------------------------
// Values

namespace {
// Linear graduations from lo to hi, as the linear axis chooses them.
void linearValues(float lo, float hi, std::vector<float>& values)
{
  if (!(lo < hi) || !std::isfinite(lo) || !std::isfinite(hi))
    return;
  float step = 0.0f, first = lo;
  int num = 0;
  PoLinearAxis::getLinGrads(PoLinearAxis::GRAD_UNFIT, lo, hi, step, first, num);
  for (int i = 0; i < num; ++i) {
    double v = double(first) + i * double(step);
    // A graduation at zero reached through rounding must not print as "-0".
    if (std::fabs(v) < 1e-6 * std::fabs(double(step)))
      v = 0.0;
    values.push_back(float(v));
  }
}
} // namespace

void PoValueLegend::computeValuesList()
{
  m_values.clear();
  m_minThresholdOn = m_maxThresholdOn = 0;
  SoState* state = isStateValid() ? getState() : nullptr;
  m_mappingInForce = m_dataMapping ? m_dataMapping : state ? PoDataMappingElement::get(state) : nullptr;
  m_isovaluesInForce = m_isovaluesList ? m_isovaluesList : state ? PoIsovaluesListElement::get(state) : nullptr;
  const PbDataMapping* mapping = m_mappingInForce;
  if (mapping) {
    mapping->thresholdsEnabled(m_minThresholdOn, m_maxThresholdOn);
    mapping->getMinRGBThreshold(m_minThreshold);
    mapping->getMaxRGBThreshold(m_maxThreshold);
  }

  const PbIsovaluesList* isovalues = m_isovaluesInForce;
  if (isovalues && isovalues->getNum() > 0) {
    int num = 0, regular = 0;
    float min, max, step;
    const float* list = isovalues->getIsoList(num, min, max, step, regular);
    for (int i = 0; list && i < num; ++i)
      if (std::isfinite(list[i]))
        m_values.push_back(list[i]);
    std::sort(m_values.begin(), m_values.end());
    m_values.erase(std::unique(m_values.begin(), m_values.end()), m_values.end());
    return;
  }
  if (!mapping)
    return;
  const auto inside = [this](float v) {
    return (!m_minThresholdOn || v >= m_minThreshold) && (!m_maxThresholdOn || v <= m_maxThreshold);
  };
  switch (mapping->getClassType()) {
  case PbDataMapping::CLASS_LINEAR: {
    float v1, v2;
    SbColor c1, c2;
    static_cast<const PbLinearDataMapping*>(mapping)->getValues(v1, c1, v2, c2);
    float lo = std::min(v1, v2), hi = std::max(v1, v2);
    if (m_minThresholdOn)
      lo = std::max(lo, m_minThreshold);
    if (m_maxThresholdOn)
      hi = std::min(hi, m_maxThreshold);
    linearValues(lo, hi, m_values);
    break;
  }
  case PbDataMapping::CLASS_NON_LINEAR2: {
    int num = 0;
    const float* levels = static_cast<const PbNonLinearDataMapping2*>(mapping)->getValuesList(num);
    for (int i = 0; levels && i < num; ++i)
      if (std::isfinite(levels[i]) && inside(levels[i]) && (m_values.empty() || levels[i] > m_values.back()))
        m_values.push_back(levels[i]);
    break;
  }
  default: {
    // A colour function has no range of its own: between its thresholds, else over [0, 1].
    const bool both = m_minThresholdOn && m_maxThresholdOn;
    linearValues(both ? m_minThreshold : 0.0f, both ? m_maxThreshold : 1.0f, m_values);
    break;
  }
  }
}

void PoValueLegend::computeFormat()
{
  m_tenPower = 0;
  if (m_values.empty()) {
    m_formatter.setFormatInteger(0);
    return;
  }
  const PbNumericDisplayFormat* format = m_format;
  if (!format)
    format = isStateValid() && getState() ? PoNumericDisplayFormatElement::get(getState())
                                          : PoNumericDisplayFormatElement::getDefault();
  m_formatter.setFormat(format, int(m_values.size()), m_values.data(), 1);
  m_tenPower = m_formatter.getTenPower();
}

SbString PoValueLegend::valueString(float value) const
{
  return m_formatter.getString(value);
}

SbString PoValueLegend::decorated(const SbString& text) const
{
  SbString result = text;
  if (valueAddStringVisibility.getValue())
    result += valueAddString.getValue();
  return result;
}

void PoValueLegend::selectedIndices(int n, int& first, int& last, int& step) const
{
  first = int(firstValue.getValue()) - 1;
  last = int(lastValue.getValue()) - 1;
  step = periodValue.getValue();
  // Clamped both ways: a last value below 1 would index before the list.
  last = std::max(0, std::min(last, n - 1));
  if (first < 1)
    first = 0;
  if (first > last)
    first = 0;
  if (step < 1)
    step = 1;
}

// ---------------------------------------------------------------------------------------------
// Boxes

void PoValueLegend::newBoxRepresentationList(int num)
{
  m_boxes.assign(std::max(0, num), BoxRepresentation());
}

void PoValueLegend::deleteBoxRepresentationList()
{
  m_boxes.clear();
}

void PoValueLegend::addUndefinedBoxes()
{
  if (m_minThresholdOn) {
    BoxRepresentation box;
    box.undefined = -1;
    box.lowerValue = box.upperValue = m_minThreshold;
    box.text = lowerUndefString.getValue();
    m_boxes.insert(m_boxes.begin(), box);
  }
  if (m_maxThresholdOn) {
    BoxRepresentation box;
    box.undefined = 1;
    box.lowerValue = box.upperValue = m_maxThreshold;
    box.text = upperUndefString.getValue();
    m_boxes.push_back(box);
  }
}

void PoValueLegend::computeBoxColors()
{
  const PbDataMapping* mapping = m_mappingInForce;
  for (BoxRepresentation& box : m_boxes) {
    if (!mapping) {
      box.colorKind = -1;
      continue;
    }
    if (box.undefined != 0) {
      float value = 0.0f, transparency = 0.0f;
      const SbColor* color = box.undefined < 0 ? mapping->getMinRGBThreshold(value, transparency)
                                               : mapping->getMaxRGBThreshold(value, transparency);
      box.colorKind = color ? 1 : 0;
      if (color) {
        box.color = *color;
        box.transparency = transparency;
      }
      continue;
    }
    // A box that starts on the minimum threshold stands for the mapped values just above it;
    // the threshold value itself belongs to the undefined zone, so its colour would be wrong.
    float sample = box.lowerValue;
    if (m_minThresholdOn && sample <= m_minThreshold && box.upperValue > m_minThreshold)
      sample = std::nextafter(m_minThreshold, box.upperValue);
    float transparency = 0.0f;
    const SbColor* color = mapping->getRGBColor(sample, transparency);
    box.colorKind = color ? 2 : 0;
    if (color) {
      box.color = *color;
      box.transparency = mapping->isTransparencyEnabled() ? transparency : 0.0f;
    }
  }
}

std::vector<float> PoValueLegend::buildBarBoxes(bool lowerUpperBoxes)
{
  std::vector<float> selected;
  const int n = int(m_values.size());
  if (n == 0)
    return selected;
  int first, last, step;
  selectedIndices(n, first, last, step);
  for (int i = first; i <= last; i += step)
    selected.push_back(m_values[i]);
  if (selected.back() != m_values[last])
    selected.push_back(m_values[last]);
  const auto add = [this](float lower, float upper) {
    BoxRepresentation box;
    box.lowerValue = lower;
    box.upperValue = upper;
    m_boxes.push_back(box);
  };
  float smallest = 0.0f;
  for (size_t i = 0; i + 1 < selected.size(); ++i) {
    const float interval = selected[i + 1] - selected[i];
    smallest = i == 0 ? interval : std::min(smallest, interval);
  }
  // The ends of a linear mapping, where the lower and upper boxes may reach.
  float low = selected.front(), high = selected.back();
  const bool linear = m_mappingInForce && m_mappingInForce->getClassType() == PbDataMapping::CLASS_LINEAR;
  if (linear) {
    float v1, v2;
    SbColor c1, c2;
    static_cast<const PbLinearDataMapping*>(m_mappingInForce)->getValues(v1, c1, v2, c2);
    low = std::min(v1, v2);
    high = std::max(v1, v2);
    if (m_minThresholdOn)
      low = std::max(low, m_minThreshold);
    if (m_maxThresholdOn)
      high = std::min(high, m_maxThreshold);
  }
  if (!(smallest > 0.0f)) // a single value: a unit, or the mapping's span, on each side
    smallest = linear && high > low ? 0.5f * (high - low) : std::max(1.0f, std::fabs(selected.front()));
  if (lowerUpperBoxes)
    add(linear && low < selected.front() ? low : selected.front() - smallest, selected.front());
  for (size_t i = 0; i + 1 < selected.size(); ++i)
    add(selected[i], selected[i + 1]);
  if (lowerUpperBoxes)
    add(selected.back(), linear && high > selected.back() ? high : selected.back() + smallest);
  addUndefinedBoxes();
  computeBoxColors();
  return selected;
}

bool PoValueLegend::beginValueLegend(const SbVec2f& start, const SbVec2f& end)
{
  deleteBoxRepresentationList();
  m_valueSize = 0.0f;
  if (!computeFrame(start, end)) {
    clearAllParts();
    setAnyPart("multFactor", nullptr);
    m_values.clear();
    return false;
  }
  computeMarginA();
  computeTitleSizeA();
  drawBackgroundA();
  drawTitleA();
  computeValuesList();
  computeFormat();
  return true;
}

// ---------------------------------------------------------------------------------------------
// Drawing

PiLegendLayout::TextSide PoValueLegend::textSide(bool bar) const
{
  if (valueVisibility.getValue() != VISIBILITY_ON)
    return PiLegendLayout::TEXT_NONE;
  const int position = valuePosition.getValue();
  if (bar && m_orientation == 0) // a horizontal bar has its texts above or below
    return position == POS_TOP ? PiLegendLayout::TEXT_ABOVE : PiLegendLayout::TEXT_BELOW;
  if (bar) // a vertical bar has them beside
    return position == POS_LEFT ? PiLegendLayout::TEXT_LEFT : PiLegendLayout::TEXT_RIGHT;
  switch (position) {
  case POS_LEFT:
    return PiLegendLayout::TEXT_LEFT;
  case POS_TOP:
    return PiLegendLayout::TEXT_ABOVE;
  case POS_BOTTOM:
    return PiLegendLayout::TEXT_BELOW;
  default:
    return PiLegendLayout::TEXT_RIGHT;
  }
}

namespace {
// Layers in front of the background, as fractions of the legend's size.
const float kBoxLayer = 0.001f, kBorderLayer = 0.002f, kTextLayer = 0.003f;

void alignmentFor(PiLegendLayout::TextSide side, PiText::HorAlignment& hor, PiText::VertAlignment& vert)
{
  switch (side) {
  case PiLegendLayout::TEXT_LEFT:
    hor = PiText::RIGHT;
    vert = PiText::HALF;
    return;
  case PiLegendLayout::TEXT_ABOVE:
    hor = PiText::CENTER;
    vert = PiText::BOTTOM;
    return;
  case PiLegendLayout::TEXT_BELOW:
    hor = PiText::CENTER;
    vert = PiText::TOP;
    return;
  default:
    hor = PiText::LEFT;
    vert = PiText::HALF;
    return;
  }
}
} // namespace

void PoValueLegend::drawBox(SoGroup* boxes, SoGroup* borders, const BoxRepresentation& box, const SbBox2f& rect)
{
  float w, h;
  m_rect.getSize(w, h);
  const float scale = std::max(w, h);
  if (box.colorKind != 0) {
    if (box.colorKind > 0) {
      SoMaterial* material = new SoMaterial;
      material->diffuseColor.setValue(box.color);
      material->transparency.setValue(box.transparency);
      boxes->addChild(material);
    }
    addRectFace(boxes, rect, kBoxLayer * scale);
  }
  // Drawn as lines by the border appearance's draw style.
  addRectFace(borders, rect, kBorderLayer * scale);
}

void PoValueLegend::drawText(SoGroup* group, const SbString& text, const SbVec2f& at, PiText::HorAlignment hor,
                             PiText::VertAlignment vert, float size)
{
  if (text.getLength() == 0 || !(size > 0.0f))
    return;
  float w, h;
  m_rect.getSize(w, h);
  PiText piText;
  setUpText(piText, valueFontName.getValue(), size);
  piText.setPath(PiText::PATH_RIGHT);
  piText.setAlignment(hor, vert);
  piText.setString(text.getString());
  piText.setOrigin(at[0], at[1], kTextLayer * std::max(w, h));
  piText.setGroup(group);
  piText.build();
}

float PoValueLegend::multFactorWidth() const
{
  if (m_tenPower == 0)
    return 0.0f;
  char exponent[16];
  std::snprintf(exponent, sizeof(exponent), "%d", m_tenPower);
  return textWidth("x 10", valueFontName.getValue()) + 0.1f + 0.7f * textWidth(exponent, valueFontName.getValue());
}

void PoValueLegend::drawMultFactor(const SbVec2f& at, float size)
{
  SoGroup* group = newFrameGroup();
  if (m_tenPower != 0 && size > 0.0f) {
    char exponent[16];
    std::snprintf(exponent, sizeof(exponent), "%d", m_tenPower);
    const float baseWidth = textWidth("x 10", valueFontName.getValue()) * size;
    drawText(group, "x 10", at, PiText::LEFT, PiText::BASE, size);
    // The exponent smaller and raised, after "10".
    drawText(group, exponent, SbVec2f(at[0] + baseWidth + 0.1f * size, at[1] + 0.55f * size), PiText::LEFT,
             PiText::BASE, 0.7f * size);
  }
  setGroupPart("multFactor", group);
}

void PoValueLegend::drawBoxesLegend()
{
  SoGroup* boxes = newFrameGroup();
  SoGroup* borders = newFrameGroup();
  SoGroup* texts = newFrameGroup();
  PiLegendLayout::BoxesInput in;
  in.inner = m_inner;
  in.numBoxes = int(m_boxes.size());
  in.numColumns = std::max(1, int(numColumns.getValue()));
  in.columnByColumn = incrementType.getValue() != HORIZONTAL_INCREMENT;
  in.boxRatio = boxRatio.getValue();
  in.textSide = textSide(false);
  in.orientation = m_orientation;
  in.factorWidth = multFactorWidth();
  for (const BoxRepresentation& box : m_boxes)
    in.textWidths.push_back(textWidth(decorated(box.text), valueFontName.getValue()));
  PiLegendLayout::BoxesLayout layout;
  if (PiLegendLayout::computeBoxes(in, layout)) {
    m_valueSize = in.textSide == PiLegendLayout::TEXT_NONE ? 0.0f : layout.size;
    PiText::HorAlignment hor;
    PiText::VertAlignment vert;
    alignmentFor(in.textSide, hor, vert);
    for (size_t i = 0; i < m_boxes.size(); ++i) {
      drawBox(boxes, borders, m_boxes[i], layout.boxes[i].box);
      if (in.textSide != PiLegendLayout::TEXT_NONE)
        drawText(texts, decorated(m_boxes[i].text), layout.boxes[i].textAt, hor, vert, layout.size);
    }
    drawMultFactor(layout.factorAt, layout.size);
  } else {
    setAnyPart("multFactor", nullptr);
  }
  setGroupPart("box", boxes);
  setGroupPart("boxBorder", borders);
  setGroupPart("valueText", texts);
  setDrawStyleAK("boxBorderApp", SoDrawStyle::LINES);
}

void PoValueLegend::drawOneBoxLegend(const std::vector<float>& labelValues, bool proportional, float maxValueSize)
{
  SoGroup* boxes = newFrameGroup();
  SoGroup* borders = newFrameGroup();
  SoGroup* texts = newFrameGroup();
  PiLegendLayout::BarInput in;
  in.inner = m_inner;
  in.vertical = m_orientation == 1;
  in.textSide = textSide(true);
  in.maxValueSize = maxValueSize;
  in.factorWidth = multFactorWidth();
  std::vector<int> barBoxes;
  for (size_t i = 0; i < m_boxes.size(); ++i) {
    const BoxRepresentation& box = m_boxes[i];
    if (box.undefined < 0) {
      in.lowerUndef = 1;
      in.lowerUndefWidth = textWidth(decorated(box.text), valueFontName.getValue());
    } else if (box.undefined > 0) {
      in.upperUndef = 1;
      in.upperUndefWidth = textWidth(decorated(box.text), valueFontName.getValue());
    } else {
      barBoxes.push_back(int(i));
      in.weights.push_back(proportional ? box.upperValue - box.lowerValue : 1.0f);
    }
  }
  // Each label at its value's place: within the box whose interval holds it.
  std::vector<SbString> allLabels;
  std::vector<float> allAt, allWidths;
  for (float v : labelValues) {
    for (size_t k = 0; k < barBoxes.size(); ++k) {
      const BoxRepresentation& box = m_boxes[barBoxes[k]];
      if (v < box.lowerValue || v > box.upperValue)
        continue;
      const float span = box.upperValue - box.lowerValue;
      allAt.push_back(float(k) + (span > 0.0f ? (v - box.lowerValue) / span : 0.0f));
      allLabels.push_back(decorated(valueString(v)));
      allWidths.push_back(textWidth(allLabels.back(), valueFontName.getValue()));
      break;
    }
  }
  // Labels too crowded to be read at a twenty-fifth of the bar's side: every second one, then
  // every third, ... is shown, as long as leaving labels out makes them larger (it does not
  // when the room beside the bar is what bounds them).
  float iw, ih;
  m_inner.getSize(iw, ih);
  const float readable = 0.04f * (in.vertical ? ih : iw);
  auto select = [&](size_t stride, std::vector<SbString>& chosen) {
    chosen.clear();
    in.labelAt.clear();
    in.labelWidths.clear();
    for (size_t l = 0; l < allLabels.size(); l += stride) {
      chosen.push_back(allLabels[l]);
      in.labelAt.push_back(allAt[l]);
      in.labelWidths.push_back(allWidths[l]);
    }
  };
  std::vector<SbString> labels, thinner;
  PiLegendLayout::BarLayout layout, thinnerLayout;
  select(1, labels);
  bool placed = PiLegendLayout::computeBar(in, layout);
  for (size_t stride = 2; placed && in.textSide != PiLegendLayout::TEXT_NONE && layout.size < readable &&
                          (allLabels.size() + stride - 1) / stride >= 2;
       ++stride) {
    select(stride, thinner);
    if (!PiLegendLayout::computeBar(in, thinnerLayout) || thinnerLayout.size <= 1.01f * layout.size)
      break;
    labels.swap(thinner);
    layout = thinnerLayout;
  }
  if (placed) {
    m_valueSize = in.textSide == PiLegendLayout::TEXT_NONE ? 0.0f : layout.size;
    PiText::HorAlignment hor;
    PiText::VertAlignment vert;
    alignmentFor(in.textSide, hor, vert);
    for (size_t k = 0; k < barBoxes.size(); ++k)
      drawBox(boxes, borders, m_boxes[barBoxes[k]], layout.boxes[k]);
    for (const BoxRepresentation& box : m_boxes) {
      if (box.undefined == 0)
        continue;
      const SbBox2f& rect = box.undefined < 0 ? layout.lowerUndef : layout.upperUndef;
      drawBox(boxes, borders, box, rect);
      if (in.textSide != PiLegendLayout::TEXT_NONE)
        drawText(texts, decorated(box.text), box.undefined < 0 ? layout.lowerUndefAt : layout.upperUndefAt, hor,
                 vert, layout.size);
    }
    if (in.textSide != PiLegendLayout::TEXT_NONE)
      for (size_t l = 0; l < labels.size(); ++l)
        drawText(texts, labels[l], layout.labelsAt[l], hor, vert, layout.size);
    drawMultFactor(layout.factorAt, layout.size);
  } else {
    setAnyPart("multFactor", nullptr);
  }
  setGroupPart("box", boxes);
  setGroupPart("boxBorder", borders);
  setGroupPart("valueText", texts);
  setDrawStyleAK("boxBorderApp", SoDrawStyle::LINES);
}
