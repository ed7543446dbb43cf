// Property node with the bevelling of the edges of solid chart shapes.
#ifndef GRIDLUX_POBEVELEDGE_H
#define GRIDLUX_POBEVELEDGE_H

#include <Gridlux/base/PoNode.h>

#include <Inventor/fields/SoSFBool.h>
#include <Inventor/fields/SoSFEnum.h>
#include <Inventor/fields/SoSFFloat.h>

/**
 * @brief Sets PoBevelEdgeElement: whether edges are bevelled, the bevel radius (absolute, or a
 * fraction of the shape's size) and the bevel angle.
 *
 * Fields: on (SoSFBool, TRUE), radius (SoSFFloat, 0.05), radiusFlag (SoSFEnum RadiusFlag,
 * PERCENTAGE_RADIUS), bevelAngle (SoSFFloat, 0.5). When radius or bevelAngle is marked ignored
 * the node leaves the element as inherited. Read and written under the name PoBevelEdge.
 */
class PoBevelEdge : public PoNode {
  typedef PoNode inherited;
  PO_NODE_HEADER(PoBevelEdge);

public:
  PoBevelEdge();
  static void initClass();

  enum RadiusFlag {
    ABSOLUTE_RADIUS = 0,
    PERCENTAGE_RADIUS = 1
  };

  SoSFBool on;
  SoSFFloat radius;
  SoSFEnum radiusFlag;
  SoSFFloat bevelAngle;

  void doAction(SoAction* action) override;

protected:
  ~PoBevelEdge() override;
};

#endif
