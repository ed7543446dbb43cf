// Contour-line node through the geometry it builds: levels, colours, fallbacks and rebuilds.
#include "support/ErrorCatcher.h"
#include "support/GeometryProbe.h"
#include "support/SceneText.h"

#include <Gridlux/attributes/PbIsovaluesList.h>
#include <Gridlux/attributes/PoIsovaluesList.h>
#include <Gridlux/attributes/PoLinearDataMapping.h>
#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/mesh/PbRegularCartesianGrid2D.h>
#include <Gridlux/mesh/nodes/PoRegularCartesianGrid2D.h>
#include <Gridlux/representations/PoMeshContouring.h>

#include <Inventor/SoPrimitiveVertex.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoLineSet.h>
#include <Inventor/nodes/SoSeparator.h>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

// A scene: grid property node, data mapping, isovalues and the contour node, under a separator.
class MeshContouring : public ::testing::Test {
protected:
  static void SetUpTestSuite() { PoGridlux::init(); }

  void SetUp() override
  {
    root = new SoSeparator;
    root->ref();
    gridNode = new PoRegularCartesianGrid2D;
    mapping = new PoLinearDataMapping;
    isovalues = new PoIsovaluesList;
    contour = new PoMeshContouring;
    root->addChild(gridNode);
    root->addChild(mapping);
    root->addChild(isovalues);
    root->addChild(contour);
    contour->valuesIndex = 0;
    contour->addPostRebuildCallback([](void* data, PoBase*) { ++*static_cast<int*>(data); }, &rebuilds);
  }
  void TearDown() override { root->unref(); }

  // f = a x + b y on an n x n grid over [0, 10]^2, as value set 0.
  void linearGrid(int n, float a, float b)
  {
    PbRegularCartesianGrid2D grid(n, n, 0, 0, 10, 10);
    std::vector<float> f(n * n);
    for (int i = 0; i < n; ++i)
      for (int j = 0; j < n; ++j)
        f[i * n + j] = a * 10.0f * i / (n - 1) + b * 10.0f * j / (n - 1);
    grid.addValuesSet(0, f.data());
    gridNode->mesh.setValue(grid);
  }

  int polylines(const char* part)
  {
    SoGroup* group = static_cast<SoGroup*>(contour->getPart(part, FALSE));
    if (!group)
      return 0;
    for (int i = 0; i < group->getNumChildren(); ++i)
      if (group->getChild(i)->isOfType(SoLineSet::getClassTypeId()))
        return static_cast<SoLineSet*>(group->getChild(i))->numVertices.getNum();
    return 0;
  }

  SoSeparator* root = nullptr;
  PoRegularCartesianGrid2D* gridNode = nullptr;
  PoLinearDataMapping* mapping = nullptr;
  PoIsovaluesList* isovalues = nullptr;
  PoMeshContouring* contour = nullptr;
  int rebuilds = 0;
};

TEST_F(MeshContouring, LinesOfALinearFieldAreStraightAndOnTheirLevel)
{
  linearGrid(33, 1.0f, 0.5f); // f from 0 to 15
  const float levels[] = {1.3f, 4.1f, 7.77f, 12.46f}; // none on a node value
  isovalues->isovaluesList.setValues(0, 4, levels);
  isovalues->isovaluesList.setNum(4);
  GeometryProbe probe(root);
  ASSERT_FALSE(probe.segments().empty());

  std::vector<int> perLevel(4, 0);
  for (const GeometryProbe::Segment& s : probe.segments()) {
    const float fa = s.a[0] + 0.5f * s.a[1], fb = s.b[0] + 0.5f * s.b[1];
    int level = -1;
    for (int k = 0; k < 4; ++k)
      if (std::fabs(fa - levels[k]) <= 1e-4f * 15)
        level = k;
    ASSERT_GE(level, 0) << "vertex off every level: f = " << fa;
    EXPECT_NEAR(fb, levels[level], 1e-4 * 15);
    ++perLevel[level];
    // Straight: every piece runs along the level direction (1, -2).
    const SbVec3f d = s.b - s.a;
    EXPECT_NEAR(d[0] * 2 + d[1], 0, 1e-4 * d.length() * 15);
  }
  for (int count : perLevel)
    EXPECT_GT(count, 0);
  EXPECT_EQ(rebuilds, 1);
}

TEST_F(MeshContouring, MajorAndMinorLinesFollowThePeriod)
{
  linearGrid(12, 1.0f, 0.0f); // f = x from 0 to 10
  const float levels[] = {0.5f, 1.5f, 2.5f, 3.5f, 4.5f, 5.5f, 6.5f, 7.5f, 8.5f, 9.5f};
  isovalues->isovaluesList.setValues(0, 10, levels);
  GeometryProbe probe(root);
  EXPECT_EQ(polylines("majorContourLine"), 4); // levels 1, 4, 7, 10
  EXPECT_EQ(polylines("minorContourLine"), 6);

  contour->firstMajor = 2;
  contour->majorPeriod = 5;
  probe.apply(root);
  EXPECT_EQ(polylines("majorContourLine"), 2); // levels 2 and 7
  EXPECT_EQ(polylines("minorContourLine"), 8);
}

