// Scatter plots: the chart geometry's points, with optional z values, as one marker set.
#include <Gridlux/charts/PoScatter.h>

#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/mesh/PbMesh1D.h>
#include <Gridlux/mesh/nodes/PoMeshElement.h>

#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoMarkerSet.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoMaterialBinding.h>

PO_KIT_SOURCE(PoScatter);

void PoScatter::initClass()
{
  PO_KIT_INIT_CLASS(PoScatter, PoChart, "PoChart");
}

PoScatter::PoScatter()
{
  SO_KIT_CONSTRUCTOR(PoScatter);
  SO_KIT_ADD_CATALOG_ENTRY(scatter, SoGroup, TRUE, this, "", TRUE);
  SO_KIT_ADD_FIELD(markerIndex, (0));
  SO_KIT_ADD_FIELD(zValuesIndex, (-1));
  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoScatter::~PoScatter()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoScatter::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  SoFieldList fields;
  fields.append(&markerIndex);
  fields.append(&zValuesIndex);
  watchFields(onOff, m_sensors, fields);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoScatter::rebuild()
{
  preRebuild();
  SoState* state = isStateValid() ? getState() : nullptr;
  const PbMesh1D* mesh = state ? PoMeshElement::getMesh1D(state) : nullptr;
  if (!mesh || !mesh->getValuesSet(yValuesIndex.getValue())) {
    setAnyPart("scatter", nullptr);
    setAnyPart("appearance.material", nullptr);
    postRebuild();
    return;
  }
  const float* zIn = zValuesIndex.getValue() >= 0 ? mesh->getValuesSet(zValuesIndex.getValue()) : nullptr;
  float* z = const_cast<float*>(zIn); // read only: replaced by a new per-point array
  int num = 0;
  float *x = nullptr, *y = nullptr;
  SoMaterial* material = nullptr;
  if (z)
    mesh->getFilteredXYGeometry(this, state, num, x, y, material, z);
  else
    mesh->getFilteredXYGeometry(this, state, num, x, y, material);
  if (material)
    material->ref();
  SoGroup* group = nullptr;
  if (num > 0) {
    group = new SoGroup;
    if (getColorSource() != INHERITED_COLOR && material) {
      SoMaterialBinding* binding = new SoMaterialBinding;
      binding->value = SoMaterialBinding::PER_VERTEX;
      group->addChild(binding);
    }
    SoCoordinate3* coords = new SoCoordinate3;
    coords->point.setNum(num);
    SbVec3f* out = coords->point.startEditing();
    for (int i = 0; i < num; i++)
      out[i].setValue(x[i], y[i], z ? z[i] : 0.0f);
    coords->point.finishEditing();
    group->addChild(coords);
    // The toolkit repeats the last index past the list's end: cycle the list over the points instead.
    SoMarkerSet* set = new SoMarkerSet;
    const int numIndices = markerIndex.getNum();
    if (numIndices > 0) {
      set->markerIndex.setNum(num);
      int32_t* index = set->markerIndex.startEditing();
      // The toolkit reads its marker table at the index unchecked: an unknown marker draws nothing.
      const int numMarkers = SoMarkerSet::getNumDefinedMarkers();
      bool hasUnknown = false;
      int unknown = 0;
      for (int i = 0; i < num; i++) {
        index[i] = markerIndex[i % numIndices];
        if (index[i] < SoMarkerSet::NONE || index[i] >= numMarkers) {
          if (!hasUnknown)
            unknown = index[i];
          hasUnknown = true;
          index[i] = SoMarkerSet::NONE;
        }
      }
      set->markerIndex.finishEditing();
      if (hasUnknown)
        PoDebugError::postWarning("PoScatter::rebuild", "marker index %d is not a defined marker (0 to %d); "
                                  "no marker drawn there", unknown, numMarkers - 1);
    }
    group->addChild(set);
  }
  delete[] x;
  delete[] y;
  delete[] z;
  setAnyPart("appearance.material", material);
  setAnyPart("scatter", group);
  if (material)
    material->unref();
  postRebuild();
}
