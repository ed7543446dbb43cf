// Legend of named items, each with a coloured box, a line sample and a marker: the key of charts.
#ifndef GRIDLUX_POITEMLEGEND_H
#define GRIDLUX_POITEMLEGEND_H

#include <Gridlux/text/PiLegendLayout.h>
#include <Gridlux/text/PoLegend.h>

#include <Inventor/fields/SoMFColor.h>
#include <Inventor/fields/SoMFFloat.h>
#include <Inventor/fields/SoMFString.h>
#include <Inventor/fields/SoMFUShort.h>
#include <Inventor/fields/SoSFVec2f.h>

/**
 * @brief Lists the strings of `item` in the grid of a boxes legend, each beside its sample.
 *
 * Fields (after PoLegend's): start (0 0) and end (1 1), opposite corners of the legend in domain
 * coordinates; item (one ""); boxVisibility (TRUE), boxColor (black); lineVisibility (FALSE),
 * lineColor (black), lineSize (0: the default line width), linePattern (0xFFFF);
 * markerVisibility (FALSE), markerColor (black), markerSize (0: the sample's height, 0.65 font sizes without
 * boxes; else a fraction of the legend's height), markerString ("."). Per-item fields are read at the item's
 * index, a field shorter than `item` repeating its last value; an empty colour field leaves the
 * inherited material. A single empty item counts as no item.
 *
 * The sample of a cell is a box (0.975 x boxRatio by 0.975 font sizes) when boxes are shown;
 * else a marker place 0.65 square (as wide as a box with lines as well); else a line sample as
 * wide as a box. Line samples run across the middle of the sample, markers sit on its centre;
 * the marker "." is a small filled square, any other string is drawn as centred text. Item
 * texts follow valuePosition, valueFontName and valueAddString of PoLegend.
 *
 * setRevertOrder(a, b) with a <= b lays the items out from the last to the first.
 *
 * Parts (after PoLegend's): lineSep, lineApp, line; markerSep, markerApp, marker. Item texts go
 * in valueText, boxes in box and boxBorder. Read and written under the name PoItemLegend.
 */
class PoItemLegend : public PoLegend {
  typedef PoLegend inherited;
  PO_KIT_HEADER(PoItemLegend);

  SO_KIT_CATALOG_ENTRY_HEADER(lineSep);
  SO_KIT_CATALOG_ENTRY_HEADER(lineApp);
  SO_KIT_CATALOG_ENTRY_HEADER(line);
  SO_KIT_CATALOG_ENTRY_HEADER(markerSep);
  SO_KIT_CATALOG_ENTRY_HEADER(markerApp);
  SO_KIT_CATALOG_ENTRY_HEADER(marker);

public:
  PoItemLegend();
  PoItemLegend(const SbVec2f& start, const SbVec2f& end, int numItems, const char** items, const SbColor* colors);
  static void initClass();

  SoSFVec2f start;
  SoSFVec2f end;
  SoMFString item;
  SoSFBool boxVisibility;
  SoMFColor boxColor;
  SoSFBool lineVisibility;
  SoMFColor lineColor;
  SoMFFloat lineSize;
  SoMFUShort linePattern;
  SoSFBool markerVisibility;
  SoMFColor markerColor;
  SoMFFloat markerSize;
  SoMFString markerString;

  void setRevertOrder(float a, float b);
  int isRevertOrder() const { return m_revertOrder; }

  /** Font size of the item texts at the last rebuild (legend-frame units; 0: none drawn). */
  float getItemFontSize() const { return m_itemSize; }

  void rebuild() override;

protected:
  ~PoItemLegend() override;

private:
  void init();
  int numItems() const;
  /** Sample width and height at font size 1 (computeGraphicSizeForValues). */
  void computeGraphicSizeForValues(float& width, float& height) const;
  PiLegendLayout::TextSide textSide() const;
  void clearSampleParts();

  int m_revertOrder = 0;
  float m_itemSize = 0.0f;
};

#endif
