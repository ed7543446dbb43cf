// Function-based data-mapping node: the functions pass straight to the owned object.
#include <Gridlux/attributes/PoNonLinearDataMapping.h>

PO_NODE_SOURCE(PoNonLinearDataMapping);

void PoNonLinearDataMapping::initClass()
{
  PO_NODE_INIT_CLASS(PoNonLinearDataMapping, PoDataMapping, "PoDataMapping");
}

PoNonLinearDataMapping::PoNonLinearDataMapping() : PoDataMapping(new PbNonLinearDataMapping)
{
  SO_NODE_CONSTRUCTOR(PoNonLinearDataMapping);
}

PoNonLinearDataMapping::~PoNonLinearDataMapping() = default;

void PoNonLinearDataMapping::setColorFunction(const SbColor* (*function)(float))
{
  static_cast<PbNonLinearDataMapping*>(m_dataMapping)->setRGBFunction(function);
  // No field changed: touching renews the node identity that the readers' caches record.
  touch();
}

void PoNonLinearDataMapping::setTransparencyFunction(float (*function)(float))
{
  static_cast<PbNonLinearDataMapping*>(m_dataMapping)->setTransparencyFunction(function);
  touch();
}
