// Structured grids: indexing, adjacency, boundary, location by grid kind and geometry changes.
#include "support/ErrorCatcher.h"

#include <Gridlux/mesh/PbCartesianGrid2D.h>
#include <Gridlux/mesh/PbCartesianGrid3D.h>
#include <Gridlux/mesh/PbParalCartesianGrid2D.h>
#include <Gridlux/mesh/PbParalCartesianGrid3D.h>
#include <Gridlux/mesh/PbPolarGrid2D.h>
#include <Gridlux/mesh/PbRegularCartesianGrid2D.h>
#include <Gridlux/mesh/PbRegularCartesianGrid3D.h>
#include <Inventor/fields/SoMFVec3f.h>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

std::vector<int> toVector(const PbArrayOfInt& a)
{
  std::vector<int> v;
  for (int i = 0; i < a.getNum(); i++)
    v.push_back(a[i]);
  return v;
}

// A 3 x 4 grid whose node (i, j) sits at (i, j * j / 2), so that the columns are unevenly spaced.
PbCartesianGrid2D makeGrid3x4()
{
  std::vector<float> x, y;
  for (int i = 0; i < 3; i++)
    for (int j = 0; j < 4; j++) {
      x.push_back(float(i));
      y.push_back(0.5f * j * j);
    }
  return PbCartesianGrid2D(3, 4, x.data(), y.data());
}

TEST(CartesianGrid2D, IndexingCellsAndBoundary)
{
  PbCartesianGrid2D grid = makeGrid3x4();
  EXPECT_EQ(grid.getNumNodes(), 12);
  EXPECT_EQ(grid.getNumCells(), 6);
  EXPECT_EQ(grid.getNodeIndex(1, 2), 6);
  EXPECT_EQ(grid.getNodeCoord(6), SbVec3f(1, 2, 0));
  int i, j;
  grid.getCellIndices(4, i, j);
  EXPECT_EQ(i, 1);
  EXPECT_EQ(j, 1);
  const PbCell* cell = grid.getCell(4);
  ASSERT_NE(cell, nullptr);
  PbArrayOfInt nodes;
  cell->getNodesIndex(nodes);
  EXPECT_EQ(toVector(nodes), (std::vector<int>{5, 9, 10, 6}));
  EXPECT_EQ(cell->getNodeCoord(2), SbVec3f(2, 2, 0));
  EXPECT_EQ(grid.getCell(6), nullptr);
  EXPECT_EQ(grid.getCell(-1), nullptr);
  // One reused cell object.
  const PbCell* two = grid.getCell(2);
  EXPECT_EQ(two, grid.getCell(3));
  EXPECT_EQ(two->getIndex(), 3);

  PbArrayOfInt loop, sizes;
  grid.getLimitIndices(loop, sizes);
  EXPECT_EQ(toVector(sizes), std::vector<int>{10});
  EXPECT_EQ(toVector(loop), (std::vector<int>{0, 1, 2, 3, 7, 11, 10, 9, 8, 4}));

  PbArrayOfInt cells;
  grid.getNodeOwnerCellsInd(0, cells);
  EXPECT_EQ(toVector(cells), std::vector<int>{0});
  grid.getNodeOwnerCellsInd(5, cells);
  EXPECT_EQ(toVector(cells), (std::vector<int>{4, 1, 0, 3}));
  grid.getNodeOwnerCellsInd(12, cells);
  EXPECT_EQ(cells.getNum(), 0);
  grid.getAdjacentCellsIndByFacet(4, cells);
  EXPECT_EQ(toVector(cells), (std::vector<int>{1, 3, 5}));
  grid.getAdjacentCellsIndByNode(4, cells);
  EXPECT_EQ(toVector(cells), (std::vector<int>{0, 1, 2, 3, 5}));
  grid.getAdjacentCellsIndByFacet(99, cells);
  EXPECT_EQ(cells.getNum(), 0);

  // The cells sharing nodes 5 and 6 (edge between cells 3 and 4), found from the owner lists.
  PbArrayOfInt edge;
  edge.add(5);
  edge.add(6);
  grid.PbMesh::getNodesOwnerCellsInd(edge, cells);
  EXPECT_EQ(toVector(cells), (std::vector<int>{4, 1}));

  // Area of the grid's trapezoid-free domain: 2 wide, 4.5 high.
  EXPECT_NEAR(grid.getArea(), 9.0f, 1e-5);
  EXPECT_EQ(grid.getLongestEdgeLength(), 0);
  const float* const* rowsX;
  const float* const* rowsY;
  int nx, ny;
  grid.getGeometry(nx, ny, rowsX, rowsY);
  EXPECT_EQ(rowsY[2][3], 4.5f);
  SoMFVec3f all;
  grid.getNodesCoord(all);
  ASSERT_EQ(all.getNum(), 12);
  EXPECT_EQ(all[11], SbVec3f(2, 4.5f, 0));
}

