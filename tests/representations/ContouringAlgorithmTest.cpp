// Contouring engine without a scene graph: tie-breaking, single cells, saddles, whole grids.
#include <Gridlux/attributes/PbIsovaluesList.h>
#include <Gridlux/attributes/PbLinearDataMapping.h>
#include <Gridlux/mesh/PbRegularCartesianGrid2D.h>
#include <Gridlux/mesh/PbTriangleMesh2D.h>
#include <Gridlux/representations/algorithms/PiContouringLines.h>
#include <Gridlux/representations/algorithms/PiFieldwork.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

struct AdjustRow {
  std::vector<float> values;
  float iso;
  float expected;
  int moved;
};

class IsovalueAdjust : public ::testing::TestWithParam<AdjustRow> {};

TEST_P(IsovalueAdjust, MovesOffNodeValuesTowardsValuesAbove)
{
  const AdjustRow& row = GetParam();
  float iso = row.iso;
  const int moved = PiFieldwork::adjustIsovalMultiple(static_cast<int>(row.values.size()), row.values.data(), 0,
                                                      nullptr, 0, nullptr, iso);
  EXPECT_EQ(moved, row.moved);
  EXPECT_FLOAT_EQ(iso, row.expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, IsovalueAdjust,
                         ::testing::Values(AdjustRow{{0, 1, 2}, 1, 1.01f, 1},    // a value above: up
                                           AdjustRow{{0, 1, 1}, 1, 0.99f, 1},    // none above: down
                                           AdjustRow{{1, 1, 1}, 1, 1.0f, 0},     // all equal: stays
                                           AdjustRow{{0, 2}, 1, 1.0f, 0},        // no node on it
                                           AdjustRow{{0.995f, 1, 2}, 1, 1.00005f, 1}, // nearest gap below
                                           AdjustRow{{}, 1, 1.0f, 0}));

TEST(IsovalueListAdjust, OnePassOverTheValuesAgreesWithTheTieBreakOfEachIsovalue)
{
  // Values on a coarse lattice so that many isovalues sit on node values, split over two arrays.
  std::vector<float> a, b;
  unsigned seed = 7;
  for (int i = 0; i < 500; ++i) {
    seed = seed * 1103515245u + 12345u;
    (i % 3 ? a : b).push_back(static_cast<float>(static_cast<int>((seed >> 8) % 41) - 20) * 0.25f);
  }
  std::vector<float> levels;
  for (int k = -24; k <= 24; ++k)
    levels.push_back(k * 0.25f);
  levels.push_back(0.25f); // a repeated level
  PbIsovaluesList list;
  list.setIrregularIsoList(static_cast<int>(levels.size()), levels.data());
  PiFieldwork adjuster;
  adjuster.setIsovaluesList(&list);
  ASSERT_EQ(adjuster.adjust(static_cast<int>(a.size()), a.data(), static_cast<int>(b.size()), b.data()),
            list.getNum());
  EXPECT_TRUE(adjuster.isAdjusted());
  int num;
  float min, max, step;
  int regular;
  const float* original = list.getIsoList(num, min, max, step, regular);
  for (int i = 0; i < num; ++i) {
    float one = original[i];
    PiFieldwork::adjustIsovalMultiple(static_cast<int>(a.size()), a.data(), static_cast<int>(b.size()), b.data(), 0,
                                      nullptr, one);
    EXPECT_EQ(adjuster.getAdjusted()[i], one) << "isovalue " << original[i];
  }
  PbIsovaluesList off(0.1f, 0.9f, 3);
  adjuster.setIsovaluesList(&off);
  adjuster.adjust(static_cast<int>(a.size()), a.data());
  EXPECT_FALSE(adjuster.isAdjusted());
}

TEST(IsovalueListAdjust, BandCountsAndLevelHitsAgreeWithAPlainSearch)
{
  // Few levels take the level-by-level pass, many the search per value: both must agree
  // with std::lower_bound, NaN counting nothing.
  std::vector<float> values;
  for (int i = 0; i < 3000; ++i)
    values.push_back(std::sin(0.37f * i) * 3.0f);
  values[17] = NAN;
  for (int numLevels : {1, 7, 48, 49, 200}) {
    std::vector<float> levels;
    for (int k = 0; k < numLevels; ++k)
      levels.push_back(-2.9f + 5.8f * k / std::max(1, numLevels - 1) + 1e-3f);
    std::vector<int> counts(values.size(), -7);
    countBelowAll(levels.data(), numLevels, values.data(), int(values.size()), counts.data());
    for (size_t i = 0; i < values.size(); ++i) {
      const int expected = std::isnan(values[i]) ? 0
        : int(std::lower_bound(levels.begin(), levels.end(), values[i]) - levels.begin());
      ASSERT_EQ(counts[i], expected) << numLevels << " levels, value " << values[i];
    }
    EXPECT_FALSE(anyValueOnLevel(levels.data(), numLevels, values.data(), int(values.size())));
    std::vector<float> withHit = values;
    withHit[2999] = levels[numLevels / 2];
    EXPECT_TRUE(anyValueOnLevel(levels.data(), numLevels, withHit.data(), int(withHit.size())));
  }
}

// Distance from p to the segment line through a and b.
double lineDistance(const float* p, double ax, double ay, double bx, double by)
{
  const double dx = bx - ax, dy = by - ay;
  return std::fabs((p[0] - ax) * dy - (p[1] - ay) * dx) / std::hypot(dx, dy);
}

double polylineLength(const Tisoline_list& lines, int i)
{
  double length = 0;
  const float* p = &lines.coords[3 * lines.lineStart[i]];
  for (int k = 1; k < lines.lineCount[i]; ++k, p += 3)
    length += std::hypot(p[3] - p[0], p[4] - p[1]);
  return length;
}

TEST(ContouringCells, TriangleThroughANodeIsMovedOffIt)
{
  const float x[] = {0, 1, 0}, y[] = {0, 0, 1}, values[] = {0, 1, 2};
  const int cell[] = {0, 1, 2};
  PbTriangleMesh2D mesh(3, x, y, 1, cell);
  PbIsovaluesList list;
  const float iso[] = {1};
  list.setIrregularIsoList(1, iso);
  PiContouringLines contouring;
  contouring.setMesh(&mesh, nullptr);
  contouring.setIsovaluesList(&list);
  Tisoline_list lines;
  contouring.getLines(values, nullptr, &lines);

  ASSERT_EQ(lines.numLines, 1);
  ASSERT_EQ(lines.lineCount[0], 2);
  EXPECT_FLOAT_EQ(lines.lineValue[0], 1.0f); // named by the list's value, not the moved one
  // One end on edge (0, 2), the other on edge (1, 2), none on node 1.
  const float* a = &lines.coords[0];
  const float* b = &lines.coords[3];
  const float* onLeft = std::fabs(a[0]) < 1e-6 ? a : b;
  const float* onHyp = onLeft == a ? b : a;
  EXPECT_NEAR(onLeft[0], 0, 1e-6);
  EXPECT_NEAR(lineDistance(onHyp, 1, 0, 0, 1), 0, 1e-6);
  EXPECT_GT(onHyp[1], 1e-4);
}

TEST(ContouringCells, SaddleKeepsTheShortestPairing)
{
  // Corners 0, 1, 0, 3 on a 2 x 1 rectangle; at 0.5 the crossings are (1, 0), (2, 0.5),
  // (5/3, 1) and (0, 1/6). The segment (2, 0.5)-(5/3, 1) is the shortest candidate.
  PbRegularCartesianGrid2D grid(2, 2, 0, 0, 2, 1);
  const float values[] = {0, 3, 1, 0}; // node (i, j) at i * 2 + j
  PbIsovaluesList list;
  const float iso[] = {0.5f};
  list.setIrregularIsoList(1, iso);
  PiContouringLines contouring;
  contouring.setMesh(&grid, nullptr);
  contouring.setIsovaluesList(&list);
  Tisoline_list lines;
  contouring.getLines(values, nullptr, &lines);

  ASSERT_EQ(lines.numLines, 2);
  std::vector<double> lengths = {polylineLength(lines, 0), polylineLength(lines, 1)};
  std::sort(lengths.begin(), lengths.end());
  EXPECT_NEAR(lengths[0], std::hypot(1.0 / 3, 0.5), 1e-5);
  EXPECT_NEAR(lengths[1], std::hypot(1.0, 1.0 / 6), 1e-5);
}

TEST(ContouringCells, OutOfRangeIsovaluesAndEmptyInputsGiveNothing)
{
  PbRegularCartesianGrid2D grid(3, 3, 0, 0, 1, 1);
  const float values[9] = {0, 1, 2, 1, 2, 3, 2, 3, 4};
  PbIsovaluesList list;
  const float iso[] = {-5, 9};
  list.setIrregularIsoList(2, iso);
  PiContouringLines contouring;
  Tisoline_list lines;
  contouring.getLines(values, nullptr, &lines); // no mesh yet
  EXPECT_EQ(lines.numLines, 0);
  contouring.setMesh(&grid, nullptr);
  contouring.getLines(values, nullptr, &lines); // no list
  EXPECT_EQ(lines.numLines, 0);
  contouring.setIsovaluesList(&list);
  contouring.getLines(values, nullptr, &lines);
  EXPECT_EQ(lines.numLines, 0);
  contouring.getLines(nullptr, nullptr, &lines);
  EXPECT_EQ(lines.numLines, 0);
  PbRegularCartesianGrid2D empty;
  contouring.setMesh(&empty, nullptr);
  contouring.getLines(values, nullptr, &lines);
  EXPECT_EQ(lines.numLines, 0);
}

// f = x^2 + y^2 sampled on an n x n grid over [-1, 1]^2.
std::vector<float> paraboloid(int n)
{
  std::vector<float> v(n * n);
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) {
      const float x = -1 + 2.0f * i / (n - 1), y = -1 + 2.0f * j / (n - 1);
      v[i * n + j] = x * x + y * y;
    }
  return v;
}

