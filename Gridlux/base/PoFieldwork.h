// Family base of the mesh-representation nodes.
#ifndef GRIDLUX_POFIELDWORK_H
#define GRIDLUX_POFIELDWORK_H

#include <Gridlux/base/PoBase.h>

/**
 * @brief Base of every mesh-representation node kit. Adds no parts and no fields; its constructor
 * starts the library the first time a node of the family is built.
 */
class PoFieldwork : public PoBase {
  typedef PoBase inherited;
  PO_KIT_ABSTRACT_HEADER(PoFieldwork);

public:
  static void initClass();
  /** Registers the whole mesh-representation family, parents first. */
  static void initClasses();

protected:
  PoFieldwork();
  virtual ~PoFieldwork();
};

#endif
