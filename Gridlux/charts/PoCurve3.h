// A curve through a list of 3D points: a polyline, or the cubic spline through them.
#ifndef GRIDLUX_POCURVE3_H
#define GRIDLUX_POCURVE3_H

#include <Gridlux/base/PoChartwork.h>

#include <Inventor/fields/SoMFVec3f.h>
#include <Inventor/fields/SoSFEnum.h>

/**
 * @brief Draws the curve of the 3D points `point` as one line set in the part `curvePoint`.
 *
 * Fields: point (SoMFVec3f, empty), curveRep (POLYLINE: the points as given; SMOOTH: the cubic
 * spline of PiCubicSpline through the points, each coordinate against the point index, with 10
 * subdivisions per interval, so n points give 10 (n - 1) + 1 points through every given one; the
 * ends are natural, and periodic when the last point equals the first, as for PoCurve). Points with
 * a non-finite coordinate are left out with a warning; fewer than 2 points left post a warning and
 * draw nothing (an empty list, the default, draws nothing quietly).
 *
 * Parts, after PoCurve's line: `curvePointSep` / `curvePointApp` (the line's appearance) /
 * `curvePoint`. Read and written under the name PoCurve3.
 */
class PoCurve3 : public PoChartwork {
  typedef PoChartwork inherited;
  PO_KIT_HEADER(PoCurve3);

  SO_KIT_CATALOG_ENTRY_HEADER(curvePointSep);
  SO_KIT_CATALOG_ENTRY_HEADER(curvePointApp);
  SO_KIT_CATALOG_ENTRY_HEADER(curvePoint);

public:
  enum CurveRep {
    POLYLINE = 0,
    SMOOTH = 1
  };

  PoCurve3();
  static void initClass();

  SoMFVec3f point;
  SoSFEnum curveRep;

  void rebuild() override;

protected:
  ~PoCurve3() override;
  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;

private:
  FieldSensorList m_sensors;
};

#endif
