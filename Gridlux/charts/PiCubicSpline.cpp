// Cubic spline: natural or periodic slopes per coordinate, then Hermite cubics sampled per interval.
#include <Gridlux/charts/PiCubicSpline.h>

#include <Gridlux/base/PoDebugError.h>

#include <vector>

namespace {

// Slopes D of the spline through v (uniform parameter). Natural ends: rows 2 1 / 1 4 1 / 1 2,
// forward elimination then back substitution.
void naturalSlopes(const std::vector<double>& v, std::vector<double>& d)
{
  const int n = int(v.size());
  d.assign(n, 0.0);
  if (n < 2)
    return;
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
}

// Closed curve (the last value repeats the first): the cyclic system D(i-1) + 4 D(i) + D(i+1) =
// 3 (v(i+1) - v(i-1)) over the m distinct points, its two corner terms moved out by the
// Sherman-Morrison correction.
void periodicSlopes(const std::vector<double>& v, std::vector<double>& d)
{
  const int n = int(v.size());
  d.assign(n, 0.0);
  const int m = n - 1;
  if (m < 3)
    return; // fewer than three distinct points cannot bend a closed curve: straight segments
  std::vector<double> rhs(m), diag(m, 4.0), u(m, 0.0), z, q;
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

PiCubicSpline::PiCubicSpline() = default;

PiCubicSpline::~PiCubicSpline()
{
  delete[] m_result;
}

void PiCubicSpline::setValues(int num, const SbVec2f* points, int numSubdivisions)
{
  m_numPoints = num;
  m_points = points;
  m_numSubdivisions = numSubdivisions;
  m_is3D = false;
  m_mustCompute = true;
}

void PiCubicSpline::setValues(int num, const SbVec3f* points, int numSubdivisions)
{
  m_numPoints = num;
  m_points = points;
  m_numSubdivisions = numSubdivisions;
  m_is3D = true;
  m_mustCompute = true;
}

const SbVec3f* PiCubicSpline::getPoints(int& num)
{
  if (m_mustCompute)
    compute();
  num = m_numResult;
  return m_result;
}

void PiCubicSpline::compute()
{
  m_mustCompute = false;
  delete[] m_result;
  m_result = nullptr;
  m_numResult = 0;
  const int n = m_numPoints;
  const int s = m_numSubdivisions;
  if (n <= 0 || !m_points)
    return;
  if (s < 1) {
    PoDebugError::post("PiCubicSpline::getPoints", "%d subdivisions per interval; at least 1 is needed", s);
    return;
  }
  const int dims = m_is3D ? 3 : 2;
  std::vector<double> coord[3];
  for (int c = 0; c < dims; c++) {
    coord[c].resize(n);
    for (int i = 0; i < n; i++)
      coord[c][i] = m_is3D ? static_cast<const SbVec3f*>(m_points)[i][c] : static_cast<const SbVec2f*>(m_points)[i][c];
  }
  bool closed = n > 1;
  for (int c = 0; c < dims && closed; c++)
    closed = coord[c][0] == coord[c][n - 1];
  std::vector<double> slope[3];
  for (int c = 0; c < dims; c++) {
    if (closed)
      periodicSlopes(coord[c], slope[c]);
    else
      naturalSlopes(coord[c], slope[c]);
  }

  m_numResult = s * (n - 1) + 1;
  m_result = new SbVec3f[m_numResult];
  const float step = 1.0f / float(s);
  int out = 0;
  for (int i = 0; i + 1 < n; i++) {
    float rest = 1.0f;
    for (int k = 0; k < s; k++) {
      const double u = k == 0 ? 0.0 : 1.0 - double(rest);
      SbVec3f p(0, 0, 0);
      for (int c = 0; c < dims; c++) {
        const double a = coord[c][i], b = coord[c][i + 1], da = slope[c][i], db = slope[c][i + 1];
        p[c] = float(a + da * u + (3 * (b - a) - 2 * da - db) * u * u + (2 * (a - b) + da + db) * u * u * u);
      }
      m_result[out++] = p;
      rest -= step;
    }
  }
  for (int c = 0; c < dims; c++)
    m_result[out][c] = float(coord[c][n - 1]);
  if (dims == 2)
    m_result[out][2] = 0.0f;
}
