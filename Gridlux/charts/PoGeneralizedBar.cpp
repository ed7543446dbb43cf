// Generalized bars: the state's profile extruded to each point with its top scaled.
#include <Gridlux/charts/PoGeneralizedBar.h>

#include <Gridlux/attributes/PoProfileElement.h>
#include <Gridlux/attributes/PoProfile.h>
#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/charts/SolidChartsXP.h>

#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoMaterial.h>

#include <cmath>

PO_KIT_SOURCE(PoGeneralizedBar);

void PoGeneralizedBar::initClass()
{
  PO_KIT_INIT_CLASS(PoGeneralizedBar, PoBar, "PoBar");
}

PoGeneralizedBar::PoGeneralizedBar()
{
  SO_KIT_CONSTRUCTOR(PoGeneralizedBar);
  SO_KIT_ADD_FIELD(barSize, (0.0f));
  SO_KIT_ADD_FIELD(topRatio, (1.0f));
  SO_KIT_INIT_INSTANCE();
  // The default depth follows the domain transform, so a new domain rebuilds the bars.
  setDomainUsedForRebuild(1);
  setUpConnections(TRUE, TRUE);
}

PoGeneralizedBar::~PoGeneralizedBar()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoGeneralizedBar::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  SoFieldList fields;
  fields.append(&barSize);
  fields.append(&topRatio);
  watchFields(onOff, m_sensors, fields);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoGeneralizedBar::preRebuild()
{
  inherited::preRebuild();
  if (isStateValid())
    addElementCache(PoProfileElement::getClassStackIndex());
}

void PoGeneralizedBar::addElementsAllCaches()
{
  inherited::addElementsAllCaches();
  if (getState())
    PoProfileElement::get(getState());
}

void PoGeneralizedBar::rebuild()
{
  static const char* method = "PoGeneralizedBar::rebuild";
  preRebuild();
  SoState* state = isStateValid() ? getState() : nullptr;
  int numOutline = 0;
  const SbVec2f* outline =
      state ? PoProfileElement::getProfile(state, 1.0f, numOutline) : PoProfile::getDefaultPolygon(numOutline);
  float ratio = topRatio.getValue();
  if (!(ratio >= 0.0f) || !std::isfinite(ratio)) {
    PoDebugError::post(method, "topRatio %g is not a ratio of 0 or more; 1 is used", ratio);
    ratio = 1.0f;
  }
  SoMaterial* material = nullptr;
  SoGroup* group = SolidChartsXP::buildBars(this, state, outline, numOutline, barSize.getValue(), "barSize", ratio,
                                            method, m_mesh, material);
  setAnyPart("appearance.material", material);
  setAnyPart("bar", group);
  if (material)
    material->unref();
  postRebuild();
}
