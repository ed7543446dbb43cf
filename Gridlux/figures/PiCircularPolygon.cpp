// Tessellation of circles and circle arcs into polylines of points.
#include <Gridlux/figures/PiCircularPolygon.h>

#include <cmath>

namespace {
const double kTurn = 6.2831855; // one turn, as the figures' fields spell it
const float kMinStep = 0.008726646f;
const float kMaxStep = 2.094393f;
} // namespace

PiCircularPolygon::PiCircularPolygon() : m_angleStep(0.034906585f) {}

PiCircularPolygon::~PiCircularPolygon()
{
  delete[] m_points;
}

void PiCircularPolygon::setAngleStep(float step)
{
  if (!(step >= kMinStep)) // NaN goes to the smallest step too
    step = kMinStep;
  if (step > kMaxStep)
    step = kMaxStep;
  m_angleStep = step;
  angleStepChanged();
}

int PiCircularPolygon::getNumPointsFor(float sweep, float step)
{
  double a = sweep;
  if (!std::isfinite(a))
    return 0;
  if (a > kTurn)
    a = kTurn;
  if (a < -kTurn)
    a = -kTurn;
  const double s = std::fabs(double(step));
  if (s > std::fabs(a))
    return 2;
  // A sweep that is a whole number of steps up to rounding (one turn in 2-degree steps) gets
  // its last point, not one point less.
  return int(std::fabs(a) / s + 1.0 + 1e-5);
}

void PiCircularPolygon::reserve(int numPoints)
{
  if (numPoints + 1 <= m_capacity)
    return;
  delete[] m_points;
  m_capacity = numPoints + 1;
  m_points = new SbVec3f[m_capacity];
}

int PiCircularPolygon::computePoints(const SbVec3f& center, const SbVec3f& start,
                                     const SbVec3f& axis, float sweep)
{
  m_numPoints = 0;
  const double c[3] = {center[0], center[1], center[2]};
  double n[3] = {axis[0], axis[1], axis[2]};
  const double nLength = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
  if (!(nLength > 0.0) || !std::isfinite(nLength))
    return 0;
  for (double& v : n)
    v /= nLength;

  // In-plane radius vector u and its quarter-turn v = n x u.
  double u[3] = {start[0] - c[0], start[1] - c[1], start[2] - c[2]};
  const double along = u[0] * n[0] + u[1] * n[1] + u[2] * n[2];
  for (int i = 0; i < 3; ++i)
    u[i] -= along * n[i];
  if (u[0] == 0.0 && u[1] == 0.0 && u[2] == 0.0)
    return 0;
  const double v[3] = {n[1] * u[2] - n[2] * u[1], n[2] * u[0] - n[0] * u[2],
                       n[0] * u[1] - n[1] * u[0]};

  const int count = getNumPointsFor(sweep, m_angleStep);
  if (count < 2)
    return 0;
  double a = sweep;
  if (a > kTurn)
    a = kTurn;
  if (a < -kTurn)
    a = -kTurn;
  reserve(count);
  for (int k = 0; k < count; ++k) {
    const double angle = a * k / (count - 1);
    const double cs = std::cos(angle), sn = std::sin(angle);
    m_points[k].setValue(float(c[0] + u[0] * cs + v[0] * sn), float(c[1] + u[1] * cs + v[1] * sn),
                         float(c[2] + u[2] * cs + v[2] * sn));
  }
  m_numPoints = count;
  return count;
}
