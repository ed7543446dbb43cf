// Rectilinear volume grid field: one coordinate list per axis, then the value sets.
#include <Gridlux/mesh/nodes/PoSFParalCartesianGrid3D.h>

#include <Gridlux/mesh/nodes/MeshFieldXP.h>
#include <Gridlux/mesh/nodes/PoMeshElement.h>

PO_SFMESH_SOURCE(PoSFParalCartesianGrid3D, PbParalCartesianGrid3D)

namespace {

const MeshFieldIO::GridComments kComments = {"# num_x, num_y, num_z", "# x coordinates of mesh",
                                             "# y coordinates of mesh", "# z coordinates of mesh"};

// The axis lists of a grid; counts of 0 before any geometry.
void axes(const PbParalCartesianGrid3D& grid, int* counts, const float** lists)
{
  grid.getGeometry(counts[0], counts[1], counts[2], lists[0], lists[1], lists[2]);
  if (!lists[0] || !lists[1] || !lists[2])
    counts[0] = counts[1] = counts[2] = 0;
}

} // namespace

int PoSFParalCartesianGrid3D::setGeometry(int numX, int numY, int numZ, const float* x, const float* y,
                                          const float* z)
{
  const int done = value.setGeometry(numX, numY, numZ, x, y, z);
  if (done)
    valueChanged();
  return done;
}

void PoSFParalCartesianGrid3D::writeGeometry(SoOutput* out) const
{
  int counts[3];
  const float* lists[3];
  axes(value, counts, lists);
  MeshFieldIO::writeGridArrays(out, 3, counts, lists, counts, nullptr, kComments);
}

SbBool PoSFParalCartesianGrid3D::readGeometry(SoInput* in, PbParalCartesianGrid3D& mesh)
{
  int counts[3], hasZ;
  std::vector<float> lists[3], unused;
  if (!MeshFieldIO::readGridArrays(in, "PoSFParalCartesianGrid3D::readValue", 3, 0, counts, lists, unused, hasZ))
    return FALSE;
  if (counts[0] == 0 && counts[1] == 0 && counts[2] == 0)
    return TRUE; // an empty grid
  return mesh.setGeometry(counts[0], counts[1], counts[2], lists[0].data(), lists[1].data(), lists[2].data());
}

int PoSFParalCartesianGrid3D::sameGeometry(const PbParalCartesianGrid3D& a, const PbParalCartesianGrid3D& b)
{
  int ca[3], cb[3];
  const float *la[3], *lb[3];
  axes(a, ca, la);
  axes(b, cb, lb);
  return MeshFieldIO::sameInts(3, ca, cb) && MeshFieldIO::sameFloats(ca[0], la[0], lb[0]) &&
         MeshFieldIO::sameFloats(ca[1], la[1], lb[1]) && MeshFieldIO::sameFloats(ca[2], la[2], lb[2]);
}

void PoSFParalCartesianGrid3D::copyGeometry(const PbParalCartesianGrid3D& from, PbParalCartesianGrid3D& to)
{
  int counts[3];
  const float* lists[3];
  axes(from, counts, lists);
  if (counts[0])
    to.setGeometry(counts[0], counts[1], counts[2], lists[0], lists[1], lists[2]);
}
