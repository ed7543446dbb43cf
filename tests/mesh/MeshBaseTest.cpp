// Mesh base: value sets, data duplication, elevation push and pop, adjacency and the dump.
#include "TestMeshes.h"

#include "support/ErrorCatcher.h"
#include <Gridlux/mesh/PbRegularCartesianGrid2D.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <random>
#include <string>

namespace {

// A strip of two triangles over a unit square, nodes 0 (0,0), 1 (1,0), 2 (1,1), 3 (0,1).
TriangleSoup* makeSquare(int duplicate = 1)
{
  return new TriangleSoup({0, 1, 1, 0}, {0, 0, 1, 1}, {0, 1, 2, 0, 2, 3}, duplicate);
}

std::string dump(const PbMesh& mesh)
{
  FILE* file = tmpfile();
  mesh.print(file);
  std::string text(size_t(ftell(file)), '\0');
  rewind(file);
  text.resize(fread(&text[0], 1, text.size(), file));
  fclose(file);
  return text;
}

TEST(MeshValueSets, OrderReplacementAndDump)
{
  std::unique_ptr<TriangleSoup> mesh(makeSquare());
  const float a[4] = {1, 2, 3, 4}, b[4] = {-1, 0, 5, 7}, c[2] = {10, 20};
  mesh->addValuesSet(5, a, "five");
  mesh->addValuesSet(2, b, "two");
  mesh->addValuesSet(9, c, PbMesh::PER_CELL, "nine");
  EXPECT_EQ(mesh->getNumValuesSet(), 3);
  EXPECT_EQ(mesh->getChangeType(), PbBase::CHANGE_SCALAR_SET);
  const std::string text = dump(*mesh);
  const size_t p2 = text.find("index 2, name : two"), p5 = text.find("index 5, name : five"),
               p9 = text.find("index 9, name : nine");
  ASSERT_NE(p2, std::string::npos);
  ASSERT_NE(p9, std::string::npos);
  EXPECT_LT(p2, p5);
  EXPECT_LT(p5, p9);
  EXPECT_NE(text.find("PbMesh:: scalars data set [0], index 2"), std::string::npos);
  EXPECT_NE(text.find("PbMesh:: numMeshNodes = 4\n"), std::string::npos);
  EXPECT_NE(text.find("PbMesh:: isDataDuplicate = TRUE\n"), std::string::npos);

  // Replacing keeps the count; the copy is the mesh's own.
  float replaced[4] = {8, 8, 8, 8};
  mesh->addValuesSet(5, replaced, "again");
  replaced[0] = 0;
  EXPECT_EQ(mesh->getNumValuesSet(), 3);
  EXPECT_EQ(mesh->getValuesSet(5)[0], 8);
  EXPECT_STREQ(mesh->getValuesSetName(5)->getString(), "again");
  // A per-cell set replaced by a per-node one gets room for the nodes.
  mesh->addValuesSet(9, a, PbMesh::PER_NODE, "nodes now");
  EXPECT_EQ(mesh->getValuesBinding(9), PbMesh::PER_NODE);
  EXPECT_EQ(mesh->getValuesSet(9)[3], 4);

  float min = -42, max = -42;
  EXPECT_EQ(mesh->getMinValuesSet(4, min), 0);
  EXPECT_EQ(min, -42);
  EXPECT_EQ(mesh->getValuesSet(4), nullptr);
  EXPECT_EQ(mesh->getValuesSetName(4), nullptr);
  EXPECT_EQ(mesh->getValuesBinding(4), PbMesh::PER_NODE);
  const float withNaN[4] = {3, NAN, -2, 1};
  mesh->addValuesSet(4, withNaN);
  ASSERT_TRUE(mesh->getMinValuesSet(4, min));
  ASSERT_TRUE(mesh->getMaxValuesSet(4, max));
  EXPECT_EQ(min, -2);
  EXPECT_EQ(max, 3);

  ErrorCatcher errors;
  EXPECT_EQ(mesh->removeValuesSet(77), 0);
  EXPECT_EQ(errors.count(), 1);
  EXPECT_TRUE(errors.contains("PbMesh::removeValuesSet(): there is no scalar set with index 77"));
  EXPECT_EQ(mesh->addValuesSet(1, nullptr), 0);
  EXPECT_EQ(errors.count(), 2);
  EXPECT_EQ(mesh->getNumValuesSet(), 4);
  EXPECT_TRUE(mesh->removeValuesSet(2));
  EXPECT_EQ(mesh->getValuesSetIndex(0), 4);
  mesh->removeAllValuesSet();
  EXPECT_EQ(mesh->getNumValuesSet(), 0);
}

TEST(MeshValueSets, StringsVectorsAndSharing)
{
  std::unique_ptr<TriangleSoup> shared(makeSquare(0));
  const float values[4] = {1, 2, 3, 4};
  shared->addValuesSet(0, values);
  EXPECT_EQ(shared->getValuesSet(0), values);
  const SbVec3f vecs[4] = {SbVec3f(3, 4, 0), SbVec3f(1, 0, 0), SbVec3f(0, 2, 0), SbVec3f(0, 0, 1)};
  shared->addVecsSet(3, vecs, "v");
  EXPECT_EQ(shared->getVecsSet(3), vecs);
  float len = 0;
  ASSERT_TRUE(shared->getMaxVecsSet(3, len));
  EXPECT_FLOAT_EQ(len, 5);
  ASSERT_TRUE(shared->getMinVecsSet(3, len));
  EXPECT_FLOAT_EQ(len, 1);
  EXPECT_EQ(shared->getChangeType(), PbBase::CHANGE_VECTOR_SET);

  // 2D vectors are always stored by the mesh, flat.
  const SbVec2f flat[4] = {SbVec2f(1, 2), SbVec2f(3, 4), SbVec2f(5, 6), SbVec2f(7, 8)};
  shared->addVecsSet(1, flat, "flat");
  ASSERT_NE(shared->getVecsSet(1), nullptr);
  EXPECT_EQ(shared->getVecsSet(1)[3], SbVec3f(7, 8, 0));

  const SbString names[4] = {"a", "b", "c", "d"};
  std::unique_ptr<TriangleSoup> owner(makeSquare(1));
  owner->addStringsSet(2, names, "labels");
  EXPECT_NE(owner->getStringsSet(2), names);
  EXPECT_EQ(owner->getStringsSet(2)[2], SbString("c"));
  EXPECT_EQ(owner->getChangeType(), PbBase::CHANGE_STRING_SET);
  EXPECT_EQ(owner->getNumStringsSet(), 1);
  owner->addVecsSet(0, vecs);
  // A copy of a duplicating mesh owns independent copies of the sets.
  TriangleSoup copy(*owner);
  EXPECT_EQ(copy.getNumStringsSet(), 1);
  EXPECT_NE(copy.getStringsSet(2), owner->getStringsSet(2));
  EXPECT_EQ(copy.getStringsSet(2)[3], SbString("d"));
  EXPECT_NE(copy.getVecsSet(0), owner->getVecsSet(0));
  EXPECT_TRUE(owner->removeStringsSet(2));
  EXPECT_EQ(copy.getNumStringsSet(), 1);
  EXPECT_TRUE(dump(copy).find("PbMesh:: vectors data set [0], index 0, name : , vectors ...\n(3.000000,4.000000,") !=
              std::string::npos);
}

TEST(MeshElevation, PushAndPopZ)
{
  std::unique_ptr<TriangleSoup> mesh(makeSquare());
  const float heights[4] = {0, 1, 2, 3};
  mesh->addValuesSet(0, heights);
  const float cellValues[2] = {1, 2};
  mesh->addValuesSet(1, cellValues, PbMesh::PER_CELL);
  EXPECT_EQ(mesh->getZcoord(), nullptr);
  mesh->pushZCoord(-1);
  EXPECT_EQ(mesh->getZcoord(), nullptr);
  mesh->popZCoord();
  mesh->pushZCoord(0);
  ASSERT_EQ(mesh->getZcoord(), mesh->getValuesSet(0));
  EXPECT_FLOAT_EQ(mesh->PbMesh::getBoundingBox().getMax()[2], 3);
  EXPECT_FLOAT_EQ(mesh->getNodeCoord(2)[2], 2);
  mesh->popZCoord();
  EXPECT_EQ(mesh->getZcoord(), nullptr);
  EXPECT_FLOAT_EQ(mesh->PbMesh::getBoundingBox().getMax()[2], 0);

  // Given z stays when a push names no usable set; the tilted surface has the larger area.
  mesh->setZ({0, 0, 1, 1});
  const float* z = mesh->getZcoord();
  ErrorCatcher errors;
  mesh->pushZCoord(12);
  mesh->pushZCoord(1);
  EXPECT_EQ(errors.count(), 2);
  EXPECT_EQ(mesh->getZcoord(), z);
  mesh->popZCoord();
  EXPECT_EQ(mesh->getZcoord(), z);
  EXPECT_NEAR(mesh->getArea(), std::sqrt(2.0f), 1e-6);
  EXPECT_NE(dump(*mesh).find("PbMesh2D:: m_numZCoord = 4 , m_zCoord (adress "), std::string::npos);
}

TEST(MeshAdjacency, OwnersFacetsNodesAndBoundary)
{
  // Four triangles around the centre node 4 of a square, and one more outside edge 1-2.
  TriangleSoup mesh({0, 2, 2, 0, 1, 3}, {0, 0, 2, 2, 1, 1}, {0, 1, 4, 1, 2, 4, 2, 3, 4, 3, 0, 4, 1, 5, 2});
  PbArrayOfInt cells, nodes;
  nodes.add(4);
  nodes.add(1);
  mesh.getNodesOwnerCellsInd(nodes, cells);
  ASSERT_EQ(cells.getNum(), 2);
  EXPECT_EQ(cells[0], 0);
  EXPECT_EQ(cells[1], 1);
  mesh.getAdjacentCellsIndByFacet(1, cells);
  ASSERT_EQ(cells.getNum(), 3); // through edges 1-2, 2-4 and 4-1
  EXPECT_EQ(cells[0], 4);
  EXPECT_EQ(cells[1], 2);
  EXPECT_EQ(cells[2], 0);
  mesh.getAdjacentCellsIndByNode(0, cells);
  EXPECT_EQ(cells.getNum(), 4);
  EXPECT_EQ(cells.find(0), -1);
  mesh.getAdjacentCellsIndByFacet(9, cells);
  EXPECT_EQ(cells.getNum(), 0);

  PbArrayOfInt loop, sizes;
  mesh.getLimitIndices(loop, sizes);
  ASSERT_EQ(sizes.getNum(), 1);
  ASSERT_EQ(sizes[0], 5);
  const int expected[5] = {0, 1, 5, 2, 3};
  for (int i = 0; i < 5; i++)
    EXPECT_EQ(loop[i], expected[i]);
}

TEST(MeshLocation, NeighbourhoodSearchAndOctreeAgreeWithBruteForce)
{
  std::unique_ptr<TetrahedronSoup> mesh(makeKuhnCubes(4, 2.0f));
  EXPECT_NEAR(mesh->getVolume(), 8.0, 1e-5);
  EXPECT_EQ(mesh->getArea(), 0);
  std::mt19937 rng(3);
  std::uniform_real_distribution<float> inside(0.001f, 1.999f);
  SbVec3f pc;
  const PbCell* previous = nullptr;
  for (int k = 0; k < 300; k++) {
    const SbVec3f p(inside(rng), inside(rng), inside(rng));
    // The neighbourhood search skips the adjacent cell itself, which its callers have tested already.
    const bool nearby = k % 2 && !previous->locatePoint(p, 0, pc);
    const PbCell* cell = nearby ? mesh->findContainingCell(p, 0, pc, previous) : mesh->findContainingCell(p, 0, pc);
    ASSERT_NE(cell, nullptr) << k << " brute force finds " << mesh->countContaining(p, 0);
    SbVec3f again;
    EXPECT_TRUE(cell->locatePoint(p, 0, again));
    previous = cell;
  }
  // Outside the box no cell is tested; just outside a face nothing is found either.
  EXPECT_EQ(mesh->findContainingCell(SbVec3f(5, 1, 1), 0, pc), nullptr);
  EXPECT_EQ(mesh->findContainingCell(SbVec3f(2.005f, 1, 1), 0, pc), nullptr);
  EXPECT_EQ(mesh->countContaining(SbVec3f(2.005f, 1, 1), 0), 0);
  // On a shared face, the located cell accepts the point within the tolerance.
  const PbCell* onFace = mesh->findContainingCell(SbVec3f(1, 0.7f, 0.3f), 1e-6f, pc);
  ASSERT_NE(onFace, nullptr);
  EXPECT_TRUE(onFace->locatePoint(SbVec3f(1, 0.7f, 0.3f), 1e-6f, pc));

  ErrorCatcher errors;
  EXPECT_EQ(mesh->findContainingCell(SbVec3f(NAN, 1, 1), 0, pc), nullptr);
  EXPECT_EQ(errors.count(), 1);
}

TEST(MeshCellBoxes, SmallestAndBiggestByBoxVolume)
{
  std::unique_ptr<TetrahedronSoup> mesh(makeKuhnCubes(2, 1.0f));
  int smallest = -2, biggest = -2;
  const SbBox3f small = mesh->getSmallestCellBox(smallest);
  mesh->getBiggestCellBox(biggest);
  // Every Kuhn tetrahedron spans its whole cube: all boxes tie and the first cell wins.
  EXPECT_EQ(smallest, 0);
  EXPECT_EQ(biggest, 0);
  EXPECT_NEAR(small.getVolume(), 0.125f, 1e-6);

  // A flat surface mesh has boxes of volume 0 everywhere.
  TriangleSoup flat({0, 5, 5, 0}, {0, 0, 5, 5}, {0, 1, 2, 0, 2, 3});
  flat.getSmallestCellBox(smallest);
  flat.getBiggestCellBox(biggest);
  EXPECT_EQ(smallest, 0);
  EXPECT_EQ(biggest, 0);
}

} // namespace
