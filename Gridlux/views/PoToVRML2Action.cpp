// Conversion of scenes with library nodes and views into VRML 2.
#include <Gridlux/views/PoToVRML2Action.h>

#include <Gridlux/base/PoBase.h>
#include <Gridlux/views/PoBaseView.h>
#include <Gridlux/views/PoConvertGuts.h>

#include <Inventor/SbMatrix.h>
#include <Inventor/SbRotation.h>
#include <Inventor/SbViewportRegion.h>
#include <Inventor/VRMLnodes/SoVRMLCollision.h>
#include <Inventor/VRMLnodes/SoVRMLGroup.h>
#include <Inventor/VRMLnodes/SoVRMLProximitySensor.h>
#include <Inventor/VRMLnodes/SoVRMLTransform.h>
#include <Inventor/VRMLnodes/SoVRMLViewpoint.h>
#include <Inventor/actions/SoGetBoundingBoxAction.h>
#include <Inventor/nodes/SoCamera.h>
#include <Inventor/nodes/SoOrthographicCamera.h>
#include <Inventor/nodes/SoPerspectiveCamera.h>

#include <cfloat>
#include <cmath>
#include <memory>
#include <string>

SO_ACTION_SOURCE(PoToVRML2Action);

namespace {

// Releases the rebuild block on every way out of apply().
class RebuildBlockScope {
public:
  RebuildBlockScope() { PoBase::blockRebuild(1); }
  ~RebuildBlockScope() { PoBase::blockRebuild(0); }
};

// The view's camera as a perspective one: an orthographic camera sees its height at its focal
// distance under the same angle.
SoPerspectiveCamera* perspectiveOf(SoCamera* camera)
{
  if (camera->isOfType(SoPerspectiveCamera::getClassTypeId()))
    return static_cast<SoPerspectiveCamera*>(camera->copy());
  SoPerspectiveCamera* perspective = new SoPerspectiveCamera;
  perspective->viewportMapping = camera->viewportMapping.getValue();
  perspective->position = camera->position.getValue();
  perspective->orientation = camera->orientation.getValue();
  perspective->nearDistance = camera->nearDistance.getValue();
  perspective->farDistance = camera->farDistance.getValue();
  perspective->focalDistance = camera->focalDistance.getValue();
  if (camera->isOfType(SoOrthographicCamera::getClassTypeId())) {
    const float height = static_cast<SoOrthographicCamera*>(camera)->height.getValue();
    const float focal = camera->focalDistance.getValue();
    perspective->heightAngle = 2.0f * std::atan((height / 2.0f) / (focal > 0.0f ? focal : 1.0f));
  }
  return perspective;
}

SoVRMLTransform* transformFrom(const SbMatrix& matrix)
{
  SbVec3f translation, scale;
  SbRotation rotation, scaleOrientation;
  matrix.getTransform(translation, rotation, scale, scaleOrientation);
  SoVRMLTransform* transform = new SoVRMLTransform;
  transform->translation = translation;
  transform->rotation = rotation;
  transform->scale = scale;
  transform->scaleOrientation = scaleOrientation;
  return transform;
}

} // namespace

void PoToVRML2Action::initClass()
{
  SO_ACTION_INIT_CLASS(PoToVRML2Action, SoToVRML2Action);
}

PoToVRML2Action::PoToVRML2Action()
{
  SO_ACTION_CONSTRUCTOR(PoToVRML2Action);
}

PoToVRML2Action::~PoToVRML2Action()
{
  setResult(nullptr);
}

PoConvertGuts* PoToVRML2Action::getNewConvertGuts()
{
  return new PoConvertGuts;
}

SoVRMLGroup* PoToVRML2Action::getVRML2SceneGraph() const
{
  return m_result;
}

void PoToVRML2Action::setResult(SoVRMLGroup* result)
{
  if (result)
    result->ref();
  if (m_result)
    m_result->unref();
  m_result = result;
}

void PoToVRML2Action::copyOptionsTo(SoToVRML2Action& action) const
{
  action.expandTexture2Node(areTexture2NodeExpanded());
  action.convertInlineNodes(doConvertInlineNodes());
  action.conditionalConversion(doConditionalConversion());
  action.reuseAppearanceNodes(doReuseAppearanceNodes());
  action.reuseGeometryNodes(doReuseGeometryNodes());
  action.reusePropertyNodes(doReusePropertyNodes());
  action.setVerbosity(isVerbose());
}

void PoToVRML2Action::apply(SoPath* path)
{
  inherited::apply(path);
}

