// Traversal-state element that carries the current cell filter node.
#ifndef GRIDLUX_POCELLFILTERELEMENT_H
#define GRIDLUX_POCELLFILTERELEMENT_H

#include <Inventor/elements/SoReplacedElement.h>

class PoCellFilter;

/**
 * @brief Current cell filter of the traversal: the PoCellFilter node itself, set when it is
 * traversed and read by the mesh representations. Initial value: null (every cell kept).
 */
class PoCellFilterElement : public SoReplacedElement {
  typedef SoReplacedElement inherited;
  SO_ELEMENT_HEADER(PoCellFilterElement);

public:
  static void initClass();

  virtual void init(SoState* state);
  virtual void push(SoState* state);

  /** Stores @p node, which must be a PoCellFilter, and records it for cache matching. */
  static void set(SoState* state, SoNode* node);
  static const PoCellFilter* get(SoState* state);

protected:
  virtual ~PoCellFilterElement();

private:
  const PoCellFilter* m_cellFilter = nullptr;
};

#endif
