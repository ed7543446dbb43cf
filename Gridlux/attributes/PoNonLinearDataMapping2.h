// Property node of a data mapping given by colours at levels.
#ifndef GRIDLUX_PONONLINEARDATAMAPPING2_H
#define GRIDLUX_PONONLINEARDATAMAPPING2_H

#include <Gridlux/attributes/PbNonLinearDataMapping2.h>
#include <Gridlux/attributes/PoDataMapping.h>

#include <Inventor/fields/SoMFColor.h>
#include <Inventor/fields/SoMFFloat.h>
#include <Inventor/fields/SoSFEnum.h>

/**
 * @brief Sets PoDataMappingElement to a PbNonLinearDataMapping2 described by its fields.
 *
 * Fields (after PoDataMapping's): type (SoSFEnum Type, LINEAR_PER_LEVEL), value (SoMFFloat, 0),
 * color (SoMFColor, 0 0 0), transparency (SoMFFloat, 0). NON_LINEAR_PER_LEVEL needs one colour
 * more than values, LINEAR_PER_LEVEL as many; with fewer, a message is posted and the previous
 * mapping stays. Extra colours are ignored; the transparencies are used when there are exactly
 * as many as colours. Read and written under the name PoNonLinearDataMapping2.
 */
class PoNonLinearDataMapping2 : public PoDataMapping {
  typedef PoDataMapping inherited;
  PO_NODE_HEADER(PoNonLinearDataMapping2);

public:
  PoNonLinearDataMapping2();
  static void initClass();

  enum Type {
    NON_LINEAR_PER_LEVEL = PbNonLinearDataMapping2::NON_LINEAR_PER_LEVEL,
    LINEAR_PER_LEVEL = PbNonLinearDataMapping2::LINEAR_PER_LEVEL
  };

  SoSFEnum type;
  SoMFFloat value;
  SoMFColor color;
  SoMFFloat transparency;

protected:
  ~PoNonLinearDataMapping2() override;
  void updateDataMapping() override;
};

#endif
