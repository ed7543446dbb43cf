// Three arrows from one origin along X, Y and Z, each with its title beyond the tip.
#include <Gridlux/axes/PoCoordinateSystemAxis.h>

#include <Gridlux/attributes/PbMiscTextAttr.h>
#include <Gridlux/attributes/PoMiscTextAttrElement.h>
#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/figures/FigureShapesXP.h>
#include <Gridlux/figures/PoArrow3.h>
#include <Gridlux/text/PiText.h>

#include <Inventor/nodekits/SoAppearanceKit.h>
#include <Inventor/nodes/SoFont.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoSeparator.h>

#include <algorithm>
#include <cmath>

PO_KIT_SOURCE(PoCoordinateSystemAxis);

namespace {

const char* const kArrowParts[3] = {"xArrow", "yArrow", "zArrow"};
const char* const kTitleParts[3] = {"xTitleText", "yTitleText", "zTitleText"};
const char* const kTitleFonts[3] = {"xTitleTextApp.font", "yTitleTextApp.font",
                                    "zTitleTextApp.font"};
// Title text size and the gap before it, as fractions of the longest arrow and of the size.
const float kTitleSize = 0.1f;
const float kTitleGap = 0.5f;

} // namespace

void PoCoordinateSystemAxis::initClass()
{
  PO_KIT_INIT_CLASS(PoCoordinateSystemAxis, PoChartwork, "PoChartwork");
}

PoCoordinateSystemAxis::PoCoordinateSystemAxis()
{
  init(SbVec3f(0, 0, 0), SbVec3f(1, 1, 1));
}

PoCoordinateSystemAxis::PoCoordinateSystemAxis(const SbVec3f& startValue,
                                               const SbVec3f& endValue)
{
  init(startValue, endValue);
}

