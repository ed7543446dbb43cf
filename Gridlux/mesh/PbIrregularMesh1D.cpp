// Irregular one-dimensional mesh: an owned array of abscissas.
#include <Gridlux/mesh/PbIrregularMesh1D.h>

#include <Gridlux/base/PoDebugError.h>

PbIrregularMesh1D::PbIrregularMesh1D(int isDataDuplicate) : PbMesh1D(isDataDuplicate) {}

PbIrregularMesh1D::PbIrregularMesh1D(int numX, const float* x, int isDataDuplicate) : PbMesh1D(isDataDuplicate)
{
  setGeometry(numX, x);
}

PbIrregularMesh1D::PbIrregularMesh1D(const PbIrregularMesh1D& other) : PbMesh1D(other)
{
  storeX(other.m_numMeshNodes, other.m_x);
}

PbIrregularMesh1D& PbIrregularMesh1D::operator=(const PbIrregularMesh1D& other)
{
  if (this != &other) {
    PbMesh1D::operator=(other);
    storeX(other.m_numMeshNodes, other.m_x);
    notifyGeometry();
  }
  return *this;
}

PbIrregularMesh1D::~PbIrregularMesh1D()
{
  delete[] m_x;
}

void PbIrregularMesh1D::storeX(int numX, const float* x)
{
  // The array only grows: a series that shrinks and grows again does not reallocate.
  if (numX > m_capacity || !m_x) {
    delete[] m_x;
    m_capacity = numX > 0 ? numX : 1;
    m_x = new float[m_capacity];
  }
  for (int i = 0; i < numX; i++)
    m_x[i] = x[i];
}

int PbIrregularMesh1D::setGeometry(int numX, const float* x)
{
  static const char* method = "PbIrregularMesh1D::setGeometry";
  if (numX < 0) {
    PoDebugError::post(method, "negative number of nodes (%d); the geometry is unchanged", numX);
    return 0;
  }
  if (numX > 0 && !x) {
    PoDebugError::post(method, "null abscissas for %d nodes; the geometry is unchanged", numX);
    return 0;
  }
  if (hasInvalidFloat(method, "x", numX, x))
    return 0;
  storeX(numX, x);
  applyNumNodes(numX);
  updateBoundingBox();
  notifyGeometry();
  return 1;
}

void PbIrregularMesh1D::getGeometry(int& numX, const float*& x) const
{
  numX = m_numMeshNodes;
  x = m_numMeshNodes ? m_x : nullptr;
}

void PbIrregularMesh1D::updateBoundingBox()
{
  m_boundingBox.makeEmpty();
  for (int i = 0; i < m_numMeshNodes; i++)
    m_boundingBox.extendBy(SbVec3f(m_x[i], 0, 0));
}

void PbIrregularMesh1D::print(FILE* file) const
{
  PbMesh::print(file);
  fprintf(file, "PbIrregularMesh1D:: x coordinates ...\n");
  for (int i = 0; i < m_numMeshNodes; i++)
    fprintf(file, "%f ", m_x[i]);
  fprintf(file, "\n");
}
