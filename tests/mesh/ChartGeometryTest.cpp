// Chart geometry through a small chart node: interpretations, filters, materials and bad input.
#include "MeshFieldSupport.h"

#include "support/ErrorCatcher.h"

#include <Gridlux/attributes/PoLinearDataMapping.h>
#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/mesh/PoChart.h>
#include <Gridlux/mesh/nodes/PoCoordinateListFilter.h>
#include <Gridlux/mesh/nodes/PoIndexListFilter.h>
#include <Gridlux/mesh/nodes/PoIrregularMesh1D.h>
#include <Gridlux/mesh/nodes/PoMesh1DHints.h>
#include <Gridlux/mesh/nodes/PoMeshElement.h>
#include <Gridlux/mesh/nodes/PoPeriodFilter.h>
#include <Gridlux/mesh/nodes/PoPeriodIndexFilter.h>

#include <Inventor/actions/SoCallbackAction.h>
#include <Inventor/nodes/SoCube.h>
#include <Inventor/nodes/SoMaterial.h>

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

using namespace meshfield;

namespace {

using Points = std::vector<std::pair<float, float>>;

// A chart that records, at each rebuild, the geometry that the chart base gives it.
class GeometryChart : public PoChart {
  typedef PoChart inherited;
  SO_KIT_HEADER(GeometryChart);

public:
  static void initClass() { SO_KIT_INIT_CLASS(GeometryChart, PoChart, "PoChart"); }
  GeometryChart()
  {
    SO_KIT_CONSTRUCTOR(GeometryChart);
    SO_KIT_INIT_INSTANCE();
    setUpConnections(TRUE, TRUE);
  }

  bool filtered = false;
  const float* extraIn = nullptr;
  Points points;
  std::vector<int> nodeVertex;
  std::vector<float> extraOut;
  std::vector<SbColor> diffuse;
  std::vector<float> transparency;
  bool hasMaterial = false;
  int rebuilds = 0;

  void rebuild() override
  {
    preRebuild();
    rebuilds++;
    points.clear();
    nodeVertex.clear();
    extraOut.clear();
    diffuse.clear();
    transparency.clear();
    hasMaterial = false;
    const PbMesh1D* mesh = isStateValid() ? PoMeshElement::getMesh1D(getState()) : nullptr;
    if (mesh) {
      int num = 0;
      float *x = nullptr, *y = nullptr;
      int* steps = nullptr;
      SoMaterial* material = nullptr;
      float* extra = const_cast<float*>(extraIn);
      if (filtered)
        mesh->getFilteredXYGeometry(this, getState(), num, x, y, material, extra);
      else
        mesh->getXYGeometry(this, getState(), num, x, y, material, 1, steps);
      for (int i = 0; i < num; i++)
        points.emplace_back(x[i], y[i]);
      for (int i = 0; steps && i < mesh->getNumNodes(); i++)
        nodeVertex.push_back(steps[i]);
      if (filtered && extra && extra != extraIn)
        extraOut.assign(extra, extra + num);
      if (material) {
        material->ref();
        hasMaterial = true;
        diffuse.assign(material->diffuseColor.getValues(0),
                       material->diffuseColor.getValues(0) + material->diffuseColor.getNum());
        transparency.assign(material->transparency.getValues(0),
                            material->transparency.getValues(0) + material->transparency.getNum());
        material->unref();
      }
      delete[] x;
      delete[] y;
      delete[] steps;
      if (extra != extraIn)
        delete[] extra;
    }
    postRebuild();
  }

protected:
  ~GeometryChart() override = default;
};

SO_KIT_SOURCE(GeometryChart);

// Starts the library and registers the test chart before any node is made.
bool initOnce()
{
  static bool registered = false;
  PoGridlux::init();
  if (!registered) {
    GeometryChart::initClass();
    registered = true;
  }
  return true;
}

struct Scene {
  bool ready = initOnce();
  Ref<SoSeparator> root{new SoSeparator};
  PoIrregularMesh1D* mesh = new PoIrregularMesh1D;
  PoMesh1DHints* hints = new PoMesh1DHints;
  GeometryChart* chart;

  Scene(std::vector<float> x, std::vector<float> y, SoNode* filter = nullptr)
  {
    chart = new GeometryChart;
    mesh->mesh.setGeometry(int(x.size()), x.data());
    mesh->addValuesSet(0, y.data(), "y");
    root->addChild(mesh);
    root->addChild(hints);
    if (filter)
      root->addChild(filter);
    root->addChild(chart);
  }
  void traverse()
  {
    SoCallbackAction action;
    action.apply(root.get());
  }
  Points run(int interpretation)
  {
    hints->geomInterpretation = interpretation;
    traverse();
    return chart->points;
  }
};

} // namespace

