// A parallelogram in space given by three of its corners.
#ifndef GRIDLUX_POPARALLELOGRAM3_H
#define GRIDLUX_POPARALLELOGRAM3_H

#include <Gridlux/base/PoChartwork.h>

#include <Inventor/fields/SoSFVec3f.h>

/**
 * @brief Filled parallelogram with the corners p, q, r and p + r - q.
 *
 * Fields: p (SoSFVec3f, 0 0 0), q (SoSFVec3f, 1 0 0), r (SoSFVec3f, 1 1 0).
 * Part `parallelogram3` (SoGroup): an SoCoordinate3 and one SoFaceSet face of the 4 corners p, q, r
 * and p + r - q. Read and written under the name PoParallelogram3; a change of any field rebuilds
 * the figure.
 */
class PoParallelogram3 : public PoChartwork {
  typedef PoChartwork inherited;
  PO_KIT_HEADER(PoParallelogram3);

  SO_KIT_CATALOG_ENTRY_HEADER(parallelogram3);

public:
  PoParallelogram3();
  static void initClass();

  SoSFVec3f p;
  SoSFVec3f q;
  SoSFVec3f r;

  void rebuild() override;

protected:
  ~PoParallelogram3() override;
  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;

private:
  void init(const SbVec3f& pValue, const SbVec3f& qValue, const SbVec3f& rValue);
  FieldSensorList m_sensors;
};

#endif
