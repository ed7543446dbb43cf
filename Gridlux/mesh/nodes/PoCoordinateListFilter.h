// Series filter that keeps points of the curve at listed coordinates.
#ifndef GRIDLUX_POCOORDINATELISTFILTER_H
#define GRIDLUX_POCOORDINATELISTFILTER_H

#include <Gridlux/mesh/nodes/PoMesh1DFilter.h>
#include <Inventor/fields/SoMFFloat.h>
#include <Inventor/fields/SoSFEnum.h>

/**
 * @brief Keeps points of the curve at listed coordinates.
 *
 * Fields: coord (SoMFFloat, empty), axis (X or Y, X). The curve (under the current geometry
 * interpretation) is cut at each listed coordinate within its extent along the axis, in list order.
 * Read and written under the name PoCoordinateListFilter.
 */
class PoCoordinateListFilter : public PoMesh1DFilter {
  typedef PoMesh1DFilter inherited;
  PO_NODE_HEADER(PoCoordinateListFilter);

public:
  enum Axis {
    X = 0,
    Y = 1
  };

  PoCoordinateListFilter();
  static void initClass();

  SoMFFloat coord;
  SoSFEnum axis;

protected:
  ~PoCoordinateListFilter() override;
};

#endif
