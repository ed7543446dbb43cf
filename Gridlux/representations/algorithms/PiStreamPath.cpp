// One computed stream path and the predictor-corrector integrator that fills it.
#include <Gridlux/representations/algorithms/PiStreamPath.h>

#include <Gridlux/mesh/PbCell.h>
#include <Gridlux/mesh/PbGrid2D.h>
#include <Gridlux/mesh/PbGrid3D.h>
#include <Gridlux/mesh/PbMesh.h>

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>

namespace {
const int INITIAL_CAPACITY = 50;
}

PiStreamPath::~PiStreamPath()
{
  delete[] m_points;
  delete[] m_values;
  delete[] m_speeds;
  delete[] m_times;
}

template <class T> void PiStreamPath::grow(T*& array, int used, int capacity)
{
  T* bigger = new T[capacity];
  if (array)
    std::copy(array, array + used, bigger);
  delete[] array;
  array = bigger;
}

void PiStreamPath::newPoint()
{
  ++m_last;
  if (m_last < m_capacity)
    return;
  const int capacity = m_capacity ? 2 * m_capacity : INITIAL_CAPACITY;
  grow(m_points, m_last, capacity);
  grow(m_values, m_last, capacity);
  m_capacity = capacity;
}

void PiStreamPath::saveSpeed(const SbVec3f& vector)
{
  if (m_speedCapacity < m_capacity) {
    grow(m_speeds, m_last, m_capacity);
    m_speedCapacity = m_capacity;
  }
  m_speeds[m_last] = vector;
}

void PiStreamPath::saveTime(float time)
{
  if (m_timeCapacity < m_capacity) {
    grow(m_times, m_last, m_capacity);
    m_timeCapacity = m_capacity;
  }
  m_times[m_last] = time;
}

float PiStreamPath::integrate(const PbMesh* mesh, const PbCell* cell, const SbVec3f& start,
                              const SbVec3f& local, const SbVec3f* vectors, const float* values,
                              const Limits& limits, Recorder* recorder, float& time)
{
  clear();
  m_endsAtSkin = 0;
  time = 0;
  if (!mesh || !cell || !vectors)
    return 0;
  // Grids find a cell from the point's indices at once; a neighbour search would be slower.
  const bool direct = dynamic_cast<const PbGrid3D*>(mesh) || dynamic_cast<const PbGrid2D*>(mesh);
  const float tMax = limits.maxLifetime > 0 ? limits.maxLifetime : FLT_MAX;
  const float lMax = limits.maxLength > 0 ? limits.maxLength : FLT_MAX;
  const int nMax = limits.maxSteps >= 1 ? limits.maxSteps : INT_MAX;
  const float sigma = limits.backward ? -1.0f : 1.0f;

  SbVec3f p = start, pc = local;
  SbVec3f v = cell->getValue(pc, vectors);
  float s = v.length();
  float w = values ? cell->getValue(pc, values) : s;
  float h = limits.stepFactor * cell->getLongestEdgeLength();
  // Time and length add up in double: long paths make many small steps.
  double t = 0, l = 0;
  SbVec3f pc1;
  for (int n = 0; n < nMax && s > limits.minSpeed && t < tMax && l < lMax; ++n) {
    newPoint();
    savePoint(p);
    saveValue(w);
    if (recorder)
      recorder->recordPoint(*this, cell, p, v, float(t));

    const float hs = sigma * h / s;
    const SbVec3f p1 = p + hs * v;
    cell->locatePoint(p1, 0, pc1);
    const SbVec3f v1 = cell->getValue(pc1, vectors);
    const SbVec3f p2 = p + (0.5f * hs) * (v + v1);
    const double d = (p2 - p).length();
    t += d / s;
    l += d;

    if (!cell->locatePoint(p2, 0, pc)) {
      const PbCell* next = direct ? mesh->findContainingCell(p2, 0, pc) : mesh->findContainingCell(p2, 0, pc, cell);
      if (!next) {
        m_endsAtSkin = 1;
        break;
      }
      cell = next;
      h = limits.stepFactor * cell->getLongestEdgeLength();
    }
    v = cell->getValue(pc, vectors);
    s = v.length();
    w = values ? cell->getValue(pc, values) : s;
    p = p2;
  }
  time = float(t);
  return float(l);
}
