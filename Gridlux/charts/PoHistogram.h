// Abstract histogram: bars along an axis with value and name texts, coloured by a list or a mapping.
#ifndef GRIDLUX_POHISTOGRAM_H
#define GRIDLUX_POHISTOGRAM_H

#include <Gridlux/base/PoChartwork.h>
#include <Gridlux/charts/PiHistogramBars.h>

#include <Inventor/SbColor.h>
#include <Inventor/SbString.h>
#include <Inventor/SbVec2f.h>
#include <Inventor/fields/SoMFColor.h>
#include <Inventor/fields/SoSFBool.h>
#include <Inventor/fields/SoSFEnum.h>
#include <Inventor/fields/SoSFFloat.h>
#include <Inventor/fields/SoSFString.h>
#include <Inventor/fields/SoSFVec2f.h>

#include <vector>

class PbDataMapping;
class PbMiscTextAttr;
class PbNumericDisplayFormat;
class PiText;
class SoGroup;

/**
 * @brief Base of the histograms: one bar per value along an axis.
 *
 * Fields (defaults): start (0 0: start of the bar axis, its other coordinate the baseline),
 * end (1: end of the axis), type (X: bars laid along x, growing in y; Y: along y, growing in x),
 * color (one black), coloring (COLOR_LIST, or CLASS_DATA_MAPPING), valueVisibility (ON),
 * valuePosition (POS_DEPEND), valuePath (PATH_DEPEND), valueFontSize (0: 0.04), valueFontName
 * ("": the text attributes' font), valueAddStringVisibility (FALSE), valueAddString (""), the
 * same five for the names (nameVisibility ... nameFontName), barSpaceType (REL_SPACE),
 * barSpaceValue (0.25).
 *
 * Font sizes are fractions of the domain's x extent. Bars are built in a frame whose across
 * coordinate is (value - baseline) x dx/dy; part `transform` scales it back by dy/dx and moves it
 * to the baseline, so that after it bar ends are in data units while text drawn in the frame is
 * not stretched by the domain transform. POS_DEPEND puts values beyond the bar end (top for X,
 * right for Y) and names beyond the foot; PATH_DEPEND reads to the right. Texts stand a quarter
 * of their size away from the bar.
 *
 * Colouring: COLOR_LIST colours bar i with color[i] only when there is exactly one colour per
 * bar; CLASS_DATA_MAPPING takes the mapping's colour (and its transparency when enabled) of each
 * value; otherwise the bars keep the material of `barApp`.
 *
 * Reads the domain, PoDataMappingElement, PoMiscTextAttrElement and
 * PoNumericDisplayFormatElement, unless the node holds its own objects (setDataMapping,
 * setMiscTextAttr, setFormat). Values that are not finite are drawn as 0, with a warning.
 *
 * Parts: transform (SoMatrixTransform); barSep holding barApp (SoAppearanceKit, whose material
 * receives the bar colours) and bar (one SoFaceSet of quads); valueTextSep/valueTextApp/valueText;
 * nameTextSep/nameTextApp/nameText. A part with nothing to show is null.
 */
class PoHistogram : public PoChartwork {
  typedef PoChartwork inherited;
  PO_KIT_ABSTRACT_HEADER(PoHistogram);

  SO_KIT_CATALOG_ENTRY_HEADER(transform);
  SO_KIT_CATALOG_ENTRY_HEADER(barSep);
  SO_KIT_CATALOG_ENTRY_HEADER(barApp);
  SO_KIT_CATALOG_ENTRY_HEADER(bar);
  SO_KIT_CATALOG_ENTRY_HEADER(valueTextSep);
  SO_KIT_CATALOG_ENTRY_HEADER(valueTextApp);
  SO_KIT_CATALOG_ENTRY_HEADER(valueText);
  SO_KIT_CATALOG_ENTRY_HEADER(nameTextSep);
  SO_KIT_CATALOG_ENTRY_HEADER(nameTextApp);
  SO_KIT_CATALOG_ENTRY_HEADER(nameText);

public:
  static void initClass();

  enum Type { X = 0, Y = 1 };
  enum Coloring { COLOR_LIST = 0, CLASS_DATA_MAPPING = 1 };
  enum Visibility { VISIBILITY_OFF = 0, VISIBILITY_ON = 1 };
  enum Position {
    POS_TOP_OUT = 0,
    POS_TOP_IN = 1,
    POS_BOTTOM_OUT = 2,
    POS_BOTTOM_IN = 3,
    POS_RIGHT_OUT = 4,
    POS_RIGHT_IN = 5,
    POS_LEFT_OUT = 6,
    POS_LEFT_IN = 7,
    POS_CENTER = 8,
    POS_DEPEND = 9
  };
  enum TextPath { PATH_RIGHT = 0, PATH_LEFT = 1, PATH_UP = 2, PATH_DOWN = 3, PATH_DEPEND = 4 };
  enum BarSpaceType { REL_SPACE = 0, FIXED_SPACE = 1 };

