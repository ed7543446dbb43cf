// Charts of the current series: line bars, scatter plots, curve lines in thickness runs, fillings.
#include "support/ErrorCatcher.h"
#include "support/GeometryProbe.h"
#include "support/OffscreenFixture.h"
#include "support/SceneText.h"

#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/charts/PoCurveFilling.h>
#include <Gridlux/charts/PoCurveLine.h>
#include <Gridlux/charts/PoLinearBar.h>
#include <Gridlux/charts/PoScatter.h>
#include <Gridlux/attributes/PoLinearDataMapping.h>
#include <Gridlux/mesh/nodes/PoCoordinateListFilter.h>
#include <Gridlux/mesh/nodes/PoIrregularMesh1D.h>
#include <Gridlux/mesh/nodes/PoMesh1DHints.h>

#include <Inventor/actions/SoSearchAction.h>
#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoDrawStyle.h>
#include <Inventor/nodes/SoIndexedLineSet.h>
#include <Inventor/nodes/SoMarkerSet.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoMaterialBinding.h>
#include <Inventor/nodes/SoSeparator.h>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// A scene holding a series (value set 0 the ordinates, 1 the colour values) and a chart.
struct Series {
  SoSeparator* root;
  PoIrregularMesh1D* mesh;
  Series(const std::vector<float>& x, const std::vector<float>& y)
  {
    root = new SoSeparator;
    root->ref();
    mesh = new PoIrregularMesh1D;
    mesh->mesh.setGeometry(int(x.size()), x.data());
    mesh->addValuesSet(0, y.data(), "y");
    root->addChild(mesh);
  }
  ~Series() { root->unref(); }
};

std::vector<SbVec3f> segmentsOf(SoNode* part)
{
  std::vector<SbVec3f> out;
  if (!part)
    return out;
  GeometryProbe probe(part);
  for (const GeometryProbe::Segment& s : probe.segments()) {
    out.push_back(s.a);
    out.push_back(s.b);
  }
  return out;
}

template <class T> T* findIn(SoNode* part)
{
  if (!part)
    return nullptr;
  SoSearchAction search;
  search.setType(T::getClassTypeId());
  search.apply(part);
  return search.getPath() ? static_cast<T*>(search.getPath()->getTail()) : nullptr;
}

class SeriesChart : public ::testing::Test {
protected:
  static void SetUpTestSuite() { PoGridlux::init(); }
};

TEST_F(SeriesChart, LineBarsRunFromThePointsToTheThreshold)
{
  Series s({0, 1}, {2, -1});
  PoLinearBar* bars = new PoLinearBar;
  s.root->addChild(bars);
  GeometryProbe probe(s.root);
  const std::vector<SbVec3f> expected = {{0, 2, 0}, {0, 0, 0}, {1, -1, 0}, {1, 0, 0}};
  EXPECT_EQ(segmentsOf(bars->getPart("bar", FALSE)), expected);
  EXPECT_EQ(findIn<SoMaterialBinding>(bars->getPart("bar", FALSE)), nullptr); // inherited colours

  bars->orientation = PoBar::HORIZONTAL;
  bars->threshold = 1.0f;
  const float x[] = {3};
  const float y[] = {2};
  s.mesh->mesh.setGeometry(1, x);
  s.mesh->addValuesSet(0, y, "y");
  probe.apply(s.root);
  const std::vector<SbVec3f> horizontal = {{3, 2, 0}, {1, 2, 0}};
  EXPECT_EQ(segmentsOf(bars->getPart("bar", FALSE)), horizontal);

  // No ordinates: nothing, with a message from the geometry.
  ErrorCatcher errors;
  bars->yValuesIndex = 4;
  probe.apply(s.root);
  EXPECT_EQ(bars->getPart("bar", FALSE), nullptr);
}

