// Profiles: the outlines they give, their checks, and what the profile element reports.
#include "AttributeTestSupport.h"

#include <Gridlux/attributes/PiProfilePolygon.h>
#include <Gridlux/attributes/PoCircularProfile.h>
#include <Gridlux/attributes/PoEllipticProfile.h>
#include <Gridlux/attributes/PoProfileCoordinate2.h>
#include <Gridlux/attributes/PoProfileElement.h>
#include <Gridlux/attributes/PoSquareProfile.h>
#include <Gridlux/base/PoGridlux.h>

#include <support/ErrorCatcher.h>

#include <Inventor/actions/SoCallbackAction.h>
#include <Inventor/nodes/SoCallback.h>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numeric>
#include <vector>

namespace {

class Profiles : public ::testing::Test {
protected:
  static void SetUpTestSuite() { PoGridlux::init(); }
};

std::vector<SbVec2f> outlineOf(const PoProfile* profile)
{
  int n = 0;
  const SbVec2f* p = profile->getPolygon(n);
  return std::vector<SbVec2f>(p, p + n);
}

double area(const std::vector<SbVec2f>& p) { return PiProfilePolygon::signedArea(p.data(), int(p.size())); }

TEST_F(Profiles, RegularShapesHaveTheirClosedFormAreas)
{
  Ref<PoCircularProfile> circle(new PoCircularProfile);
  circle->radius = 2.0f;
  circle->numPoints = 6;
  std::vector<SbVec2f> hexagon = outlineOf(circle.get());
  ASSERT_EQ(hexagon.size(), 6u);
  // A regular n-gon inscribed in radius r: n r^2 sin(2 pi / n) / 2.
  EXPECT_NEAR(area(hexagon), 6 * 4.0 * std::sin(2 * M_PI / 6) / 2, 1e-5);
  EXPECT_NEAR(PiProfilePolygon::perimeter(hexagon.data(), 6), 6 * 2.0, 1e-5);
  for (const SbVec2f& v : hexagon)
    EXPECT_NEAR(v.length(), 2.0f, 1e-6f);

  Ref<PoEllipticProfile> ellipse(new PoEllipticProfile);
  ellipse->numPoints = 400;
  // Polygon on the ellipse: n a b sin(2 pi / n) / 2, which tends to pi a b.
  EXPECT_NEAR(area(outlineOf(ellipse.get())), 400 * 0.5 * std::sin(2 * M_PI / 400) / 2, 1e-5);
  EXPECT_NEAR(area(outlineOf(ellipse.get())), M_PI * 0.5, 2e-4);

  Ref<PoSquareProfile> square(new PoSquareProfile);
  square->size = 3.0f;
  std::vector<SbVec2f> s = outlineOf(square.get());
  EXPECT_NEAR(area(s), 9.0, 1e-6);
  SbBox2f box = PiProfilePolygon::bounds(s.data(), int(s.size()));
  EXPECT_EQ(box.getMin(), SbVec2f(-1.5f, -1.5f));
  EXPECT_EQ(box.getMax(), SbVec2f(1.5f, 1.5f));
}

TEST_F(Profiles, OutlinesFollowFieldChanges)
{
  Ref<PoCircularProfile> circle(new PoCircularProfile);
  EXPECT_EQ(outlineOf(circle.get()).size(), 16u);
  circle->numPoints = 5;
  EXPECT_EQ(outlineOf(circle.get()).size(), 5u);
  circle->radius = 3.0f;
  EXPECT_NEAR(outlineOf(circle.get())[2].length(), 3.0f, 1e-6f);
}

TEST_F(Profiles, PointListsAreCheckedAndClockwiseOnesReversed)
{
  Ref<PoProfileCoordinate2> profile(new PoProfileCoordinate2);
  ErrorCatcher errors;
  const SbVec2f clockwise[] = {{0, 0}, {0, 1}, {2, 1}, {2, 0}};
  profile->point.setValues(0, 4, clockwise);
  std::vector<SbVec2f> outline = outlineOf(profile.get());
  EXPECT_EQ(errors.count(), 0);
  ASSERT_EQ(outline.size(), 4u);
  EXPECT_NEAR(area(outline), 2.0, 1e-6); // positive: turned counter-clockwise
  EXPECT_EQ(PiProfilePolygon::bounds(outline.data(), 4).getMax(), SbVec2f(2, 1)); // not recentred

  struct Bad {
    std::vector<SbVec2f> points;
    const char* fragment;
  };
  const Bad bad[] = {
    {{{0, 0}, {1, 0}}, "at least 3"},
    {{{0, 0}, {1, 1}, {1, 0}, {0, 1}}, "crosses itself"}, // a bow tie
    {{{0, 0}, {1, 0}, {1, 1}, {1, 1}, {0, 1}}, "crosses itself"},
    {{{0, 0}, {1, 0}, {2, 0}}, "encloses no area"},
    {{{0, 0}, {NAN, 0}, {1, 1}}, "not finite"},
  };
  for (const Bad& b : bad) {
    errors.clear();
    profile->point.setValues(0, int(b.points.size()), b.points.data());
    profile->point.setNum(int(b.points.size()));
    std::vector<SbVec2f> fallback = outlineOf(profile.get());
    EXPECT_EQ(fallback.size(), 16u) << b.fragment;
    EXPECT_NEAR(area(fallback), 8 * std::sin(2 * M_PI / 16), 1e-5) << b.fragment;
    EXPECT_EQ(errors.count(), 1) << b.fragment;
    EXPECT_TRUE(errors.contains(b.fragment)) << b.fragment;
    // The message comes once per change, not at every use of the outline.
    outlineOf(profile.get());
    EXPECT_EQ(errors.count(), 1) << b.fragment;
  }

  errors.clear();
  Ref<PoCircularProfile> circle(new PoCircularProfile);
  circle->radius = -1.0f;
  EXPECT_EQ(outlineOf(circle.get()).size(), 16u);
  EXPECT_EQ(errors.count(), 1);
}

TEST_F(Profiles, SelfCrossingAgreesWithABruteForceReference)
{
  // Star polygons {n/k} cross themselves exactly when k > 1; convex ones never do.
  for (int n = 5; n <= 9; ++n) {
    for (int k = 1; k < n / 2 + (n % 2); ++k) {
      if (std::gcd(n, k) != 1)
        continue;
      std::vector<SbVec2f> star;
      for (int i = 0; i < n; ++i) {
        const double a = 2 * M_PI * i * k / n;
        star.emplace_back(float(std::cos(a)), float(std::sin(a)));
      }
      EXPECT_EQ(PiProfilePolygon::selfCrossing(star.data(), n), k > 1) << n << "/" << k;
    }
  }
  // A concave outline that does not cross (an L).
  const SbVec2f ell[] = {{0, 0}, {2, 0}, {2, 1}, {1, 1}, {1, 2}, {0, 2}};
  EXPECT_FALSE(PiProfilePolygon::selfCrossing(ell, 6));
  EXPECT_NEAR(PiProfilePolygon::signedArea(ell, 6), 3.0, 1e-9);
}

TEST_F(Profiles, ElementGivesTheProfileInForceScaledOrTheDefaultCircle)
{
  Ref<SoSeparator> root(new SoSeparator);
  SoCallback* before = new SoCallback;
  SoCallback* after = new SoCallback;
  int seen = 0;
  before->setCallback(
    [](void* data, SoAction* action) {
      SoState* state = action->getState();
      EXPECT_EQ(PoProfileElement::get(state), nullptr);
      int n = 0;
      const SbVec2f* p = PoProfileElement::getProfile(state, 2.0f, n);
      EXPECT_EQ(n, 16);
      EXPECT_NEAR(p[4].length(), 2.0f, 1e-6f);
      EXPECT_EQ(PoProfileElement::getBBox(state).getMax()[0], 1.0f);
      ++*static_cast<int*>(data);
    },
    &seen);
  PoSquareProfile* square = new PoSquareProfile;
  square->size = 2.0f;
  after->setCallback(
    [](void* data, SoAction* action) {
      SoState* state = action->getState();
      ASSERT_NE(PoProfileElement::get(state), nullptr);
      int n = 0;
      const SbVec2f* p = PoProfileElement::getProfile(state, 0.5f, n);
      ASSERT_EQ(n, 4);
      EXPECT_EQ(p[2], SbVec2f(0.5f, 0.5f));
      EXPECT_EQ(PoProfileElement::getBBox(state).getMin(), SbVec2f(-1, -1));
      ++*static_cast<int*>(data);
    },
    &seen);
  root->addChild(before);
  root->addChild(square);
  root->addChild(after);
  SoCallbackAction action;
  action.apply(root.get());
  EXPECT_EQ(seen, 2);
}

TEST_F(Profiles, ProfilesReadBackWithTheirFields)
{
  Ref<PoProfileCoordinate2> profile(new PoProfileCoordinate2);
  const SbVec2f tri[] = {{0, 0}, {1, 0}, {0, 1}};
  profile->point.setValues(0, 3, tri);
  Ref<PoProfileCoordinate2> copy(roundTrip(profile.get()));
  ASSERT_NE(copy.get(), nullptr);
  ASSERT_EQ(copy->point.getNum(), 3);
  EXPECT_EQ(copy->point[2], SbVec2f(0, 1));

  Ref<PoEllipticProfile> ellipse(new PoEllipticProfile);
  ellipse->radiusY = 0.25f;
  Ref<PoEllipticProfile> ellipseCopy(roundTrip(ellipse.get()));
  ASSERT_NE(ellipseCopy.get(), nullptr);
  EXPECT_EQ(ellipseCopy->radiusY.getValue(), 0.25f);
  EXPECT_EQ(ellipseCopy->numPoints.getValue(), 16);
}

} // namespace
