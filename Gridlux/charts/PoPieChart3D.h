// A solid pie chart: each slice a prism between two heights.
#ifndef GRIDLUX_POPIECHART3D_H
#define GRIDLUX_POPIECHART3D_H

#include <Gridlux/charts/PoPieChart.h>

#include <Inventor/SbColor.h>
#include <Inventor/SbVec3f.h>
#include <Inventor/fields/SoSFFloat.h>
#include <Inventor/fields/SoSFVec3f.h>

/**
 * @brief Pie chart of prisms: @c center (SoSFVec3f, default (0, 0, 0)) gives the axis and the
 * height of the bottom faces, @c zCenter2 (1) that of the top faces.
 *
 * Each slice is one indexed face set named "Slice<k>": bottom face, top face, the two radial
 * sides (start, then end) and one quadrilateral per arc segment, all facing out (shape hints
 * SOLID, the vertex order following the sign of zCenter2 - center[2]). The slice outlines lie
 * on the top face and the annotations just above it. sliceApp's light model is PHONG. Read and
 * written under the name PoPieChart3D.
 */
class PoPieChart3D : public PoPieChart {
  typedef PoPieChart inherited;
  PO_KIT_HEADER(PoPieChart3D);

public:
  PoPieChart3D();
  /** As PoPieChart2D's, with the top height @p zCenter2. */
  PoPieChart3D(const SbVec3f& center, float zCenter2, float radius, short numSlices,
               const char** texts, const float* values, int numColors, const SbColor* colors);
  static void initClass();

  SoSFVec3f center;
  SoSFFloat zCenter2;

  void rebuild() override;

protected:
  ~PoPieChart3D() override;
};

#endif
