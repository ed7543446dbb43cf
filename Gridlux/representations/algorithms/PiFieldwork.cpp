// Isovalue tie-breaking: moves isovalues off node values so that no contour passes through a node.
#include <Gridlux/representations/algorithms/PiFieldwork.h>

#include <Gridlux/attributes/PbIsovaluesList.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

struct Arrays {
  int num[3];
  const float* values[3];
};

// Smallest |v - iso| strictly greater than @p above over the three arrays; -1 when none.
double nearestGapAbove(const Arrays& a, float iso, double above)
{
  double best = -1.0;
  for (int k = 0; k < 3; ++k) {
    const float* v = a.values[k];
    if (!v)
      continue;
    for (int i = 0; i < a.num[k]; ++i) {
      const double d = std::fabs(static_cast<double>(v[i]) - iso);
      if (d > above && (best < 0 || d < best))
        best = d;
    }
  }
  return best;
}

// Blocks small enough to stay in the first-level cache while every level passes over them.
constexpr int kBlock = 1024;
// Up to this many levels, a pass per level beats a search per value.
constexpr int kFewLevels = 48;

} // namespace

void countBelowAll(const float* sorted, int numSorted, const float* values, int num, int* out)
{
  if (numSorted > kFewLevels) {
    for (int i = 0; i < num; ++i)
      out[i] = countBelow(sorted, numSorted, values[i]);
    return;
  }
  for (int start = 0; start < num; start += kBlock) {
    const int end = std::min(num, start + kBlock);
    for (int i = start; i < end; ++i)
      out[i] = 0;
    for (int k = 0; k < numSorted; ++k) {
      const float level = sorted[k];
      for (int i = start; i < end; ++i)
        out[i] += level < values[i]; // false for NaN
    }
  }
}

bool anyValueOnLevel(const float* levels, int numLevels, const float* values, int num)
{
  if (numLevels > kFewLevels) {
    std::vector<float> sorted(levels, levels + numLevels);
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < num; ++i) {
      const int k = countBelow(sorted.data(), numLevels, values[i]);
      if (k < numLevels && sorted[k] == values[i])
        return true;
    }
    return false;
  }
  for (int start = 0; start < num; start += kBlock) {
    const int end = std::min(num, start + kBlock);
    int hits = 0;
    for (int k = 0; k < numLevels; ++k) {
      const float level = levels[k];
      for (int i = start; i < end; ++i)
        hits |= level == values[i];
    }
    if (hits)
      return true;
  }
  return false;
}

int PiFieldwork::adjustIsovalMultiple(int numA, const float* valuesA, int numB, const float* valuesB,
                                      int numC, const float* valuesC, float& isoValue)
{
  const Arrays a = {{valuesA ? numA : 0, valuesB ? numB : 0, valuesC ? numC : 0}, {valuesA, valuesB, valuesC}};
  const int total = a.num[0] + a.num[1] + a.num[2];
  if (total <= 0)
    return 0;
  int numEqual = 0;
  int someAbove = 0;
  for (int k = 0; k < 3; ++k) {
    for (int i = 0; i < a.num[k]; ++i) {
      const float v = a.values[k][i];
      numEqual += (v == isoValue);
      someAbove |= (v > isoValue);
    }
  }
  if (numEqual == 0 || numEqual == total)
    return 0;

  const double direction = someAbove ? 1.0 : -1.0;
  const float original = isoValue;
  double gap = 0.0;
  // Each round looks for a larger gap when the previous one vanished in float precision.
  for (int round = 0; round < 64; ++round) {
    gap = nearestGapAbove(a, original, gap);
    if (gap <= 0)
      break;
    const float before = isoValue;
    isoValue = static_cast<float>(isoValue + direction * 0.01 * gap);
    if (isoValue != before)
      return 1;
    for (int k = 2; k < 10; ++k) {
      isoValue = static_cast<float>(before + direction * (k / 100.0) * gap);
      if (isoValue != before)
        return 1;
    }
    isoValue = static_cast<float>(before + gap);
  }
  return 1;
}

