// Level surfaces measured through the geometry they build: a sphere on every mesh kind (area,
// radius, facing, shared points), face quadrangles, the colourings, fallbacks and rebuilds.
#include "support/ErrorCatcher.h"
#include "support/GeometryProbe.h"
#include "support/SceneText.h"
#include "VolumeMeshes.h"

#include <Gridlux/attributes/PbIsovaluesList.h>
#include <Gridlux/attributes/PbLinearDataMapping.h>
#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/mesh/PbCartesianGrid3D.h>
#include <Gridlux/mesh/PbHexahedronMesh3D.h>
#include <Gridlux/mesh/PbIndexedMesh3D.h>
#include <Gridlux/mesh/PbParalCartesianGrid3D.h>
#include <Gridlux/mesh/PbRegularCartesianGrid3D.h>
#include <Gridlux/mesh/PbTetrahedronMesh3D.h>
#include <Gridlux/representations/PoMeshLevelSurf.h>

#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoIndexedFaceSet.h>
#include <Inventor/nodes/SoIndexedTriangleStripSet.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoMaterialBinding.h>
#include <Inventor/nodes/SoSeparator.h>
#include <Inventor/nodes/SoShapeHints.h>
#include <Inventor/nodes/SoTexture2.h>
#include <Inventor/nodes/SoTextureCoordinate2.h>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

const double kPi = 3.14159265358979323846;
const float kRadius = 0.7f;

// Number of lattice edges whose ends lie on different sides of the level.
int crossedEdges(const Lattice& lattice, const std::vector<float>& f, float level)
{
  int num = 0;
  for (int i = 0; i < lattice.n; ++i)
    for (int j = 0; j < lattice.n; ++j)
      for (int k = 0; k < lattice.n; ++k) {
        const int p = lattice.node(i, j, k);
        if (i + 1 < lattice.n)
          num += (f[p] > level) != (f[lattice.node(i + 1, j, k)] > level);
        if (j + 1 < lattice.n)
          num += (f[p] > level) != (f[lattice.node(i, j + 1, k)] > level);
        if (k + 1 < lattice.n)
          num += (f[p] > level) != (f[lattice.node(i, j, k + 1)] > level);
      }
  return num;
}

// How the triangles of a probe turn about the centre: counter-clockwise normals pointing out
// and in, and the largest distance of a vertex from the sphere.
struct Facing {
  int outward = 0, inward = 0;
  double radiusError = 0;
};

Facing facing(const GeometryProbe& probe)
{
  Facing result;
  for (const GeometryProbe::Triangle& t : probe.triangles()) {
    const SbVec3f normal = (t.v[1] - t.v[0]).cross(t.v[2] - t.v[0]);
    const SbVec3f centre = (t.v[0] + t.v[1] + t.v[2]) / 3.0f;
    (normal.dot(centre) > 0 ? result.outward : result.inward)++;
    for (const SbVec3f& v : t.v)
      result.radiusError = std::max(result.radiusError, std::fabs(double(v.length()) - kRadius));
  }
  return result;
}

class LevelSurf : public ::testing::Test {
protected:
  static void SetUpTestSuite() { PoGridlux::init(); }

  void SetUp() override
  {
    root = new SoSeparator;
    root->ref();
    node = new PoMeshLevelSurf;
    root->addChild(node);
    node->addPostRebuildCallback([](void* data, PoBase*) { ++*static_cast<int*>(data); }, &rebuilds);
    mapping.setValues(-1.0f, SbColor(0, 0, 0), 1.0f, SbColor(1, 1, 1));
  }
  void TearDown() override { root->unref(); }

  // The sphere r = kRadius as set 0 (r^2) on an n^3 grid, z as set 1, and per cell its first x
  // index as set 2.
  PbRegularCartesianGrid3D* sphereGrid(int n)
  {
    grid.reset(new PbRegularCartesianGrid3D(n, n, n, -1, -1, -1, 1, 1, 1));
    Lattice lattice(n);
    grid->addValuesSet(0, lattice.radius2().data());
    grid->addValuesSet(1, lattice.z.data());
    std::vector<float> cellX;
    for (int i = 0; i + 1 < n; ++i)
      for (int c = 0; c < (n - 1) * (n - 1); ++c)
        cellX.push_back(float(i));
    grid->addValuesSet(2, cellX.data(), PbMesh::PER_CELL);
    node->setMesh(grid.get());
    node->valuesIndex = 0;
    node->levelValue = kRadius * kRadius;
    return grid.get();
  }

