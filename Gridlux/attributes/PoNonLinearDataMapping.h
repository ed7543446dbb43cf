// Property node of a data mapping given by application functions.
#ifndef GRIDLUX_PONONLINEARDATAMAPPING_H
#define GRIDLUX_PONONLINEARDATAMAPPING_H

#include <Gridlux/attributes/PbNonLinearDataMapping.h>
#include <Gridlux/attributes/PoDataMapping.h>

/**
 * @brief Sets PoDataMappingElement to a PbNonLinearDataMapping whose functions are set through
 * the node. No fields of its own: the functions are not written to files. Read and written
 * under the name PoNonLinearDataMapping.
 */
class PoNonLinearDataMapping : public PoDataMapping {
  typedef PoDataMapping inherited;
  PO_NODE_HEADER(PoNonLinearDataMapping);

public:
  PoNonLinearDataMapping();
  static void initClass();

  void setColorFunction(const SbColor* (*function)(float));
  void setTransparencyFunction(float (*function)(float));

protected:
  ~PoNonLinearDataMapping() override;
};

#endif
