// Base of the representations of volume meshes: the typed 3D mesh and the level-surface machinery.
#include <Gridlux/representations/PoMesh3D.h>

#include <Gridlux/mesh/PbGrid3D.h>
#include <Gridlux/mesh/PbHexahedronCell.h>
#include <Gridlux/mesh/PbHexahedronMesh3D.h>
#include <Gridlux/mesh/PbIndexedMesh3D.h>
#include <Gridlux/mesh/PbMesh3D.h>
#include <Gridlux/mesh/PbPyramidCell.h>
#include <Gridlux/mesh/PbTetrahedronCell.h>
#include <Gridlux/mesh/PbTetrahedronMesh3D.h>
#include <Gridlux/mesh/PbWedgeCell.h>
#include <Gridlux/mesh/PiMarchingCase.h>
#include <Gridlux/mesh/nodes/PoMeshElement.h>
#include <Gridlux/representations/algorithms/PiContouringFilled.h>
#include <Gridlux/representations/algorithms/PiTextureContouring.h>

#include <Inventor/fields/SoMFVec2f.h>
#include <Inventor/fields/SoMFVec3f.h>
#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoIndexedTriangleStripSet.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoMaterialBinding.h>
#include <Inventor/nodes/SoTexture2.h>
#include <Inventor/nodes/SoTextureCoordinate2.h>
#include <Inventor/nodes/SoTextureCoordinateBinding.h>

#include <algorithm>

PO_KIT_ABSTRACT_SOURCE(PoMesh3D);

void PoMesh3D::initClass()
{
  PO_KIT_INIT_ABSTRACT_CLASS(PoMesh3D, PoMesh, "PoMesh");
}

PoMesh3D::PoMesh3D()
{
  SO_KIT_CONSTRUCTOR(PoMesh3D);
  SO_KIT_INIT_INSTANCE();
}

PoMesh3D::~PoMesh3D()
{
  changeConnection(m_mesh3D, nullptr);
  delete[] m_nodeFlags;
}

void PoMesh3D::setMesh(PbMesh3D* mesh)
{
  replaceFollowed(m_mesh3D, mesh);
}

const PbMesh3D* PoMesh3D::getMesh() const
{
  if (m_mesh3D)
    return m_mesh3D;
  if (const PbMesh3D* mesh = dynamic_cast<const PbMesh3D*>(PoMesh::getMesh()))
    return mesh;
  return isStateValid() && getState() ? PoMeshElement::getMesh3D(getState()) : nullptr;
}

void PoMesh3D::basicObjectChange(PbBase* object)
{
  if (followedObjectChanged(object, m_mesh3D))
    return;
  inherited::basicObjectChange(object);
}

void PoMesh3D::preRebuild()
{
  inherited::preRebuild();
  m_mesh3DInForce = getMesh();
  if (m_coloring != COLOR_INHERITED) {
    const bool hasSet = m_mesh3DInForce && valuesIndex.getValue() >= 0 &&
                        m_mesh3DInForce->getValuesSet(valuesIndex.getValue()) != nullptr;
    // Without a mesh there is nothing to test: the colouring stands, and nothing is drawn.
    if (m_mesh3DInForce && !hasSet)
      m_coloring = COLOR_INHERITED;
  }
}

// ---------------------------------------------------------------------------------------------
// Level surface: shape indices per mesh kind

namespace {
const int kNumBuckets = 10007;

// Case of @p id, or of its complement within @p mask when the surface faces the other way.
inline int caseId(int id, int mask, int orientation)
{
  return orientation ? id : (~id & mask);
}
}

std::vector<PoMesh3D::OptQuad> PoMesh3D::m_optQuads;
std::unordered_map<unsigned long long, int> PoMesh3D::m_optQuadHeads;

void PoMesh3D::pushIndex(int index)
{
  // The array grows by a fixed step of its own: doubling here keeps big surfaces linear.
  const int num = m_coordIndexArray.getNum();
  if (num >= m_coordIndexArray.getCapacity())
    m_coordIndexArray.setCapacity(2 * num + 64, 0);
  m_coordIndexArray.add(index);
}

