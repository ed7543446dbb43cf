// Curvilinear volume grid field: per-node x, y and z, then the value sets.
#include <Gridlux/mesh/nodes/PoSFCartesianGrid3D.h>

#include <Gridlux/mesh/nodes/MeshFieldXP.h>
#include <Gridlux/mesh/nodes/PoMeshElement.h>

PO_SFMESH_SOURCE(PoSFCartesianGrid3D, PbCartesianGrid3D)

namespace {

const MeshFieldIO::GridComments kComments = {"# num_x, num_y, num_z", "# x coordinates of mesh nodes",
                                             "# y coordinates of mesh nodes", "# z coordinates of mesh nodes"};

// The coordinate blocks of a grid (null before any geometry).
void blocks(const PbCartesianGrid3D& grid, int* counts, const float** lists)
{
  const float* const* const* rows[3];
  grid.getGeometry(counts[0], counts[1], counts[2], rows[0], rows[1], rows[2]);
  for (int k = 0; k < 3; k++)
    lists[k] = rows[k] ? rows[k][0][0] : nullptr;
  if (!lists[0])
    counts[0] = counts[1] = counts[2] = 0;
}

} // namespace

int PoSFCartesianGrid3D::setGeometry(int numX, int numY, int numZ, const float* x, const float* y, const float* z)
{
  const int done = value.setGeometry(numX, numY, numZ, x, y, z);
  if (done)
    valueChanged();
  return done;
}

void PoSFCartesianGrid3D::writeGeometry(SoOutput* out) const
{
  int counts[3];
  const float* lists[3];
  blocks(value, counts, lists);
  const int n = counts[0] * counts[1] * counts[2];
  const int lengths[3] = {n, n, n};
  MeshFieldIO::writeGridArrays(out, 3, counts, lists, lengths, nullptr, kComments);
}

SbBool PoSFCartesianGrid3D::readGeometry(SoInput* in, PbCartesianGrid3D& mesh)
{
  int counts[3], hasZ;
  std::vector<float> lists[3], unused;
  if (!MeshFieldIO::readGridArrays(in, "PoSFCartesianGrid3D::readValue", 3, 1, counts, lists, unused, hasZ))
    return FALSE;
  if (counts[0] == 0 && counts[1] == 0 && counts[2] == 0)
    return TRUE; // an empty grid
  return mesh.setGeometry(counts[0], counts[1], counts[2], lists[0].data(), lists[1].data(), lists[2].data());
}

int PoSFCartesianGrid3D::sameGeometry(const PbCartesianGrid3D& a, const PbCartesianGrid3D& b)
{
  int ca[3], cb[3];
  const float *la[3], *lb[3];
  blocks(a, ca, la);
  blocks(b, cb, lb);
  const int n = ca[0] * ca[1] * ca[2];
  return MeshFieldIO::sameInts(3, ca, cb) && MeshFieldIO::sameFloats(n, la[0], lb[0]) &&
         MeshFieldIO::sameFloats(n, la[1], lb[1]) && MeshFieldIO::sameFloats(n, la[2], lb[2]);
}

void PoSFCartesianGrid3D::copyGeometry(const PbCartesianGrid3D& from, PbCartesianGrid3D& to)
{
  int counts[3];
  const float* lists[3];
  blocks(from, counts, lists);
  if (lists[0])
    to.setGeometry(counts[0], counts[1], counts[2], lists[0], lists[1], lists[2]);
}