TEST(ChartGeometry, InterpretationsGiveTheirVertexLists)
{
  Scene s({0, 1, 2}, {1, 3, 2});
  EXPECT_EQ(s.run(PoMesh1DHints::AS_IS), (Points{{0, 1}, {1, 3}, {2, 2}}));
  EXPECT_EQ(s.run(PoMesh1DHints::STAIRS_X), (Points{{0, 1}, {1, 1}, {1, 3}, {2, 3}, {2, 2}}));
  EXPECT_EQ(s.chart->nodeVertex, (std::vector<int>{0, 2, 4}));
  EXPECT_EQ(s.run(PoMesh1DHints::STAIRS_Y), (Points{{0, 1}, {0, 3}, {1, 3}, {1, 2}, {2, 2}}));
  EXPECT_EQ(s.run(PoMesh1DHints::HISTO_X), (Points{{0, 1}, {0, 2}, {1, 2}, {1, 2.5f}, {2, 2.5f}, {2, 2}}));
  EXPECT_EQ(s.run(PoMesh1DHints::HISTO_Y),
            (Points{{0, 1}, {0.5f, 1}, {0.5f, 3}, {1.5f, 3}, {1.5f, 2}, {2, 2}}));
  EXPECT_EQ(s.run(PoMesh1DHints::STAIRS_2X),
            (Points{{0, 1}, {0, 2}, {0.5f, 2}, {0.5f, 3}, {1, 3}, {1, 2.5f}, {1.5f, 2.5f}, {1.5f, 2}, {2, 2}}));
  EXPECT_EQ(s.run(PoMesh1DHints::STAIRS_2Y),
            (Points{{0, 1}, {0.5f, 1}, {0.5f, 2}, {1, 2}, {1, 3}, {1.5f, 3}, {1.5f, 2.5f}, {2, 2.5f}, {2, 2}}));

  // The spline passes through every node at vertex 10 i and bends between them.
  const Points smooth = s.run(PoMesh1DHints::SMOOTH);
  ASSERT_EQ(smooth.size(), 21u);
  const float ys[3] = {1, 3, 2};
  for (int i = 0; i < 3; i++) {
    EXPECT_FLOAT_EQ(smooth[10 * i].first, float(i));
    EXPECT_FLOAT_EQ(smooth[10 * i].second, ys[i]);
  }
  EXPECT_GT(smooth[12].second, 3.0f); // overshoots the maximum just after it
  EXPECT_EQ(s.chart->nodeVertex, (std::vector<int>{0, 10, 20}));

  // Equal consecutive values collapse the vertical step.
  Scene flat({0, 1}, {1, 1});
  EXPECT_EQ(flat.run(PoMesh1DHints::STAIRS_X), (Points{{0, 1}, {1, 1}}));
}

TEST(ChartGeometry, FiltersKeepNodesOrCutTheCurve)
{
  initOnce(); // the filter nodes are made before the first scene
  std::vector<float> x10, y10;
  for (int i = 0; i < 10; i++) {
    x10.push_back(float(i));
    y10.push_back(float(i * i));
  }
  PoPeriodIndexFilter* period = new PoPeriodIndexFilter;
  period->period = 3;
  Scene s(x10, y10, period);
  s.chart->filtered = true;
  EXPECT_EQ(s.run(PoMesh1DHints::STAIRS_X), (Points{{0, 0}, {3, 9}, {6, 36}, {9, 81}}));

  PoIndexListFilter* list = new PoIndexListFilter;
  list->index.setValues(0, 4, std::vector<int32_t>{7, -1, 2, 10}.data());
  Scene l(x10, y10, list);
  l.chart->filtered = true;
  EXPECT_EQ(l.run(PoMesh1DHints::AS_IS), (Points{{7, 49}, {2, 4}}));

  PoCoordinateListFilter* coords = new PoCoordinateListFilter;
  coords->coord.setValues(0, 2, std::vector<float>{0.5f, 5}.data());
  const float extra[2] = {10, 20};
  Scene c({0, 1}, {0, 2}, coords);
  c.chart->filtered = true;
  c.chart->extraIn = extra;
  EXPECT_EQ(c.run(PoMesh1DHints::AS_IS), (Points{{0.5f, 1}}));
  EXPECT_EQ(c.chart->extraOut, (std::vector<float>{15}));

  // On the y axis a curve that turns back gives one point per crossing.
  coords->axis = PoCoordinateListFilter::Y;
  c.chart->extraIn = nullptr; // sized for the two-node series
  coords->coord.setValues(0, 1, std::vector<float>{1}.data());
  c.mesh->mesh.setGeometry(3, std::vector<float>{0, 1, 2}.data());
  c.mesh->addValuesSet(0, std::vector<float>{0, 2, 0}.data());
  EXPECT_EQ(c.run(PoMesh1DHints::AS_IS), (Points{{0.5f, 1}, {1.5f, 1}}));

  // Sampling every unit from 0 to 2: the last vertex gives no point; an inner vertex gives one.
  PoPeriodFilter* regular = new PoPeriodFilter;
  Scene p({0, 1, 2}, {1, 3, 2}, regular);
  p.chart->filtered = true;
  EXPECT_EQ(p.run(PoMesh1DHints::AS_IS), (Points{{0, 1}, {1, 3}}));
  regular->period = 0.5f;
  EXPECT_EQ(p.run(PoMesh1DHints::AS_IS), (Points{{0, 1}, {0.5f, 2}, {1, 3}, {1.5f, 2.5f}}));
  // Under stairs the cut follows the stepped curve, including its vertical riser at x = 1.
  regular->period = 1;
  EXPECT_EQ(p.run(PoMesh1DHints::STAIRS_X), (Points{{0, 1}, {1, 3}}));
}

