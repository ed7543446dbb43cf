// Base of the legends: a rectangle with a background, a title, boxes and their texts.
#ifndef GRIDLUX_POLEGEND_H
#define GRIDLUX_POLEGEND_H

#include <Gridlux/base/PoChartwork.h>
#include <Gridlux/text/PiText.h>

#include <Inventor/SbBox2f.h>
#include <Inventor/SbString.h>
#include <Inventor/fields/SoSFBool.h>
#include <Inventor/fields/SoSFEnum.h>
#include <Inventor/fields/SoSFFloat.h>
#include <Inventor/fields/SoSFString.h>
#include <Inventor/fields/SoSFUShort.h>

class PbMiscTextAttr;
class SoGroup;
class SoMatrixTransform;

/**
 * @brief Abstract base of the value and item legends.
 *
 * A legend fills a rectangle given in domain coordinates. It is drawn in a legend frame whose
 * origin is the rectangle's lower left corner and whose units have the same length across and
 * along on screen whatever the domain's proportions (the larger of the domain's x and y extents
 * is the frame's unit of scale), so that boxes keep their ratio and text is not stretched. Each
 * content group starts with the SoMatrixTransform of that frame.
 *
 * Fields and defaults: titleVisibility (VISIBILITY_OFF), titlePosition (POS_BOTTOM), titlePath
 * (PATH_RIGHT), titleFontSize (0: computed), titleFontName ("": the text attributes' font),
 * titleString (""), valueVisibility (VISIBILITY_ON), valuePosition (POS_RIGHT: value texts to
 * the right of their boxes), valueFontName (""), valueAddStringVisibility (FALSE),
 * valueAddString (""), marginType (REL_MARGIN), marginLeft, marginRight, marginBottom,
 * marginTop (0.05 each), incrementType (VERTICAL_INCREMENT), numColumns (1), boxRatio (1: box
 * width over box height).
 *
 * Margins: with REL_MARGIN, left and right are fractions of the rectangle's width and bottom
 * and top of its height; with FIXED_MARGIN they are domain units along x and y. A pair is used
 * only when both are not negative and leave room (less than the whole side), else that pair is
 * 0. The title, when visible, takes a band of the inner rectangle on its side; its computed size
 * fits the title into 0.95 of the side it runs along, into a quarter of the other side, and its
 * lines into 0.07 of the rectangle's longer side (a little larger than the value texts of a
 * usual legend); a given titleFontSize is a fraction of the rectangle's height, reduced when
 * the title would not fit into 0.95 of its side.
 *
 * Reads the domain and PoMiscTextAttrElement (unless setMiscTextAttr gave text attributes).
 *
 * Parts, each a separator holding an SoAppearanceKit and an SoGroup: backgroundSep,
 * backgroundApp, background (the rectangle, behind everything); backgroundBorderSep,
 * backgroundBorderApp, backgroundBorder (its outline); boxSep, boxApp, box (the coloured
 * boxes); boxBorderSep, boxBorderApp, boxBorder (their outlines, drawn with the LINES draw style
 * of boxBorderApp); titleSep, titleApp, title; valueTextSep, valueTextApp, valueText. A part with
 * nothing to show is null.
 */
class PoLegend : public PoChartwork {
  typedef PoChartwork inherited;
  PO_KIT_ABSTRACT_HEADER(PoLegend);

  SO_KIT_CATALOG_ENTRY_HEADER(backgroundSep);
  SO_KIT_CATALOG_ENTRY_HEADER(backgroundApp);
  SO_KIT_CATALOG_ENTRY_HEADER(background);
  SO_KIT_CATALOG_ENTRY_HEADER(backgroundBorderSep);
  SO_KIT_CATALOG_ENTRY_HEADER(backgroundBorderApp);
  SO_KIT_CATALOG_ENTRY_HEADER(backgroundBorder);
  SO_KIT_CATALOG_ENTRY_HEADER(boxSep);
  SO_KIT_CATALOG_ENTRY_HEADER(boxApp);
  SO_KIT_CATALOG_ENTRY_HEADER(box);
  SO_KIT_CATALOG_ENTRY_HEADER(boxBorderSep);
  SO_KIT_CATALOG_ENTRY_HEADER(boxBorderApp);
  SO_KIT_CATALOG_ENTRY_HEADER(boxBorder);
  SO_KIT_CATALOG_ENTRY_HEADER(titleSep);
  SO_KIT_CATALOG_ENTRY_HEADER(titleApp);
  SO_KIT_CATALOG_ENTRY_HEADER(title);
  SO_KIT_CATALOG_ENTRY_HEADER(valueTextSep);
  SO_KIT_CATALOG_ENTRY_HEADER(valueTextApp);
  SO_KIT_CATALOG_ENTRY_HEADER(valueText);

public:
  static void initClass();

