// Section outlines measured through the segments they draw: the unit cube's outline on every mesh
// kind (closed-form perimeters, points on the plane and on the cube's surface), planes along node
// layers and faces, colours, and the skin tables the unstructured meshes cut.
#include "support/ErrorCatcher.h"
#include "support/GeometryProbe.h"
#include "support/SceneText.h"
#include "VolumeMeshes.h"

#include <Gridlux/attributes/PbLinearDataMapping.h>
#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/mesh/PbCartesianGrid3D.h>
#include <Gridlux/mesh/PbHexahedronMesh3D.h>
#include <Gridlux/mesh/PbMeshSkinData.h>
#include <Gridlux/mesh/PbParalCartesianGrid3D.h>
#include <Gridlux/mesh/PbRegularCartesianGrid3D.h>
#include <Gridlux/mesh/PbTetrahedronMesh3D.h>
#include <Gridlux/representations/PoMeshCrossContour.h>

#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoSeparator.h>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

// Distance of a point from the unit cube's surface (0 on it).
double offSurface(const SbVec3f& p)
{
  double inside = 1;
  for (int a = 0; a < 3; ++a)
    inside = std::min({inside, double(p[a]), 1.0 - p[a]});
  return std::fabs(inside);
}

class CrossContour : public ::testing::Test {
protected:
  static void SetUpTestSuite() { PoGridlux::init(); }

  void SetUp() override
  {
    root = new SoSeparator;
    root->ref();
    node = new PoMeshCrossContour;
    root->addChild(node);
  }
  void TearDown() override { root->unref(); }

  void cut(const SbVec3f& normal, const SbVec3f& through)
  {
    SbVec3f n = normal;
    n.normalize();
    node->plane = SbPlane(n, through);
  }
  // Each segment's end points, with the count of segments that share a pair of them.
  static std::multiset<std::pair<std::array<float, 3>, std::array<float, 3>>> pairs(const GeometryProbe& probe)
  {
    std::multiset<std::pair<std::array<float, 3>, std::array<float, 3>>> result;
    for (const GeometryProbe::Segment& s : probe.segments()) {
      std::array<float, 3> a = {s.a[0], s.a[1], s.a[2]}, b = {s.b[0], s.b[1], s.b[2]};
      if (b < a)
        std::swap(a, b);
      result.insert({a, b});
    }
    return result;
  }

  SoSeparator* root = nullptr;
  PoMeshCrossContour* node = nullptr;
};

TEST_F(CrossContour, UnitCubeOutlinesOnEveryMeshKind)
{
  struct Plane {
    SbVec3f normal, through;
    double perimeter;
  };
  const Plane planes[] = {
    {SbVec3f(0, 0, 1), SbVec3f(0.5f, 0.5f, 0.5f), 4.0},                     // along a node layer
    {SbVec3f(0, 0, 1), SbVec3f(0.5f, 0.5f, 0.53f), 4.0},                    // between layers
    {SbVec3f(1, 1, 1), SbVec3f(0.5f, 0.5f, 0.5f), 3 * std::sqrt(2.0)},      // the regular hexagon
    {SbVec3f(1, 1, 0), SbVec3f(0.5f, 0.5f, 0.5f), 2 + 2 * std::sqrt(2.0)},  // the diagonal rectangle
    {SbVec3f(1, 1, 1), SbVec3f(0.2f, 0.2f, 0.2f), 3 * std::sqrt(2.0) * 0.6}, // a corner triangle
  };
  for (const MeshCase& c : unitCubes(11)) {
    node->setMesh(c.mesh.get());
    for (const Plane& p : planes) {
      cut(p.normal, p.through);
      GeometryProbe probe(root);
      SCOPED_TRACE(c.name + ", through z " + std::to_string(p.through[2]) + ", normal x " +
                   std::to_string(p.normal[0]));
      EXPECT_NEAR(probe.length(), p.perimeter, 1e-4);
      const SbPlane plane = node->plane.getValue();
      double worstPlane = 0, worstSurface = 0;
      for (const GeometryProbe::Segment& s : probe.segments()) {
        for (const SbVec3f& v : {s.a, s.b}) {
          worstPlane = std::max(worstPlane, std::fabs(double(plane.getDistance(v))));
          worstSurface = std::max(worstSurface, offSurface(v));
        }
      }
      EXPECT_LT(worstPlane, 1e-5);
      EXPECT_LT(worstSurface, 1e-5);
      // No segment twice, and a closed outline: every end point is shared by two segments.
      const auto all = pairs(probe);
      std::set<std::pair<std::array<float, 3>, std::array<float, 3>>> distinct(all.begin(), all.end());
      EXPECT_EQ(distinct.size(), all.size());
      std::map<std::array<float, 3>, int> ends;
      for (const auto& s : all) {
        ++ends[s.first];
        ++ends[s.second];
      }
      int open = 0;
      for (const auto& e : ends)
        open += e.second != 2;
      EXPECT_EQ(open, 0);
    }
  }
}

