// Tube of a series: the state's profile swept along the curve line's points, capped when asked.
#include <Gridlux/charts/PoTube.h>

#include <Gridlux/attributes/PoProfileElement.h>
#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/charts/PiSweep.h>
#include <Gridlux/charts/SweepShapeXP.h>

#include <Inventor/misc/SoState.h>
#include <Inventor/nodes/SoGroup.h>

#include <cmath>

PO_KIT_SOURCE(PoTube);

void PoTube::initClass()
{
  PO_KIT_INIT_CLASS(PoTube, PoCurveLine, "PoCurveLine");
}

PoTube::PoTube()
{
  SO_KIT_CONSTRUCTOR(PoTube);
  SO_KIT_ADD_FIELD(tubeRadius, (0.0f));
  SO_KIT_ADD_FIELD(caps, (TRUE));
  SO_KIT_INIT_INSTANCE();
  setDomainUsedForRebuild(1); // the default radius follows the domain
  setUpConnections(TRUE, TRUE);
}

PoTube::~PoTube()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoTube::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  SoFieldList fields;
  fields.append(&tubeRadius);
  fields.append(&caps);
  watchFields(onOff, m_sensors, fields);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoTube::preRebuild()
{
  inherited::preRebuild();
  if (isStateValid())
    addElementCache(PoProfileElement::getClassStackIndex());
}

void PoTube::addElementsAllCaches()
{
  inherited::addElementsAllCaches();
  if (SoState* state = getState())
    PoProfileElement::get(state);
}

void PoTube::rebuild()
{
  static const char* method = "PoTube::rebuild";
  preRebuild();
  std::vector<SbVec2f> line;
  std::vector<SbVec3f> path;
  std::vector<int> source;
  SoGroup* group = nullptr;
  if (buildLine(line) && SweepShapeXP::sweepPath(line, path, source, method)) {
    float radius = tubeRadius.getValue();
    if (!std::isfinite(radius) || radius < 0.0f) {
      PoDebugError::post(method, "tube radius %g is not a radius; 0.01 of the domain's width used", radius);
      radius = 0.0f;
    }
    if (radius == 0.0f) {
      const float dx = getDomain()->getDeltaX();
      radius = 0.01f * (dx > 0.0f && std::isfinite(dx) ? dx : 1.0f);
    }
    const SbVec3f scale = SweepShapeXP::displayScale(this);
    SweepShapeXP::applyScale(path, scale, false);
    int numOutline = 0;
    const SbVec2f* outline = PoProfileElement::getProfile(getState(), radius * scale[0], numOutline);
    const bool closed = caps.getValue() != FALSE;
    PiSweep::Surface surface;
    PiSweep::tube(int(path.size()), path.data(), numOutline, outline, closed, surface);
    SweepShapeXP::applyScale(surface.coords, scale, true);
    SweepShapeXP::Coloring coloring = SweepShapeXP::INHERITED_COLORS;
    if (getPart("appearance.material", FALSE) && getColorSource() != INHERITED_COLOR)
      coloring = colorBinding.getValue() == PER_VERTEX ? SweepShapeXP::PER_VERTEX_COLORS
                                                       : SweepShapeXP::PER_PART_COLORS;
    group = SweepShapeXP::makeFaceSet(surface, source, coloring, closed, method);
  }
  setAnyPart("curve", group);
  postRebuild();
}
