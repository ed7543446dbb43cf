// Base of the graduated axes: fields, parts and the builders of line, ticks, grid, labels and title.
#include <Gridlux/axes/PoAxis.h>

#include <Gridlux/attributes/PbMiscTextAttr.h>
#include <Gridlux/attributes/PoMiscTextAttrElement.h>
#include <Gridlux/attributes/PoNumericDisplayFormatElement.h>
#include <Gridlux/axes/PiAxisLayout.h>
#include <Gridlux/axes/PiGradList.h>
#include <Gridlux/base/FieldDataXP.h>
#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/text/PiNumericFormat.h>

#include <Inventor/nodekits/SoAppearanceKit.h>
#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoFaceSet.h>
#include <Inventor/nodes/SoFont.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoLineSet.h>
#include <Inventor/nodes/SoMatrixTransform.h>
#include <Inventor/nodes/SoSeparator.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

PO_KIT_ABSTRACT_SOURCE(PoAxis);

namespace {

// A group part, or null when nothing went into it.
SoNode* partOrNull(SoGroup* group)
{
  if (group->getNumChildren() > 0)
    return group;
  group->ref();
  group->unref();
  return nullptr;
}

} // namespace

void PoAxis::addSegments(SoGroup* group, const std::vector<SbVec3f>& points)
{
  SoCoordinate3* coords = new SoCoordinate3;
  coords->point.setValues(0, int(points.size()), points.data());
  SoLineSet* lines = new SoLineSet;
  std::vector<int32_t> counts(points.size() / 2, 2);
  lines->numVertices.setValues(0, int(counts.size()), counts.data());
  group->addChild(coords);
  group->addChild(lines);
}

void PoAxis::initClass()
{
  PO_KIT_INIT_ABSTRACT_CLASS(PoAxis, PoBaseAxis, "PoBaseAxis");
}

