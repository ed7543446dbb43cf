// Field of a tetrahedron volume mesh: nodes, cells, then the value sets.
#include <Gridlux/mesh/nodes/PoSFTetrahedronMesh3D.h>

#include <Gridlux/mesh/nodes/MeshFieldXP.h>
#include <Gridlux/mesh/nodes/PoMeshElement.h>

PO_SFMESH_SOURCE(PoSFTetrahedronMesh3D, PbTetrahedronMesh3D)

namespace {

MeshFieldIO::CellList cellsOf(const PbTetrahedronMesh3D& mesh)
{
  MeshFieldIO::CellList c;
  mesh.getGeometry(c.numNodes, c.xyz[0], c.xyz[1], c.xyz[2], c.numCells, c.indices, c.types);
  c.indexLength = mesh.getCellIndexLength();
  c.types = nullptr; // implied by the kind, not written
  return c;
}

int apply(PbTetrahedronMesh3D& to, const MeshFieldIO::CellList& c)
{
  return to.setGeometry(c.numNodes, c.xyz[0], c.xyz[1], c.xyz[2], c.numCells, c.indices);
}

} // namespace

int PoSFTetrahedronMesh3D::setGeometry(int numNodes, const float* x, const float* y, const float* z, int numCells,
                                       const int* cellIndex)
{
  const int done = value.setGeometry(numNodes, x, y, z, numCells, cellIndex);
  if (done)
    valueChanged();
  return done;
}

void PoSFTetrahedronMesh3D::writeGeometry(SoOutput* out) const
{
  MeshFieldIO::writeCellList(out, 3, cellsOf(value), 0);
}

SbBool PoSFTetrahedronMesh3D::readGeometry(SoInput* in, PbTetrahedronMesh3D& mesh)
{
  return MeshFieldIO::readCellMesh(in, "PoSFTetrahedronMesh3D::readValue", 3, 0, 4, mesh, apply);
}

int PoSFTetrahedronMesh3D::sameGeometry(const PbTetrahedronMesh3D& a, const PbTetrahedronMesh3D& b)
{
  return MeshFieldIO::sameCellList(3, cellsOf(a), cellsOf(b));
}

void PoSFTetrahedronMesh3D::copyGeometry(const PbTetrahedronMesh3D& from, PbTetrahedronMesh3D& to)
{
  const MeshFieldIO::CellList c = cellsOf(from);
  if (c.numNodes > 0)
    apply(to, c);
}