  SoGroup* group() const { return static_cast<SoGroup*>(node->getPart("groupLevelSurf", FALSE)); }
  SoMaterial* material() const { return static_cast<SoMaterial*>(node->getPart("appearance.material", FALSE)); }
  template <class T> T* find() const
  {
    for (int i = 0; group() && i < group()->getNumChildren(); ++i)
      if (group()->getChild(i)->isOfType(T::getClassTypeId()))
        return static_cast<T*>(group()->getChild(i));
    return nullptr;
  }
  int numStrips() const
  {
    int num = 0;
    const SoIndexedTriangleStripSet* strips = find<SoIndexedTriangleStripSet>();
    for (int i = 0; strips && i < strips->coordIndex.getNum(); ++i)
      num += strips->coordIndex[i] < 0;
    return num;
  }

  // A scene of the node's last shape indices over their interpolated points.
  SoSeparator* sceneOfBuffers(const PbMesh3D* mesh, const float* values)
  {
    SoSeparator* scene = new SoSeparator;
    SoShapeHints* hints = new SoShapeHints;
    hints->vertexOrdering = SoShapeHints::CLOCKWISE;
    SoCoordinate3* coords = new SoCoordinate3;
    node->computeLevelSurfPointCoord(mesh, values, node->getLevelSurfLevel(), coords->point);
    SoIndexedTriangleStripSet* strips = new SoIndexedTriangleStripSet;
    const PbArrayOfLong& indices = PoMesh3D::getLevelSurfIndices();
    strips->coordIndex.setValues(0, indices.getNum(), indices.get());
    scene->addChild(hints);
    scene->addChild(coords);
    scene->addChild(strips);
    return scene;
  }

  SoSeparator* root = nullptr;
  PoMeshLevelSurf* node = nullptr;
  std::unique_ptr<PbRegularCartesianGrid3D> grid;
  PbLinearDataMapping mapping;
  int rebuilds = 0;
};

TEST_F(LevelSurf, SphereOnAGridHasTheSpheresAreaAndRadiusAndFacesOneWay)
{
  const int n = 30;
  sphereGrid(n);
  GeometryProbe probe(root);
  const double area = 4 * kPi * kRadius * kRadius;
  EXPECT_NEAR(probe.area(), area, 0.01 * area);
  Facing maxSide = facing(probe);
  EXPECT_LT(maxSide.radiusError, 0.005);
  // Counter-clockwise towards the values above the level: outwards.
  EXPECT_GT(maxSide.outward, 1000);
  EXPECT_EQ(maxSide.inward, 0);

  // One point per crossed grid edge, none twice.
  const SoCoordinate3* coords = find<SoCoordinate3>();
  ASSERT_TRUE(coords);
  Lattice lattice(n);
  EXPECT_EQ(coords->point.getNum(), crossedEdges(lattice, lattice.radius2(), kRadius * kRadius));
  std::set<std::array<float, 3>> distinct;
  for (int p = 0; p < coords->point.getNum(); ++p)
    distinct.insert({coords->point[p][0], coords->point[p][1], coords->point[p][2]});
  EXPECT_EQ(int(distinct.size()), coords->point.getNum());

  node->surfOrientation = PoMeshLevelSurf::ORIENTED_TO_MIN;
  probe.apply(root);
  Facing minSide = facing(probe);
  EXPECT_EQ(minSide.outward, 0);
  EXPECT_EQ(minSide.inward, maxSide.outward);
  EXPECT_NEAR(probe.area(), area, 0.01 * area);
}