  enum Position { POS_BOTTOM = 0, POS_TOP = 1, POS_RIGHT = 2, POS_LEFT = 3 };
  enum Visibility { VISIBILITY_OFF = 0, VISIBILITY_ON = 1 };
  enum TextPath { PATH_RIGHT = 0, PATH_LEFT = 1, PATH_UP = 2, PATH_DOWN = 3 };
  enum MarginType { REL_MARGIN = 0, FIXED_MARGIN = 1 };
  enum IncrementType { VERTICAL_INCREMENT = 0, HORIZONTAL_INCREMENT = 1 };

  SoSFEnum titleVisibility;
  SoSFEnum titlePosition;
  SoSFEnum titlePath;
  SoSFFloat titleFontSize;
  SoSFString titleFontName;
  SoSFString titleString;
  SoSFEnum valueVisibility;
  SoSFEnum valuePosition;
  SoSFString valueFontName;
  SoSFBool valueAddStringVisibility;
  SoSFString valueAddString;
  SoSFEnum marginType;
  SoSFFloat marginLeft;
  SoSFFloat marginRight;
  SoSFFloat marginBottom;
  SoSFFloat marginTop;
  SoSFEnum incrementType;
  SoSFUShort numColumns;
  SoSFFloat boxRatio;

  /** Text attributes used instead of the state's; null goes back to the state's. */
  void setMiscTextAttr(PbMiscTextAttr* attr);
  const PbMiscTextAttr* getMiscTextAttr() const { return m_miscTextAttr; }

  /** The legend rectangle and the inner rectangle of the last rebuild, in the legend frame. */
  const SbBox2f& getLegendRect() const { return m_rect; }
  const SbBox2f& getInnerRect() const { return m_inner; }
  /** 0 when the legend is at least as wide as high, else 1 (last rebuild). */
  int getOrientation() const { return m_orientation; }

  void basicObjectChange(PbBase* object) override;

protected:
  PoLegend();
  ~PoLegend() override;

  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;
  void preRebuild() override;
  void addElementsAllCaches() override;

  /**
   * Sets up the legend frame for the rectangle of corners @p a and @p b (domain coordinates):
   * its matrix, the legend rectangle and the orientation. False (nothing set) when a corner is
   * not finite or the rectangle is flat.
   */
  bool computeFrame(const SbVec2f& a, const SbVec2f& b);
  /** The inner rectangle: the legend rectangle less its margins. */
  void computeMarginA();
  /** Size of the title and the band it takes off the inner rectangle (only when visible). */
  void computeTitleSizeA();
  /** Background rectangle and its outline, in their parts. */
  void drawBackgroundA();
  /** The title in its band, in the title part (null when not visible). */
  void drawTitleA();
  /** Empties the parts a legend with nothing to show leaves (boxes, borders, value texts). */
  void clearContentParts();
  /** Sets every part to null: nothing at all to draw. */
  void clearAllParts();

  /** A fresh content group starting with the legend frame's transform. */
  SoGroup* newFrameGroup() const;
  /** Sets @p group as the part, or null when it holds only the frame's transform. */
  void setGroupPart(const char* part, SoGroup* group);
  /** A PiText with the text attributes in use and @p fontName (the attributes' when empty). */
  void setUpText(PiText& text, const SbString& fontName, float size) const;
  /** The text attributes in use: the node's, else the state's, else the default. */
  const PbMiscTextAttr* currentTextAttr() const;
  /** Adds an outlined rectangle's outline to @p group. */
  static void addRectOutline(SoGroup* group, const SbBox2f& rect, float z);
  /** Adds a filled rectangle to @p group. */
  static void addRectFace(SoGroup* group, const SbBox2f& rect, float z);
  /** Width and height of @p string at font size 1 in @p font. */
  float textWidth(const SbString& string, const SbString& font) const;

  SbBox2f m_rect;   ///< legend rectangle in the frame
  SbBox2f m_inner;  ///< inner rectangle after margins and title
  int m_orientation = 0;
  float m_titleSize = 0.0f;
  SbBox2f m_titleBand;
  SoMatrixTransform* m_frame = nullptr;

private:
  FieldSensorList m_sensors;
  PbMiscTextAttr* m_miscTextAttr = nullptr;
};

#endif
