// Axis-aligned rectangle cell of flat parallelepiped and regular 2D grids.
#ifndef GRIDLUX_PBPIXELCELL_H
#define GRIDLUX_PBPIXELCELL_H

#include <Gridlux/mesh/PbCell.h>

/**
 * @brief Pixel: an axis-aligned quadrangle in z = 0 with the quadrangle's numbering and weights.
 *
 * Location is direct: r = (x - x0) / (x2 - x0) and s likewise, x0 and x2 being the coordinates
 * of local nodes 0 and 2. A pixel of zero width accepts nothing.
 */
class PbPixelCell : public PbCell {
public:
  explicit PbPixelCell(const PbMesh* owner = nullptr);

  /** Nodes in local order; the corners (@p x0, @p y0) of node 0 and (@p x1, @p y1) of node 2. */
  void set(int index, const int* nodes, float x0, float y0, float x1, float y1);

  float getArea() const override;
  int locatePoint(const SbVec3f& point, float tolerance, SbVec3f& pcoord) const override;
  void getWeight(const SbVec3f& pcoord, float* weights) const override;
};

#endif
