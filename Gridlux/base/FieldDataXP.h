// Keeps a class's field list whole while an instance is read, and its enum fields within their
// names; internal, not installed.
#ifndef GRIDLUX_FIELDDATAXP_H
#define GRIDLUX_FIELDDATAXP_H

#include <Inventor/fields/SoFieldData.h>

class SoFieldContainer;
class SoSFEnum;

/**
 * A file may declare fields that a class does not have ("fields [ SFFloat foo ]"). The toolkit
 * then adds them to the field list that every instance of the class shares, and later instances
 * crash on fields they do not hold. The guard, alive while the instance reads itself, drops such
 * fields with a warning and puts the class's list back as it was.
 */
class FieldDataGuard {
public:
  FieldDataGuard(SoFieldContainer* container, const char* methodName);
  ~FieldDataGuard();
  FieldDataGuard(const FieldDataGuard&) = delete;
  FieldDataGuard& operator=(const FieldDataGuard&) = delete;

private:
  SoFieldContainer* m_container;
  const char* m_methodName;
  SoFieldData* m_fields;
  SoFieldData m_saved;
};

/**
 * The value of @p field when it is one of the field's names, else its first name, with a message
 * from @p methodName naming @p fieldName. The toolkit takes any integer through setValue(int), and
 * such a value cast to the class's enumeration is undefined behaviour: read enum fields that are
 * cast through this.
 */
int namedEnumValue(const SoSFEnum& field, const char* fieldName, const char* methodName);

#endif
