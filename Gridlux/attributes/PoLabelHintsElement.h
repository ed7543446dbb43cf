// Traversal-state element that carries the label layout hints.
#ifndef GRIDLUX_POLABELHINTSELEMENT_H
#define GRIDLUX_POLABELHINTSELEMENT_H

#include <Gridlux/attributes/PoLabelHints.h>

#include <Inventor/elements/SoReplacedElement.h>

/**
 * @brief Current label hints of the traversal, set by PoLabelHints and read by the label and
 * pie-chart nodes. Initial value: PATH_DEPEND, DEPEND, no added string, no label lines.
 */
class PoLabelHintsElement : public SoReplacedElement {
  typedef SoReplacedElement inherited;
  SO_ELEMENT_HEADER(PoLabelHintsElement);

public:
  static void initClass();

  virtual void init(SoState* state);
  virtual void push(SoState* state);

  /**
   * Stores the hints; with @p addStringIgnored the string inherited from above is kept. The
   * string is borrowed from the setting node.
   */
  static void set(SoState* state, SoNode* node, PoLabelHints::LabelPath labelPath,
                  PoLabelHints::Justification justification, const char* addString,
                  int addStringIgnored, int isLabelLineVisible);
  static void get(SoState* state, PoLabelHints::LabelPath& labelPath,
                  PoLabelHints::Justification& justification, const char*& addString,
                  int& isLabelLineVisible);
  static void getDefault(PoLabelHints::LabelPath& labelPath,
                         PoLabelHints::Justification& justification, const char*& addString,
                         int& isLabelLineVisible);

protected:
  virtual ~PoLabelHintsElement();

private:
  PoLabelHints::LabelPath m_labelPath = PoLabelHints::PATH_DEPEND;
  PoLabelHints::Justification m_justification = PoLabelHints::DEPEND;
  const char* m_addString = nullptr;
  int m_isLabelLineVisible = 0;
};

#endif
