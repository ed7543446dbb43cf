// Error bars, error bands and high-low-close ticks computed on plain arrays.
#ifndef GRIDLUX_PIERRORBARS_H
#define GRIDLUX_PIERRORBARS_H

#include <Inventor/SbVec2f.h>

#include <vector>

/**
 * @brief The geometry of the free error-bar, error-curve and high-low-close charts, free of
 * scene-graph types.
 *
 * The nodes hand their lists over as columns of per-entry values; gatherRows() reconciles them
 * (common length, a single error value for every entry, entries that are not finite) into a
 * clean table, which the geometry functions read as plain arrays. Segments come back as pairs
 * of end points, one segment after the other.
 */
class PiErrorBars {
public:
  /** How the length of a column is read. */
  enum ColumnKind {
    REQUIRED,  ///< one value per entry; its length limits the entries
    BROADCAST, ///< empty: 0 for every entry; one value: that value for every entry; else per entry
    OPTIONAL   ///< empty: absent (NaN in the table, never drops an entry); else per entry
  };

  /** One input list. */
  struct Column {
    const float* values = nullptr;
    int num = 0;
    int stride = 1;         ///< distance between consecutive values in floats (2 for one coordinate of SbVec2f)
    ColumnKind kind = REQUIRED;
    bool magnitude = false; ///< negative values are taken as their magnitude (error sizes)
  };

  /** What gatherRows() found, for the node's messages. */
  struct Report {
    int numEntries = 0;   ///< entries that every list covers (before dropping)
    bool unequal = false; ///< per-entry lists of different lengths: the shortest wins
    int numDropped = 0;   ///< entries dropped for a value that is not finite
    int numNegative = 0;  ///< negative values of magnitude columns taken as their magnitude
  };

  /**
   * Reconciles @p numColumns columns: the entries are those that every per-entry column covers,
   * less the entries holding a value that is not finite in a present column. @p table gets the
   * kept entries column after column (column c of entry k at table[c * numRows + k]).
   */
  static Report gatherRows(int numColumns, const Column* columns, std::vector<float>& table, int& numRows);

  /**
   * Vertical error bars over @p n points: for each point with lower + upper > 0 the bar from
   * (x, y - lower) to (x, y + upper), then at each end whose error is above 0 a horizontal cap
   * of @p capWidth centred on the bar. Appended to @p segments.
   */
  static void verticalBars(int n, const float* x, const float* y, const float* lower, const float* upper,
                           float capWidth, std::vector<SbVec2f>& segments);
  /** The same across: bars from (x - left, y) to (x + right, y) with vertical caps of @p capHeight. */
  static void horizontalBars(int n, const float* x, const float* y, const float* left, const float* right,
                             float capHeight, std::vector<SbVec2f>& segments);

  /**
   * The band between the lower and the upper error lines of a series, as one triangle strip:
   * (x_i, y_i + upper_i) then (x_i, y_i - lower_i) for each point in order (2n vertices), so
   * that its triangles turn counter-clockwise over increasing abscissas. Over abscissas in
   * order, its area is the trapezoidal integral of lower + upper.
   */
  static void band(int n, const float* x, const float* y, const float* lower, const float* upper,
                   std::vector<SbVec2f>& strip);

  /** (max x - min x) / (n - 1): the mean spacing of @p n abscissas; 0 for fewer than two. */
  static float meanSpacing(int n, const float* x);

  enum Direction { DOWN = 0, UP = 1 };
  /**
   * High-low-close ticks: per entry the line (x, low)–(x, high), the right tick (x, close)–
   * (x + tick, close) and, when @p open is not null, the left tick (x - tick, open)–(x, open),
   * in that order (@p segmentsPerEntry gets 2 or 3). @p direction gets UP for an entry whose
   * close lies above its open, DOWN otherwise; without open the close is compared with the
   * previous entry's close, and the first entry counts as UP.
   */
  static void highLowClose(int n, const float* x, const float* high, const float* low, const float* close,
                           const float* open, float tick, std::vector<SbVec2f>& segments,
                           std::vector<int>& direction, int& segmentsPerEntry);
};

#endif
