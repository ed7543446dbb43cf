// Legend of named items, each with a coloured box, a line sample and a marker: the key of charts.
#include <Gridlux/text/PoItemLegend.h>

#include <Inventor/nodekits/SoAppearanceKit.h>
#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoDrawStyle.h>
#include <Inventor/nodes/SoFont.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoLineSet.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoSeparator.h>

#include <algorithm>
#include <cmath>

PO_KIT_SOURCE(PoItemLegend);

namespace {
const float kBox = 0.975f;    // box height (font sizes)
const float kMarker = 0.65f;  // marker place, and a line sample's height beside its text
// Heights above the background, as fractions of the legend's larger side.
const float kBoxLayer = 0.001f, kBorderLayer = 0.002f, kTextLayer = 0.003f, kLineLayer = 0.004f,
            kMarkerLayer = 0.005f;

// The value of a per-item field at item i: its last value when it is shorter.
template <class Field> int indexIn(const Field& field, int i)
{
  const int n = field.getNum();
  return n == 0 ? -1 : std::min(i, n - 1);
}
} // namespace

void PoItemLegend::initClass()
{
  PO_KIT_INIT_CLASS(PoItemLegend, PoLegend, "PoLegend");
}

PoItemLegend::PoItemLegend()
{
  init();
}

PoItemLegend::PoItemLegend(const SbVec2f& startValue, const SbVec2f& endValue, int num, const char** items,
                           const SbColor* colors)
{
  init();
  start = startValue;
  end = endValue;
  if (num >= 0 && items) {
    item.setValues(0, num, items);
    item.setNum(num);
  }
  if (num > 0 && colors)
    boxColor.setValues(0, num, colors);
}

