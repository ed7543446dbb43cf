// Small numeric helpers shared by the text, axis and legend code.
#include <Gridlux/text/PiTextTools.h>

#include <climits>
#include <cmath>

namespace {

int clampToInt(double x)
{
  if (std::isnan(x))
    return 0;
  if (x >= double(INT_MAX))
    return INT_MAX;
  if (x <= double(INT_MIN))
    return INT_MIN;
  return int(x);
}

} // namespace

int plowerInteger(float x)
{
  return clampToInt(std::floor(double(x)));
}

int pupperInteger(float x)
{
  return clampToInt(std::ceil(double(x)));
}

int pnearestInteger(float x)
{
  const double v = x;
  return clampToInt(std::trunc(v < 0.0 ? v - 0.5 : v + 0.5));
}

int getPositionInSortedArray(const float* array, int n, float value)
{
  if (!array || n <= 0 || std::isnan(value) || value < array[0])
    return -1;
  // Invariant: array[low] <= value, and value < array[high] when high < n.
  int low = 0, high = n;
  while (high - low > 1) {
    const int middle = low + (high - low) / 2;
    if (array[middle] <= value)
      low = middle;
    else
      high = middle;
  }
  return low;
}

SbColor pinterpolateColors(float v, float v1, const SbColor& c1, float v2, const SbColor& c2)
{
  if (v1 == v2 || std::isnan(v))
    return c1;
  float t = (v - v1) / (v2 - v1);
  t = t < 0.0f ? 0.0f : (t > 1.0f ? 1.0f : t);
  return c1 + (c2 - c1) * t;
}

float pcalculateXInterpolation(float x1, float y1, float x2, float y2, float y)
{
  if (y1 == y2)
    return x1;
  return x1 + (y - y1) * (x2 - x1) / (y2 - y1);
}

float pcalculateYInterpolation(float x1, float y1, float x2, float y2, float x)
{
  if (x1 == x2)
    return y1;
  return y1 + (x - x1) * (y2 - y1) / (x2 - x1);
}
