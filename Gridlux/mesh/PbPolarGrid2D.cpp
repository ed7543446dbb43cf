// Polar 2D grid: nodes from radii and angles, quadrangle cells between them.
#include <Gridlux/mesh/PbPolarGrid2D.h>

#include <Gridlux/representations/PoMesh2DVec.h>
#include <Gridlux/representations/PoMeshFilled.h>
#include <Gridlux/representations/PoMeshLines.h>

#include <Gridlux/base/PoDebugError.h>

#include <algorithm>
#include <cmath>

PbPolarGrid2D::PbPolarGrid2D(int isDataDuplicate)
  : PbGrid2D(isDataDuplicate), m_quadCell(this), m_radii(nullptr), m_angles(nullptr), m_ownedRadii(nullptr),
    m_ownedAngles(nullptr), m_px(nullptr), m_py(nullptr)
{
}

PbPolarGrid2D::PbPolarGrid2D(int numR, int numT, const float* radii, const float* angles, int isDataDuplicate)
  : PbPolarGrid2D(isDataDuplicate)
{
  setGeometry(numR, numT, radii, angles);
}

PbPolarGrid2D::PbPolarGrid2D(const PbPolarGrid2D& other)
  : PbGrid2D(other), m_quadCell(this), m_radii(nullptr), m_angles(nullptr), m_ownedRadii(nullptr),
    m_ownedAngles(nullptr), m_px(nullptr), m_py(nullptr)
{
  if (other.m_radii)
    setXYGeometry(other.m_numX, other.m_numY, other.m_radii, other.m_angles);
}

PbPolarGrid2D& PbPolarGrid2D::operator=(const PbPolarGrid2D& other)
{
  if (this != &other) {
    PbGrid2D::operator=(other);
    if (other.m_radii)
      setXYGeometry(other.m_numX, other.m_numY, other.m_radii, other.m_angles);
    notifyGeometry();
  }
  return *this;
}

PbPolarGrid2D::~PbPolarGrid2D()
{
  delete[] m_ownedRadii;
  delete[] m_ownedAngles;
  delete[] m_px;
  delete[] m_py;
}

int PbPolarGrid2D::setXYGeometry(int numX, int numY, const float* x, const float* y)
{
  static const char* method = "PbPolarGrid2D::setGeometry";
  if (!x || !y) {
    PoDebugError::post(method, "null radius or angle array; the geometry is unchanged");
    return 0;
  }
  if (hasInvalidFloat(method, "radius", numX, x) || hasInvalidFloat(method, "angle", numY, y))
    return 0;
  if (m_isDataDuplicate) {
    float* r = new float[numX];
    float* t = new float[numY];
    std::copy(x, x + numX, r);
    std::copy(y, y + numY, t);
    delete[] m_ownedRadii;
    delete[] m_ownedAngles;
    m_ownedRadii = r;
    m_ownedAngles = t;
    m_radii = r;
    m_angles = t;
  }
  else {
    m_radii = x;
    m_angles = y;
  }
  m_numX = numX;
  m_numY = numY;
  delete[] m_px;
  delete[] m_py;
  m_px = new float[size_t(numX) * numY];
  m_py = new float[size_t(numX) * numY];
  for (int i = 0; i < numX; i++)
    for (int j = 0; j < numY; j++) {
      m_px[i * numY + j] = m_radii[i] * std::cos(m_angles[j]);
      m_py[i * numY + j] = m_radii[i] * std::sin(m_angles[j]);
    }
  return 1;
}

void PbPolarGrid2D::getGeometry(int& numR, int& numT, const float*& radii, const float*& angles) const
{
  numR = m_numX;
  numT = m_numY;
  radii = m_radii;
  angles = m_angles;
}

void PbPolarGrid2D::getGeometry(int& numR, int& numT, const float*& radii, const float*& angles,
                                const float*& z) const
{
  getGeometry(numR, numT, radii, angles);
  z = m_zCoord;
}

SbVec3f PbPolarGrid2D::getNodeCoord(int i, int j) const
{
  const int n = i * m_numY + j;
  return SbVec3f(m_px[n], m_py[n], m_zCoord ? m_zCoord[n] : 0.0f);
}

const PbCell* PbPolarGrid2D::getCell(int cellIndex) const
{
  if (cellIndex < 0 || cellIndex >= m_numMeshCells)
    return nullptr;
  int i, j, nodes[4];
  getCellIndices(cellIndex, i, j);
  cellNodes(i, j, nodes);
  m_quadCell.set(cellIndex, nodes[0], nodes[1], nodes[2], nodes[3], m_px, m_py, m_zCoord);
  return &m_quadCell;
}

void PbPolarGrid2D::updateBoundingBox()
{
  m_boundingBox.makeEmpty();
  for (int n = 0; n < m_numMeshNodes; n++)
    m_boundingBox.extendBy(SbVec3f(m_px[n], m_py[n], m_zCoord ? m_zCoord[n] : 0.0f));
}

void PbPolarGrid2D::meshLines(PoMeshLines* node) const
{
  if (node)
    node->polarGridLines(this);
}

void PbPolarGrid2D::meshFilled(PoMeshFilled* node) const
{
  if (node)
    node->polarGridFilled(this);
}

void PbPolarGrid2D::mesh2DVec(PoMesh2DVec* node) const
{
  if (node)
    node->polarGrid2DVec(this);
}
