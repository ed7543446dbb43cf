// Calendar graduations of a time axis: representations, their text grammar, automatic levels.
#include <Gridlux/axes/PiTimeGraduation.h>

#include <Gridlux/axes/PiLinearGraduation.h>
#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/text/PiNumericFormat.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const double kSecondsPerUnit[] = {0, 1, 60, 3600, 86400, 30.4375 * 86400, 365.25 * 86400};

struct UnitName {
  const char* name;
  int step;
};
const UnitName kUnits[] = {{"second", PiDate::SECONDS}, {"minute", PiDate::MINUTES},
                           {"hour", PiDate::HOURS},     {"day", PiDate::DAYS},
                           {"month", PiDate::MONTHS},   {"year", PiDate::YEARS}};

// Unit of a word ("day", "Days"), or 0.
int unitOfWord(const std::string& word)
{
  std::string lower;
  for (char c : word)
    lower += char(std::tolower(static_cast<unsigned char>(c)));
  if (lower.size() > 1 && lower.back() == 's')
    lower.pop_back();
  for (const UnitName& u : kUnits)
    if (lower == u.name)
      return u.step;
  return 0;
}

bool isBlank(char c)
{
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

std::string trim(const std::string& s)
{
  size_t b = 0, e = s.size();
  while (b < e && isBlank(s[b]))
    ++b;
  while (e > b && isBlank(s[e - 1]))
    --e;
  return s.substr(b, e - b);
}

// Reads a non-negative number at s[pos]; returns false when there is none.
bool readNumber(const std::string& s, size_t& pos, double& value)
{
  size_t p = pos;
  std::string digits;
  bool point = false;
  while (p < s.size() && (std::isdigit(static_cast<unsigned char>(s[p])) || (s[p] == '.' && !point))) {
    point = point || s[p] == '.';
    digits += s[p++];
  }
  if (digits.empty() || digits == ".")
    return false;
  value = std::strtod(digits.c_str(), nullptr);
  pos = p;
  return std::isfinite(value);
}

std::string readWord(const std::string& s, size_t& pos)
{
  std::string word;
  while (pos < s.size() && std::isalpha(static_cast<unsigned char>(s[pos])))
    word += s[pos++];
  return word;
}

void skipBlanks(const std::string& s, size_t& pos)
{
  while (pos < s.size() && isBlank(s[pos]))
    ++pos;
}

// Splits @p text at the separators, a '%' keeping the next character in the piece.
std::vector<std::string> split(const char* text, const char* separators)
{
  std::vector<std::string> pieces(1);
  for (const char* p = text; *p; ++p) {
    if (*p == '%' && p[1]) {
      pieces.back() += p[0];
      pieces.back() += p[1];
      ++p;
    }
    else if (std::strchr(separators, *p))
      pieces.emplace_back();
    else
      pieces.back() += *p;
  }
  return pieces;
}

bool elementOf(char code, PiTimeGraduation::ElemForm& form)
{
  switch (code) {
  case 'S': form = PiTimeGraduation::ELEM_SECOND; return true;
  case 'M': form = PiTimeGraduation::ELEM_MINUTE; return true;
  case 'H': form = PiTimeGraduation::ELEM_HOUR; return true;
  case 'd': form = PiTimeGraduation::ELEM_DAY; return true;
  case 'a': form = PiTimeGraduation::ELEM_DAY_NAME; return true;
  case 'm': form = PiTimeGraduation::ELEM_MONTH; return true;
  case 'b': form = PiTimeGraduation::ELEM_MONTH_NAME; return true;
  case 'Y': form = PiTimeGraduation::ELEM_YEAR; return true;
  default: return false;
  }
}

// One level "unit number = label"; returns an empty string on success, else the reason.
std::string parseLevel(const std::string& source, PiTimeGraduation::Level& level)
{
  const size_t equal = source.find('=');
  if (equal == std::string::npos)
    return "no '=' before the label";
  const std::string head = source.substr(0, equal);
  size_t pos = 0;
  skipBlanks(head, pos);
  if (pos < head.size() && std::isalpha(static_cast<unsigned char>(head[pos]))) {
    const std::string word = readWord(head, pos);
    level.step = unitOfWord(word);
    if (level.step == 0)
      return "unknown unit \"" + word + "\"";
  }
  skipBlanks(head, pos);
  if (pos < head.size()) {
    double number = 0.0;
    if (!readNumber(head, pos, number))
      return "unreadable number of units";
    if (number > 1e6)
      return "number of units too large";
    level.numStep = float(number);
  }
  skipBlanks(head, pos);
  if (pos != head.size())
    return "unexpected \"" + head.substr(pos) + "\" before '='";

  const std::string label = trim(source.substr(equal + 1));
  for (size_t i = 0; i < label.size(); ++i) {
    const char c = label[i];
    if (c == '%' && i + 1 < label.size() && (label[i + 1] == '%' || label[i + 1] == ';')) {
      if (level.elements.empty())
        return "text before the first element";
      level.elements.back().text += label[++i];
      continue;
    }
    if (c == '%') {
      PiTimeGraduation::ElemForm form;
      if (i + 1 >= label.size() || !elementOf(label[i + 1], form))
        return "unknown element \"" + label.substr(i, 2) + "\"";
      PiTimeGraduation::Element element;
      element.form = form;
      level.elements.push_back(element);
      ++i;
      continue;
    }
    if (level.elements.empty())
      return "text before the first element";
    level.elements.back().text += c;
  }
  if (level.elements.empty())
    return "no element in the label";
  return std::string();
}

PiTimeGraduation::Level makeLevel(int step, float numStep,
                                  std::initializer_list<std::pair<PiTimeGraduation::ElemForm, const char*>> elements)
{
  PiTimeGraduation::Level level;
  level.step = step;
  level.numStep = numStep;
  for (const auto& e : elements) {
    PiTimeGraduation::Element element;
    element.form = e.first;
    element.text = e.second;
    level.elements.push_back(element);
  }
  return level;
}

// Moves @p date by @p n units (months and years keep the day, cut to the month).
PiDate advanced(const PiDate& date, double n, int step)
{
  PiDate moved = date;
  PiDate::incDateStep(n, PiDate::Step(step), moved);
  return moved;
}

} // namespace

