// Solid bar charts and the solid scatter plot over a series: closed bars on the threshold, their
// volumes, colours per bar, profiles of the state, domain stretch, bad input and files.
#include "support/ErrorCatcher.h"
#include "support/GeometryProbe.h"
#include "support/OffscreenFixture.h"
#include "support/SceneText.h"
#include "support/SolidCheck.h"

#include <Gridlux/attributes/PoDomain.h>
#include <Gridlux/attributes/PoEllipticProfile.h>
#include <Gridlux/attributes/PoLinearDataMapping.h>
#include <Gridlux/attributes/PoSquareProfile.h>
#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/charts/PoConicBar.h>
#include <Gridlux/charts/PoCylindricalBar.h>
#include <Gridlux/charts/PoGeneralizedBar.h>
#include <Gridlux/charts/PoGeneralizedScatter.h>
#include <Gridlux/charts/PoProfileBar.h>
#include <Gridlux/mesh/nodes/PoCoordinateListFilter.h>
#include <Gridlux/mesh/nodes/PoIrregularMesh1D.h>
#include <Gridlux/mesh/nodes/PoMesh1DHints.h>

#include <Inventor/SbColor.h>
#include <Inventor/SoPrimitiveVertex.h>
#include <Inventor/actions/SoCallbackAction.h>
#include <Inventor/actions/SoSearchAction.h>
#include <Inventor/nodes/SoIndexedFaceSet.h>
#include <Inventor/nodes/SoSeparator.h>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

const double kPi = M_PI;

// Area of the regular n-gon inscribed in the circle of radius r.
double polygonArea(int n, double r)
{
  return 0.5 * n * r * r * std::sin(2 * kPi / n);
}

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

// The triangles of @p root split by the nearest of @p at along world axis @p axis (centroids).
std::vector<std::vector<GeometryProbe::Triangle>> solidsAlong(SoNode* root, int axis, const std::vector<float>& at)
{
  std::vector<std::vector<GeometryProbe::Triangle>> solids(at.size());
  GeometryProbe probe(root);
  for (const GeometryProbe::Triangle& t : probe.triangles()) {
    const float c = (t.v[0][axis] + t.v[1][axis] + t.v[2][axis]) / 3;
    size_t best = 0;
    for (size_t k = 1; k < at.size(); k++)
      if (std::fabs(at[k] - c) < std::fabs(at[best] - c))
        best = k;
    solids[best].push_back(t);
  }
  return solids;
}

SbBox3f boxOf(const std::vector<GeometryProbe::Triangle>& tris)
{
  SbBox3f box;
  for (const GeometryProbe::Triangle& t : tris)
    for (const SbVec3f& v : t.v)
      box.extendBy(v);
  return box;
}

// Per triangle: its centroid and the diffuse colour the toolkit gives it.
struct Colored {
  SbVec3f centroid;
  SbColor color;
};

std::vector<Colored> coloredTriangles(SoNode* root)
{
  std::vector<Colored> out;
  SoCallbackAction action;
  action.addTriangleCallback(
      SoShape::getClassTypeId(),
      [](void* data, SoCallbackAction* a, const SoPrimitiveVertex* v1, const SoPrimitiveVertex* v2,
         const SoPrimitiveVertex* v3) {
        SbColor ambient, diffuse, specular, emission;
        float shininess, transparency;
        a->getMaterial(ambient, diffuse, specular, emission, shininess, transparency, v1->getMaterialIndex());
        const SbVec3f c = (v1->getPoint() + v2->getPoint() + v3->getPoint()) / 3;
        static_cast<std::vector<Colored>*>(data)->push_back({c, diffuse});
      },
      &out);
  action.apply(root);
  return out;
}

int countFaceSets(SoNode* part)
{
  if (!part)
    return 0;
  SoSearchAction search;
  search.setType(SoIndexedFaceSet::getClassTypeId());
  search.setInterest(SoSearchAction::ALL);
  search.apply(part);
  return search.getPaths().getLength();
}

class SolidChart : public ::testing::Test {
protected:
  static void SetUpTestSuite() { PoGridlux::init(); }
};

