// Property node that puts a date format mapping into the traversal state.
#ifndef GRIDLUX_PODATEFORMATMAPPING_H
#define GRIDLUX_PODATEFORMATMAPPING_H

#include <Gridlux/attributes/PbDateFormatMapping.h>
#include <Gridlux/base/PoNode.h>

#include <Inventor/fields/SoSFFloat.h>
#include <Inventor/fields/SoSFString.h>

/**
 * @brief Sets PoDateFormatMappingElement to the mapping described by its fields.
 *
 * Fields: date1 (SoSFString, "1-01-70"), date2 (SoSFString, "2-01-70"), coord1 (SoSFFloat, 0),
 * coord2 (SoSFFloat, 1), format (SoSFString, "dmy"). A format or mapping that the data object
 * refuses is reported and the previous one stays in force. Read and written under the name
 * PoDateFormatMapping.
 */
class PoDateFormatMapping : public PoNode {
  typedef PoNode inherited;
  PO_NODE_HEADER(PoDateFormatMapping);

public:
  PoDateFormatMapping();
  static void initClass();

  SoSFString date1;
  SoSFString date2;
  SoSFFloat coord1;
  SoSFFloat coord2;
  SoSFString format;

  /** Returns 1 with the coordinate of @p date, or 0 when it cannot be read. */
  int getCoordinate(const char* date, float& coord);
  /** The owned mapping, brought up to date with the fields. */
  const PbDateFormatMapping* getDateFormatMapping();

  void doAction(SoAction* action) override;
  void notify(SoNotList* list) override;

protected:
  ~PoDateFormatMapping() override;
  void updateDateFormatMapping();

private:
  PbDateFormatMapping* m_mapping;
  SbBool m_formatChanged = TRUE;
  SbBool m_mappingChanged = TRUE;
};

#endif
