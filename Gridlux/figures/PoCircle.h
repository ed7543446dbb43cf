// Base of the circle figures in the plane z = 0: a disc built from the subclass's values.
#ifndef GRIDLUX_POCIRCLE_H
#define GRIDLUX_POCIRCLE_H

#include <Gridlux/base/PoChartwork.h>
#include <Gridlux/figures/PiCircleArc2.h>

/**
 * @brief Abstract base of the 2D circles: a full turn closed by its chord, that is a filled disc.
 *
 * Subclasses set the circle in setUpArc(); the part is null when their values define none.
 * Part `circle` (SoGroup): for a closed figure an SoShapeHints, then an SoCoordinate3 with the
 * arc's points (the centre last for a pie slice) and one SoLineSet polyline or SoFaceSet face.
 * Every field of the concrete class is watched: a change rebuilds the figure.
 */
class PoCircle : public PoChartwork {
  typedef PoChartwork inherited;
  PO_KIT_ABSTRACT_HEADER(PoCircle);

  SO_KIT_CATALOG_ENTRY_HEADER(circle);

public:
  static void initClass();

  void rebuild() override;

protected:
  PoCircle();
  ~PoCircle() override;

  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;
  /** Sets the arc from the concrete class's fields; returns 0 when there is nothing to draw. */
  virtual int setUpArc(PiCircleArc2& arc) = 0;

private:
  FieldSensorList m_sensors;
  PiCircleArc2 m_arc; // kept between rebuilds for its point buffer
};

#endif