TEST_F(LevelSurf, SphereOnTetrahedraAndOnMixedCells)
{
  const Lattice lattice(16);
  const std::vector<float> f = lattice.radius2();
  const double area = 4 * kPi * kRadius * kRadius;

  std::vector<int> tets;
  lattice.forEachCube([&](const int* c) { tetrahedra(lattice, c, tets); });
  PbTetrahedronMesh3D tetMesh(lattice.numNodes(), lattice.x.data(), lattice.y.data(), lattice.z.data(),
                              int(tets.size() / 4), tets.data());
  tetMesh.addValuesSet(0, f.data());
  node->setMesh(&tetMesh);
  node->valuesIndex = 0;
  node->levelValue = kRadius * kRadius;
  for (int orientation : {1, 0}) {
    node->tetrahedronMeshLevelSurfShapeIndices(&tetMesh, orientation, nullptr);
    SoSeparator* scene = sceneOfBuffers(&tetMesh, f.data());
    scene->ref();
    GeometryProbe probe(scene);
    EXPECT_NEAR(probe.area(), area, 0.02 * area);
    const Facing side = facing(probe);
    EXPECT_LT(side.radiusError, 0.02);
    EXPECT_EQ(orientation ? side.inward : side.outward, 0) << "orientation " << orientation;
    EXPECT_GT(orientation ? side.outward : side.inward, 500);
    scene->unref();
  }
  // Every tetrahedron edge crossed once: the points are exactly the crossed edges' pairs.
  std::set<std::pair<int, int>> crossed;
  for (size_t t = 0; t < tets.size(); t += 4)
    for (int a = 0; a < 4; ++a)
      for (int b = a + 1; b < 4; ++b) {
        const int p = tets[t + a], q = tets[t + b];
        if ((f[p] > kRadius * kRadius) != (f[q] > kRadius * kRadius))
          crossed.insert({std::min(p, q), std::max(p, q)});
      }
  EXPECT_EQ(node->getNumSurfPoints(), int(crossed.size()));

  // Mixed cells face the same side as one-kind meshes and grids.
  const MixedMesh cells(lattice, false);
  const std::vector<float> mixedF = cells.radius2();
  std::unique_ptr<PbIndexedMesh3D> mixed(cells.mesh());
  mixed->addValuesSet(0, mixedF.data());
  node->setMesh(mixed.get());
  for (int kind : {4, 5, 6, 8})
    EXPECT_GT(std::count(cells.counts.begin(), cells.counts.end(), kind), 100) << kind;
  node->indexedMeshLevelSurfShapeIndices(mixed.get(), 1, nullptr);
  SoSeparator* scene = sceneOfBuffers(mixed.get(), mixedF.data());
  scene->ref();
  GeometryProbe probe(scene);
  EXPECT_NEAR(probe.area(), area, 0.03 * area);
  const Facing side = facing(probe);
  EXPECT_LT(side.radiusError, 0.02);
  EXPECT_EQ(side.inward, 0);
  EXPECT_GT(side.outward, 500);
  scene->unref();

  // Each mesh kind calls back its own operation when the node rebuilds in a scene.
  node->setMesh(&tetMesh);
  GeometryProbe throughNode(root);
  EXPECT_NEAR(throughNode.area(), area, 0.02 * area);
  EXPECT_EQ(facing(throughNode).inward, 0);
  node->setMesh(mixed.get());
  throughNode.apply(root);
  EXPECT_NEAR(throughNode.area(), area, 0.03 * area);
  EXPECT_EQ(facing(throughNode).inward, 0);
  std::vector<int> hexes;
  lattice.forEachCube([&](const int* c) { hexahedron(c, hexes); });
  PbHexahedronMesh3D hexMesh(lattice.numNodes(), lattice.x.data(), lattice.y.data(), lattice.z.data(),
                             int(hexes.size() / 8), hexes.data());
  hexMesh.addValuesSet(0, f.data());
  node->setMesh(&hexMesh);
  throughNode.apply(root);
  EXPECT_NEAR(throughNode.area(), area, 0.02 * area);
  EXPECT_GT(facing(throughNode).outward, 500);
  EXPECT_EQ(facing(throughNode).inward, 0);
}

// ---------------------------------------------------------------------------------------------
// Facing on every mesh class, whatever order the cells list their nodes in

// What the triangles of a surface say about it: every edge in two triangles, once each way, and
// the volume they enclose (positive when they turn counter-clockwise seen from outside).
struct Closure {
  int triangles = 0;
  int edgesNotInTwo = 0;   // undirected edges met once or more than twice
  int edgesOneWay = 0;     // edges met twice in the same direction
  double signedVolume = 0;
};

Closure closure(const GeometryProbe& probe)
{
  // Points are shared exactly, and no two crossed edges give the same point.
  std::map<std::array<float, 3>, int> ids;
  auto id = [&](const SbVec3f& v) {
    return ids.emplace(std::array<float, 3>{v[0], v[1], v[2]}, int(ids.size())).first->second;
  };
  std::map<std::pair<int, int>, int> directed;
  Closure result;
  for (const GeometryProbe::Triangle& t : probe.triangles()) {
    ++result.triangles;
    const int v[3] = {id(t.v[0]), id(t.v[1]), id(t.v[2])};
    for (int e = 0; e < 3; ++e)
      ++directed[{v[e], v[(e + 1) % 3]}];
    result.signedVolume += t.v[0].dot(t.v[1].cross(t.v[2])) / 6.0;
  }
  for (const auto& entry : directed) {
    const int a = entry.first.first, b = entry.first.second;
    if (a > b && directed.count({b, a}))
      continue; // counted from the other side
    const auto back = directed.find({b, a});
    const int forward = entry.second, backward = back == directed.end() ? 0 : back->second;
    if (forward + backward != 2)
      ++result.edgesNotInTwo;
    else if (forward != 1)
      ++result.edgesOneWay;
  }
  return result;
}

