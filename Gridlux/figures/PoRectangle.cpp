// An axis-aligned rectangle in the plane z = 0 given by two opposite corners.
#include <Gridlux/figures/PoRectangle.h>

#include <Gridlux/figures/FigureShapesXP.h>

#include <Inventor/nodes/SoGroup.h>

PO_KIT_SOURCE(PoRectangle);

void PoRectangle::initClass()
{
  PO_KIT_INIT_CLASS(PoRectangle, PoChartwork, "PoChartwork");
}

PoRectangle::PoRectangle()
{
  init(SbVec2f(0, 0), SbVec2f(1, 1));
}

void PoRectangle::init(const SbVec2f& pValue, const SbVec2f& qValue)
{
  SO_KIT_CONSTRUCTOR(PoRectangle);
  SO_KIT_ADD_CATALOG_ENTRY(rectangle, SoGroup, TRUE, this, "", TRUE);
  SO_KIT_ADD_FIELD(p, (pValue));
  SO_KIT_ADD_FIELD(q, (qValue));
  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoRectangle::~PoRectangle()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoRectangle::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  watchOwnFields(onOff, m_sensors);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoRectangle::rebuild()
{
  preRebuild();
  const SbVec2f a = p.getValue(), b = q.getValue();
  const SbVec3f corners[4] = {SbVec3f(a[0], a[1], 0), SbVec3f(b[0], a[1], 0),
                              SbVec3f(b[0], b[1], 0), SbVec3f(a[0], b[1], 0)};
  setAnyPart("rectangle", FigureShapesXP::makePolygon(this, corners, 4));
  postRebuild();
}
