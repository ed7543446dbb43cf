// Base of the chart nodes that draw the series of the current one-dimensional mesh.
#ifndef GRIDLUX_POCHART_H
#define GRIDLUX_POCHART_H

#include <Gridlux/base/PoChartwork.h>

#include <Inventor/fields/SoSFEnum.h>
#include <Inventor/fields/SoSFInt32.h>
#include <Inventor/fields/SoSFNode.h>
#include <Inventor/lists/SoNodeList.h>

class SoMaterial;

/**
 * @brief Chart-node base: the series is the current one-dimensional mesh (PoMeshElement).
 *
 * Fields: colorBinding (INHERITED), yValuesIndex (0: the value set of the ordinates),
 * colorValuesIndex (1: the value set mapped to colours through the current data mapping),
 * material (null: an SoMaterial whose values are used per node instead of the data mapping).
 * Subclasses turn the series into vertices with PbMesh1D::getXYGeometry() and
 * getFilteredXYGeometry(), which apply the geometry interpretation (PoMesh1DHints) and the
 * filter (PoMesh1DFilter) of the state. The elements read are recorded by preRebuild(), so a
 * change of the mesh, the data mapping, the hints or the filter rebuilds the chart. No parts.
 */
class PoChart : public PoChartwork {
  typedef PoChartwork inherited;
  PO_KIT_ABSTRACT_HEADER(PoChart);

public:
  static void initClass();

  enum ColorBinding {
    INHERITED = 0,
    PER_VERTEX = 1,
    PER_PART = 2
  };
  enum ColorSource {
    DATA_MAPPING_COLOR = 0,
    MATERIAL_COLOR = 1,
    INHERITED_COLOR = 2
  };

  SoSFEnum colorBinding;
  SoSFInt32 yValuesIndex;
  SoSFInt32 colorValuesIndex;
  SoSFNode material;

  /** Where the colours of the geometry come from, after the fields' values and ignore flags. */
  ColorSource getColorSource() const;

protected:
  PoChart();
  ~PoChart() override;

  /**
   * One single-value SoMaterial per part: part i takes value i (modulo the field's number of
   * values) of each of the six material fields. Empty for a null material.
   */
  static SoNodeList decomposeSoMaterial(const SoMaterial* material);

  void preRebuild() override;
  void addElementsAllCaches() override;
  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;

private:
  FieldSensorList m_sensors;
};

#endif
