// Stream animation whose particles are spheres.
#include <Gridlux/representations/PoStreamSphereMotion.h>

#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoSeparator.h>
#include <Inventor/nodes/SoSphere.h>
#include <Inventor/nodes/SoTransform.h>

PO_KIT_SOURCE(PoStreamSphereMotion);

void PoStreamSphereMotion::initClass()
{
  PO_KIT_INIT_CLASS(PoStreamSphereMotion, PoStreamParticleMotion, "PoStreamParticleMotion");
}

PoStreamSphereMotion::PoStreamSphereMotion()
{
  SO_KIT_CONSTRUCTOR(PoStreamSphereMotion);
  SO_KIT_ADD_CATALOG_ENTRY(groupStreamSphereMotion, SoGroup, TRUE, this, "", TRUE);
  SO_KIT_ADD_FIELD(sphereRadius, (1.0f));
  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoStreamSphereMotion::~PoStreamSphereMotion()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoStreamSphereMotion::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  SoFieldList fields;
  fields.append(&sphereRadius);
  watchFields(onOff, m_sensors, fields);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoStreamSphereMotion::rebuild()
{
  rebuildMotion("groupStreamSphereMotion");
}

void PoStreamSphereMotion::newAnimator(SoGroup*, SoLineSet*, SoCoordinate3*, SoCoordinate3*, SoMFColor*)
{
  m_sphere = new SoSphere;
  m_sphere->ref();
  m_sphere->radius = sphereRadius.getValue();
}

void PoStreamSphereMotion::endAnimator(SoGroup*, SoLineSet*, SoCoordinate3*, SoCoordinate3*, SoMFColor*)
{
  m_sphere->unref();
  m_sphere = nullptr;
}

void PoStreamSphereMotion::newParticle(const SbVec3f& position, const SbVec3f&, const SbVec3f&, const SbColor* colour,
                                       int)
{
  // A separator per particle, so that the translations do not add up.
  SoSeparator* particle = new SoSeparator;
  if (colour) {
    SoMaterial* material = new SoMaterial;
    material->diffuseColor = *colour;
    particle->addChild(material);
  }
  SoTransform* place = new SoTransform;
  place->translation = position;
  particle->addChild(place);
  particle->addChild(m_sphere);
  m_frame->addChild(particle);
}
