// Internal helpers of the ribbon and tube nodes: the path they sweep and the face set they build.
// Not installed.
#ifndef GRIDLUX_SWEEPSHAPEXP_H
#define GRIDLUX_SWEEPSHAPEXP_H

#include <Gridlux/charts/PiSweep.h>

#include <Inventor/SbVec2f.h>

#include <vector>

class PoBase;
class SoGroup;

namespace SweepShapeXP {

/** How the face set takes the colours of the geometry's material, one entry per line point. */
enum Coloring {
  INHERITED_COLORS = 0, ///< no binding: the inherited material
  PER_VERTEX_COLORS = 1, ///< each vertex the colour of its line point
  PER_PART_COLORS = 2 ///< each face the colour of its segment's first point (a cap, its end point)
};

/**
 * The line points to sweep, at z = 0: the finite ones, each different from the previous one kept;
 * @p source gets the line index of each. A warning from @p method names the points dropped as not
 * finite; fewer than 2 distinct points gives a warning too and returns false.
 */
bool sweepPath(const std::vector<SbVec2f>& line, std::vector<SbVec3f>& path, std::vector<int>& source,
               const char* method);

/**
 * The scale of the domain transform @p node draws under (1 1 1 when it has none). Sweeps are built
 * in that scaled space and scaled back, so that a tube stays round and a ribbon keeps its width on
 * screen however the domain stretches the axes; sizes are then in units of the x axis.
 */
SbVec3f displayScale(const PoBase* node);

/** Multiplies (@p inverse: divides) every point by @p scale, component by component. */
void applyScale(std::vector<SbVec3f>& points, const SbVec3f& scale, bool inverse);

/**
 * The group of @p surface: shape hints (counter-clockwise; when @p closed a solid whose faces may
 * be concave, as a cap of a concave outline is, else a two-sided surface of convex faces), a
 * material binding after @p coloring, the coordinates and one indexed face set whose material
 * indices map the surface's points through @p source. Null, with a message from @p method, when a
 * size too large for single precision sent a vertex to infinity.
 */
SoGroup* makeFaceSet(const PiSweep::Surface& surface, const std::vector<int>& source, Coloring coloring,
                     bool closed, const char* method);

} // namespace SweepShapeXP

#endif
