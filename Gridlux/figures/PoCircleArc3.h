// Base of the 3D circle-arc figures: drawn open, closed by the chord or as a pie slice.
#ifndef GRIDLUX_POCIRCLEARC3_H
#define GRIDLUX_POCIRCLEARC3_H

#include <Gridlux/base/PoChartwork.h>
#include <Gridlux/figures/PiCircleArc3.h>
#include <Inventor/fields/SoSFEnum.h>

/**
 * @brief Abstract base of the 3D circle arcs.
 *
 * Field: arcType (SoSFEnum ArcType, OPENED): OPENED draws the arc as a line, END_CLOSE as a
 * face closed by the chord between its ends, CENTER_CLOSE as a pie slice through the centre.
 * Part `circleArc3` (SoGroup): for a closed figure an SoShapeHints, then an SoCoordinate3 with the
 * arc's points (the centre last for a pie slice) and one SoLineSet polyline or SoFaceSet face.
 * Every field of the concrete class is watched: a change rebuilds the figure.
 */
class PoCircleArc3 : public PoChartwork {
  typedef PoChartwork inherited;
  PO_KIT_ABSTRACT_HEADER(PoCircleArc3);

  SO_KIT_CATALOG_ENTRY_HEADER(circleArc3);

public:
  static void initClass();

  enum ArcType { OPENED = 0, END_CLOSE = 1, CENTER_CLOSE = 2 };

  SoSFEnum arcType;

  void rebuild() override;

protected:
  PoCircleArc3();
  ~PoCircleArc3() override;

  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;
  /** Sets the arc from the concrete class's fields; returns 0 when there is nothing to draw. */
  virtual int setUpArc(PiCircleArc3& arc) = 0;

private:
  FieldSensorList m_sensors;
  PiCircleArc3 m_arc; // kept between rebuilds for its point buffer
};

#endif
