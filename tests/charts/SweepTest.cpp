// Ribbons, tubes and 3D curves: strip widths and mitres, closed swept solids, untwisted frames, splines.
#include "support/ErrorCatcher.h"
#include "support/GeometryProbe.h"
#include "support/SceneText.h"
#include "support/SolidCheck.h"

#include <Gridlux/attributes/PiProfilePolygon.h>
#include <Gridlux/attributes/PoCircularProfile.h>
#include <Gridlux/attributes/PoLinearDataMapping.h>
#include <Gridlux/attributes/PoSquareProfile.h>
#include <Gridlux/attributes/PoDomain.h>
#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/charts/PiSweep.h>
#include <Gridlux/charts/PoCurve3.h>
#include <Gridlux/charts/PoRibbon.h>
#include <Gridlux/charts/PoTube.h>
#include <Gridlux/mesh/nodes/PoIndexListFilter.h>
#include <Gridlux/mesh/nodes/PoIrregularMesh1D.h>

#include <Inventor/SbVec3d.h>
#include <Inventor/actions/SoSearchAction.h>
#include <Inventor/nodes/SoIndexedFaceSet.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoMaterialBinding.h>
#include <Inventor/nodes/SoSeparator.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

const float kNaN = std::numeric_limits<float>::quiet_NaN();

// The polygons of a surface as fan triangles (every polygon built here is convex).
std::vector<GeometryProbe::Triangle> trianglesOf(const PiSweep::Surface& s)
{
  std::vector<GeometryProbe::Triangle> out;
  std::vector<int> face;
  for (int c : s.coordIndex) {
    if (c >= 0) {
      face.push_back(c);
      continue;
    }
    for (std::size_t k = 1; k + 1 < face.size(); k++)
      out.push_back({{s.coords[face[0]], s.coords[face[k]], s.coords[face[k + 1]]}});
    face.clear();
  }
  return out;
}

double polylineLength(const std::vector<SbVec3f>& p)
{
  double len = 0;
  for (std::size_t i = 1; i < p.size(); i++)
    len += (p[i] - p[i - 1]).length();
  return len;
}

// Signed distance of q from the line through a, b: positive on the left of a -> b.
double leftDistance(const SbVec2f& a, const SbVec2f& b, const SbVec3f& q)
{
  const double dx = b[0] - a[0], dy = b[1] - a[1];
  return (dx * (q[1] - a[1]) - dy * (q[0] - a[0])) / std::sqrt(dx * dx + dy * dy);
}

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

template <class T> T* findIn(SoNode* part)
{
  if (!part)
    return nullptr;
  SoSearchAction search;
  search.setType(T::getClassTypeId());
  search.apply(part);
  return search.getPath() ? static_cast<T*>(search.getPath()->getTail()) : nullptr;
}

class Sweep : public ::testing::Test {
protected:
  static void SetUpTestSuite() { PoGridlux::init(); }
};

// ---------------------------------------------------------------- plain arrays

TEST(SweepGeometry, DistinctPointsSkipRepeatsAndNonFinitePoints)
{
  const SbVec3f p[] = {{0, 0, 0}, {0, 0, 0}, {1, 0, 0}, {kNaN, 0, 0}, {1, 0, 0}, {2, 0, 0}};
  std::vector<int> kept;
  EXPECT_EQ(PiSweep::distinctPoints(6, p, kept), 1);
  EXPECT_EQ(kept, (std::vector<int>{0, 2, 5})); // the repeat across the dropped point goes too
}

TEST(SweepGeometry, StraightRibbonIsWidthTimesLengthFacingUp)
{
  const SbVec2f p[] = {{0, 1}, {1, 1}, {3, 1}};
  PiSweep::Surface s;
  PiSweep::ribbon(3, p, 0.5f, s);
  ASSERT_EQ(s.numFaces(), 2);
  EXPECT_EQ(s.vertexPoint, (std::vector<int>{0, 0, 1, 1, 2, 2}));
  double area = 0, signedArea = 0;
  for (const GeometryProbe::Triangle& t : trianglesOf(s)) {
    area += t.area();
    signedArea += t.signedAreaXY() / 2;
  }
  EXPECT_NEAR(area, 0.5 * 3, 1e-6);
  EXPECT_NEAR(signedArea, 0.5 * 3, 1e-6); // counter-clockwise seen from +Z
  for (int i = 0; i < 3; i++) {
    EXPECT_FLOAT_EQ(s.coords[2 * i][1], 0.75f);     // right edge
    EXPECT_FLOAT_EQ(s.coords[2 * i + 1][1], 1.25f); // left edge
  }
}

