// Base of the radial axes of polar charts: an axis along a ray from the domain's origin whose
// grid lines are circles around it.
#include <Gridlux/axes/PoPolarAxis.h>

#include <Gridlux/attributes/PbDomain.h>
#include <Gridlux/base/FieldDataXP.h>
#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/figures/FigureShapesXP.h>
#include <Gridlux/figures/PiCircleArc2.h>

#include <Inventor/SbMatrix.h>
#include <Inventor/nodekits/SoAppearanceKit.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoMatrixTransform.h>
#include <Inventor/nodes/SoSeparator.h>

#include <cmath>

PO_KIT_ABSTRACT_SOURCE(PoPolarAxis);

void PoPolarAxis::initClass()
{
  PO_KIT_INIT_ABSTRACT_CLASS(PoPolarAxis, PoAxis, "PoAxis");
}

PoPolarAxis::PoPolarAxis()
{
  SO_KIT_CONSTRUCTOR(PoPolarAxis);
  SO_KIT_ADD_CATALOG_ENTRY(multFactorSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(multFactorApp, SoAppearanceKit, TRUE, multFactorSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(multFactor, SoGroup, TRUE, multFactorSep, "", TRUE);

  SO_KIT_ADD_FIELD(offset, (0.0f));
  SO_KIT_ADD_FIELD(startRadius, (0.0f));
  SO_KIT_ADD_FIELD(endRadius, (1.0f));
  SO_KIT_ADD_FIELD(theta, (0.0f));
  SO_KIT_ADD_FIELD(multFactorPosition, (MULT_FACTOR_END));
  SO_KIT_ADD_FIELD(multFactorDistAxis, (0.0f));
  SO_KIT_DEFINE_ENUM_VALUE(MultFactorPosition, MULT_FACTOR_START);
  SO_KIT_DEFINE_ENUM_VALUE(MultFactorPosition, MULT_FACTOR_END);
  SO_KIT_DEFINE_ENUM_VALUE(MultFactorPosition, MULT_FACTOR_EXTR);
  SO_KIT_DEFINE_ENUM_VALUE(MultFactorPosition, MULT_FACTOR_GRAD);
  SO_KIT_SET_SF_ENUM_TYPE(multFactorPosition, MultFactorPosition);
  SO_KIT_INIT_INSTANCE();
}

PoPolarAxis::~PoPolarAxis() = default;

void PoPolarAxis::getWatchedFields(SoFieldList& fields)
{
  inherited::getWatchedFields(fields);
  fields.append(&offset);
  fields.append(&startRadius);
  fields.append(&endRadius);
  fields.append(&theta);
  fields.append(&multFactorPosition);
  fields.append(&multFactorDistAxis);
}

void PoPolarAxis::setPlacement(float start, float end, float angle, float radialOffset)
{
  // Constructor arguments are the fields' initial values, so a file keeps them.
  if (start != 0.0f)
    startRadius.setValue(start);
  if (end != 1.0f)
    endRadius.setValue(end);
  if (angle != 0.0f)
    theta.setValue(angle);
  if (radialOffset != 0.0f)
    offset.setValue(radialOffset);
}

void PoPolarAxis::getMultFactor(MultFactorPosition& position, float& distAxis) const
{
  position = m_multFactorPosition;
  distAxis = m_multFactorDistAxis;
}

void PoPolarAxis::saveAxisAttr()
{
  inherited::saveAxisAttr();
  m_multFactorPosition =
      MultFactorPosition(namedEnumValue(multFactorPosition, "multFactorPosition", "PoPolarAxis::saveAxisAttr"));
  m_multFactorDistAxis = multFactorDistAxis.getValue();
  if (!std::isfinite(m_multFactorDistAxis))
    m_multFactorDistAxis = 0.0f;
}

void PoPolarAxis::setDefaultAttr(int quadrant)
{
  // Reading directions, turned by theta, nearest to the world's +x: frame +x, -y, -x, +y.
  static const TextPath paths[4] = {PATH_RIGHT, PATH_DOWN, PATH_LEFT, PATH_UP};
  const TextPath path = paths[((quadrant % 4) + 4) % 4];
  AxisAttr& a = m_axisAttr;
  if (a.gradPath == PATH_DEPEND)
    a.gradPath = path;
  if (a.titlePath == PATH_DEPEND)
    a.titlePath = path;
  inherited::setDefaultAttr(0);
}

bool PoPolarAxis::beginPolarRebuild(const char* method, float& s, float& e, float& lo,
                                    float& hi)
{
  saveAxisAttr();
  AxisAttr& a = m_axisAttr;
  const PbDomain* domain = getDomain();
  a.deltaAlong = a.deltaAcross = domain->getDeltaX() > 0.0f ? domain->getDeltaX() : 1.0f;
  s = startRadius.getValue();
  e = endRadius.getValue();
  const float angle = theta.getValue(), shift = offset.getValue();
  const char* problem = nullptr;
  if (!std::isfinite(s) || !std::isfinite(e))
    problem = "the radii are not finite";
  else if (!(e > s))
    problem = "endRadius is not above startRadius";
  else if (!std::isfinite(angle))
    problem = "theta is not finite";
  else if (!std::isfinite(shift))
    problem = "offset is not finite";
  else if (s + shift < 0.0f)
    problem = "startRadius + offset is negative";
  SoMatrixTransform* transformNode = new SoMatrixTransform;
  setAnyPart("transform", transformNode);
  if (problem) {
    PoDebugError::post(method, "%s (radii %g to %g, offset %g); nothing is built", problem, s,
                       e, shift);
    clearAxisParts();
    setAnyPart("multFactor", nullptr);
    return false;
  }
  m_offset = shift;
  // Row vectors: the axis coordinate x is drawn at x + offset along the ray at theta.
  const float c = std::cos(angle), si = std::sin(angle);
  transformNode->matrix.setValue(SbMatrix(c, si, 0, 0, -si, c, 0, 0, 0, 0, 1, 0,
                                          shift * c, shift * si, 0, 1));
  setDefaultAttr(int(std::floor(angle / float(M_PI / 2) + 0.5f)));
  computeGradLimit(s, e, lo, hi);
  a.gradMin = std::min(lo, hi);
  a.gradMax = std::max(lo, hi);
  return true;
}

void PoPolarAxis::buildGridLines(int num, const float* coords, SoGroup* group)
{
  const AxisAttr& a = m_axisAttr;
  if (a.gridVisibility != VISIBILITY_ON || num < 1)
    return;
  // Angles from the ray, toward the labels and away from them.
  const float toLabels = labelsAbove() ? 1.0f : -1.0f;
  const float side = std::fabs(a.gridLengthGradSide), other = std::fabs(a.gridLengthGradOtherSide);
  const float from = std::min(toLabels * side, -toLabels * other);
  const float to = std::max(toLabels * side, -toLabels * other);
  if (!(to > from))
    return;
  const bool full = side + other >= float(2.0 * M_PI);
  // The origin of the domain, in the axis frame.
  const SbVec2f centre(-m_offset, 0.0f);
  PiCircleArc2 arc;
  for (int i = 0; i < num; ++i) {
    const float r = coords[i] + m_offset;
    if (!(r > 0.0f))
      continue;
    const int valid = full ? arc.setValues(centre, r, 0.0f, float(2.0 * M_PI))
                           : arc.setValues(centre, r, from, to);
    if (SoGroup* circle = valid ? FigureShapesXP::makeArc(arc) : nullptr)
      group->addChild(circle);
  }
}

void PoPolarAxis::buildMultFactor(int tenPower)
{
  m_multFactorDistAxis =
      buildMultFactorPart(int(m_multFactorPosition), tenPower, m_multFactorDistAxis);
}
