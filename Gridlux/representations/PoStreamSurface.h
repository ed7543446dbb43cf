// Stream surfaces: ribbons joining the paths started along a short segment (rake) at each start point.
#ifndef GRIDLUX_POSTREAMSURFACE_H
#define GRIDLUX_POSTREAMSURFACE_H

#include <Gridlux/representations/PoBaseStreamLine.h>

#include <Inventor/fields/SoSFVec3f.h>

/**
 * @brief At each start point, traces numLinesPerRake paths from equally spaced points of the
 * rake (the segment of rakeLength along rakeOrientation centred on the start point) and joins
 * them into one SoQuadMesh, one row per path.
 *
 * A rake of one line starts it at the rake's centre and draws it as a line. Rows whose paths
 * have different lengths are cut to the shortest non-empty one; paths that found no cell are
 * left out of their rake. Colouring as PoStreamLine under a data mapping (one colour per
 * vertex); otherwise the inherited material. A SoShapeHints with a known (counter-clockwise)
 * vertex ordering lights both sides of the ribbons.
 *
 * Fields (defaults): rakeOrientation (1, 0, 0), numLinesPerRake 3, rakeLength 1.
 * Part: groupStreamSurface (SoGroup). A rake count below 1, a negative or infinite length or
 * an orientation that is null or not finite posts a message and draws nothing.
 */
class PoStreamSurface : public PoBaseStreamLine {
  typedef PoBaseStreamLine inherited;
  PO_KIT_HEADER(PoStreamSurface);

  SO_KIT_CATALOG_ENTRY_HEADER(groupStreamSurface);

public:
  PoStreamSurface();
  static void initClass();

  SoSFVec3f rakeOrientation;
  SoSFInt32 numLinesPerRake;
  SoSFFloat rakeLength;

  void rebuild() override;

  /** The start of line @p line of @p numLines on the rake of @p length along the unit @p axis at @p centre. */
  static SbVec3f rakePoint(const SbVec3f& centre, const SbVec3f& axis, float length, int line, int numLines);

protected:
  ~PoStreamSurface() override;

  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;

private:
  int checkRake(const char* method) const;

  FieldSensorList m_sensors;
};

#endif