TEST(SweepGeometry, MitredJointsKeepTheWidthAcrossEverySegment)
{
  // Turns of about 56, -70 and 138 degrees, left and right.
  const SbVec2f p[] = {{0, 0}, {2, 0}, {3, 1.5f}, {5, 1}, {4, 2.5f}};
  const float width = 0.4f;
  PiSweep::Surface s;
  PiSweep::ribbon(5, p, width, s);
  ASSERT_EQ(s.numFaces(), 4);
  for (int k = 0; k < 4; k++)
    for (int i : {k, k + 1}) {
      EXPECT_NEAR(leftDistance(p[k], p[k + 1], s.coords[2 * i]), -width / 2, 1e-5) << k << " " << i;
      EXPECT_NEAR(leftDistance(p[k], p[k + 1], s.coords[2 * i + 1]), width / 2, 1e-5) << k << " " << i;
    }
  // Each quad stays a quad facing +Z: the joint does not fold it.
  for (const GeometryProbe::Triangle& t : trianglesOf(s))
    EXPECT_GT(t.signedAreaXY(), 0.0);
}

TEST(SweepGeometry, SharpTurnsLimitTheMitre)
{
  // A hairpin: the mitre would reach 1 / sin(1.4 degrees) = 40 half widths away.
  const SbVec2f p[] = {{0, 0}, {1, 0}, {0, 0.05f}};
  PiSweep::Surface s;
  PiSweep::ribbon(3, p, 0.2f, s);
  for (int side = 0; side < 2; side++) {
    const SbVec3f d = s.coords[2 + side] - SbVec3f(1, 0, 0);
    EXPECT_LE(d.length(), PiSweep::kDefaultMitreLimit * 0.1f + 1e-5f);
    EXPECT_GT(d.length(), 0.1f);
  }
  // Straight back: no mitre point at all, still finite.
  const SbVec2f back[] = {{0, 0}, {1, 0}, {0, 0}};
  PiSweep::ribbon(3, back, 0.2f, s);
  for (const SbVec3f& c : s.coords)
    EXPECT_TRUE(std::isfinite(c[0]) && std::isfinite(c[1]));
}

TEST(SweepGeometry, CappedTubeAlongABentPathIsAClosedSolidOfSectionTimesLength)
{
  // A planar zigzag and a 3D polyline; the mitre cuts through the section's centre, so every
  // segment's prism keeps the volume of section x its length.
  std::vector<SbVec2f> circle;
  PiProfilePolygon::circle(0.1f, 24, circle);
  const double section = PiProfilePolygon::signedArea(circle.data(), 24);
  const std::vector<std::vector<SbVec3f>> paths = {
    {{0, 0, 0}, {1, 0, 0}, {1.5f, 0.8f, 0}, {2.5f, 0.2f, 0}},
    {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {1, 1, 1}, {0, 2, 1.5f}}};
  for (const std::vector<SbVec3f>& path : paths) {
    PiSweep::Surface s;
    PiSweep::tube(int(path.size()), path.data(), 24, circle.data(), true, s);
    EXPECT_EQ(s.numFaces(), 2 * int(path.size() - 1) * 24 + 2);
    const SolidReport solid = checkSolid(trianglesOf(s));
    EXPECT_TRUE(solid.closed()) << solid.openEdges << " open, " << solid.misorientedEdges << " misoriented";
    EXPECT_NEAR(solid.volume, section * polylineLength(path), 1e-5 * solid.volume);
    // Open ends: the two outlines are the only open edges.
    PiSweep::tube(int(path.size()), path.data(), 24, circle.data(), false, s);
    EXPECT_EQ(checkSolid(trianglesOf(s)).openEdges, 2 * 24);
  }
}

