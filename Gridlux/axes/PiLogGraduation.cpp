// Decade graduation of a logarithmic axis: whole decades, sub graduations at the logarithms
// of digits, and the texts of their labels.
#include <Gridlux/axes/PiLogGraduation.h>

#include <Gridlux/axes/PiGradList.h>
#include <Gridlux/base/PoDebugError.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// Slack on the decade bounds, so that an end lying on a decade up to float noise keeps it.
const float kDecadeSlack = 1e-5f;

bool inDecimalRange(float first, float last)
{
  return first >= -4.0f && first <= 4.0f && last >= -4.0f && last <= 4.0f;
}

} // namespace

int PiLogGraduation::computeDecadeGradList(int numDecades, unsigned short digits[MAX_DIGITS])
{
  static const unsigned short table[][MAX_DIGITS + 1] = {
      // count, digits
      {8, 2, 3, 4, 5, 6, 7, 8, 9}, {4, 2, 4, 6, 8}, {3, 3, 6, 9}, {2, 4, 8}, {1, 5}, {0}};
  int row;
  if (numDecades < 3)
    row = 0;
  else if (numDecades <= 4)
    row = 1;
  else if (numDecades <= 8)
    row = 2;
  else if (numDecades <= 16)
    row = 3;
  else if (numDecades <= 32)
    row = 4;
  else
    row = 5;
  const int count = table[row][0];
  for (int i = 0; i < count; ++i)
    digits[i] = table[row][i + 1];
  return count;
}

int PiLogGraduation::readDecadeList(const unsigned short* values, int num,
                                    unsigned short digits[MAX_DIGITS], const char* method)
{
  if (num > MAX_DIGITS)
    PoDebugError::postWarning(method, "decadeList has %d values; only the first %d are read", num,
                              MAX_DIGITS);
  bool seen[10] = {};
  for (int i = 0; i < std::min(num, MAX_DIGITS); ++i) {
    const unsigned short d = values[i];
    if (d < 2 || d > 9) {
      PoDebugError::postWarning(method, "decade digit %u is not in 2..9; ignored", unsigned(d));
      continue;
    }
    seen[d] = true;
  }
  int count = 0;
  for (unsigned short d = 2; d <= 9; ++d)
    if (seen[d])
      digits[count++] = d;
  return count;
}

PiLogGraduation::Label PiLogGraduation::convertLogGradToStr(int k, int digit, bool powerForm,
                                                            bool digitOnly,
                                                            const char* addString)
{
  Label label;
  char text[512];
  if (powerForm) {
    if (digit > 1)
      std::snprintf(text, sizeof(text), "%d.10", digit);
    else
      std::snprintf(text, sizeof(text), "10");
    label.base = text;
    std::snprintf(text, sizeof(text), "%d", k);
    label.power = text;
    return label;
  }
  if (digitOnly)
    std::snprintf(text, sizeof(text), "%d", digit);
  else {
    const double value = double(digit) * std::pow(10.0, double(k));
    if (k >= 0)
      std::snprintf(text, sizeof(text), "%.0f", value);
    else {
      char format[16];
      std::snprintf(format, sizeof(format), "%%.%df", -k);
      std::snprintf(text, sizeof(text), format, value);
    }
  }
  label.base = text;
  if (addString)
    label.base += addString;
  return label;
}

int PiLogGraduation::compute(const Input& in, const char* method)
{
  m_numDecades = 0;
  m_mainCoords.clear();
  m_mainLabels.clear();
  m_subCoords.clear();
  m_decadeCoords.clear();
  m_decadeLabels.clear();
  const float a = std::min(in.lo, in.hi), b = std::max(in.lo, in.hi);

  // Whole decades inside [a, b].
  int k0 = 0, k1 = -1;
  if (in.lo != in.hi) {
    const double first = std::ceil(double(a) - kDecadeSlack);
    const double last = std::floor(double(b) + kDecadeSlack);
    if (last - first + 1.0 > MAX_DECADES)
      PoDebugError::post(method, "axis from %g to %g spans more than %d decades; no graduations",
                         in.lo, in.hi, int(MAX_DECADES));
    else if (last >= first) {
      k0 = int(first);
      k1 = int(last);
    }
  }
  const int numMain = k1 - k0 + 1;
  m_numDecades = std::max(0, numMain);

  if (in.autoDigits)
    m_numDigits = numMain > 0 ? computeDecadeGradList(numMain, m_digits) : 0;
  else {
    m_numDigits = std::min(std::max(in.numDigits, 0), int(MAX_DIGITS));
    for (int i = 0; i < m_numDigits; ++i)
      m_digits[i] = in.digits[i];
  }

  // Sub graduations: in the decade below k0 down to a, inside every decade up to k1, and
  // after k1 up to b; each remembers its decade and digit for its label.
  struct Sub {
    float coord;
    int k, digit;
  };
  std::vector<Sub> subs;
  if (numMain > 0)
    for (int k = k0 - 1; k <= k1; ++k)
      for (int i = 0; i < m_numDigits; ++i) {
        const double x = k + std::log10(double(m_digits[i]));
        if (x < double(a) - kDecadeSlack || x > double(b) + kDecadeSlack)
          continue;
        subs.push_back({float(x), k, int(m_digits[i])});
      }

  std::vector<float> decades(m_numDecades);
  for (int i = 0; i < m_numDecades; ++i)
    decades[i] = float(k0 + i);

  // The tick selection chooses the labelled decades; the others join the sub ticks.
  PiGradList::Input select;
  select.start = in.lo;
  select.end = in.hi;
  select.step = 1.0f;
  select.numGrads = m_numDecades;
  select.grads = decades.data();
  select.subDef = PiGradList::PERIOD_MAIN_TICK;
  select.numOrPeriod = in.period;
  select.firstGrad = in.firstGrad;
  select.lastGrad = in.lastGrad;
  PiGradList list;
  list.compute(select);
  m_mainCoords = list.mainCoords();

  bool mainPower = in.tenPowerRep == TEN_POWER_POW10;
  if (in.tenPowerRep == TEN_POWER_AUTO)
    mainPower = !(numMain > 0 && inDecimalRange(float(k0), float(k1)));
  for (float coord : m_mainCoords)
    m_mainLabels.push_back(
        convertLogGradToStr(int(std::lround(coord)), 1, mainPower, false, in.addString));

  m_subCoords = list.subCoords();
  if (in.decadeRep != DECADE_NONE && !subs.empty()) {
    bool power = in.decadeRep == DECADE_AS_TEN_POWER;
    if (in.decadeRep == DECADE_AUTO)
      power = !inDecimalRange(subs.front().coord, subs.back().coord);
    const bool digitOnly = in.decadeRep == DECADE_DIGIT;
    for (const Sub& sub : subs) {
      m_decadeCoords.push_back(sub.coord);
      m_decadeLabels.push_back(
          convertLogGradToStr(sub.k, sub.digit, power, digitOnly, in.addString));
    }
  }
  for (const Sub& sub : subs)
    m_subCoords.push_back(sub.coord);
  std::sort(m_subCoords.begin(), m_subCoords.end());
  return m_numDecades;
}
