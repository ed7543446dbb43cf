// Vertical walls along the boundary of a 2D mesh with heights, down or up to a threshold level.
#ifndef GRIDLUX_POMESHSIDES_H
#define GRIDLUX_POMESHSIDES_H

#include <Gridlux/representations/PoMesh2D.h>

#include <Inventor/fields/SoSFEnum.h>
#include <Inventor/fields/SoSFFloat.h>

/**
 * @brief Draws, for each boundary loop of the current 2D mesh, one wall from the boundary nodes
 * at their z down (or up) to a threshold level: a SoQuadMesh of 2 rows (the nodes at their z,
 * then at the level) and one column per loop node plus the first again.
 *
 * The level is the smallest z of the mesh (THRESHOLD_ZMIN), its largest (THRESHOLD_ZMAX) or
 * thresholdValue (THRESHOLD_VALUE, and whenever the mesh has no z to take the range of). The z of
 * the nodes is the set zValuesIndex when it is given, else the mesh's own z, else 0; a
 * zValuesIndex the mesh has no per-node set for is reported and the mesh's own z used.
 *
 * Each wall face gets one normal, horizontal and pointing away from the mesh (the side of the
 * boundary edge opposite to its cell); each loop runs so that its faces turn clockwise seen from
 * outside, whether the wall goes down or up, as the shape hints say.
 *
 * Fields: thresholdType (SoSFEnum ThresholdType, THRESHOLD_ZMIN), thresholdValue (SoSFFloat, 0).
 * Part: groupSides (SoGroup: shape hints, normal binding, then per loop normals, coordinates and
 * quad mesh).
 */
class PoMeshSides : public PoMesh2D {
  typedef PoMesh2D inherited;
  PO_KIT_HEADER(PoMeshSides);

  SO_KIT_CATALOG_ENTRY_HEADER(groupSides);

public:
  enum ThresholdType { THRESHOLD_ZMIN = 0, THRESHOLD_ZMAX = 1, THRESHOLD_VALUE = 2 };

  SoSFEnum thresholdType;
  SoSFFloat thresholdValue;

  PoMeshSides();
  static void initClass();

  void rebuild() override;

protected:
  ~PoMeshSides() override;

  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;

private:
  /** The level the walls reach, from thresholdType over the @p num node heights @p z (or null). */
  float thresholdLevel(int num, const float* z) const;

  FieldSensorList m_sensorsSides;
};

#endif
