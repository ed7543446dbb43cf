// Removal of deleted faces, polylines, strip triangles and quads from index lists, including the
// orientation and material alignment of the strips that are cut apart.
#include <Gridlux/base/PiTransparencyDeletion.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

using TD = PiTransparencyDeletion;
using Ints = std::vector<int32_t>;
using Floats = std::vector<float>;

struct Row {
  const char* name;
  Ints coordIndex;
  Floats transparency; // left empty, it reaches the filter as a null pointer
  TD::Binding binding;
  float threshold;
  bool filtered; // expected return value where there is one
  Ints coordOut;
  Ints materialOut;
};

std::string rowName(const ::testing::TestParamInfo<Row>& info) { return info.param.name; }
void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }

// The node base reuses one result for several shapes, so stale contents must never survive.
TD::Result staleResult() { return TD::Result{{99, 98, 97, -1}, {5}}; }

#define EXPECT_RESULT(out, row)                      \
  do {                                               \
    EXPECT_EQ((out).coordIndex, (row).coordOut);       \
    EXPECT_EQ((out).materialIndex, (row).materialOut); \
  } while (0)

// ---- Face sets ---------------------------------------------------------------------------------

const Ints kThreeFaces = {0, 1, 2, -1, 1, 3, 2, -1, 2, 3, 4, -1};

const Row kFaceRows[] = {
  {"PerFaceKeepsOnlyFacesBelow", kThreeFaces, {0.2f, 0.7f, 0.5f}, TD::PER_FACE, 0.5f, true,
   {0, 1, 2, -1}, {0}},
  {"PerPartBehavesLikePerFace", kThreeFaces, {0.2f, 0.8f, 0.7f}, TD::PER_PART, 0.75f, true,
   {0, 1, 2, -1, 2, 3, 4, -1}, {0, 2}},
  {"ThresholdAboveAllKeepsAll", kThreeFaces, {0.2f, 0.7f, 1.f}, TD::PER_FACE, 1.01f, true,
   kThreeFaces, {0, 1, 2}},
  {"ZeroThresholdDeletesEvenOpaque", kThreeFaces, {0.f, 0.f, 0.f}, TD::PER_FACE, 0.f, true, {}, {}},
  {"ShortArrayLeavesLaterFacesOpaque", kThreeFaces, {0.9f}, TD::PER_FACE, 0.5f, true,
   {1, 3, 2, -1, 2, 3, 4, -1}, {1, 2}},
  {"NoTransparencyKeepsAll", kThreeFaces, {}, TD::PER_FACE, 0.5f, true, kThreeFaces, {0, 1, 2}},
  {"MissingTerminatorClosesLastFace", {0, 1, 2, -1, 2, 3, 4}, {0.1f, 0.1f}, TD::PER_FACE, 0.5f,
   true, {0, 1, 2, -1, 2, 3, 4, -1}, {0, 1}},
  {"EmptyFacesTakeNoNumber", {-1, 0, 1, 2, -1, -1, 2, 3, 4, -1}, {0.9f, 0.1f}, TD::PER_FACE, 0.5f,
   true, {2, 3, 4, -1}, {1}},
  {"OtherNegativeIndexEndsFace", {0, 1, 2, -7, 2, 3, 4, -1}, {0.1f, 0.9f}, TD::PER_FACE, 0.5f,
   true, {0, 1, 2, -1}, {0}},
  {"EmptyInput", {}, {0.1f}, TD::PER_FACE, 0.5f, true, {}, {}},
  {"VertexSplitsFaceInTwo", {0, 1, 2, 3, 4, 5, 6, -1}, {0, 0, 0, 0.8f, 0, 0, 0}, TD::PER_VERTEX,
   0.5f, true, {0, 1, 2, -1, 4, 5, 6, -1}, {}},
  {"VertexDropsRunsOfTwo", {0, 1, 2, 3, 4, 5, 6, -1}, {0, 0, 0.6f, 0, 0, 0, 0}, TD::PER_VERTEX,
   0.5f, true, {3, 4, 5, 6, -1}, {}},
  {"VertexIndexedByCoordinate", {5, 4, 3, 2, -1}, {0, 0, 0, 0, 0, 0.9f}, TD::PER_VERTEX, 0.5f,
   true, {4, 3, 2, -1}, {}},
  {"VertexBeyondArrayIsOpaque", {7, 8, 9, -1, 0, 1, 2, -1}, {0.9f}, TD::PER_VERTEX, 0.5f, true,
   {7, 8, 9, -1}, {}},
  {"VertexAtThresholdIsDeleted", {0, 1, 2, 3, -1}, {0, 0.5f, 0, 0}, TD::PER_VERTEX, 0.5f, true,
   {}, {}},
};

