// Chooses how a set of numbers is printed: decimals and a common power of ten.
#include <Gridlux/text/PiNumericFormat.h>

#include <Gridlux/attributes/PbNumericDisplayFormat.h>
#include <Gridlux/base/PoDebugError.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// Largest number of decimals printed; beyond it floats carry no information.
const int kMaxDecimals = 30;

// Digit count of m > 0: digits before the point for m >= 1, 0 in [0.1, 1), and minus the
// number of leading zeros after the point below 0.1 (0.05 gives -1).
int digitCount(double m)
{
  if (m >= 1.0)
    return int(std::trunc(std::log10(m))) + 1;
  int e = 0;
  while (m < 0.1 && e > -400) {
    m *= 10.0;
    --e;
  }
  return e;
}

} // namespace

PiNumericFormat::PiNumericFormat()
{
  setFormatInteger(0);
}

void PiNumericFormat::setFormatInteger(int tenPower)
{
  m_isFloat = 0;
  m_tenPower = tenPower;
  m_numDecimals = 0;
  std::strcpy(m_format, "%d");
}

void PiNumericFormat::setFloat(int tenPower, int numDecimals)
{
  m_isFloat = 1;
  m_tenPower = tenPower;
  m_numDecimals = std::min(std::max(numDecimals, 0), kMaxDecimals);
  std::snprintf(m_format, sizeof(m_format), "%%.%df", m_numDecimals);
}

int PiNumericFormat::getDecimalsNeeded(float value, int rounding)
{
  double x = std::fabs(double(value));
  if (!std::isfinite(x))
    return 0;
  if (rounding && x > 0.0) {
    // Three significant digits: scale so that the leading digit sits in the hundreds.
    const double k = std::floor(std::log10(x));
    const double scale = std::pow(10.0, 2.0 - k);
    x = std::trunc(x * scale + 0.5) / scale;
  }
  int d = 4;
  if (x >= 1.0)
    d = std::max(0, 5 - (int(std::trunc(std::log10(x))) + 1));
  char text[STRING_SIZE * 4];
  std::snprintf(text, sizeof(text), "%.*f", d, x);
  const char* point = std::strchr(text, '.');
  if (!point)
    return 0;
  int count = int(std::strlen(point + 1));
  // Trailing zeros say nothing; trailing nines are float noise of a rounder number, unless a
  // zero after them shows that they were printed on purpose.
  bool zeroDropped = false;
  while (count > 0) {
    const char c = point[count];
    if (c == '0')
      zeroDropped = true;
    else if (c != '9' || zeroDropped)
      break;
    --count;
  }
  return count;
}

void PiNumericFormat::setFormatAuto(float first, float last, float step, int rounding)
{
  if (!std::isfinite(first) || !std::isfinite(last) || !std::isfinite(step)) {
    PoDebugError::post("PiNumericFormat::setFormatAuto",
                       "non-finite range (%g, %g, step %g); integers are printed", first, last,
                       step);
    setFormatInteger(0);
    return;
  }
  double a = std::fabs(double(first));
  const double b = std::fabs(double(last));
  double s = std::fabs(double(step));
  const double m = std::max(a, b);
  if (m == 0.0) {
    setFormatInteger(0);
    return;
  }
  const int e = digitCount(m);
  int p = 0;
  if (m >= 1.0)
    p = 3 * ((e - 1) / 3);
  else if (m < 0.1)
    p = 3 * (e / 3) - 3;
  if (p != 0) {
    const double factor = std::pow(10.0, p);
    a /= factor;
    s /= factor;
  }
  const int decimals =
      std::max(getDecimalsNeeded(float(s), rounding), getDecimalsNeeded(float(a), rounding));
  if (decimals > 0)
    setFloat(p, decimals);
  else
    setFormatInteger(p);
}

void PiNumericFormat::setFormat(const PbNumericDisplayFormat* format, float first, float last,
                                float step, int rounding)
{
  if (!format || format->getFormatType() == PbNumericDisplayFormat::AUTO_FORMAT) {
    setFormatAuto(first, last, step, rounding);
    return;
  }
  if (format->getFormatType() == PbNumericDisplayFormat::FLOAT_FORMAT)
    setFloat(format->getTenPower(), format->getNumDecimal());
  else
    setFormatInteger(format->getTenPower());
}

void PiNumericFormat::setFormat(const PbNumericDisplayFormat* format, int n, const float* values,
                                int rounding)
{
  if (n > 0 && !values) {
    PoDebugError::post("PiNumericFormat::setFormat", "null value array for %d values", n);
    n = 0;
  }
  std::vector<float> finite;
  finite.reserve(n > 0 ? size_t(n) : 0u);
  for (int i = 0; i < n; ++i)
    if (std::isfinite(values[i]))
      finite.push_back(values[i]);
  if (int(finite.size()) != std::max(n, 0))
    PoDebugError::post("PiNumericFormat::setFormat",
                       "%d of %d values are not finite; they are left out of the format",
                       n - int(finite.size()), n);
  if (finite.empty()) {
    setFormat(format, 0.0f, 0.0f, 0.0f, rounding);
    return;
  }
  std::sort(finite.begin(), finite.end());
  // The smallest gap decides how many decimals it takes to tell the values apart.
  float gap = 0.0f;
  for (size_t i = 1; i < finite.size(); ++i) {
    const float d = finite[i] - finite[i - 1];
    if (d > 0.0f && (gap == 0.0f || d < gap))
      gap = d;
  }
  setFormat(format, finite.front(), finite.back(), gap, rounding);
}

void PiNumericFormat::getString(float value, char* out) const
{
  if (!out) {
    PoDebugError::post("PiNumericFormat::getString", "null output buffer");
    return;
  }
  out[0] = '\0';
  if (!std::isfinite(value)) {
    PoDebugError::post("PiNumericFormat::getString", "the value is not finite");
    return;
  }
  double v = value;
  if (m_tenPower != 0)
    v /= std::pow(10.0, m_tenPower);
  char text[512];
  if (m_isFloat) {
    std::snprintf(text, sizeof(text), m_format, v);
  } else {
    // Half away from zero; printed through a double so that no magnitude overflows an int.
    const double rounded = std::trunc(v < 0.0 ? v - 0.5 : v + 0.5);
    if (std::fabs(rounded) < 2147483647.0)
      std::snprintf(text, sizeof(text), m_format, int(rounded));
    else
      std::snprintf(text, sizeof(text), "%.0f", rounded);
  }
  std::strncpy(out, text, STRING_SIZE - 1);
  out[STRING_SIZE - 1] = '\0';
}

SbString PiNumericFormat::getString(float value) const
{
  char text[STRING_SIZE];
  getString(value, text);
  return SbString(text);
}
