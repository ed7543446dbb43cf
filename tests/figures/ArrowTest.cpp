// 2D arrows through the geometry they build: head length and width, tips on the end points,
// both shapes at both ends, stretched domains, bad values and files.
#include "support/ErrorCatcher.h"
#include "support/GeometryProbe.h"
#include "support/SceneText.h"

#include <Gridlux/attributes/PoDomain.h>
#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/figures/PiArrow3.h>
#include <Gridlux/figures/PoArrow.h>

#include <Inventor/nodes/SoSeparator.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

double dist(const SbVec3f& a, const SbVec3f& b)
{
  return (a - b).length();
}

class Arrow : public ::testing::Test {
protected:
  static void SetUpTestSuite() { PoGridlux::init(); }
  void SetUp() override
  {
    root = new SoSeparator;
    root->ref();
    arrow = new PoArrow;
    root->addChild(arrow);
  }
  void TearDown() override { root->unref(); }
  // The geometry of one part alone, in world space (the whole arrow with @p part null).
  GeometryProbe probe(const char* part = nullptr)
  {
    GeometryProbe all(root); // brings the arrow up to date
    if (!part)
      return all;
    SoNode* node = arrow->getPart(part, FALSE);
    if (!node)
      return GeometryProbe();
    // Under the kit's domain transform, as the whole scene draws it.
    SoSeparator* alone = new SoSeparator;
    alone->ref();
    if (SoNode* transform = arrow->getPart("domainTransform", FALSE))
      alone->addChild(transform);
    alone->addChild(node);
    GeometryProbe p(alone);
    alone->unref();
    return p;
  }
  SoSeparator* root;
  PoArrow* arrow;
};

} // namespace

TEST_F(Arrow, TriangleHeadHasItsLengthAndWidthWithTheTipOnTheEndPoint)
{
  arrow->startPoint.setValue(0.1f, 0.2f);
  arrow->endPoint.setValue(0.7f, 1.0f); // length 1 along (0.6, 0.8)
  const SbVec3f end(0.7f, 1.0f, 0), dir(0.6f, 0.8f, 0), left(-0.8f, 0.6f, 0);
  const GeometryProbe head = probe("endHead");
  ASSERT_EQ(head.triangles().size(), 1u);
  const GeometryProbe::Triangle& t = head.triangles()[0];
  EXPECT_EQ(t.v[2], end); // exactly
  EXPECT_GT(t.signedAreaXY(), 0.0);
  const SbVec3f base = (t.v[0] + t.v[1]) * 0.5f;
  EXPECT_NEAR(dist(t.v[0], t.v[1]), 0.08, 1e-6);                // head width
  EXPECT_NEAR(dist(base, end), 0.15, 1e-6);                      // head length
  EXPECT_NEAR((t.v[1] - t.v[0]).dot(dir), 0.0, 1e-6);            // base across the arrow
  EXPECT_NEAR((t.v[0] - t.v[1]).dot(left), 0.08, 1e-6);          // left corner first
  EXPECT_NEAR(head.area(), 0.5 * 0.08 * 0.15, 1e-7);
  for (const SbVec3f& v : t.v)
    EXPECT_EQ(v[2], 0.0f);

  const GeometryProbe shaft = probe("shaft");
  ASSERT_EQ(shaft.segments().size(), 1u);
  EXPECT_EQ(shaft.segments()[0].a, SbVec3f(0.1f, 0.2f, 0));
  EXPECT_LT(dist(shaft.segments()[0].b, base), 1e-6); // stops at the base
  EXPECT_EQ(arrow->getPart("startHead", FALSE), nullptr); // NO_SHAPE by default
}

