// An axis-aligned rectangle in the plane z = 0 given by two opposite corners.
#ifndef GRIDLUX_PORECTANGLE_H
#define GRIDLUX_PORECTANGLE_H

#include <Gridlux/base/PoChartwork.h>

#include <Inventor/fields/SoSFVec2f.h>

/**
 * @brief Filled rectangle with opposite corners p and q, in any corner order.
 *
 * Fields: p (SoSFVec2f, 0 0), q (SoSFVec2f, 1 1).
 * Part `rectangle` (SoGroup): an SoCoordinate3 and one SoFaceSet face of the 4 corners (p.x p.y),
 * (q.x p.y), (q.x q.y), (p.x q.y). Read and written under the name PoRectangle; a change of any
 * field rebuilds the figure.
 */
class PoRectangle : public PoChartwork {
  typedef PoChartwork inherited;
  PO_KIT_HEADER(PoRectangle);

  SO_KIT_CATALOG_ENTRY_HEADER(rectangle);

public:
  PoRectangle();
  static void initClass();

  SoSFVec2f p;
  SoSFVec2f q;

  void rebuild() override;

protected:
  ~PoRectangle() override;
  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;

private:
  void init(const SbVec2f& pValue, const SbVec2f& qValue);
  FieldSensorList m_sensors;
};

#endif