TEST(CartesianGrid2D, GeometryChangesAndValueSets)
{
  PbCartesianGrid2D grid = makeGrid3x4();
  std::vector<float> v(12, 1.0f);
  grid.addValuesSet(0, v.data());
  // Same node count: the sets stay.
  std::vector<float> x(12), y(12);
  for (int n = 0; n < 12; n++) {
    x[n] = float(n / 3);
    y[n] = float(n % 3);
  }
  ASSERT_TRUE(grid.setGeometry(4, 3, x.data(), y.data()));
  EXPECT_EQ(grid.getChangeType(), PbBase::CHANGE_GEOMETRY);
  EXPECT_EQ(grid.getNumValuesSet(), 1);
  // A different node count: they go.
  ASSERT_TRUE(grid.setGeometry(2, 3, x.data(), y.data()));
  EXPECT_EQ(grid.getNumValuesSet(), 0);
  EXPECT_EQ(grid.getNumCells(), 2);

  // A grid that does not duplicate keeps the caller's arrays and its sets.
  PbCartesianGrid2D shared(0);
  ASSERT_TRUE(shared.setGeometry(4, 3, x.data(), y.data()));
  shared.addValuesSet(0, v.data());
  ASSERT_TRUE(shared.setGeometry(2, 3, x.data(), y.data()));
  EXPECT_EQ(shared.getValuesSet(0), v.data());
  const float* const* rx;
  const float* const* ry;
  int nx, ny;
  shared.getGeometry(nx, ny, rx, ry);
  EXPECT_EQ(rx[0], x.data());

  // A row of nodes has no cell; bad input leaves the grid as it was.
  ASSERT_TRUE(grid.setGeometry(1, 3, x.data(), y.data()));
  EXPECT_EQ(grid.getNumNodes(), 3);
  EXPECT_EQ(grid.getNumCells(), 0);
  ErrorCatcher errors;
  EXPECT_FALSE(grid.setGeometry(-2, 3, x.data(), y.data()));
  EXPECT_FALSE(grid.setGeometry(0, 3, x.data(), y.data()));
  EXPECT_FALSE(grid.setGeometry(2, 3, nullptr, y.data()));
  x[4] = NAN;
  EXPECT_FALSE(grid.setGeometry(2, 3, x.data(), y.data()));
  x[4] = 1;
  std::vector<float> z(6, 0.0f);
  z[5] = INFINITY;
  EXPECT_FALSE(grid.setGeometry(2, 3, x.data(), y.data(), z.data()));
  EXPECT_EQ(errors.count(), 5);
  EXPECT_TRUE(errors.contains("Arvanta error in PbGrid2D::setGeometry(): node counts must be positive"));
  EXPECT_TRUE(errors.contains("x[4] is not a finite number"));
  EXPECT_EQ(grid.getNumNodes(), 3);
  EXPECT_EQ(grid.getZcoord(), nullptr);
}

