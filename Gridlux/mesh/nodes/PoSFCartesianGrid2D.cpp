// Curvilinear surface grid field: per-node x and y, optional z, then the value sets.
#include <Gridlux/mesh/nodes/PoSFCartesianGrid2D.h>

#include <Gridlux/mesh/nodes/MeshFieldXP.h>
#include <Gridlux/mesh/nodes/PoMeshElement.h>

PO_SFMESH_SOURCE(PoSFCartesianGrid2D, PbCartesianGrid2D)

namespace {

const MeshFieldIO::GridComments kComments = {"# num_x, num_y", "# x coordinates of mesh nodes",
                                             "# y coordinates of mesh nodes", "# z coordinates of mesh nodes"};

// The coordinate blocks of a grid (null before any geometry).
void blocks(const PbCartesianGrid2D& grid, int& numX, int& numY, const float*& x, const float*& y)
{
  const float* const* xr;
  const float* const* yr;
  grid.getGeometry(numX, numY, xr, yr);
  x = xr ? xr[0] : nullptr;
  y = yr ? yr[0] : nullptr;
  if (!x)
    numX = numY = 0;
}

} // namespace

int PoSFCartesianGrid2D::setGeometry(int numX, int numY, const float* x, const float* y)
{
  const int done = value.setGeometry(numX, numY, x, y);
  if (done)
    valueChanged();
  return done;
}

int PoSFCartesianGrid2D::setGeometry(int numX, int numY, const float* x, const float* y, const float* z)
{
  const int done = value.setGeometry(numX, numY, x, y, z);
  if (done)
    valueChanged();
  return done;
}

void PoSFCartesianGrid2D::writeGeometry(SoOutput* out) const
{
  int counts[2];
  const float* lists[2];
  blocks(value, counts[0], counts[1], lists[0], lists[1]);
  const int n = counts[0] * counts[1];
  const int lengths[2] = {n, n};
  MeshFieldIO::writeGridArrays(out, 2, counts, lists, lengths, n ? value.getZcoord() : nullptr, kComments);
}

SbBool PoSFCartesianGrid2D::readGeometry(SoInput* in, PbCartesianGrid2D& mesh)
{
  int counts[2], hasZ;
  std::vector<float> lists[2], z;
  if (!MeshFieldIO::readGridArrays(in, "PoSFCartesianGrid2D::readValue", 2, 1, counts, lists, z, hasZ))
    return FALSE;
  if (counts[0] == 0 && counts[1] == 0)
    return TRUE; // an empty grid
  return hasZ ? mesh.setGeometry(counts[0], counts[1], lists[0].data(), lists[1].data(), z.data())
              : mesh.setGeometry(counts[0], counts[1], lists[0].data(), lists[1].data());
}

int PoSFCartesianGrid2D::sameGeometry(const PbCartesianGrid2D& a, const PbCartesianGrid2D& b)
{
  int nxa, nya, nxb, nyb;
  const float *xa, *ya, *xb, *yb;
  blocks(a, nxa, nya, xa, ya);
  blocks(b, nxb, nyb, xb, yb);
  const int n = nxa * nya;
  return nxa == nxb && nya == nyb && MeshFieldIO::sameFloats(n, xa, xb) && MeshFieldIO::sameFloats(n, ya, yb) &&
         (a.getZcoord() != nullptr) == (b.getZcoord() != nullptr) &&
         MeshFieldIO::sameFloats(n, a.getZcoord(), b.getZcoord());
}

void PoSFCartesianGrid2D::copyGeometry(const PbCartesianGrid2D& from, PbCartesianGrid2D& to)
{
  int numX, numY;
  const float *x, *y;
  blocks(from, numX, numY, x, y);
  if (!x)
    return;
  if (from.getZcoord())
    to.setGeometry(numX, numY, x, y, from.getZcoord());
  else
    to.setGeometry(numX, numY, x, y);
}