TEST_F(LevelSurf, EveryMeshClassFacesTheSameSideWhateverItsCellsHandedness)
{
  const int n = 9;
  const Lattice lattice(n);
  // A lattice sheared along x, and the same one mirrored (x turned round): the node order of
  // every grid cell then turns the other way.
  std::vector<float> sheared(lattice.x), mirror(lattice.x), axis(n), reversedAxis(n);
  for (int p = 0; p < lattice.numNodes(); ++p) {
    sheared[p] = lattice.x[p] + 0.1f * lattice.y[p];
    mirror[p] = -sheared[p];
  }
  for (int i = 0; i < n; ++i) {
    const float u = float(i) / (n - 1);
    axis[i] = -1 + 2 * u * (0.8f + 0.2f * u); // uneven steps
    reversedAxis[i] = -axis[i];
  }
  auto sphere = [](const std::vector<float>& x, const std::vector<float>& y, const std::vector<float>& z) {
    std::vector<float> f(x.size());
    for (size_t p = 0; p < f.size(); ++p)
      f[p] = x[p] * x[p] + y[p] * y[p] + z[p] * z[p];
    return f;
  };
  struct Case {
    std::string name;
    std::unique_ptr<PbMesh3D> mesh;
  };
  std::vector<Case> cases;
  auto add = [&](const std::string& name, PbMesh3D* mesh, const std::vector<float>& f) {
    mesh->addValuesSet(0, f.data());
    cases.push_back({name, std::unique_ptr<PbMesh3D>(mesh)});
  };
  add("regular grid", new PbRegularCartesianGrid3D(n, n, n, -1, -1, -1, 1, 1, 1), lattice.radius2());
  for (bool turned : {false, true}) {
    const std::vector<float>& x = turned ? reversedAxis : axis;
    std::vector<float> px, py, pz;
    for (int i = 0; i < n; ++i)
      for (int j = 0; j < n; ++j)
        for (int k = 0; k < n; ++k) {
          px.push_back(x[i]);
          py.push_back(axis[j]);
          pz.push_back(axis[k]);
        }
    add(turned ? "rectilinear grid, x decreasing" : "rectilinear grid",
        new PbParalCartesianGrid3D(n, n, n, x.data(), axis.data(), axis.data()), sphere(px, py, pz));
    const std::vector<float>& cx = turned ? mirror : sheared;
    add(turned ? "curvilinear grid, mirrored" : "curvilinear grid",
        new PbCartesianGrid3D(n, n, n, cx.data(), lattice.y.data(), lattice.z.data()),
        sphere(cx, lattice.y, lattice.z));
  }

  // Unstructured meshes over the lattice, first with every cell in the reference order, then
  // with every other cell of each kind mirrored.
  const std::vector<float> f = lattice.radius2();
  for (bool mixedOrders : {false, true}) {
    const std::string suffix = mixedOrders ? ", both orders" : "";
    std::vector<int> hexes, tets;
    int cube = 0;
    lattice.forEachCube([&](const int* c) {
      std::vector<int> h;
      hexahedron(c, h);
      if (mixedOrders && cube++ % 2)
        h = mirrored(h.data(), 8);
      hexes.insert(hexes.end(), h.begin(), h.end());
      // The common six-tetrahedra split lists half of them mirrored; the positive split is kept
      // for the reference order.
      if (mixedOrders) {
        const int paths[6][2] = {{1, 2}, {2, 1}, {1, 4}, {4, 1}, {2, 4}, {4, 2}};
        for (const auto& path : paths)
          for (int q : {0, path[0], path[0] + path[1], 7})
            tets.push_back(c[q]);
      } else {
        tetrahedra(lattice, c, tets);
      }
    });
    add("hexahedron mesh" + suffix,
        new PbHexahedronMesh3D(lattice.numNodes(), lattice.x.data(), lattice.y.data(), lattice.z.data(),
                               int(hexes.size() / 8), hexes.data()),
        f);
    add("tetrahedron mesh" + suffix,
        new PbTetrahedronMesh3D(lattice.numNodes(), lattice.x.data(), lattice.y.data(), lattice.z.data(),
                                int(tets.size() / 4), tets.data()),
        f);
    const MixedMesh cells(lattice, mixedOrders);
    add("indexed mesh of four kinds" + suffix, cells.mesh(), cells.radius2());
  }

  node->valuesIndex = 0;
  node->levelValue = kRadius * kRadius;
  const double volume = 4.0 / 3.0 * kPi * kRadius * kRadius * kRadius;
  for (const Case& c : cases) {
    node->setMesh(c.mesh.get());
    for (int orientation : {PoMeshLevelSurf::ORIENTED_TO_MAX, PoMeshLevelSurf::ORIENTED_TO_MIN}) {
      node->surfOrientation = orientation;
      const Closure surface = closure(GeometryProbe(root));
      const std::string what = c.name + (orientation ? ", towards max" : ", towards min");
      EXPECT_GT(surface.triangles, 100) << what;
      EXPECT_EQ(surface.edgesNotInTwo, 0) << what;
      EXPECT_EQ(surface.edgesOneWay, 0) << what;
      // The values above the level lie outside the sphere: facing them, the triangles turn
      // counter-clockwise seen from outside and enclose a positive volume.
      const double expected = orientation ? volume : -volume;
      EXPECT_NEAR(surface.signedVolume, expected, 0.1 * volume) << what;
    }
  }
}

