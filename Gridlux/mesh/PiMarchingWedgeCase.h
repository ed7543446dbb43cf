// Marching case of the wedge: its edge ends and the quarter turns it provides.
#ifndef GRIDLUX_PIMARCHINGWEDGECASE_H
#define GRIDLUX_PIMARCHINGWEDGECASE_H

#include <Gridlux/mesh/PiMarchingCase.h>

/**
 * @brief Marching case of the wedge (6 nodes, 9 edges in the cell's local numbering),
 * turned about Y and Z.
 */
class PiMarchingWedgeCase : public PiMarchingCase {
public:
  PiMarchingWedgeCase(int canonicalClass, unsigned char id) : PiMarchingCase(canonicalClass, id) {}

  PiMarchingCase* getRotY(int n) const override;
  PiMarchingCase* getRotZ(int n) const override;
  PiMarchingCase* getReverse() const override;
  int getNumNodes() const override { return 6; }
  int getEdgeNode0(int edge) const override;
  int getEdgeNode1(int edge) const override;
  /** The axes of the quarter turns (bit 0 X, bit 1 Y, bit 2 Z). */
  static int getRotationAxes() { return 6; }
};

#endif
