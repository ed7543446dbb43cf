// Circular profile: the regular polygon inscribed in a circle.
#ifndef GRIDLUX_POCIRCULARPROFILE_H
#define GRIDLUX_POCIRCULARPROFILE_H

#include <Gridlux/attributes/PoProfile.h>

#include <Inventor/fields/SoSFFloat.h>
#include <Inventor/fields/SoSFInt32.h>

/**
 * @brief Profile of the regular polygon of `numPoints` points (16) inscribed in the circle of
 * `radius` (1) around the origin, its first point on the positive x axis. A radius that is not a
 * positive finite number, or fewer than 3 points, posts a message and the default circle is used.
 */
class PoCircularProfile : public PoProfile {
  typedef PoProfile inherited;
  PO_NODE_HEADER(PoCircularProfile);

public:
  PoCircularProfile();
  static void initClass();

  SoSFFloat radius;
  SoSFInt32 numPoints;

protected:
  ~PoCircularProfile() override;
  void computePolygon(std::vector<SbVec2f>& points) const override;
};

#endif