// The grid's own walk skips the cells that no crossing can reach and finds points through the
// grid's edges; the same cells as a hexahedron mesh, listed in the grid's local order, take the
// general walk. Both must give the very same strips over the very same points.
TEST_F(LevelSurf, GridWalkGivesWhatTheGeneralWalkGivesOnTheSameCells)
{
  const int nX = 7, nY = 6, nZ = 9;
  std::mt19937 random(11);
  std::uniform_real_distribution<float> unit(0, 1);
  std::vector<float> x, y, z, f;
  for (int i = 0; i < nX; ++i)
    for (int j = 0; j < nY; ++j)
      for (int k = 0; k < nZ; ++k) {
        x.push_back(float(i));
        y.push_back(float(j));
        z.push_back(float(k));
        // Rows wholly above, wholly below, crossed once near either end, and noise.
        switch ((3 * i + j) % 5) {
        case 0:
          f.push_back(0.9f);
          break;
        case 1:
          f.push_back(0.1f);
          break;
        case 2:
          f.push_back(k < 2 ? 0.8f : 0.2f);
          break;
        case 3:
          f.push_back(k > nZ - 3 ? 0.7f : 0.3f);
          break;
        default:
          f.push_back(unit(random));
        }
      }
  PbRegularCartesianGrid3D grid(nX, nY, nZ, 0, 0, 0, float(nX - 1), float(nY - 1), float(nZ - 1));
  grid.addValuesSet(0, f.data());
  std::vector<int> cells;
  auto n = [&](int i, int j, int k) { return (i * nY + j) * nZ + k; };
  for (int i = 0; i + 1 < nX; ++i)
    for (int j = 0; j + 1 < nY; ++j)
      for (int k = 0; k + 1 < nZ; ++k)
        for (int node : {n(i, j, k + 1), n(i, j + 1, k + 1), n(i + 1, j + 1, k + 1), n(i + 1, j, k + 1), n(i, j, k),
                         n(i, j + 1, k), n(i + 1, j + 1, k), n(i + 1, j, k)})
          cells.push_back(node);
  PbHexahedronMesh3D hexMesh(int(x.size()), x.data(), y.data(), z.data(), int(cells.size() / 8), cells.data());
  hexMesh.addValuesSet(0, f.data());
  node->valuesIndex = 0;
  node->levelValue = 0.5f;
  for (int orientation : {1, 0}) {
    node->setMesh(&grid);
    node->grid3DLevelSurfShapeIndices(&grid, orientation, nullptr);
    const PbArrayOfLong& indices = PoMesh3D::getLevelSurfIndices();
    const std::vector<int> fromGrid(indices.get(), indices.get() + indices.getNum());
    const int* pairs = node->getSurfPointPairs();
    const std::vector<int> gridPairs(pairs, pairs + 2 * node->getNumSurfPoints());
    node->setMesh(&hexMesh);
    node->hexahedronMeshLevelSurfShapeIndices(&hexMesh, orientation, nullptr);
    EXPECT_GT(fromGrid.size(), 200u);
    EXPECT_EQ(fromGrid, std::vector<int>(indices.get(), indices.get() + indices.getNum())) << orientation;
    EXPECT_EQ(gridPairs, std::vector<int>(node->getSurfPointPairs(),
                                          node->getSurfPointPairs() + 2 * node->getNumSurfPoints()));
  }
}

