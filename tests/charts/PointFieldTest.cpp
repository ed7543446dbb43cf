// Free point sets: markers coloured and sized by their values, bars from a threshold, the
// plain-array helpers under them, bad lists and files.
#include "support/ErrorCatcher.h"
#include "support/GeometryProbe.h"
#include "support/OffscreenFixture.h"
#include "support/SceneText.h"

#include <Gridlux/attributes/PoDomain.h>
#include <Gridlux/attributes/PoLinearDataMapping.h>
#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/charts/PiPointField.h>
#include <Gridlux/charts/PoPointsFieldBars.h>
#include <Gridlux/charts/PoValuedMarkerField.h>

#include <Inventor/SoPrimitiveVertex.h>
#include <Inventor/actions/SoCallbackAction.h>
#include <Inventor/actions/SoSearchAction.h>
#include <Inventor/details/SoFaceDetail.h>
#include <Inventor/nodes/SoBaseColor.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoSeparator.h>
#include <Inventor/nodes/SoShape.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

const double kPi = 3.14159265358979;
const float kNaN = std::numeric_limits<float>::quiet_NaN();

// Area of the regular polygon of n sides inscribed in a circle of radius r.
double polygonArea(int n, double r)
{
  return 0.5 * n * r * r * std::sin(2 * kPi / n);
}

// One filled marker as drawn: its triangles' area, box and the diffuse colour they carry.
struct Blob {
  double area = 0;
  SbBox3f box;
  SbColor color;
  float transparency = 0;
  int triangles = 0;
};

// Triangles grouped by the face they come from, with the material the state gives each one.
class ColourProbe {
public:
  explicit ColourProbe(SoNode* root)
  {
    SoCallbackAction action;
    action.addPreCallback(SoShape::getClassTypeId(), onShape, this);
    action.addTriangleCallback(SoShape::getClassTypeId(), onTriangle, this);
    action.apply(root);
  }
  // The blob whose box contains @p p (null when none).
  const Blob* at(const SbVec2f& p) const
  {
    for (const Blob& b : blobs)
      if (b.box.intersect(SbVec3f(p[0], p[1], 0)))
        return &b;
    return nullptr;
  }
  std::vector<Blob> blobs;

private:
  static SoCallbackAction::Response onShape(void* data, SoCallbackAction*, const SoNode*)
  {
    static_cast<ColourProbe*>(data)->m_face = -1;
    return SoCallbackAction::CONTINUE;
  }
  static void onTriangle(void* data, SoCallbackAction* action, const SoPrimitiveVertex* v1,
                         const SoPrimitiveVertex* v2, const SoPrimitiveVertex* v3)
  {
    ColourProbe* self = static_cast<ColourProbe*>(data);
    const SbMatrix& m = action->getModelMatrix();
    SbVec3f p[3];
    m.multVecMatrix(v1->getPoint(), p[0]);
    m.multVecMatrix(v2->getPoint(), p[1]);
    m.multVecMatrix(v3->getPoint(), p[2]);
    // Faces of a face set are fanned in order; a new detail face index starts a new blob.
    const SoDetail* detail = v1->getDetail();
    int face = detail && detail->isOfType(SoFaceDetail::getClassTypeId())
                   ? static_cast<const SoFaceDetail*>(detail)->getFaceIndex()
                   : -2;
    if (face != self->m_face || self->blobs.empty()) {
      self->blobs.emplace_back();
      self->m_face = face;
    }
    Blob& b = self->blobs.back();
    b.area += 0.5 * (p[1] - p[0]).cross(p[2] - p[0]).length();
    for (const SbVec3f& q : p)
      b.box.extendBy(q);
    SbColor ambient, diffuse, specular, emission;
    float shininess, transparency;
    action->getMaterial(ambient, diffuse, specular, emission, shininess, transparency,
                        v1->getMaterialIndex());
    b.color = diffuse;
    b.transparency = transparency;
    ++b.triangles;
  }
  int m_face = -1;
};

bool sameColour(const SbColor& a, const SbColor& b)
{
  for (int c = 0; c < 3; ++c)
    if (std::fabs(a[c] - b[c]) > 2.0f / 255.0f)
      return false;
  return true;
}

