// Line bars: a coordinate node of bar ends and a line set of two-vertex lines, coloured per bar.
#include <Gridlux/charts/PoLinearBar.h>

#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/mesh/PbMesh1D.h>
#include <Gridlux/mesh/nodes/PoMeshElement.h>

#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoLineSet.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoMaterialBinding.h>

#include <cmath>
#include <vector>

PO_KIT_SOURCE(PoLinearBar);

void PoLinearBar::initClass()
{
  PO_KIT_INIT_CLASS(PoLinearBar, PoBar, "PoBar");
}

PoLinearBar::PoLinearBar()
{
  SO_KIT_CONSTRUCTOR(PoLinearBar);
  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoLinearBar::~PoLinearBar() = default;

void PoLinearBar::rebuild()
{
  preRebuild();
  SoState* state = isStateValid() ? getState() : nullptr;
  const PbMesh1D* mesh = state ? PoMeshElement::getMesh1D(state) : nullptr;
  const bool finiteThreshold = std::isfinite(threshold.getValue());
  if (!finiteThreshold)
    PoDebugError::post("PoLinearBar::rebuild", "threshold %g is not a finite number; nothing drawn",
                       threshold.getValue());
  if (!finiteThreshold || !mesh || !mesh->getValuesSet(yValuesIndex.getValue())) {
    setAnyPart("bar", nullptr);
    setAnyPart("appearance.material", nullptr);
    postRebuild();
    return;
  }
  int num = 0;
  float *x = nullptr, *y = nullptr;
  SoMaterial* material = nullptr;
  mesh->getFilteredXYGeometry(this, state, num, x, y, material);
  if (material)
    material->ref();
  SoGroup* group = nullptr;
  if (num > 0) {
    const bool vertical = orientation.getValue() == VERTICAL;
    const float t = threshold.getValue();
    SoCoordinate3* coords = new SoCoordinate3;
    coords->point.setNum(2 * num);
    SbVec3f* out = coords->point.startEditing();
    for (int i = 0; i < num; i++) {
      out[2 * i].setValue(x[i], y[i], 0);
      out[2 * i + 1] = vertical ? SbVec3f(x[i], t, 0) : SbVec3f(t, y[i], 0);
    }
    coords->point.finishEditing();
    SoLineSet* set = new SoLineSet;
    const std::vector<int> twos(num, 2);
    set->numVertices.setValues(0, num, twos.data());
    group = new SoGroup;
    if (material) {
      SoMaterialBinding* binding = new SoMaterialBinding;
      binding->value = SoMaterialBinding::PER_PART;
      group->addChild(binding);
    }
    group->addChild(coords);
    group->addChild(set);
  }
  delete[] x;
  delete[] y;
  setAnyPart("appearance.material", material);
  setAnyPart("bar", group);
  if (material)
    material->unref();
  postRebuild();
}