class FaceSetRows : public ::testing::TestWithParam<Row> {};

TEST_P(FaceSetRows, Filters)
{
  const Row& row = GetParam();
  TD::Result out = staleResult();
  TD::filterFaceSet(row.coordIndex.data(), int(row.coordIndex.size()), row.transparency.data(),
                    int(row.transparency.size()), row.binding, row.threshold, out);
  EXPECT_RESULT(out, row);
}

INSTANTIATE_TEST_SUITE_P(TransparencyDeletion, FaceSetRows, ::testing::ValuesIn(kFaceRows),
                         rowName);

// ---- Line sets ---------------------------------------------------------------------------------

const Ints kPolylines = {0, 1, 2, -1, 3, 4, 5, 6, -1}; // segments 0 1 | 2 3 4

const Row kLineRows[] = {
  {"PerFaceLeavesLinesAlone", kPolylines, {0.9f}, TD::PER_FACE, 0.5f, false, {}, {}},
  {"VertexCutsPolyline", {0, 1, 2, 3, 4, -1}, {0, 0, 0.9f, 0, 0}, TD::PER_VERTEX, 0.5f, true,
   {0, 1, -1, 3, 4, -1}, {}},
  {"VertexDropsLoneVertices", {0, 1, 2, 3, 4, -1}, {0, 0.9f, 0, 0.9f, 0}, TD::PER_VERTEX, 0.5f,
   true, {}, {}},
  {"VertexThresholdAboveAllKeepsAll", kPolylines, {0.3f, 0.9f}, TD::PER_VERTEX, 1.f, true,
   kPolylines, {}},
  {"PartNumbersSegmentsAcrossPolylines", kPolylines, {0.1f, 0.9f, 0.1f, 0.9f, 0.1f}, TD::PER_PART,
   0.5f, true, {0, 1, -1, 3, 4, -1, 5, 6, -1}, {0, 2, 4}},
  {"PartJoinsConsecutiveSegments", {0, 1, 2, 3, -1}, {0.1f, 0.1f, 0.9f}, TD::PER_PART, 0.5f, true,
   {0, 1, 2, -1}, {0, 1}},
  {"PartLoneVertexTakesNoSegment", {9, -1, 0, 1, 2, -1}, {0.9f, 0.1f}, TD::PER_PART, 0.5f, true,
   {1, 2, -1}, {1}},
  {"PartShortArrayUnterminated", {0, 1, 2, 3}, {0.9f}, TD::PER_PART, 0.5f, true, {1, 2, 3, -1},
   {1, 2}},
};

class LineSetRows : public ::testing::TestWithParam<Row> {};

TEST_P(LineSetRows, Filters)
{
  const Row& row = GetParam();
  TD::Result out = staleResult();
  EXPECT_EQ(row.filtered,
            TD::filterLineSet(row.coordIndex.data(), int(row.coordIndex.size()),
                              row.transparency.data(), int(row.transparency.size()), row.binding,
                              row.threshold, out));
  EXPECT_RESULT(out, row);
}

INSTANTIATE_TEST_SUITE_P(TransparencyDeletion, LineSetRows, ::testing::ValuesIn(kLineRows),
                         rowName);

// ---- Triangle strip sets -----------------------------------------------------------------------

