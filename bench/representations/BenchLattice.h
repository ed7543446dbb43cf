// Shared data of the representation benchmarks: the sphere field over a lattice of [-1, 1]^3,
// the lattice's cubes as hexahedra or tetrahedra, output sizes, and the same data for VTK.
#ifndef GRIDLUX_BENCH_BENCHLATTICE_H
#define GRIDLUX_BENCH_BENCHLATTICE_H

#include <Inventor/SbVec3f.h>

#include <benchmark/benchmark.h>

#ifdef GRIDLUX_BENCH_WITH_VTK
#include <vtkCellArray.h>
#include <vtkFloatArray.h>
#include <vtkImageData.h>
#include <vtkNew.h>
#include <vtkPointData.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkSMPTools.h>
#include <vtkSmartPointer.h>
#include <vtkUnstructuredGrid.h>
#endif

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

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

// Triangles and area of a built surface: the size of the output, to be set beside the peer's.
struct SurfaceSize {
  int64_t triangles = 0;
  double area = 0;
};

void addTriangle(SurfaceSize& size, const SbVec3f& a, const SbVec3f& b, const SbVec3f& c)
{
  ++size.triangles;
  size.area += 0.5 * double((b - a).cross(c - a).length());
}

void report(benchmark::State& state, const SurfaceSize& size, int64_t nodes)
{
  state.SetItemsProcessed(state.iterations() * nodes);
  state.counters["triangles"] = double(size.triangles);
  state.counters["area"] = size.area;
}

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

#endif

} // namespace

#endif
