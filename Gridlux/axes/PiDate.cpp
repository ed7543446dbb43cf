// Calendar dates and durations: reading dates under a format, calendar steps, differences.
#include <Gridlux/axes/PiDate.h>

#include <Gridlux/base/PoDebugError.h>

#include <cctype>
#include <cmath>
#include <cstring>

namespace {

const char* const kMonths[4][12] = {
  {"JANUARY", "FEBRUARY", "MARCH", "APRIL", "MAY", "JUNE", "JULY", "AUGUST", "SEPTEMBER",
   "OCTOBER", "NOVEMBER", "DECEMBER"},
  {"JANVIER", "FEVRIER", "MARS", "AVRIL", "MAI", "JUIN", "JUILLET", "AOUT", "SEPTEMBRE",
   "OCTOBRE", "NOVEMBRE", "DECEMBRE"},
  {"JANUAR", "FEBRUAR", "MARZ", "APRIL", "MAI", "JUNI", "JULI", "AUGUST", "SEPTEMBER", "OKTOBER",
   "NOVEMBER", "DEZEMBER"},
  {"ENERO", "FEBRERO", "MARZO", "ABRIL", "MAYO", "JUNIO", "JULIO", "AGOSTO", "SEPTIEMBRE",
   "OCTUBRE", "NOVIEMBRE", "DICIEMBRE"}};

const char* const kDays[4][7] = {
  {"MONDAY", "TUESDAY", "WENESDAY", "THURSDAY", "FRIDAY", "SATURDAY", "SUNDAY"},
  {"LUNDI", "MARDI", "MERCREDI", "JEUDI", "VENDREDI", "SAMEDI", "DIMANCHE"},
  {"MONTAG", "DIENSTAG", "MITTWOCH", "DONNERSTAG", "FREITAG", "SAMSTAG", "SONNTAG"},
  {"LUNES", "MARTES", "MIERCOLES", "JUEVES", "VIERNES", "SABADO", "DOMINGO"}};

bool isLeap(int year)
{
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month)
{
  static const int lengths[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && isLeap(year) ? 29 : lengths[month];
}

// Days since 1 January 1970 of a civil date (any year, month 1-12).
long long daysFromCivil(long long y, int m, int d)
{
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yoe = y - era * 400;
  const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void civilFromDays(long long z, int& year, int& month, int& day)
{
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long doe = z - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  day = int(doy - (153 * mp + 2) / 5 + 1);
  month = int(mp < 10 ? mp + 3 : mp - 9);
  year = int(yoe + era * 400 + (month <= 2));
}

// 1 = Monday ... 7 = Sunday; 1 January 1970 was a Thursday.
int weekdayOf(long long days)
{
  const long long k = ((days % 7) + 7 + 3) % 7;
  return int(k) + 1;
}

// Reads between minDigits and maxDigits digits.
bool readNumber(const char*& p, int minDigits, int maxDigits, int& value)
{
  int count = 0;
  value = 0;
  while (count < maxDigits && std::isdigit(static_cast<unsigned char>(*p))) {
    value = value * 10 + (*p - '0');
    ++p;
    ++count;
  }
  return count >= minDigits;
}

// Reads a run of letters and finds the name whose first @p letters letters it starts with.
bool readName(const char*& p, const char* const* names, int numNames, int numTables,
              int tableStride, size_t letters, int& index)
{
  char word[5] = {0, 0, 0, 0, 0};
  size_t length = 0;
  while (std::isalpha(static_cast<unsigned char>(*p))) {
    if (length < letters)
      word[length++] = char(std::toupper(static_cast<unsigned char>(*p)));
    ++p;
  }
  if (length == 0)
    return false;
  for (int t = 0; t < numTables; ++t) {
    for (int i = 0; i < numNames; ++i) {
      const char* name = names[t * tableStride + i];
      const size_t compared = std::strlen(name) < letters ? std::strlen(name) : letters;
      if (length == compared && std::strncmp(word, name, compared) == 0) {
        index = i;
        return true;
      }
    }
  }
  return false;
}

// Years a step may reach: any further and the year, or a duration's days, leave an int.
const double kMaxYear = 2.0e9;
const double kMaxDayNumber = kMaxYear * 365.2425;

} // namespace

PiDate::PiDate(int y, int m, int d, int h, int mi, float sec)
  : year(y), month(m < 1 ? 1 : m > 12 ? 12 : m), day(d), hour(h), minute(mi), second(sec)
{
  const int length = daysInMonth(year, month);
  if (day > length)
    day = length;
  if (day < 1)
    day = 1;
  getDayWeek();
}

const char* const* PiDate::getMonths(Language language)
{
  const int l = language >= ENGLISH && language <= ESPANOL ? int(language) : 0;
  return kMonths[l];
}

const char* const* PiDate::getDays(Language language)
{
  const int l = language >= ENGLISH && language <= ESPANOL ? int(language) : 0;
  return kDays[l];
}

const int* PiDate::getNumDaysPerMonth()
{
  static const int lengths[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return lengths;
}

const int* PiDate::getNumDaysParMonthBissex()
{
  static const int lengths[13] = {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return lengths;
}

bool PiDate::isLeapYear(int y)
{
  return isLeap(y);
}

int PiDate::getNumDaysOfMonth(int y, int m)
{
  return m >= 1 && m <= 12 ? daysInMonth(y, m) : 0;
}

int PiDate::getDayWeek()
{
  if (month < 1 || month > 12 || day < 1 || day > 31)
    return dayWeek = 0;
  return dayWeek = weekdayOf(getDayNumber());
}

long PiDate::getDayNumber() const
{
  return long(daysFromCivil(year, month < 1 ? 1 : month > 12 ? 12 : month, day));
}

int PiDate::setDateString(const char* text, const char* format)
{
  if (readDateString(text, format))
    return 1;
  PoDebugError::post("PiDate::setDateString", "\"%s\" cannot be read as a date with the format \"%s\"",
                     text ? text : "(null)", format ? format : "(null)");
  return 0;
}

int PiDate::readDateString(const char* text, const char* format)
{
  PiDate date;
  if (!text || !format)
    return 0;
  const char* p = text;
  int dayName = 0;
  for (const char* f = format; *f; ++f) {
    while (*p && !std::isalnum(static_cast<unsigned char>(*p)))
      ++p;
    int value = 0;
    switch (*f) {
    case 'y':
      if (!readNumber(p, 2, 2, value))
        return 0;
      date.year = 1900 + value;
      break;
    case 'Y':
      if (!readNumber(p, 4, 4, value))
        return 0;
      date.year = value;
      break;
    case 'm':
      if (!readNumber(p, 1, 2, value) || value < 1 || value > 12)
        return 0;
      date.month = value;
      break;
    case 'M':
      if (!readName(p, &kMonths[0][0], 12, 4, 12, 4, value))
        return 0;
      date.month = value + 1;
      break;
    case 'd':
      if (!readNumber(p, 1, 2, value) || value < 1 || value > 31)
        return 0;
      date.day = value;
      break;
    case 'D':
      if (!readName(p, &kDays[0][0], 7, 4, 7, 3, value))
        return 0;
      dayName = value + 1;
      break;
    case 'h':
    case 'H':
      if (!readNumber(p, 1, 2, value) || value > 23)
        return 0;
      date.hour = value;
      break;
    case '\'':
      if (!readNumber(p, 1, 2, value) || value > 59)
        return 0;
      date.minute = value;
      break;
    case '"': {
      if (!readNumber(p, 1, 2, value))
        return 0;
      double seconds = value;
      if (*p == '.') {
        ++p;
        double scale = 0.1;
        while (std::isdigit(static_cast<unsigned char>(*p))) {
          seconds += (*p - '0') * scale;
          scale *= 0.1;
          ++p;
        }
      }
      if (seconds >= 60.0)
        return 0;
      // 59.99999999 is below 60 but rounds to 60 as a float; keep the second below 60.
      date.second = float(seconds) < 60.0f ? float(seconds) : std::nextafter(60.0f, 0.0f);
      break;
    }
    default:
      return 0;
    }
  }

  if (date.month == 0)
    date.month = 1;
  const int length = daysInMonth(date.year, date.month);
  if (date.day > length)
    date.day = length;
  if (date.day == 0) {
    date.day = 1;
    if (dayName) {
      // The first day of the month that falls on the named weekday.
      const int first = weekdayOf(daysFromCivil(date.year, date.month, 1));
      date.day = 1 + (dayName - first + 7) % 7;
    }
  }
  date.getDayWeek();
  *this = date;
  return 1;
}

double PiDate::secondsBetween(const PiDate& from, const PiDate& to)
{
  const double days = double(to.getDayNumber() - from.getDayNumber());
  return days * 86400.0 + (to.hour - from.hour) * 3600.0 + (to.minute - from.minute) * 60.0 +
         (double(to.second) - double(from.second));
}

double PiDate::getDurationSeconds() const
{
  return day * 86400.0 + hour * 3600.0 + minute * 60.0 + double(second);
}

PiDate PiDate::operator-(const PiDate& other) const
{
  const double total = secondsBetween(other, *this);
  const double sign = total < 0.0 ? -1.0 : 1.0;
  double rest = std::fabs(total);
  PiDate duration;
  const double days = std::floor(rest / 86400.0);
  rest -= days * 86400.0;
  const double hours = std::floor(rest / 3600.0);
  rest -= hours * 3600.0;
  const double minutes = std::floor(rest / 60.0);
  rest -= minutes * 60.0;
  // Only dates set far beyond any calendar use are that far apart; such durations saturate.
  duration.day = int(sign * (days < 2147483647.0 ? days : 2147483647.0));
  duration.hour = int(sign * hours);
  duration.minute = int(sign * minutes);
  duration.second = float(sign * rest);
  return duration;
}

bool PiDate::operator==(const PiDate& other) const
{
  return secondsBetween(other, *this) == 0.0;
}

bool PiDate::operator<(const PiDate& other) const
{
  return secondsBetween(*this, other) > 0.0;
}

void PiDate::incDateStep(double n, Step unit, PiDate& date)
{
  const char* method = "PiDate::incDateStep";
  if (!std::isfinite(n)) {
    PoDebugError::post(method, "the step count %g is not a number; the date is left as it is", n);
    return;
  }
  const double whole = std::trunc(n);
  switch (unit) {
  case SECONDS:
  case MINUTES:
  case HOURS:
  case DAYS: {
    const double seconds = unit == SECONDS ? n : whole * (unit == MINUTES ? 60.0 : unit == HOURS ? 3600.0 : 86400.0);
    double total = date.hour * 3600.0 + date.minute * 60.0 + double(date.second) + seconds;
    const double dayShift = std::floor(total / 86400.0);
    if (std::fabs(double(date.getDayNumber()) + dayShift) > kMaxDayNumber) {
      PoDebugError::post(method, "%g steps of unit %d go beyond the years a date holds; the date is left as it is",
                         n, int(unit));
      return;
    }
    total -= dayShift * 86400.0;
    int y, m, d;
    civilFromDays(date.getDayNumber() + (long long)dayShift, y, m, d);
    date.year = y;
    date.month = m;
    date.day = d;
    date.hour = int(total / 3600.0);
    total -= date.hour * 3600.0;
    date.minute = int(total / 60.0);
    date.second = float(total - date.minute * 60.0);
    // Rounding can leave a hair under the next minute; keep seconds below 60.
    if (date.second >= 60.0f)
      date.second = std::nextafter(60.0f, 0.0f);
    break;
  }
  case MONTHS:
  case YEARS: {
    // Calendar months: the day stays, cut to the new month's length.
    const double shift = unit == YEARS ? whole * 12.0 : whole;
    if (std::fabs(date.year + shift / 12.0) > kMaxYear) {
      PoDebugError::post(method, "%g steps of unit %d go beyond the years a date holds; the date is left as it is",
                         n, int(unit));
      return;
    }
    const long long months = (long long)date.year * 12 + (date.month - 1) + (long long)shift;
    long long y = months / 12, m = months % 12;
    if (m < 0) {
      m += 12;
      y -= 1;
    }
    date.year = int(y);
    date.month = int(m) + 1;
    const int length = daysInMonth(date.year, date.month);
    if (date.day > length)
      date.day = length;
    break;
  }
  default:
    return;
  }
  date.getDayWeek();
}
