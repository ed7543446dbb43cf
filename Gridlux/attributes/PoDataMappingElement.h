// Traversal-state element that carries the current data mapping.
#ifndef GRIDLUX_PODATAMAPPINGELEMENT_H
#define GRIDLUX_PODATAMAPPINGELEMENT_H

#include <Inventor/elements/SoReplacedElement.h>

class PbDataMapping;

/**
 * @brief Current PbDataMapping of the traversal, set by the data-mapping property nodes and read
 * by every node that colours by value. Initial value: null (no mapping; inherited colouring).
 */
class PoDataMappingElement : public SoReplacedElement {
  typedef SoReplacedElement inherited;
  SO_ELEMENT_HEADER(PoDataMappingElement);

public:
  static void initClass();

  virtual void init(SoState* state);
  virtual void push(SoState* state);

  /** Stores @p mapping when it is not null; the node is recorded for cache matching either way. */
  static void set(SoState* state, SoNode* node, const PbDataMapping* mapping);
  static const PbDataMapping* get(SoState* state);

protected:
  virtual ~PoDataMappingElement();

private:
  const PbDataMapping* m_dataMapping = nullptr;
};

#endif
