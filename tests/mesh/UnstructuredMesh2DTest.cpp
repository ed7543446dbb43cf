// Unstructured surface meshes: hand-checked adjacency and boundaries, cell kinds, orientation,
// location against a regular grid, and refusal of bad input.
#include "support/ErrorCatcher.h"

#include <Gridlux/mesh/PbCell.h>
#include <Gridlux/mesh/PbIndexedMesh2D.h>
#include <Gridlux/mesh/PbQuadrangleMesh2D.h>
#include <Gridlux/mesh/PbRegularCartesianGrid2D.h>
#include <Gridlux/mesh/PbTriangleMesh2D.h>

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

// The unit square 0 (0,0), 1 (1,0), 2 (1,1), 3 (0,1) cut along the diagonal 0-2.
const float kSquareX[] = {0, 1, 1, 0};
const float kSquareY[] = {0, 0, 1, 1};
const int kSquareTris[] = {0, 1, 2, 0, 2, 3};

} // namespace

TEST(UnstructuredMesh2D, SquareInTwoTrianglesHasTheAdjacencyWorkedOutByHand)
{
  PbTriangleMesh2D mesh;
  ASSERT_EQ(mesh.setGeometry(4, kSquareX, kSquareY, 2, kSquareTris), 1);
  EXPECT_EQ(mesh.getNumNodes(), 4);
  EXPECT_EQ(mesh.getNumCells(), 2);
  EXPECT_FLOAT_EQ(mesh.getArea(), 1.0f);

  PbArrayOfInt cells;
  mesh.getNodeOwnerCellsInd(0, cells);
  EXPECT_EQ(toVector(cells), (std::vector<int>{0, 1}));
  mesh.getNodeOwnerCellsInd(1, cells);
  EXPECT_EQ(toVector(cells), (std::vector<int>{0}));
  mesh.getNodeOwnerCellsInd(3, cells);
  EXPECT_EQ(toVector(cells), (std::vector<int>{1}));
  mesh.getNodeOwnerCellsInd(4, cells);
  EXPECT_EQ(cells.getNum(), 0);
  mesh.getNodeOwnerCellsInd(-1, cells);
  EXPECT_EQ(cells.getNum(), 0);

  mesh.getAdjacentCellsIndByFacet(0, cells);
  EXPECT_EQ(toVector(cells), (std::vector<int>{1}));
  mesh.getAdjacentCellsIndByNode(1, cells);
  EXPECT_EQ(toVector(cells), (std::vector<int>{0}));
  mesh.getAdjacentCellsIndByFacet(2, cells);
  EXPECT_EQ(cells.getNum(), 0);

  PbArrayOfInt both;
  both.add(0);
  both.add(2);
  mesh.getNodesOwnerCellsInd(both, cells);
  EXPECT_EQ(toVector(cells), (std::vector<int>{0, 1}));
  both[1] = 1;
  mesh.getNodesOwnerCellsInd(both, cells);
  EXPECT_EQ(toVector(cells), (std::vector<int>{0}));

  // One loop through the four corners, in the cells' turning order; the diagonal is inside.
  PbArrayOfInt loop, sizes;
  mesh.getLimitIndices(loop, sizes);
  ASSERT_EQ(toVector(sizes), (std::vector<int>{4}));
  EXPECT_EQ(toVector(loop), (std::vector<int>{0, 1, 2, 3}));
}

TEST(UnstructuredMesh2D, RingOfQuadranglesHasAnOuterAndAnInnerLoop)
{
  // A 4 x 4 node block without its centre cell: 8 quadrangles around a hole.
  std::vector<float> x, y;
  for (int i = 0; i < 4; i++)
    for (int j = 0; j < 4; j++) {
      x.push_back(float(i));
      y.push_back(float(j));
    }
  std::vector<int> quads;
  for (int i = 0; i < 3; i++)
    for (int j = 0; j < 3; j++) {
      if (i == 1 && j == 1)
        continue;
      const int n = i * 4 + j;
      quads.insert(quads.end(), {n, n + 4, n + 5, n + 1});
    }
  PbQuadrangleMesh2D mesh(16, x.data(), y.data(), 8, quads.data());
  EXPECT_FLOAT_EQ(mesh.getArea(), 8.0f);
  PbArrayOfInt loops, sizes;
  mesh.getLimitIndices(loops, sizes);
  ASSERT_EQ(sizes.getNum(), 2);
  EXPECT_EQ(sizes[0] + sizes[1], 16);
  EXPECT_TRUE((sizes[0] == 12 && sizes[1] == 4) || (sizes[0] == 4 && sizes[1] == 12));
  // Each loop is closed: consecutive nodes (and last to first) are one grid step apart.
  int start = 0;
  for (int l = 0; l < sizes.getNum(); l++) {
    for (int k = 0; k < sizes[l]; k++) {
      const int a = loops[start + k], b = loops[start + (k + 1) % sizes[l]];
      EXPECT_FLOAT_EQ(std::abs(x[a] - x[b]) + std::abs(y[a] - y[b]), 1.0f) << "loop " << l << " step " << k;
    }
    start += sizes[l];
  }
  // The cell left of the hole shares edges with the cells above and below it only.
  PbArrayOfInt cells;
  mesh.getAdjacentCellsIndByFacet(1, cells); // cell (0, 1)
  EXPECT_EQ(toVector(cells), (std::vector<int>{0, 2}));
}

