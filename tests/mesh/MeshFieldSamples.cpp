// Small samples of every mesh kind, each with scalar (per node and per cell), string and vector sets.
#include "MeshFieldSupport.h"

#include <Gridlux/mesh/nodes/PoCartesianGrid2D.h>
#include <Gridlux/mesh/nodes/PoCartesianGrid3D.h>
#include <Gridlux/mesh/nodes/PoHexahedronMesh3D.h>
#include <Gridlux/mesh/nodes/PoIndexedMesh2D.h>
#include <Gridlux/mesh/nodes/PoIndexedMesh3D.h>
#include <Gridlux/mesh/nodes/PoParalCartesianGrid2D.h>
#include <Gridlux/mesh/nodes/PoParalCartesianGrid3D.h>
#include <Gridlux/mesh/nodes/PoPolarGrid2D.h>
#include <Gridlux/mesh/nodes/PoQuadrangleMesh2D.h>
#include <Gridlux/mesh/nodes/PoRegularCartesianGrid2D.h>
#include <Gridlux/mesh/nodes/PoRegularCartesianGrid3D.h>
#include <Gridlux/mesh/nodes/PoTetrahedronMesh3D.h>
#include <Gridlux/mesh/nodes/PoTriangleMesh2D.h>

#include <cmath>

