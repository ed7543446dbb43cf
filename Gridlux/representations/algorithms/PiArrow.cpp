// Builder of one arrow of a vector field: body, start and end shapes, flat or solid.
#include <Gridlux/representations/algorithms/PiArrow.h>

#include <Gridlux/attributes/PbDomain.h>

#include <Inventor/SbBox3f.h>
#include <Inventor/SbRotation.h>
#include <Inventor/nodes/SoCone.h>
#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoCube.h>
#include <Inventor/nodes/SoCylinder.h>
#include <Inventor/nodes/SoDrawStyle.h>
#include <Inventor/nodes/SoFaceSet.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoLineSet.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoPointSet.h>
#include <Inventor/nodes/SoSeparator.h>
#include <Inventor/nodes/SoSphere.h>
#include <Inventor/nodes/SoTransform.h>

#include <cmath>

namespace {
template <class T> T* sharedSolid(T*& slot)
{
  if (!slot) {
    slot = new T;
    slot->ref();
  }
  return slot;
}

template <class T> void release(T*& slot)
{
  if (slot)
    slot->unref();
  slot = nullptr;
}
} // namespace

PiArrow::PiArrow() = default;

PiArrow::~PiArrow()
{
  release(m_cone);
  release(m_cylinder);
  release(m_cube);
  release(m_sphere);
}

void PiArrow::setCoordinates(int num, const SbVec3f* points)
{
  m_hasPoints = num >= 2 && points;
  if (m_hasPoints) {
    m_start = points[0];
    m_end = points[1];
  }
}

void PiArrow::setSizes(float startScale, float endScale)
{
  m_startScale = startScale;
  m_endScale = endScale;
}

int PiArrow::getNumShapePoints(PatternType shape)
{
  switch (shape) {
  case CHEVRON:
  case TRIANGLE:
  case INDIRECT_CHEVRON:
  case INDIRECT_TRIANGLE:
    return 3;
  case RECTANGLE:
    return 4;
  default:
    return 0;
  }
}

int PiArrow::computeArrowShapePoint(const float* tip, const float* base, PatternType shape, float height,
                                    float radius, const PbDomain* domain, SbVec3f* points)
{
  const int num = getNumShapePoints(shape);
  if (num == 0)
    return 0;
  float lo[3] = {0, 0, 0}, ext[3] = {1, 1, 1};
  if (domain) {
    SbBox3f box;
    domain->getDomain(box);
    for (int a = 0; a < 3; ++a) {
      const float e = box.getMax()[a] - box.getMin()[a];
      // A flat domain axis is kept as it is rather than divided by zero.
      if (std::isfinite(e) && e > 0) {
        lo[a] = box.getMin()[a];
        ext[a] = e;
      }
    }
  }
  SbVec3f a, d;
  for (int c = 0; c < 3; ++c) {
    a[c] = (tip[c] - lo[c]) / ext[c];
    d[c] = (base[c] - lo[c]) / ext[c] - a[c];
  }
  const float ax = std::fabs(d[0]), ay = std::fabs(d[1]), az = std::fabs(d[2]);
  SbVec3f w;
  if (ay <= ax && ay < az)
    w.setValue(d[2], 0, -d[0]);
  else if (ax < ay && ax < az)
    w.setValue(0, -d[2], d[1]);
  else
    w.setValue(-d[1], d[0], 0);
  const float lw = w.length();
  if (!(lw > 0))
    return 0;
  const SbVec3f side = w * (radius / lw);
  const float k = height / lw;
  switch (shape) {
  case CHEVRON:
  case TRIANGLE: {
    const SbVec3f q = a + d * k;
    points[0] = q + side;
    points[1] = a;
    points[2] = q - side;
    break;
  }
  case INDIRECT_CHEVRON:
  case INDIRECT_TRIANGLE: {
    const SbVec3f q = a - d * k;
    points[0] = q - side;
    points[1] = a;
    points[2] = q + side;
    break;
  }
  default: {
    const SbVec3f q1 = a + d * (k / 2), q2 = a - d * (k / 2);
    points[0] = q1 + side;
    points[1] = q2 + side;
    points[2] = q2 - side;
    points[3] = q1 - side;
    break;
  }
  }
  for (int p = 0; p < num; ++p)
    for (int c = 0; c < 3; ++c)
      points[p][c] = points[p][c] * ext[c] + lo[c];
  return num;
}

