// Abstract base of the bar charts: bars from a threshold line to each point of the series.
#ifndef GRIDLUX_POBAR_H
#define GRIDLUX_POBAR_H

#include <Gridlux/mesh/PoChart.h>

#include <Inventor/fields/SoSFEnum.h>
#include <Inventor/fields/SoSFFloat.h>

/**
 * @brief Bar-chart base: the bars of its subclasses run from `threshold` to the points of the
 * chart geometry, along y under VERTICAL (the default), along x under HORIZONTAL. Part `bar`.
 */
class PoBar : public PoChart {
  typedef PoChart inherited;
  PO_KIT_ABSTRACT_HEADER(PoBar);

  SO_KIT_CATALOG_ENTRY_HEADER(bar);

public:
  static void initClass();

  enum Orientation {
    HORIZONTAL = 0,
    VERTICAL = 1
  };

  SoSFEnum orientation;
  SoSFFloat threshold;

protected:
  PoBar();
  ~PoBar() override;
  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;

private:
  FieldSensorList m_sensors;
};

#endif
