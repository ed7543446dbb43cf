// Profile bars: the profile of the state extruded from the threshold line to each point.
#ifndef GRIDLUX_POPROFILEBAR_H
#define GRIDLUX_POPROFILEBAR_H

#include <Gridlux/charts/PiSolidGeometry.h>
#include <Gridlux/charts/PoBar.h>

#include <Inventor/fields/SoSFFloat.h>

/**
 * @brief Draws, for each point of the filtered chart geometry of the current one-dimensional mesh,
 * the profile of the state (PoProfileElement; the 16-point unit circle when none) scaled by
 * `barSize` and extruded from the threshold line to the point, closed by flat caps. Under VERTICAL
 * the profile's x runs along x and its y along z; under HORIZONTAL its x runs along y and its y
 * along z. `barSize` (SoSFFloat, 0: 0.4 of the mean spacing of the points across the bars, a lone
 * bar 0.04 of the domain's extent across them); a negative or non-finite size posts a message and
 * the default is used.
 *
 * All the bars are one indexed face set in the part `bar`, closed and facing out, bar i taking
 * material entry i; a change of the profile in the state rebuilds the chart. Read and written
 * under the name PoProfileBar.
 */
class PoProfileBar : public PoBar {
  typedef PoBar inherited;
  PO_KIT_HEADER(PoProfileBar);

public:
  PoProfileBar();
  static void initClass();

  SoSFFloat barSize;

  void rebuild() override;

protected:
  ~PoProfileBar() override;
  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;
  void preRebuild() override;
  void addElementsAllCaches() override;

private:
  FieldSensorList m_sensors;
  PiSolidGeometry::Mesh m_mesh; // reused between rebuilds
};

#endif
