// Unstructured volume meshes: hand-checked adjacency of two hexahedra, cell kinds, location
// against a regular grid (as hexahedra and as tetrahedra), and refusal of bad input.
#include "support/ErrorCatcher.h"

#include <Gridlux/mesh/PbCell.h>
#include <Gridlux/mesh/PbHexahedronMesh3D.h>
#include <Gridlux/mesh/PbIndexedMesh3D.h>
#include <Gridlux/mesh/PbRegularCartesianGrid3D.h>
#include <Gridlux/mesh/PbTetrahedronMesh3D.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace {

std::vector<int> toVector(const PbArrayOfInt& a)
{
  std::vector<int> v;
  for (int i = 0; i < a.getNum(); i++)
    v.push_back(a[i]);
  return v;
}

// Two unit cubes side by side along x: nodes (i, j, k) at index i * 4 + j * 2 + k, i = 0..2.
struct TwoCubes {
  std::vector<float> x, y, z;
  std::vector<int> hexes;
  TwoCubes()
  {
    for (int i = 0; i < 3; i++)
      for (int j = 0; j < 2; j++)
        for (int k = 0; k < 2; k++) {
          x.push_back(float(i));
          y.push_back(float(j));
          z.push_back(float(k));
        }
    for (int i = 0; i < 2; i++) {
      auto n = [i](int di, int j, int k) { return (i + di) * 4 + j * 2 + k; };
      hexes.insert(hexes.end(), {n(0, 0, 0), n(1, 0, 0), n(1, 1, 0), n(0, 1, 0), n(0, 0, 1), n(1, 0, 1), n(1, 1, 1),
                                 n(0, 1, 1)});
    }
  }
};

} // namespace

TEST(UnstructuredMesh3D, TwoHexahedraSharingAFaceHaveTheAdjacencyWorkedOutByHand)
{
  TwoCubes cubes;
  PbHexahedronMesh3D mesh(12, cubes.x.data(), cubes.y.data(), cubes.z.data(), 2, cubes.hexes.data());
  EXPECT_FLOAT_EQ(mesh.getVolume(), 2.0f);
  EXPECT_FLOAT_EQ(mesh.getLongestEdgeLength(), std::sqrt(3.0f));

  PbArrayOfInt cells;
  mesh.getNodeOwnerCellsInd(0, cells);
  EXPECT_EQ(toVector(cells), (std::vector<int>{0}));
  mesh.getNodeOwnerCellsInd(5, cells); // (1, 0, 1), on the shared face
  EXPECT_EQ(toVector(cells), (std::vector<int>{0, 1}));
  mesh.getNodeOwnerCellsInd(11, cells);
  EXPECT_EQ(toVector(cells), (std::vector<int>{1}));
  mesh.getNodeOwnerCellsInd(12, cells);
  EXPECT_EQ(cells.getNum(), 0);

  mesh.getAdjacentCellsIndByFacet(0, cells);
  EXPECT_EQ(toVector(cells), (std::vector<int>{1}));
  mesh.getAdjacentCellsIndByFacet(1, cells);
  EXPECT_EQ(toVector(cells), (std::vector<int>{0}));
  mesh.getAdjacentCellsIndByNode(1, cells);
  EXPECT_EQ(toVector(cells), (std::vector<int>{0}));

  // The shared face's four nodes belong to both cells; a face node with a far node to one.
  PbArrayOfInt face;
  for (int n : {4, 5, 6, 7})
    face.add(n);
  mesh.getNodesOwnerCellsInd(face, cells);
  EXPECT_EQ(toVector(cells), (std::vector<int>{0, 1}));
  face.add(0);
  mesh.getNodesOwnerCellsInd(face, cells);
  EXPECT_EQ(toVector(cells), (std::vector<int>{0}));

  SbVec3f pc;
  const PbCell* cell = mesh.findContainingCell(SbVec3f(1.25f, 0.5f, 0.75f), 0, pc);
  ASSERT_NE(cell, nullptr);
  EXPECT_EQ(cell->getIndex(), 1);
  EXPECT_NEAR(pc[0], 0.25f, 1e-4);
  EXPECT_NEAR(pc[2], 0.75f, 1e-4);
  // Starting next to the point's cell finds it through the neighbourhood.
  const PbCell* first = mesh.getCell(0);
  cell = mesh.findContainingCell(SbVec3f(1.9f, 0.1f, 0.1f), 0, pc, first);
  ASSERT_NE(cell, nullptr);
  EXPECT_EQ(cell->getIndex(), 1);
  EXPECT_EQ(mesh.findContainingCell(SbVec3f(2.5f, 0.5f, 0.5f), 0, pc), nullptr);
}

