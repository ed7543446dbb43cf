// Fault lines: recording, cleaning against the mesh, drawing, and the surface mesh cut along them.
#include <Gridlux/mesh/PbFaultLine.h>

#include <Gridlux/base/PoBase.h>
#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/mesh/PbCell.h>
#include <Gridlux/mesh/PbMesh2D.h>
#include <Gridlux/mesh/PbTriangleMesh2D.h>
#include <Gridlux/mesh/PiConstrainedTriangulation.h>
#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoIndexedLineSet.h>
#include <Inventor/nodes/SoSeparator.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <set>
#include <utility>

namespace {

/**
 * Locates (px, py) in the xy projection of the mesh's cells, in index order: the point's cell
 * nodes and their weights; returns the node count (0 when no cell holds the point). Faults live
 * in the map plane, so a surface with z is searched by its projection.
 */
int locateXY(const PbMesh2D& mesh, double px, double py, double tol, int nodes[4], double w[4])
{
  for (int c = 0; c < mesh.getNumCells(); c++) {
    const PbCell* cell = mesh.getCell(c);
    if (!cell)
      continue;
    const int n = cell->getNumNodes();
    double x[4], y[4], lo[2] = {1e300, 1e300}, hi[2] = {-1e300, -1e300};
    for (int i = 0; i < n && i < 4; i++) {
      x[i] = cell->getNodeCoord(i)[0];
      y[i] = cell->getNodeCoord(i)[1];
      lo[0] = std::min(lo[0], x[i]);
      hi[0] = std::max(hi[0], x[i]);
      lo[1] = std::min(lo[1], y[i]);
      hi[1] = std::max(hi[1], y[i]);
    }
    const double mx = (hi[0] - lo[0]) * 3 * tol + 1e-9, my = (hi[1] - lo[1]) * 3 * tol + 1e-9;
    if (px < lo[0] - mx || px > hi[0] + mx || py < lo[1] - my || py > hi[1] + my)
      continue;
    if (n == 3) {
      const double det = (x[1] - x[0]) * (y[2] - y[0]) - (x[2] - x[0]) * (y[1] - y[0]);
      if (det == 0)
        continue;
      const double r = ((px - x[0]) * (y[2] - y[0]) - (x[2] - x[0]) * (py - y[0])) / det;
      const double s = ((x[1] - x[0]) * (py - y[0]) - (px - x[0]) * (y[1] - y[0])) / det;
      if (r < -tol || s < -tol || r + s > 1 + tol)
        continue;
      w[0] = 1 - r - s;
      w[1] = r;
      w[2] = s;
    }
    else if (n == 4) {
      // Newton's method on the bilinear map of the projected quadrangle.
      double r = 0.5, s = 0.5;
      int settled = 0;
      for (int it = 0; it < 20 && !settled; it++) {
        const double fx = (1 - r) * (1 - s) * x[0] + r * (1 - s) * x[1] + r * s * x[2] + (1 - r) * s * x[3] - px;
        const double fy = (1 - r) * (1 - s) * y[0] + r * (1 - s) * y[1] + r * s * y[2] + (1 - r) * s * y[3] - py;
        const double xr = (1 - s) * (x[1] - x[0]) + s * (x[2] - x[3]), xs = (1 - r) * (x[3] - x[0]) + r * (x[2] - x[1]);
        const double yr = (1 - s) * (y[1] - y[0]) + s * (y[2] - y[3]), ys = (1 - r) * (y[3] - y[0]) + r * (y[2] - y[1]);
        const double det = xr * ys - xs * yr;
        if (det == 0)
          break;
        const double dr = (fx * ys - xs * fy) / det, ds = (xr * fy - fx * yr) / det;
        r -= dr;
        s -= ds;
        settled = std::abs(dr) < 1e-9 && std::abs(ds) < 1e-9;
      }
      if (!settled || r < -tol || r > 1 + tol || s < -tol || s > 1 + tol)
        continue;
      w[0] = (1 - r) * (1 - s);
      w[1] = r * (1 - s);
      w[2] = r * s;
      w[3] = (1 - r) * s;
    }
    else
      continue;
    for (int i = 0; i < n; i++)
      nodes[i] = cell->getNodeIndex(i);
    return n;
  }
  return 0;
}

double cross(double ax, double ay, double bx, double by, double cx, double cy)
{
  return (bx - ax) * (cy - ay) - (by - ay) * (cx - ax);
}

// 1 when the segments ab and cd cross at a point inside both (touching ends do not count).
int properCrossing(const SbVec3f& a, const SbVec3f& b, const SbVec3f& c, const SbVec3f& d)
{
  const double d1 = cross(c[0], c[1], d[0], d[1], a[0], a[1]), d2 = cross(c[0], c[1], d[0], d[1], b[0], b[1]);
  const double d3 = cross(a[0], a[1], b[0], b[1], c[0], c[1]), d4 = cross(a[0], a[1], b[0], b[1], d[0], d[1]);
  return ((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0));
}

double xyDistance(const SbVec3f& a, const SbVec3f& b)
{
  return std::hypot(double(a[0]) - b[0], double(a[1]) - b[1]);
}

// Per-node scalar sets of a mesh, as (set index, values).
std::vector<std::pair<int, const float*>> nodeSets(const PbMesh2D& mesh)
{
  std::vector<std::pair<int, const float*>> sets;
  for (int rank = 0; rank < mesh.getNumValuesSet(); rank++) {
    const int index = mesh.getValuesSetIndex(rank);
    if (mesh.getValuesBinding(index) == PbMesh::PER_NODE)
      sets.emplace_back(index, mesh.getValuesSet(index));
  }
  return sets;
}

} // namespace