TEST(CartesianGrid2D, ExhaustiveLocationOnAFoldedGridAndCellBoxes)
{
  // Nodes (i, j) moved by a shear that grows with j: no cell is a rectangle.
  std::vector<float> x, y;
  for (int i = 0; i < 4; i++)
    for (int j = 0; j < 3; j++) {
      x.push_back(i + 0.3f * j);
      y.push_back(j + 0.1f * i * j);
    }
  PbCartesianGrid2D grid(4, 3, x.data(), y.data());
  SbVec3f pc;
  const PbCell* cell = grid.findContainingCell(SbVec3f(2.5f, 0.5f, 0), 0, pc);
  ASSERT_NE(cell, nullptr);
  int i, j;
  grid.getCellIndices(cell->getIndex(), i, j);
  EXPECT_EQ(i, 2);
  EXPECT_EQ(j, 0);
  EXPECT_EQ(grid.findContainingCell(SbVec3f(-0.5f, 0.5f, 0), 0, pc), nullptr);

  int smallest, biggest;
  grid.getSmallestCellBox(smallest);
  grid.getBiggestCellBox(biggest);
  EXPECT_EQ(smallest, 0); // a flat grid: every box has volume 0
  EXPECT_EQ(biggest, 0);
}

TEST(RegularCartesianGrid2D, LocationSetsAndBadInput)
{
  PbRegularCartesianGrid2D grid(11, 11, 0, 0, 10, 10);
  SbVec3f pc;
  const PbCell* cell = grid.findContainingCell(SbVec3f(10, 3.5f, 0), 0, pc);
  ASSERT_NE(cell, nullptr);
  int i, j;
  grid.getCellIndices(cell->getIndex(), i, j);
  EXPECT_EQ(i, 9);
  EXPECT_EQ(j, 3);
  EXPECT_FLOAT_EQ(pc[0], 1);
  EXPECT_FLOAT_EQ(pc[1], 0.5f);
  EXPECT_EQ(grid.findContainingCell(SbVec3f(10.5f, 3, 0), 0, pc), nullptr);
  EXPECT_EQ(grid.findContainingCell(SbVec3f(-0.001f, 3, 0), 0, pc), nullptr);
  ASSERT_NE(grid.findContainingCell(SbVec3f(0, 0, 0), 0, pc), nullptr);
  EXPECT_FLOAT_EQ(grid.getArea(), 100);
  EXPECT_EQ(grid.getNodeCoord(10, 3), SbVec3f(10, 3, 0));

  // Reversed ranges are grids as well.
  PbRegularCartesianGrid2D reversed(5, 3, 4, 2, 0, 0);
  cell = reversed.findContainingCell(SbVec3f(3.5f, 1.5f, 0), 0, pc);
  ASSERT_NE(cell, nullptr);
  reversed.getCellIndices(cell->getIndex(), i, j);
  EXPECT_EQ(i, 0);
  EXPECT_EQ(j, 0);
  EXPECT_FLOAT_EQ(pc[0], 0.5f);
  EXPECT_FLOAT_EQ(reversed.getArea(), 8);

  // With z the cells are quadrangles and the area follows the surface.
  std::vector<float> z(121);
  for (int n = 0; n < 121; n++)
    z[n] = float(n / 11); // z = x: a slope of 45 degrees
  ASSERT_TRUE(grid.setGeometry(11, 11, 0, 0, 10, 10, z.data()));
  EXPECT_NEAR(grid.getArea(), 100 * std::sqrt(2.0f), 1e-3);
  EXPECT_FLOAT_EQ(grid.PbMesh::getBoundingBox().getMax()[2], 10);

  ErrorCatcher errors;
  EXPECT_FALSE(grid.setGeometry(11, 0, 0, 0, 10, 10));
  EXPECT_FALSE(grid.setGeometry(11, 11, 0, 5, 10, 5));
  EXPECT_FALSE(grid.setGeometry(11, 11, 0, NAN, 10, 5));
  EXPECT_EQ(errors.count(), 3);
  EXPECT_EQ(grid.getNumNodes(), 121);
  EXPECT_NE(grid.getZcoord(), nullptr);
  EXPECT_EQ(grid.findContainingCell(SbVec3f(NAN, 0, 0), 0, pc), nullptr);
}

