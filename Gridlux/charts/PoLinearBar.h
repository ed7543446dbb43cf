// Line bars: one segment from each point of the series to the threshold line.
#ifndef GRIDLUX_POLINEARBAR_H
#define GRIDLUX_POLINEARBAR_H

#include <Gridlux/charts/PoBar.h>

/**
 * @brief Draws, for each point (x_i, y_i) of the filtered chart geometry of the current
 * one-dimensional mesh, the segment to (x_i, threshold) under VERTICAL or (threshold, y_i) under
 * HORIZONTAL, as one line set of two-vertex lines in `bar`; bar i takes material entry i.
 * Read and written under the name PoLinearBar.
 */
class PoLinearBar : public PoBar {
  typedef PoBar inherited;
  PO_KIT_HEADER(PoLinearBar);

public:
  PoLinearBar();
  static void initClass();

  void rebuild() override;

protected:
  ~PoLinearBar() override;
};

#endif
