// Stream paths against closed forms (solid rotation, saddle, uniform flow), the same linear
// field on every mesh kind, and the stream line and surface nodes: colours, rakes, bad input,
// the file.
#include "support/ErrorCatcher.h"
#include "support/GeometryProbe.h"
#include "support/SceneText.h"
#include "StreamFields.h"
#include "VolumeMeshes.h"

#include <Gridlux/attributes/PbLinearDataMapping.h>
#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/mesh/PbCell.h>
#include <Gridlux/representations/PoStreamLine.h>
#include <Gridlux/representations/PoStreamSurface.h>
#include <Gridlux/representations/algorithms/PiStreamPath.h>

#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoLineSet.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoMaterialBinding.h>
#include <Inventor/nodes/SoQuadMesh.h>
#include <Inventor/nodes/SoSeparator.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

const double PI = 3.14159265358979323846;

struct Traced {
  std::vector<SbVec3f> points;
  std::vector<float> times;
  float length = 0, time = 0;
  int atSkin = 0;
};

struct TimeRecorder : PiStreamPath::Recorder {
  std::vector<float> times;
  void recordPoint(PiStreamPath&, const PbCell*, SbVec3f&, SbVec3f&, float time) override { times.push_back(time); }
};

Traced trace(const PbMesh* mesh, const SbVec3f& start, const PiStreamPath::Limits& limits)
{
  Traced out;
  SbVec3f local;
  const PbCell* cell = mesh->findContainingCell(start, 0, local);
  if (!cell)
    return out;
  PiStreamPath path;
  TimeRecorder recorder;
  out.length = path.integrate(mesh, cell, start, local, mesh->getVecsSet(0), nullptr, limits, &recorder, out.time);
  out.points.assign(path.getPoints(), path.getPoints() + path.getNumPoints());
  out.times = recorder.times;
  out.atSkin = path.isEndingAtSkin();
  return out;
}

TEST(StreamPath, SolidRotationStaysOnItsCircleAndClosesInOneTurn)
{
  GridField rotation(new PbRegularCartesianGrid3D(41, 41, 3, -1, -1, 0, 1, 1, 0.1f),
                     [](const SbVec3f& p) { return SbVec3f(-p[1], p[0], 0); });
  PiStreamPath::Limits limits;
  limits.maxLifetime = float(2 * PI);
  const SbVec3f start(0.5f, 0, 0.05f);
  const Traced path = trace(rotation.mesh.get(), start, limits);
  ASSERT_GT(path.points.size(), 100u);
  for (const SbVec3f& p : path.points) {
    EXPECT_NEAR(std::hypot(p[0], p[1]), 0.5, 1e-3);
    EXPECT_NEAR(p[2], 0.05, 1e-6);
  }
  EXPECT_LT((path.points.back() - start).length(), 0.02);
  EXPECT_NEAR(path.time, 2 * PI, 0.01 * 2 * PI);
  EXPECT_NEAR(path.length, PI, 0.01 * PI);
  EXPECT_EQ(path.atSkin, 0);
  // Counter-clockwise: the second point has turned towards +y.
  EXPECT_GT(path.points[1][1], 0);
}

TEST(StreamPath, SaddleKeepsTheProductOfItsCoordinates)
{
  GridField saddle(new PbRegularCartesianGrid3D(41, 41, 3, -1, -1, 0, 1, 1, 0.1f),
                   [](const SbVec3f& p) { return SbVec3f(p[0], -p[1], 0); });
  const Traced path = trace(saddle.mesh.get(), SbVec3f(0.1f, 0.8f, 0.05f), PiStreamPath::Limits());
  ASSERT_GT(path.points.size(), 50u);
  for (const SbVec3f& p : path.points)
    EXPECT_NEAR(p[0] * p[1], 0.08, 0.08e-3);
  EXPECT_EQ(path.atSkin, 1);
  EXPECT_GT(path.points.back()[0], 0.95);
}

