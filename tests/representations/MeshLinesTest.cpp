// Mesh lines, limits and sides through the scenes they build: lengths, loops, wall areas and
// facing, colours, elevation, bad input and files.
#include "support/ErrorCatcher.h"
#include "support/GeometryProbe.h"
#include "support/SceneText.h"

#include <Gridlux/attributes/PbLinearDataMapping.h>
#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/mesh/PbCartesianGrid2D.h>
#include <Gridlux/mesh/PbIndexedMesh2D.h>
#include <Gridlux/mesh/PbParalCartesianGrid2D.h>
#include <Gridlux/mesh/PbPolarGrid2D.h>
#include <Gridlux/mesh/PbQuadrangleMesh2D.h>
#include <Gridlux/mesh/PbRegularCartesianGrid2D.h>
#include <Gridlux/mesh/PbTriangleMesh2D.h>
#include <Gridlux/mesh/nodes/PoTriangleMesh2D.h>
#include <Gridlux/representations/PoMeshLimit.h>
#include <Gridlux/representations/PoMeshLines.h>
#include <Gridlux/representations/PoMeshSides.h>

#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoIndexedLineSet.h>
#include <Inventor/nodes/SoLineSet.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoMaterialBinding.h>
#include <Inventor/nodes/SoNormal.h>
#include <Inventor/nodes/SoQuadMesh.h>
#include <Inventor/nodes/SoSeparator.h>

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>
#include <vector>

namespace {

template <class T> T* findIn(SoNode* part, int which = 0)
{
  SoGroup* group = static_cast<SoGroup*>(part);
  for (int i = 0; group && i < group->getNumChildren(); ++i)
    if (group->getChild(i)->isOfType(T::getClassTypeId()) && which-- == 0)
      return static_cast<T*>(group->getChild(i));
  return nullptr;
}

// The polylines of an indexed line set, as lists of coordinate indices.
std::vector<std::vector<int>> polylines(const SoIndexedLineSet* lines)
{
  std::vector<std::vector<int>> result(1);
  for (int i = 0; i < lines->coordIndex.getNum(); ++i) {
    if (lines->coordIndex[i] < 0)
      result.emplace_back();
    else
      result.back().push_back(lines->coordIndex[i]);
  }
  if (result.back().empty())
    result.pop_back();
  return result;
}

// A separator holding @p kit on @p mesh; the caller unrefs it.
SoSeparator* sceneOf(PoMesh2D* kit, PbMesh2D* mesh)
{
  SoSeparator* root = new SoSeparator;
  root->ref();
  kit->setMesh(mesh);
  root->addChild(kit);
  return root;
}

// Sum of the lengths of the edges between neighbouring grid nodes, from the mesh's coordinates.
double gridEdgeLength(const PbGrid2D& grid)
{
  double total = 0;
  for (int i = 0; i < grid.getNumX(); ++i)
    for (int j = 0; j < grid.getNumY(); ++j) {
      if (j + 1 < grid.getNumY())
        total += (grid.getNodeCoord(i, j + 1) - grid.getNodeCoord(i, j)).length();
      if (i + 1 < grid.getNumX())
        total += (grid.getNodeCoord(i + 1, j) - grid.getNodeCoord(i, j)).length();
    }
  return total;
}

// A 3 x 3 block of unit quadrangles over [0,3]^2 without its centre cell: one hole.
std::unique_ptr<PbQuadrangleMesh2D> ringMesh()
{
  std::vector<float> x, y;
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) {
      x.push_back(float(i));
      y.push_back(float(j));
    }
  std::vector<int> quads;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j)
      if (i != 1 || j != 1) {
        const int n = i * 4 + j;
        quads.insert(quads.end(), {n, n + 4, n + 5, n + 1});
      }
  return std::make_unique<PbQuadrangleMesh2D>(16, x.data(), y.data(), 8, quads.data());
}