void PoToVRML2Action::apply(const SoPathList& pathList, SbBool obeysRules)
{
  inherited::apply(pathList, obeysRules);
}

void PoToVRML2Action::apply(SoNode* root)
{
  setResult(nullptr);
  if (!root)
    return;
  root->ref();
  {
    // Every library node builds its parts now; none rebuilds while they are converted.
    SoGetBoundingBoxAction boxes(SbViewportRegion(640, 480));
    boxes.apply(root);
  }
  RebuildBlockScope block;
  std::unique_ptr<PoConvertGuts> guts(getNewConvertGuts());

  SoNode* plain = guts->convert(root);
  SoVRMLCollision* top = new SoVRMLCollision;
  top->collide = FALSE;
  top->ref();
  if (plain) {
    plain->ref();
    PoConvertGuts::outlineLineStyledFaces(plain);
    SoToVRML2Action converter;
    copyOptionsTo(converter);
    converter.apply(plain);
    if (SoVRMLGroup* converted = converter.getVRML2SceneGraph())
      top->addChild(converted);
    plain->unref();
  }

  // Views found inside views' scenes are appended while the list is walked.
  for (int i = 0; i < guts->getSceneViewInfoNum(); ++i) {
    const PoConvertGuts::SceneViewInfo info = *guts->getSceneViewInfo(i);
    SoNode* scene = guts->convertViewScene(info);
    SoCamera* camera = static_cast<SoCamera*>(info.view->getPart("cameraKit.camera", FALSE));
    if (!scene || !camera)
      continue;
    scene->ref();
    PoConvertGuts::outlineLineStyledFaces(scene);
    SoToVRML2Action converter;
    copyOptionsTo(converter);
    converter.apply(scene);
    SoVRMLGroup* converted = converter.getVRML2SceneGraph();
    scene->unref();
    if (!converted)
      continue;

    SoPerspectiveCamera* view = perspectiveOf(camera);
    view->ref();
    const float h = view->heightAngle.getValue();
    const float f = view->focalDistance.getValue();
    SbMatrix cameraMatrix;
    cameraMatrix.setTransform(view->position.getValue(), view->orientation.getValue(),
                              SbVec3f(1, 1, 1));

    if (m_isFirstSceneViewSensitive && i == 0) {
      // The first view stays navigable: its scene in the world, seen from its camera.
      SoVRMLViewpoint* viewpoint = new SoVRMLViewpoint;
      viewpoint->position = view->position.getValue();
      viewpoint->orientation = view->orientation.getValue();
      viewpoint->fieldOfView = h;
      top->addChild(viewpoint);
      top->addChild(converted);
      view->unref();
      continue;
    }

    // Follows the viewer: the sensor reports where the viewer is wherever it goes.
    SoVRMLProximitySensor* sensor = new SoVRMLProximitySensor;
    sensor->center = SbVec3f(0, 0, 0);
    sensor->size = SbVec3f(FLT_MAX, FLT_MAX, FLT_MAX);
    SoVRMLTransform* follower = new SoVRMLTransform;
    // Named, so that the written file's routes name them (the writer's own names for shared
    // nodes do not read back as route ends).
    sensor->setName(SbName(("ViewSensor" + std::to_string(i)).c_str()));
    follower->setName(SbName(("ViewFollower" + std::to_string(i)).c_str()));
    follower->translation.connectFrom(&sensor->position_changed);
    follower->rotation.connectFrom(&sensor->orientation_changed);

    // In the viewer's frame: the view's centre moved to its place in the field of view, its
    // extent shrunk across the line of sight to the view's share of the window height, then
    // the scene as the view's camera sees it.
    const float full = 2.0f * f * std::tan(h / 2.0f);
    SoVRMLTransform* offset = new SoVRMLTransform;
    offset->translation = SbVec3f(full * ((info.origin[0] * 2 + info.size[0]) / 2 - 0.5f),
                                  full * ((info.origin[1] * 2 + info.size[1]) / 2 - 0.5f), 0);
    SoVRMLTransform* shrink = new SoVRMLTransform;
    shrink->scale = SbVec3f(info.size[1], info.size[1], 1);
    SoVRMLTransform* eye = transformFrom(cameraMatrix.inverse());
    eye->addChild(converted);
    shrink->addChild(eye);
    offset->addChild(shrink);
    follower->addChild(offset);
    top->addChild(sensor);
    top->addChild(follower);
    view->unref();
  }
  guts->reset();
  setResult(top);
  top->unrefNoDelete();
  root->unrefNoDelete();
}
