// Traversal-state element that carries the current list of isovalues.
#ifndef GRIDLUX_POISOVALUESLISTELEMENT_H
#define GRIDLUX_POISOVALUESLISTELEMENT_H

#include <Inventor/elements/SoReplacedElement.h>

class PbIsovaluesList;

/**
 * @brief Current PbIsovaluesList of the traversal, set by PoIsovaluesList and read by the
 * contouring and band-colouring representations and the value legends. Initial value: null.
 */
class PoIsovaluesListElement : public SoReplacedElement {
  typedef SoReplacedElement inherited;
  SO_ELEMENT_HEADER(PoIsovaluesListElement);

public:
  static void initClass();

  virtual void init(SoState* state);
  virtual void push(SoState* state);

  /** Stores @p isovaluesList when not null; the node is recorded for cache matching either way. */
  static void set(SoState* state, SoNode* node, const PbIsovaluesList* isovaluesList);
  static const PbIsovaluesList* get(SoState* state);

protected:
  virtual ~PoIsovaluesListElement();

private:
  const PbIsovaluesList* m_isovaluesList = nullptr;
};

#endif
