// Contouring engine shared by contour lines and filled bands: mesh nodes, cells and edge crossings.
#include <Gridlux/representations/algorithms/PiContouring.h>

#include <Gridlux/attributes/PbDataMapping.h>
#include <Gridlux/attributes/PbIsovaluesList.h>
#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/mesh/PbCartesianGrid2D.h>
#include <Gridlux/mesh/PbIndexedMesh2D.h>
#include <Gridlux/mesh/PbParalCartesianGrid2D.h>
#include <Gridlux/mesh/PbPolarGrid2D.h>
#include <Gridlux/mesh/PbQuadrangleMesh2D.h>
#include <Gridlux/mesh/PbRegularCartesianGrid2D.h>
#include <Gridlux/mesh/PbTriangleMesh2D.h>

#include <Inventor/nodes/SoCoordinate3.h>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

inline float dist2(const float* a, const float* b)
{
  const float dx = a[0] - b[0], dy = a[1] - b[1];
  return dx * dx + dy * dy;
}

} // namespace

PiContouring::PiContouring()
{
  m_crossPoints.reserve(1000);
  m_crossCoords.reserve(3000);
}

PiContouring::~PiContouring() = default;

void PiContouring::clearMesh()
{
  m_kind = MESH_NONE;
  m_numNodes = m_numX = m_numY = m_numElems = 0;
  m_rectilinear = false;
  m_hasZ = false;
  m_freeSurface = false;
  m_implicitXY = false;
  m_zFilled = false;
}

// ---------------------------------------------------------------------------------------------
// Meshes

void PiContouring::setMesh(const PbMesh2D* mesh, const float* z)
{
  // Most derived kinds first: a parallel grid is a Cartesian grid, a triangle mesh an indexed one.
  if (auto* m = dynamic_cast<const PbRegularCartesianGrid2D*>(mesh))
    setMesh(m, z);
  else if (auto* m = dynamic_cast<const PbParalCartesianGrid2D*>(mesh))
    setMesh(m, z);
  else if (auto* m = dynamic_cast<const PbCartesianGrid2D*>(mesh))
    setMesh(m, z);
  else if (auto* m = dynamic_cast<const PbPolarGrid2D*>(mesh))
    setMesh(m, z);
  else if (auto* m = dynamic_cast<const PbIndexedMesh2D*>(mesh))
    setMesh(m, z);
  else
    clearMesh();
}

void PiContouring::setGridNodes(int numX, int numY)
{
  m_kind = MESH_GRID;
  m_numX = numX;
  m_numY = numY;
  m_numNodes = numX * numY;
  m_numElems = 0;
  m_x.resize(m_numNodes);
  m_y.resize(m_numNodes);
  m_z.resize(m_numNodes);
  m_zFilled = true;
}

void PiContouring::setMesh(const PbRegularCartesianGrid2D* mesh, const float* z)
{
  clearMesh();
  if (!mesh || mesh->isEmpty())
    return;
  int numX, numY;
  float xmin, ymin, xmax, ymax;
  mesh->getGeometry(numX, numY, xmin, ymin, xmax, ymax);
  m_kind = MESH_GRID;
  m_numX = numX;
  m_numY = numY;
  m_numNodes = numX * numY;
  m_numElems = 0;
  m_rectilinear = true;
  m_implicitXY = true;
  m_hasZ = z != nullptr;
  const double dx = numX > 1 ? (static_cast<double>(xmax) - xmin) / (numX - 1) : 0.0;
  const double dy = numY > 1 ? (static_cast<double>(ymax) - ymin) / (numY - 1) : 0.0;
  m_columnX.resize(numX);
  for (int i = 0; i < numX; ++i)
    m_columnX[i] = static_cast<float>(xmin + i * dx);
  m_rowY.resize(numY);
  for (int j = 0; j < numY; ++j)
    m_rowY[j] = static_cast<float>(ymin + j * dy);
  if (z) {
    m_z.assign(z, z + m_numNodes);
    m_zFilled = true;
  }
}

