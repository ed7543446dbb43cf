// Traversal-state element that carries the current filter of one-dimensional series.
#ifndef GRIDLUX_POMESH1DFILTERELEMENT_H
#define GRIDLUX_POMESH1DFILTERELEMENT_H

#include <Inventor/elements/SoReplacedElement.h>

class PoMesh1DFilter;

/**
 * @brief Current PoMesh1DFilter node of the traversal, set by the filter when traversed and read
 * by the chart geometry. Initial value: null (every node kept).
 */
class PoMesh1DFilterElement : public SoReplacedElement {
  typedef SoReplacedElement inherited;
  SO_ELEMENT_HEADER(PoMesh1DFilterElement);

public:
  static void initClass();

  virtual void init(SoState* state);
  virtual void push(SoState* state);

  /** Stores @p filter and records @p node (the filter itself) for cache matching. */
  static void set(SoState* state, SoNode* node, const PoMesh1DFilter* filter);
  static const PoMesh1DFilter* get(SoState* state);
  static const PoMesh1DFilter* getDefault() { return nullptr; }

protected:
  virtual ~PoMesh1DFilterElement();

private:
  const PoMesh1DFilter* m_filter = nullptr;
};

#endif
