// Series filter that keeps points of the curve at regular coordinates.
#ifndef GRIDLUX_POPERIODFILTER_H
#define GRIDLUX_POPERIODFILTER_H

#include <Gridlux/mesh/nodes/PoMesh1DFilter.h>
#include <Inventor/fields/SoSFEnum.h>
#include <Inventor/fields/SoSFFloat.h>

/**
 * @brief Keeps points of the curve at regular coordinates.
 *
 * Fields: period (SoSFFloat, 1), axis (X or Y, X). The curve (under the current geometry
 * interpretation) is sampled at min + i * period along the axis, up to the curve's max; a curve
 * that turns back gives several points per coordinate. A period of 0 or less (or not finite) is
 * refused with a message by the chart geometry, which then draws nothing.
 * Read and written under the name PoPeriodFilter.
 */
class PoPeriodFilter : public PoMesh1DFilter {
  typedef PoMesh1DFilter inherited;
  PO_NODE_HEADER(PoPeriodFilter);

public:
  enum Axis {
    X = 0,
    Y = 1
  };

  PoPeriodFilter();
  static void initClass();

  SoSFFloat period;
  SoSFEnum axis;

protected:
  ~PoPeriodFilter() override;
};

#endif
