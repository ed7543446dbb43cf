// Date format node: the format first (the dates are read with it), then the mapping.
#include <Gridlux/attributes/PoDateFormatMapping.h>

#include <Gridlux/attributes/PoDateFormatMappingElement.h>

#include <Inventor/actions/SoAction.h>
#include <Inventor/misc/SoNotification.h>

PO_NODE_SOURCE(PoDateFormatMapping);

void PoDateFormatMapping::initClass()
{
  PO_NODE_INIT_CLASS(PoDateFormatMapping, PoNode, "PoNode");
}

PoDateFormatMapping::PoDateFormatMapping() : m_mapping(new PbDateFormatMapping)
{
  SO_NODE_CONSTRUCTOR(PoDateFormatMapping);
  SO_NODE_ADD_FIELD(date1, ("1-01-70"));
  SO_NODE_ADD_FIELD(date2, ("2-01-70"));
  SO_NODE_ADD_FIELD(coord1, (0.0f));
  SO_NODE_ADD_FIELD(coord2, (1.0f));
  SO_NODE_ADD_FIELD(format, ("dmy"));
}

PoDateFormatMapping::~PoDateFormatMapping()
{
  delete m_mapping;
}

void PoDateFormatMapping::notify(SoNotList* list)
{
  const SoField* field = list->getLastField();
  if (field == &format)
    m_formatChanged = TRUE;
  else if (field)
    m_mappingChanged = TRUE;
  else
    m_formatChanged = m_mappingChanged = TRUE;
  inherited::notify(list);
}

void PoDateFormatMapping::updateDateFormatMapping()
{
  if (m_formatChanged) {
    m_formatChanged = FALSE;
    m_mappingChanged = TRUE; // the dates read differently under another format
    m_mapping->setFormat(format.getValue().getString());
  }
  if (m_mappingChanged) {
    m_mappingChanged = FALSE;
    m_mapping->setDateMapping(date1.getValue().getString(), date2.getValue().getString(),
                              coord1.getValue(), coord2.getValue());
  }
}

int PoDateFormatMapping::getCoordinate(const char* date, float& coord)
{
  updateDateFormatMapping();
  return m_mapping->getCoordinate(date, coord);
}

const PbDateFormatMapping* PoDateFormatMapping::getDateFormatMapping()
{
  updateDateFormatMapping();
  return m_mapping;
}

void PoDateFormatMapping::doAction(SoAction* action)
{
  updateDateFormatMapping();
  PoDateFormatMappingElement::set(action->getState(), this, m_mapping);
}
