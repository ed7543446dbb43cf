// An axis on an arc of a circle around the domain's origin, graduated in degrees.
#include <Gridlux/axes/PoAngularAxis.h>

#include <Gridlux/attributes/PbDomain.h>
#include <Gridlux/axes/PiAxisLayout.h>
#include <Gridlux/base/FieldDataXP.h>
#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/figures/FigureShapesXP.h>
#include <Gridlux/figures/PiCircleArc2.h>

#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoMatrixTransform.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

PO_KIT_SOURCE(PoAngularAxis);

namespace {
const double kDegrees = 180.0 / M_PI;
// More graduations than this on one arc is taken as a mistake rather than drawn.
const int kMaxGrads = 10000;
} // namespace

void PoAngularAxis::initClass()
{
  PO_KIT_INIT_CLASS(PoAngularAxis, PoAxis, "PoAxis");
}

PoAngularAxis::PoAngularAxis()
{
  init(0.0f, float(M_PI), 1.0f, 0.0f);
}

PoAngularAxis::PoAngularAxis(float start, float end, float arcRadius, float step)
{
  init(start, end, arcRadius, step);
}

void PoAngularAxis::init(float start, float end, float arcRadius, float step)
{
  SO_KIT_CONSTRUCTOR(PoAngularAxis);
  SO_KIT_ADD_FIELD(offset, (0.0f));
  SO_KIT_ADD_FIELD(startAngle, (0.0f));
  SO_KIT_ADD_FIELD(endAngle, (float(M_PI)));
  SO_KIT_ADD_FIELD(radius, (1.0f));
  SO_KIT_ADD_FIELD(angleStep, (0.0f));
  SO_KIT_ADD_FIELD(gradFit, (GRAD_UNFIT));
  SO_KIT_DEFINE_ENUM_VALUE(GradFit, GRAD_FIT);
  SO_KIT_DEFINE_ENUM_VALUE(GradFit, GRAD_UNFIT);
  SO_KIT_SET_SF_ENUM_TYPE(gradFit, GradFit);
  SO_KIT_INIT_INSTANCE();

  // Constructor arguments are the fields' initial values, so a file keeps them.
  if (start != 0.0f)
    startAngle.setValue(start);
  if (end != float(M_PI))
    endAngle.setValue(end);
  if (arcRadius != 1.0f)
    radius.setValue(arcRadius);
  if (step != 0.0f)
    angleStep.setValue(step);
  setUpConnections(TRUE, TRUE);
}

PoAngularAxis::~PoAngularAxis() = default;

void PoAngularAxis::getWatchedFields(SoFieldList& fields)
{
  inherited::getWatchedFields(fields);
  fields.append(&offset);
  fields.append(&startAngle);
  fields.append(&endAngle);
  fields.append(&radius);
  fields.append(&angleStep);
  fields.append(&gradFit);
}

void PoAngularAxis::setDefaultAttr(int)
{
  // As an axis graduated across its plane (labels above, that is outside), but written left
  // to right, with the title in the middle and no arrow.
  AxisAttr& a = m_axisAttr;
  if (a.gradPath == PATH_DEPEND)
    a.gradPath = PATH_RIGHT;
  if (a.titlePath == PATH_DEPEND)
    a.titlePath = PATH_RIGHT;
  if (a.titlePosition == TITLE_DEPEND)
    a.titlePosition = TITLE_MIDDLE;
  if (a.arrowVisibility == VISIBILITY_DEPEND)
    a.arrowVisibility = VISIBILITY_OFF;
  inherited::setDefaultAttr(1);
}

void PoAngularAxis::computeGradLimit(float start, float end, float& lo, float& hi)
{
  // The margins work on the counter-clockwise arc, unwrapped past 2pi when it runs through 0.
  double arcStart = 0.0, length = 0.0;
  if (!PiAngularGraduation::getArc(start, end, arcStart, length)) {
    lo = hi = 0.0f;
    return;
  }
  inherited::computeGradLimit(float(arcStart), float(arcStart + length), lo, hi);
}

SbVec2f PoAngularAxis::arcPoint(float angle, float outward) const
{
  const float r = m_radius + outward;
  return SbVec2f(r * std::cos(angle), r * std::sin(angle));
}

