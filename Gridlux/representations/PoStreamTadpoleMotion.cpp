// Stream animation whose particles are short comet-like lines.
#include <Gridlux/representations/PoStreamTadpoleMotion.h>

#include <Inventor/nodes/SoDrawStyle.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoLineSet.h>
#include <Inventor/nodes/SoMaterialBinding.h>

PO_KIT_SOURCE(PoStreamTadpoleMotion);

void PoStreamTadpoleMotion::initClass()
{
  PO_KIT_INIT_CLASS(PoStreamTadpoleMotion, PoStreamParticleMotion, "PoStreamParticleMotion");
}

PoStreamTadpoleMotion::PoStreamTadpoleMotion()
{
  SO_KIT_CONSTRUCTOR(PoStreamTadpoleMotion);
  SO_KIT_ADD_CATALOG_ENTRY(groupStreamTadpoleMotion, SoGroup, TRUE, this, "", TRUE);
  SO_KIT_ADD_FIELD(width, (2.0f));
  SO_KIT_ADD_FIELD(backColor, (0.0f, 0.0f, 0.3f));
  SO_KIT_ADD_FIELD(particleColor, (1.0f, 1.0f, 1.0f));
  SO_KIT_ADD_FIELD(lengthFactor, (1.0f));
  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoStreamTadpoleMotion::~PoStreamTadpoleMotion()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoStreamTadpoleMotion::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  SoFieldList fields;
  fields.append(&width);
  fields.append(&backColor);
  fields.append(&particleColor);
  fields.append(&lengthFactor);
  watchFields(onOff, m_sensors, fields);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoStreamTadpoleMotion::rebuild()
{
  rebuildMotion("groupStreamTadpoleMotion");
}

void PoStreamTadpoleMotion::newAnimator(SoGroup* group, SoLineSet*, SoCoordinate3*, SoCoordinate3*, SoMFColor*)
{
  SoDrawStyle* style = new SoDrawStyle;
  style->lineWidth = width.getValue();
  group->addChild(style);
  SoMaterialBinding* binding = new SoMaterialBinding;
  binding->value = SoMaterialBinding::PER_VERTEX;
  group->addChild(binding);
}

void PoStreamTadpoleMotion::newLine(SoGroup*, int)
{
  beginLinePieces(1);
}

void PoStreamTadpoleMotion::newParticle(const SbVec3f& position, const SbVec3f& vector, const SbVec3f&,
                                        const SbColor* colour, int)
{
  const float k = lengthFactor.getValue();
  const SbColor back = backColor.getValue();
  const SbColor front = colour ? *colour : particleColor.getValue();
  addPiece(position - 0.75f * k * vector, back);
  addPiece(position, back + 0.75f * (front - back));
  addPiece(position + 0.25f * k * vector, front);
}

void PoStreamTadpoleMotion::endLine(SoGroup* frame, int)
{
  const int n = endLinePieces(frame) / 3;
  if (n > 0) {
    SoLineSet* lines = new SoLineSet;
    lines->numVertices.setNum(n);
    int32_t* counts = lines->numVertices.startEditing();
    for (int i = 0; i < n; ++i)
      counts[i] = 3;
    lines->numVertices.finishEditing();
    frame->addChild(lines);
  }
}
