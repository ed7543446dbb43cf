// Regular one-dimensional mesh: abscissas from two bounds and a node count.
#include <Gridlux/mesh/PbRegularMesh1D.h>

#include <Gridlux/base/PoDebugError.h>

#include <algorithm>

PbRegularMesh1D::PbRegularMesh1D(int isDataDuplicate) : PbMesh1D(isDataDuplicate) {}

PbRegularMesh1D::PbRegularMesh1D(int numX, float xmin, float xmax, int isDataDuplicate)
  : PbMesh1D(isDataDuplicate)
{
  setGeometry(numX, xmin, xmax);
}

PbRegularMesh1D::PbRegularMesh1D(const PbRegularMesh1D& other)
  : PbMesh1D(other), m_xmin(other.m_xmin), m_xmax(other.m_xmax), m_step(other.m_step)
{
}

PbRegularMesh1D& PbRegularMesh1D::operator=(const PbRegularMesh1D& other)
{
  if (this != &other) {
    PbMesh1D::operator=(other);
    m_xmin = other.m_xmin;
    m_xmax = other.m_xmax;
    m_step = other.m_step;
    notifyGeometry();
  }
  return *this;
}

PbRegularMesh1D::~PbRegularMesh1D() = default;

int PbRegularMesh1D::setGeometry(int numX, float xmin, float xmax)
{
  static const char* method = "PbRegularMesh1D::setGeometry";
  if (numX < 0) {
    PoDebugError::post(method, "negative number of nodes (%d); the geometry is unchanged", numX);
    return 0;
  }
  const float bounds[2] = {xmin, xmax};
  if (hasInvalidFloat(method, "bounds", 2, bounds))
    return 0;
  m_xmin = xmin;
  m_xmax = xmax;
  m_step = numX > 1 ? (xmax - xmin) / (numX - 1) : 0;
  applyNumNodes(numX);
  updateBoundingBox();
  notifyGeometry();
  return 1;
}

void PbRegularMesh1D::getGeometry(int& numX, float& xmin, float& xmax) const
{
  numX = m_numMeshNodes;
  xmin = m_xmin;
  xmax = m_xmax;
}

void PbRegularMesh1D::updateBoundingBox()
{
  m_boundingBox.makeEmpty();
  if (m_numMeshNodes == 0)
    return;
  m_boundingBox.extendBy(SbVec3f(std::min(m_xmin, m_xmax), 0, 0));
  m_boundingBox.extendBy(SbVec3f(std::max(m_xmin, m_xmax), 0, 0));
}

void PbRegularMesh1D::print(FILE* file) const
{
  PbMesh::print(file);
  fprintf(file, "PbRegularMesh1D:: xmin = %f, xmax = %f, step = %f\n", m_xmin, m_xmax, m_step);
}