TEST(ContouringGrids, CirclesOfAParaboloidAreClosedAndTheRightLength)
{
  const int n = 401;
  PbRegularCartesianGrid2D grid(n, n, -1, -1, 1, 1);
  const std::vector<float> values = paraboloid(n);
  PbIsovaluesList list;
  const float iso[] = {0.04f, 0.25f, 0.49f, 0.81f};
  list.setIrregularIsoList(4, iso);
  PiContouringLines contouring;
  contouring.setMesh(&grid, nullptr);
  contouring.setIsovaluesList(&list);
  Tisoline_list lines;
  contouring.getLines(values.data(), nullptr, &lines);

  ASSERT_EQ(lines.numLines, 4);
  for (int i = 0; i < lines.numLines; ++i) {
    const float* first = &lines.coords[3 * lines.lineStart[i]];
    const float* last = first + 3 * (lines.lineCount[i] - 1);
    EXPECT_EQ(first[0], last[0]);
    EXPECT_EQ(first[1], last[1]);
    const double r = std::sqrt(lines.lineValue[i]);
    EXPECT_NEAR(polylineLength(lines, i), 2 * M_PI * r, 0.005 * 2 * M_PI * r) << "r " << r;
  }

  // The same grid contoured again reuses its arrays and finds the same lines.
  const int points = lines.getNumPoints();
  contouring.getLines(values.data(), nullptr, &lines);
  EXPECT_EQ(lines.getNumPoints(), points);
}

