// Traversal-state element that carries the edge bevelling of solid chart shapes.
#ifndef GRIDLUX_POBEVELEDGEELEMENT_H
#define GRIDLUX_POBEVELEDGEELEMENT_H

#include <Gridlux/attributes/PoBevelEdge.h>

#include <Inventor/elements/SoReplacedElement.h>

/**
 * @brief Current bevel settings of the traversal, set by PoBevelEdge and read by the bar and
 * pie-chart nodes. Initial value: on, radius 0.05, PERCENTAGE_RADIUS, angle 0.5.
 */
class PoBevelEdgeElement : public SoReplacedElement {
  typedef SoReplacedElement inherited;
  SO_ELEMENT_HEADER(PoBevelEdgeElement);

public:
  static void initClass();

  virtual void init(SoState* state);
  virtual void push(SoState* state);

  static void set(SoState* state, SoNode* node, int on, float radius,
                  PoBevelEdge::RadiusFlag radiusFlag, float bevelAngle);
  static void get(SoState* state, int& on, float& radius, PoBevelEdge::RadiusFlag& radiusFlag,
                  float& bevelAngle);
  static void getDefault(int& on, float& radius, PoBevelEdge::RadiusFlag& radiusFlag,
                         float& bevelAngle);

protected:
  virtual ~PoBevelEdgeElement();

private:
  int m_on = 1;
  float m_radius = 0.05f;
  PoBevelEdge::RadiusFlag m_radiusFlag = PoBevelEdge::PERCENTAGE_RADIUS;
  float m_bevelAngle = 0.5f;
};

#endif
