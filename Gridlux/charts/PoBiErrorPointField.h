// A free set of points with error bars in both directions: vertical and horizontal, capped.
#ifndef GRIDLUX_POBIERRORPOINTFIELD_H
#define GRIDLUX_POBIERRORPOINTFIELD_H

#include <Gridlux/base/PoChartwork.h>

#include <Inventor/fields/SoMFFloat.h>
#include <Inventor/fields/SoMFVec2f.h>
#include <Inventor/fields/SoSFFloat.h>
#include <Inventor/fields/SoSFString.h>

/**
 * @brief Vertical and horizontal error bars at free points of the plane z = 0.
 *
 * Fields: point (SoMFVec2f, empty), lowerError, upperError, leftError, rightError (SoMFFloat,
 * empty), capWidth (SoSFFloat, 0), markerString (SoSFString, ".").
 * As PoErrorPointField, with a horizontal bar from x - left to x + right at each point as well,
 * capped by vertical segments at the ends whose error is above 0. Every list takes part in the
 * length rule (the shortest wins, one warning per rebuild); an error list of one value applies
 * to every point, an empty one means no error on that side; with both lists of a direction
 * empty that direction draws no bar. capWidth is a fraction of the domain: of its width for the
 * caps of vertical bars, of its height for the caps of horizontal bars, so that both look alike
 * once the domain is scaled into the scene (0: 0.01).
 *
 * Parts: `errorBarSep` / `errorBarApp` / `errorBar` (the vertical bars and their caps),
 * `horizontalErrorBarSep` / `horizontalErrorBarApp` / `horizontalErrorBar` (the horizontal ones),
 * `markerSep` / `markerApp` / `marker` (the markers), each a separator holding an appearance kit
 * and a group. Read and written under the name PoBiErrorPointField.
 */
class PoBiErrorPointField : public PoChartwork {
  typedef PoChartwork inherited;
  PO_KIT_HEADER(PoBiErrorPointField);

  SO_KIT_CATALOG_ENTRY_HEADER(errorBarSep);
  SO_KIT_CATALOG_ENTRY_HEADER(errorBarApp);
  SO_KIT_CATALOG_ENTRY_HEADER(errorBar);
  SO_KIT_CATALOG_ENTRY_HEADER(horizontalErrorBarSep);
  SO_KIT_CATALOG_ENTRY_HEADER(horizontalErrorBarApp);
  SO_KIT_CATALOG_ENTRY_HEADER(horizontalErrorBar);
  SO_KIT_CATALOG_ENTRY_HEADER(markerSep);
  SO_KIT_CATALOG_ENTRY_HEADER(markerApp);
  SO_KIT_CATALOG_ENTRY_HEADER(marker);

public:
  PoBiErrorPointField();
  static void initClass();

  SoMFVec2f point;
  SoMFFloat lowerError;
  SoMFFloat upperError;
  SoMFFloat leftError;
  SoMFFloat rightError;
  SoSFFloat capWidth;
  SoSFString markerString;

  void rebuild() override;

protected:
  ~PoBiErrorPointField() override;
  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;

private:
  FieldSensorList m_sensors;
};

#endif
