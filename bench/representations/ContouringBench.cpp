// Rebuild time of contour lines and filled contour bands on a large regular grid, the library's
// hot path, with two VTK contour filters timed on the same field in the same run when VTK is found.
#include <Gridlux/attributes/PbIsovaluesList.h>
#include <Gridlux/attributes/PbLinearDataMapping.h>
#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/mesh/PbRegularCartesianGrid2D.h>
#include <Gridlux/representations/PoMesh.h>
#include <Gridlux/representations/PoMeshContouring.h>
#include <Gridlux/representations/PoMeshFilled.h>

#include <Inventor/SoFullPath.h>
#include <Inventor/actions/SoSearchAction.h>
#include <Inventor/lists/SoPathList.h>
#include <Inventor/nodekits/SoBaseKit.h>
#include <Inventor/nodes/SoIndexedFaceSet.h>
#include <Inventor/nodes/SoLineSet.h>
#include <Inventor/nodes/SoSeparator.h>

#include <benchmark/benchmark.h>

#ifdef GRIDLUX_BENCH_WITH_VTK
#include <vtkContourFilter.h>
#include <vtkFlyingEdges2D.h>
#include <vtkFloatArray.h>
#include <vtkImageData.h>
#include <vtkNew.h>
#include <vtkPointData.h>
#include <vtkPolyData.h>
#include <vtkSMPTools.h>
#endif

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

const float kFirstIsovalue = -0.95f;
const float kLastIsovalue = 0.95f;
const int kNumIsovalues = 20;

// f = sin(4x) cos(3y) over [0, pi]^2: many closed and open lines, saddles included.
double fieldValue(double x, double y)
{
  return std::sin(4 * x) * std::cos(3 * y);
}

// The grid numbers node (i, j) as i * numY + j, i along x and j along y, so j runs fastest.
struct Field {
  PbRegularCartesianGrid2D grid;
  PbIsovaluesList isovalues;

  explicit Field(int n) : grid(n, n, 0.f, 0.f, float(M_PI), float(M_PI))
  {
    std::vector<float> values(size_t(n) * n);
    const double h = M_PI / (n - 1);
    for (int i = 0; i < n; ++i)
      for (int j = 0; j < n; ++j)
        values[size_t(i) * n + j] = float(fieldValue(i * h, j * h));
    grid.addValuesSet(0, values.data());
    isovalues.setRegularIsoList(kFirstIsovalue, kLastIsovalue, kNumIsovalues);
  }
};

void setNodesProcessed(benchmark::State& state)
{
  state.SetItemsProcessed(state.iterations() * int64_t(state.range(0)) * state.range(0));
}

// Every node of the type below root, inside node kits too.
std::vector<const SoNode*> nodesOfType(SoNode* root, SoType type)
{
  // Node kits hide their parts from a search unless told otherwise.
  const SbBool searchedKits = SoBaseKit::isSearchingChildren();
  SoBaseKit::setSearchingChildren(TRUE);
  SoSearchAction search;
  search.setType(type);
  search.setInterest(SoSearchAction::ALL);
  search.setSearchingAll(TRUE);
  search.apply(root);
  SoBaseKit::setSearchingChildren(searchedKits);
  std::vector<const SoNode*> nodes;
  const SoPathList& paths = search.getPaths();
  // The full path: a plain one ends at the last public node, the kit itself.
  for (int p = 0; p < paths.getLength(); ++p)
    nodes.push_back(static_cast<SoFullPath*>(paths[p])->getTail());
  return nodes;
}

// Segments in every line set below root: the size of the output, to be set beside the peers'.
int64_t countSegments(SoNode* root)
{
  int64_t segments = 0;
  for (const SoNode* node : nodesOfType(root, SoLineSet::getClassTypeId())) {
    const SoMFInt32& counts = static_cast<const SoLineSet*>(node)->numVertices;
    for (int k = 0; k < counts.getNum(); ++k)
      segments += counts[k] > 1 ? counts[k] - 1 : 0;
  }
  return segments;
}

// Polygons in every indexed face set below root; none means the bands were not built.
int64_t countFaces(SoNode* root)
{
  int64_t faces = 0;
  for (const SoNode* node : nodesOfType(root, SoIndexedFaceSet::getClassTypeId())) {
    const SoMFInt32& indices = static_cast<const SoIndexedFaceSet*>(node)->coordIndex;
    for (int k = 0; k < indices.getNum(); ++k)
      faces += indices[k] < 0 || k + 1 == indices.getNum() ? 1 : 0;
  }
  return faces;
}