class PointField : public ::testing::Test {
protected:
  static void SetUpTestSuite() { PoGridlux::init(); }
  void SetUp() override
  {
    root = new SoSeparator;
    root->ref();
    // A square domain ten wide: sizes are fractions of 10 and the domain transform is identity.
    domain = new PoDomain;
    domain->min.setValue(0, 0, 0);
    domain->max.setValue(10, 10, 10);
    root->addChild(domain);
  }
  void TearDown() override { root->unref(); }
  SoSeparator* root;
  PoDomain* domain;
};

} // namespace

// ---------------------------------------------------------------------------------------------
// The plain-array helpers

TEST(PiPointFieldTest, SizesRunLinearlyFromTheSmallestToTheLargestValue)
{
  const float values[] = {5, -1, 3, 7, 100};
  const std::vector<int> kept = {0, 1, 2, 3}; // the 100 is not among the drawn entries
  std::vector<float> sizes;
  PiPointField::linearSizes(kept, values, 2, 10, sizes);
  ASSERT_EQ(sizes.size(), 4u);
  EXPECT_FLOAT_EQ(sizes[1], 2);             // smallest value
  EXPECT_FLOAT_EQ(sizes[3], 10);            // largest kept value
  EXPECT_FLOAT_EQ(sizes[0], 2 + 8 * 0.75f); // 5 is 6/8 of the way
  EXPECT_FLOAT_EQ(sizes[2], 2 + 8 * 0.5f);

  PiPointField::linearSizes(kept, values, 10, 2, sizes); // reversed: large values small
  EXPECT_FLOAT_EQ(sizes[1], 10);
  EXPECT_FLOAT_EQ(sizes[3], 2);

  const float equal[] = {4, 4, 4};
  PiPointField::linearSizes({0, 1, 2}, equal, 1, 3, sizes);
  for (float s : sizes)
    EXPECT_FLOAT_EQ(s, 2);
  // Values at the ends of the float range do not overflow the span.
  const float huge[] = {-3e38f, 3e38f, 0};
  PiPointField::linearSizes({0, 1, 2}, huge, 0, 1, sizes);
  EXPECT_FLOAT_EQ(sizes[0], 0);
  EXPECT_FLOAT_EQ(sizes[1], 1);
  EXPECT_NEAR(sizes[2], 0.5, 1e-6);
}

TEST(PiPointFieldTest, UsableEntriesKeepTheShortestListAndDropNonFiniteOnes)
{
  PoGridlux::init();
  ErrorCatcher errors;
  const SbVec2f points[] = {{0, 0}, {1, kNaN}, {2, 2}, {3, 3}, {4, 4}};
  const float values[] = {1, 2, kNaN, 4};
  std::vector<int> kept;
  PiPointField::usableEntries("test", 5, points, 4, values, kept);
  EXPECT_EQ(kept, (std::vector<int>{0, 3}));
  ASSERT_EQ(errors.count(), 2);
  EXPECT_TRUE(errors.contains("5 points but 4 values"));
  EXPECT_TRUE(errors.contains("2 of 4 entries are not finite"));
  EXPECT_EQ(errors.severities()[0], 1);

  errors.clear();
  PiPointField::usableEntries("test", 5, points, -1, nullptr, kept); // no value list
  EXPECT_EQ(kept, (std::vector<int>{0, 2, 3, 4}));
  EXPECT_EQ(errors.count(), 1);
}

TEST(PiPointFieldTest, BarsRunFromTheThresholdOnEitherSide)
{
  const SbVec2f points[] = {{1, 5}, {2, -2}};
  std::vector<SbVec3f> coords;
  PiPointField::appendBarLines(points, {0, 1}, 1, coords);
  ASSERT_EQ(coords.size(), 4u);
  EXPECT_EQ(coords[0], SbVec3f(1, 1, 0));
  EXPECT_EQ(coords[1], SbVec3f(1, 5, 0));
  EXPECT_EQ(coords[2], SbVec3f(2, 1, 0));
  EXPECT_EQ(coords[3], SbVec3f(2, -2, 0));

  coords.clear();
  PiPointField::appendBarRectangles(points, {0, 1}, 1, 0.5f, coords);
  ASSERT_EQ(coords.size(), 8u);
  for (int bar = 0; bar < 2; ++bar) {
    double twiceArea = 0;
    for (int k = 0; k < 4; ++k) {
      const SbVec3f& a = coords[bar * 4 + k];
      const SbVec3f& b = coords[bar * 4 + (k + 1) % 4];
      twiceArea += a[0] * b[1] - b[0] * a[1];
    }
    const double height = bar == 0 ? 4 : 3; // 1..5 above the threshold, -2..1 below it
    EXPECT_NEAR(0.5 * twiceArea, 0.5 * height, 1e-6) << "bar " << bar; // counter-clockwise
  }
}