// Cylinders: closed, from the threshold to the value in both orientations, of the volume of their
// 16-point polygon times the height, and within the polygon's error of pi r^2 h.
TEST_F(SolidChart, CylindersStandOnTheThresholdWithThePolygonVolume)
{
  const std::vector<float> x = {0, 1, 2}, y = {2, -1, 3};
  Series s(x, y);
  PoCylindricalBar* bars = new PoCylindricalBar;
  bars->barRadius = 0.3f;
  bars->threshold = 0.5f;
  s.root->addChild(bars);
  const double r = 0.3, prism = polygonArea(16, r);
  const double tessellation = 1.0 - polygonArea(16, 1.0) / kPi; // relative loss of the 16-gon
  for (int orientation : {PoBar::VERTICAL, PoBar::HORIZONTAL}) {
    bars->orientation = orientation;
    const bool vertical = orientation == PoBar::VERTICAL;
    // Horizontal bars stand at the ordinates, across y.
    const std::vector<std::vector<GeometryProbe::Triangle>> solids = solidsAlong(s.root, vertical ? 0 : 1,
                                                                                 vertical ? x : y);
    EXPECT_EQ(countFaceSets(bars->getPart("bar", FALSE)), 1);
    for (size_t i = 0; i < x.size(); i++) {
      const SolidReport solid = checkSolid(solids[i]);
      EXPECT_TRUE(solid.closed()) << i;
      const float value = vertical ? y[i] : x[i];
      const double h = std::fabs(value - 0.5);
      EXPECT_NEAR(solid.volume, prism * h, 1e-5 * prism * h) << i;
      EXPECT_LT(std::fabs(solid.volume - kPi * r * r * h) / (kPi * r * r * h), tessellation + 1e-5) << i;
      const SbBox3f box = boxOf(solids[i]);
      const int along = vertical ? 1 : 0;
      EXPECT_NEAR(box.getMin()[along], std::min(0.5f, value), 1e-6) << i;
      EXPECT_NEAR(box.getMax()[along], std::max(0.5f, value), 1e-6) << i;
      const float centre = vertical ? x[i] : y[i];
      EXPECT_NEAR(box.getCenter()[vertical ? 0 : 1], centre, 1e-6) << i;
      EXPECT_NEAR(box.getMax()[2] - box.getMin()[2], 2 * r, 1e-6) << i;
    }
  }
}

TEST_F(SolidChart, ConesHaveTheirBaseOnTheThresholdAndTheirApexAtTheValue)
{
  const std::vector<float> x = {0, 2}, y = {3, -2};
  Series s(x, y);
  PoConicBar* cones = new PoConicBar;
  s.root->addChild(cones);
  // Default radius: 0.4 of the spacing of 2.
  const double r = 0.8;
  const std::vector<std::vector<GeometryProbe::Triangle>> solids = solidsAlong(s.root, 0, x);
  for (size_t i = 0; i < x.size(); i++) {
    const SolidReport solid = checkSolid(solids[i]);
    EXPECT_TRUE(solid.closed()) << i;
    const double h = std::fabs(y[i]);
    EXPECT_NEAR(solid.volume, polygonArea(16, r) * h / 3, 1e-5 * polygonArea(16, r) * h) << i;
    // The widest place is the base on y = 0; the apex reaches the value.
    const SbBox3f box = boxOf(solids[i]);
    EXPECT_NEAR(box.getMax()[0] - box.getMin()[0], 2 * r, 1e-6) << i;
    EXPECT_NEAR(y[i] > 0 ? box.getMax()[1] : box.getMin()[1], y[i], 1e-6) << i;
    for (const GeometryProbe::Triangle& t : solids[i])
      for (const SbVec3f& v : t.v)
        if (std::fabs(v[1] - y[i]) < 1e-6)
          EXPECT_NEAR(v[0], x[i], 1e-6) << i; // only the apex lies at the value
  }
}

// A generalized bar with top ratio t over a square profile: A h (1 + t + t^2) / 3; the profile of
// the state applies and a change of it rebuilds the bars.
TEST_F(SolidChart, GeneralizedBarsTaperTheStateProfile)
{
  const std::vector<float> x = {0, 1}, y = {2, 4};
  Series s(x, y);
  PoSquareProfile* square = new PoSquareProfile;
  square->size = 2.0f;
  s.root->addChild(square);
  PoGeneralizedBar* bars = new PoGeneralizedBar;
  bars->barSize = 0.2f;
  s.root->addChild(bars);
  const double side = 2.0 * 0.2, area = side * side;
  for (float t : {1.0f, 0.5f, 0.0f, 1.5f}) {
    bars->topRatio = t;
    const std::vector<std::vector<GeometryProbe::Triangle>> solids = solidsAlong(s.root, 0, x);
    for (size_t i = 0; i < x.size(); i++) {
      const SolidReport solid = checkSolid(solids[i]);
      EXPECT_TRUE(solid.closed()) << t << " " << i;
      const double expected = area * y[i] * (1 + t + t * t) / 3;
      EXPECT_NEAR(solid.volume, expected, 1e-5 * expected) << t << " " << i;
    }
  }
  bars->topRatio = 1.0f;
  square->size = 1.0f; // a new profile: the bars follow
  const std::vector<std::vector<GeometryProbe::Triangle>> smaller = solidsAlong(s.root, 0, x);
  EXPECT_NEAR(checkSolid(smaller[1]).volume, 0.2 * 0.2 * 4, 1e-6);
  EXPECT_NEAR(boxOf(smaller[1]).getMax()[0] - boxOf(smaller[1]).getMin()[0], 0.2, 1e-6);
}

