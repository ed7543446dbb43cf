// Annotation text: 3D text that stays readable from whichever side the viewer looks at it.
#ifndef GRIDLUX_SOANNOTEXT3_H
#define GRIDLUX_SOANNOTEXT3_H

#include <Inventor/nodes/SoSubNode.h>
#include <Inventor/nodes/SoText3.h>

/**
 * @brief Text node for labels, legends and graduations.
 *
 * Measures, picks and writes exactly like SoText3 (same fields, same geometry), so a bounding
 * box taken before drawing matches what is drawn. When the text's front faces away from the
 * viewer, it is drawn turned half a turn about its vertical centre line, so that it reads
 * left to right on the screen instead of mirrored. Read and written under the name SoAnnoText3.
 */
class SoAnnoText3 : public SoText3 {
  typedef SoText3 inherited;
  SO_NODE_HEADER(SoAnnoText3);

public:
  SoAnnoText3();
  static void initClass();

  virtual void GLRender(SoGLRenderAction* action);

protected:
  virtual ~SoAnnoText3();
};

#endif
