// Date format mappings: format checks, date reading, the date-to-coordinate line and the node.
#include "AttributeTestSupport.h"

#include <Gridlux/attributes/PbDateFormatMapping.h>
#include <Gridlux/attributes/PoDateFormatMapping.h>
#include <Gridlux/attributes/PoDateFormatMappingElement.h>
#include <Gridlux/base/PoGridlux.h>

#include <support/ErrorCatcher.h>

#include <Inventor/actions/SoCallbackAction.h>
#include <Inventor/nodes/SoCallback.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <ctime>
#include <random>

namespace {

class DateFormat : public ::testing::Test {
protected:
  static void SetUpTestSuite() { PoGridlux::init(); }
};

TEST_F(DateFormat, FormatsWithForeignOrRepeatedLettersAreRefused)
{
  PbDateFormatMapping mapping;
  ErrorCatcher errors;
  EXPECT_EQ(mapping.setFormat("dmyd"), 4);
  EXPECT_EQ(mapping.setFormat("d-m-y"), 2);
  EXPECT_EQ(mapping.setFormat("dMY"), 0);
  EXPECT_EQ(mapping.setFormat("dY'H\"mM"), 7) << "m and M are one field";
  EXPECT_EQ(mapping.setFormat("Dd'\"hYm"), 0);
  EXPECT_EQ(errors.count(), 3);
  EXPECT_TRUE(errors.contains("PbDateFormatMapping::setFormat(): bad date format \"dmyd\""));
  EXPECT_STREQ(mapping.getFormat().getString(), "Dd'\"hYm");

  // The constructor ends with a usable format whatever it is given.
  PbDateFormatMapping fallback("1-01-70", "2-01-70", 0.0f, 1.0f, "q");
  EXPECT_STREQ(fallback.getFormat().getString(), "dmy");
  PbDateFormatMapping byDefault("1-01-70", "2-01-70", 0.0f, 1.0f, nullptr);
  EXPECT_STREQ(byDefault.getFormat().getString(), "dmy");
}

TEST_F(DateFormat, CoordinatesFollowTheCalendar)
{
  // One unit per day over 1970-2037, against the C library's own count of seconds.
  PbDateFormatMapping mapping("1-01-1970", "1-01-2038", 0.0f, 24837.0f, "dmY");
  std::mt19937 random(11);
  for (int i = 0; i < 300; ++i) {
    std::tm date = {};
    date.tm_year = 70 + int(random() % 68);
    date.tm_mon = int(random() % 12);
    date.tm_mday = 1 + int(random() % 28);
    const double days = double(timegm(&date)) / 86400.0;
    char text[32];
    std::snprintf(text, sizeof text, "%d-%02d-%04d", date.tm_mday, date.tm_mon + 1,
                  date.tm_year + 1900);
    float coord = -1;
    ASSERT_EQ(mapping.getCoordinate(text, coord), 1) << text;
    EXPECT_NEAR(coord, days, 1e-2) << text;
  }

  // Leap days, cut days, month names of any language and times of day.
  PbDateFormatMapping leap("1-01-2000", "1-01-2001", 0.0f, 366.0f, "dmY");
  float coord;
  leap.getCoordinate("1-03-2000", coord);
  EXPECT_FLOAT_EQ(coord, 60.0f);
  leap.getCoordinate("31-02-2000", coord);
  EXPECT_FLOAT_EQ(coord, 59.0f) << "the day is cut to 29 February";
  leap.setFormat("dMY");
  leap.getCoordinate("15 MARS 2000", coord);
  EXPECT_FLOAT_EQ(coord, 74.0f);
  leap.getCoordinate("15 marzo 2000", coord);
  EXPECT_FLOAT_EQ(coord, 74.0f);
  EXPECT_EQ(leap.getCoordinate("15 Brumaire 2000", coord), 0);
  EXPECT_FLOAT_EQ(coord, 74.0f) << "unchanged";
  leap.setFormat("dmYh'\"");
  leap.getCoordinate("2-01-2000 18:30:00", coord);
  EXPECT_NEAR(coord, 1.0f + 18.5f / 24.0f, 1e-5f);
  // A day name without a day number: the first such weekday (3 January 2000 was a Monday).
  leap.setFormat("DmY");
  leap.getCoordinate("Monday 01 2000", coord);
  EXPECT_FLOAT_EQ(coord, 2.0f);
}

TEST_F(DateFormat, MappingGoesUpFromTheEarlierDateAndRefusesBadDates)
{
  PbDateFormatMapping mapping;
  EXPECT_EQ(mapping.setDateMapping("11-01-70", "1-01-70", 5.0f, -5.0f), 0);
  float coord;
  mapping.getCoordinate("1-01-70", coord);
  EXPECT_FLOAT_EQ(coord, -5.0f);
  mapping.getCoordinate("6-01-70", coord);
  EXPECT_FLOAT_EQ(coord, 0.0f);
  EXPECT_DOUBLE_EQ(mapping.getSpan(), 10 * 86400.0);
  SbString d1, d2;
  float lo, hi;
  mapping.getDateMapping(d1, d2, lo, hi);
  EXPECT_EQ(d1, SbString("11-01-70"));
  EXPECT_EQ(lo, -5.0f);
  EXPECT_EQ(hi, 5.0f);

  ErrorCatcher errors;
  EXPECT_EQ(mapping.setDateMapping("1-01-70", "1-01-70", 0.0f, 1.0f), 3);
  EXPECT_EQ(mapping.setDateMapping("x", "1-01-70", 0.0f, 1.0f), 1);
  EXPECT_EQ(mapping.setDateMapping("1-01-70", "1-13-70", 0.0f, 1.0f), 2);
  EXPECT_EQ(mapping.setDateMapping("1-01-70", "2-01-70", 1.0f, 1.0f), 4);
  EXPECT_EQ(errors.count(), 4);
  mapping.getCoordinate("6-01-70", coord);
  EXPECT_FLOAT_EQ(coord, 0.0f) << "the previous mapping stays";
}

void recordMapping(void* data, SoAction* action)
{
  *static_cast<const PbDateFormatMapping**>(data) =
    PoDateFormatMappingElement::get(action->getState());
}

TEST_F(DateFormat, NodeSetsTheStateAndSurvivesAFileRoundTrip)
{
  Ref<SoSeparator> root(new SoSeparator);
  SoSeparator* branch = new SoSeparator;
  PoDateFormatMapping* node = new PoDateFormatMapping;
  node->format = "Ymd";
  node->date1 = "2020-01-01";
  node->date2 = "2020-01-11";
  node->coord2 = 10.0f;
  const PbDateFormatMapping* inside = nullptr;
  const PbDateFormatMapping* outside = nullptr;
  SoCallback* insideProbe = new SoCallback;
  insideProbe->setCallback(recordMapping, &inside);
  SoCallback* outsideProbe = new SoCallback;
  outsideProbe->setCallback(recordMapping, &outside);
  branch->addChild(node);
  branch->addChild(insideProbe);
  root->addChild(branch);
  root->addChild(outsideProbe);
  SoCallbackAction action;
  action.apply(root.get());
  ASSERT_EQ(inside, node->getDateFormatMapping());
  EXPECT_EQ(outside, PoDateFormatMappingElement::getDefault());
  float coord;
  ASSERT_EQ(inside->getCoordinate("2020-01-04", coord), 1);
  EXPECT_FLOAT_EQ(coord, 3.0f);

  // A bad format is reported and the node keeps the previous one.
  ErrorCatcher errors;
  node->format = "YmdY";
  action.apply(root.get());
  EXPECT_EQ(errors.count(), 1);
  EXPECT_EQ(node->getCoordinate("2020-01-04", coord), 1);
  EXPECT_FLOAT_EQ(coord, 3.0f);

  node->format = "Ymd";
  Ref<PoDateFormatMapping> back(roundTrip(node));
  ASSERT_NE(back.get(), nullptr);
  EXPECT_EQ(back->format.getValue(), SbString("Ymd"));
  EXPECT_EQ(back->date2.getValue(), SbString("2020-01-11"));
  EXPECT_EQ(back->coord2.getValue(), 10.0f);
  ASSERT_EQ(back->getCoordinate("2020-01-06", coord), 1);
  EXPECT_FLOAT_EQ(coord, 5.0f);
}

} // namespace
