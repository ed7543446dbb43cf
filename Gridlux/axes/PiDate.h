// Calendar dates and durations: reading dates under a format, calendar steps, differences.
#ifndef GRIDLUX_PIDATE_H
#define GRIDLUX_PIDATE_H

/**
 * @brief A calendar date and time of day on the proleptic Gregorian calendar, or a duration.
 *
 * Members in order: year (four digits), month (1-12), day (1-31), dayWeek (1 Monday ... 7
 * Sunday), hour (0-23), minute (0-59), second (below 60). A duration (the difference of two
 * dates) keeps its whole days in `day`, then hours, minutes and seconds; year, month and
 * dayWeek are 0 there, and every member carries the sign of the duration.
 *
 * Format letters of setDateString: d day, D day name (first 3 letters, any language), m month,
 * M month name (first 4 letters, any language), y two-digit year (1900 + yy), Y four-digit
 * year, h or H hour, ' minutes, " seconds (with an optional fraction). Before each field the
 * text is advanced past characters that are neither letters nor digits.
 */
class PiDate {
public:
  enum Language { ENGLISH = 0, FRANCAIS = 1, DEUTSCH = 2, ESPANOL = 3 };
  /** Calendar units of incDateStep and of the time axis levels. */
  enum Step { SECONDS = 1, MINUTES = 2, HOURS = 3, DAYS = 4, MONTHS = 5, YEARS = 6 };

  int year = 0;
  int month = 0;
  int day = 0;
  int dayWeek = 0;
  int hour = 0;
  int minute = 0;
  float second = 0.0f;

  PiDate() = default;
  /** A date; the day is cut to the month's length and the week day computed. */
  PiDate(int year, int month, int day, int hour = 0, int minute = 0, float second = 0.0f);

  /**
   * Reads @p text under @p format. Returns 1 and sets the date on success; returns 0, posts a
   * message through PoDebugError and leaves the date unchanged when the text does not match.
   */
  int setDateString(const char* text, const char* format);
  /** As setDateString, without the message (for callers that report on their own). */
  int readDateString(const char* text, const char* format);

  /** Month names (index 0 is January) and day names (index 0 is Monday), in upper case. */
  static const char* const* getMonths(Language language);
  static const char* const* getDays(Language language);
  /** Month lengths of a common and of a leap year, indexed from 1 (index 0 is 0). */
  static const int* getNumDaysPerMonth();
  static const int* getNumDaysParMonthBissex();
  static bool isLeapYear(int year);
  static int getNumDaysOfMonth(int year, int month);

  /** The ISO week day of the date (1 Monday ... 7 Sunday); also stored in dayWeek. */
  int getDayWeek();

  /** Days from 1970-01-01 to the date's day (negative before). */
  long getDayNumber() const;
  /** Seconds from @p from to @p to, negative when @p to is earlier. */
  static double secondsBetween(const PiDate& from, const PiDate& to);
  /** Total seconds of a duration. */
  double getDurationSeconds() const;

  /** The duration from @p other to this date. */
  PiDate operator-(const PiDate& other) const;
  bool operator==(const PiDate& other) const;
  bool operator!=(const PiDate& other) const { return !(*this == other); }
  bool operator<(const PiDate& other) const;
  bool operator>(const PiDate& other) const { return other < *this; }

  /**
   * Adds @p n units (negative goes back) to @p date, carrying into the larger units. Seconds,
   * minutes, hours and days move the instant by that exact time; months and years move the
   * calendar month and keep the day, cut to the new month's length (31 January plus one month
   * is 28 or 29 February). Only SECONDS takes a fraction; the other units use the integer part.
   * A count that is not a number, or that would take the year beyond two thousand million either
   * way, is reported through PoDebugError and leaves the date unchanged.
   */
  static void incDateStep(double n, Step unit, PiDate& date);
};

#endif
