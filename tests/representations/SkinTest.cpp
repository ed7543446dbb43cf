// Skins measured through the faces they draw: counts, area, closedness and facing of boxes made
// of every mesh kind, filtered skins against the accepted cells' volume, colours, the cancelling
// face set, and files.
#include "support/GeometryProbe.h"
#include "support/SceneText.h"
#include "VolumeMeshes.h"

#include <Gridlux/attributes/PbLinearDataMapping.h>
#include <Gridlux/attributes/PoIntervalCellFilter.h>
#include <Gridlux/attributes/PoLinearDataMapping.h>
#include <Gridlux/base/PbArrayOfInt.h>
#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/mesh/PbHexahedronMesh3D.h>
#include <Gridlux/mesh/PbMeshSkinData.h>
#include <Gridlux/mesh/PbParalCartesianGrid3D.h>
#include <Gridlux/mesh/PbRegularCartesianGrid3D.h>
#include <Gridlux/mesh/PbTetrahedronMesh3D.h>
#include <Gridlux/representations/PoMeshSkin.h>
#include <Gridlux/representations/algorithms/PiMeshSkin.h>

#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoIndexedFaceSet.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoMaterialBinding.h>
#include <Inventor/nodes/SoSeparator.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace {

// Nodes of an (n+1) x (m+1) x (p+1) lattice over [0,a] x [0,b] x [0,c], x slowest.
struct Box {
  int n, m, p;
  float a, b, c;
  std::vector<float> x, y, z;
  Box(int n_, int m_, int p_, float a_, float b_, float c_) : n(n_), m(m_), p(p_), a(a_), b(b_), c(c_)
  {
    for (int i = 0; i <= n; ++i)
      for (int j = 0; j <= m; ++j)
        for (int k = 0; k <= p; ++k) {
          x.push_back(a * i / n);
          y.push_back(b * j / m);
          z.push_back(c * k / p);
        }
  }
  int node(int i, int j, int k) const { return (i * (m + 1) + j) * (p + 1) + k; }
  int numNodes() const { return int(x.size()); }
  SbVec3f at(int q) const { return SbVec3f(x[q], y[q], z[q]); }
  // Corners of each cube, corner[a + 2b + 4c] at (i + a, j + b, k + c).
  template <class F>
  void forEachCube(F f) const
  {
    for (int i = 0; i < n; ++i)
      for (int j = 0; j < m; ++j)
        for (int k = 0; k < p; ++k) {
          int q[8];
          for (int s = 0; s < 8; ++s)
            q[s] = node(i + (s & 1), j + ((s >> 1) & 1), k + ((s >> 2) & 1));
          f(q);
        }
  }
  PbHexahedronMesh3D* hexahedra() const
  {
    std::vector<int> cells;
    forEachCube([&](const int* q) { hexahedron(q, cells); });
    return new PbHexahedronMesh3D(numNodes(), x.data(), y.data(), z.data(), int(cells.size() / 8), cells.data());
  }
  // Six tetrahedra around each cube's main diagonal, turned to a positive volume.
  PbTetrahedronMesh3D* tetrahedra() const
  {
    std::vector<int> cells;
    const int paths[6][2] = {{1, 2}, {2, 1}, {1, 4}, {4, 1}, {2, 4}, {4, 2}};
    forEachCube([&](const int* q) {
      for (const auto& path : paths) {
        int t[4] = {q[0], q[path[0]], q[path[0] + path[1]], q[7]};
        if ((at(t[1]) - at(t[0])).cross(at(t[2]) - at(t[0])).dot(at(t[3]) - at(t[0])) < 0)
          std::swap(t[1], t[2]);
        cells.insert(cells.end(), t, t + 4);
      }
    });
    return new PbTetrahedronMesh3D(numNodes(), x.data(), y.data(), z.data(), int(cells.size() / 4), cells.data());
  }
  PbRegularCartesianGrid3D* grid() const { return new PbRegularCartesianGrid3D(n + 1, m + 1, p + 1, 0, 0, 0, a, b, c); }
};

