// Base of the graduated axes: fields, parts and the builders of line, ticks, grid, labels and title.
#ifndef GRIDLUX_POAXIS_H
#define GRIDLUX_POAXIS_H

#include <Gridlux/axes/PiLogGraduation.h>
#include <Gridlux/axes/PoBaseAxis.h>
#include <Gridlux/text/PiText.h>

#include <Inventor/fields/SoSFBool.h>
#include <Inventor/fields/SoSFEnum.h>
#include <Inventor/fields/SoSFFloat.h>
#include <Inventor/fields/SoSFString.h>
#include <Inventor/fields/SoSFUShort.h>

#include <vector>

class PbMiscTextAttr;
class PbNumericDisplayFormat;
class PiNumericFormat;

/**
 * @brief Everything common to graduated axes: an axis line with an arrow, main and sub ticks,
 * grid lines, graduation labels and a title.
 *
 * Subclasses place the axis (its `transform` part maps the axis frame, where the axis runs
 * along x, into the domain) and choose the graduations; PoAxis then builds the pieces. Every
 * rebuild copies the fields into working attributes (AxisAttr), resolves the DEPEND values from
 * the axis's orientation, and builds from that copy only; the getters return it.
 *
 * Lengths and font sizes are fractions of the domain's extent along the axis; 0 means
 * computed. Fields and defaults: gradVisibility, titleVisibility, gridVisibility,
 * arrowVisibility, tickVisibility (VISIBILITY_DEPEND); gradPosition (GRAD_DEPEND); gradPath,
 * titlePath (PATH_DEPEND); gradFontName, titleFontName ("": the text attributes' font);
 * gradFontSize, gradDistAxis, titleFontSize, titleDistAxis, arrowHeight, arrowLength,
 * tickMainLength, tickSubLength, marginStart, marginEnd, gridLengthGradSide (0);
 * gridLengthGradOtherSide (1, in domain units across the axis); gradAddStringVisibility
 * (FALSE); gradAddString, titleString (""); marginType (REL_MARGIN); titlePosition
 * (TITLE_DEPEND); tickPosition (TICK_GRAD_SIDE); tickSubDef (PERIOD_MAIN_TICK);
 * tickNumOrPeriod, tickFirstGrad, tickLastGrad (1); reverseFlag (AXIS_REVERSE_DEPEND).
 *
 * Reads PoMiscTextAttrElement (unless setMiscTextAttr gave one) and the domain.
 *
 * Parts, each a separator holding an SoAppearanceKit and an SoGroup: `transform`
 * (SoMatrixTransform), then bodySep/bodyApp/body, arrowSep/arrowApp/arrow,
 * titleSep/titleApp/title, subGradTickSep/subGradTickApp/subGradTick,
 * subGradGridSep/subGradGridApp/subGradGrid, mainGradTickSep/mainGradTickApp/mainGradTick,
 * mainGradGridSep/mainGradGridApp/mainGradGrid, mainGradTextSep/mainGradTextApp/mainGradText.
 * A piece with nothing to show leaves its group part null.
 */
class PoAxis : public PoBaseAxis {
  typedef PoBaseAxis inherited;
  PO_KIT_ABSTRACT_HEADER(PoAxis);

