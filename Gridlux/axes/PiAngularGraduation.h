// Graduation of an arc of a circle in degrees: the arc's extent, the automatic step and the
// graduation angles with their labels.
#ifndef GRIDLUX_PIANGULARGRADUATION_H
#define GRIDLUX_PIANGULARGRADUATION_H

#include <Inventor/SbVec2f.h>

#include <vector>

/**
 * @brief The angular rules of an angular axis, on plain values.
 *
 * Angles come in radians. An arc from a start to an end angle always runs counter-clockwise:
 * both are first brought into [0, 2pi), and an end not beyond the start makes the arc pass
 * through 0 (equal ends give the full circle). Steps are in whole degrees or fractions of
 * them as given; graduations are first + i * step, labelled by their angle in [0, 360) rounded
 * to the nearest integer.
 */
class PiAngularGraduation {
public:
  enum GradFit { GRAD_FIT = 0, GRAD_UNFIT = 1 };

  /** @p angle brought into [0, 2pi). */
  static double normalizeAngle(double angle);

  /**
   * Start (in [0, 2pi)) and counter-clockwise length (in (0, 2pi]) of the arc from
   * @p startAngle to @p endAngle; false when either is not finite.
   */
  static bool getArc(float startAngle, float endAngle, double& start, double& length);

  /**
   * Automatic step in degrees for an arc of @p radius in a domain @p domainWidth wide along x,
   * graduating @p rangeDegrees: 10, 15, 30 or 45 degrees as the radius reaches 1, 0.75, 0.5 or
   * less of half the width, then made smaller (30, 15, 10, 5) when the range is below it.
   */
  static double getAutoStep(float radius, float domainWidth, double rangeDegrees);

  /**
   * Graduations from @p lo to @p hi (radians, lo <= hi) every @p stepDegrees (> 0): on whole
   * multiples of the step (GRAD_UNFIT) or from @p lo (GRAD_FIT). With @p fullCircle a last
   * graduation one turn after the first is left out, since it would stand on it. Fills the
   * angles (radians) and the labels' degrees; returns their count (0 beyond @p maxCount).
   */
  static int getGrads(GradFit fit, double lo, double hi, double stepDegrees, bool fullCircle,
                      std::vector<float>& angles, std::vector<int>& degrees,
                      int maxCount = 10000);

  /**
   * Offset from an anchor to the centre of a box @p width by @p height so that the box lies
   * beyond the anchor in direction @p u (unit) and just touches the line through the anchor
   * perpendicular to @p u: u * (|u.x| w + |u.y| h) / 2.
   */
  static SbVec2f boxOffset(const SbVec2f& u, float width, float height);
};

#endif
