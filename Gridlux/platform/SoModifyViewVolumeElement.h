// Traversal-state element naming the portion of the view volume being rendered (tiled drawing).
#ifndef GRIDLUX_SOMODIFYVIEWVOLUMEELEMENT_H
#define GRIDLUX_SOMODIFYVIEWVOLUMEELEMENT_H

#include <Inventor/SbVec4f.h>
#include <Inventor/elements/SoReplacedElement.h>

/**
 * @brief The part (x0, y0, x1, y1, normalised) of the view volume that a render draws, and an
 * info flag that views use to record it once per traversal.
 *
 * Default portion (0, 0, 1, 1), the whole volume, and info 0. Views read the portion when the
 * info is 0 and then set it to 1, so that nested views reuse what the outermost one recorded;
 * an info of -1 tells views to use the default portion. Enabled in SoGLRenderAction.
 */
class SoModifyViewVolumeElement : public SoReplacedElement {
  typedef SoReplacedElement inherited;
  SO_ELEMENT_HEADER(SoModifyViewVolumeElement);

public:
  static void initClass();

  virtual void init(SoState* state);
  virtual void push(SoState* state);
  virtual SbBool matches(const SoElement* element) const;
  virtual SoElement* copyMatchInfo() const;

  /** Sets the portion in effect, keeping the info flag. */
  static void set(SoState* state, const SbVec4f& portion);
  static const SbVec4f& get(SoState* state);
  static void setInfo(SoState* state, int info);
  static int getInfo(SoState* state);
  static SbVec4f getDefault() { return SbVec4f(0, 0, 1, 1); }

protected:
  virtual ~SoModifyViewVolumeElement();

  SbVec4f m_portion;
  int m_info = 0;
};

#endif
