// Error bars, error bands and high-low-close charts: bar ends and caps against their closed
// forms, band areas against the integral of the errors, tick positions and colours by direction,
// the list rules of the plain-array helper, bad lists and files.
#include "support/ErrorCatcher.h"
#include "support/GeometryProbe.h"
#include "support/SceneText.h"

#include <Gridlux/attributes/PbDomain.h>
#include <Gridlux/attributes/PoDomain.h>
#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/charts/PiErrorBars.h>
#include <Gridlux/charts/PoBiErrorPointField.h>
#include <Gridlux/charts/PoErrorCurve.h>
#include <Gridlux/charts/PoErrorPointField.h>
#include <Gridlux/charts/PoHighLowClose.h>

#include <Inventor/SoPrimitiveVertex.h>
#include <Inventor/actions/SoCallbackAction.h>
#include <Inventor/actions/SoSearchAction.h>
#include <Inventor/nodekits/SoBaseKit.h>
#include <Inventor/nodes/SoMarkerSet.h>
#include <Inventor/nodes/SoSeparator.h>
#include <Inventor/nodes/SoShape.h>
#include <Inventor/nodes/SoText3.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

const float kNaN = std::numeric_limits<float>::quiet_NaN();
const float kInf = std::numeric_limits<float>::infinity();

struct Seg {
  SbVec2f a, b;
};

// A kit under a separator, optionally after a domain node; the world-to-user matrix undoes
// the domain's transform so that geometry is compared in the kit's own coordinates.
class Scene {
public:
  explicit Scene(SoNode* kit) : Scene(kit, SbVec3f(0, 0, 0), SbVec3f(1, 1, 1)) {}
  Scene(SoNode* kit, const SbVec3f& min, const SbVec3f& max)
      : m_domain(min[0], min[1], min[2], max[0], max[1], max[2])
  {
    m_root = new SoSeparator;
    m_root->ref();
    PoDomain* domain = new PoDomain;
    domain->min = min;
    domain->max = max;
    m_root->addChild(domain);
    m_root->addChild(kit);
    m_toUser = m_domain.getMatrix().inverse();
  }
  ~Scene() { m_root->unref(); }
  SoSeparator* root() const { return m_root; }
  const PbDomain& domain() const { return m_domain; }

  // The segments drawn by the scene or, when @p part is named, by that part of @p kit after
  // the scene's traversal has rebuilt it; in user coordinates.
  std::vector<Seg> segments(SoBaseKit* kit = nullptr, const char* part = nullptr) const
  {
    GeometryProbe whole(m_root);
    SoNode* node = kit ? kit->getPart(part, FALSE) : nullptr;
    std::vector<Seg> out;
    if (kit && !node)
      return out;
    const GeometryProbe probe = node ? GeometryProbe(node) : whole;
    for (const GeometryProbe::Segment& s : probe.segments())
      out.push_back({toUser(s.a, node != nullptr), toUser(s.b, node != nullptr)});
    return out;
  }
  SbVec2f toUser(const SbVec3f& p, bool alreadyUser = false) const
  {
    SbVec3f u = p;
    if (!alreadyUser)
      m_toUser.multVecMatrix(p, u);
    return SbVec2f(u[0], u[1]);
  }

private:
  SoSeparator* m_root = nullptr;
  PbDomain m_domain;
  SbMatrix m_toUser;
};

// Every expected segment matches one drawn segment (either way round) within @p tol, and no
// drawn segment is left over.
void expectSameSegments(const std::vector<Seg>& got, const std::vector<Seg>& expected, float tol)
{
  ASSERT_EQ(got.size(), expected.size());
  std::vector<bool> used(got.size(), false);
  auto close = [tol](const SbVec2f& p, const SbVec2f& q) {
    return std::fabs(p[0] - q[0]) <= tol && std::fabs(p[1] - q[1]) <= tol;
  };
  for (const Seg& e : expected) {
    bool found = false;
    for (std::size_t k = 0; k < got.size() && !found; k++)
      if (!used[k] && ((close(got[k].a, e.a) && close(got[k].b, e.b)) || (close(got[k].a, e.b) && close(got[k].b, e.a))))
        used[k] = found = true;
    EXPECT_TRUE(found) << "no segment (" << e.a[0] << ", " << e.a[1] << ") - (" << e.b[0] << ", " << e.b[1] << ")";
  }
}

