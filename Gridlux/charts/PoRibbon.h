// The series of the current one-dimensional mesh drawn as a flat strip of a given width.
#ifndef GRIDLUX_PORIBBON_H
#define GRIDLUX_PORIBBON_H

#include <Gridlux/charts/PoCurveLine.h>

#include <Inventor/fields/SoSFFloat.h>

/**
 * @brief Draws the line of PoCurveLine (the same filtered geometry, interpretation and colours) as
 * a flat strip in the curve's plane (z = 0), in the part `curve` instead of the line.
 *
 * Field: ribbonWidth (0: 0.02 of the domain's width; a negative or non-finite width posts a
 * message and the default is used). The strip is one indexed face set of one quad per segment,
 * two-sided, facing +Z; joints are mitred (PiSweep::ribbon) so that the strip keeps its width
 * measured perpendicular to each segment, the mitre limited to 4 times the half width on sharp
 * turns. Per-vertex colours give each edge vertex its line point's colour; per-part colours give
 * each quad its segment's first point's colour. Non-finite points are left out with a warning;
 * fewer than 2 distinct points draw nothing. The thickness fields are kept and do not change the
 * strip. The strip is built in the space the domain transform draws in, so that its width is the
 * same on screen along every direction, in units of the x axis. Read and written under the name
 * PoRibbon.
 */
class PoRibbon : public PoCurveLine {
  typedef PoCurveLine inherited;
  PO_KIT_HEADER(PoRibbon);

public:
  PoRibbon();
  static void initClass();

  SoSFFloat ribbonWidth;

  void rebuild() override;

protected:
  ~PoRibbon() override;
  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;

private:
  FieldSensorList m_sensors;
};

#endif
