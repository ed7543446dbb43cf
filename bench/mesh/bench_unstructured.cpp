// Unstructured volume meshes at a million cells: setting the geometry, listing the owner cells of
// every node, building the octree and locating points in tetrahedra.
#include <Gridlux/mesh/PbCell.h>
#include <Gridlux/mesh/PbTetrahedronMesh3D.h>

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

// 56^3 cubes cut into six tetrahedra each: 1 053 696 cells over 57^3 nodes, inner nodes jittered.
struct TetBlock {
  enum { N = 56 };
  std::vector<float> x, y, z;
  std::vector<int> tets;
  TetBlock()
  {
    const int m = N + 1;
    std::mt19937 rng(3);
    std::uniform_real_distribution<float> jitter(-0.2f, 0.2f);
    for (int i = 0; i < m; i++)
      for (int j = 0; j < m; j++)
        for (int k = 0; k < m; k++) {
          const bool inner = i > 0 && i < N && j > 0 && j < N && k > 0 && k < N;
          x.push_back(i + (inner ? jitter(rng) : 0));
          y.push_back(j + (inner ? jitter(rng) : 0));
          z.push_back(k + (inner ? jitter(rng) : 0));
        }
    static const int kuhn[6][4] = {{0, 1, 2, 6}, {0, 2, 3, 6}, {0, 3, 7, 6}, {0, 7, 4, 6}, {0, 4, 5, 6}, {0, 5, 1, 6}};
    tets.reserve(size_t(N) * N * N * 24);
    for (int i = 0; i < N; i++)
      for (int j = 0; j < N; j++)
        for (int k = 0; k < N; k++) {
          auto id = [m](int a, int b, int c) { return (a * m + b) * m + c; };
          const int n[8] = {id(i, j, k),         id(i + 1, j, k),         id(i + 1, j + 1, k),
                            id(i, j + 1, k),     id(i, j, k + 1),         id(i + 1, j, k + 1),
                            id(i + 1, j + 1, k + 1), id(i, j + 1, k + 1)};
          for (const auto& t : kuhn)
            tets.insert(tets.end(), {n[t[0]], n[t[1]], n[t[2]], n[t[3]]});
        }
  }
  int numNodes() const { return int(x.size()); }
  int numCells() const { return int(tets.size() / 4); }
  void setInto(PbTetrahedronMesh3D& mesh) const
  {
    mesh.setGeometry(numNodes(), x.data(), y.data(), z.data(), numCells(), tets.data());
  }
};

const TetBlock& block()
{
  static const TetBlock b;
  return b;
}

void BM_TetMeshSetGeometry(benchmark::State& state)
{
  const TetBlock& b = block();
  PbTetrahedronMesh3D mesh(1);
  for (auto _ : state) {
    b.setInto(mesh);
    benchmark::DoNotOptimize(mesh.getNumCells());
  }
  state.counters["cells"] = b.numCells();
}
BENCHMARK(BM_TetMeshSetGeometry)->Unit(benchmark::kMillisecond);

void BM_TetMeshOwnerLists(benchmark::State& state)
{
  const TetBlock& b = block();
  PbTetrahedronMesh3D mesh(0);
  PbArrayOfInt cells;
  for (auto _ : state) {
    state.PauseTiming();
    b.setInto(mesh); // drops the lists
    state.ResumeTiming();
    mesh.getNodeOwnerCellsInd(b.numNodes() / 2, cells); // lists every node's owners
    benchmark::DoNotOptimize(cells.getNum());
  }
  state.counters["owners of a middle node"] = cells.getNum();
}
BENCHMARK(BM_TetMeshOwnerLists)->Unit(benchmark::kMillisecond);

std::vector<SbVec3f> randomPoints(int num)
{
  std::mt19937 rng(17);
  std::uniform_real_distribution<float> u(0.0f, float(TetBlock::N));
  std::vector<SbVec3f> points(static_cast<size_t>(num));
  for (SbVec3f& p : points)
    p.setValue(u(rng), u(rng), u(rng));
  return points;
}

void BM_TetMeshOctreeBuild(benchmark::State& state)
{
  const TetBlock& b = block();
  PbTetrahedronMesh3D mesh(0);
  SbVec3f pc;
  for (auto _ : state) {
    state.PauseTiming();
    b.setInto(mesh); // makes the octree stale
    state.ResumeTiming();
    benchmark::DoNotOptimize(mesh.findContainingCell(SbVec3f(1.5f, 1.5f, 1.5f), 0, pc));
  }
}
BENCHMARK(BM_TetMeshOctreeBuild)->Unit(benchmark::kMillisecond);

void BM_TetMeshLocate100k(benchmark::State& state)
{
  const TetBlock& b = block();
  PbTetrahedronMesh3D mesh(0);
  b.setInto(mesh);
  const std::vector<SbVec3f> points = randomPoints(100000);
  SbVec3f pc;
  mesh.findContainingCell(points[0], 0, pc); // the octree is built outside the timing
  int found = 0;
  for (auto _ : state) {
    found = 0;
    for (const SbVec3f& p : points)
      found += mesh.findContainingCell(p, 0, pc) != nullptr;
    benchmark::DoNotOptimize(found);
  }
  state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(points.size()));
  state.counters["found"] = found;
}
BENCHMARK(BM_TetMeshLocate100k)->Unit(benchmark::kMillisecond);

} // namespace
