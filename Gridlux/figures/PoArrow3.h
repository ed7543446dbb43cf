// A 3D arrow between two points, drawn with lines and flat heads or as a solid.
#ifndef GRIDLUX_POARROW3_H
#define GRIDLUX_POARROW3_H

#include <Gridlux/base/PoChartwork.h>
#include <Gridlux/figures/PiArrow3.h>

#include <Inventor/fields/SoSFBool.h>
#include <Inventor/fields/SoSFEnum.h>
#include <Inventor/fields/SoSFFloat.h>
#include <Inventor/fields/SoSFVec3f.h>

/**
 * @brief Arrow from startPoint to endPoint with a head at either end or both (see PiArrow3).
 *
 * Fields: startPoint (SoSFVec3f, 0 0 0), endPoint (SoSFVec3f, 1 0 0), headLength (SoSFFloat,
 * 0.15) and headWidth (SoSFFloat, 0.08), fractions of the arrow's length; startShape
 * (NO_SHAPE) and endShape (TRIANGLE), each NO_SHAPE, CHEVRON or TRIANGLE; solid (SoSFBool,
 * FALSE): TRUE draws a closed cylinder and closed cones.
 *
 * Parts (SoGroup each): `shaft`, `startHead`, `endHead`. A part holds an SoCoordinate3 and an
 * SoLineSet, or, for faces, an SoShapeHints (counter-clockwise and solid for the closed
 * shapes), an SoCoordinate3 and an SoFaceSet. A head with NO_SHAPE leaves its part null; bad
 * values (coinciding or non-finite points, negative head fractions, unknown shapes) post a
 * message and leave every part null. Read and written under the name PoArrow3.
 */
class PoArrow3 : public PoChartwork {
  typedef PoChartwork inherited;
  PO_KIT_HEADER(PoArrow3);

  SO_KIT_CATALOG_ENTRY_HEADER(shaft);
  SO_KIT_CATALOG_ENTRY_HEADER(startHead);
  SO_KIT_CATALOG_ENTRY_HEADER(endHead);

public:
  PoArrow3();
  PoArrow3(const SbVec3f& startValue, const SbVec3f& endValue);
  static void initClass();

  enum Shape {
    NO_SHAPE = PiArrow3::NO_SHAPE,
    CHEVRON = PiArrow3::CHEVRON,
    TRIANGLE = PiArrow3::TRIANGLE
  };

  SoSFVec3f startPoint;
  SoSFVec3f endPoint;
  SoSFFloat headLength;
  SoSFFloat headWidth;
  SoSFEnum startShape;
  SoSFEnum endShape;
  SoSFBool solid;

  void rebuild() override;

protected:
  ~PoArrow3() override;
  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;

private:
  void init(const SbVec3f& startValue, const SbVec3f& endValue);
  FieldSensorList m_sensors;
};

#endif
