// Filled contour bands of a 2D mesh: each cell cut along the isovalues into flat-coloured faces.
#include <Gridlux/representations/algorithms/PiContouringFilled.h>

#include <Gridlux/attributes/PbDataMapping.h>
#include <Gridlux/attributes/PbLinearDataMapping.h>

#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoIndexedFaceSet.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoMaterialBinding.h>

#include <algorithm>

PiContouringFilled::PiContouringFilled() = default;

void PiContouringFilled::fillSurf(const float* values, const float* z, SoGroup* group, SoMaterial* material,
                                  SoMaterialBinding* binding)
{
  m_faceIndex.clear();
  m_faceBand.clear();
  if (!group || !material || !binding)
    return;
  if (z)
    setZ(z);
  if (!prepareCrossings(values))
    return;
  auto cell = [this](const int* nodes, int numNodes, int bMin, int bMax) { fillCell(nodes, numNodes, bMin, bMax); };
  if (isFlatRectilinearGrid())
    fillRectilinearGrid();
  else
    forEachCell(cell);
  if (m_faceBand.empty())
    return;

  // Nodes keep their indices; the crossing points follow them.
  const int numNodes = getNumNodes();
  const int numCross = static_cast<int>(m_crossPoints.size());
  SoCoordinate3* coords = new SoCoordinate3;
  coords->point.setNum(numNodes + numCross);
  SbVec3f* points = coords->point.startEditing();
  getNodeCoords(points);
  for (int c = 0; c < numCross; ++c)
    points[numNodes + c].setValue(&m_crossCoords[3 * static_cast<size_t>(c)]);
  coords->point.finishEditing();

  SoIndexedFaceSet* faces = new SoIndexedFaceSet;
  faces->coordIndex.setValues(0, static_cast<int>(m_faceIndex.size()), m_faceIndex.data());

  bandColors();
  const int numFaces = getNumFaces();
  const bool withTransparency = !m_bandTransparency.empty();
  material->diffuseColor.setNum(numFaces);
  SbColor* colors = material->diffuseColor.startEditing();
  float* transparencies = nullptr;
  if (withTransparency) {
    material->transparency.setNum(numFaces);
    transparencies = material->transparency.startEditing();
  }
  for (int f = 0; f < numFaces; ++f) {
    const int band = m_faceBand[f];
    // A band without a colour keeps the entry as made.
    if (m_bandHasColor[band])
      colors[f] = m_bandColor[band];
    if (transparencies)
      transparencies[f] = m_bandTransparency[band];
  }
  material->diffuseColor.finishEditing();
  if (transparencies)
    material->transparency.finishEditing();

  binding->value = SoMaterialBinding::PER_FACE;
  group->addChild(binding);
  group->addChild(coords);
  group->addChild(faces);
}

