// Profile node of a user-given outline, checked before any solid is built on it.
#include <Gridlux/attributes/PoProfileCoordinate2.h>

#include <Gridlux/attributes/PiProfilePolygon.h>
#include <Gridlux/base/PoDebugError.h>

#include <cmath>

PO_NODE_SOURCE(PoProfileCoordinate2);

void PoProfileCoordinate2::initClass()
{
  PO_NODE_INIT_CLASS(PoProfileCoordinate2, PoProfile, "PoProfile");
}

PoProfileCoordinate2::PoProfileCoordinate2()
{
  SO_NODE_CONSTRUCTOR(PoProfileCoordinate2);
  SO_NODE_ADD_FIELD(point, (SbVec2f(0.0f, 0.0f)));
  point.setNum(0);
  point.setDefault(TRUE);
}

PoProfileCoordinate2::~PoProfileCoordinate2() = default;

void PoProfileCoordinate2::computePolygon(std::vector<SbVec2f>& points) const
{
  static const char* where = "PoProfileCoordinate2::getPolygon";
  const int n = point.getNum();
  const SbVec2f* p = point.getValues(0);
  if (n < 3) {
    PoDebugError::post(where, "%d points do not make an outline; at least 3 are needed; the default circle is used",
                       n);
    return;
  }
  for (int i = 0; i < n; ++i) {
    if (!std::isfinite(p[i][0]) || !std::isfinite(p[i][1])) {
      PoDebugError::post(where, "point %d is not finite; the default circle is used", i);
      return;
    }
  }
  if (PiProfilePolygon::selfCrossing(p, n)) {
    PoDebugError::post(where, "the outline of %d points crosses itself; the default circle is used", n);
    return;
  }
  if (PiProfilePolygon::signedArea(p, n) == 0.0) {
    PoDebugError::post(where, "the outline of %d points encloses no area; the default circle is used", n);
    return;
  }
  points.assign(p, p + n);
}