// Marks the representation out of date and runs the pending rebuild, as an edit of its inputs
// followed by the next redraw would. Any traversal runs it; a search for nothing adds almost no
// cost of its own.
void rebuildEachIteration(benchmark::State& state, SoSeparator* root, PoMesh* representation)
{
  SoSearchAction search;
  search.setName(SbName("no such node"));
  for (auto _ : state) {
    representation->touchKit();
    search.apply(root);
  }
  setNodesProcessed(state);
}

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

  rebuildEachIteration(state, root, contours);
  state.counters["segments"] = double(countSegments(root));
  root->unref();
}
BENCHMARK(BM_ContourLinesRebuild)->Arg(512)->Arg(2048)->Unit(benchmark::kMillisecond);

#ifdef GRIDLUX_BENCH_WITH_VTK

// The same field as image data, whose points run x fastest: point (i, j) is i + j * n.
vtkSmartPointer<vtkImageData> vtkField(int n)
{
  const double h = M_PI / (n - 1);
  vtkNew<vtkFloatArray> values;
  values->SetName("f");
  values->SetNumberOfTuples(vtkIdType(n) * n);
  float* out = values->GetPointer(0);
  for (int j = 0; j < n; ++j)
    for (int i = 0; i < n; ++i)
      out[size_t(j) * n + i] = float(fieldValue(i * h, j * h));

  vtkSmartPointer<vtkImageData> image = vtkSmartPointer<vtkImageData>::New();
  image->SetDimensions(n, n, 1);
  image->SetOrigin(0, 0, 0);
  image->SetSpacing(h, h, 1);
  image->GetPointData()->SetScalars(values);
  return image;
}

// Our rebuild runs on one thread, so the peers get one too: the ratio then compares the work
// each does per node rather than how many cores the machine lends at that moment (it has two,
// shared with other jobs).
void useOneThread()
{
  vtkSMPTools::Initialize(1);
}

// Both filters are given the isovalues our list holds, read back from it, so that the three
// benchmarks cut the same lines.
template <class Filter>
void timeVtkFilter(benchmark::State& state)
{
  useOneThread();
  const int n = int(state.range(0));
  Field field(n);
  vtkSmartPointer<vtkImageData> image = vtkField(n);

  vtkNew<Filter> filter;
  filter->SetInputData(image);
  int num = 0, regular = 0;
  float min = 0, max = 0, step = 0;
  const float* isovalues = field.isovalues.getIsoList(num, min, max, step, regular);
  filter->SetNumberOfContours(num);
  for (int k = 0; k < num; ++k)
    filter->SetValue(k, isovalues[k]);

  for (auto _ : state) {
    filter->Modified();
    filter->Update();
  }
  setNodesProcessed(state);
  state.counters["segments"] = double(filter->GetOutput()->GetNumberOfLines());
}

void BM_VtkFlyingEdges2D(benchmark::State& state)
{
  timeVtkFilter<vtkFlyingEdges2D>(state);
}
BENCHMARK(BM_VtkFlyingEdges2D)->Arg(512)->Arg(2048)->Unit(benchmark::kMillisecond);

void BM_VtkContourFilter(benchmark::State& state)
{
  timeVtkFilter<vtkContourFilter>(state);
}
BENCHMARK(BM_VtkContourFilter)->Arg(512)->Arg(2048)->Unit(benchmark::kMillisecond);

#endif

// Flat bands between the isovalues, coloured from a grey ramp over the field's range.
void BM_FilledBandsRebuild(benchmark::State& state)
{
  PoGridlux::init();
  Field field(int(state.range(0)));
  PbLinearDataMapping mapping;
  mapping.setValues(-1.f, SbColor(0.f, 0.f, 0.f), 1.f, SbColor(1.f, 1.f, 1.f));
  SoSeparator* root = new SoSeparator;
  root->ref();
  PoMeshFilled* filled = new PoMeshFilled;
  filled->valuesIndex = 0;
  filled->coloringType = PoMesh::COLOR_CONTOURING;
  filled->setMesh(&field.grid);
  filled->setIsovaluesList(&field.isovalues);
  filled->setDataMapping(&mapping);
  root->addChild(filled);

  rebuildEachIteration(state, root, filled);
  state.counters["faces"] = double(countFaces(root));
  root->unref();
}
BENCHMARK(BM_FilledBandsRebuild)->Arg(512)->Arg(2048)->Unit(benchmark::kMillisecond);

} // namespace
