// Curve geometry: the representations, the filling against a threshold, marker selection and thickness runs.
#include <Gridlux/charts/PiCurveGeometry.h>

#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/charts/PiCubicSpline.h>
#include <Gridlux/mesh/PiMesh1DGeometry.h>

#include <algorithm>
#include <cmath>

namespace {
enum { CURVE_NONE, CURVE_POLYLINE, CURVE_SMOOTH, CURVE_STAIRS_X, CURVE_STAIRS_Y };
enum { INACTIVE, ALL_POINTS, INDEX_PERIOD, INDEX_LIST, X_PERIOD, X_LIST };
const double kMaxSelected = 1e7; // more abscissas than this is a period that makes no sense
} // namespace

float PiCurveGeometry::ordinateAt(const SbVec2f& p1, const SbVec2f& p2, float x)
{
  if (p1[0] == p2[0])
    return std::min(p1[1], p2[1]);
  return p1[1] + (p2[1] - p1[1]) * (x - p1[0]) / (p2[0] - p1[0]);
}

float PiCurveGeometry::abscissaAt(const SbVec2f& p1, const SbVec2f& p2, float y)
{
  if (p1[1] == p2[1])
    return (p1[0] + p2[0]) / 2;
  if (p1[0] == p2[0])
    return p1[0];
  return p1[0] + (p2[0] - p1[0]) * (y - p1[1]) / (p2[1] - p1[1]);
}

void PiCurveGeometry::curvePoints(int curveRep, int n, const SbVec2f* points, std::vector<SbVec2f>& line)
{
  line.clear();
  if (n <= 0 || !points || curveRep == CURVE_NONE)
    return;
  switch (curveRep) {
  case CURVE_SMOOTH: {
    PiCubicSpline spline;
    spline.setValues(n, points, 10);
    int num = 0;
    const SbVec3f* smooth = spline.getPoints(num);
    for (int i = 0; i < num; i++)
      line.emplace_back(smooth[i][0], smooth[i][1]);
    return;
  }
  case CURVE_STAIRS_X:
  case CURVE_STAIRS_Y:
    line.push_back(points[0]);
    for (int i = 1; i < n; i++) {
      const SbVec2f& p = points[i - 1];
      const SbVec2f& q = points[i];
      line.push_back(curveRep == CURVE_STAIRS_X ? SbVec2f(q[0], p[1]) : SbVec2f(p[0], q[1]));
      line.push_back(q);
    }
    return;
  case CURVE_POLYLINE:
    line.assign(points, points + n);
    return;
  default: {
    // The half-way outlines and stairs are those of the series geometry (numbered one lower).
    std::vector<float> x(n), y(n);
    for (int i = 0; i < n; i++) {
      x[i] = points[i][0];
      y[i] = points[i][1];
    }
    std::vector<PiMesh1DGeometry::Vertex> vertices;
    std::vector<int> nodeVertex;
    PiMesh1DGeometry::interpret(curveRep - 1, n, x.data(), y.data(), vertices, nodeVertex);
    for (const PiMesh1DGeometry::Vertex& v : vertices)
      line.emplace_back(v.x, v.y);
  }
  }
}

