// Marching case of the pyramid: its edge ends and the quarter turns it provides.
#ifndef GRIDLUX_PIMARCHINGPYRACASE_H
#define GRIDLUX_PIMARCHINGPYRACASE_H

#include <Gridlux/mesh/PiMarchingCase.h>

/**
 * @brief Marching case of the pyramid (5 nodes, 8 edges in the cell's local numbering),
 * turned about X.
 */
class PiMarchingPyraCase : public PiMarchingCase {
public:
  PiMarchingPyraCase(int canonicalClass, unsigned char id) : PiMarchingCase(canonicalClass, id) {}

  PiMarchingCase* getRotX(int n) const override;
  PiMarchingCase* getReverse() const override;
  int getNumNodes() const override { return 5; }
  int getEdgeNode0(int edge) const override;
  int getEdgeNode1(int edge) const override;
  /** The axes of the quarter turns (bit 0 X, bit 1 Y, bit 2 Z). */
  static int getRotationAxes() { return 1; }
};

#endif
