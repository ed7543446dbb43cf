// A free set of points with vertical error bars: a bar from y - lower to y + upper, capped.
#ifndef GRIDLUX_POERRORPOINTFIELD_H
#define GRIDLUX_POERRORPOINTFIELD_H

#include <Gridlux/base/PoChartwork.h>

#include <Inventor/fields/SoMFFloat.h>
#include <Inventor/fields/SoMFVec2f.h>
#include <Inventor/fields/SoSFFloat.h>
#include <Inventor/fields/SoSFString.h>

/**
 * @brief Vertical error bars at free points of the plane z = 0.
 *
 * Fields: point (SoMFVec2f, empty), lowerError and upperError (SoMFFloat, empty), capWidth
 * (SoSFFloat, 0), markerString (SoSFString, ".").
 * At each point a bar runs from y - lower to y + upper, with a horizontal cap of capWidth
 * centred on each end whose error is above 0 (a point with no error gets no bar). An error list
 * of one value applies to every point; an empty one means no error on that side, and with both
 * empty no bar is drawn. Lists of unequal length: the shortest wins, with one warning per
 * rebuild; an entry holding a value that is not finite is dropped, with a warning; negative
 * errors count as their magnitude. capWidth is a fraction of the domain's width (0: 0.01; a
 * negative or non-finite width is reported and computed). The marker is drawn as PoCurve draws
 * its markers: the default "." is a filled circle marker, another string a text centred on the
 * point in the font of `markerApp.font` (created when missing, 0.03 of the domain's larger
 * extent), an empty string nothing.
 *
 * Points are in the domain's coordinates; the domain transform applies. The colours are those of
 * the state unless the appearance parts set their own.
 *
 * Parts: `errorBarSep` (SoSeparator) holding `errorBarApp` (SoAppearanceKit) and `errorBar`
 * (SoGroup, the bars and caps as one line set); `markerSep` / `markerApp` / `marker` likewise
 * for the markers. Read and written under the name PoErrorPointField.
 */
class PoErrorPointField : public PoChartwork {
  typedef PoChartwork inherited;
  PO_KIT_HEADER(PoErrorPointField);

  SO_KIT_CATALOG_ENTRY_HEADER(errorBarSep);
  SO_KIT_CATALOG_ENTRY_HEADER(errorBarApp);
  SO_KIT_CATALOG_ENTRY_HEADER(errorBar);
  SO_KIT_CATALOG_ENTRY_HEADER(markerSep);
  SO_KIT_CATALOG_ENTRY_HEADER(markerApp);
  SO_KIT_CATALOG_ENTRY_HEADER(marker);

public:
  PoErrorPointField();
  static void initClass();

  SoMFVec2f point;
  SoMFFloat lowerError;
  SoMFFloat upperError;
  SoSFFloat capWidth;
  SoSFString markerString;

  void rebuild() override;

protected:
  ~PoErrorPointField() override;
  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;

private:
  FieldSensorList m_sensors;
};

#endif
