// Builds and measures the text that charts, axes and legends draw.
#ifndef GRIDLUX_PITEXT_H
#define GRIDLUX_PITEXT_H

#include <Inventor/SbBox2f.h>
#include <Inventor/SbBox3f.h>
#include <Inventor/SbMatrix.h>
#include <Inventor/SbString.h>
#include <Inventor/SbVec2f.h>
#include <Inventor/SbVec3f.h>

#include <string>
#include <vector>

class PbMiscTextAttr;
class SoGroup;
class SoNode;

/**
 * @brief Turns a string, an anchor, an alignment and a writing direction into toolkit text.
 *
 * A plain value object: a node sets it up, calls build() once per text and discards it.
 * build() adds to the target group an SoFont and an SoTransformSeparator that holds an
 * SoMatrixTransform (placement, vertical alignment, mirror) and the text node: SoAsciiText in
 * VRML 2 mode (PoBase::isVRML2Mode), SoAnnoText3 when PoBase::getTextType() is TEXT_ANNOTATION,
 * SoText3 otherwise. Lines run downward one font size apart.
 *
 * The font names "default" and "defaultFont" stand for DejaVu Sans, the font that the project
 * installs, so that text has the same metrics on every machine.
 *
 * Bad input (null strings, non-finite anchors or directions, non-positive font sizes, no target
 * group) is reported through PoDebugError and builds nothing.
 */
class PiText {
public:
  enum HorAlignment { LEFT = 0, RIGHT = 1, CENTER = 2 };
  enum VertAlignment { TOP = 0, CAP = 1, HALF = 2, BASE = 3, BOTTOM = 4 };
  enum Path { PATH_RIGHT = 0, PATH_LEFT = 1, PATH_UP = 2, PATH_DOWN = 3 };

  /** Font that the names "default" and "defaultFont" resolve to. */
  static const char* const DEFAULT_FONT;

  PiText();

  void setOrigin(float x, float y, float z = 0.0f) { setOrigin(SbVec3f(x, y, z)); }
  void setOrigin(const SbVec2f& origin) { setOrigin(SbVec3f(origin[0], origin[1], 0.0f)); }
  void setOrigin(const SbVec3f& origin);
  /** Plane of the text: reading direction and up direction before the character-up rotation. */
  void setDirectionVectors(const SbVec3f& first, const SbVec3f& second);
  /** Up direction of the glyphs in the plane of the two direction vectors. */
  void setCharUpVec(const SbVec2f& up);
  void setPath(Path path);

  /** A null string is refused with a message and leaves an empty string. */
  void setString(const char* string);
  const SbString& getString() const { return m_string; }

  void setHorAlignment(HorAlignment alignment) { m_horAlignment = alignment; }
  void setVertAlignment(VertAlignment alignment) { m_vertAlignment = alignment; }
  void setAlignment(HorAlignment hor, VertAlignment vert)
  {
    m_horAlignment = hor;
    m_vertAlignment = vert;
  }

  void setFontName(const char* name);
  /** Font size in scene units; zero, negative or non-finite sizes are refused. */
  void setFontSize(float size);
  void setFont(const char* name, float size)
  {
    setFontName(name);
    setFontSize(size);
  }
  float getFontSize() const { return m_fontSize; }

  /** The group that build() adds to; see the class comment for what setGroup inserts. */
  void setGroup(SoGroup* group);

  void setMultiLinesEnable(int onOff) { m_multiLinesEnabled = onOff; }
  /** Breaks lines at @p separator after at most @p lineLength characters (0: no breaking). */
  void setMultiLines(int lineLength, char separator = ' ');
  void setMirrorEnable(int onOff) { m_mirrorEnabled = onOff; }
  /** The built text node carries this name. */
  void setName(const char* name);
  void enableProfile(int onOff) { m_profileEnabled = onOff; }
  void enablePredefinedProfile(int onOff) { m_predefinedProfileEnabled = onOff; }

  /** Takes font name, line breaking and profile flags from @p attr; null changes nothing. */
  void setTextAttributes(const PbMiscTextAttr* attr);

  /** Adds the text to the target group. Returns 1 when something was added. */
  int build();
  /** Builds and returns the extent in the group's frame (x and y) and the number of lines. */
  int build(SbBox2f& extent, int& lineCount);
  /** The extent and line count that build() would give, without adding anything. */
  void getLimit(SbBox2f& extent, int& lineCount);
  /** The 3D extent of the last build() or getLimit(). */
  const SbBox3f& getLimit3() const { return m_limit; }

  /** Width and height of @p string, split into lines, at the current font. */
  void getStringSizes(const char* string, float& width, float& height);
  /**
   * Sizes of @p n strings: the largest width and height, and the indices of the widest and of
   * the tallest string (-1 when there is none).
   */
  void getStringsSizes(const char** strings, int n, int& widestIndex, int& tallestIndex,
                       float& maxWidth, float& maxHeight);
  /** Number of lines that @p string makes under the current line breaking. */
  int getSubStringNum(const char* string);

  /**
   * Splits @p text into lines: at each newline, then (when @p lineLength > 0) word by word, a
   * line taking the longest run of whole words that ends within @p lineLength characters. A
   * word longer than the line length stands alone and is not cut. A newline at the very end
   * closes the last line and makes no empty line.
   */
  static void splitLines(const char* text, int lineLength, char separator,
                         std::vector<std::string>& lines);

  /** Font actually asked of the toolkit for @p name. */
  static const char* resolveFontName(const char* name);

private:
  void splitString(const char* text, std::vector<std::string>& lines) const;
  SoNode* makeTextNode(const std::vector<std::string>& lines) const;
  SbMatrix makeOrientation() const;
  int buildInto(SoGroup* group, SbBox3f* limit, int& lineCount);
  bool isReady(const char* methodName) const;
  bool useProfile() const;

  SbVec3f m_origin;
  SbVec3f m_firstDirection;
  SbVec3f m_secondDirection;
  SbVec2f m_charUp;
  SbString m_string;
  HorAlignment m_horAlignment = LEFT;
  VertAlignment m_vertAlignment = BASE;
  SbString m_fontName;
  float m_fontSize = 1.0f;
  SoGroup* m_group = nullptr;
  int m_multiLinesEnabled = 1;
  int m_mirrorEnabled = 0;
  SbBox3f m_limit;
  int m_lineLength = 0;
  char m_separator = ' ';
  SbString m_name;
  int m_isNameSet = 0;
  int m_profileEnabled = 0;
  int m_predefinedProfileEnabled = 1;
};

#endif