TEST_F(CrossContour, PlanesAlongTheCubesFacesEdgesAndBeyond)
{
  for (const MeshCase& c : unitCubes(5)) {
    node->setMesh(c.mesh.get());
    SCOPED_TRACE(c.name);
    ErrorCatcher errors;
    // The bottom face lies in the plane: its outline comes from the side faces, once.
    cut(SbVec3f(0, 0, 1), SbVec3f(0, 0, 0));
    GeometryProbe probe(root);
    EXPECT_NEAR(probe.length(), 4.0, 1e-5);
    // Along the cube's edge x = y = 0 only: that edge, once.
    cut(SbVec3f(1, 1, 0), SbVec3f(0, 0, 0));
    probe.apply(root);
    EXPECT_NEAR(probe.length(), 1.0, 1e-5);
    // Through one corner: nothing to draw.
    cut(SbVec3f(1, 1, 1), SbVec3f(0, 0, 0));
    probe.apply(root);
    EXPECT_TRUE(probe.segments().empty());
    cut(SbVec3f(0, 0, 1), SbVec3f(0, 0, 2));
    probe.apply(root);
    EXPECT_TRUE(probe.segments().empty());
    EXPECT_EQ(errors.count(), 0);
  }
}

TEST_F(CrossContour, MappedColoursAreThoseOfTheValuesAtThePoints)
{
  PbLinearDataMapping mapping;
  mapping.setValues(0.0f, SbColor(0, 0, 0), 1.0f, SbColor(1, 1, 1));
  std::vector<MeshCase> cases = unitCubes(6);
  node->setMesh(meshNamed(cases, "tetrahedron mesh"));
  node->setDataMapping(&mapping);
  node->valuesIndex = 0;
  node->coloringType = PoMesh::COLOR_MAPPING;
  cut(SbVec3f(1, 2, 3), SbVec3f(0.4f, 0.5f, 0.5f));
  GeometryProbe probe(root);
  SoGroup* group = static_cast<SoGroup*>(node->getPart("groupCrossContour", FALSE));
  SoMaterial* material = static_cast<SoMaterial*>(node->getPart("appearance.material", FALSE));
  ASSERT_TRUE(group && material);
  const SoCoordinate3* coords = nullptr;
  for (int i = 0; i < group->getNumChildren(); ++i)
    if (group->getChild(i)->isOfType(SoCoordinate3::getClassTypeId()))
      coords = static_cast<SoCoordinate3*>(group->getChild(i));
  ASSERT_TRUE(coords);
  ASSERT_EQ(material->diffuseColor.getNum(), coords->point.getNum());
  for (int p = 0; p < coords->point.getNum(); ++p)
    EXPECT_NEAR(material->diffuseColor[p][0], coords->point[p][0], 1e-5);

  // Inherited: no material of its own.
  node->coloringType = PoMesh::COLOR_INHERITED;
  probe.apply(root);
  EXPECT_FALSE(node->getPart("appearance.material", FALSE));
  EXPECT_GT(probe.segments().size(), 0u);
}