namespace meshfield {

namespace {

// Values that are awkward to print: thirds, tiny and huge magnitudes, negatives.
std::vector<float> awkward(int num, float seed)
{
  std::vector<float> v(num);
  for (int i = 0; i < num; i++)
    v[i] = (seed + i) / 3.0f * (i % 3 == 0 ? 1e-7f : i % 3 == 1 ? -1.0f : 1e6f);
  return v;
}

// Sets under scattered indices, so that reading them back renumbers them.
PoMeshProperty* withSets(PoMeshProperty* node)
{
  const PbMesh* mesh = node->getMesh();
  const int numNodes = mesh->getNumNodes();
  const int numCells = mesh->getNumCells();
  node->addValuesSet(7, awkward(numCells, 2).data(), PoMeshProperty::PER_CELL, "pressure");
  node->addValuesSet(3, awkward(numNodes, 5).data(), "temp \"C\" \\ x");
  std::vector<SbString> strings;
  for (int n = 0; n < numNodes; n++)
    strings.push_back(n % 2 ? SbString("node ") + SbString(n) : SbString(""));
  node->addStringsSet(4, strings.data(), "labels");
  std::vector<SbVec3f> vectors;
  for (int n = 0; n < numNodes; n++)
    vectors.emplace_back(n / 7.0f, -n, 0.5f);
  node->addVecsSet(9, vectors.data(), "");
  return node;
}

std::vector<float> ramp(int num, float start, float step)
{
  std::vector<float> v(num);
  for (int i = 0; i < num; i++)
    v[i] = start + i * step;
  return v;
}

} // namespace

const std::vector<MeshKind>& meshKinds()
{
  static const std::vector<MeshKind> kinds = {
    {"PoCartesianGrid2D",
     [] {
       auto* node = new PoCartesianGrid2D;
       node->mesh.setGeometry(3, 4, ramp(12, 0.1f, 0.7f).data(), awkward(12, 1).data(), ramp(12, -1, 0.25f).data());
       return withSets(node);
     }},
    {"PoParalCartesianGrid2D",
     [] {
       auto* node = new PoParalCartesianGrid2D;
       node->mesh.setGeometry(3, 4, ramp(3, 0, 1.0f / 3).data(), ramp(4, -2, 0.1f).data());
       return withSets(node);
     }},
    {"PoRegularCartesianGrid2D",
     [] {
       auto* node = new PoRegularCartesianGrid2D;
       node->mesh.setGeometry(4, 3, -1.0f / 3, 0, 10, 2.5f, ramp(12, 0, 0.1f).data());
       return withSets(node);
     }},
    {"PoPolarGrid2D",
     [] {
       auto* node = new PoPolarGrid2D;
       node->mesh.setGeometry(3, 5, ramp(3, 1, 0.5f).data(), ramp(5, 0, float(M_PI) / 8).data());
       return withSets(node);
     }},
    {"PoCartesianGrid3D",
     [] {
       auto* node = new PoCartesianGrid3D;
       node->mesh.setGeometry(2, 3, 2, ramp(12, 0, 0.3f).data(), awkward(12, 4).data(), ramp(12, 5, -0.2f).data());
       return withSets(node);
     }},
    {"PoParalCartesianGrid3D",
     [] {
       auto* node = new PoParalCartesianGrid3D;
       node->mesh.setGeometry(3, 2, 2, ramp(3, 0, 0.1f).data(), ramp(2, 1, 2).data(), ramp(2, -1, 1.0f / 7).data());
       return withSets(node);
     }},
    {"PoRegularCartesianGrid3D",
     [] {
       auto* node = new PoRegularCartesianGrid3D;
       node->mesh.setGeometry(2, 2, 3, 0, 0, 0, 1, 2.0f / 3, 3);
       return withSets(node);
     }},
    // A square of five nodes: a triangle, a quadrangle and a triangle.
    {"PoIndexedMesh2D",
     [] {
       auto* node = new PoIndexedMesh2D;
       const float x[] = {0, 1, 2, 0, 1.0f / 3, 2}, y[] = {0, 0, 0, 1, 1, 1}, z[] = {0, 0.1f, 0.2f, 0.3f, 0.4f, 0.5f};
       const int index[] = {0, 1, 4, 1, 2, 5, 4, 0, 4, 3}, type[] = {3, 4, 3};
       node->mesh.setGeometry(6, x, y, z, 3, index, type);
       return withSets(node);
     }},
    {"PoTriangleMesh2D",
     [] {
       auto* node = new PoTriangleMesh2D;
       const float x[] = {0, 1, 0, 1}, y[] = {0, 0, 1, 1.0f / 3};
       const int index[] = {0, 1, 2, 1, 3, 2};
       node->mesh.setGeometry(4, x, y, 2, index);
       return withSets(node);
     }},
    {"PoQuadrangleMesh2D",
     [] {
       auto* node = new PoQuadrangleMesh2D;
       const float x[] = {0, 1, 2, 0, 1, 2}, y[] = {0, 0, 0, 1, 1, 1}, z[] = {1, 2, 3, 4, 5, 6};
       const int index[] = {0, 1, 4, 3, 1, 2, 5, 4};
       node->mesh.setGeometry(6, x, y, z, 2, index);
       return withSets(node);
     }},
    // A tetrahedron on top of a pyramid on a unit square.
    {"PoIndexedMesh3D",
     [] {
       auto* node = new PoIndexedMesh3D;
       const float x[] = {0, 1, 1, 0, 0.5f, 0.5f}, y[] = {0, 0, 1, 1, 0.5f, 0.5f}, z[] = {0, 0, 0, 0, 1, 2};
       const int index[] = {0, 1, 2, 3, 4, 1, 2, 4, 5}, type[] = {5, 4};
       node->mesh.setGeometry(6, x, y, z, 2, index, type);
       return withSets(node);
     }},
    {"PoHexahedronMesh3D",
     [] {
       auto* node = new PoHexahedronMesh3D;
       std::vector<float> x, y, z;
       for (int k = 0; k < 2; k++)
         for (int j = 0; j < 2; j++)
           for (int i = 0; i < 3; i++) {
             x.push_back(i * 0.5f);
             y.push_back(j);
             z.push_back(k / 3.0f);
           }
       const int index[] = {0, 1, 4, 3, 6, 7, 10, 9, 1, 2, 5, 4, 7, 8, 11, 10};
       node->mesh.setGeometry(12, x.data(), y.data(), z.data(), 2, index);
       return withSets(node);
     }},
    {"PoTetrahedronMesh3D",
     [] {
       auto* node = new PoTetrahedronMesh3D;
       const float x[] = {0, 1, 0, 0, 1}, y[] = {0, 0, 1, 0, 1}, z[] = {0, 0, 0, 1, 1};
       const int index[] = {0, 1, 2, 3, 1, 4, 2, 3};
       node->mesh.setGeometry(5, x, y, z, 2, index);
       return withSets(node);
     }},
  };
  return kinds;
}

} // namespace meshfield
