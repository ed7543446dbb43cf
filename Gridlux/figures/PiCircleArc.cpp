// A circle arc with its closing rule: the common part of the 2D and 3D arc generators.
#include <Gridlux/figures/PiCircleArc.h>

PiCircleArc::PiCircleArc()
    : m_sweepAngle(6.2831855f), m_recompute(1), m_arcType(OPENED), m_center3(0, 0, 0),
      m_start3(1, 0, 0), m_axis3(0, 0, 1)
{
}

void PiCircleArc::setArcType(ArcType type)
{
  if (type == m_arcType)
    return;
  m_arcType = type;
  m_recompute = 1; // the centre slot after the arc points is filled only for pie slices
  update();
}

int PiCircleArc::getNumShapePoints() const
{
  if (m_numPoints == 0)
    return 0;
  return m_numPoints + (m_arcType == CENTER_CLOSE ? 1 : 0);
}

void PiCircleArc::setArc(int valid, const SbVec3f& center, const SbVec3f& start,
                         const SbVec3f& axis, float sweep)
{
  m_isValid = valid;
  m_center3 = center;
  m_start3 = start;
  m_axis3 = axis;
  m_sweepAngle = sweep;
  m_recompute = 1;
  update();
}

void PiCircleArc::angleStepChanged()
{
  m_recompute = 1;
  update();
}

void PiCircleArc::update()
{
  if (!m_recompute)
    return;
  m_recompute = 0;
  if (!m_isValid) {
    clearPoints();
    return;
  }
  if (computePoints(m_center3, m_start3, m_axis3, m_sweepAngle) == 0) {
    m_isValid = 0;
    return;
  }
  if (m_arcType == CENTER_CLOSE)
    m_points[m_numPoints] = m_center3; // the array always has room for one more point
}
