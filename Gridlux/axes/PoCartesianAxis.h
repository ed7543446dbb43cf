// A graduated axis parallel to one coordinate axis of the domain.
#ifndef GRIDLUX_POCARTESIANAXIS_H
#define GRIDLUX_POCARTESIANAXIS_H

#include <Gridlux/axes/PoAxis.h>

#include <Inventor/SbMatrix.h>
#include <Inventor/fields/SoSFVec3f.h>

/**
 * @brief Places a PoAxis along X, Y or Z of the domain.
 *
 * Fields: start (SoSFVec3f, 0 0 0), end (SoSFFloat, 1: the end's coordinate along the axis),
 * type (XY, XZ, YX, YZ, ZX, ZY; default XY: the first letter is the axis it runs along, the
 * second the direction toward which "above" points, except YX whose "above" is -X so that its
 * labels stand left of it). The `transform` part maps the axis frame (x along the axis in
 * domain units, y across it in units of the domain extent along the axis) into the domain.
 */
class PoCartesianAxis : public PoAxis {
  typedef PoAxis inherited;
  PO_KIT_ABSTRACT_HEADER(PoCartesianAxis);

public:
  static void initClass();

  enum Type { XY = 0, XZ = 1, YX = 2, YZ = 3, ZX = 4, ZY = 5 };

  SoSFVec3f start;
  SoSFFloat end;
  SoSFEnum type;

  /**
   * Matrix from the axis frame of an axis of @p axisType starting at @p origin into a domain
   * with extents @p deltas; also returns the extents along and across the axis. A type out of
   * range is taken as XY.
   */
  static SbMatrix getAxisMatrix(int axisType, const SbVec3f& origin, const SbVec3f& deltas,
                                float& deltaAlong, float& deltaAcross);

protected:
  PoCartesianAxis();
  ~PoCartesianAxis() override;
  void getWatchedFields(SoFieldList& fields) override;

  /** Sets the `transform` part for the current domain; returns the two extents. */
  void computeTransfo(const SbVec3f& origin, float& deltaAlong, float& deltaAcross);
  /** Start point's coordinate along the axis. */
  float getStartAlong() const;
  /**
   * Constructor arguments become the fields' values; those equal to the defaults are left
   * unset, so that a file written from a node built this way keeps only what was given.
   */
  void setPlacement(const SbVec3f& startPoint, float endCoord, Type axisType);

  /**
   * Opening of every cartesian rebuild: working attributes with their DEPEND values resolved,
   * the transform, the span @p s .. @p e and the margin-limited interval @p lo .. @p hi (kept
   * as gradMin/gradMax). Returns false when there is nothing to graduate (an empty or not
   * finite span, the latter with a message from @p method); the axis parts are then cleared
   * and the caller clears its own parts and ends the rebuild.
   */
  bool beginCartesianRebuild(const char* method, float& s, float& e, float& lo, float& hi);
};

#endif
