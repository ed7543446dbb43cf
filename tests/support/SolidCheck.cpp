// Edge counting and enclosed volume of triangle soups, independent of how the library built them.
#include "SolidCheck.h"

#include <cmath>
#include <map>
#include <tuple>
#include <utility>

namespace {

using Key = std::tuple<long long, long long, long long>;

Key quantize(const SbVec3f& v, double tolerance)
{
  return Key(std::llround(v[0] / tolerance), std::llround(v[1] / tolerance), std::llround(v[2] / tolerance));
}

} // namespace

SolidReport checkSolid(const std::vector<GeometryProbe::Triangle>& triangles, double weldTolerance)
{
  SolidReport report;
  std::map<Key, int> ids;
  auto idOf = [&](const SbVec3f& v) {
    auto it = ids.emplace(quantize(v, weldTolerance), int(ids.size())).first;
    return it->second;
  };
  // Per undirected edge: how many triangles run it low->high and high->low.
  std::map<std::pair<int, int>, std::pair<int, int>> edges;
  for (const GeometryProbe::Triangle& t : triangles) {
    const int a = idOf(t.v[0]), b = idOf(t.v[1]), c = idOf(t.v[2]);
    if (a == b || b == c || a == c || t.area() < weldTolerance * weldTolerance)
      continue;
    ++report.numTriangles;
    report.area += t.area();
    const SbVec3f& p = t.v[0];
    const SbVec3f& q = t.v[1];
    const SbVec3f& r = t.v[2];
    report.volume += (double(p[0]) * (double(q[1]) * r[2] - double(q[2]) * r[1]) -
                      double(p[1]) * (double(q[0]) * r[2] - double(q[2]) * r[0]) +
                      double(p[2]) * (double(q[0]) * r[1] - double(q[1]) * r[0])) /
                     6.0;
    const int corner[3] = {a, b, c};
    for (int i = 0; i < 3; ++i) {
      const int u = corner[i], w = corner[(i + 1) % 3];
      auto& count = edges[std::make_pair(std::min(u, w), std::max(u, w))];
      (u < w ? count.first : count.second) += 1;
    }
  }
  for (const auto& [edge, count] : edges) {
    const int uses = count.first + count.second;
    if (uses == 1)
      ++report.openEdges;
    else if (uses == 2 && count.first != 1)
      ++report.misorientedEdges;
    else if (uses > 2)
      ++report.nonManifoldEdges;
  }
  return report;
}
