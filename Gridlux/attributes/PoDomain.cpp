// Domain node: box and transform type copied lazily into the owned domain, then set in the state.
#include <Gridlux/attributes/PoDomain.h>

#include <Gridlux/attributes/PoDomainElement.h>
#include <Gridlux/base/FieldDataXP.h>
#include <Gridlux/base/PoDebugError.h>

#include <Inventor/actions/SoAction.h>
#include <Inventor/misc/SoNotification.h>

#include <cmath>

PO_NODE_SOURCE(PoDomain);

void PoDomain::initClass()
{
  PO_NODE_INIT_CLASS(PoDomain, PoNode, "PoNode");
}

PoDomain::PoDomain() : m_domain(new PbDomain)
{
  SO_NODE_CONSTRUCTOR(PoDomain);
  SO_NODE_ADD_FIELD(min, (0.0f, 0.0f, 0.0f));
  SO_NODE_ADD_FIELD(max, (1.0f, 1.0f, 1.0f));
  SO_NODE_ADD_FIELD(transformType, (SCALE_X_FIXED));
  SO_NODE_DEFINE_ENUM_VALUE(TransformType, TRANSFORM_01);
  SO_NODE_DEFINE_ENUM_VALUE(TransformType, SCALE_X_FIXED);
  SO_NODE_DEFINE_ENUM_VALUE(TransformType, SCALE_Y_FIXED);
  SO_NODE_DEFINE_ENUM_VALUE(TransformType, SCALE_Z_FIXED);
  SO_NODE_DEFINE_ENUM_VALUE(TransformType, SCALE_MAX_XYZ_FIXED);
  SO_NODE_SET_SF_ENUM_TYPE(transformType, TransformType);
}

PoDomain::~PoDomain()
{
  delete m_domain;
}

void PoDomain::notify(SoNotList* list)
{
  const SoField* field = list->getLastField();
  if (field == &transformType)
    m_typeChanged = TRUE;
  else if (field)
    m_boundsChanged = TRUE;
  else
    m_boundsChanged = m_typeChanged = TRUE;
  inherited::notify(list);
}

void PoDomain::updateDomain()
{
  if (m_boundsChanged) {
    m_boundsChanged = FALSE;
    const SbVec3f lo = min.getValue(), hi = max.getValue();
    const float zmin = lo[2] == hi[2] ? 0.0f : lo[2];
    const float zmax = lo[2] == hi[2] ? 1.0f : hi[2];
    // The extents divide the domain transform: each must be a finite positive number.
    const bool finite = std::isfinite(hi[0] - lo[0]) && std::isfinite(hi[1] - lo[1]) &&
                        std::isfinite(zmax - zmin);
    if (finite && lo[0] < hi[0] && lo[1] < hi[1] && zmin < zmax)
      m_domain->setDomain(lo[0], lo[1], zmin, hi[0], hi[1], zmax, PbDomain::AS_IS_BOX);
    else
      PoDebugError::post("PoDomain::updateDomain",
                         "empty or inverted domain (%g %g %g) to (%g %g %g)%s; the previous one is "
                         "kept", double(lo[0]), double(lo[1]), double(lo[2]), double(hi[0]),
                         double(hi[1]), double(hi[2]), finite ? "" : ", not of finite size");
  }
  if (m_typeChanged) {
    m_typeChanged = FALSE;
    const PbDomain::TransformType type =
        PbDomain::TransformType(namedEnumValue(transformType, "transformType", "PoDomain::updateDomain"));
    if (type != m_domain->getTransformType())
      m_domain->setTransformType(type);
  }
}

void PoDomain::writeBoundsToFields()
{
  float x0, y0, z0, x1, y1, z1;
  m_domain->getDomain(x0, y0, z0, x1, y1, z1);
  // The object already holds these bounds: writing them back must not mark the node dirty.
  min.setValue(x0, y0, z0);
  max.setValue(x1, y1, z1);
  m_boundsChanged = FALSE;
}

void PoDomain::setValues(const SbVec2f& minValue, const SbVec2f& maxValue,
                         PbDomain::BoundingBoxType type)
{
  updateDomain();
  m_domain->setDomain(minValue[0], minValue[1], maxValue[0], maxValue[1], type);
  writeBoundsToFields();
}

void PoDomain::setValues(const SbVec3f& minValue, const SbVec3f& maxValue,
                         PbDomain::BoundingBoxType type)
{
  updateDomain();
  m_domain->setDomain(minValue[0], minValue[1], minValue[2], maxValue[0], maxValue[1],
                      maxValue[2], type);
  writeBoundsToFields();
}

SoTransform* PoDomain::getTransform()
{
  updateDomain();
  return m_domain->getTransform();
}

SoMatrixTransform* PoDomain::getMatrixTransform()
{
  updateDomain();
  return m_domain->getMatrixTransform();
}

const PbDomain* PoDomain::getDomain()
{
  updateDomain();
  return m_domain;
}

void PoDomain::doAction(SoAction* action)
{
  updateDomain();
  PoDomainElement::set(action->getState(), this, m_domain);
}