TEST(StreamPath, UniformFlowStepsAndLimits)
{
  const GridField flow = uniformField(2);
  const SbVec3f start(0.5f, 1, 1);
  PiStreamPath::Limits limits;
  Traced path = trace(flow.mesh.get(), start, limits);
  ASSERT_GT(path.points.size(), 30u);
  for (size_t i = 0; i < path.points.size(); ++i) {
    EXPECT_NEAR(path.points[i][0], 0.5 + 0.3 * i, 1e-4) << i;
    EXPECT_FLOAT_EQ(path.points[i][1], 1);
    EXPECT_FLOAT_EQ(path.points[i][2], 1);
    EXPECT_NEAR(path.times[i], 0.15 * i, 1e-4) << i;
  }
  // Left through the face x = 10, within one step of it; the point outside is not kept.
  EXPECT_EQ(path.atSkin, 1);
  EXPECT_LE(path.points.back()[0], 10);
  EXPECT_GT(path.points.back()[0], 10 - 0.3);

  limits.backward = 1;
  path = trace(flow.mesh.get(), SbVec3f(5, 1, 1), limits);
  ASSERT_GT(path.points.size(), 2u);
  EXPECT_NEAR(path.points[1][0], 4.7, 1e-5);
  EXPECT_LT(path.points.back()[0], 0.3);
  EXPECT_EQ(path.atSkin, 1);

  limits = PiStreamPath::Limits();
  limits.maxSteps = 10;
  EXPECT_EQ(trace(flow.mesh.get(), start, limits).points.size(), 10u);
  limits = PiStreamPath::Limits();
  limits.maxLength = 1;
  path = trace(flow.mesh.get(), start, limits);
  ASSERT_EQ(path.points.size(), 4u);
  EXPECT_NEAR(path.points[3][0], 0.5 + 0.9, 1e-5);
  EXPECT_EQ(path.atSkin, 0);
  limits = PiStreamPath::Limits();
  limits.minSpeed = 2;
  EXPECT_TRUE(trace(flow.mesh.get(), start, limits).points.empty());
}

TEST(StreamPath, StepFollowsTheCellSize)
{
  // Cells of 1 in x, 2 in y and z: the longest edge is 2, the step 0.6.
  GridField flow(new PbRegularCartesianGrid3D(11, 3, 3, 0, 0, 0, 10, 4, 4),
                 [](const SbVec3f&) { return SbVec3f(1, 0, 0); });
  const Traced path = trace(flow.mesh.get(), SbVec3f(0.5f, 1, 1), PiStreamPath::Limits());
  ASSERT_GT(path.points.size(), 3u);
  EXPECT_NEAR(path.points[1][0] - path.points[0][0], 0.6, 1e-5);
}

class StreamPathMeshes : public ::testing::TestWithParam<const char*> {};

TEST_P(StreamPathMeshes, LinearFieldGivesTheSamePathOnEveryMeshKind)
{
  auto field = [](const SbVec3f& p) { return SbVec3f(1, 0.5f * p[0] - 0.2f, 0.3f - 0.4f * p[1]); };
  const std::vector<MeshCase> cases = unitCubes(6);
  PbMesh3D* reference = meshNamed(cases, "hexahedron mesh");
  PbMesh3D* other = meshNamed(cases, GetParam());
  std::vector<SbVec3f> refVectors, otherVectors;
  for (int n = 0; n < reference->getNumNodes(); ++n)
    refVectors.push_back(field(reference->getNodeCoord(n)));
  for (int n = 0; n < other->getNumNodes(); ++n)
    otherVectors.push_back(field(other->getNodeCoord(n)));
  reference->addVecsSet(0, refVectors.data());
  other->addVecsSet(0, otherVectors.data());
  const SbVec3f start(0.05f, 0.3f, 0.4f);
  const Traced a = trace(reference, start, PiStreamPath::Limits());
  const Traced b = trace(other, start, PiStreamPath::Limits());
  ASSERT_GT(a.points.size(), 10u);
  ASSERT_GT(b.points.size(), 5u);
  EXPECT_EQ(a.atSkin, 1);
  EXPECT_EQ(b.atSkin, 1);
  for (const SbVec3f& p : b.points)
    EXPECT_LT(distanceToPolyline(p, a.points), 1e-3);
  // Both leave through the face x = 1, each within one of its steps.
  EXPECT_GT(b.points.back()[0], 1 - 0.3 * std::sqrt(3.0) / 5 - 1e-3);
  EXPECT_GT(a.points.back()[0], 1 - 0.3 / 5 - 1e-3);
}

