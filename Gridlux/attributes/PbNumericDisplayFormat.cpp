// Numeric display format: three numbers checked on entry, followers told of every change.
#include <Gridlux/attributes/PbNumericDisplayFormat.h>

#include <Gridlux/base/PoDebugError.h>

PbNumericDisplayFormat::PbNumericDisplayFormat(FormatType formatType, int tenPower, int numDecimal)
  : m_tenPower(tenPower)
{
  // A bad constructor argument leaves the automatic format, which prints every value.
  if (isValid("PbNumericDisplayFormat::PbNumericDisplayFormat", formatType, numDecimal)) {
    m_formatType = formatType;
    m_numDecimal = numDecimal;
  }
}

PbNumericDisplayFormat::PbNumericDisplayFormat(const PbNumericDisplayFormat& other)
  : PbBase(other), m_formatType(other.m_formatType), m_tenPower(other.m_tenPower),
    m_numDecimal(other.m_numDecimal)
{
}

PbNumericDisplayFormat& PbNumericDisplayFormat::operator=(const PbNumericDisplayFormat& other)
{
  if (this == &other)
    return *this;
  m_formatType = other.m_formatType;
  m_tenPower = other.m_tenPower;
  m_numDecimal = other.m_numDecimal;
  PbBase::operator=(other);
  return *this;
}

int PbNumericDisplayFormat::isValid(const char* methodName, FormatType formatType, int numDecimal)
{
  if (formatType != AUTO_FORMAT && formatType != FLOAT_FORMAT && formatType != INTEGER_FORMAT) {
    PoDebugError::post(methodName, "unknown format type %d", int(formatType));
    return 0;
  }
  if (numDecimal < 0) {
    PoDebugError::post(methodName, "the number of decimals must be >= 0 (got %d)", numDecimal);
    return 0;
  }
  return 1;
}

int PbNumericDisplayFormat::setFormat(FormatType formatType, int tenPower, int numDecimal)
{
  if (!isValid("PbNumericDisplayFormat::setFormat", formatType, numDecimal))
    return 0;
  m_formatType = formatType;
  m_tenPower = tenPower;
  m_numDecimal = numDecimal;
  setChangeType(CHANGE_GENERAL);
  notifyChange();
  return 1;
}

void PbNumericDisplayFormat::getFormat(FormatType& formatType, int& tenPower, int& numDecimal) const
{
  formatType = m_formatType;
  tenPower = m_tenPower;
  numDecimal = m_numDecimal;
}

int operator==(const PbNumericDisplayFormat& a, const PbNumericDisplayFormat& b)
{
  return a.m_formatType == b.m_formatType && a.m_tenPower == b.m_tenPower &&
         a.m_numDecimal == b.m_numDecimal;
}
