// Calendar dates as read by the date format mapping: parsing under a format and second counts.
#ifndef GRIDLUX_DATEFORMATMAPPINGXP_H
#define GRIDLUX_DATEFORMATMAPPINGXP_H

namespace GridluxDate {

/** A calendar date and time of day; weekday 1 is Monday. */
struct CalendarDate {
  int year = 0;
  int month = 0;
  int day = 0;
  int weekday = 0;
  int hour = 0;
  int minute = 0;
  float second = 0.0f;
};

/**
 * Reads @p text under @p format (letters d D m M y Y h H and the two quotes for minutes and
 * seconds); returns false when a field cannot be read or is out of range.
 */
bool parse(const char* text, const char* format, CalendarDate& date);

/** Seconds from @p from to @p to (negative when @p to is earlier). */
double secondsBetween(const CalendarDate& from, const CalendarDate& to);

/** @p date moved by @p seconds, carried into minutes, hours, days, months and years. */
CalendarDate addSeconds(const CalendarDate& date, double seconds);

} // namespace GridluxDate

#endif