// The bar and its caps as a person would draw them: a bar between the two ends, a cap of
// length @p cap centred on each end whose error is not zero.
void addVerticalBar(std::vector<Seg>& out, float x, float y, float lower, float upper, float cap)
{
  if (lower + upper > 0)
    out.push_back({SbVec2f(x, y - lower), SbVec2f(x, y + upper)});
  if (lower > 0)
    out.push_back({SbVec2f(x - cap / 2, y - lower), SbVec2f(x + cap / 2, y - lower)});
  if (upper > 0)
    out.push_back({SbVec2f(x - cap / 2, y + upper), SbVec2f(x + cap / 2, y + upper)});
}

void addHorizontalBar(std::vector<Seg>& out, float x, float y, float left, float right, float cap)
{
  if (left + right > 0)
    out.push_back({SbVec2f(x - left, y), SbVec2f(x + right, y)});
  if (left > 0)
    out.push_back({SbVec2f(x - left, y - cap / 2), SbVec2f(x - left, y + cap / 2)});
  if (right > 0)
    out.push_back({SbVec2f(x + right, y - cap / 2), SbVec2f(x + right, y + cap / 2)});
}

// Marker positions of a kit's `marker` part (filled circle markers), in user coordinates.
std::vector<SbVec2f> markerPoints(const Scene& scene, SoBaseKit* kit)
{
  GeometryProbe whole(scene.root());
  std::vector<SbVec2f> out;
  SoNode* part = kit->getPart("marker", FALSE);
  if (!part)
    return out;
  const GeometryProbe markers(part); // the range-for must not take a temporary's points
  for (const SbVec3f& p : markers.points())
    out.emplace_back(p[0], p[1]);
  return out;
}

// Line segments with the diffuse colour the state gives each one.
struct ColouredSegment {
  SbVec2f a, b;
  SbColor color;
};
std::vector<ColouredSegment> colouredSegments(SoNode* root)
{
  std::vector<ColouredSegment> out;
  SoCallbackAction action;
  action.addLineSegmentCallback(
      SoShape::getClassTypeId(),
      [](void* data, SoCallbackAction* action, const SoPrimitiveVertex* v1, const SoPrimitiveVertex* v2) {
        SbColor ambient, diffuse, specular, emission;
        float shininess, transparency;
        action->getMaterial(ambient, diffuse, specular, emission, shininess, transparency, v1->getMaterialIndex());
        SbVec3f a, b;
        action->getModelMatrix().multVecMatrix(v1->getPoint(), a);
        action->getModelMatrix().multVecMatrix(v2->getPoint(), b);
        static_cast<std::vector<ColouredSegment>*>(data)->push_back(
            {SbVec2f(a[0], a[1]), SbVec2f(b[0], b[1]), diffuse});
      },
      &out);
  action.apply(root);
  return out;
}

class ErrorBar : public ::testing::Test {
protected:
  static void SetUpTestSuite() { PoGridlux::init(); }
};

