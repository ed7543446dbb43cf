// Cylindrical bars: a closed cylinder from the threshold line to each point of the series.
#ifndef GRIDLUX_POCYLINDRICALBAR_H
#define GRIDLUX_POCYLINDRICALBAR_H

#include <Gridlux/charts/PiSolidGeometry.h>
#include <Gridlux/charts/PoBar.h>

#include <Inventor/fields/SoSFFloat.h>

/**
 * @brief Draws, for each point (x_i, y_i) of the filtered chart geometry of the current
 * one-dimensional mesh, a closed cylinder from the threshold line to the point: along y from
 * (x_i, threshold) under VERTICAL, along x from (threshold, y_i) under HORIZONTAL. The cross-section
 * is the 16-point circle (the profiles of the state are not read) of radius `barRadius`
 * (SoSFFloat, 0: 0.4 of the mean spacing of the points across the bars; a lone bar takes 0.04 of
 * the domain's extent across them). A negative or non-finite radius posts a message and the
 * default is used.
 *
 * All the bars are one indexed face set in the part `bar`, closed and facing out; bar i takes
 * material entry i of the chart's colours. The radius is measured along the axis across the
 * bars and the depth (z) is compensated for the domain transform, so that bars stay round in the
 * scene. A point on the threshold line draws no bar. Read and written under the name
 * PoCylindricalBar.
 */
class PoCylindricalBar : public PoBar {
  typedef PoBar inherited;
  PO_KIT_HEADER(PoCylindricalBar);

public:
  PoCylindricalBar();
  static void initClass();

  SoSFFloat barRadius;

  void rebuild() override;

protected:
  ~PoCylindricalBar() override;
  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;

private:
  FieldSensorList m_sensors;
  PiSolidGeometry::Mesh m_mesh; // reused between rebuilds
};

#endif