void PoAngularAxis::rebuild()
{
  static const char* method = "PoAngularAxis::rebuild";
  preRebuild();
  saveAxisAttr();
  m_angleStep = 0.0f;
  AxisAttr& a = m_axisAttr;
  const PbDomain* domain = getDomain();
  const float width = domain->getDeltaX() > 0.0f ? domain->getDeltaX() : 1.0f;
  a.deltaAlong = a.deltaAcross = width;

  // The axis frame is the domain's: the offset turns the places of the pieces, not the
  // glyphs, so labels stay upright.
  const float turn = offset.getValue();
  setAnyPart("transform", new SoMatrixTransform);

  double arcStart = 0.0, length = 0.0;
  const bool anglesOk = PiAngularGraduation::getArc(startAngle.getValue(), endAngle.getValue(),
                                                    arcStart, length);
  const float r = radius.getValue(), userStep = angleStep.getValue();
  const char* problem = nullptr;
  if (!anglesOk)
    problem = "the angles are not finite";
  else if (!std::isfinite(r) || !(r > 0.0f))
    problem = "the radius is not above 0";
  else if (!std::isfinite(userStep) || userStep < 0.0f)
    problem = "angleStep is negative or not finite";
  else if (!std::isfinite(turn))
    problem = "offset is not finite";
  if (problem) {
    PoDebugError::post(method, "%s; nothing is built", problem);
    clearAxisParts();
    postRebuild();
    return;
  }
  m_radius = r;
  setDefaultAttr(0);

  float lo, hi;
  computeGradLimit(startAngle.getValue(), endAngle.getValue(), lo, hi);
  a.gradMin = std::min(lo, hi);
  a.gradMax = std::max(lo, hi);
  const double rangeDegrees = (double(hi) - double(lo)) * kDegrees;
  const double stepDegrees = userStep > 0.0f
                                 ? double(userStep) * kDegrees
                                 : PiAngularGraduation::getAutoStep(r, width, rangeDegrees);
  std::vector<float> angles;
  std::vector<int> degrees;
  if (rangeDegrees / stepDegrees > kMaxGrads)
    PoDebugError::post(method, "a step of %g degrees makes more than %d graduations; none built",
                       stepDegrees, kMaxGrads);
  else {
    const PiAngularGraduation::GradFit fit =
        PiAngularGraduation::GradFit(namedEnumValue(gradFit, "gradFit", method));
    PiAngularGraduation::getGrads(fit, lo, hi, stepDegrees, rangeDegrees >= 360.0 - 1e-4, angles, degrees,
                                  kMaxGrads);
  }
  m_angleStep = float(stepDegrees / kDegrees);

  const int num = int(angles.size());
  std::vector<SbString> labels(num);
  const bool addString = gradAddStringVisibility.getValue();
  for (int i = 0; i < num; ++i) {
    char text[16];
    std::snprintf(text, sizeof(text), "%d", degrees[i]);
    labels[i] = text;
    if (addString)
      labels[i] += gradAddString.getValue();
  }

  for (float& angle : angles)
    angle += turn;
  const float drawnStart = float(arcStart + turn), drawnEnd = float(arcStart + length + turn);
  buildGraduatedParts(drawnStart, drawnEnd, lo + turn, hi + turn, m_angleStep, num,
                      angles.data(), labels.data());
  // The graduations reported are the data's angles.
  for (float& angle : m_mainGradCoords)
    angle -= turn;
  for (float& angle : m_subGradCoords)
    angle -= turn;
  // The line of this axis is its arc.
  PiCircleArc2 arc;
  arc.setValues(SbVec2f(0, 0), r, drawnStart, drawnEnd);
  setAnyPart("body", FigureShapesXP::makeArc(arc));
  buildTitlePart();
  postRebuild();
}

void PoAngularAxis::buildArrow(float, float end, SoGroup* group)
{
  float h, l;
  if (!getArrowSize(h, l))
    return;
  const SbVec2f tangent(-std::sin(end), std::cos(end));
  const SbVec2f p = arcPoint(end, 0.5f * h), q = arcPoint(end, -0.5f * h);
  const SbVec2f tip = arcPoint(end, 0.0f) + l * tangent;
  const SbVec3f points[3] = {SbVec3f(p[0], p[1], 0), SbVec3f(q[0], q[1], 0),
                             SbVec3f(tip[0], tip[1], 0)};
  addTriangle(group, points);
}

void PoAngularAxis::buildTick(int num, const float* coords, float length, SoGroup* group)
{
  AxisAttr& a = m_axisAttr;
  if (a.tickVisibility != VISIBILITY_ON || num < 1)
    return;
  float s0, s1;
  PiAxisLayout::getTickSpan(int(a.tickPosition), labelsAbove(), s0, s1);
  const float l = length * a.deltaAlong;
  // An inward tick stops at the centre.
  const float y0 = std::max(s0 * l, -m_radius), y1 = std::max(s1 * l, -m_radius);
  std::vector<SbVec3f> points;
  for (int i = 0; i < num; ++i)
    for (float y : {y0, y1}) {
      const SbVec2f p = arcPoint(coords[i], y);
      points.emplace_back(p[0], p[1], 0.0f);
    }
  addSegments(group, points);
  a.ymin = std::min(a.ymin, std::min(y0, y1));
  a.ymax = std::max(a.ymax, std::max(y0, y1));
}

