// A graduated axis parallel to one coordinate axis of the domain.
#include <Gridlux/axes/PoCartesianAxis.h>

#include <Gridlux/base/PoDebugError.h>

#include <Inventor/nodes/SoMatrixTransform.h>

#include <algorithm>
#include <cmath>

PO_KIT_ABSTRACT_SOURCE(PoCartesianAxis);

namespace {

// Along and across directions (as coordinate indices with signs) of each axis type. The third
// direction is along x across, which keeps each frame a rotation, so text faces outward.
struct Frame {
  int along, across;
  float acrossSign;
};
const Frame kFrames[6] = {
    {0, 1, 1.0f},  // XY
    {0, 2, 1.0f},  // XZ
    {1, 0, -1.0f}, // YX: "above" is world -x, the X axis turned by 90 degrees
    {1, 2, 1.0f},  // YZ
    {2, 0, 1.0f},  // ZX
    {2, 1, 1.0f},  // ZY
};

} // namespace

void PoCartesianAxis::initClass()
{
  PO_KIT_INIT_ABSTRACT_CLASS(PoCartesianAxis, PoAxis, "PoAxis");
}

PoCartesianAxis::PoCartesianAxis()
{
  SO_KIT_CONSTRUCTOR(PoCartesianAxis);
  SO_KIT_ADD_FIELD(start, (SbVec3f(0, 0, 0)));
  SO_KIT_ADD_FIELD(end, (1.0f));
  SO_KIT_ADD_FIELD(type, (XY));
  SO_KIT_DEFINE_ENUM_VALUE(Type, XY);
  SO_KIT_DEFINE_ENUM_VALUE(Type, XZ);
  SO_KIT_DEFINE_ENUM_VALUE(Type, YX);
  SO_KIT_DEFINE_ENUM_VALUE(Type, YZ);
  SO_KIT_DEFINE_ENUM_VALUE(Type, ZX);
  SO_KIT_DEFINE_ENUM_VALUE(Type, ZY);
  SO_KIT_SET_SF_ENUM_TYPE(type, Type);
  SO_KIT_INIT_INSTANCE();
}

PoCartesianAxis::~PoCartesianAxis() = default;

void PoCartesianAxis::getWatchedFields(SoFieldList& fields)
{
  inherited::getWatchedFields(fields);
  fields.append(&start);
  fields.append(&end);
  fields.append(&type);
}

SbMatrix PoCartesianAxis::getAxisMatrix(int axisType, const SbVec3f& origin,
                                        const SbVec3f& deltas, float& deltaAlong,
                                        float& deltaAcross)
{
  const Frame& f = kFrames[(axisType >= 0 && axisType < 6) ? axisType : 0];
  deltaAlong = deltas[f.along];
  deltaAcross = deltas[f.across];
  const float ratio = deltaAlong > 0.0f ? deltaAcross / deltaAlong : 1.0f;
  SbVec3f u(0, 0, 0), w(0, 0, 0);
  u[f.along] = 1.0f;
  w[f.across] = f.acrossSign;
  const SbVec3f n = u.cross(w);
  SbVec3f offset = origin;
  offset[f.along] = 0.0f;
  // Row vectors: a point (x, y, z) of the axis frame goes to x u + y ratio w + z n + offset.
  return SbMatrix(u[0], u[1], u[2], 0,
                  ratio * w[0], ratio * w[1], ratio * w[2], 0,
                  n[0], n[1], n[2], 0,
                  offset[0], offset[1], offset[2], 1);
}

void PoCartesianAxis::computeTransfo(const SbVec3f& origin, float& deltaAlong,
                                     float& deltaAcross)
{
  const PbDomain* domain = getDomain();
  const SbVec3f deltas(domain->getDeltaX(), domain->getDeltaY(), domain->getDeltaZ());
  SoMatrixTransform* transformNode = new SoMatrixTransform;
  transformNode->matrix.setValue(
      getAxisMatrix(type.getValue(), origin, deltas, deltaAlong, deltaAcross));
  setAnyPart("transform", transformNode);
}

void PoCartesianAxis::setPlacement(const SbVec3f& startPoint, float endCoord, Type axisType)
{
  if (startPoint != SbVec3f(0, 0, 0))
    start.setValue(startPoint);
  if (endCoord != 1.0f)
    end.setValue(endCoord);
  if (axisType != XY)
    type.setValue(axisType);
}

float PoCartesianAxis::getStartAlong() const
{
  const int t = type.getValue();
  return start.getValue()[kFrames[(t >= 0 && t < 6) ? t : 0].along];
}

bool PoCartesianAxis::beginCartesianRebuild(const char* method, float& s, float& e, float& lo,
                                            float& hi)
{
  preRebuild();
  saveAxisAttr();
  setDefaultAttr(type.getValue());
  computeTransfo(start.getValue(), m_axisAttr.deltaAlong, m_axisAttr.deltaAcross);
  s = getStartAlong();
  e = end.getValue();
  lo = hi = s;
  if (!std::isfinite(s) || !std::isfinite(e) || s == e) {
    if (s != e)
      PoDebugError::post(method, "axis from %g to %g is not finite; nothing is built", s, e);
    clearAxisParts();
    return false;
  }
  computeGradLimit(s, e, lo, hi);
  m_axisAttr.gradMin = std::min(lo, hi);
  m_axisAttr.gradMax = std::max(lo, hi);
  return true;
}