void PiContouring::setMesh(const PbCartesianGrid2D* mesh, const float* z)
{
  clearMesh();
  if (!mesh || mesh->isEmpty())
    return;
  int numX, numY;
  const float* const* x;
  const float* const* y;
  mesh->getGeometry(numX, numY, x, y);
  if (!x || !y)
    return;
  setGridNodes(numX, numY);
  for (int i = 0; i < numX; ++i) {
    for (int j = 0; j < numY; ++j) {
      const int n = i * numY + j;
      m_x[n] = x[i][j];
      m_y[n] = y[i][j];
      m_z[n] = z ? z[n] : 0.0f;
    }
  }
}

void PiContouring::setMesh(const PbParalCartesianGrid2D* mesh, const float* z)
{
  clearMesh();
  if (!mesh || mesh->isEmpty())
    return;
  setGridNodes(mesh->getNumX(), mesh->getNumY());
  m_rectilinear = true;
  m_hasZ = z != nullptr;
  // Once per node, not per cell: the grid's own coordinate rule stays in one place.
  for (int n = 0; n < m_numNodes; ++n) {
    const SbVec3f p = mesh->getNodeCoord(n);
    m_x[n] = p[0];
    m_y[n] = p[1];
    m_z[n] = z ? z[n] : 0.0f;
  }
}

void PiContouring::setMesh(const PbPolarGrid2D* mesh, const float* z)
{
  clearMesh();
  if (!mesh || mesh->isEmpty())
    return;
  setGridNodes(mesh->getNumX(), mesh->getNumY());
  for (int n = 0; n < m_numNodes; ++n) {
    const SbVec3f p = mesh->getNodeCoord(n);
    m_x[n] = p[0];
    m_y[n] = p[1];
    m_z[n] = z ? z[n] : 0.0f;
  }
}

void PiContouring::setMesh(const PbIndexedMesh2D* mesh, const float* z)
{
  clearMesh();
  if (!mesh || mesh->isEmpty())
    return;
  int numNodes, numCells;
  const float *x, *y, *meshZ;
  const int *cellIndex, *cellType;
  mesh->getGeometry(numNodes, x, y, meshZ, numCells, cellIndex, cellType);
  if (!x || !y || numNodes <= 0)
    return;
  m_kind = MESH_ELEMENTS;
  m_numNodes = numNodes;
  m_x.assign(x, x + numNodes);
  m_y.assign(y, y + numNodes);
  if (z)
    m_z.assign(z, z + numNodes);
  else
    m_z.assign(numNodes, 0.0f);
  m_zFilled = true;
  m_elemNodes.resize(4 * static_cast<size_t>(numCells));
  m_numElems = 0;
  for (int c = 0; c < numCells; ++c) {
    const int offset = mesh->getCellOffset(c);
    const int end = c + 1 < numCells ? mesh->getCellOffset(c + 1) : mesh->getCellIndexLength();
    const int n = end - offset;
    // Cells of other node counts have no cell shape to cut; they are left out.
    if (offset < 0 || (n != 3 && n != 4))
      continue;
    int* slot = &m_elemNodes[4 * static_cast<size_t>(m_numElems++)];
    for (int k = 0; k < 4; ++k)
      slot[k] = k < n ? cellIndex[offset + k] : -1;
  }
}

void PiContouring::setMesh(const PbTriangleMesh2D* mesh, const float* z)
{
  setMesh(static_cast<const PbIndexedMesh2D*>(mesh), z);
}

void PiContouring::setMesh(const PbQuadrangleMesh2D* mesh, const float* z)
{
  setMesh(static_cast<const PbIndexedMesh2D*>(mesh), z);
}

void PiContouring::initGeometry()
{
  clearMesh();
  m_kind = MESH_ELEMENTS;
  m_freeSurface = true;
  m_hasZ = true;
  m_elemNodes.clear();
}

void PiContouring::addStripElems(int num, const int* strip)
{
  if (!checkFreeElems("PiContouring::addStripElems", num, strip))
    return;
  // The strip's outline: odd positions going up, then even positions coming back.
  m_outline.clear();
  for (int k = 1; k < num; k += 2)
    m_outline.push_back(strip[k]);
  for (int k = (num - 1) / 2 * 2; k >= 0; k -= 2)
    m_outline.push_back(strip[k]);
  addOutlineElems();
}

void PiContouring::addPolygonElems(int num, const int* polygon)
{
  if (!checkFreeElems("PiContouring::addPolygonElems", num, polygon))
    return;
  m_outline.assign(polygon, polygon + num);
  addOutlineElems();
}