INSTANTIATE_TEST_SUITE_P(StreamPathKinds, StreamPathMeshes,
                         ::testing::Values("tetrahedron mesh", "regular grid", "curvilinear grid",
                                           "indexed mesh of four kinds, both orders"));

// ---------------------------------------------------------------------------------------------
// Nodes

class StreamNodes : public StreamScene {
protected:
  SoGroup* built(PoBase* node, const char* part)
  {
    GeometryProbe probe(root);
    return static_cast<SoGroup*>(node->getPart(part, FALSE));
  }
};

TEST_F(StreamNodes, LinesOnePerStartPointInsideWithColoursInTurn)
{
  PoStreamLine* node = add<PoStreamLine>(flow.mesh.get());
  node->startPoints.setValues(0, 4, std::vector<SbVec3f>{{0.5f, 0.5f, 1}, {0.5f, 1, 1}, {-3, 1, 1}, {0.5f, 1.5f, 1}}.data());
  node->colors.setValues(0, 2, std::vector<SbColor>{{1, 0, 0}, {0, 0, 1}}.data());
  SoGroup* group = built(node, "groupStreamLine");
  ASSERT_TRUE(group);
  SoLineSet* lines = childOfType<SoLineSet>(group);
  ASSERT_TRUE(lines);
  ASSERT_EQ(lines->numVertices.getNum(), 3); // the start point outside gives no line
  SoMaterial* material = childOfType<SoMaterial>(group);
  ASSERT_TRUE(material && material->diffuseColor.getNum() == 3);
  EXPECT_EQ(material->diffuseColor[0], SbColor(1, 0, 0));
  EXPECT_EQ(material->diffuseColor[1], SbColor(0, 0, 1));
  EXPECT_EQ(material->diffuseColor[2], SbColor(1, 0, 0));
  EXPECT_EQ(childOfType<SoMaterialBinding>(group)->value.getValue(), SoMaterialBinding::PER_FACE);
  GeometryProbe probe(root);
  EXPECT_NEAR(probe.length(), 3 * (9.5 - 0.2), 0.3 * 3);

  // No colours: the inherited material, no binding.
  node->colors.setNum(0);
  group = built(node, "groupStreamLine");
  EXPECT_FALSE(childOfType<SoMaterial>(group));
  EXPECT_FALSE(childOfType<SoMaterialBinding>(group));
}

TEST_F(StreamNodes, MappedColoursFollowValuesOrSpeed)
{
  // The speed grows along x: the mapped colours must change along the line.
  GridField faster(new PbRegularCartesianGrid3D(11, 3, 3, 0, 0, 0, 10, 2, 2),
                   [](const SbVec3f& p) { return SbVec3f(1 + p[0], 0, 0); });
  PbLinearDataMapping mapping;
  mapping.setValues(1, SbColor(0, 0, 1), 11, SbColor(1, 0, 0));
  PoStreamLine* node = add<PoStreamLine>(faster.mesh.get());
  node->setDataMapping(&mapping);
  node->startPoints = SbVec3f(0.5f, 1, 1);
  node->coloringType = PoMesh::COLOR_MAPPING;
  for (int set : {0, -1}) { // the speed set, then no set: coloured by the speed itself
    node->valuesIndex = set;
    SoGroup* group = built(node, "groupStreamLine");
    ASSERT_TRUE(group);
    SoMaterial* material = childOfType<SoMaterial>(group);
    SoCoordinate3* coords = childOfType<SoCoordinate3>(group);
    ASSERT_TRUE(material && coords);
    ASSERT_EQ(material->diffuseColor.getNum(), coords->point.getNum());
    EXPECT_EQ(childOfType<SoMaterialBinding>(group)->value.getValue(), SoMaterialBinding::PER_VERTEX);
    for (int i = 0; i < coords->point.getNum(); ++i) {
      const float speed = 1 + coords->point[i][0];
      EXPECT_NEAR(material->diffuseColor[i][0], (speed - 1) / 10, 1e-3) << set << " " << i;
    }
  }
}

