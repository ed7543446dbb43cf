// Graduation of an arc of a circle in degrees: the arc's extent, the automatic step and the
// graduation angles with their labels.
#include <Gridlux/axes/PiAngularGraduation.h>

#include <cmath>

namespace {
const double kTwoPi = 2.0 * M_PI;
const double kDegrees = 180.0 / M_PI;
} // namespace

double PiAngularGraduation::normalizeAngle(double angle)
{
  double a = std::fmod(angle, kTwoPi);
  if (a < 0.0)
    a += kTwoPi;
  // fmod of a value just below a whole turn can round up to it.
  return a >= kTwoPi ? 0.0 : a;
}

bool PiAngularGraduation::getArc(float startAngle, float endAngle, double& start,
                                 double& length)
{
  if (!std::isfinite(startAngle) || !std::isfinite(endAngle))
    return false;
  start = normalizeAngle(startAngle);
  const double end = normalizeAngle(endAngle);
  // Ends a float's rounding apart are one angle: 0 .. 2pi is the full circle.
  const double tolerance = 1e-6;
  length = end - start;
  if (length <= tolerance)
    length += kTwoPi;
  if (length > kTwoPi - tolerance)
    length = kTwoPi;
  return true;
}

double PiAngularGraduation::getAutoStep(float radius, float domainWidth, double rangeDegrees)
{
  const double q = domainWidth > 0.0f ? double(radius) / (0.5 * double(domainWidth)) : 1.0;
  double step = q >= 1.0 ? 10.0 : q >= 0.75 ? 15.0 : q >= 0.5 ? 30.0 : 45.0;
  if (rangeDegrees < step) {
    // A small sector still gets a few graduations.
    const double slack = 1e-6;
    step = rangeDegrees >= 30.0 - slack ? 30.0
           : rangeDegrees >= 15.0 - slack ? 15.0
           : rangeDegrees >= 10.0 - slack ? 10.0
                                          : 5.0;
  }
  return step;
}

int PiAngularGraduation::getGrads(GradFit fit, double lo, double hi, double stepDegrees,
                                  bool fullCircle, std::vector<float>& angles,
                                  std::vector<int>& degrees, int maxCount)
{
  angles.clear();
  degrees.clear();
  if (!(stepDegrees > 0.0) || !(hi >= lo))
    return 0;
  const double loDeg = lo * kDegrees, hiDeg = hi * kDegrees;
  const double eps = 1e-5 * stepDegrees;
  const double first =
      fit == GRAD_FIT ? loDeg : std::ceil(loDeg / stepDegrees - 1e-5) * stepDegrees;
  const double count = std::floor((hiDeg - first + eps) / stepDegrees) + 1.0;
  if (count < 1.0 || count > double(maxCount))
    return 0;
  int num = int(count);
  if (fullCircle && num > 1 && (num - 1) * stepDegrees >= 360.0 - eps)
    --num;
  for (int i = 0; i < num; ++i) {
    const double deg = first + i * stepDegrees;
    angles.push_back(float(deg / kDegrees));
    double shown = std::fmod(deg, 360.0);
    if (shown < 0.0)
      shown += 360.0;
    int rounded = int(std::floor(shown + 0.5));
    degrees.push_back(rounded >= 360 ? rounded - 360 : rounded);
  }
  return num;
}

SbVec2f PiAngularGraduation::boxOffset(const SbVec2f& u, float width, float height)
{
  const float reach = 0.5f * (std::fabs(u[0]) * width + std::fabs(u[1]) * height);
  return SbVec2f(u[0] * reach, u[1] * reach);
}