  SO_KIT_CATALOG_ENTRY_HEADER(transform);
  SO_KIT_CATALOG_ENTRY_HEADER(bodySep);
  SO_KIT_CATALOG_ENTRY_HEADER(bodyApp);
  SO_KIT_CATALOG_ENTRY_HEADER(body);
  SO_KIT_CATALOG_ENTRY_HEADER(arrowSep);
  SO_KIT_CATALOG_ENTRY_HEADER(arrowApp);
  SO_KIT_CATALOG_ENTRY_HEADER(arrow);
  SO_KIT_CATALOG_ENTRY_HEADER(titleSep);
  SO_KIT_CATALOG_ENTRY_HEADER(titleApp);
  SO_KIT_CATALOG_ENTRY_HEADER(title);
  SO_KIT_CATALOG_ENTRY_HEADER(subGradTickSep);
  SO_KIT_CATALOG_ENTRY_HEADER(subGradTickApp);
  SO_KIT_CATALOG_ENTRY_HEADER(subGradTick);
  SO_KIT_CATALOG_ENTRY_HEADER(subGradGridSep);
  SO_KIT_CATALOG_ENTRY_HEADER(subGradGridApp);
  SO_KIT_CATALOG_ENTRY_HEADER(subGradGrid);
  SO_KIT_CATALOG_ENTRY_HEADER(mainGradTickSep);
  SO_KIT_CATALOG_ENTRY_HEADER(mainGradTickApp);
  SO_KIT_CATALOG_ENTRY_HEADER(mainGradTick);
  SO_KIT_CATALOG_ENTRY_HEADER(mainGradGridSep);
  SO_KIT_CATALOG_ENTRY_HEADER(mainGradGridApp);
  SO_KIT_CATALOG_ENTRY_HEADER(mainGradGrid);
  SO_KIT_CATALOG_ENTRY_HEADER(mainGradTextSep);
  SO_KIT_CATALOG_ENTRY_HEADER(mainGradTextApp);
  SO_KIT_CATALOG_ENTRY_HEADER(mainGradText);

public:
  static void initClass();

  enum Visibility { VISIBILITY_OFF = 0, VISIBILITY_ON = 1, VISIBILITY_DEPEND = 2 };
  enum TextPath { PATH_RIGHT = 0, PATH_LEFT = 1, PATH_UP = 2, PATH_DOWN = 3, PATH_DEPEND = 4 };
  enum GradPosition { GRAD_ABOVE = 0, GRAD_BELOW = 1, GRAD_DEPEND = 2 };
  enum MarginType { REL_MARGIN = 0, FIXED_MARGIN = 1 };
  enum TickPosition { TICK_GRAD_SIDE = 0, TICK_GRAD_OTHER_SIDE = 1, TICK_ACROSS_AXIS = 2 };
  enum TitlePosition { TITLE_MIDDLE = 0, TITLE_END = 1, TITLE_DEPEND = 2 };
  enum TickSubDef { NUM_SUB_TICK = 0, PERIOD_MAIN_TICK = 1 };
  enum AxisReverse { AXIS_NO_REVERSE = 0, AXIS_REVERSE = 1, AXIS_REVERSE_DEPEND = 2 };

  SoSFEnum gradVisibility;
  SoSFEnum gradPosition;
  SoSFEnum gradPath;
  SoSFString gradFontName;
  SoSFFloat gradFontSize;
  SoSFFloat gradDistAxis;
  SoSFBool gradAddStringVisibility;
  SoSFString gradAddString;
  SoSFEnum marginType;
  SoSFFloat marginStart;
  SoSFFloat marginEnd;
  SoSFEnum titleVisibility;
  SoSFEnum titlePosition;
  SoSFEnum titlePath;
  SoSFString titleFontName;
  SoSFFloat titleFontSize;
  SoSFFloat titleDistAxis;
  SoSFString titleString;
  SoSFEnum gridVisibility;
  SoSFFloat gridLengthGradSide;
  SoSFFloat gridLengthGradOtherSide;
  SoSFEnum arrowVisibility;
  SoSFFloat arrowHeight;
  SoSFFloat arrowLength;
  SoSFEnum tickVisibility;
  SoSFEnum tickPosition;
  SoSFFloat tickMainLength;
  SoSFFloat tickSubLength;
  SoSFEnum tickSubDef;
  SoSFUShort tickNumOrPeriod;
  SoSFUShort tickFirstGrad;
  SoSFUShort tickLastGrad;
  SoSFEnum reverseFlag;

