// Rebuild time of plane sections of a large regular grid and of a hexahedron mesh, with VTK's
// plane cutters timed on the same data and planes in the same run.
#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/mesh/PbHexahedronMesh3D.h>
#include <Gridlux/mesh/PbRegularCartesianGrid3D.h>
#include <Gridlux/representations/PoMeshCrossSection.h>

#include <Inventor/actions/SoSearchAction.h>
#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoIndexedFaceSet.h>
#include <Inventor/nodes/SoIndexedTriangleStripSet.h>
#include <Inventor/nodes/SoSeparator.h>

#include <benchmark/benchmark.h>

#include "BenchLattice.h"

#ifdef GRIDLUX_BENCH_WITH_VTK
#include <vtk3DLinearGridPlaneCutter.h>
#include <vtkCellType.h>
#include <vtkFlyingEdgesPlaneCutter.h>
#include <vtkPlane.h>
#endif

#include <cstdlib>
#include <memory>
#include <vector>

namespace {

// Two planes through the centre, about 3 degrees apart, taken in turn: each rebuild then
// measures the nodes' distances again, as a peer does at every update.
SbVec3f planeNormal(int64_t iteration)
{
  SbVec3f n = iteration % 2 ? SbVec3f(1, 1, 1.1f) : SbVec3f(1, 1, 1);
  n.normalize();
  return n;
}

// Triangles (polygons fanned) and area of a built section.
SurfaceSize measure(PoMeshCrossSection* node)
{
  SurfaceSize size;
  const SoGroup* group = static_cast<const SoGroup*>(node->getPart("groupCrossSection", FALSE));
  const SoCoordinate3* coords = nullptr;
  for (int c = 0; group && c < group->getNumChildren(); ++c) {
    const SoNode* child = group->getChild(c);
    if (child->isOfType(SoCoordinate3::getClassTypeId()))
      coords = static_cast<const SoCoordinate3*>(child);
    const bool faces = child->isOfType(SoIndexedFaceSet::getClassTypeId());
    const bool strips = child->isOfType(SoIndexedTriangleStripSet::getClassTypeId());
    if (!coords || !(faces || strips))
      continue;
    const SoMFInt32& index = faces ? static_cast<const SoIndexedFaceSet*>(child)->coordIndex
                                   : static_cast<const SoIndexedTriangleStripSet*>(child)->coordIndex;
    const SbVec3f* p = coords->point.getValues(0);
    int run = 0, first = 0;
    for (int k = 0; k < index.getNum(); ++k) {
      if (index[k] < 0) {
        run = 0;
        continue;
      }
      if (run++ == 0)
        first = index[k];
      if (run >= 3)
        addTriangle(size, p[faces ? first : index[k - 2]], p[index[k - 1]], p[index[k]]);
    }
  }
  return size;
}

// Sections of @p mesh by the two planes in turn, by the method named (or the mesh's own).
void timeSection(benchmark::State& state, PbMesh3D* mesh, const char* method, int64_t items)
{
  PoGridlux::init();
  if (method)
    setenv("OIV_FIELDWORK_CROSS_SECTION_METHOD", method, 1);
  SoSeparator* root = new SoSeparator;
  root->ref();
  PoMeshCrossSection* section = new PoMeshCrossSection;
  section->setMesh(mesh);
  root->addChild(section);
  SoSearchAction search;
  search.setName(SbName("no such node"));
  // A first rebuild sizes the buffers a long-lived node keeps; the peer is updated once too.
  section->plane = SbPlane(planeNormal(1), 0.0f);
  search.apply(root);
  int64_t iteration = 0;
  for (auto _ : state) {
    section->plane = SbPlane(planeNormal(iteration++), 0.0f);
    search.apply(root);
  }
  // The counters are read on the first plane, whichever came last.
  section->plane = SbPlane(planeNormal(0), 0.0f);
  search.apply(root);
  report(state, measure(section), items);
  root->unref();
  unsetenv("OIV_FIELDWORK_CROSS_SECTION_METHOD");
}

void BM_CrossSectionGrid(benchmark::State& state)
{
  const int n = int(state.range(0));
  PbRegularCartesianGrid3D grid(n, n, n, -1, -1, -1, 1, 1, 1);
  timeSection(state, &grid, nullptr, int64_t(n) * n * n);
}
BENCHMARK(BM_CrossSectionGrid)->Arg(256)->Unit(benchmark::kMillisecond);

void timeHexahedra(benchmark::State& state, const char* method)
{
  const Lattice lattice(int(state.range(0)));
  const std::vector<int> cells = lattice.hexahedra();
  PbHexahedronMesh3D mesh(int(lattice.x.size()), lattice.x.data(), lattice.y.data(), lattice.z.data(),
                          int(cells.size() / 8), cells.data());
  timeSection(state, &mesh, method, int64_t(cells.size() / 8));
}

void BM_CrossSectionHexahedraIntersection(benchmark::State& state)
{
  timeHexahedra(state, "INTERSECTION");
}
BENCHMARK(BM_CrossSectionHexahedraIntersection)->Arg(64)->Unit(benchmark::kMillisecond);

void BM_CrossSectionHexahedraIsosurface(benchmark::State& state)
{
  timeHexahedra(state, "ISOSURFACE");
}
BENCHMARK(BM_CrossSectionHexahedraIsosurface)->Arg(64)->Unit(benchmark::kMillisecond);

#ifdef GRIDLUX_BENCH_WITH_VTK

template <class Cutter> void timeVtkCutter(benchmark::State& state, Cutter* cutter, int64_t items)
{
  useOneThread();
  vtkNew<vtkPlane> plane;
  plane->SetOrigin(0, 0, 0);
  cutter->SetPlane(plane);
  const SbVec3f first = planeNormal(1);
  plane->SetNormal(first[0], first[1], first[2]);
  cutter->Update();
  int64_t iteration = 0;
  for (auto _ : state) {
    const SbVec3f n = planeNormal(iteration++);
    plane->SetNormal(n[0], n[1], n[2]);
    cutter->Modified();
    cutter->Update();
  }
  const SbVec3f n = planeNormal(0);
  plane->SetNormal(n[0], n[1], n[2]);
  cutter->Update();
  report(state, measure(cutter->GetOutputDataObject(0)), items);
}

void BM_VtkFlyingEdgesPlaneCutter(benchmark::State& state)
{
  const int n = int(state.range(0));
  vtkSmartPointer<vtkImageData> image = vtkSphereImage(n);
  vtkNew<vtkFlyingEdgesPlaneCutter> cutter;
  cutter->SetInputData(image);
  cutter->ComputeNormalsOff();
  cutter->InterpolateAttributesOff();
  timeVtkCutter(state, cutter.Get(), int64_t(n) * n * n);
}
BENCHMARK(BM_VtkFlyingEdgesPlaneCutter)->Arg(256)->Unit(benchmark::kMillisecond);

void BM_Vtk3DLinearGridPlaneCutter(benchmark::State& state)
{
  const Lattice lattice(int(state.range(0)));
  const std::vector<int> cells = lattice.hexahedra();
  vtkSmartPointer<vtkUnstructuredGrid> mesh = vtkLatticeMesh(lattice, cells, VTK_HEXAHEDRON, 8);
  vtkNew<vtk3DLinearGridPlaneCutter> cutter;
  cutter->SetInputData(mesh);
  cutter->MergePointsOn();
  cutter->ComputeNormalsOff();
  cutter->InterpolateAttributesOff();
  timeVtkCutter(state, cutter.Get(), int64_t(cells.size() / 8));
}
BENCHMARK(BM_Vtk3DLinearGridPlaneCutter)->Arg(64)->Unit(benchmark::kMillisecond);

#endif

} // namespace
