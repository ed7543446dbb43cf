// Abstract histogram: working attributes, bar frame, colouring and texts shared by the histograms.
#include <Gridlux/charts/PoHistogram.h>

#include <Gridlux/attributes/PbDataMapping.h>
#include <Gridlux/attributes/PbDomain.h>
#include <Gridlux/attributes/PbMiscTextAttr.h>
#include <Gridlux/attributes/PbNumericDisplayFormat.h>
#include <Gridlux/attributes/PoDataMappingElement.h>
#include <Gridlux/attributes/PoMiscTextAttrElement.h>
#include <Gridlux/attributes/PoNumericDisplayFormatElement.h>
#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/text/PiText.h>

#include <Inventor/nodekits/SoAppearanceKit.h>
#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoFaceSet.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoMaterialBinding.h>
#include <Inventor/nodes/SoMatrixTransform.h>
#include <Inventor/nodes/SoSeparator.h>

#include <cmath>

PO_KIT_ABSTRACT_SOURCE(PoHistogram);

void PoHistogram::initClass()
{
  PO_KIT_INIT_ABSTRACT_CLASS(PoHistogram, PoChartwork, "PoChartwork");
}

PoHistogram::PoHistogram()
{
  SO_KIT_CONSTRUCTOR(PoHistogram);
  SO_KIT_ADD_CATALOG_ENTRY(transform, SoMatrixTransform, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(barSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(barApp, SoAppearanceKit, TRUE, barSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(bar, SoGroup, TRUE, barSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(valueTextSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(valueTextApp, SoAppearanceKit, TRUE, valueTextSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(valueText, SoGroup, TRUE, valueTextSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(nameTextSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(nameTextApp, SoAppearanceKit, TRUE, nameTextSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(nameText, SoGroup, TRUE, nameTextSep, "", TRUE);

  SO_KIT_ADD_FIELD(start, (SbVec2f(0.0f, 0.0f)));
  SO_KIT_ADD_FIELD(end, (1.0f));
  SO_KIT_ADD_FIELD(type, (X));
  SO_KIT_ADD_FIELD(color, (SbColor(0.0f, 0.0f, 0.0f)));
  SO_KIT_ADD_FIELD(coloring, (COLOR_LIST));
  SO_KIT_ADD_FIELD(valueVisibility, (VISIBILITY_ON));
  SO_KIT_ADD_FIELD(valuePosition, (POS_DEPEND));
  SO_KIT_ADD_FIELD(valuePath, (PATH_DEPEND));
  SO_KIT_ADD_FIELD(valueFontSize, (0.0f));
  SO_KIT_ADD_FIELD(valueFontName, (""));
  SO_KIT_ADD_FIELD(valueAddStringVisibility, (FALSE));
  SO_KIT_ADD_FIELD(valueAddString, (""));
  SO_KIT_ADD_FIELD(nameVisibility, (VISIBILITY_ON));
  SO_KIT_ADD_FIELD(namePosition, (POS_DEPEND));
  SO_KIT_ADD_FIELD(namePath, (PATH_DEPEND));
  SO_KIT_ADD_FIELD(nameFontSize, (0.0f));
  SO_KIT_ADD_FIELD(nameFontName, (""));
  SO_KIT_ADD_FIELD(barSpaceType, (REL_SPACE));
  SO_KIT_ADD_FIELD(barSpaceValue, (0.25f));

  SO_KIT_DEFINE_ENUM_VALUE(Type, X);
  SO_KIT_DEFINE_ENUM_VALUE(Type, Y);
  SO_KIT_DEFINE_ENUM_VALUE(Coloring, COLOR_LIST);
  SO_KIT_DEFINE_ENUM_VALUE(Coloring, CLASS_DATA_MAPPING);
  SO_KIT_DEFINE_ENUM_VALUE(Visibility, VISIBILITY_OFF);
  SO_KIT_DEFINE_ENUM_VALUE(Visibility, VISIBILITY_ON);
  SO_KIT_DEFINE_ENUM_VALUE(Position, POS_TOP_OUT);
  SO_KIT_DEFINE_ENUM_VALUE(Position, POS_TOP_IN);
  SO_KIT_DEFINE_ENUM_VALUE(Position, POS_BOTTOM_OUT);
  SO_KIT_DEFINE_ENUM_VALUE(Position, POS_BOTTOM_IN);
  SO_KIT_DEFINE_ENUM_VALUE(Position, POS_RIGHT_OUT);
  SO_KIT_DEFINE_ENUM_VALUE(Position, POS_RIGHT_IN);
  SO_KIT_DEFINE_ENUM_VALUE(Position, POS_LEFT_OUT);
  SO_KIT_DEFINE_ENUM_VALUE(Position, POS_LEFT_IN);
  SO_KIT_DEFINE_ENUM_VALUE(Position, POS_CENTER);
  SO_KIT_DEFINE_ENUM_VALUE(Position, POS_DEPEND);
  SO_KIT_DEFINE_ENUM_VALUE(TextPath, PATH_RIGHT);
  SO_KIT_DEFINE_ENUM_VALUE(TextPath, PATH_LEFT);
  SO_KIT_DEFINE_ENUM_VALUE(TextPath, PATH_UP);
  SO_KIT_DEFINE_ENUM_VALUE(TextPath, PATH_DOWN);
  SO_KIT_DEFINE_ENUM_VALUE(TextPath, PATH_DEPEND);
  SO_KIT_DEFINE_ENUM_VALUE(BarSpaceType, REL_SPACE);
  SO_KIT_DEFINE_ENUM_VALUE(BarSpaceType, FIXED_SPACE);
  SO_KIT_SET_SF_ENUM_TYPE(type, Type);
  SO_KIT_SET_SF_ENUM_TYPE(coloring, Coloring);
  SO_KIT_SET_SF_ENUM_TYPE(valueVisibility, Visibility);
  SO_KIT_SET_SF_ENUM_TYPE(valuePosition, Position);
  SO_KIT_SET_SF_ENUM_TYPE(valuePath, TextPath);
  SO_KIT_SET_SF_ENUM_TYPE(nameVisibility, Visibility);
  SO_KIT_SET_SF_ENUM_TYPE(namePosition, Position);
  SO_KIT_SET_SF_ENUM_TYPE(namePath, TextPath);
  SO_KIT_SET_SF_ENUM_TYPE(barSpaceType, BarSpaceType);

  SO_KIT_INIT_INSTANCE();
  // Font sizes and the bar frame follow the domain's extents.
  setDomainUsedForRebuild(1);
}

PoHistogram::~PoHistogram()
{
  deleteFieldSensorList(m_sensors);
  changeConnection(m_dataMapping, nullptr);
  changeConnection(m_miscTextAttr, nullptr);
  changeConnection(m_format, nullptr);
}

SbBool PoHistogram::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  watchOwnFields(onOff, m_sensors);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoHistogram::setDataMapping(PbDataMapping* mapping)
{
  replaceFollowed(m_dataMapping, mapping);
}

void PoHistogram::setMiscTextAttr(PbMiscTextAttr* attr)
{
  replaceFollowed(m_miscTextAttr, attr);
}

void PoHistogram::setFormat(PbNumericDisplayFormat* format)
{
  replaceFollowed(m_format, format);
}

void PoHistogram::basicObjectChange(PbBase* object)
{
  if (followedObjectChanged(object, m_dataMapping) || followedObjectChanged(object, m_miscTextAttr) ||
      followedObjectChanged(object, m_format))
    return;
  inherited::basicObjectChange(object);
}

void PoHistogram::preRebuild()
{
  inherited::preRebuild();
  if (!isStateValid())
    return;
  if (!m_dataMapping)
    addElementCache(PoDataMappingElement::getClassStackIndex());
  if (!m_miscTextAttr)
    addElementCache(PoMiscTextAttrElement::getClassStackIndex());
  if (!m_format)
    addElementCache(PoNumericDisplayFormatElement::getClassStackIndex());
}

void PoHistogram::addElementsAllCaches()
{
  inherited::addElementsAllCaches();
  SoState* state = getState();
  if (!state)
    return;
  if (!m_dataMapping)
    PoDataMappingElement::get(state);
  if (!m_miscTextAttr)
    PoMiscTextAttrElement::get(state);
  if (!m_format)
    PoNumericDisplayFormatElement::get(state);
}

const PbDataMapping* PoHistogram::currentDataMapping() const
{
  if (m_dataMapping)
    return m_dataMapping;
  return isStateValid() && getState() ? PoDataMappingElement::get(getState()) : nullptr;
}

const PbMiscTextAttr* PoHistogram::currentTextAttr() const
{
  if (m_miscTextAttr)
    return m_miscTextAttr;
  return isStateValid() && getState() ? PoMiscTextAttrElement::get(getState()) : PoMiscTextAttrElement::getDefault();
}

const PbNumericDisplayFormat* PoHistogram::currentFormat() const
{
  if (m_format)
    return m_format;
  return isStateValid() && getState() ? PoNumericDisplayFormatElement::get(getState())
                                      : PoNumericDisplayFormatElement::getDefault();
}

// ---------------------------------------------------------------------------------------------
// Working attributes

namespace {
float fontSizeOf(float field)
{
  if (!std::isfinite(field) || field < 0.0f) {
    PoDebugError::post("PoHistogram::setDefaultAttr", "font size %g is not a size; 0.04 used", field);
    return 0.04f;
  }
  return field == 0.0f ? 0.04f : field;
}

int resolvePosition(int position, bool isValue, int type)
{
  if (position >= PoHistogram::POS_TOP_OUT && position <= PoHistogram::POS_CENTER)
    return position;
  // Values beyond the bar end, names beyond its foot.
  if (type == PoHistogram::Y)
    return isValue ? PoHistogram::POS_RIGHT_OUT : PoHistogram::POS_LEFT_OUT;
  return isValue ? PoHistogram::POS_TOP_OUT : PoHistogram::POS_BOTTOM_OUT;
}

int resolvePath(int path)
{
  return path >= PoHistogram::PATH_RIGHT && path <= PoHistogram::PATH_DOWN ? path : PoHistogram::PATH_RIGHT;
}
} // namespace

void PoHistogram::setDefaultAttr()
{
  HistogAttr& a = m_attr;
  a.start = start.getValue();
  a.end = end.getValue();
  a.type = type.getValue() == Y ? Y : X;
  a.coloring = coloring.getValue();
  a.valueVisibility = valueVisibility.getValue();
  a.valuePosition = resolvePosition(valuePosition.getValue(), true, a.type);
  a.valuePath = resolvePath(valuePath.getValue());
  a.valueFontSize = fontSizeOf(valueFontSize.getValue());
  a.valueFontName = valueFontName.getValue();
  a.valueAddStringVisibility = valueAddStringVisibility.getValue();
  a.valueAddString = valueAddString.getValue();
  a.nameVisibility = nameVisibility.getValue();
  a.namePosition = resolvePosition(namePosition.getValue(), false, a.type);
  a.namePath = resolvePath(namePath.getValue());
  a.nameFontSize = fontSizeOf(nameFontSize.getValue());
  a.nameFontName = nameFontName.getValue();
  a.barSpaceType = barSpaceType.getValue();
  a.barSpaceValue = barSpaceValue.getValue();

  const PbDomain* domain = getDomain();
  const float dx = domain->getDeltaX(), dy = domain->getDeltaY();
  m_domainFactor = dx > 0.0f && dy > 0.0f && std::isfinite(dx / dy) ? dx / dy : 1.0f;
  if (dx > 0.0f && std::isfinite(dx)) {
    a.valueFontSize *= dx;
    a.nameFontSize *= dx;
  }
  const SbString& defaultFont = currentTextAttr()->getFontName();
  if (a.valueFontName.getLength() == 0)
    a.valueFontName = defaultFont;
  if (a.nameFontName.getLength() == 0)
    a.nameFontName = defaultFont;
}

bool PoHistogram::frameIsFinite(const char* where) const
{
  const HistogAttr& a = m_attr;
  if (std::isfinite(a.start[0]) && std::isfinite(a.start[1]) && std::isfinite(a.end))
    return true;
  PoDebugError::post(where, "start (%g %g) or end %g is not finite; nothing drawn", a.start[0], a.start[1], a.end);
  return false;
}

// ---------------------------------------------------------------------------------------------
// Bar frame and bars

void PoHistogram::buildTransform()
{
  // Frame y is (data y - start.y) x dx/dy: undo the factor, then move to the baseline.
  SbMatrix scale, translate;
  scale.setScale(SbVec3f(1.0f, 1.0f / m_domainFactor, 1.0f));
  translate.setTranslate(SbVec3f(0.0f, m_attr.start[1], 0.0f));
  SoMatrixTransform* node = new SoMatrixTransform;
  node->matrix.setValue(scale * translate);
  setAnyPart("transform", node);
}

void PoHistogram::barFrameBoxes(const std::vector<PiHistogramBars::Bar>& bars, std::vector<SbVec2f>& boxes) const
{
  boxes.resize(2 * bars.size());
  const float y0 = m_attr.start[1], f = m_domainFactor;
  for (size_t i = 0; i < bars.size(); ++i) {
    const PiHistogramBars::Bar& b = bars[i];
    const float lo = std::fmin(b.from, b.to), hi = std::fmax(b.from, b.to);
    if (m_attr.type == Y) // along y, growing in x
      boxes[2 * i].setValue(lo, (b.alongMin - y0) * f), boxes[2 * i + 1].setValue(hi, (b.alongMax - y0) * f);
    else
      boxes[2 * i].setValue(b.alongMin, (lo - y0) * f), boxes[2 * i + 1].setValue(b.alongMax, (hi - y0) * f);
  }
}

SoGroup* PoHistogram::buildBarGroup(const std::vector<SbVec2f>& boxes, float z)
{
  const int numBars = int(boxes.size() / 2);
  SoGroup* group = new SoGroup;
  SoCoordinate3* coords = new SoCoordinate3;
  coords->point.setNum(4 * numBars);
  SbVec3f* p = coords->point.startEditing();
  for (int i = 0; i < numBars; ++i) {
    const SbVec2f lo = boxes[2 * i], hi = boxes[2 * i + 1];
    p[4 * i + 0].setValue(lo[0], lo[1], z);
    p[4 * i + 1].setValue(hi[0], lo[1], z);
    p[4 * i + 2].setValue(hi[0], hi[1], z);
    p[4 * i + 3].setValue(lo[0], hi[1], z);
  }
  coords->point.finishEditing();
  SoFaceSet* faces = new SoFaceSet;
  faces->numVertices.setNum(numBars);
  int32_t* n = faces->numVertices.startEditing();
  for (int i = 0; i < numBars; ++i)
    n[i] = 4;
  faces->numVertices.finishEditing();
  group->addChild(coords);
  group->addChild(faces);
  return group;
}

void PoHistogram::setBarColors(SoGroup* barGroup, const std::vector<SbColor>& colors,
                               const std::vector<float>& transparencies)
{
  SoMaterial* material = SO_GET_ANY_PART(this, "barApp.material", SoMaterial);
  if (!material)
    return;
  material->diffuseColor.setValues(0, int(colors.size()), colors.data());
  material->diffuseColor.setNum(int(colors.size()));
  if (transparencies.empty()) {
    material->transparency.setValue(0.0f);
  } else {
    material->transparency.setValues(0, int(transparencies.size()), transparencies.data());
    material->transparency.setNum(int(transparencies.size()));
  }
  SoMaterialBinding* binding = new SoMaterialBinding;
  binding->value = SoMaterialBinding::PER_FACE;
  barGroup->insertChild(binding, 0);
}

void PoHistogram::colorFromList(SoGroup* barGroup, int numBars)
{
  if (color.getNum() != numBars || numBars == 0)
    return;
  std::vector<SbColor> colors(color.getValues(0), color.getValues(0) + numBars);
  setBarColors(barGroup, colors, {});
}

void PoHistogram::colorFromMapping(SoGroup* barGroup, const float* values, int numValues)
{
  const PbDataMapping* mapping = currentDataMapping();
  if (!mapping || numValues == 0)
    return;
  std::vector<SbColor> colors(numValues);
  std::vector<float> transparencies;
  const bool transparent = mapping->isTransparencyEnabled() != 0;
  if (transparent)
    transparencies.resize(numValues);
  for (int i = 0; i < numValues; ++i) {
    float t = 0.0f;
    const SbColor* c = mapping->getRGBColor(values[i], t);
    colors[i] = c ? *c : SbColor(0.0f, 0.0f, 0.0f);
    if (transparent)
      transparencies[i] = t;
  }
  setBarColors(barGroup, colors, transparencies);
}

void PoHistogram::colorBars(SoGroup*)
{
}

std::vector<float> PoHistogram::finiteValues(const float* values, int num, const char* where)
{
  std::vector<float> out(values, values + num);
  int bad = 0;
  for (float& v : out)
    if (!std::isfinite(v)) {
      v = 0.0f;
      ++bad;
    }
  if (bad)
    PoDebugError::postWarning(where, "%d of %d values are not finite; drawn as 0", bad, num);
  return out;
}

void PoHistogram::setGroupPart(const char* part, SoGroup* group)
{
  if (group && group->getNumChildren() == 0) {
    group->ref();
    group->unref();
    group = nullptr;
  }
  setAnyPart(part, group);
}

void PoHistogram::clearParts()
{
  setAnyPart("transform", nullptr);
  setAnyPart("bar", nullptr);
  setAnyPart("valueText", nullptr);
  setAnyPart("nameText", nullptr);
}

// ---------------------------------------------------------------------------------------------
// Texts

void PoHistogram::computeTextPos(const SbVec2f* box, Position position, float offset, SbVec2f& pos)
{
  const SbVec2f lo = box[0], hi = box[1];
  const float cx = 0.5f * (lo[0] + hi[0]), cy = 0.5f * (lo[1] + hi[1]);
  switch (position) {
  case POS_TOP_OUT:
    pos.setValue(cx, hi[1] + offset);
    break;
  case POS_TOP_IN:
    pos.setValue(cx, hi[1] - offset);
    break;
  case POS_BOTTOM_OUT:
    pos.setValue(cx, lo[1] - offset);
    break;
  case POS_BOTTOM_IN:
    pos.setValue(cx, lo[1] + offset);
    break;
  case POS_RIGHT_OUT:
    pos.setValue(hi[0] + offset, cy);
    break;
  case POS_RIGHT_IN:
    pos.setValue(hi[0] - offset, cy);
    break;
  case POS_LEFT_OUT:
    pos.setValue(lo[0] - offset, cy);
    break;
  case POS_LEFT_IN:
    pos.setValue(lo[0] + offset, cy);
    break;
  default:
    pos.setValue(cx, cy);
    break;
  }
}

void PoHistogram::computeTextAlignPath(Position position, TextPath path, PiText* text)
{
  if (!text)
    return;
  const int p = path >= PATH_RIGHT && path <= PATH_DOWN ? path : PATH_RIGHT;
  text->setPath(PiText::Path(p));
  // The side of the anchor on which the text must lie, as a screen direction.
  int dx = 0, dy = 0;
  switch (position) {
  case POS_TOP_OUT:
  case POS_BOTTOM_IN:
    dy = 1;
    break;
  case POS_TOP_IN:
  case POS_BOTTOM_OUT:
    dy = -1;
    break;
  case POS_RIGHT_OUT:
  case POS_LEFT_IN:
    dx = 1;
    break;
  case POS_RIGHT_IN:
  case POS_LEFT_OUT:
    dx = -1;
    break;
  default:
    break;
  }
  // Reading direction r and glyph up u of each path, on screen.
  int rx = 1, ry = 0, ux = 0, uy = 1;
  switch (p) {
  case PATH_LEFT:
    rx = -1, ry = 0, ux = 0, uy = -1;
    break;
  case PATH_UP:
    rx = 0, ry = 1, ux = -1, uy = 0;
    break;
  case PATH_DOWN:
    rx = 0, ry = -1, ux = 1, uy = 0;
    break;
  default:
    break;
  }
  const int alongReading = dx * rx + dy * ry, alongUp = dx * ux + dy * uy;
  text->setHorAlignment(alongReading > 0 ? PiText::LEFT : alongReading < 0 ? PiText::RIGHT : PiText::CENTER);
  text->setVertAlignment(alongUp > 0 ? PiText::BOTTOM : alongUp < 0 ? PiText::TOP : PiText::HALF);
}

void PoHistogram::addText(SoGroup* group, const SbString& string, const SbVec2f* box, int position, int path,
                          float size, const SbString& font) const
{
  if (string.getLength() == 0 || !(size > 0.0f) || !std::isfinite(size))
    return;
  PiText text;
  text.setTextAttributes(currentTextAttr());
  text.setFontName(font.getString());
  text.setFontSize(size);
  computeTextAlignPath(Position(position), TextPath(path), &text);
  SbVec2f at;
  computeTextPos(box, Position(position), 0.25f * size, at);
  text.setOrigin(at[0], at[1], 0.001f * size);
  text.setString(string.getString());
  text.setGroup(group);
  text.build();
}
