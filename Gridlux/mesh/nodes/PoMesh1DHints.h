// Property node that tells chart nodes how to draw a one-dimensional series between its nodes.
#ifndef GRIDLUX_POMESH1DHINTS_H
#define GRIDLUX_POMESH1DHINTS_H

#include <Gridlux/base/PoNode.h>

#include <Inventor/fields/SoSFEnum.h>

/**
 * @brief Sets PoMesh1DHintsElement to its geometry interpretation.
 *
 * Field: geomInterpretation (SoSFEnum, AS_IS): AS_IS (the nodes), SMOOTH (a cubic spline),
 * STAIRS_X / STAIRS_Y (steps, horizontal / vertical first), HISTO_X / HISTO_Y (histogram outline
 * with its steps half-way between nodes), STAIRS_2X / STAIRS_2Y (steps through the mid-points).
 * Read and written under the name PoMesh1DHints.
 */
class PoMesh1DHints : public PoNode {
  typedef PoNode inherited;
  PO_NODE_HEADER(PoMesh1DHints);

public:
  enum GeomInterpretation {
    AS_IS = 0,
    SMOOTH = 1,
    STAIRS_X = 2,
    STAIRS_Y = 3,
    HISTO_X = 4,
    HISTO_Y = 5,
    STAIRS_2X = 6,
    STAIRS_2Y = 7
  };

  PoMesh1DHints();
  static void initClass();

  SoSFEnum geomInterpretation;

  void doAction(SoAction* action) override;

protected:
  ~PoMesh1DHints() override;
};

#endif