int PiFieldwork::adjust(int numA, const float* valuesA, int numB, const float* valuesB, int numC,
                        const float* valuesC)
{
  m_isAdjusted = 0;
  m_adjusted.clear();
  if (!m_list)
    return 0;
  int num = 0;
  float min, max, step;
  int regular;
  const float* iso = m_list->getIsoList(num, min, max, step, regular);
  if (!iso || num <= 0)
    return 0;
  m_adjusted.assign(iso, iso + num);

  // Values that fall exactly on a level are rare: find out first with a cheap pass.
  const float* lists[3] = {valuesA, valuesB, valuesC};
  const int sizes[3] = {numA, numB, numC};
  bool anyOnLevel = false;
  for (int a = 0; a < 3 && !anyOnLevel; ++a)
    anyOnLevel = lists[a] && sizes[a] > 0 && anyValueOnLevel(iso, num, lists[a], sizes[a]);
  if (!anyOnLevel)
    return num;

  // One pass over the values gathers, per sorted isovalue, how many values equal it and, per
  // gap between consecutive isovalues, the smallest and largest value strictly inside. That
  // is all the tie-break needs, so a large mesh is read once whatever the number of levels.
  m_sorted.assign(iso, iso + num);
  std::sort(m_sorted.begin(), m_sorted.end());
  const int m = num;
  m_equal.assign(m, 0);
  m_gapMin.assign(m + 1, std::numeric_limits<float>::infinity());
  m_gapMax.assign(m + 1, -std::numeric_limits<float>::infinity());
  long long total = 0;
  int anyEqual = 0;
  const float* arrays[3] = {valuesA, valuesB, valuesC};
  const int counts[3] = {numA, numB, numC};
  const float* sorted = m_sorted.data();
  for (int a = 0; a < 3; ++a) {
    if (!arrays[a])
      continue;
    for (int i = 0; i < counts[a]; ++i) {
      const float v = arrays[a][i];
      ++total;
      if (std::isnan(v))
        continue;
      const int k = countBelow(sorted, m, v);
      if (k < m && sorted[k] == v) {
        ++m_equal[k];
        anyEqual = 1;
      } else {
        m_gapMin[k] = std::min(m_gapMin[k], v);
        m_gapMax[k] = std::max(m_gapMax[k], v);
      }
    }
  }
  if (!anyEqual)
    return num;

  for (int i = 0; i < num; ++i) {
    const float u = m_adjusted[i];
    const int first = static_cast<int>(std::lower_bound(sorted, sorted + m, u) - sorted);
    if (first >= m || sorted[first] != u || m_equal[first] == 0)
      continue;
    if (m_equal[first] == total)
      continue; // every value sits on it: there is no side to move to
    const int last = static_cast<int>(std::upper_bound(sorted, sorted + m, u) - sorted) - 1;
    // Nearest values above and below u: the first non-empty gap or hit isovalue on each side.
    double above = 0, below = 0;
    int hasAbove = 0, hasBelow = 0;
    for (int j = last + 1; j <= m && !hasAbove; ++j) {
      if (m_gapMin[j] <= m_gapMax[j]) {
        above = m_gapMin[j];
        hasAbove = 1;
      } else if (j < m && m_equal[j] > 0) {
        above = sorted[j];
        hasAbove = 1;
      }
    }
    for (int j = first; j >= 0 && !hasBelow; --j) {
      if (m_gapMin[j] <= m_gapMax[j]) {
        below = m_gapMax[j];
        hasBelow = 1;
      } else if (j > 0 && m_equal[j - 1] > 0) {
        below = sorted[j - 1];
        hasBelow = 1;
      }
    }
    double gap = hasAbove ? above - u : -1.0;
    if (hasBelow && (gap < 0 || u - below < gap))
      gap = u - below;
    const int someAbove = hasAbove;
    const double direction = someAbove ? 1.0 : -1.0;
    const float moved = gap > 0 ? static_cast<float>(u + direction * 0.01 * gap) : u;
    if (moved != u) {
      m_adjusted[i] = moved;
      m_isAdjusted = 1;
    } else if (adjustIsovalMultiple(numA, valuesA, numB, valuesB, numC, valuesC, m_adjusted[i])) {
      // Float rounding hid the small step: the full search tries larger ones.
      m_isAdjusted = 1;
    }
  }
  return num;
}
