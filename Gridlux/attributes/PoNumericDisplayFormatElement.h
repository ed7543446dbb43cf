// Traversal-state element that carries the current numeric display format.
#ifndef GRIDLUX_PONUMERICDISPLAYFORMATELEMENT_H
#define GRIDLUX_PONUMERICDISPLAYFORMATELEMENT_H

#include <Inventor/elements/SoReplacedElement.h>

class PbNumericDisplayFormat;

/**
 * @brief Current PbNumericDisplayFormat of the traversal, set by PoNumericDisplayFormat and read
 * by the nodes that print numbers. Initial value: an automatic format (AUTO_FORMAT, 0, 0) owned
 * by the element class.
 */
class PoNumericDisplayFormatElement : public SoReplacedElement {
  typedef SoReplacedElement inherited;
  SO_ELEMENT_HEADER(PoNumericDisplayFormatElement);

public:
  static void initClass();

  virtual void init(SoState* state);
  virtual void push(SoState* state);

  /** Stores @p format when it is not null; the node is recorded for cache matching either way. */
  static void set(SoState* state, SoNode* node, const PbNumericDisplayFormat* format);
  static const PbNumericDisplayFormat* get(SoState* state);
  static const PbNumericDisplayFormat* getDefault();

protected:
  virtual ~PoNumericDisplayFormatElement();

private:
  const PbNumericDisplayFormat* m_format = nullptr;
  static PbNumericDisplayFormat* m_defaultNumericDisplayFormat;
};

#endif
