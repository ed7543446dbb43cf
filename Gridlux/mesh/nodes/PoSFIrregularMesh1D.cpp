// Irregular one-dimensional mesh field: size, abscissas, then the value sets.
#include <Gridlux/mesh/nodes/PoSFIrregularMesh1D.h>

#include <Gridlux/mesh/nodes/MeshFieldXP.h>
#include <Gridlux/mesh/nodes/PoMeshElement.h>

PO_SFMESH_SOURCE(PoSFIrregularMesh1D, PbIrregularMesh1D)

namespace {
const char* const kMethod = "PoSFIrregularMesh1D::readValue";
}

int PoSFIrregularMesh1D::setGeometry(int numX, const float* x)
{
  const int done = value.setGeometry(numX, x);
  if (done)
    valueChanged();
  return done;
}

void PoSFIrregularMesh1D::writeGeometry(SoOutput* out) const
{
  int numX;
  const float* x;
  value.getGeometry(numX, x);
  MeshFieldIO::beginValue(out);
  MeshFieldIO::writeCount(out, numX, "# size");
  MeshFieldIO::writeFloats(out, "# x coordinates of mesh nodes", x, numX);
}

SbBool PoSFIrregularMesh1D::readGeometry(SoInput* in, PbIrregularMesh1D& mesh)
{
  int numX;
  std::vector<float> x;
  if (!MeshFieldIO::readCount(in, numX, kMethod, "size") || !MeshFieldIO::readFloats(in, numX, x))
    return FALSE;
  return mesh.setGeometry(numX, x.data());
}

int PoSFIrregularMesh1D::sameGeometry(const PbIrregularMesh1D& a, const PbIrregularMesh1D& b)
{
  int na, nb;
  const float *xa, *xb;
  a.getGeometry(na, xa);
  b.getGeometry(nb, xb);
  return na == nb && MeshFieldIO::sameFloats(na, xa, xb);
}

void PoSFIrregularMesh1D::copyGeometry(const PbIrregularMesh1D& from, PbIrregularMesh1D& to)
{
  int numX;
  const float* x;
  from.getGeometry(numX, x);
  to.setGeometry(numX, x);
}