TEST_F(LevelSurf, OneCornerAboveGivesOneTriangleTurnedByTheOrientation)
{
  const float x[] = {0, 1, 1, 0, 0, 1, 1, 0}, y[] = {0, 0, 1, 1, 0, 0, 1, 1}, z[] = {0, 0, 0, 0, 1, 1, 1, 1};
  const int cell[] = {0, 1, 2, 3, 4, 5, 6, 7};
  PbHexahedronMesh3D hexMesh(8, x, y, z, 1, cell);
  const float values[] = {1, 0, 0, 0, 0, 0, 0, 0};
  hexMesh.addValuesSet(0, values);
  node->setMesh(&hexMesh);
  node->valuesIndex = 0;
  node->levelValue = 0.5f;
  for (int orientation : {1, 0}) {
    node->hexahedronMeshLevelSurfShapeIndices(&hexMesh, orientation, nullptr);
    const PbArrayOfLong& indices = PoMesh3D::getLevelSurfIndices();
    ASSERT_EQ(indices.getNum(), 4);
    EXPECT_EQ(indices[3], -1);
    SoSeparator* scene = sceneOfBuffers(&hexMesh, values);
    scene->ref();
    const SoCoordinate3* coords = static_cast<SoCoordinate3*>(scene->getChild(1));
    std::set<std::array<float, 3>> points;
    for (int p = 0; p < coords->point.getNum(); ++p)
      points.insert({coords->point[p][0], coords->point[p][1], coords->point[p][2]});
    // The cut points of edges 0, 8 and 3, halfway along them.
    EXPECT_EQ(points, (std::set<std::array<float, 3>>{{0.5f, 0, 0}, {0, 0, 0.5f}, {0, 0.5f, 0}}));
    GeometryProbe probe(scene);
    ASSERT_EQ(probe.triangles().size(), 1u);
    const GeometryProbe::Triangle& t = probe.triangles()[0];
    const float towardsCorner = -(t.v[1] - t.v[0]).cross(t.v[2] - t.v[0]).dot(SbVec3f(1, 1, 1));
    EXPECT_GT(orientation ? towardsCorner : -towardsCorner, 0) << "orientation " << orientation;
    scene->unref();
  }
}

TEST_F(LevelSurf, FaceQuadranglesAreDrawnWhenTwoCellsMakeTheSameCycle)
{
  sphereGrid(3);
  node->initOptQuadrangleList();
  int same[] = {1, 2, 3, 4, -1, 7, 8, 9, 5};
  int turned[] = {3, 4, 1, 2}; // the first cycle from another point
  int reversed[] = {9, 8, 7, 5}; // the second one the other way round
  node->addOptQuadrangle(2, same, 0.0f);
  node->addOptQuadrangle(1, turned, 0.0f);
  node->addOptQuadrangle(1, reversed, 0.0f);
  const int before = PoMesh3D::getLevelSurfIndices().getNum();
  node->addLevelSurfOptQuadrangle(0);
  const PbArrayOfLong& indices = PoMesh3D::getLevelSurfIndices();
  ASSERT_EQ(indices.getNum(), before + 5);
  EXPECT_EQ(std::vector<int>(indices.get() + before, indices.get() + before + 5), (std::vector<int>{1, 2, 4, 3, -1}));

  // A lone cell with two opposite corners of a face above: two corner triangles, no quadrangle.
  const float x[] = {0, 1, 1, 0, 0, 1, 1, 0}, y[] = {0, 0, 1, 1, 0, 0, 1, 1}, z[] = {0, 0, 0, 0, 1, 1, 1, 1};
  const int cell[] = {0, 1, 2, 3, 4, 5, 6, 7};
  PbHexahedronMesh3D hexMesh(8, x, y, z, 1, cell);
  const float values[] = {1, 0, 1, 0, 0, 0, 0, 0};
  hexMesh.addValuesSet(0, values);
  node->setMesh(&hexMesh);
  node->levelValue = 0.5f;
  node->hexahedronMeshLevelSurfShapeIndices(&hexMesh, 1, nullptr);
  EXPECT_EQ(PoMesh3D::getLevelSurfIndices().getNum(), 8);
}