void PiContouringFilled::fillRectilinearGrid()
{
  // Most cells of a large grid lie inside one band. A run of such cells along y makes one
  // rectangle. Its long sides list the nodes where a face of the neighbouring column has a
  // corner, so that faces meet at shared vertices (no cracks), and no other node. Cut cells go
  // one by one; the runs wait until every column's corners are known.
  const int numX = getGridNumX(), numY = getGridNumY();
  const int* band = getBands();
  auto cell = [this](const int* nodes, int numNodes, int bMin, int bMax) { fillCell(nodes, numNodes, bMin, bMax); };
  m_runs.clear();
  m_breaks.clear();
  m_breakStart.assign(1, 0);
  int nodes[4];
  for (int i = 0; i + 1 < numX; ++i) {
    int runStart = -1, runBand = -1;
    for (int j = 0; j + 1 < numY; ++j) {
      nodes[0] = i * numY + j;
      nodes[1] = nodes[0] + numY;
      nodes[2] = nodes[1] + 1;
      nodes[3] = nodes[0] + 1;
      const int b = band[nodes[0]];
      const bool whole = b >= 0 && band[nodes[1]] == b && band[nodes[2]] == b && band[nodes[3]] == b;
      if (whole && runStart >= 0 && b == runBand)
        continue;
      if (runStart >= 0) {
        m_runs.insert(m_runs.end(), {i, runStart, j, runBand});
        m_breaks.push_back(j);
      }
      runStart = whole ? j : -1;
      runBand = b;
      if (m_breaks.size() == static_cast<size_t>(m_breakStart.back()) || m_breaks.back() != j)
        m_breaks.push_back(j);
      if (!whole) {
        forEachKept(nodes, 4, cell);
        m_breaks.push_back(j + 1);
        continue;
      }
      // The run goes on while both next nodes of the column pair stay in its band: two reads
      // per cell instead of four, and none of the bookkeeping above.
      const int* nearBand = band + i * numY;
      const int* farBand = nearBand + numY;
      int k = j + 2;
      while (k < numY && nearBand[k] == b && farBand[k] == b)
        ++k;
      j = k - 2; // the cell k - 1 (past the end, or leaving the band) is looked at next
    }
    if (runStart >= 0) {
      m_runs.insert(m_runs.end(), {i, runStart, numY - 1, runBand});
      m_breaks.push_back(numY - 1);
    }
    m_breakStart.push_back(static_cast<int>(m_breaks.size()));
  }

  // Corners of column c strictly between rows js and je, ascending.
  auto inside = [this, numX](int c, int js, int je, const int*& first, const int*& last) {
    first = last = nullptr;
    if (c < 0 || c + 1 >= numX)
      return;
    const int* begin = m_breaks.data() + m_breakStart[c];
    const int* end = m_breaks.data() + m_breakStart[c + 1];
    first = std::upper_bound(begin, end, js);
    last = std::lower_bound(first, end, je);
  };
  for (size_t r = 0; r < m_runs.size(); r += 4) {
    const int i = m_runs[r], js = m_runs[r + 1], je = m_runs[r + 2], b = m_runs[r + 3];
    const int near = i * numY, far = near + numY;
    const int *first, *last;
    m_face.clear();
    m_face.push_back(near + js);
    m_face.push_back(far + js);
    inside(i + 1, js, je, first, last);
    for (const int* p = first; p != last; ++p)
      if (*p != m_face.back() - far)
        m_face.push_back(far + *p);
    m_face.push_back(far + je);
    m_face.push_back(near + je);
    inside(i - 1, js, je, first, last);
    for (const int* p = last; p != first;) {
      --p;
      if (*p != m_face.back() - near)
        m_face.push_back(near + *p);
    }
    emitFace(m_face.data(), static_cast<int>(m_face.size()), b);
  }
}

void PiContouringFilled::bandColors()
{
  static const PbLinearDataMapping defaultMapping;
  const PbDataMapping* mapping = getDataMapping() ? getDataMapping() : &defaultMapping;
  const int numBands = getNumIsovalues() + 1;
  const bool withTransparency = mapping->isTransparencyEnabled() != 0;
  m_bandColor.assign(numBands, SbColor(0.8f, 0.8f, 0.8f));
  m_bandHasColor.assign(numBands, 0);
  m_bandTransparency.assign(withTransparency ? numBands : 0, 0.0f);
  for (int b = 0; b < numBands; ++b) {
    // A band takes the colour of its lower isovalue, as the list gives it (not as adjusted).
    const float v = b == 0 ? -1e20f : getRankOriginal(b - 1);
    float t = 0.0f;
    const SbColor* c = withTransparency ? mapping->getRGBColor(v, t) : mapping->getRGBColor(v);
    if (c) {
      m_bandColor[b] = *c;
      m_bandHasColor[b] = 1;
    }
    if (withTransparency)
      m_bandTransparency[b] = t;
  }
}

void PiContouringFilled::emitFace(const int* coords, int num, int band)
{
  m_faceIndex.insert(m_faceIndex.end(), coords, coords + num);
  m_faceIndex.push_back(-1);
  m_faceBand.push_back(band);
}

