// Splits the graduations of an axis into labelled main graduations and unlabelled sub ticks.
#include <Gridlux/axes/PiGradList.h>

#include <Gridlux/base/PoDebugError.h>

#include <algorithm>
#include <cmath>

namespace {

// Sub ticks are laid while inside the axis, with this fraction of a sub step as slack at the ends.
const double kSlack = 1e-4;

// Sub ticks running away from a main graduation at most this many: a safety net for an absurd
// sub step, far above any readable axis.
const int kMaxSubTicks = 100000;

} // namespace

void PiGradList::compute(const Input& in)
{
  m_main.clear();
  m_mainLabels.clear();
  m_sub.clear();
  const int n = in.numGrads;
  if (n <= 0)
    return;
  if (!in.grads) {
    PoDebugError::post("PiGradList::compute", "%d graduations given without coordinates", n);
    return;
  }
  const int first = std::max(1, in.firstGrad) - 1;  // 0-based, inclusive
  const int last = n - std::max(1, in.lastGrad);    // 0-based, inclusive

  auto addMain = [&](int i) {
    m_main.push_back(in.grads[i]);
    m_mainLabels.push_back(in.labels ? in.labels[i] : SbString());
  };

  if (in.subDef == PERIOD_MAIN_TICK) {
    const int period = std::max(1, in.numOrPeriod);
    for (int i = 0; i < n; ++i) {
      if (i >= first && i <= last && (i - first) % period == 0)
        addMain(i);
      else
        m_sub.push_back(in.grads[i]);
    }
    return;
  }

  for (int i = first; i <= last; ++i)
    addMain(i);
  if (in.numOrPeriod >= 1)
    addSubTicksAround(in);
}

void PiGradList::addSubTicksAround(const Input& in)
{
  const int k = in.numOrPeriod;
  const double lo = std::min(in.start, in.end), hi = std::max(in.start, in.end);
  const int numMain = int(m_main.size());

  if (numMain >= 2) {
    const double subStep = (double(m_main[1]) - double(m_main[0])) / (k + 1);
    const double slack = kSlack * std::fabs(subStep);
    auto inside = [&](double x) { return x >= lo - slack && x <= hi + slack; };
    for (int j = 1; j <= kMaxSubTicks; ++j) {
      const double x = double(m_main[0]) - j * subStep;
      if (!inside(x))
        break;
      m_sub.push_back(float(x));
    }
    for (int m = 0; m + 1 < numMain; ++m)
      for (int j = 1; j <= k; ++j)
        m_sub.push_back(float(double(m_main[m]) + j * subStep));
    for (int j = 1; j <= kMaxSubTicks; ++j) {
      const double x = double(m_main[numMain - 1]) + j * subStep;
      if (!inside(x))
        break;
      m_sub.push_back(float(x));
    }
    return;
  }

  // One main graduation or none: the interval is the pair of step multiples around the range.
  const double step = std::fabs(double(in.step));
  if (!(step > 0.0) || !std::isfinite(step))
    return;
  const double a = std::floor(lo / step) * step, b = std::ceil(hi / step) * step;
  double subStep = (b - a) / (k + 1);
  if (a < lo && b > hi)
    subStep *= 0.5;
  if (!(subStep > 0.0) || (b - a) / subStep > kMaxSubTicks)
    return;
  const double slack = kSlack * subStep;
  const int count = int(std::floor((b - a) / subStep + kSlack));
  for (int j = 0; j <= count; ++j) {
    const double x = a + j * subStep;
    if (x < lo - slack || x > hi + slack)
      continue;
    bool nearMain = false;
    for (float m : m_main)
      nearMain = nearMain || std::fabs(x - m) < 0.5 * subStep;
    if (!nearMain)
      m_sub.push_back(float(x));
  }
}
