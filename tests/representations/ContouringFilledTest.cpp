// Filled contour bands checked against the field itself: tiling, band limits, colours, saddles.
#include "support/ErrorCatcher.h"

#include <Gridlux/attributes/PbIsovaluesList.h>
#include <Gridlux/attributes/PbLinearDataMapping.h>
#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/mesh/PbCartesianGrid2D.h>
#include <Gridlux/mesh/PbPolarGrid2D.h>
#include <Gridlux/mesh/PbQuadrangleMesh2D.h>
#include <Gridlux/mesh/PbRegularCartesianGrid2D.h>
#include <Gridlux/mesh/PbTriangleMesh2D.h>
#include <Gridlux/representations/algorithms/PiContouringFilled.h>

#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoIndexedFaceSet.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoMaterialBinding.h>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <vector>

namespace {

// The faces of one fillSurf() call, read back from the nodes it made.
struct Bands {
  std::vector<SbVec3f> points;
  std::vector<std::vector<int>> faces;
  std::vector<SbColor> colors;
  int binding = -1;
};

Bands fill(PiContouringFilled& cutter, const float* values)
{
  SoGroup* group = new SoGroup;
  group->ref();
  SoMaterial* material = new SoMaterial;
  material->ref();
  SoMaterialBinding* binding = new SoMaterialBinding;
  binding->ref(); // not put in the group when there is nothing to draw
  cutter.fillSurf(values, nullptr, group, material, binding);
  Bands out;
  for (int i = 0; i < group->getNumChildren(); ++i) {
    SoNode* child = group->getChild(i);
    if (child->isOfType(SoCoordinate3::getClassTypeId())) {
      const SoMFVec3f& p = static_cast<SoCoordinate3*>(child)->point;
      out.points.assign(p.getValues(0), p.getValues(0) + p.getNum());
    } else if (child->isOfType(SoIndexedFaceSet::getClassTypeId())) {
      const SoMFInt32& index = static_cast<SoIndexedFaceSet*>(child)->coordIndex;
      std::vector<int> face;
      for (int k = 0; k < index.getNum(); ++k) {
        if (index[k] < 0) {
          out.faces.push_back(face);
          face.clear();
        } else {
          face.push_back(index[k]);
        }
      }
    } else if (child->isOfType(SoMaterialBinding::getClassTypeId())) {
      out.binding = static_cast<SoMaterialBinding*>(child)->value.getValue();
    }
  }
  out.colors.assign(material->diffuseColor.getValues(0), material->diffuseColor.getValues(0) + material->diffuseColor.getNum());
  material->unref();
  binding->unref();
  group->unref();
  return out;
}

double signedArea(const Bands& bands, const std::vector<int>& face)
{
  double a = 0;
  for (size_t k = 0; k < face.size(); ++k) {
    const SbVec3f& p = bands.points[face[k]];
    const SbVec3f& q = bands.points[face[(k + 1) % face.size()]];
    a += double(p[0]) * q[1] - double(q[0]) * p[1];
  }
  return a / 2;
}

// A field with saddles, minima and maxima in [0, 3] x [0, 2].
float wavy(float x, float y) { return std::sin(3 * x) * std::cos(2 * y) + 0.3f * x; }

struct MeshCase {
  const char* name;
  std::function<std::unique_ptr<PbMesh2D>()> make;
};

std::vector<MeshCase> meshCases()
{
  std::vector<MeshCase> cases;
  cases.push_back({"regular", [] { return std::make_unique<PbRegularCartesianGrid2D>(41, 31, 0.f, 0.f, 3.f, 2.f); }});
  cases.push_back({"curvilinear", [] {
    const int nx = 33, ny = 27;
    std::vector<float> x(nx * ny), y(nx * ny);
    for (int i = 0; i < nx; ++i)
      for (int j = 0; j < ny; ++j) {
        const float u = 3.f * i / (nx - 1), v = 2.f * j / (ny - 1);
        x[i * ny + j] = u + 0.1f * std::sin(2 * v);
        y[i * ny + j] = v + 0.08f * std::sin(3 * u);
      }
    return std::make_unique<PbCartesianGrid2D>(nx, ny, x.data(), y.data());
  }});
  cases.push_back({"polar", [] {
    std::vector<float> r(20), t(40);
    for (int i = 0; i < 20; ++i)
      r[i] = 0.3f + 0.09f * i;
    for (int j = 0; j < 40; ++j)
      t[j] = 0.04f * j;
    return std::make_unique<PbPolarGrid2D>(20, 40, r.data(), t.data());
  }});
  cases.push_back({"triangles", [] {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> ux(0.f, 3.f), uy(0.f, 2.f);
    std::vector<float> x = {0, 3, 3, 0}, y = {0, 0, 2, 2};
    for (int k = 0; k < 600; ++k) {
      x.push_back(ux(random));
      y.push_back(uy(random));
    }
    auto mesh = std::make_unique<PbTriangleMesh2D>();
    mesh->setGeometry(int(x.size()), x.data(), y.data());
    return mesh;
  }});
  cases.push_back({"quadrangles", [] {
    // A grid of jittered nodes whose cells are listed by hand, half of them turning the other way.
    const int nx = 30, ny = 20;
    std::mt19937 random(3);
    std::uniform_real_distribution<float> jitter(-0.02f, 0.02f);
    std::vector<float> x, y;
    for (int i = 0; i < nx; ++i)
      for (int j = 0; j < ny; ++j) {
        const bool inside = i > 0 && j > 0 && i + 1 < nx && j + 1 < ny;
        x.push_back(3.f * i / (nx - 1) + (inside ? jitter(random) : 0.f));
        y.push_back(2.f * j / (ny - 1) + (inside ? jitter(random) : 0.f));
      }
    std::vector<int> cells;
    for (int i = 0; i + 1 < nx; ++i)
      for (int j = 0; j + 1 < ny; ++j) {
        const int a = i * ny + j, b = a + ny, c = b + 1, d = a + 1;
        if ((i + j) % 2)
          cells.insert(cells.end(), {a, b, c, d});
        else
          cells.insert(cells.end(), {a, d, c, b});
      }
    return std::make_unique<PbQuadrangleMesh2D>(int(x.size()), x.data(), y.data(), int(cells.size() / 4), cells.data());
  }});
  return cases;
}

// Value at a point lying on an edge of the mesh, interpolated along the edge nearest to it;
// NaN when the point is on no edge. A brute-force search, independent of how the cutter found
// the point.
float valueOnEdges(const PbMesh2D& mesh, const float* values, const SbVec3f& p)
{
  float best = NAN, bestDistance = 1e-5f;
  for (int c = 0; c < mesh.getNumCells(); ++c) {
    const PbCell* cell = mesh.getCell(c);
    const int n = cell->getNumNodes();
    for (int k = 0; k < n; ++k) {
      const int a = cell->getNodeIndex(k), b = cell->getNodeIndex((k + 1) % n);
      const SbVec3f pa = mesh.getNodeCoord(a), pb = mesh.getNodeCoord(b);
      const SbVec3f d = pb - pa;
      const float len2 = d.dot(d);
      if (len2 <= 0)
        continue;
      const float t = (p - pa).dot(d) / len2;
      const float distance = (pa + d * t - p).length();
      if (t >= -1e-5f && t <= 1 + 1e-5f && distance < bestDistance) {
        bestDistance = distance;
        best = values[a] + t * (values[b] - values[a]);
      }
    }
  }
  return best;
}

class FilledBands : public ::testing::TestWithParam<int> {
protected:
  static void SetUpTestSuite() { PoGridlux::init(); }
};

TEST_P(FilledBands, TileTheMeshWithFacesThatStayInOneBand)
{
  PoGridlux::init();
  const MeshCase mc = meshCases()[GetParam()];
  SCOPED_TRACE(mc.name);
  std::unique_ptr<PbMesh2D> mesh = mc.make();
  ASSERT_GT(mesh->getNumCells(), 0);
  std::vector<float> values(mesh->getNumNodes());
  for (int n = 0; n < mesh->getNumNodes(); ++n) {
    const SbVec3f p = mesh->getNodeCoord(n);
    values[n] = wavy(p[0], p[1]);
  }
  PbIsovaluesList list;
  list.setRegularIsoList(-0.8f, 1.4f, 9);
  PbLinearDataMapping mapping;
  mapping.setValues(-1.f, SbColor(0, 0, 1), 1.9f, SbColor(1, 0.5f, 0));

  PiContouringFilled cutter;
  cutter.setMesh(mesh.get(), nullptr);
  cutter.setIsovaluesList(&list);
  cutter.setDataMapping(&mapping);
  const Bands bands = fill(cutter, values.data());
  ASSERT_EQ(bands.faces.size(), bands.colors.size());
  EXPECT_EQ(bands.binding, int(SoMaterialBinding::PER_FACE));

  // Tiling: the face areas add up to the mesh's (an overlap or a gap would show here).
  double sumAbs = 0, meshArea = 0;
  for (int c = 0; c < mesh->getNumCells(); ++c)
    meshArea += mesh->getCell(c)->getArea();
  for (const auto& face : bands.faces) {
    sumAbs += std::fabs(signedArea(bands, face));
  }
  EXPECT_NEAR(sumAbs, meshArea, 1e-5 * meshArea);

  int list0 = 0;
  float lo0, hi0, step0;
  int regular0;
  const float* iso = list.getIsoList(list0, lo0, hi0, step0, regular0);
  const float tolerance = 1e-4f;
  int checked = 0;
  std::vector<float> vertexValue(bands.points.size(), NAN); // each crossing serves several faces
  for (size_t f = 0; f < bands.faces.size(); ++f) {
    float lo = 1e30f, hi = -1e30f;
    for (int index : bands.faces[f]) {
      if (std::isnan(vertexValue[index]))
        vertexValue[index] = index < mesh->getNumNodes() ? values[index]
                                                         : valueOnEdges(*mesh, values.data(), bands.points[index]);
      const float v = vertexValue[index];
      ASSERT_FALSE(std::isnan(v)) << "face vertex off every mesh edge";
      lo = std::min(lo, v);
      hi = std::max(hi, v);
    }
    for (int k = 0; k < list0; ++k)
      ASSERT_FALSE(iso[k] > lo + tolerance && iso[k] < hi - tolerance)
        << "face " << f << " spans " << lo << " to " << hi << " across " << iso[k];
    // Its colour is the mapping's for the band's lower isovalue.
    const SbColor* expected = mapping.getRGBColor(list.getLowerIsovalue(0.5f * (lo + hi)));
    ASSERT_TRUE(expected);
    EXPECT_LT((bands.colors[f] - *expected).length(), 1e-5f) << "face " << f;
    ++checked;
  }
  EXPECT_GT(checked, mesh->getNumCells());
}

INSTANTIATE_TEST_SUITE_P(MeshKinds, FilledBands, ::testing::Range(0, 5),
                         [](const ::testing::TestParamInfo<int>& info) { return std::string(meshCases()[info.param].name); });

TEST(ContouringFilled, FacesMeetEdgeToEdgeWithoutCracks)
{
  PoGridlux::init();
  // Joined cells and cut cells side by side: every face edge inside the grid must be the edge
  // of exactly one other face. A vertex of one face in the middle of another face's edge (a
  // crack in the picture) would leave both edges unmatched.
  PbRegularCartesianGrid2D grid(61, 41, 0.f, 0.f, 3.f, 2.f);
  std::vector<float> values(grid.getNumNodes());
  for (int n = 0; n < grid.getNumNodes(); ++n) {
    const SbVec3f p = grid.getNodeCoord(n);
    values[n] = wavy(p[0], p[1]);
  }
  PbIsovaluesList list;
  list.setRegularIsoList(-0.8f, 1.4f, 9);
  PiContouringFilled cutter;
  cutter.setMesh(&grid, nullptr);
  cutter.setIsovaluesList(&list);
  const Bands bands = fill(cutter, values.data());
  ASSERT_LT(bands.faces.size(), size_t(grid.getNumCells())) << "uncut cells are joined";
  std::map<std::pair<int, int>, int> edges;
  for (const auto& face : bands.faces)
    for (size_t k = 0; k < face.size(); ++k) {
      const int a = face[k], b = face[(k + 1) % face.size()];
      ++edges[{std::min(a, b), std::max(a, b)}];
    }
  auto onBorder = [&](int a, int b) {
    const SbVec3f p = bands.points[a], q = bands.points[b];
    for (int axis = 0; axis < 2; ++axis)
      for (float side : {0.f, axis ? 2.f : 3.f})
        if (std::fabs(p[axis] - side) < 1e-6f && std::fabs(q[axis] - side) < 1e-6f)
          return true;
    return false;
  };
  int unmatched = 0;
  for (const auto& edge : edges) {
    if (edge.second == 2 || (edge.second == 1 && onBorder(edge.first.first, edge.first.second)))
      continue;
    ++unmatched;
  }
  EXPECT_EQ(unmatched, 0);
}

TEST(ContouringFilled, SaddleCellFollowsTheShortestContourSegments)
{
  PoGridlux::init();
  // Values 0, 1, 0, 1 around a unit square: the low corners are cut off by the two lines
  // that the contour lines draw, leaving the middle to the upper band.
  PbRegularCartesianGrid2D grid(2, 2, 0.f, 0.f, 1.f, 1.f);
  const float values[] = {0, 1, 1, 0}; // nodes (0,0) (0,1) (1,0) (1,1)
  PbIsovaluesList list;
  const float half = 0.5f;
  list.setIrregularIsoList(1, &half);
  PiContouringFilled cutter;
  cutter.setMesh(&grid, nullptr);
  cutter.setIsovaluesList(&list);
  const Bands bands = fill(cutter, values);
  ASSERT_EQ(cutter.getNumFaces(), int(bands.faces.size()));
  double low = 0, high = 0;
  for (int f = 0; f < cutter.getNumFaces(); ++f)
    (cutter.getFaceBands()[f] == 0 ? low : high) += std::fabs(signedArea(bands, bands.faces[f]));
  EXPECT_NEAR(low, 0.25, 1e-6);
  EXPECT_NEAR(high, 0.75, 1e-6);
  EXPECT_EQ(bands.faces.size(), 3u);
}

TEST(ContouringFilled, OneIsovalueSplitsACellInTwoColouredByTheirLowerLevel)
{
  PoGridlux::init();
  PbRegularCartesianGrid2D grid(2, 2, 0.f, 0.f, 1.f, 1.f);
  const float values[] = {0, 0, 1, 1};
  PbIsovaluesList list;
  const float half = 0.5f;
  list.setIrregularIsoList(1, &half);
  PbLinearDataMapping mapping;
  mapping.setValues(0.f, SbColor(0, 0, 0), 1.f, SbColor(1, 1, 1));
  PiContouringFilled cutter;
  cutter.setMesh(&grid, nullptr);
  cutter.setIsovaluesList(&list);
  cutter.setDataMapping(&mapping);
  const Bands bands = fill(cutter, values);
  ASSERT_EQ(bands.faces.size(), 2u);
  for (size_t f = 0; f < 2; ++f) {
    EXPECT_NEAR(std::fabs(signedArea(bands, bands.faces[f])), 0.5, 1e-6);
    const float v = cutter.getFaceBands()[f] == 0 ? -1e20f : 0.5f;
    EXPECT_LT((bands.colors[f] - *mapping.getRGBColor(v)).length(), 1e-6f);
  }
}

TEST(ContouringFilled, NothingWithoutValuesOrIsovalues)
{
  PoGridlux::init();
  PbRegularCartesianGrid2D grid(3, 3, 0.f, 0.f, 1.f, 1.f);
  PiContouringFilled cutter;
  cutter.setMesh(&grid, nullptr);
  const float values[9] = {};
  EXPECT_TRUE(fill(cutter, values).faces.empty()); // no list
  PbIsovaluesList list;
  cutter.setIsovaluesList(&list);
  EXPECT_TRUE(fill(cutter, nullptr).faces.empty());
  cutter.setMesh(static_cast<const PbMesh2D*>(nullptr), nullptr);
  EXPECT_TRUE(fill(cutter, values).faces.empty());
}

TEST(ContouringFilled, FreeSurfaceFromStripsIsCutLikeAMesh)
{
  PoGridlux::init();
  // A tilted 3 x 2 sheet given as two strips of one row each (z = x), values = x.
  SoCoordinate3* coords = new SoCoordinate3;
  coords->ref();
  const float xs[] = {0, 1, 2};
  for (int row = 0; row < 3; ++row)
    for (int c = 0; c < 3; ++c)
      coords->point.set1Value(row * 3 + c, SbVec3f(xs[c], float(row), xs[c]));
  const int strip0[] = {0, 3, 1, 4, 2, 5}; // rows 0 and 1
  const int strip1[] = {3, 6, 4, 7, 5, 8}; // rows 1 and 2
  const float values[] = {0, 1, 2, 0, 1, 2, 0, 1, 2};
  PbIsovaluesList list;
  const float levels[] = {0.5f, 1.25f};
  list.setIrregularIsoList(2, levels);
  PiContouringFilled cutter;
  cutter.initGeometry();
  cutter.addStripElems(6, strip0);
  cutter.addStripElems(6, strip1);
  cutter.setPoints(9, coords);
  cutter.setIsovaluesList(&list);
  const Bands bands = fill(cutter, values);
  // True area of the sheet is 2 x 2 x sqrt(2); each face's band holds x between its levels.
  double area = 0;
  for (size_t f = 0; f < bands.faces.size(); ++f) {
    const auto& face = bands.faces[f];
    SbVec3f normal(0, 0, 0);
    for (size_t k = 1; k + 1 < face.size(); ++k)
      normal += (bands.points[face[k]] - bands.points[face[0]]).cross(bands.points[face[k + 1]] - bands.points[face[0]]);
    area += normal.length() / 2;
    const float lo = cutter.getFaceBands()[f] == 0 ? -1e30f : levels[cutter.getFaceBands()[f] - 1];
    const float hi = cutter.getFaceBands()[f] == 2 ? 1e30f : levels[cutter.getFaceBands()[f]];
    for (int index : face) {
      EXPECT_GE(bands.points[index][0], lo - 1e-5f);
      EXPECT_LE(bands.points[index][0], hi + 1e-5f);
    }
  }
  EXPECT_NEAR(area, 4 * std::sqrt(2.0), 1e-5);

  // A strip naming a point that was never given is refused, not read.
  ErrorCatcher errors;
  const int bad[] = {0, 3, 42};
  cutter.addStripElems(3, bad);
  EXPECT_TRUE(fill(cutter, values).faces.empty());
  EXPECT_GT(errors.count(), 0);
  coords->unref();
}

} // namespace
