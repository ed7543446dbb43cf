// Two 2D axes from one corner of a frame: X along the bottom, Y up the left side.
#ifndef GRIDLUX_POGROUP2AXIS_H
#define GRIDLUX_POGROUP2AXIS_H

#include <Gridlux/axes/PoAxisGroup.h>

#include <Inventor/fields/SoSFEnum.h>
#include <Inventor/fields/SoSFString.h>
#include <Inventor/fields/SoSFVec2f.h>

/**
 * @brief A pair of axes on the frame from `start` to `end` in the plane z = 0.
 *
 * Members (parts holding a PoLinearAxis or, for LOGARITHMIC, a PoLogAxis; see PoAxisGroup
 * for what the group sets on them and what it leaves to the user):
 * - `xAxis`: from (start.x, start.y, 0) to end.x, type XY, title xTitle; labels below it.
 * - `yAxis`: from (start.x, start.y, 0) to end.y, type YX, title yTitle; labels left of it.
 * (On a frame whose end lies below or left of its start, the labels still face away from it.)
 *
 * Fields: start (SoSFVec2f, 0 0), end (SoSFVec2f, 1 1), xTitle, yTitle (SoSFString, ""),
 * xAxisType, yAxisType (AxisType: LINEAR, LOGARITHMIC; default LINEAR; a logarithmic member
 * reads its span as powers of ten). Read and written under the name PoGroup2Axis.
 */
class PoGroup2Axis : public PoAxisGroup {
  typedef PoAxisGroup inherited;
  PO_KIT_HEADER(PoGroup2Axis);

  SO_KIT_CATALOG_ENTRY_HEADER(xAxis);
  SO_KIT_CATALOG_ENTRY_HEADER(yAxis);

public:
  PoGroup2Axis();
  static void initClass();

  SoSFVec2f start;
  SoSFVec2f end;
  SoSFString xTitle;
  SoSFString yTitle;
  SoSFEnum xAxisType;
  SoSFEnum yAxisType;

  void rebuild() override;

protected:
  ~PoGroup2Axis() override;

private:
  /** Lays the members out on the frame of the fields. */
  void initAxis();
};

#endif
