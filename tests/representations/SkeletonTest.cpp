// Skeletons measured through the outlines they draw: the unit cube's default nine squares on every
// mesh kind (lengths, planes, the cube's surface, closed loops), plane counts and positions over a
// box, mapped colours against the data mapping, bad counts and the file.
#include "support/ErrorCatcher.h"
#include "support/GeometryProbe.h"
#include "support/SceneText.h"
#include "VolumeMeshes.h"

#include <Gridlux/attributes/PbLinearDataMapping.h>
#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/representations/PoMeshSkeleton.h>

#include <Inventor/actions/SoSearchAction.h>
#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoMaterialBinding.h>
#include <Inventor/nodes/SoSeparator.h>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace {

const char* const kAxisGroups[3] = {"skeletonXContourGroup", "skeletonYContourGroup", "skeletonZContourGroup"};
const char* const kAxisMaterials[3] = {"skeletonXContourApp.material", "skeletonYContourApp.material",
                                       "skeletonZContourApp.material"};

// Distance of a point from the surface of the box [0, size] (0 on it).
double offBoxSurface(const SbVec3f& p, const SbVec3f& size)
{
  double inside = 1e30;
  for (int a = 0; a < 3; ++a)
    inside = std::min({inside, double(p[a]), double(size[a]) - p[a]});
  return std::fabs(inside);
}

std::array<long, 3> key(const SbVec3f& v)
{
  return {std::lround(v[0] * 1e5), std::lround(v[1] * 1e5), std::lround(v[2] * 1e5)};
}

class Skeleton : public ::testing::Test {
protected:
  static void SetUpTestSuite() { PoGridlux::init(); }

  void SetUp() override
  {
    root = new SoSeparator;
    root->ref();
    node = new PoMeshSkeleton;
    root->addChild(node);
  }
  void TearDown() override { root->unref(); }

  // The segments of one axis's part, measured on their own.
  GeometryProbe axis(int a)
  {
    GeometryProbe all(root); // rebuilds when needed
    GeometryProbe probe;
    if (SoNode* group = node->getPart(kAxisGroups[a], FALSE))
      probe.apply(group);
    return probe;
  }

  // Per plane position (the segment's coordinate @p a) the outline's length; checks that each
  // outline is closed (every end shared by two segments) and lies on the box's surface.
  std::map<long, double> outlines(const GeometryProbe& probe, int a, const SbVec3f& size)
  {
    std::map<long, double> lengths;
    std::map<long, std::map<std::array<long, 3>, int>> ends;
    for (const GeometryProbe::Segment& s : probe.segments()) {
      EXPECT_NEAR(s.a[a], s.b[a], 1e-6);
      const long plane = std::lround(s.a[a] * 1e4);
      lengths[plane] += s.length();
      ++ends[plane][key(s.a)];
      ++ends[plane][key(s.b)];
      EXPECT_LT(offBoxSurface(s.a, size), 1e-5);
      EXPECT_LT(offBoxSurface(s.b, size), 1e-5);
    }
    for (const auto& plane : ends)
      for (const auto& e : plane.second)
        EXPECT_EQ(e.second, 2) << "open outline at plane " << plane.first;
    return lengths;
  }

  SoSeparator* root = nullptr;
  PoMeshSkeleton* node = nullptr;
};

TEST_F(Skeleton, UnitCubeDrawsNineSquaresOnEveryMeshKind)
{
  // Lattices of 2 and 4 nodes a side put the planes inside cells; 3 puts the middle ones along a
  // node layer, whose edges lie in the plane.
  for (int n : {2, 3, 4}) {
    for (const MeshCase& c : unitCubes(n)) {
      SCOPED_TRACE(c.name + ", " + std::to_string(n) + " nodes a side");
      ErrorCatcher errors;
      node->setMesh(c.mesh.get());
      double total = 0;
      for (int a = 0; a < 3; ++a) {
        const GeometryProbe probe = axis(a);
        total += probe.length();
        const std::map<long, double> lengths = outlines(probe, a, SbVec3f(1, 1, 1));
        ASSERT_EQ(lengths.size(), 3u) << "axis " << a;
        const long expected[3] = {1667, 5000, 8333};
        int i = 0;
        for (const auto& plane : lengths) {
          EXPECT_EQ(plane.first, expected[i++]);
          EXPECT_NEAR(plane.second, 4.0, 1e-5);
        }
      }
      EXPECT_NEAR(total, 36.0, 1e-5);
      EXPECT_EQ(errors.count(), 0);
    }
  }
}

TEST_F(Skeleton, PlaneCountsSpreadOverTheBoundingBox)
{
  // A 2 x 1 x 3 box: planes across X are rectangles of 1 by 3, and so on.
  const SbVec3f size(2, 1, 3);
  PbRegularCartesianGrid3D regular(5, 4, 7, 0, 0, 0, size[0], size[1], size[2]);
  const Lattice lattice(3, 0, 1);
  std::vector<float> x(lattice.x), y(lattice.y), z(lattice.z);
  for (int p = 0; p < lattice.numNodes(); ++p) {
    x[p] *= size[0];
    y[p] *= size[1];
    z[p] *= size[2];
  }
  std::vector<int> hexes;
  lattice.forEachCube([&](const int* c) { hexahedron(c, hexes); });
  PbHexahedronMesh3D hexahedra(lattice.numNodes(), x.data(), y.data(), z.data(), int(hexes.size() / 8),
                               hexes.data());
  node->numXContour = 1;
  node->numYContour = 0;
  node->numZContour = 4;
  for (PbMesh3D* mesh : {static_cast<PbMesh3D*>(&regular), static_cast<PbMesh3D*>(&hexahedra)}) {
    node->setMesh(mesh);
    const std::map<long, double> xs = outlines(axis(0), 0, size);
    ASSERT_EQ(xs.size(), 1u);
    EXPECT_EQ(xs.begin()->first, 10000);
    EXPECT_NEAR(xs.begin()->second, 2 * (1 + 3), 1e-5);
    axis(1);
    EXPECT_FALSE(node->getPart("skeletonYContourGroup", FALSE));
    const std::map<long, double> zs = outlines(axis(2), 2, size);
    ASSERT_EQ(zs.size(), 4u);
    int i = 0;
    for (const auto& plane : zs) {
      EXPECT_EQ(plane.first, std::lround((i++ + 0.5) * 3.0 / 4 * 1e4));
      EXPECT_NEAR(plane.second, 2 * (2 + 1), 1e-5);
    }
  }
}