TEST(SweepGeometry, SharpTurnsAreBevelledWithPlanarQuads)
{
  // Turns of 170 and 150 degrees (stretches of 11.5 and 3.9) and a full turn back: the first and
  // last are bevelled, the middle one mitred; every quad stays planar and the tube closed.
  const double a = 170 * M_PI / 180;
  const SbVec3f p1(1, 0, 0);
  const SbVec3f p2 = p1 + SbVec3f(float(std::cos(a)), float(std::sin(a)), 0);
  const SbVec3f p3 = p2 + SbVec3f(float(std::cos(a - 150 * M_PI / 180)), float(std::sin(a - 150 * M_PI / 180)), 0.3f);
  const SbVec3f p4 = p3 + (p3 - p2) * 2.0f;
  const SbVec3f p5 = p4 - (p4 - p3) * 0.5f;
  const std::vector<SbVec3f> path = {{0, 0, 0}, p1, p2, p3, p4, p5};
  std::vector<SbVec2f> square = {{-0.05f, -0.05f}, {0.05f, -0.05f}, {0.05f, 0.05f}, {-0.05f, 0.05f}};
  PiSweep::Surface s;
  PiSweep::tube(int(path.size()), path.data(), 4, square.data(), true, s);
  EXPECT_EQ(int(s.coords.size()), 4 * (6 + 2)); // two joints with two sections each
  EXPECT_EQ(s.numFaces(), 2 * 4 * (5 + 2) + 2);
  // The lateral faces come in pairs of triangles a b c, a c d: the quad a b c d is planar.
  const std::vector<GeometryProbe::Triangle> triangles = trianglesOf(s);
  ASSERT_EQ(triangles.size(), 2u * 4u * 7u + 4u);
  for (int q = 0; q < 4 * 7; q++) {
    const GeometryProbe::Triangle& abc = triangles[2 * q];
    const SbVec3f& d = triangles[2 * q + 1].v[2];
    SbVec3f normal = (abc.v[1] - abc.v[0]).cross(abc.v[2] - abc.v[0]);
    if (normal.length() > 1e-6f) {
      normal.normalize();
      EXPECT_NEAR(normal.dot(d - abc.v[0]), 0.0f, 1e-5) << "quad " << q;
    }
  }
  const SolidReport solid = checkSolid(trianglesOf(s));
  EXPECT_TRUE(solid.closed()) << solid.openEdges << " open, " << solid.misorientedEdges << " misoriented";
  // No vertex strays further from its point than the section's corner would at the mitre limit.
  for (std::size_t k = 0; k < s.coords.size(); k++)
    EXPECT_LE((s.coords[k] - path[s.vertexPoint[k]]).length(), 0.0707f * PiSweep::kDefaultMitreLimit) << k;
}

TEST(SweepGeometry, PlanarPathKeepsTheFrameUpright)
{
  // The profile's y stays +Z along any curve of the XY plane, however it bends.
  std::vector<SbVec3f> path;
  for (int i = 0; i <= 40; i++) {
    const float t = 0.2f * i;
    path.emplace_back(t, std::sin(t) + 0.3f * std::cos(3 * t), 0.0f);
  }
  std::vector<SbVec3f> u, v;
  PiSweep::frames(int(path.size()), path.data(), u, v);
  ASSERT_EQ(u.size(), path.size() - 1);
  for (std::size_t k = 0; k < v.size(); k++) {
    EXPECT_NEAR(v[k][2], 1.0f, 1e-6) << k;
    const SbVec3f d = path[k + 1] - path[k];
    // u is the left normal of the segment in the plane.
    EXPECT_NEAR(u[k].dot(d), 0.0f, 1e-5) << k;
    EXPECT_GT(SbVec3f(-d[1], d[0], 0).dot(u[k]), 0.0f) << k;
  }
}

