// A point located in the current mesh, reporting its cell and its entering and leaving the mesh.
#ifndef GRIDLUX_POMESHPROBEPOINT_H
#define GRIDLUX_POMESHPROBEPOINT_H

#include <Gridlux/representations/PoMesh.h>

#include <Inventor/fields/SoSFFloat.h>
#include <Inventor/fields/SoSFVec3f.h>

class PbCell;
class PoMeshProbePoint;

/** Called back with the user data, the probe and its cell (null when outside the mesh). */
typedef void PoMeshProbePointCB(void* userData, PoMeshProbePoint* probe, const PbCell* cell);

/**
 * @brief Locates `position` in the current mesh at each rebuild and tells the application.
 *
 * The current cell is kept while it still contains the position (PbCell::locatePoint with
 * `tolerance`); otherwise the mesh locates the position (findContainingCell) and, when the cell
 * found (or none) differs from the current one, it becomes current and the change-of-cell
 * callback is called with it. Then, on every rebuild, the motion callback; then, on entering the
 * mesh (a cell after none), the enter callback, and on leaving it (none after a cell) the leave
 * callback with no cell. Callbacks not set are skipped. The cell handed over is the mesh's
 * reused cell object: valid until the next cell query on the mesh. A different mesh in force
 * starts with no current cell (still inside, until a rebuild finds none).
 *
 * Draws nothing. Fields: position (SoSFVec3f, (0, 0, 0)), tolerance (SoSFFloat, 0).
 */
class PoMeshProbePoint : public PoMesh {
  typedef PoMesh inherited;
  PO_KIT_HEADER(PoMeshProbePoint);

public:
  PoMeshProbePoint();
  static void initClass();

  SoSFVec3f position;
  SoSFFloat tolerance;

  void setMotionCallback(PoMeshProbePointCB* callback, void* userData);
  void setChangeCellCallback(PoMeshProbePointCB* callback, void* userData);
  void setEnterMeshCallback(PoMeshProbePointCB* callback, void* userData);
  void setLeaveMeshCallback(PoMeshProbePointCB* callback, void* userData);

  /** Index of the current cell, -1 when the probe is outside the mesh. */
  int getCellIndex() const { return m_cellIndex; }
  /** Whether the last rebuild found the probe inside the mesh. */
  int isInside() const { return m_inside; }

  void rebuild() override;

protected:
  ~PoMeshProbePoint() override;

  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;

private:
  struct Callback {
    PoMeshProbePointCB* function = nullptr;
    void* data = nullptr;
  };
  void call(const Callback& callback, const PbCell* cell);

  Callback m_motion, m_changeCell, m_enter, m_leave;
  const PbMesh* m_cellMesh = nullptr;
  int m_cellIndex = -1;
  int m_inside = 0;
  FieldSensorList m_sensorsProbe;
};

#endif