TEST_F(SolidChart, ProfileBarsExtrudeTheProfileAcrossTheBar)
{
  const std::vector<float> x = {0, 3}, y = {1, 2};
  Series s(x, y);
  PoEllipticProfile* ellipse = new PoEllipticProfile;
  ellipse->radiusX = 1.0f;
  ellipse->radiusY = 0.5f;
  s.root->addChild(ellipse);
  PoProfileBar* bars = new PoProfileBar;
  bars->barSize = 0.4f;
  s.root->addChild(bars);
  std::vector<std::vector<GeometryProbe::Triangle>> solids = solidsAlong(s.root, 0, x);
  // The profile's x along the chart's x, its y along z.
  const double ellipseArea = polygonArea(16, 1.0) * 0.5 * 0.4 * 0.4;
  for (size_t i = 0; i < x.size(); i++) {
    const SolidReport solid = checkSolid(solids[i]);
    EXPECT_TRUE(solid.closed());
    EXPECT_NEAR(solid.volume, ellipseArea * y[i], 1e-5 * ellipseArea * y[i]);
    const SbBox3f box = boxOf(solids[i]);
    EXPECT_NEAR(box.getMax()[0] - box.getMin()[0], 0.8, 1e-6);
    EXPECT_NEAR(box.getMax()[2] - box.getMin()[2], 0.4, 1e-6);
  }
  // Horizontal: the profile's x runs along y.
  bars->orientation = PoBar::HORIZONTAL;
  solids = solidsAlong(s.root, 1, y);
  const SbBox3f box = boxOf(solids[1]);
  EXPECT_NEAR(box.getMax()[1] - box.getMin()[1], 0.8, 1e-6);
  EXPECT_NEAR(box.getMin()[0], 0.0, 1e-6);
  EXPECT_NEAR(box.getMax()[0], 3.0, 1e-6);
}

// Bars at every vertex of a stepped series, each with the colour of its point through the data
// mapping; inherited colours leave no binding.
TEST_F(SolidChart, BarsTakeTheColourOfTheirPointAndFollowTheGeometry)
{
  const std::vector<float> x = {0, 1, 2}, y = {1, 3, 2}, c = {0, 0.5f, 1};
  Series s(x, y);
  s.mesh->addValuesSet(1, c.data(), "c");
  PoLinearDataMapping* mapping = new PoLinearDataMapping;
  mapping->value1 = 0;
  mapping->color1.setValue(1, 0, 0);
  mapping->value2 = 1;
  mapping->color2.setValue(0, 0, 1);
  s.root->addChild(mapping);
  PoCylindricalBar* bars = new PoCylindricalBar;
  bars->barRadius = 0.1f;
  s.root->addChild(bars);
  for (const Colored& t : coloredTriangles(s.root))
    EXPECT_EQ(t.color, SbColor(0.8f, 0.8f, 0.8f)); // the toolkit's default material

  bars->colorBinding = PoChart::PER_PART;
  const std::vector<Colored> colored = coloredTriangles(s.root);
  ASSERT_FALSE(colored.empty());
  for (const Colored& t : colored) {
    const int i = int(std::lround(t.centroid[0]));
    const SbColor expected(1 - c[i], 0, c[i]);
    EXPECT_TRUE(t.color.equals(expected, 1e-5f)) << "bar " << i;
  }

  // A coordinate filter on the stairs (0,1) (1,1) (1,3) (2,3) (2,2): bars at x = 0.5 and 1.5, of 1 and 3.
  PoMesh1DHints* hints = new PoMesh1DHints;
  hints->geomInterpretation = PoMesh1DHints::STAIRS_X;
  PoCoordinateListFilter* filter = new PoCoordinateListFilter;
  filter->coord.setValues(0, 2, std::vector<float>{0.5f, 1.5f}.data());
  s.root->insertChild(hints, 1);
  s.root->insertChild(filter, 2);
  const std::vector<std::vector<GeometryProbe::Triangle>> solids = solidsAlong(s.root, 0, {0.5f, 1.5f});
  for (int i = 0; i < 2; i++) {
    const double expected = polygonArea(16, 0.1) * (i ? 3 : 1);
    EXPECT_NEAR(checkSolid(solids[i]).volume, expected, 1e-5 * expected) << i;
    EXPECT_NEAR(boxOf(solids[i]).getCenter()[0], i ? 1.5f : 0.5f, 1e-6) << i;
    EXPECT_EQ(solids[i].size() * 3, colored.size()) << i;
  }
}

