// Labels at the points of the current one-dimensional series: values or names.
#ifndef GRIDLUX_POLABEL_H
#define GRIDLUX_POLABEL_H

#include <Gridlux/mesh/PoChart.h>

#include <Inventor/fields/SoMFVec3f.h>
#include <Inventor/fields/SoSFEnum.h>
#include <Inventor/fields/SoSFFloat.h>
#include <Inventor/fields/SoSFInt32.h>

/**
 * @brief Puts a label at each point of the current one-dimensional mesh, after the geometry
 * interpretation and filter of the state (PoChart).
 *
 * Fields (after PoChart's): stringsIndex (0: the string set of the names), axis (X: the series
 * runs along x and its values along y; Y swaps them), valueType (VALUE: the point's value,
 * printed under the state's numeric format with a common "E<power>" suffix; NAME: the name of
 * the nearest node in string set stringsIndex), position (VALUE_POS at the value, MIDDLE_POS
 * half-way to threshold, THRESHOLD_POS at threshold), threshold (0), offset (SoMFVec3f, empty:
 * label i moves by offset[i modulo their number]), fontSize (0: 0.04 of the domain's larger
 * extent; otherwise a fraction of it).
 *
 * Reads PoLabelHintsElement (path, justification, a string appended to every label, label lines),
 * PoMiscTextAttrElement and PoNumericDisplayFormatElement. The colours of the chart (PoChart's
 * colour source) give each label a material of its own.
 *
 * Parts: `label` (SoGroup, the texts), `labelLineSep` (SoSeparator) holding `labelLineApp`
 * (SoAppearanceKit) and `labelLine` (SoGroup, the lines from points to labels when the hints
 * show them). Read and written under the name PoLabel.
 */
class PoLabel : public PoChart {
  typedef PoChart inherited;
  PO_KIT_HEADER(PoLabel);

  SO_KIT_CATALOG_ENTRY_HEADER(label);
  SO_KIT_CATALOG_ENTRY_HEADER(labelLineSep);
  SO_KIT_CATALOG_ENTRY_HEADER(labelLineApp);
  SO_KIT_CATALOG_ENTRY_HEADER(labelLine);

public:
  PoLabel();
  static void initClass();

  enum Axis { X = 0, Y = 1 };
  enum ValueType { VALUE = 0, NAME = 1 };
  enum Position { VALUE_POS = 0, MIDDLE_POS = 1, THRESHOLD_POS = 2 };

  SoSFInt32 stringsIndex;
  SoSFEnum axis;
  SoSFEnum valueType;
  SoSFEnum position;
  SoSFFloat threshold;
  SoMFVec3f offset;
  SoSFFloat fontSize;

  void rebuild() override;

protected:
  ~PoLabel() override;
  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;
  void preRebuild() override;
  void addElementsAllCaches() override;

private:
  FieldSensorList m_sensors;
};

#endif
