// Keeps a class's field list whole while an instance is read, and its enum fields within their
// names; internal, not installed.
#include <Gridlux/base/FieldDataXP.h>

#include <Gridlux/base/PoDebugError.h>

#include <Inventor/SbName.h>
#include <Inventor/fields/SoField.h>
#include <Inventor/fields/SoFieldContainer.h>
#include <Inventor/fields/SoSFEnum.h>

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

int namedEnumValue(const SoSFEnum& field, const char* fieldName, const char* methodName)
{
  const int value = field.getValue();
  SbName name;
  for (int i = 0; i < field.getNumEnums(); i++)
    if (field.getEnum(i, name) == value)
      return value;
  if (field.getNumEnums() == 0)
    return value;
  const int first = field.getEnum(0, name);
  PoDebugError::post(methodName, "%s %d is none of its names; %s is used", fieldName, value, name.getString());
  return first;
}