TEST_F(SolidChart, BadSizesPostAMessageAndUseTheDefault)
{
  Series s({0, 1}, {1, 1});
  PoCylindricalBar* bars = new PoCylindricalBar;
  s.root->addChild(bars);
  {
    GeometryProbe probe(s.root);
    EXPECT_NEAR(probe.bbox().getMax()[2] - probe.bbox().getMin()[2], 0.8, 1e-6); // 0.4 x spacing 1, twice
  }
  ErrorCatcher errors;
  bars->barRadius = -1.0f;
  GeometryProbe negative(s.root);
  EXPECT_TRUE(errors.contains("barRadius -1 is not a size"));
  EXPECT_NEAR(negative.bbox().getMax()[2] - negative.bbox().getMin()[2], 0.8, 1e-6);

  errors.clear();
  PoGeneralizedBar* general = new PoGeneralizedBar;
  general->topRatio = NAN;
  general->barSize = INFINITY;
  s.root->replaceChild(bars, general);
  GeometryProbe probe(s.root);
  EXPECT_TRUE(errors.contains("topRatio nan is not a ratio"));
  EXPECT_TRUE(errors.contains("barSize inf is not a size"));
  EXPECT_NEAR(checkSolid(probe.triangles()).volume, 2 * polygonArea(16, 0.4), 1e-5); // prisms of height 1

  errors.clear();
  general->threshold = NAN;
  probe.apply(s.root);
  EXPECT_TRUE(errors.contains("threshold nan is not a finite number; nothing drawn"));
  EXPECT_EQ(general->getPart("bar", FALSE), nullptr);

  // No series: nothing, quietly.
  errors.clear();
  general->threshold = 0;
  general->topRatio = 1;
  general->barSize = 0;
  s.root->removeChild(s.mesh);
  probe.apply(s.root);
  EXPECT_EQ(general->getPart("bar", FALSE), nullptr);
  EXPECT_EQ(errors.count(), 0);
}

// Under a stretching domain transform the bars and markers stay round in the scene.
TEST_F(SolidChart, SolidsStayRoundUnderTheDomainTransform)
{
  Series s({0, 10}, {50, 100});
  PoDomain* domain = new PoDomain;
  domain->min.setValue(0, 0, 0);
  domain->max.setValue(10, 100, 1);
  s.root->insertChild(domain, 0);
  PoCylindricalBar* bars = new PoCylindricalBar;
  bars->barRadius = 1.0f;
  s.root->addChild(bars);
  const std::vector<std::vector<GeometryProbe::Triangle>> solids = solidsAlong(s.root, 0, {0, 10});
  const SbBox3f box = boxOf(solids[1]);
  EXPECT_NEAR(box.getMax()[0] - box.getMin()[0], 2.0, 1e-5);
  EXPECT_NEAR(box.getMax()[2] - box.getMin()[2], 2.0, 1e-5);
  EXPECT_NEAR(box.getMax()[1], 10.0, 1e-4); // y scaled by 10 / 100
  // A new depth of the domain rebuilds the bars, still round.
  domain->max.setValue(10, 100, 4);
  const SbBox3f deeper = boxOf(solidsAlong(s.root, 0, {0, 10})[1]);
  EXPECT_NEAR(deeper.getMax()[2] - deeper.getMin()[2], 2.0, 1e-5);
  domain->max.setValue(10, 100, 1);

  s.root->removeChild(bars);
  PoGeneralizedScatter* scatter = new PoGeneralizedScatter;
  scatter->markerShape = PoGeneralizedScatter::CUBE;
  s.root->addChild(scatter);
  GeometryProbe probe(s.root);
  const SbBox3f all = probe.bbox();
  // Default size 0.02 of the x extent of 10, the same on every axis in the scene.
  EXPECT_NEAR(all.getMax()[2] - all.getMin()[2], 0.2, 1e-5);
  EXPECT_NEAR(all.getMax()[1] - all.getMin()[1], 5.0 + 0.2, 1e-4);
}