TEST_F(SeriesChart, BarsFollowTheFilteredGeometryOfEveryInterpretation)
{
  Series s({0, 1, 2}, {0, 2, 1});
  PoMesh1DHints* hints = new PoMesh1DHints;
  s.root->addChild(hints);
  PoLinearBar* bars = new PoLinearBar;
  s.root->addChild(bars);
  // Without a filter: one bar per node whatever the interpretation.
  for (int interpretation = 0; interpretation <= 7; interpretation++) {
    hints->geomInterpretation = interpretation;
    GeometryProbe probe(s.root);
    EXPECT_EQ(segmentsOf(bars->getPart("bar", FALSE)).size(), 6u) << interpretation;
  }
  // A coordinate filter cuts the interpreted curve: at x = 0.5 the polyline, the stairs and the
  // vertical-first stairs stand at 1, 0 and 2; x = 1.5 adds a second bar.
  PoCoordinateListFilter* filter = new PoCoordinateListFilter;
  filter->coord.setValues(0, 2, std::vector<float>{0.5f, 1.5f}.data());
  s.root->insertChild(filter, 2);
  const float expected[3][2] = {{1, 1.5f}, {0, 2}, {2, 1}};
  const int interpretations[3] = {PoMesh1DHints::AS_IS, PoMesh1DHints::STAIRS_X, PoMesh1DHints::STAIRS_Y};
  for (int k = 0; k < 3; k++) {
    hints->geomInterpretation = interpretations[k];
    GeometryProbe probe(s.root);
    const std::vector<SbVec3f> got = segmentsOf(bars->getPart("bar", FALSE));
    ASSERT_EQ(got.size(), 4u) << k;
    EXPECT_EQ(got[0], SbVec3f(0.5f, expected[k][0], 0)) << k;
    EXPECT_EQ(got[1], SbVec3f(0.5f, 0, 0)) << k;
    EXPECT_EQ(got[2], SbVec3f(1.5f, expected[k][1], 0)) << k;
  }
  // The smooth interpretation: the bar top lies on the spline, between the neighbours' values.
  hints->geomInterpretation = PoMesh1DHints::SMOOTH;
  GeometryProbe probe(s.root);
  const std::vector<SbVec3f> smooth = segmentsOf(bars->getPart("bar", FALSE));
  ASSERT_EQ(smooth.size(), 4u);
  EXPECT_GT(smooth[0][1], 1.0f); // a natural spline bulges above the chord here
}

TEST_F(SeriesChart, ScatterMarkersCycleAndTakeZValues)
{
  Series s({0, 1, 2}, {1, 2, 3});
  const float z[] = {5, 6, 7};
  s.mesh->addValuesSet(2, z, "z");
  PoScatter* scatter = new PoScatter;
  scatter->markerIndex.setValues(0, 2, std::vector<int32_t>{0, 5}.data());
  scatter->zValuesIndex = 2;
  s.root->addChild(scatter);
  GeometryProbe probe(s.root);
  const std::vector<SbVec3f> expected = {{0, 1, 5}, {1, 2, 6}, {2, 3, 7}};
  EXPECT_EQ(probe.points(), expected);
  SoMarkerSet* set = findIn<SoMarkerSet>(scatter->getPart("scatter", FALSE));
  ASSERT_NE(set, nullptr);
  ASSERT_EQ(set->markerIndex.getNum(), 3);
  EXPECT_EQ(set->markerIndex[0], 0);
  EXPECT_EQ(set->markerIndex[1], 5);
  EXPECT_EQ(set->markerIndex[2], 0);

  scatter->zValuesIndex = 9; // missing: z = 0
  probe.apply(s.root);
  const std::vector<SbVec3f> flat = {{0, 1, 0}, {1, 2, 0}, {2, 3, 0}};
  EXPECT_EQ(probe.points(), flat);
}

