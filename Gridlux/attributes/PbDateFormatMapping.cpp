// Date format mapping: format check, the date-to-coordinate line and its two anchor dates.
#include <Gridlux/attributes/PbDateFormatMapping.h>

#include <Gridlux/axes/PiDate.h>
#include <Gridlux/base/PoDebugError.h>

#include <cstring>

namespace {

// Index of the field group of a format character, or -1 when it is not a format letter.
int formatGroup(char c)
{
  switch (c) {
  case 'd': return 0;
  case 'D': return 1;
  case 'm': case 'M': return 2;
  case 'y': case 'Y': return 3;
  case 'h': case 'H': return 4;
  case '\'': return 5;
  case '"': return 6;
  default: return -1;
  }
}

// 0 for a good format, else the 1-based position of the first bad character.
int checkFormat(const char* format)
{
  bool seen[7] = {false, false, false, false, false, false, false};
  for (int i = 0; format[i]; ++i) {
    const int group = formatGroup(format[i]);
    if (group < 0 || seen[group])
      return i + 1;
    seen[group] = true;
  }
  return 0;
}

} // namespace

PbDateFormatMapping::PbDateFormatMapping() : m_reference(new PiDate)
{
  m_reference->readDateString("1-01-70", "dmy");
}

PbDateFormatMapping::PbDateFormatMapping(const char* date1, const char* date2, float coord1,
                                         float coord2, const char* format)
  : PbDateFormatMapping()
{
  if (format)
    setFormat(format);
  setDateMapping(date1, date2, coord1, coord2);
}

PbDateFormatMapping::PbDateFormatMapping(const PbDateFormatMapping& other)
  : PbBase(other), m_reference(new PiDate(*other.m_reference)),
    m_coordMin(other.m_coordMin), m_coordMax(other.m_coordMax), m_span(other.m_span),
    m_format(other.m_format), m_date1(other.m_date1), m_date2(other.m_date2)
{
}

PbDateFormatMapping& PbDateFormatMapping::operator=(const PbDateFormatMapping& other)
{
  if (this == &other)
    return *this;
  *m_reference = *other.m_reference;
  m_coordMin = other.m_coordMin;
  m_coordMax = other.m_coordMax;
  m_span = other.m_span;
  m_format = other.m_format;
  m_date1 = other.m_date1;
  m_date2 = other.m_date2;
  PbBase::operator=(other);
  return *this;
}

PbDateFormatMapping::~PbDateFormatMapping() = default;

int PbDateFormatMapping::setFormat(const char* format)
{
  if (!format) {
    PoDebugError::post("PbDateFormatMapping::setFormat", "null date format");
    return 1;
  }
  const int bad = checkFormat(format);
  if (bad) {
    PoDebugError::post("PbDateFormatMapping::setFormat",
                       "bad date format \"%s\": character %d ('%c') is not one of d D m M y Y h "
                       "H ' \" or repeats a field",
                       format, bad, format[bad - 1]);
    return bad;
  }
  m_format = format;
  setChangeType(CHANGE_GENERAL);
  notifyChange();
  return 0;
}

int PbDateFormatMapping::setDateMapping(const char* date1, const char* date2, float coord1,
                                        float coord2)
{
  const char* method = "PbDateFormatMapping::setDateMapping";
  const char* format = m_format.getString();
  PiDate first, second;
  if (!first.readDateString(date1, format)) {
    PoDebugError::post(method, "cannot read the date \"%s\" with the format \"%s\"",
                       date1 ? date1 : "(null)", format);
    return 1;
  }
  if (!second.readDateString(date2, format)) {
    PoDebugError::post(method, "cannot read the date \"%s\" with the format \"%s\"",
                       date2 ? date2 : "(null)", format);
    return 2;
  }
  double span = PiDate::secondsBetween(first, second);
  if (span == 0.0) {
    PoDebugError::post(method, "the dates \"%s\" and \"%s\" are the same instant", date1, date2);
    return 3;
  }
  if (!(coord1 != coord2)) {
    PoDebugError::post(method, "the two coordinates must differ (got %g and %g)",
                       double(coord1), double(coord2));
    return 4;
  }
  // The earlier date is the reference, and goes to the smaller coordinate.
  *m_reference = span > 0.0 ? first : second;
  m_span = span > 0.0 ? span : -span;
  m_coordMin = coord1 < coord2 ? coord1 : coord2;
  m_coordMax = coord1 < coord2 ? coord2 : coord1;
  m_date1 = date1;
  m_date2 = date2;
  setChangeType(CHANGE_GENERAL);
  notifyChange();
  return 0;
}

void PbDateFormatMapping::getDateMapping(SbString& date1, SbString& date2, float& coordMin,
                                         float& coordMax) const
{
  date1 = m_date1;
  date2 = m_date2;
  coordMin = m_coordMin;
  coordMax = m_coordMax;
}

int PbDateFormatMapping::getCoordinate(const char* date, float& coord) const
{
  PiDate parsed;
  if (!parsed.readDateString(date, m_format.getString()))
    return 0;
  const double seconds = PiDate::secondsBetween(*m_reference, parsed);
  coord = float(m_coordMin + seconds * (double(m_coordMax) - m_coordMin) / m_span);
  return 1;
}

float PbDateFormatMapping::getCoordinateP(const PiDate& date) const
{
  const double seconds = PiDate::secondsBetween(*m_reference, date);
  return float(m_coordMin + seconds * (double(m_coordMax) - m_coordMin) / m_span);
}

PiDate PbDateFormatMapping::getDateP(float coord) const
{
  PiDate date = *m_reference;
  PiDate::incDateStep((double(coord) - m_coordMin) * m_span / (double(m_coordMax) - m_coordMin), PiDate::SECONDS,
                      date);
  return date;
}
