// Number formatting checked against printf, the fewest-decimals property, and the helpers
// beside the text code.
#include "support/ErrorCatcher.h"

#include <Gridlux/attributes/PbNumericDisplayFormat.h>
#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/text/PiNumericFormat.h>
#include <Gridlux/text/PiTextTools.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <limits>
#include <set>
#include <string>
#include <vector>

namespace {

std::string printfFixed(double v, int decimals)
{
  char text[256];
  std::snprintf(text, sizeof(text), "%.*f", decimals, v);
  return text;
}

// What a value should read as, worked out with printf and lround from the expected power of
// ten and decimals, independently of the formatter.
std::string expected(float value, int tenPower, int decimals)
{
  const double v = double(value) / std::pow(10.0, tenPower);
  if (decimals > 0)
    return printfFixed(v, decimals);
  return std::to_string(std::lround(v)); // lround rounds halves away from zero
}

struct FormatRow {
  const char* name;
  std::vector<float> values;
  PbNumericDisplayFormat::FormatType type;
  int formatTenPower, formatDecimals;
  int rounding;
  int tenPower, decimals; // what the formatter must choose
};

class ListFormat : public ::testing::TestWithParam<FormatRow> {
protected:
  static void SetUpTestSuite() { PoGridlux::init(); }
};

TEST_P(ListFormat, PrintsLikePrintf)
{
  const FormatRow& row = GetParam();
  PbNumericDisplayFormat format(row.type, row.formatTenPower, row.formatDecimals);
  PiNumericFormat formatter;
  formatter.setFormat(&format, int(row.values.size()), row.values.data(), row.rounding);
  EXPECT_EQ(formatter.getTenPower(), row.tenPower);
  EXPECT_EQ(formatter.getNumDecimals(), row.decimals);
  for (float v : row.values) {
    char out[PiNumericFormat::STRING_SIZE];
    formatter.getString(v, out);
    EXPECT_EQ(std::string(out), expected(v, row.tenPower, row.decimals)) << "value " << v;
  }
}

// The automatic format keeps the fewest decimals: with one fewer, two distinct values would
// print alike or a value would lose a nonzero digit; with the chosen ones all stay distinct.
TEST_P(ListFormat, AutomaticDecimalsAreTheFewestThatTellValuesApart)
{
  const FormatRow& row = GetParam();
  if (row.type != PbNumericDisplayFormat::AUTO_FORMAT)
    return;
  PiNumericFormat formatter;
  formatter.setFormat(nullptr, int(row.values.size()), row.values.data(), row.rounding);
  const int d = formatter.getNumDecimals();
  const double scale = std::pow(10.0, formatter.getTenPower());

  std::set<float> distinct(row.values.begin(), row.values.end());
  std::set<std::string> printed;
  for (float v : distinct)
    printed.insert(formatter.getString(v).getString());
  EXPECT_EQ(printed.size(), distinct.size()) << "two values print alike";

  if (d == 0)
    return;
  std::set<std::string> fewer;
  bool lostDigit = false;
  for (float v : distinct) {
    fewer.insert(printfFixed(v / scale, d - 1));
    const std::string full = printfFixed(v / scale, d);
    lostDigit = lostDigit || full.back() != '0';
  }
  EXPECT_TRUE(fewer.size() < distinct.size() || lostDigit)
      << d << " decimals where " << d - 1 << " would do";
}

const PbNumericDisplayFormat::FormatType AUTO = PbNumericDisplayFormat::AUTO_FORMAT;
const PbNumericDisplayFormat::FormatType FLOAT = PbNumericDisplayFormat::FLOAT_FORMAT;
const PbNumericDisplayFormat::FormatType INTEGER = PbNumericDisplayFormat::INTEGER_FORMAT;

INSTANTIATE_TEST_SUITE_P(
    Table, ListFormat,
    ::testing::Values(
        FormatRow{"thousands_by_500", {0, 500, 1000, 1500, 2000}, AUTO, 0, 0, 1, 3, 1},
        FormatRow{"integers", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, AUTO, 0, 0, 1, 0, 0},
        FormatRow{"tenths", {-1, -0.5f, 0, 0.5f, 1}, AUTO, 0, 0, 1, 0, 1},
        FormatRow{"quarters", {0.25f, 0.5f, 0.75f}, AUTO, 0, 0, 1, 0, 2},
        FormatRow{"noisy_step", {0.1f, 0.4f, 0.7f, 1.0f}, AUTO, 0, 0, 1, 0, 1},
        FormatRow{"small", {0.01f, 0.02f, 0.05f}, AUTO, 0, 0, 1, -3, 0},
        FormatRow{"tiny", {0.0001f, 0.0005f}, AUTO, 0, 0, 1, -6, 0},
        FormatRow{"millions", {1.5e6f, 2.5e6f, 3e6f}, AUTO, 0, 0, 1, 6, 1},
        FormatRow{"three_digits", {0, 0.12345f, 0.2469f}, AUTO, 0, 0, 1, 0, 3},
        FormatRow{"negative_thousands", {-4000, -2000, 0}, AUTO, 0, 0, 1, 3, 0},
        FormatRow{"fixed_two", {1, 2.345f, -7.5f}, FLOAT, 0, 2, 1, 0, 2},
        FormatRow{"fixed_power", {1500, 2500, 12345}, FLOAT, 3, 1, 1, 3, 1},
        FormatRow{"integer_halves", {-2.5f, -1.5f, 0.5f, 1.5f, 2.5f}, INTEGER, 0, 0, 1, 0, 0},
        FormatRow{"integer_power", {1499, 1500, 2500, -2500}, INTEGER, 3, 0, 1, 3, 0}),
    [](const ::testing::TestParamInfo<FormatRow>& info) { return std::string(info.param.name); });

TEST(NumericFormat, AutomaticRangeFormat)
{
  PiNumericFormat f;
  EXPECT_STREQ(f.getFormatString(), "%d");
  f.setFormatAuto(0, 2000, 500, 1);
  EXPECT_EQ(f.getTenPower(), 3);
  EXPECT_STREQ(f.getFormatString(), "%.1f");
  const char* labels[] = {"0.0", "0.5", "1.0", "1.5", "2.0"};
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(std::string(f.getString(500.0f * i).getString()), labels[i]);

  f.setFormatAuto(0, 10, 1, 1);
  EXPECT_EQ(std::string(f.getString(10).getString()), "10");
  EXPECT_EQ(std::string(f.getString(-2.5f).getString()), "-3");

  // A step that is 0.3 up to float noise needs one decimal; one that really ends in 9 keeps it.
  f.setFormatAuto(0, 1, 0.2999f, 0);
  EXPECT_EQ(f.getNumDecimals(), 1);
  f.setFormatAuto(0, 1, 0.2990f, 0);
  EXPECT_EQ(f.getNumDecimals(), 3);

  f.setFormatInteger(2);
  EXPECT_EQ(std::string(f.getString(-250).getString()), "-3");
}

TEST(NumericFormat, BadInputIsReportedAndPrintsNothing)
{
  PoGridlux::init();
  ErrorCatcher errors;
  PiNumericFormat f;
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();

  f.setFormatAuto(0, nan, 1, 1);
  EXPECT_EQ(errors.count(), 1);
  EXPECT_FALSE(f.isFloat());
  EXPECT_EQ(f.getTenPower(), 0);

  errors.clear();
  EXPECT_EQ(std::string(f.getString(nan).getString()), "");
  EXPECT_EQ(std::string(f.getString(inf).getString()), "");
  EXPECT_EQ(errors.count(), 2);

  // Non-finite entries are left out of the format, once reported.
  errors.clear();
  const float values[] = {0.25f, nan, 0.75f, inf};
  f.setFormat(nullptr, 4, values, 1);
  EXPECT_EQ(errors.count(), 1);
  EXPECT_TRUE(errors.contains("2 of 4 values are not finite"));
  EXPECT_EQ(f.getNumDecimals(), 2);

  errors.clear();
  f.setFormat(nullptr, 3, nullptr, 1);
  EXPECT_EQ(errors.count(), 1);
  f.setFormat(nullptr, 0, nullptr, 1);
  EXPECT_EQ(errors.count(), 1); // no values is not an error
  EXPECT_FALSE(f.isFloat());

  // Huge magnitudes print without overflowing an int.
  f.setFormatInteger(0);
  EXPECT_EQ(std::string(f.getString(1e10f).getString()), "10000000000");
}

TEST(TextTools, BoundsLookupAndInterpolation)
{
  const float xs[] = {2.5f, -2.5f, -2.4f, 3.0f, 1e20f};
  const int lower[] = {2, -3, -3, 3, INT_MAX}, upper[] = {3, -2, -2, 3, INT_MAX},
            nearest[] = {3, -3, -2, 3, INT_MAX};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(plowerInteger(xs[i]), lower[i]) << xs[i];
    EXPECT_EQ(pupperInteger(xs[i]), upper[i]) << xs[i];
    EXPECT_EQ(pnearestInteger(xs[i]), nearest[i]) << xs[i];
  }
  EXPECT_EQ(pnearestInteger(std::numeric_limits<float>::quiet_NaN()), 0);

