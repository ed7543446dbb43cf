// Arrows of a 3D vector field where a plane cuts the mesh.
#ifndef GRIDLUX_POMESH3DVECCROSSSECTION_H
#define GRIDLUX_POMESH3DVECCROSSSECTION_H

#include <Gridlux/representations/PoMesh3DVec.h>

#include <Inventor/fields/SoSFPlane.h>

#include <vector>

/**
 * @brief Draws the arrows of the vector set `vecsIndex` at the points where `plane` crosses
 * the edges of the mesh's cells.
 *
 * The crossing edges are those of the level surface of the nodes' distances along the normal
 * (see PoMesh3D), one point per edge; at each the point, the vector and the value of set
 * `valuesIndex` are interpolated linearly between the edge's ends at the plane's own distance,
 * so that every arrow starts on the plane and a linear field is reproduced exactly. A node lying
 * in the plane gives one arrow. The vector drawn is v (NO_PROJECTION), v - (v.n)n
 * (PROJECTION_ON_PLANE) or (v.n)n (PROJECTION_ON_NORMAL), n the plane's unit normal.
 *
 * Fields: those of PoMesh3DVec, plane (SoSFPlane, normal +Z through the origin),
 * projectionType (SoSFEnum ProjectionType, NO_PROJECTION). A plane that is not finite posts a
 * message and draws nothing; one that misses the mesh draws nothing.
 */
class PoMesh3DVecCrossSection : public PoMesh3DVec {
  typedef PoMesh3DVec inherited;
  PO_KIT_HEADER(PoMesh3DVecCrossSection);

public:
  PoMesh3DVecCrossSection();
  static void initClass();

  enum ProjectionType { NO_PROJECTION = 0, PROJECTION_ON_PLANE = 1, PROJECTION_ON_NORMAL = 2 };

  SoSFPlane plane;
  SoSFEnum projectionType;

  const float* getIsosurfDataSet() const override { return m_distances.empty() ? nullptr : m_distances.data(); }
  float getIsosurfValue() const override { return m_level; }

protected:
  ~PoMesh3DVecCrossSection() override;

  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;
  void offerVectors() override;
  int expectedVectors() const override { return 0; }

  /** The plane's unit normal and distance; false, with a message, when it is not finite. */
  bool planeInForce(SbVec3f& normal, float& distance, const char* method) const;
  /** @p v as projectionType asks, for the unit normal @p n. */
  SbVec3f project(const SbVec3f& v, const SbVec3f& n) const;

private:
  std::vector<float> m_distances;
  std::vector<unsigned char> m_nodeDrawn;
  float m_level = 0.0f;
  FieldSensorList m_sensors;
};

#endif