TEST_F(ErrorBar, GatheringReconcilesListLengthsAndDropsNonFiniteEntries)
{
  const SbVec2f points[] = {{0, 1}, {1, 2}, {2, 3}, {3, 4}};
  const float three[] = {0.1f, -0.2f, 0.3f};
  const float one[] = {0.5f};
  const float withNaN[] = {1, kInf, 3, 4};
  auto coord = [&](int c, int num) {
    PiErrorBars::Column col;
    col.values = points[0].getValue() + c;
    col.num = num;
    col.stride = 2;
    return col;
  };
  auto list = [](const float* v, int num, PiErrorBars::ColumnKind kind, bool magnitude) {
    PiErrorBars::Column col;
    col.values = v;
    col.num = num;
    col.kind = kind;
    col.magnitude = magnitude;
    return col;
  };
  std::vector<float> table;
  int rows = -1;

  // One value applies to every entry, an empty list is zero; neither limits the entries.
  PiErrorBars::Column cols[4] = {coord(0, 4), coord(1, 4), list(one, 1, PiErrorBars::BROADCAST, true),
                                 list(nullptr, 0, PiErrorBars::BROADCAST, true)};
  PiErrorBars::Report report = PiErrorBars::gatherRows(4, cols, table, rows);
  EXPECT_EQ(rows, 4);
  EXPECT_FALSE(report.unequal);
  EXPECT_EQ(table, (std::vector<float>{0, 1, 2, 3, 1, 2, 3, 4, 0.5f, 0.5f, 0.5f, 0.5f, 0, 0, 0, 0}));

  // A per-entry list shorter than the points wins; negative errors become magnitudes.
  cols[3] = list(three, 3, PiErrorBars::BROADCAST, true);
  report = PiErrorBars::gatherRows(4, cols, table, rows);
  EXPECT_EQ(rows, 3);
  EXPECT_TRUE(report.unequal);
  EXPECT_EQ(report.numEntries, 3);
  EXPECT_EQ(report.numNegative, 1);
  EXPECT_EQ(std::vector<float>(table.begin() + 9, table.end()), (std::vector<float>{0.1f, 0.2f, 0.3f}));

  // A value that is not finite drops its entry only; an absent optional list drops nothing.
  PiErrorBars::Column hlc[3] = {coord(0, 4), list(withNaN, 4, PiErrorBars::REQUIRED, false),
                                list(nullptr, 0, PiErrorBars::OPTIONAL, false)};
  report = PiErrorBars::gatherRows(3, hlc, table, rows);
  EXPECT_EQ(rows, 3);
  EXPECT_EQ(report.numDropped, 1);
  EXPECT_FALSE(report.unequal);
  EXPECT_EQ(std::vector<float>(table.begin(), table.begin() + 6), (std::vector<float>{0, 2, 3, 1, 3, 4}));
  EXPECT_TRUE(std::isnan(table[6]));
  // A present optional list limits the entries like any other.
  hlc[2] = list(three, 3, PiErrorBars::OPTIONAL, false);
  report = PiErrorBars::gatherRows(3, hlc, table, rows);
  EXPECT_TRUE(report.unequal);
  EXPECT_EQ(rows, 2); // entries 0 and 2 of the first three

  // A required list that is empty leaves nothing.
  hlc[1] = list(nullptr, 0, PiErrorBars::REQUIRED, false);
  report = PiErrorBars::gatherRows(3, hlc, table, rows);
  EXPECT_EQ(rows, 0);
  EXPECT_TRUE(table.empty());

  const float xs[] = {3, 0, 9, 6};
  EXPECT_FLOAT_EQ(PiErrorBars::meanSpacing(4, xs), 3.0f);
  EXPECT_EQ(PiErrorBars::meanSpacing(1, xs), 0.0f);
}

TEST_F(ErrorBar, GeometryOnPlainArrays)
{
  // The band strip alternates the upper and the lower line, upper first.
  const float x[] = {0, 2}, y[] = {1, 3}, lower[] = {0.5f, 1}, upper[] = {0.25f, 0};
  std::vector<SbVec2f> strip;
  PiErrorBars::band(2, x, y, lower, upper, strip);
  EXPECT_EQ(strip, (std::vector<SbVec2f>{{0, 1.25f}, {0, 0.5f}, {2, 3}, {2, 2}}));

  // Horizontal bars: an entry with no error on one side has no cap there.
  std::vector<SbVec2f> segments;
  PiErrorBars::horizontalBars(2, x, y, lower, upper, 0.2f, segments);
  EXPECT_EQ(segments, (std::vector<SbVec2f>{{-0.5f, 1}, {0.25f, 1}, {-0.5f, 0.9f}, {-0.5f, 1.1f}, {0.25f, 0.9f},
                                             {0.25f, 1.1f}, {1, 3}, {2, 3}, {1, 2.9f}, {1, 3.1f}}));

  // Directions: against the open when given, else against the previous close.
  const float xs[] = {0, 1, 2}, high[] = {5, 5, 5}, low[] = {1, 1, 1}, close[] = {3, 2, 2}, open[] = {2, 2, 1};
  std::vector<int> direction;
  int perEntry = 0;
  segments.clear();
  PiErrorBars::highLowClose(3, xs, high, low, close, open, 0.25f, segments, direction, perEntry);
  EXPECT_EQ(perEntry, 3);
  EXPECT_EQ(direction, (std::vector<int>{PiErrorBars::UP, PiErrorBars::DOWN, PiErrorBars::UP}));
  ASSERT_EQ(segments.size(), 18u);
  EXPECT_EQ(segments[10], SbVec2f(0.75f, 2)); // the open tick of the second entry
  EXPECT_EQ(segments[11], SbVec2f(1, 2));
  direction.clear();
  segments.clear();
  PiErrorBars::highLowClose(3, xs, high, low, close, nullptr, 0.25f, segments, direction, perEntry);
  EXPECT_EQ(perEntry, 2);
  EXPECT_EQ(segments.size(), 12u);
  EXPECT_EQ(direction, (std::vector<int>{PiErrorBars::UP, PiErrorBars::DOWN, PiErrorBars::DOWN}));
}