void PiArrow::addSolid(SoGroup* group, SoMaterial* material, SoNode* solid, const SbVec3f& from, const SbVec3f& to,
                       float radius)
{
  SbVec3f axis = to - from;
  const float length = axis.length();
  if (!(length > 0) || !(radius > 0) || !std::isfinite(length))
    return;
  axis /= length;
  SoSeparator* sep = new SoSeparator;
  if (m_name.getLength() > 0)
    sep->setName(m_name);
  SoTransform* transform = new SoTransform;
  // The toolkit's solids stand along +y, two units high and one unit in radius.
  transform->translation = (from + to) / 2;
  transform->rotation = SbRotation(SbVec3f(0, 1, 0), axis);
  transform->scaleFactor.setValue(radius, length / 2, radius);
  sep->addChild(transform);
  if (material)
    sep->addChild(material);
  sep->addChild(solid);
  group->addChild(sep);
}

void PiArrow::buildBody(SoGroup* group, SoMaterial* material)
{
  if (!group || !m_hasPoints || m_bodyType == NO_BODY)
    return;
  if (m_bodyType == CYLINDER) {
    addSolid(group, material, sharedSolid(m_cylinder), m_start, m_end, m_bodyRadius);
    return;
  }
  SoSeparator* sep = new SoSeparator;
  if (material)
    sep->addChild(material);
  SoCoordinate3* coords = new SoCoordinate3;
  const SbVec3f ends[2] = {m_start, m_end};
  coords->point.setValues(0, 2, ends);
  sep->addChild(coords);
  sep->addChild(new SoLineSet);
  group->addChild(sep);
}

void PiArrow::buildStart(SoGroup* group, SoMaterial* material)
{
  buildShape(group, material, false);
}

void PiArrow::buildEnd(SoGroup* group, SoMaterial* material)
{
  buildShape(group, material, true);
}

void PiArrow::buildShape(SoGroup* group, SoMaterial* material, bool atEnd)
{
  const PatternType shape = atEnd ? m_endPattern : m_startPattern;
  if (!group || !m_hasPoints || shape == NO_SHAPE)
    return;
  const float scale = atEnd ? m_endScale : m_startScale;
  const float height = (atEnd ? m_endHeight : m_startHeight) * scale;
  const float radius = (atEnd ? m_endRadius : m_startRadius) * scale;
  const SbVec3f& tip = atEnd ? m_end : m_start;
  const SbVec3f& other = atEnd ? m_start : m_end;
  SbVec3f back = other - tip;
  const float length = back.length();
  if (length > 0)
    back /= length;
  switch (shape) {
  case CONE:
    addSolid(group, material, sharedSolid(m_cone), tip + back * height, tip, radius);
    return;
  case INDIRECT_CONE:
    addSolid(group, material, sharedSolid(m_cone), tip - back * height, tip, radius);
    return;
  case BOX:
    addSolid(group, material, sharedSolid(m_cube), tip - back * (height / 2), tip + back * (height / 2), radius);
    return;
  case SPHERE:
    // Any axis serves a sphere; a zero-length arrow still has its ball.
    addSolid(group, material, sharedSolid(m_sphere), tip - SbVec3f(0, radius, 0), tip + SbVec3f(0, radius, 0),
             radius);
    return;
  default:
    break;
  }
  SoSeparator* sep = new SoSeparator;
  if (material)
    sep->addChild(material);
  SoCoordinate3* coords = new SoCoordinate3;
  if (shape == POINT) {
    SoDrawStyle* style = new SoDrawStyle;
    // The point's size is its radius (height factor x radius factor), in pixels.
    style->pointSize = radius;
    sep->addChild(style);
    coords->point.setValue(tip);
    sep->addChild(coords);
    sep->addChild(new SoPointSet);
    group->addChild(sep);
    return;
  }
  SbVec3f points[4];
  const int num = computeArrowShapePoint(tip.getValue(), other.getValue(), shape, height, radius, m_domain, points);
  if (num == 0) {
    sep->ref();
    sep->unref();
    return;
  }
  coords->point.setValues(0, num, points);
  sep->addChild(coords);
  if (shape == CHEVRON || shape == INDIRECT_CHEVRON)
    sep->addChild(new SoLineSet);
  else
    sep->addChild(new SoFaceSet);
  group->addChild(sep);
}
