// Internal helpers of the figure nodes: the toolkit shapes they build and the fields they watch.
// Not installed.
#ifndef GRIDLUX_FIGURESHAPESXP_H
#define GRIDLUX_FIGURESHAPESXP_H

#include <Inventor/SbVec3f.h>

class PiCircleArc;
class SoBaseKit;
class SoFieldList;
class SoGroup;

namespace FigureShapesXP {

/** A group with the coordinates and one face of @p numPoints points. */
SoGroup* makePolygon(const SbVec3f* points, int numPoints);

/**
 * The group of an arc: shape hints when it is closed, its coordinates (the centre last for a
 * pie slice), then a line set (OPENED) or a face set of one face. Null when the arc has no
 * points.
 */
SoGroup* makeArc(const PiCircleArc& arc);

/** The kit's own fields: all but its part fields. */
void getOwnFields(const SoBaseKit* kit, SoFieldList& fields);

/**
 * Posts a message and returns 0 when one of the kit's own float or vector fields holds a value
 * that is not finite; the figure is then drawn as nothing.
 */
int checkFiniteFields(const SoBaseKit* kit);

} // namespace FigureShapesXP

#endif
