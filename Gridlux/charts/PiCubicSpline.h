// The cubic spline of the library: smooth curves through 2D or 3D points, each coordinate against the point index.
#ifndef GRIDLUX_PICUBICSPLINE_H
#define GRIDLUX_PICUBICSPLINE_H

#include <Inventor/SbVec2f.h>
#include <Inventor/SbVec3f.h>

/**
 * @brief Cubic interpolating spline with uniform parameter (the points' indices).
 *
 * Each coordinate is splined separately. When the first and last points are equal the curve is
 * closed and the spline periodic, else the ends are natural (zero second derivative). Every
 * interval is sampled at u = 0, 1/s, ..., (s - 1)/s and the last point is appended, so that n
 * points give s (n - 1) + 1 points through every given point. The points are borrowed: they must
 * stay valid until getPoints() has computed.
 */
class PiCubicSpline {
public:
  PiCubicSpline();
  ~PiCubicSpline();
  PiCubicSpline(const PiCubicSpline&) = delete;
  PiCubicSpline& operator=(const PiCubicSpline&) = delete;

  void setValues(int num, const SbVec2f* points, int numSubdivisions);
  void setValues(int num, const SbVec3f* points, int numSubdivisions);
  /** The spline points (z = 0 for 2D input), computed on the first call after setValues(). */
  const SbVec3f* getPoints(int& num);

private:
  void compute();

  int m_numPoints = 0;
  const void* m_points = nullptr;
  int m_numSubdivisions = 0;
  bool m_is3D = false;
  bool m_mustCompute = false;
  SbVec3f* m_result = nullptr;
  int m_numResult = 0;
};

#endif