void PoMesh3D::pushValue(float value)
{
  float* values = allocPointValues(m_numValues + 1);
  values[m_numValues] = value;
  ++m_numValues;
}

const float* PoMesh3D::beginShapeIndices(const PbMesh3D* mesh, bool orEqual)
{
  // The level set is read from the mesh being cut, whoever asked for it.
  m_mesh3DInForce = mesh;
  const int numNodes = mesh->getNumNodes();
  m_coordIndexArray.empty();
  m_numValues = 0;
  initSurfPointList();
  initOptQuadrangleList();
  const float* values = getIsosurfDataSet();
  if (!values || numNodes <= 0)
    return nullptr;
  float level = getIsosurfValue();
  adjustIsoval(numNodes, values, level);
  m_levelInForce = level;
  if (numNodes >= m_allocNodeFlags) {
    delete[] m_nodeFlags;
    m_allocNodeFlags = 2 * numNodes;
    m_nodeFlags = new unsigned char[m_allocNodeFlags];
  }
  for (int n = 0; n < numNodes; ++n)
    m_nodeFlags[n] = orEqual ? values[n] >= level : values[n] > level;
  return values;
}

void PoMesh3D::grid3DLevelSurfShapeIndices(const PbGrid3D* mesh, int orientation, const float* perCellValues)
{
  if (!mesh || !beginShapeIndices(mesh, false))
    return;
  const int nX = mesh->getNumX(), nY = mesh->getNumY(), nZ = mesh->getNumZ();
  if (nX < 2 || nY < 2 || nZ < 2)
    return;
  const PbCell* first = mesh->getCell(0);
  if (first && first->getOrdering() == 0)
    orientation = 1 - orientation;
  const unsigned char* f = m_nodeFlags;
  const int dy = nZ, dx = nY * nZ;
  const int withValue = perCellValues != nullptr;
  int nodes[8];
  for (int i = 0; i + 1 < nX; ++i) {
    for (int j = 0; j + 1 < nY; ++j) {
      const int row = (i * nY + j) * nZ;
      const int cellRow = ((nY - 1) * i + j) * (nZ - 1);
      for (int k = 0; k + 1 < nZ; ++k) {
        // Local nodes 0-3 at k + 1, 4-7 at k, each ring going (i,j), (i,j+1), (i+1,j+1), (i+1,j).
        const int n4 = row + k;
        const int id = f[n4 + 1] | f[n4 + dy + 1] << 1 | f[n4 + dx + dy + 1] << 2 | f[n4 + dx + 1] << 3 | f[n4] << 4 |
                       f[n4 + dy] << 5 | f[n4 + dx + dy] << 6 | f[n4 + dx] << 7;
        if (id == 0 || id == 255)
          continue;
        nodes[0] = n4 + 1;
        nodes[1] = n4 + dy + 1;
        nodes[2] = n4 + dx + dy + 1;
        nodes[3] = n4 + dx + 1;
        nodes[4] = n4;
        nodes[5] = n4 + dy;
        nodes[6] = n4 + dx + dy;
        nodes[7] = n4 + dx;
        addHexahedronLevelSurfPart(id, nodes, orientation, withValue, withValue ? perCellValues[cellRow + k] : 0.0f);
      }
    }
  }
  addLevelSurfOptQuadrangle(withValue);
}

template <int N>
bool PoMesh3D::uniformMeshShapeIndices(const PbIndexedMesh3D* mesh, int orientation, const float* perCellValues,
                                       AddPart addPart)
{
  if (!mesh || !beginShapeIndices(mesh, false))
    return false;
  int numNodes, numCells;
  const float *x, *y, *z;
  const int *cellIndex, *cellType;
  mesh->getGeometry(numNodes, x, y, z, numCells, cellIndex, cellType);
  if (numCells <= 0 || !cellIndex)
    return true;
  const PbCell* first = mesh->getCell(0);
  if (first && first->getOrdering() == 0)
    orientation = 1 - orientation;
  const unsigned char* f = m_nodeFlags;
  const int withValue = perCellValues != nullptr;
  constexpr int full = (1 << N) - 1;
  for (int c = 0; c < numCells; ++c) {
    const int* n = cellIndex + N * c;
    int id = 0;
    for (int k = 0; k < N; ++k)
      id |= f[n[k]] << k;
    if (id != 0 && id != full)
      (this->*addPart)(id, n, orientation, withValue, withValue ? perCellValues[c] : 0.0f);
  }
  return true;
}

