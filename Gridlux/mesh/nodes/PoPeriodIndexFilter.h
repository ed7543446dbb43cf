// Series filter that keeps every period-th node.
#ifndef GRIDLUX_POPERIODINDEXFILTER_H
#define GRIDLUX_POPERIODINDEXFILTER_H

#include <Gridlux/mesh/nodes/PoMesh1DFilter.h>
#include <Inventor/fields/SoSFInt32.h>

/**
 * @brief Keeps every period-th node.
 *
 * Field: period (SoSFInt32, 1): the nodes 0, period, 2 period, ... A period below 1 is refused
 * with a message by the chart geometry, which then draws nothing.
 * Read and written under the name PoPeriodIndexFilter.
 */
class PoPeriodIndexFilter : public PoMesh1DFilter {
  typedef PoMesh1DFilter inherited;
  PO_NODE_HEADER(PoPeriodIndexFilter);

public:

  PoPeriodIndexFilter();
  static void initClass();

  SoSFInt32 period;

protected:
  ~PoPeriodIndexFilter() override;
};

#endif