PbFaultLine::PbFaultLine(const PbMesh2D* mesh) : m_mesh(mesh), m_closed(0), m_numMeshPoints(0) {}

PbFaultLine::~PbFaultLine() = default;

void PbFaultLine::addEdge(const SbVec3f& from, const SbVec3f& to)
{
  if (m_closed) {
    PoDebugError::postWarning("PbFaultLine::addEdge", "the recording was closed by lastEdge(); the edge is ignored");
    return;
  }
  m_recorded.push_back(from);
  m_recorded.push_back(to);
}

void PbFaultLine::lastEdge()
{
  m_closed = 1;
}

const int* PbFaultLine::getEdge(int i) const
{
  return i >= 0 && i < getNumEdges() ? &m_edges[2 * size_t(i)] : nullptr;
}

const float* PbFaultLine::getValuesSet(int i) const
{
  return i >= 0 && i < getNumValuesSet() && !m_valueSets[i].empty() ? m_valueSets[i].data() : nullptr;
}

int PbFaultLine::insideMesh(const SbVec3f& p, double tolerance) const
{
  int nodes[4];
  double w[4];
  return locateXY(*m_mesh, p[0], p[1], tolerance, nodes, w) > 0;
}

SbVec3f PbFaultLine::boundaryPoint(SbVec3f inside, SbVec3f outside) const
{
  // Bisection keeps an end inside: the clipped edge never leaves the mesh.
  for (int it = 0; it < 40; it++) {
    const SbVec3f mid = (inside + outside) * 0.5f;
    if (mid == inside || mid == outside)
      break;
    if (insideMesh(mid, 0))
      inside = mid;
    else
      outside = mid;
  }
  return inside;
}

int PbFaultLine::pointIndex(const SbVec3f& p, float mergeDistance)
{
  for (size_t i = 0; i < m_points.size(); i++)
    if (xyDistance(m_points[i], p) <= mergeDistance)
      return int(i);
  m_points.push_back(p);
  return int(m_points.size()) - 1;
}

