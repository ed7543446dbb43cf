// Property node of a linear colour ramp.
#ifndef GRIDLUX_POLINEARDATAMAPPING_H
#define GRIDLUX_POLINEARDATAMAPPING_H

#include <Gridlux/attributes/PbLinearDataMapping.h>
#include <Gridlux/attributes/PoDataMapping.h>

/**
 * @brief Sets PoDataMappingElement to a PbLinearDataMapping described by its fields.
 *
 * Fields (after PoDataMapping's): value1 (0), color1 (0 0 0), transparency1 (0), value2 (1),
 * color2 (1 1 1), transparency2 (0). Read and written under the name PoLinearDataMapping.
 */
class PoLinearDataMapping : public PoDataMapping {
  typedef PoDataMapping inherited;
  PO_NODE_HEADER(PoLinearDataMapping);

public:
  PoLinearDataMapping();
  static void initClass();

  SoSFFloat value1;
  SoSFColor color1;
  SoSFFloat transparency1;
  SoSFFloat value2;
  SoSFColor color2;
  SoSFFloat transparency2;

protected:
  ~PoLinearDataMapping() override;
  void updateDataMapping() override;
};

#endif