PoAxis::PoAxis()
{
  SO_KIT_CONSTRUCTOR(PoAxis);
  SO_KIT_ADD_CATALOG_ENTRY(transform, SoMatrixTransform, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(bodySep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(bodyApp, SoAppearanceKit, TRUE, bodySep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(body, SoGroup, TRUE, bodySep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(arrowSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(arrowApp, SoAppearanceKit, TRUE, arrowSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(arrow, SoGroup, TRUE, arrowSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(titleSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(titleApp, SoAppearanceKit, TRUE, titleSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(title, SoGroup, TRUE, titleSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(subGradTickSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(subGradTickApp, SoAppearanceKit, TRUE, subGradTickSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(subGradTick, SoGroup, TRUE, subGradTickSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(subGradGridSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(subGradGridApp, SoAppearanceKit, TRUE, subGradGridSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(subGradGrid, SoGroup, TRUE, subGradGridSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(mainGradTickSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(mainGradTickApp, SoAppearanceKit, TRUE, mainGradTickSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(mainGradTick, SoGroup, TRUE, mainGradTickSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(mainGradGridSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(mainGradGridApp, SoAppearanceKit, TRUE, mainGradGridSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(mainGradGrid, SoGroup, TRUE, mainGradGridSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(mainGradTextSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(mainGradTextApp, SoAppearanceKit, TRUE, mainGradTextSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(mainGradText, SoGroup, TRUE, mainGradTextSep, "", TRUE);

  SO_KIT_ADD_FIELD(gradVisibility, (VISIBILITY_DEPEND));
  SO_KIT_ADD_FIELD(gradPosition, (GRAD_DEPEND));
  SO_KIT_ADD_FIELD(gradPath, (PATH_DEPEND));
  SO_KIT_ADD_FIELD(gradFontName, (""));
  SO_KIT_ADD_FIELD(gradFontSize, (0.0f));
  SO_KIT_ADD_FIELD(gradDistAxis, (0.0f));
  SO_KIT_ADD_FIELD(gradAddStringVisibility, (FALSE));
  SO_KIT_ADD_FIELD(gradAddString, (""));
  SO_KIT_ADD_FIELD(marginType, (REL_MARGIN));
  SO_KIT_ADD_FIELD(marginStart, (0.0f));
  SO_KIT_ADD_FIELD(marginEnd, (0.0f));
  SO_KIT_ADD_FIELD(titleVisibility, (VISIBILITY_DEPEND));
  SO_KIT_ADD_FIELD(titlePosition, (TITLE_DEPEND));
  SO_KIT_ADD_FIELD(titlePath, (PATH_DEPEND));
  SO_KIT_ADD_FIELD(titleFontName, (""));
  SO_KIT_ADD_FIELD(titleFontSize, (0.0f));
  SO_KIT_ADD_FIELD(titleDistAxis, (0.0f));
  SO_KIT_ADD_FIELD(titleString, (""));
  SO_KIT_ADD_FIELD(gridVisibility, (VISIBILITY_DEPEND));
  SO_KIT_ADD_FIELD(gridLengthGradSide, (0.0f));
  SO_KIT_ADD_FIELD(gridLengthGradOtherSide, (1.0f));
  SO_KIT_ADD_FIELD(arrowVisibility, (VISIBILITY_DEPEND));
  SO_KIT_ADD_FIELD(arrowHeight, (0.0f));
  SO_KIT_ADD_FIELD(arrowLength, (0.0f));
  SO_KIT_ADD_FIELD(tickVisibility, (VISIBILITY_DEPEND));
  SO_KIT_ADD_FIELD(tickPosition, (TICK_GRAD_SIDE));
  SO_KIT_ADD_FIELD(tickMainLength, (0.0f));
  SO_KIT_ADD_FIELD(tickSubLength, (0.0f));
  SO_KIT_ADD_FIELD(tickSubDef, (PERIOD_MAIN_TICK));
  SO_KIT_ADD_FIELD(tickNumOrPeriod, (1));
  SO_KIT_ADD_FIELD(tickFirstGrad, (1));
  SO_KIT_ADD_FIELD(tickLastGrad, (1));
  SO_KIT_ADD_FIELD(reverseFlag, (AXIS_REVERSE_DEPEND));

  SO_KIT_DEFINE_ENUM_VALUE(Visibility, VISIBILITY_OFF);
  SO_KIT_DEFINE_ENUM_VALUE(Visibility, VISIBILITY_ON);
  SO_KIT_DEFINE_ENUM_VALUE(Visibility, VISIBILITY_DEPEND);
  SO_KIT_DEFINE_ENUM_VALUE(TextPath, PATH_RIGHT);
  SO_KIT_DEFINE_ENUM_VALUE(TextPath, PATH_LEFT);
  SO_KIT_DEFINE_ENUM_VALUE(TextPath, PATH_UP);
  SO_KIT_DEFINE_ENUM_VALUE(TextPath, PATH_DOWN);
  SO_KIT_DEFINE_ENUM_VALUE(TextPath, PATH_DEPEND);
  SO_KIT_DEFINE_ENUM_VALUE(GradPosition, GRAD_ABOVE);
  SO_KIT_DEFINE_ENUM_VALUE(GradPosition, GRAD_BELOW);
  SO_KIT_DEFINE_ENUM_VALUE(GradPosition, GRAD_DEPEND);
  SO_KIT_DEFINE_ENUM_VALUE(MarginType, REL_MARGIN);
  SO_KIT_DEFINE_ENUM_VALUE(MarginType, FIXED_MARGIN);
  SO_KIT_DEFINE_ENUM_VALUE(TickPosition, TICK_GRAD_SIDE);
  SO_KIT_DEFINE_ENUM_VALUE(TickPosition, TICK_GRAD_OTHER_SIDE);
  SO_KIT_DEFINE_ENUM_VALUE(TickPosition, TICK_ACROSS_AXIS);
  SO_KIT_DEFINE_ENUM_VALUE(TitlePosition, TITLE_MIDDLE);
  SO_KIT_DEFINE_ENUM_VALUE(TitlePosition, TITLE_END);
  SO_KIT_DEFINE_ENUM_VALUE(TitlePosition, TITLE_DEPEND);
  SO_KIT_DEFINE_ENUM_VALUE(TickSubDef, NUM_SUB_TICK);
  SO_KIT_DEFINE_ENUM_VALUE(TickSubDef, PERIOD_MAIN_TICK);
  SO_KIT_DEFINE_ENUM_VALUE(AxisReverse, AXIS_NO_REVERSE);
  SO_KIT_DEFINE_ENUM_VALUE(AxisReverse, AXIS_REVERSE);
  SO_KIT_DEFINE_ENUM_VALUE(AxisReverse, AXIS_REVERSE_DEPEND);
  SO_KIT_SET_SF_ENUM_TYPE(gradVisibility, Visibility);
  SO_KIT_SET_SF_ENUM_TYPE(titleVisibility, Visibility);
  SO_KIT_SET_SF_ENUM_TYPE(gridVisibility, Visibility);
  SO_KIT_SET_SF_ENUM_TYPE(arrowVisibility, Visibility);
  SO_KIT_SET_SF_ENUM_TYPE(tickVisibility, Visibility);
  SO_KIT_SET_SF_ENUM_TYPE(gradPath, TextPath);
  SO_KIT_SET_SF_ENUM_TYPE(titlePath, TextPath);
  SO_KIT_SET_SF_ENUM_TYPE(gradPosition, GradPosition);
  SO_KIT_SET_SF_ENUM_TYPE(marginType, MarginType);
  SO_KIT_SET_SF_ENUM_TYPE(tickPosition, TickPosition);
  SO_KIT_SET_SF_ENUM_TYPE(titlePosition, TitlePosition);
  SO_KIT_SET_SF_ENUM_TYPE(tickSubDef, TickSubDef);
  SO_KIT_SET_SF_ENUM_TYPE(reverseFlag, AxisReverse);

  SO_KIT_INIT_INSTANCE();
}

PoAxis::~PoAxis()
{
  deleteFieldSensorList(m_sensors);
  changeConnection(m_miscTextAttr, nullptr);
}

void PoAxis::getWatchedFields(SoFieldList& fields)
{
  SoField* const own[] = {
      &gradVisibility, &gradPosition, &gradPath, &gradFontName, &gradFontSize, &gradDistAxis,
      &gradAddStringVisibility, &gradAddString, &marginType, &marginStart, &marginEnd,
      &titleVisibility, &titlePosition, &titlePath, &titleFontName, &titleFontSize,
      &titleDistAxis, &titleString, &gridVisibility, &gridLengthGradSide,
      &gridLengthGradOtherSide, &arrowVisibility, &arrowHeight, &arrowLength, &tickVisibility,
      &tickPosition, &tickMainLength, &tickSubLength, &tickSubDef, &tickNumOrPeriod,
      &tickFirstGrad, &tickLastGrad, &reverseFlag};
  for (SoField* field : own)
    fields.append(field);
}

SbBool PoAxis::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  SoFieldList fields;
  getWatchedFields(fields);
  watchFields(onOff, m_sensors, fields);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoAxis::setMiscTextAttr(PbMiscTextAttr* attr)
{
  replaceFollowed(m_miscTextAttr, attr);
}

void PoAxis::basicObjectChange(PbBase* object)
{
  if (followedObjectChanged(object, m_miscTextAttr))
    return;
  inherited::basicObjectChange(object);
}

void PoAxis::preRebuild()
{
  inherited::preRebuild();
  if (isStateValid() && !m_miscTextAttr)
    addElementCache(PoMiscTextAttrElement::getClassStackIndex());
}

void PoAxis::addElementsAllCaches()
{
  inherited::addElementsAllCaches();
  if (getState() && !m_miscTextAttr)
    PoMiscTextAttrElement::get(getState());
}

const PbMiscTextAttr* PoAxis::currentTextAttr() const
{
  if (m_miscTextAttr)
    return m_miscTextAttr;
  if (isStateValid() && getState())
    return PoMiscTextAttrElement::get(getState());
  return PoMiscTextAttrElement::getDefault();
}

// ---------------------------------------------------------------------------------------------
// Working attributes

void PoAxis::saveAxisAttr()
{
  static const char* kSaveMethod = "PoAxis::saveAxisAttr";
  AxisAttr& a = m_axisAttr;
  const PbMiscTextAttr* textAttr = currentTextAttr();
  a.gradVisibility = Visibility(namedEnumValue(gradVisibility, "gradVisibility", kSaveMethod));
  a.gradPosition = GradPosition(namedEnumValue(gradPosition, "gradPosition", kSaveMethod));
  a.gradPath = TextPath(namedEnumValue(gradPath, "gradPath", kSaveMethod));
  a.gradFontName = gradFontName.getValue().getLength() > 0 ? gradFontName.getValue()
                                                           : textAttr->getFontName();
  a.gradFontSize = gradFontSize.getValue();
  a.gradDistAxis = gradDistAxis.getValue();
  a.marginType = MarginType(namedEnumValue(marginType, "marginType", kSaveMethod));
  a.marginStart = marginStart.getValue();
  a.marginEnd = marginEnd.getValue();
  a.titleVisibility = Visibility(namedEnumValue(titleVisibility, "titleVisibility", kSaveMethod));
  a.titlePosition = TitlePosition(namedEnumValue(titlePosition, "titlePosition", kSaveMethod));
  a.titlePath = TextPath(namedEnumValue(titlePath, "titlePath", kSaveMethod));
  a.titleFontName = titleFontName.getValue().getLength() > 0 ? titleFontName.getValue()
                                                             : textAttr->getFontName();
  a.titleFontSize = titleFontSize.getValue();
  a.titleDistAxis = titleDistAxis.getValue();
  a.titleString = titleString.getValue();
  a.gridVisibility = Visibility(namedEnumValue(gridVisibility, "gridVisibility", kSaveMethod));
  a.gridLengthGradSide = gridLengthGradSide.getValue();
  a.gridLengthGradOtherSide = gridLengthGradOtherSide.getValue();
  a.arrowVisibility = Visibility(namedEnumValue(arrowVisibility, "arrowVisibility", kSaveMethod));
  a.arrowHeight = arrowHeight.getValue();
  a.arrowLength = arrowLength.getValue();
  a.tickVisibility = Visibility(namedEnumValue(tickVisibility, "tickVisibility", kSaveMethod));
  a.tickPosition = TickPosition(namedEnumValue(tickPosition, "tickPosition", kSaveMethod));
  a.tickMainLength = tickMainLength.getValue();
  a.tickSubLength = tickSubLength.getValue();
  a.tickSubDef = TickSubDef(namedEnumValue(tickSubDef, "tickSubDef", kSaveMethod));
  a.tickNumOrPeriod = tickNumOrPeriod.getValue();
  a.tickFirstGrad = tickFirstGrad.getValue();
  a.tickLastGrad = tickLastGrad.getValue();
  a.reverseFlag = AxisReverse(namedEnumValue(reverseFlag, "reverseFlag", kSaveMethod));
  textAttr->getLineLength(a.endLineChar, a.lineLength);
  a.profile = textAttr->isProfileEnabled();
  a.predefinedProfile = textAttr->isPredefinedProfileEnabled();

  // Sizes that are not finite numbers are treated as "computed", with a word to the user.
  float* const sizes[] = {&a.gradFontSize, &a.gradDistAxis, &a.marginStart, &a.marginEnd,
                          &a.titleFontSize, &a.titleDistAxis, &a.gridLengthGradSide,
                          &a.gridLengthGradOtherSide, &a.arrowHeight, &a.arrowLength,
                          &a.tickMainLength, &a.tickSubLength};
  for (float* size : sizes)
    if (!std::isfinite(*size)) {
      PoDebugError::post("PoAxis::saveAxisAttr", "a length or size field is not finite; 0 used");
      *size = 0.0f;
    }
}

void PoAxis::setDefaultAttr(int plane)
{
  // Plane 0 is an axis along X graduated toward Y; every other orientation reads its labels
  // across the axis.
  const bool xy = plane == 0;
  AxisAttr& a = m_axisAttr;
  if (a.gradVisibility == VISIBILITY_DEPEND)
    a.gradVisibility = VISIBILITY_ON;
  if (a.gradPosition == GRAD_DEPEND)
    a.gradPosition = xy ? GRAD_BELOW : GRAD_ABOVE;
  if (a.gradPath == PATH_DEPEND)
    a.gradPath = xy ? PATH_RIGHT : PATH_DOWN;
  if (a.titleVisibility == VISIBILITY_DEPEND)
    a.titleVisibility = VISIBILITY_OFF;
  if (a.titlePosition == TITLE_DEPEND)
    a.titlePosition = xy ? TITLE_MIDDLE : TITLE_END;
  if (a.titlePath == PATH_DEPEND)
    a.titlePath = xy ? PATH_RIGHT : PATH_DOWN;
  if (a.arrowVisibility == VISIBILITY_DEPEND)
    a.arrowVisibility = VISIBILITY_ON;
  if (a.gridVisibility == VISIBILITY_DEPEND)
    a.gridVisibility = VISIBILITY_OFF;
  if (a.tickVisibility == VISIBILITY_DEPEND)
    a.tickVisibility = VISIBILITY_ON;
  if (a.reverseFlag == AXIS_REVERSE_DEPEND)
    a.reverseFlag = AXIS_NO_REVERSE;
}

void PoAxis::computeGradLimit(float start, float end, float& lo, float& hi)
{
  PiAxisLayout::getGradLimit(m_axisAttr.marginType == REL_MARGIN, m_axisAttr.marginStart,
                             m_axisAttr.marginEnd, start, end, lo, hi);
}

void PoAxis::computeTickLen(int numGrads, float& mainLength, float& subLength)
{
  if (m_axisAttr.tickMainLength <= 0.0f)
    m_axisAttr.tickMainLength = PiAxisLayout::getAutoTickLength(numGrads);
  if (m_axisAttr.tickSubLength <= 0.0f)
    m_axisAttr.tickSubLength = 0.5f * m_axisAttr.tickMainLength;
  mainLength = m_axisAttr.tickMainLength;
  subLength = m_axisAttr.tickSubLength;
}

// ---------------------------------------------------------------------------------------------
// Builders

void PoAxis::growExtent(const SbBox2f& box)
{
  if (box.isEmpty())
    return;
  m_axisAttr.xmin = std::min(m_axisAttr.xmin, box.getMin()[0]);
  m_axisAttr.xmax = std::max(m_axisAttr.xmax, box.getMax()[0]);
  m_axisAttr.ymin = std::min(m_axisAttr.ymin, box.getMin()[1]);
  m_axisAttr.ymax = std::max(m_axisAttr.ymax, box.getMax()[1]);
}

PiText::Path PoAxis::textPath(TextPath path) const
{
  // Seen from behind, a text that reads upward reads downward.
  if (m_axisAttr.reverseFlag == AXIS_REVERSE) {
    if (path == PATH_UP)
      return PiText::PATH_DOWN;
    if (path == PATH_DOWN)
      return PiText::PATH_UP;
  }
  switch (path) {
  case PATH_LEFT:
    return PiText::PATH_LEFT;
  case PATH_UP:
    return PiText::PATH_UP;
  case PATH_DOWN:
    return PiText::PATH_DOWN;
  default:
    return PiText::PATH_RIGHT;
  }
}

void PoAxis::setUpText(PiText& text, bool forTitle, float size) const
{
  text.setTextAttributes(currentTextAttr());
  text.setFontName((forTitle ? m_axisAttr.titleFontName : m_axisAttr.gradFontName).getString());
  text.setFontSize(size);
  text.setMirrorEnable(m_axisAttr.reverseFlag == AXIS_REVERSE);
}

SbBox2f PoAxis::buildPowerText(const char* base, const char* power, float size,
                               float powerScale, PiText::Path path, PiText::HorAlignment hor,
                               PiText::VertAlignment vert, const SbVec2f& anchor,
                               SoGroup* group, const char* fontName) const
{
  SbBox2f box;
  if (!(size > 0.0f) || !(powerScale > 0.0f))
    return box;
  const float powerSize = powerScale * size;
  float reading[2], up[2];
  PiAxisLayout::getPathDirections(path, reading, up);
  PiText baseText, powerText;
  setUpText(baseText, false, size);
  setUpText(powerText, false, powerSize);
  if (fontName) {
    baseText.setFontName(fontName);
    powerText.setFontName(fontName);
  }
  baseText.setPath(path);
  powerText.setPath(path);
  baseText.setAlignment(PiText::LEFT, PiText::BASE);
  powerText.setAlignment(PiText::LEFT, PiText::BASE);
  baseText.setString(base);
  powerText.setString(power);
  float baseWidth = 0.0f, powerWidth = 0.0f, height;
  baseText.getStringSizes(base, baseWidth, height);
  if (power[0])
    powerText.getStringSizes(power, powerWidth, height);

  // Mirrored text is read from behind, so the exponent then comes first along the reading
  // direction; either way it sits half a size above the base's baseline.
  const bool mirrored = m_axisAttr.reverseFlag == AXIS_REVERSE;
  const float powerAlong = mirrored ? -powerWidth : baseWidth;
  const float raise = power[0] ? 0.5f * size : 0.0f;

  // The pair's extent along the reading direction and, in the up direction, its top and cap
  // lines over the base's baseline (the same proportions as PiText's alignments).
  const float u0 = std::min(0.0f, powerAlong), u1 = std::max(baseWidth, powerAlong + powerWidth);
  const float top = std::max(0.73f * size, raise + 0.73f * powerSize);
  const float cap = std::max(0.65f * size, raise + 0.65f * powerSize);
  float shiftReading, shiftUp;
  switch (hor) {
  case PiText::LEFT:
    shiftReading = -u0;
    break;
  case PiText::RIGHT:
    shiftReading = -u1;
    break;
  default:
    shiftReading = -0.5f * (u0 + u1);
    break;
  }
  switch (vert) {
  case PiText::TOP:
    shiftUp = -top;
    break;
  case PiText::CAP:
    shiftUp = -cap;
    break;
  case PiText::HALF:
    shiftUp = -0.5f * cap;
    break;
  case PiText::BOTTOM:
    shiftUp = 0.28f * size;
    break;
  default:
    shiftUp = 0.0f;
    break;
  }
  const SbVec2f baseAt(anchor[0] + shiftReading * reading[0] + shiftUp * up[0],
                       anchor[1] + shiftReading * reading[1] + shiftUp * up[1]);
  const SbVec2f powerAt(baseAt[0] + powerAlong * reading[0] + raise * up[0],
                        baseAt[1] + powerAlong * reading[1] + raise * up[1]);

  SbBox2f piece;
  int lines = 0;
  baseText.setOrigin(baseAt);
  powerText.setOrigin(powerAt);
  if (group) {
    baseText.setGroup(group);
    baseText.build(piece, lines);
  }
  else
    baseText.getLimit(piece, lines);
  box.extendBy(piece);
  if (!power[0])
    return box;
  piece.makeEmpty();
  if (group) {
    powerText.setGroup(group);
    powerText.build(piece, lines);
  }
  else
    powerText.getLimit(piece, lines);
  box.extendBy(piece);
  return box;
}

bool PoAxis::getArrowSize(float& height, float& length)
{
  AxisAttr& a = m_axisAttr;
  if (a.arrowVisibility != VISIBILITY_ON)
    return false;
  if (a.arrowHeight <= 0.0f)
    a.arrowHeight = 0.03f;
  if (a.arrowLength <= 0.0f)
    a.arrowLength = 0.05f;
  height = a.arrowHeight * a.deltaAlong;
  length = a.arrowLength * a.deltaAlong;
  return true;
}

void PoAxis::addTriangle(SoGroup* group, const SbVec3f points[3])
{
  SoCoordinate3* coords = new SoCoordinate3;
  coords->point.setValues(0, 3, points);
  SoFaceSet* face = new SoFaceSet;
  face->numVertices.setValue(3);
  group->addChild(coords);
  group->addChild(face);
}

void PoAxis::buildArrow(float start, float end, SoGroup* group)
{
  float h, l;
  if (!getArrowSize(h, l))
    return;
  const float tip = end >= start ? end + l : end - l;
  const SbVec3f points[3] = {SbVec3f(end, h / 2, 0), SbVec3f(end, -h / 2, 0), SbVec3f(tip, 0, 0)};
  addTriangle(group, points);
  growExtent(SbBox2f(std::min(end, tip), -h / 2, std::max(end, tip), h / 2));
}

void PoAxis::buildTick(int num, const float* coords, float length, SoGroup* group)
{
  if (m_axisAttr.tickVisibility != VISIBILITY_ON || num < 1)
    return;
  float a, b;
  PiAxisLayout::getTickSpan(int(m_axisAttr.tickPosition), labelsAbove(), a, b);
  const float l = length * m_axisAttr.deltaAlong;
  const float y0 = a * l, y1 = b * l;
  std::vector<SbVec3f> points;
  points.reserve(2 * num);
  for (int i = 0; i < num; ++i) {
    points.emplace_back(coords[i], y0, 0.0f);
    points.emplace_back(coords[i], y1, 0.0f);
  }
  addSegments(group, points);
  growExtent(SbBox2f(coords[0], std::min(y0, y1), coords[0], std::max(y0, y1)));
}

void PoAxis::buildGridLines(int num, const float* coords, SoGroup* group)
{
  const AxisAttr& a = m_axisAttr;
  if (a.gridVisibility != VISIBILITY_ON || num < 1)
    return;
  // The lengths are domain units across the axis; the transform scales the across direction
  // by across/along, which this factor undoes.
  const float ratio = a.deltaAcross > 0.0f ? a.deltaAlong / a.deltaAcross : 1.0f;
  const float toLabels = labelsAbove() ? 1.0f : -1.0f;
  const float yLabels = toLabels * std::fabs(a.gridLengthGradSide) * ratio;
  const float yOther = -toLabels * std::fabs(a.gridLengthGradOtherSide) * ratio;
  if (yLabels == 0.0f && yOther == 0.0f)
    return;
  std::vector<SbVec3f> points;
  points.reserve(2 * num);
  for (int i = 0; i < num; ++i) {
    points.emplace_back(coords[i], yOther, 0.0f);
    points.emplace_back(coords[i], yLabels, 0.0f);
  }
  addSegments(group, points);
}

float PoAxis::fitLabelSize(int num, const float* coords, const SbString* strings,
                          float gapScale)
{
  AxisAttr& a = m_axisAttr;
  const float delta = a.deltaAlong;
  if (a.gradFontSize > 0.0f)
    return a.gradFontSize * delta;
  const PiText::Path path = textPath(a.gradPath);
  const bool horizontal = path == PiText::PATH_RIGHT || path == PiText::PATH_LEFT;
  const float nominal = 0.04f * delta;
  float room = 0.0f;
  for (int i = 1; i < num; ++i) {
    const float gap = 0.8f * std::fabs(coords[i] - coords[i - 1]) * gapScale;
    room = i == 1 ? gap : std::min(room, gap);
  }
  PiText measure;
  setUpText(measure, false, nominal);
  std::vector<const char*> texts(num);
  int maxLines = 1;
  for (int i = 0; i < num; ++i) {
    texts[i] = strings[i].getString();
    maxLines = std::max(maxLines, measure.getSubStringNum(texts[i]));
  }
  int widest = -1, tallest = -1;
  float maxWidth = 0.0f, maxHeight = 0.0f;
  if (horizontal)
    measure.getStringsSizes(texts.data(), num, widest, tallest, maxWidth, maxHeight);
  const float size = PiAxisLayout::getLabelSize(horizontal, nominal, room, maxWidth, maxLines);
  a.gradFontSize = size / delta;
  return size;
}

float PoAxis::getLabelRow(float size)
{
  AxisAttr& a = m_axisAttr;
  const bool above = labelsAbove();
  if (a.gradDistAxis > 0.0f)
    return (above ? 1.0f : -1.0f) * a.gradDistAxis * a.deltaAlong;
  const float y = above ? a.ymax + 0.65f * size : a.ymin - 0.65f * size;
  a.gradDistAxis = std::fabs(y) / a.deltaAlong;
  return y;
}

void PoAxis::buildGrads(int num, const float* coords, const SbString* strings, SoGroup* group)
{
  AxisAttr& a = m_axisAttr;
  m_labelSize = 0.0f;
  m_labelBox.makeEmpty();
  if (a.gradVisibility != VISIBILITY_ON || num < 1 || !strings)
    return;
  const float size = fitLabelSize(num, coords, strings, 1.0f);
  if (!(size > 0.0f))
    return;
  const bool above = labelsAbove();
  const float y = getLabelRow(size);
  const PiText::Path path = textPath(a.gradPath);

  PiText text;
  setUpText(text, false, size);
  text.setPath(path);
  PiText::HorAlignment hor;
  PiText::VertAlignment vert;
  PiAxisLayout::getLabelAlignment(path, above, hor, vert);
  text.setAlignment(hor, vert);
  text.setGroup(group);
  for (int i = 0; i < num; ++i) {
    text.setOrigin(coords[i], y, 0.0f);
    text.setString(strings[i].getString());
    SbBox2f box;
    int lines = 0;
    text.build(box, lines);
    growExtent(box);
    m_labelBox.extendBy(box);
  }
  m_labelSize = size;
  m_labelY = y;
}

float PoAxis::getTitleSize()
{
  AxisAttr& a = m_axisAttr;
  if (a.titleVisibility != VISIBILITY_ON || a.titleString.getLength() == 0)
    return 0.0f;
  if (a.titleFontSize <= 0.0f)
    a.titleFontSize = 0.055f;
  return a.titleFontSize * a.deltaAlong;
}

void PoAxis::buildTitle(SoGroup* group)
{
  AxisAttr& a = m_axisAttr;
  const float size = getTitleSize();
  if (!(size > 0.0f))
    return;
  const float delta = a.deltaAlong;
  const bool above = labelsAbove();
  const bool increasing = a.end >= a.start;
  const bool atEnd = a.titlePosition == TITLE_END;
  float x, y;
  if (!atEnd) {
    x = 0.5f * (a.start + a.end);
    if (a.titleDistAxis > 0.0f)
      y = (above ? 1.0f : -1.0f) * a.titleDistAxis * delta;
    else {
      y = above ? a.ymax + size : a.ymin - size;
      a.titleDistAxis = std::fabs(y) / delta;
    }
  }
  else {
    y = 0.0f;
    const float side = increasing ? 1.0f : -1.0f;
    if (a.titleDistAxis > 0.0f)
      x = a.end + side * a.titleDistAxis * delta;
    else {
      x = increasing ? a.xmax + 0.65f * size : a.xmin - 0.65f * size;
      a.titleDistAxis = std::fabs(x - a.end) / delta;
    }
  }
  PiText text;
  setUpText(text, true, size);
  const PiText::Path path = textPath(a.titlePath);
  text.setPath(path);
  PiText::HorAlignment hor;
  PiText::VertAlignment vert;
  PiAxisLayout::getTitleAlignment(path, atEnd, above, increasing, hor, vert);
  text.setAlignment(hor, vert);
  text.setGroup(group);
  text.setOrigin(x, y, 0.0f);
  text.setString(a.titleString.getString());
  SbBox2f box;
  int lines = 0;
  text.build(box, lines);
  growExtent(box);
}

void PoAxis::clearAxisParts()
{
  static const char* const parts[] = {"body", "arrow", "title", "subGradTick", "subGradGrid",
                                      "mainGradTick", "mainGradGrid", "mainGradText"};
  for (const char* part : parts)
    setAnyPart(part, nullptr);
  m_mainGradCoords.clear();
  m_subGradCoords.clear();
  m_labelSize = 0.0f;
}

void PoAxis::buildAxisParts(float start, float end, int numMain, const float* mainCoords,
                            const SbString* mainLabels, int numSub, const float* subCoords)
{
  AxisAttr& a = m_axisAttr;
  a.start = start;
  a.end = end;
  a.xmin = std::min(start, end);
  a.xmax = std::max(start, end);
  a.ymin = a.ymax = 0.0f;
  m_mainGradCoords.assign(mainCoords, mainCoords + numMain);
  m_subGradCoords.assign(subCoords, subCoords + numSub);

  SoGroup* body = new SoGroup;
  SoCoordinate3* line = new SoCoordinate3;
  line->point.set1Value(0, SbVec3f(start, 0, 0));
  line->point.set1Value(1, SbVec3f(end, 0, 0));
  body->addChild(line);
  body->addChild(new SoLineSet);
  setAnyPart("body", body);

  SoGroup* group = new SoGroup;
  buildArrow(start, end, group);
  setAnyPart("arrow", partOrNull(group));

  float mainLength, subLength;
  const int numGrads = a.tickSubDef == PERIOD_MAIN_TICK ? numMain + numSub : numMain;
  computeTickLen(numGrads, mainLength, subLength);

  group = new SoGroup;
  buildTick(numSub, subCoords, subLength, group);
  setAnyPart("subGradTick", partOrNull(group));
  group = new SoGroup;
  buildGridLines(numSub, subCoords, group);
  setAnyPart("subGradGrid", partOrNull(group));
  group = new SoGroup;
  buildTick(numMain, mainCoords, mainLength, group);
  setAnyPart("mainGradTick", partOrNull(group));
  group = new SoGroup;
  buildGridLines(numMain, mainCoords, group);
  setAnyPart("mainGradGrid", partOrNull(group));

  group = new SoGroup;
  buildGrads(numMain, mainCoords, mainLabels, group);
  setAnyPart("mainGradText", partOrNull(group));
  if (m_labelSize > 0.0f) {
    SoFont* font = new SoFont;
    font->name.setValue(PiText::resolveFontName(a.gradFontName.getString()));
    font->size.setValue(m_labelSize);
    setAnyPart("mainGradTextApp.font", font);
  }
}

void PoAxis::buildGraduatedParts(float s, float e, float lo, float hi, float step, int num,
                                 const float* grads, const SbString* labels)
{
  const AxisAttr& a = m_axisAttr;
  m_gradAttr.labels.assign(labels, labels + std::max(0, num));
  PiGradList::Input in;
  in.start = lo;
  in.end = hi;
  in.step = step;
  in.numGrads = num;
  in.grads = grads;
  in.labels = labels;
  in.subDef = PiGradList::TickSubDef(a.tickSubDef);
  in.numOrPeriod = a.tickNumOrPeriod;
  in.firstGrad = a.tickFirstGrad;
  in.lastGrad = a.tickLastGrad;
  PiGradList list;
  list.compute(in);
  buildAxisParts(s, e, int(list.mainCoords().size()), list.mainCoords().data(),
                 list.mainLabels().data(), int(list.subCoords().size()),
                 list.subCoords().data());
}

int PoAxis::makeLinearLabels(PiNumericFormat& formatter, const PbNumericDisplayFormat* format,
                             float first, float step, int num, bool powerOnLabels,
                             std::vector<float>& grads, std::vector<SbString>& labels) const
{
  grads.assign(std::max(0, num), 0.0f);
  labels.assign(std::max(0, num), SbString());
  if (num < 1)
    return 0;
  if (!format)
    format = isStateValid() ? PoNumericDisplayFormatElement::get(getState())
                            : PoNumericDisplayFormatElement::getDefault();
  formatter.setFormat(format, first, float(double(first) + num * double(step)), step, 0);
  const int tenPower = formatter.getTenPower();
  char suffix[32] = "";
  if (tenPower != 0 && powerOnLabels)
    std::snprintf(suffix, sizeof(suffix), "E%d", tenPower);
  const bool addString = gradAddStringVisibility.getValue();
  for (int i = 0; i < num; ++i) {
    double value = double(first) + i * double(step);
    // A graduation at zero reached through rounding must not print as "-0".
    if (std::fabs(value) < 1e-6 * std::fabs(double(step)))
      value = 0.0;
    grads[i] = float(value);
    SbString label = formatter.getString(grads[i]);
    label += suffix;
    if (addString)
      label += gradAddString.getValue();
    labels[i] = label;
  }
  return tenPower;
}

float PoAxis::buildMultFactorAtExtr(bool atEnd, int tenPower, float userDist, SoGroup* group)
{
  const AxisAttr& a = m_axisAttr;
  const float size = m_labelSize;
  const PiText::Path path = textPath(a.gradPath);
  char exponent[16];
  std::snprintf(exponent, sizeof(exponent), "%d", tenPower);
  // Measured first, then moved beside the axis as a whole.
  const SbBox2f box = buildPowerText("x 10", exponent, size, 1.0f, path, PiText::LEFT,
                                     PiText::BASE, SbVec2f(0.0f, 0.0f), nullptr);
  if (box.isEmpty())
    return 0.0f;

  // Beyond the end of an increasing axis, and before the start, lie toward +x and -x.
  const bool increasing = a.end >= a.start;
  const bool toRight = atEnd == increasing;
  const float delta = a.deltaAlong;
  const float axisMax = std::max(a.start, a.end), axisMin = std::min(a.start, a.end);
  const bool automatic = !(userDist > 0.0f);
  float ref, dx, dist;
  if (toRight) {
    ref = automatic ? a.xmax + 0.65f * size : axisMax + userDist * delta;
    dx = ref - box.getMin()[0];
    dist = (ref - axisMax) / delta;
  }
  else {
    ref = automatic ? a.xmin - 0.65f * size : axisMin - userDist * delta;
    dx = ref - box.getMax()[0];
    dist = (axisMin - ref) / delta;
  }
  // Centred across the axis on the row of labels.
  const float rowCentre =
      m_labelBox.isEmpty() ? 0.0f : 0.5f * (m_labelBox.getMin()[1] + m_labelBox.getMax()[1]);
  const float dy = rowCentre - 0.5f * (box.getMin()[1] + box.getMax()[1]);
  growExtent(buildPowerText("x 10", exponent, size, 1.0f, path, PiText::LEFT, PiText::BASE,
                            SbVec2f(dx, dy), group));
  return dist;
}

float PoAxis::buildMultFactorPart(int position, int tenPower, float userDist)
{
  SoGroup* group = new SoGroup;
  float dist = userDist;
  if (tenPower != 0 && m_labelSize > 0.0f && position >= 0 && position <= 2) {
    // Both ends read the user's distance, not the one written back.
    if (position != 1)
      dist = buildMultFactorAtExtr(false, tenPower, userDist, group);
    if (position != 0)
      dist = buildMultFactorAtExtr(true, tenPower, userDist, group);
  }
  const bool built = group->getNumChildren() > 0;
  setAnyPart("multFactor", partOrNull(group));
  if (built) {
    SoFont* font = new SoFont;
    font->name.setValue(PiText::resolveFontName(m_axisAttr.gradFontName.getString()));
    font->size.setValue(m_labelSize);
    setAnyPart("multFactorApp.font", font);
  }
  return dist;
}

void PoAxis::buildTitlePart()
{
  SoGroup* group = new SoGroup;
  buildTitle(group);
  const bool built = group->getNumChildren() > 0;
  setAnyPart("title", partOrNull(group));
  if (built) {
    SoFont* font = new SoFont;
    font->name.setValue(PiText::resolveFontName(m_axisAttr.titleFontName.getString()));
    font->size.setValue(m_axisAttr.titleFontSize * m_axisAttr.deltaAlong);
    setAnyPart("titleApp.font", font);
  }
}

// ---------------------------------------------------------------------------------------------
// Getters of the working attributes

void PoAxis::getGrad(Visibility& visibility, GradPosition& position, TextPath& path,
                     SbString& fontName, float& fontSize, float& distAxis,
                     SbBool& addStringVisibility, SbString& addString) const
{
  visibility = m_axisAttr.gradVisibility;
  position = m_axisAttr.gradPosition;
  path = m_axisAttr.gradPath;
  fontName = m_axisAttr.gradFontName;
  fontSize = m_axisAttr.gradFontSize;
  distAxis = m_axisAttr.gradDistAxis;
  addStringVisibility = gradAddStringVisibility.getValue();
  addString = gradAddString.getValue();
}

void PoAxis::getMargin(MarginType& type, float& start, float& end) const
{
  type = m_axisAttr.marginType;
  start = m_axisAttr.marginStart;
  end = m_axisAttr.marginEnd;
}

void PoAxis::getTitle(Visibility& visibility, TitlePosition& position, TextPath& path,
                      SbString& string, SbString& fontName, float& fontSize,
                      float& distAxis) const
{
  visibility = m_axisAttr.titleVisibility;
  position = m_axisAttr.titlePosition;
  path = m_axisAttr.titlePath;
  string = m_axisAttr.titleString;
  fontName = m_axisAttr.titleFontName;
  fontSize = m_axisAttr.titleFontSize;
  distAxis = m_axisAttr.titleDistAxis;
}

void PoAxis::getGrid(Visibility& visibility, float& lengthGradSide,
                     float& lengthGradOtherSide) const
{
  visibility = m_axisAttr.gridVisibility;
  lengthGradSide = m_axisAttr.gridLengthGradSide;
  lengthGradOtherSide = m_axisAttr.gridLengthGradOtherSide;
}

void PoAxis::getArrow(Visibility& visibility, float& height, float& length) const
{
  visibility = m_axisAttr.arrowVisibility;
  height = m_axisAttr.arrowHeight;
  length = m_axisAttr.arrowLength;
}

void PoAxis::getTick(Visibility& visibility, TickPosition& position, float& mainLength,
                     float& subLength, TickSubDef& subDef, int& numOrPeriod, int& firstGrad,
                     int& lastGrad) const
{
  visibility = m_axisAttr.tickVisibility;
  position = m_axisAttr.tickPosition;
  mainLength = m_axisAttr.tickMainLength;
  subLength = m_axisAttr.tickSubLength;
  subDef = m_axisAttr.tickSubDef;
  numOrPeriod = m_axisAttr.tickNumOrPeriod;
  firstGrad = m_axisAttr.tickFirstGrad;
  lastGrad = m_axisAttr.tickLastGrad;
}

int PoAxis::getMainGradCoords(const float*& coords) const
{
  coords = m_mainGradCoords.empty() ? nullptr : m_mainGradCoords.data();
  return int(m_mainGradCoords.size());
}

int PoAxis::getSubGradCoords(const float*& coords) const
{
  coords = m_subGradCoords.empty() ? nullptr : m_subGradCoords.data();
  return int(m_subGradCoords.size());
}

// ---------------------------------------------------------------------------------------------
// Log axes

void PoAxis::buildLogAxisParts(float s, float e, const PiLogGraduation& grads, LogLabels& labels)
{
  labels.main = grads.mainLabels();
  labels.decadeCoords = grads.decadeCoords();
  labels.decade = grads.decadeLabels();
  labels.numDecades = grads.getNumDecades();
  std::vector<SbString> mainTexts;
  for (const PiLogGraduation::Label& label : labels.main)
    mainTexts.push_back(label.base);
  m_gradAttr.labels = mainTexts;

  labels.decadeGroup = new SoGroup;
  labels.decadeGroup->ref();
  buildAxisParts(s, e, int(grads.mainCoords().size()), grads.mainCoords().data(),
                 mainTexts.data(), int(grads.subCoords().size()), grads.subCoords().data());
  const bool built = labels.decadeGroup->getNumChildren() > 0;
  setAnyPart("decadeText", built ? labels.decadeGroup : nullptr);
  labels.decadeGroup->unref();
  labels.decadeGroup = nullptr;
  if (built) {
    SoFont* font = new SoFont;
    font->name.setValue(PiText::resolveFontName(labels.decadeFontName.getString()));
    font->size.setValue(labels.decadeSize);
    setAnyPart("decadeTextApp.font", font);
  }
}

namespace {

// Exponent size relative to its base, and the decade labels' nominal size relative to the
// main labels', on log axes.
const float kPowerScale = 0.7f;
const float kDecadeScale = 0.75f;

// How far a label reaches along the axis below and above its graduation, at the size it was
// measured at (scaled by a factor when its size is automatic).
struct Reach {
  float coord, below, above;
  bool decade;
};

// Largest factor (at most 1) by which the reaches of @p sorted, neighbours in coordinate
// order, keep within 0.8 of the room between their graduations.
float fitFactor(const std::vector<Reach>& sorted)
{
  float factor = 1.0f;
  for (size_t i = 1; i < sorted.size(); ++i) {
    const float need = sorted[i - 1].above + sorted[i].below;
    const float room = 0.8f * (sorted[i].coord - sorted[i - 1].coord);
    if (need > 0.0f && need * factor > room)
      factor = room / need;
  }
  return factor;
}

} // namespace

void PoAxis::computeLogGradFontSize(const std::vector<float>& mainCoords, LogLabels& labels,
                                    float& mainSize, float& decadeSize) const
{
  std::vector<float>& decadeCoords = labels.decadeCoords;
  std::vector<PiLogGraduation::Label>& decadeLabels = labels.decade;
  const AxisAttr& a = m_axisAttr;
  const float delta = a.deltaAlong;
  const PiText::Path path = textPath(a.gradPath);
  PiText::HorAlignment hor;
  PiText::VertAlignment vert;
  PiAxisLayout::getLabelAlignment(path, labelsAbove(), hor, vert);
  auto measure = [&](const std::vector<float>& coords,
                     const std::vector<PiLogGraduation::Label>& texts,
                     float size, const char* font) {
    std::vector<Reach> reaches;
    for (size_t i = 0; i < coords.size() && i < texts.size(); ++i) {
      const SbBox2f box = buildPowerText(texts[i].base.getString(), texts[i].power.getString(),
                                         size, kPowerScale, path, hor, vert, SbVec2f(0, 0),
                                         nullptr, font);
      reaches.push_back({coords[i], box.isEmpty() ? 0.0f : -box.getMin()[0],
                         box.isEmpty() ? 0.0f : box.getMax()[0], false});
    }
    return reaches;
  };
  auto sorted = [](std::vector<Reach> reaches) {
    std::sort(reaches.begin(), reaches.end(),
              [](const Reach& p, const Reach& q) { return p.coord < q.coord; });
    return reaches;
  };
  auto scaled = [](std::vector<Reach> reaches, float factor) {
    for (Reach& r : reaches) {
      r.below *= factor;
      r.above *= factor;
    }
    return reaches;
  };

  // The main labels first, among themselves, as on a linear axis.
  const bool mainFixed = a.gradFontSize > 0.0f;
  mainSize = mainFixed ? a.gradFontSize * delta : 0.04f * delta;
  std::vector<Reach> mains = sorted(measure(mainCoords, labels.main, mainSize, nullptr));
  if (!mainFixed) {
    const float factor = fitFactor(mains);
    mainSize *= factor;
    mains = scaled(mains, factor);
  }

  const bool decadeFixed = labels.decadeFontSize > 0.0f;
  decadeSize = decadeFixed ? labels.decadeFontSize * delta : kDecadeScale * mainSize;
  if (decadeCoords.empty() || decadeFixed)
    return;
  const char* font = labels.decadeFontName.getString();
  const std::vector<Reach> decades = measure(decadeCoords, decadeLabels, decadeSize, font);

  // Then the decade labels in the room that the main labels leave. When that room would make
  // them much smaller than they need be among themselves, they keep that size instead and
  // those that would touch a main label are left out (their ticks stay).
  auto fitsWith = [&](float factor) {
    std::vector<Reach> trial = mains;
    for (const Reach& r : scaled(decades, factor))
      trial.push_back({r.coord, r.below, r.above, true});
    trial = sorted(trial);
    for (size_t i = 1; i < trial.size(); ++i)
      if ((trial[i - 1].decade || trial[i].decade) &&
          trial[i - 1].above + trial[i].below > 0.8f * (trial[i].coord - trial[i - 1].coord))
        return false;
    return true;
  };
  const float own = fitFactor(sorted(decades));
  // The largest factor up to `own` that fits beside the main labels, by bisection.
  float lo = 0.0f, hi = own;
  if (fitsWith(hi))
    lo = hi;
  else
    for (int i = 0; i < 30; ++i) {
      const float mid = 0.5f * (lo + hi);
      (fitsWith(mid) ? lo : hi) = mid;
    }
  if (lo >= 0.6f * own) {
    decadeSize *= lo;
    return;
  }
  decadeSize *= own;
  std::vector<float> keptCoords;
  std::vector<PiLogGraduation::Label> keptLabels;
  for (size_t i = 0; i < decades.size(); ++i) {
    const Reach d = scaled({decades[i]}, own)[0];
    bool clear = true;
    for (const Reach& m : mains) {
      const float gap = std::fabs(m.coord - d.coord);
      const float need = m.coord > d.coord ? d.above + m.below : m.above + d.below;
      clear = clear && need <= 0.8f * gap;
    }
    if (clear) {
      keptCoords.push_back(decadeCoords[i]);
      keptLabels.push_back(decadeLabels[i]);
    }
  }
  decadeCoords.swap(keptCoords);
  decadeLabels.swap(keptLabels);
}

void PoAxis::buildLogGrads(int num, const float* coords, LogLabels& labels, SoGroup* group)
{
  AxisAttr& a = m_axisAttr;
  m_labelSize = 0.0f;
  m_labelBox.makeEmpty();
  labels.decadeSize = 0.0f;
  const int numMain = std::min(num, int(labels.main.size()));
  if (a.gradVisibility != VISIBILITY_ON || (numMain < 1 && labels.decadeCoords.empty()))
    return;
  const std::vector<float> mainCoords(coords, coords + numMain);
  float mainSize, decadeSize;
  computeLogGradFontSize(mainCoords, labels, mainSize, decadeSize);
  if (!(mainSize > 0.0f) || !(decadeSize > 0.0f))
    return;
  const float delta = a.deltaAlong;
  a.gradFontSize = mainSize / delta;
  labels.decadeFontSize = decadeSize / delta;

  const bool above = labelsAbove();
  const float y = getLabelRow(mainSize);

  const PiText::Path path = textPath(a.gradPath);
  PiText::HorAlignment hor;
  PiText::VertAlignment vert;
  PiAxisLayout::getLabelAlignment(path, above, hor, vert);
  SbBox2f all;
  for (int i = 0; i < numMain; ++i) {
    const PiLogGraduation::Label& label = labels.main[i];
    const SbBox2f box = buildPowerText(label.base.getString(), label.power.getString(), mainSize,
                                       kPowerScale, path, hor, vert, SbVec2f(coords[i], y), group);
    m_labelBox.extendBy(box);
    all.extendBy(box);
  }
  if (labels.decadeGroup && !labels.decadeCoords.empty()) {
    const char* font = labels.decadeFontName.getString();
    for (size_t i = 0; i < labels.decadeCoords.size(); ++i) {
      const PiLogGraduation::Label& label = labels.decade[i];
      all.extendBy(buildPowerText(label.base.getString(), label.power.getString(), decadeSize,
                                  kPowerScale, path, hor, vert, SbVec2f(labels.decadeCoords[i], y),
                                  labels.decadeGroup, font));
    }
    labels.decadeSize = decadeSize;
  }
  growExtent(all);
  m_labelSize = numMain > 0 ? mainSize : 0.0f;
  m_labelY = y;
}