TEST_F(ErrorBar, VerticalBarsEndAtTheErrorsWithCapsOfTheCapWidth)
{
  const std::vector<SbVec2f> points = {{0.1f, 0.5f}, {0.3f, 0.2f}, {0.6f, 0.7f}, {0.9f, 0.4f}};
  const std::vector<float> lower = {0.1f, 0.0f, 0.25f, 0.05f}, upper = {0.2f, 0.15f, 0.0f, 0.05f};
  PoErrorPointField* field = new PoErrorPointField;
  field->point.setValues(0, 4, points.data());
  field->lowerError.setValues(0, 4, lower.data());
  field->upperError.setValues(0, 4, upper.data());
  Scene scene(field);
  std::vector<Seg> expected;
  for (int i = 0; i < 4; i++)
    addVerticalBar(expected, points[i][0], points[i][1], lower[i], upper[i], 0.01f);
  expectSameSegments(scene.segments(field, "errorBar"), expected, 1e-7f);
  EXPECT_EQ(markerPoints(scene, field).size(), 4u);

  // A cap width of its own, a single upper error for every point and no lower error at all.
  field->capWidth = 0.05f;
  field->lowerError.setNum(0);
  field->upperError = 0.1f;
  expected.clear();
  for (int i = 0; i < 4; i++)
    addVerticalBar(expected, points[i][0], points[i][1], 0, 0.1f, 0.05f);
  expectSameSegments(scene.segments(field, "errorBar"), expected, 1e-7f);

  // No error on either side: markers only.
  field->upperError.setNum(0);
  scene.segments();
  EXPECT_EQ(field->getPart("errorBar", FALSE), nullptr);
  EXPECT_EQ(markerPoints(scene, field).size(), 4u);
}

TEST_F(ErrorBar, CapWidthIsAFractionOfTheDomainWidth)
{
  // A domain 20 wide and 3 high: caps are 0.01 x 20 = 0.2 by default, 0.05 x 20 = 1 when set.
  const SbVec2f points[] = {{2, 1}, {11, 2.5f}, {17, 0.5f}};
  PoErrorPointField* field = new PoErrorPointField;
  field->point.setValues(0, 3, points);
  field->lowerError = 0.4f;
  field->upperError = 0.3f;
  Scene scene(field, SbVec3f(0, 0, 0), SbVec3f(20, 3, 1));
  for (float fraction : {0.0f, 0.05f}) {
    field->capWidth = fraction;
    const float cap = (fraction == 0 ? 0.01f : fraction) * 20;
    std::vector<Seg> expected;
    for (const SbVec2f& p : points)
      addVerticalBar(expected, p[0], p[1], 0.4f, 0.3f, cap);
    expectSameSegments(scene.segments(), expected, 2e-5f);
  }

  // A width that is no size is reported and computed.
  PoGridlux::init();
  ErrorCatcher errors;
  field->capWidth = -0.5f;
  std::vector<Seg> expected;
  for (const SbVec2f& p : points)
    addVerticalBar(expected, p[0], p[1], 0.4f, 0.3f, 0.2f);
  expectSameSegments(scene.segments(), expected, 2e-5f);
  EXPECT_EQ(errors.count(), 1);
  EXPECT_TRUE(errors.contains("capWidth -0.5 is not a size"));
}

