// Base of the property nodes that thin out a one-dimensional series before a chart draws it.
#ifndef GRIDLUX_POMESH1DFILTER_H
#define GRIDLUX_POMESH1DFILTER_H

#include <Gridlux/base/PoNode.h>

/**
 * @brief Series filter: when traversed, sets PoMesh1DFilterElement to itself. The subclasses
 * only hold fields; the chart geometry (PbMesh1D::getFilteredXYGeometry) applies them.
 */
class PoMesh1DFilter : public PoNode {
  typedef PoNode inherited;
  PO_NODE_ABSTRACT_HEADER(PoMesh1DFilter);

public:
  static void initClass();

  void doAction(SoAction* action) override;

protected:
  PoMesh1DFilter();
  ~PoMesh1DFilter() override;
};

#endif
