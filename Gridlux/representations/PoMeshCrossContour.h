// Outline of a plane's section of the current 3D mesh, on the mesh's skin.
#ifndef GRIDLUX_POMESHCROSSCONTOUR_H
#define GRIDLUX_POMESHCROSSCONTOUR_H

#include <Gridlux/representations/PoMesh3D.h>

#include <Inventor/fields/SoSFPlane.h>

#include <vector>

class PbCartesianGrid3D;
class PbParalCartesianGrid3D;
class PbRegularCartesianGrid3D;

/**
 * @brief Draws the segments where `plane` crosses the outer faces of the mesh (the outline of
 * the section a PoMeshCrossSection of the same plane draws), as one SoIndexedLineSet.
 *
 * The outer faces are a grid's six sides, or the skin of an unstructured mesh (its faces that
 * belong to one cell, see PbIndexedMesh3D::updateSkin()). A face gives a segment when the plane
 * meets it in two points: nodes lying on the plane, or crossings of edges whose ends lie
 * strictly on both sides. A face lying in the plane gives nothing itself: its outline comes from
 * the faces around it. An edge lying in the plane is drawn once, though two faces hold it.
 *
 * Colouring: with a value set `valuesIndex` bound per node and a colouring other than
 * COLOR_INHERITED, each point takes the data-mapping colour of the value interpolated there;
 * otherwise the inherited material.
 *
 * Field: plane (SoSFPlane, normal +Z through the origin). Part: groupCrossContour (SoGroup).
 */
class PoMeshCrossContour : public PoMesh3D {
  typedef PoMesh3D inherited;
  PO_KIT_HEADER(PoMeshCrossContour);

  SO_KIT_CATALOG_ENTRY_HEADER(groupCrossContour);

public:
  PoMeshCrossContour();
  static void initClass();

  SoSFPlane plane;

  void rebuild() override;

  // The segments of each mesh kind, called back by the mesh.
  void cartGrid3DCrossContour(const PbCartesianGrid3D* mesh);
  void paralCartGrid3DCrossContour(const PbParalCartesianGrid3D* mesh);
  void regularGrid3DCrossContour(const PbRegularCartesianGrid3D* mesh);
  void hexahedronMeshCrossContour(const PbHexahedronMesh3D* mesh);
  void tetrahedronMeshCrossContour(const PbTetrahedronMesh3D* mesh);
  void indexedMeshCrossContour(const PbIndexedMesh3D* mesh);

protected:
  ~PoMeshCrossContour() override;

  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;
  void preRebuild() override;

private:
  std::vector<float> m_distances;
  float m_level = 0.0f;

  FieldSensorList m_sensors;
};

#endif
