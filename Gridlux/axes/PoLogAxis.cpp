// A cartesian axis graduated in decades: its coordinate is the decimal logarithm of the value.
#include <Gridlux/axes/PoLogAxis.h>

#include <Gridlux/attributes/PbMiscTextAttr.h>
#include <Gridlux/axes/LogAxisFieldsXP.h>
#include <Gridlux/base/FieldDataXP.h>
#include <Gridlux/base/PoDebugError.h>

#include <Inventor/nodekits/SoAppearanceKit.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoSeparator.h>

#include <algorithm>
#include <cmath>

PO_KIT_SOURCE(PoLogAxis);

void PoLogAxis::initClass()
{
  PO_KIT_INIT_CLASS(PoLogAxis, PoCartesianAxis, "PoCartesianAxis");
}

PoLogAxis::PoLogAxis()
{
  init(SbVec3f(0, 0, 0), 1.0f, XY, DECADE_LIST_AUTO, nullptr, 0, 0.0f);
}

PoLogAxis::PoLogAxis(const SbVec3f& startPoint, float endCoord, Type axisType,
                     DecadeListDef listDef, const unsigned short* list, int numList,
                     float decadeSize)
{
  init(startPoint, endCoord, axisType, listDef, list, numList, decadeSize);
}

void PoLogAxis::init(const SbVec3f& startPoint, float endCoord, Type axisType,
                     DecadeListDef listDef, const unsigned short* list, int numList,
                     float decadeSize)
{
  SO_KIT_CONSTRUCTOR(PoLogAxis);
  SO_KIT_ADD_CATALOG_ENTRY(multFactorSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(multFactorApp, SoAppearanceKit, TRUE, multFactorSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(multFactor, SoGroup, TRUE, multFactorSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(decadeTextSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(decadeTextApp, SoAppearanceKit, TRUE, decadeTextSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(decadeText, SoGroup, TRUE, decadeTextSep, "", TRUE);

  GRIDLUX_LOG_AXIS_ADD_FIELDS();
  SO_KIT_ADD_FIELD(multFactorPosition, (MULT_FACTOR_END));
  SO_KIT_ADD_FIELD(multFactorDistAxis, (0.0f));
  SO_KIT_DEFINE_ENUM_VALUE(MultFactorPosition, MULT_FACTOR_START);
  SO_KIT_DEFINE_ENUM_VALUE(MultFactorPosition, MULT_FACTOR_END);
  SO_KIT_DEFINE_ENUM_VALUE(MultFactorPosition, MULT_FACTOR_EXTR);
  SO_KIT_DEFINE_ENUM_VALUE(MultFactorPosition, MULT_FACTOR_GRAD);
  SO_KIT_SET_SF_ENUM_TYPE(multFactorPosition, MultFactorPosition);
  SO_KIT_INIT_INSTANCE();

  setPlacement(startPoint, endCoord, axisType);
  if (listDef != DECADE_LIST_AUTO)
    decadeListDef.setValue(listDef);
  if (list && numList > 0)
    decadeList.setValues(0, numList, list);
  else if (numList < 0 || (!list && numList > 0))
    PoDebugError::post("PoLogAxis::PoLogAxis", "decade list of %d values without digits; the default kept",
                       numList);
  if (decadeSize != 0.0f)
    decadeFontSize.setValue(decadeSize);
  setUpConnections(TRUE, TRUE);
}

PoLogAxis::~PoLogAxis() = default;

void PoLogAxis::getWatchedFields(SoFieldList& fields)
{
  inherited::getWatchedFields(fields);
  LogAxisFieldsXP::appendFields(*this, fields);
  fields.append(&multFactorPosition);
  fields.append(&multFactorDistAxis);
}

void PoLogAxis::getLogGrad(int& numDecades, const unsigned short*& decades,
                           TenPowGradRep& tenPower, DecadeRep& decade, SbString& fontName,
                           float& fontSize) const
{
  numDecades = m_logAttr.numDecades;
  decades = m_logAttr.decades;
  tenPower = m_logAttr.tenPowerRep;
  decade = m_logAttr.decadeRep;
  fontName = m_logAttr.decadeFontName;
  fontSize = m_logAttr.decadeFontSize;
}

void PoLogAxis::getMultFactor(MultFactorPosition& position, float& distAxis) const
{
  position = m_logAttr.multFactorPosition;
  distAxis = m_logAttr.multFactorDistAxis;
}

int PoLogAxis::computeDecadeGradList(int numDecades, unsigned short digits[MAX_DECADES])
{
  return PiLogGraduation::computeDecadeGradList(numDecades, digits);
}

void PoLogAxis::saveAxisAttr()
{
  inherited::saveAxisAttr();
  LogAxisAttr& l = m_logAttr;
  LogAxisFieldsXP::saveFields(*this, l, currentTextAttr()->getFontName(),
                              "PoLogAxis::saveAxisAttr");
  l.multFactorPosition =
      MultFactorPosition(namedEnumValue(multFactorPosition, "multFactorPosition", "PoLogAxis::saveAxisAttr"));
  l.multFactorDistAxis = multFactorDistAxis.getValue();
  if (!std::isfinite(l.multFactorDistAxis))
    l.multFactorDistAxis = 0.0f;
}

void PoLogAxis::computeTickLen(int, float& mainLength, float& subLength)
{
  // The sub graduations of a log axis lie inside the decades and do not make it denser.
  inherited::computeTickLen(m_labels.numDecades, mainLength, subLength);
}

void PoLogAxis::rebuild()
{
  static const char* method = "PoLogAxis::rebuild";
  preRebuild();
  saveAxisAttr();
  setDefaultAttr(type.getValue());
  computeTransfo(start.getValue(), m_axisAttr.deltaAlong, m_axisAttr.deltaAcross);
  m_labels = LogLabels();
  setAnyPart("multFactor", nullptr);

  const float s = getStartAlong(), e = end.getValue();
  if (!std::isfinite(s) || !std::isfinite(e) || s == e) {
    if (s != e)
      PoDebugError::post(method, "axis from %g to %g is not finite; nothing is built", s, e);
    clearAxisParts();
    setAnyPart("decadeText", nullptr);
    postRebuild();
    return;
  }

  float lo, hi;
  computeGradLimit(s, e, lo, hi);
  m_axisAttr.gradMin = std::min(lo, hi);
  m_axisAttr.gradMax = std::max(lo, hi);

  LogAxisFieldsXP::buildDecades(*this, m_logAttr, m_axisAttr, lo, hi, m_labels, method,
                                [&](const PiLogGraduation& grads) {
                                  buildLogAxisParts(s, e, grads, m_labels);
                                });
  buildTitlePart();
  postRebuild();
}

void PoLogAxis::buildGrads(int num, const float* coords, const SbString*, SoGroup* group)
{
  buildLogGrads(num, coords, m_labels, group);
}
