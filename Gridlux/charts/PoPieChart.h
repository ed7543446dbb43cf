// Pie charts held in the node's own fields: the common base of the flat and the solid pie.
#ifndef GRIDLUX_POPIECHART_H
#define GRIDLUX_POPIECHART_H

#include <Gridlux/base/PoChartwork.h>

#include <Inventor/SbVec3f.h>
#include <Inventor/fields/SoMFColor.h>
#include <Inventor/fields/SoMFFloat.h>
#include <Inventor/fields/SoMFShort.h>
#include <Inventor/fields/SoMFString.h>
#include <Inventor/fields/SoSFBool.h>
#include <Inventor/fields/SoSFEnum.h>
#include <Inventor/fields/SoSFFloat.h>
#include <Inventor/fields/SoSFString.h>

class PbMiscTextAttr;
class PbNumericDisplayFormat;
class SoPath;

/**
 * @brief Abstract pie chart: slices named and valued by the node's fields, with inner and outer
 * annotations, grouping of small slices and pull-out along the bisector.
 *
 * Fields (file order, defaults): radius (1), sliceText (one ""), sliceValue (one 0), sliceColor
 * (one black; used cyclically, empty: no material), intAnnotPosition (HOR_INT_POS),
 * intAnnotAlignment (CENTER_ALIGN), intAnnotTextVisibility (FALSE), intAnnotValueVisibility
 * (TRUE), intAnnotPercentVisibility (FALSE), intAnnotAddStringVisibility (FALSE), the inner
 * font names and sizes ("" and 0: the text attributes' font, 0.025 of the domain's x extent; a
 * size f > 0 is f times that extent), intAnnotAddString (""), intAnnotDistance (0: 0.6667
 * radius), extAnnotPosition (HOR_EXT_POS), extAnnotAlignment (INWARDS_ALIGN), extAnnotText-,
 * -Value-, -Percent- and -AddStringVisibility (TRUE, FALSE, FALSE, FALSE), the outer fonts,
 * extAnnotAddString, extAnnotDistance1..3 (0: 1.05, 0.1 and 0.2 radius), arrowVisibility
 * (TRUE), arrowHeight, arrowWidth (0: 0.015), sliceGroupActive (TRUE), sliceGroupMinValue (5),
 * sliceGroupFlagMin (PERCENTAGE), sliceGroupString ("Others"), sliceToTranslateNumber (one 0;
 * a negative number is the grouped slice), sliceToTranslateValue (one 0), sliceAngleStep
 * (2 degrees).
 *
 * Each slice's shape is named "Slice<k>" with k its 0-based number, "Slice-1" for the grouped
 * slice; getPickedSliceNumber() reads the number back from a picked path.
 *
 * Annotation layout: the name, value and percentage lines are stacked downwards in that order;
 * the block is centred on the anchor of an inner annotation and placed on the side away from the
 * pie for an outer one (right of the anchor on side 0, left on side 1, above on side 2, below on
 * side 3), vertically centred on sides 0 and 1. Lines are justified inside the block: LEFT and
 * RIGHT as named, INWARDS towards the pie (left on the right half), OUTWARDS away from it,
 * CENTER centred; sides 2 and 3 centre them for INWARDS and OUTWARDS. Each block has a box and
 * its border, a fifth of the largest font size around the lines. The arrow head is a triangle
 * at the slice end of the leader, arrowWidth long and arrowHeight wide.
 *
 * Reads PoMiscTextAttrElement and PoNumericDisplayFormatElement unless the node has its own.
 *
 * Parts, each a separator holding an SoAppearanceKit and a content node (an SoGroup for slices,
 * borders and arrows, an SoAnnotation for the annotation pieces): sliceSep, sliceApp, slice;
 * sliceBorderSep, ...; extAnnotBox..., extAnnotBoxBorder..., extAnnotText..., extAnnotValue...,
 * extAnnotPercent..., arrow..., intAnnotBox..., intAnnotBoxBorder..., intAnnotText...,
 * intAnnotValue..., intAnnotPercent....
 */
class PoPieChart : public PoChartwork {
  typedef PoChartwork inherited;
  PO_KIT_ABSTRACT_HEADER(PoPieChart);