// The faces the skin drew, read back from its face set.
struct Faces {
  std::vector<SbVec3f> points;
  std::vector<std::vector<int>> faces;
  const SoMaterial* material = nullptr;
  const SoMaterialBinding* binding = nullptr;

  explicit Faces(SoNode* root)
  {
    GeometryProbe rebuilt(root); // a traversal brings the kits up to date
    SoGroup* parent = static_cast<SoGroup*>(root);
    PoMeshSkin* skin = static_cast<PoMeshSkin*>(parent->getChild(parent->getNumChildren() - 1));
    material = static_cast<SoMaterial*>(skin->getPart("appearance.material", FALSE));
    SoGroup* group = static_cast<SoGroup*>(skin->getPart("groupSkin", FALSE));
    const SoIndexedFaceSet* set = nullptr;
    for (int i = 0; group && i < group->getNumChildren(); ++i) {
      if (auto* coords = dynamic_cast<SoCoordinate3*>(group->getChild(i)))
        points.assign(coords->point.getValues(0), coords->point.getValues(0) + coords->point.getNum());
      if (auto* b = dynamic_cast<SoMaterialBinding*>(group->getChild(i)))
        binding = b;
      if (auto* f = dynamic_cast<SoIndexedFaceSet*>(group->getChild(i)))
        set = f;
    }
    if (!set)
      return;
    std::vector<int> face;
    for (int i = 0; i < set->coordIndex.getNum(); ++i) {
      if (set->coordIndex[i] < 0) {
        faces.push_back(face);
        face.clear();
      } else {
        face.push_back(set->coordIndex[i]);
      }
    }
  }
  int count(size_t size) const
  {
    int num = 0;
    for (const auto& f : faces)
      num += f.size() == size;
    return num;
  }
  // Every directed edge met once and its reverse once: closed, and consistently turned.
  bool closedAndConsistent() const
  {
    std::map<std::pair<int, int>, int> edges;
    for (const auto& f : faces)
      for (size_t i = 0; i < f.size(); ++i)
        ++edges[{f[i], f[(i + 1) % f.size()]}];
    for (const auto& e : edges)
      if (e.second != 1 || edges.count({e.first.second, e.first.first}) == 0 ||
          edges.at({e.first.second, e.first.first}) != 1)
        return false;
    return true;
  }
  // Fan-triangulated area and signed enclosed volume (divergence theorem).
  double area() const
  {
    double sum = 0;
    for (const auto& f : faces)
      for (size_t i = 1; i + 1 < f.size(); ++i)
        sum += (points[f[i]] - points[f[0]]).cross(points[f[i + 1]] - points[f[0]]).length() / 2;
    return sum;
  }
  double volume() const
  {
    double sum = 0;
    for (const auto& f : faces)
      for (size_t i = 1; i + 1 < f.size(); ++i)
        sum += points[f[0]].dot(points[f[i]].cross(points[f[i + 1]])) / 6.0;
    return sum;
  }
};

class Skin : public ::testing::Test {
protected:
  static void SetUpTestSuite()
  {
    PoGridlux::init();
  }
  void SetUp() override
  {
    root = new SoSeparator;
    root->ref();
  }
  void TearDown() override { root->unref(); }
  PoMeshSkin* addSkin(PbMesh3D* mesh)
  {
    PoMeshSkin* skin = new PoMeshSkin;
    skin->setMesh(mesh);
    root->addChild(skin);
    return skin;
  }
  PoIntervalCellFilter* addFilter(float lo, float hi, bool in)
  {
    PoIntervalCellFilter* filter = new PoIntervalCellFilter;
    filter->min = lo;
    filter->max = hi;
    filter->in = in;
    root->addChild(filter);
    return filter;
  }
  SoSeparator* root = nullptr;
};

