// Markers at free points, coloured by the data mapping and sized by a value at each point.
#ifndef GRIDLUX_POVALUEDMARKERFIELD_H
#define GRIDLUX_POVALUEDMARKERFIELD_H

#include <Gridlux/base/PoChartwork.h>
#include <Gridlux/charts/PiPointField.h>

#include <Inventor/fields/SoMFFloat.h>
#include <Inventor/fields/SoMFVec2f.h>
#include <Inventor/fields/SoSFFloat.h>
#include <Inventor/fields/SoSFString.h>

#include <vector>

/**
 * @brief A marker at each point of the plane z = 0, its colour and size given by the value there.
 *
 * Fields: point (SoMFVec2f, empty), value (SoMFFloat, empty), markerString (SoSFString, "."),
 * minSize and maxSize (SoSFFloat, 0), marker diameters as fractions of the domain width; 0 is
 * computed: 0.01 for minSize, 0.03 for maxSize. A negative or non-finite size is reported and
 * computed the same way. The smallest value gets minSize, the largest maxSize, linear between;
 * when all values are equal every marker gets the middle size.
 *
 * Colour: with a data mapping in the state (PoDataMappingElement) each marker takes the
 * mapping's colour of its value, and its transparency when the mapping's transparency is
 * enabled; a value that maps to no colour (a threshold without one) or to a transparency at
 * or above the mapping's deleted-parts value gets no marker. Without a mapping the markers take
 * the inherited material, as the representations do.
 *
 * Shapes: the default "." is a filled round disc (PiPointField::kDiscSides sides), round on the
 * screen under a domain transform that stretches y; any other string is a text centred on the
 * point whose font size is the marker's size, in the font of the text attributes in the state;
 * an empty string draws nothing. Texts are drawn in domain coordinates as they are, so a
 * stretching domain transform stretches them.
 *
 * Lists of unequal length: the shortest wins, with one warning per rebuild; entries with a
 * non-finite point or value are dropped, with a warning.
 *
 * Part: `marker` (SoGroup: for discs an SoMaterial and an SoMaterialBinding PER_FACE when
 * mapped, an SoCoordinate3 and an SoFaceSet; for texts an SoMaterial before each text).
 * Read and written under the name PoValuedMarkerField.
 */
class PoValuedMarkerField : public PoChartwork {
  typedef PoChartwork inherited;
  PO_KIT_HEADER(PoValuedMarkerField);

  SO_KIT_CATALOG_ENTRY_HEADER(marker);

public:
  PoValuedMarkerField();
  static void initClass();

  SoMFVec2f point;
  SoMFFloat value;
  SoSFString markerString;
  SoSFFloat minSize;
  SoSFFloat maxSize;

  void rebuild() override;

protected:
  ~PoValuedMarkerField() override;
  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;
  void addElementsAllCaches() override;

private:
  FieldSensorList m_sensors;
  // Scratch reused between rebuilds.
  std::vector<int> m_kept;
  std::vector<float> m_sizes;
  std::vector<SbVec3f> m_coords;
};

#endif