TEST_F(ErrorBar, BiErrorBarsRunBothWaysWithCapsScaledOnEachAxis)
{
  // Domain 10 wide and 4 high: vertical bars get caps of 0.1, horizontal bars caps of 0.04
  // (0.01 of the height), so both look alike once the domain is scaled into the scene.
  const std::vector<SbVec2f> points = {{1, 1}, {4, 3}, {8, 2}};
  const std::vector<float> lower = {0.2f, 0.5f, 0.1f}, upper = {0.3f, 0.1f, 0.6f};
  const std::vector<float> left = {0.5f, 1.0f, 0.0f}, right = {0.7f, 0.2f, 1.5f};
  PoBiErrorPointField* field = new PoBiErrorPointField;
  field->point.setValues(0, 3, points.data());
  field->lowerError.setValues(0, 3, lower.data());
  field->upperError.setValues(0, 3, upper.data());
  field->leftError.setValues(0, 3, left.data());
  field->rightError.setValues(0, 3, right.data());
  Scene scene(field, SbVec3f(0, 0, 0), SbVec3f(10, 4, 1));
  std::vector<Seg> vertical, horizontal;
  for (int i = 0; i < 3; i++) {
    addVerticalBar(vertical, points[i][0], points[i][1], lower[i], upper[i], 0.1f);
    addHorizontalBar(horizontal, points[i][0], points[i][1], left[i], right[i], 0.04f);
  }
  std::vector<Seg> all = vertical;
  all.insert(all.end(), horizontal.begin(), horizontal.end());
  expectSameSegments(scene.segments(), all, 1e-5f);
  expectSameSegments(scene.segments(field, "horizontalErrorBar"), horizontal, 1e-6f);
  expectSameSegments(scene.segments(field, "errorBar"), vertical, 1e-6f);

  // Without x errors the bi field draws what the plain one does.
  field->leftError.setNum(0);
  field->rightError.setNum(0);
  expectSameSegments(scene.segments(), vertical, 1e-5f);
  EXPECT_EQ(field->getPart("horizontalErrorBar", FALSE), nullptr);
  EXPECT_EQ(markerPoints(scene, field).size(), 3u);
}

TEST_F(ErrorBar, MarkersAreCirclesTextsOrNothing)
{
  const SbVec2f points[] = {{0.2f, 0.2f}, {0.5f, 0.8f}};
  PoErrorPointField* field = new PoErrorPointField;
  field->point.setValues(0, 2, points);
  field->upperError = 0.1f;
  Scene scene(field);
  const std::vector<SbVec2f> markers = markerPoints(scene, field);
  ASSERT_EQ(markers.size(), 2u);
  EXPECT_EQ(markers[1], points[1]);
  SoSearchAction search;
  search.setType(SoMarkerSet::getClassTypeId());
  search.apply(field->getPart("marker", FALSE));
  EXPECT_NE(search.getPath(), nullptr);

  field->markerString = "o";
  scene.segments();
  SoSearchAction texts;
  texts.setType(SoText3::getClassTypeId());
  texts.setInterest(SoSearchAction::ALL);
  texts.apply(field->getPart("marker", FALSE));
  EXPECT_EQ(texts.getPaths().getLength(), 2);
  EXPECT_NE(field->getPart("markerApp.font", FALSE), nullptr);

  field->markerString = "";
  scene.segments();
  EXPECT_EQ(field->getPart("marker", FALSE), nullptr);
  EXPECT_NE(field->getPart("errorBar", FALSE), nullptr);
}

