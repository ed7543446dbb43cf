// 3D arrows through the geometry they build: shaft and heads in both forms, closed solids,
// bad values and files.
#include "support/ErrorCatcher.h"
#include "support/GeometryProbe.h"
#include "support/SceneText.h"

#include <Gridlux/Gridlux.h>

#include <Inventor/nodes/SoSeparator.h>

#include <gtest/gtest.h>

#include <cmath>

namespace {

const double kPi = 3.14159265358979;

// Area of the regular polygon of n sides inscribed in a circle of radius r.
double polygonArea(int n, double r)
{
  return 0.5 * n * r * r * std::sin(2 * kPi / n);
}

// Signed volume enclosed by triangles (positive when they face outward).
double enclosedVolume(const GeometryProbe& probe)
{
  double v = 0.0;
  for (const GeometryProbe::Triangle& t : probe.triangles())
    v += t.v[0].dot(t.v[1].cross(t.v[2])) / 6.0;
  return v;
}

class Arrow3 : public ::testing::Test {
protected:
  static void SetUpTestSuite() { PoGridlux::init(); }
  void SetUp() override
  {
    root = new SoSeparator;
    root->ref();
    arrow = new PoArrow3;
    root->addChild(arrow);
  }
  void TearDown() override { root->unref(); }
  // The geometry of one part alone (the whole arrow with @p part null).
  GeometryProbe probe(const char* part = nullptr)
  {
    GeometryProbe all(root); // brings the arrow up to date
    if (!part)
      return all;
    SoNode* node = arrow->getPart(part, FALSE);
    return node ? GeometryProbe(node) : GeometryProbe();
  }
  SoSeparator* root;
  PoArrow3* arrow;
};

TEST_F(Arrow3, LineFormStopsTheShaftAtATriangleAndCrossesTwoFlatHeads)
{
  arrow->startPoint.setValue(1, 1, 1);
  arrow->endPoint.setValue(2, 3, 3); // length 3 along (1, 2, 2) / 3
  const SbVec3f dir(1.0f / 3, 2.0f / 3, 2.0f / 3);
  const float length = 3.0f, h = 0.15f * length, r = 0.04f * length;

  const GeometryProbe shaft = probe("shaft");
  ASSERT_EQ(shaft.segments().size(), 1u);
  EXPECT_LT((shaft.segments()[0].a - SbVec3f(1, 1, 1)).length(), 1e-5f);
  EXPECT_LT((shaft.segments()[0].b - (SbVec3f(2, 3, 3) - dir * h)).length(), 1e-5f);

  const GeometryProbe head = probe("endHead");
  ASSERT_EQ(head.triangles().size(), 2u);
  EXPECT_NEAR(head.area(), 2 * (r * h), 1e-5); // two triangles of base 2r and height h
  for (const GeometryProbe::Triangle& t : head.triangles()) {
    // Base corners lie on the circle about the base centre, across the arrow; the tip at the
    // end point.
    const SbVec3f base = SbVec3f(2, 3, 3) - dir * h;
    EXPECT_LT((t.v[2] - SbVec3f(2, 3, 3)).length(), 1e-5f);
    for (int k = 0; k < 2; ++k) {
      EXPECT_NEAR((t.v[k] - base).length(), r, 1e-5);
      EXPECT_NEAR((t.v[k] - base).dot(dir), 0.0, 1e-5);
    }
  }
  // The two triangles stand in perpendicular planes.
  const SbVec3f n0 = (head.triangles()[0].v[1] - head.triangles()[0].v[0]);
  const SbVec3f n1 = (head.triangles()[1].v[1] - head.triangles()[1].v[0]);
  EXPECT_NEAR(n0.dot(n1), 0.0, 1e-5);
  EXPECT_EQ(arrow->getPart("startHead", FALSE), nullptr);
}

TEST_F(Arrow3, ChevronsKeepTheWholeShaftAndHeadsMeetWhenTooLong)
{
  arrow->endPoint.setValue(0, 0, 2);
  arrow->startShape.setValue(PoArrow3::CHEVRON);
  arrow->endShape.setValue(PoArrow3::CHEVRON);
  arrow->headWidth.setValue(0.1f);
  GeometryProbe shaft = probe("shaft");
  ASSERT_EQ(shaft.segments().size(), 1u);
  EXPECT_NEAR(shaft.length(), 2.0, 1e-6);
  const double h = 0.3, r = 0.1;
  for (const char* part : {"startHead", "endHead"}) {
    const GeometryProbe head = probe(part);
    ASSERT_EQ(head.segments().size(), 4u) << part; // two V shapes
    EXPECT_NEAR(head.length(), 4 * std::sqrt(h * h + r * r), 1e-5) << part;
  }
  // Heads of 0.8 of the length each are shortened to meet in the middle.
  arrow->headLength.setValue(0.8f);
  const SbBox3f start = probe("startHead").bbox(), end = probe("endHead").bbox();
  EXPECT_NEAR(start.getMax()[2], 1.0, 1e-5);
  EXPECT_NEAR(end.getMin()[2], 1.0, 1e-5);
  EXPECT_NEAR(start.getMin()[2], 0.0, 1e-5);
}

TEST_F(Arrow3, SolidFormIsAClosedCylinderAndClosedCones)
{
  arrow->solid.setValue(TRUE);
  arrow->startShape.setValue(PoArrow3::TRIANGLE);
  arrow->startPoint.setValue(0, 0, 0);
  arrow->endPoint.setValue(0, 4, 0);
  const double length = 4, h = 0.15 * length, r = 0.04 * length, rs = 0.4 * r;
  const int n = PiArrow3::NUM_SIDES;
  const GeometryProbe shaft = probe("shaft"), start = probe("startHead"),
                      end = probe("endHead");
  // Outward faces enclose the prism and the pyramids of the inscribed polygons.
  EXPECT_NEAR(enclosedVolume(shaft), polygonArea(n, rs) * (length - 2 * h), 1e-5);
  EXPECT_NEAR(enclosedVolume(start), polygonArea(n, r) * h / 3, 1e-5);
  EXPECT_NEAR(enclosedVolume(end), polygonArea(n, r) * h / 3, 1e-5);
  EXPECT_NEAR(end.bbox().getMax()[1], 4.0, 1e-5);
  EXPECT_NEAR(start.bbox().getMin()[1], 0.0, 1e-5);
  EXPECT_NEAR(shaft.bbox().getMax()[1], length - h, 1e-5);
  // Only a closed surface encloses the same volume wherever it stands.
  arrow->startPoint.setValue(5, -3, 2);
  arrow->endPoint.setValue(5, 1, 2);
  EXPECT_NEAR(enclosedVolume(probe("shaft")), polygonArea(n, rs) * (length - 2 * h), 1e-4);
}

TEST_F(Arrow3, BadValuesPostAMessageAndDrawNothing)
{
  struct Case {
    const char* what;
    void (*set)(PoArrow3*);
  } cases[] = {
      {"coinciding points", [](PoArrow3* a) { a->endPoint.setValue(0, 0, 0); }},
      {"not finite", [](PoArrow3* a) { a->endPoint.setValue(NAN, 0, 0); }},
      {"negative width", [](PoArrow3* a) { a->headWidth.setValue(-0.1f); }},
      {"unknown shape", [](PoArrow3* a) { a->endShape.setValue(7); }},
  };
  for (const Case& c : cases) {
    PoArrow3* fresh = new PoArrow3;
    root->replaceChild(arrow, fresh);
    arrow = fresh;
    ASSERT_FALSE(probe().empty()) << c.what;
    c.set(arrow);
    ErrorCatcher errors;
    EXPECT_TRUE(probe().empty()) << c.what;
    EXPECT_EQ(errors.count(), 1) << c.what;
    EXPECT_TRUE(errors.contains("PoArrow3::rebuild")) << c.what;
  }
}

TEST_F(Arrow3, FileKeepsTheFieldsAndTheGeometry)
{
  arrow->startPoint.setValue(1, 2, 3);
  arrow->endPoint.setValue(-1, 0, 3);
  arrow->solid.setValue(TRUE);
  arrow->startShape.setValue(PoArrow3::CHEVRON);
  const double before = enclosedVolume(probe());
  SoSeparator* back = readFromString(writeToString(root));
  ASSERT_NE(back, nullptr);
  back->ref();
  ASSERT_EQ(back->getNumChildren(), 1);
  PoArrow3* read = static_cast<PoArrow3*>(back->getChild(0));
  ASSERT_TRUE(read->isOfType(PoArrow3::getClassTypeId()));
  EXPECT_EQ(read->startPoint.getValue(), SbVec3f(1, 2, 3));
  EXPECT_EQ(read->startShape.getValue(), int(PoArrow3::CHEVRON));
  EXPECT_TRUE(read->solid.getValue());
  EXPECT_NEAR(enclosedVolume(GeometryProbe(back)), before, 1e-6);
  back->unref();
}

} // namespace