void PoItemLegend::init()
{
  SO_KIT_CONSTRUCTOR(PoItemLegend);
  SO_KIT_ADD_CATALOG_ENTRY(lineSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(lineApp, SoAppearanceKit, TRUE, lineSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(line, SoGroup, TRUE, lineSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(markerSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(markerApp, SoAppearanceKit, TRUE, markerSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(marker, SoGroup, TRUE, markerSep, "", TRUE);
  SO_KIT_ADD_FIELD(start, (SbVec2f(0.0f, 0.0f)));
  SO_KIT_ADD_FIELD(end, (SbVec2f(1.0f, 1.0f)));
  SO_KIT_ADD_FIELD(item, (""));
  SO_KIT_ADD_FIELD(boxVisibility, (TRUE));
  SO_KIT_ADD_FIELD(boxColor, (SbColor(0.0f, 0.0f, 0.0f)));
  SO_KIT_ADD_FIELD(lineVisibility, (FALSE));
  SO_KIT_ADD_FIELD(lineColor, (SbColor(0.0f, 0.0f, 0.0f)));
  SO_KIT_ADD_FIELD(lineSize, (0.0f));
  SO_KIT_ADD_FIELD(linePattern, (0xFFFF));
  SO_KIT_ADD_FIELD(markerVisibility, (FALSE));
  SO_KIT_ADD_FIELD(markerColor, (SbColor(0.0f, 0.0f, 0.0f)));
  SO_KIT_ADD_FIELD(markerSize, (0.0f));
  SO_KIT_ADD_FIELD(markerString, ("."));
  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoItemLegend::~PoItemLegend() = default;

void PoItemLegend::setRevertOrder(float a, float b)
{
  const int revert = a <= b ? 1 : 0;
  if (revert == m_revertOrder)
    return;
  m_revertOrder = revert;
  touchKit();
}

int PoItemLegend::numItems() const
{
  const int n = item.getNum();
  return n == 1 && item[0].getLength() == 0 ? 0 : n;
}

void PoItemLegend::computeGraphicSizeForValues(float& width, float& height) const
{
  const float ratio = boxRatio.getValue() > 0.0f && std::isfinite(boxRatio.getValue()) ? boxRatio.getValue() : 1.0f;
  const int position = valuePosition.getValue();
  const bool beside = position == POS_RIGHT || position == POS_LEFT;
  if (boxVisibility.getValue()) {
    width = kBox * ratio, height = kBox;
  } else if (markerVisibility.getValue()) {
    width = lineVisibility.getValue() ? kBox * ratio : kMarker, height = kMarker;
  } else if (lineVisibility.getValue()) {
    width = kBox * ratio, height = beside ? kMarker : 0.0f;
  } else {
    width = 0.0f, height = 0.0f;
  }
}

PiLegendLayout::TextSide PoItemLegend::textSide() const
{
  if (valueVisibility.getValue() != VISIBILITY_ON)
    return PiLegendLayout::TEXT_NONE;
  switch (valuePosition.getValue()) {
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

void PoItemLegend::clearSampleParts()
{
  setAnyPart("line", nullptr);
  setAnyPart("marker", nullptr);
}

void PoItemLegend::rebuild()
{
  preRebuild();
  m_itemSize = 0.0f;
  if (!computeFrame(start.getValue(), end.getValue())) {
    clearAllParts();
    clearSampleParts();
    postRebuild();
    return;
  }
  computeMarginA();
  computeTitleSizeA();
  drawBackgroundA();
  drawTitleA();
  const int count = numItems();
  if (count == 0) {
    clearContentParts();
    clearSampleParts();
    postRebuild();
    return;
  }

  float sampleWidth, sampleHeight;
  computeGraphicSizeForValues(sampleWidth, sampleHeight);
  const SbString font = valueFontName.getValue();
  const auto decorated = [this](const SbString& s) {
    SbString out = s;
    if (valueAddStringVisibility.getValue())
      out += valueAddString.getValue();
    return out;
  };
  PiLegendLayout::BoxesInput in;
  in.inner = m_inner;
  in.numBoxes = count;
  in.numColumns = std::max(1, int(numColumns.getValue()));
  in.columnByColumn = incrementType.getValue() != HORIZONTAL_INCREMENT;
  in.boxRatio = boxRatio.getValue();
  in.sampleWidth = sampleWidth;
  in.textSide = textSide();
  in.orientation = m_orientation;
  // Texts in cell order: the reversed order puts item i in cell count - 1 - i.
  const auto itemOfCell = [&](int cell) { return m_revertOrder ? count - 1 - cell : cell; };
  for (int c = 0; c < count; ++c)
    in.textWidths.push_back(textWidth(decorated(item[itemOfCell(c)]), font));
  PiLegendLayout::BoxesLayout layout;
  if (!PiLegendLayout::computeBoxes(in, layout)) {
    clearContentParts();
    clearSampleParts();
    postRebuild();
    return;
  }
  const float s = layout.size;
  float w, h;
  m_rect.getSize(w, h);
  const float scale = std::max(w, h);

  SoGroup* boxes = newFrameGroup();
  SoGroup* borders = newFrameGroup();
  SoGroup* texts = newFrameGroup();
  SoGroup* lines = newFrameGroup();
  SoGroup* markers = newFrameGroup();
  PiText::HorAlignment hor = PiText::LEFT;
  PiText::VertAlignment vert = PiText::HALF;
  switch (in.textSide) {
  case PiLegendLayout::TEXT_LEFT:
    hor = PiText::RIGHT;
    break;
  case PiLegendLayout::TEXT_ABOVE:
    hor = PiText::CENTER, vert = PiText::BOTTOM;
    break;
  case PiLegendLayout::TEXT_BELOW:
    hor = PiText::CENTER, vert = PiText::TOP;
    break;
  default:
    break;
  }
  for (int cell = 0; cell < count; ++cell) {
    const int i = itemOfCell(cell);
    const SbBox2f& place = layout.boxes[cell].box;
    const SbVec2f centre = place.getCenter();
    if (boxVisibility.getValue()) {
      const int c = indexIn(boxColor, i);
      if (c >= 0) {
        SoMaterial* material = new SoMaterial;
        material->diffuseColor.setValue(boxColor[c]);
        boxes->addChild(material);
      }
      addRectFace(boxes, place, kBoxLayer * scale);
      addRectFace(borders, place, kBorderLayer * scale); // drawn as lines by boxBorderApp
    }
    if (lineVisibility.getValue()) {
      const int c = indexIn(lineColor, i), z = indexIn(lineSize, i), p = indexIn(linePattern, i);
      if (c >= 0) {
        SoMaterial* material = new SoMaterial;
        material->diffuseColor.setValue(lineColor[c]);
        lines->addChild(material);
      }
      SoDrawStyle* style = new SoDrawStyle;
      style->lineWidth = z >= 0 && lineSize[z] > 0.0f && std::isfinite(lineSize[z]) ? lineSize[z] : 0.0f;
      style->linePattern = p >= 0 ? linePattern[p] : 0xFFFF;
      lines->addChild(style);
      const float half = 0.5f * sampleWidth * s;
      SoCoordinate3* coords = new SoCoordinate3;
      coords->point.set1Value(0, SbVec3f(centre[0] - half, centre[1], kLineLayer * scale));
      coords->point.set1Value(1, SbVec3f(centre[0] + half, centre[1], kLineLayer * scale));
      SoLineSet* segment = new SoLineSet;
      segment->numVertices.setValue(2);
      lines->addChild(coords);
      lines->addChild(segment);
    }
    if (markerVisibility.getValue()) {
      const int c = indexIn(markerColor, i), z = indexIn(markerSize, i), m = indexIn(markerString, i);
      float size = (sampleHeight > 0.0f ? sampleHeight : kMarker) * s;
      if (z >= 0 && markerSize[z] > 0.0f && std::isfinite(markerSize[z]))
        size = markerSize[z] * h;
      if (c >= 0) {
        SoMaterial* material = new SoMaterial;
        material->diffuseColor.setValue(markerColor[c]);
        markers->addChild(material);
      }
      markers->addChild(new SoDrawStyle);
      SoFont* markerFont = new SoFont;
      markerFont->size = size;
      markers->addChild(markerFont);
      const SbString shape = m >= 0 ? markerString[m] : SbString(".");
      if (shape.getLength() == 0 || shape == ".") {
        // A dot as text would sit on the base line and be barely seen: a small square instead.
        const float r = 0.2f * size;
        addRectFace(markers, SbBox2f(centre[0] - r, centre[1] - r, centre[0] + r, centre[1] + r), kMarkerLayer * scale);
      } else {
        PiText text;
        setUpText(text, font, size);
        text.setPath(PiText::PATH_RIGHT);
        text.setAlignment(PiText::CENTER, PiText::HALF);
        text.setString(shape.getString());
        text.setOrigin(centre[0], centre[1], kMarkerLayer * scale);
        text.setGroup(markers);
        text.build();
      }
    }
    const SbString label = decorated(item[i]);
    if (in.textSide != PiLegendLayout::TEXT_NONE && label.getLength() > 0) {
      PiText text;
      setUpText(text, font, s);
      text.setPath(PiText::PATH_RIGHT);
      text.setAlignment(hor, vert);
      text.setString(label.getString());
      const SbVec2f at = layout.boxes[cell].textAt;
      text.setOrigin(at[0], at[1], kTextLayer * scale);
      text.setGroup(texts);
      text.build();
      m_itemSize = s;
    }
  }
  setGroupPart("box", boxes);
  setGroupPart("boxBorder", borders);
  setGroupPart("valueText", texts);
  setGroupPart("line", lines);
  setGroupPart("marker", markers);
  setDrawStyleAK("boxBorderApp", SoDrawStyle::LINES);
  postRebuild();
}
