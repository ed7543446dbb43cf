// Font name, line breaking, and the profile and outlining flags of the texts a node draws.
#ifndef GRIDLUX_PBMISCTEXTATTR_H
#define GRIDLUX_PBMISCTEXTATTR_H

#include <Gridlux/base/PbBase.h>
#include <Inventor/SbString.h>

/**
 * @brief Text attributes shared by the nodes that draw text.
 *
 * Defaults: end-of-line character space, line length 0 (no breaking), font "defaultFont",
 * profile off, predefined profile on, outlining on. A negative line length or a null font name
 * is refused with a message and changes nothing.
 */
class PbMiscTextAttr : public PbBase {
public:
  PbMiscTextAttr();
  PbMiscTextAttr(const PbMiscTextAttr& other);
  PbMiscTextAttr& operator=(const PbMiscTextAttr& other);

  void setLineLength(char endLineChar, int lineLength);
  void getLineLength(char& endLineChar, int& lineLength) const;

  void setFontName(const char* name);
  const SbString& getFontName() const { return m_fontName; }

  void enableProfile(int onOff);
  int isProfileEnabled() const { return m_profileEnabled; }
  void enablePredefinedProfile(int onOff);
  int isPredefinedProfileEnabled() const { return m_predefinedProfileEnabled; }
  void enableOutlining(int onOff);
  int isOutliningEnabled() const { return m_outliningEnabled; }

private:
  void changed();

  char m_endLineChar = ' ';
  int m_lineLength = 0;
  SbString m_fontName = "defaultFont";
  int m_profileEnabled = 0;
  int m_predefinedProfileEnabled = 1;
  int m_outliningEnabled = 1;
};

#endif
