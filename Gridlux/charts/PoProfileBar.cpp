// Profile bars: the state's profile extruded from the threshold to each point, one face set.
#include <Gridlux/charts/PoProfileBar.h>

#include <Gridlux/attributes/PoProfileElement.h>
#include <Gridlux/attributes/PoProfile.h>
#include <Gridlux/charts/SolidChartsXP.h>

#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoMaterial.h>

PO_KIT_SOURCE(PoProfileBar);

void PoProfileBar::initClass()
{
  PO_KIT_INIT_CLASS(PoProfileBar, PoBar, "PoBar");
}

PoProfileBar::PoProfileBar()
{
  SO_KIT_CONSTRUCTOR(PoProfileBar);
  SO_KIT_ADD_FIELD(barSize, (0.0f));
  SO_KIT_INIT_INSTANCE();
  // The default depth follows the domain transform, so a new domain rebuilds the bars.
  setDomainUsedForRebuild(1);
  setUpConnections(TRUE, TRUE);
}

PoProfileBar::~PoProfileBar()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoProfileBar::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  SoFieldList fields;
  fields.append(&barSize);
  watchFields(onOff, m_sensors, fields);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoProfileBar::preRebuild()
{
  inherited::preRebuild();
  if (isStateValid())
    addElementCache(PoProfileElement::getClassStackIndex());
}

void PoProfileBar::addElementsAllCaches()
{
  inherited::addElementsAllCaches();
  if (getState())
    PoProfileElement::get(getState());
}

void PoProfileBar::rebuild()
{
  static const char* method = "PoProfileBar::rebuild";
  preRebuild();
  SoState* state = isStateValid() ? getState() : nullptr;
  int numOutline = 0;
  const SbVec2f* outline =
      state ? PoProfileElement::getProfile(state, 1.0f, numOutline) : PoProfile::getDefaultPolygon(numOutline);
  SoMaterial* material = nullptr;
  SoGroup* group = SolidChartsXP::buildBars(this, state, outline, numOutline, barSize.getValue(), "barSize", 1.0f,
                                            method, m_mesh, material);
  setAnyPart("appearance.material", material);
  setAnyPart("bar", group);
  if (material)
    material->unref();
  postRebuild();
}
