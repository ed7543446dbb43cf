// Arrows of a 3D vector field sampled on a square grid in a plane.
#ifndef GRIDLUX_POMESH3DVECGRIDCROSSSECTION_H
#define GRIDLUX_POMESH3DVECGRIDCROSSSECTION_H

#include <Gridlux/representations/PoMesh3DVecCrossSection.h>

#include <Inventor/fields/SoSFFloat.h>

/**
 * @brief Draws the arrows of the vector set `vecsIndex` at the nodes of a square grid laid in
 * `plane`.
 *
 * The grid's axes are an orthonormal frame of the plane; its centre is where the line through
 * the centre of the mesh's bounding box along the normal meets the plane, and its step is
 * gridSpacing times the length of the box's diagonal. Each sample inside the box that lies in
 * a cell gets the vector (and the value of set `valuesIndex`) interpolated in that cell
 * (PbMesh::findContainingCell, PbCell::getValue), projected as projectionType says.
 *
 * Fields: those of PoMesh3DVecCrossSection, gridSpacing (SoSFFloat, 0.05). A spacing that is
 * not above 0 or not finite, or so small that the grid would pass 4 million samples, posts a
 * message and draws nothing.
 */
class PoMesh3DVecGridCrossSection : public PoMesh3DVecCrossSection {
  typedef PoMesh3DVecCrossSection inherited;
  PO_KIT_HEADER(PoMesh3DVecGridCrossSection);

public:
  PoMesh3DVecGridCrossSection();
  static void initClass();

  SoSFFloat gridSpacing;

protected:
  ~PoMesh3DVecGridCrossSection() override;

  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;
  void offerVectors() override;

private:
  FieldSensorList m_sensors;
};

#endif
