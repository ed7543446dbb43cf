// Bars from a threshold line to each of a free set of points.
#ifndef GRIDLUX_POPOINTSFIELDBARS_H
#define GRIDLUX_POPOINTSFIELDBARS_H

#include <Gridlux/base/PoChartwork.h>

#include <Inventor/fields/SoMFVec2f.h>
#include <Inventor/fields/SoSFFloat.h>

#include <vector>

class SbVec3f;

/**
 * @brief A vertical bar at each point of the plane z = 0, from y = threshold to the point.
 *
 * Fields: point (SoMFVec2f, empty), threshold (SoSFFloat, 0), barWidth (SoSFFloat, 0): the
 * bars' width as a fraction of the domain width; 0 draws each bar as a line, a positive width
 * as a filled rectangle x +- width / 2 (counter-clockwise seen from +z). A negative or
 * non-finite width is reported and drawn as lines. Points that are not finite are dropped with
 * a warning. The bars take the inherited material, like the line bars of a one-dimensional mesh.
 *
 * Part: `bars` (SoGroup: an SoCoordinate3 and an SoLineSet of two points per bar, or an
 * SoFaceSet of four). Read and written under the name PoPointsFieldBars.
 */
class PoPointsFieldBars : public PoChartwork {
  typedef PoChartwork inherited;
  PO_KIT_HEADER(PoPointsFieldBars);

  SO_KIT_CATALOG_ENTRY_HEADER(bars);

public:
  PoPointsFieldBars();
  static void initClass();

  SoMFVec2f point;
  SoSFFloat threshold;
  SoSFFloat barWidth;

  void rebuild() override;

protected:
  ~PoPointsFieldBars() override;
  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;

private:
  FieldSensorList m_sensors;
  // Scratch reused between rebuilds.
  std::vector<int> m_kept;
  std::vector<SbVec3f> m_coords;
};

#endif
