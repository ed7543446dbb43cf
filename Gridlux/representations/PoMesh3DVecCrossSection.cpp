// Arrows of a 3D vector field where a plane cuts the mesh.
#include <Gridlux/representations/PoMesh3DVecCrossSection.h>

#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/mesh/PbMesh3D.h>

#include <cmath>

PO_KIT_SOURCE(PoMesh3DVecCrossSection);

void PoMesh3DVecCrossSection::initClass()
{
  PO_KIT_INIT_CLASS(PoMesh3DVecCrossSection, PoMesh3DVec, "PoMesh3DVec");
}

PoMesh3DVecCrossSection::PoMesh3DVecCrossSection()
{
  SO_KIT_CONSTRUCTOR(PoMesh3DVecCrossSection);
  SO_KIT_ADD_FIELD(plane, (SbPlane(SbVec3f(0, 0, 1), 0.0f)));
  SO_KIT_ADD_FIELD(projectionType, (NO_PROJECTION));
  SO_KIT_DEFINE_ENUM_VALUE(ProjectionType, NO_PROJECTION);
  SO_KIT_DEFINE_ENUM_VALUE(ProjectionType, PROJECTION_ON_PLANE);
  SO_KIT_DEFINE_ENUM_VALUE(ProjectionType, PROJECTION_ON_NORMAL);
  SO_KIT_SET_SF_ENUM_TYPE(projectionType, ProjectionType);
  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoMesh3DVecCrossSection::~PoMesh3DVecCrossSection()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoMesh3DVecCrossSection::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  SoFieldList fields;
  fields.append(&plane);
  fields.append(&projectionType);
  watchFields(onOff, m_sensors, fields);
  return inherited::setUpConnections(onOff, doItAlways);
}

bool PoMesh3DVecCrossSection::planeInForce(SbVec3f& normal, float& distance, const char* method) const
{
  const SbPlane p = plane.getValue();
  normal = p.getNormal();
  distance = p.getDistanceFromOrigin();
  const float length = normal.length();
  if (!std::isfinite(distance) || !std::isfinite(length) || !(length > 0)) {
    PoDebugError::post(method, "the plane is not finite: nothing drawn");
    return false;
  }
  normal /= length;
  return true;
}

SbVec3f PoMesh3DVecCrossSection::project(const SbVec3f& v, const SbVec3f& n) const
{
  switch (projectionType.getValue()) {
  case PROJECTION_ON_PLANE:
    return v - n * v.dot(n);
  case PROJECTION_ON_NORMAL:
    return n * v.dot(n);
  default:
    return v;
  }
}

void PoMesh3DVecCrossSection::offerVectors()
{
  const PbMesh3D* mesh = m_mesh3DInForce;
  SbVec3f n;
  float level;
  if (!mesh || !planeInForce(n, level, "PoMesh3DVecCrossSection::rebuild"))
    return;
  const int numNodes = mesh->getNumNodes();
  m_distances.resize(numNodes);
  for (int p = 0; p < numNodes; ++p)
    m_distances[p] = mesh->getNodeCoord(p).dot(n);
  m_level = level;
  // The level-surface walk finds the crossed edges (moving its level off the nodes); the
  // points are then placed at the plane's own distance.
  meshShapeIndices(1, nullptr);
  const int* pairs = getSurfPointPairs();
  const int num = getNumSurfPoints();
  const SbVec3f* vectors = m_inputs.vectors;
  const float* scalars = m_inputs.scalars;
  m_nodeDrawn.assign(numNodes, 0);
  for (int p = 0; p < num; ++p) {
    const int lo = pairs[2 * p], hi = pairs[2 * p + 1];
    const float dLo = m_distances[lo], dHi = m_distances[hi];
    float t = dLo != dHi ? (level - dLo) / (dHi - dLo) : 0.0f;
    t = t < 0 ? 0 : t > 1 ? 1 : t;
    // A node in the plane ends several crossed edges: one arrow for it.
    const int atNode = t == 0 ? lo : t == 1 ? hi : -1;
    if (atNode >= 0) {
      if (m_nodeDrawn[atNode])
        continue;
      m_nodeDrawn[atNode] = 1;
    }
    const SbVec3f a = mesh->getNodeCoord(lo), b = mesh->getNodeCoord(hi);
    const SbVec3f point = a + (b - a) * t;
    const SbVec3f vector = vectors[lo] + (vectors[hi] - vectors[lo]) * t;
    const float scalar = scalars ? scalars[lo] + (scalars[hi] - scalars[lo]) * t : 0.0f;
    addVector(point, project(vector, n), scalar);
  }
  m_distances.clear();
}