TEST_F(Skin, BoxesOfEveryKindAreClosedAndFaceOut)
{
  const Box box(3, 4, 2, 2.0f, 1.5f, 0.5f);
  const int quads = 2 * (3 * 4 + 4 * 2 + 3 * 2);
  const double area = 2 * (2.0 * 1.5 + 1.5 * 0.5 + 0.5 * 2.0), volume = 2.0 * 1.5 * 0.5;
  struct Case {
    const char* name;
    std::unique_ptr<PbMesh3D> mesh;
    int quads, triangles;
  };
  std::vector<Case> cases;
  cases.push_back({"hexahedra", std::unique_ptr<PbMesh3D>(box.hexahedra()), quads, 0});
  cases.push_back({"tetrahedra", std::unique_ptr<PbMesh3D>(box.tetrahedra()), 0, 2 * quads});
  cases.push_back({"regular grid", std::unique_ptr<PbMesh3D>(box.grid()), quads, 0});
  // Coordinates running down along z turn every cell the mirrored way.
  std::vector<float> xs, ys, zs;
  for (int i = 0; i <= 3; ++i)
    xs.push_back(2.0f * i / 3);
  for (int j = 0; j <= 4; ++j)
    ys.push_back(1.5f * j / 4);
  for (int k = 2; k >= 0; --k)
    zs.push_back(0.5f * k / 2);
  cases.push_back({"rectilinear grid, z falling",
                   std::unique_ptr<PbMesh3D>(new PbParalCartesianGrid3D(4, 5, 3, xs.data(), ys.data(), zs.data())),
                   quads, 0});
  for (Case& c : cases) {
    SCOPED_TRACE(c.name);
    root->removeAllChildren();
    addSkin(c.mesh.get());
    const Faces faces(root);
    EXPECT_EQ(faces.count(4), c.quads);
    EXPECT_EQ(faces.count(3), c.triangles);
    EXPECT_NEAR(faces.area(), area, 1e-5);
    EXPECT_NEAR(GeometryProbe(root).area(), area, 1e-5);
    EXPECT_TRUE(faces.closedAndConsistent());
    // Clockwise seen from outside: the right-hand normals point in, so the volume comes out negative.
    EXPECT_NEAR(faces.volume(), -volume, 1e-5);
  }
}

TEST_F(Skin, MixedIndexedMeshAndSingleCells)
{
  const MixedMesh mixed(Lattice(4, 0, 1), true);
  std::unique_ptr<PbIndexedMesh3D> mesh(mixed.mesh());
  addSkin(mesh.get());
  Faces faces(root);
  EXPECT_NEAR(faces.area(), 6.0, 1e-5);
  EXPECT_TRUE(faces.closedAndConsistent());
  EXPECT_NEAR(std::fabs(faces.volume()), 1.0, 1e-5);

  // One hexahedron, then two sharing a face.
  for (int cubes : {1, 2}) {
    const Box box(cubes, 1, 1, float(cubes), 1, 1);
    std::unique_ptr<PbHexahedronMesh3D> hex(box.hexahedra());
    root->removeAllChildren();
    addSkin(hex.get());
    EXPECT_EQ(Faces(root).count(4), cubes == 1 ? 6 : 10);
  }
  // One tetrahedron keeps the face table's node order.
  const float x[4] = {0, 1, 0, 0}, y[4] = {0, 0, 1, 0}, z[4] = {0, 0, 0, 1};
  const int tet[4] = {0, 1, 2, 3};
  PbTetrahedronMesh3D one(4, x, y, z, 1, tet);
  root->removeAllChildren();
  addSkin(&one);
  faces = Faces(root);
  ASSERT_EQ(faces.count(3), 4);
  std::set<std::vector<int>> expected = {{0, 1, 2}, {0, 3, 1}, {0, 2, 3}, {1, 3, 2}};
  EXPECT_EQ(std::set<std::vector<int>>(faces.faces.begin(), faces.faces.end()), expected);
}