  /** Working copy of the fields, resolved at each rebuild. */
  struct AxisAttr {
    Visibility gradVisibility = VISIBILITY_DEPEND;
    GradPosition gradPosition = GRAD_DEPEND;
    TextPath gradPath = PATH_DEPEND;
    SbString gradFontName;
    float gradFontSize = 0.0f;
    float gradDistAxis = 0.0f;
    MarginType marginType = REL_MARGIN;
    float marginStart = 0.0f, marginEnd = 0.0f;
    Visibility titleVisibility = VISIBILITY_DEPEND;
    TitlePosition titlePosition = TITLE_DEPEND;
    TextPath titlePath = PATH_DEPEND;
    SbString titleFontName;
    float titleFontSize = 0.0f;
    float titleDistAxis = 0.0f;
    SbString titleString;
    Visibility gridVisibility = VISIBILITY_DEPEND;
    float gridLengthGradSide = 0.0f, gridLengthGradOtherSide = 1.0f;
    Visibility arrowVisibility = VISIBILITY_DEPEND;
    float arrowHeight = 0.0f, arrowLength = 0.0f;
    Visibility tickVisibility = VISIBILITY_DEPEND;
    TickPosition tickPosition = TICK_GRAD_SIDE;
    float tickMainLength = 0.0f, tickSubLength = 0.0f;
    TickSubDef tickSubDef = PERIOD_MAIN_TICK;
    int tickNumOrPeriod = 1, tickFirstGrad = 1, tickLastGrad = 1;
    AxisReverse reverseFlag = AXIS_REVERSE_DEPEND;
    // Text profile settings of the text attributes in use.
    char endLineChar = ' ';
    int lineLength = 0;
    int profile = 0, predefinedProfile = 1;
    // Domain extents along and across the axis.
    float deltaAlong = 1.0f, deltaAcross = 1.0f;
    // Axis span and graduated interval, in domain units along the axis.
    float start = 0.0f, end = 1.0f, gradMin = 0.0f, gradMax = 1.0f;
    // Running extent of what is built so far, in the axis frame.
    float xmin = 0.0f, xmax = 0.0f, ymin = 0.0f, ymax = 0.0f;
  };

  /** Labels handed to the label builder. */
  struct GradAttr {
    std::vector<SbString> labels;
  };

  void getGrad(Visibility& visibility, GradPosition& position, TextPath& path,
               SbString& fontName, float& fontSize, float& distAxis, SbBool& addStringVisibility,
               SbString& addString) const;
  void getMargin(MarginType& type, float& start, float& end) const;
  void getTitle(Visibility& visibility, TitlePosition& position, TextPath& path,
                SbString& string, SbString& fontName, float& fontSize, float& distAxis) const;
  void getGrid(Visibility& visibility, float& lengthGradSide, float& lengthGradOtherSide) const;
  void getArrow(Visibility& visibility, float& height, float& length) const;
  void getTick(Visibility& visibility, TickPosition& position, float& mainLength,
               float& subLength, TickSubDef& subDef, int& numOrPeriod, int& firstGrad,
               int& lastGrad) const;
  AxisReverse getReverseFlag() const { return m_axisAttr.reverseFlag; }

  /** Coordinates along the axis of the main (sub) graduations of the last rebuild. */
  int getMainGradCoords(const float*& coords) const;
  int getSubGradCoords(const float*& coords) const;

  /** Text attributes used instead of the state's; null goes back to the state's. */
  void setMiscTextAttr(PbMiscTextAttr* attr);
  const PbMiscTextAttr* getMiscTextAttr() const { return m_miscTextAttr; }

  void basicObjectChange(PbBase* object) override;

protected:
  PoAxis();
  ~PoAxis() override;

  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;
  void preRebuild() override;
  void addElementsAllCaches() override;
  /** Appends the fields whose change asks for a rebuild; subclasses add theirs. */
  virtual void getWatchedFields(SoFieldList& fields);