TEST_F(LevelSurf, ColouringsOfAPerNodeSet)
{
  sphereGrid(12);
  node->setDataMapping(&mapping);
  node->coloringType = PoMesh::COLOR_MAPPING;
  // The level set colours itself: one colour, the level's.
  GeometryProbe probe(root);
  ASSERT_TRUE(material());
  ASSERT_EQ(material()->diffuseColor.getNum(), 1);
  EXPECT_LT((material()->diffuseColor[0] - *mapping.getRGBColor(kRadius * kRadius)).length(), 1e-6f);
  EXPECT_EQ(find<SoMaterialBinding>()->value.getValue(), int(SoMaterialBinding::OVERALL));

  // Coloured by z: each point gets the colour of its own z, z being linear along the edges.
  node->valuesIndexForLevel = 0;
  node->valuesIndex = 1;
  probe.apply(root);
  const SoCoordinate3* coords = find<SoCoordinate3>();
  ASSERT_TRUE(coords && material());
  ASSERT_EQ(material()->diffuseColor.getNum(), coords->point.getNum());
  EXPECT_EQ(find<SoMaterialBinding>()->value.getValue(), int(SoMaterialBinding::PER_VERTEX_INDEXED));
  for (int p = 0; p < coords->point.getNum(); ++p)
    ASSERT_LT((material()->diffuseColor[p] - *mapping.getRGBColor(coords->point[p][2])).length(), 1e-4f) << p;
  const double plainArea = probe.area();

  // Texture bands: one texture coordinate per point and the band texture.
  PbIsovaluesList isovalues;
  const float levels[] = {-0.4f, 0.0f, 0.4f};
  isovalues.setIrregularIsoList(3, levels);
  node->setIsovaluesList(&isovalues);
  node->coloringType = PoMesh::COLOR_TEXTURE_CONTOURING;
  probe.apply(root);
  ASSERT_TRUE(find<SoTextureCoordinate2>());
  EXPECT_EQ(find<SoTextureCoordinate2>()->point.getNum(), find<SoCoordinate3>()->point.getNum());
  EXPECT_TRUE(node->getPart("appearance.texture2", FALSE));

  // Flat bands cut along z: the same surface in more faces, one colour each.
  node->coloringType = PoMesh::COLOR_CONTOURING;
  probe.apply(root);
  const SoIndexedFaceSet* faces = find<SoIndexedFaceSet>();
  ASSERT_TRUE(faces && material());
  EXPECT_FALSE(node->getPart("appearance.texture2", FALSE));
  EXPECT_NEAR(probe.area(), plainArea, 1e-3 * plainArea);
  int numFaces = 0;
  for (int i = 0; i < faces->coordIndex.getNum(); ++i)
    numFaces += faces->coordIndex[i] < 0;
  EXPECT_EQ(material()->diffuseColor.getNum(), numFaces);
  std::set<std::array<float, 3>> colours;
  for (int i = 0; i < material()->diffuseColor.getNum(); ++i)
    colours.insert({material()->diffuseColor[i][0], material()->diffuseColor[i][1], material()->diffuseColor[i][2]});
  EXPECT_EQ(colours.size(), 4u); // below, between and above the three isovalues
}

TEST_F(LevelSurf, PerCellColoursGoOnePerStripFromTheCellThatMadeIt)
{
  const int n = 10;
  sphereGrid(n);
  node->setDataMapping(&mapping);
  mapping.setValues(0.0f, SbColor(0, 0, 0), float(n - 2), SbColor(1, 1, 1));
  node->valuesIndexForLevel = 0;
  node->valuesIndex = 2; // first x index of the cell
  node->coloringType = PoMesh::COLOR_AVERAGE;
  GeometryProbe probe(root);
  EXPECT_EQ(find<SoMaterialBinding>()->value.getValue(), int(SoMaterialBinding::PER_PART));
  ASSERT_TRUE(material());
  ASSERT_EQ(material()->diffuseColor.getNum(), numStrips());
  const SoIndexedTriangleStripSet* strips = find<SoIndexedTriangleStripSet>();
  const SoCoordinate3* coords = find<SoCoordinate3>();
  const float step = 2.0f / (n - 1);
  int strip = 0;
  SbVec3f sum(0, 0, 0);
  int count = 0;
  for (int i = 0; i < strips->coordIndex.getNum(); ++i) {
    if (strips->coordIndex[i] >= 0) {
      sum += coords->point[strips->coordIndex[i]];
      ++count;
      continue;
    }
    // The strip lies in the slab of the cell whose x index its colour tells.
    const float cellX = material()->diffuseColor[strip][0] * (n - 2);
    const float centreX = sum[0] / count;
    EXPECT_GE(centreX, -1 + cellX * step - 1e-4f) << strip;
    EXPECT_LE(centreX, -1 + (cellX + 1) * step + 1e-4f) << strip;
    ++strip;
    sum.setValue(0, 0, 0);
    count = 0;
  }
  EXPECT_EQ(strip, numStrips());
}

