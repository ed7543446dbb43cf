// Base of the legends that show how values map to colours.
#ifndef GRIDLUX_POVALUELEGEND_H
#define GRIDLUX_POVALUELEGEND_H

#include <Gridlux/text/PiLegendLayout.h>
#include <Gridlux/text/PiNumericFormat.h>
#include <Gridlux/text/PoLegend.h>

#include <Inventor/SbColor.h>

#include <vector>

class PbDataMapping;
class PbIsovaluesList;
class PbNumericDisplayFormat;

/**
 * @brief Abstract value legend: the value list, the boxes standing for value intervals, their
 * colours and texts, and the two ways of drawing them (a grid of boxes, or one bar).
 *
 * Values: those of the isovalues list in effect, else those of the data mapping in effect: the
 * automatic linear graduation of a linear mapping's two end values (clipped to its enabled
 * thresholds), the levels of a non-linear-2 mapping (inside its enabled thresholds, each greater
 * than the one before), or, for a colour function, the graduation between its enabled
 * thresholds (over [0, 1] without both). The node's own mapping, isovalues and format come
 * first (setDataMapping, setIsovaluesList, setFormat), else PoDataMappingElement,
 * PoIsovaluesListElement and PoNumericDisplayFormatElement.
 *
 * Colours: a box takes the mapping's colour (and transparency) of its lower value, under every
 * kind of mapping; this is the colour filled bands give the interval above an isovalue. A box
 * that starts on an enabled minimum threshold and reaches above it (a bar's lower box clipped
 * there) takes the colour just above the threshold, that of the values it stands for. Without
 * a mapping a box has no colour source and is drawn with the inherited material. An enabled
 * threshold adds an undefined box (text lowerUndefString or upperUndefString) with the
 * threshold's colour, or only an outline when the threshold has none.
 *
 * All values are printed alike (PiNumericFormat, the list form over all values, rounding 1);
 * a common power of ten is shown once as a multiplication factor "x 10" and its exponent.
 *
 * Fields (after PoLegend's): upperUndefString ("UNDEF>"), lowerUndefString ("UNDEF<"),
 * periodValue (1), firstValue (1), lastValue (32767): the first and last value used (counted
 * from 1; out of range is clamped) and the step between them. Adds the parts
 * multFactorSep/multFactorApp/multFactor.
 *
 * With neither mapping nor isovalues the legend draws its background and title only, quietly.
 */
class PoValueLegend : public PoLegend {
  typedef PoLegend inherited;
  PO_KIT_ABSTRACT_HEADER(PoValueLegend);

  SO_KIT_CATALOG_ENTRY_HEADER(multFactorSep);
  SO_KIT_CATALOG_ENTRY_HEADER(multFactorApp);
  SO_KIT_CATALOG_ENTRY_HEADER(multFactor);

public:
  static void initClass();

  SoSFString upperUndefString;
  SoSFString lowerUndefString;
  SoSFUShort periodValue;
  SoSFUShort firstValue;
  SoSFUShort lastValue;

  /** One drawn box. */
  struct BoxRepresentation {
    /** -1: no colour source; 0: no colour (threshold without one); 1: a threshold's colour; 2: from the mapping. */
    int colorKind = -1;
    SbColor color = SbColor(0, 0, 0);
    float transparency = 0.0f;
    float lowerValue = 0.0f, upperValue = 0.0f;
    SbString text;
    /** The undefined boxes of the thresholds, below and above. */
    int undefined = 0;
  };

  void setDataMapping(PbDataMapping* mapping);
  const PbDataMapping* getDataMapping() const { return m_dataMapping; }
  void setIsovaluesList(PbIsovaluesList* list);
  const PbIsovaluesList* getIsovaluesList() const { return m_isovaluesList; }
  void setFormat(PbNumericDisplayFormat* format);
  const PbNumericDisplayFormat* getFormat() const { return m_format; }

  /** The values and the boxes of the last rebuild. */
  const std::vector<float>& getValuesList() const { return m_values; }
  const std::vector<BoxRepresentation>& getBoxRepresentationList() const { return m_boxes; }
  /** Power of ten shown by the multiplication factor at the last rebuild (0: none). */
  int getTenPower() const { return m_tenPower; }
  /** Font size of the value texts at the last rebuild, in legend-frame units. */
  float getValueFontSize() const { return m_valueSize; }

  void basicObjectChange(PbBase* object) override;

protected:
  PoValueLegend();
  ~PoValueLegend() override;

  void preRebuild() override;
  void addElementsAllCaches() override;

  /**
   * The common start of a rebuild: frame, margins, title, background, value list and format.
   * False when the rectangle is unusable (every part is then cleared).
   */
  bool beginValueLegend(const SbVec2f& start, const SbVec2f& end);
  /** The value list, the thresholds and the mapping in effect. */
  void computeValuesList();
  /** Chooses how values print; sets the factor when they share a power of ten. */
  void computeFormat();
  SbString valueString(float value) const;
  /** The first, last and step index that the index fields select among @p n values. */
  void selectedIndices(int n, int& first, int& last, int& step) const;

  void newBoxRepresentationList(int num);
  void deleteBoxRepresentationList();
  /** Adds the lower and upper undefined boxes of the enabled thresholds around the others. */
  void addUndefinedBoxes();
  /** Colours of every box from the mapping and the thresholds. */
  void computeBoxColors();

  /**
   * The boxes of a bar: one per interval between consecutive selected values and, with
   * @p lowerUpperBoxes, one below the first and one above the last (from a linear mapping's end
   * values when they lie beyond, else as long as the smallest interval), then the undefined
   * boxes, all coloured. Returns the selected values.
   */
  std::vector<float> buildBarBoxes(bool lowerUpperBoxes);
  /** Draws m_boxes as a grid of separate boxes with their texts. */
  void drawBoxesLegend();
  /**
   * Draws m_boxes (the undefined ones apart) as one bar: @p labelValues are shown at their
   * places along it, lengths in proportion to the intervals when @p proportional.
   */
  void drawOneBoxLegend(const std::vector<float>& labelValues, bool proportional, float maxValueSize);
  /** The factor's text at @p at (left end of its base line), at size @p size. */
  void drawMultFactor(const SbVec2f& at, float size);
  /** Width at size 1 of the factor's text (0 when there is none). */
  float multFactorWidth() const;
  /** Value text of a box, with the added string when visible. */
  SbString decorated(const SbString& text) const;

  const PbDataMapping* m_mappingInForce = nullptr;
  const PbIsovaluesList* m_isovaluesInForce = nullptr;
  std::vector<float> m_values;
  int m_minThresholdOn = 0, m_maxThresholdOn = 0;
  float m_minThreshold = 0.0f, m_maxThreshold = 0.0f;
  std::vector<BoxRepresentation> m_boxes;
  PiNumericFormat m_formatter;
  int m_tenPower = 0;
  float m_valueSize = 0.0f;

private:
  void drawBox(SoGroup* boxes, SoGroup* borders, const BoxRepresentation& box, const SbBox2f& rect);
  void drawText(SoGroup* group, const SbString& text, const SbVec2f& at, PiText::HorAlignment hor,
                PiText::VertAlignment vert, float size);
  PiLegendLayout::TextSide textSide(bool bar) const;

  PbDataMapping* m_dataMapping = nullptr;
  PbIsovaluesList* m_isovaluesList = nullptr;
  PbNumericDisplayFormat* m_format = nullptr;
};

#endif
