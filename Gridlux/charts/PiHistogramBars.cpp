// Places the bars of histograms along their axis: slots, bar widths, side-by-side and stacked groups.
#include <Gridlux/charts/PiHistogramBars.h>

#include <cmath>

float PiHistogramBars::barWidth(float slot, int spaceType, float spaceValue)
{
  if (!(slot > 0.0f))
    return 0.0f;
  float width;
  if (spaceType == FIXED_SPACE)
    width = spaceValue > 0.0f ? slot - spaceValue : slot;
  else
    width = (1.0f - spaceValue) * slot;
  if (!(width > 0.0f))
    return 0.0f;
  return width > slot ? slot : width;
}

namespace {
// Start of slot i and the direction of the axis.
struct Axis {
  float start, slot;
  float dir;
  Axis(float s, float e, int n) : start(s), slot(n > 0 ? std::fabs(e - s) / n : 0.0f), dir(e >= s ? 1.0f : -1.0f) {}
  // Extent of the piece [offset, offset + width] of slot i, measured in the axis' direction.
  void piece(int i, float offset, float width, float& lo, float& hi) const
  {
    const float a = start + dir * (i * slot + offset);
    const float b = a + dir * width;
    lo = a < b ? a : b;
    hi = a < b ? b : a;
  }
};
} // namespace

void PiHistogramBars::single(float start, float end, float baseline, int spaceType, float spaceValue,
                             const float* values, int numValues, std::vector<Bar>& bars)
{
  bars.clear();
  if (numValues <= 0 || !values)
    return;
  const Axis axis(start, end, numValues);
  const float width = barWidth(axis.slot, spaceType, spaceValue);
  bars.resize(numValues);
  for (int i = 0; i < numValues; ++i) {
    Bar& bar = bars[i];
    axis.piece(i, 0.5f * (axis.slot - width), width, bar.alongMin, bar.alongMax);
    bar.from = baseline;
    bar.to = values[i];
  }
}

void PiHistogramBars::multiple(float start, float end, float baseline, int spaceType, float spaceValue,
                               int representation, const float* values, int numGroups, int numMembers,
                               std::vector<Bar>& bars, std::vector<float>& groupSums)
{
  bars.clear();
  groupSums.clear();
  if (numGroups <= 0 || numMembers <= 0 || !values)
    return;
  const Axis axis(start, end, numGroups);
  const float groupWidth = barWidth(axis.slot, spaceType, spaceValue);
  const float gap = axis.slot - groupWidth;
  bars.resize(size_t(numGroups) * numMembers);
  groupSums.resize(numGroups);
  for (int g = 0; g < numGroups; ++g) {
    const float* v = values + size_t(g) * numMembers;
    double sum = 0.0;
    for (int k = 0; k < numMembers; ++k)
      sum += v[k];
    groupSums[g] = float(sum);
    double top = baseline;
    for (int k = 0; k < numMembers; ++k) {
      Bar& bar = bars[size_t(g) * numMembers + k];
      if (representation == JUXTAPOSED) {
        const float w = groupWidth / numMembers;
        axis.piece(g, 0.5f * gap + k * w, w, bar.alongMin, bar.alongMax);
        bar.from = baseline;
        bar.to = v[k];
        continue;
      }
      axis.piece(g, 0.5f * gap, groupWidth, bar.alongMin, bar.alongMax);
      // Each stacked bar sits on the top of the previous one.
      const double height = representation == PERCENTAGE ? (sum > 0.0 ? v[k] / sum * 100.0 : 0.0) : v[k];
      bar.from = float(top);
      top += height;
      bar.to = float(top);
    }
  }
}

int PiHistogramBars::percentage(float value, float sum)
{
  if (!(sum > 0.0f))
    return 0;
  return int(std::lround(double(value) / sum * 100.0));
}
