// Level surface (isosurface) of a scalar value set of the current 3D mesh.
#ifndef GRIDLUX_POMESHLEVELSURF_H
#define GRIDLUX_POMESHLEVELSURF_H

#include <Gridlux/representations/PoMesh3D.h>

#include <Inventor/fields/SoSFFloat.h>

/**
 * @brief Draws the surface on which the interpolated value of a value set equals levelValue,
 * as one SoIndexedTriangleStripSet over one SoCoordinate3.
 *
 * The level set is valuesIndexForLevel, or valuesIndex when it is -1; it must be bound per
 * node. The colour set is valuesIndex, coloured by the effective colouring (see PoMesh):
 * COLOR_INHERITED keeps the inherited material; COLOR_AVERAGE and COLOR_MAPPING give each point
 * the colour of the colour set interpolated there (one colour when the colour set is the level
 * set); COLOR_CONTOURING cuts the surface into flat bands along the isovalues;
 * COLOR_TEXTURE_CONTOURING draws the bands with the band texture. A colour set bound per cell
 * gives each polygon the colour of the cell that made it.
 *
 * surfOrientation turns the surface round: under the clockwise vertex ordering of the shape
 * hints, ORIENTED_TO_MAX puts the front of the surface on the side of the values below the
 * level, its triangles turning counter-clockwise seen from the values above; ORIENTED_TO_MIN
 * the reverse. This holds on every mesh class and whatever order the cells list their nodes in:
 * each cut cell's handedness (PbCell::getOrdering()) decides how its polygons turn, so a closed
 * surface always encloses a positive volume under ORIENTED_TO_MAX when the values above the
 * level lie outside it.
 *
 * Fields: levelValue (SoSFFloat, 0), surfOrientation (SoSFEnum SurfOrientation,
 * ORIENTED_TO_MAX), valuesIndexForLevel (SoSFInt32, -1).
 * Part: groupLevelSurf (SoGroup), receiving the shape hints and the geometry.
 */
class PoMeshLevelSurf : public PoMesh3D {
  typedef PoMesh3D inherited;
  PO_KIT_HEADER(PoMeshLevelSurf);

  SO_KIT_CATALOG_ENTRY_HEADER(groupLevelSurf);

public:
  PoMeshLevelSurf();
  static void initClass();

  enum SurfOrientation {
    ORIENTED_TO_MIN = 0,
    ORIENTED_TO_MAX = 1
  };

  SoSFFloat levelValue;
  SoSFEnum surfOrientation;
  SoSFInt32 valuesIndexForLevel;

  /** The level set of the mesh in force (else the node's mesh); null when missing or per cell. */
  const float* getIsosurfDataSet() const override;
  float getIsosurfValue() const override { return levelValue.getValue(); }
  int getSurfOrientation() const override { return surfOrientation.getValue(); }

  void rebuild() override;

protected:
  ~PoMeshLevelSurf() override;

  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;
  void setDefaultOnNonWritingFields() override;
  void preRebuild() override;

private:
  int levelSetIndex() const;

  FieldSensorList m_sensors;
};

#endif
