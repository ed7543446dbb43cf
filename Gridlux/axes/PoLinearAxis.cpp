// A cartesian axis with automatic linear graduation and a power-of-ten multiplication factor.
#include <Gridlux/axes/PoLinearAxis.h>

#include <Gridlux/attributes/PbNumericDisplayFormat.h>
#include <Gridlux/attributes/PoNumericDisplayFormatElement.h>
#include <Gridlux/axes/PiAxisLayout.h>

#include <Inventor/nodekits/SoAppearanceKit.h>
#include <Inventor/nodes/SoFont.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoSeparator.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

PO_KIT_SOURCE(PoLinearAxis);

void PoLinearAxis::initClass()
{
  PO_KIT_INIT_CLASS(PoLinearAxis, PoCartesianAxis, "PoCartesianAxis");
}

PoLinearAxis::PoLinearAxis()
{
  init(SbVec3f(0, 0, 0), 1.0f, XY, 0.0f);
}

PoLinearAxis::PoLinearAxis(const SbVec3f& startPoint, float endCoord, Type axisType,
                           float gradStep)
{
  init(startPoint, endCoord, axisType, gradStep);
}

void PoLinearAxis::init(const SbVec3f& startPoint, float endCoord, Type axisType, float gradStep)
{
  SO_KIT_CONSTRUCTOR(PoLinearAxis);
  SO_KIT_ADD_CATALOG_ENTRY(multFactorSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(multFactorApp, SoAppearanceKit, TRUE, multFactorSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(multFactor, SoGroup, TRUE, multFactorSep, "", TRUE);

  SO_KIT_ADD_FIELD(step, (0.0f));
  SO_KIT_ADD_FIELD(gradFit, (GRAD_UNFIT));
  SO_KIT_ADD_FIELD(multFactorPosition, (MULT_FACTOR_END));
  SO_KIT_ADD_FIELD(multFactorDistAxis, (0.0f));
  SO_KIT_DEFINE_ENUM_VALUE(GradFit, GRAD_FIT);
  SO_KIT_DEFINE_ENUM_VALUE(GradFit, GRAD_UNFIT);
  SO_KIT_SET_SF_ENUM_TYPE(gradFit, GradFit);
  SO_KIT_DEFINE_ENUM_VALUE(MultFactorPosition, MULT_FACTOR_START);
  SO_KIT_DEFINE_ENUM_VALUE(MultFactorPosition, MULT_FACTOR_END);
  SO_KIT_DEFINE_ENUM_VALUE(MultFactorPosition, MULT_FACTOR_EXTR);
  SO_KIT_DEFINE_ENUM_VALUE(MultFactorPosition, MULT_FACTOR_GRAD);
  SO_KIT_SET_SF_ENUM_TYPE(multFactorPosition, MultFactorPosition);
  SO_KIT_INIT_INSTANCE();

  setPlacement(startPoint, endCoord, axisType);
  if (gradStep != 0.0f)
    step.setValue(gradStep);
  setUpConnections(TRUE, TRUE);
}

PoLinearAxis::~PoLinearAxis()
{
  changeConnection(m_format, nullptr);
}

void PoLinearAxis::getWatchedFields(SoFieldList& fields)
{
  inherited::getWatchedFields(fields);
  fields.append(&step);
  fields.append(&gradFit);
  fields.append(&multFactorPosition);
  fields.append(&multFactorDistAxis);
}

void PoLinearAxis::getLinGradStep(float range, float& gradStep)
{
  PiLinearGraduation::getStep(range, gradStep);
}

void PoLinearAxis::getLinGradFirstGrad(GradFit fit, float startValue, float endValue,
                                       float gradStep, float& first, int& num)
{
  PiLinearGraduation::getFirstGrad(PiLinearGraduation::GradFit(fit), startValue, endValue,
                                   gradStep, first, num);
}

void PoLinearAxis::getLinGrads(GradFit fit, float startValue, float endValue, float& gradStep,
                               float& first, int& num)
{
  PiLinearGraduation::getGrads(PiLinearGraduation::GradFit(fit), startValue, endValue, gradStep,
                               first, num);
}

void PoLinearAxis::getMultFactor(MultFactorPosition& position, float& distAxis) const
{
  position = m_linAttr.multFactorPosition;
  distAxis = m_linAttr.multFactorDistAxis;
}

void PoLinearAxis::setFormat(PbNumericDisplayFormat* format)
{
  replaceFollowed(m_format, format);
}

void PoLinearAxis::basicObjectChange(PbBase* object)
{
  if (followedObjectChanged(object, m_format))
    return;
  inherited::basicObjectChange(object);
}

void PoLinearAxis::preRebuild()
{
  inherited::preRebuild();
  if (isStateValid() && !m_format)
    addElementCache(PoNumericDisplayFormatElement::getClassStackIndex());
}

void PoLinearAxis::addElementsAllCaches()
{
  inherited::addElementsAllCaches();
  if (getState() && !m_format)
    PoNumericDisplayFormatElement::get(getState());
}

void PoLinearAxis::saveAxisAttr()
{
  inherited::saveAxisAttr();
  m_linAttr.step = step.getValue();
  m_linAttr.gradFit = GradFit(gradFit.getValue());
  m_linAttr.multFactorPosition = MultFactorPosition(multFactorPosition.getValue());
  m_linAttr.multFactorDistAxis = multFactorDistAxis.getValue();
  if (!std::isfinite(m_linAttr.multFactorDistAxis))
    m_linAttr.multFactorDistAxis = 0.0f;
}

void PoLinearAxis::rebuild()
{
  m_tenPower = 0;
  float s, e, lo, hi;
  if (!beginCartesianRebuild("PoLinearAxis::rebuild", s, e, lo, hi)) {
    setAnyPart("multFactor", nullptr);
    postRebuild();
    return;
  }

  float gradStep = m_linAttr.step;
  float first = lo;
  int num = 0;
  if (lo != hi) {
    PiLinearGraduation::getStep(hi - lo, gradStep);
    PiLinearGraduation::getFirstGrad(PiLinearGraduation::GradFit(m_linAttr.gradFit), lo, hi,
                                     gradStep, first, num);
  }
  m_step = gradStep;

  std::vector<float> grads(num);
  std::vector<SbString> labels(num);
  if (num > 0) {
    const PbNumericDisplayFormat* format = m_format;
    if (!format)
      format = isStateValid() ? PoNumericDisplayFormatElement::get(getState())
                              : PoNumericDisplayFormatElement::getDefault();
    m_formatter.setFormat(format, first, float(double(first) + num * double(gradStep)),
                          gradStep, 0);
    m_tenPower = m_formatter.getTenPower();
    char suffix[32] = "";
    if (m_tenPower != 0 && m_linAttr.multFactorPosition == MULT_FACTOR_GRAD)
      std::snprintf(suffix, sizeof(suffix), "E%d", m_tenPower);
    const bool addString = gradAddStringVisibility.getValue();
    for (int i = 0; i < num; ++i) {
      double value = double(first) + i * double(gradStep);
      // A graduation at zero reached through rounding must not print as "-0".
      if (std::fabs(value) < 1e-6 * std::fabs(double(gradStep)))
        value = 0.0;
      grads[i] = float(value);
      SbString label = m_formatter.getString(grads[i]);
      label += suffix;
      if (addString)
        label += gradAddString.getValue();
      labels[i] = label;
    }
  }
  buildGraduations(s, e, lo, hi, gradStep, num, grads.data(), labels.data());

  SoGroup* group = new SoGroup;
  buildMultFactor(group);
  if (group->getNumChildren() > 0) {
    setAnyPart("multFactor", group);
    SoFont* font = new SoFont;
    font->name.setValue(PiText::resolveFontName(m_axisAttr.gradFontName.getString()));
    font->size.setValue(m_labelSize);
    setAnyPart("multFactorApp.font", font);
  }
  else {
    group->ref();
    group->unref();
    setAnyPart("multFactor", nullptr);
  }
  buildTitlePart();
  postRebuild();
}

void PoLinearAxis::buildMultFactor(SoGroup* group)
{
  const MultFactorPosition position = m_linAttr.multFactorPosition;
  if (m_tenPower == 0 || m_labelSize <= 0.0f || position == MULT_FACTOR_GRAD)
    return;
  // Both ends of MULT_FACTOR_EXTR read the user's distance, not the one written back.
  const float userDist = m_linAttr.multFactorDistAxis;
  if (position == MULT_FACTOR_START || position == MULT_FACTOR_EXTR)
    buildMultFactorAtExtr(false, userDist, group);
  if (position == MULT_FACTOR_END || position == MULT_FACTOR_EXTR)
    buildMultFactorAtExtr(true, userDist, group);
}

void PoLinearAxis::buildMultFactorAtExtr(bool atEnd, float userDist, SoGroup* group)
{
  const AxisAttr& a = m_axisAttr;
  const float size = m_labelSize;
  const PiText::Path path = textPath(a.gradPath);
  char exponent[16];
  std::snprintf(exponent, sizeof(exponent), "%d", m_tenPower);
  // Measured first, then moved beside the axis as a whole.
  const SbBox2f box = buildPowerText("x 10", exponent, size, 1.0f, path, PiText::LEFT,
                                     PiText::BASE, SbVec2f(0.0f, 0.0f), nullptr);
  if (box.isEmpty())
    return;

  // Beyond the end of an increasing axis, and before the start, lie toward +x and -x.
  const bool increasing = a.end >= a.start;
  const bool toRight = atEnd == increasing;
  const float delta = a.deltaAlong;
  const float axisMax = std::max(a.start, a.end), axisMin = std::min(a.start, a.end);
  const bool automatic = !(userDist > 0.0f);
  float ref, dx;
  if (toRight) {
    ref = automatic ? a.xmax + 0.65f * size : axisMax + userDist * delta;
    dx = ref - box.getMin()[0];
    m_linAttr.multFactorDistAxis = (ref - axisMax) / delta;
  }
  else {
    ref = automatic ? a.xmin - 0.65f * size : axisMin - userDist * delta;
    dx = ref - box.getMax()[0];
    m_linAttr.multFactorDistAxis = (axisMin - ref) / delta;
  }
  // Centred across the axis on the row of labels.
  const float rowCentre = m_labelBox.isEmpty() ? 0.0f : 0.5f * (m_labelBox.getMin()[1] + m_labelBox.getMax()[1]);
  const float dy = rowCentre - 0.5f * (box.getMin()[1] + box.getMax()[1]);
  growExtent(buildPowerText("x 10", exponent, size, 1.0f, path, PiText::LEFT, PiText::BASE,
                            SbVec2f(dx, dy), group));
}