TEST_F(ErrorBar, ErrorBandAreaIsTheIntegralOfTheErrors)
{
  // A straight series y = 0.5 x + 1 over unequal steps, errors varying from point to point:
  // between two points the band's height runs linearly, so its area is the trapezoid sum.
  const std::vector<float> xs = {0, 0.1f, 0.25f, 0.5f, 0.6f, 0.9f, 1.0f};
  const std::vector<float> lower = {0.05f, 0.1f, 0.02f, 0.0f, 0.08f, 0.03f, 0.1f};
  const std::vector<float> upper = {0.1f, 0.0f, 0.04f, 0.06f, 0.02f, 0.07f, 0.05f};
  std::vector<SbVec2f> points;
  for (float x : xs)
    points.emplace_back(x, 0.5f * x + 1);
  PoErrorCurve* curve = new PoErrorCurve;
  curve->point.setValues(0, int(points.size()), points.data());
  curve->lowerError.setValues(0, int(lower.size()), lower.data());
  curve->upperError.setValues(0, int(upper.size()), upper.data());
  Scene scene(curve);
  GeometryProbe whole(scene.root());
  double integral = 0;
  for (std::size_t i = 0; i + 1 < xs.size(); i++)
    integral += (xs[i + 1] - xs[i]) * ((lower[i] + upper[i]) + (lower[i + 1] + upper[i + 1])) / 2;
  const GeometryProbe band(curve->getPart("errorBand", FALSE));
  EXPECT_NEAR(band.area(), integral, 1e-5);
  EXPECT_NEAR(whole.area(), integral, 1e-5);
  // Front faces towards +z, and every vertex on one of the two error lines.
  for (const GeometryProbe::Triangle& t : band.triangles()) {
    EXPECT_GE(t.signedAreaXY(), 0.0);
    for (const SbVec3f& v : t.v) {
      const std::size_t i = std::size_t(std::find(xs.begin(), xs.end(), v[0]) - xs.begin());
      ASSERT_LT(i, xs.size());
      const float y = 0.5f * xs[i] + 1;
      EXPECT_TRUE(std::fabs(v[1] - (y + upper[i])) < 1e-6f || std::fabs(v[1] - (y - lower[i])) < 1e-6f);
    }
  }
  // The line joins the points themselves.
  const GeometryProbe line(curve->getPart("curve", FALSE));
  ASSERT_EQ(line.segments().size(), xs.size() - 1);
  EXPECT_EQ(line.segments()[2].a, SbVec3f(points[2][0], points[2][1], 0));
  EXPECT_EQ(line.segments()[2].b, SbVec3f(points[3][0], points[3][1], 0));

  // One error value for all points: a band of constant height over the x range.
  curve->lowerError = 0.2f;
  curve->upperError = 0.3f;
  scene.segments();
  EXPECT_NEAR(GeometryProbe(curve->getPart("errorBand", FALSE)).area(), 0.5 * 1.0, 1e-5);

  // Under a domain, the area scales with the domain transform's determinant.
  PoErrorCurve* scaled = new PoErrorCurve;
  scaled->point.setValues(0, int(points.size()), points.data());
  scaled->lowerError = 0.2f;
  scaled->upperError = 0.3f;
  Scene domainScene(scaled, SbVec3f(0, 0, 0), SbVec3f(1, 2, 1));
  const SbMatrix m = domainScene.domain().getMatrix();
  EXPECT_NEAR(GeometryProbe(domainScene.root()).area(), 0.5 * std::fabs(m[0][0] * m[1][1]), 1e-5);

  // No error at all: no band; a single point: nothing.
  curve->lowerError.setNum(0);
  curve->upperError.setNum(0);
  scene.segments();
  EXPECT_EQ(curve->getPart("errorBand", FALSE), nullptr);
  EXPECT_NE(curve->getPart("curve", FALSE), nullptr);
  curve->point.setNum(1);
  scene.segments();
  EXPECT_EQ(curve->getPart("curve", FALSE), nullptr);
}

TEST_F(ErrorBar, HighLowCloseTicksAtCloseAndOpenColouredByDirection)
{
  const std::vector<float> x = {1, 3, 5, 7}, high = {10, 12, 11, 13}, low = {8, 9, 9.5f, 10};
  const std::vector<float> close = {9.5f, 11.5f, 10, 12}, open = {9, 11.5f, 10.5f, 10.5f};
  PoHighLowClose* chart = new PoHighLowClose;
  chart->xPosition.setValues(0, 4, x.data());
  chart->high.setValues(0, 4, high.data());
  chart->low.setValues(0, 4, low.data());
  chart->close.setValues(0, 4, close.data());
  chart->open.setValues(0, 4, open.data());
  chart->upColor = SbColor(0, 1, 0);
  chart->downColor = SbColor(1, 0, 0);
  Scene scene(chart, SbVec3f(0, 0, 0), SbVec3f(8, 14, 1));

  // Ticks 0.4 of the mean spacing (2) long: 0.8.
  std::vector<Seg> expected;
  for (int i = 0; i < 4; i++) {
    expected.push_back({SbVec2f(x[i], low[i]), SbVec2f(x[i], high[i])});
    expected.push_back({SbVec2f(x[i], close[i]), SbVec2f(x[i] + 0.8f, close[i])});
    expected.push_back({SbVec2f(x[i] - 0.8f, open[i]), SbVec2f(x[i], open[i])});
  }
  expectSameSegments(scene.segments(), expected, 1e-5f);

  // Close above open: up; equal or below: down. Every segment of an entry shares its colour.
  const bool up[] = {true, false, false, true};
  const std::vector<ColouredSegment> drawn = colouredSegments(scene.root());
  ASSERT_EQ(drawn.size(), 12u);
  for (const ColouredSegment& s : drawn) {
    const SbVec2f a = scene.toUser(SbVec3f(s.a[0], s.a[1], 0)), b = scene.toUser(SbVec3f(s.b[0], s.b[1], 0));
    const float centre = (a[0] + b[0]) / 2; // ticks reach 0.8 from their line, the next line is 2 away
    int entry = 0;
    for (int i = 1; i < 4; i++)
      if (std::fabs(centre - x[i]) < std::fabs(centre - x[entry]))
        entry = i;
    EXPECT_EQ(s.color, up[entry] ? SbColor(0, 1, 0) : SbColor(1, 0, 0)) << "entry " << entry;
  }

  // Without open: no left tick, and each close is compared with the previous one (first up).
  chart->open.setNum(0);
  chart->tickWidth = 0.05f; // 0.05 of the domain's width 8: 0.4
  expected.clear();
  for (int i = 0; i < 4; i++) {
    expected.push_back({SbVec2f(x[i], low[i]), SbVec2f(x[i], high[i])});
    expected.push_back({SbVec2f(x[i], close[i]), SbVec2f(x[i] + 0.4f, close[i])});
  }
  expectSameSegments(scene.segments(), expected, 1e-5f);
  const bool upByClose[] = {true, true, false, true};
  int index = 0;
  for (const ColouredSegment& s : colouredSegments(scene.root()))
    EXPECT_EQ(s.color, upByClose[index++ / 2] ? SbColor(0, 1, 0) : SbColor(1, 0, 0));

  // A single entry gets ticks of 0.01 of the domain's width.
  chart->tickWidth = 0;
  for (SoMFFloat* list : {&chart->xPosition, &chart->high, &chart->low, &chart->close})
    list->setNum(1);
  const std::vector<Seg> one = scene.segments();
  ASSERT_EQ(one.size(), 2u);
  EXPECT_NEAR(std::fabs(one[1].b[0] - one[1].a[0]), 0.08f, 1e-5f);
}

