// Data mapping: the deletion threshold of mapped transparencies.
#include <Gridlux/attributes/PbDataMapping.h>

PbDataMapping::PbDataMapping() = default;

PbDataMapping::PbDataMapping(const PbDataMapping& other)
  : PbBase(other), m_transparencyValueDeletedParts(other.m_transparencyValueDeletedParts)
{
}

PbDataMapping& PbDataMapping::operator=(const PbDataMapping& other)
{
  if (this == &other)
    return *this;
  m_transparencyValueDeletedParts = other.m_transparencyValueDeletedParts;
  PbBase::operator=(other);
  return *this;
}

void PbDataMapping::setTransparencyValueDeletedParts(float value)
{
  m_transparencyValueDeletedParts = value;
  setChangeType(CHANGE_GENERAL);
  notifyChange();
}