TEST_F(MeshContouring, EachLineTakesTheColourOfItsLevel)
{
  linearGrid(12, 1.0f, 0.0f);
  mapping->value1 = 0;
  mapping->color1.setValue(0, 0, 1);
  mapping->value2 = 10;
  mapping->color2.setValue(1, 0, 0);
  const float levels[] = {2.5f, 5.0f, 7.5f};
  isovalues->isovaluesList.setValues(0, 3, levels);
  contour->coloringType = PoMesh::COLOR_MAPPING;

  struct Seen {
    std::vector<SbColor> colors;
    std::vector<float> x;
  } seen;
  SoCallbackAction action;
  action.addLineSegmentCallback(SoLineSet::getClassTypeId(),
    [](void* data, SoCallbackAction* a, const SoPrimitiveVertex* v1, const SoPrimitiveVertex*) {
      SbColor ambient, diffuse, specular, emission;
      float shininess, transparency;
      a->getMaterial(ambient, diffuse, specular, emission, shininess, transparency, v1->getMaterialIndex());
      static_cast<Seen*>(data)->colors.push_back(diffuse);
      static_cast<Seen*>(data)->x.push_back(v1->getPoint()[0]);
    }, &seen);
  action.apply(root);
  ASSERT_FALSE(seen.x.empty());
  for (size_t i = 0; i < seen.x.size(); ++i) {
    // Blue at 0 to red at 10: the red share is the level / 10.
    EXPECT_NEAR(seen.colors[i][0], seen.x[i] / 10, 1e-4);
    EXPECT_NEAR(seen.colors[i][2], 1 - seen.x[i] / 10, 1e-4);
  }
  EXPECT_EQ(contour->getEffectiveColoring(), PoMesh::COLOR_MAPPING);
}

TEST_F(MeshContouring, MissingInputsDrawWhatTheFallbacksSay)
{
  ErrorCatcher errors;
  linearGrid(8, 1.0f, 0.0f);
  contour->coloringType = PoMesh::COLOR_CONTOURING;
  GeometryProbe probe(root);
  EXPECT_FALSE(probe.empty());
  EXPECT_EQ(contour->getEffectiveColoring(), PoMesh::COLOR_CONTOURING);

  contour->valuesIndex = 3; // no such set: nothing, and no colouring
  probe.apply(root);
  EXPECT_TRUE(probe.empty());
  EXPECT_EQ(contour->getEffectiveColoring(), PoMesh::COLOR_INHERITED);

  contour->valuesIndex = -1;
  probe.apply(root);
  EXPECT_TRUE(probe.empty());

  // A per-cell set has no value at the nodes to cut.
  PbRegularCartesianGrid2D grid(3, 3, 0, 0, 1, 1);
  const float perCell[4] = {1, 2, 3, 4};
  grid.addValuesSet(1, perCell, PbMesh::PER_CELL);
  gridNode->mesh.setValue(grid);
  contour->valuesIndex = 1;
  probe.apply(root);
  EXPECT_TRUE(probe.empty());

  // Without a data mapping or isovalues list in the state.
  SoSeparator* bare = new SoSeparator;
  bare->ref();
  PoRegularCartesianGrid2D* onlyGrid = new PoRegularCartesianGrid2D;
  linearGrid(8, 1.0f, 0.0f);
  onlyGrid->mesh.setValue(static_cast<const PbRegularCartesianGrid2D&>(gridNode->mesh.getMesh()));
  PoMeshContouring* lonely = new PoMeshContouring;
  lonely->valuesIndex = 0;
  lonely->coloringType = PoMesh::COLOR_CONTOURING;
  bare->addChild(onlyGrid);
  bare->addChild(lonely);
  probe.apply(bare);
  EXPECT_TRUE(probe.empty()); // no isovalues list: nothing to cut
  PbIsovaluesList list(2.5f, 4.5f, 2);
  lonely->setIsovaluesList(&list);
  probe.apply(bare);
  EXPECT_EQ(probe.segments().size(), 2u * 7u); // one line per level across the 7 cell rows
  // No data mapping: the lines take the inherited material.
  EXPECT_EQ(lonely->getEffectiveColoring(), PoMesh::COLOR_INHERITED);
  lonely->setIsovaluesList(nullptr);
  // A data mapping but no list: contouring colours fall back to per-node mapping.
  bare->insertChild(new PoLinearDataMapping, 1);
  probe.apply(bare);
  EXPECT_TRUE(probe.empty());
  EXPECT_EQ(lonely->getEffectiveColoring(), PoMesh::COLOR_MAPPING);
  bare->unref();
  EXPECT_EQ(errors.count(), 0);
}

