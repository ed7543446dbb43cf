// Elliptic profile node.
#include <Gridlux/attributes/PoEllipticProfile.h>

#include <Gridlux/attributes/PiProfilePolygon.h>
#include <Gridlux/base/PoDebugError.h>

#include <cmath>

PO_NODE_SOURCE(PoEllipticProfile);

void PoEllipticProfile::initClass()
{
  PO_NODE_INIT_CLASS(PoEllipticProfile, PoProfile, "PoProfile");
}

PoEllipticProfile::PoEllipticProfile()
{
  SO_NODE_CONSTRUCTOR(PoEllipticProfile);
  SO_NODE_ADD_FIELD(radiusX, (1.0f));
  SO_NODE_ADD_FIELD(radiusY, (0.5f));
  SO_NODE_ADD_FIELD(numPoints, (PiProfilePolygon::kDefaultNumPoints));
}

PoEllipticProfile::~PoEllipticProfile() = default;

void PoEllipticProfile::computePolygon(std::vector<SbVec2f>& points) const
{
  const float rx = radiusX.getValue(), ry = radiusY.getValue();
  const int n = numPoints.getValue();
  if (!(std::isfinite(rx) && rx > 0.0f && std::isfinite(ry) && ry > 0.0f) || n < 3 || n > 100000) {
    PoDebugError::post("PoEllipticProfile::getPolygon",
                       "half-axes %g and %g with %d points are not an outline; the default circle is used", rx,
                       ry, n);
    return;
  }
  PiProfilePolygon::ellipse(rx, ry, n, points);
}
