// The series of the current one-dimensional mesh drawn as a tube: the state's profile swept along it.
#ifndef GRIDLUX_POTUBE_H
#define GRIDLUX_POTUBE_H

#include <Gridlux/charts/PoCurveLine.h>

#include <Inventor/fields/SoSFBool.h>
#include <Inventor/fields/SoSFFloat.h>

/**
 * @brief Draws the line of PoCurveLine (the same filtered geometry, interpretation and colours) as
 * the current profile (PoProfileElement, the 16-point unit circle when none) scaled by the radius
 * and swept along the line, in the part `curve` instead of the line.
 *
 * Fields: tubeRadius (0: 0.01 of the domain's width; a negative or non-finite radius posts a
 * message and the default is used), caps (TRUE: both ends closed by the outline, so that the tube
 * bounds a solid facing out). The sweep (PiSweep::tube) uses rotation-minimising frames starting
 * with the profile's y along +Z, so the profile's x lies in the curve's plane and its y stands
 * out of it all along; joints are mitred, the outline stretched in the mitre plane so that every
 * segment keeps the full section. One indexed face set: per-vertex colours give each ring its line
 * point's colour, per-part colours give the faces of a segment its first point's colour and a cap
 * its end point's. Non-finite points are left out with a warning; fewer than 2 distinct points
 * draw nothing. The thickness fields are kept and do not change the tube. The sweep is built in the
 * space the domain transform draws in, so that the tube is as round on screen as its profile, the
 * radius in units of the x axis. Read and written under the name PoTube.
 */
class PoTube : public PoCurveLine {
  typedef PoCurveLine inherited;
  PO_KIT_HEADER(PoTube);

public:
  PoTube();
  static void initClass();

  SoSFFloat tubeRadius;
  SoSFBool caps;

  void rebuild() override;

protected:
  ~PoTube() override;
  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;
  /** The parent's elements and the profile, so that a change of profile rebuilds the tube. */
  void preRebuild() override;
  void addElementsAllCaches() override;

private:
  FieldSensorList m_sensors;
};

#endif