TEST_F(ErrorBar, UnequalListsAndNonFiniteEntriesWarnOnceAndDrawTheRest)
{
  PoGridlux::init();
  ErrorCatcher errors;
  const SbVec2f points[] = {{0.1f, 0.5f}, {0.3f, 0.5f}, {0.5f, 0.5f}, {0.7f, 0.5f}, {0.9f, 0.5f}};
  const float lower[] = {0.1f, 0.1f, 0.1f};
  PoErrorPointField* field = new PoErrorPointField;
  field->point.setValues(0, 5, points);
  field->lowerError.setValues(0, 3, lower);
  field->upperError = 0.2f;
  Scene scene(field);
  std::vector<Seg> expected;
  for (int i = 0; i < 3; i++)
    addVerticalBar(expected, points[i][0], points[i][1], 0.1f, 0.2f, 0.01f);
  expectSameSegments(scene.segments(), expected, 1e-6f);
  ASSERT_EQ(errors.count(), 1);
  EXPECT_EQ(errors.severities()[0], 1);
  EXPECT_TRUE(errors.contains("unequal length (point 5, lowerError 3, upperError 1); the first 3 entries drawn"));
  // Once per rebuild: another change, one more warning; a traversal without change, none.
  field->capWidth = 0.02f;
  scene.segments();
  scene.segments();
  EXPECT_EQ(errors.count(), 2);

  // A point that is not finite is dropped, the others drawn.
  errors.clear();
  SbVec2f bad[5];
  std::copy(points, points + 5, bad);
  bad[1][1] = kNaN;
  field->point.setValues(0, 5, bad);
  field->lowerError = 0.1f;
  expected.clear();
  for (int i : {0, 2, 3, 4})
    addVerticalBar(expected, points[i][0], points[i][1], 0.1f, 0.2f, 0.02f);
  expectSameSegments(scene.segments(), expected, 1e-6f);
  EXPECT_EQ(markerPoints(scene, field).size(), 4u);
  ASSERT_EQ(errors.count(), 1);
  EXPECT_TRUE(errors.contains("1 of 5 entries hold a value that is not finite"));

  // Negative errors count as their magnitude.
  errors.clear();
  field->point.setValues(0, 5, points);
  field->lowerError = -0.1f;
  expected.clear();
  for (int i = 0; i < 5; i++)
    addVerticalBar(expected, points[i][0], points[i][1], 0.1f, 0.2f, 0.02f);
  expectSameSegments(scene.segments(), expected, 1e-6f);
  EXPECT_TRUE(errors.contains("negative errors taken as their magnitude"));

  // The price chart: a short open list limits the entries; an infinite high drops its entry.
  errors.clear();
  const float x[] = {1, 2, 3, 4}, high[] = {5, kInf, 6, 7}, low[] = {1, 2, 3, 4}, close[] = {2, 3, 4, 5};
  const float open[] = {3, 3, 3};
  PoHighLowClose* chart = new PoHighLowClose;
  chart->xPosition.setValues(0, 4, x);
  chart->high.setValues(0, 4, high);
  chart->low.setValues(0, 4, low);
  chart->close.setValues(0, 4, close);
  chart->open.setValues(0, 3, open);
  Scene prices(chart, SbVec3f(0, 0, 0), SbVec3f(5, 8, 1));
  EXPECT_EQ(prices.segments().size(), 6u); // entries 0 and 2, three segments each
  EXPECT_EQ(errors.count(), 2);
  EXPECT_TRUE(errors.contains("open 3); the first 3 entries drawn"));
  EXPECT_TRUE(errors.contains("1 of 3 entries hold a value that is not finite"));

  // The error curve joins the neighbours of a dropped point.
  errors.clear();
  PoErrorCurve* curve = new PoErrorCurve;
  curve->point.setValues(0, 5, bad);
  curve->upperError = 0.1f;
  Scene curveScene(curve);
  GeometryProbe whole(curveScene.root());
  EXPECT_EQ(GeometryProbe(curve->getPart("curve", FALSE)).segments().size(), 3u);
  EXPECT_NEAR(GeometryProbe(curve->getPart("errorBand", FALSE)).area(), 0.8 * 0.1, 1e-6);
  EXPECT_EQ(errors.count(), 1);
}