  SO_KIT_CATALOG_ENTRY_HEADER(sliceSep);
  SO_KIT_CATALOG_ENTRY_HEADER(sliceApp);
  SO_KIT_CATALOG_ENTRY_HEADER(slice);
  SO_KIT_CATALOG_ENTRY_HEADER(sliceBorderSep);
  SO_KIT_CATALOG_ENTRY_HEADER(sliceBorderApp);
  SO_KIT_CATALOG_ENTRY_HEADER(sliceBorder);
  SO_KIT_CATALOG_ENTRY_HEADER(extAnnotBoxSep);
  SO_KIT_CATALOG_ENTRY_HEADER(extAnnotBoxApp);
  SO_KIT_CATALOG_ENTRY_HEADER(extAnnotBox);
  SO_KIT_CATALOG_ENTRY_HEADER(extAnnotBoxBorderSep);
  SO_KIT_CATALOG_ENTRY_HEADER(extAnnotBoxBorderApp);
  SO_KIT_CATALOG_ENTRY_HEADER(extAnnotBoxBorder);
  SO_KIT_CATALOG_ENTRY_HEADER(extAnnotTextSep);
  SO_KIT_CATALOG_ENTRY_HEADER(extAnnotTextApp);
  SO_KIT_CATALOG_ENTRY_HEADER(extAnnotText);
  SO_KIT_CATALOG_ENTRY_HEADER(extAnnotValueSep);
  SO_KIT_CATALOG_ENTRY_HEADER(extAnnotValueApp);
  SO_KIT_CATALOG_ENTRY_HEADER(extAnnotValue);
  SO_KIT_CATALOG_ENTRY_HEADER(extAnnotPercentSep);
  SO_KIT_CATALOG_ENTRY_HEADER(extAnnotPercentApp);
  SO_KIT_CATALOG_ENTRY_HEADER(extAnnotPercent);
  SO_KIT_CATALOG_ENTRY_HEADER(arrowSep);
  SO_KIT_CATALOG_ENTRY_HEADER(arrowApp);
  SO_KIT_CATALOG_ENTRY_HEADER(arrow);
  SO_KIT_CATALOG_ENTRY_HEADER(intAnnotBoxSep);
  SO_KIT_CATALOG_ENTRY_HEADER(intAnnotBoxApp);
  SO_KIT_CATALOG_ENTRY_HEADER(intAnnotBox);
  SO_KIT_CATALOG_ENTRY_HEADER(intAnnotBoxBorderSep);
  SO_KIT_CATALOG_ENTRY_HEADER(intAnnotBoxBorderApp);
  SO_KIT_CATALOG_ENTRY_HEADER(intAnnotBoxBorder);
  SO_KIT_CATALOG_ENTRY_HEADER(intAnnotTextSep);
  SO_KIT_CATALOG_ENTRY_HEADER(intAnnotTextApp);
  SO_KIT_CATALOG_ENTRY_HEADER(intAnnotText);
  SO_KIT_CATALOG_ENTRY_HEADER(intAnnotValueSep);
  SO_KIT_CATALOG_ENTRY_HEADER(intAnnotValueApp);
  SO_KIT_CATALOG_ENTRY_HEADER(intAnnotValue);
  SO_KIT_CATALOG_ENTRY_HEADER(intAnnotPercentSep);
  SO_KIT_CATALOG_ENTRY_HEADER(intAnnotPercentApp);
  SO_KIT_CATALOG_ENTRY_HEADER(intAnnotPercent);

public:
  static void initClass();

  enum IntAnnotPosition { RADIAL_INT_POS = 0, HOR_INT_POS = 1 };
  enum ExtAnnotPosition {
    RADIAL_EXT_POS = 0,
    HOR_EXT_POS = 1,
    HOR_ALIGNED_EXT_POS = 2,
    VERT_ALIGNED_EXT_POS = 3,
    SQUARE_ALIGNED_EXT_POS = 4
  };
  enum Alignment { LEFT_ALIGN = 0, CENTER_ALIGN = 1, RIGHT_ALIGN = 2, INWARDS_ALIGN = 3, OUTWARDS_ALIGN = 4 };
  enum PercentStatus { ABSOLUTE = 0, PERCENTAGE = 1 };