TEST_F(LevelSurf, NothingWithoutMeshOrLevelSet)
{
  GeometryProbe probe(root);
  EXPECT_TRUE(probe.empty());
  EXPECT_FALSE(group());

  sphereGrid(6);
  node->valuesIndex = -1; // no level set at all
  probe.apply(root);
  EXPECT_TRUE(probe.empty());
  ASSERT_TRUE(group());
  ASSERT_EQ(group()->getNumChildren(), 1);
  EXPECT_TRUE(group()->getChild(0)->isOfType(SoShapeHints::getClassTypeId()));

  // A level set bound per cell has no node values to cut.
  node->valuesIndexForLevel = 2;
  ErrorCatcher errors;
  probe.apply(root);
  EXPECT_TRUE(probe.empty());
  ASSERT_EQ(errors.count(), 1);
  EXPECT_NE(errors.messages()[0].find("bound per cell"), std::string::npos);
  node->valuesIndexForLevel = 7; // a set the mesh lacks
  probe.apply(root);
  EXPECT_TRUE(probe.empty());
  ASSERT_EQ(errors.count(), 2);
  EXPECT_NE(errors.messages()[1].find("no value set 7"), std::string::npos);

  // Back to a level set: the surface comes back; then an empty mesh clears the parts.
  node->valuesIndexForLevel = 0;
  probe.apply(root);
  EXPECT_FALSE(probe.empty());
  PbRegularCartesianGrid3D empty;
  node->setMesh(&empty);
  probe.apply(root);
  EXPECT_TRUE(probe.empty());
  EXPECT_FALSE(group());
}

TEST_F(LevelSurf, LevelOnNodeValuesIsMovedOffThem)
{
  // Values 0 .. 4 along x on a 5^3 grid: the level 2 sits on a whole plane of nodes.
  PbRegularCartesianGrid3D ramp(5, 5, 5, 0, 0, 0, 4, 4, 4);
  std::vector<float> f(125);
  for (int p = 0; p < 125; ++p)
    f[p] = float(p / 25);
  ramp.addValuesSet(0, f.data());
  node->setMesh(&ramp);
  node->valuesIndex = 0;
  node->levelValue = 2.0f;
  GeometryProbe probe(root);
  EXPECT_NEAR(probe.area(), 16.0, 1e-3);
  const SoCoordinate3* coords = find<SoCoordinate3>();
  ASSERT_TRUE(coords);
  for (int p = 0; p < coords->point.getNum(); ++p) {
    EXPECT_GT(coords->point[p][0], 2.0f);
    EXPECT_LT(coords->point[p][0], 2.1f);
  }
  // Every node on the level: no cell is cut.
  std::fill(f.begin(), f.end(), 2.0f);
  ramp.addValuesSet(0, f.data());
  probe.apply(root);
  EXPECT_TRUE(probe.empty());
}

TEST_F(LevelSurf, OneRebuildPerChange)
{
  sphereGrid(8);
  GeometryProbe probe(root);
  const double first = probe.area();
  probe.apply(root);
  EXPECT_EQ(rebuilds, 1);
  node->levelValue = 0.3f; // r^2 = 0.3 instead of 0.49
  probe.apply(root);
  probe.apply(root);
  EXPECT_EQ(rebuilds, 2);
  EXPECT_NEAR(probe.area() / first, 0.3 / 0.49, 0.05);
  node->surfOrientation = PoMeshLevelSurf::ORIENTED_TO_MIN;
  probe.apply(root);
  EXPECT_EQ(rebuilds, 3);
  grid->addValuesSet(0, Lattice(8).z.data()); // the followed mesh changed
  probe.apply(root);
  EXPECT_EQ(rebuilds, 4);
  EXPECT_NEAR(probe.area(), 4.0, 1e-3); // the plane z = 0.3 across the grid
}

} // namespace

namespace {

TEST(LevelSurfFile, FieldsReadBackAsWritten)
{
  PoGridlux::init();
  PoMeshLevelSurf* node = new PoMeshLevelSurf;
  node->ref();
  node->levelValue = 2.5f;
  node->surfOrientation = PoMeshLevelSurf::ORIENTED_TO_MIN;
  node->valuesIndexForLevel = 3;
  node->coloringType = PoMesh::COLOR_CONTOURING;
  SoSeparator* back = readFromString(writeToString(node));
  ASSERT_TRUE(back && back->getNumChildren() == 1);
  back->ref();
  ASSERT_TRUE(back->getChild(0)->isOfType(PoMeshLevelSurf::getClassTypeId()));
  const PoMeshLevelSurf* copy = static_cast<PoMeshLevelSurf*>(back->getChild(0));
  EXPECT_FLOAT_EQ(copy->levelValue.getValue(), 2.5f);
  EXPECT_EQ(copy->surfOrientation.getValue(), PoMeshLevelSurf::ORIENTED_TO_MIN);
  EXPECT_EQ(copy->valuesIndexForLevel.getValue(), 3);
  EXPECT_EQ(copy->coloringType.getValue(), PoMesh::COLOR_CONTOURING);
  back->unref();
  node->unref();
}

} // namespace
