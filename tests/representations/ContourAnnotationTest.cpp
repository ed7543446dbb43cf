// Labels along contour lines: where they go, what they avoid, and the lines cut around them.
#include "support/GeometryProbe.h"

#include <Gridlux/attributes/PoIsovaluesList.h>
#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/mesh/PbRegularCartesianGrid2D.h>
#include <Gridlux/mesh/nodes/PoRegularCartesianGrid2D.h>
#include <Gridlux/representations/PoMeshContouring.h>
#include <Gridlux/representations/algorithms/PiContouringAnnot.h>

#include <Inventor/actions/SoSearchAction.h>
#include <Inventor/nodes/SoSeparator.h>
#include <Inventor/nodes/SoText3.h>

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

namespace {

// Adds a polyline of points (x, y) to a line list.
void addLine(Tisoline_list& lines, const std::vector<SbVec2f>& points, float value)
{
  lines.lineStart.push_back(lines.getNumPoints());
  lines.lineCount.push_back(static_cast<int>(points.size()));
  lines.lineValue.push_back(value);
  for (const SbVec2f& p : points)
    lines.coords.insert(lines.coords.end(), {p[0], p[1], 0.0f});
  ++lines.numLines;
}

double length(const std::vector<float>& coords, const std::vector<int>& counts)
{
  double total = 0;
  size_t at = 0;
  for (int count : counts) {
    for (int k = 1; k < count; ++k)
      total += std::hypot(coords[at + 3 * k] - coords[at + 3 * k - 3], coords[at + 3 * k + 1] - coords[at + 3 * k - 2]);
    at += 3 * count;
  }
  return total;
}

TEST(ContourAnnotationPlacement, LabelsSitOnTheLineApartAndTheLineIsCutAroundThem)
{
  Tisoline_list lines;
  std::vector<SbVec2f> straight;
  for (int k = 0; k <= 20; ++k)
    straight.emplace_back(0.5f * k, 1.0f); // y = 1, x from 0 to 10, read right to left below
  std::reverse(straight.begin(), straight.end());
  addLine(lines, straight, 1);
  const char flags[] = {1};
  const float widths[] = {1.0f}, heights[] = {0.4f};
  PiContouringAnnot annot;
  annot.setGap(3.0f);
  std::vector<PiContouringAnnot::Annotation> placed;
  annot.place(lines, flags, flags, widths, heights, placed);

  ASSERT_GE(placed.size(), 3u);
  for (size_t i = 0; i < placed.size(); ++i) {
    EXPECT_NEAR(placed[i].center[1], 1.0f, 1e-5);
    EXPECT_NEAR(placed[i].along[0], 1.0f, 1e-5); // reads left to right though the line runs back
    if (i)
      EXPECT_GE(std::fabs(placed[i].center[0] - placed[i - 1].center[0]), 3.0f - 1e-4);
  }
  std::vector<float> coords;
  std::vector<int> counts, sources;
  PiContouringAnnot::clipLines(lines, flags, 1, placed, coords, counts, sources);
  EXPECT_EQ(counts.size(), placed.size() + 1);
  EXPECT_NEAR(length(coords, counts), 10.0 - placed.size() * 1.0, 1e-4);
  for (int source : sources)
    EXPECT_EQ(source, 0);
}

TEST(ContourAnnotationPlacement, TangentialLabelsFollowACircleAndKeepOutOfForbiddenPlaces)
{
  Tisoline_list lines;
  std::vector<SbVec2f> circle;
  for (int k = 0; k <= 360; ++k)
    circle.emplace_back(4 * std::cos(k * M_PI / 180), 4 * std::sin(k * M_PI / 180));
  addLine(lines, circle, 2);
  addLine(lines, {SbVec2f(-6, 0), SbVec2f(6, 0)}, 3); // a minor line across the circle
  const char annotate[] = {1, 0}, major[] = {1, 0};
  const float widths[] = {1.2f, 1.2f}, heights[] = {0.5f, 0.5f};
  PiContouringAnnot annot;
  annot.setGap(2.0f);
  std::vector<PiContouringAnnot::Annotation> placed;
  annot.place(lines, annotate, major, widths, heights, placed);
  ASSERT_FALSE(placed.empty());
  bool touchesMinor = false;
  for (const PiContouringAnnot::Annotation& a : placed) {
    EXPECT_NEAR(a.center.length(), 4.0f, 1e-3);
    EXPECT_NEAR(a.along.dot(a.center) / 4, 0.0f, 0.02f); // tangent to the circle
    EXPECT_GE(a.along[0], 0.0f);
    SbVec2f corners[4];
    a.getCorners(corners);
    float ymin = 1e9f, ymax = -1e9f;
    for (const SbVec2f& c : corners) {
      ymin = std::min(ymin, c[1]);
      ymax = std::max(ymax, c[1]);
    }
    touchesMinor |= ymin < 0 && ymax > 0;
  }
  EXPECT_TRUE(touchesMinor); // allowed by default

  annot.setCrossStatus(PiContouringAnnot::DONT_CROSS_CONTOUR);
  const SbVec2f leftHalf[] = {SbVec2f(-10, -10), SbVec2f(0, -10), SbVec2f(0, 10), SbVec2f(-10, 10)};
  annot.setClippingPolygon(4, leftHalf);
  annot.place(lines, annotate, major, widths, heights, placed);
  ASSERT_FALSE(placed.empty());
  for (const PiContouringAnnot::Annotation& a : placed) {
    SbVec2f corners[4];
    a.getCorners(corners);
    float ymin = 1e9f, ymax = -1e9f;
    for (const SbVec2f& c : corners) {
      EXPECT_LE(c[0], 0.0f);
      ymin = std::min(ymin, c[1]);
      ymax = std::max(ymax, c[1]);
    }
    EXPECT_FALSE(ymin < 0 && ymax > 0) << "label across the minor line";
  }
}

TEST(ContourAnnotationNode, MajorLinesAreLabelledWithTheirValues)
{
  PoGridlux::init();
  SoSeparator* root = new SoSeparator;
  root->ref();
  PoRegularCartesianGrid2D* gridNode = new PoRegularCartesianGrid2D;
  PbRegularCartesianGrid2D grid(21, 21, 0, 0, 10, 10);
  std::vector<float> f(21 * 21);
  for (int n = 0; n < 21 * 21; ++n)
    f[n] = 0.5f * (n / 21); // f = x
  grid.addValuesSet(0, f.data());
  gridNode->mesh.setValue(grid);
  PoIsovaluesList* isovalues = new PoIsovaluesList;
  const float levels[] = {0.5f, 1.5f, 2.5f, 3.5f, 4.5f, 5.5f, 6.5f, 7.5f, 8.5f, 9.5f};
  isovalues->isovaluesList.setValues(0, 10, levels);
  PoMeshContouring* contour = new PoMeshContouring;
  contour->valuesIndex = 0;
  contour->annotIsVisible = TRUE;
  contour->annotGap = 2.0f; // one label per line on a square of side 10
  root->addChild(gridNode);
  root->addChild(isovalues);
  root->addChild(contour);
  GeometryProbe probe(root);
  // Length of the lines alone (labels are text, not lines).
  auto lineLength = [&]() {
    double total = 0;
    for (const char* part : {"majorContourLine", "minorContourLine"})
      total += GeometryProbe(contour->getPart(part, FALSE)).length();
    return total;
  };
  const double uncut = lineLength();
  EXPECT_NEAR(uncut, 10 * 10, 1e-3);

  SoSearchAction search;
  search.setType(SoText3::getClassTypeId());
  search.setInterest(SoSearchAction::ALL);
  search.apply(contour->getPart("annotText", FALSE));
  std::multiset<std::string> texts;
  for (int i = 0; i < search.getPaths().getLength(); ++i)
    texts.insert(static_cast<SoText3*>(search.getPaths()[i]->getTail())->string[0].getString());
  EXPECT_EQ(texts, (std::multiset<std::string>{"0.5", "3.5", "6.5", "9.5"}));
  EXPECT_EQ(contour->getPart("annotBackground", FALSE), nullptr);

  // Cutting removes a label's width from each labelled line, and only from those.
  contour->annotIsContourClip = TRUE;
  probe.apply(root);
  EXPECT_LT(lineLength(), uncut - 4 * 0.1);
  EXPECT_GT(lineLength(), uncut - 4 * 10 * 0.5);

  // With a background the lines stay whole and each label gets a box and its outline.
  contour->annotIsBackground = TRUE;
  probe.apply(root);
  EXPECT_NEAR(lineLength(), uncut, 1e-3);
  GeometryProbe boxes(contour->getPart("annotBackground", FALSE));
  GeometryProbe outlines(contour->getPart("annotBackgroundBorder", FALSE));
  EXPECT_EQ(boxes.triangles().size(), 4u * 2u);
  EXPECT_EQ(outlines.segments().size(), 4u * 4u);
  // Each outline goes round its box: perimeter^2 >= 16 area, equal for a square.
  EXPECT_GT(outlines.length() * outlines.length() / 4, 16 * boxes.area() / 4 * 0.99);
  root->unref();
}

} // namespace
