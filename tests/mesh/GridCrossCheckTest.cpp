// Cross-checks on random grids of every kind: location against interpolation of a linear field,
// and the sum of the cell measures against the measure of the domain.
#include <Gridlux/mesh/PbCartesianGrid2D.h>
#include <Gridlux/mesh/PbCartesianGrid3D.h>
#include <Gridlux/mesh/PbCell.h>
#include <Gridlux/mesh/PbParalCartesianGrid2D.h>
#include <Gridlux/mesh/PbParalCartesianGrid3D.h>
#include <Gridlux/mesh/PbRegularCartesianGrid2D.h>
#include <Gridlux/mesh/PbRegularCartesianGrid3D.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

enum Kind { CARTESIAN_2D, PARAL_2D, REGULAR_2D, CARTESIAN_3D, PARAL_3D, REGULAR_3D };

struct RandomGrid {
  std::unique_ptr<PbMesh> mesh;
  SbVec3f lo, hi; // the domain, a box
  int dims;
};

// Sorted coordinates from lo to hi with random steps.
std::vector<float> randomAxis(std::mt19937& rng, int n, float lo, float hi)
{
  std::uniform_real_distribution<float> step(0.3f, 1.0f);
  std::vector<float> v(n);
  double sum = 0;
  std::vector<double> cum(n, 0);
  for (int i = 1; i < n; i++)
    cum[i] = sum += step(rng);
  for (int i = 0; i < n; i++)
    v[i] = float(lo + (hi - lo) * cum[i] / sum);
  v[n - 1] = hi;
  return v;
}

RandomGrid makeGrid(Kind kind, unsigned seed)
{
  std::mt19937 rng(seed);
  std::uniform_real_distribution<float> origin(-50, 50), extent(1, 20), jitter(-0.25f, 0.25f);
  RandomGrid g;
  g.dims = kind >= CARTESIAN_3D ? 3 : 2;
  g.lo.setValue(origin(rng), origin(rng), g.dims == 3 ? origin(rng) : 0);
  g.hi = g.lo + SbVec3f(extent(rng), extent(rng), g.dims == 3 ? extent(rng) : 0);
  const int nx = 9 + int(rng() % 8), ny = 9 + int(rng() % 8), nz = 5 + int(rng() % 5);
  switch (kind) {
  case CARTESIAN_2D: {
    // A regular lattice with every inner node moved by up to a quarter of a step.
    std::vector<float> x, y;
    for (int i = 0; i < nx; i++)
      for (int j = 0; j < ny; j++) {
        const bool inner = i > 0 && i < nx - 1 && j > 0 && j < ny - 1;
        x.push_back(g.lo[0] + (g.hi[0] - g.lo[0]) * (i + (inner ? jitter(rng) : 0)) / (nx - 1));
        y.push_back(g.lo[1] + (g.hi[1] - g.lo[1]) * (j + (inner ? jitter(rng) : 0)) / (ny - 1));
      }
    g.mesh.reset(new PbCartesianGrid2D(nx, ny, x.data(), y.data()));
    break;
  }
  case PARAL_2D: {
    const std::vector<float> x = randomAxis(rng, nx, g.lo[0], g.hi[0]), y = randomAxis(rng, ny, g.lo[1], g.hi[1]);
    g.mesh.reset(new PbParalCartesianGrid2D(nx, ny, x.data(), y.data()));
    break;
  }
  case REGULAR_2D:
    g.mesh.reset(new PbRegularCartesianGrid2D(nx, ny, g.lo[0], g.lo[1], g.hi[0], g.hi[1]));
    break;
  case CARTESIAN_3D: {
    std::vector<float> x, y, z;
    for (int i = 0; i < nx; i++)
      for (int j = 0; j < ny; j++)
        for (int k = 0; k < nz; k++) {
          const bool inner = i > 0 && i < nx - 1 && j > 0 && j < ny - 1 && k > 0 && k < nz - 1;
          x.push_back(g.lo[0] + (g.hi[0] - g.lo[0]) * (i + (inner ? jitter(rng) : 0)) / (nx - 1));
          y.push_back(g.lo[1] + (g.hi[1] - g.lo[1]) * (j + (inner ? jitter(rng) : 0)) / (ny - 1));
          z.push_back(g.lo[2] + (g.hi[2] - g.lo[2]) * (k + (inner ? jitter(rng) : 0)) / (nz - 1));
        }
    g.mesh.reset(new PbCartesianGrid3D(nx, ny, nz, x.data(), y.data(), z.data()));
    break;
  }
  case PARAL_3D: {
    const std::vector<float> x = randomAxis(rng, nx, g.lo[0], g.hi[0]), y = randomAxis(rng, ny, g.lo[1], g.hi[1]),
                             z = randomAxis(rng, nz, g.lo[2], g.hi[2]);
    g.mesh.reset(new PbParalCartesianGrid3D(nx, ny, nz, x.data(), y.data(), z.data()));
    break;
  }
  case REGULAR_3D:
    g.mesh.reset(
      new PbRegularCartesianGrid3D(nx, ny, nz, g.lo[0], g.lo[1], g.lo[2], g.hi[0], g.hi[1], g.hi[2]));
    break;
  }
  return g;
}

