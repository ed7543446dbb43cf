// Field of a volume mesh of tetrahedra, pyramids, wedges and hexahedra: nodes, cells, then the value sets.
#include <Gridlux/mesh/nodes/PoSFIndexedMesh3D.h>

#include <Gridlux/mesh/nodes/MeshFieldXP.h>
#include <Gridlux/mesh/nodes/PoMeshElement.h>

PO_SFMESH_SOURCE(PoSFIndexedMesh3D, PbIndexedMesh3D)

namespace {

MeshFieldIO::CellList cellsOf(const PbIndexedMesh3D& mesh)
{
  MeshFieldIO::CellList c;
  mesh.getGeometry(c.numNodes, c.xyz[0], c.xyz[1], c.xyz[2], c.numCells, c.indices, c.types);
  c.indexLength = mesh.getCellIndexLength();
  return c;
}

int apply(PbIndexedMesh3D& to, const MeshFieldIO::CellList& c)
{
  return to.setGeometry(c.numNodes, c.xyz[0], c.xyz[1], c.xyz[2], c.numCells, c.indices, c.types);
}

} // namespace

int PoSFIndexedMesh3D::setGeometry(int numNodes, const float* x, const float* y, const float* z, int numCells,
                                   const int* cellIndex, const int* cellType)
{
  const int done = value.setGeometry(numNodes, x, y, z, numCells, cellIndex, cellType);
  if (done)
    valueChanged();
  return done;
}

void PoSFIndexedMesh3D::writeGeometry(SoOutput* out) const
{
  MeshFieldIO::writeCellList(out, 3, cellsOf(value), 1);
}

SbBool PoSFIndexedMesh3D::readGeometry(SoInput* in, PbIndexedMesh3D& mesh)
{
  return MeshFieldIO::readCellMesh(in, "PoSFIndexedMesh3D::readValue", 3, 1, 0, mesh, apply);
}

int PoSFIndexedMesh3D::sameGeometry(const PbIndexedMesh3D& a, const PbIndexedMesh3D& b)
{
  return MeshFieldIO::sameCellList(3, cellsOf(a), cellsOf(b));
}

void PoSFIndexedMesh3D::copyGeometry(const PbIndexedMesh3D& from, PbIndexedMesh3D& to)
{
  const MeshFieldIO::CellList c = cellsOf(from);
  if (c.numNodes > 0)
    apply(to, c);
}
