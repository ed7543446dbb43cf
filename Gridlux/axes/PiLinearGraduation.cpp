// Automatic graduation of a linear range: a round step, the first graduation and their count.
#include <Gridlux/axes/PiLinearGraduation.h>

#include <Gridlux/base/PoDebugError.h>

#include <cmath>

namespace {

// Ends and whole multiples are compared with this fraction of the step, so that a graduation
// that float rounding puts a hair outside the range is still drawn.
const double kEndTolerance = 1e-4;

double automaticStep(double range)
{
  // The single-precision 0.1 makes a range of exactly 10^n choose 2 * 10^(n-1): 5 intervals
  // rather than 10, which reads better on a short axis.
  const double d = std::fabs(range) * double(0.1f);
  int e;
  if (d <= 1.0) {
    double p = 1.0;
    e = 0;
    do {
      p *= 0.1;
      --e;
    } while (d < p);
  }
  else
    e = int(std::trunc(std::log10(d)));
  const double unit = std::pow(10.0, e + 1);
  const double r = d / unit;
  double factor = 0.2;
  if (r > 0.49)
    factor = 1.0;
  else if (r > 0.39)
    factor = 0.5;
  else if (r > 0.29)
    factor = 0.4;
  else if (r > 0.19)
    factor = 0.3;
  return unit * factor;
}

} // namespace

void PiLinearGraduation::getStep(float range, float& step)
{
  if (!std::isfinite(range) || !std::isfinite(step)) {
    PoDebugError::post("PiLinearGraduation::getStep", "range %g or step %g is not finite",
                       range, step);
    step = 0.0f;
    return;
  }
  if (range == 0.0f)
    return;
  double size = std::fabs(double(step));
  if (size != 0.0 && std::fabs(double(range)) / size > MAX_GRADUATIONS) {
    PoDebugError::post("PiLinearGraduation::getStep",
                       "step %g makes more than %d graduations over %g; automatic step used",
                       step, int(MAX_GRADUATIONS), range);
    size = 0.0;
  }
  if (size == 0.0)
    size = automaticStep(range);
  step = float(range < 0.0f ? -size : size);
}

void PiLinearGraduation::getFirstGrad(GradFit fit, float start, float end, float step,
                                      float& first, int& num)
{
  first = start;
  num = 0;
  if (!std::isfinite(start) || !std::isfinite(end) || !std::isfinite(step)) {
    PoDebugError::post("PiLinearGraduation::getFirstGrad",
                       "start %g, end %g or step %g is not finite", start, end, step);
    return;
  }
  if (start == end)
    return;
  if (step == 0.0f || (step > 0.0f) != (end > start)) {
    PoDebugError::post("PiLinearGraduation::getFirstGrad",
                       "step %g does not lead from %g to %g", step, start, end);
    return;
  }
  const double s = step;
  const double span = (double(end) - double(start)) / s; // positive
  if (span > MAX_GRADUATIONS) {
    PoDebugError::post("PiLinearGraduation::getFirstGrad",
                       "step %g makes more than %d graduations from %g to %g", step,
                       int(MAX_GRADUATIONS), start, end);
    return;
  }
  const double tol = kEndTolerance;
  if (fit == GRAD_FIT) {
    first = start;
    num = int(std::floor(span + tol)) + 1;
    return;
  }
  // Whole multiples of the step: k0 the first at or after start, k1 the last at or before end,
  // counted in the direction of the step.
  const double k0 = std::ceil(double(start) / s - tol);
  const double k1 = std::floor(double(end) / s + tol);
  if (k1 < k0)
    return;
  first = float(k0 * s);
  num = int(k1 - k0) + 1;
}

void PiLinearGraduation::getGrads(GradFit fit, float start, float end, float& step,
                                  float& first, int& num)
{
  getStep(end - start, step);
  getFirstGrad(fit, start, end, step, first, num);
}
