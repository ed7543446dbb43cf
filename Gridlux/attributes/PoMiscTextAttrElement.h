// Traversal-state element that carries the current text attributes.
#ifndef GRIDLUX_POMISCTEXTATTRELEMENT_H
#define GRIDLUX_POMISCTEXTATTRELEMENT_H

#include <Inventor/elements/SoReplacedElement.h>

class PbMiscTextAttr;

/**
 * @brief Current PbMiscTextAttr of the traversal, set by PoMiscTextAttr and read by the nodes that
 * draw text. Initial value: default attributes owned by the element class.
 */
class PoMiscTextAttrElement : public SoReplacedElement {
  typedef SoReplacedElement inherited;
  SO_ELEMENT_HEADER(PoMiscTextAttrElement);

public:
  static void initClass();

  virtual void init(SoState* state);
  virtual void push(SoState* state);

  /** Stores @p attr when it is not null; the node is recorded for cache matching either way. */
  static void set(SoState* state, SoNode* node, const PbMiscTextAttr* attr);
  static const PbMiscTextAttr* get(SoState* state);
  static const PbMiscTextAttr* getDefault();

protected:
  virtual ~PoMiscTextAttrElement();

private:
  const PbMiscTextAttr* m_attr = nullptr;
  static PbMiscTextAttr* m_defaultMiscTextAttr;
};

#endif
