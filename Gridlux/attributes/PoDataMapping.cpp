// Data-mapping node base: threshold and transparency fields, lazy update, state setting.
#include <Gridlux/attributes/PoDataMapping.h>

#include <Gridlux/attributes/PoDataMappingElement.h>

#include <Inventor/actions/SoAction.h>
#include <Inventor/misc/SoNotification.h>

PO_NODE_ABSTRACT_SOURCE(PoDataMapping);

void PoDataMapping::initClass()
{
  PO_NODE_INIT_ABSTRACT_CLASS(PoDataMapping, PoNode, "PoNode");
}

PoDataMapping::PoDataMapping(PbDataMapping* dataMapping) : m_dataMapping(dataMapping)
{
  SO_NODE_CONSTRUCTOR(PoDataMapping);
  SO_NODE_ADD_FIELD(minThresholdEnabled, (FALSE));
  SO_NODE_ADD_FIELD(minThreshold, (0.0f));
  SO_NODE_ADD_FIELD(minThresholdColor, (0.0f, 0.0f, 0.0f));
  SO_NODE_ADD_FIELD(minThresholdTransparency, (0.0f));
  SO_NODE_ADD_FIELD(maxThresholdEnabled, (FALSE));
  SO_NODE_ADD_FIELD(maxThreshold, (1.0f));
  SO_NODE_ADD_FIELD(maxThresholdColor, (0.0f, 0.0f, 0.0f));
  SO_NODE_ADD_FIELD(maxThresholdTransparency, (0.0f));
  SO_NODE_ADD_FIELD(transparencyEnabled, (FALSE));
  SO_NODE_ADD_FIELD(transparencyValueDeletedParts, (0.95f));
}

PoDataMapping::~PoDataMapping()
{
  delete m_dataMapping;
}

void PoDataMapping::notify(SoNotList* list)
{
  const SoField* field = list->getLastField();
  if (!field) {
    // touch(): nothing tells which group changed, so all are copied again.
    m_minChanged = m_maxChanged = m_transparencyChanged = m_valuesChanged = TRUE;
  }
  else if (field == &minThresholdEnabled || field == &minThreshold ||
           field == &minThresholdColor || field == &minThresholdTransparency)
    m_minChanged = TRUE;
  else if (field == &maxThresholdEnabled || field == &maxThreshold ||
           field == &maxThresholdColor || field == &maxThresholdTransparency)
    m_maxChanged = TRUE;
  else if (field == &transparencyEnabled || field == &transparencyValueDeletedParts)
    m_transparencyChanged = TRUE;
  else
    m_valuesChanged = TRUE;
  inherited::notify(list);
}

void PoDataMapping::updateDataMapping()
{
  if (m_minChanged) {
    m_minChanged = FALSE;
    m_dataMapping->setMinThreshold(minThreshold.getValue(), minThresholdColor.getValue(),
                                   minThresholdTransparency.getValue());
    m_dataMapping->enableThresholds(minThresholdEnabled.getValue(),
                                    maxThresholdEnabled.getValue());
  }
  if (m_maxChanged) {
    m_maxChanged = FALSE;
    m_dataMapping->setMaxThreshold(maxThreshold.getValue(), maxThresholdColor.getValue(),
                                   maxThresholdTransparency.getValue());
    m_dataMapping->enableThresholds(minThresholdEnabled.getValue(),
                                    maxThresholdEnabled.getValue());
  }
  if (m_transparencyChanged) {
    m_transparencyChanged = FALSE;
    m_dataMapping->enableTransparency(transparencyEnabled.getValue());
    m_dataMapping->setTransparencyValueDeletedParts(transparencyValueDeletedParts.getValue());
  }
}

const PbDataMapping* PoDataMapping::getDataMapping()
{
  updateDataMapping();
  return m_dataMapping;
}

const SbColor* PoDataMapping::getColor(float value)
{
  updateDataMapping();
  return m_dataMapping->getRGBColor(value);
}

const SbColor* PoDataMapping::getColor(float value, float& transparency)
{
  updateDataMapping();
  return m_dataMapping->getRGBColor(value, transparency);
}

void PoDataMapping::doAction(SoAction* action)
{
  updateDataMapping();
  PoDataMappingElement::set(action->getState(), this, m_dataMapping);
}