  // Binary search against a linear scan, duplicates included.
  const float array[] = {-3, -1, 0, 0, 2, 5, 5, 9};
  for (float v = -4.0f; v <= 10.0f; v += 0.5f) {
    int last = -1;
    for (int i = 0; i < 8; ++i)
      last = array[i] <= v ? i : last;
    EXPECT_EQ(getPositionInSortedArray(array, 8, v), last) << v;
  }
  EXPECT_EQ(getPositionInSortedArray(nullptr, 3, 1.0f), -1);

  EXPECT_FLOAT_EQ(pcalculateYInterpolation(0, 1, 4, 9, 1), 3);
  EXPECT_FLOAT_EQ(pcalculateXInterpolation(0, 1, 4, 9, 3), 1);
  EXPECT_FLOAT_EQ(pcalculateYInterpolation(2, 5, 2, 7, 2), 5); // vertical line
  const SbColor red(1, 0, 0), blue(0, 0, 1);
  EXPECT_EQ(pinterpolateColors(15, 10, red, 20, blue), SbColor(0.5f, 0, 0.5f));
  EXPECT_EQ(pinterpolateColors(99, 10, red, 20, blue), blue); // clamped
  EXPECT_EQ(pinterpolateColors(5, 10, red, 10, blue), red);   // equal ends
}

} // namespace
