// Traversal-state element that carries how chart nodes interpret a one-dimensional series.
#ifndef GRIDLUX_POMESH1DHINTSELEMENT_H
#define GRIDLUX_POMESH1DHINTSELEMENT_H

#include <Inventor/elements/SoReplacedElement.h>

/**
 * @brief Current geometry interpretation of one-dimensional meshes (PoMesh1DHints::GeomInterpretation),
 * set by PoMesh1DHints and read by the chart geometry. Initial value: 0 (AS_IS).
 */
class PoMesh1DHintsElement : public SoReplacedElement {
  typedef SoReplacedElement inherited;
  SO_ELEMENT_HEADER(PoMesh1DHintsElement);

public:
  static void initClass();

  virtual void init(SoState* state);
  virtual void push(SoState* state);

  static void set(SoState* state, SoNode* node, int geomInterpretation);
  static int get(SoState* state);
  static int getDefault() { return 0; }

protected:
  virtual ~PoMesh1DHintsElement();

private:
  int m_geomInterpretation = 0;
};

#endif
