// One computed stream path (points, colour values, optional times and vectors) and the
// predictor-corrector integrator that fills it from a mesh's vector set.
#ifndef GRIDLUX_PISTREAMPATH_H
#define GRIDLUX_PISTREAMPATH_H

#include <Inventor/SbVec3f.h>

class PbCell;
class PbMesh;

/**
 * @brief A stream path and its Heun integrator.
 *
 * Arrays start at 50 entries and double when full; clear() keeps them, so a path refilled at
 * each rebuild allocates only while it grows. Times and vectors are stored only when the caller
 * asks for them (the animations resample in time).
 *
 * integrate() follows the field from a start point: each step is `stepFactor` times the longest
 * edge of the cell being crossed, the predictor is evaluated in the current cell (extrapolated
 * when it left it), and the corrected point is located first in the current cell, then by the
 * grid's direct location (structured grids) or among the neighbours of the current cell
 * (unstructured meshes); no allocation is made per step once the mesh's search arrays are warm.
 * The path ends at the skin (endsAtSkin() 1, the point outside not recorded) or at a limit (0).
 */
class PiStreamPath {
public:
  /** The limits of one integration; a limit not above 0 (steps: below 1) is no limit. */
  struct Limits {
    float maxLifetime = 0.0f;
    float maxLength = 0.0f;
    float minSpeed = 0.0f;
    float stepFactor = 0.3f;
    int maxSteps = 0;
    int backward = 0;
  };

  /** Receives each recorded point after it is stored (the nodes' per-point hooks). */
  class Recorder {
  public:
    virtual ~Recorder() = default;
    virtual void recordPoint(PiStreamPath& path, const PbCell* cell, SbVec3f& point, SbVec3f& vector,
                             float time) = 0;
  };

  PiStreamPath() = default;
  ~PiStreamPath();
  PiStreamPath(const PiStreamPath&) = delete;
  PiStreamPath& operator=(const PiStreamPath&) = delete;

  void clear() { m_last = -1; }
  /** Advances to a new last point, growing the arrays when full. */
  void newPoint();
  void savePoint(const SbVec3f& point) { m_points[m_last] = point; }
  void saveValue(float value) { m_values[m_last] = value; }
  void saveSpeed(const SbVec3f& vector);
  void saveTime(float time);
  void endsAtSkin(int onOff) { m_endsAtSkin = onOff; }

  int getNumPoints() const { return m_last + 1; }
  const SbVec3f* getPoints() const { return m_points; }
  const float* getValues() const { return m_values; }
  /** Null until a time (a vector) was saved. */
  const float* getTimes() const { return m_times; }
  const SbVec3f* getSpeeds() const { return m_speeds; }
  int isEndingAtSkin() const { return m_endsAtSkin; }

  /**
   * Integrates from @p start, lying in @p cell of @p mesh at local coordinates @p local.
   * @p vectors are the mesh's per-node vectors; @p values, when not null, the per-node colour
   * values (else the speed is the point's value). The path is emptied first. Returns the
   * travelled length; @p time receives the travelled time.
   */
  float integrate(const PbMesh* mesh, const PbCell* cell, const SbVec3f& start, const SbVec3f& local,
                  const SbVec3f* vectors, const float* values, const Limits& limits, Recorder* recorder,
                  float& time);

private:
  template <class T> static void grow(T*& array, int used, int capacity);

  SbVec3f* m_points = nullptr;
  float* m_values = nullptr;
  SbVec3f* m_speeds = nullptr;
  float* m_times = nullptr;
  int m_capacity = 0;
  int m_speedCapacity = 0;
  int m_timeCapacity = 0;
  int m_endsAtSkin = 0;
  int m_last = -1;
};

#endif
