// Regular surface grid field: counts, box corners, optional z, then the value sets.
#include <Gridlux/mesh/nodes/PoSFRegularCartesianGrid2D.h>

#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/mesh/nodes/MeshFieldXP.h>
#include <Gridlux/mesh/nodes/PoMeshElement.h>

PO_SFMESH_SOURCE(PoSFRegularCartesianGrid2D, PbRegularCartesianGrid2D)

namespace {

const char* const kMethod = "PoSFRegularCartesianGrid2D::readValue";

struct Box {
  int counts[2];
  float min[2];
  float max[2];
};

Box boxOf(const PbRegularCartesianGrid2D& grid)
{
  Box b;
  grid.getGeometry(b.counts[0], b.counts[1], b.min[0], b.min[1], b.max[0], b.max[1]);
  if (grid.getNumNodes() == 0)
    b = Box{{0, 0}, {0, 0}, {0, 0}};
  return b;
}

} // namespace

int PoSFRegularCartesianGrid2D::setGeometry(int numX, int numY, float xmin, float ymin, float xmax, float ymax)
{
  const int done = value.setGeometry(numX, numY, xmin, ymin, xmax, ymax);
  if (done)
    valueChanged();
  return done;
}

int PoSFRegularCartesianGrid2D::setGeometry(int numX, int numY, float xmin, float ymin, float xmax, float ymax,
                                            const float* z)
{
  const int done = value.setGeometry(numX, numY, xmin, ymin, xmax, ymax, z);
  if (done)
    valueChanged();
  return done;
}

void PoSFRegularCartesianGrid2D::writeGeometry(SoOutput* out) const
{
  const Box b = boxOf(value);
  const float* z = b.counts[0] ? value.getZcoord() : nullptr;
  MeshFieldIO::beginValue(out);
  MeshFieldIO::writeCounts(out, b.counts, 2, "# num_x, num_y");
  MeshFieldIO::writeFloatsLine(out, b.min, 2, "# x_min, y_min");
  MeshFieldIO::writeFloatsLine(out, b.max, 2, "# x_max, y_max");
  MeshFieldIO::writeCount(out, z ? 1 : 0, z ? "# 3D mesh" : "# 2D mesh");
  if (z)
    MeshFieldIO::writeFloats(out, "# z coordinates of mesh", z, b.counts[0] * b.counts[1]);
}

SbBool PoSFRegularCartesianGrid2D::readGeometry(SoInput* in, PbRegularCartesianGrid2D& mesh)
{
  Box b;
  int hasZ;
  if (!MeshFieldIO::readCount(in, b.counts[0], kMethod, "num_x") ||
      !MeshFieldIO::readCount(in, b.counts[1], kMethod, "num_y"))
    return FALSE;
  if (!MeshFieldIO::readFloat(in, b.min[0]) || !MeshFieldIO::readFloat(in, b.min[1]) ||
      !MeshFieldIO::readFloat(in, b.max[0]) || !MeshFieldIO::readFloat(in, b.max[1]) ||
      !MeshFieldIO::readZFlag(in, hasZ, kMethod))
    return FALSE;
  const int numNodes = MeshFieldIO::countProduct(b.counts[0], b.counts[1]);
  if (numNodes < 0) {
    PoDebugError::post(kMethod, "too many nodes");
    return FALSE;
  }
  std::vector<float> z;
  if (hasZ && !MeshFieldIO::readFloats(in, numNodes, z))
    return FALSE;
  if (!hasZ && !MeshFieldIO::checkImplicitNodes(numNodes, kMethod))
    return FALSE;
  if (b.counts[0] == 0 && b.counts[1] == 0)
    return TRUE; // an empty grid
  return hasZ ? mesh.setGeometry(b.counts[0], b.counts[1], b.min[0], b.min[1], b.max[0], b.max[1], z.data())
              : mesh.setGeometry(b.counts[0], b.counts[1], b.min[0], b.min[1], b.max[0], b.max[1]);
}

int PoSFRegularCartesianGrid2D::sameGeometry(const PbRegularCartesianGrid2D& a, const PbRegularCartesianGrid2D& b)
{
  const Box ba = boxOf(a);
  const Box bb = boxOf(b);
  return MeshFieldIO::sameInts(2, ba.counts, bb.counts) && MeshFieldIO::sameFloats(2, ba.min, bb.min) &&
         MeshFieldIO::sameFloats(2, ba.max, bb.max) && (a.getZcoord() != nullptr) == (b.getZcoord() != nullptr) &&
         MeshFieldIO::sameFloats(a.getNumNodes(), a.getZcoord(), b.getZcoord());
}

void PoSFRegularCartesianGrid2D::copyGeometry(const PbRegularCartesianGrid2D& from, PbRegularCartesianGrid2D& to)
{
  const Box b = boxOf(from);
  if (!b.counts[0])
    return;
  if (from.getZcoord())
    to.setGeometry(b.counts[0], b.counts[1], b.min[0], b.min[1], b.max[0], b.max[1], from.getZcoord());
  else
    to.setGeometry(b.counts[0], b.counts[1], b.min[0], b.min[1], b.max[0], b.max[1]);
}
