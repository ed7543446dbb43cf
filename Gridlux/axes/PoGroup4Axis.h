// Four 2D axes on the sides of a rectangle, labels outside it.
#ifndef GRIDLUX_POGROUP4AXIS_H
#define GRIDLUX_POGROUP4AXIS_H

#include <Gridlux/axes/PoAxisGroup.h>

#include <Inventor/fields/SoSFString.h>
#include <Inventor/fields/SoSFVec2f.h>

/**
 * @brief A frame of four axes on the rectangle from `start` to `end` in the plane z = 0,
 * every one of them graduated from the start side toward the end side.
 *
 * Members (see PoAxisGroup for what the group sets on them and what it leaves to the user):
 * - `xDownAxis`: from (start.x, start.y, 0) to end.x, type XY, labels below the frame.
 * - `xUpAxis`: from (start.x, end.y, 0) to end.x, type XY, labels above the frame.
 * - `yLeftAxis`: from (start.x, start.y, 0) to end.y, type YX, labels left of the frame.
 * - `yRightAxis`: from (end.x, start.y, 0) to end.y, type YX, labels right of the frame.
 * Both X members carry xTitle and both Y members yTitle; the Y titles run along their axes,
 * beside the labels (TITLE_MIDDLE, PATH_RIGHT), where the X labels of the corners leave them
 * room, until the user places them otherwise. The group has no axis-type fields:
 * its members are PoLinearAxis nodes unless the user (or a file) puts another cartesian axis
 * in their place, such as a PoLogAxis, which the group then keeps.
 *
 * Fields: start (SoSFVec2f, 0 0), end (SoSFVec2f, 1 1), xTitle, yTitle (SoSFString, "").
 * Read and written under the name PoGroup4Axis.
 */
class PoGroup4Axis : public PoAxisGroup {
  typedef PoAxisGroup inherited;
  PO_KIT_HEADER(PoGroup4Axis);

  SO_KIT_CATALOG_ENTRY_HEADER(xUpAxis);
  SO_KIT_CATALOG_ENTRY_HEADER(xDownAxis);
  SO_KIT_CATALOG_ENTRY_HEADER(yLeftAxis);
  SO_KIT_CATALOG_ENTRY_HEADER(yRightAxis);

public:
  PoGroup4Axis();
  static void initClass();

  SoSFVec2f start;
  SoSFVec2f end;
  SoSFString xTitle;
  SoSFString yTitle;

  void rebuild() override;

protected:
  ~PoGroup4Axis() override;

private:
  /** Lays the members out on the frame of the fields. */
  void initAxis();
};

#endif
