// A 2D polyline with a filled band between its lower and upper error lines.
#ifndef GRIDLUX_POERRORCURVE_H
#define GRIDLUX_POERRORCURVE_H

#include <Gridlux/base/PoChartwork.h>

#include <Inventor/fields/SoMFFloat.h>
#include <Inventor/fields/SoMFVec2f.h>

/**
 * @brief Draws the polyline through `point` and the band between y - lower and y + upper.
 *
 * Fields: point (SoMFVec2f, empty), lowerError and upperError (SoMFFloat, empty).
 * The band is one triangle strip joining, at each point, y + upper and y - lower, so that its
 * edges are the two error lines and its area, over abscissas in order, the trapezoidal integral
 * of lower + upper. An error list of one value applies to every point, an empty one means no
 * error on that side; with no error at all there is no band. Lists of unequal length: the
 * shortest wins, with one warning per rebuild; an entry holding a value that is not finite is
 * dropped with a warning and the line and band join its neighbours; negative errors count as
 * their magnitude. Fewer than two points draw nothing.
 *
 * Points are in the domain's coordinates; the domain transform applies. Both parts take the
 * colour of the state, as PoCurve's line and filling do: give `errorBandApp` a material of its
 * own to tell the band from the line. The band is built first, so that the line is drawn over it.
 *
 * Parts: `errorBandSep` (SoSeparator) holding `errorBandApp` (SoAppearanceKit) and `errorBand`
 * (SoGroup, the strip); `curveSep` / `curveApp` / `curve` (the line set) likewise. Read and
 * written under the name PoErrorCurve.
 */
class PoErrorCurve : public PoChartwork {
  typedef PoChartwork inherited;
  PO_KIT_HEADER(PoErrorCurve);

  SO_KIT_CATALOG_ENTRY_HEADER(errorBandSep);
  SO_KIT_CATALOG_ENTRY_HEADER(errorBandApp);
  SO_KIT_CATALOG_ENTRY_HEADER(errorBand);
  SO_KIT_CATALOG_ENTRY_HEADER(curveSep);
  SO_KIT_CATALOG_ENTRY_HEADER(curveApp);
  SO_KIT_CATALOG_ENTRY_HEADER(curve);

public:
  PoErrorCurve();
  static void initClass();

  SoMFVec2f point;
  SoMFFloat lowerError;
  SoMFFloat upperError;

  void rebuild() override;

protected:
  ~PoErrorCurve() override;
  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;

private:
  FieldSensorList m_sensors;
};

#endif
