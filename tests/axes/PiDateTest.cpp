// Dates: reading under a format, week days and differences against the C library's calendar,
// calendar steps across month and year ends, and the mapping between dates and coordinates.
#include "support/ErrorCatcher.h"

#include <Gridlux/attributes/PbDateFormatMapping.h>
#include <Gridlux/axes/PiDate.h>

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>
#include <random>
#include <string>

namespace {

std::tm tmOf(const PiDate& d)
{
  std::tm tm{};
  tm.tm_year = d.year - 1900;
  tm.tm_mon = d.month - 1;
  tm.tm_mday = d.day;
  tm.tm_hour = d.hour;
  tm.tm_min = d.minute;
  tm.tm_sec = int(d.second);
  return tm;
}

double epoch(const PiDate& d)
{
  std::tm tm = tmOf(d);
  return double(timegm(&tm));
}

PiDate randomDate(std::mt19937& random)
{
  const int year = 1900 + int(random() % 200);
  const int month = 1 + int(random() % 12);
  return PiDate(year, month, 1 + int(random() % 31), int(random() % 24), int(random() % 60), float(random() % 60));
}

TEST(PiDate, DifferencesAndWeekDaysAgreeWithTheCLibrary)
{
  std::mt19937 random(1900);
  for (int i = 0; i < 5000; ++i) {
    const PiDate a = randomDate(random), b = randomDate(random);
    EXPECT_DOUBLE_EQ(PiDate::secondsBetween(a, b), epoch(b) - epoch(a));
    const PiDate duration = b - a;
    EXPECT_DOUBLE_EQ(duration.getDurationSeconds(), epoch(b) - epoch(a));
    EXPECT_EQ(a < b, epoch(a) < epoch(b));
    EXPECT_EQ(a > b, epoch(a) > epoch(b));
    // ISO week day: Monday 1 ... Sunday 7.
    std::tm tm = tmOf(a);
    timegm(&tm);
    PiDate copy = a;
    EXPECT_EQ(copy.getDayWeek(), tm.tm_wday == 0 ? 7 : tm.tm_wday);
    EXPECT_EQ(a.dayWeek, copy.dayWeek);
  }
  EXPECT_TRUE(PiDate(2000, 2, 29, 12) == PiDate(2000, 2, 29, 12));
  EXPECT_EQ(PiDate(1970, 1, 1).getDayNumber(), 0);
}

TEST(PiDate, CalendarStepsCarryAcrossMonthsAndYears)
{
  std::mt19937 random(28);
  for (int i = 0; i < 3000; ++i) {
    PiDate start = randomDate(random);
    start.day = 1 + start.day % 28; // days every month has
    start.getDayWeek();
    const int n = int(random() % 61) - 30;
    // Months and years move the calendar month, as the C library normalises a month count.
    for (PiDate::Step unit : {PiDate::MONTHS, PiDate::YEARS}) {
      PiDate moved = start;
      PiDate::incDateStep(n, unit, moved);
      std::tm tm = tmOf(start);
      if (unit == PiDate::MONTHS)
        tm.tm_mon += n;
      else
        tm.tm_year += n;
      const double expected = double(timegm(&tm));
      EXPECT_DOUBLE_EQ(epoch(moved), expected) << unit << " " << n;
      EXPECT_EQ(moved.day, start.day);
    }
    // The small units move the instant by exactly that time.
    const struct {
      PiDate::Step unit;
      double seconds;
    } units[] = {{PiDate::SECONDS, 1}, {PiDate::MINUTES, 60}, {PiDate::HOURS, 3600}, {PiDate::DAYS, 86400}};
    for (const auto& u : units) {
      PiDate moved = start;
      PiDate::incDateStep(n * 997, u.unit, moved);
      EXPECT_DOUBLE_EQ(epoch(moved) - epoch(start), n * 997 * u.seconds) << u.unit;
      EXPECT_GE(moved.second, 0.0f);
      EXPECT_LT(moved.second, 60.0f);
    }
  }
  // Days 29 to 31 are cut to the length of the month reached.
  PiDate end(2001, 1, 31);
  PiDate::incDateStep(1, PiDate::MONTHS, end);
  EXPECT_EQ(end.month, 2);
  EXPECT_EQ(end.day, 28);
  PiDate leap(2000, 2, 29);
  PiDate::incDateStep(1, PiDate::YEARS, leap);
  EXPECT_EQ(leap.day, 28);
  PiDate back(2000, 3, 31);
  PiDate::incDateStep(-13, PiDate::MONTHS, back);
  EXPECT_EQ(back.year, 1999);
  EXPECT_EQ(back.month, 2);
  EXPECT_EQ(back.day, 28);
  // Fractions of seconds.
  PiDate fine(1999, 12, 31, 23, 59, 59.0f);
  PiDate::incDateStep(1.5, PiDate::SECONDS, fine);
  EXPECT_EQ(fine.year, 2000);
  EXPECT_NEAR(fine.second, 0.5f, 1e-4f);

  // Counts no calendar holds (an int year, an int count of days between two dates) are
  // refused, with a message, and the date stays.
  ErrorCatcher errors;
  const PiDate kept(2000, 1, 31, 6);
  const struct {
    double n;
    PiDate::Step unit;
  } far[] = {{1e20, PiDate::SECONDS}, {-1e15, PiDate::HOURS}, {3e9, PiDate::YEARS},
             {-1e12, PiDate::MONTHS}, {NAN, PiDate::DAYS}, {INFINITY, PiDate::SECONDS}};
  for (const auto& f : far) {
    errors.clear();
    PiDate moved = kept;
    PiDate::incDateStep(f.n, f.unit, moved);
    EXPECT_TRUE(moved == kept && moved.dayWeek == kept.dayWeek) << f.n << " " << f.unit;
    EXPECT_EQ(errors.count(), 1) << f.n << " " << f.unit;
  }
  PiDate distant = kept;
  PiDate::incDateStep(-3e9, PiDate::SECONDS, distant); // about 95 years back, still in range
  EXPECT_DOUBLE_EQ(PiDate::secondsBetween(distant, kept), 3e9);
  const PiDate apart = PiDate(2147483647, 12, 31) - PiDate(-2147483647, 1, 1);
  EXPECT_EQ(apart.day, 2147483647);
}

TEST(PiDate, ReadsDatesUnderAFormat)
{
  ErrorCatcher errors;
  PiDate d;
  ASSERT_EQ(d.setDateString("29-02-2001", "dmY"), 1);
  EXPECT_EQ(d.day, 28);
  ASSERT_EQ(d.setDateString("29-02-2000", "dmY"), 1);
  EXPECT_EQ(d.day, 29);
  ASSERT_EQ(d.setDateString("29-02-00", "dmy"), 1); // 1900, not a leap year
  EXPECT_EQ(d.year, 1900);
  EXPECT_EQ(d.day, 28);
  // A day name without a day: the first such week day of the month (1 March 2024 was a Friday).
  ASSERT_EQ(d.setDateString("MON MARS 2024", "DMY"), 1);
  EXPECT_EQ(d.day, 4);
  EXPECT_EQ(d.dayWeek, 1);
  ASSERT_EQ(d.setDateString("2024 december", "YM"), 1);
  EXPECT_EQ(d.month, 12);
  EXPECT_EQ(d.day, 1);
  ASSERT_EQ(d.setDateString("7/3/1999 23:05:59.5", "dmYh'\""), 1);
  EXPECT_EQ(d.hour, 23);
  EXPECT_EQ(d.minute, 5);
  EXPECT_FLOAT_EQ(d.second, 59.5f);
  // Below 60 in the text, but 60 once rounded to a float: the second stays below 60.
  ASSERT_EQ(d.setDateString("1-01-70 0:0:59.99999999", "dmyh'\""), 1);
  EXPECT_LT(d.second, 60.0f);
  EXPECT_GT(d.second, 59.9999f);
  EXPECT_EQ(errors.count(), 0);

  // Failures leave the date as it was and are reported.
  const PiDate kept = d;
  const char* bad[][2] = {{"1-01-70 25", "dmyh"}, {"1-01-70 1:2:60", "dmyh'\""}, {"32-01-70", "dmy"},
                          {"1-13-70", "dmy"},     {"1-XYZ-70", "dMy"},          {"1-01-7", "dmy"},
                          {"", "d"},              {"1-01-70", "dmq"}};
  for (const auto& b : bad) {
    errors.clear();
    EXPECT_EQ(d.setDateString(b[0], b[1]), 0) << b[0] << " / " << b[1];
    EXPECT_EQ(errors.count(), 1);
    EXPECT_TRUE(d == kept);
  }
  errors.clear();
  EXPECT_EQ(d.setDateString(nullptr, "dmy"), 0);
  EXPECT_EQ(d.readDateString("1-01-70", nullptr), 0);
  EXPECT_EQ(errors.count(), 1); // only the reporting form posts
}

TEST(PiDate, MappingPlacesParsedDatesOnItsLine)
{
  ErrorCatcher errors;
  PbDateFormatMapping mapping("1-01-1990", "1-01-2000", 10.0f, 0.0f, "dmY");
  // Coordinates grow from the earlier date whichever way the coordinates were given.
  EXPECT_FLOAT_EQ(mapping.getCoordinateP(PiDate(1990, 1, 1)), 0.0f);
  EXPECT_FLOAT_EQ(mapping.getCoordinateP(PiDate(2000, 1, 1)), 10.0f);
  const double span = epoch(PiDate(2000, 1, 1)) - epoch(PiDate(1990, 1, 1));
  const PiDate middle(1995, 7, 14, 6, 30);
  EXPECT_NEAR(mapping.getCoordinateP(middle), 10.0 * (epoch(middle) - epoch(PiDate(1990, 1, 1))) / span, 1e-5);
  float coord = 0.0f;
  ASSERT_EQ(mapping.getCoordinate("14-07-1995", coord), 1);
  EXPECT_FLOAT_EQ(coord, mapping.getCoordinateP(PiDate(1995, 7, 14)));
  // Round trips, beyond the two dates too.
  for (float c : {-3.0f, 0.0f, 2.5f, 7.75f, 10.0f, 14.0f}) {
    const PiDate date = mapping.getDateP(c);
    EXPECT_NEAR(mapping.getCoordinateP(date), c, 1e-5f * 14) << c;
  }
  // Half of ten years holding 1992 and 1996: 1826 days, which is 1 January 1995.
  const PiDate half = mapping.getDateP(5.0f);
  EXPECT_EQ(half.year, 1995);
  EXPECT_EQ(half.month, 1);
  EXPECT_EQ(half.day, 1);
  EXPECT_EQ(half.hour, 0);
  EXPECT_EQ(errors.count(), 0);
}

} // namespace