TEST_F(StreamNodes, SurfaceJoinsTheLinesOfEachRake)
{
  PoStreamSurface* node = add<PoStreamSurface>(flow.mesh.get());
  node->startPoints.setValues(0, 2, std::vector<SbVec3f>{{0.5f, 1, 1}, {4.5f, 1, 1}}.data());
  node->rakeOrientation = SbVec3f(0, 0, 3); // normalised by the node
  node->rakeLength = 1;
  node->numLinesPerRake = 5;
  SoGroup* group = built(node, "groupStreamSurface");
  ASSERT_TRUE(group);
  SoQuadMesh* first = childOfType<SoQuadMesh>(group);
  ASSERT_TRUE(first && childOfType<SoQuadMesh>(group, 1));
  EXPECT_EQ(first->verticesPerColumn.getValue(), 5);
  // Ribbons of width 1 along x, from each start to within a step of x = 10.
  GeometryProbe probe(root);
  EXPECT_NEAR(probe.area(), (9.5 + 5.5) * 1.0, 2 * 0.3);
  const SbBox3f box = probe.bbox();
  EXPECT_NEAR(box.getMin()[2], 0.5, 1e-5);
  EXPECT_NEAR(box.getMax()[2], 1.5, 1e-5);
  EXPECT_NEAR(box.getMin()[1], 1, 1e-5);

  // One line per rake: at its centre, drawn as a line.
  node->numLinesPerRake = 1;
  group = built(node, "groupStreamSurface");
  ASSERT_TRUE(group);
  EXPECT_FALSE(childOfType<SoQuadMesh>(group));
  SoCoordinate3* coords = childOfType<SoCoordinate3>(group);
  ASSERT_TRUE(coords && childOfType<SoLineSet>(group));
  EXPECT_EQ(coords->point[0], SbVec3f(0.5f, 1, 1));
}

TEST_F(StreamNodes, RakeRowsOfDifferentLengthsAreCutToTheShortest)
{
  // The rake crosses the face x = 0: the line starting outside is left out.
  PoStreamSurface* node = add<PoStreamSurface>(flow.mesh.get());
  node->startPoints = SbVec3f(0.1f, 1, 1);
  node->numLinesPerRake = 3;
  node->rakeOrientation = SbVec3f(1, 0, 0);
  node->rakeLength = 0.4f;
  SoGroup* group = built(node, "groupStreamSurface");
  ASSERT_TRUE(group);
  SoQuadMesh* quads = childOfType<SoQuadMesh>(group);
  ASSERT_TRUE(quads);
  EXPECT_EQ(quads->verticesPerColumn.getValue(), 2);
  const int columns = quads->verticesPerRow.getValue();
  EXPECT_EQ(childOfType<SoCoordinate3>(group)->point.getNum(), 2 * columns);
  // The line from x = 0.3 leaves first: its row sets the length.
  EXPECT_EQ(columns, int(std::ceil((10 - 0.3) / 0.3)));
}

