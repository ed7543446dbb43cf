// Rebuild time of level surfaces on a large regular grid and on hexahedron and tetrahedron meshes,
// with VTK's flying-edges and linear-grid contour filters timed on the same data in the same run.
#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/mesh/PbHexahedronMesh3D.h>
#include <Gridlux/mesh/PbRegularCartesianGrid3D.h>
#include <Gridlux/mesh/PbTetrahedronMesh3D.h>
#include <Gridlux/representations/PoMeshLevelSurf.h>

#include <Inventor/actions/SoSearchAction.h>
#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoIndexedTriangleStripSet.h>
#include <Inventor/nodes/SoSeparator.h>

#include <benchmark/benchmark.h>

#include "BenchLattice.h"

#ifdef GRIDLUX_BENCH_WITH_VTK
#include <vtkCellArray.h>
#include <vtkCellType.h>
#include <vtkContour3DLinearGrid.h>
#include <vtkFlyingEdges3D.h>
#include <vtkFloatArray.h>
#include <vtkImageData.h>
#include <vtkNew.h>
#include <vtkPointData.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkSMPTools.h>
#include <vtkUnstructuredGrid.h>
#endif

#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

namespace {

// f = x^2 + y^2 + z^2 over [-1, 1]^3, cut at 0.25: a sphere of radius 0.5 inside the box.
const float kLevel = 0.25f;
// Ten spheres from radius 0.3 to 0.95, none touching the box.
const int kNumLevels = 10;
float levelOf(int k)
{
  const float r = 0.3f + 0.65f * k / (kNumLevels - 1);
  return r * r;
}

// Triangles and area of a built level surface, read from its strips.
SurfaceSize measure(PoMeshLevelSurf* node)
{
  SurfaceSize size;
  const SoGroup* group = static_cast<const SoGroup*>(node->getPart("groupLevelSurf", FALSE));
  const SoCoordinate3* coords = nullptr;
  for (int c = 0; group && c < group->getNumChildren(); ++c) {
    const SoNode* child = group->getChild(c);
    if (child->isOfType(SoCoordinate3::getClassTypeId()))
      coords = static_cast<const SoCoordinate3*>(child);
    if (!coords || !child->isOfType(SoIndexedTriangleStripSet::getClassTypeId()))
      continue;
    const SoMFInt32& index = static_cast<const SoIndexedTriangleStripSet*>(child)->coordIndex;
    const SbVec3f* p = coords->point.getValues(0);
    int run = 0;
    for (int k = 0; k < index.getNum(); ++k) {
      if (index[k] < 0) {
        run = 0;
        continue;
      }
      if (++run >= 3)
        addTriangle(size, p[index[k - 2]], p[index[k - 1]], p[index[k]]);
    }
  }
  return size;
}

// Marks every node out of date and runs the pending rebuilds, as an edit of their inputs
// followed by the next redraw would.
void rebuildEachIteration(benchmark::State& state, SoSeparator* root, const std::vector<PoMeshLevelSurf*>& nodes)
{
  SoSearchAction search;
  search.setName(SbName("no such node"));
  for (auto _ : state) {
    for (PoMeshLevelSurf* node : nodes)
      node->touchKit();
    search.apply(root);
  }
}

// Level surfaces of @p mesh at @p levels, one node per level, as an application draws nested
// surfaces.
void timeLevelSurfaces(benchmark::State& state, PbMesh3D* mesh, const std::vector<float>& levels, int64_t nodes)
{
  PoGridlux::init();
  SoSeparator* root = new SoSeparator;
  root->ref();
  std::vector<PoMeshLevelSurf*> surfaces;
  for (float level : levels) {
    PoMeshLevelSurf* surface = new PoMeshLevelSurf;
    surface->setMesh(mesh);
    surface->valuesIndex = 0;
    surface->levelValue = level;
    root->addChild(surface);
    surfaces.push_back(surface);
  }
  rebuildEachIteration(state, root, surfaces);
  SurfaceSize total;
  for (PoMeshLevelSurf* surface : surfaces) {
    const SurfaceSize size = measure(surface);
    total.triangles += size.triangles;
    total.area += size.area;
  }
  report(state, total, nodes);
  root->unref();
}

std::vector<float> allLevels()
{
  std::vector<float> levels;
  for (int k = 0; k < kNumLevels; ++k)
    levels.push_back(levelOf(k));
  return levels;
}

std::unique_ptr<PbRegularCartesianGrid3D> sphereGrid(int n)
{
  std::unique_ptr<PbRegularCartesianGrid3D> grid(new PbRegularCartesianGrid3D(n, n, n, -1, -1, -1, 1, 1, 1));
  grid->addValuesSet(0, sphereValues(n).data());
  return grid;
}

void BM_LevelSurfGrid(benchmark::State& state)
{
  const int n = int(state.range(0));
  std::unique_ptr<PbRegularCartesianGrid3D> grid = sphereGrid(n);
  timeLevelSurfaces(state, grid.get(), {kLevel}, int64_t(n) * n * n);
}
BENCHMARK(BM_LevelSurfGrid)->Arg(64)->Arg(256)->Unit(benchmark::kMillisecond);

void BM_LevelSurfGridTenLevels(benchmark::State& state)
{
  const int n = int(state.range(0));
  std::unique_ptr<PbRegularCartesianGrid3D> grid = sphereGrid(n);
  timeLevelSurfaces(state, grid.get(), allLevels(), int64_t(n) * n * n);
}
BENCHMARK(BM_LevelSurfGridTenLevels)->Arg(256)->Unit(benchmark::kMillisecond);

void BM_LevelSurfHexahedra(benchmark::State& state)
{
  const Lattice lattice(int(state.range(0)));
  const std::vector<int> cells = lattice.hexahedra();
  PbHexahedronMesh3D mesh(int(lattice.x.size()), lattice.x.data(), lattice.y.data(), lattice.z.data(),
                          int(cells.size() / 8), cells.data());
  mesh.addValuesSet(0, lattice.values.data());
  timeLevelSurfaces(state, &mesh, {kLevel}, int64_t(cells.size() / 8));
}
BENCHMARK(BM_LevelSurfHexahedra)->Arg(64)->Unit(benchmark::kMillisecond);

void BM_LevelSurfTetrahedra(benchmark::State& state)
{
  const Lattice lattice(int(state.range(0)));
  const std::vector<int> cells = lattice.tetrahedra();
  PbTetrahedronMesh3D mesh(int(lattice.x.size()), lattice.x.data(), lattice.y.data(), lattice.z.data(),
                           int(cells.size() / 4), cells.data());
  mesh.addValuesSet(0, lattice.values.data());
  timeLevelSurfaces(state, &mesh, {kLevel}, int64_t(cells.size() / 4));
}
BENCHMARK(BM_LevelSurfTetrahedra)->Arg(64)->Unit(benchmark::kMillisecond);

#ifdef GRIDLUX_BENCH_WITH_VTK

template <class Filter> void timeVtkFilter(benchmark::State& state, Filter* filter, const std::vector<float>& levels,
                                           int64_t nodes)
{
  useOneThread();
  filter->SetNumberOfContours(int(levels.size()));
  for (size_t k = 0; k < levels.size(); ++k)
    filter->SetValue(int(k), levels[k]);
  for (auto _ : state) {
    filter->Modified();
    filter->Update();
  }
  report(state, measure(filter->GetOutputDataObject(0)), nodes);
}

void timeFlyingEdges(benchmark::State& state, const std::vector<float>& levels)
{
  const int n = int(state.range(0));
  vtkSmartPointer<vtkImageData> image = vtkSphereImage(n);
  vtkNew<vtkFlyingEdges3D> filter;
  filter->SetInputData(image);
  filter->ComputeNormalsOff();
  filter->ComputeGradientsOff();
  filter->ComputeScalarsOff();
  timeVtkFilter(state, filter.Get(), levels, int64_t(n) * n * n);
}

void BM_VtkFlyingEdges3D(benchmark::State& state)
{
  timeFlyingEdges(state, {kLevel});
}
BENCHMARK(BM_VtkFlyingEdges3D)->Arg(64)->Arg(256)->Unit(benchmark::kMillisecond);

void BM_VtkFlyingEdges3DTenLevels(benchmark::State& state)
{
  timeFlyingEdges(state, allLevels());
}
BENCHMARK(BM_VtkFlyingEdges3DTenLevels)->Arg(256)->Unit(benchmark::kMillisecond);

void timeLinearGrid(benchmark::State& state, vtkUnstructuredGrid* mesh, int64_t cells)
{
  vtkNew<vtkContour3DLinearGrid> filter;
  filter->SetInputData(mesh);
  filter->MergePointsOn();
  filter->InterpolateAttributesOff();
  filter->ComputeNormalsOff();
  filter->SetInputArrayToProcess(0, 0, 0, vtkDataObject::FIELD_ASSOCIATION_POINTS, "f");
  timeVtkFilter(state, filter.Get(), {kLevel}, cells);
}

void BM_VtkContour3DLinearGridHexahedra(benchmark::State& state)
{
  const Lattice lattice(int(state.range(0)));
  const std::vector<int> cells = lattice.hexahedra();
  vtkSmartPointer<vtkUnstructuredGrid> mesh = vtkLatticeMesh(lattice, cells, VTK_HEXAHEDRON, 8);
  timeLinearGrid(state, mesh, int64_t(cells.size() / 8));
}
BENCHMARK(BM_VtkContour3DLinearGridHexahedra)->Arg(64)->Unit(benchmark::kMillisecond);

void BM_VtkContour3DLinearGridTetrahedra(benchmark::State& state)
{
  const Lattice lattice(int(state.range(0)));
  const std::vector<int> cells = lattice.tetrahedra();
  vtkSmartPointer<vtkUnstructuredGrid> mesh = vtkLatticeMesh(lattice, cells, VTK_TETRA, 4);
  timeLinearGrid(state, mesh, int64_t(cells.size() / 4));
}
BENCHMARK(BM_VtkContour3DLinearGridTetrahedra)->Arg(64)->Unit(benchmark::kMillisecond);

#endif

} // namespace
