// Pie charts held in the node's own fields: snapshot, slices, annotations and picking.
#include <Gridlux/charts/PoPieChart.h>

#include <Gridlux/attributes/PbDomain.h>
#include <Gridlux/attributes/PbMiscTextAttr.h>
#include <Gridlux/attributes/PbNumericDisplayFormat.h>
#include <Gridlux/attributes/PoMiscTextAttrElement.h>
#include <Gridlux/attributes/PoNumericDisplayFormatElement.h>
#include <Gridlux/base/FieldDataXP.h>
#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/charts/PiPieSlices.h>
#include <Gridlux/figures/PiCircleArc2.h>
#include <Gridlux/text/PiNumericFormat.h>
#include <Gridlux/text/PiText.h>

#include <Inventor/SoPath.h>
#include <Inventor/nodekits/SoAppearanceKit.h>
#include <Inventor/nodes/SoAnnotation.h>
#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoFaceSet.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoIndexedFaceSet.h>
#include <Inventor/nodes/SoLineSet.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoSeparator.h>
#include <Inventor/nodes/SoShapeHints.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

PO_KIT_ABSTRACT_SOURCE(PoPieChart);

namespace {

const int kMaxSlices = 360;

// The groups that the annotations of one kind (inner or outer) are built into.
struct AnnotGroups {
  SoGroup* box;
  SoGroup* border;
  SoGroup* text[3]; // name, value, percentage
};

struct AnnotLine {
  std::string text;
  SbString font;
  float size;
  int kind; // 0 name, 1 value, 2 percentage
};

// Lays out the lines of one annotation at @p anchor: see the class comment for the rules.
void layoutAnnotation(const std::vector<AnnotLine>& lines, const PbMiscTextAttr* attr,
                      const SbVec3f& anchor, float rotation, int side, int alignment,
                      bool inner, float zBox, float zText, AnnotGroups& groups)
{
  if (lines.empty())
    return;
  std::vector<float> widths(lines.size());
  float width = 0.0f, height = 0.0f, largest = 0.0f;
  PiText text;
  text.setTextAttributes(attr);
  for (size_t i = 0; i < lines.size(); ++i) {
    float h = 0.0f;
    text.setFont(lines[i].font.getString(), lines[i].size);
    text.getStringSizes(lines[i].text.c_str(), widths[i], h);
    width = std::max(width, widths[i]);
    height += lines[i].size * float(std::max(1, text.getSubStringNum(lines[i].text.c_str())));
    largest = std::max(largest, lines[i].size);
  }
  const float margin = 0.2f * largest;
  float left, top;
  if (inner) {
    left = -0.5f * width;
    top = 0.5f * height;
  }
  else if (side == 0) {
    left = margin;
    top = 0.5f * height;
  }
  else if (side == 1) {
    left = -width - margin;
    top = 0.5f * height;
  }
  else if (side == 2) {
    left = -0.5f * width;
    top = height + margin;
  }
  else {
    left = -0.5f * width;
    top = -margin;
  }
  // Justification inside the block: 0 left, 1 centre, 2 right.
  int justify = 1;
  if (alignment == PoPieChart::LEFT_ALIGN)
    justify = 0;
  else if (alignment == PoPieChart::RIGHT_ALIGN)
    justify = 2;
  else if (alignment == PoPieChart::INWARDS_ALIGN && side < 2)
    justify = side == 0 ? 0 : 2;
  else if (alignment == PoPieChart::OUTWARDS_ALIGN && side < 2)
    justify = side == 0 ? 2 : 0;

  const SbVec3f dir(std::cos(rotation), std::sin(rotation), 0.0f);
  const SbVec3f up(-dir[1], dir[0], 0.0f);
  const SbVec3f base(anchor[0], anchor[1], 0.0f);
  auto at = [&](float x, float y, float z) {
    SbVec3f p = base + x * dir + y * up;
    p[2] = z;
    return p;
  };

  float y = top;
  text.setDirectionVectors(dir, up);
  for (size_t i = 0; i < lines.size(); ++i) {
    const float x = left + (justify == 0 ? 0.0f : justify == 1 ? 0.5f * (width - widths[i]) : width - widths[i]);
    SoSeparator* one = new SoSeparator;
    text.setGroup(one);
    text.setFont(lines[i].font.getString(), lines[i].size);
    text.setAlignment(PiText::LEFT, PiText::TOP);
    text.setOrigin(at(x, y, zText));
    text.setString(lines[i].text.c_str());
    text.build();
    groups.text[lines[i].kind]->addChild(one);
    y -= lines[i].size * float(std::max(1, text.getSubStringNum(lines[i].text.c_str())));
  }

  const float x0 = left - margin, x1 = left + width + margin;
  const float y0 = top - height - margin, y1 = top + margin;
  const SbVec3f corners[5] = {at(x0, y0, zBox), at(x1, y0, zBox), at(x1, y1, zBox), at(x0, y1, zBox),
                              at(x0, y0, zBox)};
  SoSeparator* box = new SoSeparator;
  SoCoordinate3* boxCoords = new SoCoordinate3;
  boxCoords->point.setValues(0, 4, corners);
  SoFaceSet* face = new SoFaceSet;
  face->numVertices.setValue(4);
  box->addChild(boxCoords);
  box->addChild(face);
  groups.box->addChild(box);

  SoSeparator* border = new SoSeparator;
  SoCoordinate3* borderCoords = new SoCoordinate3;
  SbVec3f lifted[5];
  for (int i = 0; i < 5; ++i)
    lifted[i] = SbVec3f(corners[i][0], corners[i][1], zText);
  borderCoords->point.setValues(0, 5, lifted);
  SoLineSet* loop = new SoLineSet;
  loop->numVertices.setValue(5);
  border->addChild(borderCoords);
  border->addChild(loop);
  groups.border->addChild(border);
}

SoAnnotation* orNull(SoAnnotation* group)
{
  return group->getNumChildren() > 0 ? group : nullptr;
}

float resolvedSize(float field, float dx)
{
  return (std::isfinite(field) && field > 0.0f ? field : 0.025f) * dx;
}

float resolvedDistance(float field, float fallback)
{
  return std::isfinite(field) && field > 0.0f ? field : fallback;
}

// "Slice<k>", k the 0-based slice number or -1 for the grouped slice.
SbName sliceName(int index)
{
  char name[32];
  std::snprintf(name, sizeof(name), "Slice%d", index);
  return SbName(name);
}

// Whether @p node or one of its descendants named "Slice..." lies on @p path; its number then.
bool findNamedSliceOnPath(const SoNode* node, const SoPath* path, int& number)
{
  if (!node)
    return false;
  const char* name = node->getName().getString();
  if (std::strncmp(name, "Slice", 5) == 0 && path->containsNode(node)) {
    int k = 0;
    if (std::sscanf(name + 5, "%d", &k) == 1) {
      number = k;
      return true;
    }
  }
  const SoChildList* children = node->getChildren();
  if (!children)
    return false;
  for (int i = 0; i < children->getLength(); ++i)
    if (findNamedSliceOnPath((*children)[i], path, number))
      return true;
  return false;
}

} // namespace

