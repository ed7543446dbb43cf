// Domain bounds, cube fitting and the domain-to-scene transform.
#include <Gridlux/attributes/PbDomain.h>

#include <Inventor/nodes/SoMatrixTransform.h>
#include <Inventor/nodes/SoTransform.h>

#include <algorithm>

namespace {

// Centres [lo, hi] on a side of length s.
void fitSide(float& lo, float& hi, float s)
{
  const float sum = lo + hi;
  lo = (sum - s) / 2;
  hi = (sum + s) / 2;
}

} // namespace

PbDomain::PbDomain() = default;

PbDomain::PbDomain(float xmin, float ymin, float xmax, float ymax, BoundingBoxType type)
{
  setDomain(xmin, ymin, xmax, ymax, type);
}

PbDomain::PbDomain(float xmin, float ymin, float zmin, float xmax, float ymax, float zmax,
                   BoundingBoxType type)
{
  setDomain(xmin, ymin, zmin, xmax, ymax, zmax, type);
}

PbDomain::PbDomain(const SbBox2f& box, BoundingBoxType type)
{
  setDomain(box, type);
}

PbDomain::PbDomain(const SbBox3f& box, BoundingBoxType type)
{
  setDomain(box, type);
}

PbDomain::PbDomain(const PbDomain& other)
  : PbBase(other), m_xmin(other.m_xmin), m_ymin(other.m_ymin), m_zmin(other.m_zmin),
    m_xmax(other.m_xmax), m_ymax(other.m_ymax), m_zmax(other.m_zmax), m_dx(other.m_dx),
    m_dy(other.m_dy), m_dz(other.m_dz), m_transformType(other.m_transformType)
{
}

PbDomain& PbDomain::operator=(const PbDomain& other)
{
  if (this == &other)
    return *this;
  m_xmin = other.m_xmin; m_ymin = other.m_ymin; m_zmin = other.m_zmin;
  m_xmax = other.m_xmax; m_ymax = other.m_ymax; m_zmax = other.m_zmax;
  m_dx = other.m_dx; m_dy = other.m_dy; m_dz = other.m_dz;
  m_transformType = other.m_transformType;
  PbBase::operator=(other); // notifies the followers last, once the data are in place
  return *this;
}

void PbDomain::setDomain(float xmin, float ymin, float xmax, float ymax, BoundingBoxType type)
{
  if (!(xmin < xmax && ymin < ymax))
    return;
  if (type == AS_IS_BOX || type == MAX_BOUNDING_CUBE || type == MIN_BOUNDING_CUBE) {
    m_xmin = xmin; m_xmax = xmax;
    m_ymin = ymin; m_ymax = ymax;
    if (type != AS_IS_BOX) {
      const float s = type == MAX_BOUNDING_CUBE ? std::max(xmax - xmin, ymax - ymin)
                                                : std::min(xmax - xmin, ymax - ymin);
      fitSide(m_xmin, m_xmax, s);
      fitSide(m_ymin, m_ymax, s);
    }
    m_zmin = 0; m_zmax = 1;
  }
  m_dx = m_xmax - m_xmin;
  m_dy = m_ymax - m_ymin;
  m_dz = m_zmax - m_zmin;
  setChangeType(CHANGE_GENERAL);
  notifyChange();
}

void PbDomain::setDomain(float xmin, float ymin, float zmin, float xmax, float ymax, float zmax,
                         BoundingBoxType type)
{
  if (!(xmin < xmax && ymin < ymax && zmin < zmax))
    return;
  if (type == AS_IS_BOX || type == MAX_BOUNDING_CUBE || type == MIN_BOUNDING_CUBE) {
    m_xmin = xmin; m_xmax = xmax;
    m_ymin = ymin; m_ymax = ymax;
    m_zmin = zmin; m_zmax = zmax;
    if (type != AS_IS_BOX) {
      const float ex = xmax - xmin, ey = ymax - ymin, ez = zmax - zmin;
      const float s = type == MAX_BOUNDING_CUBE ? std::max({ex, ey, ez}) : std::min({ex, ey, ez});
      fitSide(m_xmin, m_xmax, s);
      fitSide(m_ymin, m_ymax, s);
      fitSide(m_zmin, m_zmax, s);
    }
  }
  m_dx = m_xmax - m_xmin;
  m_dy = m_ymax - m_ymin;
  m_dz = m_zmax - m_zmin;
  setChangeType(CHANGE_GENERAL);
  notifyChange();
}