TEST_F(Arrow, ShapesAtBothEnds)
{
  arrow->startPoint.setValue(0, 0);
  arrow->endPoint.setValue(0, 2); // up, length 2
  arrow->headLength = 0.25f;      // 0.5 long
  arrow->headWidth = 0.1f;        // 0.2 wide
  arrow->startShape = PoArrow::CHEVRON;
  arrow->endShape = PoArrow::CHEVRON;
  const double arm = std::sqrt(0.5 * 0.5 + 0.1 * 0.1);
  for (const char* part : {"startHead", "endHead"}) {
    const GeometryProbe head = probe(part);
    const bool atEnd = part[0] == 'e';
    const SbVec3f tip = atEnd ? SbVec3f(0, 2, 0) : SbVec3f(0, 0, 0);
    ASSERT_EQ(head.segments().size(), 2u) << part; // one V
    EXPECT_TRUE(head.triangles().empty());
    EXPECT_EQ(head.segments()[0].b, tip);
    EXPECT_EQ(head.segments()[1].a, tip);
    EXPECT_NEAR(head.length(), 2 * arm, 1e-6) << part;
    const SbBox3f box = head.bbox();
    EXPECT_NEAR(box.getMax()[0] - box.getMin()[0], 0.2, 1e-6);
    EXPECT_NEAR(box.getMax()[1] - box.getMin()[1], 0.5, 1e-6);
    EXPECT_EQ(box.getMax()[2], 0.0f);
  }
  // A shaft runs into a chevron's tip.
  GeometryProbe shaft = probe("shaft");
  ASSERT_EQ(shaft.segments().size(), 1u);
  EXPECT_NEAR(shaft.length(), 2.0, 1e-6);

  arrow->startShape = PoArrow::TRIANGLE;
  arrow->endShape = PoArrow::NO_SHAPE;
  const GeometryProbe start = probe("startHead");
  ASSERT_EQ(start.triangles().size(), 1u);
  EXPECT_EQ(start.triangles()[0].v[2], SbVec3f(0, 0, 0));
  EXPECT_GT(start.triangles()[0].signedAreaXY(), 0.0);
  EXPECT_EQ(arrow->getPart("endHead", FALSE), nullptr);
  shaft = probe("shaft");
  EXPECT_NEAR(shaft.length(), 1.5, 1e-6); // from the start head's base to the end point
}

TEST_F(Arrow, HeadsLongerThanTheArrowMeetInTheMiddle)
{
  arrow->startPoint.setValue(1, 1);
  arrow->endPoint.setValue(3, 1);
  arrow->headLength = 0.8f; // two heads of 1.6 on a length of 2
  arrow->startShape = PoArrow::TRIANGLE;
  const GeometryProbe all = probe();
  ASSERT_EQ(all.triangles().size(), 2u);
  EXPECT_TRUE(all.segments().empty()); // no shaft left between the bases
  for (const GeometryProbe::Triangle& t : all.triangles())
    EXPECT_NEAR(0.5f * (t.v[0] + t.v[1])[0], 2.0, 1e-6);
}

TEST_F(Arrow, HeadIsSymmetricOnTheScreenUnderAStretchingDomain)
{
  // Domain 10 x 1: y is scaled by 10, so (0, 0)-(6, 0.8) is drawn from (0, 0) to (6, 8).
  PoDomain* domain = new PoDomain;
  domain->max.setValue(10, 1, 10);
  root->insertChild(domain, 0);
  arrow->startPoint.setValue(0, 0);
  arrow->endPoint.setValue(6, 0.8f);
  const GeometryProbe head = probe("endHead");
  ASSERT_EQ(head.triangles().size(), 1u);
  const GeometryProbe::Triangle& t = head.triangles()[0];
  const SbVec3f tip(6, 8, 0), dir(0.6f, 0.8f, 0);
  EXPECT_LT(dist(t.v[2], tip), 1e-5);
  const SbVec3f base = (t.v[0] + t.v[1]) * 0.5f;
  EXPECT_NEAR(dist(base, tip), 1.5, 1e-5);          // 0.15 of the drawn length 10
  EXPECT_NEAR(dist(t.v[0], t.v[1]), 0.8, 1e-5);     // 0.08 of it
  EXPECT_NEAR((t.v[1] - t.v[0]).dot(dir), 0.0, 1e-5);
  EXPECT_NEAR(dist(t.v[0], tip), dist(t.v[1], tip), 1e-5);
}

