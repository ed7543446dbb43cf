// Profile given point by point.
#ifndef GRIDLUX_POPROFILECOORDINATE2_H
#define GRIDLUX_POPROFILECOORDINATE2_H

#include <Gridlux/attributes/PoProfile.h>

#include <Inventor/fields/SoMFVec2f.h>

/**
 * @brief Profile of the closed outline through `point` (empty), taken as given: it is not moved to the
 * origin, and an outline given clockwise is reversed so that the solids built on it face out. Fewer
 * than 3 points, a point that is not finite, a zero-area or a self-crossing outline posts a message
 * and the default circle is used.
 */
class PoProfileCoordinate2 : public PoProfile {
  typedef PoProfile inherited;
  PO_NODE_HEADER(PoProfileCoordinate2);

public:
  PoProfileCoordinate2();
  static void initClass();

  SoMFVec2f point;

protected:
  ~PoProfileCoordinate2() override;
  void computePolygon(std::vector<SbVec2f>& points) const override;
};

#endif