void PoMesh3D::hexahedronMeshLevelSurfShapeIndices(const PbHexahedronMesh3D* mesh, int orientation,
                                                   const float* perCellValues)
{
  if (uniformMeshShapeIndices<8>(mesh, orientation, perCellValues, &PoMesh3D::addHexahedronLevelSurfPart))
    addLevelSurfOptQuadrangle(perCellValues != nullptr);
}

void PoMesh3D::tetrahedronMeshLevelSurfShapeIndices(const PbTetrahedronMesh3D* mesh, int orientation,
                                                    const float* perCellValues)
{
  // Tetrahedra have no ambiguous face: no quadrangle to collect.
  uniformMeshShapeIndices<4>(mesh, orientation, perCellValues, &PoMesh3D::addTetrahedronLevelSurfPart);
}

void PoMesh3D::indexedMeshLevelSurfShapeIndices(const PbIndexedMesh3D* mesh, int orientation,
                                                const float* perCellValues)
{
  if (!mesh || !beginShapeIndices(mesh, true))
    return;
  int numNodes, numCells;
  const float *x, *y, *z;
  const int *cellIndex, *cellType;
  mesh->getGeometry(numNodes, x, y, z, numCells, cellIndex, cellType);
  if (numCells <= 0 || !cellIndex)
    return;
  const int length = mesh->getCellIndexLength();
  const unsigned char* f = m_nodeFlags;
  const int withValue = perCellValues != nullptr;
  // Orientation of each kind (tetrahedron, pyramid, wedge, hexahedron), settled at its first cut cell.
  int kindOrientation[4] = {-1, -1, -1, -1};
  for (int c = 0; c < numCells; ++c) {
    const int offset = mesh->getCellOffset(c);
    const int end = c + 1 < numCells ? mesh->getCellOffset(c + 1) : length;
    const int count = end - offset;
    const int kind = count == 4 ? 0 : count == 5 ? 1 : count == 6 ? 2 : count == 8 ? 3 : -1;
    if (kind < 0)
      continue;
    const int* n = cellIndex + offset;
    int id = 0;
    for (int i = 0; i < count; ++i)
      id |= f[n[i]] << i;
    if (id == 0 || id == (1 << count) - 1)
      continue;
    if (kindOrientation[kind] < 0) {
      const PbCell* cell = mesh->getCell(c);
      kindOrientation[kind] = cell && cell->getOrdering() != 0 ? 1 - orientation : orientation;
    }
    const float value = withValue ? perCellValues[c] : 0.0f;
    switch (kind) {
    case 0:
      addTetrahedronLevelSurfPart(id, n, kindOrientation[kind], withValue, value);
      break;
    case 1:
      addPyramidLevelSurfPart(id, n, kindOrientation[kind], withValue, value);
      break;
    case 2:
      addPentahedronLevelSurfPart(id, n, kindOrientation[kind], withValue, value);
      break;
    default:
      addHexahedronLevelSurfPart(id, n, kindOrientation[kind], withValue, value);
      break;
    }
  }
  addLevelSurfOptQuadrangle(withValue);
}

// ---------------------------------------------------------------------------------------------
// Level surface: one cell