int PiTimeGraduation::parseRep(const char* text, Rep& rep, const char* method)
{
  rep.levels.clear();
  if (!text)
    return 0;
  const std::vector<std::string> pieces = split(text, ";");
  for (const std::string& raw : pieces) {
    const std::string piece = trim(raw);
    if (piece.empty()) // a trailing or doubled ';' asks for nothing
      continue;
    Level level;
    const std::string reason = parseLevel(piece, level);
    if (!reason.empty()) {
      PoDebugError::post(method, "level \"%s\" is left out: %s", piece.c_str(), reason.c_str());
      continue;
    }
    rep.levels.push_back(level);
  }
  return rep.getNumLevels();
}

int PiTimeGraduation::parsePeriods(const char* text, std::vector<double>& spans, const char* method)
{
  spans.clear();
  if (!text)
    return 0;
  for (const std::string& raw : split(text, ";,")) {
    const std::string item = trim(raw);
    if (item.empty())
      continue;
    size_t pos = 0;
    double total = 0.0;
    bool ok = true;
    while (pos < item.size()) {
      double number;
      skipBlanks(item, pos);
      if (!readNumber(item, pos, number)) {
        ok = false;
        break;
      }
      skipBlanks(item, pos);
      const int step = unitOfWord(readWord(item, pos));
      if (step == 0) {
        ok = false;
        break;
      }
      const double unit = step == PiDate::MONTHS ? 30.0 * 86400 : step == PiDate::YEARS ? 365.0 * 86400 : kSecondsPerUnit[step];
      total += number * unit;
      skipBlanks(item, pos);
    }
    if (!ok || !std::isfinite(total) || !(total > 0.0)) {
      PoDebugError::post(method, "period \"%s\" is not a span such as \"2 days\"; it is left out",
                         item.c_str());
      continue;
    }
    spans.push_back(total);
  }
  return int(spans.size());
}

int PiTimeGraduation::getLevel0Step(double seconds)
{
  const double s = std::fabs(seconds);
  const long long days = (long long)(s / 86400.0);
  const double rest = s - double(days) * 86400.0;
  const long long hours = (long long)(rest / 3600.0);
  const double minutes = (rest - double(hours) * 3600.0) / 60.0;
  if (days >= 1826)
    return PiDate::YEARS;
  if (days >= 151)
    return PiDate::MONTHS;
  if (days >= 6)
    return PiDate::DAYS;
  if (days >= 1 || hours > 5 || (hours == 5 && minutes > 0.0))
    return PiDate::HOURS;
  if (hours >= 1 || minutes > 5.0)
    return PiDate::MINUTES;
  return PiDate::SECONDS;
}

double PiTimeGraduation::countUnits(int step, double seconds)
{
  if (step < PiDate::SECONDS || step > PiDate::YEARS)
    return 0.0;
  return std::fabs(seconds) / kSecondsPerUnit[step];
}

