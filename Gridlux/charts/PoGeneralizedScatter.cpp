// Solid scatter plots: one solid per point of the chart geometry, all in one indexed face set.
#include <Gridlux/charts/PoGeneralizedScatter.h>

#include <Gridlux/attributes/PbDomain.h>
#include <Gridlux/attributes/PoProfile.h>
#include <Gridlux/attributes/PoProfileElement.h>
#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/charts/SolidChartsXP.h>
#include <Gridlux/mesh/PbMesh1D.h>
#include <Gridlux/mesh/nodes/PoMeshElement.h>

#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoMaterial.h>

#include <algorithm>
#include <cmath>

PO_KIT_SOURCE(PoGeneralizedScatter);

void PoGeneralizedScatter::initClass()
{
  PO_KIT_INIT_CLASS(PoGeneralizedScatter, PoChart, "PoChart");
}

PoGeneralizedScatter::PoGeneralizedScatter()
{
  SO_KIT_CONSTRUCTOR(PoGeneralizedScatter);
  SO_KIT_ADD_CATALOG_ENTRY(scatter, SoGroup, TRUE, this, "", TRUE);
  SO_KIT_ADD_FIELD(markerShape, (SPHERE));
  SO_KIT_ADD_FIELD(markerSize, (0.0f));
  SO_KIT_ADD_FIELD(sizeValuesIndex, (-1));
  SO_KIT_DEFINE_ENUM_VALUE(MarkerShape, SPHERE);
  SO_KIT_DEFINE_ENUM_VALUE(MarkerShape, CUBE);
  SO_KIT_DEFINE_ENUM_VALUE(MarkerShape, CONE);
  SO_KIT_DEFINE_ENUM_VALUE(MarkerShape, PROFILE);
  SO_KIT_SET_SF_ENUM_TYPE(markerShape, MarkerShape);
  SO_KIT_INIT_INSTANCE();
  // The default size and the stretch against the domain transform follow the domain.
  setDomainUsedForRebuild(1);
  setUpConnections(TRUE, TRUE);
}

PoGeneralizedScatter::~PoGeneralizedScatter()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoGeneralizedScatter::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  SoFieldList fields;
  fields.append(&markerShape);
  fields.append(&markerSize);
  fields.append(&sizeValuesIndex);
  watchFields(onOff, m_sensors, fields);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoGeneralizedScatter::preRebuild()
{
  inherited::preRebuild();
  if (isStateValid())
    addElementCache(PoProfileElement::getClassStackIndex());
}

void PoGeneralizedScatter::addElementsAllCaches()
{
  inherited::addElementsAllCaches();
  if (getState())
    PoProfileElement::get(getState());
}

void PoGeneralizedScatter::rebuild()
{
  static const char* method = "PoGeneralizedScatter::rebuild";
  preRebuild();
  m_mesh.clear();
  SoState* state = isStateValid() ? getState() : nullptr;
  const PbMesh1D* mesh = state ? PoMeshElement::getMesh1D(state) : nullptr;
  if (!mesh || !mesh->getValuesSet(yValuesIndex.getValue())) {
    setAnyPart("scatter", nullptr);
    setAnyPart("appearance.material", nullptr);
    postRebuild();
    return;
  }
  const int sizeIndex = sizeValuesIndex.getValue();
  const float* sizesIn = sizeIndex >= 0 ? mesh->getValuesSet(sizeIndex) : nullptr;
  if (sizeIndex >= 0 && !sizesIn)
    PoDebugError::postWarning(method, "the mesh has no value set %d for the sizes; every marker has markerSize",
                              sizeIndex);
  float* sizes = const_cast<float*>(sizesIn); // read only: replaced by a new per-point array
  int num = 0;
  float *x = nullptr, *y = nullptr;
  SoMaterial* material = nullptr;
  if (sizes)
    mesh->getFilteredXYGeometry(this, state, num, x, y, material, sizes);
  else
    mesh->getFilteredXYGeometry(this, state, num, x, y, material);
  if (material)
    material->ref();

  int shape = markerShape.getValue();
  if (shape < SPHERE || shape > PROFILE) {
    PoDebugError::post(method, "markerShape %d is not a shape; spheres are drawn", shape);
    shape = SPHERE;
  }
  float size = SolidChartsXP::checkedSize(markerSize.getValue(), method, "markerSize");
  if (size == 0.0f)
    size = 0.02f * getDomain()->getDeltaX();
  // Sizes are x units: the other axes are stretched so that the domain transform gives them back.
  const SbVec3f scale = SolidChartsXP::domainScale(this);
  const SbVec3f stretch(1.0f, scale[0] / scale[1], scale[0] / scale[2]);
  PiSolidGeometry::Outline profile;
  if (shape == PROFILE) {
    int numOutline = 0;
    const SbVec2f* outline = PoProfileElement::getProfile(state, 1.0f, numOutline);
    PiSolidGeometry::prepare(outline, numOutline, profile);
  }
  float largest = 0.0f;
  for (int i = 0; sizes && i < num; i++)
    if (std::isfinite(sizes[i]))
      largest = std::max(largest, std::fabs(sizes[i]));

  int badPoints = 0, badSizes = 0;
  for (int i = 0; i < num; i++) {
    if (!std::isfinite(x[i]) || !std::isfinite(y[i])) {
      badPoints++;
      continue;
    }
    float s = size;
    if (sizes) {
      if (std::isfinite(sizes[i]))
        s = largest > 0.0f ? size * std::fabs(sizes[i]) / largest : 0.0f;
      else
        badSizes++;
    }
    PiSolidGeometry::marker(shape, &profile, SbVec3f(x[i], y[i], 0.0f), s, stretch, i, m_mesh);
  }
  if (badPoints > 0)
    PoDebugError::postWarning(method, "%d of %d points are not finite; they draw no marker", badPoints, num);
  if (badSizes > 0)
    PoDebugError::postWarning(method, "%d of %d sizes are not finite; those markers have markerSize", badSizes, num);
  delete[] x;
  delete[] y;
  delete[] sizes;

  setAnyPart("appearance.material", material);
  setAnyPart("scatter", SolidChartsXP::makeSolids(m_mesh, material != nullptr));
  if (material)
    material->unref();
  postRebuild();
}