class GridCrossCheck : public ::testing::TestWithParam<Kind> {};

TEST_P(GridCrossCheck, LocatedCellsInterpolateALinearFieldExactly)
{
  for (unsigned seed = 1; seed <= 3; seed++) {
    RandomGrid g = makeGrid(GetParam(), seed);
    const PbMesh& mesh = *g.mesh;
    // f(p) = a . p + b, sampled at the nodes: trilinear (bilinear) interpolation reproduces it.
    const SbVec3f a(0.7f, -1.3f, g.dims == 3 ? 2.1f : 0.0f);
    const float b = 250;
    std::vector<float> field(mesh.getNumNodes());
    for (int n = 0; n < mesh.getNumNodes(); n++)
      field[n] = a.dot(mesh.getNodeCoord(n)) + b;
    std::mt19937 rng(100 + seed);
    std::uniform_real_distribution<float> u(0.0005f, 0.9995f);
    const SbVec3f size = g.hi - g.lo;
    for (int k = 0; k < 300; k++) {
      const SbVec3f p = g.lo + SbVec3f(u(rng) * size[0], u(rng) * size[1], g.dims == 3 ? u(rng) * size[2] : 0);
      SbVec3f pc;
      const PbCell* cell = mesh.findContainingCell(p, 0, pc);
      ASSERT_NE(cell, nullptr) << "seed " << seed << " point " << k;
      SbVec3f again;
      EXPECT_TRUE(cell->locatePoint(p, 1e-5f, again));
      const float expected = a.dot(p) + b;
      EXPECT_NEAR(cell->getValue(pc, field.data()), expected, 1e-5 * std::fabs(expected));
    }
    // Outside the domain, along every axis and on both sides.
    for (int axis = 0; axis < g.dims; axis++)
      for (int side = 0; side < 2; side++) {
        SbVec3f p = (g.lo + g.hi) * 0.5f;
        p[axis] = side ? g.hi[axis] + 0.01f * size[axis] : g.lo[axis] - 0.01f * size[axis];
        SbVec3f pc;
        EXPECT_EQ(mesh.findContainingCell(p, 0, pc), nullptr) << "axis " << axis << " side " << side;
      }
  }
}

TEST_P(GridCrossCheck, CellMeasuresAddUpToTheDomain)
{
  for (unsigned seed = 1; seed <= 3; seed++) {
    RandomGrid g = makeGrid(GetParam(), seed);
    const PbMesh& mesh = *g.mesh;
    double sum = 0;
    for (int c = 0; c < mesh.getNumCells(); c++) {
      const PbCell* cell = mesh.getCell(c);
      ASSERT_NE(cell, nullptr);
      sum += g.dims == 3 ? cell->getVolume() : cell->getArea();
    }
    const SbVec3f size = g.hi - g.lo;
    const double domain = g.dims == 3 ? double(size[0]) * size[1] * size[2] : double(size[0]) * size[1];
    EXPECT_NEAR(sum, domain, 1e-5 * domain);
    EXPECT_NEAR(g.dims == 3 ? mesh.getVolume() : mesh.getArea(), domain, 1e-5 * domain);
    EXPECT_EQ(g.dims == 3 ? mesh.getArea() : mesh.getVolume(), 0);
    const SbBox3f box = mesh.getBoundingBox();
    EXPECT_NEAR((box.getMin() - g.lo).length(), 0, 1e-4);
    EXPECT_NEAR((box.getMax() - g.hi).length(), 0, 1e-4);
  }
}

std::string kindName(const ::testing::TestParamInfo<Kind>& info)
{
  static const char* names[] = {"Cartesian2D", "Paral2D", "Regular2D", "Cartesian3D", "Paral3D", "Regular3D"};
  return names[info.param];
}

INSTANTIATE_TEST_SUITE_P(EveryGridKind, GridCrossCheck,
                         ::testing::Values(CARTESIAN_2D, PARAL_2D, REGULAR_2D, CARTESIAN_3D, PARAL_3D, REGULAR_3D),
                         kindName);

} // namespace
