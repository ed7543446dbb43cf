// Stream animation that lights the particles' vertices on the sampled stream lines.
#include <Gridlux/representations/PoStreamLineMotion.h>

#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoDrawStyle.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoLineSet.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoMaterialBinding.h>

PO_KIT_SOURCE(PoStreamLineMotion);

void PoStreamLineMotion::initClass()
{
  PO_KIT_INIT_CLASS(PoStreamLineMotion, PoStreamParticleMotion, "PoStreamParticleMotion");
}

PoStreamLineMotion::PoStreamLineMotion()
{
  SO_KIT_CONSTRUCTOR(PoStreamLineMotion);
  SO_KIT_ADD_CATALOG_ENTRY(groupStreamLineMotion, SoGroup, TRUE, this, "", TRUE);
  SO_KIT_ADD_FIELD(lineWidth, (2.0f));
  SO_KIT_ADD_FIELD(lineColor, (0.3f, 0.3f, 0.3f));
  SO_KIT_ADD_FIELD(particleColor, (1.0f, 1.0f, 1.0f));
  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoStreamLineMotion::~PoStreamLineMotion()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoStreamLineMotion::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  SoFieldList fields;
  fields.append(&lineWidth);
  fields.append(&lineColor);
  fields.append(&particleColor);
  watchFields(onOff, m_sensors, fields);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoStreamLineMotion::rebuild()
{
  rebuildMotion("groupStreamLineMotion");
}

void PoStreamLineMotion::newAnimator(SoGroup* group, SoLineSet* lines, SoCoordinate3* samples, SoCoordinate3*,
                                     SoMFColor*)
{
  SoMaterialBinding* binding = new SoMaterialBinding;
  binding->value = SoMaterialBinding::PER_VERTEX;
  group->addChild(binding);
  SoDrawStyle* style = new SoDrawStyle;
  style->lineWidth = lineWidth.getValue();
  group->addChild(style);
  m_lines = lines;
  m_samples = samples;
}

void PoStreamLineMotion::newFrame(SoGroup* frame, int)
{
  m_frameMaterial = new SoMaterial;
  const int n = m_samples->point.getNum();
  m_frameMaterial->diffuseColor.setNum(n);
  SbColor* out = m_frameMaterial->diffuseColor.startEditing();
  for (int i = 0; i < n; ++i)
    out[i] = lineColor.getValue();
  m_frameMaterial->diffuseColor.finishEditing();
  frame->addChild(m_frameMaterial);
}

void PoStreamLineMotion::newParticle(const SbVec3f&, const SbVec3f&, const SbVec3f&, const SbColor* colour,
                                     int sampleIndex)
{
  m_frameMaterial->diffuseColor.set1Value(sampleIndex, colour ? *colour : particleColor.getValue());
}

void PoStreamLineMotion::endFrame(SoGroup* frame, int)
{
  // The lines are shared by every frame; each frame colours them with its own material first.
  frame->addChild(m_samples);
  frame->addChild(m_lines);
  m_frameMaterial = nullptr;
}
