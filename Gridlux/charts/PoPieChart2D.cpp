// A flat pie chart: one sector per slice in the plane z = 0.
#include <Gridlux/charts/PoPieChart2D.h>

PO_KIT_SOURCE(PoPieChart2D);

void PoPieChart2D::initClass()
{
  PO_KIT_INIT_CLASS(PoPieChart2D, PoPieChart, "PoPieChart");
}

PoPieChart2D::PoPieChart2D()
{
  SO_KIT_CONSTRUCTOR(PoPieChart2D);
  SO_KIT_ADD_FIELD(center, (0.0f, 0.0f));
  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoPieChart2D::PoPieChart2D(const SbVec2f& centerValue, float radiusValue, short numSlices,
                           const char** texts, const float* values, int numColors,
                           const SbColor* colors)
    : PoPieChart2D()
{
  center.setValue(centerValue);
  setFromArrays(radiusValue, numSlices, texts, values, numColors, colors);
}

PoPieChart2D::~PoPieChart2D() = default;

void PoPieChart2D::rebuild()
{
  preRebuild();
  const SbVec2f& c = center.getValue();
  buildPie(SbVec3f(c[0], c[1], 0.0f), 0.0f, 0.0f, 0);
  postRebuild();
}