// Solids centred on the points, of the marker size or scaled by the size values.
TEST_F(SolidChart, ScatterSolidsAreCentredAndSizedByTheValues)
{
  const std::vector<float> x = {0, 2, 4}, y = {1, -1, 3}, v = {2, 4, -1};
  Series s(x, y);
  s.mesh->addValuesSet(2, v.data(), "size");
  PoGeneralizedScatter* scatter = new PoGeneralizedScatter;
  scatter->markerSize = 0.5f;
  s.root->addChild(scatter);
  const double sphere = 4.0 / 3.0 * kPi * 0.25 * 0.25 * 0.25;
  for (int shape : {PoGeneralizedScatter::SPHERE, PoGeneralizedScatter::CUBE, PoGeneralizedScatter::CONE}) {
    scatter->markerShape = shape;
    const std::vector<std::vector<GeometryProbe::Triangle>> solids = solidsAlong(s.root, 0, x);
    for (size_t i = 0; i < x.size(); i++) {
      const SolidReport solid = checkSolid(solids[i]);
      EXPECT_TRUE(solid.closed()) << shape << " " << i;
      const SbBox3f box = boxOf(solids[i]);
      EXPECT_NEAR(box.getCenter()[0], x[i], 1e-6);
      EXPECT_NEAR(box.getCenter()[1], y[i], 1e-6);
      EXPECT_NEAR(box.getCenter()[2], 0, 1e-6);
      EXPECT_NEAR(box.getMax()[1] - box.getMin()[1], 0.5, 1e-6);
      if (shape == PoGeneralizedScatter::CUBE)
        EXPECT_NEAR(solid.volume, 0.125, 1e-6);
      if (shape == PoGeneralizedScatter::SPHERE) {
        EXPECT_LT(solid.volume, sphere);
        EXPECT_GT(solid.volume, 0.9 * sphere);
      }
    }
  }
  // Sized by the values: |v| / max |v| of the marker size.
  scatter->markerShape = PoGeneralizedScatter::CUBE;
  scatter->sizeValuesIndex = 2;
  const std::vector<std::vector<GeometryProbe::Triangle>> sized = solidsAlong(s.root, 0, x);
  for (size_t i = 0; i < x.size(); i++) {
    const double side = 0.5 * std::fabs(v[i]) / 4;
    EXPECT_NEAR(checkSolid(sized[i]).volume, side * side * side, 1e-7) << i;
    EXPECT_NEAR(boxOf(sized[i]).getCenter()[1], y[i], 1e-6) << i;
  }

  // A missing value set: a warning, every marker of markerSize.
  ErrorCatcher errors;
  scatter->sizeValuesIndex = 7;
  const std::vector<std::vector<GeometryProbe::Triangle>> missing = solidsAlong(s.root, 0, x);
  EXPECT_TRUE(errors.contains("no value set 7 for the sizes"));
  for (size_t i = 0; i < x.size(); i++)
    EXPECT_NEAR(checkSolid(missing[i]).volume, 0.125, 1e-6) << i;
}

TEST_F(SolidChart, ProfileMarkersFaceTheViewer)
{
  Series s({0}, {0});
  PoSquareProfile* square = new PoSquareProfile;
  s.root->addChild(square);
  PoGeneralizedScatter* scatter = new PoGeneralizedScatter;
  scatter->markerShape = PoGeneralizedScatter::PROFILE;
  scatter->markerSize = 2.0f;
  s.root->addChild(scatter);
  GeometryProbe probe(s.root);
  const SolidReport solid = checkSolid(probe.triangles());
  EXPECT_TRUE(solid.closed());
  EXPECT_NEAR(solid.volume, 1.0 * 1.0 * 2.0, 1e-6); // the unit square scaled by 1, 2 deep
  // Seen from +z the front face covers the square once.
  double front = 0;
  for (const GeometryProbe::Triangle& t : probe.triangles())
    if (t.v[0][2] > 0.99f && t.v[1][2] > 0.99f && t.v[2][2] > 0.99f)
      front += t.signedAreaXY() / 2;
  EXPECT_NEAR(front, 1.0, 1e-6);

  ErrorCatcher errors;
  scatter->markerShape = 9;
  scatter->markerSize = -2.0f;
  probe.apply(s.root);
  EXPECT_TRUE(errors.contains("markerShape 9 is not a shape"));
  EXPECT_TRUE(errors.contains("markerSize -2 is not a size"));
  EXPECT_NEAR(probe.bbox().getMax()[0] - probe.bbox().getMin()[0], 0.02, 1e-6); // default sphere
}

