// Polar surface grid field: radii, angles, optional z, then the value sets.
#include <Gridlux/mesh/nodes/PoSFPolarGrid2D.h>

#include <Gridlux/mesh/nodes/MeshFieldXP.h>
#include <Gridlux/mesh/nodes/PoMeshElement.h>

PO_SFMESH_SOURCE(PoSFPolarGrid2D, PbPolarGrid2D)

namespace {

const MeshFieldIO::GridComments kComments = {"# num_r, num_t", "# r coordinates of mesh nodes", "# t coordinates of mesh nodes", "# z coordinates of mesh nodes"};

} // namespace

int PoSFPolarGrid2D::setGeometry(int numX, int numY, const float* x, const float* y)
{
  const int done = value.setGeometry(numX, numY, x, y);
  if (done)
    valueChanged();
  return done;
}

int PoSFPolarGrid2D::setGeometry(int numX, int numY, const float* x, const float* y, const float* z)
{
  const int done = value.setGeometry(numX, numY, x, y, z);
  if (done)
    valueChanged();
  return done;
}

void PoSFPolarGrid2D::writeGeometry(SoOutput* out) const
{
  MeshFieldIO::writeAxisGrid(out, value, kComments);
}

SbBool PoSFPolarGrid2D::readGeometry(SoInput* in, PbPolarGrid2D& mesh)
{
  return MeshFieldIO::readAxisGrid(in, "PoSFPolarGrid2D::readValue", mesh);
}

int PoSFPolarGrid2D::sameGeometry(const PbPolarGrid2D& a, const PbPolarGrid2D& b)
{
  return MeshFieldIO::sameAxisGrid(a, b);
}

void PoSFPolarGrid2D::copyGeometry(const PbPolarGrid2D& from, PbPolarGrid2D& to)
{
  MeshFieldIO::copyAxisGrid(from, to);
}