void PoCoordinateSystemAxis::init(const SbVec3f& startValue, const SbVec3f& endValue)
{
  SO_KIT_CONSTRUCTOR(PoCoordinateSystemAxis);
  SO_KIT_ADD_CATALOG_ENTRY(xArrow, PoArrow3, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(yArrow, PoArrow3, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(zArrow, PoArrow3, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(xTitleTextSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(xTitleTextApp, SoAppearanceKit, TRUE, xTitleTextSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(xTitleText, SoGroup, TRUE, xTitleTextSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(yTitleTextSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(yTitleTextApp, SoAppearanceKit, TRUE, yTitleTextSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(yTitleText, SoGroup, TRUE, yTitleTextSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(zTitleTextSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(zTitleTextApp, SoAppearanceKit, TRUE, zTitleTextSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(zTitleText, SoGroup, TRUE, zTitleTextSep, "", TRUE);
  SO_KIT_ADD_FIELD(start, (SbVec3f(0, 0, 0)));
  SO_KIT_ADD_FIELD(end, (SbVec3f(1, 1, 1)));
  SO_KIT_ADD_FIELD(xTitle, ("X"));
  SO_KIT_ADD_FIELD(yTitle, ("Y"));
  SO_KIT_ADD_FIELD(zTitle, ("Z"));
  SO_KIT_ADD_FIELD(arrowLengthFactor, (0.05f));
  SO_KIT_ADD_FIELD(titleTranslationFactor, (0.0f));
  SO_KIT_INIT_INSTANCE();
  if (startValue != SbVec3f(0, 0, 0))
    start.setValue(startValue);
  if (endValue != SbVec3f(1, 1, 1))
    end.setValue(endValue);
  setUpConnections(TRUE, TRUE);
}

PoCoordinateSystemAxis::~PoCoordinateSystemAxis()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoCoordinateSystemAxis::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  watchOwnFields(onOff, m_sensors);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoCoordinateSystemAxis::preRebuild()
{
  inherited::preRebuild();
  if (isStateValid())
    addElementCache(PoMiscTextAttrElement::getClassStackIndex());
}

void PoCoordinateSystemAxis::addElementsAllCaches()
{
  inherited::addElementsAllCaches();
  if (getState())
    PoMiscTextAttrElement::get(getState());
}

void PoCoordinateSystemAxis::clearDirection(int axis)
{
  setAnyPart(kArrowParts[axis], nullptr);
  setAnyPart(kTitleParts[axis], nullptr);
}

void PoCoordinateSystemAxis::rebuild()
{
  static const char* method = "PoCoordinateSystemAxis::rebuild";
  preRebuild();
  const SbVec3f origin = start.getValue(), far = end.getValue();
  const float factor = arrowLengthFactor.getValue();
  const float shift = titleTranslationFactor.getValue();
  bool ok = FigureShapesXP::checkFiniteFields(this);
  if (ok && factor < 0.0f) {
    PoDebugError::post(method, "arrowLengthFactor %g is negative; nothing is drawn", factor);
    ok = false;
  }
  if (!ok) {
    for (int axis = 0; axis < 3; ++axis)
      clearDirection(axis);
    postRebuild();
    return;
  }

  float longest = 0.0f;
  for (int axis = 0; axis < 3; ++axis)
    longest = std::max(longest, std::fabs(far[axis] - origin[axis]));
  const PbMiscTextAttr* textAttr = isStateValid() && getState()
                                       ? PoMiscTextAttrElement::get(getState())
                                       : PoMiscTextAttrElement::getDefault();
  const SbString* titles[3] = {&xTitle.getValue(), &yTitle.getValue(), &zTitle.getValue()};
  const float size = kTitleSize * longest;

  for (int axis = 0; axis < 3; ++axis) {
    SbVec3f tip = origin;
    tip[axis] = far[axis];
    const float length = std::fabs(far[axis] - origin[axis]);
    if (!(length > 0.0f)) {
      clearDirection(axis);
      continue;
    }
    // The arrows are drawn in this node's frame, where the domain transform already applies.
    // An arrow in place keeps what the application set on it; only its placement is ours.
    PoArrow3* arrow = static_cast<PoArrow3*>(getAnyPart(kArrowParts[axis], TRUE));
    arrow->enableDomainTransform(FALSE);
    const float headLength = factor * longest / length, headWidth = 0.5f * headLength;
    if (arrow->startPoint.getValue() != origin)
      arrow->startPoint.setValue(origin);
    if (arrow->endPoint.getValue() != tip)
      arrow->endPoint.setValue(tip);
    if (arrow->headLength.getValue() != headLength)
      arrow->headLength.setValue(headLength);
    if (arrow->headWidth.getValue() != headWidth)
      arrow->headWidth.setValue(headWidth);

    if (titles[axis]->getLength() == 0) {
      setAnyPart(kTitleParts[axis], nullptr);
      continue;
    }
    SbVec3f direction(0, 0, 0);
    direction[axis] = far[axis] > origin[axis] ? 1.0f : -1.0f;
    const SbVec3f anchor = tip + direction * (kTitleGap * size + shift * longest);
    SoGroup* group = new SoGroup;
    PiText text;
    text.setTextAttributes(textAttr);
    text.setFontName(textAttr->getFontName().getString());
    text.setFontSize(size);
    text.setAlignment(PiText::CENTER, PiText::HALF);
    // Upright, for a scene with z up seen from the usual side: the Y title faces +x, the others
    // -y.
    text.setDirectionVectors(axis == 1 ? SbVec3f(0, 1, 0) : SbVec3f(1, 0, 0), SbVec3f(0, 0, 1));
    text.setOrigin(anchor);
    text.setString(titles[axis]->getString());
    text.setGroup(group);
    text.build();
    setAnyPart(kTitleParts[axis], group);
    SoFont* font = new SoFont;
    font->name.setValue(PiText::resolveFontName(textAttr->getFontName().getString()));
    font->size.setValue(size);
    setAnyPart(kTitleFonts[axis], font);
  }
  postRebuild();
}
