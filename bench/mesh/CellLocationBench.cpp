// Cell location in large structured grids: direct index arithmetic, the octree, and a full scan.
#include <Gridlux/mesh/PbCartesianGrid3D.h>
#include <Gridlux/mesh/PbCell.h>
#include <Gridlux/mesh/PbRegularCartesianGrid3D.h>

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <vector>

namespace {

const int kPoints = 100000;

std::vector<SbVec3f> randomPoints(int num, float size, unsigned seed)
{
  std::mt19937 rng(seed);
  std::uniform_real_distribution<float> u(0.0f, size);
  std::vector<SbVec3f> points(num);
  for (SbVec3f& p : points)
    p.setValue(u(rng), u(rng), u(rng));
  return points;
}

// An n^3-node grid over [0, n-1]^3 whose inner nodes are moved by up to a quarter of a step.
std::unique_ptr<PbCartesianGrid3D> curvilinearGrid(int n)
{
  std::mt19937 rng(5);
  std::uniform_real_distribution<float> jitter(-0.25f, 0.25f);
  const size_t total = size_t(n) * n * n;
  std::vector<float> x(total), y(total), z(total);
  size_t node = 0;
  for (int i = 0; i < n; i++)
    for (int j = 0; j < n; j++)
      for (int k = 0; k < n; k++, node++) {
        const bool inner = i > 0 && i < n - 1 && j > 0 && j < n - 1 && k > 0 && k < n - 1;
        x[node] = i + (inner ? jitter(rng) : 0);
        y[node] = j + (inner ? jitter(rng) : 0);
        z[node] = k + (inner ? jitter(rng) : 0);
      }
  return std::unique_ptr<PbCartesianGrid3D>(new PbCartesianGrid3D(n, n, n, x.data(), y.data(), z.data()));
}

template <class Grid>
void locateAll(benchmark::State& state, const Grid& grid, const std::vector<SbVec3f>& points)
{
  SbVec3f pc;
  int found = 0;
  for (auto _ : state) {
    for (const SbVec3f& p : points)
      found += grid.findContainingCell(p, 0, pc) != nullptr;
    benchmark::DoNotOptimize(found);
  }
  state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(points.size()));
  state.counters["found"] = double(found) / double(state.iterations());
}

void BM_LocateRegularGrid100(benchmark::State& state)
{
  PbRegularCartesianGrid3D grid(100, 100, 100, 0, 0, 0, 99, 99, 99);
  locateAll(state, grid, randomPoints(kPoints, 99, 1));
}
BENCHMARK(BM_LocateRegularGrid100)->Unit(benchmark::kMillisecond);

void BM_LocateCartesianGrid100(benchmark::State& state)
{
  std::unique_ptr<PbCartesianGrid3D> grid = curvilinearGrid(100);
  SbVec3f pc;
  grid->findContainingCell(SbVec3f(1, 1, 1), 0, pc); // builds the octree outside the timing
  locateAll(state, *grid, randomPoints(kPoints, 99, 1));
}
BENCHMARK(BM_LocateCartesianGrid100)->Unit(benchmark::kMillisecond);

void BM_BuildOctreeCartesianGrid100(benchmark::State& state)
{
  std::unique_ptr<PbCartesianGrid3D> grid = curvilinearGrid(100);
  std::vector<float> x(1000000), y(1000000), z(1000000);
  int nx, ny, nz;
  const float* const* const* gx;
  const float* const* const* gy;
  const float* const* const* gz;
  grid->getGeometry(nx, ny, nz, gx, gy, gz);
  std::copy(gx[0][0], gx[0][0] + x.size(), x.begin());
  std::copy(gy[0][0], gy[0][0] + y.size(), y.begin());
  std::copy(gz[0][0], gz[0][0] + z.size(), z.begin());
  SbVec3f pc;
  for (auto _ : state) {
    grid->setGeometry(100, 100, 100, x.data(), y.data(), z.data()); // marks the octree stale
    benchmark::DoNotOptimize(grid->findContainingCell(SbVec3f(1, 1, 1), 0, pc));
  }
}
BENCHMARK(BM_BuildOctreeCartesianGrid100)->Unit(benchmark::kMillisecond);

// The naive peer: every cell tested in index order, on a grid small enough to scan.
void BM_ScanAllCellsCartesianGrid20(benchmark::State& state)
{
  std::unique_ptr<PbCartesianGrid3D> grid = curvilinearGrid(20);
  const std::vector<SbVec3f> points = randomPoints(1000, 19, 2);
  SbVec3f pc;
  int found = 0;
  for (auto _ : state) {
    for (const SbVec3f& p : points)
      for (int c = 0; c < grid->getNumCells(); c++)
        if (grid->getCell(c)->locatePoint(p, 0, pc)) {
          found++;
          break;
        }
    benchmark::DoNotOptimize(found);
  }
  state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(points.size()));
}
BENCHMARK(BM_ScanAllCellsCartesianGrid20)->Unit(benchmark::kMillisecond);

void BM_LocateCartesianGrid20(benchmark::State& state)
{
  std::unique_ptr<PbCartesianGrid3D> grid = curvilinearGrid(20);
  SbVec3f pc;
  grid->findContainingCell(SbVec3f(1, 1, 1), 0, pc);
  locateAll(state, *grid, randomPoints(1000, 19, 2));
}
BENCHMARK(BM_LocateCartesianGrid20)->Unit(benchmark::kMillisecond);

} // namespace
