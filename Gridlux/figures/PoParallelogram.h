// A parallelogram in the plane z = 0 given by three of its corners.
#ifndef GRIDLUX_POPARALLELOGRAM_H
#define GRIDLUX_POPARALLELOGRAM_H

#include <Gridlux/base/PoChartwork.h>

#include <Inventor/fields/SoSFVec2f.h>

/**
 * @brief Filled parallelogram with the corners p, q, r and p + r - q.
 *
 * Fields: p (SoSFVec2f, 0 0), q (SoSFVec2f, 1 0), r (SoSFVec2f, 1 1).
 * Part `parallelogram` (SoGroup): an SoCoordinate3 and one SoFaceSet face of the 4 corners p, q, r
 * and p + r - q (z = 0). Read and written under the name PoParallelogram; a change of any field
 * rebuilds the figure.
 */
class PoParallelogram : public PoChartwork {
  typedef PoChartwork inherited;
  PO_KIT_HEADER(PoParallelogram);

  SO_KIT_CATALOG_ENTRY_HEADER(parallelogram);

public:
  PoParallelogram();
  static void initClass();

  SoSFVec2f p;
  SoSFVec2f q;
  SoSFVec2f r;

  void rebuild() override;

protected:
  ~PoParallelogram() override;
  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;

private:
  void init(const SbVec2f& pValue, const SbVec2f& qValue, const SbVec2f& rValue);
  FieldSensorList m_sensors;
};

#endif