bool PiContouring::checkFreeElems(const char* method, int num, const int* points)
{
  if (!m_freeSurface) {
    PoDebugError::post(method, "call initGeometry() first");
    return false;
  }
  if (num < 3 || !points)
    return false;
  for (int k = 0; k < num; ++k) {
    if (points[k] < 0) {
      PoDebugError::post(method, "negative point index %d in an element", points[k]);
      return false;
    }
  }
  return true;
}

void PiContouring::addOutlineElems()
{
  // Fanned from the first point into quadrangles, and a last triangle when one point is left.
  const int m = static_cast<int>(m_outline.size());
  const int* q = m_outline.data();
  int k = 1;
  for (; k + 2 <= m - 1; k += 2) {
    const int quad[4] = {q[0], q[k], q[k + 1], q[k + 2]};
    m_elemNodes.insert(m_elemNodes.end(), quad, quad + 4);
    ++m_numElems;
  }
  if (k + 1 == m - 1) {
    const int tri[4] = {q[0], q[k], q[k + 1], -1};
    m_elemNodes.insert(m_elemNodes.end(), tri, tri + 4);
    ++m_numElems;
  }
}

void PiContouring::setPoints(int num, const SoCoordinate3* coords)
{
  if (!coords || num < 0 || num > coords->point.getNum()) {
    PoDebugError::post("PiContouring::setPoints", "%d points asked of a coordinate node that has %d", num,
                       coords ? coords->point.getNum() : 0);
    return;
  }
  if (static_cast<int>(m_x.capacity()) < num) {
    m_x.reserve(2 * static_cast<size_t>(num));
    m_y.reserve(2 * static_cast<size_t>(num));
    m_z.reserve(2 * static_cast<size_t>(num));
  }
  m_x.resize(num);
  m_y.resize(num);
  m_z.resize(num);
  const SbVec3f* p = coords->point.getValues(0);
  for (int n = 0; n < num; ++n) {
    m_x[n] = p[n][0];
    m_y[n] = p[n][1];
    m_z[n] = p[n][2];
  }
  m_numNodes = num;
  m_zFilled = true;
}

void PiContouring::setZ(const float* z)
{
  if (z && m_numNodes > 0) {
    m_z.assign(z, z + m_numNodes);
    m_hasZ = true;
    m_zFilled = true;
  }
}

void PiContouring::getNodeCoords(SbVec3f* out) const
{
  if (!m_implicitXY) {
    for (int n = 0; n < m_numNodes; ++n)
      out[n].setValue(m_x[n], m_y[n], nodeZ(n));
    return;
  }
  // Column by column: one x, the rows' y, and z when there is one.
  for (int i = 0, n = 0; i < m_numX; ++i) {
    const float x = m_columnX[i];
    for (int j = 0; j < m_numY; ++j, ++n)
      out[n].setValue(x, m_rowY[j], m_zFilled ? m_z[n] : 0.0f);
  }
}

// ---------------------------------------------------------------------------------------------
// Crossings

void PiContouring::computeBands(const float* values)
{
  // Deleted zones: nodes that a fully transparent threshold removes from the picture.
  int deleteBelow = 0, deleteAbove = 0;
  float minValue = 0, maxValue = 0;
  if (m_dataMapping && m_dataMapping->isTransparencyEnabled()) {
    int minEnabled = 0, maxEnabled = 0;
    m_dataMapping->thresholdsEnabled(minEnabled, maxEnabled);
    const float limit = m_dataMapping->getTransparencyValueDeletedParts();
    float t = 0;
    if (minEnabled) {
      m_dataMapping->getMinRGBThreshold(minValue, t);
      deleteBelow = t >= limit;
    }
    if (maxEnabled) {
      m_dataMapping->getMaxRGBThreshold(maxValue, t);
      deleteAbove = t >= limit;
    }
  }
  m_band.resize(m_numNodes);
  m_numIsoBands = getNumIsovalues() + 1;
  countBelowAll(m_isoSorted.data(), getNumIsovalues(), values, m_numNodes, m_band.data());
  // NaN nodes and nodes in a deleted zone have no band (a select, so the loop vectorises).
  int* band = m_band.data();
  for (int n = 0; n < m_numNodes; ++n) {
    const float v = values[n];
    bool drop = v != v;
    if (deleteBelow)
      drop |= !(v > minValue);
    if (deleteAbove)
      drop |= !(v < maxValue);
    band[n] = drop ? -1 : band[n];
  }
}