TEST(UnstructuredMesh3D, IndexedMeshHandsOutEachKindByNodeCount)
{
  // One unit cube with, on top, a pyramid, beside it a wedge, and a tetrahedron in the corner.
  std::vector<float> x = {0, 1, 1, 0, 0, 1, 1, 0, 0.5f, 2, 2, 0, 0, 1, 2, 2};
  std::vector<float> y = {0, 0, 1, 1, 0, 0, 1, 1, 0.5f, 0, 1, 0, -1, 0, 0, 1};
  std::vector<float> z = {0, 0, 0, 0, 1, 1, 1, 1, 2, 0, 0, 0, 0, -1, 1, 1};
  const int types[] = {8, 5, 6, 4, 7};
  const int index[] = {0, 1, 2, 3, 4, 5, 6, 7, // hexahedron
                       4, 5, 6, 7, 8,          // pyramid on the top face
                       1, 9, 10, 5, 14, 15,    // wedge beside the cube
                       0, 1, 12, 13,           // tetrahedron
                       0, 1, 2, 3, 4, 5, 6};   // seven nodes: no kind
  ErrorCatcher errors;
  PbIndexedMesh3D mesh(16, x.data(), y.data(), z.data(), 5, index, types);
  EXPECT_EQ(errors.count(), 1) << "a warning for the seven-node cell";
  ASSERT_EQ(mesh.getNumCells(), 5);
  EXPECT_EQ(mesh.getCell(0)->getNumNodes(), 8);
  EXPECT_EQ(mesh.getCell(1)->getNumNodes(), 5);
  EXPECT_EQ(mesh.getCell(3)->getNumNodes(), 4);
  EXPECT_EQ(mesh.getCell(4), nullptr);
  EXPECT_EQ(mesh.getCellOffset(3), 19);
  EXPECT_EQ(mesh.getCell(3)->getNodeIndex(2), 12);
  EXPECT_NEAR(mesh.getCell(1)->getVolume(), 1.0f / 3.0f, 1e-5);
  EXPECT_NEAR(mesh.getCell(3)->getVolume(), 1.0f / 6.0f, 1e-5);
  EXPECT_NEAR(mesh.getVolume(), 1 + 1.0f / 3 + 0.5f + 1.0f / 6, 1e-5);

  // Owner lists are sorted by cell index and skip nothing, not even the cell of no kind.
  PbArrayOfInt cells;
  mesh.getNodeOwnerCellsInd(5, cells);
  EXPECT_EQ(toVector(cells), (std::vector<int>{0, 1, 2, 4}));
  mesh.getNodeOwnerCellsInd(0, cells);
  EXPECT_EQ(toVector(cells), (std::vector<int>{0, 3, 4}));

  SbVec3f pc;
  const PbCell* top = mesh.findContainingCell(SbVec3f(0.5f, 0.5f, 1.5f), 0, pc);
  ASSERT_NE(top, nullptr);
  EXPECT_EQ(top->getIndex(), 1);
  const PbCell* corner = mesh.findContainingCell(SbVec3f(0.2f, -0.1f, -0.1f), 0, pc);
  ASSERT_NE(corner, nullptr);
  EXPECT_EQ(corner->getIndex(), 3);
}

