// Pie charts: slice arithmetic, the built sectors and prisms, pull-out, picking, colours, files.
#include "support/ErrorCatcher.h"
#include "support/GeometryProbe.h"
#include "support/SceneText.h"

#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/charts/PiPieSlices.h>
#include <Gridlux/charts/PoPieChart2D.h>
#include <Gridlux/charts/PoPieChart3D.h>
#include <Gridlux/charts/PoPieChartRep.h>
#include <Gridlux/mesh/nodes/PoIrregularMesh1D.h>

#include <Inventor/SbViewportRegion.h>
#include <Inventor/SoPickedPoint.h>
#include <Inventor/actions/SoCallbackAction.h>
#include <Inventor/actions/SoRayPickAction.h>
#include <Inventor/actions/SoSearchAction.h>
#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoFaceSet.h>
#include <Inventor/nodes/SoIndexedFaceSet.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoSeparator.h>
#include <Inventor/nodes/SoText3.h>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

const double kTwoPi = 6.283185307179586;

// One built slice: its shape's name, its coordinates and its material's colour (if any).
struct BuiltSlice {
  std::string name;
  std::vector<SbVec3f> points;
  bool hasColor = false;
  SbColor color;
};

std::vector<BuiltSlice> builtSlices(PoBase* chart)
{
  std::vector<BuiltSlice> out;
  SoGroup* part = static_cast<SoGroup*>(chart->getPart("slice", FALSE));
  if (!part)
    return out;
  for (int i = 0; i < part->getNumChildren(); ++i) {
    SoGroup* one = dynamic_cast<SoSeparator*>(part->getChild(i));
    if (!one)
      continue;
    BuiltSlice slice;
    for (int k = 0; k < one->getNumChildren(); ++k) {
      SoNode* child = one->getChild(k);
      if (child->isOfType(SoCoordinate3::getClassTypeId())) {
        const SoMFVec3f& p = static_cast<SoCoordinate3*>(child)->point;
        slice.points.assign(p.getValues(0), p.getValues(0) + p.getNum());
      }
      else if (child->isOfType(SoMaterial::getClassTypeId())) {
        slice.hasColor = true;
        slice.color = static_cast<SoMaterial*>(child)->diffuseColor[0];
      }
      else if (child->isOfType(SoShape::getClassTypeId()))
        slice.name = child->getName().getString();
    }
    out.push_back(slice);
  }
  return out;
}

// Shoelace area and centroid of a polygon given by its points (x, y).
double shoelace(const std::vector<SbVec3f>& p, SbVec2f* centroid = nullptr)
{
  double a = 0, cx = 0, cy = 0;
  for (size_t i = 0; i < p.size(); ++i) {
    const SbVec3f& u = p[i];
    const SbVec3f& v = p[(i + 1) % p.size()];
    const double cross = double(u[0]) * v[1] - double(v[0]) * u[1];
    a += cross;
    cx += (u[0] + v[0]) * cross;
    cy += (u[1] + v[1]) * cross;
  }
  if (centroid)
    *centroid = SbVec2f(float(cx / (3 * a)), float(cy / (3 * a)));
  return 0.5 * a;
}

double angleOf(const SbVec3f& p, const SbVec2f& c)
{
  double a = std::atan2(double(p[1] - c[1]), double(p[0] - c[0]));
  return a < -1e-6 ? a + kTwoPi : a;
}

struct Scene {
  SoSeparator* root;
  explicit Scene(SoNode* node)
  {
    PoGridlux::init();
    root = new SoSeparator;
    root->ref();
    root->addChild(node);
    SoCallbackAction traverse;
    traverse.apply(root);
  }
  void traverse()
  {
    SoCallbackAction action;
    action.apply(root);
  }
  ~Scene() { root->unref(); }
};

