// Cylindrical bars: the default circle extruded from the threshold to each point, one face set.
#include <Gridlux/charts/PoCylindricalBar.h>

#include <Gridlux/attributes/PoProfile.h>
#include <Gridlux/charts/SolidChartsXP.h>

#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoMaterial.h>

PO_KIT_SOURCE(PoCylindricalBar);

void PoCylindricalBar::initClass()
{
  PO_KIT_INIT_CLASS(PoCylindricalBar, PoBar, "PoBar");
}

PoCylindricalBar::PoCylindricalBar()
{
  SO_KIT_CONSTRUCTOR(PoCylindricalBar);
  SO_KIT_ADD_FIELD(barRadius, (0.0f));
  SO_KIT_INIT_INSTANCE();
  // The default depth follows the domain transform, so a new domain rebuilds the bars.
  setDomainUsedForRebuild(1);
  setUpConnections(TRUE, TRUE);
}

PoCylindricalBar::~PoCylindricalBar()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoCylindricalBar::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  SoFieldList fields;
  fields.append(&barRadius);
  watchFields(onOff, m_sensors, fields);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoCylindricalBar::rebuild()
{
  static const char* method = "PoCylindricalBar::rebuild";
  preRebuild();
  SoState* state = isStateValid() ? getState() : nullptr;
  int numOutline = 0;
  const SbVec2f* outline = PoProfile::getDefaultPolygon(numOutline);
  SoMaterial* material = nullptr;
  SoGroup* group = SolidChartsXP::buildBars(this, state, outline, numOutline, barRadius.getValue(), "barRadius", 1.0f,
                                            method, m_mesh, material);
  setAnyPart("appearance.material", material);
  setAnyPart("bar", group);
  if (material)
    material->unref();
  postRebuild();
}
