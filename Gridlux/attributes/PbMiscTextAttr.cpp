// Text attributes: each setter stores its value and tells the following nodes.
#include <Gridlux/attributes/PbMiscTextAttr.h>

#include <Gridlux/base/PoDebugError.h>

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
  if (lineLength < 0) {
    PoDebugError::post("PbMiscTextAttr::setLineLength",
                       "the line length must be >= 0 (0: no line breaking), got %d", lineLength);
    return;
  }
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
  if (!name) {
    PoDebugError::post("PbMiscTextAttr::setFontName", "null font name");
    return;
  }
  m_fontName = name;
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
