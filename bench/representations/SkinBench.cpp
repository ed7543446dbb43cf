// Skin of a 100^3-cell hexahedron mesh: the library's skin node beside VTK's two surface filters
// on the same cells, one thread each.
#include "BenchLattice.h"

#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/mesh/PbHexahedronMesh3D.h>
#include <Gridlux/representations/PoMeshSkin.h>

#include <Inventor/actions/SoSearchAction.h>
#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoIndexedFaceSet.h>
#include <Inventor/nodes/SoSeparator.h>

#ifdef GRIDLUX_BENCH_WITH_VTK
#include <vtkCellType.h>
#include <vtkDataSetSurfaceFilter.h>
#include <vtkGeometryFilter.h>
#endif

namespace {

// Triangles (quadrangles count two) and area of the skin drawn.
SurfaceSize measureSkin(PoMeshSkin* node)
{
  SurfaceSize size;
  const SoGroup* group = static_cast<const SoGroup*>(node->getPart("groupSkin", FALSE));
  const SoCoordinate3* coords = nullptr;
  for (int c = 0; group && c < group->getNumChildren(); ++c) {
    const SoNode* child = group->getChild(c);
    if (child->isOfType(SoCoordinate3::getClassTypeId()))
      coords = static_cast<const SoCoordinate3*>(child);
    if (!coords || !child->isOfType(SoIndexedFaceSet::getClassTypeId()))
      continue;
    const SoMFInt32& index = static_cast<const SoIndexedFaceSet*>(child)->coordIndex;
    const SbVec3f* p = coords->point.getValues(0);
    int start = 0;
    for (int k = 0; k < index.getNum(); ++k) {
      if (index[k] >= 0)
        continue;
      for (int t = start + 2; t < k; ++t)
        addTriangle(size, p[index[start]], p[index[t - 1]], p[index[t]]);
      start = k + 1;
    }
  }
  return size;
}

const int kNodes = 101;

// Each iteration gives the mesh its geometry again (the caller's arrays, not copied), so that the
// face tables are built afresh as after an edit, then rebuilds the node.
void BM_SkinHexahedra(benchmark::State& state)
{
  PoGridlux::init();
  const Lattice lattice(kNodes);
  const std::vector<int> cells = lattice.hexahedra();
  const int numNodes = int(lattice.x.size()), numCells = int(cells.size() / 8);
  PbHexahedronMesh3D mesh(numNodes, lattice.x.data(), lattice.y.data(), lattice.z.data(), numCells, cells.data(), 0);
  SoSeparator* root = new SoSeparator;
  root->ref();
  PoMeshSkin* skin = new PoMeshSkin;
  skin->setMesh(&mesh);
  root->addChild(skin);
  SoSearchAction search;
  search.setName(SbName("no such node"));
  for (auto _ : state) {
    mesh.setGeometry(numNodes, lattice.x.data(), lattice.y.data(), lattice.z.data(), numCells, cells.data());
    skin->touchKit();
    search.apply(root);
  }
  report(state, measureSkin(skin), numCells);
  root->unref();
}
BENCHMARK(BM_SkinHexahedra)->Unit(benchmark::kMillisecond);

#ifdef GRIDLUX_BENCH_WITH_VTK

template <class Filter>
void timeVtkSurface(benchmark::State& state)
{
  useOneThread();
  const Lattice lattice(kNodes);
  const std::vector<int> cells = lattice.hexahedra();
  vtkSmartPointer<vtkUnstructuredGrid> mesh = vtkLatticeMesh(lattice, cells, VTK_HEXAHEDRON, 8);
  vtkNew<Filter> filter;
  filter->SetInputData(mesh);
  for (auto _ : state) {
    filter->Modified();
    filter->Update();
  }
  report(state, measure(filter->GetOutput()), int64_t(cells.size() / 8));
}

void BM_VtkGeometryFilterHexahedra(benchmark::State& state)
{
  timeVtkSurface<vtkGeometryFilter>(state);
}
BENCHMARK(BM_VtkGeometryFilterHexahedra)->Unit(benchmark::kMillisecond);

void BM_VtkDataSetSurfaceFilterHexahedra(benchmark::State& state)
{
  timeVtkSurface<vtkDataSetSurfaceFilter>(state);
}
BENCHMARK(BM_VtkDataSetSurfaceFilterHexahedra)->Unit(benchmark::kMillisecond);

#endif

} // namespace