  SoSFFloat radius;
  SoMFString sliceText;
  SoMFFloat sliceValue;
  SoMFColor sliceColor;
  SoSFEnum intAnnotPosition;
  SoSFEnum intAnnotAlignment;
  SoSFBool intAnnotTextVisibility;
  SoSFBool intAnnotValueVisibility;
  SoSFBool intAnnotPercentVisibility;
  SoSFBool intAnnotAddStringVisibility;
  SoSFString intAnnotTextFontName;
  SoSFFloat intAnnotTextFontSize;
  SoSFString intAnnotValueFontName;
  SoSFFloat intAnnotValueFontSize;
  SoSFString intAnnotPercentFontName;
  SoSFFloat intAnnotPercentFontSize;
  SoSFString intAnnotAddString;
  SoSFFloat intAnnotDistance;
  SoSFEnum extAnnotPosition;
  SoSFEnum extAnnotAlignment;
  SoSFBool extAnnotTextVisibility;
  SoSFBool extAnnotValueVisibility;
  SoSFBool extAnnotPercentVisibility;
  SoSFBool extAnnotAddStringVisibility;
  SoSFString extAnnotTextFontName;
  SoSFFloat extAnnotTextFontSize;
  SoSFString extAnnotValueFontName;
  SoSFFloat extAnnotValueFontSize;
  SoSFString extAnnotPercentFontName;
  SoSFFloat extAnnotPercentFontSize;
  SoSFString extAnnotAddString;
  SoSFFloat extAnnotDistance1;
  SoSFFloat extAnnotDistance2;
  SoSFFloat extAnnotDistance3;
  SoSFBool arrowVisibility;
  SoSFFloat arrowHeight;
  SoSFFloat arrowWidth;
  SoSFBool sliceGroupActive;
  SoSFFloat sliceGroupMinValue;
  SoSFEnum sliceGroupFlagMin;
  SoSFString sliceGroupString;
  SoMFShort sliceToTranslateNumber;
  SoMFFloat sliceToTranslateValue;
  SoSFFloat sliceAngleStep;

  /** The node's own text attributes (null: those of the state). */
  void setMiscTextAttr(PbMiscTextAttr* attr);
  const PbMiscTextAttr* getMiscTextAttr() const { return m_miscTextAttr; }
  /** The node's own numeric format (null: that of the state). */
  void setFormat(PbNumericDisplayFormat* format);
  const PbNumericDisplayFormat* getFormat() const { return m_format; }

  /** Pulls slice @p sliceNumber out by @p value (see the lists sliceToTranslateNumber/Value). */
  void setSliceToTranslate(int sliceNumber, float value);
  float getSliceToTranslate(int sliceNumber) const;
  /** TRUE, with the slice's number, when @p path runs through this node to a named slice. */
  SbBool getPickedSliceNumber(const SoPath* path, int& sliceNumber) const;

  void basicObjectChange(PbBase* object) override;

  /** The snapshot each rebuild takes of the fields, defaults resolved. */
  struct PieChartAttr {
    SbString intTextFont, intValueFont, intPercentFont, extTextFont, extValueFont, extPercentFont;
    float intTextSize, intValueSize, intPercentSize, extTextSize, extValueSize, extPercentSize;
    float intDistance, extDistance1, extDistance2, extDistance3;
    float arrowWidth, arrowHeight;
    int numSlices;
    float pullOut[361 + 1];
  };

protected:
  PoPieChart();
  ~PoPieChart() override;

  void preRebuild() override;
  void addElementsAllCaches() override;
  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;
  void setDefaultOnNonWritingFields() override;

  /**
   * The whole rebuild of a pie centred on @p center (x, y) between the heights @p zBottom and
   * @p zTop: flat sectors when @p solid is 0, prisms otherwise.
   */
  void buildPie(const SbVec3f& center, float zBottom, float zTop, int solid);

  /** Sets the lists from the constructors' arrays (numSlices 0 keeps the defaults). */
  void setFromArrays(float radiusValue, short numSlices, const char** texts, const float* values,
                     int numColors, const SbColor* colors);

private:
  void clearParts();
  void takeSnapshot(PieChartAttr& attr) const;
  const PbMiscTextAttr* currentTextAttr() const;
  const PbNumericDisplayFormat* currentFormat() const;

  PbMiscTextAttr* m_miscTextAttr = nullptr;
  PbNumericDisplayFormat* m_format = nullptr;
  FieldSensorList m_sensors;
};

#endif
