// The time axis: representation grammar, automatic levels from the span, graduation dates and
// their coordinates checked against the C library's calendar, bad input, files.
#include "support/ErrorCatcher.h"
#include "support/GeometryProbe.h"
#include "support/SceneText.h"

#include <Gridlux/attributes/PbDateFormatMapping.h>
#include <Gridlux/attributes/PbDomain.h>
#include <Gridlux/axes/PiTimeGraduation.h>
#include <Gridlux/axes/PoTimeAxis.h>
#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/text/PiNumericFormat.h>

#include <Inventor/actions/SoSearchAction.h>
#include <Inventor/nodes/SoSeparator.h>
#include <Inventor/nodes/SoText3.h>

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>
#include <random>
#include <string>
#include <vector>

namespace {

using TG = PiTimeGraduation;

// Seconds since 1970 of a date, from the C library.
double epochSeconds(const PiDate& d)
{
  std::tm tm{};
  tm.tm_year = d.year - 1900;
  tm.tm_mon = d.month - 1;
  tm.tm_mday = d.day;
  tm.tm_hour = d.hour;
  tm.tm_min = d.minute;
  tm.tm_sec = 0;
  return double(timegm(&tm)) + d.second;
}

const double kDay = 86400.0;

TEST(TimeRepresentation, GrammarReadsLevelsUnitsStepsAndElements)
{
  ErrorCatcher errors;
  TG::Rep rep;
  ASSERT_EQ(TG::parseRep("hours 6 = %Hh; days = %d %b %Y", rep, "test"), 2);
  EXPECT_EQ(rep.levels[0].step, PiDate::HOURS);
  EXPECT_EQ(rep.levels[0].numStep, 6.0f);
  ASSERT_EQ(rep.levels[0].elements.size(), 1u);
  EXPECT_EQ(rep.levels[0].elements[0].form, TG::ELEM_HOUR);
  EXPECT_EQ(std::string(rep.levels[0].elements[0].text.getString()), "h");
  EXPECT_EQ(rep.levels[1].step, PiDate::DAYS);
  EXPECT_EQ(rep.levels[1].numStep, 0.0f);
  ASSERT_EQ(rep.levels[1].elements.size(), 3u);
  EXPECT_EQ(rep.levels[1].elements[1].form, TG::ELEM_MONTH_NAME);
  EXPECT_EQ(std::string(rep.levels[1].elements[0].text.getString()), " ");

  // Escapes, a unit in any case and the plural, no unit at all.
  // An escaped ';' is text: one level, whose minute is followed by "%; = ".
  ASSERT_EQ(TG::parseRep("Minute 15 = %M%%%; = %a", rep, "test"), 1);
  ASSERT_EQ(rep.levels[0].elements.size(), 2u);
  EXPECT_EQ(std::string(rep.levels[0].elements[0].text.getString()), "%; = ");
  EXPECT_EQ(rep.levels[0].step, PiDate::MINUTES);
  ASSERT_EQ(TG::parseRep("=%m/%d", rep, "test"), 1);
  EXPECT_EQ(rep.levels[0].step, 0);
  EXPECT_EQ(rep.levels[0].elements.size(), 2u);
  EXPECT_EQ(errors.count(), 0);

  // Each bad level is reported and left out; the good ones keep their order.
  const char* bad[] = {"weeks = %d", "days 2 3 = %d", "days", "days = text %d", "days = %q",
                       "days = ", "days = %d%z", "days x = %d", "days 1e9999 = %d"};
  for (const char* level : bad) {
    errors.clear();
    const std::string text = std::string("hours = %H; ") + level + "; years = %Y";
    ASSERT_EQ(TG::parseRep(text.c_str(), rep, "test"), 2) << level;
    EXPECT_EQ(rep.levels[0].step, PiDate::HOURS) << level;
    EXPECT_EQ(rep.levels[1].step, PiDate::YEARS) << level;
    EXPECT_EQ(errors.count(), 1) << level;
  }
  // A lone '%' at the very end.
  errors.clear();
  EXPECT_EQ(TG::parseRep("hours = %H; days = %", rep, "test"), 1);
  EXPECT_EQ(errors.count(), 1);
  errors.clear();
  EXPECT_EQ(TG::parseRep("", rep, "test"), 0);
  EXPECT_EQ(TG::parseRep(nullptr, rep, "test"), 0);
  EXPECT_EQ(errors.count(), 0);
}

TEST(TimeRepresentation, ArbitraryBytesNeverBreakTheParsers)
{
  ErrorCatcher errors;
  std::mt19937 random(7);
  const std::string alphabet = "%=;, .0123456789hdmysSMHabYxq\"'\t-";
  TG::Rep rep;
  std::vector<double> spans;
  for (int trial = 0; trial < 3000; ++trial) {
    std::string text;
    const int length = int(random() % 40);
    for (int i = 0; i < length; ++i)
      text += trial % 3 == 0 ? char(1 + random() % 255) : alphabet[random() % alphabet.size()];
    TG::parseRep(text.c_str(), rep, "test");
    for (const TG::Level& level : rep.levels) {
      EXPECT_FALSE(level.elements.empty());
      EXPECT_GE(level.numStep, 0.0f);
    }
    TG::parsePeriods(text.c_str(), spans, "test");
    for (double s : spans)
      EXPECT_GT(s, 0.0);
  }
}

TEST(TimeRepresentation, PeriodsAndTheChoiceOfRange)
{
  ErrorCatcher errors;
  std::vector<double> spans;
  ASSERT_EQ(TG::parsePeriods("2 days; 60 days, 1 day 12 hours; 2 years", spans, "test"), 4);
  EXPECT_DOUBLE_EQ(spans[0], 2 * kDay);
  EXPECT_DOUBLE_EQ(spans[1], 60 * kDay);
  EXPECT_DOUBLE_EQ(spans[2], 1.5 * kDay);
  EXPECT_DOUBLE_EQ(spans[3], 730 * kDay);
  EXPECT_EQ(errors.count(), 0);
  EXPECT_EQ(TG::parsePeriods("2 fortnights; days; 3 days", spans, "test"), 1);
  EXPECT_EQ(errors.count(), 2);

  // Up to two days the first representation, up to sixty the second, beyond it the third.
  const std::vector<SbString> reps = {"hours = %H", "days = %d", "months = %b"};
  TG::Rep rep;
  TG::chooseRep(2 * kDay, reps, "2 days; 60 days", rep, "test");
  ASSERT_EQ(rep.getNumLevels(), 1);
  EXPECT_EQ(rep.levels[0].step, PiDate::HOURS);
  EXPECT_GT(rep.levels[0].numStep, 0.0f); // the automatic step was filled in
  TG::chooseRep(2 * kDay + 1, reps, "2 days; 60 days", rep, "test");
  EXPECT_EQ(rep.levels[0].step, PiDate::DAYS);
  TG::chooseRep(400 * kDay, reps, "2 days; 60 days", rep, "test");
  EXPECT_EQ(rep.levels[0].step, PiDate::MONTHS);
  // Without a representation past the last period, or without periods: automatic.
  TG::chooseRep(400 * kDay, reps, "2 days; 60 days; 100 days", rep, "test");
  EXPECT_EQ(rep.levels[0].step, PiDate::MONTHS);
  EXPECT_EQ(rep.getNumLevels(), 2);
  TG::chooseRep(2 * kDay, reps, "", rep, "test");
  EXPECT_EQ(rep.getNumLevels(), 2);

  // Missing units follow the previous level's; after years the list ends.
  TG::chooseRep(1 * kDay, {"= %H; = %d; = %m"}, "10 days", rep, "test");
  ASSERT_EQ(rep.getNumLevels(), 3);
  EXPECT_EQ(rep.levels[0].step, PiDate::HOURS);
  EXPECT_EQ(rep.levels[1].step, PiDate::DAYS);
  EXPECT_EQ(rep.levels[2].step, PiDate::MONTHS);
  TG::chooseRep(1 * kDay, {"years = %Y; = %Y"}, "10 days", rep, "test");
  EXPECT_EQ(rep.getNumLevels(), 1);
}

TEST(TimeRepresentation, AutomaticLevelsFollowTheSpan)
{
  const struct {
    double seconds;
    int step;
  } rows[] = {{1826 * kDay, PiDate::YEARS},  {1825 * kDay, PiDate::MONTHS}, {151 * kDay, PiDate::MONTHS},
              {150 * kDay, PiDate::DAYS},    {6 * kDay, PiDate::DAYS},      {5.9 * kDay, PiDate::HOURS},
              {1 * kDay, PiDate::HOURS},     {5.5 * 3600, PiDate::HOURS},   {5 * 3600, PiDate::MINUTES},
              {3600, PiDate::MINUTES},       {6 * 60, PiDate::MINUTES},     {5 * 60, PiDate::SECONDS},
              {10, PiDate::SECONDS}};
  for (const auto& row : rows)
    EXPECT_EQ(TG::getLevel0Step(row.seconds), row.step) << row.seconds;

  EXPECT_EQ(TG::getAutoNumStep(PiDate::MINUTES, 12), 1.0f);
  EXPECT_EQ(TG::getAutoNumStep(PiDate::MINUTES, 60), 5.0f);
  EXPECT_EQ(TG::getAutoNumStep(PiDate::SECONDS, 300), 30.0f);
  EXPECT_EQ(TG::getAutoNumStep(PiDate::HOURS, 24), 2.0f);
  EXPECT_EQ(TG::getAutoNumStep(PiDate::HOURS, 120), 12.0f);
  EXPECT_GE(TG::getAutoNumStep(PiDate::DAYS, 0.5), 1.0f);

  // Over hours, level 1 counts days and reads day, month name and year.
  TG::Rep rep;
  TG::getAutoRep(3 * kDay, rep);
  ASSERT_EQ(rep.getNumLevels(), 2);
  EXPECT_EQ(rep.levels[1].step, PiDate::DAYS);
  EXPECT_EQ(rep.levels[1].numStep, 1.0f);
  PiNumericFormat seconds;
  EXPECT_EQ(std::string(TG::getLabel(rep.levels[1], PiDate(1970, 1, 2), PiDate::ENGLISH, seconds).getString()),
            "2 JANUARY 1970");
  EXPECT_EQ(std::string(TG::getLabel(rep.levels[1], PiDate(1970, 1, 2), PiDate::FRANCAIS, seconds).getString()),
            "2 JANVIER 1970");
  TG::getAutoRep(2000 * kDay, rep);
  EXPECT_EQ(rep.getNumLevels(), 1);
}

TEST(TimeGraduation, DatesOnWholeStepsAgainstTheCLibrary)
{
  ErrorCatcher errors;
  // Six-hour steps from 3:40 on 30 December 1999 to 2 January 2000: 6:00, 12:00, ... across the
  // year end, each 21600 s after the one before.
  std::vector<PiDate> dates;
  TG::getGradList(PiDate(1999, 12, 30, 3, 40), PiDate(2000, 1, 2), PiDate::HOURS, 6, false, 1000, dates, "test");
  ASSERT_EQ(dates.size(), 12u);
  EXPECT_EQ(dates[0].hour, 6);
  EXPECT_EQ(dates[0].minute, 0);
  for (size_t i = 1; i < dates.size(); ++i)
    EXPECT_DOUBLE_EQ(epochSeconds(dates[i]) - epochSeconds(dates[i - 1]), 6 * 3600.0);
  EXPECT_EQ(dates.back().day, 2);
  EXPECT_EQ(dates.back().hour, 0);

  // Months on every third month from mid-November: January, April, ... on day 1.
  TG::getGradList(PiDate(1970, 11, 15), PiDate(1971, 12, 31), PiDate::MONTHS, 3, false, 1000, dates, "test");
  ASSERT_EQ(dates.size(), 4u);
  const int months[] = {1, 4, 7, 10};
  for (size_t i = 0; i < dates.size(); ++i) {
    EXPECT_EQ(dates[i].month, months[i]);
    EXPECT_EQ(dates[i].day, 1);
    EXPECT_EQ(dates[i].year, 1971);
  }
  // Fitted monthly steps from 31 January keep the day where the month has it.
  TG::getGradList(PiDate(2001, 1, 31), PiDate(2001, 5, 1), PiDate::MONTHS, 1, true, 1000, dates, "test");
  ASSERT_EQ(dates.size(), 4u);
  EXPECT_EQ(dates[1].day, 28);
  EXPECT_EQ(dates[2].day, 31);
  EXPECT_EQ(dates[3].day, 30);
  // Years on multiples of the step.
  TG::getGradList(PiDate(1903, 6, 1), PiDate(1931, 1, 1), PiDate::YEARS, 10, false, 1000, dates, "test");
  ASSERT_EQ(dates.size(), 3u);
  EXPECT_EQ(dates[0].year, 1910);
  EXPECT_EQ(dates[2].year, 1930);
  EXPECT_EQ(errors.count(), 0);

  // Too many graduations are cut with a message.
  TG::getGradList(PiDate(1970, 1, 1), PiDate(1971, 1, 1), PiDate::SECONDS, 1, false, 100, dates, "test");
  EXPECT_EQ(dates.size(), 100u);
  EXPECT_EQ(errors.count(), 1);
}

struct TimeAxisScene {
  SoSeparator* root;
  PoTimeAxis* axis;
  PbDomain domain;
  explicit TimeAxisScene(const PbDomain& d = PbDomain(0, 0, 0, 1, 1, 1)) : domain(d)
  {
    PoGridlux::init();
    root = new SoSeparator;
    root->ref();
    axis = new PoTimeAxis;
    axis->setDomain(&domain);
    root->addChild(axis);
  }
  ~TimeAxisScene() { root->unref(); }
  void build() { GeometryProbe probe(root); }
  std::vector<std::string> texts()
  {
    build();
    std::vector<std::string> out;
    SoNode* node = axis->getPart("mainGradText", FALSE);
    if (!node)
      return out;
    SoSearchAction search;
    search.setType(SoText3::getClassTypeId());
    search.setInterest(SoSearchAction::ALL);
    search.apply(node);
    for (int i = 0; i < search.getPaths().getLength(); ++i) {
      const SoText3* text = static_cast<const SoText3*>(search.getPaths()[i]->getTail());
      out.push_back(text->string[0].getString());
    }
    return out;
  }
};

TEST(TimeAxis, DefaultDayInHoursPlacedByTheMapping)
{
  TimeAxisScene scene;
  const std::vector<std::string> labels = scene.texts();
  const PoTimeAxis::Tdate_axis_rep& rep = scene.axis->getDateAxisRep();
  ASSERT_EQ(rep.getNumLevels(), 2);
  EXPECT_EQ(rep.levels[0].step, PiDate::HOURS);
  // One day on the default mapping's unit: hour h sits at h / 24.
  const std::vector<PiDate>& dates = scene.axis->getLevelDates(0);
  const std::vector<float>& coords = scene.axis->getLevelCoords(0);
  ASSERT_GE(dates.size(), 5u);
  for (size_t i = 0; i < dates.size(); ++i)
    EXPECT_NEAR(coords[i], (epochSeconds(dates[i]) - 0.0) / kDay, 1e-3) << i;
  const float* built = nullptr;
  ASSERT_EQ(scene.axis->getMainGradCoords(built), int(coords.size()));
  EXPECT_FLOAT_EQ(built[1], coords[1]);
  ASSERT_FALSE(labels.empty());
  EXPECT_EQ(labels[0], "0h");
  EXPECT_EQ(labels[1], std::to_string(dates[1].hour) + "h");
  // The day level below: a label for the first of January.
  bool day = false;
  for (const std::string& l : labels)
    day = day || l == "1 JANUARY 1970";
  EXPECT_TRUE(day);
}

TEST(TimeAxis, CoordinatesFollowAnyMappingAndSpanChoosesTheUnit)
{
  TimeAxisScene scene(PbDomain(0, 0, 0, 10, 10, 1));
  PbDateFormatMapping mapping("1-01-70", "1-01-80", 0.0f, 10.0f, "dmy");
  scene.axis->setDateFormatMapping(&mapping);
  // Exactly 1826 days: years.
  scene.axis->startDate = "1-01-70";
  scene.axis->endDate = "1-01-75";
  scene.build();
  EXPECT_EQ(scene.axis->getDateAxisRep().levels[0].step, PiDate::YEARS);
  // A day less: months.
  scene.axis->endDate = "31-12-74";
  scene.build();
  EXPECT_EQ(scene.axis->getDateAxisRep().levels[0].step, PiDate::MONTHS);

  const double span = epochSeconds(PiDate(1980, 1, 1));
  for (int level = 0; level < scene.axis->getDateAxisRep().getNumLevels(); ++level) {
    const std::vector<PiDate>& dates = scene.axis->getLevelDates(level);
    const std::vector<float>& coords = scene.axis->getLevelCoords(level);
    ASSERT_FALSE(dates.empty());
    for (size_t i = 0; i < dates.size(); ++i) {
      EXPECT_NEAR(coords[i], 10.0 * epochSeconds(dates[i]) / span, 1e-3 * 10) << level << " " << i;
      EXPECT_EQ(dates[i].day, 1);
    }
  }
  // Dates given latest first graduate the same instants.
  const std::vector<PiDate> forward = scene.axis->getLevelDates(0);
  scene.axis->startDate = "31-12-74";
  scene.axis->endDate = "1-01-70";
  scene.build();
  ASSERT_EQ(scene.axis->getLevelDates(0).size(), forward.size());
  EXPECT_TRUE(scene.axis->getLevelDates(0)[3] == forward[3]);
}

TEST(TimeAxis, BadDatesAndRepresentationsAreReported)
{
  TimeAxisScene scene;
  scene.build();
  ErrorCatcher errors;
  scene.axis->endDate = "31-13-70";
  scene.build();
  EXPECT_GE(errors.count(), 1);
  EXPECT_EQ(scene.axis->getPart("body", FALSE), nullptr);
  EXPECT_EQ(scene.axis->getPart("mainGradText", FALSE), nullptr);

  // A bad level is left out; the axis keeps the good one.
  errors.clear();
  scene.axis->endDate = "3-01-70";
  scene.axis->gradRep.set1Value(0, "hours 12 = %H:00; fortnights = %d");
  scene.axis->timesPeriod = "10 days";
  const std::vector<std::string> labels = scene.texts();
  EXPECT_EQ(errors.count(), 1);
  ASSERT_EQ(scene.axis->getDateAxisRep().getNumLevels(), 1);
  EXPECT_EQ(labels, (std::vector<std::string>{"0:00", "12:00", "0:00", "12:00", "0:00"}));

  // Equal dates build nothing, quietly.
  errors.clear();
  scene.axis->endDate = "1-01-70";
  scene.build();
  EXPECT_EQ(errors.count(), 0);
  EXPECT_EQ(scene.axis->getPart("body", FALSE), nullptr);
}

TEST(TimeAxis, ScenesWriteAndReadBack)
{
  PoGridlux::init();
  SoSeparator* root = new SoSeparator;
  root->ref();
  PoTimeAxis* axis = new PoTimeAxis("1-01-70", "1-06-70", 2.0f, PoTimeAxis::Y);
  axis->language = PoTimeAxis::DEUTSCH;
  axis->gradRep.set1Value(0, "months = %b");
  axis->gradRep.set1Value(1, "years = %Y");
  axis->timesPeriod = "1 year";
  root->addChild(axis);
  SoSeparator* read = readFromString(writeToString(root));
  ASSERT_NE(read, nullptr);
  read->ref();
  ASSERT_EQ(read->getNumChildren(), 1);
  ASSERT_TRUE(read->getChild(0)->isOfType(PoTimeAxis::getClassTypeId()));
  const PoTimeAxis* back = static_cast<const PoTimeAxis*>(read->getChild(0));
  EXPECT_EQ(std::string(back->endDate.getValue().getString()), "1-06-70");
  EXPECT_EQ(back->coord.getValue(), 2.0f);
  EXPECT_EQ(back->type.getValue(), int(PoTimeAxis::Y));
  EXPECT_EQ(back->language.getValue(), int(PoTimeAxis::DEUTSCH));
  ASSERT_EQ(back->gradRep.getNum(), 2);
  EXPECT_EQ(std::string(back->gradRep[1].getString()), "years = %Y");
  EXPECT_EQ(std::string(back->timesPeriod.getValue().getString()), "1 year");
  read->unref();
  root->unref();
}

} // namespace
