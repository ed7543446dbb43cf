// Base of the property nodes that give solid charts the outline they sweep or extrude.
#ifndef GRIDLUX_POPROFILE_H
#define GRIDLUX_POPROFILE_H

#include <Gridlux/base/PoNode.h>

#include <Inventor/SbVec2f.h>

#include <vector>

/**
 * @brief Profile: a closed 2D polygon, counter-clockwise and centred on the origin, that tubes and
 * solid bars sweep or extrude. When traversed it sets PoProfileElement to itself; the charts read it
 * through the element, and with no profile in the state they use a circle of radius 1 and 16 points.
 *
 * The subclasses only describe their outline (computePolygon()); the base keeps the computed outline
 * until a field of the node changes, so a chart rebuild does not recompute it.
 */
class PoProfile : public PoNode {
  typedef PoNode inherited;
  PO_NODE_ABSTRACT_HEADER(PoProfile);

public:
  static void initClass();

  /**
   * The outline's points (the first is not repeated at the end), counter-clockwise; @p numPoints
   * receives their count, always 3 or more. The pointer stays valid until a field of the node changes.
   */
  const SbVec2f* getPolygon(int& numPoints) const;

  /** The outline used where no profile is in force: the circle of radius 1 with 16 points. */
  static const SbVec2f* getDefaultPolygon(int& numPoints);

  void doAction(SoAction* action) override;

protected:
  PoProfile();
  ~PoProfile() override;

  /**
   * Fills @p points with the outline from the fields. An outline it cannot give (too few points,
   * a self-crossing line) is left empty after posting a message; the default circle is used instead.
   */
  virtual void computePolygon(std::vector<SbVec2f>& points) const = 0;

private:
  mutable std::vector<SbVec2f> m_polygon;
  mutable SbUniqueId m_polygonNodeId = 0;
  mutable bool m_polygonValid = false;
};

#endif
