// Field of a hexahedron volume mesh: nodes, cells, then the value sets.
#include <Gridlux/mesh/nodes/PoSFHexahedronMesh3D.h>

#include <Gridlux/mesh/nodes/MeshFieldXP.h>
#include <Gridlux/mesh/nodes/PoMeshElement.h>

PO_SFMESH_SOURCE(PoSFHexahedronMesh3D, PbHexahedronMesh3D)

namespace {

MeshFieldIO::CellList cellsOf(const PbHexahedronMesh3D& mesh)
{
  MeshFieldIO::CellList c;
  mesh.getGeometry(c.numNodes, c.xyz[0], c.xyz[1], c.xyz[2], c.numCells, c.indices, c.types);
  c.indexLength = mesh.getCellIndexLength();
  c.types = nullptr; // implied by the kind, not written
  return c;
}

int apply(PbHexahedronMesh3D& to, const MeshFieldIO::CellList& c)
{
  return to.setGeometry(c.numNodes, c.xyz[0], c.xyz[1], c.xyz[2], c.numCells, c.indices);
}

} // namespace

int PoSFHexahedronMesh3D::setGeometry(int numNodes, const float* x, const float* y, const float* z, int numCells,
                                      const int* cellIndex)
{
  const int done = value.setGeometry(numNodes, x, y, z, numCells, cellIndex);
  if (done)
    valueChanged();
  return done;
}

void PoSFHexahedronMesh3D::writeGeometry(SoOutput* out) const
{
  MeshFieldIO::writeCellList(out, 3, cellsOf(value), 0);
}

SbBool PoSFHexahedronMesh3D::readGeometry(SoInput* in, PbHexahedronMesh3D& mesh)
{
  return MeshFieldIO::readCellMesh(in, "PoSFHexahedronMesh3D::readValue", 3, 0, 8, mesh, apply);
}

int PoSFHexahedronMesh3D::sameGeometry(const PbHexahedronMesh3D& a, const PbHexahedronMesh3D& b)
{
  return MeshFieldIO::sameCellList(3, cellsOf(a), cellsOf(b));
}

void PoSFHexahedronMesh3D::copyGeometry(const PbHexahedronMesh3D& from, PbHexahedronMesh3D& to)
{
  const MeshFieldIO::CellList c = cellsOf(from);
  if (c.numNodes > 0)
    apply(to, c);
}
