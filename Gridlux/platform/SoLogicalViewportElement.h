// Traversal-state element holding the logical viewport: the whole window a tiled render stands for.
#ifndef GRIDLUX_SOLOGICALVIEWPORTELEMENT_H
#define GRIDLUX_SOLOGICALVIEWPORTELEMENT_H

#include <Inventor/SbViewportRegion.h>
#include <Inventor/elements/SoReplacedElement.h>

/**
 * @brief The viewport region of the logical window, which may be larger than the one being drawn
 * when only a portion of the view volume is rendered.
 *
 * Until set, get() answers the state's viewport region (SoViewportRegionElement), so that an
 * ordinary render's logical viewport is its real one. Enabled in SoGLRenderAction.
 */
class SoLogicalViewportElement : public SoReplacedElement {
  typedef SoReplacedElement inherited;
  SO_ELEMENT_HEADER(SoLogicalViewportElement);

public:
  static void initClass();

  virtual void init(SoState* state);
  virtual void push(SoState* state);
  virtual SbBool matches(const SoElement* element) const;
  virtual SoElement* copyMatchInfo() const;

  static void set(SoState* state, const SbViewportRegion& region);
  static SbViewportRegion get(SoState* state);

protected:
  virtual ~SoLogicalViewportElement();

  SbViewportRegion m_region;
  bool m_isSet = false;
};

#endif