void PoMesh3D::addLevelSurfPart(const PiMarchingCase* item, const int* nodes, int withValue, float value)
{
  if (!item)
    return;
  const std::vector<int>& pairs = item->getNodePairs();
  int local[12]; // surface points of the case in order; no kind has more than 12 edges
  int numLocal = 0;
  for (size_t i = 0; i < pairs.size();) {
    if (pairs[i] < 0) {
      pushIndex(-1);
      if (withValue)
        pushValue(value);
      ++i;
      continue;
    }
    int point;
    addSurfPoint(nodes[pairs[i]], nodes[pairs[i + 1]], point);
    pushIndex(point);
    if (numLocal < 12)
      local[numLocal++] = point;
    i += 2;
  }
  pushIndex(-1);
  if (withValue)
    pushValue(value);
  const std::vector<int>& quads = item->getOptQuads();
  if (quads.empty())
    return;
  int translated[30]; // at most six quadrangles of four points and their separators
  const int num = static_cast<int>(quads.size()) < 30 ? static_cast<int>(quads.size()) : 29;
  for (int i = 0; i < num; ++i)
    translated[i] = quads[i] < 0 ? -1 : quads[i] < numLocal ? local[quads[i]] : -1;
  addOptQuadrangle((num + 1) / 5, translated, value);
}

void PoMesh3D::addTetrahedronLevelSurfPart(int id, const int* nodes, int orientation, int withValue, float value)
{
  addLevelSurfPart(PbTetrahedronCell::getMCcase(static_cast<unsigned char>(caseId(id, 15, orientation))), nodes,
                   withValue, value);
}

void PoMesh3D::addHexahedronLevelSurfPart(int id, const int* nodes, int orientation, int withValue, float value)
{
  addLevelSurfPart(PbHexahedronCell::getMCcase(static_cast<unsigned char>(caseId(id, 255, orientation))), nodes,
                   withValue, value);
}

void PoMesh3D::addPentahedronLevelSurfPart(int id, const int* nodes, int orientation, int withValue, float value)
{
  addLevelSurfPart(PbWedgeCell::getMCcase(static_cast<unsigned char>(caseId(id, 63, orientation))), nodes,
                   withValue, value);
}

void PoMesh3D::addPyramidLevelSurfPart(int id, const int* nodes, int orientation, int withValue, float value)
{
  addLevelSurfPart(PbPyramidCell::getMCcase(static_cast<unsigned char>(caseId(id, 31, orientation))), nodes,
                   withValue, value);
}

// ---------------------------------------------------------------------------------------------
// Level surface: shared points and face quadrangles

void PoMesh3D::initSurfPointList()
{
  if (m_bucketFirst.empty()) {
    m_bucketFirst.resize(kNumBuckets);
    m_bucketOverflow.resize(kNumBuckets);
    m_surfPairs.reserve(2 * 5000);
  }
  std::fill(m_bucketFirst.begin(), m_bucketFirst.end(), -1);
  for (std::vector<int>& overflow : m_bucketOverflow)
    overflow.clear();
  m_surfPairs.clear();
}

int PoMesh3D::addSurfPoint(int node0, int node1, int& pointIndex)
{
  if (m_bucketFirst.empty())
    initSurfPointList();
  const int lo = node0 < node1 ? node0 : node1;
  const int hi = node0 < node1 ? node1 : node0;
  const long long bucket =
    ((static_cast<long long>((hi + 1) % kNumBuckets) * ((lo + 1) % kNumBuckets)) + hi + lo) % kNumBuckets;
  int& first = m_bucketFirst[bucket];
  if (first >= 0) {
    if (m_surfPairs[2 * first] == lo && m_surfPairs[2 * first + 1] == hi) {
      pointIndex = first;
      return 0;
    }
    for (int p : m_bucketOverflow[bucket]) {
      if (m_surfPairs[2 * p] == lo && m_surfPairs[2 * p + 1] == hi) {
        pointIndex = p;
        return 0;
      }
    }
  }
  pointIndex = getNumSurfPoints();
  m_surfPairs.push_back(lo);
  m_surfPairs.push_back(hi);
  if (first < 0) {
    first = pointIndex;
  } else {
    std::vector<int>& overflow = m_bucketOverflow[bucket];
    if (overflow.capacity() == 0)
      overflow.reserve(30);
    overflow.push_back(pointIndex);
  }
  return 1;
}

void PoMesh3D::initOptQuadrangleList()
{
  if (m_optQuads.capacity() == 0)
    m_optQuads.reserve(100);
  m_optQuads.clear();
  m_optQuadHeads.clear();
}

