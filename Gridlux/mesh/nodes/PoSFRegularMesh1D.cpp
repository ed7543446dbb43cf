// Regular one-dimensional mesh field: size, bounds, then the value sets.
#include <Gridlux/mesh/nodes/PoSFRegularMesh1D.h>

#include <Gridlux/mesh/nodes/MeshFieldXP.h>
#include <Gridlux/mesh/nodes/PoMeshElement.h>

PO_SFMESH_SOURCE(PoSFRegularMesh1D, PbRegularMesh1D)

namespace {
const char* const kMethod = "PoSFRegularMesh1D::readValue";
}

int PoSFRegularMesh1D::setGeometry(int numX, float xmin, float xmax)
{
  const int done = value.setGeometry(numX, xmin, xmax);
  if (done)
    valueChanged();
  return done;
}

void PoSFRegularMesh1D::writeGeometry(SoOutput* out) const
{
  int numX;
  float bounds[2];
  value.getGeometry(numX, bounds[0], bounds[1]);
  MeshFieldIO::beginValue(out);
  MeshFieldIO::writeCount(out, numX, "# size");
  MeshFieldIO::writeFloats(out, "# xmin and xmax coordinates of mesh nodes", bounds, 2);
}

SbBool PoSFRegularMesh1D::readGeometry(SoInput* in, PbRegularMesh1D& mesh)
{
  int numX;
  float xmin, xmax;
  if (!MeshFieldIO::readCount(in, numX, kMethod, "size") || !MeshFieldIO::readFloat(in, xmin) ||
      !MeshFieldIO::readFloat(in, xmax))
    return FALSE;
  if (!MeshFieldIO::checkImplicitNodes(numX, kMethod))
    return FALSE;
  return mesh.setGeometry(numX, xmin, xmax);
}

int PoSFRegularMesh1D::sameGeometry(const PbRegularMesh1D& a, const PbRegularMesh1D& b)
{
  int na, nb;
  float a0, a1, b0, b1;
  a.getGeometry(na, a0, a1);
  b.getGeometry(nb, b0, b1);
  return na == nb && a0 == b0 && a1 == b1;
}

void PoSFRegularMesh1D::copyGeometry(const PbRegularMesh1D& from, PbRegularMesh1D& to)
{
  int numX;
  float xmin, xmax;
  from.getGeometry(numX, xmin, xmax);
  to.setGeometry(numX, xmin, xmax);
}