TEST_F(Skeleton, MappedColoursAreThoseOfTheValuesAtThePoints)
{
  PbLinearDataMapping mapping;
  mapping.setValues(0.0f, SbColor(0, 0, 1), 1.0f, SbColor(1, 0, 0));
  std::vector<MeshCase> cases = unitCubes(4);
  node->setDataMapping(&mapping);
  node->valuesIndex = 0; // f = x
  node->coloringType = PoMesh::COLOR_MAPPING;
  for (const char* name : {"curvilinear grid", "indexed mesh of four kinds, both orders"}) {
    SCOPED_TRACE(name);
    node->setMesh(meshNamed(cases, name));
    GeometryProbe probe(root);
    const SoMaterialBinding* binding =
      static_cast<SoMaterialBinding*>(node->getPart("skeletonMaterialBinding", FALSE));
    ASSERT_TRUE(binding);
    EXPECT_EQ(binding->value.getValue(), SoMaterialBinding::PER_VERTEX_INDEXED);
    for (int a = 0; a < 3; ++a) {
      SoGroup* group = static_cast<SoGroup*>(node->getPart(kAxisGroups[a], FALSE));
      SoMaterial* material = static_cast<SoMaterial*>(node->getPart(kAxisMaterials[a], FALSE));
      ASSERT_TRUE(group && material);
      SoSearchAction search;
      search.setType(SoCoordinate3::getClassTypeId());
      search.apply(group);
      ASSERT_TRUE(search.getPath());
      const SoCoordinate3* coords = static_cast<SoCoordinate3*>(search.getPath()->getTail());
      ASSERT_EQ(material->diffuseColor.getNum(), coords->point.getNum());
      for (int p = 0; p < coords->point.getNum(); ++p) {
        const SbColor expected = *mapping.getRGBColor(coords->point[p][0]);
        for (int k = 0; k < 3; ++k)
          EXPECT_NEAR(material->diffuseColor[p][k], expected[k], 1e-5);
      }
    }
  }
  // Per-cell values, or no colouring: the inherited material, no binding.
  PbRegularCartesianGrid3D grid(3, 3, 3, 0, 0, 0, 1, 1, 1);
  std::vector<float> perCell(grid.getNumCells(), 0.5f);
  grid.addValuesSet(1, perCell.data(), PbMesh::PER_CELL);
  node->setMesh(&grid);
  node->valuesIndex = 1;
  GeometryProbe probe(root);
  EXPECT_NEAR(probe.length(), 36.0, 1e-5);
  EXPECT_FALSE(node->getPart("skeletonMaterialBinding", FALSE));
  for (int a = 0; a < 3; ++a)
    EXPECT_FALSE(node->getPart(kAxisMaterials[a], FALSE));
}

TEST_F(Skeleton, BadCountsAndMissingMeshesDrawNothingWithAMessage)
{
  PbRegularCartesianGrid3D grid(3, 3, 3, 0, 0, 0, 1, 1, 1);
  node->setMesh(&grid);
  {
    ErrorCatcher errors;
    node->numXContour = -2;
    node->numZContour = 2000000;
    GeometryProbe probe(root);
    EXPECT_NEAR(probe.length(), 12.0, 1e-5); // the Y planes only
    EXPECT_FALSE(node->getPart("skeletonXContourGroup", FALSE));
    EXPECT_FALSE(node->getPart("skeletonZContourGroup", FALSE));
    ASSERT_EQ(errors.count(), 2);
    EXPECT_TRUE(errors.contains("PoMeshSkeleton::rebuild(): numXContour = -2 is not between 0 and 100000"));
    EXPECT_TRUE(errors.contains("numZContour = 2000000"));
  }
  ErrorCatcher errors;
  node->numXContour = 3;
  node->numZContour = 3;
  PbRegularCartesianGrid3D empty;
  node->setMesh(&empty);
  GeometryProbe probe(root);
  EXPECT_TRUE(probe.empty());
  node->setMesh(static_cast<PbMesh3D*>(nullptr));
  probe.apply(root);
  EXPECT_TRUE(probe.empty());
  for (const char* part : kAxisGroups)
    EXPECT_FALSE(node->getPart(part, FALSE));
  EXPECT_EQ(errors.count(), 0);
}

TEST_F(Skeleton, FieldsWriteAndReadBack)
{
  node->numXContour = 5;
  node->numYContour = 0;
  SoSeparator* read = readFromString(writeToString(root));
  ASSERT_TRUE(read);
  read->ref();
  ASSERT_EQ(read->getNumChildren(), 1);
  ASSERT_TRUE(read->getChild(0)->isOfType(PoMeshSkeleton::getClassTypeId()));
  const PoMeshSkeleton* back = static_cast<PoMeshSkeleton*>(read->getChild(0));
  EXPECT_EQ(back->numXContour.getValue(), 5);
  EXPECT_EQ(back->numYContour.getValue(), 0);
  EXPECT_EQ(back->numZContour.getValue(), 3);
  read->unref();
}

} // namespace