TEST(SweepGeometry, HelixFramesTurnAgainstTheFrenetFrameByTheTorsion)
{
  // On a helix (a cos t, a sin t, b t) a frame without twist turns, against the principal
  // normal and binormal, by minus the torsion times the arc length: -b t / sqrt(a^2 + b^2).
  const double a = 1.0, b = 0.4, c = std::sqrt(a * a + b * b);
  const int n = 801;
  const double dt = 4 * M_PI / (n - 1);
  std::vector<SbVec3f> path;
  for (int i = 0; i < n; i++)
    path.emplace_back(float(a * std::cos(i * dt)), float(a * std::sin(i * dt)), float(b * i * dt));
  std::vector<SbVec3f> u, v;
  PiSweep::frames(n, path.data(), u, v);
  auto angleAt = [&](int k) {
    const double t = (k + 0.5) * dt; // segment k stands for the curve at its middle
    const SbVec3d normal(-std::cos(t), -std::sin(t), 0);
    const SbVec3d binormal(b * std::sin(t) / c, -b * std::cos(t) / c, a / c);
    const SbVec3d uk(u[k][0], u[k][1], u[k][2]);
    return std::atan2(uk.dot(binormal), uk.dot(normal));
  };
  const double start = angleAt(0);
  for (int k = 0; k < n - 1; k += 50) {
    const double expected = start - (b / c) * (k * dt);
    double diff = angleAt(k) - expected;
    diff = std::remainder(diff, 2 * M_PI);
    EXPECT_NEAR(diff, 0.0, 2e-3) << "segment " << k;
  }
  // Frames stay orthonormal and right-handed along the whole path.
  for (std::size_t k = 0; k < u.size(); k++) {
    SbVec3f d = path[k + 1] - path[k];
    d.normalize();
    EXPECT_NEAR((u[k].cross(v[k]) - d).length(), 0.0f, 1e-5) << k;
  }
}

// ---------------------------------------------------------------- tube and ribbon nodes

TEST_F(Sweep, TubeAlongAStraightSeriesHasPerimeterTimesLengthAndClosesWithCaps)
{
  Series s({0, 1, 3}, {2, 2, 2});
  PoTube* tube = new PoTube;
  tube->tubeRadius = 0.25f;
  s.root->addChild(tube);
  int m = 0;
  const SbVec2f* unit = PoProfile::getDefaultPolygon(m);
  std::vector<SbVec2f> outline(unit, unit + m);
  for (SbVec2f& p : outline)
    p *= 0.25f;
  const double perimeter = PiProfilePolygon::perimeter(outline.data(), m);
  const double section = PiProfilePolygon::signedArea(outline.data(), m);

  GeometryProbe probe(s.root);
  const SolidReport solid = checkSolid(probe.triangles());
  EXPECT_TRUE(solid.closed());
  EXPECT_NEAR(solid.volume, section * 3, 1e-5 * section * 3);
  EXPECT_NEAR(solid.area, perimeter * 3 + 2 * section, 1e-5 * solid.area);
  EXPECT_EQ(probe.segments().size(), 0u); // the tube replaces the line

  tube->caps = FALSE;
  probe.apply(s.root);
  EXPECT_NEAR(probe.area(), perimeter * 3, 1e-5 * perimeter * 3);
  EXPECT_EQ(checkSolid(probe.triangles()).openEdges, 2 * m);

  // The default radius is 0.01 of the domain's width; the profile's y stands along +Z.
  PoDomain* domain = new PoDomain;
  domain->min.setValue(0, 0, 0);
  domain->max.setValue(20, 5, 1);
  s.root->insertChild(domain, 0);
  tube->tubeRadius = 0;
  probe.apply(s.root);
  const SbBox3f box = probe.bbox();
  EXPECT_NEAR(box.getMax()[2], 0.2f, 1e-6);
  EXPECT_NEAR(box.getMin()[2], -0.2f, 1e-6);
}

TEST_F(Sweep, TubeSweepsTheProfileInTheStateAndFollowsItsChanges)
{
  Series s({0, 1, 2}, {0, 1, 0}); // a bend of 90 degrees
  PoSquareProfile* square = new PoSquareProfile;
  square->size = 0.2f;
  PoTube* tube = new PoTube;
  tube->tubeRadius = 1.0f;
  s.root->addChild(square);
  s.root->addChild(tube);
  GeometryProbe probe(s.root);
  SolidReport solid = checkSolid(probe.triangles());
  EXPECT_TRUE(solid.closed());
  EXPECT_NEAR(solid.volume, 0.04 * 2 * std::sqrt(2.0), 1e-6);
  EXPECT_NEAR(probe.bbox().getMax()[2], 0.1f, 1e-6); // no twist: flat top and bottom
  EXPECT_NEAR(probe.bbox().getMin()[2], -0.1f, 1e-6);

  square->size = 0.1f;
  probe.apply(s.root);
  EXPECT_NEAR(checkSolid(probe.triangles()).volume, 0.01 * 2 * std::sqrt(2.0), 1e-6);

  s.root->replaceChild(square, new PoCircularProfile); // radius 1, 16 points
  tube->tubeRadius = 0.05f;
  probe.apply(s.root);
  solid = checkSolid(probe.triangles());
  EXPECT_TRUE(solid.closed());
  std::vector<SbVec2f> circle;
  PiProfilePolygon::circle(0.05f, 16, circle);
  EXPECT_NEAR(solid.volume, PiProfilePolygon::signedArea(circle.data(), 16) * 2 * std::sqrt(2.0), 1e-6);
}

