// Contour lines of a 2D mesh: the linked edge crossings chained into one polyline per contour piece.
#ifndef GRIDLUX_PICONTOURINGLINES_H
#define GRIDLUX_PICONTOURINGLINES_H

#include <Gridlux/representations/algorithms/PiContouring.h>

#include <vector>

/**
 * The isolines found by PiContouringLines::getLines(): polyline i has lineCount[i] points from
 * point lineStart[i] on, and lies at the list's isovalue lineValue[i] (the value as given, even
 * when the contouring moved it off a node value). coords holds x, y, z per point. A closed line
 * repeats its first point at its end.
 */
struct Tisoline_list {
  int numLines = 0;
  std::vector<int> lineStart;
  std::vector<int> lineCount;
  std::vector<float> lineValue;
  std::vector<float> coords;
  int getNumPoints() const { return static_cast<int>(coords.size() / 3); }
};

/**
 * @brief Extracts the isolines of a value per node: open lines run from boundary to boundary
 * (or to a deleted zone), closed lines come back to their start.
 */
class PiContouringLines : public PiContouring {
public:
  PiContouringLines();

  /**
   * Fills @p out with the isolines of @p values (one per node of the mesh set by setMesh()).
   * @p z replaces the z given to setMesh() when not null. @p out is emptied first; it is left
   * empty when there is no mesh, no values or no isovalue.
   */
  void getLines(const float* values, const float* z, Tisoline_list* out);

private:
  void chain(int start, int closed, Tisoline_list* out);
};

#endif
