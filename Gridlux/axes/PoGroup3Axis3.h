// Three 3D axes from one corner of a box, one of them upright.
#ifndef GRIDLUX_POGROUP3AXIS3_H
#define GRIDLUX_POGROUP3AXIS3_H

#include <Gridlux/axes/PoAxisGroup.h>

#include <Inventor/fields/SoSFEnum.h>
#include <Inventor/fields/SoSFString.h>
#include <Inventor/fields/SoSFVec3f.h>

/**
 * @brief Axes along X, Y and Z from the corner `start` of the box from `start` to `end`.
 *
 * `verticalAxisName` names the upright axis V; with H1, H2 the other two in the order that
 * makes (H1, H2, V) right-handed (V = Z: X, Y; V = X: Y, Z; V = Y: Z, X), the box is meant to
 * be seen from the side of +H1, -H2 and +V (for Z up: from the front right, above), -H2 being
 * its front. Then:
 * - the H1 member is graduated toward V: its labels stand upright in the box's front face,
 *   below its floor (XZ for Z up, YX for X up, ZY for Y up);
 * - the H2 member is graduated toward H1: its labels lie in the plane of the floor, outside
 *   the box beside the member (YX for Z up, ZY for X up, XZ for Y up), away from the H1 labels
 *   that a view from the front would otherwise stack on them;
 * - the upright member is graduated toward H1 (ZX for Z up, XY for X up, YZ for Y up), its
 *   labels outside the box; with 3D text (PoBase::TEXT_3D) a member is reversed when its text
 *   would otherwise face away from that viewer (annotation text turns by itself);
 * - the H2 member leaves out the label of its first graduation, which stands on the first
 *   label of the upright member at their shared corner whenever the span begins on a
 *   graduation (as automatic steps on round frames do).
 * All three start at `start`: `xAxis` ends at end.x, `yAxis` at end.y, `zAxis` at end.z, titled
 * xTitle, yTitle and zTitle. The label side and the reversal are the group's choice until the
 * user sets them; see PoAxisGroup for the rest of what the group sets on its members.
 *
 * Fields: start (SoSFVec3f, 0 0 0), end (SoSFVec3f, 1 1 1), verticalAxisName (AxisName:
 * X_AXIS, Y_AXIS, Z_AXIS; default Z_AXIS), xTitle, yTitle, zTitle (SoSFString, ""), xAxisType,
 * yAxisType, zAxisType (AxisType, LINEAR). Read and written under the name PoGroup3Axis3.
 */
class PoGroup3Axis3 : public PoAxisGroup {
  typedef PoAxisGroup inherited;
  PO_KIT_HEADER(PoGroup3Axis3);

  SO_KIT_CATALOG_ENTRY_HEADER(xAxis);
  SO_KIT_CATALOG_ENTRY_HEADER(yAxis);
  SO_KIT_CATALOG_ENTRY_HEADER(zAxis);

public:
  PoGroup3Axis3();
  static void initClass();

  enum AxisName { X_AXIS = 0, Y_AXIS = 1, Z_AXIS = 2 };

  SoSFVec3f start;
  SoSFVec3f end;
  SoSFEnum verticalAxisName;
  SoSFString xTitle;
  SoSFString yTitle;
  SoSFString zTitle;
  SoSFEnum xAxisType;
  SoSFEnum yAxisType;
  SoSFEnum zAxisType;

  void rebuild() override;

protected:
  ~PoGroup3Axis3() override;

private:
  /** Lays the members out on the frame of the fields. */
  void initAxis();
};

#endif
