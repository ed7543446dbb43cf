// A cartesian axis with automatic linear graduation and a power-of-ten multiplication factor.
#include <Gridlux/axes/PoLinearAxis.h>

#include <Gridlux/attributes/PbNumericDisplayFormat.h>
#include <Gridlux/attributes/PoNumericDisplayFormatElement.h>
#include <Gridlux/axes/PiAxisLayout.h>
#include <Gridlux/base/FieldDataXP.h>

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
  m_linAttr.gradFit = GradFit(namedEnumValue(gradFit, "gradFit", "PoLinearAxis::saveAxisAttr"));
  m_linAttr.multFactorPosition =
      MultFactorPosition(namedEnumValue(multFactorPosition, "multFactorPosition", "PoLinearAxis::saveAxisAttr"));
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

  std::vector<float> grads;
  std::vector<SbString> labels;
  m_tenPower = makeLinearLabels(m_formatter, m_format, first, gradStep, num,
                                m_linAttr.multFactorPosition == MULT_FACTOR_GRAD, grads, labels);
  buildGraduatedParts(s, e, lo, hi, gradStep, num, grads.data(), labels.data());

  m_linAttr.multFactorDistAxis = buildMultFactorPart(int(m_linAttr.multFactorPosition),
                                                     m_tenPower, m_linAttr.multFactorDistAxis);
  buildTitlePart();
  postRebuild();
}
