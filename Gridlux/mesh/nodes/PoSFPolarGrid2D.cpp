// Polar surface grid field: radii, angles, optional z, then the value sets.
#include <Gridlux/mesh/nodes/PoSFPolarGrid2D.h>

#include <Gridlux/mesh/nodes/MeshFieldXP.h>
#include <Gridlux/mesh/nodes/PoMeshElement.h>

PO_SFMESH_SOURCE(PoSFPolarGrid2D, PbPolarGrid2D)

namespace {

const MeshFieldIO::GridComments kComments = {"# num_r, num_t", "# r coordinates of mesh nodes", "# t coordinates of mesh nodes", "# z coordinates of mesh nodes"};

// The axis lists of a grid; counts of 0 before any geometry.
void axes(const PbPolarGrid2D& grid, int& numX, int& numY, const float*& x, const float*& y)
{
  grid.getGeometry(numX, numY, x, y);
  if (!x || !y)
    numX = numY = 0;
}

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
  int counts[2];
  const float* lists[2];
  axes(value, counts[0], counts[1], lists[0], lists[1]);
  const int lengths[2] = {counts[0], counts[1]};
  MeshFieldIO::writeGridArrays(out, 2, counts, lists, lengths, counts[0] ? value.getZcoord() : nullptr, kComments);
}

SbBool PoSFPolarGrid2D::readGeometry(SoInput* in, PbPolarGrid2D& mesh)
{
  int counts[2], hasZ;
  std::vector<float> lists[2], z;
  if (!MeshFieldIO::readGridArrays(in, "PoSFPolarGrid2D::readValue", 2, 0, counts, lists, z, hasZ))
    return FALSE;
  if (counts[0] == 0 && counts[1] == 0)
    return TRUE; // an empty grid
  return hasZ ? mesh.setGeometry(counts[0], counts[1], lists[0].data(), lists[1].data(), z.data())
              : mesh.setGeometry(counts[0], counts[1], lists[0].data(), lists[1].data());
}

int PoSFPolarGrid2D::sameGeometry(const PbPolarGrid2D& a, const PbPolarGrid2D& b)
{
  int nxa, nya, nxb, nyb;
  const float *xa, *ya, *xb, *yb;
  axes(a, nxa, nya, xa, ya);
  axes(b, nxb, nyb, xb, yb);
  return nxa == nxb && nya == nyb && MeshFieldIO::sameFloats(nxa, xa, xb) && MeshFieldIO::sameFloats(nya, ya, yb) &&
         (a.getZcoord() != nullptr) == (b.getZcoord() != nullptr) &&
         MeshFieldIO::sameFloats(nxa * nya, a.getZcoord(), b.getZcoord());
}

void PoSFPolarGrid2D::copyGeometry(const PbPolarGrid2D& from, PbPolarGrid2D& to)
{
  int numX, numY;
  const float *x, *y;
  axes(from, numX, numY, x, y);
  if (!numX)
    return;
  if (from.getZcoord())
    to.setGeometry(numX, numY, x, y, from.getZcoord());
  else
    to.setGeometry(numX, numY, x, y);
}
