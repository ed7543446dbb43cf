// Field of a quadrangle surface mesh: nodes, cells, then the value sets.
#include <Gridlux/mesh/nodes/PoSFQuadrangleMesh2D.h>

#include <Gridlux/mesh/nodes/MeshFieldXP.h>
#include <Gridlux/mesh/nodes/PoMeshElement.h>

PO_SFMESH_SOURCE(PoSFQuadrangleMesh2D, PbQuadrangleMesh2D)

namespace {

MeshFieldIO::CellList cellsOf(const PbQuadrangleMesh2D& mesh)
{
  MeshFieldIO::CellList c;
  mesh.getGeometry(c.numNodes, c.xyz[0], c.xyz[1], c.xyz[2], c.numCells, c.indices, c.types);
  c.indexLength = mesh.getCellIndexLength();
  c.types = nullptr; // implied by the kind, not written
  return c;
}

int apply(PbQuadrangleMesh2D& to, const MeshFieldIO::CellList& c)
{
  return c.xyz[2] ? to.setGeometry(c.numNodes, c.xyz[0], c.xyz[1], c.xyz[2], c.numCells, c.indices)
                  : to.setGeometry(c.numNodes, c.xyz[0], c.xyz[1], c.numCells, c.indices);
}

} // namespace

int PoSFQuadrangleMesh2D::setGeometry(int numNodes, const float* x, const float* y, int numCells, const int* cellIndex)
{
  const int done = value.setGeometry(numNodes, x, y, numCells, cellIndex);
  if (done)
    valueChanged();
  return done;
}

int PoSFQuadrangleMesh2D::setGeometry(int numNodes, const float* x, const float* y, const float* z, int numCells,
                                      const int* cellIndex)
{
  const int done = value.setGeometry(numNodes, x, y, z, numCells, cellIndex);
  if (done)
    valueChanged();
  return done;
}

void PoSFQuadrangleMesh2D::writeGeometry(SoOutput* out) const
{
  MeshFieldIO::writeCellList(out, 2, cellsOf(value), 0);
}

SbBool PoSFQuadrangleMesh2D::readGeometry(SoInput* in, PbQuadrangleMesh2D& mesh)
{
  return MeshFieldIO::readCellMesh(in, "PoSFQuadrangleMesh2D::readValue", 2, 0, 4, mesh, apply);
}

int PoSFQuadrangleMesh2D::sameGeometry(const PbQuadrangleMesh2D& a, const PbQuadrangleMesh2D& b)
{
  return MeshFieldIO::sameCellList(2, cellsOf(a), cellsOf(b));
}

void PoSFQuadrangleMesh2D::copyGeometry(const PbQuadrangleMesh2D& from, PbQuadrangleMesh2D& to)
{
  const MeshFieldIO::CellList c = cellsOf(from);
  if (c.numNodes > 0)
    apply(to, c);
}
