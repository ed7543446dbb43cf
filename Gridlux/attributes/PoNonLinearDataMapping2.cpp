// Level-based data-mapping node: checks the colour count, then installs the levels.
#include <Gridlux/attributes/PoNonLinearDataMapping2.h>

#include <Gridlux/base/FieldDataXP.h>
#include <Gridlux/base/PoDebugError.h>

PO_NODE_SOURCE(PoNonLinearDataMapping2);

void PoNonLinearDataMapping2::initClass()
{
  PO_NODE_INIT_CLASS(PoNonLinearDataMapping2, PoDataMapping, "PoDataMapping");
}

PoNonLinearDataMapping2::PoNonLinearDataMapping2() : PoDataMapping(new PbNonLinearDataMapping2)
{
  SO_NODE_CONSTRUCTOR(PoNonLinearDataMapping2);
  SO_NODE_ADD_FIELD(type, (LINEAR_PER_LEVEL));
  SO_NODE_ADD_FIELD(value, (0.0f));
  SO_NODE_ADD_FIELD(color, (0.0f, 0.0f, 0.0f));
  SO_NODE_ADD_FIELD(transparency, (0.0f));
  SO_NODE_DEFINE_ENUM_VALUE(Type, NON_LINEAR_PER_LEVEL);
  SO_NODE_DEFINE_ENUM_VALUE(Type, LINEAR_PER_LEVEL);
  SO_NODE_SET_SF_ENUM_TYPE(type, Type);
}

PoNonLinearDataMapping2::~PoNonLinearDataMapping2() = default;

void PoNonLinearDataMapping2::updateDataMapping()
{
  inherited::updateDataMapping();
  if (!m_valuesChanged)
    return;
  m_valuesChanged = FALSE;

  const PbNonLinearDataMapping2::Type kind =
      PbNonLinearDataMapping2::Type(namedEnumValue(type, "type", "PoNonLinearDataMapping2::updateDataMapping"));
  const int numValues = value.getNum();
  const int numColors = color.getNum();
  if (kind == PbNonLinearDataMapping2::NON_LINEAR_PER_LEVEL && numColors < numValues + 1) {
    PoDebugError::post("PoNonLinearDataMapping2",
                       "The number of colours must be >= to number of values + 1");
    return;
  }
  if (numColors < numValues) {
    PoDebugError::post("PoNonLinearDataMapping2",
                       "The number of colours must be >= to number of values");
    return;
  }
  PbNonLinearDataMapping2* mapping = static_cast<PbNonLinearDataMapping2*>(m_dataMapping);
  if (transparency.getNum() == numColors)
    mapping->setValues(kind, numValues, value.getValues(0), color.getValues(0),
                       transparency.getValues(0));
  else
    mapping->setValues(kind, numValues, value.getValues(0), color.getValues(0));
}