void PoMesh3D::addOptQuadrangle(int count, int* quads, float value)
{
  if (count <= 0 || !quads)
    return;
  for (int q = 0; q < count; ++q) {
    const int* src = quads + 5 * q;
    if (src[0] < 0 || src[1] < 0 || src[2] < 0 || src[3] < 0)
      continue;
    // The same cycle from its smallest point, so that two cells name it alike.
    int start = 0;
    for (int k = 1; k < 4; ++k)
      if (src[k] < src[start])
        start = k;
    const int key[4] = {src[start], src[(start + 1) % 4], src[(start + 2) % 4], src[(start + 3) % 4]};
    const unsigned long long head =
      static_cast<unsigned long long>(static_cast<unsigned>(key[0])) << 32 | static_cast<unsigned>(key[1]);
    auto found = m_optQuadHeads.find(head);
    int record = found == m_optQuadHeads.end() ? -1 : found->second;
    for (; record >= 0; record = m_optQuads[record].next) {
      const OptQuad& r = m_optQuads[record];
      if (r.q[2] == key[2] && r.q[3] == key[3])
        break;
    }
    if (record >= 0) {
      ++m_optQuads[record].count;
      continue;
    }
    OptQuad added = {{key[0], key[1], key[2], key[3]}, 1, value, found == m_optQuadHeads.end() ? -1 : found->second};
    m_optQuadHeads[head] = static_cast<int>(m_optQuads.size());
    m_optQuads.push_back(added);
  }
}

void PoMesh3D::addLevelSurfOptQuadrangle(int withValues)
{
  for (const OptQuad& r : m_optQuads) {
    if (r.count <= 1)
      continue;
    pushIndex(r.q[0]);
    pushIndex(r.q[1]);
    pushIndex(r.q[3]);
    pushIndex(r.q[2]);
    pushIndex(-1);
    if (withValues)
      pushValue(r.value);
  }
}

// ---------------------------------------------------------------------------------------------
// Level surface: points and colours

void PoMesh3D::interpolatePoints(const PbMesh3D* mesh, const float* levelValues, float level, SoMFVec3f& coords)
{
  const int num = getNumSurfPoints();
  m_surfParams.resize(num);
  coords.setNum(num);
  if (num == 0)
    return;
  SbVec3f* out = coords.startEditing();
  // Indexed meshes hand their coordinate arrays; the other kinds compute a node's position.
  const PbIndexedMesh3D* indexed = dynamic_cast<const PbIndexedMesh3D*>(mesh);
  int numNodes = 0;
  const float *x = nullptr, *y = nullptr, *z = nullptr;
  if (indexed)
    indexed->getNodes(numNodes, x, y, z);
  for (int p = 0; p < num; ++p) {
    const int lo = m_surfPairs[2 * p], hi = m_surfPairs[2 * p + 1];
    const float vLo = levelValues[lo], vHi = levelValues[hi];
    const float t = vLo != vHi ? (vLo - level) / (vLo - vHi) : 0.0f;
    m_surfParams[p] = t;
    SbVec3f cLo, cHi;
    if (x) {
      cLo.setValue(x[lo], y[lo], z[lo]);
      cHi.setValue(x[hi], y[hi], z[hi]);
    } else {
      cLo = mesh->getNodeCoord(lo);
      cHi = mesh->getNodeCoord(hi);
    }
    out[p] = cLo - (cLo - cHi) * t;
  }
  coords.finishEditing();
}

void PoMesh3D::computeLevelSurfPointCoord(const PbMesh3D* mesh, const float* levelValues, float level,
                                          SoMFVec3f& coords)
{
  if (!mesh || !levelValues) {
    coords.setNum(0);
    return;
  }
  interpolatePoints(mesh, levelValues, level, coords);
}

namespace {
// A colour value at each surface point, interpolated with the point's parameter.
template <class F> void forEachPointValue(const std::vector<int>& pairs, const std::vector<float>& params,
                                          const float* colorValues, F f)
{
  const int num = static_cast<int>(params.size());
  for (int p = 0; p < num; ++p) {
    const float cLo = colorValues[pairs[2 * p]], cHi = colorValues[pairs[2 * p + 1]];
    f(p, cLo - (cLo - cHi) * params[p]);
  }
}
}

