// Histogram of a table: groups of bars side by side, stacked, or stacked as percentages.
#ifndef GRIDLUX_POMULTIPLEHISTOGRAM_H
#define GRIDLUX_POMULTIPLEHISTOGRAM_H

#include <Gridlux/charts/PoHistogram.h>

#include <Inventor/fields/SoMFFloat.h>
#include <Inventor/fields/SoMFString.h>
#include <Inventor/fields/SoSFUShort.h>

/**
 * @brief Bars of a numRows x numColumns table, stored row by row in `value`.
 *
 * Fields (after PoHistogram's): numRows (1), numColumns (1), value (empty), rowName and
 * columnName (empty), representation (JUXTAPOSED, ACCUMULATED, PERCENTAGE), histogPath
 * (ROW_COLUMN: one group per row, its bars in column order; COLUMN_ROW: one group per column),
 * sumVisibility (ON), sumFontName (""), sumFontSize (0: 0.04), sumPosition (POS_DEPEND), sumPath
 * (PATH_DEPEND).
 *
 * Groups share the axis in equal slots and take the bar-width rule of the single histogram.
 * JUXTAPOSED bars stand side by side; ACCUMULATED bars are stacked from the baseline;
 * PERCENTAGE stacks each group's shares up to 100 data units above the baseline, each bar's value
 * text reading its share as "%d%%". Stacked value texts default to the middle of their bars. The
 * names of the groups (rowName for ROW_COLUMN, columnName for COLUMN_ROW) stand at the groups'
 * feet; the sums (the group's value sum, printed like the values) beyond the groups' ends, in
 * part sumTextSep/sumTextApp/sumText.
 *
 * Colours: `color` with one colour per bar of a group colours the bars by their place in the
 * group; with one per value, value by value; CLASS_DATA_MAPPING colours each bar by its value.
 *
 * Bad input: a value count other than numRows x numColumns is reported and empties the parts;
 * negative values in PERCENTAGE count as 0, with a warning. Read and written under the name
 * PoMultipleHistogram.
 */
class PoMultipleHistogram : public PoHistogram {
  typedef PoHistogram inherited;
  PO_KIT_HEADER(PoMultipleHistogram);

  SO_KIT_CATALOG_ENTRY_HEADER(sumTextSep);
  SO_KIT_CATALOG_ENTRY_HEADER(sumTextApp);
  SO_KIT_CATALOG_ENTRY_HEADER(sumText);

public:
  PoMultipleHistogram();
  PoMultipleHistogram(const SbVec2f& start, float end, Type type, int numRows, int numColumns, const float* values,
                      const char** rowNames, const char** columnNames);
  static void initClass();

  enum Representation { JUXTAPOSED = 0, ACCUMULATED = 1, PERCENTAGE = 2 };
  enum HistogPath { ROW_COLUMN = 0, COLUMN_ROW = 1 };

  SoSFUShort numRows;
  SoSFUShort numColumns;
  SoMFFloat value;
  SoMFString rowName;
  SoMFString columnName;
  SoSFEnum representation;
  SoSFEnum histogPath;
  SoSFEnum sumVisibility;
  SoSFString sumFontName;
  SoSFFloat sumFontSize;
  SoSFEnum sumPosition;
  SoSFEnum sumPath;

  void rebuild() override;

protected:
  ~PoMultipleHistogram() override;
  void setDefaultAttr() override;
  void colorBars(SoGroup* barGroup) override;
  void clearParts() override;

private:
  void init();
  /** Bars and sums of every group for the working attributes. */
  void buildBars(std::vector<PiHistogramBars::Bar>& bars, std::vector<float>& sums);

  std::vector<float> m_grouped; ///< values in group order
  int m_numGroups = 0, m_numMembers = 0;
  int m_sumPosition = POS_TOP_OUT, m_sumPath = PATH_RIGHT;
  float m_sumFontSize = 0.04f;
  SbString m_sumFontName;
};

#endif
