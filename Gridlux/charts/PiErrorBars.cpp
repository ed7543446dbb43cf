// Error bars, error bands and high-low-close ticks computed on plain arrays.
#include <Gridlux/charts/PiErrorBars.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>

namespace {

// The value of column @p c for entry @p r, before the magnitude rule.
inline float valueOf(const PiErrorBars::Column& c, int r)
{
  if (c.kind == PiErrorBars::BROADCAST && c.num <= 1)
    return c.num == 1 ? c.values[0] : 0.0f;
  if (c.kind == PiErrorBars::OPTIONAL && c.num == 0)
    return std::numeric_limits<float>::quiet_NaN();
  return c.values[std::size_t(r) * std::size_t(c.stride)];
}

// Whether the column limits the number of entries.
inline bool isPerEntry(const PiErrorBars::Column& c)
{
  switch (c.kind) {
  case PiErrorBars::REQUIRED:
    return true;
  case PiErrorBars::BROADCAST:
    return c.num > 1;
  case PiErrorBars::OPTIONAL:
    return c.num > 0;
  }
  return true;
}

inline bool isAbsent(const PiErrorBars::Column& c)
{
  return c.kind == PiErrorBars::OPTIONAL && c.num == 0;
}

// Bars along one axis, in coordinates (across, along) of the bar; swap writes them as (along,
// across), which makes horizontal bars of the vertical ones.
void bars(int n, const float* across, const float* along, const float* minus, const float* plus, float cap,
          bool swap, std::vector<SbVec2f>& segments)
{
  auto push = [&](float u, float v) { segments.push_back(swap ? SbVec2f(v, u) : SbVec2f(u, v)); };
  const float half = 0.5f * cap;
  for (int i = 0; i < n; i++) {
    const float u = across[i], lo = along[i] - minus[i], hi = along[i] + plus[i];
    if (minus[i] + plus[i] > 0.0f) {
      push(u, lo);
      push(u, hi);
    }
    if (minus[i] > 0.0f) {
      push(u - half, lo);
      push(u + half, lo);
    }
    if (plus[i] > 0.0f) {
      push(u - half, hi);
      push(u + half, hi);
    }
  }
}

} // namespace

PiErrorBars::Report PiErrorBars::gatherRows(int numColumns, const Column* columns, std::vector<float>& table,
                                            int& numRows)
{
  Report report;
  int shortest = INT_MAX, longest = -1;
  for (int c = 0; c < numColumns; c++)
    if (isPerEntry(columns[c])) {
      shortest = std::min(shortest, std::max(columns[c].num, 0));
      longest = std::max(longest, columns[c].num);
    }
  const int n = longest < 0 ? 0 : shortest;
  report.numEntries = n;
  report.unequal = longest >= 0 && shortest != longest;

  // First the entries kept, then the table column by column over them.
  std::vector<int> kept;
  kept.reserve(std::size_t(n));
  for (int r = 0; r < n; r++) {
    bool finite = true;
    for (int c = 0; c < numColumns && finite; c++)
      finite = isAbsent(columns[c]) || std::isfinite(valueOf(columns[c], r));
    if (finite)
      kept.push_back(r);
    else
      report.numDropped++;
  }
  numRows = int(kept.size());
  table.resize(std::size_t(numColumns) * kept.size());
  for (int c = 0; c < numColumns; c++) {
    float* out = table.data() + std::size_t(c) * kept.size();
    for (std::size_t k = 0; k < kept.size(); k++) {
      float v = valueOf(columns[c], kept[k]);
      if (columns[c].magnitude && v < 0.0f) {
        v = -v;
        report.numNegative++;
      }
      out[k] = v;
    }
  }
  return report;
}

void PiErrorBars::verticalBars(int n, const float* x, const float* y, const float* lower, const float* upper,
                               float capWidth, std::vector<SbVec2f>& segments)
{
  bars(n, x, y, lower, upper, capWidth, false, segments);
}

void PiErrorBars::horizontalBars(int n, const float* x, const float* y, const float* left, const float* right,
                                 float capHeight, std::vector<SbVec2f>& segments)
{
  bars(n, y, x, left, right, capHeight, true, segments);
}

void PiErrorBars::band(int n, const float* x, const float* y, const float* lower, const float* upper,
                       std::vector<SbVec2f>& strip)
{
  strip.reserve(strip.size() + 2 * std::size_t(std::max(n, 0)));
  for (int i = 0; i < n; i++) {
    strip.emplace_back(x[i], y[i] + upper[i]);
    strip.emplace_back(x[i], y[i] - lower[i]);
  }
}

float PiErrorBars::meanSpacing(int n, const float* x)
{
  if (n < 2)
    return 0.0f;
  const auto range = std::minmax_element(x, x + n);
  return (*range.second - *range.first) / float(n - 1);
}

void PiErrorBars::highLowClose(int n, const float* x, const float* high, const float* low, const float* close,
                               const float* open, float tick, std::vector<SbVec2f>& segments,
                               std::vector<int>& direction, int& segmentsPerEntry)
{
  segmentsPerEntry = open ? 3 : 2;
  segments.reserve(segments.size() + 2 * std::size_t(segmentsPerEntry) * std::size_t(std::max(n, 0)));
  direction.reserve(direction.size() + std::size_t(std::max(n, 0)));
  for (int i = 0; i < n; i++) {
    segments.emplace_back(x[i], low[i]);
    segments.emplace_back(x[i], high[i]);
    segments.emplace_back(x[i], close[i]);
    segments.emplace_back(x[i] + tick, close[i]);
    if (open) {
      segments.emplace_back(x[i] - tick, open[i]);
      segments.emplace_back(x[i], open[i]);
    }
    const bool up = open ? close[i] > open[i] : (i == 0 || close[i] > close[i - 1]);
    direction.push_back(up ? UP : DOWN);
  }
}