void PbDomain::setDomain(const SbBox2f& box, BoundingBoxType type)
{
  if (box.isEmpty())
    return;
  setDomain(box.getMin()[0], box.getMin()[1], box.getMax()[0], box.getMax()[1], type);
}

void PbDomain::setDomain(const SbBox3f& box, BoundingBoxType type)
{
  if (box.isEmpty())
    return;
  const SbVec3f& lo = box.getMin();
  const SbVec3f& hi = box.getMax();
  setDomain(lo[0], lo[1], lo[2], hi[0], hi[1], hi[2], type);
}

void PbDomain::getDomain(float& xmin, float& ymin, float& xmax, float& ymax) const
{
  xmin = m_xmin; ymin = m_ymin; xmax = m_xmax; ymax = m_ymax;
}

void PbDomain::getDomain(float& xmin, float& ymin, float& zmin, float& xmax, float& ymax,
                         float& zmax) const
{
  xmin = m_xmin; ymin = m_ymin; zmin = m_zmin;
  xmax = m_xmax; ymax = m_ymax; zmax = m_zmax;
}

void PbDomain::getDomain(SbBox2f& box) const
{
  box.setBounds(m_xmin, m_ymin, m_xmax, m_ymax);
}

void PbDomain::getDomain(SbBox3f& box) const
{
  box.setBounds(m_xmin, m_ymin, m_zmin, m_xmax, m_ymax, m_zmax);
}

void PbDomain::setTransformType(TransformType type)
{
  m_transformType = type;
  setChangeType(CHANGE_TRANSFORM_TYPE);
  notifyChange();
}

int PbDomain::isHomogeneous() const
{
  return m_dx == m_dy && m_dy == m_dz;
}

void PbDomain::getScaleTranslation(SbVec3f& scale, SbVec3f& translation) const
{
  scale.setValue(1, 1, 1);
  translation.setValue(0, 0, 0);
  TransformType type = m_transformType;
  if (type == SCALE_MAX_XYZ_FIXED) {
    // Ties between the largest extents resolve to z.
    if (m_dx > m_dy && m_dx > m_dz)
      type = SCALE_X_FIXED;
    else if (m_dy > m_dx && m_dy > m_dz)
      type = SCALE_Y_FIXED;
    else
      type = SCALE_Z_FIXED;
  }
  switch (type) {
  case TRANSFORM_01:
    translation.setValue(-m_xmin, -m_ymin, -m_zmin);
    scale.setValue(1 / m_dx, 1 / m_dy, 1 / m_dz);
    break;
  case SCALE_X_FIXED:
    scale.setValue(1, m_dx / m_dy, m_dx / m_dz);
    break;
  case SCALE_Y_FIXED:
    scale.setValue(m_dy / m_dx, 1, m_dy / m_dz);
    break;
  case SCALE_Z_FIXED:
    scale.setValue(m_dz / m_dx, m_dz / m_dy, 1);
    break;
  default:
    break;
  }
}

SbMatrix PbDomain::getMatrix() const
{
  SbVec3f scale, translation;
  getScaleTranslation(scale, translation);
  // Translate first, then scale: row-vector convention multiplies left to right.
  SbMatrix t, s;
  t.setTranslate(translation);
  s.setScale(scale);
  return t * s;
}

SoTransform* PbDomain::getTransform() const
{
  SoTransform* transform = new SoTransform;
  transform->setMatrix(getMatrix());
  return transform;
}

SoMatrixTransform* PbDomain::getMatrixTransform() const
{
  SoMatrixTransform* transform = new SoMatrixTransform;
  transform->matrix.setValue(getMatrix());
  return transform;
}

int operator==(const PbDomain& a, const PbDomain& b)
{
  return a.m_xmin == b.m_xmin && a.m_ymin == b.m_ymin && a.m_zmin == b.m_zmin &&
         a.m_xmax == b.m_xmax && a.m_ymax == b.m_ymax && a.m_zmax == b.m_zmax;
}