void PoMesh3D::computeLevelSurfPointCoordAndMaterial(const PbMesh3D* mesh, const float* levelValues, float level,
                                                     SoMFVec3f& coords, const float* colorValues)
{
  computeLevelSurfPointCoordAndValues(mesh, levelValues, level, coords, colorValues);
  mapColor(m_numValues, m_pointValues);
}

void PoMesh3D::computeLevelSurfPointCoordAndTexture(const PbMesh3D* mesh, const float* levelValues, float level,
                                                    SoMFVec3f& coords, const float* colorValues,
                                                    SoMFVec2f& texCoords)
{
  computeLevelSurfPointCoordAndValues(mesh, levelValues, level, coords, colorValues);
  texCoords.setNum(m_numValues);
  PiTextureContouring* texture = getTextureContouring();
  if (!texture || m_numValues == 0)
    return;
  texture->getTextureCoords(m_numValues, m_pointValues, texCoords.startEditing());
  texCoords.finishEditing();
}

void PoMesh3D::computeLevelSurfPointCoordAndValues(const PbMesh3D* mesh, const float* levelValues, float level,
                                                   SoMFVec3f& coords, const float* colorValues)
{
  m_numValues = 0;
  m_numPoints = 0;
  computeLevelSurfPointCoord(mesh, levelValues, level, coords);
  if (!mesh || !levelValues || !colorValues)
    return;
  const int num = coords.getNum();
  float* values = allocPointValues(num);
  float* points = allocPoints(num);
  const SbVec3f* in = coords.getValues(0);
  forEachPointValue(m_surfPairs, m_surfParams, colorValues, [&](int p, float v) {
    values[p] = v;
    points[3 * p] = in[p][0];
    points[3 * p + 1] = in[p][1];
    points[3 * p + 2] = in[p][2];
  });
  m_numValues = num;
  m_numPoints = num;
}

void PoMesh3D::computeLevelSurfPerCellMaterial()
{
  mapColor(m_numValues, m_pointValues);
}

// ---------------------------------------------------------------------------------------------
// Level surface: colourings

int PoMesh3D::levelSurfShapeIndices(int orientation, const float* perCellValues)
{
  // A mesh kind without its own operation leaves the buffers empty rather than stale.
  m_coordIndexArray.empty();
  m_numValues = 0;
  initSurfPointList();
  if (!m_mesh3DInForce || !m_levelSurfGroup)
    return 0;
  m_mesh3DInForce->meshLevelSurfShapeIndices(this, orientation, perCellValues);
  return m_coordIndexArray.getNum() > 0;
}

SoIndexedTriangleStripSet* PoMesh3D::makeStripSet() const
{
  SoIndexedTriangleStripSet* strips = new SoIndexedTriangleStripSet;
  strips->coordIndex.setValues(0, m_coordIndexArray.getNum(), m_coordIndexArray.get());
  return strips;
}

void PoMesh3D::buildMeshLevelSurfInhColr(const float* levelValues, SbVec3f*)
{
  if (!levelSurfShapeIndices(getSurfOrientation(), nullptr))
    return;
  SoCoordinate3* coords = new SoCoordinate3;
  computeLevelSurfPointCoord(m_mesh3DInForce, levelValues, m_levelInForce, coords->point);
  m_levelSurfGroup->addChild(coords);
  m_levelSurfGroup->addChild(makeStripSet());
}

void PoMesh3D::buildMeshLevelSurfPerCellColr(const float* levelValues, const float* colorValues, SbVec3f*)
{
  if (!colorValues) {
    buildMeshLevelSurfInhColr(levelValues, nullptr);
    return;
  }
  if (!levelSurfShapeIndices(getSurfOrientation(), colorValues))
    return;
  m_levelSurfMaterialBinding = new SoMaterialBinding;
  m_levelSurfMaterialBinding->value = SoMaterialBinding::PER_PART;
  m_levelSurfGroup->addChild(m_levelSurfMaterialBinding);
  SoCoordinate3* coords = new SoCoordinate3;
  computeLevelSurfPointCoord(m_mesh3DInForce, levelValues, m_levelInForce, coords->point);
  m_levelSurfGroup->addChild(coords);
  m_levelSurfGroup->addChild(makeStripSet());
  computeLevelSurfPerCellMaterial();
}