double shoelace(const std::vector<SbVec3f>& loop)
{
  double twice = 0;
  for (size_t i = 0; i + 1 < loop.size(); ++i)
    twice += double(loop[i][0]) * loop[i + 1][1] - double(loop[i + 1][0]) * loop[i][1];
  return twice / 2;
}

// ---------------------------------------------------------------------------------------------
// Mesh lines

TEST(MeshLines, GridLinesHaveTheLengthOfTheirRowsAndColumns)
{
  PoGridlux::init();
  const int nX = 5, nY = 4;
  const float a = 3, b = 2;
  PbRegularCartesianGrid2D grid(nX, nY, 0, 0, a, b);
  PoMeshLines* lines = new PoMeshLines;
  SoSeparator* root = sceneOf(lines, &grid);
  GeometryProbe probe(root);
  // nX lines across y of length b, nY lines across x of length a.
  EXPECT_NEAR(probe.length(), nX * b + nY * a, 1e-5);
  EXPECT_EQ(probe.segments().size(), size_t(nX * (nY - 1) + nY * (nX - 1)));
  EXPECT_FALSE(lines->getPart("appearance.material", FALSE));
  root->unref();
}

TEST(MeshLines, ThreeByFourGridDrawsThreeLinesOfFourAndFourOfThree)
{
  PoGridlux::init();
  PbRegularCartesianGrid2D grid(3, 4, 0, 0, 1, 1);
  PoMeshLines* lines = new PoMeshLines;
  SoSeparator* root = sceneOf(lines, &grid);
  GeometryProbe probe(root);
  const auto set = polylines(findIn<SoIndexedLineSet>(lines->getPart("groupLines", FALSE)));
  ASSERT_EQ(set.size(), 7u);
  for (int l = 0; l < 7; ++l)
    EXPECT_EQ(set[l].size(), l < 3 ? 4u : 3u) << l;
  // The first runs along the second index from node 0, the fourth along the first index.
  EXPECT_EQ(set[0], (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(set[3], (std::vector<int>{0, 4, 8}));
  root->unref();
}

TEST(MeshLines, EveryGridKindDrawsEachEdgeOnceAtItsElevation)
{
  PoGridlux::init();
  std::vector<std::unique_ptr<PbGrid2D>> grids;
  const float px[] = {0, 0.5f, 1.5f, 2}, py[] = {0, 0.4f, 1};
  grids.push_back(std::make_unique<PbParalCartesianGrid2D>(4, 3, px, py));
  std::vector<float> cx, cy;
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 3; ++j) {
      cx.push_back(px[i] + 0.3f * py[j]);
      cy.push_back(py[j] + 0.1f * px[i]);
    }
  grids.push_back(std::make_unique<PbCartesianGrid2D>(4, 3, cx.data(), cy.data()));
  const float radii[] = {1, 1.5f, 2}, angles[] = {0, 0.5f, 1, 1.5f};
  grids.push_back(std::make_unique<PbPolarGrid2D>(3, 4, radii, angles));
  for (size_t k = 0; k < grids.size(); ++k) {
    SCOPED_TRACE(k);
    PbGrid2D& grid = *grids[k];
    std::vector<float> z(grid.getNumNodes(), 2.5f);
    grid.addValuesSet(4, z.data());
    PoMeshLines* lines = new PoMeshLines;
    lines->zValuesIndex = 4;
    SoSeparator* root = sceneOf(lines, &grid);
    GeometryProbe probe(root);
    EXPECT_NEAR(probe.length(), gridEdgeLength(grid), 1e-5);
    EXPECT_NEAR(probe.bbox().getMin()[2], 2.5f, 1e-6);
    EXPECT_NEAR(probe.bbox().getMax()[2], 2.5f, 1e-6);
    root->unref();
  }
}

TEST(MeshLines, UnstructuredCellsAreClosedOutlines)
{
  PoGridlux::init();
  std::vector<std::unique_ptr<PbIndexedMesh2D>> meshes;
  const float ux[] = {0, 1, 1, 0, 2}, uy[] = {0, 0, 1, 1, 0.5f};
  const int mixed[] = {0, 1, 2, 3, 1, 4, 2}, counts[] = {4, 3};
  meshes.push_back(std::make_unique<PbIndexedMesh2D>(5, ux, uy, 2, mixed, counts));
  const int triangles[] = {0, 1, 2, 0, 2, 3, 1, 4, 2};
  meshes.push_back(std::make_unique<PbTriangleMesh2D>(5, ux, uy, 3, triangles));
  meshes.push_back(ringMesh());
  for (size_t k = 0; k < meshes.size(); ++k) {
    SCOPED_TRACE(k);
    PbIndexedMesh2D& mesh = *meshes[k];
    PoMeshLines* lines = new PoMeshLines;
    SoSeparator* root = sceneOf(lines, &mesh);
    GeometryProbe probe(root);
    const auto set = polylines(findIn<SoIndexedLineSet>(lines->getPart("groupLines", FALSE)));
    ASSERT_EQ(set.size(), size_t(mesh.getNumCells()));
    double perimeters = 0;
    for (int c = 0; c < mesh.getNumCells(); ++c) {
      const PbCell* cell = mesh.getCell(c);
      ASSERT_EQ(set[c].size(), size_t(cell->getNumNodes() + 1));
      EXPECT_EQ(set[c].front(), set[c].back());
      for (int i = 0; i < cell->getNumNodes(); ++i) {
        EXPECT_EQ(set[c][i], cell->getNodeIndex(i));
        perimeters += (mesh.getNodeCoord(cell->getNodeIndex((i + 1) % cell->getNumNodes())) -
                       mesh.getNodeCoord(cell->getNodeIndex(i)))
                        .length();
      }
    }
    // Shared edges are drawn twice.
    EXPECT_NEAR(probe.length(), perimeters, 1e-5);
    root->unref();
  }
}

TEST(MeshLines, MappedColoursFollowTheNodeValues)
{
  PoGridlux::init();
  PbLinearDataMapping mapping; // black at 0 to white at 1
  PbRegularCartesianGrid2D grid(3, 3, 0, 0, 1, 1);
  std::vector<float> f(9);
  for (int n = 0; n < 9; ++n)
    f[n] = n / 8.0f;
  grid.addValuesSet(0, f.data());
  const float perCell[4] = {0, 0.25f, 0.5f, 1};
  grid.addValuesSet(1, perCell, PbMesh::PER_CELL);
  auto quad = ringMesh();
  std::vector<float> g(16);
  for (int n = 0; n < 16; ++n)
    g[n] = n / 15.0f;
  quad->addValuesSet(0, g.data());

  for (PbMesh2D* mesh : std::vector<PbMesh2D*>{&grid, quad.get()}) {
    PoMeshLines* lines = new PoMeshLines;
    lines->valuesIndex = 0;
    lines->coloringType = PoMesh::COLOR_MAPPING;
    lines->setDataMapping(&mapping);
    SoSeparator* root = sceneOf(lines, mesh);
    GeometryProbe probe(root);
    EXPECT_EQ(lines->getEffectiveColoring(), PoMesh::COLOR_MAPPING);
    SoMaterial* material = static_cast<SoMaterial*>(lines->getPart("appearance.material", FALSE));
    ASSERT_TRUE(material);
    const float* values = mesh->getValuesSet(0);
    ASSERT_EQ(material->diffuseColor.getNum(), mesh->getNumNodes());
    for (int n = 0; n < mesh->getNumNodes(); ++n)
      EXPECT_NEAR(material->diffuseColor[n][0], values[n], 1e-6) << n;
    SoMaterialBinding* binding = findIn<SoMaterialBinding>(lines->getPart("groupLines", FALSE));
    ASSERT_TRUE(binding);
    EXPECT_EQ(binding->value.getValue(), SoMaterialBinding::PER_VERTEX_INDEXED);

    // Back to the inherited material: the generated one goes.
    lines->coloringType = PoMesh::COLOR_INHERITED;
    probe.apply(root);
    EXPECT_FALSE(lines->getPart("appearance.material", FALSE));
    EXPECT_FALSE(findIn<SoMaterialBinding>(lines->getPart("groupLines", FALSE)));
    root->unref();
  }

  // Per-cell values and a missing set draw in the inherited material.
  for (int index : {1, 7}) {
    PoMeshLines* lines = new PoMeshLines;
    lines->valuesIndex = index;
    lines->coloringType = PoMesh::COLOR_MAPPING;
    lines->setDataMapping(&mapping);
    SoSeparator* root = sceneOf(lines, &grid);
    GeometryProbe probe(root);
    EXPECT_NEAR(probe.length(), 6.0, 1e-5);
    EXPECT_FALSE(lines->getPart("appearance.material", FALSE)) << index;
    root->unref();
  }
}

TEST(MeshLines, NoMeshOrAnEmptyOneDrawsNothing)
{
  PoGridlux::init();
  ErrorCatcher errors;
  SoSeparator* root = new SoSeparator;
  root->ref();
  PoMeshLines* lines = new PoMeshLines;
  PoMeshLimit* limit = new PoMeshLimit;
  PoMeshSides* sides = new PoMeshSides;
  root->addChild(lines);
  root->addChild(limit);
  root->addChild(sides);
  GeometryProbe probe(root);
  EXPECT_TRUE(probe.empty());
  // The property node's mesh before any is set is empty.
  root->insertChild(new PoTriangleMesh2D, 0);
  probe.apply(root);
  EXPECT_TRUE(probe.empty());
  EXPECT_FALSE(lines->getPart("groupLines", FALSE));
  EXPECT_FALSE(limit->getPart("groupLimit", FALSE));
  EXPECT_FALSE(sides->getPart("groupSides", FALSE));
  EXPECT_EQ(errors.count(), 0);
  root->unref();
}

// ---------------------------------------------------------------------------------------------
// Mesh limit

struct Loops {
  explicit Loops(PoMeshLimit* limit)
  {
    SoNode* group = limit->getPart("groupLimit", FALSE);
    SoCoordinate3* coords = findIn<SoCoordinate3>(group);
    SoLineSet* lines = findIn<SoLineSet>(group);
    if (!coords || !lines)
      return;
    int k = 0;
    for (int l = 0; l < lines->numVertices.getNum(); ++l) {
      loops.emplace_back();
      for (int i = 0; i < lines->numVertices[l]; ++i)
        loops.back().push_back(coords->point[k++]);
    }
  }
  std::vector<std::vector<SbVec3f>> loops;
};

double polylineLength(const std::vector<SbVec3f>& loop)
{
  double total = 0;
  for (size_t i = 0; i + 1 < loop.size(); ++i)
    total += (loop[i + 1] - loop[i]).length();
  return total;
}

TEST(MeshLimit, SquareGivesItsPerimeterAndArea)
{
  PoGridlux::init();
  PbRegularCartesianGrid2D grid(4, 5, -1, 0, 1, 2);
  PoMeshLimit* limit = new PoMeshLimit;
  SoSeparator* root = sceneOf(limit, &grid);
  GeometryProbe probe(root);
  EXPECT_NEAR(probe.length(), 8.0, 1e-5);
  const Loops found(limit);
  ASSERT_EQ(found.loops.size(), 1u);
  const auto& loop = found.loops[0];
  ASSERT_EQ(loop.size(), size_t(2 * (4 + 5) - 4 + 1));
  EXPECT_EQ(loop.front(), loop.back());
  EXPECT_NEAR(std::fabs(shoelace(loop)), 4.0, 1e-5);
  root->unref();
}

TEST(MeshLimit, MeshWithAHoleGivesTwoLoops)
{
  PoGridlux::init();
  auto mesh = ringMesh();
  std::vector<float> z(16);
  for (int n = 0; n < 16; ++n)
    z[n] = 1 + 0.1f * n;
  mesh->addValuesSet(2, z.data());
  PoMeshLimit* limit = new PoMeshLimit;
  limit->zValuesIndex = 2;
  SoSeparator* root = sceneOf(limit, mesh.get());
  GeometryProbe probe(root);
  const Loops found(limit);
  ASSERT_EQ(found.loops.size(), 2u);
  std::vector<double> areas, lengths;
  for (const auto& loop : found.loops) {
    EXPECT_EQ(loop.front(), loop.back());
    areas.push_back(std::fabs(shoelace(loop)));
    std::vector<SbVec3f> flat(loop);
    for (SbVec3f& p : flat)
      p[2] = 0;
    lengths.push_back(polylineLength(flat));
  }
  if (areas[0] < areas[1]) {
    std::swap(areas[0], areas[1]);
    std::swap(lengths[0], lengths[1]);
  }
  EXPECT_NEAR(areas[0], 9.0, 1e-5);
  EXPECT_NEAR(areas[1], 1.0, 1e-5);
  EXPECT_NEAR(lengths[0], 12.0, 1e-5);
  EXPECT_NEAR(lengths[1], 4.0, 1e-5);
  // Each point carries the z of its node.
  for (const auto& loop : found.loops)
    for (const SbVec3f& p : loop)
      EXPECT_NEAR(p[2], 1 + 0.1f * (int(std::lround(p[0])) * 4 + int(std::lround(p[1]))), 1e-5);
  root->unref();
}

// ---------------------------------------------------------------------------------------------
// Mesh sides

struct Walls {
  explicit Walls(PoMeshSides* sides)
  {
    SoNode* group = sides->getPart("groupSides", FALSE);
    for (int w = 0;; ++w) {
      SoQuadMesh* quads = findIn<SoQuadMesh>(group, w);
      if (!quads)
        break;
      meshes.push_back(quads);
      coords.push_back(findIn<SoCoordinate3>(group, w));
      normals.push_back(findIn<SoNormal>(group, w));
    }
  }
  std::vector<SoQuadMesh*> meshes;
  std::vector<SoCoordinate3*> coords;
  std::vector<SoNormal*> normals;
};

TEST(MeshSides, FlatFieldWallsHaveThePerimeterTimesTheHeight)
{
  PoGridlux::init();
  const float a = 3, b = 2, c = 1.5f;
  PbRegularCartesianGrid2D grid(4, 3, 0, 0, a, b);
  std::vector<float> z(grid.getNumNodes(), c);
  grid.addValuesSet(0, z.data());
  PoMeshSides* sides = new PoMeshSides;
  sides->zValuesIndex = 0;
  sides->thresholdType = PoMeshSides::THRESHOLD_VALUE;
  sides->thresholdValue = 0;
  SoSeparator* root = sceneOf(sides, &grid);
  GeometryProbe probe(root);
  EXPECT_NEAR(probe.area(), 2 * (a + b) * c, 1e-5);
  for (const GeometryProbe::Triangle& t : probe.triangles()) {
    const SbVec3f n = (t.v[1] - t.v[0]).cross(t.v[2] - t.v[0]);
    EXPECT_NEAR(n[2], 0.0f, 1e-6 * n.length()); // vertical
  }
  EXPECT_NEAR(probe.bbox().getMin()[2], 0.0f, 1e-6);
  EXPECT_NEAR(probe.bbox().getMax()[2], c, 1e-6);
  const Walls walls(sides);
  ASSERT_EQ(walls.meshes.size(), 1u);
  EXPECT_EQ(walls.meshes[0]->verticesPerColumn.getValue(), 2);
  EXPECT_EQ(walls.meshes[0]->verticesPerRow.getValue(), 2 * (4 + 3) - 4 + 1);
  root->unref();
}

// Every wall's normals point away from the mesh (tested against @p inside, which says whether a
// point lies in the mesh) and every triangle turns clockwise seen from that side.
void expectFacingOut(PoMeshSides* sides, SoNode* root, bool (*inside)(float x, float y))
{
  const Walls walls(sides);
  ASSERT_FALSE(walls.meshes.empty());
  for (size_t w = 0; w < walls.meshes.size(); ++w) {
    const int columns = walls.meshes[w]->verticesPerRow.getValue();
    ASSERT_EQ(walls.normals[w]->vector.getNum(), columns - 1);
    for (int k = 0; k + 1 < columns; ++k) {
      const SbVec3f mid = (walls.coords[w]->point[k] + walls.coords[w]->point[k + 1]) * 0.5f;
      const SbVec3f n = walls.normals[w]->vector[k];
      EXPECT_NEAR(n.length(), 1.0f, 1e-5);
      EXPECT_FALSE(inside(mid[0] + 0.1f * n[0], mid[1] + 0.1f * n[1])) << w << " " << k;
      EXPECT_TRUE(inside(mid[0] - 0.1f * n[0], mid[1] - 0.1f * n[1])) << w << " " << k;
    }
  }
  // Clockwise seen from outside: the triangle's right-handed normal points into the mesh.
  GeometryProbe probe(root);
  ASSERT_FALSE(probe.triangles().empty());
  for (const GeometryProbe::Triangle& t : probe.triangles()) {
    SbVec3f n = (t.v[1] - t.v[0]).cross(t.v[2] - t.v[0]);
    if (n.length() < 1e-9f)
      continue;
    n.normalize();
    const SbVec3f mid = (t.v[0] + t.v[1] + t.v[2]) / 3.0f;
    EXPECT_TRUE(inside(mid[0] + 0.1f * n[0], mid[1] + 0.1f * n[1]));
  }
}

bool inRing(float x, float y)
{
  const bool inSquare = x > 0 && x < 3 && y > 0 && y < 3;
  const bool inHole = x > 1 && x < 2 && y > 1 && y < 2;
  return inSquare && !inHole;
}

TEST(MeshSides, WallsFaceAwayFromTheMeshGoingDownOrUp)
{
  PoGridlux::init();
  auto ring = ringMesh();
  std::vector<float> z(16);
  for (int n = 0; n < 16; ++n)
    z[n] = 2 + 0.05f * n;
  ring->addValuesSet(0, z.data());
  // The same ring with its cells turning the other way.
  std::vector<float> x(16), y(16);
  for (int n = 0; n < 16; ++n) {
    x[n] = ring->getNodeCoord(n)[0];
    y[n] = ring->getNodeCoord(n)[1];
  }
  std::vector<int> reversed;
  for (int c = 0; c < 8; ++c) {
    const PbCell* cell = ring->getCell(c);
    for (int i = 3; i >= 0; --i)
      reversed.push_back(cell->getNodeIndex(i));
  }
  PbQuadrangleMesh2D mirrored(16, x.data(), y.data(), 8, reversed.data());
  mirrored.addValuesSet(0, z.data());

  for (PbMesh2D* mesh : std::vector<PbMesh2D*>{ring.get(), &mirrored}) {
    for (int type : {PoMeshSides::THRESHOLD_ZMIN, PoMeshSides::THRESHOLD_ZMAX}) {
      SCOPED_TRACE(type);
      PoMeshSides* sides = new PoMeshSides;
      sides->zValuesIndex = 0;
      sides->thresholdType = type;
      SoSeparator* root = sceneOf(sides, mesh);
      GeometryProbe probe(root);
      const SbBox3f box = probe.bbox();
      EXPECT_NEAR(box.getMin()[2], 2.0f, 1e-6);
      EXPECT_NEAR(box.getMax()[2], 2 + 0.05f * 15, 1e-6);
      EXPECT_EQ(Walls(sides).meshes.size(), 2u);
      // The walls run between the nodes and the level: their area is known from the heights.
      double expected = 0;
      PbArrayOfInt loops, sizes;
      mesh->getLimitIndices(loops, sizes);
      const float level = type == PoMeshSides::THRESHOLD_ZMIN ? 2.0f : 2 + 0.05f * 15;
      int start = 0;
      for (int l = 0; l < sizes.getNum(); ++l) {
        for (int i = 0; i < sizes[l]; ++i) {
          const int p = loops[start + i], q = loops[start + (i + 1) % sizes[l]];
          expected += 0.5 * (std::fabs(z[p] - level) + std::fabs(z[q] - level)) *
                      (mesh->getNodeCoord(q) - mesh->getNodeCoord(p)).length();
        }
        start += sizes[l];
      }
      EXPECT_NEAR(probe.area(), expected, 1e-4);
      expectFacingOut(sides, root, inRing);
      root->unref();
    }
  }
}

TEST(MeshSides, LevelComesFromTheThresholdWithoutHeights)
{
  PoGridlux::init();
  ErrorCatcher errors;
  PbRegularCartesianGrid2D grid(3, 3, 0, 0, 1, 1);
  PoMeshSides* sides = new PoMeshSides;
  sides->thresholdValue = -2;
  SoSeparator* root = sceneOf(sides, &grid);
  // No z at all: the mesh lies at 0 and the walls reach the given value, whatever the type.
  GeometryProbe probe(root);
  EXPECT_NEAR(probe.area(), 4 * 2.0, 1e-5);
  EXPECT_EQ(errors.count(), 0);

  // A z set the mesh does not have is reported; the mesh's own z serves.
  sides->zValuesIndex = 5;
  probe.apply(root);
  EXPECT_TRUE(errors.contains("PoMeshSides::rebuild(): the mesh has no per-node value set 5"));
  EXPECT_NEAR(probe.area(), 8.0, 1e-5);

  errors.clear();
  sides->thresholdType = PoMeshSides::THRESHOLD_VALUE;
  sides->thresholdValue = NAN;
  probe.apply(root);
  EXPECT_TRUE(probe.empty());
  EXPECT_TRUE(errors.contains("not finite"));
  root->unref();
}

// ---------------------------------------------------------------------------------------------
// Files

TEST(MeshLinesFile, NodesReadBackAsWritten)
{
  PoGridlux::init();
  SoSeparator* root = new SoSeparator;
  root->ref();
  PoMeshLines* lines = new PoMeshLines;
  lines->zValuesIndex = 3;
  lines->coloringType = PoMesh::COLOR_MAPPING;
  PoMeshLimit* limit = new PoMeshLimit;
  limit->zValuesIndex = 2;
  PoMeshSides* sides = new PoMeshSides;
  sides->thresholdType = PoMeshSides::THRESHOLD_VALUE;
  sides->thresholdValue = -4.5f;
  root->addChild(lines);
  root->addChild(limit);
  root->addChild(sides);
  SoSeparator* back = readFromString(writeToString(root));
  ASSERT_TRUE(back);
  back->ref();
  SoGroup* group = back;
  ASSERT_EQ(group->getNumChildren(), 3);
  ASSERT_TRUE(group->getChild(0)->isOfType(PoMeshLines::getClassTypeId()));
  ASSERT_TRUE(group->getChild(1)->isOfType(PoMeshLimit::getClassTypeId()));
  ASSERT_TRUE(group->getChild(2)->isOfType(PoMeshSides::getClassTypeId()));
  EXPECT_EQ(static_cast<PoMeshLines*>(group->getChild(0))->zValuesIndex.getValue(), 3);
  EXPECT_EQ(static_cast<PoMeshLines*>(group->getChild(0))->coloringType.getValue(), PoMesh::COLOR_MAPPING);
  EXPECT_EQ(static_cast<PoMeshLimit*>(group->getChild(1))->zValuesIndex.getValue(), 2);
  const PoMeshSides* copy = static_cast<PoMeshSides*>(group->getChild(2));
  EXPECT_EQ(copy->thresholdType.getValue(), PoMeshSides::THRESHOLD_VALUE);
  EXPECT_FLOAT_EQ(copy->thresholdValue.getValue(), -4.5f);
  back->unref();
  root->unref();
}

} // namespace
