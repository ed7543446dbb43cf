// A parallelogram in the plane z = 0 given by three of its corners.
#include <Gridlux/figures/PoParallelogram.h>

#include <Gridlux/figures/FigureShapesXP.h>

#include <Inventor/nodes/SoGroup.h>

PO_KIT_SOURCE(PoParallelogram);

void PoParallelogram::initClass()
{
  PO_KIT_INIT_CLASS(PoParallelogram, PoChartwork, "PoChartwork");
}

PoParallelogram::PoParallelogram()
{
  init(SbVec2f(0, 0), SbVec2f(1, 0), SbVec2f(1, 1));
}

void PoParallelogram::init(const SbVec2f& pValue, const SbVec2f& qValue, const SbVec2f& rValue)
{
  SO_KIT_CONSTRUCTOR(PoParallelogram);
  SO_KIT_ADD_CATALOG_ENTRY(parallelogram, SoGroup, TRUE, this, "", TRUE);
  SO_KIT_ADD_FIELD(p, (pValue));
  SO_KIT_ADD_FIELD(q, (qValue));
  SO_KIT_ADD_FIELD(r, (rValue));
  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoParallelogram::~PoParallelogram()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoParallelogram::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  watchOwnFields(onOff, m_sensors);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoParallelogram::rebuild()
{
  preRebuild();
  const SbVec2f a = p.getValue(), b = q.getValue(), c = r.getValue();
  const SbVec2f d = a + c - b;
  const SbVec3f corners[4] = {SbVec3f(a[0], a[1], 0), SbVec3f(b[0], b[1], 0),
                              SbVec3f(c[0], c[1], 0), SbVec3f(d[0], d[1], 0)};
  setAnyPart("parallelogram", FigureShapesXP::makePolygon(this, corners, 4));
  postRebuild();
}