  /** Copies the fields into the working attributes. */
  virtual void saveAxisAttr();
  /** Resolves the DEPEND values for an axis along the first letter of @p plane's type. */
  virtual void setDefaultAttr(int plane);
  /** Graduated interval from the axis span, after the margins. */
  virtual void computeGradLimit(float start, float end, float& lo, float& hi);
  /** Resolves the automatic tick lengths for @p numGrads graduations. */
  virtual void computeTickLen(int numGrads, float& mainLength, float& subLength);
  virtual void buildArrow(float start, float end, SoGroup* group);
  virtual void buildTick(int num, const float* coords, float length, SoGroup* group);
  virtual void buildGridLines(int num, const float* coords, SoGroup* group);
  virtual void buildGrads(int num, const float* coords, const SbString* strings,
                          SoGroup* group);
  virtual void buildTitle(SoGroup* group);

  /**
   * Builds body, arrow, ticks, grids and labels (in that order) for an axis from @p start to
   * @p end with the given main and sub graduations; the title comes later (buildTitlePart),
   * so that a subclass can add pieces beside the labels first.
   */
  void buildAxisParts(float start, float end, int numMain, const float* mainCoords,
                      const SbString* mainLabels, int numSub, const float* subCoords);
  void buildTitlePart();
  /** Sets every built part to null (nothing to show). */
  void clearAxisParts();
  /**
   * Splits @p num graduations @p grads (spaced by @p step, labelled @p labels) over [lo, hi]
   * into main and sub graduations by the tick fields, then builds the parts of the axis from
   * @p s to @p e through buildAxisParts. The labels are kept as the GradAttr list.
   */
  void buildGraduatedParts(float s, float e, float lo, float hi, float step, int num,
                           const float* grads, const SbString* labels);
  /**
   * Graduations first + i * step (i < @p num, a rounded zero made exact) and their labels
   * printed by @p formatter, prepared from @p format (null: the state's) over the whole
   * span; "E<p>" follows every label when @p powerOnLabels and the formatter took out a power
   * of ten p, then gradAddString when shown. Returns p.
   */
  int makeLinearLabels(PiNumericFormat& formatter, const PbNumericDisplayFormat* format,
                       float first, float step, int num, bool powerOnLabels,
                       std::vector<float>& grads, std::vector<SbString>& labels) const;
  /**
   * The multiplication factor "x 10" with the exponent @p tenPower, beside one end
   * (@p atEnd) of the axis, centred across it on the row of labels: @p userDist (relative)
   * beyond the axis end, or 0.65 of the label size beyond everything built when not above 0.
   * Returns the distance used, relative to the extent along the axis (0 when nothing built).
   */
  float buildMultFactorAtExtr(bool atEnd, int tenPower, float userDist, SoGroup* group);
  /**
   * Sets the `multFactor` part (and its font) of an axis that has one: the factor at the start
   * (@p position 0), the end (1) or both ends (2) of the axis, nothing for 3 (the power on the
   * labels) or when @p tenPower is 0 or no label was built. Returns the distance of the last
   * factor built, or @p userDist.
   */
  float buildMultFactorPart(int position, int tenPower, float userDist);

