// Calendar graduations of a time axis: representations, their text grammar, automatic levels.
#ifndef GRIDLUX_PITIMEGRADUATION_H
#define GRIDLUX_PITIMEGRADUATION_H

#include <Gridlux/axes/PiDate.h>

#include <Inventor/SbString.h>

#include <vector>

class PiNumericFormat;

/**
 * @brief How a time axis is graduated: levels of calendar steps with their labels, chosen from
 * the span of the axis or read from representation strings, and the dates of each level.
 *
 * Representation grammar (one string per range of spans): levels separated by ';', the first
 * being level 0 (the graduations next to the axis), each
 *
 *     level   := [unit [number]] '=' label
 *     unit    := second(s) | minute(s) | hour(s) | day(s) | month(s) | year(s)   (any case)
 *     label   := element, each followed by the text up to the next element
 *     element := %S second | %M minute | %H hour | %d day | %a day name | %m month number
 *                | %b month name | %Y year;   %% is a '%', %; a ';'
 *
 * A missing number, or 0, asks for the automatic number of units per step; a missing unit takes
 * the unit after the previous level's (for level 0, the automatic unit of the span). A level
 * whose label starts with text before any element, uses an unknown unit or element, or has no
 * '=' is reported and left out; the other levels keep their order.
 * Examples: "hours 6 = %Hh; days = %d %b %Y" (every six hours "6h", and the days below them);
 * "months = %b; = %Y" (month names, then the years); "= %m/%d" (automatic unit).
 *
 * Period list: spans separated by ';' or ',', each a sum of number-unit pairs, such as
 * "2 days; 60 days; 2 years" or "1 day 12 hours" (a month counts 30 days, a year 365). An axis
 * whose span is not longer than the i-th period uses the i-th representation; beyond the last
 * period the representation after it, when there is one, else the automatic one. A bad item is
 * reported and left out.
 *
 * Automatic representation: level 0 takes its unit from the span (years from 1826 days, months
 * from 151 days, days from 6 days, hours from 1 day or more than 5 hours, minutes from 1 hour or
 * more than 5 minutes, else seconds) and is labelled with that unit alone (seconds followed by
 * '"', minutes by "'", hours by "h", day numbers, month names, years). Level 1 is one unit
 * coarser, stepping a quarter of the span in that unit (at least 1): over seconds "<hour>h
 * <minute>'", over minutes "<day> <hour>h", over hours "<day> <month name> <year>", over days
 * "<month name> <year>", over months "<year>"; years have no level 1.
 */
class PiTimeGraduation {
public:
  enum ElemForm {
    ELEM_SECOND = 0,
    ELEM_MINUTE = 1,
    ELEM_HOUR = 2,
    ELEM_DAY = 3,
    ELEM_DAY_NAME = 4,
    ELEM_MONTH = 5,
    ELEM_MONTH_NAME = 6,
    ELEM_YEAR = 7
  };

  /** One date element of a label and the text that follows it. */
  struct Element {
    ElemForm form = ELEM_DAY;
    SbString text;  ///< put after the element
  };

  /** One graduation level: its calendar step and the elements of its labels. */
  struct Level {
    int step = 0;          ///< a PiDate::Step, 0 when not given
    float numStep = 0.0f;  ///< units per step, 0 for automatic
    std::vector<Element> elements;
  };

  /** A parsed representation string: one entry per graduation level. */
  struct Rep {
    std::vector<Level> levels;
    int getNumLevels() const { return int(levels.size()); }
  };

  /** Parses one representation string into @p rep; returns the number of levels kept. */
  static int parseRep(const char* text, Rep& rep, const char* method);
  /** Parses a period list into spans in seconds; returns how many were kept. */
  static int parsePeriods(const char* text, std::vector<double>& spans, const char* method);

  /** Unit of the automatic level 0 for a span of @p seconds. */
  static int getLevel0Step(double seconds);
  /** Automatic number of units per step for @p count units of @p step in the span. */
  static float getAutoNumStep(int step, double count);
  /** Units of @p step in @p seconds (months of 30.4375 days, years of 365.25). */
  static double countUnits(int step, double seconds);

  static void getAutoRep(double seconds, Rep& rep);
  /**
   * The representation for an axis of @p seconds: from @p reps and @p periods as described,
   * else automatic; then fills the missing units and automatic number steps.
   */
  static void chooseRep(double seconds, const std::vector<SbString>& reps, const char* periods,
                        Rep& rep, const char* method);

  /** The first graduation at or after @p start on multiples of @p numStep units. */
  static PiDate getFirstGrad(const PiDate& start, int step, int numStep);
  /**
   * Graduation dates from @p start (rounded, unless @p fit) to @p end by @p numStep units;
   * at most @p maxGrads (the last ones are dropped with a message).
   */
  static void getGradList(const PiDate& start, const PiDate& end, int step, int numStep,
                          bool fit, int maxGrads, std::vector<PiDate>& dates, const char* method);

  /** The label of @p level for @p date. */
  static SbString getLabel(const Level& level, const PiDate& date, PiDate::Language language,
                           const PiNumericFormat& secondsFormat);
};

#endif
