// Solid charts over long series: bars and markers on plain arrays, and a cylindrical bar chart's
// whole rebuild into its face set.
#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/charts/PiSolidGeometry.h>
#include <Gridlux/charts/PoCylindricalBar.h>
#include <Gridlux/mesh/nodes/PoRegularMesh1D.h>

#include <Inventor/actions/SoGetBoundingBoxAction.h>
#include <Inventor/nodes/SoSeparator.h>

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

std::vector<float> wave(int n)
{
  std::vector<float> y(n);
  for (int i = 0; i < n; i++)
    y[i] = 1.5f + std::sin(0.01f * i);
  return y;
}

PiSolidGeometry::Outline circle()
{
  std::vector<SbVec2f> points;
  for (int i = 0; i < 16; i++)
    points.emplace_back(std::cos(2 * M_PI * i / 16), std::sin(2 * M_PI * i / 16));
  PiSolidGeometry::Outline outline;
  PiSolidGeometry::prepare(points.data(), 16, outline);
  return outline;
}

void BM_CylinderBars(benchmark::State& state)
{
  const int n = int(state.range(0));
  std::vector<float> x(n);
  for (int i = 0; i < n; i++)
    x[i] = float(i);
  const std::vector<float> y = wave(n);
  const PiSolidGeometry::Outline outline = circle();
  PiSolidGeometry::Mesh mesh; // reused, as the nodes do
  for (auto _ : state) {
    mesh.clear();
    benchmark::DoNotOptimize(PiSolidGeometry::bars(outline, n, x.data(), y.data(), true, 0, 0.4f, 0.4f, 1, mesh));
  }
  state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_CylinderBars)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_SphereMarkers(benchmark::State& state)
{
  const int n = int(state.range(0));
  const std::vector<float> y = wave(n);
  PiSolidGeometry::Mesh mesh;
  for (auto _ : state) {
    mesh.clear();
    for (int i = 0; i < n; i++)
      PiSolidGeometry::marker(PiSolidGeometry::SPHERE, nullptr, SbVec3f(float(i), y[i], 0), 0.5f, SbVec3f(1, 1, 1),
                              i, mesh);
    benchmark::DoNotOptimize(mesh.points.data());
  }
  state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_SphereMarkers)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The node: chart geometry, bars and the toolkit's face set, rebuilt by a bounding-box traversal.
void BM_CylindricalBarRebuild(benchmark::State& state)
{
  PoGridlux::init();
  const int n = int(state.range(0));
  SoSeparator* root = new SoSeparator;
  root->ref();
  PoRegularMesh1D* mesh = new PoRegularMesh1D;
  mesh->mesh.setGeometry(n, 0.0f, float(n - 1));
  mesh->addValuesSet(0, wave(n).data(), "y");
  root->addChild(mesh);
  PoCylindricalBar* bars = new PoCylindricalBar;
  root->addChild(bars);
  SoGetBoundingBoxAction box(SbViewportRegion(100, 100));
  for (auto _ : state) {
    bars->touchKit();
    box.apply(root);
  }
  state.SetItemsProcessed(state.iterations() * n);
  root->unref();
}
BENCHMARK(BM_CylindricalBarRebuild)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
