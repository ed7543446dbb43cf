// The area between the series of the current one-dimensional mesh and a threshold line.
#ifndef GRIDLUX_POCURVEFILLING_H
#define GRIDLUX_POCURVEFILLING_H

#include <Gridlux/charts/PoCurveLine.h>

#include <Inventor/fields/SoSFEnum.h>
#include <Inventor/fields/SoSFFloat.h>

/**
 * @brief Draws the line of PoCurveLine and fills, in the part `filling`, the region between it
 * and the threshold line: y = threshold under VERTICAL (the default), x = threshold under
 * HORIZONTAL. The line is clipped at its crossings of the threshold so that each polygon lies on
 * one side. The fill takes the first entry of the geometry's material; `width` is kept in files
 * and does not change the area. Read and written under the name PoCurveFilling.
 */
class PoCurveFilling : public PoCurveLine {
  typedef PoCurveLine inherited;
  PO_KIT_HEADER(PoCurveFilling);

  SO_KIT_CATALOG_ENTRY_HEADER(filling);

public:
  enum Orientation {
    HORIZONTAL = 0,
    VERTICAL = 1
  };

  PoCurveFilling();
  static void initClass();

  SoSFFloat threshold;
  SoSFFloat width;
  SoSFEnum orientation;

  void rebuild() override;

protected:
  ~PoCurveFilling() override;
  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;

private:
  FieldSensorList m_sensors;
};

#endif
