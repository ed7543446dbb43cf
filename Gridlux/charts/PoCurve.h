// A 2D curve through a list of points: polyline, spline or stairs, with filling, raise segments and markers.
#ifndef GRIDLUX_POCURVE_H
#define GRIDLUX_POCURVE_H

#include <Gridlux/base/PoChartwork.h>

#include <Inventor/fields/SoMFFloat.h>
#include <Inventor/fields/SoMFInt32.h>
#include <Inventor/fields/SoMFVec2f.h>
#include <Inventor/fields/SoSFBool.h>
#include <Inventor/fields/SoSFEnum.h>
#include <Inventor/fields/SoSFFloat.h>
#include <Inventor/fields/SoSFInt32.h>
#include <Inventor/fields/SoSFString.h>

/**
 * @brief Draws the curve of `point` in the representation `curveRep`, at z = 0.
 *
 * CURVE_SMOOTH is the cubic spline of PiCubicSpline with 10 subdivisions per interval (periodic
 * when the last point equals the first); the stairs give 2n - 1 points; the half-way outlines and
 * stairs are those of the series geometry. With `isCurveFilled` the region between the line (the
 * points themselves under CURVE_NONE) and y = `fillingThreshold` is a face set, split at the
 * crossings. The raise filter selects points that get a vertical segment to y = `raiseThreshold`,
 * the marker filter points that get `markerString`: the default "." is a filled circle marker,
 * any other string a text in the font of `markerApp.font` (created when missing, its size then
 * 0.03 of the domain's larger extent). X_PERIOD and X_LIST select abscissas from the smallest
 * abscissa of the points, on the first segment that spans them; INDEX_PERIOD starts at index 0.
 *
 * Parts: `curveFillingSep` / `curveFillingApp` / `curveFilling`, `curvePointSep` /
 * `curvePointApp` / `curvePoint`, `raisePointSep` / `raisePointApp` / `raisePoint`, `markerSep` /
 * `markerApp` / `marker`. Read and written under the name PoCurve.
 */
class PoCurve : public PoChartwork {
  typedef PoChartwork inherited;
  PO_KIT_HEADER(PoCurve);

  SO_KIT_CATALOG_ENTRY_HEADER(curveFillingSep);
  SO_KIT_CATALOG_ENTRY_HEADER(curveFillingApp);
  SO_KIT_CATALOG_ENTRY_HEADER(curveFilling);
  SO_KIT_CATALOG_ENTRY_HEADER(curvePointSep);
  SO_KIT_CATALOG_ENTRY_HEADER(curvePointApp);
  SO_KIT_CATALOG_ENTRY_HEADER(curvePoint);
  SO_KIT_CATALOG_ENTRY_HEADER(raisePointSep);
  SO_KIT_CATALOG_ENTRY_HEADER(raisePointApp);
  SO_KIT_CATALOG_ENTRY_HEADER(raisePoint);
  SO_KIT_CATALOG_ENTRY_HEADER(markerSep);
  SO_KIT_CATALOG_ENTRY_HEADER(markerApp);
  SO_KIT_CATALOG_ENTRY_HEADER(marker);

public:
  enum CurveRep {
    CURVE_NONE = 0,
    CURVE_POLYLINE = 1,
    CURVE_SMOOTH = 2,
    CURVE_STAIRS_X = 3,
    CURVE_STAIRS_Y = 4,
    CURVE_HISTO_X = 5,
    CURVE_HISTO_Y = 6,
    CURVE_STAIRS_2X = 7,
    CURVE_STAIRS_2Y = 8
  };
  enum FilterType {
    INACTIVE = 0,
    ALL_POINTS = 1,
    INDEX_PERIOD = 2,
    INDEX_LIST = 3,
    X_PERIOD = 4,
    X_LIST = 5
  };

  PoCurve();
  PoCurve(int numPoints, const SbVec2f* points, CurveRep curveRep = CURVE_POLYLINE);
  static void initClass();

  SoMFVec2f point;
  SoSFEnum curveRep;
  SoSFBool isCurveFilled;
  SoSFFloat fillingThreshold;
  SoSFEnum markerFilterType;
  SoSFInt32 markerIndexPeriod;
  SoMFInt32 markerIndexList;
  SoSFFloat markerXPeriod;
  SoMFFloat markerXList;
  SoSFString markerString;
  SoSFEnum raiseFilterType;
  SoSFInt32 raiseIndexPeriod;
  SoMFInt32 raiseIndexList;
  SoSFFloat raiseXPeriod;
  SoMFFloat raiseXList;
  SoSFFloat raiseThreshold;

  /** The ordinate at abscissa @p x on the line p1 p2; when x1 = x2, the smaller of y1 and y2. */
  static void calculateInterpolation(const SbVec2f& p1, const SbVec2f& p2, float x, float& y);
  /** The abscissa at ordinate @p y on the line p1 p2; (x1 + x2) / 2 when y1 = y2, x1 when x1 = x2. */
  static void calculateInterpolation2(const SbVec2f& p1, const SbVec2f& p2, float y, float& x);

  void rebuild() override;

protected:
  ~PoCurve() override;
  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;

private:
  void init(int numPoints, const SbVec2f* points, CurveRep curveRep);
  FieldSensorList m_sensors;
};

#endif
