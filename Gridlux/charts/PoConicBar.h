// Conic bars: a cone from the threshold line, its base there, to an apex at each point.
#ifndef GRIDLUX_POCONICBAR_H
#define GRIDLUX_POCONICBAR_H

#include <Gridlux/charts/PiSolidGeometry.h>
#include <Gridlux/charts/PoBar.h>

#include <Inventor/fields/SoSFFloat.h>

/**
 * @brief Draws, for each point (x_i, y_i) of the filtered chart geometry of the current
 * one-dimensional mesh, a closed cone whose base, the 16-point circle of radius `barRadius`, lies
 * on the threshold line and whose apex is the point: along y under VERTICAL, along x under
 * HORIZONTAL. `barRadius` (SoSFFloat, 0: 0.4 of the mean spacing of the points across the bars; a
 * lone bar takes 0.04 of the domain's extent across them); a negative or non-finite radius posts a
 * message and the default is used.
 *
 * All the cones are one indexed face set in the part `bar`, closed and facing out; cone i takes
 * material entry i of the chart's colours, and its depth (z) is compensated for the domain
 * transform so that it stays round in the scene. Read and written under the name PoConicBar.
 */
class PoConicBar : public PoBar {
  typedef PoBar inherited;
  PO_KIT_HEADER(PoConicBar);

public:
  PoConicBar();
  static void initClass();

  SoSFFloat barRadius;

  void rebuild() override;

protected:
  ~PoConicBar() override;
  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;

private:
  FieldSensorList m_sensors;
  PiSolidGeometry::Mesh m_mesh; // reused between rebuilds
};

#endif