TEST_F(SolidChart, FilesKeepTheSolidChartsAndRebuildThem)
{
  Series s({0, 1, 2}, {1, -1, 2});
  PoEllipticProfile* ellipse = new PoEllipticProfile;
  s.root->addChild(ellipse);
  PoConicBar* cones = new PoConicBar;
  cones->barRadius = 0.2f;
  PoGeneralizedBar* general = new PoGeneralizedBar;
  general->topRatio = 0.25f;
  general->orientation = PoBar::HORIZONTAL;
  general->threshold = -0.5f;
  PoGeneralizedScatter* scatter = new PoGeneralizedScatter;
  scatter->markerShape = PoGeneralizedScatter::CONE;
  scatter->sizeValuesIndex = 0;
  s.root->addChild(cones);
  s.root->addChild(general);
  s.root->addChild(scatter);
  s.root->addChild(new PoCylindricalBar);
  s.root->addChild(new PoProfileBar);
  GeometryProbe before(s.root);
  SoSeparator* back = readFromString(writeToString(s.root));
  ASSERT_NE(back, nullptr);
  back->ref();
  ASSERT_EQ(back->getNumChildren(), 7);
  PoGeneralizedBar* readGeneral = dynamic_cast<PoGeneralizedBar*>(back->getChild(3));
  ASSERT_NE(readGeneral, nullptr);
  EXPECT_FLOAT_EQ(readGeneral->topRatio.getValue(), 0.25f);
  EXPECT_EQ(readGeneral->orientation.getValue(), int(PoBar::HORIZONTAL));
  PoGeneralizedScatter* readScatter = dynamic_cast<PoGeneralizedScatter*>(back->getChild(4));
  ASSERT_NE(readScatter, nullptr);
  EXPECT_EQ(readScatter->markerShape.getValue(), int(PoGeneralizedScatter::CONE));
  EXPECT_EQ(readScatter->sizeValuesIndex.getValue(), 0);
  EXPECT_NE(dynamic_cast<PoCylindricalBar*>(back->getChild(5)), nullptr);
  EXPECT_NE(dynamic_cast<PoProfileBar*>(back->getChild(6)), nullptr);
  GeometryProbe after(back);
  EXPECT_EQ(after.triangles().size(), before.triangles().size());
  EXPECT_NEAR(checkSolid(after.triangles()).volume, checkSolid(before.triangles()).volume, 1e-5);
  back->unref();
}

} // namespace

namespace {

// On screen: the face set's per-bar binding gives the seen bar its own mapped colour, and the
// solids' winding survives the back-face culling their shape hints allow.
class SolidChartImage : public gridlux::test::OffscreenFixture {};

TEST_F(SolidChartImage, CylinderShowsItsMappedColour)
{
  PoGridlux::init();
  SoNode* scene = readScene("#Inventor V2.1 ascii\n"
                            "Separator {\n"
                            "  OrthographicCamera { position 0 1 10  height 3  nearDistance 1  farDistance 20 }\n"
                            "  LightModel { model BASE_COLOR }\n"
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
  PoCylindricalBar* bars = new PoCylindricalBar;
  bars->barRadius = 0.3f;
  bars->colorBinding = PoChart::PER_PART;
  static_cast<SoSeparator*>(scene)->addChild(mesh);
  static_cast<SoSeparator*>(scene)->addChild(bars);
  const gridlux::offscreen::RgbaImage image = render(scene, 200, 200, SbColor(0, 0, 0));
  const SbColor mapped(0.75f, 0, 0.25f);
  for (int row : {60, 100, 120})
    EXPECT_TRUE(gridlux::test::pixelIs(image, 100, row, mapped, 2)) << "row " << row;
  EXPECT_TRUE(gridlux::test::pixelIs(image, 60, 100, SbColor(0, 0, 0), 2)); // beside the bar
  EXPECT_TRUE(gridlux::test::pixelIs(image, 100, 20, SbColor(0, 0, 0), 2));  // above its top at y = 2
  scene->unref();
}

} // namespace
