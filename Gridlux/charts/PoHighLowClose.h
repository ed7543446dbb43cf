// A high-low-close (and open) price chart: per entry a vertical range with ticks at close and open.
#ifndef GRIDLUX_POHIGHLOWCLOSE_H
#define GRIDLUX_POHIGHLOWCLOSE_H

#include <Gridlux/base/PoChartwork.h>

#include <Inventor/fields/SoMFFloat.h>
#include <Inventor/fields/SoSFColor.h>
#include <Inventor/fields/SoSFFloat.h>

/**
 * @brief Draws per entry a vertical line from low to high at xPosition, a tick to the right at
 * close and, when open is given, a tick to the left at open.
 *
 * Fields: xPosition, high, low, close, open (SoMFFloat, empty; open may stay empty), tickWidth
 * (SoSFFloat, 0), upColor (SoSFColor, 0.1 0.7 0.25), downColor (SoSFColor, 0.85 0.2 0.15).
 * The lists take part in the length rule: the shortest wins (open only when it is not empty),
 * with one warning per rebuild; an entry holding a value that is not finite is dropped, with a
 * warning. tickWidth is the length of each tick as a fraction of the domain's width; 0 gives
 * 0.4 of the mean spacing of the abscissas ((max - min) / (n - 1)), or 0.01 of the domain's width
 * for a single entry; a negative or non-finite width is reported and computed. An entry whose
 * close lies above its open takes upColor, any other downColor. Without open the close is
 * compared with the previous entry's close (the day-to-day change that a closing-price chart
 * shows), and the first entry takes upColor. Highs below lows and closes outside the range are
 * drawn as given.
 *
 * Values are in the domain's coordinates; the domain transform applies.
 *
 * Parts: `highLowCloseSep` (SoSeparator) holding `highLowCloseApp` (SoAppearanceKit, for the
 * line width) and `highLowClose` (SoGroup: a material of one colour per segment bound per part,
 * the coordinates and one line set of two vertices per segment: the range, the close tick, then
 * the open tick of each entry in turn). Read and written under the name PoHighLowClose.
 */
class PoHighLowClose : public PoChartwork {
  typedef PoChartwork inherited;
  PO_KIT_HEADER(PoHighLowClose);

  SO_KIT_CATALOG_ENTRY_HEADER(highLowCloseSep);
  SO_KIT_CATALOG_ENTRY_HEADER(highLowCloseApp);
  SO_KIT_CATALOG_ENTRY_HEADER(highLowClose);

public:
  PoHighLowClose();
  static void initClass();

  SoMFFloat xPosition;
  SoMFFloat high;
  SoMFFloat low;
  SoMFFloat close;
  SoMFFloat open;
  SoSFFloat tickWidth;
  SoSFColor upColor;
  SoSFColor downColor;

  void rebuild() override;

protected:
  ~PoHighLowClose() override;
  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;

private:
  FieldSensorList m_sensors;
};

#endif
