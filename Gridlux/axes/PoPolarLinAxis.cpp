// A radial axis of a polar chart with automatic linear graduation.
#include <Gridlux/axes/PoPolarLinAxis.h>

#include <Gridlux/attributes/PbNumericDisplayFormat.h>
#include <Gridlux/attributes/PoNumericDisplayFormatElement.h>
#include <Gridlux/base/FieldDataXP.h>
#include <Gridlux/base/PoDebugError.h>

#include <cmath>
#include <vector>

PO_KIT_SOURCE(PoPolarLinAxis);

void PoPolarLinAxis::initClass()
{
  PO_KIT_INIT_CLASS(PoPolarLinAxis, PoPolarAxis, "PoPolarAxis");
}

PoPolarLinAxis::PoPolarLinAxis()
{
  init(0.0f, 1.0f, 0.0f, 0.0f, 0.0f);
}

PoPolarLinAxis::PoPolarLinAxis(float start, float end, float angle, float radialOffset,
                               float gradStep)
{
  init(start, end, angle, radialOffset, gradStep);
}

void PoPolarLinAxis::init(float start, float end, float angle, float radialOffset,
                          float gradStep)
{
  SO_KIT_CONSTRUCTOR(PoPolarLinAxis);
  SO_KIT_ADD_FIELD(step, (0.0f));
  SO_KIT_ADD_FIELD(gradFit, (GRAD_UNFIT));
  SO_KIT_DEFINE_ENUM_VALUE(GradFit, GRAD_FIT);
  SO_KIT_DEFINE_ENUM_VALUE(GradFit, GRAD_UNFIT);
  SO_KIT_SET_SF_ENUM_TYPE(gradFit, GradFit);
  SO_KIT_INIT_INSTANCE();
  setPlacement(start, end, angle, radialOffset);
  if (gradStep != 0.0f)
    step.setValue(gradStep);
  setUpConnections(TRUE, TRUE);
}

PoPolarLinAxis::~PoPolarLinAxis()
{
  changeConnection(m_format, nullptr);
}

void PoPolarLinAxis::getWatchedFields(SoFieldList& fields)
{
  inherited::getWatchedFields(fields);
  fields.append(&step);
  fields.append(&gradFit);
}

void PoPolarLinAxis::setFormat(PbNumericDisplayFormat* format)
{
  replaceFollowed(m_format, format);
}

void PoPolarLinAxis::basicObjectChange(PbBase* object)
{
  if (followedObjectChanged(object, m_format))
    return;
  inherited::basicObjectChange(object);
}

void PoPolarLinAxis::preRebuild()
{
  inherited::preRebuild();
  if (isStateValid() && !m_format)
    addElementCache(PoNumericDisplayFormatElement::getClassStackIndex());
}

void PoPolarLinAxis::addElementsAllCaches()
{
  inherited::addElementsAllCaches();
  if (getState() && !m_format)
    PoNumericDisplayFormatElement::get(getState());
}

void PoPolarLinAxis::rebuild()
{
  preRebuild();
  m_tenPower = 0;
  m_step = 0.0f;
  float s, e, lo, hi;
  if (!beginPolarRebuild("PoPolarLinAxis::rebuild", s, e, lo, hi)) {
    postRebuild();
    return;
  }
  float gradStep = step.getValue();
  if (!std::isfinite(gradStep)) {
    PoDebugError::post("PoPolarLinAxis::rebuild", "step is not finite; the automatic step used");
    gradStep = 0.0f;
  }
  float first = lo;
  int num = 0;
  if (lo != hi) {
    const PiLinearGraduation::GradFit fit =
        PiLinearGraduation::GradFit(namedEnumValue(gradFit, "gradFit", "PoPolarLinAxis::rebuild"));
    PiLinearGraduation::getGrads(fit, lo, hi, gradStep, first, num);
  }
  m_step = gradStep;

  std::vector<float> grads;
  std::vector<SbString> labels;
  m_tenPower = makeLinearLabels(m_formatter, m_format, first, gradStep, num,
                                m_multFactorPosition == MULT_FACTOR_GRAD, grads, labels);
  buildGraduatedParts(s, e, lo, hi, gradStep, num, grads.data(), labels.data());
  buildMultFactor(m_tenPower);
  buildTitlePart();
  postRebuild();
}
