// Traversal-state element that carries the current domain.
#ifndef GRIDLUX_PODOMAINELEMENT_H
#define GRIDLUX_PODOMAINELEMENT_H

#include <Inventor/elements/SoReplacedElement.h>

class PbDomain;

/**
 * @brief Current PbDomain of the traversal, set by PoDomain and read by every chart and
 * representation node. Initial value: a default domain owned by the element class.
 */
class PoDomainElement : public SoReplacedElement {
  typedef SoReplacedElement inherited;
  SO_ELEMENT_HEADER(PoDomainElement);

public:
  static void initClass();

  virtual void init(SoState* state);
  virtual void push(SoState* state);

  /** Stores @p domain when it is not null; the node is recorded for cache matching either way. */
  static void set(SoState* state, SoNode* node, const PbDomain* domain);
  static const PbDomain* get(SoState* state);
  static const PbDomain* getDefault();

protected:
  virtual ~PoDomainElement();

private:
  const PbDomain* m_domain = nullptr;
  static PbDomain* m_defaultDomain;
};

#endif
