// Field of a triangle surface mesh: nodes, cells, then the value sets.
#include <Gridlux/mesh/nodes/PoSFTriangleMesh2D.h>

#include <Gridlux/mesh/nodes/MeshFieldXP.h>
#include <Gridlux/mesh/nodes/PoMeshElement.h>

PO_SFMESH_SOURCE(PoSFTriangleMesh2D, PbTriangleMesh2D)

namespace {

MeshFieldIO::CellList cellsOf(const PbTriangleMesh2D& mesh)
{
  MeshFieldIO::CellList c;
  mesh.getGeometry(c.numNodes, c.xyz[0], c.xyz[1], c.xyz[2], c.numCells, c.indices, c.types);
  c.indexLength = mesh.getCellIndexLength();
  c.types = nullptr; // implied by the kind, not written
  return c;
}

int apply(PbTriangleMesh2D& to, const MeshFieldIO::CellList& c)
{
  return c.xyz[2] ? to.setGeometry(c.numNodes, c.xyz[0], c.xyz[1], c.xyz[2], c.numCells, c.indices)
                  : to.setGeometry(c.numNodes, c.xyz[0], c.xyz[1], c.numCells, c.indices);
}

} // namespace

int PoSFTriangleMesh2D::setGeometry(int numNodes, const float* x, const float* y, int numCells, const int* cellIndex)
{
  const int done = value.setGeometry(numNodes, x, y, numCells, cellIndex);
  if (done)
    valueChanged();
  return done;
}

int PoSFTriangleMesh2D::setGeometry(int numNodes, const float* x, const float* y, const float* z, int numCells,
                                    const int* cellIndex)
{
  const int done = value.setGeometry(numNodes, x, y, z, numCells, cellIndex);
  if (done)
    valueChanged();
  return done;
}

int PoSFTriangleMesh2D::setGeometry(int numNodes, const float* x, const float* y)
{
  const int done = value.setGeometry(numNodes, x, y);
  if (done)
    valueChanged();
  return done;
}

void PoSFTriangleMesh2D::writeGeometry(SoOutput* out) const
{
  MeshFieldIO::writeCellList(out, 2, cellsOf(value), 0);
}

SbBool PoSFTriangleMesh2D::readGeometry(SoInput* in, PbTriangleMesh2D& mesh)
{
  return MeshFieldIO::readCellMesh(in, "PoSFTriangleMesh2D::readValue", 2, 0, 3, mesh, apply);
}

int PoSFTriangleMesh2D::sameGeometry(const PbTriangleMesh2D& a, const PbTriangleMesh2D& b)
{
  return MeshFieldIO::sameCellList(2, cellsOf(a), cellsOf(b));
}

void PoSFTriangleMesh2D::copyGeometry(const PbTriangleMesh2D& from, PbTriangleMesh2D& to)
{
  const MeshFieldIO::CellList c = cellsOf(from);
  if (c.numNodes > 0)
    apply(to, c);
}
