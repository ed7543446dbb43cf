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

float coordOf(int i, int n)
{
  return -1.0f + 2.0f * float(i) / float(n - 1);
}

// Node values numbered (i n + j) n + k, i along x, k along z (fastest), as the library's grids.
std::vector<float> sphereValues(int n)
{
  std::vector<float> values(size_t(n) * n * n);
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j)
      for (int k = 0; k < n; ++k) {
        const float x = coordOf(i, n), y = coordOf(j, n), z = coordOf(k, n);
        values[(size_t(i) * n + j) * n + k] = x * x + y * y + z * z;
      }
  return values;
}

// The nodes of the same lattice, for the unstructured meshes.
struct Lattice {
  int n;
  std::vector<float> x, y, z, values;
  explicit Lattice(int num) : n(num), values(sphereValues(num))
  {
    for (int i = 0; i < n; ++i)
      for (int j = 0; j < n; ++j)
        for (int k = 0; k < n; ++k) {
          x.push_back(coordOf(i, n));
          y.push_back(coordOf(j, n));
          z.push_back(coordOf(k, n));
        }
  }
  int node(int i, int j, int k) const { return (i * n + j) * n + k; }
  // Corner q of cube (i, j, k): bit 0 steps x, bit 1 y, bit 2 z.
  int corner(int i, int j, int k, int q) const { return node(i + (q & 1), j + (q >> 1 & 1), k + (q >> 2 & 1)); }

  // Hexahedra in the local order of the hexahedron cell (bottom ring counter-clockwise, then top).
  std::vector<int> hexahedra() const
  {
    std::vector<int> cells;
    for (int i = 0; i + 1 < n; ++i)
      for (int j = 0; j + 1 < n; ++j)
        for (int k = 0; k + 1 < n; ++k)
          for (int q : {0, 1, 3, 2, 4, 5, 7, 6})
            cells.push_back(corner(i, j, k, q));
    return cells;
  }
  // Six tetrahedra per cube around its main diagonal, as mesh generators split a cube: half of
  // them list their nodes in the mirrored order.
  std::vector<int> tetrahedra() const
  {
    const int paths[6][2] = {{1, 2}, {2, 1}, {1, 4}, {4, 1}, {2, 4}, {4, 2}};
    std::vector<int> cells;
    for (int i = 0; i + 1 < n; ++i)
      for (int j = 0; j + 1 < n; ++j)
        for (int k = 0; k + 1 < n; ++k)
          for (const auto& path : paths)
            for (int q : {0, path[0], path[0] + path[1], 7})
              cells.push_back(corner(i, j, k, q));
    return cells;
  }
};

// Triangles and area of a built level surface, read from its strips: the size of the output,
// to be set beside the peer's.
struct SurfaceSize {
  int64_t triangles = 0;
  double area = 0;
};

void addTriangle(SurfaceSize& size, const SbVec3f& a, const SbVec3f& b, const SbVec3f& c)
{
  ++size.triangles;
  size.area += 0.5 * double((b - a).cross(c - a).length());
}

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

void report(benchmark::State& state, const SurfaceSize& size, int64_t nodes)
{
  state.SetItemsProcessed(state.iterations() * nodes);
  state.counters["triangles"] = double(size.triangles);
  state.counters["area"] = size.area;
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

// Our rebuild runs on one thread, so the peer gets one too.
void useOneThread()
{
  vtkSMPTools::Initialize(1);
}

SurfaceSize measure(vtkDataObject* output)
{
  SurfaceSize size;
  vtkPolyData* surface = vtkPolyData::SafeDownCast(output);
  if (!surface)
    return size;
  vtkPoints* points = surface->GetPoints();
  vtkCellArray* polys = surface->GetPolys();
  if (!points || !polys)
    return size;
  vtkIdType num;
  const vtkIdType* ids;
  double p[3][3];
  for (polys->InitTraversal(); polys->GetNextCell(num, ids);) {
    for (vtkIdType k = 2; k < num; ++k) {
      points->GetPoint(ids[0], p[0]);
      points->GetPoint(ids[k - 1], p[1]);
      points->GetPoint(ids[k], p[2]);
      addTriangle(size, SbVec3f(float(p[0][0]), float(p[0][1]), float(p[0][2])),
                  SbVec3f(float(p[1][0]), float(p[1][1]), float(p[1][2])),
                  SbVec3f(float(p[2][0]), float(p[2][1]), float(p[2][2])));
    }
  }
  return size;
}

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

// The same field as image data, whose points run x fastest: the value of grid node (i, j, k)
// goes to point i + n (j + n k) at the same position.
vtkSmartPointer<vtkImageData> vtkSphereImage(int n)
{
  const std::vector<float> ours = sphereValues(n);
  vtkNew<vtkFloatArray> values;
  values->SetName("f");
  values->SetNumberOfTuples(vtkIdType(n) * n * n);
  float* out = values->GetPointer(0);
  for (int k = 0; k < n; ++k)
    for (int j = 0; j < n; ++j)
      for (int i = 0; i < n; ++i)
        out[(size_t(k) * n + j) * n + i] = ours[(size_t(i) * n + j) * n + k];
  vtkSmartPointer<vtkImageData> image = vtkSmartPointer<vtkImageData>::New();
  image->SetDimensions(n, n, n);
  image->SetOrigin(-1, -1, -1);
  const double h = 2.0 / (n - 1);
  image->SetSpacing(h, h, h);
  image->GetPointData()->SetScalars(values);
  return image;
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

vtkSmartPointer<vtkUnstructuredGrid> vtkLatticeMesh(const Lattice& lattice, const std::vector<int>& cells,
                                                    int cellType, int nodesPerCell)
{
  vtkNew<vtkPoints> points;
  points->SetDataTypeToFloat();
  points->SetNumberOfPoints(vtkIdType(lattice.x.size()));
  for (size_t p = 0; p < lattice.x.size(); ++p)
    points->SetPoint(vtkIdType(p), lattice.x[p], lattice.y[p], lattice.z[p]);
  vtkSmartPointer<vtkUnstructuredGrid> mesh = vtkSmartPointer<vtkUnstructuredGrid>::New();
  mesh->SetPoints(points);
  mesh->Allocate(vtkIdType(cells.size() / nodesPerCell));
  std::vector<vtkIdType> ids(nodesPerCell);
  for (size_t c = 0; c < cells.size(); c += nodesPerCell) {
    for (int k = 0; k < nodesPerCell; ++k)
      ids[k] = cells[c + k];
    mesh->InsertNextCell(cellType, nodesPerCell, ids.data());
  }
  vtkNew<vtkFloatArray> values;
  values->SetName("f");
  values->SetNumberOfTuples(vtkIdType(lattice.values.size()));
  std::copy(lattice.values.begin(), lattice.values.end(), values->GetPointer(0));
  mesh->GetPointData()->SetScalars(values);
  return mesh;
}

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
