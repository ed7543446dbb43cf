// Curve geometry on plain arrays: representation points, filling polygons, selected points and thickness runs.
#ifndef GRIDLUX_PICURVEGEOMETRY_H
#define GRIDLUX_PICURVEGEOMETRY_H

#include <Inventor/SbVec2f.h>

#include <vector>

/**
 * @brief The algorithms of the curve nodes, free of scene-graph types.
 *
 * Representations are numbered as PoCurve::CurveRep, point filters as PoCurve::FilterType.
 */
class PiCurveGeometry {
public:
  /** The ordinate at abscissa @p x on the line p1 p2; the smaller ordinate when x1 = x2. */
  static float ordinateAt(const SbVec2f& p1, const SbVec2f& p2, float x);
  /** The abscissa at ordinate @p y on the line p1 p2; (x1 + x2) / 2 when y1 = y2, x1 when x1 = x2. */
  static float abscissaAt(const SbVec2f& p1, const SbVec2f& p2, float y);

  /**
   * The line of the @p n points under @p curveRep: none, the points, the spline with 10
   * subdivisions per interval, 2n - 1 stair points (horizontal then vertical for STAIRS_X,
   * vertical first for STAIRS_Y) or the half-way outlines and stairs of the series geometry.
   */
  static void curvePoints(int curveRep, int n, const SbVec2f* points, std::vector<SbVec2f>& line);

  /**
   * The polygons between the polyline @p line and the line y = @p threshold: one per run of the
   * polyline on one side, cut at the crossings (abscissaAt), closed along the threshold line.
   * @p coords gets the vertices one polygon after the other, @p counts the vertices per polygon.
   */
  static void fillingPolygons(const std::vector<SbVec2f>& line, float threshold, std::vector<SbVec2f>& coords,
                              std::vector<int>& counts);

  /** The filter of markers and raise segments, as in PoCurve. */
  struct Filter {
    int type = 0;
    int indexPeriod = 0;
    const int* indexList = nullptr;
    int numIndex = 0;
    float xPeriod = 0;
    const float* xList = nullptr;
    int numX = 0;
  };
  /**
   * The points of the polyline @p points (n of them) that @p filter selects: INDEX_PERIOD takes
   * indices 0, p, 2p, ...; INDEX_LIST the listed indices inside the curve; X_PERIOD abscissas
   * min x, min x + p, ... up to max x and X_LIST the listed abscissas within [min x, max x], each
   * on the first segment that spans it. A period below 1 (index) or not above 0 (abscissa) is
   * reported by @p method and selects nothing.
   */
  static void selectPoints(const Filter& filter, int n, const SbVec2f* points, std::vector<SbVec2f>& selected,
                           const char* method);

  /**
   * Runs of equal thickness over @p n nodes: a run ends at the first node whose thickness differs
   * from the previous node's, and the next run starts at that node, so that consecutive runs
   * share it and the line stays joined. @p starts and @p counts get each run's first node and
   * number of nodes (at least 2; one run of one node for a single node).
   */
  static void thicknessRuns(int n, const float* thickness, std::vector<int>& starts, std::vector<int>& counts);
};

#endif