TEST_F(SeriesChart, CurveLineRunsOfEqualThickness)
{
  Series s({0, 1, 2, 3, 4, 5, 6}, {0, 1, 0, 1, 0, 1, 0});
  const float thickness[] = {1, 1, 3, 3, 3, 2, 2};
  s.mesh->addValuesSet(3, thickness, "t");
  PoCurveLine* line = new PoCurveLine;
  s.root->addChild(line);
  GeometryProbe plain(s.root);
  EXPECT_EQ(plain.segments().size(), 6u);
  EXPECT_EQ(findIn<SoDrawStyle>(line->getPart("curve", FALSE)), nullptr);

  line->thicknessIndex = 3;
  line->thicknessFactor = 2.0f;
  GeometryProbe runs(s.root);
  EXPECT_EQ(runs.segments().size(), 6u); // consecutive runs share their boundary node
  SoSearchAction search;
  search.setType(SoDrawStyle::getClassTypeId());
  search.setInterest(SoSearchAction::ALL);
  search.apply(line->getPart("curve", FALSE));
  ASSERT_EQ(search.getPaths().getLength(), 3);
  const float widths[] = {2, 6, 4};
  for (int r = 0; r < 3; r++)
    EXPECT_FLOAT_EQ(static_cast<SoDrawStyle*>(search.getPaths()[r]->getTail())->lineWidth.getValue(), widths[r]);
  search.setType(SoIndexedLineSet::getClassTypeId());
  search.apply(line->getPart("curve", FALSE));
  ASSERT_EQ(search.getPaths().getLength(), 3);
  const SoIndexedLineSet* second = static_cast<SoIndexedLineSet*>(search.getPaths()[1]->getTail());
  ASSERT_EQ(second->coordIndex.getNum(), 5);
  EXPECT_EQ(second->coordIndex[0], 2);
  EXPECT_EQ(second->coordIndex[3], 5);

  // Per-segment colours from a material: the indexed binding and one entry per segment.
  SoMaterial* material = new SoMaterial;
  material->diffuseColor.setValues(0, 2, std::vector<SbColor>{SbColor(1, 0, 0), SbColor(0, 1, 0)}.data());
  line->material = material;
  line->colorBinding = PoChart::PER_PART;
  GeometryProbe colored(s.root);
  SoMaterialBinding* binding = findIn<SoMaterialBinding>(line->getPart("curve", FALSE));
  ASSERT_NE(binding, nullptr);
  EXPECT_EQ(binding->value.getValue(), SoMaterialBinding::PER_PART_INDEXED);
  const SoMaterial* built = static_cast<SoMaterial*>(line->getPart("appearance.material", FALSE));
  ASSERT_NE(built, nullptr);
  EXPECT_EQ(built->diffuseColor.getNum(), 7);
  EXPECT_EQ(built->diffuseColor[3], SbColor(0, 1, 0));

  s.root->removeChild(s.mesh); // no series: empty
  GeometryProbe none(s.root);
  EXPECT_EQ(line->getPart("curve", FALSE), nullptr);
}

TEST_F(SeriesChart, FillingAreaMatchesTheIntegralInBothOrientations)
{
  Series s({0, 1, 3, 4}, {2, -2, 1, 1});
  PoCurveFilling* filling = new PoCurveFilling;
  filling->threshold = 0.5f;
  s.root->addChild(filling);
  GeometryProbe probe(s.root);
  // |y - 0.5| of the polyline: 0..1 crosses at x = 3/8 (triangles 1.5 * 3/8 / 2 and 2.5 * 5/8 / 2),
  // 1..3 at x = 8/3 (2.5 * 5/3 / 2 and 0.5 * 1/3 / 2), 3..4 is a rectangle of 0.5.
  const double vertical = 1.5 * 0.375 / 2 + 2.5 * 0.625 / 2 + 2.5 * (5.0 / 3) / 2 + 0.5 * (1.0 / 3) / 2 + 0.5;
  EXPECT_NEAR(GeometryProbe(filling->getPart("filling", FALSE)).area(), vertical, 1e-5);
  EXPECT_EQ(probe.segments().size(), 3u); // the line is drawn too

  // Horizontal: toward x = 2, the series is y from 2 down to -2 then up: integrate |x - 2| dy.
  filling->orientation = PoCurveFilling::HORIZONTAL;
  filling->threshold = 2.0f;
  probe.apply(s.root);
  // Segments (x, y): (0,2)-(1,-2): |x-2| from 2 to 1 over dy 4 -> 6; (1,-2)-(3,1): crosses at
  // x = 2 (y = -0.5): 1 * 1.5 / 2 + 1 * 1.5 / 2 = 1.5; (3,1)-(4,1): dy 0 -> 0.
  EXPECT_NEAR(GeometryProbe(filling->getPart("filling", FALSE)).area(), 7.5, 1e-5);
}