  SoSFVec2f start;
  SoSFFloat end;
  SoSFEnum type;
  SoMFColor color;
  SoSFEnum coloring;
  SoSFEnum valueVisibility;
  SoSFEnum valuePosition;
  SoSFEnum valuePath;
  SoSFFloat valueFontSize;
  SoSFString valueFontName;
  SoSFBool valueAddStringVisibility;
  SoSFString valueAddString;
  SoSFEnum nameVisibility;
  SoSFEnum namePosition;
  SoSFEnum namePath;
  SoSFFloat nameFontSize;
  SoSFString nameFontName;
  SoSFEnum barSpaceType;
  SoSFFloat barSpaceValue;

  /** Working copy of the fields, resolved at each rebuild. */
  struct HistogAttr {
    SbVec2f start;
    float end = 1.0f;
    int type = X;
    int coloring = COLOR_LIST;
    int valueVisibility = VISIBILITY_ON, valuePosition = POS_TOP_OUT, valuePath = PATH_RIGHT;
    float valueFontSize = 0.04f;
    SbString valueFontName;
    int valueAddStringVisibility = 0;
    SbString valueAddString;
    int nameVisibility = VISIBILITY_ON, namePosition = POS_BOTTOM_OUT, namePath = PATH_RIGHT;
    float nameFontSize = 0.04f;
    SbString nameFontName;
    int barSpaceType = REL_SPACE;
    float barSpaceValue = 0.25f;
  };

  void setDataMapping(PbDataMapping* mapping);
  const PbDataMapping* getDataMapping() const { return m_dataMapping; }
  void setMiscTextAttr(PbMiscTextAttr* attr);
  const PbMiscTextAttr* getMiscTextAttr() const { return m_miscTextAttr; }
  void setFormat(PbNumericDisplayFormat* format);
  const PbNumericDisplayFormat* getFormat() const { return m_format; }

  /** The working attributes of the last rebuild. */
  const HistogAttr& getHistogAttr() const { return m_attr; }

  /**
   * Anchor of a text placed at @p position of the bar whose corners (in the bar frame) are
   * box[0] (lower left) and box[1] (upper right), @p offset away from it.
   */
  static void computeTextPos(const SbVec2f* box, Position position, float offset, SbVec2f& pos);
  /** Path and alignment of a text at @p position, so that it stands on the side away from the bar. */
  static void computeTextAlignPath(Position position, TextPath path, PiText* text);

  void basicObjectChange(PbBase* object) override;

protected:
  PoHistogram();
  ~PoHistogram() override;

  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;
  void preRebuild() override;
  void addElementsAllCaches() override;

  /** Copies the fields into the working attributes and resolves them. */
  virtual void setDefaultAttr();
  /** Colours the bars drawn in @p barGroup (the single histogram's rule). */
  virtual void colorBars(SoGroup* barGroup);

  /** The objects in force: the node's, else the state's (null mapping when there is none). */
  const PbDataMapping* currentDataMapping() const;
  const PbMiscTextAttr* currentTextAttr() const;
  const PbNumericDisplayFormat* currentFormat() const;

  /** Sets the `transform` part for the working attributes. */
  void buildTransform();
  /** Converts data-coordinate bars into the bar frame: corners box[0], box[1] per bar. */
  void barFrameBoxes(const std::vector<PiHistogramBars::Bar>& bars, std::vector<SbVec2f>& boxes) const;
  /** One SoCoordinate3 and one SoFaceSet of quads for @p boxes, at height @p z. */
  static SoGroup* buildBarGroup(const std::vector<SbVec2f>& boxes, float z);
  /**
   * Colours faces of @p barGroup: one colour per face from @p colors, or from @p mapping for
   * @p values. Inserts a material and a PER_FACE binding in front of the faces.
   */
  void setBarColors(SoGroup* barGroup, const std::vector<SbColor>& colors, const std::vector<float>& transparencies);
  void colorFromList(SoGroup* barGroup, int numBars);
  void colorFromMapping(SoGroup* barGroup, const float* values, int numValues);
  /** Adds a text to @p group at the bar with frame corners @p box. */
  void addText(SoGroup* group, const SbString& string, const SbVec2f* box, int position, int path, float size,
               const SbString& font) const;
  /** Sets @p group as the part, or null when it is null or empty. */
  void setGroupPart(const char* part, SoGroup* group);
  /** Whether start and end (from setDefaultAttr()) are finite; posts the message naming @p where if not. */
  bool frameIsFinite(const char* where) const;
  /** Replaces non-finite values by 0 (warning once, naming @p where). */
  static std::vector<float> finiteValues(const float* values, int num, const char* where);
  /** Empties every bar and text part. */
  virtual void clearParts();

  HistogAttr m_attr;
  float m_domainFactor = 1.0f; ///< dx / dy of the domain

private:
  FieldSensorList m_sensors;
  PbDataMapping* m_dataMapping = nullptr;
  PbMiscTextAttr* m_miscTextAttr = nullptr;
  PbNumericDisplayFormat* m_format = nullptr;
};

#endif