void PiCurveGeometry::fillingPolygons(const std::vector<SbVec2f>& line, float threshold, std::vector<SbVec2f>& coords,
                                      std::vector<int>& counts)
{
  coords.clear();
  counts.clear();
  const int n = int(line.size());
  if (n < 2)
    return;
  auto side = [threshold](const SbVec2f& p) { return p[1] > threshold ? 1 : (p[1] < threshold ? -1 : 0); };
  std::vector<SbVec2f> run;
  // Closes the current run into a polygon down (or up) to the threshold line.
  auto flush = [&]() {
    bool away = false;
    for (const SbVec2f& p : run)
      away = away || side(p) != 0;
    if (away) {
      const std::size_t first = coords.size();
      coords.insert(coords.end(), run.begin(), run.end());
      if (side(run.back()) != 0)
        coords.emplace_back(run.back()[0], threshold);
      if (side(run.front()) != 0)
        coords.emplace_back(run.front()[0], threshold);
      counts.push_back(int(coords.size() - first));
    }
    run.clear();
  };
  run.push_back(line[0]);
  for (int k = 0; k + 1 < n; k++) {
    const SbVec2f& p = line[k];
    const SbVec2f& q = line[k + 1];
    if (side(p) * side(q) < 0) {
      const SbVec2f cross(abscissaAt(p, q, threshold), threshold);
      run.push_back(cross);
      flush();
      run.push_back(cross);
    }
    run.push_back(q);
    if (side(q) == 0) {
      flush();
      run.push_back(q);
    }
  }
  flush();
}

void PiCurveGeometry::selectPoints(const Filter& filter, int n, const SbVec2f* points, std::vector<SbVec2f>& selected,
                                   const char* method)
{
  selected.clear();
  if (n <= 0 || !points)
    return;
  switch (filter.type) {
  case ALL_POINTS:
    selected.assign(points, points + n);
    return;
  case INDEX_PERIOD:
    if (filter.indexPeriod < 1) {
      PoDebugError::post(method, "an index period of %d selects nothing; it must be 1 or more", filter.indexPeriod);
      return;
    }
    for (int i = 0; i < n; i += filter.indexPeriod)
      selected.push_back(points[i]);
    return;
  case INDEX_LIST:
    for (int k = 0; k < filter.numIndex; k++)
      if (filter.indexList[k] >= 0 && filter.indexList[k] < n)
        selected.push_back(points[filter.indexList[k]]);
    return;
  case X_PERIOD:
  case X_LIST:
    break;
  default:
    return;
  }
  float lo = points[0][0], hi = lo;
  for (int i = 1; i < n; i++) {
    lo = std::min(lo, points[i][0]);
    hi = std::max(hi, points[i][0]);
  }
  std::vector<float> abscissas;
  if (filter.type == X_PERIOD) {
    const float period = filter.xPeriod;
    if (!(period > 0) || !std::isfinite(period)) {
      PoDebugError::post(method, "an abscissa period of %g selects nothing; it must be a positive number", period);
      return;
    }
    const double steps = std::floor((double(hi) - lo) / period * (1 + 1e-6) + 1e-9);
    if (steps > kMaxSelected) {
      PoDebugError::post(method, "an abscissa period of %g over a span of %g gives too many points", period,
                         double(hi) - lo);
      return;
    }
    for (int i = 0; i <= int(steps); i++)
      abscissas.push_back(std::min(float(lo + double(i) * period), hi));
  }
  else
    for (int k = 0; k < filter.numX; k++)
      if (filter.xList[k] >= lo && filter.xList[k] <= hi)
        abscissas.push_back(filter.xList[k]);
  for (float x : abscissas) {
    if (n == 1) {
      selected.push_back(points[0]);
      continue;
    }
    for (int k = 0; k + 1 < n; k++) {
      const SbVec2f& p = points[k];
      const SbVec2f& q = points[k + 1];
      if ((x - p[0]) * (x - q[0]) <= 0) {
        selected.emplace_back(x, ordinateAt(p, q, x));
        break;
      }
    }
  }
}

void PiCurveGeometry::thicknessRuns(int n, const float* thickness, std::vector<int>& starts, std::vector<int>& counts)
{
  starts.clear();
  counts.clear();
  if (n <= 0 || !thickness)
    return;
  if (n == 1) {
    starts.push_back(0);
    counts.push_back(1);
    return;
  }
  int start = 0;
  for (int i = 1; i < n; i++)
    if (thickness[i] != thickness[i - 1]) {
      starts.push_back(start);
      counts.push_back(i - start + 1);
      start = i;
    }
  if (start < n - 1) {
    starts.push_back(start);
    counts.push_back(n - start);
  }
}