float PiTimeGraduation::getAutoNumStep(int step, double count)
{
  struct Rule {
    double below;
    float step;
  };
  static const Rule sixty[] = {{13, 1}, {25, 2}, {37, 3}, {61, 5}, {121, 10}, {181, 15}, {241, 20}, {450, 30}};
  static const Rule hours[] = {{13, 1}, {25, 2}, {37, 3}, {49, 4}, {73, 6}, {97, 8}, {312, 12}};
  if (!std::isfinite(count) || count < 0.0)
    return 1.0f;
  if (step == PiDate::SECONDS || step == PiDate::MINUTES) {
    for (const Rule& r : sixty)
      if (count < r.below)
        return r.step;
  }
  else if (step == PiDate::HOURS) {
    for (const Rule& r : hours)
      if (count < r.below)
        return r.step;
  }
  // Longer spans of the small units, and the calendar units, step as a linear axis would,
  // in whole units.
  float linear = 0.0f;
  PiLinearGraduation::getStep(float(count), linear);
  return std::max(1.0f, std::round(linear));
}

void PiTimeGraduation::getAutoRep(double seconds, Rep& rep)
{
  rep.levels.clear();
  const int step0 = getLevel0Step(seconds);
  switch (step0) {
  case PiDate::SECONDS:
    rep.levels.push_back(makeLevel(step0, 0, {{ELEM_SECOND, "\""}}));
    break;
  case PiDate::MINUTES:
    rep.levels.push_back(makeLevel(step0, 0, {{ELEM_MINUTE, "'"}}));
    break;
  case PiDate::HOURS:
    rep.levels.push_back(makeLevel(step0, 0, {{ELEM_HOUR, "h"}}));
    break;
  case PiDate::DAYS:
    rep.levels.push_back(makeLevel(step0, 0, {{ELEM_DAY, ""}}));
    break;
  case PiDate::MONTHS:
    rep.levels.push_back(makeLevel(step0, 0, {{ELEM_MONTH_NAME, ""}}));
    break;
  default:
    rep.levels.push_back(makeLevel(step0, 0, {{ELEM_YEAR, ""}}));
    break;
  }
  // Level 1 steps a quarter of the span in its coarser unit, from the span's own fields.
  const double s = std::fabs(seconds);
  const long long days = (long long)(s / 86400.0);
  const long long hours = (long long)((s - double(days) * 86400.0) / 3600.0);
  const long long minutes = (long long)((s - double(days) * 86400.0 - double(hours) * 3600.0) / 60.0);
  const auto quarter = [](double n) { return float(std::max(1.0, std::floor(n / 4.0))); };
  switch (step0) {
  case PiDate::YEARS:
    break;
  case PiDate::SECONDS:
    rep.levels.push_back(makeLevel(PiDate::MINUTES, quarter(double(hours * 60 + minutes)),
                                   {{ELEM_HOUR, "h "}, {ELEM_MINUTE, "'"}}));
    break;
  case PiDate::MINUTES:
    rep.levels.push_back(makeLevel(PiDate::HOURS, quarter(double(days * 24 + hours)),
                                   {{ELEM_DAY, " "}, {ELEM_HOUR, "h"}}));
    break;
  case PiDate::HOURS:
    rep.levels.push_back(makeLevel(PiDate::DAYS, quarter(double(days)),
                                   {{ELEM_DAY, " "}, {ELEM_MONTH_NAME, " "}, {ELEM_YEAR, ""}}));
    break;
  case PiDate::DAYS:
    rep.levels.push_back(makeLevel(PiDate::MONTHS, quarter(countUnits(PiDate::MONTHS, s)),
                                   {{ELEM_MONTH_NAME, " "}, {ELEM_YEAR, ""}}));
    break;
  default:
    rep.levels.push_back(makeLevel(PiDate::YEARS, quarter(countUnits(PiDate::YEARS, s)), {{ELEM_YEAR, ""}}));
    break;
  }
  for (Level& level : rep.levels)
    if (level.numStep <= 0.0f)
      level.numStep = getAutoNumStep(level.step, countUnits(level.step, s));
}