TEST(ParalCartesianGrid2D, IntervalsAndArea)
{
  const float x[3] = {0, 1, 2}, y[4] = {5, 3, 2, 0};
  PbParalCartesianGrid2D grid(3, 4, x, y);
  SbVec3f pc;
  int i, j;
  const PbCell* cell = grid.findContainingCell(SbVec3f(1, 2.5f, 0), 0, pc);
  ASSERT_NE(cell, nullptr);
  grid.getCellIndices(cell->getIndex(), i, j);
  EXPECT_EQ(i, 0); // x = 1 closes the first column
  EXPECT_EQ(j, 1); // y decreases: 2.5 lies between y[1] and y[2]
  EXPECT_FLOAT_EQ(pc[0], 1);
  EXPECT_FLOAT_EQ(pc[1], 0.5f);
  EXPECT_EQ(grid.findContainingCell(SbVec3f(0, 2.5f, 0), 0, pc), nullptr);
  cell = grid.findContainingCell(SbVec3f(0.5f, 2.5f, 0), 0, pc);
  ASSERT_NE(cell, nullptr);
  grid.getCellIndices(cell->getIndex(), i, j);
  EXPECT_EQ(i, 0);
  EXPECT_FLOAT_EQ(grid.getArea(), 10);
  EXPECT_EQ(grid.getNodeCoord(2, 1), SbVec3f(2, 3, 0));

  ErrorCatcher errors;
  const float unsorted[3] = {0, 2, 1};
  EXPECT_FALSE(grid.setGeometry(3, 4, unsorted, y));
  EXPECT_EQ(errors.count(), 1);
  EXPECT_EQ(grid.getNodeCoord(2, 0), SbVec3f(2, 5, 0));
}

TEST(ParalCartesianGrid2D, PositionInSortedArray)
{
  const float up[5] = {0, 1, 2, 3, 4}, down[4] = {3, 2, 1, 0};
  struct Row {
    float value;
    int up, down;
  };
  // Intervals are open at their start and closed at their end, in the array's direction.
  const Row rows[] = {{-1, -1, 3}, {0, -1, 2}, {0.5f, 0, 2}, {1, 0, 1}, {2, 1, 0},
                      {3, 2, -1}, {3.5f, 3, -1}, {4, 3, -1}, {9, 4, -1}, {NAN, -1, -1}};
  for (const Row& r : rows) {
    EXPECT_EQ(PbMesh::getPositionInSortedArray(r.value, 5, up), r.up) << r.value;
    EXPECT_EQ(PbMesh::getPositionInSortedArray(r.value, 4, down), r.down) << r.value;
  }
}

TEST(PolarGrid2D, NodesAreaAndNoLocation)
{
  const float radii[3] = {1, 2, 3};
  const float angles[4] = {0, float(M_PI / 6), float(M_PI / 3), float(M_PI / 2)};
  PbPolarGrid2D grid(3, 4, radii, angles);
  const SbVec3f n = grid.getNodeCoord(2, 3);
  EXPECT_NEAR(n[0], 0, 1e-6);
  EXPECT_NEAR(n[1], 3, 1e-6);
  // The cells are chords: each sector of angle a contributes (r1^2 - r0^2) sin(a) / 2.
  EXPECT_NEAR(grid.getArea(), 3 * 0.5 * (9 - 1) * std::sin(M_PI / 6), 1e-5);
  SbVec3f pc;
  EXPECT_EQ(grid.findContainingCell(SbVec3f(1.5f, 0.5f, 0), 0, pc), nullptr);
  EXPECT_NEAR(grid.getBoundingBox().getMax()[0], 3, 1e-6);
  EXPECT_NEAR(grid.getBoundingBox().getMin()[0], 0, 1e-6);
}