int PbFaultLine::selectCleanEdges()
{
  m_points.clear();
  m_edges.clear();
  m_valueSets.clear();
  m_numMeshPoints = 0;
  m_closed = 0;
  if (!m_mesh) {
    PoDebugError::post("PbFaultLine::selectCleanEdges", "the fault line has no mesh");
    return 0;
  }
  const SbBox3f& box = m_mesh->PbMesh::getBoundingBox();
  if (box.isEmpty() || m_mesh->getNumCells() == 0)
    return 0;
  float dx, dy, dz;
  box.getSize(dx, dy, dz);
  const float merge = 1e-6f * std::max(dx, dy);
  std::set<std::pair<int, int>> seen;
  int dropped = 0;
  for (size_t e = 0; e + 1 < m_recorded.size(); e += 2) {
    SbVec3f a = m_recorded[e], b = m_recorded[e + 1];
    int finite = 1;
    for (int k = 0; k < 3; k++)
      finite = finite && std::isfinite(a[k]) && std::isfinite(b[k]);
    if (!finite || xyDistance(a, b) <= merge) {
      dropped++;
      continue;
    }
    const int ina = insideMesh(a, 1e-6), inb = insideMesh(b, 1e-6);
    if (!ina && !inb) {
      // Both ends outside: the edge may still cross the mesh; keep its first stretch inside.
      const int samples = 64;
      int found = 0;
      for (int k = 0; k < samples && !found; k++) {
        const SbVec3f m = a + (b - a) * ((k + 0.5f) / samples);
        if (insideMesh(m, 0)) {
          a = boundaryPoint(m, a);
          b = boundaryPoint(m, b);
          found = 1;
        }
      }
      if (!found) {
        dropped++;
        continue;
      }
    }
    else if (!inb)
      b = boundaryPoint(a, b);
    else if (!ina)
      a = boundaryPoint(b, a);
    int crosses = 0;
    for (size_t k = 0; k < m_edges.size() && !crosses; k += 2)
      crosses = properCrossing(a, b, m_points[m_edges[k]], m_points[m_edges[k + 1]]);
    if (crosses || xyDistance(a, b) <= merge) {
      dropped++;
      continue;
    }
    const int ia = pointIndex(a, merge), ib = pointIndex(b, merge);
    if (ia == ib || !seen.insert(std::make_pair(std::min(ia, ib), std::max(ia, ib))).second) {
      dropped++;
      continue;
    }
    m_edges.push_back(ia);
    m_edges.push_back(ib);
  }
  // Points left by dropped edges (merged ends of a rejected edge) are removed.
  std::vector<int> used(m_points.size(), -1);
  std::vector<SbVec3f> kept;
  for (int& v : m_edges) {
    if (used[v] < 0) {
      used[v] = int(kept.size());
      kept.push_back(m_points[v]);
    }
    v = used[v];
  }
  m_points.swap(kept);

  // The points take the surface's height and the mesh's node values where they lie.
  const std::vector<std::pair<int, const float*>> sets = nodeSets(*m_mesh);
  m_valueSets.assign(sets.size(), std::vector<float>(m_points.size(), 0.0f));
  const float* z = m_mesh->getZcoord();
  for (size_t p = 0; p < m_points.size(); p++) {
    int nodes[4];
    double w[4];
    const int n = locateXY(*m_mesh, m_points[p][0], m_points[p][1], 1e-5, nodes, w);
    if (!n)
      continue;
    m_numMeshPoints++;
    double height = 0;
    for (int i = 0; i < n; i++)
      height += w[i] * (z ? z[nodes[i]] : 0.0f);
    m_points[p][2] = float(height);
    for (size_t s = 0; s < sets.size(); s++) {
      double v = 0;
      for (int i = 0; i < n; i++)
        v += w[i] * sets[s].second[nodes[i]];
      m_valueSets[s][p] = float(v);
    }
  }
  if (dropped)
    PoDebugError::postInfo("PbFaultLine::selectCleanEdges", "%d of %d recorded edges were dropped or merged",
                           dropped, int(m_recorded.size() / 2));
  return getNumEdges();
}

SoSeparator* PbFaultLine::getSceneGraph() const
{
  if (m_edges.empty())
    return nullptr;
  // A fault may be drawn before any node of the library was made: the toolkit must be ready.
  PoBase::init();
  SoSeparator* root = new SoSeparator;
  SoCoordinate3* coords = new SoCoordinate3;
  coords->point.setValues(0, int(m_points.size()), m_points.data());
  SoIndexedLineSet* lines = new SoIndexedLineSet;
  std::vector<int32_t> index;
  for (size_t e = 0; e < m_edges.size(); e += 2)
    index.insert(index.end(), {m_edges[e], m_edges[e + 1], -1});
  lines->coordIndex.setValues(0, int(index.size()), index.data());
  root->addChild(coords);
  root->addChild(lines);
  return root;
}

// ---------------------------------------------------------------------------------------------

