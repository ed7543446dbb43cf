// Series geometry: interpretations, cubic spline and cuts of a polyline along an axis.
#include <Gridlux/mesh/PiMesh1DGeometry.h>

#include <cstddef>

namespace {

enum { AS_IS, SMOOTH, STAIRS_X, STAIRS_Y, HISTO_X, HISTO_Y, STAIRS_2X, STAIRS_2Y };

// Slopes of the spline through @p v (one coordinate, uniform parameter) at every point.
void splineSlopes(const std::vector<double>& v, bool closed, std::vector<double>& d)
{
  const int n = int(v.size());
  d.assign(n, 0.0);
  if (n < 2)
    return;
  if (!closed) {
    // Natural end conditions: tridiagonal system 2 1 / 1 4 1 / 1 2, forward elimination then back.
    std::vector<double> g(n), delta(n);
    g[0] = 0.5;
    delta[0] = 3 * (v[1] - v[0]) * g[0];
    for (int i = 1; i < n - 1; i++) {
      g[i] = 1 / (4 - g[i - 1]);
      delta[i] = (3 * (v[i + 1] - v[i - 1]) - delta[i - 1]) * g[i];
    }
    g[n - 1] = 1 / (2 - g[n - 2]);
    delta[n - 1] = (3 * (v[n - 1] - v[n - 2]) - delta[n - 2]) * g[n - 1];
    d[n - 1] = delta[n - 1];
    for (int i = n - 2; i >= 0; i--)
      d[i] = delta[i] - g[i] * d[i + 1];
    return;
  }
  // Closed curve: the last point repeats the first. Cyclic system over the m distinct points,
  // rows D(i-1) + 4 D(i) + D(i+1) = 3 (v(i+1) - v(i-1)), solved by Sherman-Morrison.
  const int m = n - 1;
  if (m < 3) {
    return; // two distinct points cannot bend a closed curve: straight segments
  }
  std::vector<double> rhs(m), diag(m, 4.0), u(m, 0.0), z(m), q(m);
  for (int i = 0; i < m; i++)
    rhs[i] = 3 * (v[(i + 1) % m] - v[(i + m - 1) % m]);
  const double gamma = -diag[0];
  diag[0] -= gamma;
  diag[m - 1] -= 1.0 / gamma;
  u[0] = gamma;
  u[m - 1] = 1.0;
  auto solve = [&](const std::vector<double>& r, std::vector<double>& out) {
    std::vector<double> c(m), dd(m);
    c[0] = 1.0 / diag[0];
    dd[0] = r[0] / diag[0];
    for (int i = 1; i < m; i++) {
      const double den = diag[i] - c[i - 1];
      c[i] = 1.0 / den;
      dd[i] = (r[i] - dd[i - 1]) / den;
    }
    out.assign(m, 0.0);
    out[m - 1] = dd[m - 1];
    for (int i = m - 2; i >= 0; i--)
      out[i] = dd[i] - c[i] * out[i + 1];
  };
  solve(rhs, z);
  solve(u, q);
  const double factor = (z[0] + z[m - 1] / gamma) / (1.0 + q[0] + q[m - 1] / gamma);
  for (int i = 0; i < m; i++)
    d[i] = z[i] - factor * q[i];
  d[m] = d[0];
}

} // namespace

void PiMesh1DGeometry::spline(int n, const float* x, const float* y, int subdivisions, std::vector<float>& sx,
                              std::vector<float>& sy)
{
  sx.clear();
  sy.clear();
  if (n <= 0 || subdivisions < 1)
    return;
  const bool closed = n > 1 && x[0] == x[n - 1] && y[0] == y[n - 1];
  std::vector<double> vx(x, x + n), vy(y, y + n), dx, dy;
  splineSlopes(vx, closed, dx);
  splineSlopes(vy, closed, dy);
  auto cubic = [](double a, double b, double da, double db, double u) {
    return a + da * u + (3 * (b - a) - 2 * da - db) * u * u + (2 * (a - b) + da + db) * u * u * u;
  };
  for (int i = 0; i + 1 < n; i++)
    for (int k = 0; k < subdivisions; k++) {
      const double u = double(k) / subdivisions;
      sx.push_back(float(cubic(vx[i], vx[i + 1], dx[i], dx[i + 1], u)));
      sy.push_back(float(cubic(vy[i], vy[i + 1], dy[i], dy[i + 1], u)));
    }
  sx.push_back(x[n - 1]);
  sy.push_back(y[n - 1]);
}

void PiMesh1DGeometry::interpret(int interpretation, int n, const float* x, const float* y,
                                 std::vector<Vertex>& vertices, std::vector<int>& nodeVertex)
{
  vertices.clear();
  nodeVertex.assign(n > 0 ? n : 0, 0);
  if (n <= 0)
    return;
  if (interpretation == SMOOTH && n > 1) {
    const int s = 10;
    std::vector<float> sx, sy;
    spline(n, x, y, s, sx, sy);
    for (std::size_t v = 0; v < sx.size(); v++) {
      const int i = int(v) / s;
      const int k = int(v) % s;
      const int b = i + 1 < n ? i + 1 : i;
      vertices.push_back({sx[v], sy[v], i, b, float(k) / s});
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
