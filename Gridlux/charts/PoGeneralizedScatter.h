// Solid scatter plots: a sphere, cube, cone or profile solid at each point of the series.
#ifndef GRIDLUX_POGENERALIZEDSCATTER_H
#define GRIDLUX_POGENERALIZEDSCATTER_H

#include <Gridlux/charts/PiSolidGeometry.h>
#include <Gridlux/mesh/PoChart.h>

#include <Inventor/fields/SoSFEnum.h>
#include <Inventor/fields/SoSFFloat.h>
#include <Inventor/fields/SoSFInt32.h>

/**
 * @brief Puts a closed solid centred on each point (x_i, y_i, 0) of the filtered chart geometry
 * of the current one-dimensional mesh, all of them in one indexed face set in the part `scatter`.
 *
 * Fields (after PoChart's):
 * - `markerShape` (SoSFEnum MarkerShape, SPHERE): SPHERE, CUBE (faces across x, y, z), CONE (apex
 *   up along +y, its base and apex at the marker's bottom and top) or PROFILE (the profile of the
 *   state, the 16-point unit circle when none, facing +z and extruded along z).
 * - `markerSize` (SoSFFloat, 0: 0.02 of the domain's x extent): the marker's diameter, side or
 *   height, in x units; the solids are stretched against the domain transform so that they keep
 *   their shape in the scene.
 * - `sizeValuesIndex` (SoSFInt32, -1): with the index of a value set of the mesh, marker i is
 *   scaled by |value_i| / the largest |value|, so that the largest marker has `markerSize` (bubble
 *   plots); a value that is zero draws no marker.
 *
 * Colours as PoScatter: marker i takes material entry i of the chart's colours. Bad input posts a
 * message: a negative or non-finite `markerSize` (the default is used), a shape out of range
 * (spheres), a missing size value set or non-finite sizes (those markers take `markerSize`), points
 * that are not finite (no marker). Read and written under the name PoGeneralizedScatter.
 */
class PoGeneralizedScatter : public PoChart {
  typedef PoChart inherited;
  PO_KIT_HEADER(PoGeneralizedScatter);

  SO_KIT_CATALOG_ENTRY_HEADER(scatter);

public:
  PoGeneralizedScatter();
  static void initClass();

  enum MarkerShape {
    SPHERE = PiSolidGeometry::SPHERE,
    CUBE = PiSolidGeometry::CUBE,
    CONE = PiSolidGeometry::CONE,
    PROFILE = PiSolidGeometry::PROFILE
  };

  SoSFEnum markerShape;
  SoSFFloat markerSize;
  SoSFInt32 sizeValuesIndex;

  void rebuild() override;

protected:
  ~PoGeneralizedScatter() override;
  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;
  void preRebuild() override;
  void addElementsAllCaches() override;

private:
  FieldSensorList m_sensors;
  PiSolidGeometry::Mesh m_mesh; // reused between rebuilds
};

#endif