TEST(UnstructuredMesh3D, LocationAgreesWithTheRegularGridAsHexahedraAndTetrahedra)
{
  const int nx = 6, ny = 5, nz = 4;
  PbRegularCartesianGrid3D grid;
  grid.setGeometry(nx, ny, nz, -1.0f, 0.0f, 2.0f, 2.0f, 4.0f, 3.0f);
  std::vector<float> x, y, z;
  for (int n = 0; n < grid.getNumNodes(); n++) {
    const SbVec3f p = grid.getNodeCoord(n);
    x.push_back(p[0]);
    y.push_back(p[1]);
    z.push_back(p[2]);
  }
  // Each grid cell as a hexahedron, and cut into six tetrahedra around its diagonal 0-6.
  static const int kuhn[6][4] = {{0, 1, 2, 6}, {0, 2, 3, 6}, {0, 3, 7, 6}, {0, 7, 4, 6}, {0, 4, 5, 6}, {0, 5, 1, 6}};
  std::vector<int> hexes, tets;
  for (int c = 0; c < grid.getNumCells(); c++) {
    const PbCell* cell = grid.getCell(c);
    int n[8];
    for (int i = 0; i < 8; i++)
      n[i] = cell->getNodeIndex(i);
    hexes.insert(hexes.end(), n, n + 8);
    for (const auto& t : kuhn)
      tets.insert(tets.end(), {n[t[0]], n[t[1]], n[t[2]], n[t[3]]});
  }
  const int numNodes = int(x.size());
  PbHexahedronMesh3D hexMesh(numNodes, x.data(), y.data(), z.data(), grid.getNumCells(), hexes.data());
  PbTetrahedronMesh3D tetMesh(numNodes, x.data(), y.data(), z.data(), 6 * grid.getNumCells(), tets.data());
  EXPECT_NEAR(tetMesh.getVolume(), 12.0f, 1e-4);
  EXPECT_NEAR(hexMesh.getVolume(), 12.0f, 1e-4);

  std::mt19937 rng(11);
  std::uniform_real_distribution<float> ux(-1.3f, 2.3f), uy(-0.3f, 4.3f), uz(1.7f, 3.3f);
  int inside = 0, previous = -1;
  for (int k = 0; k < 500; k++) {
    const SbVec3f p(ux(rng), uy(rng), uz(rng));
    SbVec3f pc;
    const PbCell* gridCell = grid.findContainingCell(p, 0, pc);
    const int expected = gridCell ? gridCell->getIndex() : -1;
    const PbCell* hex = hexMesh.findContainingCell(p, 0, pc);
    const int hexIndex = hex ? hex->getIndex() : -1;
    const PbCell* tet = tetMesh.findContainingCell(p, 0, pc);
    const int tetIndex = tet ? tet->getIndex() : -1;
    const PbCell* naive = tetMesh.findContainingCellNaive(p, 0, pc);
    const int naiveIndex = naive ? naive->getIndex() : -1;
    EXPECT_EQ(hexIndex, expected);
    EXPECT_EQ(tetIndex < 0 ? -1 : tetIndex / 6, expected);
    EXPECT_EQ(naiveIndex < 0 ? -1 : naiveIndex / 6, expected);
    // Starting from the previous point's cell, as a stream line does, finds the same cube; that
    // cell itself is left to the caller, who has tested it already.
    if (previous >= 0) {
      const PbCell* near = tetMesh.findContainingCellNaive(p, 0, pc, tetMesh.getCell(previous));
      EXPECT_EQ(near ? near->getIndex() / 6 : -1, naiveIndex == previous ? -1 : expected);
    }
    previous = naiveIndex >= 0 ? naiveIndex : previous;
    if (tet) {
      inside++;
      // A linear field interpolates exactly in a tetrahedron.
      tet = tetMesh.findContainingCell(p, 0, pc);
      std::vector<float> field(numNodes);
      for (int n = 0; n < numNodes; n++)
        field[n] = 2 * x[n] - y[n] + 3 * z[n];
      EXPECT_NEAR(tet->getValue(pc, field.data()), 2 * p[0] - p[1] + 3 * p[2], 1e-3);
    }
  }
  EXPECT_GT(inside, 150);
}

