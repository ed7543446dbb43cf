// A point located in the current mesh, reporting its cell and its entering and leaving the mesh.
#include <Gridlux/representations/PoMeshProbePoint.h>

#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/mesh/PbCell.h>
#include <Gridlux/mesh/PbMesh.h>

#include <cmath>

PO_KIT_SOURCE(PoMeshProbePoint);

void PoMeshProbePoint::initClass()
{
  PO_KIT_INIT_CLASS(PoMeshProbePoint, PoMesh, "PoMesh");
}

PoMeshProbePoint::PoMeshProbePoint()
{
  SO_KIT_CONSTRUCTOR(PoMeshProbePoint);
  SO_KIT_ADD_FIELD(position, (0.0f, 0.0f, 0.0f));
  SO_KIT_ADD_FIELD(tolerance, (0.0f));
  SO_KIT_INIT_INSTANCE();
  createFieldSensorList(2, m_sensorsProbe);
  setUpConnections(TRUE, TRUE);
}

PoMeshProbePoint::~PoMeshProbePoint()
{
  deleteFieldSensorList(m_sensorsProbe);
}

SbBool PoMeshProbePoint::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  SoFieldList fields;
  fields.append(&position);
  fields.append(&tolerance);
  watchFields(onOff, m_sensorsProbe, fields);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoMeshProbePoint::setMotionCallback(PoMeshProbePointCB* callback, void* userData)
{
  m_motion.function = callback;
  m_motion.data = userData;
}

void PoMeshProbePoint::setChangeCellCallback(PoMeshProbePointCB* callback, void* userData)
{
  m_changeCell.function = callback;
  m_changeCell.data = userData;
}

void PoMeshProbePoint::setEnterMeshCallback(PoMeshProbePointCB* callback, void* userData)
{
  m_enter.function = callback;
  m_enter.data = userData;
}

void PoMeshProbePoint::setLeaveMeshCallback(PoMeshProbePointCB* callback, void* userData)
{
  m_leave.function = callback;
  m_leave.data = userData;
}

void PoMeshProbePoint::call(const Callback& callback, const PbCell* cell)
{
  if (callback.function)
    callback.function(callback.data, this, cell);
}

void PoMeshProbePoint::rebuild()
{
  preRebuild();
  const PbMesh* mesh = m_meshInForce;
  const SbVec3f point = position.getValue();
  const float tol = tolerance.getValue();
  if (!mesh || mesh->isEmpty()) {
    postRebuild();
    return;
  }
  if (!std::isfinite(point[0]) || !std::isfinite(point[1]) || !std::isfinite(point[2])) {
    PoDebugError::post("PoMeshProbePoint::rebuild", "position is not finite: the probe is not moved");
    postRebuild();
    return;
  }
  if (!(tol >= 0.0f) || !std::isfinite(tol)) {
    PoDebugError::post("PoMeshProbePoint::rebuild", "tolerance %g is negative or not finite: the probe is not moved",
                       tol);
    postRebuild();
    return;
  }
  // A cell index means nothing in another mesh.
  if (mesh != m_cellMesh)
    m_cellIndex = -1;
  m_cellMesh = mesh;

  SbVec3f pcoord;
  const PbCell* cell = m_cellIndex >= 0 ? mesh->getCell(m_cellIndex) : nullptr;
  if (!cell || !cell->locatePoint(point, tol, pcoord)) {
    const PbCell* found = mesh->findContainingCell(point, tol, pcoord);
    const int index = found ? found->getIndex() : -1;
    cell = found;
    if (index != m_cellIndex) {
      m_cellIndex = index;
      call(m_changeCell, cell);
    }
  }
  // A callback may have asked the mesh for other cells: hand over the current one afresh.
  const auto current = [this, mesh]() { return m_cellIndex >= 0 ? mesh->getCell(m_cellIndex) : nullptr; };
  call(m_motion, current());
  if (!m_inside && m_cellIndex >= 0) {
    m_inside = 1;
    call(m_enter, current());
  } else if (m_inside && m_cellIndex < 0) {
    m_inside = 0;
    call(m_leave, nullptr);
  }
  postRebuild();
}
