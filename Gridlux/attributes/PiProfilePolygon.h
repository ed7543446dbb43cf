// Plain-array checks and shapes of the closed 2D outlines that solid charts sweep or extrude.
#ifndef GRIDLUX_PIPROFILEPOLYGON_H
#define GRIDLUX_PIPROFILEPOLYGON_H

#include <Inventor/SbBox2f.h>
#include <Inventor/SbVec2f.h>

#include <vector>

/**
 * @brief Outline helpers shared by the profile nodes and their users: the default circle, signed
 * area, perimeter, and the test for outlines that cross themselves.
 */
class PiProfilePolygon {
public:
  /** Number of points of the circle used when no profile is in force. */
  static constexpr int kDefaultNumPoints = 16;

  /** Regular polygon of @p numPoints points inscribed in the circle of @p radius, counter-clockwise. */
  static void circle(float radius, int numPoints, std::vector<SbVec2f>& points);
  /** Polygon of @p numPoints points on the ellipse of half-axes @p rx, @p ry, counter-clockwise. */
  static void ellipse(float rx, float ry, int numPoints, std::vector<SbVec2f>& points);

  /** Shoelace area, positive for a counter-clockwise outline. */
  static double signedArea(const SbVec2f* points, int numPoints);
  /** Length of the closed outline. */
  static double perimeter(const SbVec2f* points, int numPoints);
  /** True when two edges that are not neighbours along the outline touch or cross. */
  static bool selfCrossing(const SbVec2f* points, int numPoints);
  /** Bounding box of the points (empty for none). */
  static SbBox2f bounds(const SbVec2f* points, int numPoints);
};

#endif
