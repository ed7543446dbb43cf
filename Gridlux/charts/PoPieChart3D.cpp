// A solid pie chart: each slice a prism between two heights.
#include <Gridlux/charts/PoPieChart3D.h>

PO_KIT_SOURCE(PoPieChart3D);

void PoPieChart3D::initClass()
{
  PO_KIT_INIT_CLASS(PoPieChart3D, PoPieChart, "PoPieChart");
}

PoPieChart3D::PoPieChart3D()
{
  SO_KIT_CONSTRUCTOR(PoPieChart3D);
  SO_KIT_ADD_FIELD(center, (0.0f, 0.0f, 0.0f));
  SO_KIT_ADD_FIELD(zCenter2, (1.0f));
  SO_KIT_INIT_INSTANCE();
  set("sliceApp.lightModel", "model PHONG");
  setUpConnections(TRUE, TRUE);
}

PoPieChart3D::PoPieChart3D(const SbVec3f& centerValue, float zCenter2Value, float radiusValue,
                           short numSlices, const char** texts, const float* values, int numColors,
                           const SbColor* colors)
    : PoPieChart3D()
{
  center.setValue(centerValue);
  zCenter2.setValue(zCenter2Value);
  setFromArrays(radiusValue, numSlices, texts, values, numColors, colors);
}

PoPieChart3D::~PoPieChart3D() = default;

void PoPieChart3D::rebuild()
{
  preRebuild();
  const SbVec3f& c = center.getValue();
  buildPie(c, c[2], zCenter2.getValue(), 1);
  postRebuild();
}