// ---------------------------------------------------------------------------------------------
// Valued markers

TEST_F(PointField, MarkersCarryTheMappingsColourOfTheirValue)
{
  PoLinearDataMapping* mapping = new PoLinearDataMapping;
  mapping->value1 = 0;
  mapping->color1.setValue(1, 0, 0);
  mapping->value2 = 10;
  mapping->color2.setValue(0.2f, 0.4f, 1);
  root->addChild(mapping);
  PoValuedMarkerField* markers = new PoValuedMarkerField;
  const SbVec2f points[] = {{2, 2}, {5, 5}, {8, 3}, {3, 8}};
  const float values[] = {10, 0, 2.5f, 7};
  markers->point.setValues(0, 4, points);
  markers->value.setValues(0, 4, values);
  root->addChild(markers);

  ColourProbe probe(root);
  ASSERT_EQ(probe.blobs.size(), 4u);
  for (int i = 0; i < 4; ++i) {
    const Blob* blob = probe.at(points[i]);
    ASSERT_NE(blob, nullptr) << "marker " << i;
    const SbColor expected = *mapping->getColor(values[i]);
    EXPECT_TRUE(sameColour(blob->color, expected))
        << "marker " << i << ": " << blob->color[0] << " " << blob->color[1] << " " << blob->color[2];
  }
  // A changed mapping recolours the markers at the next traversal.
  mapping->color1.setValue(0, 1, 0);
  ColourProbe again(root);
  EXPECT_TRUE(sameColour(again.at(points[1])->color, SbColor(0, 1, 0)));
}

TEST_F(PointField, TransparentMappingsCarryTheirTransparencyAndDropDeletedMarkers)
{
  PoLinearDataMapping* mapping = new PoLinearDataMapping;
  mapping->value1 = 0;
  mapping->value2 = 1;
  mapping->transparency1 = 0;
  mapping->transparency2 = 1; // values from 0.95 up reach the deleted-parts transparency
  mapping->transparencyEnabled = TRUE;
  root->addChild(mapping);
  PoValuedMarkerField* markers = new PoValuedMarkerField;
  const SbVec2f points[] = {{2, 2}, {5, 5}, {8, 8}};
  const float values[] = {0, 0.5f, 1};
  markers->point.setValues(0, 3, points);
  markers->value.setValues(0, 3, values);
  root->addChild(markers);
  ColourProbe probe(root);
  EXPECT_EQ(probe.blobs.size(), 2u);
  EXPECT_EQ(probe.at(points[2]), nullptr);
  ASSERT_NE(probe.at(points[1]), nullptr);
  EXPECT_NEAR(probe.at(points[1])->transparency, 0.5, 1e-6);
  EXPECT_NEAR(probe.at(points[0])->transparency, 0.0, 1e-6);
  // The sizes still span the three values: the largest kept marker is not the largest size.
  EXPECT_LT(probe.at(points[1])->area, polygonArea(PiPointField::kDiscSides, 0.15) - 1e-3);
}

