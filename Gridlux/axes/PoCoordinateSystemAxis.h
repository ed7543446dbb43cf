// Three arrows from one origin along X, Y and Z, each with its title beyond the tip.
#ifndef GRIDLUX_POCOORDINATESYSTEMAXIS_H
#define GRIDLUX_POCOORDINATESYSTEMAXIS_H

#include <Gridlux/base/PoChartwork.h>

#include <Inventor/fields/SoSFFloat.h>
#include <Inventor/fields/SoSFString.h>
#include <Inventor/fields/SoSFVec3f.h>

/**
 * @brief A coordinate-system symbol: arrows from `start` to (end.x, start.y, start.z),
 * (start.x, end.y, start.z) and (start.x, start.y, end.z), titled at their tips.
 *
 * Fields: start (SoSFVec3f, 0 0 0), end (SoSFVec3f, 1 1 1), xTitle ("X"), yTitle ("Y"),
 * zTitle ("Z"), arrowLengthFactor (SoSFFloat, 0.05), titleTranslationFactor (SoSFFloat, 0).
 *
 * Choices of this node, with M the length of the longest of the three arrows:
 * - The three heads are equal: arrowLengthFactor x M long and half as wide (line form, closed
 *   triangles); 0 draws no heads.
 * - A title is text of 0.1 x M, centred on the point that lies half a text size beyond its
 *   arrow's tip plus titleTranslationFactor x M further along the arrow (a negative factor
 *   brings it back toward the origin). Titles stand upright along +z, as a scene with z up is
 *   usually seen: the X and Z titles in a plane facing -y, the Y title in one facing +x; they
 *   follow the library's text type (annotation text faces the viewer). An empty title leaves
 *   its part null.
 * - An arrow of zero length (start and end share that coordinate) is not drawn, nor its title.
 * - Reads the text attributes (PoMiscTextAttrElement) for the title font; coordinates are in
 *   the domain, whose transform the node applies once for its arrows.
 * - Bad values (a non-finite start, end or factor, a negative arrowLengthFactor) post a
 *   message and leave every part null.
 *
 * Parts: `xArrow`, `yArrow`, `zArrow` (PoArrow3: the node sets their startPoint, endPoint,
 * headLength and headWidth at each rebuild; their shapes and solid form are the
 * application's, through getPart, while the arrow exists), and xTitleTextSep/xTitleTextApp/xTitleText, yTitleTextSep/yTitleTextApp/
 * yTitleText, zTitleTextSep/zTitleTextApp/zTitleText (separator, SoAppearanceKit whose font
 * the node sets, SoGroup). Read and written under the name PoCoordinateSystemAxis.
 */
class PoCoordinateSystemAxis : public PoChartwork {
  typedef PoChartwork inherited;
  PO_KIT_HEADER(PoCoordinateSystemAxis);

  SO_KIT_CATALOG_ENTRY_HEADER(xArrow);
  SO_KIT_CATALOG_ENTRY_HEADER(yArrow);
  SO_KIT_CATALOG_ENTRY_HEADER(zArrow);
  SO_KIT_CATALOG_ENTRY_HEADER(xTitleTextSep);
  SO_KIT_CATALOG_ENTRY_HEADER(xTitleTextApp);
  SO_KIT_CATALOG_ENTRY_HEADER(xTitleText);
  SO_KIT_CATALOG_ENTRY_HEADER(yTitleTextSep);
  SO_KIT_CATALOG_ENTRY_HEADER(yTitleTextApp);
  SO_KIT_CATALOG_ENTRY_HEADER(yTitleText);
  SO_KIT_CATALOG_ENTRY_HEADER(zTitleTextSep);
  SO_KIT_CATALOG_ENTRY_HEADER(zTitleTextApp);
  SO_KIT_CATALOG_ENTRY_HEADER(zTitleText);

public:
  PoCoordinateSystemAxis();
  PoCoordinateSystemAxis(const SbVec3f& startValue, const SbVec3f& endValue);
  static void initClass();

  SoSFVec3f start;
  SoSFVec3f end;
  SoSFString xTitle;
  SoSFString yTitle;
  SoSFString zTitle;
  SoSFFloat arrowLengthFactor;
  SoSFFloat titleTranslationFactor;

  void rebuild() override;

protected:
  ~PoCoordinateSystemAxis() override;
  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;
  void preRebuild() override;
  void addElementsAllCaches() override;

private:
  void init(const SbVec3f& startValue, const SbVec3f& endValue);
  /** Clears the arrow and title of one direction. */
  void clearDirection(int axis);
  FieldSensorList m_sensors;
};

#endif