int PiContouring::computeCrossings(const float* values)
{
  if (!prepareCrossings(values))
    return 0;
  forEachCell([this](const int* nodes, int numNodes, int bMin, int bMax) {
    // Most cells lie within one band: nothing crosses them.
    if (bMin != bMax)
      crossElement(nodes, numNodes);
  });
  return 1;
}

int PiContouring::prepareCrossings(const float* values)
{
  m_crossPoints.clear();
  m_crossCoords.clear();
  for (int e : m_gridEdgesSet)
    m_gridEdges[e] = -1;
  m_gridEdgesSet.clear();
  m_values = values;
  if (!values || m_numNodes <= 0 || m_kind == MESH_NONE)
    return 0;
  if (m_freeSurface) {
    // Strips name their points before the points are given: check them once here.
    for (size_t i = 0; i < m_elemNodes.size(); ++i) {
      const int v = m_elemNodes[i];
      if (v >= m_numNodes || v < (i % 4 == 3 ? -1 : 0)) {
        PoDebugError::post("PiContouring::computeCrossings", "a strip names point %d of %d points", v, m_numNodes);
        return 0;
      }
    }
  }
  const int numIso = m_isoAdjuster.adjust(m_numNodes, values);
  if (numIso <= 0)
    return 0;

  // Sorted copy with the original value of each entry, so that output names the list's values.
  const float* adjusted = m_isoAdjuster.getAdjusted();
  int n = 0;
  float lo, hi, step;
  int regular;
  const float* original = m_isoAdjuster.getIsovaluesList()->getIsoList(n, lo, hi, step, regular);
  m_order.resize(numIso);
  std::iota(m_order.begin(), m_order.end(), 0);
  std::stable_sort(m_order.begin(), m_order.end(), [adjusted](int a, int b) { return adjusted[a] < adjusted[b]; });
  m_isoSorted.resize(numIso);
  m_isoOriginal.resize(numIso);
  for (int k = 0; k < numIso; ++k) {
    m_isoSorted[k] = adjusted[m_order[k]];
    m_isoOriginal[k] = original[m_order[k]];
  }

  computeBands(values);
  if (m_kind == MESH_GRID)
    m_gridEdges.resize(2 * static_cast<size_t>(m_numNodes), -1);

  // The hash holds crossed edges only: a few per contour, far fewer than the mesh's edges.
  size_t size = 1024;
  while (size < m_hash.size())
    size <<= 1;
  m_hash.assign(size, EdgeSlot{-1, -1, -1});
  m_hashUsed = 0;
  return 1;
}

void PiContouring::growHash()
{
  std::vector<EdgeSlot> old;
  old.swap(m_hash);
  m_hash.assign(old.size() * 2, EdgeSlot{-1, -1, -1});
  const uint64_t mask = m_hash.size() - 1;
  for (const EdgeSlot& s : old) {
    if (s.lo < 0)
      continue;
    // Sizes are powers of two: the modulo of the hash is a mask.
    uint64_t h = ((uint64_t(s.hi + 1) & mask) * (uint64_t(s.lo + 1) & mask) + s.hi + s.lo) & mask;
    while (m_hash[h].lo >= 0)
      h = (h + 1) & mask;
    m_hash[h] = s;
  }
}

