// Scatter plots: a marker at each point of the series of the current one-dimensional mesh.
#ifndef GRIDLUX_POSCATTER_H
#define GRIDLUX_POSCATTER_H

#include <Gridlux/mesh/PoChart.h>

#include <Inventor/fields/SoMFInt32.h>
#include <Inventor/fields/SoSFInt32.h>

/**
 * @brief Puts a toolkit marker at each point of the filtered chart geometry, in the part
 * `scatter`. Fields (after PoChart's): markerIndex (one value 0: the toolkit's marker indices,
 * cycled over the points), zValuesIndex (-1: with the index of a value set of the mesh, the
 * points' z coordinates; z = 0 otherwise or when the set is missing). Colours per vertex.
 * Read and written under the name PoScatter.
 */
class PoScatter : public PoChart {
  typedef PoChart inherited;
  PO_KIT_HEADER(PoScatter);

  SO_KIT_CATALOG_ENTRY_HEADER(scatter);

public:
  PoScatter();
  static void initClass();

  SoMFInt32 markerIndex;
  SoSFInt32 zValuesIndex;

  void rebuild() override;

protected:
  ~PoScatter() override;
  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;

private:
  FieldSensorList m_sensors;
};

#endif