void PoAngularAxis::buildGridLines(int num, const float* coords, SoGroup* group)
{
  const AxisAttr& a = m_axisAttr;
  if (a.gridVisibility != VISIBILITY_ON || num < 1)
    return;
  const float toLabels = labelsAbove() ? 1.0f : -1.0f;
  const float yLabels = std::max(toLabels * std::fabs(a.gridLengthGradSide), -m_radius);
  const float yOther = std::max(-toLabels * std::fabs(a.gridLengthGradOtherSide), -m_radius);
  if (yLabels == 0.0f && yOther == 0.0f)
    return;
  std::vector<SbVec3f> points;
  for (int i = 0; i < num; ++i)
    for (float y : {yOther, yLabels}) {
      const SbVec2f p = arcPoint(coords[i], y);
      points.emplace_back(p[0], p[1], 0.0f);
    }
  addSegments(group, points);
}

SbBox2f PoAngularAxis::buildPlacedText(PiText& text, const char* string, const SbVec2f& anchor,
                                       const SbVec2f& u, SoGroup* group)
{
  text.setAlignment(PiText::CENTER, PiText::HALF);
  text.setString(string);
  text.setOrigin(0.0f, 0.0f, 0.0f);
  SbBox2f box;
  int lines = 0;
  text.getLimit(box, lines);
  if (box.isEmpty())
    return box;
  float w, h;
  box.getSize(w, h);
  // The measured box need not be centred on the origin (a baseline, a mirrored glyph frame).
  const SbVec2f centre = anchor + PiAngularGraduation::boxOffset(u, w, h);
  const SbVec2f shift = centre - box.getCenter();
  text.setOrigin(shift);
  text.setGroup(group);
  box.makeEmpty();
  text.build(box, lines);
  return box;
}

void PoAngularAxis::buildGrads(int num, const float* coords, const SbString* strings,
                               SoGroup* group)
{
  AxisAttr& a = m_axisAttr;
  m_labelSize = 0.0f;
  m_labelBox.makeEmpty();
  if (a.gradVisibility != VISIBILITY_ON || num < 1 || !strings)
    return;
  // Room along the arc between neighbours: the angles' gaps times the radius.
  const float size = fitLabelSize(num, coords, strings, m_radius);
  if (!(size > 0.0f))
    return;
  const bool above = labelsAbove();
  const PiText::Path path = textPath(a.gradPath);
  // Distance from the arc to the nearest point of every label.
  const float outward = getLabelRow(size);
  const float gap = std::fabs(outward);

  PiText text;
  setUpText(text, false, size);
  text.setPath(path);
  float reach = 0.0f;
  for (int i = 0; i < num; ++i) {
    const SbVec2f u = above ? SbVec2f(std::cos(coords[i]), std::sin(coords[i]))
                            : SbVec2f(-std::cos(coords[i]), -std::sin(coords[i]));
    const SbBox2f box =
        buildPlacedText(text, strings[i].getString(), arcPoint(coords[i], outward), u, group);
    if (box.isEmpty())
      continue;
    m_labelBox.extendBy(box);
    // How far from the circle the label reaches, on its side.
    float w, h;
    box.getSize(w, h);
    reach = std::max(reach, gap + std::fabs(u[0]) * w + std::fabs(u[1]) * h);
  }
  if (above)
    a.ymax = std::max(a.ymax, reach);
  else
    a.ymin = std::min(a.ymin, -reach);
  m_labelSize = size;
  m_labelY = outward;
}

void PoAngularAxis::buildTitle(SoGroup* group)
{
  AxisAttr& a = m_axisAttr;
  const float size = getTitleSize();
  if (!(size > 0.0f))
    return;
  const float delta = a.deltaAlong;
  const bool above = labelsAbove();
  SbVec2f anchor, u;
  if (a.titlePosition == TITLE_END) {
    // Beyond the end of the arc along its tangent, past the arrow.
    const float along = a.arrowVisibility == VISIBILITY_ON ? a.arrowLength * delta : 0.0f;
    const float dist = a.titleDistAxis > 0.0f ? a.titleDistAxis * delta : along + 0.65f * size;
    if (!(a.titleDistAxis > 0.0f))
      a.titleDistAxis = dist / delta;
    u.setValue(-std::sin(a.end), std::cos(a.end));
    anchor = arcPoint(a.end, 0.0f) + dist * u;
  }
  else {
    const float middle = 0.5f * (a.start + a.end);
    float dist;
    if (a.titleDistAxis > 0.0f)
      dist = a.titleDistAxis * delta;
    else {
      dist = (above ? a.ymax : -a.ymin) + size;
      a.titleDistAxis = dist / delta;
    }
    u.setValue(std::cos(middle), std::sin(middle));
    if (!above)
      u.negate();
    anchor = arcPoint(middle, above ? dist : -dist);
  }
  PiText text;
  setUpText(text, true, size);
  text.setPath(textPath(a.titlePath));
  buildPlacedText(text, a.titleString.getString(), anchor, u, group);
}