TEST(ChartGeometry, MaterialsFollowTheColorSource)
{
  PoGridlux::init();
  Scene s({0, 1, 2}, {0, 1, 2});
  s.mesh->addValuesSet(1, std::vector<float>{0, 0.5f, 1}.data(), "c");
  PoLinearDataMapping* mapping = new PoLinearDataMapping;
  mapping->value1 = 0;
  mapping->color1 = SbColor(0, 0, 0);
  mapping->value2 = 1;
  mapping->color2 = SbColor(1, 1, 1);
  s.root->insertChild(mapping, 1);

  // INHERITED gives no material whatever the other fields say.
  s.chart->material = new SoMaterial;
  s.run(PoMesh1DHints::AS_IS);
  EXPECT_FALSE(s.chart->hasMaterial);

  // The user's material: value i modulo its length; a non-material node gives none.
  s.chart->colorBinding = PoChart::PER_VERTEX;
  SoMaterial* user = static_cast<SoMaterial*>(s.chart->material.getValue());
  user->diffuseColor.setValues(0, 2, std::vector<SbColor>{SbColor(1, 0, 0), SbColor(0, 0, 1)}.data());
  s.run(PoMesh1DHints::AS_IS);
  EXPECT_EQ(s.chart->diffuse, (std::vector<SbColor>{SbColor(1, 0, 0), SbColor(0, 0, 1), SbColor(1, 0, 0)}));
  s.chart->material = new SoCube;
  s.run(PoMesh1DHints::AS_IS);
  EXPECT_FALSE(s.chart->hasMaterial);

  // The data mapping; vertices between nodes blend, or take the first node's colour per part.
  s.chart->material = nullptr;
  s.run(PoMesh1DHints::HISTO_X);
  ASSERT_EQ(s.chart->diffuse.size(), 6u);
  EXPECT_EQ(s.chart->diffuse[0], SbColor(0, 0, 0));
  EXPECT_NEAR(s.chart->diffuse[1][0], 0.25f, 1e-6);
  EXPECT_EQ(s.chart->diffuse[5], SbColor(1, 1, 1));
  s.chart->colorBinding = PoChart::PER_PART;
  s.run(PoMesh1DHints::HISTO_X);
  EXPECT_EQ(s.chart->diffuse[1], SbColor(0, 0, 0));
  s.chart->colorValuesIndex = -1;
  s.run(PoMesh1DHints::AS_IS);
  EXPECT_FALSE(s.chart->hasMaterial);
}

TEST(ChartGeometry, BadInputIsReportedAndGivesNoPoint)
{
  initOnce(); // start-up installs the error handler that the catcher then replaces
  ErrorCatcher errors;
  Scene s({0, 1, 2}, {1, NAN, 2});
  EXPECT_TRUE(s.run(PoMesh1DHints::AS_IS).empty());
  EXPECT_TRUE(errors.contains("not a finite number"));

  errors.clear();
  s.chart->yValuesIndex = 4;
  EXPECT_TRUE(s.run(PoMesh1DHints::AS_IS).empty());
  EXPECT_TRUE(errors.contains("no value set 4"));

  PoPeriodIndexFilter* period = new PoPeriodIndexFilter;
  period->period = 0;
  Scene f({0, 1}, {0, 1}, period);
  f.chart->filtered = true;
  errors.clear();
  EXPECT_TRUE(f.run(PoMesh1DHints::AS_IS).empty());
  EXPECT_EQ(errors.count(), 1);

  PoPeriodFilter* regular = new PoPeriodFilter;
  regular->period = -1;
  Scene g({0, 1}, {0, 1}, regular);
  g.chart->filtered = true;
  errors.clear();
  EXPECT_TRUE(g.run(PoMesh1DHints::AS_IS).empty());
  EXPECT_EQ(errors.count(), 1);

  // An empty series draws nothing, quietly; a change of the filter rebuilds the chart.
  Scene e({}, {});
  errors.clear();
  EXPECT_TRUE(e.run(PoMesh1DHints::AS_IS).empty());
  regular->period = 1;
  g.traverse();
  EXPECT_EQ(g.chart->points, (Points{{0, 0}}));
}
