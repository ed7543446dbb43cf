// Annotation text: 3D text that stays readable from whichever side the viewer looks at it.
#include <Gridlux/platform/SoAnnoText3.h>

#include <Inventor/SbBox3f.h>
#include <Inventor/SbRotation.h>
#include <Inventor/SbViewVolume.h>
#include <Inventor/actions/SoGLRenderAction.h>
#include <Inventor/elements/SoModelMatrixElement.h>
#include <Inventor/elements/SoViewVolumeElement.h>
#include <Inventor/elements/SoViewingMatrixElement.h>
#include <Inventor/misc/SoState.h>

#include <cmath>

SO_NODE_SOURCE(SoAnnoText3);

void SoAnnoText3::initClass()
{
  SO_NODE_INIT_CLASS(SoAnnoText3, SoText3, "Text3");
}

SoAnnoText3::SoAnnoText3()
{
  SO_NODE_CONSTRUCTOR(SoAnnoText3);
}

SoAnnoText3::~SoAnnoText3() = default;

void SoAnnoText3::GLRender(SoGLRenderAction* action)
{
  SoState* state = action->getState();
  SbMatrix modelView = SoModelMatrixElement::get(state);
  modelView.multRight(SoViewingMatrixElement::get(state));

  // The text's front normal and anchor in eye space; the eye looks along -z.
  SbVec3f normal, anchor;
  modelView.multDirMatrix(SbVec3f(0, 0, 1), normal);
  modelView.multVecMatrix(SbVec3f(0, 0, 0), anchor);
  const bool ortho =
      SoViewVolumeElement::get(state).getProjectionType() == SbViewVolume::ORTHOGRAPHIC;
  const float facing = ortho ? normal[2] : -normal.dot(anchor);
  if (!(facing < 0.0f)) {
    inherited::GLRender(action);
    return;
  }

  // Seen from behind: turn the text about its own vertical centre line, so that it keeps its
  // place and reads the right way round.
  SbBox3f box;
  SbVec3f center;
  computeBBox(action, box, center);
  const float cx = box.isEmpty() ? 0.0f : 0.5f * (box.getMin()[0] + box.getMax()[0]);
  SbMatrix toCenter, turn, back;
  toCenter.setTranslate(SbVec3f(-cx, 0, 0));
  turn.setRotate(SbRotation(SbVec3f(0, 1, 0), float(M_PI)));
  back.setTranslate(SbVec3f(cx, 0, 0));
  SbMatrix flip = toCenter;
  flip.multRight(turn);
  flip.multRight(back);

  state->push();
  SoModelMatrixElement::mult(state, this, flip);
  inherited::GLRender(action);
  state->pop();
}