TEST(UnstructuredMesh3D, BadInputIsRefusedAndLeavesTheMeshUnchanged)
{
  TwoCubes cubes;
  PbHexahedronMesh3D mesh(12, cubes.x.data(), cubes.y.data(), cubes.z.data(), 2, cubes.hexes.data());
  ErrorCatcher errors;
  std::vector<int> bad = cubes.hexes;
  bad[9] = 12;
  std::vector<float> nanZ = cubes.z;
  nanZ[3] = std::numeric_limits<float>::infinity();
  EXPECT_EQ(mesh.setGeometry(-12, cubes.x.data(), cubes.y.data(), cubes.z.data(), 2, cubes.hexes.data()), 0);
  EXPECT_EQ(mesh.setGeometry(12, cubes.x.data(), cubes.y.data(), cubes.z.data(), -1, cubes.hexes.data()), 0);
  EXPECT_EQ(mesh.setGeometry(12, cubes.x.data(), nullptr, cubes.z.data(), 2, cubes.hexes.data()), 0);
  EXPECT_EQ(mesh.setGeometry(12, cubes.x.data(), cubes.y.data(), cubes.z.data(), 2, nullptr), 0);
  EXPECT_EQ(mesh.setGeometry(12, cubes.x.data(), cubes.y.data(), cubes.z.data(), 2, bad.data()), 0);
  EXPECT_EQ(mesh.setGeometry(12, cubes.x.data(), cubes.y.data(), nanZ.data(), 2, cubes.hexes.data()), 0);
  PbIndexedMesh3D indexed;
  const int types[] = {8, -4};
  EXPECT_EQ(indexed.setGeometry(12, cubes.x.data(), cubes.y.data(), cubes.z.data(), 2, cubes.hexes.data(), types), 0);
  EXPECT_EQ(indexed.setGeometry(12, cubes.x.data(), cubes.y.data(), cubes.z.data(), 2, cubes.hexes.data(), nullptr),
            0);
  EXPECT_EQ(errors.count(), 8);
  EXPECT_TRUE(errors.contains("cell 1 has -4 nodes, which no cell kind has"));
  EXPECT_EQ(mesh.getNumCells(), 2);
  EXPECT_FLOAT_EQ(mesh.getVolume(), 2.0f);
  EXPECT_EQ(indexed.getNumCells(), 0);
  EXPECT_TRUE(indexed.isEmpty());
  SbVec3f pc;
  EXPECT_EQ(indexed.findContainingCell(SbVec3f(0.5f, 0.5f, 0.5f), 0, pc), nullptr);
  EXPECT_EQ(indexed.getCell(0), nullptr);
}

TEST(UnstructuredMesh3D, CopiesAndSharedArrays)
{
  TwoCubes cubes;
  PbHexahedronMesh3D shared(12, cubes.x.data(), cubes.y.data(), cubes.z.data(), 2, cubes.hexes.data(), 0);
  int numNodes, numCells;
  const float *x, *y, *z;
  const int *index, *types;
  shared.getGeometry(numNodes, x, y, z, numCells, index, types);
  EXPECT_EQ(x, cubes.x.data());
  EXPECT_EQ(index, cubes.hexes.data());
  EXPECT_EQ(types[1], 8);

  // A copy takes the source's mode: a copy of a sharing mesh shares the caller's arrays too,
  // and a copy of a duplicating mesh has arrays of its own.
  PbHexahedronMesh3D sharedCopy(shared);
  sharedCopy.getGeometry(numNodes, x, y, z, numCells, index, types);
  EXPECT_EQ(x, cubes.x.data());
  PbHexahedronMesh3D owner(12, cubes.x.data(), cubes.y.data(), cubes.z.data(), 2, cubes.hexes.data(), 1);
  PbHexahedronMesh3D copy;
  copy = owner;
  const float* ownerX;
  owner.getGeometry(numNodes, ownerX, y, z, numCells, index, types);
  copy.getGeometry(numNodes, x, y, z, numCells, index, types);
  EXPECT_NE(x, ownerX);
  EXPECT_NE(x, cubes.x.data());
  cubes.x[8] = 10; // moves the sharing meshes only
  EXPECT_FLOAT_EQ(copy.getVolume(), 2.0f);
  EXPECT_GT(sharedCopy.getCell(1)->getVolume(), 1.5f);
  SbVec3f pc;
  EXPECT_NE(copy.findContainingCell(SbVec3f(1.5f, 0.5f, 0.5f), 0, pc), nullptr);
}