TEST(Grid3D, IndexingAdjacencyAndCellNodeOrder)
{
  PbRegularCartesianGrid3D grid(3, 4, 5, 0, 0, 0, 2, 3, 4);
  EXPECT_EQ(grid.getNumNodes(), 60);
  EXPECT_EQ(grid.getNumCells(), 24);
  EXPECT_EQ(grid.getNodeIndex(1, 2, 3), 33);
  int i, j, k;
  grid.getCellIndices(grid.getCellIndex(1, 2, 3), i, j, k);
  EXPECT_EQ(i * 100 + j * 10 + k, 123);
  // The cell's local nodes sit at the hexahedron's unit-cube corners.
  const PbCell* cell = grid.getCell(grid.getCellIndex(1, 1, 2));
  ASSERT_NE(cell, nullptr);
  const SbVec3f corners[8] = {SbVec3f(0, 0, 0), SbVec3f(1, 0, 0), SbVec3f(1, 1, 0), SbVec3f(0, 1, 0),
                              SbVec3f(0, 0, 1), SbVec3f(1, 0, 1), SbVec3f(1, 1, 1), SbVec3f(0, 1, 1)};
  for (int n = 0; n < 8; n++) {
    EXPECT_EQ(cell->getNodeCoord(n), SbVec3f(1, 1, 2) + corners[n]);
    EXPECT_EQ(grid.getNodeCoord(cell->getNodeIndex(n)), cell->getNodeCoord(n));
  }
  PbArrayOfInt cells;
  grid.getNodeOwnerCellsInd(grid.getNodeIndex(1, 1, 1), cells);
  EXPECT_EQ(cells.getNum(), 8);
  grid.getNodeOwnerCellsInd(grid.getNodeIndex(0, 0, 0), cells);
  EXPECT_EQ(toVector(cells), std::vector<int>{0});
  grid.getAdjacentCellsIndByFacet(grid.getCellIndex(1, 1, 1), cells); // i = 1 is the last layer
  EXPECT_EQ(toVector(cells), (std::vector<int>{grid.getCellIndex(0, 1, 1), grid.getCellIndex(1, 0, 1),
                                               grid.getCellIndex(1, 2, 1), grid.getCellIndex(1, 1, 0),
                                               grid.getCellIndex(1, 1, 2)}));
  grid.getAdjacentCellsIndByNode(grid.getCellIndex(1, 1, 1), cells);
  EXPECT_EQ(cells.getNum(), 17);
  grid.getAdjacentCellsIndByNode(0, cells);
  EXPECT_EQ(cells.getNum(), 7);
  PbRegularCartesianGrid3D cube(4, 4, 4, 0, 0, 0, 1, 1, 1);
  cube.getAdjacentCellsIndByNode(cube.getCellIndex(1, 1, 1), cells);
  EXPECT_EQ(cells.getNum(), 26);
  cube.getAdjacentCellsIndByFacet(cube.getCellIndex(1, 1, 1), cells);
  EXPECT_EQ(cells.getNum(), 6);
  // Every owner of a node really uses it.
  for (int node = 0; node < grid.getNumNodes(); node++) {
    grid.getNodeOwnerCellsInd(node, cells);
    for (int c = 0; c < cells.getNum(); c++) {
      PbArrayOfInt nodes;
      grid.getCell(cells[c])->getNodesIndex(nodes);
      EXPECT_GE(nodes.find(node), 0);
    }
  }
  EXPECT_EQ(grid.evaluateSkinFacesNum(), 2 * (2 * 3 + 3 * 4 + 2 * 4));
  EXPECT_FLOAT_EQ(grid.getLongestEdgeLength(), std::sqrt(3.0f));
  EXPECT_EQ(grid.isCrossSectionOptimal(), 1);
}

