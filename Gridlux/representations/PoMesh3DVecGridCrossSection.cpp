// Arrows of a 3D vector field sampled on a square grid in a plane.
#include <Gridlux/representations/PoMesh3DVecGridCrossSection.h>

#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/mesh/PbCell.h>
#include <Gridlux/mesh/PbMesh3D.h>

#include <cmath>

PO_KIT_SOURCE(PoMesh3DVecGridCrossSection);

void PoMesh3DVecGridCrossSection::initClass()
{
  PO_KIT_INIT_CLASS(PoMesh3DVecGridCrossSection, PoMesh3DVecCrossSection, "PoMesh3DVecCrossSection");
}

PoMesh3DVecGridCrossSection::PoMesh3DVecGridCrossSection()
{
  SO_KIT_CONSTRUCTOR(PoMesh3DVecGridCrossSection);
  SO_KIT_ADD_FIELD(gridSpacing, (0.05f));
  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoMesh3DVecGridCrossSection::~PoMesh3DVecGridCrossSection()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoMesh3DVecGridCrossSection::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  SoFieldList fields;
  fields.append(&gridSpacing);
  watchFields(onOff, m_sensors, fields);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoMesh3DVecGridCrossSection::offerVectors()
{
  static const char* const method = "PoMesh3DVecGridCrossSection::rebuild";
  const PbMesh3D* mesh = m_mesh3DInForce;
  SbVec3f n;
  float level;
  if (!mesh || !planeInForce(n, level, method))
    return;
  const float spacing = gridSpacing.getValue();
  if (!(spacing > 0) || std::isinf(spacing)) {
    PoDebugError::post(method, "gridSpacing %g is not above 0 or not finite: nothing drawn", spacing);
    return;
  }
  const SbBox3f& box = mesh->getBoundingBox();
  const float diagonal = (box.getMax() - box.getMin()).length();
  if (!(diagonal > 0) || !std::isfinite(diagonal))
    return;
  const double step = double(spacing) * diagonal;
  // The plane's part inside the box lies within half a diagonal of the grid's centre.
  const double half = std::ceil(0.5 * diagonal / step);
  if ((2 * half + 1) * (2 * half + 1) > 4e6) {
    PoDebugError::post(method, "gridSpacing %g gives more than 4 million samples: nothing drawn", spacing);
    return;
  }
  // A frame of the plane from the axis least along its normal.
  int axis = 0;
  for (int a = 1; a < 3; ++a)
    if (std::fabs(n[a]) < std::fabs(n[axis]))
      axis = a;
  SbVec3f e(0, 0, 0);
  e[axis] = 1;
  SbVec3f u = n.cross(e);
  u.normalize();
  const SbVec3f w = n.cross(u);
  const SbVec3f centre = box.getCenter();
  const SbVec3f origin = centre - n * (n.dot(centre) - level);
  const float tolerance = 1e-5f * diagonal;
  const int reach = static_cast<int>(half);
  const SbVec3f* vectors = m_inputs.vectors;
  const float* scalars = m_inputs.scalars;
  for (int i = -reach; i <= reach; ++i)
    for (int j = -reach; j <= reach; ++j) {
      const SbVec3f point = origin + u * float(i * step) + w * float(j * step);
      if (!box.intersect(point))
        continue;
      SbVec3f pcoord;
      const PbCell* cell = mesh->findContainingCell(point, tolerance, pcoord);
      if (!cell)
        continue;
      const SbVec3f vector = cell->getValue(pcoord, vectors);
      const float scalar = scalars ? cell->getValue(pcoord, scalars) : 0.0f;
      addVector(point, project(vector, n), scalar);
    }
}
