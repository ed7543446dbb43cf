// Six 3D axes on the edges of a box: three from its start corner, three from the far one.
#ifndef GRIDLUX_POGROUP6AXIS3_H
#define GRIDLUX_POGROUP6AXIS3_H

#include <Gridlux/axes/PoAxisGroup.h>

#include <Inventor/fields/SoSFEnum.h>
#include <Inventor/fields/SoSFString.h>
#include <Inventor/fields/SoSFVec3f.h>

/**
 * @brief Two axes per direction on the box from `start` (s) to `end` (e), Z upright, the box
 * meant to be seen from the front right, above (from +X, -Y, +Z), as PoGroup3Axis3 with
 * Z_AXIS vertical.
 *
 * The "down" members meet at the start corner and the "up" members on the edges that meet at
 * the far corner, so each pair holds two diagonally opposite edges of the box:
 * - `xDownAxis` from (s.x, s.y, s.z) and `xUpAxis` from (s.x, e.y, e.z), both to end.x, type
 *   XZ: labels upright, below the floor and above the top of the box.
 * - `yLeftAxis` from (s.x, s.y, s.z) and `yRightAxis` from (e.x, s.y, e.z), both to end.y,
 *   type YX: labels in the planes of the floor and the top, outside the box on the -X and +X
 *   sides.
 * - `zDownAxis` from (s.x, s.y, s.z) and `zUpAxis` from (e.x, e.y, s.z), both to end.z, type
 *   ZX: labels outside the box on the -X and +X sides, reversed with 3D text
 *   (PoBase::TEXT_3D) so that they read from the front.
 * Where two label rows meet at a corner, one gives way: `yLeftAxis` leaves out its first label
 * and `yRightAxis` its last.
 * Members of a direction share its title and axis type. The label side and the reversal are
 * the group's choice until the user sets them; see PoAxisGroup for the rest.
 *
 * Fields: start (SoSFVec3f, 0 0 0), end (SoSFVec3f, 1 1 1), xTitle, yTitle, zTitle
 * (SoSFString, ""), xAxisType, yAxisType, zAxisType (AxisType, LINEAR). Read and written under
 * the name PoGroup6Axis3.
 */
class PoGroup6Axis3 : public PoAxisGroup {
  typedef PoAxisGroup inherited;
  PO_KIT_HEADER(PoGroup6Axis3);

  SO_KIT_CATALOG_ENTRY_HEADER(xUpAxis);
  SO_KIT_CATALOG_ENTRY_HEADER(xDownAxis);
  SO_KIT_CATALOG_ENTRY_HEADER(yLeftAxis);
  SO_KIT_CATALOG_ENTRY_HEADER(yRightAxis);
  SO_KIT_CATALOG_ENTRY_HEADER(zUpAxis);
  SO_KIT_CATALOG_ENTRY_HEADER(zDownAxis);

public:
  PoGroup6Axis3();
  static void initClass();

  SoSFVec3f start;
  SoSFVec3f end;
  SoSFString xTitle;
  SoSFString yTitle;
  SoSFString zTitle;
  SoSFEnum xAxisType;
  SoSFEnum yAxisType;
  SoSFEnum zAxisType;

  void rebuild() override;

protected:
  ~PoGroup6Axis3() override;

private:
  /** Lays the members out on the frame of the fields. */
  void initAxis();
};

#endif