TEST_F(Skin, FilteredSkinBoundsTheAcceptedCells)
{
  // A ball of cells cut out of a box: the filter refuses cells whose centre is near the middle.
  const Box box(6, 6, 6, 1, 1, 1);
  std::vector<float> distance;
  int accepted = 0;
  box.forEachCube([&](const int* q) {
    const SbVec3f centre = (box.at(q[0]) + box.at(q[7])) / 2 - SbVec3f(0.5f, 0.5f, 0.5f);
    distance.push_back(centre.length());
    accepted += !(centre.length() < 0.3f);
  });
  ASSERT_GT(accepted, 0);
  ASSERT_LT(accepted, 216);
  std::unique_ptr<PbMesh3D> hex(box.hexahedra()), grid(box.grid());
  for (PbMesh3D* mesh : {hex.get(), grid.get()}) {
    SCOPED_TRACE(mesh == hex.get() ? "hexahedra" : "grid");
    mesh->addValuesSet(1, distance.data(), PbMesh::PER_CELL);
    root->removeAllChildren();
    addSkin(mesh);
    const Faces whole(root);

    root->removeAllChildren();
    addFilter(0, 0.3f, false);
    addSkin(mesh)->valuesIndexForCellFilter = 1;
    Faces faces(root);
    EXPECT_TRUE(faces.closedAndConsistent());
    EXPECT_NEAR(faces.volume(), -accepted / 216.0, 1e-5);
    EXPECT_NEAR(faces.area(), 6.0 + (faces.count(4) - 6 * 36) / 36.0, 1e-5);

    // Accept all: the unfiltered skin; accept none: nothing.
    static_cast<PoIntervalCellFilter*>(root->getChild(0))->max = 10;
    static_cast<PoIntervalCellFilter*>(root->getChild(0))->in = true;
    faces = Faces(root);
    EXPECT_EQ(faces.count(4), whole.count(4));
    EXPECT_NEAR(faces.area(), whole.area(), 1e-5);
    static_cast<PoIntervalCellFilter*>(root->getChild(0))->in = false;
    EXPECT_TRUE(Faces(root).faces.empty());
  }
}

TEST_F(Skin, ColoursPerCellAndPerNode)
{
  const Box box(2, 2, 2, 1, 1, 1);
  std::unique_ptr<PbHexahedronMesh3D> mesh(box.hexahedra());
  const std::vector<float> perCell = {0, 1, 2, 3, 4, 5, 6, 7};
  mesh->addValuesSet(0, perCell.data(), PbMesh::PER_CELL);
  mesh->addValuesSet(1, box.x.data());
  PoLinearDataMapping* mapping = new PoLinearDataMapping;
  root->addChild(mapping);
  PoMeshSkin* skin = addSkin(mesh.get());
  skin->coloringType = PoMesh::COLOR_MAPPING;
  skin->valuesIndex = 0;
  Faces faces(root);
  ASSERT_TRUE(faces.binding && faces.material);
  EXPECT_EQ(faces.binding->value.getValue(), SoMaterialBinding::PER_FACE);
  EXPECT_EQ(faces.material->diffuseColor.getNum(), 24);
  skin->valuesIndex = 1;
  faces = Faces(root);
  ASSERT_TRUE(faces.binding && faces.material);
  EXPECT_EQ(faces.binding->value.getValue(), SoMaterialBinding::PER_VERTEX_INDEXED);
  EXPECT_EQ(faces.material->diffuseColor.getNum(), box.numNodes() - 1); // all but the centre
  skin->coloringType = PoMesh::COLOR_INHERITED;
  EXPECT_FALSE(Faces(root).binding);
}