void PiTimeGraduation::chooseRep(double seconds, const std::vector<SbString>& reps,
                                 const char* periods, Rep& rep, const char* method)
{
  rep.levels.clear();
  bool anyRep = false;
  for (const SbString& r : reps)
    anyRep = anyRep || trim(r.getString()).size() > 0;
  std::vector<double> spans;
  if (anyRep && periods && trim(periods).size() > 0)
    parsePeriods(periods, spans, method);
  if (spans.empty()) {
    getAutoRep(seconds, rep);
    return;
  }
  const double s = std::fabs(seconds);
  size_t range = 0;
  while (range < spans.size() && s > spans[range])
    ++range;
  if (range >= reps.size() || parseRep(reps[range].getString(), rep, method) == 0) {
    getAutoRep(seconds, rep);
    return;
  }
  // Missing units follow the previous level's; after years the levels end.
  int previous = 0;
  for (size_t i = 0; i < rep.levels.size(); ++i) {
    Level& level = rep.levels[i];
    if (level.step == 0)
      level.step = i == 0 ? getLevel0Step(s) : previous + 1;
    if (level.step > PiDate::YEARS) {
      rep.levels.resize(i);
      break;
    }
    previous = level.step;
    if (level.numStep <= 0.0f)
      level.numStep = getAutoNumStep(level.step, countUnits(level.step, s));
  }
  if (rep.levels.empty())
    getAutoRep(seconds, rep);
}

PiDate PiTimeGraduation::getFirstGrad(const PiDate& start, int step, int numStep)
{
  const int n = std::max(1, numStep);
  PiDate c = start;
  int value = 0;
  switch (step) {
  case PiDate::SECONDS:
    c.second = std::floor(c.second);
    value = int(c.second);
    break;
  case PiDate::MINUTES:
    c.second = 0.0f;
    value = c.minute;
    break;
  case PiDate::HOURS:
    c.second = 0.0f;
    c.minute = 0;
    value = c.hour;
    break;
  case PiDate::DAYS:
    c = PiDate(c.year, c.month, c.day);
    value = c.day - 1;
    break;
  case PiDate::MONTHS:
    c = PiDate(c.year, c.month, 1);
    value = c.month - 1;
    break;
  default:
    step = PiDate::YEARS;
    c = PiDate(c.year, 1, 1);
    value = c.year;
    break;
  }
  const int r = ((value % n) + n) % n;
  if (r != 0)
    c = advanced(c, n - r, step);
  if (c < start)
    c = advanced(c, n, step);
  return c;
}

void PiTimeGraduation::getGradList(const PiDate& start, const PiDate& end, int step, int numStep,
                                   bool fit, int maxGrads, std::vector<PiDate>& dates,
                                   const char* method)
{
  dates.clear();
  if (step < PiDate::SECONDS || step > PiDate::YEARS || end < start)
    return;
  const int n = std::max(1, numStep);
  const PiDate first = fit ? start : getFirstGrad(start, step, n);
  // Each graduation is counted from the first, so that month ends do not drift.
  for (int i = 0;; ++i) {
    const PiDate date = i == 0 ? first : advanced(first, double(i) * n, step);
    if (end < date)
      break;
    if (int(dates.size()) >= maxGrads) {
      PoDebugError::post(method, "more than %d graduations; the last ones are left out", maxGrads);
      break;
    }
    dates.push_back(date);
  }
}

SbString PiTimeGraduation::getLabel(const Level& level, const PiDate& date, PiDate::Language language,
                                    const PiNumericFormat& secondsFormat)
{
  SbString label;
  char buffer[PiNumericFormat::STRING_SIZE];
  PiDate named = date;
  for (const Element& e : level.elements) {
    buffer[0] = '\0';
    switch (e.form) {
    case ELEM_SECOND: secondsFormat.getString(date.second, buffer); break;
    case ELEM_MINUTE: std::snprintf(buffer, sizeof(buffer), "%d", date.minute); break;
    case ELEM_HOUR: std::snprintf(buffer, sizeof(buffer), "%d", date.hour); break;
    case ELEM_DAY: std::snprintf(buffer, sizeof(buffer), "%d", date.day); break;
    case ELEM_DAY_NAME: {
      const int w = named.getDayWeek();
      if (w >= 1 && w <= 7)
        std::snprintf(buffer, sizeof(buffer), "%s", PiDate::getDays(language)[w - 1]);
      break;
    }
    case ELEM_MONTH: std::snprintf(buffer, sizeof(buffer), "%d", date.month); break;
    case ELEM_MONTH_NAME:
      if (date.month >= 1 && date.month <= 12)
        std::snprintf(buffer, sizeof(buffer), "%s", PiDate::getMonths(language)[date.month - 1]);
      break;
    case ELEM_YEAR: std::snprintf(buffer, sizeof(buffer), "%d", date.year); break;
    }
    label += buffer;
    label += e.text;
  }
  return label;
}
