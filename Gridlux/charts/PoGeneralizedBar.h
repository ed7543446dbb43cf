// Generalized bars: the profile of the state extruded to each point, its top scaled.
#ifndef GRIDLUX_POGENERALIZEDBAR_H
#define GRIDLUX_POGENERALIZEDBAR_H

#include <Gridlux/charts/PiSolidGeometry.h>
#include <Gridlux/charts/PoBar.h>

#include <Inventor/fields/SoSFFloat.h>

/**
 * @brief As PoProfileBar (the state's profile scaled by `barSize` and extruded from the threshold
 * line to each point of the series), with the top of each bar, at the point, scaled by `topRatio`
 * (SoSFFloat, 1): 1 gives a prism, 0 a pyramid or cone with its apex at the point, values between a
 * frustum and values above 1 a bar that widens toward the point. A negative or non-finite ratio
 * posts a message and 1 is used.
 *
 * All the bars are one indexed face set in the part `bar`, closed and facing out, bar i taking
 * material entry i. Read and written under the name PoGeneralizedBar.
 */
class PoGeneralizedBar : public PoBar {
  typedef PoBar inherited;
  PO_KIT_HEADER(PoGeneralizedBar);

public:
  PoGeneralizedBar();
  static void initClass();

  SoSFFloat barSize;
  SoSFFloat topRatio;

  void rebuild() override;

protected:
  ~PoGeneralizedBar() override;
  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;
  void preRebuild() override;
  void addElementsAllCaches() override;

private:
  FieldSensorList m_sensors;
  PiSolidGeometry::Mesh m_mesh; // reused between rebuilds
};

#endif