TEST(UnstructuredMesh2D, IndexedMeshMixesTrianglesAndQuadrangles)
{
  const float x[] = {0, 1, 1, 2, 2};
  const float y[] = {0, 0, 1, 0, 1};
  const int types[] = {3, 4};
  const int index[] = {0, 1, 2, 1, 3, 4, 2};
  PbIndexedMesh2D mesh(5, x, y, 2, index, types);
  const PbCell* cell = mesh.getCell(1);
  ASSERT_NE(cell, nullptr);
  ASSERT_EQ(cell->getNumNodes(), 4);
  EXPECT_EQ(cell->getNodeIndex(0), 1);
  EXPECT_EQ(cell->getNodeIndex(1), 3);
  EXPECT_EQ(cell->getNodeIndex(2), 4);
  EXPECT_EQ(cell->getNodeIndex(3), 2);
  EXPECT_EQ(mesh.getCell(0)->getNumNodes(), 3);
  EXPECT_EQ(mesh.getCell(2), nullptr);
  EXPECT_EQ(mesh.getCellOffset(1), 3);
  EXPECT_FLOAT_EQ(mesh.getArea(), 1.5f);

  SbVec3f pc;
  const PbCell* found = mesh.findContainingCell(SbVec3f(1.5f, 0.5f, 0), 0, pc);
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->getIndex(), 1);
  EXPECT_NEAR(pc[0], 0.5f, 1e-4);
  EXPECT_EQ(mesh.findContainingCell(SbVec3f(0.2f, 0.9f, 0), 0, pc), nullptr);
}

TEST(UnstructuredMesh2D, OrientationFlagsFollowTheTurningOfEachCell)
{
  const float x[] = {0, 1, 0};
  const float y[] = {0, 0, 1};
  const int counter[] = {0, 1, 2, 0, 2, 1};
  PbTriangleMesh2D mesh(3, x, y, 2, counter);
  EXPECT_EQ(mesh.getOrientFlags(), nullptr);
  mesh.setElemOrientation(PbIndexedMesh2D::ORIENTATION_FLAGS);
  ASSERT_NE(mesh.getOrientFlags(), nullptr);
  EXPECT_EQ(mesh.getOrientFlags()[0], 1);
  EXPECT_EQ(mesh.getOrientFlags()[1], 0);
  // The mode survives a new geometry and is reapplied to it.
  const int reversed[] = {0, 2, 1};
  mesh.setGeometry(3, x, y, 1, reversed);
  ASSERT_NE(mesh.getOrientFlags(), nullptr);
  EXPECT_EQ(mesh.getOrientFlags()[0], 0);
  mesh.setElemOrientation(PbIndexedMesh2D::NO_ORIENTATION);
  EXPECT_EQ(mesh.getOrientFlags(), nullptr);
}

TEST(UnstructuredMesh2D, LocationAgreesWithTheRegularGridItWasCutFrom)
{
  // A 7 x 5 regular grid and the same nodes as triangles (each cell cut in two) and quadrangles.
  const int nx = 7, ny = 5;
  PbRegularCartesianGrid2D grid;
  grid.setGeometry(nx, ny, -1.0f, 2.0f, 5.0f, 4.0f);
  std::vector<float> x, y;
  for (int n = 0; n < nx * ny; n++) {
    const SbVec3f p = grid.getNodeCoord(n);
    x.push_back(p[0]);
    y.push_back(p[1]);
  }
  std::vector<int> tris, quads;
  for (int c = 0; c < grid.getNumCells(); c++) {
    const PbCell* cell = grid.getCell(c);
    const int n[4] = {cell->getNodeIndex(0), cell->getNodeIndex(1), cell->getNodeIndex(2), cell->getNodeIndex(3)};
    tris.insert(tris.end(), {n[0], n[1], n[2], n[0], n[2], n[3]});
    quads.insert(quads.end(), {n[0], n[1], n[2], n[3]});
  }
  PbTriangleMesh2D triMesh(nx * ny, x.data(), y.data(), int(tris.size() / 3), tris.data());
  PbQuadrangleMesh2D quadMesh(nx * ny, x.data(), y.data(), int(quads.size() / 4), quads.data());

  std::mt19937 rng(7);
  std::uniform_real_distribution<float> ux(-1.5f, 5.5f), uy(1.5f, 4.5f);
  int inside = 0;
  for (int k = 0; k < 400; k++) {
    const SbVec3f p(ux(rng), uy(rng), 0);
    SbVec3f pc;
    const PbCell* gridCell = grid.findContainingCell(p, 0, pc);
    const int expected = gridCell ? gridCell->getIndex() : -1;
    const PbCell* tri = triMesh.findContainingCell(p, 0, pc);
    const PbCell* quad = quadMesh.findContainingCell(p, 0, pc);
    if (expected < 0) {
      EXPECT_EQ(tri, nullptr);
      EXPECT_EQ(quad, nullptr);
      continue;
    }
    inside++;
    ASSERT_NE(tri, nullptr);
    ASSERT_NE(quad, nullptr);
    EXPECT_EQ(tri->getIndex() / 2, expected);
    EXPECT_EQ(quad->getIndex(), expected);
    // Interpolating the x coordinate gives back the point.
    EXPECT_NEAR(quad->getValue(pc, x.data()), p[0], 1e-4);
  }
  EXPECT_GT(inside, 200);
  EXPECT_NEAR(triMesh.getArea(), 12.0f, 1e-4);
}