TEST_F(Sweep, RibbonAlongASeriesKeepsItsWidth)
{
  Series s({0, 1, 3}, {1, 1, 1});
  PoRibbon* ribbon = new PoRibbon;
  ribbon->ribbonWidth = 0.5f;
  s.root->addChild(ribbon);
  GeometryProbe probe(s.root);
  EXPECT_NEAR(probe.area(), 0.5 * 3, 1e-6);
  EXPECT_EQ(probe.segments().size(), 0u);
  EXPECT_NEAR(probe.bbox().getMax()[1], 1.25f, 1e-6);

  // Default: 0.02 of the domain's width. A bent series keeps the width across each segment, so
  // its area is the width times the centre line's length plus what the mitres add and take.
  PoDomain* domain = new PoDomain;
  domain->min.setValue(0, 0, 0);
  domain->max.setValue(10, 1, 1);
  s.root->insertChild(domain, 0);
  ribbon->ribbonWidth = 0;
  probe.apply(s.root);
  EXPECT_NEAR(probe.area(), 0.2 * 3, 1e-5);

  const float y[] = {0, 1, 1};
  s.mesh->addValuesSet(0, y, "y"); // (0,0) (1,1) (3,1): a 45 degree turn
  // The domain stretches y ten times: on screen the line is (0,0) (1,10) (3,10), and the strip
  // keeps its width there, the inner side of the joint shorter and the outer side longer by the same.
  probe.apply(s.root);
  EXPECT_NEAR(probe.area(), 0.2 * (std::sqrt(101.0) + 2), 1e-5);
  domain->min.setValue(0, -5, -5); // a cube: no stretching
  domain->max.setValue(10, 5, 5);
  probe.apply(s.root);
  EXPECT_NEAR(probe.area(), 0.2 * (std::sqrt(2.0) + 2), 1e-5);

  // The filter in the state thins the line out as it does for the curve line: (0,0) to (3,1).
  PoIndexListFilter* filter = new PoIndexListFilter;
  filter->index.setValues(0, 2, std::vector<int>{0, 2}.data());
  s.root->insertChild(filter, 2);
  probe.apply(s.root);
  EXPECT_EQ(probe.triangles().size(), 2u);
  EXPECT_NEAR(probe.area(), 0.2 * std::sqrt(10.0), 1e-5);
}

