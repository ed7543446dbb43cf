// Traversal-state element that carries the profile solid charts sweep or extrude.
#ifndef GRIDLUX_POPROFILEELEMENT_H
#define GRIDLUX_POPROFILEELEMENT_H

#include <Inventor/SbBox2f.h>
#include <Inventor/SbVec2f.h>
#include <Inventor/elements/SoReplacedElement.h>

class PoProfile;

/**
 * @brief Current PoProfile node of the traversal, set by the profile when traversed. Initial value:
 * null, for which the computations below use the circle of radius 1 with 16 points.
 */
class PoProfileElement : public SoReplacedElement {
  typedef SoReplacedElement inherited;
  SO_ELEMENT_HEADER(PoProfileElement);

public:
  static void initClass();

  virtual void init(SoState* state);
  virtual void push(SoState* state);

  /** Stores @p profile and records @p node (the profile itself) for cache matching. */
  static void set(SoState* state, SoNode* node, const PoProfile* profile);
  static const PoProfile* get(SoState* state);
  static const PoProfile* getDefault() { return nullptr; }

  /**
   * The current outline scaled by @p scale; @p numPoints receives its point count (3 or more). The
   * points live in a buffer of the calling thread, valid until its next call.
   */
  static const SbVec2f* getProfile(SoState* state, float scale, int& numPoints);
  /** Bounding box of the current outline, unscaled. */
  static SbBox2f getBBox(SoState* state);

protected:
  virtual ~PoProfileElement();

private:
  const PoProfile* m_profile = nullptr;
};

#endif