TEST(SkinFaceSet, CancelsPairsAndKeepsKinds)
{
  PiMeshSkin set(1000);
  EXPECT_EQ(set.getReserve(), 1000);
  const int tri[3] = {5, 2, 9}, triAgain[3] = {9, 5, 2}, quad[4] = {2, 5, 9, 11};
  set.addFace(0, tri, 3);
  set.addFace(1, quad, 4);
  EXPECT_EQ(set.getNumFaces(), 2);
  set.addFace(2, triAgain, 3);
  EXPECT_EQ(set.getNumFaces(), 1);
  // A face of three cells is present again after the third.
  set.addFace(3, tri, 3);
  PbArrayOfInt nodes;
  for (int q : quad)
    nodes.add(q);
  set.addFace(4, nodes);
  set.startGetting();
  const PiMeshSkin::Pface* face = set.next();
  ASSERT_TRUE(face);
  EXPECT_EQ(face->cell, 3);
  EXPECT_EQ(face->nodes[3], -1);
  EXPECT_FALSE(set.next());
  // Recycled objects across many faces and clears.
  for (int round = 0; round < 3; ++round) {
    set.clear(8);
    for (int f = 0; f < 12000; ++f) {
      const int q[4] = {f, f + 1, f + 2, f + 3};
      set.addFace(f, q, 4);
    }
    EXPECT_EQ(set.getNumFaces(), 12000);
  }
  EXPECT_EQ(set.getReserve(), 40);
}

// The face tables hand their faces out bucket by bucket, each bucket from its newest face; the
// bucket of a face is worked out here in 64-bit arithmetic, wrapped to 32 bits where the table
// wraps, so that large node indices (products past 2^32) check the table's own remainders.
TEST(SkinData, FacesComeOutInBucketOrderForLargeNodeIndices)
{
  const int expected = 3000070; // 300,007 buckets
  const uint32_t m = 300007;
  auto bucketOf = [m](std::vector<int64_t> s) {
    std::sort(s.begin(), s.end());
    uint32_t sum = 0;
    for (int64_t v : s)
      sum += uint32_t(v);
    const uint32_t product = uint32_t(((s.back() + 1) % m) * ((s[1] + 1) % m));
    return (product + sum) % m;
  };
  PbMeshSkinData skin;
  skin.init4pFaceList(expected);
  skin.init3pFaceList(expected);
  std::vector<std::pair<uint32_t, int>> order4, order3; // (bucket, minus the order of adding)
  uint64_t state = 12345;
  auto nextNode = [&state]() {
    state = state * 6364136223846793005ull + 1442695040888963407ull;
    return int((state >> 33) % 2000000000ull);
  };
  for (int f = 0; f < 2000; ++f) {
    const int n0 = nextNode(), n1 = nextNode(), n2 = nextNode(), n3 = nextNode();
    skin.addFace4p(f, n0, n1, n2, n3);
    order4.emplace_back(bucketOf({n0, n1, n2, n3}), -f);
    skin.addFace3p(f, n2, n0, n1);
    order3.emplace_back(bucketOf({n0, n1, n2}), -f);
  }
  std::sort(order4.begin(), order4.end());
  std::sort(order3.begin(), order3.end());
  skin.startGettingFace4p();
  skin.startGettingFace3p();
  int cell, n[4];
  for (const auto& [bucket, f] : order4) {
    ASSERT_EQ(skin.getFace4p(cell, n[0], n[1], n[2], n[3]), 1);
    EXPECT_EQ(cell, -f) << "bucket " << bucket;
  }
  EXPECT_EQ(skin.getFace4p(cell, n[0], n[1], n[2], n[3]), 0);
  for (const auto& [bucket, f] : order3) {
    ASSERT_EQ(skin.getFace3p(cell, n[0], n[1], n[2]), 1);
    EXPECT_EQ(cell, -f) << "bucket " << bucket;
  }
  EXPECT_EQ(skin.getFace3p(cell, n[0], n[1], n[2]), 0);
}

TEST_F(Skin, EmptyMeshDrawsNothingAndFileRoundTrip)
{
  PbHexahedronMesh3D empty;
  PoMeshSkin* skin = addSkin(&empty);
  EXPECT_TRUE(GeometryProbe(root).empty());
  EXPECT_FALSE(skin->getPart("groupSkin", FALSE));
  root->removeAllChildren();
  root->addChild(new PoMeshSkin);
  SoSeparator* read = readFromString(writeToString(root));
  ASSERT_TRUE(read);
  read->ref();
  ASSERT_EQ(read->getNumChildren(), 1);
  EXPECT_TRUE(read->getChild(0)->isOfType(PoMeshSkin::getClassTypeId()));
  read->unref();
}

} // namespace