TEST_F(Arrow, BadArrowsPostAMessageAndDrawNothing)
{
  ErrorCatcher errors;
  arrow->startPoint.setValue(2, 3);
  arrow->endPoint.setValue(2, 3);
  EXPECT_TRUE(probe().empty());
  ASSERT_EQ(errors.count(), 1);
  EXPECT_TRUE(errors.contains("coincide; nothing is drawn"));
  for (const char* part : {"shaft", "startHead", "endHead"})
    EXPECT_EQ(arrow->getPart(part, FALSE), nullptr) << part;

  errors.clear();
  arrow->endPoint.setValue(std::numeric_limits<float>::quiet_NaN(), 0);
  EXPECT_TRUE(probe().empty());
  EXPECT_TRUE(errors.contains("not finite"));

  // Far apart: the length does not fit a float, which would make every vertex NaN.
  errors.clear();
  arrow->startPoint.setValue(-3e38f, -3e38f);
  arrow->endPoint.setValue(3e38f, 3e38f);
  EXPECT_TRUE(probe().empty());
  EXPECT_TRUE(errors.contains("too far apart"));
  errors.clear();
  arrow->startPoint.setValue(0, 0);
  arrow->endPoint.setValue(1e30f, 0);
  arrow->headWidth = 1e10f;
  EXPECT_TRUE(probe().empty());
  EXPECT_TRUE(errors.contains("too large for an arrow"));

  errors.clear();
  arrow->startPoint.setValue(2, 3);
  arrow->endPoint.setValue(3, 3);
  arrow->headWidth = -1;
  EXPECT_TRUE(probe().empty());
  EXPECT_TRUE(errors.contains("must be finite and not negative"));

  errors.clear();
  arrow->headWidth = 0.08f;
  EXPECT_EQ(probe().triangles().size(), 1u); // back to a drawn arrow
  EXPECT_EQ(errors.count(), 0);
}

TEST_F(Arrow, FilesKeepTheFieldsAndTheGeometry)
{
  arrow->startPoint.setValue(0.5f, 0.25f);
  arrow->endPoint.setValue(0.1f, 0.9f);
  arrow->startShape = PoArrow::CHEVRON;
  arrow->headWidth = 0.2f;
  const GeometryProbe before = probe();
  SoSeparator* back = readFromString(writeToString(root));
  ASSERT_NE(back, nullptr);
  back->ref();
  ASSERT_EQ(back->getNumChildren(), 1);
  PoArrow* read = dynamic_cast<PoArrow*>(back->getChild(0));
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->startShape.getValue(), int(PoArrow::CHEVRON));
  EXPECT_EQ(read->endShape.getValue(), int(PoArrow::TRIANGLE));
  const GeometryProbe after(back);
  EXPECT_EQ(after.segments().size(), before.segments().size());
  EXPECT_EQ(after.triangles().size(), before.triangles().size());
  EXPECT_NEAR(after.length(), before.length(), 1e-6);
  EXPECT_NEAR(after.area(), before.area(), 1e-7);
  back->unref();
}

// The planar form on its own, without a scene graph.
TEST(PiArrow3Planar, OneHeadInThePlaneOfTheStart)
{
  PiArrow3 arrow;
  ASSERT_EQ(arrow.setPlanar(SbVec3f(1, 1, 2), SbVec3f(1, -3, 5), 0.25f, 0.5f, PiArrow3::CHEVRON,
                            PiArrow3::TRIANGLE),
            1);
  EXPECT_FLOAT_EQ(arrow.getLength(), 4.0f); // the end is taken into z = 2
  SbVec3f p1, p2;
  arrow.getPerpendiculars(p1, p2);
  EXPECT_EQ(p2, SbVec3f(0, 0, 1));
  EXPECT_NEAR(p1.cross(p2).dot(arrow.getDirection()), 1.0, 1e-6);
  PiArrow3::Mesh head;
  for (bool atEnd : {false, true}) {
    arrow.getHead(atEnd, head);
    ASSERT_EQ(head.counts.size(), 1u);
    EXPECT_EQ(head.points.size(), 3u);
    EXPECT_EQ(head.lines, !atEnd);
    for (const SbVec3f& v : head.points)
      EXPECT_EQ(v[2], 2.0f);
  }
  // The 3D form still crosses two heads.
  ASSERT_EQ(arrow.set(SbVec3f(1, 1, 2), SbVec3f(1, -3, 5), 0.25f, 0.5f, PiArrow3::CHEVRON,
                      PiArrow3::TRIANGLE, false),
            1);
  arrow.getHead(true, head);
  EXPECT_EQ(head.counts.size(), 2u);
}
