// Internal helpers of the solid bar charts and the solid scatter plot: one face set from a solid
// mesh, the bars of the current series, sizes and the domain's stretch. Not installed.
#ifndef GRIDLUX_SOLIDCHARTSXP_H
#define GRIDLUX_SOLIDCHARTSXP_H

#include <Gridlux/charts/PiSolidGeometry.h>

#include <Inventor/SbVec3f.h>

class PoBar;
class PoBase;
class SoGroup;
class SoMaterial;
class SoState;

namespace SolidChartsXP {

/**
 * The group that draws @p mesh: shape hints for closed counter-clockwise solids, coordinates,
 * normals bound per indexed vertex, one indexed face set of all the triangles and, when
 * @p perSolidColor, a binding that gives each triangle the material entry of its solid. Null for an
 * empty mesh.
 */
SoGroup* makeSolids(const PiSolidGeometry::Mesh& mesh, bool perSolidColor);

/**
 * The scale that the node's domain transform applies along x, y and z ((1, 1, 1) when the node
 * draws without it), so that solids can be built round in the scene rather than in data units.
 */
SbVec3f domainScale(const PoBase* node);

/**
 * @p value when it is a finite size (0 included, meaning computed); otherwise posts a message from
 * @p method naming @p field and returns 0, so that the computed default is used.
 */
float checkedSize(float value, const char* method, const char* field);

/**
 * Builds the bars of @p bar over the current series of @p state into @p mesh and returns their
 * group (null when there is nothing to draw). @p outline is the counter-clockwise outline of a bar
 * across its axis, @p size its scale (from the node's field @p sizeField; 0 gives 0.4 of the mean
 * spacing of the points across the bars, or 0.04 of the domain's extent there for a lone bar),
 * @p topRatio the scale of the top. A threshold that is not finite posts a message from @p method
 * and draws nothing; points that are not finite draw no bar, with a warning. @p material receives
 * the chart's material, referenced, or null.
 */
SoGroup* buildBars(const PoBar* bar, SoState* state, const SbVec2f* outline, int numOutline, float size,
                   const char* sizeField, float topRatio, const char* method, PiSolidGeometry::Mesh& mesh,
                   SoMaterial*& material);

} // namespace SolidChartsXP

#endif