TEST_F(MeshContouring, ChangesAboveRebuildOnceAtTheNextTraversal)
{
  linearGrid(8, 1.0f, 0.0f);
  contour->coloringType = PoMesh::COLOR_MAPPING;
  GeometryProbe probe(root);
  probe.apply(root);
  EXPECT_EQ(rebuilds, 1);

  const float levels[] = {2.0f, 3.0f};
  isovalues->isovaluesList.setValues(0, 2, levels);
  isovalues->isovaluesList.setNum(2);
  EXPECT_EQ(rebuilds, 1); // nothing before the traversal
  probe.apply(root);
  probe.apply(root);
  EXPECT_EQ(rebuilds, 2);
  EXPECT_EQ(polylines("majorContourLine") + polylines("minorContourLine"), 2);

  mapping->color1.setValue(0, 1, 0);
  probe.apply(root);
  probe.apply(root);
  EXPECT_EQ(rebuilds, 3);

  linearGrid(16, 0.0f, 1.0f);
  probe.apply(root);
  probe.apply(root);
  EXPECT_EQ(rebuilds, 4);
  // Lines now run along x.
  for (const GeometryProbe::Segment& s : probe.segments())
    EXPECT_NEAR(s.a[1], s.b[1], 1e-4);

  contour->majorPeriod = 1;
  probe.apply(root);
  probe.apply(root);
  EXPECT_EQ(rebuilds, 5);
}

TEST_F(MeshContouring, ExplicitInputsAreFollowedAndForgotten)
{
  root->removeChild(gridNode);
  auto* grid = new PbRegularCartesianGrid2D(6, 6, 0, 0, 5, 5);
  std::vector<float> f(36);
  for (int n = 0; n < 36; ++n)
    f[n] = static_cast<float>(n / 6); // f = x
  grid->addValuesSet(0, f.data());
  contour->setMesh(grid);
  PbIsovaluesList* list = new PbIsovaluesList;
  const float levels[] = {1.5f, 2.5f};
  list->setIrregularIsoList(2, levels);
  contour->setIsovaluesList(list);
  GeometryProbe probe(root);
  EXPECT_NEAR(probe.length(), 2 * 5, 1e-4);

  const float one[] = {3.5f};
  list->setIrregularIsoList(1, one); // the followed list changes: rebuilt at the next traversal
  probe.apply(root);
  EXPECT_NEAR(probe.length(), 5, 1e-4);

  // Rebuilt at once, outside any traversal, from the explicit inputs alone.
  contour->setUpdateMethod(PoBase::UPDATE_AT_CHANGE);
  const int before = rebuilds;
  list->setIrregularIsoList(2, levels);
  EXPECT_EQ(rebuilds, before + 1);
  EXPECT_NEAR(GeometryProbe(contour->getPart("majorContourLine", FALSE)).length() +
                GeometryProbe(contour->getPart("minorContourLine", FALSE)).length(),
              2 * 5, 1e-4);
  contour->setUpdateMethod(PoBase::UPDATE_AT_TRAVERSAL);

  delete grid; // the node forgets it and draws nothing
  probe.apply(root);
  EXPECT_TRUE(probe.empty());
  delete list;
  probe.apply(root);
}

TEST_F(MeshContouring, FieldsSurviveAFileRoundTrip)
{
  contour->majorPeriod = 4;
  contour->annotPath = PoMeshContouring::VERTICAL_PATH;
  contour->annotCrossStatus = PoMeshContouring::DONT_CROSS_CONTOUR;
  contour->zValuesIndex = 2;
  contour->coloringType = PoMesh::COLOR_AVERAGE;
  SoSeparator* back = readFromString(writeToString(contour));
  ASSERT_TRUE(back && back->getNumChildren() == 1);
  back->ref();
  SoNode* read = back->getChild(0);
  ASSERT_TRUE(read->isOfType(PoMeshContouring::getClassTypeId()));
  PoMeshContouring* copy = static_cast<PoMeshContouring*>(read);
  EXPECT_EQ(copy->majorPeriod.getValue(), 4);
  EXPECT_EQ(copy->annotPath.getValue(), PoMeshContouring::VERTICAL_PATH);
  EXPECT_EQ(copy->annotCrossStatus.getValue(), PoMeshContouring::DONT_CROSS_CONTOUR);
  EXPECT_EQ(copy->zValuesIndex.getValue(), 2);
  EXPECT_EQ(copy->coloringType.getValue(), PoMesh::COLOR_AVERAGE);
  back->unref();
}

} // namespace
