// Base of the property nodes that choose which cells of a mesh a representation keeps.
#ifndef GRIDLUX_POCELLFILTER_H
#define GRIDLUX_POCELLFILTER_H

#include <Gridlux/base/PoNode.h>

/**
 * @brief Cell filter: when traversed, sets PoCellFilterElement to itself; representations then
 * ask acceptCell() for each cell with the cell's value of the filtering value set.
 */
class PoCellFilter : public PoNode {
  typedef PoNode inherited;
  PO_NODE_ABSTRACT_HEADER(PoCellFilter);

public:
  static void initClass();

  /** Non-zero when the cell is kept. */
  virtual int acceptCell(int cellIndex, float value) const = 0;

  void doAction(SoAction* action) override;

protected:
  PoCellFilter();
  ~PoCellFilter() override;
};

#endif
