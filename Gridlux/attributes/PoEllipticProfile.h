// Elliptic profile: a polygon on an ellipse.
#ifndef GRIDLUX_POELLIPTICPROFILE_H
#define GRIDLUX_POELLIPTICPROFILE_H

#include <Gridlux/attributes/PoProfile.h>

#include <Inventor/fields/SoSFFloat.h>
#include <Inventor/fields/SoSFInt32.h>

/**
 * @brief Profile of `numPoints` points (16) on the ellipse of half-axes `radiusX` (1) along x and
 * `radiusY` (0.5) along y, at equal steps of the ellipse's parameter angle. Half-axes that are not
 * positive finite numbers, or fewer than 3 points, post a message and the default circle is used.
 */
class PoEllipticProfile : public PoProfile {
  typedef PoProfile inherited;
  PO_NODE_HEADER(PoEllipticProfile);

public:
  PoEllipticProfile();
  static void initClass();

  SoSFFloat radiusX;
  SoSFFloat radiusY;
  SoSFInt32 numPoints;

protected:
  ~PoEllipticProfile() override;
  void computePolygon(std::vector<SbVec2f>& points) const override;
};

#endif
