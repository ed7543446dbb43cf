// Pie-chart arithmetic: display list, grouping, angles, pull-out table, annotation anchors.
#include <Gridlux/charts/PiPieSlices.h>

#include <cmath>

namespace {
const double kTwoPi = 6.283185307179586;
// Quarter turns as floats, so that a bisector computed in floats at exactly pi/2 lands on the
// side the rules give it.
const float kHalfPi = 1.5707963705062866f;
const float kPi = 2 * kHalfPi;

bool positive(float v)
{
  return std::isfinite(v) && v > 0.0f;
}
} // namespace

void PiPieSlices::compute(int n, const float* values, int groupActive, float groupMinValue,
                          ThresholdMode mode)
{
  m_slices.clear();
  m_percentages.assign(n > 0 ? n : 0, 0.0f);
  m_sum = 0.0f;
  m_numGrouped = 0;
  if (n <= 0 || !values)
    return;
  double sum = 0.0;
  for (int i = 0; i < n; ++i)
    if (positive(values[i]))
      sum += values[i];
  m_sum = float(sum);
  if (!(sum > 0.0) || !std::isfinite(sum))
    return;
  for (int i = 0; i < n; ++i)
    m_percentages[i] = std::isfinite(values[i]) ? float(values[i] / sum * 100.0) : 0.0f;

  double threshold = 0.0;
  if (groupActive && std::isfinite(groupMinValue))
    threshold = mode == PERCENTAGE ? groupMinValue * (sum * 0.01) : groupMinValue;
  int small = 0;
  double smallSum = 0.0;
  for (int i = 0; i < n; ++i)
    if (positive(values[i]) && values[i] < threshold) {
      ++small;
      smallSum += values[i];
    }
  const bool group = groupActive && small >= 2;

  // Cumulative shares, so that consecutive slices meet exactly and the last ends at 2 pi.
  double before = 0.0;
  auto add = [&](int index, double value) {
    Slice slice;
    slice.index = index;
    slice.value = float(value);
    slice.percentage = float(value / sum * 100.0);
    slice.start = float(before / sum * kTwoPi);
    before += value;
    slice.end = float(before / sum * kTwoPi);
    m_slices.push_back(slice);
  };
  for (int i = 0; i < n; ++i)
    if (positive(values[i]) && !(group && values[i] < threshold))
      add(i, values[i]);
  if (group) {
    m_numGrouped = small;
    add(-1, smallSum);
  }
  if (!m_slices.empty())
    m_slices.back().end = float(kTwoPi);
}

void PiPieSlices::pullOutTable(int n, int m, const short* numbers, const float* distances,
                               float* table)
{
  for (int i = 0; i <= n; ++i)
    table[i] = 0.0f;
  for (int i = 0; i < m; ++i) {
    const int k = numbers[i];
    const float t = std::isfinite(distances[i]) ? distances[i] : 0.0f;
    if (k < 0)
      table[n] = t;
    else if (k < n)
      table[k] = t;
  }
}

void PiPieSlices::internalPlacement(IntPosition position, float mid, int& side, float& rotation)
{
  if (position == RADIAL_INT) {
    const bool right = mid < kHalfPi || mid >= 3.0f * kHalfPi;
    side = right ? 0 : 1;
    rotation = right ? mid : mid - kPi;
  }
  else {
    side = (mid > kHalfPi && mid < 3.0f * kHalfPi) ? 1 : 0;
    rotation = 0.0f;
  }
}

PiPieSlices::Leader PiPieSlices::externalLeader(ExtPosition position, const SbVec2f& o, float mid,
                                                float d1, float d2, float d3)
{
  const SbVec2f u(std::cos(mid), std::sin(mid));
  const float d = d1 + d2;
  Leader l;
  l.p1 = o + d1 * u;
  l.p2 = o + d * u;
  l.rotation = 0.0f;
  const bool rightHalf = mid <= kHalfPi || mid >= 3.0f * kHalfPi;
  switch (position) {
  case RADIAL_EXT: {
    const bool right = mid < kHalfPi || mid >= 3.0f * kHalfPi;
    l.p3 = o + (d + d3) * u;
    l.side = right ? 0 : 1;
    l.rotation = right ? mid : mid - kPi;
    break;
  }
  case HOR_ALIGNED_EXT:
    if (mid > 0 && mid < kPi) {
      l.p3 = SbVec2f(l.p2[0], o[1] + d + d3);
      l.side = 2;
    }
    else {
      l.p3 = SbVec2f(l.p2[0], o[1] - d - d3);
      l.side = 3;
    }
    break;
  case VERT_ALIGNED_EXT:
    l.side = rightHalf ? 0 : 1;
    l.p3 = SbVec2f(rightHalf ? o[0] + d + d3 : o[0] - d - d3, l.p2[1]);
    break;
  case SQUARE_ALIGNED_EXT: {
    const float t = std::tan(mid);
    if (mid < 0.5f * kHalfPi || mid >= 3.5f * kHalfPi) {
      l.p2 = SbVec2f(o[0] + d, o[1] + d * t);
      l.p3 = l.p2 + SbVec2f(d3, 0);
      l.side = 0;
    }
    else if (mid < 1.5f * kHalfPi) {
      l.p2 = SbVec2f(o[0] + d / t, o[1] + d);
      l.p3 = l.p2 + SbVec2f(0, d3);
      l.side = 2;
    }
    else if (mid < 2.5f * kHalfPi) {
      l.p2 = SbVec2f(o[0] - d, o[1] - d * t);
      l.p3 = l.p2 - SbVec2f(d3, 0);
      l.side = 1;
    }
    else {
      l.p2 = SbVec2f(o[0] - d / t, o[1] - d);
      l.p3 = l.p2 - SbVec2f(0, d3);
      l.side = 3;
    }
    break;
  }
  case HOR_EXT:
  default:
    l.side = rightHalf ? 0 : 1;
    l.p3 = l.p2 + SbVec2f(rightHalf ? d3 : -d3, 0);
    break;
  }
  return l;
}
