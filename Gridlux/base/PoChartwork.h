// Family base of the chart, axis, legend, label and figure nodes.
#ifndef GRIDLUX_POCHARTWORK_H
#define GRIDLUX_POCHARTWORK_H

#include <Gridlux/base/PoBase.h>

/**
 * @brief Base of every chart-family node kit. Adds no parts and no fields; its constructor
 * starts the library the first time a node of the family is built.
 */
class PoChartwork : public PoBase {
  typedef PoBase inherited;
  PO_KIT_ABSTRACT_HEADER(PoChartwork);

public:
  static void initClass();
  /** Registers the whole chart family, parents first. */
  static void initClasses();

protected:
  explicit PoChartwork(CatchActionCB* catchActionCB = nullptr);
  virtual ~PoChartwork();
};

#endif