TEST_F(Sweep, SweptSolidsTakeTheSeriesColours)
{
  Series s({0, 1, 2}, {0, 1, 0});
  const float c[] = {0, 0.5f, 1};
  s.mesh->addValuesSet(1, c, "c");
  PoLinearDataMapping* mapping = new PoLinearDataMapping;
  mapping->value1 = 0;
  mapping->color1.setValue(1, 0, 0);
  mapping->value2 = 1;
  mapping->color2.setValue(0, 0, 1);
  s.root->addChild(mapping);
  PoTube* tube = new PoTube;
  tube->tubeRadius = 0.1f;
  tube->colorBinding = PoChart::PER_VERTEX;
  s.root->addChild(tube);
  GeometryProbe probe(s.root);
  SoNode* part = tube->getPart("curve", FALSE);
  ASSERT_NE(findIn<SoMaterialBinding>(part), nullptr);
  EXPECT_EQ(findIn<SoMaterialBinding>(part)->value.getValue(), SoMaterialBinding::PER_VERTEX_INDEXED);
  const SoIndexedFaceSet* faces = findIn<SoIndexedFaceSet>(part);
  ASSERT_NE(faces, nullptr);
  ASSERT_EQ(faces->materialIndex.getNum(), faces->coordIndex.getNum());
  const int m = 16;
  for (int k = 0; k < faces->coordIndex.getNum(); k++) {
    const int v = faces->coordIndex[k];
    EXPECT_EQ(faces->materialIndex[k], v < 0 ? -1 : v / m) << k;
  }
  const SoMaterial* built = static_cast<SoMaterial*>(tube->getPart("appearance.material", FALSE));
  ASSERT_NE(built, nullptr);
  EXPECT_EQ(built->diffuseColor.getNum(), 3);

  // Per part: a segment's faces take its first point; the caps their end points.
  tube->colorBinding = PoChart::PER_PART;
  probe.apply(s.root);
  part = tube->getPart("curve", FALSE);
  EXPECT_EQ(findIn<SoMaterialBinding>(part)->value.getValue(), SoMaterialBinding::PER_FACE_INDEXED);
  faces = findIn<SoIndexedFaceSet>(part);
  ASSERT_EQ(faces->materialIndex.getNum(), 4 * m + 2);
  EXPECT_EQ(faces->materialIndex[0], 0);
  EXPECT_EQ(faces->materialIndex[2 * m - 1], 0);
  EXPECT_EQ(faces->materialIndex[2 * m], 1);
  EXPECT_EQ(faces->materialIndex[4 * m], 0);
  EXPECT_EQ(faces->materialIndex[4 * m + 1], 2);

  // A repeated point is swept once; the indices still name the line's points.
  const float x4[] = {0, 0, 1, 2};
  const float y4[] = {0, 0, 1, 0};
  const float c4[] = {0, 0.2f, 0.5f, 1};
  s.mesh->mesh.setGeometry(4, x4);
  s.mesh->addValuesSet(0, y4, "y");
  s.mesh->addValuesSet(1, c4, "c");
  PoRibbon* ribbon = new PoRibbon;
  ribbon->colorBinding = PoChart::PER_PART;
  s.root->replaceChild(tube, ribbon);
  probe.apply(s.root);
  faces = findIn<SoIndexedFaceSet>(ribbon->getPart("curve", FALSE));
  ASSERT_NE(faces, nullptr);
  ASSERT_EQ(faces->materialIndex.getNum(), 2);
  EXPECT_EQ(faces->materialIndex[0], 0);
  EXPECT_EQ(faces->materialIndex[1], 2);
}

TEST_F(Sweep, BadSeriesAndSizesDrawNothingOrTheDefault)
{
  Series s({0}, {1});
  PoTube* tube = new PoTube;
  s.root->addChild(tube);
  {
    ErrorCatcher errors;
    GeometryProbe probe(s.root);
    EXPECT_TRUE(probe.empty());
    EXPECT_TRUE(errors.contains("2 are needed"));
  }
  const float x[] = {0, 4};
  const float y[] = {1, 1};
  s.mesh->mesh.setGeometry(2, x);
  s.mesh->addValuesSet(0, y, "y");
  tube->tubeRadius = -1;
  {
    ErrorCatcher errors;
    GeometryProbe probe(s.root);
    EXPECT_EQ(errors.count(), 1);
    EXPECT_TRUE(errors.contains("-1"));
    EXPECT_TRUE(checkSolid(probe.triangles()).closed()); // drawn at the default radius
  }
  PoRibbon* ribbon = new PoRibbon;
  ribbon->ribbonWidth = kNaN;
  s.root->replaceChild(tube, ribbon);
  {
    ErrorCatcher errors;
    GeometryProbe probe(s.root);
    EXPECT_EQ(errors.count(), 1);
    EXPECT_GT(probe.area(), 0.0);
  }
  s.root->removeChild(s.mesh);
  GeometryProbe none(s.root);
  EXPECT_EQ(ribbon->getPart("curve", FALSE), nullptr);
}