TEST_F(SeriesChart, FilesKeepTheChartsAndRebuildThem)
{
  Series s({0, 1, 2}, {1, -1, 2});
  PoLinearBar* bars = new PoLinearBar;
  bars->threshold = -0.5f;
  PoScatter* scatter = new PoScatter;
  PoCurveFilling* filling = new PoCurveFilling;
  filling->thicknessFactor = 3;
  s.root->addChild(bars);
  s.root->addChild(scatter);
  s.root->addChild(filling);
  GeometryProbe before(s.root);
  SoSeparator* back = readFromString(writeToString(s.root));
  ASSERT_NE(back, nullptr);
  back->ref();
  ASSERT_EQ(back->getNumChildren(), 4);
  PoLinearBar* readBars = dynamic_cast<PoLinearBar*>(back->getChild(1));
  ASSERT_NE(readBars, nullptr);
  EXPECT_FLOAT_EQ(readBars->threshold.getValue(), -0.5f);
  ASSERT_NE(dynamic_cast<PoScatter*>(back->getChild(2)), nullptr);
  PoCurveFilling* readFilling = dynamic_cast<PoCurveFilling*>(back->getChild(3));
  ASSERT_NE(readFilling, nullptr);
  EXPECT_FLOAT_EQ(readFilling->thicknessFactor.getValue(), 3.0f);
  GeometryProbe after(back);
  EXPECT_EQ(after.segments().size(), before.segments().size());
  EXPECT_EQ(after.points().size(), before.points().size());
  EXPECT_NEAR(after.area(), before.area(), 1e-6);
  back->unref();
}

// On screen: a line bar coloured through the data mapping shows the mapped colour.
class SeriesChartImage : public gridlux::test::OffscreenFixture {};

TEST_F(SeriesChartImage, LineBarShowsTheMappedColour)
{
  PoGridlux::init();
  SoNode* scene = readScene("#Inventor V2.1 ascii\n"
                            "Separator {\n"
                            "  OrthographicCamera { position 0 1 10  height 3  nearDistance 1  farDistance 20 }\n"
                            "  LightModel { model BASE_COLOR }\n"
                            "  DrawStyle { lineWidth 9 }\n"
                            "  PoLinearDataMapping { value1 0 color1 1 0 0  value2 1 color2 0 0 1 }\n"
                            "}\n");
  ASSERT_NE(scene, nullptr);
  scene->ref();
  PoIrregularMesh1D* mesh = new PoIrregularMesh1D;
  // The first bar is off screen, so a binding that gave the seen bar the first colour would fail.
  const float x[] = {-10, 0};
  const float y[] = {2, 2};
  const float c[] = {1, 0.25f};
  mesh->mesh.setGeometry(2, x);
  mesh->addValuesSet(0, y, "y");
  mesh->addValuesSet(1, c, "c");
  PoLinearBar* bars = new PoLinearBar;
  bars->colorBinding = PoChart::PER_PART;
  static_cast<SoSeparator*>(scene)->addChild(mesh);
  static_cast<SoSeparator*>(scene)->addChild(bars);
  const gridlux::offscreen::RgbaImage image = render(scene, 200, 200, SbColor(0, 0, 0));
  const SbColor mapped(0.75f, 0, 0.25f); // 0.25 of the way from red to blue
  for (int row : {80, 100, 120})
    EXPECT_TRUE(gridlux::test::pixelIs(image, 100, row, mapped, 2)) << "row " << row;
  EXPECT_TRUE(gridlux::test::pixelIs(image, 60, 100, SbColor(0, 0, 0), 2)); // beside the bar
  scene->unref();
}

} // namespace
