// Arrows of a vector set of the current 3D mesh, one per node.
#include <Gridlux/representations/PoMesh3DVec.h>

#include <Gridlux/mesh/PbCartesianGrid3D.h>
#include <Gridlux/mesh/PbHexahedronMesh3D.h>
#include <Gridlux/mesh/PbParalCartesianGrid3D.h>
#include <Gridlux/mesh/PbRegularCartesianGrid3D.h>
#include <Gridlux/mesh/PbTetrahedronMesh3D.h>
#include <Gridlux/representations/VectorFieldXP.h>

PO_KIT_SOURCE(PoMesh3DVec);

void PoMesh3DVec::initClass()
{
  PO_KIT_INIT_CLASS(PoMesh3DVec, PoMesh3D, "PoMesh3D");
}

GRIDLUX_VECTOR_FIELD_NODE_SOURCE(PoMesh3DVec, m_mesh3DInForce, expectedVectors(), offerVectors())

void PoMesh3DVec::addVector(const SbVec3f& point, const SbVec3f& vector, float scalar)
{
  m_field.addVector(point, vector, scalar);
}

int PoMesh3DVec::expectedVectors() const
{
  return m_mesh3DInForce ? m_mesh3DInForce->getNumNodes() : 0;
}

void PoMesh3DVec::offerVectors()
{
  // The mesh calls back the entry point of its kind.
  if (m_mesh3DInForce)
    m_mesh3DInForce->mesh3DVec(this);
}

void PoMesh3DVec::regularGrid3DVec(const PbRegularCartesianGrid3D* mesh)
{
  int nx, ny, nz;
  float x0, y0, z0, x1, y1, z1;
  mesh->getGeometry(nx, ny, nz, x0, y0, z0, x1, y1, z1);
  const float dx = mesh->getDx(), dy = mesh->getDy(), dz = mesh->getDz();
  const SbVec3f* v = m_inputs.vectors;
  int n = 0;
  for (int i = 0; i < nx; ++i)
    for (int j = 0; j < ny; ++j)
      for (int k = 0; k < nz; ++k, ++n)
        addVector(SbVec3f(x0 + i * dx, y0 + j * dy, z0 + k * dz), v[n]);
}

void PoMesh3DVec::paralCartGrid3DVec(const PbParalCartesianGrid3D* mesh)
{
  int nx, ny, nz;
  const float *x, *y, *z;
  mesh->getGeometry(nx, ny, nz, x, y, z);
  const SbVec3f* v = m_inputs.vectors;
  int n = 0;
  for (int i = 0; i < nx; ++i)
    for (int j = 0; j < ny; ++j)
      for (int k = 0; k < nz; ++k, ++n)
        addVector(SbVec3f(x[i], y[j], z[k]), v[n]);
}

void PoMesh3DVec::cartGrid3DVec(const PbCartesianGrid3D* mesh)
{
  const int num = mesh->getNumNodes();
  for (int n = 0; n < num; ++n)
    addVector(mesh->getNodeCoord(n), m_inputs.vectors[n]);
}

void PoMesh3DVec::hexahedronMesh3DVec(const PbHexahedronMesh3D* mesh)
{
  offerIndexedNodes(mesh);
}

void PoMesh3DVec::tetrahedronMesh3DVec(const PbTetrahedronMesh3D* mesh)
{
  offerIndexedNodes(mesh);
}

void PoMesh3DVec::indexedMesh3DVec(const PbIndexedMesh3D* mesh)
{
  offerIndexedNodes(mesh);
}

void PoMesh3DVec::offerIndexedNodes(const PbIndexedMesh3D* mesh)
{
  int num = 0;
  const float *x = nullptr, *y = nullptr, *z = nullptr;
  mesh->getNodes(num, x, y, z);
  for (int n = 0; n < num; ++n)
    addVector(SbVec3f(x[n], y[n], z[n]), m_inputs.vectors[n]);
}
