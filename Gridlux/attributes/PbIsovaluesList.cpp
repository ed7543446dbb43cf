// Isovalue lists: regular and irregular forms, lookups of the neighbouring levels.
#include <Gridlux/attributes/PbIsovaluesList.h>

#include <Gridlux/base/PoDebugError.h>

#include <cmath>
#include <utility>

namespace {

const float kNoIsovalue = 1e20f;

} // namespace

PbIsovaluesList::PbIsovaluesList() : m_values{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}
{
}

PbIsovaluesList::PbIsovaluesList(float min, float max, int num) : PbIsovaluesList()
{
  setRegularP("PbIsovaluesList::PbIsovaluesList", min, max, num);
}

PbIsovaluesList::PbIsovaluesList(const PbIsovaluesList& other) = default;

PbIsovaluesList& PbIsovaluesList::operator=(const PbIsovaluesList& other)
{
  if (this == &other)
    return *this;
  m_min = other.m_min;
  m_max = other.m_max;
  m_values = other.m_values;
  m_step = other.m_step;
  m_minDelta = other.m_minDelta;
  m_num = other.m_num;
  m_regular = other.m_regular;
  PbBase::operator=(other);
  return *this;
}

void PbIsovaluesList::changed()
{
  setChangeType(CHANGE_GENERAL);
  notifyChange();
}

int PbIsovaluesList::setRegularP(const char* methodName, float min, float max, int num)
{
  if (num < 2) {
    PoDebugError::post(methodName, "a regular list needs at least 2 values (got %d)", num);
    return 0;
  }
  if (std::isnan(min) || std::isnan(max) || min == max) {
    PoDebugError::post(methodName, "the bounds must be two different numbers (got %g and %g)",
                       double(min), double(max));
    return 0;
  }
  if (max < min)
    std::swap(min, max);
  const float step = (max - min) / float(num - 1);
  m_values.resize(size_t(num));
  for (int i = 0; i < num - 1; ++i)
    m_values[size_t(i)] = min + float(i) * step;
  m_values[size_t(num - 1)] = max;
  m_num = num;
  m_min = min;
  m_max = max;
  m_step = m_minDelta = step;
  m_regular = 1;
  changed();
  return 1;
}

int PbIsovaluesList::setRegularIsoList(float min, float max, int num)
{
  return setRegularP("PbIsovaluesList::setRegularIsoList", min, max, num);
}

int PbIsovaluesList::setRegularIsoList(float min, float max)
{
  return setRegularP("PbIsovaluesList::setRegularIsoList", min, max, m_num);
}

int PbIsovaluesList::setRegularIsoList(int num)
{
  return setRegularP("PbIsovaluesList::setRegularIsoList", m_min, m_max, num);
}

int PbIsovaluesList::setRegularIsoList(int num, float first, float step)
{
  const char* method = "PbIsovaluesList::setRegularIsoList";
  if (num < 1) {
    PoDebugError::post(method, "the number of values must be >= 1 (got %d)", num);
    return 0;
  }
  if (std::isnan(first) || std::isnan(step) || (num > 1 && step == 0.0f)) {
    PoDebugError::post(method, "bad first value %g or step %g", double(first), double(step));
    return 0;
  }
  m_values.resize(size_t(num));
  for (int i = 0; i < num; ++i) {
    const float value = first + float(i) * step;
    m_values[size_t(step >= 0 ? i : num - 1 - i)] = value;
  }
  m_num = num;
  m_min = m_values.front();
  m_max = m_values.back();
  m_step = m_minDelta = step;
  m_regular = 1;
  changed();
  return 1;
}

int PbIsovaluesList::setRegularIsoList(int numValues, const float* values)
{
  return setRegularIsoList(numValues, values, m_num);
}

int PbIsovaluesList::setRegularIsoList(int numValues, const float* values, int num)
{
  const char* method = "PbIsovaluesList::setRegularIsoList";
  if (numValues < 1 || !values) {
    PoDebugError::post(method, "no values to take the bounds from");
    return 0;
  }
  float min = values[0], max = values[0];
  for (int i = 1; i < numValues; ++i) {
    if (values[i] < min)
      min = values[i];
    if (values[i] > max)
      max = values[i];
  }
  return setRegularP(method, min, max, num);
}

