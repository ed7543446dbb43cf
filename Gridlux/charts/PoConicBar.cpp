// Conic bars: the default circle on the threshold line narrowed to an apex at each point.
#include <Gridlux/charts/PoConicBar.h>

#include <Gridlux/attributes/PoProfile.h>
#include <Gridlux/charts/SolidChartsXP.h>

#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoMaterial.h>

PO_KIT_SOURCE(PoConicBar);

void PoConicBar::initClass()
{
  PO_KIT_INIT_CLASS(PoConicBar, PoBar, "PoBar");
}

PoConicBar::PoConicBar()
{
  SO_KIT_CONSTRUCTOR(PoConicBar);
  SO_KIT_ADD_FIELD(barRadius, (0.0f));
  SO_KIT_INIT_INSTANCE();
  // The default depth follows the domain transform, so a new domain rebuilds the bars.
  setDomainUsedForRebuild(1);
  setUpConnections(TRUE, TRUE);
}

PoConicBar::~PoConicBar()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoConicBar::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  SoFieldList fields;
  fields.append(&barRadius);
  watchFields(onOff, m_sensors, fields);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoConicBar::rebuild()
{
  static const char* method = "PoConicBar::rebuild";
  preRebuild();
  SoState* state = isStateValid() ? getState() : nullptr;
  int numOutline = 0;
  const SbVec2f* outline = PoProfile::getDefaultPolygon(numOutline);
  SoMaterial* material = nullptr;
  SoGroup* group = SolidChartsXP::buildBars(this, state, outline, numOutline, barRadius.getValue(), "barRadius", 0.0f,
                                            method, m_mesh, material);
  setAnyPart("appearance.material", material);
  setAnyPart("bar", group);
  if (material)
    material->unref();
  postRebuild();
}