void PiContouringFilled::fillCell(const int* nodes, int numNodes, int bMin, int bMax)
{
  if (bMin == bMax) {
    emitFace(nodes, numNodes, bMin);
    return;
  }
  buildRing(nodes, numNodes);
  // A quadrangle whose corners alternate around an isovalue is a saddle: its bands are not
  // simple strips of the outline and must follow the contour segments instead.
  bool saddle = false;
  if (numNodes == 4) {
    const int* band = getBands();
    const int b0 = band[nodes[0]], b1 = band[nodes[1]], b2 = band[nodes[2]], b3 = band[nodes[3]];
    for (int r = bMin; r < bMax && !saddle; ++r)
      saddle = (b0 > r) != (b1 > r) && (b1 > r) != (b2 > r) && (b2 > r) != (b3 > r);
  }
  if (!saddle) {
    emitBandsOfRing(bMin, bMax);
    return;
  }
  if (cutAlongChords(bMin, bMax))
    return;
  // Segments of different isovalues that would cross: two triangles always cut cleanly.
  const int* band = getBands();
  const int tris[2][3] = {{nodes[0], nodes[1], nodes[2]}, {nodes[0], nodes[2], nodes[3]}};
  for (const auto& tri : tris) {
    const int lo = std::min({band[tri[0]], band[tri[1]], band[tri[2]]});
    const int hi = std::max({band[tri[0]], band[tri[1]], band[tri[2]]});
    if (lo == hi) {
      emitFace(tri, 3, lo);
    } else {
      buildRing(tri, 3);
      emitBandsOfRing(lo, hi);
    }
  }
}

void PiContouringFilled::buildRing(const int* nodes, int numNodes)
{
  const int* band = getBands();
  const int numMeshNodes = getNumNodes();
  m_ring.clear();
  for (int e = 0; e < numNodes; ++e) {
    const int p = nodes[e], q = nodes[(e + 1) % numNodes];
    m_ring.push_back(RingPoint{p, 2 * band[p]});
    const int lo = std::min(band[p], band[q]), hi = std::max(band[p], band[q]);
    if (lo == hi)
      continue;
    const int first = edgeCrossings(p, q, lo, hi) + numMeshNodes;
    // Walking from p to q meets the crossings in rising order when q lies higher.
    if (band[p] < band[q]) {
      for (int r = lo; r < hi; ++r)
        m_ring.push_back(RingPoint{first + r - lo, 2 * r + 1});
    } else {
      for (int r = hi - 1; r >= lo; --r)
        m_ring.push_back(RingPoint{first + r - lo, 2 * r + 1});
    }
  }
}

void PiContouringFilled::emitBandsOfRing(int bMin, int bMax)
{
  // Without a saddle each band meets the outline in one stretch: its nodes and the crossings
  // of its two isovalues, in outline order.
  for (int b = bMin; b <= bMax; ++b) {
    m_face.clear();
    for (const RingPoint& rp : m_ring)
      if (rp.level >= 2 * b - 1 && rp.level <= 2 * b + 1)
        m_face.push_back(rp.coord);
    if (m_face.size() >= 3)
      emitFace(m_face.data(), static_cast<int>(m_face.size()), b);
  }
}