TEST_F(Sweep, FilesKeepTheSweptChartsAndRebuildThem)
{
  Series s({0, 1, 2}, {1, -1, 2});
  PoTube* tube = new PoTube;
  tube->tubeRadius = 0.1f;
  tube->caps = FALSE;
  PoRibbon* ribbon = new PoRibbon;
  ribbon->ribbonWidth = 0.3f;
  PoCurve3* curve = new PoCurve3;
  const SbVec3f points[] = {{0, 0, 0}, {1, 2, 1}, {2, 0, 3}};
  curve->point.setValues(0, 3, points);
  curve->curveRep = PoCurve3::SMOOTH;
  s.root->addChild(tube);
  s.root->addChild(ribbon);
  s.root->addChild(curve);
  GeometryProbe before(s.root);
  SoSeparator* back = readFromString(writeToString(s.root));
  ASSERT_NE(back, nullptr);
  back->ref();
  ASSERT_EQ(back->getNumChildren(), 4);
  PoTube* readTube = dynamic_cast<PoTube*>(back->getChild(1));
  ASSERT_NE(readTube, nullptr);
  EXPECT_FLOAT_EQ(readTube->tubeRadius.getValue(), 0.1f);
  EXPECT_FALSE(readTube->caps.getValue());
  PoRibbon* readRibbon = dynamic_cast<PoRibbon*>(back->getChild(2));
  ASSERT_NE(readRibbon, nullptr);
  EXPECT_FLOAT_EQ(readRibbon->ribbonWidth.getValue(), 0.3f);
  PoCurve3* readCurve = dynamic_cast<PoCurve3*>(back->getChild(3));
  ASSERT_NE(readCurve, nullptr);
  EXPECT_EQ(readCurve->curveRep.getValue(), int(PoCurve3::SMOOTH));
  EXPECT_EQ(readCurve->point.getNum(), 3);
  GeometryProbe after(back);
  EXPECT_EQ(after.triangles().size(), before.triangles().size());
  EXPECT_EQ(after.segments().size(), before.segments().size());
  EXPECT_NEAR(after.area(), before.area(), 1e-6);
  EXPECT_NEAR(after.length(), before.length(), 1e-5);
  back->unref();
}

// ---------------------------------------------------------------- 3D curve

TEST_F(Sweep, Curve3DrawsItsPolylineOrASplineThroughItsPoints)
{
  SoSeparator* root = new SoSeparator;
  root->ref();
  PoCurve3* curve = new PoCurve3;
  root->addChild(curve);
  {
    ErrorCatcher errors;
    GeometryProbe probe(root);
    EXPECT_TRUE(probe.empty()); // empty by default, quietly
    EXPECT_EQ(errors.count(), 0);
  }
  const SbVec3f points[] = {{0, 0, 0}, {1, 2, -1}, {3, 1, 2}, {4, 4, 0}};
  curve->point.setValues(0, 4, points);
  GeometryProbe probe(root);
  ASSERT_EQ(probe.segments().size(), 3u);
  for (int i = 0; i < 3; i++) {
    EXPECT_EQ(probe.segments()[i].a, points[i]);
    EXPECT_EQ(probe.segments()[i].b, points[i + 1]);
  }

  curve->curveRep = PoCurve3::SMOOTH;
  probe.apply(root);
  ASSERT_EQ(probe.segments().size(), 30u);
  for (int i = 0; i < 3; i++)
    EXPECT_NEAR((probe.segments()[10 * i].a - points[i]).length(), 0.0f, 1e-5) << i;
  EXPECT_NEAR((probe.segments()[29].b - points[3]).length(), 0.0f, 1e-5);
  // Between the points the spline leaves the chords: it is longer than the polyline.
  double chords = 0;
  for (int i = 0; i < 3; i++)
    chords += (points[i + 1] - points[i]).length();
  EXPECT_GT(probe.length(), chords);

  // Evenly spaced points on a line: the natural spline is that line, sampled evenly.
  const SbVec3f line[] = {{0, 0, 0}, {1, 2, 3}, {2, 4, 6}};
  curve->point.setValues(0, 3, line);
  curve->point.setNum(3);
  probe.apply(root);
  ASSERT_EQ(probe.segments().size(), 20u);
  for (int k = 0; k < 20; k++)
    EXPECT_NEAR((probe.segments()[k].a - line[1] * (k / 10.0f)).length(), 0.0f, 1e-5) << k;

  // Non-finite points are left out with a warning; a single point left draws nothing.
  const SbVec3f bad[] = {{0, 0, 0}, {kNaN, 0, 0}, {1, 1, 1}};
  curve->point.setValues(0, 3, bad);
  curve->curveRep = PoCurve3::POLYLINE;
  {
    ErrorCatcher errors;
    probe.apply(root);
    EXPECT_EQ(errors.count(), 1);
    EXPECT_TRUE(errors.contains("not finite"));
    ASSERT_EQ(probe.segments().size(), 1u);
    EXPECT_EQ(probe.segments()[0].b, SbVec3f(1, 1, 1));
  }
  curve->point.setNum(2);
  {
    ErrorCatcher errors;
    probe.apply(root);
    EXPECT_TRUE(probe.empty());
    EXPECT_TRUE(errors.contains("2 are needed"));
  }
  root->unref();
}

} // namespace
