// Stream lines through a helical field on a 128^3 grid, 100 seeds traced both ways, beside
// VTK's stream tracer (fourth-order Runge-Kutta) taking steps of the same length.
#include "BenchLattice.h"

#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/mesh/PbRegularCartesianGrid3D.h>
#include <Gridlux/representations/PoStreamLine.h>

#include <Inventor/actions/SoSearchAction.h>
#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoLineSet.h>
#include <Inventor/nodes/SoSeparator.h>

#ifdef GRIDLUX_BENCH_WITH_VTK
#include <vtkCellArray.h>
#include <vtkStreamTracer.h>
#endif

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

const int GRID = 128;
const int SEEDS = 100;
const float STEP_FACTOR = 0.3f; // of a cell's edge

SbVec3f helix(const SbVec3f& p)
{
  return SbVec3f(-p[1], p[0], 0.2f);
}

SbVec3f seed(int i)
{
  return SbVec3f(0.1f + 0.8f * float(i) / float(SEEDS - 1), 0, 0);
}

struct PathSize {
  double points = 0, length = 0;
};

void reportPaths(benchmark::State& state, const PathSize& size)
{
  state.counters["points"] = size.points;
  state.counters["length"] = size.length;
  state.counters["ns/point"] =
    benchmark::Counter(size.points * 1e-9, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_StreamLinesGrid(benchmark::State& state)
{
  PoGridlux::init();
  std::unique_ptr<PbRegularCartesianGrid3D> grid(new PbRegularCartesianGrid3D(GRID, GRID, GRID, -1, -1, -1, 1, 1, 1));
  std::vector<SbVec3f> v(size_t(GRID) * GRID * GRID);
  for (int p = 0; p < int(v.size()); ++p)
    v[p] = helix(grid->getNodeCoord(p));
  grid->addVecsSet(0, v.data());
  SoSeparator* root = new SoSeparator;
  root->ref();
  PoStreamLine* lines[2];
  for (int d = 0; d < 2; ++d) {
    lines[d] = new PoStreamLine;
    lines[d]->setMesh(grid.get());
    lines[d]->vecsIndex = 0;
    lines[d]->integrationStepLengthFactor = STEP_FACTOR;
    lines[d]->integrationDirection = d ? PoBaseStreamLine::BACKWARD : PoBaseStreamLine::FORWARD;
    for (int i = 0; i < SEEDS; ++i)
      lines[d]->startPoints.set1Value(i, seed(i));
    root->addChild(lines[d]);
  }
  SoSearchAction pass;
  pass.setName(SbName("no such node"));
  pass.apply(root);
  for (auto _ : state) {
    lines[0]->touchKit();
    lines[1]->touchKit();
    pass.apply(root);
  }
  PathSize size;
  for (PoStreamLine* node : lines) {
    SoGroup* group = static_cast<SoGroup*>(node->getPart("groupStreamLine", FALSE));
    for (int c = 0; group && c < group->getNumChildren(); ++c)
      if (group->getChild(c)->isOfType(SoCoordinate3::getClassTypeId())) {
        const SoMFVec3f& p = static_cast<SoCoordinate3*>(group->getChild(c))->point;
        const SoLineSet* set = static_cast<SoLineSet*>(group->getChild(c + 1));
        int first = 0;
        for (int l = 0; l < set->numVertices.getNum(); ++l) {
          const int n = set->numVertices[l];
          for (int k = first + 1; k < first + n; ++k)
            size.length += (p[k] - p[k - 1]).length();
          first += n;
        }
        size.points += p.getNum();
      }
  }
  reportPaths(state, size);
  root->unref();
}
BENCHMARK(BM_StreamLinesGrid)->Unit(benchmark::kMillisecond);

#ifdef GRIDLUX_BENCH_WITH_VTK

void BM_VtkStreamTracerRK4(benchmark::State& state)
{
  useOneThread();
  vtkSmartPointer<vtkImageData> image = vtkSmartPointer<vtkImageData>::New();
  image->SetDimensions(GRID, GRID, GRID);
  image->SetOrigin(-1, -1, -1);
  const double h = 2.0 / (GRID - 1);
  image->SetSpacing(h, h, h);
  vtkNew<vtkFloatArray> vectors;
  vectors->SetName("v");
  vectors->SetNumberOfComponents(3);
  vectors->SetNumberOfTuples(vtkIdType(GRID) * GRID * GRID);
  for (vtkIdType p = 0; p < vectors->GetNumberOfTuples(); ++p) {
    double x[3];
    image->GetPoint(p, x);
    const SbVec3f w = helix(SbVec3f(float(x[0]), float(x[1]), float(x[2])));
    vectors->SetTuple3(p, w[0], w[1], w[2]);
  }
  image->GetPointData()->SetVectors(vectors);
  vtkNew<vtkPoints> seedPoints;
  for (int i = 0; i < SEEDS; ++i) {
    const SbVec3f s = seed(i);
    seedPoints->InsertNextPoint(s[0], s[1], s[2]);
  }
  vtkNew<vtkPolyData> seeds;
  seeds->SetPoints(seedPoints);
  vtkNew<vtkStreamTracer> tracer;
  tracer->SetInputData(image);
  tracer->SetSourceData(seeds);
  tracer->SetIntegratorTypeToRungeKutta4();
  tracer->SetIntegrationDirectionToBoth();
  // Its cell length is the cell's diagonal: the same step as ours is 0.3 / sqrt(3) of it.
  tracer->SetIntegrationStepUnit(vtkStreamTracer::CELL_LENGTH_UNIT);
  tracer->SetInitialIntegrationStep(STEP_FACTOR / std::sqrt(3.0));
  tracer->SetMaximumPropagation(1e6);
  tracer->SetMaximumNumberOfSteps(1000000);
  tracer->SetTerminalSpeed(1e-12);
  tracer->SetComputeVorticity(false);
  tracer->Update();
  for (auto _ : state) {
    tracer->Modified();
    tracer->Update();
  }
  PathSize size;
  vtkPolyData* out = tracer->GetOutput();
  vtkCellArray* lines = out->GetLines();
  vtkIdType num;
  const vtkIdType* ids;
  double a[3], b[3];
  for (lines->InitTraversal(); lines->GetNextCell(num, ids);)
    for (vtkIdType k = 1; k < num; ++k) {
      out->GetPoint(ids[k - 1], a);
      out->GetPoint(ids[k], b);
      size.length += std::sqrt((a[0] - b[0]) * (a[0] - b[0]) + (a[1] - b[1]) * (a[1] - b[1]) + (a[2] - b[2]) * (a[2] - b[2]));
    }
  size.points = double(out->GetNumberOfPoints());
  reportPaths(state, size);
}
BENCHMARK(BM_VtkStreamTracerRK4)->Unit(benchmark::kMillisecond);

#endif

} // namespace