int PbIsovaluesList::setIrregularIsoList(int num, const float* values)
{
  const char* method = "PbIsovaluesList::setIrregularIsoList";
  if (num < 0 || (num > 0 && !values)) {
    PoDebugError::post(method, "bad list of %d values", num);
    return 0;
  }
  for (int i = 0; i < num; ++i) {
    if (std::isnan(values[i])) {
      PoDebugError::post(method, "value %d is NaN", i);
      return 0;
    }
  }
  m_values.assign(values, values + num);
  // Selection sort: a candidate replaces the minimum only when strictly smaller.
  for (int i = 0; i < num - 1; ++i) {
    int smallest = i;
    for (int j = i + 1; j < num; ++j) {
      if (m_values[size_t(j)] < m_values[size_t(smallest)])
        smallest = j;
    }
    std::swap(m_values[size_t(i)], m_values[size_t(smallest)]);
  }

  m_num = num;
  m_regular = 1;
  if (num > 1) {
    const float firstGap = m_values[1] - m_values[0];
    m_minDelta = firstGap;
    for (int i = 1; i < num - 1; ++i) {
      const float gap = m_values[size_t(i + 1)] - m_values[size_t(i)];
      if (gap != firstGap)
        m_regular = 0;
      if (std::fabs(gap) < std::fabs(m_minDelta))
        m_minDelta = gap;
    }
  }
  m_step = m_minDelta;
  if (num > 0) {
    m_min = m_values.front();
    m_max = m_values.back();
  }
  changed();
  return 1;
}

const float* PbIsovaluesList::getIsoList(int& num, float& min, float& max, float& step,
                                         int& regular) const
{
  num = m_num;
  min = m_min;
  max = m_max;
  step = m_step;
  regular = m_regular;
  return m_num > 0 ? m_values.data() : nullptr;
}

float PbIsovaluesList::getLowerIsovalue(float v) const
{
  if (m_num == 0 || v < m_values[0])
    return -kNoIsovalue;
  for (int i = 1; i < m_num; ++i) {
    if (m_values[size_t(i)] > v)
      return m_values[size_t(i - 1)];
  }
  return m_values[size_t(m_num - 1)];
}

float PbIsovaluesList::getUpperIsovalue(float v) const
{
  if (m_num == 0 || v > m_values[size_t(m_num - 1)])
    return kNoIsovalue;
  for (int i = 0; i < m_num; ++i) {
    if (m_values[size_t(i)] >= v)
      return m_values[size_t(i)];
  }
  return m_values[size_t(m_num - 1)];
}

int PbIsovaluesList::getIndex(float v) const
{
  const int num = m_num;
  if (num == 0 || !(v > m_values[0]))
    return 0;
  if (v > m_values[size_t(num - 1)])
    return num;
  const float* values = m_values.data();
  if (m_regular && m_step != 0.0f) {
    // Direct guess from the step, then settled against the stored values, which rounding may
    // put a hair away from first + k * step.
    long k = long((v - values[0]) / m_step);
    if (k < 0)
      k = 0;
    if (k > num - 1)
      k = num - 1;
    int index = int(k);
    while (index < num && values[index] < v)
      ++index;
    while (index > 0 && values[index - 1] >= v)
      --index;
    return index;
  }
  int low = 0, high = num - 1;
  while (low <= high) {
    const int middle = (low + high) / 2;
    if (values[middle] == v)
      return middle;
    if (v < values[middle])
      high = middle - 1;
    else
      low = middle + 1;
  }
  return low;
}

int operator==(const PbIsovaluesList& a, const PbIsovaluesList& b)
{
  if (a.m_num != b.m_num)
    return 0;
  for (int i = 0; i < a.m_num; ++i) {
    if (a.m_values[size_t(i)] != b.m_values[size_t(i)])
      return 0;
  }
  return 1;
}
