// Ribbon of a series: the curve line's points turned into one mitred strip of quads.
#include <Gridlux/charts/PoRibbon.h>

#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/charts/PiSweep.h>
#include <Gridlux/charts/SweepShapeXP.h>

#include <Inventor/nodes/SoGroup.h>

#include <cmath>

PO_KIT_SOURCE(PoRibbon);

void PoRibbon::initClass()
{
  PO_KIT_INIT_CLASS(PoRibbon, PoCurveLine, "PoCurveLine");
}

PoRibbon::PoRibbon()
{
  SO_KIT_CONSTRUCTOR(PoRibbon);
  SO_KIT_ADD_FIELD(ribbonWidth, (0.0f));
  SO_KIT_INIT_INSTANCE();
  setDomainUsedForRebuild(1); // the default width follows the domain
  setUpConnections(TRUE, TRUE);
}

PoRibbon::~PoRibbon()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoRibbon::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  SoFieldList fields;
  fields.append(&ribbonWidth);
  watchFields(onOff, m_sensors, fields);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoRibbon::rebuild()
{
  static const char* method = "PoRibbon::rebuild";
  preRebuild();
  std::vector<SbVec2f> line;
  std::vector<SbVec3f> path;
  std::vector<int> source;
  SoGroup* group = nullptr;
  if (buildLine(line) && SweepShapeXP::sweepPath(line, path, source, method)) {
    float width = ribbonWidth.getValue();
    if (!std::isfinite(width) || width < 0.0f) {
      PoDebugError::post(method, "ribbon width %g is not a width; 0.02 of the domain's width used", width);
      width = 0.0f;
    }
    if (width == 0.0f) {
      const float dx = getDomain()->getDeltaX();
      width = 0.02f * (dx > 0.0f && std::isfinite(dx) ? dx : 1.0f);
    }
    const SbVec3f scale = SweepShapeXP::displayScale(this);
    SweepShapeXP::applyScale(path, scale, false);
    std::vector<SbVec2f> flat(path.size());
    for (std::size_t i = 0; i < path.size(); i++)
      flat[i].setValue(path[i][0], path[i][1]);
    PiSweep::Surface surface;
    PiSweep::ribbon(int(flat.size()), flat.data(), width * scale[0], surface);
    SweepShapeXP::applyScale(surface.coords, scale, true);
    SweepShapeXP::Coloring coloring = SweepShapeXP::INHERITED_COLORS;
    if (getPart("appearance.material", FALSE) && getColorSource() != INHERITED_COLOR)
      coloring = colorBinding.getValue() == PER_VERTEX ? SweepShapeXP::PER_VERTEX_COLORS
                                                       : SweepShapeXP::PER_PART_COLORS;
    group = SweepShapeXP::makeFaceSet(surface, source, coloring, false, method);
  }
  setAnyPart("curve", group);
  postRebuild();
}
