// Field of a surface mesh of triangles and quadrangles: nodes, cells, then the value sets.
#include <Gridlux/mesh/nodes/PoSFIndexedMesh2D.h>

#include <Gridlux/mesh/nodes/MeshFieldXP.h>
#include <Gridlux/mesh/nodes/PoMeshElement.h>

PO_SFMESH_SOURCE(PoSFIndexedMesh2D, PbIndexedMesh2D)

namespace {

MeshFieldIO::CellList cellsOf(const PbIndexedMesh2D& mesh)
{
  MeshFieldIO::CellList c;
  mesh.getGeometry(c.numNodes, c.xyz[0], c.xyz[1], c.xyz[2], c.numCells, c.indices, c.types);
  c.indexLength = mesh.getCellIndexLength();
  return c;
}

int apply(PbIndexedMesh2D& to, const MeshFieldIO::CellList& c)
{
  return c.xyz[2] ? to.setGeometry(c.numNodes, c.xyz[0], c.xyz[1], c.xyz[2], c.numCells, c.indices, c.types)
                  : to.setGeometry(c.numNodes, c.xyz[0], c.xyz[1], c.numCells, c.indices, c.types);
}

} // namespace

int PoSFIndexedMesh2D::setGeometry(int numNodes, const float* x, const float* y, int numCells, const int* cellIndex, const int* cellType)
{
  const int done = value.setGeometry(numNodes, x, y, numCells, cellIndex, cellType);
  if (done)
    valueChanged();
  return done;
}

int PoSFIndexedMesh2D::setGeometry(int numNodes, const float* x, const float* y, const float* z, int numCells,
                                   const int* cellIndex, const int* cellType)
{
  const int done = value.setGeometry(numNodes, x, y, z, numCells, cellIndex, cellType);
  if (done)
    valueChanged();
  return done;
}

void PoSFIndexedMesh2D::writeGeometry(SoOutput* out) const
{
  MeshFieldIO::writeCellList(out, 2, cellsOf(value), 1);
}

SbBool PoSFIndexedMesh2D::readGeometry(SoInput* in, PbIndexedMesh2D& mesh)
{
  return MeshFieldIO::readCellMesh(in, "PoSFIndexedMesh2D::readValue", 2, 1, 0, mesh, apply);
}

int PoSFIndexedMesh2D::sameGeometry(const PbIndexedMesh2D& a, const PbIndexedMesh2D& b)
{
  return MeshFieldIO::sameCellList(2, cellsOf(a), cellsOf(b));
}

void PoSFIndexedMesh2D::copyGeometry(const PbIndexedMesh2D& from, PbIndexedMesh2D& to)
{
  const MeshFieldIO::CellList c = cellsOf(from);
  if (c.numNodes > 0)
    apply(to, c);
}