const Row kStripRows[] = {
  {"PartKeepsWholeStrips", {0, 1, 2, 3, -1, 4, 5, 6, -1, 7, 8, 9, 10, -1}, {0.1f, 0.9f, 0.1f},
   TD::PER_PART, 0.5f, true, {0, 1, 2, 3, -1, 7, 8, 9, 10, -1}, {0, 2}},
  // Triangles 0 1 | 2 3 4; a run starting on odd triangle 1 repeats its first vertex, and the
  // degenerate triangle this adds takes a material too.
  {"FaceNumbersTrianglesAcrossStrips", {0, 1, 2, 3, -1, 4, 5, 6, 7, 8, -1},
   {0.9f, 0.1f, 0.1f, 0.9f, 0.1f}, TD::PER_FACE, 0.5f, true,
   {1, 1, 2, 3, -1, 4, 5, 6, -1, 6, 7, 8, -1}, {1, 1, 2, 4}},
  {"FaceThresholdAboveAllKeepsAll", {0, 1, 2, 3, -1, 4, 5, 6, -1}, {0.2f, 0.4f, 0.6f},
   TD::PER_FACE, 0.7f, true, {0, 1, 2, 3, -1, 4, 5, 6, -1}, {0, 1, 2}},
  {"FaceShortStripHasNoTriangles", {0, 1, -1, 2, 3, 4, -1}, {}, TD::PER_FACE, 0.5f, true,
   {2, 3, 4, -1}, {0}},
  {"VertexNeedsAllThreeBelow", {0, 1, 2, 3, 4, 5, -1}, {0, 0, 0, 0.9f}, TD::PER_VERTEX, 0.5f, true,
   {0, 1, 2, -1}, {}},
  {"VertexOddRunRepeatsFirst", {0, 1, 2, 3, 4, 5, 6, -1}, {0.9f}, TD::PER_VERTEX, 0.5f, true,
   {1, 1, 2, 3, 4, 5, 6, -1}, {}},
};

class StripSetRows : public ::testing::TestWithParam<Row> {};

TEST_P(StripSetRows, Filters)
{
  const Row& row = GetParam();
  TD::Result out = staleResult();
  TD::filterTriangleStripSet(row.coordIndex.data(), int(row.coordIndex.size()),
                             row.transparency.data(), int(row.transparency.size()), row.binding,
                             row.threshold, out);
  EXPECT_RESULT(out, row);
}

INSTANTIATE_TEST_SUITE_P(TransparencyDeletion, StripSetRows, ::testing::ValuesIn(kStripRows),
                         rowName);

// A triangle as drawn (odd strip triangles swap their first two vertices), rotated to start at its
// smallest vertex so that equal orientation compares equal, plus its material (-1 when none).
using Drawn = std::array<int32_t, 4>;

std::vector<Drawn> drawnTriangles(const Ints& strips, const Ints& material)
{
  std::vector<Drawn> out;
  size_t begin = 0, drawnSoFar = 0;
  while (begin < strips.size()) {
    size_t end = begin;
    while (end < strips.size() && strips[end] >= 0)
      ++end;
    for (size_t j = begin; j + 2 < end; ++j, ++drawnSoFar) {
      std::array<int32_t, 3> v = {strips[j], strips[j + 1], strips[j + 2]};
      if ((j - begin) & 1)
        std::swap(v[0], v[1]);
      if (v[0] == v[1] || v[1] == v[2] || v[0] == v[2])
        continue;
      std::rotate(v.begin(), std::min_element(v.begin(), v.end()), v.end());
      const int32_t m = drawnSoFar < material.size() ? material[drawnSoFar] : -1;
      out.push_back({v[0], v[1], v[2], m});
    }
    begin = end + 1;
  }
  return out;
}

// Shuffled coordinates, so that a per-vertex value read by position instead of coordinate fails.
const Ints kStrip = {3, 0, 6, 1, 7, 2, 5, 4, -1};
constexpr int kStripTriangles = 6;

TEST(TransparencyDeletionStrips, EveryPerFaceSelectionKeepsOrientationAndMaterial)
{
  const std::vector<Drawn> all = drawnTriangles(kStrip, {0, 1, 2, 3, 4, 5});
  for (int mask = 0; mask < (1 << kStripTriangles); ++mask) {
    Floats transparency(kStripTriangles);
    std::vector<Drawn> expected;
    for (int k = 0; k < kStripTriangles; ++k) {
      transparency[k] = (mask >> k & 1) ? 0.25f : 0.75f;
      if (mask >> k & 1)
        expected.push_back(all[k]);
    }
    TD::Result out;
    TD::filterTriangleStripSet(kStrip.data(), int(kStrip.size()), transparency.data(),
                               kStripTriangles, TD::PER_FACE, 0.5f, out);
    EXPECT_EQ(drawnTriangles(out.coordIndex, out.materialIndex), expected) << "mask " << mask;
  }
}

