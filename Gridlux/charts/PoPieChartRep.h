// A pie of the values of the current one-dimensional mesh, with one annotation per slice.
#ifndef GRIDLUX_POPIECHARTREP_H
#define GRIDLUX_POPIECHARTREP_H

#include <Gridlux/mesh/PoChart.h>

#include <Inventor/SbString.h>
#include <Inventor/fields/SoMFFloat.h>
#include <Inventor/fields/SoMFShort.h>
#include <Inventor/fields/SoSFBool.h>
#include <Inventor/fields/SoSFFloat.h>
#include <Inventor/fields/SoSFInt32.h>

class SoPath;

/**
 * @brief Draws the nodes of the current one-dimensional mesh (value set yValuesIndex) as a pie
 * centred on the origin: each node with a value > 0 is a slice spanning its share of 2 pi, the
 * first starting at angle 0, in node order.
 *
 * Fields (after PoChart's): stringsIndex (0: string set naming the slices), radiusMin (0) and
 * radiusMax (1): the slices are ring sectors between the two radii (a radiusMin outside
 * [0, radiusMax) is taken as 0); sliceToTranslateNumber (empty: node numbers) and
 * sliceToTranslateRadius (empty): pull-out distances along the bisectors, paired by index;
 * height (0.3): the slices are prisms from z = 0 to z = height, flat faces when height is 0;
 * isNameVisible (FALSE), isValueVisible (FALSE), isPercentageVisible (TRUE): the lines of each
 * annotation; annoDistToCenter (0.5): the annotation anchor lies (1 + annoDistToCenter)
 * radiusMax from the slice's centre on its bisector; annoHeightFromSlice (0.2): its height above
 * the top, in units of radiusMax; isAnnoSliceColor (TRUE): texts in the slice's colour;
 * annoFontSize (0.1 of radiusMax). A line joins each annotation to the outer rim.
 *
 * Colours by PoChart's colour source: the state's data mapping at the node's value of set
 * colorValuesIndex (with its transparency when it has one), one value of each list of the
 * material field's SoMaterial per slice, cyclically, or none. The numbers use the state's
 * numeric format; the label hints' additional string is appended to every annotation; the bevel
 * edge and complexity elements are recorded (a change rebuilds) but do not change the shapes.
 *
 * Each slice's face set is named "Slice<k>", k the node's number. Parts: `slice`, `annotation`,
 * `annotationLine` (SoGroup each). Read and written under the name PoPieChartRep.
 */
class PoPieChartRep : public PoChart {
  typedef PoChart inherited;
  PO_KIT_HEADER(PoPieChartRep);

  SO_KIT_CATALOG_ENTRY_HEADER(slice);
  SO_KIT_CATALOG_ENTRY_HEADER(annotation);
  SO_KIT_CATALOG_ENTRY_HEADER(annotationLine);

public:
  PoPieChartRep();
  static void initClass();

  SoSFInt32 stringsIndex;
  SoSFFloat radiusMin;
  SoSFFloat radiusMax;
  SoMFShort sliceToTranslateNumber;
  SoMFFloat sliceToTranslateRadius;
  SoSFFloat height;
  SoSFBool isNameVisible;
  SoSFBool isValueVisible;
  SoSFBool isPercentageVisible;
  SoSFFloat annoDistToCenter;
  SoSFFloat annoHeightFromSlice;
  SoSFBool isAnnoSliceColor;
  SoSFFloat annoFontSize;

  /** As PoPieChart's, on sliceToTranslateNumber and sliceToTranslateRadius. */
  void setSliceToTranslate(int sliceNumber, float value);
  float getSliceToTranslate(int sliceNumber) const;
  SbBool getPickedSliceNumber(const SoPath* path, int& sliceNumber) const;

  void rebuild() override;

  /** Per drawn slice: angles, value, radius, texts and material. */
  struct SliceAttr {
    float startAngle, endAngle, value, radius;
    SbString name, valueString, percentageString;
    SoMaterial* material;
  };

protected:
  ~PoPieChartRep() override;
  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;
  void preRebuild() override;
  void addElementsAllCaches() override;

private:
  FieldSensorList m_sensors;
};

#endif
