// Rectilinear surface grid field: x per column, y per row, optional z, then the value sets.
#include <Gridlux/mesh/nodes/PoSFParalCartesianGrid2D.h>

#include <Gridlux/mesh/nodes/MeshFieldXP.h>
#include <Gridlux/mesh/nodes/PoMeshElement.h>

PO_SFMESH_SOURCE(PoSFParalCartesianGrid2D, PbParalCartesianGrid2D)

namespace {

const MeshFieldIO::GridComments kComments = {"# num_x, num_y", "# x coordinates of mesh", "# y coordinates of mesh", "# z coordinates of mesh"};

} // namespace

int PoSFParalCartesianGrid2D::setGeometry(int numX, int numY, const float* x, const float* y)
{
  const int done = value.setGeometry(numX, numY, x, y);
  if (done)
    valueChanged();
  return done;
}

int PoSFParalCartesianGrid2D::setGeometry(int numX, int numY, const float* x, const float* y, const float* z)
{
  const int done = value.setGeometry(numX, numY, x, y, z);
  if (done)
    valueChanged();
  return done;
}

void PoSFParalCartesianGrid2D::writeGeometry(SoOutput* out) const
{
  MeshFieldIO::writeAxisGrid(out, value, kComments);
}

SbBool PoSFParalCartesianGrid2D::readGeometry(SoInput* in, PbParalCartesianGrid2D& mesh)
{
  return MeshFieldIO::readAxisGrid(in, "PoSFParalCartesianGrid2D::readValue", mesh);
}

int PoSFParalCartesianGrid2D::sameGeometry(const PbParalCartesianGrid2D& a, const PbParalCartesianGrid2D& b)
{
  return MeshFieldIO::sameAxisGrid(a, b);
}

void PoSFParalCartesianGrid2D::copyGeometry(const PbParalCartesianGrid2D& from, PbParalCartesianGrid2D& to)
{
  MeshFieldIO::copyAxisGrid(from, to);
}