TEST_F(PointField, MarkerSizesGoFromMinSizeAtTheLowestValueToMaxSizeAtTheHighest)
{
  PoValuedMarkerField* markers = new PoValuedMarkerField;
  const SbVec2f points[] = {{2, 2}, {5, 5}, {8, 8}};
  const float values[] = {-4, 0, 4};
  markers->point.setValues(0, 3, points);
  markers->value.setValues(0, 3, values);
  markers->minSize = 0.02f; // diameter 0.2 in a domain 10 wide
  markers->maxSize = 0.1f;  // diameter 1
  root->addChild(markers);

  ColourProbe probe(root);
  ASSERT_EQ(probe.blobs.size(), 3u);
  const double diameters[] = {0.2, 0.6, 1.0};
  for (int i = 0; i < 3; ++i) {
    const Blob* blob = probe.at(points[i]);
    ASSERT_NE(blob, nullptr);
    const double r = diameters[i] / 2;
    EXPECT_NEAR(blob->area, polygonArea(PiPointField::kDiscSides, r), 1e-5) << "marker " << i;
    SbVec3f lo = blob->box.getMin(), hi = blob->box.getMax();
    EXPECT_NEAR(hi[0] - lo[0], diameters[i], 1e-5); // the outline has points at 0 and 180 degrees
    EXPECT_NEAR(0.5 * (hi[0] + lo[0]), points[i][0], 1e-5);
    EXPECT_NEAR(0.5 * (hi[1] + lo[1]), points[i][1], 1e-2);
  }

  // Computed sizes: 0.01 and 0.03 of the domain width.
  markers->minSize = 0;
  markers->maxSize = 0;
  ColourProbe computed(root);
  EXPECT_NEAR(computed.at(points[0])->area, polygonArea(PiPointField::kDiscSides, 0.05), 1e-6);
  EXPECT_NEAR(computed.at(points[2])->area, polygonArea(PiPointField::kDiscSides, 0.15), 1e-5);
}

TEST_F(PointField, MarkersWithoutAMappingTakeTheInheritedColour)
{
  SoBaseColor* color = new SoBaseColor;
  color->rgb.setValue(0.1f, 0.7f, 0.3f);
  root->addChild(color);
  PoValuedMarkerField* markers = new PoValuedMarkerField;
  markers->point.set1Value(0, SbVec2f(4, 4));
  markers->point.set1Value(1, SbVec2f(6, 6));
  markers->value.set1Value(0, 1);
  markers->value.set1Value(1, 2);
  root->addChild(markers);
  ColourProbe probe(root);
  ASSERT_EQ(probe.blobs.size(), 2u);
  for (const Blob& b : probe.blobs)
    EXPECT_TRUE(sameColour(b.color, SbColor(0.1f, 0.7f, 0.3f)));
  SoSearchAction search;
  search.setType(SoMaterial::getClassTypeId());
  search.setSearchingAll(TRUE);
  search.apply(markers->getPart("marker", FALSE));
  EXPECT_EQ(search.getPath(), nullptr); // no material of its own
}

TEST_F(PointField, MarkersStayRoundUnderAStretchingDomain)
{
  // Domain 10 x 1: the domain transform scales y by 10.
  domain->max.setValue(10, 1, 10);
  PoValuedMarkerField* markers = new PoValuedMarkerField;
  markers->point.set1Value(0, SbVec2f(5, 0.5f));
  markers->value.set1Value(0, 1);
  markers->minSize = markers->maxSize = 0.1f;
  root->addChild(markers);
  ColourProbe probe(root);
  ASSERT_EQ(probe.blobs.size(), 1u);
  const SbVec3f lo = probe.blobs[0].box.getMin(), hi = probe.blobs[0].box.getMax();
  EXPECT_NEAR(hi[0] - lo[0], 1.0, 1e-5);
  EXPECT_NEAR(0.5 * (hi[0] + lo[0]), 5.0, 1e-5);
  EXPECT_NEAR(0.5 * (hi[1] + lo[1]), 5.0, 1e-2);
  EXPECT_NEAR(probe.blobs[0].area, polygonArea(PiPointField::kDiscSides, 0.5), 1e-4);
}

TEST_F(PointField, BadMarkerListsWarnOncePerRebuildAndDrawTheRest)
{
  PoValuedMarkerField* markers = new PoValuedMarkerField;
  const SbVec2f points[] = {{1, 1}, {2, 2}, {3, kNaN}, {4, 4}, {5, 5}};
  const float values[] = {1, 2, 3, 4};
  markers->point.setValues(0, 5, points);
  markers->value.setValues(0, 4, values);
  root->addChild(markers);
  ErrorCatcher errors;
  ColourProbe probe(root);
  EXPECT_EQ(probe.blobs.size(), 3u); // entries 0, 1 and 3
  EXPECT_NE(probe.at(points[3]), nullptr);
  EXPECT_EQ(probe.at(points[4]), nullptr);
  ASSERT_EQ(errors.count(), 2);
  EXPECT_TRUE(errors.contains("5 points but 4 values"));
  EXPECT_TRUE(errors.contains("1 of 4 entries are not finite"));

  GeometryProbe unchanged(root); // no rebuild, no new message
  EXPECT_EQ(errors.count(), 2);
  markers->touchKit();
  GeometryProbe rebuilt(root);
  EXPECT_EQ(errors.count(), 4);

  errors.clear();
  markers->minSize = -1;
  markers->maxSize = 1e38f; // times the domain width 10: too large to draw
  ColourProbe computed(root);
  EXPECT_EQ(computed.blobs.size(), 3u);
  EXPECT_TRUE(errors.contains("minSize -1 is not a size"));
  EXPECT_TRUE(errors.contains("maxSize 1e+38 is not a size"));
  for (const Blob& b : computed.blobs)
    EXPECT_TRUE(std::isfinite(b.area));

  // Points without any value: nothing to size or colour by, one warning.
  markers->minSize = 0;
  markers->maxSize = 0;
  errors.clear();
  markers->value.setNum(0);
  ColourProbe none(root);
  EXPECT_TRUE(none.blobs.empty());
  EXPECT_EQ(errors.count(), 1);
  EXPECT_TRUE(errors.contains("5 points but 0 values"));
}

