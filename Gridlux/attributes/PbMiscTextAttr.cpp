// Text attributes: each setter stores its value and tells the following nodes.
#include <Gridlux/attributes/PbMiscTextAttr.h>

PbMiscTextAttr::PbMiscTextAttr() = default;

PbMiscTextAttr::PbMiscTextAttr(const PbMiscTextAttr& other)
  : PbBase(other), m_endLineChar(other.m_endLineChar), m_lineLength(other.m_lineLength),
    m_fontName(other.m_fontName), m_profileEnabled(other.m_profileEnabled),
    m_predefinedProfileEnabled(other.m_predefinedProfileEnabled),
    m_outliningEnabled(other.m_outliningEnabled)
{
}

PbMiscTextAttr& PbMiscTextAttr::operator=(const PbMiscTextAttr& other)
{
  if (this == &other)
    return *this;
  m_endLineChar = other.m_endLineChar;
  m_lineLength = other.m_lineLength;
  m_fontName = other.m_fontName;
  m_profileEnabled = other.m_profileEnabled;
  m_predefinedProfileEnabled = other.m_predefinedProfileEnabled;
  m_outliningEnabled = other.m_outliningEnabled;
  PbBase::operator=(other);
  return *this;
}

void PbMiscTextAttr::changed()
{
  setChangeType(CHANGE_GENERAL);
  notifyChange();
}

void PbMiscTextAttr::setLineLength(char endLineChar, int lineLength)
{
  m_endLineChar = endLineChar;
  m_lineLength = lineLength;
  changed();
}

void PbMiscTextAttr::getLineLength(char& endLineChar, int& lineLength) const
{
  endLineChar = m_endLineChar;
  lineLength = m_lineLength;
}

void PbMiscTextAttr::setFontName(const char* name)
{
  m_fontName = name ? name : "";
  changed();
}

void PbMiscTextAttr::enableProfile(int onOff)
{
  m_profileEnabled = onOff;
  changed();
}

void PbMiscTextAttr::enablePredefinedProfile(int onOff)
{
  m_predefinedProfileEnabled = onOff;
  changed();
}

void PbMiscTextAttr::enableOutlining(int onOff)
{
  m_outliningEnabled = onOff;
  changed();
}
