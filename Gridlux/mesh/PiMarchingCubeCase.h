// Marching case of the hexahedron: its edge ends and the quarter turns it provides.
#ifndef GRIDLUX_PIMARCHINGCUBECASE_H
#define GRIDLUX_PIMARCHINGCUBECASE_H

#include <Gridlux/mesh/PiMarchingCase.h>

/**
 * @brief Marching case of the hexahedron (8 nodes, 12 edges in the cell's local numbering),
 * turned about X and Y and Z.
 */
class PiMarchingCubeCase : public PiMarchingCase {
public:
  PiMarchingCubeCase(int canonicalClass, unsigned char id) : PiMarchingCase(canonicalClass, id) {}

  PiMarchingCase* getRotX(int n) const override;
  PiMarchingCase* getRotY(int n) const override;
  PiMarchingCase* getRotZ(int n) const override;
  PiMarchingCase* getReverse() const override;
  int getNumNodes() const override { return 8; }
  int getEdgeNode0(int edge) const override;
  int getEdgeNode1(int edge) const override;
  /** The axes of the quarter turns (bit 0 X, bit 1 Y, bit 2 Z). */
  static int getRotationAxes() { return 7; }
};

#endif
