// Scene view: a viewport with its own camera, scene, background and border.
#include <Gridlux/views/PoSceneView.h>

#include <Inventor/nodekits/SoAppearanceKit.h>
#include <Inventor/nodekits/SoCameraKit.h>
#include <Inventor/nodes/SoAnnotation.h>
#include <Inventor/nodes/SoCallback.h>
#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoDepthBuffer.h>
#include <Inventor/nodes/SoFaceSet.h>
#include <Inventor/nodes/SoLightModel.h>
#include <Inventor/nodes/SoLineSet.h>
#include <Inventor/nodes/SoOrthographicCamera.h>
#include <Inventor/nodes/SoPickStyle.h>
#include <Inventor/nodes/SoSeparator.h>
#include <Inventor/sensors/SoFieldSensor.h>

PO_KIT_SOURCE(PoSceneView);

namespace {

// Pick style and camera shared by background and border: an orthographic camera whose volume,
// x and y from -1 to 1 whatever the view's shape, spans z from 1 (near) to -1 (far).
SoGroup* makeOverlayGroup()
{
  SoGroup* group = new SoGroup;
  SoPickStyle* pickStyle = new SoPickStyle;
  pickStyle->style = SoPickStyle::UNPICKABLE;
  group->addChild(pickStyle);
  SoOrthographicCamera* camera = new SoOrthographicCamera;
  camera->viewportMapping = SoCamera::LEAVE_ALONE;
  camera->aspectRatio = 1.0f;
  camera->nearDistance = 0.0f;
  camera->farDistance = 2.0f;
  group->addChild(camera);
  return group;
}

} // namespace

void PoSceneView::initClass()
{
  PO_KIT_INIT_CLASS(PoSceneView, PoBaseView, "PoBaseView");
}

PoSceneView::PoSceneView()
{
  SO_KIT_CONSTRUCTOR(PoSceneView);
  SO_KIT_ADD_CATALOG_ENTRY(topSep, SoSeparator, FALSE, this, "", FALSE);
  SO_KIT_ADD_CATALOG_ENTRY(catchActionCallback, SoCallback, FALSE, topSep, "", FALSE);
  SO_KIT_ADD_CATALOG_ENTRY(backgroundSep, SoSeparator, FALSE, topSep, "", FALSE);
  SO_KIT_ADD_CATALOG_ENTRY(backgroundApp, SoAppearanceKit, FALSE, backgroundSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(background, SoGroup, TRUE, backgroundSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(sceneSep, SoSeparator, FALSE, topSep, "", FALSE);
  SO_KIT_ADD_CATALOG_ENTRY(cameraKit, SoCameraKit, FALSE, sceneSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(scene, SoGroup, FALSE, sceneSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(borderSep, SoAnnotation, FALSE, topSep, "", FALSE);
  SO_KIT_ADD_CATALOG_ENTRY(borderApp, SoAppearanceKit, FALSE, borderSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(border, SoGroup, TRUE, borderSep, "", TRUE);
  SO_KIT_ADD_FIELD(isBackgroundVisible, (FALSE));
  SO_KIT_ADD_FIELD(isBorderVisible, (FALSE));
  SO_KIT_INIT_INSTANCE();

  m_backgroundSensor = new SoFieldSensor(sensorCB, this);
  m_backgroundSensor->setPriority(0);
  m_borderSensor = new SoFieldSensor(sensorCB, this);
  m_borderSensor->setPriority(0);

  SoLightModel* lightModel = new SoLightModel;
  lightModel->model = SoLightModel::BASE_COLOR;
  setAnyPart("backgroundApp.lightModel", lightModel);
  static_cast<SoCallback*>(getAnyPart("catchActionCallback", TRUE))->setCallback(catchActionCB, this);
  setUpConnections(TRUE, TRUE);
}

PoSceneView::~PoSceneView()
{
  SoCallback* cb = static_cast<SoCallback*>(catchActionCallback.getValue());
  if (cb)
    cb->setCallback(nullptr, nullptr);
  delete m_backgroundSensor;
  delete m_borderSensor;
}

SbBool PoSceneView::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  if (onOff) {
    inherited::setUpConnections(onOff, doItAlways);
    if (!m_backgroundSensor->getAttachedField())
      m_backgroundSensor->attach(&isBackgroundVisible);
    if (!m_borderSensor->getAttachedField())
      m_borderSensor->attach(&isBorderVisible);
    sensorCB(this, nullptr);
  } else {
    m_backgroundSensor->detach();
    m_borderSensor->detach();
    inherited::setUpConnections(onOff, doItAlways);
  }
  return !(connectionsSetUp = onOff);
}

void PoSceneView::copyContents(const SoFieldContainer* from, SbBool copyConnections)
{
  inherited::copyContents(from, copyConnections);
  SoCallback* cb = new SoCallback;
  cb->setCallback(catchActionCB, this);
  setAnyPart("catchActionCallback", cb);
  m_isSensitiveOnEvents = static_cast<const PoSceneView*>(from)->m_isSensitiveOnEvents;
}

void PoSceneView::setDefaultOnNonWritingFields()
{
  // Built from the two flags: not written, rebuilt when read.
  catchActionCallback.setDefault(TRUE);
  background.setDefault(TRUE);
  border.setDefault(TRUE);
  inherited::setDefaultOnNonWritingFields();
}

void PoSceneView::sensorCB(void* data, SoSensor* sensor)
{
  PoSceneView* view = static_cast<PoSceneView*>(data);
  if (!sensor || sensor == view->m_backgroundSensor)
    view->drawBackground();
  if (!sensor || sensor == view->m_borderSensor)
    view->drawBorder();
}

void PoSceneView::drawBackground()
{
  if (!isBackgroundVisible.getValue()) {
    setAnyPart("background", nullptr);
    return;
  }
  SoGroup* group = makeOverlayGroup();
  // The quad lies just inside the far plane and is written whatever the depth already there,
  // which resets the view's depth: the scene then draws over anything under the view.
  SoDepthBuffer* depth = new SoDepthBuffer;
  depth->function = SoDepthBuffer::ALWAYS;
  group->addChild(depth);
  const float z = -0.99999988f;
  SoCoordinate3* coords = new SoCoordinate3;
  const SbVec3f quad[4] = {SbVec3f(-1, -1, z), SbVec3f(1, -1, z), SbVec3f(1, 1, z),
                           SbVec3f(-1, 1, z)};
  coords->point.setValues(0, 4, quad);
  group->addChild(coords);
  SoFaceSet* faces = new SoFaceSet;
  faces->numVertices.setValue(4);
  group->addChild(faces);
  setAnyPart("background", group);
}

void PoSceneView::drawBorder()
{
  if (!isBorderVisible.getValue()) {
    setAnyPart("border", nullptr);
    return;
  }
  SoGroup* group = makeOverlayGroup();
  SoCoordinate3* coords = new SoCoordinate3;
  const SbVec3f outline[5] = {SbVec3f(-1, -1, 0), SbVec3f(1, -1, 0), SbVec3f(1, 1, 0),
                              SbVec3f(-1, 1, 0), SbVec3f(-1, -1, 0)};
  coords->point.setValues(0, 5, outline);
  group->addChild(coords);
  SoLineSet* lines = new SoLineSet;
  lines->numVertices.setValue(5);
  group->addChild(lines);
  setAnyPart("border", group);
}
