// Isovalue tie-breaking: moves isovalues off node values so that no contour passes through a node.
#include <Gridlux/representations/algorithms/PiFieldwork.h>

#include <Gridlux/attributes/PbIsovaluesList.h>

#include <algorithm>
#include <cmath>

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

} // namespace

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

  // One pass over the values marks the isovalues that some node value equals; only those pay
  // for the full tie-break, which scans the values again.
  m_sorted.assign(iso, iso + num);
  std::sort(m_sorted.begin(), m_sorted.end());
  m_hit.assign(num, 0);
  int anyHit = 0;
  const float* arrays[3] = {valuesA, valuesB, valuesC};
  const int counts[3] = {numA, numB, numC};
  for (int k = 0; k < 3; ++k) {
    if (!arrays[k])
      continue;
    for (int i = 0; i < counts[k]; ++i) {
      const float v = arrays[k][i];
      auto it = std::lower_bound(m_sorted.begin(), m_sorted.end(), v);
      if (it != m_sorted.end() && *it == v) {
        m_hit[it - m_sorted.begin()] = 1;
        anyHit = 1;
      }
    }
  }
  if (!anyHit)
    return num;
  for (int i = 0; i < num; ++i) {
    const size_t rank = std::lower_bound(m_sorted.begin(), m_sorted.end(), m_adjusted[i]) - m_sorted.begin();
    if (rank < m_sorted.size() && m_hit[rank] &&
        adjustIsovalMultiple(numA, valuesA, numB, valuesB, numC, valuesC, m_adjusted[i]))
      m_isAdjusted = 1;
  }
  return num;
}
