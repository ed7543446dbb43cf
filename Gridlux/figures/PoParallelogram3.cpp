// A parallelogram in space given by three of its corners.
#include <Gridlux/figures/PoParallelogram3.h>

#include <Gridlux/figures/FigureShapesXP.h>

#include <Inventor/nodes/SoGroup.h>

PO_KIT_SOURCE(PoParallelogram3);

void PoParallelogram3::initClass()
{
  PO_KIT_INIT_CLASS(PoParallelogram3, PoChartwork, "PoChartwork");
}

PoParallelogram3::PoParallelogram3()
{
  init(SbVec3f(0, 0, 0), SbVec3f(1, 0, 0), SbVec3f(1, 1, 0));
}

void PoParallelogram3::init(const SbVec3f& pValue, const SbVec3f& qValue, const SbVec3f& rValue)
{
  SO_KIT_CONSTRUCTOR(PoParallelogram3);
  SO_KIT_ADD_CATALOG_ENTRY(parallelogram3, SoGroup, TRUE, this, "", TRUE);
  SO_KIT_ADD_FIELD(p, (pValue));
  SO_KIT_ADD_FIELD(q, (qValue));
  SO_KIT_ADD_FIELD(r, (rValue));
  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoParallelogram3::~PoParallelogram3()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoParallelogram3::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  watchOwnFields(onOff, m_sensors);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoParallelogram3::rebuild()
{
  preRebuild();
  const SbVec3f corners[4] = {p.getValue(), q.getValue(), r.getValue(),
                              p.getValue() + r.getValue() - q.getValue()};
  setAnyPart("parallelogram3", FigureShapesXP::makePolygon(this, corners, 4));
  postRebuild();
}
