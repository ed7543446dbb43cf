// Stream animation whose particles are points.
#include <Gridlux/representations/PoStreamPointMotion.h>

#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoDrawStyle.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoMaterialBinding.h>
#include <Inventor/nodes/SoPointSet.h>

PO_KIT_SOURCE(PoStreamPointMotion);

void PoStreamPointMotion::initClass()
{
  PO_KIT_INIT_CLASS(PoStreamPointMotion, PoStreamParticleMotion, "PoStreamParticleMotion");
}

PoStreamPointMotion::PoStreamPointMotion()
{
  SO_KIT_CONSTRUCTOR(PoStreamPointMotion);
  SO_KIT_ADD_CATALOG_ENTRY(groupStreamPointMotion, SoGroup, TRUE, this, "", TRUE);
  SO_KIT_ADD_FIELD(pointSize, (3.0f));
  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoStreamPointMotion::~PoStreamPointMotion()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoStreamPointMotion::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  SoFieldList fields;
  fields.append(&pointSize);
  watchFields(onOff, m_sensors, fields);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoStreamPointMotion::rebuild()
{
  rebuildMotion("groupStreamPointMotion");
}

void PoStreamPointMotion::newAnimator(SoGroup* group, SoLineSet*, SoCoordinate3*, SoCoordinate3*, SoMFColor* colours)
{
  SoDrawStyle* style = new SoDrawStyle;
  style->pointSize = pointSize.getValue();
  group->addChild(style);
  if (colours) {
    SoMaterialBinding* binding = new SoMaterialBinding;
    binding->value = SoMaterialBinding::PER_VERTEX;
    group->addChild(binding);
  }
}

void PoStreamPointMotion::newLine(SoGroup*, int)
{
  beginLinePieces(isMapped());
}

void PoStreamPointMotion::newParticle(const SbVec3f& position, const SbVec3f&, const SbVec3f&, const SbColor* colour,
                                      int)
{
  addPiece(position, colour ? *colour : SbColor(1, 1, 1));
}

void PoStreamPointMotion::endLine(SoGroup* frame, int)
{
  const int n = endLinePieces(frame);
  if (n > 0) {
    SoPointSet* points = new SoPointSet;
    points->numPoints = n;
    frame->addChild(points);
  }
}
