// Circular profile node.
#include <Gridlux/attributes/PoCircularProfile.h>

#include <Gridlux/attributes/PiProfilePolygon.h>
#include <Gridlux/base/PoDebugError.h>

#include <cmath>

PO_NODE_SOURCE(PoCircularProfile);

void PoCircularProfile::initClass()
{
  PO_NODE_INIT_CLASS(PoCircularProfile, PoProfile, "PoProfile");
}

PoCircularProfile::PoCircularProfile()
{
  SO_NODE_CONSTRUCTOR(PoCircularProfile);
  SO_NODE_ADD_FIELD(radius, (1.0f));
  SO_NODE_ADD_FIELD(numPoints, (PiProfilePolygon::kDefaultNumPoints));
}

PoCircularProfile::~PoCircularProfile() = default;

void PoCircularProfile::computePolygon(std::vector<SbVec2f>& points) const
{
  const float r = radius.getValue();
  const int n = numPoints.getValue();
  if (!(std::isfinite(r) && r > 0.0f) || n < 3 || n > 100000) {
    PoDebugError::post("PoCircularProfile::getPolygon",
                       "radius %g with %d points is not an outline; the default circle is used", r, n);
    return;
  }
  PiProfilePolygon::circle(r, n, points);
}
