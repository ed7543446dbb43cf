// The series of the current one-dimensional mesh drawn as a line, optionally in runs of equal thickness.
#ifndef GRIDLUX_POCURVELINE_H
#define GRIDLUX_POCURVELINE_H

#include <Gridlux/mesh/PoChart.h>

#include <Inventor/fields/SoSFEnum.h>
#include <Inventor/fields/SoSFFloat.h>
#include <Inventor/fields/SoSFInt32.h>

#include <vector>

/**
 * @brief Draws the filtered XY geometry of the current one-dimensional mesh (PbMesh1D) as a line
 * at z = 0, in the part `curve`.
 *
 * Fields (after PoChart's): thicknessIndex (-1: with an index of a value set of the mesh, the
 * set gives a thickness per node), thicknessBinding (PER_VERTEX_THICKNESS; the runs below are
 * built under both bindings), thicknessFactor (1). Without thicknesses the line is one line set;
 * with them it is cut into runs of equal thickness, each an SoDrawStyle of line width
 * thicknessFactor times the run's first thickness and an indexed line set, consecutive runs
 * sharing their boundary point. The geometry's material goes to `appearance.material`, with a
 * per-vertex or per-segment binding after colorBinding. Read and written under the name
 * PoCurveLine.
 */
class PoCurveLine : public PoChart {
  typedef PoChart inherited;
  PO_KIT_HEADER(PoCurveLine);

  SO_KIT_CATALOG_ENTRY_HEADER(curve);

public:
  enum ThicknessBinding {
    PER_PART_THICKNESS = 0,
    PER_VERTEX_THICKNESS = 1
  };

  PoCurveLine();
  static void initClass();

  SoSFInt32 thicknessIndex;
  SoSFEnum thicknessBinding;
  SoSFFloat thicknessFactor;

  void rebuild() override;

protected:
  ~PoCurveLine() override;
  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;

  /**
   * The line's points (filtered geometry, z = 0) into `curve` and the material into
   * `appearance.material`; @p points receives them for subclasses. False, with the parts emptied,
   * when there is no series to draw.
   */
  bool buildLine(std::vector<SbVec2f>& points);

private:
  FieldSensorList m_sensors;
};

#endif