TEST(UnstructuredMesh2D, BadInputIsRefusedAndLeavesTheMeshUnchanged)
{
  PbIndexedMesh2D mesh;
  const float x[] = {0, 1, 1, 0};
  const float y[] = {0, 0, 1, 1};
  const int types[] = {3, 3};
  ASSERT_EQ(mesh.setGeometry(4, x, y, 2, kSquareTris, types), 1);

  ErrorCatcher errors;
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float badX[] = {0, nan, 1, 0};
  const int outOfRange[] = {0, 1, 4, 0, 2, 3};
  const int negative[] = {0, -1, 2, 0, 2, 3};
  const int noKind[] = {3, 0};
  const int tooMany[] = {3, 9};
  const float* z = nullptr;
  EXPECT_EQ(mesh.setGeometry(-1, x, y, 2, kSquareTris, types), 0);
  EXPECT_EQ(mesh.setGeometry(4, x, y, -2, kSquareTris, types), 0);
  EXPECT_EQ(mesh.setGeometry(4, nullptr, y, 2, kSquareTris, types), 0);
  EXPECT_EQ(mesh.setGeometry(4, x, y, 2, nullptr, types), 0);
  EXPECT_EQ(mesh.setGeometry(4, x, y, 2, kSquareTris, nullptr), 0);
  EXPECT_EQ(mesh.setGeometry(4, x, y, z, 2, kSquareTris, types), 0);
  EXPECT_EQ(mesh.setGeometry(4, badX, y, 2, kSquareTris, types), 0);
  EXPECT_EQ(mesh.setGeometry(4, x, y, 2, outOfRange, types), 0);
  EXPECT_EQ(mesh.setGeometry(4, x, y, 2, negative, types), 0);
  EXPECT_EQ(mesh.setGeometry(4, x, y, 2, kSquareTris, noKind), 0);
  EXPECT_EQ(mesh.setGeometry(4, x, y, 2, kSquareTris, tooMany), 0);
  EXPECT_EQ(errors.count(), 11);
  EXPECT_TRUE(errors.contains("PbIndexedMesh2D::setGeometry(): cell index [2] = 4 is out of the node range"));
  EXPECT_TRUE(errors.contains("x[1] is not a finite number"));
  EXPECT_EQ(mesh.getNumNodes(), 4);
  EXPECT_EQ(mesh.getNumCells(), 2);
  EXPECT_FLOAT_EQ(mesh.getArea(), 1.0f);

  // A NaN point to locate is refused too.
  SbVec3f pc;
  errors.clear();
  EXPECT_EQ(mesh.findContainingCell(SbVec3f(nan, 0.5f, 0), 0, pc), nullptr);
  EXPECT_EQ(errors.count(), 1);

  // A count of 1 to 8 nodes is kept, but such a cell has no cell object.
  errors.clear();
  const float x7[] = {0, 1, 2, 3, 4, 5, 6};
  const int types7[] = {7};
  const int index7[] = {0, 1, 2, 3, 4, 5, 6};
  EXPECT_EQ(mesh.setGeometry(7, x7, x7, 1, index7, types7), 1);
  EXPECT_EQ(errors.count(), 1);
  EXPECT_EQ(mesh.getCell(0), nullptr);
  EXPECT_EQ(mesh.findContainingCell(SbVec3f(1, 1, 0), 0.1f, pc), nullptr);
  PbArrayOfInt loops, sizes;
  mesh.getLimitIndices(loops, sizes);
  EXPECT_EQ(sizes.getNum(), 0);
}

TEST(UnstructuredMesh2D, ACopyReadsItsOwnArraysAndItsHeights)
{
  std::vector<float> x(kSquareX, kSquareX + 4), y(kSquareY, kSquareY + 4), z = {0, 0, 1, 1};
  std::vector<int> tris(kSquareTris, kSquareTris + 6);
  PbTriangleMesh2D copied(4, x.data(), y.data(), z.data(), 2, tris.data(), 1);
  PbTriangleMesh2D copy(copied);
  x[1] = 5;
  copied.setGeometry(4, x.data(), y.data(), 2, tris.data());
  EXPECT_FLOAT_EQ(copy.getNodeCoord(1)[0], 1.0f);
  EXPECT_NEAR(copy.getArea(), std::sqrt(2.0f), 1e-5); // the square tilted by its heights
  EXPECT_EQ(copy.getCell(1)->getNodeIndex(2), 3);
}
