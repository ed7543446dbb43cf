// Square profile node.
#include <Gridlux/attributes/PoSquareProfile.h>

#include <Gridlux/base/PoDebugError.h>

#include <cmath>

PO_NODE_SOURCE(PoSquareProfile);

void PoSquareProfile::initClass()
{
  PO_NODE_INIT_CLASS(PoSquareProfile, PoProfile, "PoProfile");
}

PoSquareProfile::PoSquareProfile()
{
  SO_NODE_CONSTRUCTOR(PoSquareProfile);
  SO_NODE_ADD_FIELD(size, (1.0f));
}

PoSquareProfile::~PoSquareProfile() = default;

void PoSquareProfile::computePolygon(std::vector<SbVec2f>& points) const
{
  const float h = 0.5f * size.getValue();
  if (!(std::isfinite(h) && h > 0.0f)) {
    PoDebugError::post("PoSquareProfile::getPolygon", "size %g is not a size; the default circle is used",
                       size.getValue());
    return;
  }
  points = {SbVec2f(-h, -h), SbVec2f(h, -h), SbVec2f(h, h), SbVec2f(-h, h)};
}
