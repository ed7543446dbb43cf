// Linear data-mapping node: its six fields go into the owned ramp.
#include <Gridlux/attributes/PoLinearDataMapping.h>

PO_NODE_SOURCE(PoLinearDataMapping);

void PoLinearDataMapping::initClass()
{
  PO_NODE_INIT_CLASS(PoLinearDataMapping, PoDataMapping, "PoDataMapping");
}

PoLinearDataMapping::PoLinearDataMapping() : PoDataMapping(new PbLinearDataMapping)
{
  SO_NODE_CONSTRUCTOR(PoLinearDataMapping);
  SO_NODE_ADD_FIELD(value1, (0.0f));
  SO_NODE_ADD_FIELD(color1, (0.0f, 0.0f, 0.0f));
  SO_NODE_ADD_FIELD(transparency1, (0.0f));
  SO_NODE_ADD_FIELD(value2, (1.0f));
  SO_NODE_ADD_FIELD(color2, (1.0f, 1.0f, 1.0f));
  SO_NODE_ADD_FIELD(transparency2, (0.0f));
}

PoLinearDataMapping::~PoLinearDataMapping() = default;

void PoLinearDataMapping::updateDataMapping()
{
  inherited::updateDataMapping();
  if (!m_valuesChanged)
    return;
  m_valuesChanged = FALSE;
  static_cast<PbLinearDataMapping*>(m_dataMapping)
    ->setValues(value1.getValue(), color1.getValue(), transparency1.getValue(), value2.getValue(),
                color2.getValue(), transparency2.getValue());
}