  /** Labels of a log axis: main and decade labels, each a base and an exponent. */
  struct LogLabels {
    std::vector<PiLogGraduation::Label> main;  ///< aligned with the main graduations
    std::vector<float> decadeCoords;           ///< labelled sub graduations
    std::vector<PiLogGraduation::Label> decade;
    SbString decadeFontName;
    float decadeFontSize = 0.0f;    ///< relative, 0: computed; the resolved size after a build
    float decadeSize = 0.0f;        ///< size of the decade labels built (axis frame), 0: none
    SoGroup* decadeGroup = nullptr; ///< where decade labels go during a build
    int numDecades = 0;             ///< whole decades, which the tick lengths count
  };
  /**
   * Builds the parts of a log axis from @p s to @p e with the graduations @p grads, the decade
   * labels into the `decadeText` part (and its font) of an axis that has one.
   */
  void buildLogAxisParts(float s, float e, const PiLogGraduation& grads, LogLabels& labels);
  /**
   * The buildGrads of a log axis: main labels into @p group and decade labels into
   * labels.decadeGroup, on one row, at the sizes of computeLogGradFontSize.
   */
  void buildLogGrads(int num, const float* coords, LogLabels& labels, SoGroup* group);
  /**
   * Fitted main and decade label sizes, in axis-frame units: the main labels shrink from 0.04
   * of the extent until neighbours keep within 0.8 of their room; the decade labels start at
   * 0.75 of that and take the largest factor that keeps them apart among themselves and from
   * the main labels, or, when that factor falls below 0.6 of what they need among themselves,
   * keep that size and lose the ones that would crowd a main label. Sizes given are kept.
   */
  void computeLogGradFontSize(const std::vector<float>& mainCoords, LogLabels& labels,
                              float& mainSize, float& decadeSize) const;

  /** A PiText with the attributes' font settings, at @p size, for labels or the title. */
  void setUpText(PiText& text, bool forTitle, float size) const;
  PiText::Path textPath(TextPath path) const;
  /**
   * Lays out @p base followed by the exponent @p power, drawn at @p powerScale times @p size
   * and raised by half a size, as one label written along @p path and aligned on @p anchor as
   * a single text would be (@p hor along the reading direction, @p vert along the glyphs' up
   * direction, both measured on the pair). Under AXIS_REVERSE the pair stays in place and the
   * exponent comes first along the reading direction, so that it reads after the base from
   * behind. With @p group null the pair is only measured. Returns its box in the axis frame.
   * @p fontName null stands for the graduation font.
   */
  SbBox2f buildPowerText(const char* base, const char* power, float size, float powerScale,
                         PiText::Path path, PiText::HorAlignment hor, PiText::VertAlignment vert,
                         const SbVec2f& anchor, SoGroup* group,
                         const char* fontName = nullptr) const;
  void growExtent(const SbBox2f& box);
  /**
   * Label size in axis-frame units: gradFontSize when given, else 0.04 of the extent along
   * the axis made smaller until the widest label (along the axis) or the stacked lines
   * (across it) fit within 0.8 of the smallest gap between graduations, the gaps measured on
   * @p coords times @p gapScale. Written back into the working attributes.
   */
  float fitLabelSize(int num, const float* coords, const SbString* strings, float gapScale);
  /**
   * Offset of the row of labels of size @p size from the axis line, signed toward the labels'
   * side: gradDistAxis when given, else 0.65 of the size beyond what is built on that side
   * (written back).
   */
  float getLabelRow(float size);
  /** Resolved title size (axis-frame units); 0 when no title is shown. */
  float getTitleSize();
  /** Resolved arrow height and length (axis-frame units); false when the arrow is hidden. */
  bool getArrowSize(float& height, float& length);
  /** Adds one filled triangle to @p group. */
  static void addTriangle(SoGroup* group, const SbVec3f points[3]);
  /** Adds two-point lines, from a flat list of their end points, to @p group. */
  static void addSegments(SoGroup* group, const std::vector<SbVec3f>& points);
  /** The text attributes in use: the node's, else the state's, else the default. */
  const PbMiscTextAttr* currentTextAttr() const;
  bool labelsAbove() const { return m_axisAttr.gradPosition == GRAD_ABOVE; }

  AxisAttr m_axisAttr;
  GradAttr m_gradAttr;
  /** Label size of the last build, in axis-frame units (0: no labels). */
  float m_labelSize = 0.0f;
  float m_labelY = 0.0f;
  /** Box of the labels of the last build, in the axis frame. */
  SbBox2f m_labelBox;
  std::vector<float> m_mainGradCoords;
  std::vector<float> m_subGradCoords;

private:
  FieldSensorList m_sensors;
  PbMiscTextAttr* m_miscTextAttr = nullptr;
};

#endif
