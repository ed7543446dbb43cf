// Internal helpers of the figure nodes: the toolkit shapes they build and the fields they watch.
// Not installed.
#ifndef GRIDLUX_FIGURESHAPESXP_H
#define GRIDLUX_FIGURESHAPESXP_H

#include <Gridlux/figures/PiCircleArc.h>

#include <Inventor/SbVec3f.h>

class SoBaseKit;
class SoGroup;

namespace FigureShapesXP {

/**
 * A group with the coordinates and one face of @p numPoints points; null when one of the kit's
 * own fields is not finite (see checkFiniteFields()).
 */
SoGroup* makePolygon(const SoBaseKit* kit, const SbVec3f* points, int numPoints);

/**
 * The group of an arc: shape hints when it is closed, its coordinates (the centre last for a
 * pie slice), then a line set (OPENED) or a face set of one face. Null when the arc has no
 * points.
 */
SoGroup* makeArc(const PiCircleArc& arc);

/**
 * Posts a message and returns 0 when one of the kit's own float or vector fields holds a value
 * that is not finite; the figure is then drawn as nothing.
 */
int checkFiniteFields(const SoBaseKit* kit);

/** Posts a message from @p method and returns 0 when @p type is not a PiCircleArc::ArcType. */
int checkArcType(int type, const char* method);

/**
 * The group of the kit's arc, drawn as @p type: @p setUp (the kit's own setUpArc()) places
 * @p arc from the kit's fields and returns 0 when they define nothing to draw. Null, with a
 * message, when a field is not finite or @p type is no ArcType (posted from @p method).
 * The circle and arc kits of both dimensions build their parts through this one path.
 */
template <class Arc, class SetUp>
SoGroup* makeArc(const SoBaseKit* kit, int type, const char* method, Arc& arc, SetUp setUp)
{
  if (!checkFiniteFields(kit) || !checkArcType(type, method))
    return nullptr;
  arc.setArcType(PiCircleArc::ArcType(type));
  return setUp(arc) ? makeArc(arc) : nullptr;
}

} // namespace FigureShapesXP

#endif
