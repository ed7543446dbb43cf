// Rebuild time of vector fields: one arrow per node of a large regular grid on the quick path
// (one line set over one coordinate node), and solid arrows on a coarse grid.
#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/mesh/PbRegularCartesianGrid3D.h>
#include <Gridlux/representations/PoMesh3DVec.h>

#include <Inventor/actions/SoSearchAction.h>
#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoLineSet.h>
#include <Inventor/nodes/SoSeparator.h>

#include <benchmark/benchmark.h>

#include <memory>
#include <set>
#include <vector>

namespace {

// A swirl about z rising with z over [-1, 1]^3, with its grid.
std::unique_ptr<PbRegularCartesianGrid3D> swirlGrid(int n)
{
  std::unique_ptr<PbRegularCartesianGrid3D> grid(new PbRegularCartesianGrid3D(n, n, n, -1, -1, -1, 1, 1, 1));
  std::vector<SbVec3f> v(size_t(n) * n * n);
  for (int p = 0; p < int(v.size()); ++p) {
    const SbVec3f c = grid->getNodeCoord(p);
    v[p].setValue(-c[1], c[0], 0.3f * c[2]);
  }
  grid->addVecsSet(0, v.data());
  return grid;
}

// A vector representation of set 0 of @p grid, arrows 1/n of the vectors long.
PoMesh3DVec* fieldOf(PbRegularCartesianGrid3D* grid, int n)
{
  PoMesh3DVec* node = new PoMesh3DVec;
  node->setMesh(grid);
  node->vecsIndex = 0;
  node->bodyLengthFactor = 1.0f / n;
  return node;
}

// Times the rebuilds that the next traversal after an edit runs, and counts what they built.
void timeRebuilds(benchmark::State& state, PoMesh3DVec* node, int64_t nodes)
{
  SoSeparator* root = new SoSeparator;
  root->ref();
  root->addChild(node);
  SoSearchAction pass;
  pass.setName(SbName("no such node"));
  // The first build sizes the field's lists; the timed ones are the rebuilds after an edit.
  pass.apply(root);
  for (auto _ : state) {
    node->touchKit();
    pass.apply(root);
  }
  int lineSets = 0, coordinates = 0;
  std::set<SoNode*> solids;
  for (const char* name : {"bodyGroup", "startArrowGroup", "endArrowGroup"}) {
    SoGroup* group = static_cast<SoGroup*>(node->getPart(name, FALSE));
    for (int i = 0; group && i < group->getNumChildren(); ++i) {
      SoNode* child = group->getChild(i);
      lineSets += child->isOfType(SoLineSet::getClassTypeId());
      coordinates += child->isOfType(SoCoordinate3::getClassTypeId());
      if (child->isOfType(SoSeparator::getClassTypeId())) {
        SoSeparator* arrow = static_cast<SoSeparator*>(child);
        solids.insert(arrow->getChild(arrow->getNumChildren() - 1));
      }
    }
  }
  state.counters["arrows"] = node->getVectorField().getNumDrawn();
  state.counters["lineSets"] = lineSets;
  state.counters["coordinates"] = coordinates;
  state.counters["sharedSolids"] = double(solids.size());
  state.counters["nodes/s"] = benchmark::Counter(double(nodes), benchmark::Counter::kIsIterationInvariantRate);
  root->unref();
}

void BM_VecQuickLines(benchmark::State& state)
{
  PoGridlux::init();
  const int n = int(state.range(0));
  auto grid = swirlGrid(n);
  PoMesh3DVec* node = fieldOf(grid.get(), n);
  node->endArrowShape = PoMesh3DVec::NO_SHAPE;
  timeRebuilds(state, node, int64_t(n) * n * n);
}
BENCHMARK(BM_VecQuickLines)->Arg(64)->Arg(256)->Unit(benchmark::kMillisecond);

void BM_VecQuickChevrons(benchmark::State& state)
{
  PoGridlux::init();
  const int n = int(state.range(0));
  auto grid = swirlGrid(n);
  PoMesh3DVec* node = fieldOf(grid.get(), n);
  timeRebuilds(state, node, int64_t(n) * n * n);
}
BENCHMARK(BM_VecQuickChevrons)->Arg(128)->Unit(benchmark::kMillisecond);

void BM_VecSolids(benchmark::State& state)
{
  PoGridlux::init();
  const int n = int(state.range(0));
  auto grid = swirlGrid(n);
  PoMesh3DVec* node = fieldOf(grid.get(), n);
  node->bodyShape = PoMesh3DVec::CYLINDER;
  node->endArrowShape = PoMesh3DVec::CONE;
  timeRebuilds(state, node, int64_t(n) * n * n);
}
BENCHMARK(BM_VecSolids)->Arg(16)->Unit(benchmark::kMillisecond);

} // namespace