void PoMesh3D::buildMeshLevelSurfMapColr(const float* levelValues, const float* colorValues, SbVec3f*)
{
  if (!colorValues) {
    buildMeshLevelSurfInhColr(levelValues, nullptr);
    return;
  }
  if (!levelSurfShapeIndices(getSurfOrientation(), nullptr))
    return;
  SoCoordinate3* coords = new SoCoordinate3;
  if (m_coloring == COLOR_TEXTURE_CONTOURING) {
    SoTextureCoordinateBinding* binding = new SoTextureCoordinateBinding;
    binding->value = SoTextureCoordinateBinding::PER_VERTEX_INDEXED;
    SoTextureCoordinate2* texCoords = new SoTextureCoordinate2;
    m_levelSurfGroup->addChild(binding);
    m_levelSurfGroup->addChild(texCoords);
    computeLevelSurfPointCoordAndTexture(m_mesh3DInForce, levelValues, m_levelInForce, coords->point, colorValues,
                                         texCoords->point);
    if (PiTextureContouring* texture = getTextureContouring())
      m_levelSurfTexture = texture->getTexture();
  } else {
    m_levelSurfMaterialBinding = new SoMaterialBinding;
    m_levelSurfGroup->addChild(m_levelSurfMaterialBinding);
    if (colorValues == levelValues) {
      // The colour of the level itself, over the whole surface.
      computeLevelSurfPointCoord(m_mesh3DInForce, levelValues, m_levelInForce, coords->point);
      const float level = getIsosurfValue();
      mapColor(1, &level);
      m_levelSurfMaterialBinding->value = SoMaterialBinding::OVERALL;
    } else {
      computeLevelSurfPointCoordAndMaterial(m_mesh3DInForce, levelValues, m_levelInForce, coords->point,
                                            colorValues);
      m_levelSurfMaterialBinding->value = SoMaterialBinding::PER_VERTEX_INDEXED;
    }
  }
  m_levelSurfGroup->addChild(coords);
  m_levelSurfGroup->addChild(makeStripSet());
}

void PoMesh3D::buildMeshLevelSurfContColr(const float* levelValues, const float* colorValues, SbVec3f*)
{
  if (!colorValues || colorValues == levelValues) {
    buildMeshLevelSurfMapColr(levelValues, colorValues, nullptr);
    return;
  }
  if (!levelSurfShapeIndices(getSurfOrientation(), nullptr))
    return;
  PiContouringFilled* cutter = getContouringFilled();
  cutter->initGeometry();
  const int32_t* indices = m_coordIndexArray.get();
  const int total = m_coordIndexArray.getNum();
  for (int start = 0; start < total;) {
    int end = start;
    while (end < total && indices[end] >= 0)
      ++end;
    if (end > start)
      cutter->addStripElems(end - start, indices + start);
    start = end + 1;
  }
  SoCoordinate3* coords = new SoCoordinate3;
  coords->ref();
  computeLevelSurfPointCoordAndValues(m_mesh3DInForce, levelValues, m_levelInForce, coords->point, colorValues);
  cutter->setPoints(coords->point.getNum(), coords);
  cutter->setDataMapping(m_dataMappingInForce);
  cutter->setIsovaluesList(m_isovaluesListInForce);
  SoMaterial* material = new SoMaterial;
  SoMaterialBinding* binding = new SoMaterialBinding;
  material->ref();
  binding->ref();
  cutter->fillSurf(m_pointValues, nullptr, m_levelSurfGroup, material, binding);
  if (cutter->getNumFaces() > 0) {
    m_material = material;
    m_levelSurfMaterialBinding = binding;
    material->unrefNoDelete();
  } else {
    // No isovalue cuts the surface: it keeps the inherited colour.
    material->unref();
    m_levelSurfGroup->addChild(coords);
    m_levelSurfGroup->addChild(makeStripSet());
  }
  binding->unref();
  coords->unref();
}
