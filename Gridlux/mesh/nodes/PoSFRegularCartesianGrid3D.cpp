// Regular volume grid field: counts and box corners, then the value sets.
#include <Gridlux/mesh/nodes/PoSFRegularCartesianGrid3D.h>

#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/mesh/nodes/MeshFieldXP.h>
#include <Gridlux/mesh/nodes/PoMeshElement.h>

PO_SFMESH_SOURCE(PoSFRegularCartesianGrid3D, PbRegularCartesianGrid3D)

namespace {

const char* const kMethod = "PoSFRegularCartesianGrid3D::readValue";

struct Box {
  int counts[3];
  float min[3];
  float max[3];
};

Box boxOf(const PbRegularCartesianGrid3D& grid)
{
  Box b;
  grid.getGeometry(b.counts[0], b.counts[1], b.counts[2], b.min[0], b.min[1], b.min[2], b.max[0], b.max[1],
                   b.max[2]);
  if (grid.getNumNodes() == 0)
    b = Box{{0, 0, 0}, {0, 0, 0}, {0, 0, 0}};
  return b;
}

int setBox(PbRegularCartesianGrid3D& grid, const Box& b)
{
  return grid.setGeometry(b.counts[0], b.counts[1], b.counts[2], b.min[0], b.min[1], b.min[2], b.max[0], b.max[1],
                          b.max[2]);
}

} // namespace

int PoSFRegularCartesianGrid3D::setGeometry(int numX, int numY, int numZ, float xmin, float ymin, float zmin,
                                            float xmax, float ymax, float zmax)
{
  const int done = value.setGeometry(numX, numY, numZ, xmin, ymin, zmin, xmax, ymax, zmax);
  if (done)
    valueChanged();
  return done;
}

void PoSFRegularCartesianGrid3D::writeGeometry(SoOutput* out) const
{
  const Box b = boxOf(value);
  MeshFieldIO::beginValue(out);
  MeshFieldIO::writeCounts(out, b.counts, 3, "# num_x, num_y, num_z");
  MeshFieldIO::writeFloatsLine(out, b.min, 3, "# x_min, y_min, z_min");
  MeshFieldIO::writeFloatsLine(out, b.max, 3, "# x_max, y_max, z_max");
}

SbBool PoSFRegularCartesianGrid3D::readGeometry(SoInput* in, PbRegularCartesianGrid3D& mesh)
{
  Box b;
  static const char* const names[3] = {"num_x", "num_y", "num_z"};
  for (int k = 0; k < 3; k++)
    if (!MeshFieldIO::readCount(in, b.counts[k], kMethod, names[k]))
      return FALSE;
  for (int k = 0; k < 3; k++)
    if (!MeshFieldIO::readFloat(in, b.min[k]))
      return FALSE;
  for (int k = 0; k < 3; k++)
    if (!MeshFieldIO::readFloat(in, b.max[k]))
      return FALSE;
  const int numNodes = MeshFieldIO::countProduct(b.counts[0], b.counts[1], b.counts[2]);
  if (numNodes < 0) {
    PoDebugError::post(kMethod, "too many nodes");
    return FALSE;
  }
  if (!MeshFieldIO::checkImplicitNodes(numNodes, kMethod))
    return FALSE;
  if (b.counts[0] == 0 && b.counts[1] == 0 && b.counts[2] == 0)
    return TRUE; // an empty grid
  return setBox(mesh, b);
}

int PoSFRegularCartesianGrid3D::sameGeometry(const PbRegularCartesianGrid3D& a, const PbRegularCartesianGrid3D& b)
{
  const Box ba = boxOf(a);
  const Box bb = boxOf(b);
  return MeshFieldIO::sameInts(3, ba.counts, bb.counts) && MeshFieldIO::sameFloats(3, ba.min, bb.min) &&
         MeshFieldIO::sameFloats(3, ba.max, bb.max);
}

void PoSFRegularCartesianGrid3D::copyGeometry(const PbRegularCartesianGrid3D& from, PbRegularCartesianGrid3D& to)
{
  const Box b = boxOf(from);
  if (b.counts[0])
    setBox(to, b);
}
