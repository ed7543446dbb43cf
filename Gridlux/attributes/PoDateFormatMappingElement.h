// Traversal-state element that carries the current date format mapping.
#ifndef GRIDLUX_PODATEFORMATMAPPINGELEMENT_H
#define GRIDLUX_PODATEFORMATMAPPINGELEMENT_H

#include <Inventor/elements/SoReplacedElement.h>

class PbDateFormatMapping;

/**
 * @brief Current PbDateFormatMapping of the traversal, set by PoDateFormatMapping and read by
 * the time axes. Initial value: a default mapping owned by the element class.
 */
class PoDateFormatMappingElement : public SoReplacedElement {
  typedef SoReplacedElement inherited;
  SO_ELEMENT_HEADER(PoDateFormatMappingElement);

public:
  static void initClass();

  virtual void init(SoState* state);
  virtual void push(SoState* state);

  /** Stores @p mapping when it is not null; the node is recorded for cache matching either way. */
  static void set(SoState* state, SoNode* node, const PbDateFormatMapping* mapping);
  static const PbDateFormatMapping* get(SoState* state);
  static const PbDateFormatMapping* getDefault();

protected:
  virtual ~PoDateFormatMappingElement();

private:
  const PbDateFormatMapping* m_mapping = nullptr;
  static PbDateFormatMapping* m_defaultDateFormatMapping;
};

#endif