TEST(TransparencyDeletionStrips, EveryPerVertexSelectionKeepsOrientation)
{
  const std::vector<Drawn> all = drawnTriangles(kStrip, {});
  for (int mask = 0; mask < (1 << 8); ++mask) {
    Floats transparency(8);
    for (int v = 0; v < 8; ++v)
      transparency[v] = (mask >> v & 1) ? 0.f : 1.f;
    std::vector<Drawn> expected;
    for (int k = 0; k < kStripTriangles; ++k) {
      if (transparency[kStrip[k]] + transparency[kStrip[k + 1]] + transparency[kStrip[k + 2]] == 0)
        expected.push_back(all[k]);
    }
    TD::Result out;
    TD::filterTriangleStripSet(kStrip.data(), int(kStrip.size()), transparency.data(), 8,
                               TD::PER_VERTEX, 0.5f, out);
    EXPECT_EQ(drawnTriangles(out.coordIndex, {}), expected) << "mask " << mask;
    EXPECT_TRUE(out.materialIndex.empty());
  }
}

// ---- Quad meshes -------------------------------------------------------------------------------

struct QuadRow {
  const char* name;
  int startIndex, rows, columns;
  Floats transparency;
  TD::Binding binding;
  bool filtered;
  Ints coordOut;
  Ints materialOut;
};

std::string quadName(const ::testing::TestParamInfo<QuadRow>& info) { return info.param.name; }
void PrintTo(const QuadRow& row, std::ostream* os) { *os << row.name; }

Floats startOffsetValues()
{
  Floats t(16, 0.9f); // the ten values before the mesh must not be read
  std::fill(t.begin() + 10, t.end(), 0.1f);
  t[12] = 0.9f;
  return t;
}

const QuadRow kQuadRows[] = {
  {"PartLeavesMeshAlone", 0, 3, 3, {0.9f}, TD::PER_PART, false, {}, {}},
  {"SingleRowIsEmpty", 0, 1, 4, {}, TD::PER_FACE, true, {}, {}},
  {"SingleColumnIsEmpty", 0, 3, 1, {}, TD::PER_VERTEX, true, {}, {}},
  {"FaceKeepsQuadsBelow", 0, 3, 3, {0.1f, 0.9f, 0.5f, 0.2f}, TD::PER_FACE, true,
   {0, 3, 1, 4, -1, 4, 7, 5, 8, -1}, {0, 0, 3, 3}},
  {"FaceShortArrayKeepsLaterQuads", 0, 3, 2, {0.9f}, TD::PER_FACE, true, {2, 4, 3, 5, -1}, {1, 1}},
  {"VertexIndexedFromStart", 10, 2, 3, startOffsetValues(), TD::PER_VERTEX, true,
   {10, 13, 11, 14, -1}, {}},
};

class QuadMeshRows : public ::testing::TestWithParam<QuadRow> {};

TEST_P(QuadMeshRows, Filters)
{
  const QuadRow& row = GetParam();
  TD::Result out = staleResult();
  EXPECT_EQ(row.filtered, TD::filterQuadMesh(row.startIndex, row.rows, row.columns,
                                             row.transparency.data(), int(row.transparency.size()),
                                             row.binding, 0.5f, out));
  EXPECT_RESULT(out, row);
}

INSTANTIATE_TEST_SUITE_P(TransparencyDeletion, QuadMeshRows, ::testing::ValuesIn(kQuadRows),
                         quadName);

TEST(TransparencyDeletionQuads, OpaqueMeshGivesOneStripPerQuad)
{
  for (auto [rows, columns] : {std::pair{2, 2}, {4, 5}, {7, 3}}) {
    TD::Result out;
    ASSERT_TRUE(TD::filterQuadMesh(0, rows, columns, nullptr, 0, TD::PER_FACE, 0.5f, out));
    const int quads = (rows - 1) * (columns - 1);
    ASSERT_EQ(out.coordIndex.size(), size_t(5 * quads)) << rows << "x" << columns;
    ASSERT_EQ(out.materialIndex.size(), size_t(2 * quads));
    for (int q = 0; q < quads; ++q) {
      const int r = q / (columns - 1), c = q % (columns - 1), v = r * columns + c;
      EXPECT_EQ(Ints(out.coordIndex.begin() + 5 * q, out.coordIndex.begin() + 5 * q + 5),
                (Ints{v, v + columns, v + 1, v + columns + 1, -1}));
      EXPECT_EQ(out.materialIndex[2 * q], q);
      EXPECT_EQ(out.materialIndex[2 * q + 1], q);
    }
  }
}

} // namespace