TEST_F(ErrorBar, DefaultNodesDrawNothingQuietlyAndFilesKeepEveryList)
{
  PoGridlux::init();
  ErrorCatcher errors;
  SoSeparator* empty = new SoSeparator;
  empty->ref();
  empty->addChild(new PoErrorPointField);
  empty->addChild(new PoBiErrorPointField);
  empty->addChild(new PoErrorCurve);
  empty->addChild(new PoHighLowClose);
  EXPECT_TRUE(GeometryProbe(empty).empty());
  EXPECT_EQ(errors.count(), 0);
  empty->unref();

  SoSeparator* root = new SoSeparator;
  root->ref();
  const SbVec2f points[] = {{1, 2}, {2, 3}, {3, 2.5f}};
  const float errs[] = {0.2f, 0.3f, 0.4f};
  PoBiErrorPointField* bi = new PoBiErrorPointField;
  bi->point.setValues(0, 3, points);
  bi->lowerError.setValues(0, 3, errs);
  bi->upperError = 0.5f;
  bi->rightError = 0.25f;
  bi->capWidth = 0.03f;
  bi->markerString = "x";
  PoErrorCurve* curve = new PoErrorCurve;
  curve->point.setValues(0, 3, points);
  curve->lowerError.setValues(0, 3, errs);
  PoHighLowClose* chart = new PoHighLowClose;
  const float x[] = {1, 2, 3}, high[] = {4, 5, 6}, low[] = {1, 2, 3}, close[] = {3, 3, 5};
  chart->xPosition.setValues(0, 3, x);
  chart->high.setValues(0, 3, high);
  chart->low.setValues(0, 3, low);
  chart->close.setValues(0, 3, close);
  chart->upColor = SbColor(0, 0, 1);
  root->addChild(bi);
  root->addChild(curve);
  root->addChild(chart);
  const GeometryProbe before(root);
  SoSeparator* back = readFromString(writeToString(root));
  ASSERT_NE(back, nullptr);
  back->ref();
  ASSERT_EQ(back->getNumChildren(), 3);
  PoBiErrorPointField* readBi = dynamic_cast<PoBiErrorPointField*>(back->getChild(0));
  PoHighLowClose* readChart = dynamic_cast<PoHighLowClose*>(back->getChild(2));
  ASSERT_NE(readBi, nullptr);
  ASSERT_NE(dynamic_cast<PoErrorCurve*>(back->getChild(1)), nullptr);
  ASSERT_NE(readChart, nullptr);
  EXPECT_EQ(readBi->lowerError.getNum(), 3);
  EXPECT_EQ(readBi->leftError.getNum(), 0);
  EXPECT_EQ(readBi->markerString.getValue(), "x");
  EXPECT_EQ(readChart->open.getNum(), 0);
  EXPECT_EQ(readChart->upColor.getValue(), SbColor(0, 0, 1));
  const GeometryProbe after(back);
  EXPECT_EQ(after.segments().size(), before.segments().size());
  EXPECT_NEAR(after.length(), before.length(), 1e-5);
  EXPECT_NEAR(after.area(), before.area(), 1e-6);
  EXPECT_EQ(errors.count(), 0);
  back->unref();
  root->unref();
}

} // namespace