TEST_F(StreamNodes, BadInputPostsAndDrawsNothing)
{
  PoStreamLine* line = add<PoStreamLine>(flow.mesh.get());
  PoStreamSurface* surface = add<PoStreamSurface>(flow.mesh.get());
  line->startPoints = surface->startPoints = SbVec3f(0.5f, 1, 1);
  ASSERT_TRUE(built(line, "groupStreamLine"));
  ASSERT_TRUE(built(surface, "groupStreamSurface"));
  const float nan = std::numeric_limits<float>::quiet_NaN();
  {
    ErrorCatcher errors;
    line->integrationStepLengthFactor = 0;
    EXPECT_FALSE(built(line, "groupStreamLine"));
    line->integrationStepLengthFactor = 0.3f;
    line->startPoints.set1Value(1, SbVec3f(nan, 0, 0));
    EXPECT_FALSE(built(line, "groupStreamLine"));
    line->startPoints.setNum(1);
    line->maxLength = nan;
    EXPECT_FALSE(built(line, "groupStreamLine"));
    EXPECT_EQ(errors.count(), 3);
    EXPECT_TRUE(errors.contains("PoStreamLine::rebuild"));
  }
  {
    ErrorCatcher errors;
    surface->numLinesPerRake = 0;
    EXPECT_FALSE(built(surface, "groupStreamSurface"));
    surface->numLinesPerRake = 2;
    surface->rakeOrientation = SbVec3f(0, 0, 0);
    EXPECT_FALSE(built(surface, "groupStreamSurface"));
    surface->rakeOrientation = SbVec3f(0, 1, 0);
    surface->rakeLength = -1;
    EXPECT_FALSE(built(surface, "groupStreamSurface"));
    EXPECT_EQ(errors.count(), 3);
  }
  {
    // Nothing to trace, nothing to say.
    ErrorCatcher errors;
    line->maxLength = 0;
    line->vecsIndex = 3;
    EXPECT_FALSE(built(line, "groupStreamLine"));
    line->vecsIndex = 0;
    line->setMesh(nullptr);
    EXPECT_FALSE(built(line, "groupStreamLine"));
    EXPECT_EQ(errors.count(), 0);
  }
}

TEST(StreamLineFile, EachClassReadsBackItsFields)
{
  PoGridlux::init();
  SoSeparator* root = new SoSeparator;
  root->ref();
  PoStreamLine* line = new PoStreamLine;
  line->startPoints.setValues(0, 2, std::vector<SbVec3f>{{1, 2, 3}, {4, 5, 6}}.data());
  line->integrationDirection = PoBaseStreamLine::BACKWARD;
  line->maxLifetime = 2.5f;
  line->integrationMaxStepNumber = 40;
  line->colors = SbColor(0, 1, 0);
  line->lineWidth = 3;
  PoStreamSurface* surface = new PoStreamSurface;
  surface->rakeOrientation = SbVec3f(0, 1, 0);
  surface->numLinesPerRake = 7;
  surface->rakeLength = 0.25f;
  surface->integrationStepLengthFactor = 0.1f;
  root->addChild(line);
  root->addChild(surface);
  SoSeparator* read = readFromString(writeToString(root));
  ASSERT_TRUE(read);
  read->ref();
  auto* l = dynamic_cast<PoStreamLine*>(read->getChild(0));
  auto* s = dynamic_cast<PoStreamSurface*>(read->getChild(1));
  ASSERT_TRUE(l && s);
  ASSERT_EQ(l->startPoints.getNum(), 2);
  EXPECT_EQ(l->startPoints[1], SbVec3f(4, 5, 6));
  EXPECT_EQ(l->integrationDirection.getValue(), PoBaseStreamLine::BACKWARD);
  EXPECT_FLOAT_EQ(l->maxLifetime.getValue(), 2.5f);
  EXPECT_EQ(l->integrationMaxStepNumber.getValue(), 40);
  ASSERT_EQ(l->colors.getNum(), 1);
  EXPECT_FLOAT_EQ(l->lineWidth.getValue(), 3);
  EXPECT_EQ(s->rakeOrientation.getValue(), SbVec3f(0, 1, 0));
  EXPECT_EQ(s->numLinesPerRake.getValue(), 7);
  EXPECT_FLOAT_EQ(s->rakeLength.getValue(), 0.25f);
  EXPECT_FLOAT_EQ(s->integrationStepLengthFactor.getValue(), 0.1f);
  EXPECT_EQ(s->startPoints.getNum(), 0);
  read->unref();
  root->unref();
}

} // namespace
