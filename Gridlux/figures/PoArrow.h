// A 2D arrow between two points of the plane z = 0, with a head at either end or both.
#ifndef GRIDLUX_POARROW_H
#define GRIDLUX_POARROW_H

#include <Gridlux/base/PoChartwork.h>
#include <Gridlux/figures/PiArrow3.h>

#include <Inventor/fields/SoSFEnum.h>
#include <Inventor/fields/SoSFFloat.h>
#include <Inventor/fields/SoSFVec2f.h>

/**
 * @brief Flat arrow from startPoint to endPoint at z = 0, for annotating 2D charts.
 *
 * Fields: startPoint (SoSFVec2f, 0 0), endPoint (SoSFVec2f, 1 0), headLength (SoSFFloat, 0.15)
 * and headWidth (SoSFFloat, 0.08), fractions of the arrow's length; startShape (NO_SHAPE) and
 * endShape (TRIANGLE), each NO_SHAPE, CHEVRON (an open V) or TRIANGLE (a filled head). The
 * geometry is PiArrow3's planar form: a head's tip is exactly at its end point, the shaft stops
 * at a triangle's base and runs into a chevron's tip, and two heads longer than the arrow are
 * shortened in proportion.
 *
 * Points are in domain coordinates, like the charts the arrow annotates. Under a domain
 * transform that stretches y against x the head is laid out in the stretched frame, so that it
 * is symmetric on the screen rather than in the data.
 *
 * Parts (SoGroup each): `shaft` (SoCoordinate3 and SoLineSet), `startHead` and `endHead`
 * (a line set for a chevron, an SoFaceSet of one triangle for a triangle; null for NO_SHAPE).
 * A zero-length arrow or bad values (non-finite points, negative head fractions, unknown shapes)
 * post a message and leave every part null. Read and written under the name PoArrow.
 */
class PoArrow : public PoChartwork {
  typedef PoChartwork inherited;
  PO_KIT_HEADER(PoArrow);

  SO_KIT_CATALOG_ENTRY_HEADER(shaft);
  SO_KIT_CATALOG_ENTRY_HEADER(startHead);
  SO_KIT_CATALOG_ENTRY_HEADER(endHead);

public:
  PoArrow();
  PoArrow(const SbVec2f& startValue, const SbVec2f& endValue);
  static void initClass();

  enum Shape {
    NO_SHAPE = PiArrow3::NO_SHAPE,
    CHEVRON = PiArrow3::CHEVRON,
    TRIANGLE = PiArrow3::TRIANGLE
  };

  SoSFVec2f startPoint;
  SoSFVec2f endPoint;
  SoSFFloat headLength;
  SoSFFloat headWidth;
  SoSFEnum startShape;
  SoSFEnum endShape;

  void rebuild() override;

protected:
  ~PoArrow() override;
  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;

private:
  void init(const SbVec2f& startValue, const SbVec2f& endValue);
  FieldSensorList m_sensors;
};

#endif
