// Vector fields measured through the arrows they draw: lengths and density, chevron geometry,
// colourings and their fallbacks, the elaborate path's shared solids, plane sections of the
// field v(P) = P on hexahedra and tetrahedra, bad input and the file.
#include "support/ErrorCatcher.h"
#include "support/GeometryProbe.h"
#include "support/SceneText.h"
#include "VolumeMeshes.h"

#include <Gridlux/attributes/PbLinearDataMapping.h>
#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/mesh/PbIndexedMesh2D.h>
#include <Gridlux/mesh/PbRegularCartesianGrid2D.h>
#include <Gridlux/representations/PoMesh2DVec.h>
#include <Gridlux/representations/PoMesh3DVec.h>
#include <Gridlux/representations/PoMesh3DVecCrossSection.h>
#include <Gridlux/representations/PoMesh3DVecGridCrossSection.h>
#include <Gridlux/representations/algorithms/PiArrow.h>

#include <Inventor/SbBox3f.h>
#include <Inventor/nodes/SoCone.h>
#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoCylinder.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoLineSet.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoSeparator.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <set>
#include <vector>

namespace {

SoGroup* part(PoBase* node, const char* name)
{
  return static_cast<SoGroup*>(node->getPart(name, FALSE));
}

// The segments a group draws, traversed on its own (its coordinates are inside it).
std::vector<GeometryProbe::Segment> segmentsOf(SoNode* group)
{
  if (!group)
    return {};
  return GeometryProbe(group).segments();
}

template <class T> T* childOfType(SoGroup* group)
{
  for (int i = 0; group && i < group->getNumChildren(); ++i)
    if (group->getChild(i)->isOfType(T::getClassTypeId()))
      return static_cast<T*>(group->getChild(i));
  return nullptr;
}

// A swirl around the centre of a 2D grid over [-1, 1]^2, with one zero vector at the centre.
struct Swirl {
  int nx, ny;
  std::unique_ptr<PbRegularCartesianGrid2D> mesh;
  std::vector<SbVec2f> v;
  std::vector<float> modules;
  Swirl(int x, int y) : nx(x), ny(y), mesh(new PbRegularCartesianGrid2D(x, y, -1, -1, 1, 1))
  {
    for (int n = 0; n < nx * ny; ++n) {
      const SbVec3f p = mesh->getNodeCoord(n);
      v.emplace_back(-p[1] * (1 + p[0] * p[0]), p[0]);
      modules.push_back(SbVec3f(v.back()[0], v.back()[1], 0).length());
    }
    mesh->addVecsSet(0, v.data());
    mesh->addValuesSet(0, modules.data());
  }
  SbVec3f vec(int n) const { return SbVec3f(v[n][0], v[n][1], 0); }
};

class VectorField2D : public ::testing::Test {
protected:
  static void SetUpTestSuite() { PoGridlux::init(); }
  void SetUp() override
  {
    root = new SoSeparator;
    root->ref();
    node = new PoMesh2DVec;
    node->vecsIndex = 0;
    root->addChild(node);
  }
  void TearDown() override { root->unref(); }
  std::vector<GeometryProbe::Segment> bodies()
  {
    GeometryProbe probe(root);
    return segmentsOf(part(node, "bodyGroup"));
  }
  SoSeparator* root = nullptr;
  PoMesh2DVec* node = nullptr;
};

TEST_F(VectorField2D, RelativeAndConstantLengths)
{
  Swirl swirl(5, 4);
  node->setMesh(swirl.mesh.get());
  node->endArrowShape = PoMesh2DVec::NO_SHAPE;
  for (float f : {1.0f, 0.25f, 3.0f}) {
    node->bodyLengthFactor = f;
    const auto segs = bodies();
    ASSERT_EQ(int(segs.size()), 20);
    EXPECT_TRUE(node->getVectorField().isQuick());
    for (int n = 0; n < 20; ++n) {
      const SbVec3f expected = swirl.vec(n) * f;
      EXPECT_LT((segs[n].a - swirl.mesh->getNodeCoord(n)).length(), 1e-6f);
      EXPECT_LT((segs[n].b - segs[n].a - expected).length(), 1e-6f * (1 + swirl.vec(n).length())) << n;
    }
  }
  node->bodyLengthType = PoMesh2DVec::CONSTANT_LENGTH;
  node->bodyLengthFactor = 2;
  const auto segs = bodies();
  ASSERT_EQ(int(segs.size()), 20);
  for (int n = 0; n < 20; ++n) {
    if (swirl.vec(n).length() == 0)
      continue;
    EXPECT_NEAR(segs[n].length(), 2.0, 1e-5) << n;
    EXPECT_GT((segs[n].b - segs[n].a).dot(swirl.vec(n)), 0) << n;
  }
}

// The bodies' coordinates are refilled in place by the next build: that must neither start
// another rebuild nor change what an application kept.
TEST_F(VectorField2D, RebuildsOnlyWhenAsked)
{
  Swirl swirl(4, 4);
  node->setMesh(swirl.mesh.get());
  int rebuilds = 0;
  node->addPostRebuildCallback([](void* data, PoBase*) { ++*static_cast<int*>(data); }, &rebuilds);
  bodies();
  bodies();
  EXPECT_EQ(rebuilds, 1);
  node->bodyLengthFactor = 0.5f;
  bodies();
  const auto half = bodies();
  EXPECT_EQ(rebuilds, 2);
  ASSERT_EQ(half.size(), 16u);
  EXPECT_LT((half[5].b - half[5].a - swirl.vec(5) * 0.5f).length(), 1e-6f);
  // A coordinate node the application holds stays as it was.
  SoCoordinate3* kept = childOfType<SoCoordinate3>(part(node, "bodyGroup"));
  kept->ref();
  const SbVec3f end = kept->point[11];
  node->bodyLengthFactor = 2;
  const auto twice = bodies();
  EXPECT_EQ(kept->point[11], end);
  EXPECT_LT((twice[5].b - twice[5].a - swirl.vec(5) * 2).length(), 1e-5f);
  kept->unref();
}

TEST_F(VectorField2D, DensityAndEliminationPickTheirTurns)
{
  Swirl swirl(5, 2);
  node->setMesh(swirl.mesh.get());
  for (int d : {1, 2, 3, 4, 7, 10, 11}) {
    node->density = d;
    const auto segs = bodies();
    ASSERT_EQ(int(segs.size()), (10 + d - 1) / d) << d;
    for (size_t i = 0; i < segs.size(); ++i)
      EXPECT_LT((segs[i].a - swirl.mesh->getNodeCoord(int(i) * d)).length(), 1e-6f);
    // One line set over one coordinate node for the whole field.
    EXPECT_TRUE(childOfType<SoLineSet>(part(node, "bodyGroup")));
    EXPECT_TRUE(childOfType<SoCoordinate3>(part(node, "bodyGroup")));
  }
  // Vectors 0, 3, 6, 9 are considered; dropping the short ones keeps that rhythm.
  node->density = 3;
  node->eliminationStatus = PoMesh2DVec::TOO_SMALL;
  const float cut = swirl.modules[3] + 1e-4f;
  node->minLength = cut;
  std::vector<int> expected;
  for (int n = 0; n < 10; n += 3)
    if (swirl.modules[n] >= cut)
      expected.push_back(n);
  auto segs = bodies();
  ASSERT_EQ(segs.size(), expected.size());
  for (size_t i = 0; i < segs.size(); ++i)
    EXPECT_LT((segs[i].a - swirl.mesh->getNodeCoord(expected[i])).length(), 1e-6f);
  node->eliminationStatus = PoMesh2DVec::TOO_SMALL_OR_LONG;
  node->minLength = 0;
  node->maxLength = 0.01f;
  ErrorCatcher errors;
  EXPECT_TRUE(bodies().empty());
  EXPECT_EQ(errors.count(), 0);
}

// A 3D field node drawing set 0 of @p mesh, put under a new referenced @p root.
PoMesh3DVec* fieldUnder(SoSeparator*& root, PbMesh3D* mesh)
{
  PoGridlux::init();
  root = new SoSeparator;
  root->ref();
  PoMesh3DVec* node = new PoMesh3DVec;
  node->setMesh(mesh);
  node->vecsIndex = 0;
  root->addChild(node);
  return node;
}

// Chevrons at the tips: both wings as far from the tip, their midpoint on the axis, the wing
// vector across it; also for arrows standing out of the plane of a 3D field.
TEST(VectorFieldShapes, ChevronWingsAreSymmetricAboutTheAxis)
{
  auto mesh = std::make_unique<PbRegularCartesianGrid3D>(3, 3, 3, 0, 0, 0, 2, 2, 2);
  std::vector<SbVec3f> v;
  for (int n = 0; n < 27; ++n)
    v.emplace_back(std::sin(1.0f + n), std::cos(0.3f * n), 0.5f - 0.07f * n);
  mesh->addVecsSet(0, v.data());
  SoSeparator* root = nullptr;
  PoMesh3DVec* node = fieldUnder(root, mesh.get());
  node->startArrowShape = PoMesh3DVec::INDIRECT_CHEVRON;
  GeometryProbe probe(root);
  for (const char* group : {"endArrowGroup", "startArrowGroup"}) {
    const auto segs = segmentsOf(part(node, group));
    ASSERT_EQ(int(segs.size()), 2 * 27) << group;
    for (int n = 0; n < 27; ++n) {
      const SbVec3f start = mesh->getNodeCoord(n), end = start + v[n];
      const SbVec3f tip = std::string(group) == "endArrowGroup" ? end : start;
      const SbVec3f w1 = segs[2 * n].a, w2 = segs[2 * n + 1].b;
      EXPECT_LT((segs[2 * n].b - tip).length(), 1e-5f);
      EXPECT_NEAR((w1 - tip).length(), (w2 - tip).length(), 1e-5);
      SbVec3f axis = v[n];
      axis.normalize();
      const SbVec3f mid = (w1 + w2) / 2 - start;
      EXPECT_LT((mid - axis * mid.dot(axis)).length(), 1e-5f) << group << n;
      EXPECT_NEAR((w1 - w2).dot(axis), 0, 1e-5) << group << n;
      EXPECT_GT((w1 - w2).length(), 1e-3f);
      // The end chevron opens back towards the start, the indirect one at the start away from the end.
      EXPECT_LT(((w1 + w2) / 2 - tip).dot(axis), 0) << group << n;
    }
  }
  root->unref();
}

TEST(VectorFieldShapes, ShapePointsOfADegenerateArrowAreNone)
{
  const float p[3] = {1, 2, 3};
  SbVec3f out[4];
  EXPECT_EQ(PiArrow::computeArrowShapePoint(p, p, PiArrow::CHEVRON, 0.1f, 0.05f, nullptr, out), 0);
  const float q[3] = {1, 2, 4};
  EXPECT_EQ(PiArrow::computeArrowShapePoint(p, q, PiArrow::CONE, 0.1f, 0.05f, nullptr, out), 0);
  ASSERT_EQ(PiArrow::computeArrowShapePoint(p, q, PiArrow::RECTANGLE, 0.2f, 0.05f, nullptr, out), 4);
  // A rectangle centred on the tip, 0.2 along the arrow and 0.1 across.
  EXPECT_NEAR((out[0] - out[1]).length(), 0.2, 1e-6);
  EXPECT_NEAR((out[1] - out[2]).length(), 0.1, 1e-6);
  EXPECT_LT(((out[0] + out[2]) / 2 - SbVec3f(p)).length(), 1e-6f);
}

TEST_F(VectorField2D, ColouringsAndTheirFallbacks)
{
  Swirl swirl(4, 3);
  node->setMesh(swirl.mesh.get());
  PbLinearDataMapping mapping;
  mapping.setValues(0.0f, SbColor(0, 0, 1), 2.0f, SbColor(1, 0, 0));
  // No mapping anywhere: every colouring is the constant one.
  node->bodyColoringType = PoMesh2DVec::MODULE_MAPPING_COLOR;
  node->endArrowColoringType = PoMesh2DVec::SCALAR_MAPPING_COLOR;
  bodies();
  EXPECT_FALSE(childOfType<SoMaterial>(part(node, "bodyGroup")));
  EXPECT_FALSE(childOfType<SoMaterial>(part(node, "endArrowGroup")));

  node->setModuleDataMapping(&mapping);
  bodies();
  SoMaterial* body = childOfType<SoMaterial>(part(node, "bodyGroup"));
  ASSERT_TRUE(body);
  ASSERT_EQ(body->diffuseColor.getNum(), 12);
  for (int n = 0; n < 12; ++n)
    EXPECT_LT((body->diffuseColor[n] - *mapping.getRGBColor(swirl.vec(n).length())).length(), 1e-6f);
  // Scalar colouring needs the value set too.
  node->setDataMapping(&mapping);
  bodies();
  EXPECT_FALSE(childOfType<SoMaterial>(part(node, "endArrowGroup")));
  node->valuesIndex = 0;
  bodies();
  SoMaterial* heads = childOfType<SoMaterial>(part(node, "endArrowGroup"));
  ASSERT_TRUE(heads);
  ASSERT_EQ(heads->diffuseColor.getNum(), 12);
  EXPECT_LT((heads->diffuseColor[5] - *mapping.getRGBColor(swirl.modules[5])).length(), 1e-6f);
  node->setModuleDataMapping(nullptr);
  node->setDataMapping(nullptr);
}

// Cones and cylinders: one toolkit solid of each kind for the whole field, the cone's apex at
// the arrow's end.
TEST(VectorFieldShapes, ElaborateArrowsShareTheirSolids)
{
  auto mesh = std::make_unique<PbRegularCartesianGrid3D>(2, 2, 2, 0, 0, 0, 1, 1, 1);
  std::vector<SbVec3f> v(8, SbVec3f(0, 0, 0.5f));
  v[3].setValue(0.5f, 0, 0);
  mesh->addVecsSet(0, v.data());
  SoSeparator* root = nullptr;
  PoMesh3DVec* node = fieldUnder(root, mesh.get());
  node->bodyShape = PoMesh3DVec::CYLINDER;
  node->endArrowShape = PoMesh3DVec::CONE;
  GeometryProbe probe(root);
  EXPECT_FALSE(node->getVectorField().isQuick());
  for (const char* name : {"bodyGroup", "endArrowGroup"}) {
    std::set<SoNode*> solids;
    int arrows = 0;
    SoGroup* group = part(node, name);
    ASSERT_TRUE(group);
    for (int i = 0; i < group->getNumChildren(); ++i) {
      if (!group->getChild(i)->isOfType(SoSeparator::getClassTypeId()))
        continue;
      SoSeparator* arrow = static_cast<SoSeparator*>(group->getChild(i));
      ++arrows;
      solids.insert(arrow->getChild(arrow->getNumChildren() - 1));
    }
    EXPECT_EQ(arrows, 8) << name;
    EXPECT_EQ(solids.size(), 1u) << name;
  }
  // The cone of arrow 3, node (0, 1, 1), ends at x = 0.5 and is 0.1 of its length long.
  SoGroup* heads = part(node, "endArrowGroup");
  SoSeparator* one = new SoSeparator;
  one->ref();
  one->addChild(heads->getChild(1 + 3));
  GeometryProbe cone(one);
  const SbBox3f box = cone.bbox();
  EXPECT_NEAR(box.getMax()[0], 0.5, 1e-5);
  EXPECT_NEAR(box.getMin()[0], 0.5 - 0.1 * 0.5, 1e-5);
  EXPECT_NEAR(box.getMax()[1] - box.getMin()[1], 2 * 0.1 * 0.5 * 0.5, 1e-4);
  one->unref();
  root->unref();
}

// v(P) = P cut by planes: every arrow starts on the plane and equals its start point; under
// projection on the plane, nothing of it is left along the normal.
class VectorSection : public ::testing::TestWithParam<const char*> {
protected:
  static void SetUpTestSuite() { PoGridlux::init(); }
  void TearDown() override
  {
    if (root)
      root->unref();
  }
  // A @p Node drawing v(P) = P on the unit cube over an n^3 lattice, of the kind in test.
  template <class Node> Node* scene(int n)
  {
    cases = unitCubes(n);
    PbMesh3D* mesh = meshNamed(cases, GetParam());
    std::vector<SbVec3f> v;
    for (int p = 0; p < mesh->getNumNodes(); ++p)
      v.push_back(mesh->getNodeCoord(p));
    mesh->addVecsSet(0, v.data());
    root = new SoSeparator;
    root->ref();
    Node* node = new Node;
    node->setMesh(mesh);
    node->vecsIndex = 0;
    root->addChild(node);
    return node;
  }
  std::vector<MeshCase> cases;
  SoSeparator* root = nullptr;
};

TEST_P(VectorSection, LinearFieldIsExactOnAnyPlane)
{
  PoMesh3DVecCrossSection* node = scene<PoMesh3DVecCrossSection>(4);
  node->endArrowShape = PoMesh3DVec::NO_SHAPE;
  const SbVec3f normals[] = {SbVec3f(0, 0, 1), SbVec3f(1, 2, 3), SbVec3f(-1, 0.5f, 0.2f), SbVec3f(1, 1, 0)};
  // The last planes pass through nodes (z = 1/3 and x + y = 2/3).
  const float distances[] = {1.0f / 3, 1.4f, -0.1f, 2.0f / 3};
  for (int c = 0; c < 4; ++c) {
    SbVec3f n = normals[c];
    n.normalize();
    const float d = c == 3 ? distances[c] / std::sqrt(2.0f) : distances[c];
    node->plane = SbPlane(n, d);
    for (int proj : {0, 1}) {
      node->projectionType = proj;
      GeometryProbe probe(root);
      const auto segs = segmentsOf(part(node, "bodyGroup"));
      ASSERT_GT(segs.size(), 4u) << c;
      std::set<std::vector<float>> starts;
      for (const auto& s : segs) {
        EXPECT_NEAR(s.a.dot(n), d, 1e-5) << c;
        const SbVec3f drawn = s.b - s.a;
        const SbVec3f expected = proj ? s.a - n * s.a.dot(n) : s.a;
        EXPECT_LT((drawn - expected).length(), 1e-5f) << c;
        if (proj)
          EXPECT_LT(std::fabs(drawn.dot(n)), 1e-5f);
        starts.insert({s.a[0], s.a[1], s.a[2]});
      }
      EXPECT_EQ(starts.size(), segs.size()) << "an arrow drawn twice, plane " << c;
    }
  }
}

TEST_P(VectorSection, GridSamplesInsideTheBox)
{
  PoMesh3DVecGridCrossSection* node = scene<PoMesh3DVecGridCrossSection>(3);
  node->gridSpacing = 0.1f;
  node->plane = SbPlane(SbVec3f(0, 0, 1), 0.4f);
  GeometryProbe probe(root);
  const auto segs = segmentsOf(part(node, "bodyGroup"));
  // Samples every 0.1 sqrt 3 about the centre: five of them fit across the unit square.
  const double step = 0.1 * std::sqrt(3.0);
  int across = 0;
  for (int k = -5; k <= 5; ++k)
    across += std::fabs(k * step) <= 0.5;
  EXPECT_EQ(int(segs.size()), across * across);
  for (const auto& s : segs) {
    EXPECT_NEAR(s.a[2], 0.4, 1e-6);
    EXPECT_LT((s.b - s.a - s.a).length(), 1e-5f);
  }
  node->projectionType = PoMesh3DVecCrossSection::PROJECTION_ON_NORMAL;
  GeometryProbe again(root);
  for (const auto& s : segmentsOf(part(node, "bodyGroup")))
    EXPECT_LT((s.b - s.a - SbVec3f(0, 0, 0.4f)).length(), 1e-5f);
}

TEST_F(VectorField2D, BadInputPostsAndDrawsNothing)
{
  Swirl swirl(3, 3);
  node->setMesh(swirl.mesh.get());
  {
    ErrorCatcher errors;
    node->density = 0;
    EXPECT_TRUE(bodies().empty());
    EXPECT_TRUE(errors.contains("density"));
    node->density = 1;
    node->endArrowHeightFactor = -1;
    EXPECT_TRUE(bodies().empty());
    EXPECT_EQ(errors.count(), 2);
    node->endArrowHeightFactor = 0.1f;
  }
  {
    // Nothing to draw, and nothing to say: no vector set, a factor not above 0.
    ErrorCatcher errors;
    node->vecsIndex = 4;
    EXPECT_TRUE(bodies().empty());
    node->vecsIndex = 0;
    node->bodyLengthFactor = 0;
    EXPECT_TRUE(bodies().empty());
    node->bodyLengthFactor = 1;
    EXPECT_EQ(errors.count(), 0);
  }
  ErrorCatcher errors;
  swirl.v[4][0] = std::numeric_limits<float>::quiet_NaN();
  swirl.mesh->addVecsSet(0, swirl.v.data());
  EXPECT_EQ(bodies().size(), 8u);
  EXPECT_TRUE(errors.contains("not finite"));
}

TEST_P(VectorSection, BadPlaneAndSpacingPost)
{
  PoMesh3DVecGridCrossSection* node = scene<PoMesh3DVecGridCrossSection>(3);
  node->plane = SbPlane(SbVec3f(0, 0, 1), 0.5f);
  ErrorCatcher errors;
  for (float spacing : {0.0f, -1.0f, std::numeric_limits<float>::infinity(), 1e-6f}) {
    node->gridSpacing = spacing;
    GeometryProbe probe(root);
    EXPECT_TRUE(probe.segments().empty()) << spacing;
  }
  EXPECT_EQ(errors.count(), 4);
  node->gridSpacing = 0.2f;
  node->plane = SbPlane(SbVec3f(0, 0, 1), std::numeric_limits<float>::quiet_NaN());
  GeometryProbe probe(root);
  EXPECT_TRUE(probe.segments().empty());
  EXPECT_TRUE(errors.contains("plane"));
}

INSTANTIATE_TEST_SUITE_P(VectorFieldMeshes, VectorSection, ::testing::Values("hexahedron mesh", "tetrahedron mesh"));

TEST(VectorFieldFile, EachClassReadsBackItsFields)
{
  PoGridlux::init();
  SoSeparator* root = new SoSeparator;
  root->ref();
  PoMesh2DVec* flat = new PoMesh2DVec;
  flat->density = 3;
  flat->endArrowShape = PoMesh2DVec::INDIRECT_TRIANGLE;
  flat->bodyColoringType = PoMesh2DVec::MODULE_MAPPING_COLOR;
  PoMesh3DVec* solid = new PoMesh3DVec;
  solid->bodyShape = PoMesh3DVec::CYLINDER;
  solid->startArrowHeightType = PoMesh3DVec::CONSTANT_HEIGHT;
  solid->maxLength = 4.5f;
  PoMesh3DVecCrossSection* section = new PoMesh3DVecCrossSection;
  section->projectionType = PoMesh3DVecCrossSection::PROJECTION_ON_PLANE;
  section->plane = SbPlane(SbVec3f(0, 1, 0), 0.25f);
  PoMesh3DVecGridCrossSection* grid = new PoMesh3DVecGridCrossSection;
  grid->gridSpacing = 0.125f;
  grid->eliminationStatus = PoMesh3DVec::TOO_LONG;
  for (SoNode* n : std::initializer_list<SoNode*>{flat, solid, section, grid})
    root->addChild(n);
  SoSeparator* read = readFromString(writeToString(root));
  ASSERT_TRUE(read);
  read->ref();
  ASSERT_EQ(read->getNumChildren(), 4);
  auto* f = dynamic_cast<PoMesh2DVec*>(read->getChild(0));
  auto* s = dynamic_cast<PoMesh3DVec*>(read->getChild(1));
  auto* c = dynamic_cast<PoMesh3DVecCrossSection*>(read->getChild(2));
  auto* g = dynamic_cast<PoMesh3DVecGridCrossSection*>(read->getChild(3));
  ASSERT_TRUE(f && s && c && g);
  EXPECT_EQ(f->density.getValue(), 3);
  EXPECT_EQ(f->endArrowShape.getValue(), PoMesh2DVec::INDIRECT_TRIANGLE);
  EXPECT_EQ(f->bodyColoringType.getValue(), PoMesh2DVec::MODULE_MAPPING_COLOR);
  EXPECT_EQ(s->bodyShape.getValue(), PoMesh3DVec::CYLINDER);
  EXPECT_EQ(s->startArrowHeightType.getValue(), PoMesh3DVec::CONSTANT_HEIGHT);
  EXPECT_FLOAT_EQ(s->maxLength.getValue(), 4.5f);
  EXPECT_EQ(c->projectionType.getValue(), PoMesh3DVecCrossSection::PROJECTION_ON_PLANE);
  EXPECT_NEAR(c->plane.getValue().getDistanceFromOrigin(), 0.25f, 1e-6);
  EXPECT_FLOAT_EQ(g->gridSpacing.getValue(), 0.125f);
  EXPECT_EQ(g->eliminationStatus.getValue(), PoMesh3DVec::TOO_LONG);
  EXPECT_EQ(g->endArrowShape.getValue(), PoMesh3DVec::CHEVRON);
  read->unref();
  root->unref();
}

} // namespace
