// A radial axis of a polar chart graduated in decades.
#include <Gridlux/axes/PoPolarLogAxis.h>

#include <Gridlux/attributes/PbMiscTextAttr.h>
#include <Gridlux/axes/LogAxisFieldsXP.h>

#include <Inventor/nodekits/SoAppearanceKit.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoSeparator.h>

PO_KIT_SOURCE(PoPolarLogAxis);

void PoPolarLogAxis::initClass()
{
  PO_KIT_INIT_CLASS(PoPolarLogAxis, PoPolarAxis, "PoPolarAxis");
}

PoPolarLogAxis::PoPolarLogAxis()
{
  init(0.0f, 1.0f, 0.0f, 0.0f);
}

PoPolarLogAxis::PoPolarLogAxis(float start, float end, float angle, float radialOffset)
{
  init(start, end, angle, radialOffset);
}

void PoPolarLogAxis::init(float start, float end, float angle, float radialOffset)
{
  SO_KIT_CONSTRUCTOR(PoPolarLogAxis);
  SO_KIT_ADD_CATALOG_ENTRY(decadeTextSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(decadeTextApp, SoAppearanceKit, TRUE, decadeTextSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(decadeText, SoGroup, TRUE, decadeTextSep, "", TRUE);
  GRIDLUX_LOG_AXIS_ADD_FIELDS();
  SO_KIT_INIT_INSTANCE();
  setPlacement(start, end, angle, radialOffset);
  setUpConnections(TRUE, TRUE);
}

PoPolarLogAxis::~PoPolarLogAxis() = default;

void PoPolarLogAxis::getWatchedFields(SoFieldList& fields)
{
  inherited::getWatchedFields(fields);
  LogAxisFieldsXP::appendFields(*this, fields);
}

void PoPolarLogAxis::saveAxisAttr()
{
  inherited::saveAxisAttr();
  LogAxisFieldsXP::saveFields(*this, m_logAttr, currentTextAttr()->getFontName(),
                              "PoPolarLogAxis::saveAxisAttr");
}

void PoPolarLogAxis::computeTickLen(int, float& mainLength, float& subLength)
{
  // The sub graduations lie inside the decades and do not make the axis denser.
  inherited::computeTickLen(m_labels.numDecades, mainLength, subLength);
}

void PoPolarLogAxis::rebuild()
{
  static const char* method = "PoPolarLogAxis::rebuild";
  preRebuild();
  m_labels = LogLabels();
  setAnyPart("multFactor", nullptr);
  float s, e, lo, hi;
  if (!beginPolarRebuild(method, s, e, lo, hi)) {
    setAnyPart("decadeText", nullptr);
    postRebuild();
    return;
  }
  LogAxisFieldsXP::buildDecades(*this, m_logAttr, m_axisAttr, lo, hi, m_labels, method,
                                [&](const PiLogGraduation& grads) {
                                  buildLogAxisParts(s, e, grads, m_labels);
                                });
  buildTitlePart();
  postRebuild();
}

void PoPolarLogAxis::buildGrads(int num, const float* coords, const SbString*, SoGroup* group)
{
  buildLogGrads(num, coords, m_labels, group);
}
