// Profile base: sets the profile element and keeps the subclass's outline between field changes.
#include <Gridlux/attributes/PoProfile.h>

#include <Gridlux/attributes/PiProfilePolygon.h>
#include <Gridlux/attributes/PoProfileElement.h>

#include <Inventor/actions/SoAction.h>

#include <algorithm>

PO_NODE_ABSTRACT_SOURCE(PoProfile);

void PoProfile::initClass()
{
  PO_NODE_INIT_ABSTRACT_CLASS(PoProfile, PoNode, "PoNode");
}

PoProfile::PoProfile()
{
  SO_NODE_CONSTRUCTOR(PoProfile);
}

PoProfile::~PoProfile() = default;

void PoProfile::doAction(SoAction* action)
{
  PoProfileElement::set(action->getState(), this, this);
}

const SbVec2f* PoProfile::getDefaultPolygon(int& numPoints)
{
  static const std::vector<SbVec2f> circle = [] {
    std::vector<SbVec2f> points;
    PiProfilePolygon::circle(1.0f, PiProfilePolygon::kDefaultNumPoints, points);
    return points;
  }();
  numPoints = int(circle.size());
  return circle.data();
}

const SbVec2f* PoProfile::getPolygon(int& numPoints) const
{
  // The node id changes with every field edit, so it tells when the outline is stale.
  if (!m_polygonValid || m_polygonNodeId != getNodeId()) {
    m_polygon.clear();
    computePolygon(m_polygon);
    m_polygonNodeId = getNodeId();
    m_polygonValid = true;
    if (m_polygon.size() >= 3 && PiProfilePolygon::signedArea(m_polygon.data(), int(m_polygon.size())) < 0)
      std::reverse(m_polygon.begin(), m_polygon.end()); // outlines given clockwise still face out
  }
  if (m_polygon.size() < 3)
    return getDefaultPolygon(numPoints);
  numPoints = int(m_polygon.size());
  return m_polygon.data();
}