TEST_F(PointField, TextMarkersAreColouredOneByOne)
{
  PoLinearDataMapping* mapping = new PoLinearDataMapping;
  mapping->value1 = 0;
  mapping->color1.setValue(1, 0, 0);
  mapping->value2 = 1;
  mapping->color2.setValue(0, 0, 1);
  root->addChild(mapping);
  PoValuedMarkerField* markers = new PoValuedMarkerField;
  markers->markerString = "x";
  markers->point.set1Value(0, SbVec2f(2, 2));
  markers->point.set1Value(1, SbVec2f(7, 7));
  markers->value.set1Value(0, 0);
  markers->value.set1Value(1, 1);
  root->addChild(markers);
  GeometryProbe probe(root);
  SoSearchAction search;
  search.setType(SoMaterial::getClassTypeId());
  search.setInterest(SoSearchAction::ALL);
  search.apply(markers->getPart("marker", FALSE));
  ASSERT_EQ(search.getPaths().getLength(), 2);
  const SoMaterial* first = static_cast<const SoMaterial*>(search.getPaths()[0]->getTail());
  const SoMaterial* second = static_cast<const SoMaterial*>(search.getPaths()[1]->getTail());
  EXPECT_TRUE(sameColour(first->diffuseColor[0], SbColor(1, 0, 0)));
  EXPECT_TRUE(sameColour(second->diffuseColor[0], SbColor(0, 0, 1)));
  EXPECT_FALSE(probe.empty());
}

// ---------------------------------------------------------------------------------------------
// Point bars

TEST_F(PointField, LineBarsEndAtTheThresholdAndAtEachPoint)
{
  PoPointsFieldBars* bars = new PoPointsFieldBars;
  const SbVec2f points[] = {{1, 4}, {2, -1}, {3, 2}};
  bars->point.setValues(0, 3, points);
  bars->threshold = 2;
  root->addChild(bars);
  GeometryProbe probe(root);
  ASSERT_EQ(probe.segments().size(), 3u);
  EXPECT_TRUE(probe.triangles().empty());
  for (int i = 0; i < 3; ++i) {
    const GeometryProbe::Segment& s = probe.segments()[i];
    EXPECT_EQ(s.a, SbVec3f(points[i][0], 2, 0));
    EXPECT_EQ(s.b, SbVec3f(points[i][0], points[i][1], 0));
  }
  EXPECT_NEAR(probe.length(), 2 + 3 + 0, 1e-6);
}

TEST_F(PointField, WideBarsAreRectanglesOfTheirWidthAndHeight)
{
  PoPointsFieldBars* bars = new PoPointsFieldBars;
  const SbVec2f points[] = {{2, 5}, {6, -2}};
  bars->point.setValues(0, 2, points);
  bars->threshold = 1;
  bars->barWidth = 0.05f; // 0.5 in a domain 10 wide
  root->addChild(bars);
  GeometryProbe probe(root);
  EXPECT_TRUE(probe.segments().empty());
  EXPECT_NEAR(probe.area(), 0.5 * 4 + 0.5 * 3, 1e-5);
  double signedArea = 0;
  for (const GeometryProbe::Triangle& t : probe.triangles())
    signedArea += 0.5 * t.signedAreaXY();
  EXPECT_NEAR(signedArea, 3.5, 1e-5); // every face counter-clockwise
  const SbBox3f box = probe.bbox();
  EXPECT_NEAR(box.getMin()[0], 1.75, 1e-6);
  EXPECT_NEAR(box.getMax()[0], 6.25, 1e-6);
  EXPECT_NEAR(box.getMin()[1], -2, 1e-6);
  EXPECT_NEAR(box.getMax()[1], 5, 1e-6);
}

