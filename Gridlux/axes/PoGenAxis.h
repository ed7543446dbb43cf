// A cartesian axis whose graduations carry given texts, spread evenly over the axis.
#ifndef GRIDLUX_POGENAXIS_H
#define GRIDLUX_POGENAXIS_H

#include <Gridlux/axes/PoCartesianAxis.h>

#include <Inventor/fields/SoMFString.h>

/**
 * @brief Axis with given labels: n strings of gradList stand at lo + i (hi - lo) / (n - 1),
 * i = 0 .. n-1, over the margin-limited interval [lo, hi], in order; a single string stands at
 * lo. Main and sub graduations are then chosen by the tick fields as on a linear axis (under
 * NUM_SUB_TICK the sub ticks divide the spacing of the strings), and gradAddString is appended
 * to every label when gradAddStringVisibility is TRUE.
 *
 * When the margins leave no room (lo = hi) and there are several strings, no graduation is
 * built: they would all stand on one point. An empty list builds the axis line without
 * graduations.
 *
 * Fields (after PoCartesianAxis's): gradList (SoMFString, one empty string). Parts: those of
 * PoAxis; no multiplication factor. Read and written under the name PoGenAxis.
 */
class PoGenAxis : public PoCartesianAxis {
  typedef PoCartesianAxis inherited;
  PO_KIT_HEADER(PoGenAxis);

public:
  PoGenAxis();
  /** An axis from @p startPoint to @p endCoord of @p axisType, labelled with @p num strings. */
  PoGenAxis(const SbVec3f& startPoint, float endCoord, Type axisType, const SbString* strings,
            int num);
  static void initClass();

  SoMFString gradList;

  void rebuild() override;

protected:
  ~PoGenAxis() override;
  void getWatchedFields(SoFieldList& fields) override;

private:
  void init(const SbVec3f& startPoint, float endCoord, Type axisType);
};

#endif