bool PiContouringFilled::cutAlongChords(int bMin, int bMax)
{
  const int ringSize = static_cast<int>(m_ring.size());
  m_pieces.resize(ringSize);
  for (int k = 0; k < ringSize; ++k)
    m_pieces[k] = k;
  m_pieceStart.assign({0, ringSize});

  // Splits the piece that holds both ring positions a and b along the segment ab.
  auto split = [this](int a, int b) {
    const int numPieces = static_cast<int>(m_pieceStart.size()) - 1;
    for (int k = 0; k < numPieces; ++k) {
      const int start = m_pieceStart[k], end = m_pieceStart[k + 1], size = end - start;
      int ia = -1, ib = -1;
      for (int i = start; i < end; ++i) {
        if (m_pieces[i] == a)
          ia = i - start;
        else if (m_pieces[i] == b)
          ib = i - start;
      }
      if (ia < 0 || ib < 0)
        continue;
      m_scratch.clear();
      for (int i = 0; i < start; ++i)
        m_scratch.push_back(m_pieces[i]);
      for (int i = end; i < static_cast<int>(m_pieces.size()); ++i)
        m_scratch.push_back(m_pieces[i]);
      const int firstNew = static_cast<int>(m_scratch.size());
      for (int i = ia;; i = (i + 1) % size) {
        m_scratch.push_back(m_pieces[start + i]);
        if (i == ib)
          break;
      }
      const int secondNew = static_cast<int>(m_scratch.size());
      for (int i = ib;; i = (i + 1) % size) {
        m_scratch.push_back(m_pieces[start + i]);
        if (i == ia)
          break;
      }
      // Rebuild the piece starts: the untouched pieces shift, the two new ones close the list.
      std::vector<int> starts;
      starts.reserve(m_pieceStart.size() + 1);
      int offset = 0;
      for (int j = 0; j < numPieces; ++j) {
        if (j == k)
          continue;
        starts.push_back(offset);
        offset += m_pieceStart[j + 1] - m_pieceStart[j];
      }
      starts.push_back(firstNew);
      starts.push_back(secondNew);
      starts.push_back(static_cast<int>(m_scratch.size()));
      m_pieceStart.swap(starts);
      m_pieces.swap(m_scratch);
      return true;
    }
    return false;
  };

  const int numMeshNodes = getNumNodes();
  int pos[4];
  for (int r = bMin; r < bMax; ++r) {
    int count = 0;
    for (int k = 0; k < ringSize && count < 4; ++k)
      if (m_ring[k].level == 2 * r + 1)
        pos[count++] = k;
    if (count == 2) {
      if (!split(pos[0], pos[1]))
        return false;
    } else if (count == 4) {
      // The same pairing as the contour lines, so that bands and lines agree.
      const float* c = m_crossCoords.data();
      const float* P = c + 3 * static_cast<size_t>(m_ring[pos[0]].coord - numMeshNodes);
      const float* N = c + 3 * static_cast<size_t>(m_ring[pos[1]].coord - numMeshNodes);
      const float* O = c + 3 * static_cast<size_t>(m_ring[pos[2]].coord - numMeshNodes);
      const float* R = c + 3 * static_cast<size_t>(m_ring[pos[3]].coord - numMeshNodes);
      const bool toLast = pairsWithLast(P, N, O, R);
      if (!split(pos[0], toLast ? pos[3] : pos[1]) || !split(toLast ? pos[1] : pos[2], toLast ? pos[2] : pos[3]))
        return false;
    } else if (count != 0) {
      return false;
    }
  }

  // Every piece must now lie in one band; check all before emitting any.
  const int numPieces = static_cast<int>(m_pieceStart.size()) - 1;
  m_face.resize(numPieces);
  for (int k = 0; k < numPieces; ++k) {
    int nodeLevel = -1, maxLevel = -1, minLevel = 1 << 30;
    for (int i = m_pieceStart[k]; i < m_pieceStart[k + 1]; ++i) {
      const int level = m_ring[m_pieces[i]].level;
      if (level % 2 == 0) {
        if (nodeLevel >= 0 && nodeLevel != level)
          return false;
        nodeLevel = level;
      }
      maxLevel = std::max(maxLevel, level);
      minLevel = std::min(minLevel, level);
    }
    const int band = nodeLevel >= 0 ? nodeLevel / 2 : (maxLevel - 1) / 2;
    if (minLevel < 2 * band - 1 || maxLevel > 2 * band + 1)
      return false;
    m_face[k] = band;
  }
  std::vector<int>& coords = m_scratch;
  for (int k = 0; k < numPieces; ++k) {
    coords.clear();
    for (int i = m_pieceStart[k]; i < m_pieceStart[k + 1]; ++i)
      coords.push_back(m_ring[m_pieces[i]].coord);
    if (coords.size() >= 3)
      emitFace(coords.data(), static_cast<int>(coords.size()), m_face[k]);
  }
  return true;
}