TEST(ContouringGrids, TrianglesSharingEdgesGiveOneLinePerLevelOfALinearField)
{
  // A 6 x 5 node patch cut into triangles; f = x - 2y.
  const int nx = 6, ny = 5;
  std::vector<float> x, y, f;
  for (int i = 0; i < nx; ++i)
    for (int j = 0; j < ny; ++j) {
      x.push_back(static_cast<float>(i));
      y.push_back(0.7f * j);
      f.push_back(x.back() - 2 * y.back());
    }
  std::vector<int> cells;
  for (int i = 0; i + 1 < nx; ++i)
    for (int j = 0; j + 1 < ny; ++j) {
      const int a = i * ny + j, b = a + ny, c = b + 1, d = a + 1;
      cells.insert(cells.end(), {a, b, c, a, c, d});
    }
  PbTriangleMesh2D mesh(nx * ny, x.data(), y.data(), static_cast<int>(cells.size() / 3), cells.data());
  PbIsovaluesList list(-3.5f, 2.5f, 4);
  PiContouringLines contouring;
  contouring.setMesh(&mesh, nullptr);
  contouring.setIsovaluesList(&list);
  Tisoline_list lines;
  contouring.getLines(f.data(), nullptr, &lines);

  ASSERT_EQ(lines.numLines, 4);
  for (int i = 0; i < lines.numLines; ++i) {
    const float* p = &lines.coords[3 * lines.lineStart[i]];
    for (int k = 0; k < lines.lineCount[i]; ++k, p += 3)
      EXPECT_NEAR(p[0] - 2 * p[1], lines.lineValue[i], 1e-4 * 6);
  }
}

TEST(ContouringGrids, TransparentThresholdDeletesTheZoneBelowIt)
{
  // f = x on a 5 x 2 grid over [0, 4]; nodes at or below 1.5 are deleted.
  PbRegularCartesianGrid2D grid(5, 2, 0, 0, 4, 1);
  const float values[10] = {0, 0, 1, 1, 2, 2, 3, 3, 4, 4};
  PbLinearDataMapping mapping;
  mapping.enableTransparency(1);
  mapping.setMinThreshold(1.5f, SbColor(0, 0, 0), 1.0f);
  mapping.enableThresholds(1, 0);
  PbIsovaluesList list;
  const float iso[] = {0.5f, 2.5f, 3.5f};
  list.setIrregularIsoList(3, iso);
  PiContouringLines contouring;
  contouring.setMesh(&grid, nullptr);
  contouring.setIsovaluesList(&list);
  contouring.setDataMapping(&mapping);
  Tisoline_list lines;
  contouring.getLines(values, nullptr, &lines);
  ASSERT_EQ(lines.numLines, 2);
  EXPECT_FLOAT_EQ(lines.lineValue[0] + lines.lineValue[1], 6.0f);
}

} // namespace