PoPieChart2D* fiveSlices(const SbVec2f& center = SbVec2f(0, 0), float radius = 1.0f)
{
  PoGridlux::init();
  const char* texts[5] = {"a", "b", "c", "d", "e"};
  const float values[5] = {50, 30, 15, 3, 2};
  const SbColor colors[3] = {SbColor(1, 0, 0), SbColor(0, 1, 0), SbColor(0, 0, 1)};
  return new PoPieChart2D(center, radius, 5, texts, values, 3, colors);
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Slice arithmetic

TEST(PieSlices, GroupingFollowsTheThresholdRule)
{
  struct Row {
    std::vector<float> values;
    int active;
    float minValue;
    PiPieSlices::ThresholdMode mode;
    std::vector<int> indices; // drawn slices, -1 the grouped one
    float groupValue;
  };
  const Row rows[] = {
      {{50, 30, 15, 3, 2}, 1, 5, PiPieSlices::PERCENTAGE, {0, 1, 2, -1}, 5},
      {{50, 48, 2}, 1, 5, PiPieSlices::PERCENTAGE, {0, 1, 2}, 0},
      {{10, 2, 1, 4}, 1, 3, PiPieSlices::ABSOLUTE, {0, 3, -1}, 3},
      {{50, 30, 15, 3, 2}, 0, 5, PiPieSlices::PERCENTAGE, {0, 1, 2, 3, 4}, 0},
      {{5, -3, 0, 5}, 1, 5, PiPieSlices::PERCENTAGE, {0, 3}, 0},
      {{-1, 0}, 1, 5, PiPieSlices::PERCENTAGE, {}, 0},
      {{1, NAN, 1, INFINITY}, 1, 5, PiPieSlices::PERCENTAGE, {0, 2}, 0},
  };
  for (const Row& row : rows) {
    PiPieSlices pie;
    pie.compute(int(row.values.size()), row.values.data(), row.active, row.minValue, row.mode);
    const auto& slices = pie.getSlices();
    ASSERT_EQ(slices.size(), row.indices.size()) << row.values[0];
    double span = 0, percent = 0;
    for (size_t i = 0; i < slices.size(); ++i) {
      EXPECT_EQ(slices[i].index, row.indices[i]);
      if (i > 0)
        EXPECT_EQ(slices[i].start, slices[i - 1].end);
      span += slices[i].end - slices[i].start;
      percent += slices[i].percentage;
      EXPECT_NEAR(slices[i].end - slices[i].start, slices[i].percentage * kTwoPi / 100, 1e-5);
    }
    if (!slices.empty()) {
      EXPECT_EQ(slices[0].start, 0.0f);
      EXPECT_NEAR(span, kTwoPi, 1e-5);
      EXPECT_NEAR(percent, 100.0, 1e-4);
      if (slices.back().index == -1)
        EXPECT_FLOAT_EQ(slices.back().value, row.groupValue);
    }
  }
}

TEST(PieSlices, NegativeValuesKeepANegativePercentageOutOfTheSum)
{
  const float values[3] = {3, -1, 1};
  PiPieSlices pie;
  pie.compute(3, values, 1, 5, PiPieSlices::PERCENTAGE);
  EXPECT_FLOAT_EQ(pie.getSum(), 4.0f);
  EXPECT_FLOAT_EQ(pie.getPercentages()[0], 75.0f);
  EXPECT_FLOAT_EQ(pie.getPercentages()[1], -25.0f);
}

TEST(PieSlices, PullOutTableLaterEntriesWinAndNegativeNumbersMeanTheGroup)
{
  const short numbers[5] = {1, 7, -1, 1, 0};
  const float distances[5] = {0.2f, 0.9f, 0.4f, 0.3f, 0.1f};
  float table[4];
  PiPieSlices::pullOutTable(3, 4, numbers, distances, table); // the fifth pair is beyond m
  EXPECT_EQ(table[0], 0.0f);
  EXPECT_FLOAT_EQ(table[1], 0.3f);
  EXPECT_EQ(table[2], 0.0f);
  EXPECT_FLOAT_EQ(table[3], 0.4f);
}

TEST(PieSlices, AnnotationSidesAtTheQuarterTurn)
{
  const float half = float(kTwoPi / 4);
  int side;
  float rotation;
  PiPieSlices::internalPlacement(PiPieSlices::RADIAL_INT, half, side, rotation);
  EXPECT_EQ(side, 1);
  EXPECT_NEAR(rotation, -half, 1e-6);
  PiPieSlices::internalPlacement(PiPieSlices::HOR_INT, half, side, rotation);
  EXPECT_EQ(side, 0);
  EXPECT_EQ(rotation, 0.0f);

  const SbVec2f o(1, 2);
  PiPieSlices::Leader l = PiPieSlices::externalLeader(PiPieSlices::RADIAL_EXT, o, half, 1, 0.5f, 0.25f);
  EXPECT_EQ(l.side, 1);
  EXPECT_NEAR(l.rotation, -half, 1e-6);
  EXPECT_NEAR((l.p3 - o).length(), 1.75f, 1e-5);
  EXPECT_EQ(PiPieSlices::externalLeader(PiPieSlices::HOR_EXT, o, half, 1, 0.5f, 0.25f).side, 0);
  EXPECT_EQ(PiPieSlices::externalLeader(PiPieSlices::VERT_ALIGNED_EXT, o, half, 1, 0.5f, 0.25f).side, 0);
}

TEST(PieSlices, LeadersOfEveryLayout)
{
  const SbVec2f o(1, -1);
  const float d1 = 1.0f, d2 = 0.25f, d3 = 0.5f, d = d1 + d2;
  for (int k = 0; k < 16; ++k) {
    const float mid = float(kTwoPi * (k + 0.3) / 16);
    const SbVec2f u(std::cos(mid), std::sin(mid));
    for (int mode = 0; mode <= 4; ++mode) {
      const PiPieSlices::Leader l = PiPieSlices::externalLeader(PiPieSlices::ExtPosition(mode), o, mid, d1, d2, d3);
      EXPECT_NEAR((l.p1 - (o + d1 * u)).length(), 0, 1e-5);
      const SbVec2f bend = l.p3 - l.p2;
      switch (mode) {
      case PiPieSlices::HOR_EXT:
        EXPECT_NEAR(std::fabs(bend[0]), d3, 1e-5);
        EXPECT_NEAR(bend[1], 0, 1e-5);
        EXPECT_EQ(bend[0] > 0, l.side == 0);
        break;
      case PiPieSlices::HOR_ALIGNED_EXT:
        EXPECT_NEAR(std::fabs(l.p3[1] - o[1]), d + d3, 1e-5);
        EXPECT_EQ(l.side, u[1] > 0 ? 2 : 3);
        break;
      case PiPieSlices::VERT_ALIGNED_EXT:
        EXPECT_NEAR(std::fabs(l.p3[0] - o[0]), d + d3, 1e-5);
        EXPECT_NEAR(l.p3[1], l.p2[1], 1e-5);
        break;
      case PiPieSlices::SQUARE_ALIGNED_EXT: {
        // The bend lies on the square of half-side D, on the bisector.
        const SbVec2f q = l.p2 - o;
        EXPECT_NEAR(std::max(std::fabs(q[0]), std::fabs(q[1])), d, 1e-4);
        EXPECT_NEAR(q[0] * u[1] - q[1] * u[0], 0, 1e-4);
        EXPECT_GT(q.dot(u), 0);
        EXPECT_NEAR(bend.length(), d3, 1e-5);
        break;
      }
      default:
        break;
      }
    }
  }
}

// ---------------------------------------------------------------------------------------------
// Flat chart

TEST(PieChart2D, SlicesMeetOnTheCircleAndCoverTheirShares)
{
  const SbVec2f c(2, -1);
  const float r = 1.5f;
  PoPieChart2D* chart = fiveSlices(c, r);
  chart->sliceGroupActive = FALSE;
  Scene scene(chart);
  const std::vector<BuiltSlice> slices = builtSlices(chart);
  ASSERT_EQ(slices.size(), 5u);
  const double shares[5] = {0.5, 0.3, 0.15, 0.03, 0.02};
  double total = 0, spans = 0;
  std::vector<double> areas;
  for (const BuiltSlice& s : slices) {
    ASSERT_GE(s.points.size(), 3u);
    // The centre comes last; every other point lies on the circle.
    EXPECT_NEAR(s.points.back()[0], c[0], 1e-6);
    EXPECT_NEAR(s.points.back()[1], c[1], 1e-6);
    for (size_t i = 0; i + 1 < s.points.size(); ++i)
      EXPECT_NEAR((SbVec2f(s.points[i][0], s.points[i][1]) - c).length(), r, 1e-5 * r);
    double a0 = angleOf(s.points.front(), c), a1 = angleOf(s.points[s.points.size() - 2], c);
    if (a1 <= a0)
      a1 += kTwoPi;
    spans += a1 - a0;
    areas.push_back(shoelace(s.points));
    total += areas.back();
  }
  EXPECT_NEAR(spans, kTwoPi, 1e-4);
  for (int i = 0; i < 5; ++i) {
    EXPECT_NEAR(areas[i] / total, shares[i], 5e-4) << i;
    const SbVec3f& end = slices[i].points[slices[i].points.size() - 2];
    const SbVec3f& next = slices[(i + 1) % 5].points.front();
    EXPECT_NEAR((end - next).length(), 0, 1e-5) << i;
  }
  EXPECT_NEAR(angleOf(slices[0].points.front(), c), 0, 1e-6);
}

TEST(PieChart2D, SmallSlicesAreGroupedAndPickedAsMinusOne)
{
  PoPieChart2D* chart = fiveSlices();
  Scene scene(chart);
  const std::vector<BuiltSlice> slices = builtSlices(chart);
  ASSERT_EQ(slices.size(), 4u);
  const char* names[4] = {"Slice0", "Slice1", "Slice2", "Slice-1"};
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(slices[i].name, names[i]);
  // Colours cycle over the three given; the grouped slice takes index n mod 3 = 2.
  EXPECT_EQ(slices[0].color, SbColor(1, 0, 0));
  EXPECT_EQ(slices[1].color, SbColor(0, 1, 0));
  EXPECT_EQ(slices[2].color, SbColor(0, 0, 1));
  EXPECT_EQ(slices[3].color, SbColor(0, 0, 1));
  EXPECT_NEAR(shoelace(slices[3].points) / (3.14159265 * 1.0), 0.05, 5e-4);

  // Pick along the bisectors of the grouped slice and of the second slice.
  SbViewportRegion viewport(100, 100);
  struct Probe {
    double angle;
    int expected;
  };
  const Probe probes[] = {{kTwoPi * 0.975, -1}, {kTwoPi * 0.65, 1}, {kTwoPi * 0.25, 0}};
  for (const Probe& p : probes) {
    SoRayPickAction pick(viewport);
    pick.setRay(SbVec3f(0.5f * std::cos(p.angle), 0.5f * std::sin(p.angle), 5), SbVec3f(0, 0, -1));
    pick.apply(scene.root);
    const SoPickedPoint* picked = pick.getPickedPoint();
    ASSERT_NE(picked, nullptr);
    int number = 99;
    EXPECT_TRUE(chart->getPickedSliceNumber(picked->getPath(), number));
    EXPECT_EQ(number, p.expected);
  }
  // A path that does not run through the chart.
  SoPath* other = new SoPath(scene.root);
  other->ref();
  int number = 42;
  PoPieChart2D* stranger = fiveSlices();
  stranger->ref();
  EXPECT_FALSE(stranger->getPickedSliceNumber(other, number));
  EXPECT_EQ(number, 42);
  stranger->unref();
  other->unref();
}

TEST(PieChart2D, PulledOutSliceMovesAlongItsBisector)
{
  PoPieChart2D* still = fiveSlices();
  PoPieChart2D* moved = fiveSlices();
  moved->sliceToTranslateNumber.setValue(1);
  moved->sliceToTranslateValue.setValue(0.2f);
  Scene a(still), b(moved);
  const auto s0 = builtSlices(still), s1 = builtSlices(moved);
  ASSERT_EQ(s0.size(), 4u);
  ASSERT_EQ(s1.size(), 4u);
  const double mid = kTwoPi * (0.5 + 0.15);
  SbVec2f c0, c1;
  shoelace(s0[1].points, &c0);
  shoelace(s1[1].points, &c1);
  const SbVec2f shift = c1 - c0;
  EXPECT_NEAR(shift[0], 0.2 * std::cos(mid), 1e-5);
  EXPECT_NEAR(shift[1], 0.2 * std::sin(mid), 1e-5);
  for (int i : {0, 2, 3})
    EXPECT_NEAR((s0[i].points.back() - s1[i].points.back()).length(), 0, 1e-6) << i;
  // The inner annotation's box follows the slice along the same bisector.
  auto boxCentre = [](PoPieChart2D* chart, int slice) {
    SoGroup* boxes = static_cast<SoGroup*>(chart->getPart("intAnnotBox", FALSE));
    return GeometryProbe(boxes->getChild(slice)).bbox().getCenter();
  };
  const SbVec3f moveBox = boxCentre(moved, 1) - boxCentre(still, 1);
  EXPECT_NEAR(moveBox[0], 0.2 * std::cos(mid), 1e-5);
  EXPECT_NEAR(moveBox[1], 0.2 * std::sin(mid), 1e-5);
  EXPECT_NEAR((boxCentre(moved, 0) - boxCentre(still, 0)).length(), 0, 1e-6);

  // A negative number pulls the grouped slice out.
  moved->sliceToTranslateNumber.setValue(-1);
  b.traverse();
  const auto s2 = builtSlices(moved);
  const double groupMid = kTwoPi * 0.975;
  EXPECT_NEAR(s2[3].points.back()[0], 0.2 * std::cos(groupMid), 1e-5);
  EXPECT_NEAR(s2[1].points.back()[0], 0, 1e-6);
}

TEST(PieChart2D, SetSliceToTranslateComparesOnlyThePairedEntries)
{
  PoGridlux::init();
  PoPieChart2D* chart = new PoPieChart2D;
  chart->ref();
  const short numbers[3] = {0, 1, 2};
  const float values[2] = {0.1f, 0.3f};
  chart->sliceToTranslateNumber.setValues(0, 3, numbers);
  chart->sliceToTranslateValue.setValues(0, 2, values);
  EXPECT_EQ(chart->getSliceToTranslate(2), 0.0f); // number 2 has no paired value
  chart->setSliceToTranslate(5, 0.5f);
  ASSERT_EQ(chart->sliceToTranslateNumber.getNum(), 3);
  EXPECT_EQ(chart->sliceToTranslateNumber[2], 5);
  ASSERT_EQ(chart->sliceToTranslateValue.getNum(), 3);
  EXPECT_FLOAT_EQ(chart->getSliceToTranslate(5), 0.5f);
  chart->setSliceToTranslate(1, 0.7f);
  EXPECT_EQ(chart->sliceToTranslateNumber.getNum(), 3);
  EXPECT_FLOAT_EQ(chart->getSliceToTranslate(1), 0.7f);
  EXPECT_EQ(chart->getSliceToTranslate(9), 0.0f);
  chart->unref();
}

TEST(PieChart2D, BadAndDegenerateListsDrawWhatIsLeftQuietly)
{
  PoGridlux::init(); // before the catcher: start-up puts the default error handler back
  ErrorCatcher errors;
  PoPieChart2D* chart = fiveSlices();
  Scene scene(chart);
  ASSERT_EQ(builtSlices(chart).size(), 4u);
  EXPECT_NE(chart->getPart("intAnnotValue", FALSE), nullptr);
  EXPECT_NE(chart->getPart("extAnnotText", FALSE), nullptr);
  EXPECT_NE(chart->getPart("arrow", FALSE), nullptr);

  const char* const parts[] = {"slice", "sliceBorder", "extAnnotText", "arrow", "intAnnotValue", "intAnnotBox"};
  auto allEmpty = [&]() {
    for (const char* part : parts)
      if (chart->getPart(part, FALSE))
        return false;
    return true;
  };
  chart->sliceValue.setNum(0); // empty list: nothing, and no message
  scene.traverse();
  EXPECT_TRUE(allEmpty());

  const float negative[3] = {-1, 0, -5};
  chart->sliceValue.setValues(0, 3, negative);
  scene.traverse();
  EXPECT_TRUE(allEmpty());

  const float mixed[3] = {2, -1, 2};
  chart->sliceValue.setValues(0, 3, mixed);
  scene.traverse();
  auto slices = builtSlices(chart);
  ASSERT_EQ(slices.size(), 2u);
  EXPECT_EQ(slices[1].name, "Slice2");
  EXPECT_EQ(slices[1].color, SbColor(0, 0, 1)); // colour of slice number 3
  EXPECT_EQ(errors.count(), 0);

  // Fewer texts than values limit the slices; no text, no slice.
  chart->sliceText.setNum(2);
  scene.traverse();
  EXPECT_EQ(builtSlices(chart).size(), 1u);
  chart->sliceText.setNum(0);
  scene.traverse();
  EXPECT_TRUE(allEmpty());

  // No colour: no material; one colour: every slice takes it.
  chart->sliceText.setValues(0, 3, std::vector<const char*>{"x", "y", "z"}.data());
  chart->sliceColor.setNum(0);
  scene.traverse();
  slices = builtSlices(chart);
  ASSERT_EQ(slices.size(), 2u);
  EXPECT_FALSE(slices[0].hasColor);
  chart->sliceColor.setValue(SbColor(1, 1, 0));
  scene.traverse();
  slices = builtSlices(chart);
  EXPECT_EQ(slices[1].color, SbColor(1, 1, 0));
  EXPECT_EQ(errors.count(), 0);

  chart->radius = -2.0f;
  scene.traverse();
  EXPECT_TRUE(allEmpty());
  ASSERT_EQ(errors.count(), 1);
  EXPECT_TRUE(errors.contains("PoPieChart::rebuild(): radius -2"));
}

TEST(PieChart2D, AnnotationsShowNamesValuesAndPercentages)
{
  PoPieChart2D* chart = fiveSlices();
  chart->intAnnotPercentVisibility = TRUE;
  chart->intAnnotAddStringVisibility = TRUE;
  chart->intAnnotAddString = " t";
  Scene scene(chart);
  auto strings = [&](const char* part) {
    std::vector<std::string> out;
    SoNode* node = chart->getPart(part, FALSE);
    if (!node)
      return out;
    SoSearchAction search;
    search.setType(SoText3::getClassTypeId());
    search.setInterest(SoSearchAction::ALL);
    search.apply(node);
    for (int i = 0; i < search.getPaths().getLength(); i++)
      out.push_back(static_cast<SoText3*>(search.getPaths()[i]->getTail())->string[0].getString());
    return out;
  };
  EXPECT_EQ(strings("extAnnotText"), (std::vector<std::string>{"a", "b", "c", "Others"}));
  EXPECT_EQ(strings("intAnnotValue"), (std::vector<std::string>{"50 t", "30 t", "15 t", "5 t"}));
  EXPECT_EQ(strings("intAnnotPercent"), (std::vector<std::string>{"50%", "30%", "15%", "5%"}));
  EXPECT_TRUE(strings("intAnnotText").empty());
}

TEST(PieChart2D, InnerAnnotationDistance)
{
  // One slice whose bisector is pi: its inner value box is centred on the anchor.
  for (float distance : {0.0f, 0.3f}) {
    PoGridlux::init();
    const char* texts[1] = {"only"};
    const float values[1] = {7};
    PoPieChart2D* chart = new PoPieChart2D(SbVec2f(0, 0), 3.0f, 1, texts, values, 0, nullptr);
    chart->intAnnotDistance = distance;
    chart->extAnnotTextVisibility = FALSE;
    Scene scene(chart);
    GeometryProbe probe(chart->getPart("intAnnotBox", FALSE));
    const SbBox3f box = probe.bbox();
    ASSERT_FALSE(box.isEmpty());
    const float expected = distance > 0 ? distance : 0.6667f * 3.0f;
    EXPECT_NEAR(box.getCenter()[0], -expected, 1e-4);
    EXPECT_NEAR(box.getCenter()[1], 0, 1e-4);
    EXPECT_EQ(chart->getPart("arrow", FALSE), nullptr);
  }
}

TEST(PieChart2D, FileKeepsTheFields)
{
  PoPieChart2D* chart = fiveSlices(SbVec2f(1, 2), 2.0f);
  chart->extAnnotPosition = PoPieChart::SQUARE_ALIGNED_EXT_POS;
  chart->sliceGroupFlagMin = PoPieChart::ABSOLUTE;
  chart->sliceToTranslateNumber.setValue(-1);
  chart->sliceToTranslateValue.setValue(0.25f);
  Scene scene(chart);
  ErrorCatcher errors(ErrorCatcher::ALL);
  SoSeparator* back = readFromString(writeToString(scene.root));
  ASSERT_NE(back, nullptr);
  back->ref();
  SoSearchAction search;
  search.setType(PoPieChart2D::getClassTypeId());
  search.apply(back);
  ASSERT_NE(search.getPath(), nullptr);
  PoPieChart2D* read = static_cast<PoPieChart2D*>(search.getPath()->getTail());
  EXPECT_EQ(read->center.getValue(), SbVec2f(1, 2));
  EXPECT_EQ(read->radius.getValue(), 2.0f);
  EXPECT_EQ(read->sliceValue.getNum(), 5);
  EXPECT_EQ(read->sliceColor.getNum(), 3);
  EXPECT_EQ(read->extAnnotPosition.getValue(), int(PoPieChart::SQUARE_ALIGNED_EXT_POS));
  EXPECT_EQ(read->sliceGroupFlagMin.getValue(), int(PoPieChart::ABSOLUTE));
  EXPECT_EQ(read->sliceToTranslateNumber[0], -1);
  Scene again(back);
  EXPECT_EQ(builtSlices(read).size(), 4u); // 3 and 2 lie below the absolute threshold 5
  back->unref();
  EXPECT_EQ(errors.count(), 0);
}

// ---------------------------------------------------------------------------------------------
// Solid chart

TEST(PieChart3D, PrismsAreClosedAndHoldTheirShareOfTheCylinder)
{
  PoGridlux::init();
  const char* texts[3] = {"p", "q", "r"};
  const float values[3] = {1, 2, 1};
  PoPieChart3D* chart = new PoPieChart3D(SbVec3f(1, 1, -0.5f), 0.25f, 2.0f, 3, texts, values, 0, nullptr);
  chart->intAnnotValueVisibility = FALSE;
  chart->extAnnotTextVisibility = FALSE;
  Scene scene(chart);
  const auto slices = builtSlices(chart);
  ASSERT_EQ(slices.size(), 3u);
  EXPECT_EQ(slices[2].name, "Slice2");
  // The enclosed volume of each prism by the divergence theorem over its triangles.
  GeometryProbe probe(chart->getPart("slice", FALSE));
  double volume = 0;
  for (const GeometryProbe::Triangle& t : probe.triangles())
    volume += double(t.v[0].dot(t.v[1].cross(t.v[2]))) / 6.0;
  // The polygon area of the tessellated circle, times the height 0.75.
  double polygon = 0;
  for (const BuiltSlice& s : slices) {
    std::vector<SbVec3f> bottom(s.points.begin(), s.points.begin() + s.points.size() / 2);
    polygon += shoelace(bottom);
  }
  EXPECT_NEAR(polygon, 3.14159265 * 4, 0.01);
  EXPECT_NEAR(volume, polygon * 0.75, 1e-3);
  const SbBox3f box = probe.bbox();
  EXPECT_NEAR(box.getMin()[2], -0.5f, 1e-6);
  EXPECT_NEAR(box.getMax()[2], 0.25f, 1e-6);
}

// ---------------------------------------------------------------------------------------------
// Chart of the current series

TEST(PieChartRep, SlicesOfThePositiveNodesWithTheirNames)
{
  PoGridlux::init();
  SoSeparator* root = new SoSeparator;
  root->ref();
  PoIrregularMesh1D* mesh = new PoIrregularMesh1D;
  const float x[4] = {0, 1, 2, 3};
  const float y[4] = {1, -2, 3, 0};
  const SbString names[4] = {"n0", "n1", "n2", "n3"};
  mesh->mesh.setGeometry(4, x);
  mesh->addValuesSet(0, y, "v");
  mesh->addStringsSet(0, names, "names");
  PoPieChartRep* pie = new PoPieChartRep;
  pie->isNameVisible = TRUE;
  pie->height = 0.0f;
  pie->radiusMax = 2.0f;
  pie->colorBinding = PoChart::INHERITED;
  root->addChild(mesh);
  root->addChild(pie);
  GeometryProbe probe(root);
  SoSearchAction search;
  search.setType(SoIndexedFaceSet::getClassTypeId());
  search.setInterest(SoSearchAction::ALL);
  search.apply(pie->getPart("slice", FALSE));
  ASSERT_EQ(search.getPaths().getLength(), 2);
  EXPECT_STREQ(search.getPaths()[0]->getTail()->getName().getString(), "Slice0");
  EXPECT_STREQ(search.getPaths()[1]->getTail()->getName().getString(), "Slice2");
  GeometryProbe faces(pie->getPart("slice", FALSE));
  EXPECT_NEAR(faces.area(), 3.14159265 * 4, 0.01);
  SoSearchAction texts;
  texts.setType(SoText3::getClassTypeId());
  texts.setInterest(SoSearchAction::ALL);
  texts.apply(pie->getPart("annotation", FALSE));
  ASSERT_EQ(texts.getPaths().getLength(), 2);
  const SoText3* first = static_cast<SoText3*>(texts.getPaths()[0]->getTail());
  EXPECT_STREQ(first->string[0].getString(), "n0");
  EXPECT_STREQ(first->string[1].getString(), "25%");
  root->unref();
}

TEST(PieChart2D, AtMost360Slices)
{
  PoGridlux::init();
  std::vector<float> values(400, 1.0f);
  std::vector<const char*> texts(400, "s");
  PoPieChart2D* chart = new PoPieChart2D(SbVec2f(0, 0), 1.0f, 400, texts.data(), values.data(), 0, nullptr);
  chart->sliceGroupActive = FALSE;
  chart->extAnnotTextVisibility = FALSE;
  chart->intAnnotValueVisibility = FALSE;
  Scene scene(chart);
  const auto slices = builtSlices(chart);
  ASSERT_EQ(slices.size(), 360u);
  EXPECT_EQ(slices.back().name, "Slice359");
  // 360 equal shares of the polygon.
  EXPECT_NEAR(shoelace(slices[0].points) / shoelace(slices[180].points), 1.0, 1e-4);
}

TEST(PieChartRep, MaterialColoursCycleAndEmptySeriesDrawNothing)
{
  PoGridlux::init();
  ErrorCatcher errors;
  SoSeparator* root = new SoSeparator;
  root->ref();
  PoIrregularMesh1D* mesh = new PoIrregularMesh1D;
  const float x[3] = {0, 1, 2};
  const float y[3] = {1, 1, 2};
  mesh->mesh.setGeometry(3, x);
  mesh->addValuesSet(0, y, "v");
  PoPieChartRep* pie = new PoPieChartRep;
  SoMaterial* material = new SoMaterial;
  material->diffuseColor.set1Value(0, SbColor(1, 0, 0));
  material->diffuseColor.set1Value(1, SbColor(0, 0, 1));
  pie->material = material;
  pie->colorBinding = PoChart::PER_PART;
  pie->radiusMin = 0.5f;
  root->addChild(mesh);
  root->addChild(pie);
  GeometryProbe probe(root);
  const auto slices = builtSlices(pie);
  ASSERT_EQ(slices.size(), 3u);
  EXPECT_EQ(slices[0].color, SbColor(1, 0, 0));
  EXPECT_EQ(slices[1].color, SbColor(0, 0, 1));
  EXPECT_EQ(slices[2].color, SbColor(1, 0, 0));
  // A closed ring of prisms: volume pi (1 - 0.25) * 0.3 within the tessellation.
  GeometryProbe faces(pie->getPart("slice", FALSE));
  double volume = 0;
  for (const GeometryProbe::Triangle& t : faces.triangles())
    volume += double(t.v[0].dot(t.v[1].cross(t.v[2]))) / 6.0;
  EXPECT_NEAR(volume, 3.14159265 * 0.75 * 0.3, 2e-3);

  const float none[3] = {0, -1, 0};
  mesh->addValuesSet(0, none, "v");
  probe.apply(root);
  EXPECT_EQ(pie->getPart("slice", FALSE), nullptr);
  EXPECT_EQ(pie->getPart("annotation", FALSE), nullptr);
  pie->yValuesIndex = 7; // no such set
  probe.apply(root);
  EXPECT_EQ(pie->getPart("slice", FALSE), nullptr);
  EXPECT_EQ(errors.count(), 0);
  root->unref();
}