int PiContouring::edgeCrossings(int p, int q, int rankLo, int rankHi)
{
  const int lo = std::min(p, q), hi = std::max(p, q);
  const int first = static_cast<int>(m_crossPoints.size());
  // A grid cell's side joins a node to the next one of its column or of its row; a diagonal
  // (a cell cut into triangles) goes to the hash. The column test matters when rows have two
  // nodes, where a diagonal also joins consecutive indices.
  int gridEdge = -1;
  if (m_kind == MESH_GRID) {
    if (hi - lo == m_numY)
      gridEdge = 2 * lo + 1;
    else if (hi - lo == 1 && lo % m_numY != m_numY - 1)
      gridEdge = 2 * lo;
  }
  if (gridEdge >= 0) {
    int& slot = m_gridEdges[gridEdge];
    if (slot >= 0)
      return slot; // shared with a cell already cut
    slot = first;
    m_gridEdgesSet.push_back(gridEdge);
  } else {
    if (2 * (m_hashUsed + 1) > static_cast<int>(m_hash.size()))
      growHash();
    // Sizes are powers of two: the modulo of the hash is a mask.
    const uint64_t mask = m_hash.size() - 1;
    uint64_t h = ((static_cast<uint64_t>(hi + 1) & mask) * (static_cast<uint64_t>(lo + 1) & mask) +
                  static_cast<uint64_t>(hi) + lo) & mask;
    while (m_hash[h].lo >= 0) {
      if (m_hash[h].lo == lo && m_hash[h].hi == hi)
        return m_hash[h].firstPoint; // shared with a cell already cut
      h = (h + 1) & mask;
    }
    m_hash[h] = EdgeSlot{lo, hi, first};
    ++m_hashUsed;
  }

  // Interpolated from the lower end, so that both cells get bit-identical points.
  const int nLo = m_values[p] < m_values[q] ? p : q;
  const int nHi = nLo == p ? q : p;
  const float vLo = m_values[nLo], vHi = m_values[nHi];
  const double span = static_cast<double>(vHi) - vLo;
  const float xLo = nodeX(nLo), yLo = nodeY(nLo), zLo = nodeZ(nLo);
  const float xHi = nodeX(nHi), yHi = nodeY(nHi), zHi = nodeZ(nHi);
  for (int r = rankLo; r < rankHi; ++r) {
    const double t = (m_isoSorted[r] - static_cast<double>(vLo)) / span;
    m_crossPoints.push_back(CrossPoint{r, {-1, -1}, 0});
    m_crossCoords.push_back(static_cast<float>(xLo + t * (xHi - xLo)));
    m_crossCoords.push_back(static_cast<float>(yLo + t * (yHi - yLo)));
    m_crossCoords.push_back(static_cast<float>(zLo + t * (zHi - zLo)));
  }
  return first;
}

void PiContouring::link(int a, int b)
{
  CrossPoint& pa = m_crossPoints[a];
  pa.link[pa.link[0] < 0 ? 0 : 1] = b;
  CrossPoint& pb = m_crossPoints[b];
  pb.link[pb.link[0] < 0 ? 0 : 1] = a;
}

bool PiContouring::pairsWithLast(const float* P, const float* N, const float* O, const float* R)
{
  const float pn = dist2(P, N), pr = dist2(P, R), no = dist2(N, O), ro = dist2(R, O);
  return (pr <= pn && pr <= no && pr <= ro) || (no <= pn && no <= pr && no <= ro);
}

void PiContouring::crossElement(const int* nodes, int numNodes)
{
  const int* band = m_band.data();
  int first[4], lo[4], hi[4];
  int rMin = getNumIsovalues(), rMax = 0;
  for (int e = 0; e < numNodes; ++e) {
    const int p = nodes[e], q = nodes[(e + 1) % numNodes];
    lo[e] = std::min(band[p], band[q]);
    hi[e] = std::max(band[p], band[q]);
    first[e] = lo[e] < hi[e] ? edgeCrossings(p, q, lo[e], hi[e]) : -1;
    rMin = std::min(rMin, lo[e]);
    rMax = std::max(rMax, hi[e]);
  }
  for (int r = rMin; r < rMax; ++r) {
    int pts[4], count = 0;
    for (int e = 0; e < numNodes; ++e)
      if (lo[e] <= r && r < hi[e])
        pts[count++] = first[e] + (r - lo[e]);
    if (count == 2) {
      link(pts[0], pts[1]);
    } else if (count == 4) {
      // Saddle: the four crossings lie on the four edges in order; keep the pairing that
      // contains the shortest of the candidate segments.
      const float* c = m_crossCoords.data();
      const float* P = c + 3 * pts[0];
      const float* N = c + 3 * pts[1];
      const float* O = c + 3 * pts[2];
      const float* R = c + 3 * pts[3];
      if (pairsWithLast(P, N, O, R)) {
        link(pts[0], pts[3]);
        link(pts[1], pts[2]);
      } else {
        link(pts[0], pts[1]);
        link(pts[2], pts[3]);
      }
    }
  }
}
