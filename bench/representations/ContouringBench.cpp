// Rebuild time of contour lines on a large regular grid, the library's hot path.
#include <Gridlux/attributes/PbIsovaluesList.h>
#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/mesh/PbRegularCartesianGrid2D.h>
#include <Gridlux/representations/PoMeshContouring.h>

#include <Inventor/actions/SoSearchAction.h>
#include <Inventor/nodes/SoSeparator.h>

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

// f = sin(4x) cos(3y) over [0, pi]^2: many closed and open lines, saddles included.
struct Field {
  PbRegularCartesianGrid2D grid;
  PbIsovaluesList isovalues;

  explicit Field(int n) : grid(n, n, 0.f, 0.f, float(M_PI), float(M_PI))
  {
    std::vector<float> values(size_t(n) * n);
    const double h = M_PI / (n - 1);
    for (int j = 0; j < n; ++j)
      for (int i = 0; i < n; ++i)
        values[size_t(j) * n + i] = float(std::sin(4 * i * h) * std::cos(3 * j * h));
    grid.addValuesSet(0, values.data());
    isovalues.setRegularIsoList(-0.95f, 0.95f, 20);
  }
};

void BM_ContourLinesRebuild(benchmark::State& state)
{
  PoGridlux::init();
  Field field(int(state.range(0)));
  SoSeparator* root = new SoSeparator;
  root->ref();
  PoMeshContouring* contours = new PoMeshContouring;
  contours->valuesIndex = 0;
  contours->setMesh(&field.grid);
  contours->setIsovaluesList(&field.isovalues);
  root->addChild(contours);

  // Any traversal runs a pending rebuild; a search for nothing adds almost no cost of its own.
  SoSearchAction search;
  search.setName(SbName("no such node"));
  for (auto _ : state) {
    contours->touchKit();
    search.apply(root);
  }
  state.SetItemsProcessed(state.iterations() * int64_t(state.range(0)) * state.range(0));
  root->unref();
}
BENCHMARK(BM_ContourLinesRebuild)->Arg(512)->Arg(2048)->Unit(benchmark::kMillisecond);

} // namespace
