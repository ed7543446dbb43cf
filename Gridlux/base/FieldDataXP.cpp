// Keeps a class's field list whole while an instance is read; internal, not installed.
#include <Gridlux/base/FieldDataXP.h>

#include <Gridlux/base/PoDebugError.h>

#include <Inventor/fields/SoField.h>
#include <Inventor/fields/SoFieldContainer.h>

FieldDataGuard::FieldDataGuard(SoFieldContainer* container, const char* methodName)
  : m_container(container), m_methodName(methodName),
    m_fields(const_cast<SoFieldData*>(container->getFieldData())), m_saved(m_fields)
{
}

FieldDataGuard::~FieldDataGuard()
{
  if (!m_fields || m_fields->getNumFields() == m_saved.getNumFields())
    return;
  for (int i = m_saved.getNumFields(); i < m_fields->getNumFields(); i++) {
    PoDebugError::postWarning(m_methodName, "field \"%s\" of %s is unknown and dropped",
                              m_fields->getFieldName(i).getString(),
                              m_container->getTypeId().getName().getString());
    delete m_fields->getField(m_container, i);
  }
  m_fields->copy(&m_saved);
}