void PoPieChart::initClass()
{
  PO_KIT_INIT_ABSTRACT_CLASS(PoPieChart, PoChartwork, "PoChartwork");
}

PoPieChart::PoPieChart()
{
  SO_KIT_CONSTRUCTOR(PoPieChart);
  SO_KIT_ADD_CATALOG_ENTRY(sliceSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(sliceApp, SoAppearanceKit, TRUE, sliceSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(slice, SoGroup, TRUE, sliceSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(sliceBorderSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(sliceBorderApp, SoAppearanceKit, TRUE, sliceBorderSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(sliceBorder, SoGroup, TRUE, sliceBorderSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(extAnnotBoxSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(extAnnotBoxApp, SoAppearanceKit, TRUE, extAnnotBoxSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(extAnnotBox, SoAnnotation, TRUE, extAnnotBoxSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(extAnnotBoxBorderSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(extAnnotBoxBorderApp, SoAppearanceKit, TRUE, extAnnotBoxBorderSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(extAnnotBoxBorder, SoAnnotation, TRUE, extAnnotBoxBorderSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(extAnnotTextSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(extAnnotTextApp, SoAppearanceKit, TRUE, extAnnotTextSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(extAnnotText, SoAnnotation, TRUE, extAnnotTextSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(extAnnotValueSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(extAnnotValueApp, SoAppearanceKit, TRUE, extAnnotValueSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(extAnnotValue, SoAnnotation, TRUE, extAnnotValueSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(extAnnotPercentSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(extAnnotPercentApp, SoAppearanceKit, TRUE, extAnnotPercentSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(extAnnotPercent, SoAnnotation, TRUE, extAnnotPercentSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(arrowSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(arrowApp, SoAppearanceKit, TRUE, arrowSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(arrow, SoGroup, TRUE, arrowSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(intAnnotBoxSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(intAnnotBoxApp, SoAppearanceKit, TRUE, intAnnotBoxSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(intAnnotBox, SoAnnotation, TRUE, intAnnotBoxSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(intAnnotBoxBorderSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(intAnnotBoxBorderApp, SoAppearanceKit, TRUE, intAnnotBoxBorderSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(intAnnotBoxBorder, SoAnnotation, TRUE, intAnnotBoxBorderSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(intAnnotTextSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(intAnnotTextApp, SoAppearanceKit, TRUE, intAnnotTextSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(intAnnotText, SoAnnotation, TRUE, intAnnotTextSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(intAnnotValueSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(intAnnotValueApp, SoAppearanceKit, TRUE, intAnnotValueSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(intAnnotValue, SoAnnotation, TRUE, intAnnotValueSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(intAnnotPercentSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(intAnnotPercentApp, SoAppearanceKit, TRUE, intAnnotPercentSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(intAnnotPercent, SoAnnotation, TRUE, intAnnotPercentSep, "", TRUE);

  SO_KIT_ADD_FIELD(radius, (1.0f));
  SO_KIT_ADD_FIELD(sliceText, (""));
  SO_KIT_ADD_FIELD(sliceValue, (0.0f));
  SO_KIT_ADD_FIELD(sliceColor, (SbColor(0, 0, 0)));
  SO_KIT_ADD_FIELD(intAnnotPosition, (HOR_INT_POS));
  SO_KIT_ADD_FIELD(intAnnotAlignment, (CENTER_ALIGN));
  SO_KIT_ADD_FIELD(intAnnotTextVisibility, (FALSE));
  SO_KIT_ADD_FIELD(intAnnotValueVisibility, (TRUE));
  SO_KIT_ADD_FIELD(intAnnotPercentVisibility, (FALSE));
  SO_KIT_ADD_FIELD(intAnnotAddStringVisibility, (FALSE));
  SO_KIT_ADD_FIELD(intAnnotTextFontName, (""));
  SO_KIT_ADD_FIELD(intAnnotTextFontSize, (0.0f));
  SO_KIT_ADD_FIELD(intAnnotValueFontName, (""));
  SO_KIT_ADD_FIELD(intAnnotValueFontSize, (0.0f));
  SO_KIT_ADD_FIELD(intAnnotPercentFontName, (""));
  SO_KIT_ADD_FIELD(intAnnotPercentFontSize, (0.0f));
  SO_KIT_ADD_FIELD(intAnnotAddString, (""));
  SO_KIT_ADD_FIELD(intAnnotDistance, (0.0f));
  SO_KIT_ADD_FIELD(extAnnotPosition, (HOR_EXT_POS));
  SO_KIT_ADD_FIELD(extAnnotAlignment, (INWARDS_ALIGN));
  SO_KIT_ADD_FIELD(extAnnotTextVisibility, (TRUE));
  SO_KIT_ADD_FIELD(extAnnotValueVisibility, (FALSE));
  SO_KIT_ADD_FIELD(extAnnotPercentVisibility, (FALSE));
  SO_KIT_ADD_FIELD(extAnnotAddStringVisibility, (FALSE));
  SO_KIT_ADD_FIELD(extAnnotTextFontName, (""));
  SO_KIT_ADD_FIELD(extAnnotTextFontSize, (0.0f));
  SO_KIT_ADD_FIELD(extAnnotValueFontName, (""));
  SO_KIT_ADD_FIELD(extAnnotValueFontSize, (0.0f));
  SO_KIT_ADD_FIELD(extAnnotPercentFontName, (""));
  SO_KIT_ADD_FIELD(extAnnotPercentFontSize, (0.0f));
  SO_KIT_ADD_FIELD(extAnnotAddString, (""));
  SO_KIT_ADD_FIELD(extAnnotDistance1, (0.0f));
  SO_KIT_ADD_FIELD(extAnnotDistance2, (0.0f));
  SO_KIT_ADD_FIELD(extAnnotDistance3, (0.0f));
  SO_KIT_ADD_FIELD(arrowVisibility, (TRUE));
  SO_KIT_ADD_FIELD(arrowHeight, (0.0f));
  SO_KIT_ADD_FIELD(arrowWidth, (0.0f));
  SO_KIT_ADD_FIELD(sliceGroupActive, (TRUE));
  SO_KIT_ADD_FIELD(sliceGroupMinValue, (5.0f));
  SO_KIT_ADD_FIELD(sliceGroupFlagMin, (PERCENTAGE));
  SO_KIT_ADD_FIELD(sliceGroupString, ("Others"));
  SO_KIT_ADD_FIELD(sliceToTranslateNumber, (0));
  SO_KIT_ADD_FIELD(sliceToTranslateValue, (0.0f));
  SO_KIT_ADD_FIELD(sliceAngleStep, (0.0349066f));

  SO_KIT_DEFINE_ENUM_VALUE(IntAnnotPosition, RADIAL_INT_POS);
  SO_KIT_DEFINE_ENUM_VALUE(IntAnnotPosition, HOR_INT_POS);
  SO_KIT_DEFINE_ENUM_VALUE(ExtAnnotPosition, RADIAL_EXT_POS);
  SO_KIT_DEFINE_ENUM_VALUE(ExtAnnotPosition, HOR_EXT_POS);
  SO_KIT_DEFINE_ENUM_VALUE(ExtAnnotPosition, HOR_ALIGNED_EXT_POS);
  SO_KIT_DEFINE_ENUM_VALUE(ExtAnnotPosition, VERT_ALIGNED_EXT_POS);
  SO_KIT_DEFINE_ENUM_VALUE(ExtAnnotPosition, SQUARE_ALIGNED_EXT_POS);
  SO_KIT_DEFINE_ENUM_VALUE(Alignment, LEFT_ALIGN);
  SO_KIT_DEFINE_ENUM_VALUE(Alignment, CENTER_ALIGN);
  SO_KIT_DEFINE_ENUM_VALUE(Alignment, RIGHT_ALIGN);
  SO_KIT_DEFINE_ENUM_VALUE(Alignment, INWARDS_ALIGN);
  SO_KIT_DEFINE_ENUM_VALUE(Alignment, OUTWARDS_ALIGN);
  SO_KIT_DEFINE_ENUM_VALUE(PercentStatus, ABSOLUTE);
  SO_KIT_DEFINE_ENUM_VALUE(PercentStatus, PERCENTAGE);
  SO_KIT_SET_SF_ENUM_TYPE(intAnnotPosition, IntAnnotPosition);
  SO_KIT_SET_SF_ENUM_TYPE(intAnnotAlignment, Alignment);
  SO_KIT_SET_SF_ENUM_TYPE(extAnnotPosition, ExtAnnotPosition);
  SO_KIT_SET_SF_ENUM_TYPE(extAnnotAlignment, Alignment);
  SO_KIT_SET_SF_ENUM_TYPE(sliceGroupFlagMin, PercentStatus);

  SO_KIT_INIT_INSTANCE();
  set("intAnnotBoxApp.material", "diffuseColor 0 0 0");
  set("extAnnotBoxApp.material", "diffuseColor 0 0 0");
  // Font sizes are fractions of the domain's x extent.
  setDomainUsedForRebuild(1);
}

PoPieChart::~PoPieChart()
{
  deleteFieldSensorList(m_sensors);
  changeConnection(m_miscTextAttr, nullptr);
  changeConnection(m_format, nullptr);
}

SbBool PoPieChart::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  watchOwnFields(onOff, m_sensors);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoPieChart::setDefaultOnNonWritingFields()
{
  inherited::setDefaultOnNonWritingFields();
  // Expanded files hold the built geometry instead of the fields. (Compact files hold no part:
  // the node base keeps every part out of them for the time of the write.)
  if (getNodeWriteFormat() == WRITE_FORMAT_EXPANDED) {
    SoFieldList fields;
    getOwnFields(this, fields);
    setListFieldsDefault(fields);
  }
}

void PoPieChart::setMiscTextAttr(PbMiscTextAttr* attr)
{
  replaceFollowed(m_miscTextAttr, attr);
}

void PoPieChart::setFormat(PbNumericDisplayFormat* format)
{
  replaceFollowed(m_format, format);
}

void PoPieChart::basicObjectChange(PbBase* object)
{
  if (followedObjectChanged(object, m_miscTextAttr) || followedObjectChanged(object, m_format))
    return;
  inherited::basicObjectChange(object);
}

void PoPieChart::preRebuild()
{
  inherited::preRebuild();
  if (!isStateValid())
    return;
  if (!m_miscTextAttr)
    addElementCache(PoMiscTextAttrElement::getClassStackIndex());
  if (!m_format)
    addElementCache(PoNumericDisplayFormatElement::getClassStackIndex());
}

void PoPieChart::addElementsAllCaches()
{
  inherited::addElementsAllCaches();
  SoState* state = getState();
  if (!state)
    return;
  if (!m_miscTextAttr)
    PoMiscTextAttrElement::get(state);
  if (!m_format)
    PoNumericDisplayFormatElement::get(state);
}

const PbMiscTextAttr* PoPieChart::currentTextAttr() const
{
  if (m_miscTextAttr)
    return m_miscTextAttr;
  if (isStateValid() && getState())
    return PoMiscTextAttrElement::get(getState());
  return PoMiscTextAttrElement::getDefault();
}

const PbNumericDisplayFormat* PoPieChart::currentFormat() const
{
  if (m_format)
    return m_format;
  if (isStateValid() && getState())
    return PoNumericDisplayFormatElement::get(getState());
  return PoNumericDisplayFormatElement::getDefault();
}

// ---------------------------------------------------------------------------------------------
// Pull-out list and picking

void PoPieChart::setSliceToTranslate(int sliceNumber, float value)
{
  const int m = std::min(sliceToTranslateNumber.getNum(), sliceToTranslateValue.getNum());
  int at = m;
  for (int i = 0; i < m; ++i)
    if (sliceToTranslateNumber[i] == sliceNumber) {
      at = i;
      break;
    }
  sliceToTranslateNumber.set1Value(at, short(sliceNumber));
  sliceToTranslateValue.set1Value(at, value);
}

float PoPieChart::getSliceToTranslate(int sliceNumber) const
{
  const int m = std::min(sliceToTranslateNumber.getNum(), sliceToTranslateValue.getNum());
  for (int i = 0; i < m; ++i)
    if (sliceToTranslateNumber[i] == sliceNumber)
      return sliceToTranslateValue[i];
  return 0.0f;
}

SbBool PoPieChart::getPickedSliceNumber(const SoPath* path, int& sliceNumber) const
{
  if (!path || !path->containsNode(this))
    return FALSE;
  // The named shapes are leaves, so the one on the path is its tail.
  const char* const parts[] = {"slice", "arrow"};
  for (const char* name : parts) {
    const SoNode* part = const_cast<PoPieChart*>(this)->getPart(name, FALSE);
    if (findNamedSliceOnPath(part, path, sliceNumber))
      return TRUE;
  }
  return FALSE;
}

// ---------------------------------------------------------------------------------------------
// Rebuild

void PoPieChart::setFromArrays(float radiusValue, short numSlices, const char** texts,
                               const float* values, int numColors, const SbColor* colors)
{
  if (radius.getValue() != radiusValue)
    radius.setValue(radiusValue);
  if (numSlices < 0) {
    PoDebugError::post("PoPieChart::setFromArrays", "%d slices is not a number of slices; the lists keep their values",
                       int(numSlices));
    return;
  }
  if (numSlices == 0)
    return;
  sliceText.setNum(texts ? numSlices : 0);
  if (texts)
    for (int i = 0; i < numSlices; ++i)
      sliceText.set1Value(i, texts[i] ? texts[i] : "");
  sliceValue.setNum(values ? numSlices : 0);
  if (values)
    sliceValue.setValues(0, numSlices, values);
  const int colorCount = colors && numColors > 0 ? numColors : 0;
  sliceColor.setNum(colorCount);
  if (colorCount)
    sliceColor.setValues(0, colorCount, colors);
}

void PoPieChart::clearParts()
{
  const char* const parts[] = {"slice", "sliceBorder", "extAnnotBox", "extAnnotBoxBorder", "extAnnotText",
                               "extAnnotValue", "extAnnotPercent", "arrow", "intAnnotBox",
                               "intAnnotBoxBorder", "intAnnotText", "intAnnotValue", "intAnnotPercent"};
  for (const char* part : parts)
    setAnyPart(part, nullptr);
}

void PoPieChart::takeSnapshot(PieChartAttr& attr) const
{
  const PbMiscTextAttr* textAttr = currentTextAttr();
  const SbString fallback = textAttr ? textAttr->getFontName() : SbString("");
  auto font = [&](const SoSFString& field) {
    return field.getValue().getLength() > 0 ? field.getValue() : fallback;
  };
  attr.intTextFont = font(intAnnotTextFontName);
  attr.intValueFont = font(intAnnotValueFontName);
  attr.intPercentFont = font(intAnnotPercentFontName);
  attr.extTextFont = font(extAnnotTextFontName);
  attr.extValueFont = font(extAnnotValueFontName);
  attr.extPercentFont = font(extAnnotPercentFontName);

  attr.numSlices = std::min(std::min(sliceText.getNum(), sliceValue.getNum()), kMaxSlices);

  const float dx = getDomain()->getDeltaX();
  attr.intTextSize = resolvedSize(intAnnotTextFontSize.getValue(), dx);
  attr.intValueSize = resolvedSize(intAnnotValueFontSize.getValue(), dx);
  attr.intPercentSize = resolvedSize(intAnnotPercentFontSize.getValue(), dx);
  attr.extTextSize = resolvedSize(extAnnotTextFontSize.getValue(), dx);
  attr.extValueSize = resolvedSize(extAnnotValueFontSize.getValue(), dx);
  attr.extPercentSize = resolvedSize(extAnnotPercentFontSize.getValue(), dx);

  const float r = radius.getValue();
  attr.intDistance = resolvedDistance(intAnnotDistance.getValue(), 0.6667f * r);
  attr.extDistance1 = resolvedDistance(extAnnotDistance1.getValue(), 1.05f * r);
  attr.extDistance2 = resolvedDistance(extAnnotDistance2.getValue(), 0.1f * r);
  attr.extDistance3 = resolvedDistance(extAnnotDistance3.getValue(), 0.2f * r);
  attr.arrowWidth = resolvedDistance(arrowWidth.getValue(), 0.015f);
  attr.arrowHeight = resolvedDistance(arrowHeight.getValue(), 0.015f);

  const int m = std::min(sliceToTranslateNumber.getNum(), sliceToTranslateValue.getNum());
  PiPieSlices::pullOutTable(attr.numSlices, m, sliceToTranslateNumber.getValues(0),
                            sliceToTranslateValue.getValues(0), attr.pullOut);
}

void PoPieChart::buildPie(const SbVec3f& center, float zBottom, float zTop, int solid)
{
  static const char* method = "PoPieChart::rebuild";
  if (sliceValue.getNum() == 0) {
    clearParts();
    return;
  }
  const PiPieSlices::ExtPosition extPosition =
      PiPieSlices::ExtPosition(namedEnumValue(extAnnotPosition, "extAnnotPosition", method));
  const PiPieSlices::IntPosition intPosition =
      PiPieSlices::IntPosition(namedEnumValue(intAnnotPosition, "intAnnotPosition", method));
  const float r = radius.getValue();
  if (!std::isfinite(r) || !(r > 0.0f) || !std::isfinite(center[0]) || !std::isfinite(center[1]) ||
      !std::isfinite(zBottom) || !std::isfinite(zTop)) {
    PoDebugError::post(method, "radius %g or centre (%g, %g) is not usable; nothing is drawn", r,
                       center[0], center[1]);
    clearParts();
    return;
  }
  PieChartAttr attr;
  takeSnapshot(attr);
  const int n = attr.numSlices;
  const float* values = sliceValue.getValues(0);
  for (int i = 0; i < n; ++i)
    if (!std::isfinite(values[i]))
      PoDebugError::postWarning(method, "value %d is not finite; it draws no slice", i);

  PiPieSlices pie;
  pie.compute(n, values, sliceGroupActive.getValue(), sliceGroupMinValue.getValue(),
              PiPieSlices::ThresholdMode(sliceGroupFlagMin.getValue() == ABSOLUTE ? PiPieSlices::ABSOLUTE
                                                                                  : PiPieSlices::PERCENTAGE));
  const std::vector<PiPieSlices::Slice>& slices = pie.getSlices();
  if (slices.empty()) {
    clearParts();
    return;
  }
  const int count = int(slices.size());

  // Value and percentage strings, each list formatted as one set.
  std::vector<float> shownValues(count), shownPercents(count);
  for (int i = 0; i < count; ++i) {
    shownValues[i] = slices[i].value;
    shownPercents[i] = slices[i].percentage;
  }
  std::vector<std::string> valueStrings(count), percentStrings(count);
  if (intAnnotValueVisibility.getValue() || extAnnotValueVisibility.getValue()) {
    PiNumericFormat formatter;
    formatter.setFormat(currentFormat(), count, shownValues.data(), 1);
    const std::string suffix =
        formatter.getTenPower() != 0 ? "E" + std::to_string(formatter.getTenPower()) : std::string();
    for (int i = 0; i < count; ++i)
      valueStrings[i] = formatter.getString(shownValues[i]).getString() + suffix;
  }
  if (intAnnotPercentVisibility.getValue() || extAnnotPercentVisibility.getValue()) {
    PiNumericFormat formatter;
    formatter.setFormat(currentFormat(), count, shownPercents.data(), 1);
    for (int i = 0; i < count; ++i)
      percentStrings[i] = std::string(formatter.getString(shownPercents[i]).getString()) + "%";
  }

  PiCircleArc2 arc;
  float step = sliceAngleStep.getValue();
  if (!std::isfinite(step) || !(step > 0.0f)) {
    PoDebugError::postWarning(method, "angle step %g is not positive; 2 degrees used", step);
    step = 0.0349066f;
  }
  arc.setAngleStep(step);
  arc.setArcType(PiCircleArc::CENTER_CLOSE);

  const PbMiscTextAttr* textAttr = currentTextAttr();
  const float zHigh = std::max(zBottom, zTop);
  const float zBox = zHigh + r * 0.001f, zText = zHigh + r * 0.0015f;
  const float zArrow = 0.5f * (zBox + zText);

  SoGroup* sliceGroup = new SoGroup;
  SoGroup* borderGroup = new SoGroup;
  SoGroup* arrowGroup = new SoGroup;
  sliceGroup->ref();
  borderGroup->ref();
  arrowGroup->ref();
  SoAnnotation* ext[5];
  SoAnnotation* in[5];
  for (int i = 0; i < 5; ++i) {
    ext[i] = new SoAnnotation;
    in[i] = new SoAnnotation;
  }
  for (int i = 0; i < 5; ++i) {
    ext[i]->ref();
    in[i]->ref();
  }
  AnnotGroups extGroups = {ext[0], ext[1], {ext[2], ext[3], ext[4]}};
  AnnotGroups inGroups = {in[0], in[1], {in[2], in[3], in[4]}};

  if (solid) {
    SoShapeHints* hints = new SoShapeHints;
    hints->vertexOrdering = zTop >= zBottom ? SoShapeHints::COUNTERCLOCKWISE : SoShapeHints::CLOCKWISE;
    hints->shapeType = SoShapeHints::SOLID;
    sliceGroup->addChild(hints);
  }

  const bool extShown = extAnnotTextVisibility.getValue() || extAnnotValueVisibility.getValue() ||
                        extAnnotPercentVisibility.getValue() ||
                        (extAnnotAddStringVisibility.getValue() && extAnnotAddString.getValue().getLength() > 0);
  const bool intShown = intAnnotTextVisibility.getValue() || intAnnotValueVisibility.getValue() ||
                        intAnnotPercentVisibility.getValue() ||
                        (intAnnotAddStringVisibility.getValue() && intAnnotAddString.getValue().getLength() > 0);
  const int numColors = sliceColor.getNum();
  const SbVec2f c(center[0], center[1]);

  for (int s = 0; s < count; ++s) {
    const PiPieSlices::Slice& slice = slices[s];
    const int k = slice.index >= 0 ? slice.index + 1 : n + 1; // 1-based number; n + 1 grouped
    const float t = attr.pullOut[slice.index >= 0 ? slice.index : n];
    const float mid = slice.mid();
    const SbVec2f u(std::cos(mid), std::sin(mid));
    const SbVec2f o = t > 0.0f ? c + t * u : c;
    const SbName name = sliceName(slice.index);

    if (!arc.setValues(o, r, slice.start, slice.end))
      continue;
    const int numPoints = arc.getNumShapePoints();
    const SbVec3f* points = arc.getPoints();

    SoSeparator* one = new SoSeparator;
    if (numColors > 0) {
      SoMaterial* material = new SoMaterial;
      material->diffuseColor.setValue(sliceColor[(k - 1) % numColors]);
      one->addChild(material);
    }
    SoCoordinate3* coords = new SoCoordinate3;
    one->addChild(coords);
    if (!solid) {
      std::vector<SbVec3f> flat(points, points + numPoints);
      for (SbVec3f& p : flat)
        p[2] = center[2];
      coords->point.setValues(0, numPoints, flat.data());
      SoFaceSet* face = new SoFaceSet;
      face->numVertices.setValue(numPoints);
      face->setName(name);
      one->addChild(face);
    }
    else {
      // Bottom ring 0 .. m-1, top ring m .. 2m-1; the centre is the last point of each ring.
      const int m = numPoints;
      std::vector<SbVec3f> rings(2 * m);
      for (int i = 0; i < m; ++i) {
        rings[i] = SbVec3f(points[i][0], points[i][1], zBottom);
        rings[m + i] = SbVec3f(points[i][0], points[i][1], zTop);
      }
      coords->point.setValues(0, 2 * m, rings.data());
      std::vector<int32_t> index;
      index.reserve(size_t(12 * m));
      for (int i = m - 1; i >= 0; --i)
        index.push_back(i);
      index.push_back(SO_END_FACE_INDEX);
      for (int i = 0; i < m; ++i)
        index.push_back(m + i);
      index.push_back(SO_END_FACE_INDEX);
      const int centre = m - 1, arcCount = m - 1;
      const int32_t startFace[] = {centre, 0, m, m + centre, SO_END_FACE_INDEX};
      const int32_t endFace[] = {arcCount - 1, centre, m + centre, m + arcCount - 1, SO_END_FACE_INDEX};
      index.insert(index.end(), startFace, startFace + 5);
      index.insert(index.end(), endFace, endFace + 5);
      for (int i = 0; i + 1 < arcCount; ++i) {
        const int32_t side[] = {i, i + 1, m + i + 1, m + i, SO_END_FACE_INDEX};
        index.insert(index.end(), side, side + 5);
      }
      SoIndexedFaceSet* prism = new SoIndexedFaceSet;
      prism->coordIndex.setValues(0, int(index.size()), index.data());
      prism->setName(name);
      one->addChild(prism);
    }
    sliceGroup->addChild(one);

    // Border: the outline closed back to its first point, just above the slice.
    SoSeparator* border = new SoSeparator;
    SoCoordinate3* borderCoords = new SoCoordinate3;
    std::vector<SbVec3f> outline(points, points + numPoints);
    outline.push_back(points[0]);
    const float zBorder = solid ? zHigh + r * 0.0001f : center[2] + r * 0.0001f;
    for (SbVec3f& p : outline)
      p[2] = zBorder;
    borderCoords->point.setValues(0, int(outline.size()), outline.data());
    SoLineSet* loop = new SoLineSet;
    loop->numVertices.setValue(int(outline.size()));
    border->addChild(borderCoords);
    border->addChild(loop);
    borderGroup->addChild(border);

    const std::string sliceTitle = slice.index >= 0 ? sliceText[slice.index].getString()
                                                    : sliceGroupString.getValue().getString();
    auto annotLines = [&](bool inner) {
      std::vector<AnnotLine> lines;
      const SoSFBool& textOn = inner ? intAnnotTextVisibility : extAnnotTextVisibility;
      const SoSFBool& valueOn = inner ? intAnnotValueVisibility : extAnnotValueVisibility;
      const SoSFBool& percentOn = inner ? intAnnotPercentVisibility : extAnnotPercentVisibility;
      const SoSFBool& addOn = inner ? intAnnotAddStringVisibility : extAnnotAddStringVisibility;
      const SbString& add = (inner ? intAnnotAddString : extAnnotAddString).getValue();
      if (textOn.getValue() && !sliceTitle.empty())
        lines.push_back({sliceTitle, inner ? attr.intTextFont : attr.extTextFont,
                         inner ? attr.intTextSize : attr.extTextSize, 0});
      std::string value = valueOn.getValue() ? valueStrings[s] : std::string();
      if (addOn.getValue())
        value += add.getString();
      if (!value.empty())
        lines.push_back({value, inner ? attr.intValueFont : attr.extValueFont,
                         inner ? attr.intValueSize : attr.extValueSize, 1});
      if (percentOn.getValue())
        lines.push_back({percentStrings[s], inner ? attr.intPercentFont : attr.extPercentFont,
                         inner ? attr.intPercentSize : attr.extPercentSize, 2});
      return lines;
    };

    if (extShown) {
      const PiPieSlices::Leader leader =
          PiPieSlices::externalLeader(extPosition, o, mid,
                                      attr.extDistance1, attr.extDistance2, attr.extDistance3);
      layoutAnnotation(annotLines(false), textAttr, SbVec3f(leader.p3[0], leader.p3[1], zText),
                       leader.rotation, leader.side, extAnnotAlignment.getValue(), false, zBox, zText,
                       extGroups);
      if (arrowVisibility.getValue()) {
        SoSeparator* arrow = new SoSeparator;
        SoCoordinate3* arrowCoords = new SoCoordinate3;
        SbVec2f v = leader.p1 - leader.p2;
        if (v.length() > 0.0f)
          v.normalize();
        const SbVec2f w(-v[1], v[0]);
        const SbVec2f headBase = leader.p1 - attr.arrowWidth * v;
        const SbVec2f head1 = headBase + 0.5f * attr.arrowHeight * w;
        const SbVec2f head2 = headBase - 0.5f * attr.arrowHeight * w;
        const SbVec3f pts[6] = {SbVec3f(leader.p3[0], leader.p3[1], zArrow), SbVec3f(leader.p2[0], leader.p2[1], zArrow),
                                SbVec3f(leader.p1[0], leader.p1[1], zArrow), SbVec3f(leader.p1[0], leader.p1[1], zArrow),
                                SbVec3f(head1[0], head1[1], zArrow),         SbVec3f(head2[0], head2[1], zArrow)};
        arrowCoords->point.setValues(0, 6, pts);
        SoLineSet* line = new SoLineSet;
        line->numVertices.setValue(3);
        line->setName(name);
        SoFaceSet* headFace = new SoFaceSet;
        headFace->startIndex.setValue(3);
        headFace->numVertices.setValue(3);
        arrow->addChild(arrowCoords);
        arrow->addChild(line);
        arrow->addChild(headFace);
        arrowGroup->addChild(arrow);
      }
    }
    if (intShown) {
      int side = 0;
      float rotation = 0.0f;
      PiPieSlices::internalPlacement(intPosition, mid, side, rotation);
      const float d = attr.intDistance + (t > 0.0f ? t : 0.0f);
      const SbVec2f anchor = c + d * u;
      layoutAnnotation(annotLines(true), textAttr, SbVec3f(anchor[0], anchor[1], zText), rotation, side,
                       intAnnotAlignment.getValue(), true, zBox, zText, inGroups);
    }
  }

  setAnyPart("slice", sliceGroup->getNumChildren() > (solid ? 1 : 0) ? sliceGroup : nullptr);
  setAnyPart("sliceBorder", borderGroup->getNumChildren() > 0 ? borderGroup : nullptr);
  setAnyPart("extAnnotBox", orNull(ext[0]));
  setAnyPart("extAnnotBoxBorder", orNull(ext[1]));
  setAnyPart("extAnnotText", orNull(ext[2]));
  setAnyPart("extAnnotValue", orNull(ext[3]));
  setAnyPart("extAnnotPercent", orNull(ext[4]));
  setAnyPart("arrow", arrowGroup->getNumChildren() > 0 ? arrowGroup : nullptr);
  setAnyPart("intAnnotBox", orNull(in[0]));
  setAnyPart("intAnnotBoxBorder", orNull(in[1]));
  setAnyPart("intAnnotText", orNull(in[2]));
  setAnyPart("intAnnotValue", orNull(in[3]));
  setAnyPart("intAnnotPercent", orNull(in[4]));
  for (int i = 0; i < 5; ++i) {
    ext[i]->unref();
    in[i]->unref();
  }
  sliceGroup->unref();
  borderGroup->unref();
  arrowGroup->unref();
}