TEST(Grid3D, ParallelepipedAndCartesianGeometry)
{
  const float x[3] = {0, 1, 3}, y[2] = {0, 2}, z[3] = {-1, 0, 4};
  PbParalCartesianGrid3D paral(3, 2, 3, x, y, z);
  EXPECT_FLOAT_EQ(paral.getVolume(), 3 * 2 * 5);
  EXPECT_FLOAT_EQ(paral.getLongestEdgeLength(), std::sqrt(4.0f + 4.0f + 16.0f));
  int smallest, biggest;
  EXPECT_FLOAT_EQ(paral.getSmallestCellBox(smallest).getVolume(), 2);
  EXPECT_FLOAT_EQ(paral.getBiggestCellBox(biggest).getVolume(), 16);
  EXPECT_EQ(smallest, paral.getCellIndex(0, 0, 0));
  EXPECT_EQ(biggest, paral.getCellIndex(1, 0, 1));
  SbVec3f pc;
  const PbCell* cell = paral.findContainingCell(SbVec3f(2, 1, 3), 0, pc);
  ASSERT_NE(cell, nullptr);
  EXPECT_EQ(cell->getIndex(), paral.getCellIndex(1, 0, 1));
  EXPECT_FLOAT_EQ(pc[2], 0.75f);

  // The same nodes given one by one to a curvilinear grid measure the same.
  std::vector<float> cx, cy, cz;
  for (int i = 0; i < 3; i++)
    for (int j = 0; j < 2; j++)
      for (int k = 0; k < 3; k++) {
        cx.push_back(x[i]);
        cy.push_back(y[j]);
        cz.push_back(z[k]);
      }
  PbCartesianGrid3D curvilinear(3, 2, 3, cx.data(), cy.data(), cz.data());
  EXPECT_NEAR(curvilinear.getVolume(), 30, 1e-4);
  EXPECT_FLOAT_EQ(curvilinear.getLongestEdgeLength(), paral.getLongestEdgeLength());
  curvilinear.getBiggestCellBox(biggest);
  EXPECT_EQ(biggest, paral.getCellIndex(1, 0, 1));
  for (int n = 0; n < paral.getNumNodes(); n++)
    EXPECT_EQ(curvilinear.getNodeCoord(n), paral.getNodeCoord(n));
  cell = curvilinear.findContainingCell(SbVec3f(2, 1, 3), 0, pc);
  ASSERT_NE(cell, nullptr);
  EXPECT_EQ(cell->getIndex(), paral.getCellIndex(1, 0, 1));
  EXPECT_NEAR(pc[2], 0.75f, 1e-5);

  // A copy is independent of its source and locates in its own geometry.
  PbCartesianGrid3D copy(curvilinear);
  for (float& v : cx)
    v += 100;
  ASSERT_TRUE(curvilinear.setGeometry(3, 2, 3, cx.data(), cy.data(), cz.data()));
  EXPECT_NE(copy.findContainingCell(SbVec3f(2, 1, 3), 0, pc), nullptr);
  EXPECT_EQ(curvilinear.findContainingCell(SbVec3f(2, 1, 3), 0, pc), nullptr);
  EXPECT_NE(curvilinear.findContainingCell(SbVec3f(102, 1, 3), 0, pc), nullptr);

  ErrorCatcher errors;
  EXPECT_FALSE(curvilinear.setGeometry(3, -2, 3, cx.data(), cy.data(), cz.data()));
  EXPECT_FALSE(curvilinear.setGeometry(3, 2, 3, cx.data(), nullptr, cz.data()));
  cz[7] = NAN;
  EXPECT_FALSE(curvilinear.setGeometry(3, 2, 3, cx.data(), cy.data(), cz.data()));
  PbRegularCartesianGrid3D regular;
  EXPECT_FALSE(regular.setGeometry(0, 2, 2, 0, 0, 0, 1, 1, 1));
  EXPECT_EQ(errors.count(), 4);
  EXPECT_EQ(regular.getNumNodes(), 0);
  EXPECT_EQ(regular.findContainingCell(SbVec3f(0, 0, 0), 0, pc), nullptr);
  EXPECT_NEAR(curvilinear.getVolume(), 30, 1e-4);
}

} // namespace
