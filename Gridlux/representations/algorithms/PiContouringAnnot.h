// Places value labels along contour lines and cuts the lines where the labels lie.
#ifndef GRIDLUX_PICONTOURINGANNOT_H
#define GRIDLUX_PICONTOURINGANNOT_H

#include <Gridlux/representations/algorithms/PiContouringLines.h>

#include <Inventor/SbVec2f.h>

#include <vector>

/**
 * @brief Finds where the labels of contour lines go: positions along each annotated line, a
 * reading direction, and a box that overlaps no other label, stays inside an optional clipping
 * polygon and, when asked, crosses no other (major) line.
 *
 * Candidates are tried by arc length, the first half a gap from the start, then one gap after
 * each accepted label or half a label width after a rejected one. Along the line (tangential
 * path) the reading direction is the chord between the two points where the line leaves the
 * circle of half the label width around the candidate, turned to read left to right; the
 * horizontal and vertical paths read along x and y. Boxes keep a margin of a tenth of the half
 * width between labels. Everything works in the xy plane; z follows the line.
 */
class PiContouringAnnot {
public:
  enum Path { TANGENTIAL_PATH = 0, HORIZONTAL_PATH = 1, VERTICAL_PATH = 2 };
  enum CrossStatus { CROSS_CONTOUR = 0, CROSS_MINOR_CONTOUR = 1, DONT_CROSS_CONTOUR = 2 };

  /** One placed label: its line, centre, reading direction and half sizes along and across. */
  struct Annotation {
    int line;
    SbVec2f center;
    float z;
    SbVec2f along;
    SbVec2f across;
    float halfWidth;
    float halfHeight;
    /** Corners in order: back-bottom, back-top, front-top, front-bottom. */
    void getCorners(SbVec2f corners[4]) const;
  };

  void setPath(Path path) { m_path = path; }
  void setCrossStatus(CrossStatus status) { m_crossStatus = status; }
  /** Arc length between successive labels of one line. */
  void setGap(float gap) { m_gap = gap; }
  /** Labels must lie inside this polygon; fewer than 3 points means no polygon. */
  void setClippingPolygon(int num, const SbVec2f* points);

  /**
   * Places labels on the lines whose @p annotate flag is set, label i being @p widths[i] by
   * @p heights[i]; @p isMajor tells which lines count for CROSS_MINOR_CONTOUR.
   */
  void place(const Tisoline_list& lines, const char* annotate, const char* isMajor, const float* widths,
             const float* heights, std::vector<Annotation>& out);

  /**
   * The parts of the lines whose @p select flag equals @p value that lie outside every box:
   * points (x, y, z each), the point count of each resulting polyline and the line it came from.
   */
  static void clipLines(const Tisoline_list& lines, const char* select, int value,
                        const std::vector<Annotation>& boxes, std::vector<float>& coords,
                        std::vector<int>& counts, std::vector<int>& sources);

private:
  int findChord(const Tisoline_list& lines, int line, int segment, const SbVec2f& p, float radius,
                SbVec2f& direction) const;
  int isAccepted(const Tisoline_list& lines, const Annotation& box, const char* isMajor,
                 const std::vector<Annotation>& placed) const;
  int insidePolygon(const SbVec2f& q) const;

  Path m_path = TANGENTIAL_PATH;
  CrossStatus m_crossStatus = CROSS_CONTOUR;
  float m_gap = 1.0f;
  std::vector<SbVec2f> m_polygon;
  std::vector<float> m_lineBoxes; ///< xmin, ymin, xmax, ymax per line
  std::vector<double> m_arc;
};

#endif
