// Geometry of free point sets on plain arrays: usable entries, value-scaled sizes, marker discs
// and bars from a threshold.
#include <Gridlux/charts/PiPointField.h>

#include <Gridlux/base/PoDebugError.h>

#include <algorithm>
#include <cmath>

void PiPointField::usableEntries(const char* method, int numPoints, const SbVec2f* points,
                                 int numValues, const float* values, std::vector<int>& kept)
{
  kept.clear();
  int num = std::max(numPoints, 0);
  const bool hasValues = numValues >= 0;
  if (hasValues) {
    if (numValues != numPoints)
      PoDebugError::postWarning(method, "%d points but %d values; the first %d are drawn", numPoints,
                                numValues, std::min(numPoints, numValues));
    num = std::max(std::min(numPoints, numValues), 0);
  }
  kept.reserve(num);
  for (int i = 0; i < num; ++i) {
    const bool finite = std::isfinite(points[i][0]) && std::isfinite(points[i][1]) &&
                        (!hasValues || std::isfinite(values[i]));
    if (finite)
      kept.push_back(i);
  }
  const int dropped = num - int(kept.size());
  if (dropped)
    PoDebugError::postWarning(method, "%d of %d entries are not finite; not drawn", dropped, num);
}

void PiPointField::linearSizes(const std::vector<int>& kept, const float* values, float minSize,
                               float maxSize, std::vector<float>& sizes)
{
  sizes.resize(kept.size());
  if (kept.empty())
    return;
  float lo = values[kept[0]], hi = lo;
  for (int i : kept) {
    lo = std::min(lo, values[i]);
    hi = std::max(hi, values[i]);
  }
  // The span in double: values near the float limits would overflow hi - lo.
  const double span = double(hi) - double(lo);
  for (size_t k = 0; k < kept.size(); ++k) {
    const double t = span > 0.0 ? (double(values[kept[k]]) - lo) / span : 0.5;
    sizes[k] = float(minSize + (double(maxSize) - minSize) * t);
  }
}

void PiPointField::appendDisc(const SbVec2f& centre, float diameter, float aspect, const SbVec2f* unit,
                              int numUnit, std::vector<SbVec3f>& coords)
{
  const float rx = 0.5f * diameter, ry = rx / aspect;
  for (int i = 0; i < numUnit; ++i)
    coords.emplace_back(centre[0] + unit[i][0] * rx, centre[1] + unit[i][1] * ry, 0.0f);
}

void PiPointField::appendBarLines(const SbVec2f* points, const std::vector<int>& kept, float threshold,
                                  std::vector<SbVec3f>& coords)
{
  for (int i : kept) {
    coords.emplace_back(points[i][0], threshold, 0.0f);
    coords.emplace_back(points[i][0], points[i][1], 0.0f);
  }
}

void PiPointField::appendBarRectangles(const SbVec2f* points, const std::vector<int>& kept,
                                       float threshold, float width, std::vector<SbVec3f>& coords)
{
  const float half = 0.5f * width;
  for (int i : kept) {
    const float x = points[i][0];
    const float lo = std::min(threshold, points[i][1]), hi = std::max(threshold, points[i][1]);
    coords.emplace_back(x - half, lo, 0.0f);
    coords.emplace_back(x + half, lo, 0.0f);
    coords.emplace_back(x + half, hi, 0.0f);
    coords.emplace_back(x - half, hi, 0.0f);
  }
}