TEST_F(PointField, BadBarsAreReportedAndTheRestDrawn)
{
  PoPointsFieldBars* bars = new PoPointsFieldBars;
  const SbVec2f points[] = {{1, 3}, {kNaN, 2}, {3, std::numeric_limits<float>::infinity()}, {4, 1}};
  bars->point.setValues(0, 4, points);
  bars->barWidth = -0.1f;
  root->addChild(bars);
  ErrorCatcher errors;
  GeometryProbe probe(root);
  EXPECT_EQ(probe.segments().size(), 2u); // lines, since the width is bad
  EXPECT_NEAR(probe.length(), 3 + 1, 1e-6);
  EXPECT_TRUE(errors.contains("bar width -0.1 is not a width"));
  EXPECT_TRUE(errors.contains("2 of 4 entries are not finite"));
  EXPECT_EQ(errors.count(), 2);

  errors.clear();
  bars->point.setNum(0);
  GeometryProbe none(root);
  EXPECT_TRUE(none.empty());
  EXPECT_EQ(bars->getPart("bars", FALSE), nullptr);
}

TEST_F(PointField, FilesKeepTheFieldsAndTheGeometry)
{
  PoLinearDataMapping* mapping = new PoLinearDataMapping;
  mapping->value2 = 10;
  root->addChild(mapping);
  PoValuedMarkerField* markers = new PoValuedMarkerField;
  markers->point.set1Value(0, SbVec2f(2, 2));
  markers->point.set1Value(1, SbVec2f(6, 6));
  markers->value.set1Value(0, 1);
  markers->value.set1Value(1, 9);
  markers->maxSize = 0.08f;
  root->addChild(markers);
  PoPointsFieldBars* bars = new PoPointsFieldBars;
  bars->point.set1Value(0, SbVec2f(3, 4));
  bars->threshold = 1;
  bars->barWidth = 0.02f;
  root->addChild(bars);
  const GeometryProbe before(root);

  SoSeparator* back = readFromString(writeToString(root));
  ASSERT_NE(back, nullptr);
  back->ref();
  const GeometryProbe after(back);
  EXPECT_EQ(after.triangles().size(), before.triangles().size());
  EXPECT_NEAR(after.area(), before.area(), 1e-6);
  ColourProbe colours(back);
  EXPECT_TRUE(sameColour(colours.at(SbVec2f(6, 6))->color, SbColor(0.9f, 0.9f, 0.9f)));
  back->unref();
}

// On screen: a marker shows its mapped colour.
class PointFieldImage : public gridlux::test::OffscreenFixture {};

TEST_F(PointFieldImage, MarkerShowsTheMappedColour)
{
  PoGridlux::init();
  SoNode* scene = readScene("#Inventor V2.1 ascii\n"
                            "Separator {\n"
                            "  OrthographicCamera { position 0 0 10  height 4  nearDistance 1  farDistance 20 }\n"
                            "  LightModel { model BASE_COLOR }\n"
                            "  PoLinearDataMapping { value1 0 color1 1 0.5 0  value2 8 color2 0 0.5 1 }\n"
                            "  PoValuedMarkerField {\n"
                            "    point [ 0 0, 30 30 ]  value [ 2, 8 ]  minSize 1  maxSize 3\n"
                            "  }\n"
                            "}\n");
  ASSERT_NE(scene, nullptr);
  scene->ref();
  const gridlux::offscreen::RgbaImage image = render(scene, 200, 200, SbColor(0, 0, 0));
  // The default domain is one wide: the marker at the origin is 1 across, a quarter of the view.
  const SbColor mapped(0.75f, 0.5f, 0.25f);
  EXPECT_TRUE(gridlux::test::pixelIs(image, 100, 100, mapped, 2));
  EXPECT_TRUE(gridlux::test::pixelIs(image, 120, 100, mapped, 2));
  EXPECT_TRUE(gridlux::test::pixelIs(image, 140, 100, SbColor(0, 0, 0), 2)); // outside the disc
  scene->unref();
}
