// Rectilinear surface grid field: x per column, y per row, optional z, then the value sets.
#include <Gridlux/mesh/nodes/PoSFParalCartesianGrid2D.h>

#include <Gridlux/mesh/nodes/MeshFieldXP.h>
#include <Gridlux/mesh/nodes/PoMeshElement.h>

PO_SFMESH_SOURCE(PoSFParalCartesianGrid2D, PbParalCartesianGrid2D)

namespace {

const MeshFieldIO::GridComments kComments = {"# num_x, num_y", "# x coordinates of mesh", "# y coordinates of mesh", "# z coordinates of mesh"};

// The axis lists of a grid; counts of 0 before any geometry.
void axes(const PbParalCartesianGrid2D& grid, int& numX, int& numY, const float*& x, const float*& y)
{
  grid.getGeometry(numX, numY, x, y);
  if (!x || !y)
    numX = numY = 0;
}

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
  int counts[2];
  const float* lists[2];
  axes(value, counts[0], counts[1], lists[0], lists[1]);
  const int lengths[2] = {counts[0], counts[1]};
  MeshFieldIO::writeGridArrays(out, 2, counts, lists, lengths, counts[0] ? value.getZcoord() : nullptr, kComments);
}

SbBool PoSFParalCartesianGrid2D::readGeometry(SoInput* in, PbParalCartesianGrid2D& mesh)
{
  int counts[2], hasZ;
  std::vector<float> lists[2], z;
  if (!MeshFieldIO::readGridArrays(in, "PoSFParalCartesianGrid2D::readValue", 2, 0, counts, lists, z, hasZ))
    return FALSE;
  if (counts[0] == 0 && counts[1] == 0)
    return TRUE; // an empty grid
  return hasZ ? mesh.setGeometry(counts[0], counts[1], lists[0].data(), lists[1].data(), z.data())
              : mesh.setGeometry(counts[0], counts[1], lists[0].data(), lists[1].data());
}

int PoSFParalCartesianGrid2D::sameGeometry(const PbParalCartesianGrid2D& a, const PbParalCartesianGrid2D& b)
{
  int nxa, nya, nxb, nyb;
  const float *xa, *ya, *xb, *yb;
  axes(a, nxa, nya, xa, ya);
  axes(b, nxb, nyb, xb, yb);
  return nxa == nxb && nya == nyb && MeshFieldIO::sameFloats(nxa, xa, xb) && MeshFieldIO::sameFloats(nya, ya, yb) &&
         (a.getZcoord() != nullptr) == (b.getZcoord() != nullptr) &&
         MeshFieldIO::sameFloats(nxa * nya, a.getZcoord(), b.getZcoord());
}

void PoSFParalCartesianGrid2D::copyGeometry(const PbParalCartesianGrid2D& from, PbParalCartesianGrid2D& to)
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
