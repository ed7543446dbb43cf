// A flat pie chart: one sector per slice in the plane z = 0.
#ifndef GRIDLUX_POPIECHART2D_H
#define GRIDLUX_POPIECHART2D_H

#include <Gridlux/charts/PoPieChart.h>

#include <Inventor/SbColor.h>
#include <Inventor/SbVec2f.h>
#include <Inventor/fields/SoSFVec2f.h>

/**
 * @brief Pie chart of flat sectors around @c center (SoSFVec2f, default (0, 0)).
 *
 * Each slice is one face (its arc points, then the centre) named "Slice<k>" in the `slice` part,
 * and its closed outline in `sliceBorder`, 1e-4 radius above it; the outer annotations' boxes lie
 * at 1e-3 radius, their texts at 1.5e-3 radius and the arrows between. Read and written under
 * the name PoPieChart2D.
 */
class PoPieChart2D : public PoPieChart {
  typedef PoPieChart inherited;
  PO_KIT_HEADER(PoPieChart2D);

public:
  PoPieChart2D();
  /**
   * A chart with @p numSlices texts and values and @p numColors colours (0 slices: the lists keep
   * their defaults; a null array empties its list).
   */
  PoPieChart2D(const SbVec2f& center, float radius, short numSlices, const char** texts,
               const float* values, int numColors, const SbColor* colors);
  static void initClass();

  SoSFVec2f center;

  void rebuild() override;

protected:
  ~PoPieChart2D() override;
};

#endif
