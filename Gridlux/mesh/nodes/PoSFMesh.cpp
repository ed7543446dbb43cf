// Mesh field base: registration of the mesh fields, in-place value sets and the value-set format.
#include <Gridlux/mesh/nodes/PoSFMesh.h>

#include <Gridlux/mesh/nodes/MeshFieldXP.h>
#include <Gridlux/mesh/nodes/PoSFCartesianGrid2D.h>
#include <Gridlux/mesh/nodes/PoSFCartesianGrid3D.h>
#include <Gridlux/mesh/nodes/PoSFHexahedronMesh3D.h>
#include <Gridlux/mesh/nodes/PoSFIndexedMesh2D.h>
#include <Gridlux/mesh/nodes/PoSFIndexedMesh3D.h>
#include <Gridlux/mesh/nodes/PoSFIrregularMesh1D.h>
#include <Gridlux/mesh/nodes/PoSFParalCartesianGrid2D.h>
#include <Gridlux/mesh/nodes/PoSFParalCartesianGrid3D.h>
#include <Gridlux/mesh/nodes/PoSFPolarGrid2D.h>
#include <Gridlux/mesh/nodes/PoSFQuadrangleMesh2D.h>
#include <Gridlux/mesh/nodes/PoSFRegularCartesianGrid2D.h>
#include <Gridlux/mesh/nodes/PoSFRegularCartesianGrid3D.h>
#include <Gridlux/mesh/nodes/PoSFRegularMesh1D.h>
#include <Gridlux/mesh/nodes/PoSFTetrahedronMesh3D.h>
#include <Gridlux/mesh/nodes/PoSFTriangleMesh2D.h>

SoType PoSFMesh::classTypeId STATIC_SOTYPE_INIT;

void PoSFMesh::initClass()
{
  // Abstract: no creation function.
  classTypeId = SoType::createType(SoSField::getClassTypeId(), "PoSFMesh");
}

void PoSFMesh::initClasses()
{
  PoSFMesh::initClass();
  PoSFCartesianGrid3D::initClass();
  PoSFParalCartesianGrid3D::initClass();
  PoSFRegularCartesianGrid3D::initClass();
  PoSFIndexedMesh3D::initClass();
  PoSFHexahedronMesh3D::initClass();
  PoSFTetrahedronMesh3D::initClass();
  PoSFCartesianGrid2D::initClass();
  PoSFPolarGrid2D::initClass();
  PoSFParalCartesianGrid2D::initClass();
  PoSFRegularCartesianGrid2D::initClass();
  PoSFIndexedMesh2D::initClass();
  PoSFTriangleMesh2D::initClass();
  PoSFQuadrangleMesh2D::initClass();
  PoSFIrregularMesh1D::initClass();
  PoSFRegularMesh1D::initClass();
}

SoType PoSFMesh::getClassTypeId()
{
  return classTypeId;
}

PoSFMesh::PoSFMesh() = default;

PoSFMesh::~PoSFMesh() = default;

int PoSFMesh::addValuesSet(int index, const float* values, PbMesh::DataBinding binding, const char* name)
{
  const int done = getEditableMesh().addValuesSet(index, values, binding, name);
  if (done)
    valueChanged();
  return done;
}

int PoSFMesh::addValuesSet(int index, const float* values, const char* name)
{
  return addValuesSet(index, values, PbMesh::PER_NODE, name);
}

int PoSFMesh::addStringsSet(int index, const SbString* strings, const char* name)
{
  const int done = getEditableMesh().addStringsSet(index, strings, name);
  if (done)
    valueChanged();
  return done;
}

int PoSFMesh::addVecsSet(int index, const SbVec3f* vectors, const char* name)
{
  const int done = getEditableMesh().addVecsSet(index, vectors, name);
  if (done)
    valueChanged();
  return done;
}

void PoSFMesh::writeValueSets(SoOutput* out) const
{
  MeshFieldIO::writeValueSets(out, getMesh());
  MeshFieldIO::endValue(out);
}

SbBool PoSFMesh::readValueSets(SoInput* in, PbMesh& mesh, const char* method)
{
  return MeshFieldIO::readValueSets(in, mesh, method);
}

int PoSFMesh::sameValueSets(const PbMesh& a, const PbMesh& b)
{
  return MeshFieldIO::sameValueSets(a, b);
}

void PoSFMesh::copyValueSets(const PbMesh& from, PbMesh& to)
{
  for (int rank = 0; rank < from.getNumValuesSet(); rank++) {
    const int index = from.getValuesSetIndex(rank);
    to.addValuesSet(index, from.getValuesSet(index), from.getValuesBinding(index),
                    from.getValuesSetName(index)->getString());
  }
  for (int rank = 0; rank < from.getNumStringsSet(); rank++) {
    const int index = from.getStringsSetIndex(rank);
    to.addStringsSet(index, from.getStringsSet(index), from.getStringsSetName(index)->getString());
  }
  for (int rank = 0; rank < from.getNumVecsSet(); rank++) {
    const int index = from.getVecsSetIndex(rank);
    to.addVecsSet(index, from.getVecsSet(index), from.getVecsSetName(index)->getString());
  }
}
