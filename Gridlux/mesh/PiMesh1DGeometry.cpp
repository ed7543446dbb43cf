// Series geometry: interpretations (the smooth one through PiCubicSpline) and cuts of a polyline along an axis.
#include <Gridlux/mesh/PiMesh1DGeometry.h>

#include <Gridlux/charts/PiCubicSpline.h>

#include <cstddef>

namespace {

enum { AS_IS, SMOOTH, STAIRS_X, STAIRS_Y, HISTO_X, HISTO_Y, STAIRS_2X, STAIRS_2Y };

} // namespace

void PiMesh1DGeometry::interpret(int interpretation, int n, const float* x, const float* y,
                                 std::vector<Vertex>& vertices, std::vector<int>& nodeVertex)
{
  vertices.clear();
  nodeVertex.assign(n > 0 ? n : 0, 0);
  if (n <= 0)
    return;
  if (interpretation == SMOOTH && n > 1) {
    const int s = 10;
    std::vector<SbVec2f> points(n);
    for (int i = 0; i < n; i++)
      points[i].setValue(x[i], y[i]);
    PiCubicSpline spline;
    spline.setValues(n, points.data(), s);
    int num = 0;
    const SbVec3f* smooth = spline.getPoints(num);
    for (int v = 0; v < num; v++) {
      const int i = v / s;
      const int k = v % s;
      const int b = i + 1 < n ? i + 1 : i;
      vertices.push_back({smooth[v][0], smooth[v][1], i, b, float(k) / s});
    }
    for (int i = 0; i < n; i++)
      nodeVertex[i] = s * i;
    return;
  }
  if (interpretation < STAIRS_X || interpretation > STAIRS_2Y) {
    for (int i = 0; i < n; i++) {
      vertices.push_back({x[i], y[i], i, i, 0});
      nodeVertex[i] = i;
    }
    return;
  }
  // Candidates equal to the last vertex are dropped, so that no two consecutive vertices coincide.
  auto add = [&](float px, float py, int a, int b, float t) {
    if (!vertices.empty() && vertices.back().x == px && vertices.back().y == py)
      return;
    vertices.push_back({px, py, a, b, t});
  };
  auto last = [&]() { return int(vertices.size()) - 1; };
  add(x[0], y[0], 0, 0, 0);
  nodeVertex[0] = 0;
  for (int i = 1; i < n; i++) {
    const int p = i - 1;
    const float c = (x[p] + x[i]) / 2;
    const float m = (y[p] + y[i]) / 2;
    switch (interpretation) {
    case STAIRS_X:
      add(x[i], y[p], p, p, 0);
      add(x[i], y[i], i, i, 0);
      break;
    case STAIRS_Y:
      add(x[p], y[i], i, i, 0);
      add(x[i], y[i], i, i, 0);
      break;
    case HISTO_X:
      add(x[p], m, p, i, 0.5f);
      add(x[i], m, p, i, 0.5f);
      break;
    case HISTO_Y:
      add(c, y[p], p, p, 0);
      add(c, y[i], i, i, 0);
      break;
    case STAIRS_2X:
      add(x[p], m, p, i, 0.5f);
      add(c, m, p, i, 0.5f);
      add(c, y[i], i, i, 0);
      add(x[i], y[i], i, i, 0);
      break;
    case STAIRS_2Y:
      add(c, y[p], p, p, 0);
      add(c, m, p, i, 0.5f);
      add(x[i], m, p, i, 0.5f);
      add(x[i], y[i], i, i, 0);
      break;
    }
    nodeVertex[i] = last();
  }
  if (interpretation == HISTO_X || interpretation == HISTO_Y) {
    add(x[n - 1], y[n - 1], n - 1, n - 1, 0);
    nodeVertex[n - 1] = last();
  }
}

void PiMesh1DGeometry::cutAlongAxis(const std::vector<Vertex>& vertices, int axis, const std::vector<float>& coords,
                                    std::vector<Cut>& cuts)
{
  cuts.clear();
  const int numSegments = int(vertices.size()) - 1;
  auto along = [axis](const Vertex& v) { return axis == 0 ? v.x : v.y; };
  for (float c : coords) {
    for (int k = 0; k < numSegments; k++) {
      const Vertex& p = vertices[k];
      const Vertex& q = vertices[k + 1];
      const float a0 = along(p);
      const float a1 = along(q);
      if ((c - a0) * (c - a1) > 0 || c == a1)
        continue;
      // a0 != a1 here: c lies in [a0, a1] and differs from a1.
      const float t = (c - a0) / (a1 - a0);
      const float x = axis == 0 ? c : p.x + (q.x - p.x) * t;
      const float y = axis == 0 ? p.y + (q.y - p.y) * t : c;
      cuts.push_back({x, y, k, t});
    }
  }
}