PbTriangleMesh2D* PbMesh2D::getFaultMesh(const PbFaultLine& fault, int splitSegments) const
{
  static const char* method = "PbMesh2D::getFaultMesh";
  if (fault.getMesh() != this) {
    PoDebugError::post(method, "the fault line was recorded on another mesh");
    return nullptr;
  }
  if (fault.getNumEdges() == 0) {
    PoDebugError::post(method, "the fault line has no clean edge (call selectCleanEdges() first)");
    return nullptr;
  }
  if (!PiConstrainedTriangulation::isAvailable()) {
    PoDebugError::post(method, "fault meshes need a constrained triangulation, and the library was built without "
                               "one (GRIDLUX_WITH_CGAL=OFF)");
    return nullptr;
  }
  const int numNodes = getNumNodes();
  const int numFaultPoints = fault.getNumPoints();
  std::vector<double> px(size_t(numNodes + numFaultPoints)), py(px.size());
  for (int n = 0; n < numNodes; n++) {
    const SbVec3f p = getNodeCoord(n);
    px[n] = p[0];
    py[n] = p[1];
  }
  for (int i = 0; i < numFaultPoints; i++) {
    px[numNodes + i] = fault.getPoints()[i][0];
    py[numNodes + i] = fault.getPoints()[i][1];
  }
  // The fault edges and the boundary loops both constrain the triangulation: the boundary keeps a
  // concave outline, and it tells inside from outside afterwards.
  std::vector<int> segments;
  for (int e = 0; e < fault.getNumEdges(); e++) {
    segments.push_back(numNodes + fault.getEdge(e)[0]);
    segments.push_back(numNodes + fault.getEdge(e)[1]);
  }
  const int numFaultSegments = int(segments.size() / 2);
  PbArrayOfInt loops, sizes;
  getLimitIndices(loops, sizes);
  std::vector<std::pair<int, int>> boundary;
  for (int l = 0, start = 0; l < sizes.getNum(); start += sizes[l++])
    for (int k = 0; k < sizes[l]; k++)
      boundary.emplace_back(loops[start + k], loops[start + (k + 1) % sizes[l]]);
  // A fault point on a boundary edge (a clipped end) splits it: the point becomes a corner of
  // the boundary, so the cut reaches the outline instead of stopping a rounding error short of it.
  float sx, sy, sz;
  PbMesh::getBoundingBox().getSize(sx, sy, sz);
  const double eps = 1e-6 * std::max(sx, sy);
  for (const auto& b : boundary) {
    const double ax = px[b.first], ay = py[b.first], bx = px[b.second], by = py[b.second];
    const double len2 = (bx - ax) * (bx - ax) + (by - ay) * (by - ay);
    std::vector<std::pair<double, int>> onEdge;
    for (int i = 0; len2 > 0 && i < numFaultPoints; i++) {
      const double qx = px[numNodes + i], qy = py[numNodes + i];
      const double t = ((qx - ax) * (bx - ax) + (qy - ay) * (by - ay)) / len2;
      if (t > 0 && t < 1 && std::abs(cross(ax, ay, bx, by, qx, qy)) <= eps * std::sqrt(len2))
        onEdge.emplace_back(t, numNodes + i);
    }
    std::sort(onEdge.begin(), onEdge.end());
    int from = b.first;
    for (const auto& q : onEdge) {
      segments.push_back(from);
      segments.push_back(q.second);
      from = q.second;
    }
    segments.push_back(from);
    segments.push_back(b.second);
  }
  std::vector<double> tx, ty;
  std::vector<int> tris;
  if (!PiConstrainedTriangulation::triangulate(int(px.size()), px.data(), py.data(), int(segments.size() / 2),
                                               segments.data(), splitSegments, tx, ty, tris))
    return nullptr;

  // Inside the mesh: the centroid is inside an odd number of boundary loops (as split above).
  std::vector<int> kept;
  for (size_t t = 0; t < tris.size(); t += 3) {
    const double cx = (tx[tris[t]] + tx[tris[t + 1]] + tx[tris[t + 2]]) / 3;
    const double cy = (ty[tris[t]] + ty[tris[t + 1]] + ty[tris[t + 2]]) / 3;
    int inside = 0;
    for (size_t k = 2 * size_t(numFaultSegments); k < segments.size(); k += 2) {
      const double ax = px[segments[k]], ay = py[segments[k]], bx = px[segments[k + 1]], by = py[segments[k + 1]];
      if ((ay > cy) != (by > cy) && cx < ax + (cy - ay) * (bx - ax) / (by - ay))
        inside ^= 1;
    }
    if (inside)
      kept.insert(kept.end(), {tris[t], tris[t + 1], tris[t + 2]});
  }

  // An edge lies on the fault when both its ends lie on one fault segment.
  auto onSegment = [&](int v, int s) {
    const double ax = px[segments[2 * s]], ay = py[segments[2 * s]], bx = px[segments[2 * s + 1]],
                 by = py[segments[2 * s + 1]];
    const double len = std::hypot(bx - ax, by - ay);
    const double t = ((tx[v] - ax) * (bx - ax) + (ty[v] - ay) * (by - ay)) / (len * len);
    return t >= -eps / len && t <= 1 + eps / len && std::abs(cross(ax, ay, bx, by, tx[v], ty[v])) <= eps * len;
  };
  std::set<std::pair<int, int>> faultEdges;
  for (size_t t = 0; t < kept.size(); t += 3)
    for (int k = 0; k < 3; k++) {
      const int a = kept[t + k], b = kept[t + (k + 1) % 3];
      for (int s = 0; s < numFaultSegments; s++)
        if (onSegment(a, s) && onSegment(b, s)) {
          faultEdges.insert(std::make_pair(std::min(a, b), std::max(a, b)));
          break;
        }
    }

  // The cut: around each node of the fault, the triangles fall into fans separated by fault
  // edges; every fan after the first gets a copy of the node.
  const int numPoints = int(tx.size());
  std::vector<int> source(static_cast<size_t>(numPoints));
  std::iota(source.begin(), source.end(), 0);
  std::vector<std::vector<int>> incident(static_cast<size_t>(numPoints));
  std::vector<char> onFault(static_cast<size_t>(numPoints), 0);
  for (const auto& e : faultEdges)
    onFault[e.first] = onFault[e.second] = 1;
  for (size_t t = 0; t < kept.size(); t += 3)
    for (int k = 0; k < 3; k++)
      if (onFault[kept[t + k]])
        incident[kept[t + k]].push_back(int(t / 3));
  for (int v = 0; v < numPoints; v++) {
    std::vector<int>& fan = incident[v];
    if (fan.size() < 2)
      continue;
    std::vector<int> group(fan.size());
    std::iota(group.begin(), group.end(), 0);
    auto root = [&group](int i) {
      while (group[i] != i)
        i = group[i] = group[group[i]];
      return i;
    };
    for (size_t i = 0; i < fan.size(); i++)
      for (size_t j = i + 1; j < fan.size(); j++)
        for (int a = 0; a < 3; a++) {
          const int w = kept[3 * fan[i] + a];
          if (w == v || faultEdges.count(std::make_pair(std::min(v, w), std::max(v, w))))
            continue;
          const int* other = &kept[3 * fan[j]];
          if (other[0] == w || other[1] == w || other[2] == w)
            group[root(int(i))] = root(int(j));
        }
    std::vector<int> copyOfGroup(fan.size(), -1);
    int firstRoot = root(0);
    for (size_t i = 0; i < fan.size(); i++) {
      const int r = root(int(i));
      if (r == firstRoot)
        continue;
      if (copyOfGroup[r] < 0) {
        copyOfGroup[r] = int(source.size());
        source.push_back(v);
      }
      int* tri = &kept[3 * fan[i]];
      for (int a = 0; a < 3; a++)
        if (tri[a] == v)
          tri[a] = copyOfGroup[r];
    }
  }

  // Node coordinates, heights and values: mesh nodes keep theirs, fault points take the fault's,
  // points added by the triangulation are interpolated, and copies repeat their original.
  const size_t total = source.size();
  std::vector<float> x(total), y(total), z(total);
  const float* meshZ = getZcoord();
  const std::vector<std::pair<int, const float*>> sets = nodeSets(*this);
  std::vector<std::vector<float>> values(sets.size(), std::vector<float>(total, 0.0f));
  for (size_t v = 0; v < total; v++) {
    const int s = source[v];
    x[v] = float(tx[s]);
    y[v] = float(ty[s]);
    if (s < numNodes) {
      z[v] = meshZ ? meshZ[s] : 0.0f;
      for (size_t k = 0; k < sets.size(); k++)
        values[k][v] = sets[k].second[s];
    }
    else if (s < numNodes + numFaultPoints) {
      z[v] = fault.getPoints()[s - numNodes][2];
      for (size_t k = 0; k < sets.size() && k < size_t(fault.getNumValuesSet()); k++)
        values[k][v] = fault.getValuesSet(int(k))[s - numNodes];
    }
    else {
      int nodes[4];
      double w[4];
      const int n = locateXY(*this, tx[s], ty[s], 1e-4, nodes, w);
      double h = 0;
      for (int i = 0; i < n; i++)
        h += w[i] * (meshZ ? meshZ[nodes[i]] : 0.0f);
      z[v] = float(h);
      for (size_t k = 0; k < sets.size(); k++) {
        double value = 0;
        for (int i = 0; i < n; i++)
          value += w[i] * sets[k].second[nodes[i]];
        values[k][v] = float(value);
      }
    }
  }
  PbTriangleMesh2D* result = new PbTriangleMesh2D(1);
  const int ok = meshZ ? result->setGeometry(int(total), x.data(), y.data(), z.data(), int(kept.size() / 3),
                                             kept.data())
                       : result->setGeometry(int(total), x.data(), y.data(), int(kept.size() / 3), kept.data());
  if (!ok) {
    delete result;
    return nullptr;
  }
  for (size_t k = 0; k < sets.size(); k++) {
    const SbString* name = getValuesSetName(sets[k].first);
    result->addValuesSet(sets[k].first, values[k].data(), name ? name->getString() : nullptr);
  }
  return result;
}
