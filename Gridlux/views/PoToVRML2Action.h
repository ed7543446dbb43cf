// Conversion of scenes with library nodes and views into VRML 2 scene graphs.
#ifndef GRIDLUX_POTOVRML2ACTION_H
#define GRIDLUX_POTOVRML2ACTION_H

#include <Inventor/actions/SoToVRML2Action.h>

class PoConvertGuts;
class SoVRMLGroup;

/**
 * @brief The toolkit's VRML 2 conversion, for scenes that hold library kits and views.
 *
 * apply(SoNode*) first lets every library node build its parts (a bounding-box action), then
 * blocks rebuilds while it converts: the scene, with kits replaced by their parts
 * (PoConvertGuts), goes through the toolkit's conversion under a collision node with collision
 * detection off. Each view is converted apart and hung under a transform that a proximity
 * sensor ties to the viewer's position and orientation, so that it stays in front of the viewer
 * at the place and size it had in the window, seen with a field of view equal to the view
 * camera's height angle. With setFirstSceneViewSensitive(1), the first view is instead placed in
 * the world with a viewpoint made from its camera, so that it can be navigated.
 *
 * The options of the toolkit's action (expand texture nodes, convert inline nodes, conditional
 * conversion, reuse appearance and geometry nodes) apply to every conversion it makes.
 */
class PoToVRML2Action : public SoToVRML2Action {
  typedef SoToVRML2Action inherited;
  SO_ACTION_HEADER(PoToVRML2Action);

public:
  static void initClass();
  PoToVRML2Action();
  virtual ~PoToVRML2Action();

  virtual void apply(SoNode* root);
  virtual void apply(SoPath* path);
  virtual void apply(const SoPathList& pathList, SbBool obeysRules = FALSE);

  /** The result of the last apply(SoNode*) (a collision node), referenced by the action. */
  SoVRMLGroup* getVRML2SceneGraph() const;

  void setFirstSceneViewSensitive(int onOff) { m_isFirstSceneViewSensitive = onOff; }
  int isFirstSceneViewSensitive() const { return m_isFirstSceneViewSensitive; }

protected:
  /** The conversion object of one apply (owned by the caller). */
  virtual PoConvertGuts* getNewConvertGuts();

private:
  void copyOptionsTo(SoToVRML2Action& action) const;
  void setResult(SoVRMLGroup* result);

  int m_isFirstSceneViewSensitive = 0;
  SoVRMLGroup* m_result = nullptr;
};

#endif
