// A free set of annotated points: a string, a number or both at each point.
#ifndef GRIDLUX_POLABELFIELD_H
#define GRIDLUX_POLABELFIELD_H

#include <Gridlux/base/PoChartwork.h>

#include <Inventor/fields/SoMFFloat.h>
#include <Inventor/fields/SoMFString.h>
#include <Inventor/fields/SoMFVec2f.h>
#include <Inventor/fields/SoSFEnum.h>
#include <Inventor/fields/SoSFFloat.h>

class PbNumericDisplayFormat;

/**
 * @brief Labels at free points of the plane z = 0.
 *
 * Fields: point (SoMFVec2f, 0 0), string (SoMFString, ""), value (SoMFFloat, 0),
 * concatType (STRING_BEFORE_VALUE), fontSize (SoSFFloat, 1), justification (LEFT),
 * verticalJustification (BASE), coordinateType (COORDINATE_IN_CURRENT_UNIT).
 * Label i joins string[i] (when there are as many strings as points) and value[i] printed
 * under the numeric display format (when there are as many values as points); all values are
 * printed alike, with a common "E<power>" suffix when the format divides them by a power of ten.
 * A fontSize of 0 is computed (0.04 of the domain's larger extent); a negative or non-finite
 * size is reported and computed the same way. Points that are not finite get no label.
 *
 * Reads PoNumericDisplayFormatElement (unless a format is set with setFormat) and
 * PoMiscTextAttrElement (font name, line breaking). With COORDINATE_IN_DOMAIN the points and
 * the font size (a fraction of the domain's larger extent) are in the domain, and part
 * `transform` keeps the text undistorted by the domain transform; in current units the domain
 * transform is not applied.
 *
 * Parts: `transform` (SoMatrixTransform), `labelField` (SoGroup, the texts built by PiText).
 * Read and written under the name PoLabelField.
 */
class PoLabelField : public PoChartwork {
  typedef PoChartwork inherited;
  PO_KIT_HEADER(PoLabelField);

  SO_KIT_CATALOG_ENTRY_HEADER(transform);
  SO_KIT_CATALOG_ENTRY_HEADER(labelField);

public:
  PoLabelField();
  static void initClass();

  enum ConcatType { STRING_BEFORE_VALUE, VALUE_BEFORE_STRING, STRING_ABOVE_VALUE, VALUE_ABOVE_STRING };
  enum Justification { LEFT, RIGHT, CENTER };
  enum VerticalJustification { TOP, CAP, HALF, BASE, BOTTOM };
  enum CoordinateType { COORDINATE_IN_DOMAIN, COORDINATE_IN_CURRENT_UNIT };

  SoMFVec2f point;
  SoMFString string;
  SoMFFloat value;
  SoSFEnum concatType;
  SoSFFloat fontSize;
  SoSFEnum justification;
  SoSFEnum verticalJustification;
  SoSFEnum coordinateType;

  /** Prints the values with @p format (followed) instead of the traversal's; null: the state's. */
  void setFormat(PbNumericDisplayFormat* format);
  const PbNumericDisplayFormat* getFormat() const { return m_format; }

  void rebuild() override;
  void basicObjectChange(PbBase* object) override;

protected:
  ~PoLabelField() override;
  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;
  void addElementsAllCaches() override;

private:
  void getWatchedFields(SoFieldList& fields);

  FieldSensorList m_sensors;
  PbNumericDisplayFormat* m_format = nullptr;
};

#endif