TEST(SkinData, InnerFacesCancelAndOuterOnesKeepTheirCellAndOrder)
{
  // Two tetrahedra sharing the face (1, 2, 3), and a cube of 2 x 2 x 2 hexahedra.
  PbMeshSkinData skin;
  skin.init3pFaceList(10);
  skin.addFace3p(0, 0, 1, 2);
  skin.addFace3p(0, 3, 2, 1); // shared, listed the other way round by the second cell
  skin.addFace3p(1, 1, 2, 3);
  EXPECT_EQ(skin.getNumFaces3p(), 1);
  int cell, a, b, c;
  skin.startGettingFace3p();
  ASSERT_EQ(skin.getFace3p(cell, a, b, c), 1);
  EXPECT_EQ(cell, 0);
  EXPECT_EQ((std::array<int, 3>{a, b, c}), (std::array<int, 3>{0, 1, 2}));
  EXPECT_EQ(skin.getFace3p(cell, a, b, c), 0);
  EXPECT_EQ(skin.getFace3p(cell, a, b, c), 0);

  const Lattice lattice(3, 0, 1);
  std::vector<int> hexes;
  lattice.forEachCube([&](const int* corners) { hexahedron(corners, hexes); });
  PbHexahedronMesh3D mesh(lattice.numNodes(), lattice.x.data(), lattice.y.data(), lattice.z.data(),
                          int(hexes.size() / 8), hexes.data());
  mesh.updateSkin();
  PbMeshSkinData* data = mesh.getSkinData();
  ASSERT_TRUE(data);
  EXPECT_EQ(data->getNumFaces4p(), 24);
  EXPECT_EQ(data->getNumFaces3p(), 0);
  // Every remaining face lies on the cube's surface and turns towards its cell's inside, as the
  // face lists of the cell kinds run for cells in the reference order.
  int n[4], seen = 0;
  while (data->getFace4p(cell, n[0], n[1], n[2], n[3])) {
    ++seen;
    const SbVec3f p0 = lattice.at(n[0]);
    const SbVec3f normal = (lattice.at(n[1]) - p0).cross(lattice.at(n[2]) - p0);
    SbVec3f centre(0, 0, 0);
    for (int q : n)
      centre += lattice.at(q) / 4;
    EXPECT_LT(offSurface(centre), 1e-6);
    EXPECT_LT(normal.dot(centre - SbVec3f(0.5f, 0.5f, 0.5f)), 0) << "face of cell " << cell;
  }
  EXPECT_EQ(seen, 24);
  // A second update with nothing changed only starts the iteration again.
  mesh.updateSkin();
  seen = 0;
  while (data->getFace4p(cell, n[0], n[1], n[2], n[3]))
    ++seen;
  EXPECT_EQ(seen, 24);
}

TEST(CrossContourFile, ThePlaneReadsBackAsWritten)
{
  PoGridlux::init();
  SoSeparator* root = new SoSeparator;
  root->ref();
  PoMeshCrossContour* node = new PoMeshCrossContour;
  node->plane = SbPlane(SbVec3f(0.6f, 0, 0.8f), -0.5f);
  root->addChild(node);
  SoSeparator* read = readFromString(writeToString(root));
  ASSERT_TRUE(read);
  read->ref();
  ASSERT_EQ(read->getNumChildren(), 1);
  ASSERT_TRUE(read->getChild(0)->isOfType(PoMeshCrossContour::getClassTypeId()));
  const SbPlane plane = static_cast<PoMeshCrossContour*>(read->getChild(0))->plane.getValue();
  EXPECT_NEAR(plane.getNormal()[0], 0.6f, 1e-6);
  EXPECT_NEAR(plane.getDistanceFromOrigin(), -0.5f, 1e-6);
  read->unref();
  root->unref();
}

} // namespace
